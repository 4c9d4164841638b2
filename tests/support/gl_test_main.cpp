// Test main for suites that draw: one real offscreen GL context for the whole process, current
// before the first test runs.
#include <gtest/gtest.h>

#include <cstdio>

#include "tests/support/offscreen_gl.h"

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
