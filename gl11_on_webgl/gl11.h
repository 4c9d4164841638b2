// The OpenGL 1.1 of the browser build: exactly the calls the translation defines
// (gl11_on_webgl.cpp) and the values the drawing code passes them. render/gl_api.h sees this
// header in place of <GL/gl.h> (include/GL/gl.h), so a GL call outside the set is an undeclared
// name, and the web build fails to compile, rather than reaching Emscripten's WebGL function of
// the same name past the quad batch, the refusals and the texture bookkeeping.
// The types and the values WebGL also has are spelt as WebGL's header spells them, so the
// translation can include both.
#pragma once

typedef unsigned int GLenum;
typedef unsigned int GLbitfield;
typedef unsigned int GLuint;
typedef int GLint;
typedef int GLsizei;
typedef short GLshort;
typedef float GLfloat;
typedef double GLdouble;

#define GL_QUADS 0x0007
#define GL_MODELVIEW 0x1700
#define GL_PROJECTION 0x1701
#define GL_SMOOTH 0x1D01
#define GL_CLAMP 0x2900

#define GL_ONE 1
#define GL_SRC_ALPHA 0x0302
#define GL_CULL_FACE 0x0B44
#define GL_DEPTH_TEST 0x0B71
#define GL_BLEND 0x0BE2
#define GL_UNPACK_ALIGNMENT 0x0CF5
#define GL_PACK_ALIGNMENT 0x0D05
#define GL_TEXTURE_2D 0x0DE1
#define GL_UNSIGNED_BYTE 0x1401
#define GL_RGBA 0x1908
#define GL_LINEAR 0x2601
#define GL_TEXTURE_MAG_FILTER 0x2800
#define GL_TEXTURE_MIN_FILTER 0x2801
#define GL_TEXTURE_WRAP_S 0x2802
#define GL_TEXTURE_WRAP_T 0x2803
#define GL_COLOR_BUFFER_BIT 0x00004000

extern "C" {

// Quads, a frame at a time.
void glBegin(GLenum mode);
void glEnd();
void glTexCoord2f(GLfloat s, GLfloat t);
void glVertex2s(GLshort x, GLshort y);
void glFlush();

// The model-view and projection stacks.
void glMatrixMode(GLenum mode);
void glLoadIdentity();
void glPushMatrix();
void glPopMatrix();
void glTranslatef(GLfloat x, GLfloat y, GLfloat z);
void glRotatef(GLfloat degrees, GLfloat x, GLfloat y, GLfloat z);
void glScalef(GLfloat x, GLfloat y, GLfloat z);
void glOrtho(GLdouble left, GLdouble right, GLdouble bottom, GLdouble top, GLdouble near,
             GLdouble far);

// The fixed state and the frame.
void glShadeModel(GLenum mode);
void glEnable(GLenum capability);
void glDisable(GLenum capability);
void glBlendFunc(GLenum source, GLenum destination);
void glClearColor(GLfloat red, GLfloat green, GLfloat blue, GLfloat alpha);
void glClear(GLbitfield mask);
GLenum glGetError();
void glReadPixels(GLint x, GLint y, GLsizei width, GLsizei height, GLenum format, GLenum type,
                  void* pixels);

// Textures.
void glGenTextures(GLsizei count, GLuint* names);
void glDeleteTextures(GLsizei count, const GLuint* names);
void glBindTexture(GLenum target, GLuint name);
void glPixelStorei(GLenum name, GLint value);
void glTexParameterf(GLenum target, GLenum name, GLfloat value);
void glTexImage2D(GLenum target, GLint level, GLint internalFormat, GLsizei width, GLsizei height,
                  GLint border, GLenum format, GLenum type, const void* pixels);

}  // extern "C"
