#include "tests/support/offscreen_gl.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>

#include <cstdio>
#include <vector>

#include "render/gl_api.h"
#include "render/gl_state.h"

// What the leak checker reports of the libraries under every program that draws offscreen:
// memory they keep to the end of the process, not ours to free. Defined beside the context, so
// that each such program links it. Named by library, without a version, so that the next
// driver's soname still matches (Mesa 25's is libgallium-25.0.7-2+deb13u1.so).
// Compiled in rather than passed in LSAN_OPTIONS, so that it also holds when CMake runs the
// program at build time to list its tests.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libgallium\n"     // Mesa's drivers (the software rasterizer) since Mesa 24
           "leak:libGLX_mesa\n"    // Mesa's GLX, when SDL makes a window on X in the shell tests
           "leak:libdbus-1.so\n";  // SDL asks D-Bus about the session when its video starts
}

// The sanitizer runtime of GCC 12 and 13 takes a block of dynamic thread-local storage (which
// Mesa's threads have) whose address falls 16 bytes past a page for a header of glibc 2.19 and
// reads a size from before it; the leak checker's tracer then crashes at exit with "Tracer caught
// signal 11", for one test and not another, as the layout falls. Without the interception the
// leak checker still scans every thread's stack and static TLS.
extern "C" const char* __asan_default_options() {
    return "intercept_tls_get_addr=0";
}

namespace {

EGLDisplay openSurfacelessDisplay() {
    auto getPlatformDisplay = reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(
        eglGetProcAddress("eglGetPlatformDisplayEXT"));
    if (getPlatformDisplay == nullptr)
        return EGL_NO_DISPLAY;
    return getPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
}

// The first config Mesa lists is 10-bit; pixel tests compare 8-bit values, so look for an
// exact 8/8/8/8 one.
EGLConfig chooseRgba8(EGLDisplay display) {
    const EGLint channels[] = {EGL_RED_SIZE, EGL_GREEN_SIZE, EGL_BLUE_SIZE, EGL_ALPHA_SIZE};
    std::vector<EGLint> wanted = {EGL_SURFACE_TYPE, EGL_PBUFFER_BIT, EGL_RENDERABLE_TYPE,
                                  EGL_OPENGL_BIT};
    for (const EGLint channel : channels)
        wanted.insert(wanted.end(), {channel, 8});
    wanted.push_back(EGL_NONE);
    EGLConfig configs[64];
    EGLint count = 0;
    if (!eglChooseConfig(display, wanted.data(), configs, 64, &count))
        return nullptr;
    for (EGLint i = 0; i < count; ++i) {
        bool eightBits = true;
        for (const EGLint channel : channels) {
            EGLint bits = 0;
            eightBits =
                eightBits && eglGetConfigAttrib(display, configs[i], channel, &bits) && bits == 8;
        }
        if (eightBits)
            return configs[i];
    }
    return nullptr;
}

}  // namespace

OffscreenGL::OffscreenGL() {
    EGLDisplay display = openSurfacelessDisplay();
    if (display == EGL_NO_DISPLAY || !eglInitialize(display, nullptr, nullptr)) {
        error_ = "no EGL surfaceless display (is libegl-mesa0 installed?)";
        return;
    }
    display_ = display;
    EGLConfig config = chooseRgba8(display);
    if (config == nullptr) {
        error_ = "no 8-bit RGBA pbuffer config";
        return;
    }
    const EGLint size[] = {EGL_WIDTH, kWidth, EGL_HEIGHT, kHeight, EGL_NONE};
    surface_ = eglCreatePbufferSurface(display, config, size);
    if (surface_ == EGL_NO_SURFACE) {
        error_ = "cannot create the pbuffer";
        return;
    }
    eglBindAPI(EGL_OPENGL_API);
    const EGLint attributes[] = {EGL_CONTEXT_OPENGL_PROFILE_MASK,
                                 EGL_CONTEXT_OPENGL_COMPATIBILITY_PROFILE_BIT, EGL_NONE};
    context_ = eglCreateContext(display, config, EGL_NO_CONTEXT, attributes);
    if (context_ == EGL_NO_CONTEXT) {
        error_ = "cannot create a compatibility-profile context";
        return;
    }
    if (!eglMakeCurrent(display, surface_, surface_, context_)) {
        error_ = "cannot make the context current";
        return;
    }
    applyFixedGLState(kWidth, kHeight);
}

OffscreenGL::~OffscreenGL() {
    if (display_ == nullptr)
        return;
    eglMakeCurrent(display_, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    if (context_ != nullptr)
        eglDestroyContext(display_, context_);
    if (surface_ != nullptr)
        eglDestroySurface(display_, surface_);
    eglTerminate(display_);
}

bool keepOffscreenGL(const char* who) {
    static const OffscreenGL* gl = new OffscreenGL;
    if (!gl->ok())
        std::fprintf(stderr, "%s: no offscreen GL context: %s\n", who, gl->error().c_str());
    return gl->ok();
}
