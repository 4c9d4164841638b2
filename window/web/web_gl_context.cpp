// The GL half of the web platform: pixel format, context and presenting on the canvas.
// Supports: one WebGL 1 context, opaque, 8 bits a channel, without a depth buffer (a pixel format
// asking for one is granted: nothing drawn through gl/ tests depth); made through Emscripten's
// EGL. The drawing code's OpenGL 1.1 reaches it through gl/.
// Limits: one pixel format; a browser without WebGL fails at creating the context.
// Needs: Emscripten's EGL (-lEGL) and -sASYNCIFY for the wait at each present.
#include <EGL/egl.h>

#include <string>

#include "window/web/gl/webgl_frame.h"
#include "window/web/web_page.h"
#include "window/web/web_platform.h"

namespace {

// WebGL has one drawing buffer per canvas: there is one pixel format to choose.
constexpr std::int32_t kOnlyPixelFormat = 1;

// What WebGL can give: double-buffered RGBA at 8 bits a channel, a depth buffer of 16 bits or
// more. An opaque canvas (no alpha asked for) shows the frame as a desktop window would.
bool offered(const PixelFormatDesc& wanted) {
    const std::uint32_t needed = PixelFormatFlag::DrawToWindow | PixelFormatFlag::SupportOpenGL |
                                 PixelFormatFlag::DoubleBuffer;
    return (wanted.flags & needed) == needed && wanted.pixelType == PixelType::Rgba &&
           (wanted.colourBits == 24 || wanted.colourBits == 32) && wanted.alphaBits <= 8 &&
           wanted.depthBits <= 24 && wanted.stencilBits <= 8;
}

EGLDisplay asDisplay(void* display) {
    return static_cast<EGLDisplay>(display);
}

}  // namespace

bool WebPlatform::openDisplay() {
    if (display_ != nullptr)
        return true;
    EGLDisplay display = eglGetDisplay(EGL_DEFAULT_DISPLAY);
    if (display == EGL_NO_DISPLAY || eglInitialize(display, nullptr, nullptr) != EGL_TRUE) {
        noteFailure("EGL cannot be initialised");
        return false;
    }
    display_ = display;
    return true;
}

void WebPlatform::closeDisplay() {
    if (display_ != nullptr)
        eglTerminate(asDisplay(display_));
    display_ = nullptr;
    config_ = nullptr;
    surface_ = nullptr;
}

std::int32_t WebPlatform::choosePixelFormat(DeviceContextHandle dc, const PixelFormatDesc& wanted) {
    if (!isDeviceContext(dc)) {
        noteFailure("no such device context");
        return 0;
    }
    if (!offered(wanted)) {
        noteFailure("WebGL offers only double-buffered RGBA at 8 bits a channel; asked for " +
                    std::to_string(wanted.colourBits) + " colour bits, " +
                    std::to_string(wanted.depthBits) + " depth bits");
        return 0;
    }
    return openDisplay() ? kOnlyPixelFormat : 0;
}

bool WebPlatform::setPixelFormat(DeviceContextHandle dc, std::int32_t format,
                                 const PixelFormatDesc& wanted) {
    if (format != kOnlyPixelFormat || choosePixelFormat(dc, wanted) != kOnlyPixelFormat) {
        noteFailure("pixel format " + std::to_string(format) + " is not offered");
        return false;
    }
    // The drawing through gl/ never tests depth, so the canvas is spared a depth buffer that the
    // browser would clear at every frame.
    const EGLint attributes[] = {EGL_RED_SIZE,     8,
                                 EGL_GREEN_SIZE,   8,
                                 EGL_BLUE_SIZE,    8,
                                 EGL_ALPHA_SIZE,   wanted.alphaBits > 0 ? 8 : 0,
                                 EGL_DEPTH_SIZE,   0,
                                 EGL_STENCIL_SIZE, wanted.stencilBits,
                                 EGL_NONE};
    EGLConfig config = nullptr;
    EGLint count = 0;
    if (eglChooseConfig(asDisplay(display_), attributes, &config, 1, &count) != EGL_TRUE ||
        count < 1) {
        noteFailure("EGL has no configuration for the pixel format");
        return false;
    }
    EGLSurface surface = eglCreateWindowSurface(asDisplay(display_), config, 0, nullptr);
    if (surface == EGL_NO_SURFACE) {
        noteFailure("EGL cannot draw into the canvas");
        return false;
    }
    config_ = config;
    surface_ = surface;
    return true;
}

GLContextHandle WebPlatform::createGLContext(DeviceContextHandle dc) {
    if (!isDeviceContext(dc) || surface_ == nullptr) {
        noteFailure("no pixel format has been set for the device context");
        return nullptr;
    }
    const EGLint attributes[] = {EGL_CONTEXT_CLIENT_VERSION, 2, EGL_NONE};
    EGLContext context = eglCreateContext(asDisplay(display_), static_cast<EGLConfig>(config_),
                                          EGL_NO_CONTEXT, attributes);
    if (context == EGL_NO_CONTEXT) {
        noteFailure("the browser offers no WebGL");
        return nullptr;
    }
    context_ = context;
    return static_cast<GLContextHandle>(context);
}

bool WebPlatform::makeCurrent(DeviceContextHandle dc, GLContextHandle context) {
    if (context == nullptr) {
        if (display_ == nullptr)
            return true;
        return eglMakeCurrent(asDisplay(display_), EGL_NO_SURFACE, EGL_NO_SURFACE,
                              EGL_NO_CONTEXT) == EGL_TRUE;
    }
    if (!isDeviceContext(dc) || context != context_) {
        noteFailure("no such device context or GL context");
        return false;
    }
    EGLSurface surface = static_cast<EGLSurface>(surface_);
    if (eglMakeCurrent(asDisplay(display_), surface, surface, static_cast<EGLContext>(context)) !=
        EGL_TRUE) {
        noteFailure("EGL cannot make the context current");
        return false;
    }
    return true;
}

bool WebPlatform::deleteGLContext(GLContextHandle context) {
    if (context == nullptr || context != context_) {
        noteFailure("no such GL context");
        return false;
    }
    eglDestroyContext(asDisplay(display_), static_cast<EGLContext>(context));
    context_ = nullptr;
    closeDisplay();
    return true;
}

// The browser shows what was drawn once the program gives it its turn; waiting for its next
// frame is that turn, and paces the loop to the browser's frame rate. The frame's quads, gathered
// until now, reach WebGL first.
bool WebPlatform::swapBuffers(DeviceContextHandle dc) {
    if (!isDeviceContext(dc))
        return false;
    drawPendingQuads();
    eglSwapBuffers(asDisplay(display_), static_cast<EGLSurface>(surface_));
    WebPage::waitForNextFrame();
    return true;
}
