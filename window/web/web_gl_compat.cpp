// Where WebGL, under Emscripten's emulation of immediate-mode GL, does not take the GL 1.1 calls
// of render/ as desktop GL does. Defined here, these stand in place of Emscripten's own; the rest
// of GL comes from Emscripten unchanged.
// Supports: exactly the calls and values render/ makes (glVertex2s, a component count as the
// internal format, GL_CLAMP, glFlush).
// Limits: no general GL 1.1 on WebGL; anything else render/ starts to use must be tried here.
// Needs: Emscripten's -sLEGACY_GL_EMULATION, which keeps its own entry points under the
// emscripten_gl names.
#include <GL/gl.h>

extern "C" {

// Emscripten's own entry points, under the names it keeps for code that replaces them.
void emscripten_glTexImage2D(GLenum target, GLint level, GLint internalFormat, GLsizei width,
                             GLsizei height, GLint border, GLenum format, GLenum type,
                             const void* pixels);
void emscripten_glTexParameterf(GLenum target, GLenum name, GLfloat value);

// The emulation has no glVertex2s at all.
void glVertex2s(GLshort x, GLshort y) {
    glVertex2f(static_cast<GLfloat>(x), static_cast<GLfloat>(y));
}

// GL 1.1 takes a component count (1 to 4) as the internal format; WebGL refuses it and leaves
// the texture empty, so the format itself is passed, as WebGL requires.
void glTexImage2D(GLenum target, GLint level, GLint internalFormat, GLsizei width, GLsizei height,
                  GLint border, GLenum format, GLenum type, const void* pixels) {
    if (internalFormat >= 1 && internalFormat <= 4)
        internalFormat = static_cast<GLint>(format);
    emscripten_glTexImage2D(target, level, internalFormat, width, height, border, format, type,
                            pixels);
}

// WebGL has no GL_CLAMP and would keep repeating the texture; clamping to the edge texel is
// the nearest it has.
void glTexParameterf(GLenum target, GLenum name, GLfloat value) {
    constexpr GLfloat kClamp = 0x2900;
    constexpr GLfloat kClampToEdge = 0x812F;
    const bool wrap = name == GL_TEXTURE_WRAP_S || name == GL_TEXTURE_WRAP_T;
    emscripten_glTexParameterf(target, name, wrap && value == kClamp ? kClampToEdge : value);
}

// A flush makes the browser hand the commands so far to its GPU process at once; render/ flushes
// after every sprite, which in the full well cost much of the frame rate (docs/web.md). WebGL
// shows the frame when the program yields, so nothing needs a flush before that.
void glFlush() {}

}  // extern "C"
