// The OpenGL 1.1 that render/ and game/ call, and the fixed state the window sets up
// (render/gl_state.cpp), translated onto WebGL 1 for the browser build. Defined here, these
// take the place of Emscripten's WebGL entry points of the same names; the WebGL calls
// themselves go through Emscripten's emscripten_gl* names.
// Supports: glBegin(GL_QUADS)/glTexCoord2f/glVertex2s/glEnd, gathered and drawn a frame at a
// time (webgl_frame.h); the model-view and projection stacks (load identity, push, pop,
// translate, rotate, scale, ortho) on the CPU; texture objects with GL_CLAMP and linear
// filters; GL_TEXTURE_2D and GL_BLEND on and off, GL_DEPTH_TEST and GL_CULL_FACE off;
// glBlendFunc; clearing the colour buffer; glShadeModel(GL_SMOOTH); glPixelStorei(GL_UNPACK_
// ALIGNMENT). No colour is ever set, so fragments are the texel (GL_MODULATE with white), or
// white untextured.
// glReadPixels of RGBA bytes, after the quads gathered so far are drawn; glGetError, WebGL's.
// Limits: any other value of those calls stops the program with its name in the console
// (refused_call.h); a GL 1.1 call outside the set is not declared (gl11.h), so it fails to
// compile.
// Needs: the WebGL context current (web_gl_context.cpp) before the first call.
#include <webgl/webgl1.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "gl11_on_webgl/gl11.h"
#include "gl11_on_webgl/matrix_stacks.h"
#include "gl11_on_webgl/quad_batch.h"
#include "gl11_on_webgl/refused_call.h"
#include "gl11_on_webgl/webgl_frame.h"
#include "gl11_on_webgl/webgl_quads.h"

namespace {

struct Translation {
    MatrixStacks matrices;
    QuadBatch batch;
    WebGLQuads quads;
    std::vector<TextureSampling> textures;  // indexed by name
    GLuint bound = 0;
    bool texturing = false;
    bool inPrimitive = false;
    float s = 0.0f;
    float t = 0.0f;
};

Translation& gl() {
    static Translation translation;
    return translation;
}

void drawPending() {
    Translation& state = gl();
    state.quads.draw(state.batch, state.textures, state.bound);
    state.batch.clear();
}

// Calls that GL refuses between glBegin and glEnd.
void outsidePrimitive(const char* call) {
    if (gl().inPrimitive)
        refuseGLCall(call, 0);
}

void matrixCall(const char* call, const Matrix4& by) {
    outsidePrimitive(call);
    gl().matrices.multiply(by);
}

TextureSampling& boundSampling(const char* call) {
    Translation& state = gl();
    if (state.bound == 0)
        refuseGLCall(call, 0);
    if (state.textures.size() <= state.bound)
        state.textures.resize(state.bound + 1);
    return state.textures[state.bound];
}

// Where GL 1.1 draws untextured: texturing off, or a texture without an image.
GLuint samplingTexture() {
    const Translation& state = gl();
    if (!state.texturing || state.bound == 0 || state.bound >= state.textures.size() ||
        state.textures[state.bound].width == 0)
        return 0;
    return state.bound;
}

TexelGrid gridOf(GLuint texture) {
    // The viewport is the canvas's drawing buffer as the context was made: glViewport is
    // outside the set (gl11.h), so nothing can change it.
    static const auto view = [] {
        GLint viewport[4] = {};
        emscripten_glGetIntegerv(GL_VIEWPORT, viewport);
        return std::pair<float, float>(static_cast<float>(viewport[2]),
                                       static_cast<float>(viewport[3]));
    }();
    TexelGrid grid;
    if (texture != 0) {
        grid.textureWidth = gl().textures[texture].width;
        grid.textureHeight = gl().textures[texture].height;
    }
    grid.viewWidth = view.first;
    grid.viewHeight = view.second;
    return grid;
}

// Blending as WebGL has it. Depth testing and culling are only ever turned off (they are off
// from the start), so the context has no depth buffer to keep.
void setCapability(const char* call, GLenum capability, bool on) {
    outsidePrimitive(call);
    if (capability == GL_TEXTURE_2D) {
        gl().texturing = on;
        return;
    }
    const bool offOnly = capability == GL_DEPTH_TEST || capability == GL_CULL_FACE;
    if (capability != GL_BLEND && !(offOnly && !on))
        refuseGLCall(call, capability);
    drawPending();
    if (on)
        emscripten_glEnable(capability);
    else
        emscripten_glDisable(capability);
}

}  // namespace

