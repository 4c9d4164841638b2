// Test main for suites that draw: one real offscreen GL context for the whole process, current
// before the first test runs.
#include <gtest/gtest.h>

#include <cstdio>

#include "tests/support/offscreen_gl.h"

// What the leak checker reports of the libraries under the tests: memory they keep to the end
// of the process, not ours to free. Named by library, without a version, so that the next
// driver's soname still matches (Mesa 25's is libgallium-25.0.7-2+deb13u1.so).
// Compiled in rather than passed in LSAN_OPTIONS, so that it also holds when CMake runs the
// program at build time to list its tests.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libgallium\n"     // Mesa's drivers (the software rasterizer) since Mesa 24
           "leak:libGLX_mesa\n"    // Mesa's GLX, when SDL makes a window on X in the shell tests
           "leak:libdbus-1.so\n";  // SDL asks D-Bus about the session when its video starts
}

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Kept to the very end of the process on purpose: tearing the context down unloads Mesa's
    // driver, and the leak checker then reports the driver's own teardown leftovers without a
    // stack that could be suppressed.
    static OffscreenGL* gl = new OffscreenGL;
    if (!gl->ok()) {
        std::fprintf(stderr, "offscreen GL context: %s\n", gl->error().c_str());
        return 1;
    }
    return RUN_ALL_TESTS();
}
