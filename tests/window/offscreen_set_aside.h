#pragma once

#include <EGL/egl.h>

// The test main keeps its offscreen context current for the drawing tests; GLX will not make
// SDL's context current beside it, so it is set aside while SDL has a window.
class OffscreenContextSetAside {
  public:
    OffscreenContextSetAside() {
        eglMakeCurrent(display_, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    }
    ~OffscreenContextSetAside() { eglMakeCurrent(display_, draw_, read_, context_); }
    OffscreenContextSetAside(const OffscreenContextSetAside&) = delete;
    OffscreenContextSetAside& operator=(const OffscreenContextSetAside&) = delete;

  private:
    EGLDisplay display_ = eglGetCurrentDisplay();
    EGLContext context_ = eglGetCurrentContext();
    EGLSurface draw_ = eglGetCurrentSurface(EGL_DRAW);
    EGLSurface read_ = eglGetCurrentSurface(EGL_READ);
};
