#include "gl11_on_webgl/webgl_quads.h"

#include <emscripten/html5_webgl.h>
#include <webgl/webgl1.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr GLuint kPosition = 0;
constexpr GLuint kTexCoord = 1;

const char* const kVertexShader = R"(
attribute vec4 position;
attribute vec2 texCoord;
varying vec2 v;
void main() {
    gl_Position = position;
    v = texCoord;
})";

#define VORN_FRAGMENT_PRECISION                                                            \
    "#ifdef GL_FRAGMENT_PRECISION_HIGH\nprecision highp float;\n#else\nprecision mediump " \
    "float;\n#endif\n"

// GL_CLAMP under linear filtering: over the outer half texel on an axis the (transparent black)
// border weighs in linearly, where WebGL's clamp to the edge gives the edge texel alone; scaling
// by the edge texel's share gives GL's blend with the border. clampSize is the texture's size
// on a clamped axis, 0 on another.
const char* const kLinearShader = VORN_FRAGMENT_PRECISION R"(
uniform sampler2D image;
uniform vec2 clampSize;
varying vec2 v;
void main() {
    vec2 c = clamp(v, 0.0, 1.0);
    vec2 share = clamp(min(c, 1.0 - c) * clampSize + 0.5, 0.0, 1.0);
    share = mix(vec2(1.0), share, step(0.5, clampSize));
    gl_FragColor = texture2D(image, c) * share.x * share.y;
})";

const char* const kExactShader = VORN_FRAGMENT_PRECISION R"(
uniform sampler2D image;
varying vec2 v;
void main() {
    gl_FragColor = texture2D(image, v);
})";

[[noreturn]] void cannotDraw(const char* what, GLuint object) {
    char log[512] = "";
    if (object != 0)
        emscripten_glGetShaderInfoLog(object, sizeof log, nullptr, log);
    std::fprintf(stderr, "vorngame: WebGL cannot %s: %s\n", what, log);
    std::abort();
}

GLuint compiled(GLenum kind, const char* source) {
    const GLuint shader = emscripten_glCreateShader(kind);
    emscripten_glShaderSource(shader, 1, &source, nullptr);
    emscripten_glCompileShader(shader);
    GLint ok = GL_FALSE;
    emscripten_glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
    if (ok != GL_TRUE)
        cannotDraw("compile the quad shader", shader);
    return shader;
}

GLuint linked(const char* fragmentShader) {
    const GLuint program = emscripten_glCreateProgram();
    emscripten_glAttachShader(program, compiled(GL_VERTEX_SHADER, kVertexShader));
    emscripten_glAttachShader(program, compiled(GL_FRAGMENT_SHADER, fragmentShader));
    emscripten_glBindAttribLocation(program, kPosition, "position");
    emscripten_glBindAttribLocation(program, kTexCoord, "texCoord");
    emscripten_glLinkProgram(program);
    GLint ok = GL_FALSE;
    emscripten_glGetProgramiv(program, GL_LINK_STATUS, &ok);
    if (ok != GL_TRUE)
        cannotDraw("link the quad shaders", 0);
    return program;
}

}  // namespace

// A context lost before the page has heard of it makes no objects and reports no shader
// compiled: the first draw after the restore prepares instead.
bool WebGLQuads::prepare() {
    if (emscripten_is_webgl_context_lost(emscripten_webgl_get_current_context()))
        return false;
    linear_ = linked(kLinearShader);
    exact_ = linked(kExactShader);
    clampSize_ = emscripten_glGetUniformLocation(linear_, "clampSize");

    const std::uint8_t white[4] = {255, 255, 255, 255};
    emscripten_glGenTextures(1, &white_);
    emscripten_glBindTexture(GL_TEXTURE_2D, white_);
    emscripten_glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, white);
    emscripten_glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);

    GLuint buffers[2] = {};
    emscripten_glGenBuffers(2, buffers);
    vertexBuffer_ = buffers[0];
    indexBuffer_ = buffers[1];
    emscripten_glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer_);
    emscripten_glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, indexBuffer_);
    const auto stride = static_cast<GLsizei>(sizeof(QuadVertex));
    emscripten_glVertexAttribPointer(kPosition, 4, GL_FLOAT, GL_FALSE, stride,
                                     reinterpret_cast<const void*>(offsetof(QuadVertex, clip)));
    emscripten_glVertexAttribPointer(kTexCoord, 2, GL_FLOAT, GL_FALSE, stride,
                                     reinterpret_cast<const void*>(offsetof(QuadVertex, texCoord)));
    emscripten_glEnableVertexAttribArray(kPosition);
    emscripten_glEnableVertexAttribArray(kTexCoord);
    prepared_ = true;
    return true;
}

void WebGLQuads::forgetObjects() {
    prepared_ = false;
    inUse_ = 0;
    indexedQuads_ = 0;
}

void WebGLQuads::use(std::uint32_t program) {
    if (program != inUse_)
        emscripten_glUseProgram(program);
    inUse_ = program;
}

// Two triangles a quad, (0 1 2) and (0 2 3), for as many quads as the batch holds.
void WebGLQuads::coverIndices(std::size_t quads) {
    if (quads <= indexedQuads_)
        return;
    quads = QuadBatch::kMaxQuads;
    std::vector<std::uint16_t> indices;
    indices.reserve(quads * 6);
    for (std::size_t quad = 0; quad < quads; ++quad) {
        const auto first = static_cast<std::uint16_t>(quad * 4);
        for (const int corner : {0, 1, 2, 0, 2, 3})
            indices.push_back(static_cast<std::uint16_t>(first + corner));
    }
    emscripten_glBufferData(GL_ELEMENT_ARRAY_BUFFER,
                            static_cast<GLsizeiptr>(indices.size() * sizeof indices[0]),
                            indices.data(), GL_STATIC_DRAW);
    indexedQuads_ = quads;
}

void WebGLQuads::draw(const QuadBatch& batch, const TextureTable& textures,
                      std::uint32_t boundTexture) {
    if (batch.empty() || (!prepared_ && !prepare()))
        return;
    coverIndices(batch.quadCount());
    const auto& vertices = batch.vertices();
    emscripten_glBufferData(GL_ARRAY_BUFFER,
                            static_cast<GLsizeiptr>(vertices.size() * sizeof vertices[0]),
                            vertices.data(), GL_STREAM_DRAW);
    for (const QuadRun& run : batch.runs()) {
        const TextureRecord* record = textures.find(run.texture);
        emscripten_glBindTexture(GL_TEXTURE_2D, record != nullptr ? record->webglName : white_);
        if (record != nullptr) {
            const GLint filter = run.exact ? GL_NEAREST : GL_LINEAR;
            emscripten_glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
            emscripten_glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
        }
        if (run.exact) {
            use(exact_);
        } else {
            use(linear_);
            const TextureSampling sampling =
                record != nullptr ? record->sampling : TextureSampling{};
            emscripten_glUniform2f(clampSize_, sampling.clampS ? sampling.width : 0.0f,
                                   sampling.clampT ? sampling.height : 0.0f);
        }
        const std::size_t firstIndex = run.firstQuad * 6;
        emscripten_glDrawElements(
            GL_TRIANGLES, static_cast<GLsizei>(run.quads * 6), GL_UNSIGNED_SHORT,
            reinterpret_cast<const void*>(firstIndex * sizeof(std::uint16_t)));
    }
    const TextureRecord* bound = textures.find(boundTexture);
    emscripten_glBindTexture(GL_TEXTURE_2D, bound != nullptr ? bound->webglName : 0);
}