void drawPendingQuads() {
    drawPending();
}

extern "C" {

void glBegin(GLenum mode) {
    outsidePrimitive("glBegin");
    if (mode != GL_QUADS)
        refuseGLCall("glBegin", mode);
    gl().inPrimitive = true;
    const GLuint texture = samplingTexture();
    gl().batch.begin(texture, gridOf(texture));
}

void glEnd() {
    Translation& state = gl();
    if (!state.inPrimitive)
        refuseGLCall("glEnd", 0);
    state.inPrimitive = false;
    state.batch.end();
}

void glTexCoord2f(GLfloat s, GLfloat t) {
    gl().s = s;
    gl().t = t;
}

void glVertex2s(GLshort x, GLshort y) {
    Translation& state = gl();
    if (!state.inPrimitive)
        refuseGLCall("glVertex2s", 0);
    state.batch.vertex(state.matrices.toClip(), x, y, state.s, state.t);
    if (state.batch.full())
        drawPending();
}

// The frame is shown when the program yields to the browser; a flush before that only costs.
void glFlush() {}

void glMatrixMode(GLenum mode) {
    outsidePrimitive("glMatrixMode");
    if (mode != GL_MODELVIEW && mode != GL_PROJECTION)
        refuseGLCall("glMatrixMode", mode);
    gl().matrices.select(mode == GL_MODELVIEW ? MatrixStacks::Mode::ModelView
                                              : MatrixStacks::Mode::Projection);
}

void glLoadIdentity() {
    outsidePrimitive("glLoadIdentity");
    gl().matrices.loadIdentity();
}

void glPushMatrix() {
    outsidePrimitive("glPushMatrix");
    if (!gl().matrices.push())
        refuseGLCall("glPushMatrix", static_cast<unsigned>(MatrixStacks::kDepth));
}

void glPopMatrix() {
    outsidePrimitive("glPopMatrix");
    if (!gl().matrices.pop())
        refuseGLCall("glPopMatrix", 1);
}

void glTranslatef(GLfloat x, GLfloat y, GLfloat z) {
    matrixCall("glTranslatef", Matrix4::translation(x, y, z));
}

void glRotatef(GLfloat degrees, GLfloat x, GLfloat y, GLfloat z) {
    matrixCall("glRotatef", Matrix4::rotation(degrees, x, y, z));
}

void glScalef(GLfloat x, GLfloat y, GLfloat z) {
    matrixCall("glScalef", Matrix4::scaling(x, y, z));
}

void glOrtho(GLdouble left, GLdouble right, GLdouble bottom, GLdouble top, GLdouble near,
             GLdouble far) {
    matrixCall("glOrtho", Matrix4::ortho(left, right, bottom, top, near, far));
}

void glShadeModel(GLenum mode) {
    // Smooth is all there is to have: nothing varies across a quad but its texture coordinates.
    if (mode != GL_SMOOTH)
        refuseGLCall("glShadeModel", mode);
}

void glEnable(GLenum capability) {
    setCapability("glEnable", capability, true);
}

void glDisable(GLenum capability) {
    setCapability("glDisable", capability, false);
}

void glBlendFunc(GLenum source, GLenum destination) {
    outsidePrimitive("glBlendFunc");
    drawPending();
    emscripten_glBlendFunc(source, destination);
}

void glClearColor(GLfloat red, GLfloat green, GLfloat blue, GLfloat alpha) {
    outsidePrimitive("glClearColor");
    emscripten_glClearColor(red, green, blue, alpha);
}

void glClear(GLbitfield mask) {
    outsidePrimitive("glClear");
    if (mask != GL_COLOR_BUFFER_BIT)
        refuseGLCall("glClear", mask);
    drawPending();
    emscripten_glClear(mask);
}

void glGenTextures(GLsizei count, GLuint* names) {
    outsidePrimitive("glGenTextures");
    emscripten_glGenTextures(count, names);
}

void glDeleteTextures(GLsizei count, const GLuint* names) {
    outsidePrimitive("glDeleteTextures");
    drawPending();
    Translation& state = gl();
    for (GLsizei i = 0; i < count; ++i) {
        if (names[i] < state.textures.size())
            state.textures[names[i]] = TextureSampling{};
        if (names[i] == state.bound)
            state.bound = 0;
    }
    emscripten_glDeleteTextures(count, names);
}

void glBindTexture(GLenum target, GLuint name) {
    outsidePrimitive("glBindTexture");
    if (target != GL_TEXTURE_2D)
        refuseGLCall("glBindTexture", target);
    gl().bound = name;
    emscripten_glBindTexture(target, name);
}

void glPixelStorei(GLenum name, GLint value) {
    outsidePrimitive("glPixelStorei");
    if (name != GL_UNPACK_ALIGNMENT && name != GL_PACK_ALIGNMENT)
        refuseGLCall("glPixelStorei", name);
    emscripten_glPixelStorei(name, value);
}

// Only GL_CLAMP wraps, and only linear filters: the values render/ gives its textures.
void glTexParameterf(GLenum target, GLenum name, GLfloat value) {
    outsidePrimitive("glTexParameterf");
    const auto asEnum = static_cast<GLenum>(value);
    const bool wrap = name == GL_TEXTURE_WRAP_S || name == GL_TEXTURE_WRAP_T;
    const bool filter = name == GL_TEXTURE_MAG_FILTER || name == GL_TEXTURE_MIN_FILTER;
    if (target != GL_TEXTURE_2D || !(wrap || filter))
        refuseGLCall("glTexParameterf", target != GL_TEXTURE_2D ? target : name);
    if ((wrap && asEnum != GL_CLAMP) || (filter && asEnum != GL_LINEAR))
        refuseGLCall("glTexParameterf", asEnum);
    drawPending();
    TextureSampling& sampling = boundSampling("glTexParameterf");
    if (name == GL_TEXTURE_WRAP_S)
        sampling.clampS = true;
    if (name == GL_TEXTURE_WRAP_T)
        sampling.clampT = true;
    emscripten_glTexParameteri(target, name,
                               static_cast<GLint>(wrap ? GL_CLAMP_TO_EDGE : GL_LINEAR));
}

// GL 1.1 takes a count of components (4) as the internal format where WebGL wants the format
// itself.
void glTexImage2D(GLenum target, GLint level, GLint internalFormat, GLsizei width, GLsizei height,
                  GLint border, GLenum format, GLenum type, const void* pixels) {
    outsidePrimitive("glTexImage2D");
    if (target != GL_TEXTURE_2D || level != 0 || border != 0)
        refuseGLCall("glTexImage2D", target != GL_TEXTURE_2D ? target : 0);
    if (internalFormat != 4 && internalFormat != GL_RGBA)
        refuseGLCall("glTexImage2D", static_cast<unsigned>(internalFormat));
    if (format != GL_RGBA || type != GL_UNSIGNED_BYTE)
        refuseGLCall("glTexImage2D", format != GL_RGBA ? format : type);
    drawPending();
    TextureSampling& sampling = boundSampling("glTexImage2D");
    sampling.width = static_cast<float>(width);
    sampling.height = static_cast<float>(height);
    emscripten_glTexImage2D(target, level, GL_RGBA, width, height, border, format, type, pixels);
}

// The picture check reads the frame back: what is drawn so far, pending quads included.
void glReadPixels(GLint x, GLint y, GLsizei width, GLsizei height, GLenum format, GLenum type,
                  void* pixels) {
    outsidePrimitive("glReadPixels");
    if (format != GL_RGBA || type != GL_UNSIGNED_BYTE)
        refuseGLCall("glReadPixels", format != GL_RGBA ? format : type);
    drawPending();
    emscripten_glReadPixels(x, y, width, height, format, type, pixels);
}

// Errors only WebGL can raise: every value the translation does not take has stopped the program.
GLenum glGetError() {
    return emscripten_glGetError();
}

}  // extern "C"
