// The GL half of the web backend: the context on the canvas, its drawing buffer's size, its
// loss and restoring, and presenting.
// Supports: one WebGL 1 context, opaque, 8 bits a channel, without a depth buffer (nothing drawn
// through gl/ tests depth); made through Emscripten's EGL. The drawing code's OpenGL 1.1 reaches
// it through gl/. Emscripten's EGL context stays valid across a loss (it is the canvas's one
// WebGL context, lost and restored in place), so only what was made in it needs making again,
// which the translation does.
// Limits: one configuration; a browser without WebGL fails at making the context.
// Needs: Emscripten's EGL (-lEGL).
#include <EGL/egl.h>

#include <cstdio>
#include <utility>

#include "gl11_on_webgl/webgl_frame.h"
#include "window/web/web_backend.h"
#include "window/web/web_page.h"

namespace {

EGLDisplay asDisplay(void* display) {
    return static_cast<EGLDisplay>(display);
}

}  // namespace

// An opaque canvas (no alpha) shows the frame as a desktop window would. The drawing through gl/
// never tests depth, so the canvas is spared a depth buffer that the browser would clear at every
// frame.
OpenStep WebBackend::openContext() {
    EGLDisplay display = eglGetDisplay(EGL_DEFAULT_DISPLAY);
    if (display == EGL_NO_DISPLAY || eglInitialize(display, nullptr, nullptr) != EGL_TRUE) {
        noteFailure("EGL cannot be initialised");
        return OpenStep::FindFormat;
    }
    display_ = display;
    const EGLint attributes[] = {EGL_RED_SIZE,   8, EGL_GREEN_SIZE, 8, EGL_BLUE_SIZE, 8,
                                 EGL_DEPTH_SIZE, 0, EGL_NONE};
    EGLConfig config = nullptr;
    EGLint count = 0;
    if (eglChooseConfig(display, attributes, &config, 1, &count) != EGL_TRUE || count < 1) {
        noteFailure("EGL has no configuration for the pixel format");
        return OpenStep::FindFormat;
    }
    surface_ = eglCreateWindowSurface(display, config, 0, nullptr);
    if (surface_ == EGL_NO_SURFACE) {
        noteFailure("EGL cannot draw into the canvas");
        return OpenStep::SetFormat;
    }
    const EGLint version[] = {EGL_CONTEXT_CLIENT_VERSION, 2, EGL_NONE};
    context_ = eglCreateContext(display, config, EGL_NO_CONTEXT, version);
    if (context_ == EGL_NO_CONTEXT) {
        context_ = nullptr;
        noWebGL_ = true;
        noteFailure("the browser offers no WebGL");
        return OpenStep::MakeContext;
    }
    if (eglMakeCurrent(display, surface_, surface_, static_cast<EGLContext>(context_)) !=
        EGL_TRUE) {
        noteFailure("EGL cannot make the context current");
        return OpenStep::MakeCurrent;
    }
    drawingBufferResized(buffer_.width, buffer_.height);
    return OpenStep::Done;
}

// Before the turn draws: a frame drawn and then resized would be cleared.
// The canvas's size on screen changes with the page's layout, full screen and the browser's
// zoom (which changes the device pixel ratio), none of which the page is told of in one event.
void WebBackend::followCanvasSize() {
    if (context_ == nullptr)
        return;
    const WebPage::CanvasLayout layout = WebPage::canvasLayout();
    const BufferSize fitted =
        fitDrawingBuffer(window_, layout.cssWidth, layout.cssHeight, layout.pixelRatio);
    if (fitted.width == 0 || fitted == buffer_)
        return;
    buffer_ = fitted;
    WebPage::sizeCanvas(fitted.width, fitted.height);
    drawingBufferResized(fitted.width, fitted.height);
}

// Told by the page's event or by presenting, whichever comes first.
void WebBackend::contextLostFromPage() {
    if (contextLost_ || context_ == nullptr)
        return;
    contextLost_ = true;
    webglContextLost();
    WebPage::showContextLostLine(true);
}

void WebBackend::contextRestoredFromPage() {
    if (!contextLost_)
        return;
    webglContextRestored();
    contextLost_ = false;
    WebPage::showContextLostLine(false);
}

void WebBackend::releaseContext() {
    if (context_ == nullptr)
        return;
    eglMakeCurrent(asDisplay(display_), EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    eglDestroyContext(asDisplay(display_), static_cast<EGLContext>(context_));
    context_ = nullptr;
    closeDisplay();
}

void WebBackend::closeDisplay() {
    if (display_ != nullptr)
        eglTerminate(asDisplay(display_));
    display_ = nullptr;
    surface_ = nullptr;
}

// The frame's quads, gathered until now, reach WebGL; the browser shows the frame once the turn
// that drew it has handed control back (web_frame_loop.h), so nothing here waits.
// A lost context is the one failure the program lives through: it waits for the context.
void WebBackend::present() {
    if (context_ == nullptr)
        return;
    drawPendingQuads();
    if (eglSwapBuffers(asDisplay(display_), static_cast<EGLSurface>(surface_)) == EGL_TRUE)
        return;
    const EGLint error = eglGetError();
    if (error == EGL_CONTEXT_LOST) {
        contextLostFromPage();
        return;
    }
    static bool told = false;
    if (!std::exchange(told, true))
        std::fprintf(stderr, "vorngame: the browser did not take the frame (EGL error 0x%x)\n",
                     static_cast<unsigned>(error));
}
