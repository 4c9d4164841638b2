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
// A lost WebGL context: the calls keep their bookkeeping and draw nothing; on restore every
// texture comes back from a copy of its image, and the state the program set is set again
// (context_restore.h). The program's window is laid over the whole drawing buffer, whatever its
// size (webgl_frame.h).
// glReadPixels of RGBA bytes, after the quads gathered so far are drawn; glGetError, which
// answers no error without asking WebGL.
// Limits: any other value of those calls stops the program with its name in the console
// (refused_call.h); a GL 1.1 call outside the set is not declared (gl11.h), so it fails to
// compile.
// Needs: the WebGL context current (web_gl_context.cpp) before the first call.
#include <webgl/webgl1.h>

#include <cstdint>

#include "gl11_on_webgl/context_restore.h"
#include "gl11_on_webgl/gl11.h"
#include "gl11_on_webgl/matrix_stacks.h"
#include "gl11_on_webgl/quad_batch.h"
#include "gl11_on_webgl/refused_call.h"
#include "gl11_on_webgl/shown_frame.h"
#include "gl11_on_webgl/texture_table.h"
#include "gl11_on_webgl/webgl_frame.h"
#include "gl11_on_webgl/webgl_quads.h"

namespace {

struct Translation {
    MatrixStacks matrices;
    QuadBatch batch;
    WebGLQuads quads;
    ShownFrame shown;
    bool clearPending = false;  // the frame's glClear, issued with its quads
    TextureTable textures;
    FixedState fixed;
    GLuint bound = 0;  // the program's name
    bool texturing = false;
    bool lost = false;
    bool inPrimitive = false;
    float s = 0.0f;
    float t = 0.0f;
};

Translation& gl() {
    static Translation translation;
    return translation;
}

// While the context is lost the quads go unseen, as they would on any frame the browser does
// not show.
void drawPending() {
    Translation& state = gl();
    if (state.clearPending && !state.lost)
        emscripten_glClear(GL_COLOR_BUFFER_BIT);
    state.clearPending = false;
    if (!state.lost)
        state.quads.draw(state.batch, state.textures);
    state.batch.clear();
}

// Before a call that changes how the quads look, or reads what was drawn: what came before it
// is drawn under the state it was given with, and the next frame is drawn, not repeated.
void drawBeforeChange() {
    drawPending();
    gl().shown.forget();
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

TextureRecord& boundRecord(const char* call) {
    TextureRecord* record = gl().textures.find(gl().bound);
    if (record == nullptr)
        refuseGLCall(call, 0);
    return *record;
}

// The program's bound texture, bound in WebGL too for a call that needs it there. Drawing
// binds what it draws with; the program's own glBindTexture only names the texture.
TextureRecord& boundInWebGL(const char* call) {
    TextureRecord& record = boundRecord(call);
    if (!gl().lost)
        gl().quads.bindTexture(record.webglName);
    return record;
}

// Where GL 1.1 draws untextured: texturing off, or a texture without an image.
GLuint samplingTexture() {
    const Translation& state = gl();
    const TextureRecord* record = state.textures.find(state.bound);
    if (!state.texturing || record == nullptr || record->sampling.width == 0)
        return 0;
    return state.bound;
}

// The pixels are the drawing buffer's (glViewport is outside the set, gl11.h): one texel to a
// pixel there only where the buffer has the window's own size.
TexelGrid gridOf(GLuint texture) {
    const Translation& state = gl();
    TexelGrid grid;
    if (const TextureRecord* record = state.textures.find(texture)) {
        grid.textureWidth = record->sampling.width;
        grid.textureHeight = record->sampling.height;
    }
    grid.viewWidth = static_cast<float>(state.fixed.viewWidth);
    grid.viewHeight = static_cast<float>(state.fixed.viewHeight);
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
    drawBeforeChange();
    if (capability == GL_BLEND)
        gl().fixed.blend = on;
    if (on)
        emscripten_glEnable(capability);
    else
        emscripten_glDisable(capability);
}

}  // namespace

// A frame that clears and draws the quads the canvas shows already is not drawn at all.
void drawPendingQuads() {
    Translation& state = gl();
    state.quads.countFrame();
    if (!state.clearPending || state.lost) {
        drawBeforeChange();
        return;
    }
    if (state.shown.repeats(state.batch)) {
        state.batch.clear();
        state.clearPending = false;
        return;
    }
    state.shown.remember(state.batch);
    drawPending();
}

void drawNextFrameAnew() {
    gl().shown.forget();
}

// A drawing buffer given a new size is cleared.
void drawingBufferResized(int width, int height) {
    gl().shown.forget();
    FixedState& fixed = gl().fixed;
    fixed.viewWidth = width;
    fixed.viewHeight = height;
    if (!gl().lost)
        emscripten_glViewport(0, 0, width, height);
}

void webglContextMade() {
    gl().quads.prepare();
}

void webglContextLost() {
    gl().lost = true;
    gl().shown.forget();
}

void webglContextRestored() {
    Translation& state = gl();
    if (!state.lost)
        return;
    state.lost = false;
    state.quads.forgetObjects();
    restoreContext(state.textures, state.fixed, state.bound);
    state.quads.forgetBinding();
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
    // The frame's clear goes with the quads drawn here, so presenting draws the rest anew.
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
    drawBeforeChange();
    gl().fixed.blendSource = source;
    gl().fixed.blendDestination = destination;
    emscripten_glBlendFunc(source, destination);
}

void glClearColor(GLfloat red, GLfloat green, GLfloat blue, GLfloat alpha) {
    outsidePrimitive("glClearColor");
    drawBeforeChange();
    float* colour = gl().fixed.clearColour;
    colour[0] = red;
    colour[1] = green;
    colour[2] = blue;
    colour[3] = alpha;
    emscripten_glClearColor(red, green, blue, alpha);
}

void glClear(GLbitfield mask) {
    outsidePrimitive("glClear");
    if (mask != GL_COLOR_BUFFER_BIT)
        refuseGLCall("glClear", mask);
    // What was given before the clear belongs to no frame that can be repeated.
    if (gl().clearPending || !gl().batch.empty())
        drawBeforeChange();
    gl().clearPending = true;
}

void glGenTextures(GLsizei count, GLuint* names) {
    outsidePrimitive("glGenTextures");
    drawBeforeChange();  // a name drawn with before may now be another texture
    Translation& state = gl();
    for (GLsizei i = 0; i < count; ++i) {
        names[i] = state.textures.add();
        // Without a context the texture gets its WebGL object when the context is restored.
        if (!state.lost)
            emscripten_glGenTextures(1, &state.textures.find(names[i])->webglName);
    }
}

void glDeleteTextures(GLsizei count, const GLuint* names) {
    outsidePrimitive("glDeleteTextures");
    drawBeforeChange();
    Translation& state = gl();
    for (GLsizei i = 0; i < count; ++i) {
        const TextureRecord* record = state.textures.find(names[i]);
        if (record == nullptr)
            continue;  // as GL does with names not in use
        if (!state.lost && record->webglName != 0) {
            emscripten_glDeleteTextures(1, &record->webglName);
            state.quads.forgetBinding();
        }
        state.textures.remove(names[i]);
        if (names[i] == state.bound)
            state.bound = 0;
    }
}

void glBindTexture(GLenum target, GLuint name) {
    outsidePrimitive("glBindTexture");
    if (target != GL_TEXTURE_2D)
        refuseGLCall("glBindTexture", target);
    const TextureRecord* record = gl().textures.find(name);
    if (name != 0 && record == nullptr)
        refuseGLCall("glBindTexture", name);
    gl().bound = name;
}

void glPixelStorei(GLenum name, GLint value) {
    outsidePrimitive("glPixelStorei");
    if (name != GL_UNPACK_ALIGNMENT && name != GL_PACK_ALIGNMENT)
        refuseGLCall("glPixelStorei", name);
    if (value != 1 && value != 2 && value != 4 && value != 8)
        refuseGLCall("glPixelStorei", static_cast<unsigned>(value));
    FixedState& fixed = gl().fixed;
    (name == GL_UNPACK_ALIGNMENT ? fixed.unpackAlignment : fixed.packAlignment) = value;
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
    drawBeforeChange();
    TextureRecord& record = boundInWebGL("glTexParameterf");
    TextureSampling& sampling = record.sampling;
    if (name == GL_TEXTURE_WRAP_S)
        sampling.clampS = true;
    if (name == GL_TEXTURE_WRAP_T)
        sampling.clampT = true;
    if (filter)
        record.webglFilter = 0;  // one axis set: the draw sets both again
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
    drawBeforeChange();
    TextureTable::keepImage(boundInWebGL("glTexImage2D"), width, height, pixels,
                            gl().fixed.unpackAlignment);
    if (!gl().lost)
        emscripten_glTexImage2D(target, level, GL_RGBA, width, height, border, format, type,
                                pixels);
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

// Every value the translation does not take has stopped the program, so it has no error of its
// own to report; and WebGL is not asked for its: its getError waits until the GPU process has
// done everything it was given, which at the start is the context's making and the shaders'
// compiling, a long wait for an answer the window's set-up clears and ignores.
GLenum glGetError() {
    return GL_NO_ERROR;
}

}  // extern "C"
