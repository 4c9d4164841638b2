// Test main for suites that draw: one real offscreen GL context for the whole process, current
// before the first test runs.
#include <gtest/gtest.h>

#include "tests/support/offscreen_gl.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (!keepOffscreenGL(argv[0]))
        return 1;
    return RUN_ALL_TESTS();
}
