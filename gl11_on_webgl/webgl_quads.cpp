#include "gl11_on_webgl/webgl_quads.h"

#include <emscripten.h>
#include <emscripten/html5_webgl.h>
#include <webgl/webgl1.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr GLuint kPosition = 0;
constexpr GLuint kTexCoord = 1;
constexpr GLuint kClampSize = 2;  // no array: one value for a whole run (glVertexAttrib2f)

// The programs' link is asked about this many frames after it was started: by then the browser
// has long finished it, where asking at once would hold the first frame until it had.
constexpr int kFramesBeforeLinkCheck = 30;

// clampSize is a vertex attribute with no array behind it, set once for each run: unlike a
// uniform it needs no location, which WebGL could give only once the link is over.
const char* const kVertexShader = R"(
attribute vec4 position;
attribute vec2 texCoord;
attribute vec2 clampSize;
varying vec2 v;
varying vec2 clamped;
void main() {
    gl_Position = position;
    v = texCoord;
    clamped = clampSize;
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
varying vec2 v;
varying vec2 clamped;
void main() {
    vec2 c = clamp(v, 0.0, 1.0);
    vec2 share = clamp(min(c, 1.0 - c) * clamped + 0.5, 0.0, 1.0);
    share = mix(vec2(1.0), share, step(0.5, clamped));
    gl_FragColor = texture2D(image, c) * share.x * share.y;
})";

const char* const kExactShader = VORN_FRAGMENT_PRECISION R"(
uniform sampler2D image;
varying vec2 v;
void main() {
    gl_FragColor = texture2D(image, v);
})";

[[noreturn]] void cannotDraw(const char* what, const char* log) {
    std::fprintf(stderr, "vorngame: WebGL cannot %s: %s\n", what, log);
    std::abort();
}

GLuint compiled(GLenum kind, const char* source) {
    const GLuint shader = emscripten_glCreateShader(kind);
    emscripten_glShaderSource(shader, 1, &source, nullptr);
    emscripten_glCompileShader(shader);
    return shader;
}

// Started only: the browser compiles and links while the program goes on.
GLuint linked(const char* fragmentShader) {
    const GLuint program = emscripten_glCreateProgram();
    emscripten_glAttachShader(program, compiled(GL_VERTEX_SHADER, kVertexShader));
    emscripten_glAttachShader(program, compiled(GL_FRAGMENT_SHADER, fragmentShader));
    emscripten_glBindAttribLocation(program, kPosition, "position");
    emscripten_glBindAttribLocation(program, kTexCoord, "texCoord");
    emscripten_glBindAttribLocation(program, kClampSize, "clampSize");
    emscripten_glLinkProgram(program);
    return program;
}

// A program that did not link says why in its shaders' logs, or its own. A lost context answers
// no for every program: the restore makes them again, and they are asked about then.
void checkLinked(GLuint program) {
    GLint ok = GL_FALSE;
    emscripten_glGetProgramiv(program, GL_LINK_STATUS, &ok);
    if (ok == GL_TRUE || emscripten_is_webgl_context_lost(emscripten_webgl_get_current_context()))
        return;
    char log[512] = "";
    GLuint shaders[2] = {};
    GLsizei count = 0;
    emscripten_glGetAttachedShaders(program, 2, &count, shaders);
    for (GLsizei i = 0; i < count && log[0] == '\0'; ++i)
        emscripten_glGetShaderInfoLog(shaders[i], sizeof log, nullptr, log);
    if (log[0] == '\0')
        emscripten_glGetProgramInfoLog(program, sizeof log, nullptr, log);
    cannotDraw("link the quad shaders", log);
}

// clang-format off
// WebGL 1 uploads exactly the bytes of the view it is given, and a view made for each upload
// would be garbage at every frame. The view kept covers the batch's whole storage (its
// capacity, not only the quads of the frame; the draws use only those), and is made again only
// when that storage moves or the module's memory grows (a new buffer under HEAPU8).
EM_JS(void, vorn_upload_vertices, (const void* storage, int bytes), {
    let kept = Module.vornVertexView;
    if (!kept || kept.buffer !== HEAPU8.buffer || kept.byteOffset !== storage ||
        kept.byteLength !== bytes)
        kept = Module.vornVertexView = HEAPU8.subarray(storage, storage + bytes);
    GLctx.bufferData(0x8892 /* GL_ARRAY_BUFFER */, kept, 0x88E0 /* GL_STREAM_DRAW */);
});

// Whole numbers: a float passed from the module to JavaScript would be a new number object
// there at each call.
EM_JS(void, vorn_clamp_size, (int width, int height), {
    GLctx.vertexAttrib2f(2 /* kClampSize */, width, height);
});
// clang-format on

}  // namespace

// A context lost before the page has heard of it makes no objects and reports no shader
// compiled: the first draw after the restore prepares instead.
bool WebGLQuads::prepare() {
    if (prepared_)
        return true;
    if (emscripten_is_webgl_context_lost(emscripten_webgl_get_current_context()))
        return false;
    linear_ = linked(kLinearShader);
    exact_ = linked(kExactShader);
    framesToLinkCheck_ = kFramesBeforeLinkCheck;

    const std::uint8_t white[4] = {255, 255, 255, 255};
    emscripten_glGenTextures(1, &white_);
    bindTexture(white_);
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

void WebGLQuads::countFrame() {
    if (framesToLinkCheck_ == 0 || --framesToLinkCheck_ != 0)
        return;
    checkLinked(linear_);
    checkLinked(exact_);
}

void WebGLQuads::forgetObjects() {
    prepared_ = false;
    forgetBinding();
    inUse_ = 0;
    indexedQuads_ = 0;
}

void WebGLQuads::bindTexture(std::uint32_t webglName) {
    if (webglName != webglBound_)
        emscripten_glBindTexture(GL_TEXTURE_2D, webglName);
    webglBound_ = webglName;
}

void WebGLQuads::setFilter(TextureRecord& record, bool exact) {
    const GLint filter = exact ? GL_NEAREST : GL_LINEAR;
    if (record.webglFilter == filter)
        return;
    emscripten_glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
    emscripten_glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
    record.webglFilter = filter;
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

void WebGLQuads::draw(const QuadBatch& batch, TextureTable& textures) {
    if (batch.empty() || !prepare())
        return;
    coverIndices(batch.quadCount());
    const auto& vertices = batch.vertices();
    vorn_upload_vertices(vertices.data(),
                         static_cast<int>(vertices.capacity() * sizeof vertices[0]));
    for (const QuadRun& run : batch.runs()) {
        TextureRecord* record = textures.find(run.texture);
        bindTexture(record != nullptr ? record->webglName : white_);
        if (record != nullptr)
            setFilter(*record, run.exact);
        if (run.exact) {
            use(exact_);
        } else {
            use(linear_);
            const TextureSampling sampling =
                record != nullptr ? record->sampling : TextureSampling{};
            vorn_clamp_size(sampling.clampS ? static_cast<int>(sampling.width) : 0,
                            sampling.clampT ? static_cast<int>(sampling.height) : 0);
        }
        const std::size_t firstIndex = run.firstQuad * 6;
        emscripten_glDrawElements(
            GL_TRIANGLES, static_cast<GLsizei>(run.quads * 6), GL_UNSIGNED_SHORT,
            reinterpret_cast<const void*>(firstIndex * sizeof(std::uint16_t)));
    }
}
