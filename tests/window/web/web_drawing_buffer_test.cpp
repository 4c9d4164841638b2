// The web build's drawing buffer: as many pixels as the screen shows the canvas with, in the
// window's proportions, and exactly the window's size where the page shows it one to one (the
// picture check and the page checks rely on that).
#include <gtest/gtest.h>

#include "window/web/drawing_buffer_fit.h"

namespace {

constexpr BufferSize kWindow{800, 600};

struct FitCase {
    const char* what;
    double cssWidth;
    double cssHeight;
    double pixelRatio;
    BufferSize expected;
};

TEST(WebDrawingBuffer, FollowsTheCanvasOnScreenInTheWindowsProportions) {
    const FitCase cases[] = {
        {"one to one", 800, 600, 1, {800, 600}},
        {"half the size on a screen of twice the density", 400, 300, 2, {800, 600}},
        {"twice the density", 800, 600, 2, {1600, 1200}},
        {"a fractional density", 800, 600, 1.25, {1000, 750}},
        {"a density that leaves fractions, rounded", 390, 292.5, 2.625, {1024, 768}},
        {"a phone, portrait", 360, 270, 3, {1080, 810}},
        {"full screen, wider than 4:3", 1280, 720, 1, {960, 720}},
        {"full screen, taller than 4:3", 1280, 1024, 1, {1280, 960}},
        {"smaller than the window", 640, 480, 1, {640, 480}},
        {"a huge screen, capped", 3000, 2250, 2, {4096, 3072}},
        {"a density the browser does not give", 800, 600, 0, {800, 600}},
    };
    for (const FitCase& c : cases) {
        const BufferSize fitted = fitDrawingBuffer(kWindow, c.cssWidth, c.cssHeight, c.pixelRatio);
        EXPECT_EQ(fitted.width, c.expected.width) << c.what;
        EXPECT_EQ(fitted.height, c.expected.height) << c.what;
    }
}

TEST(WebDrawingBuffer, ACanvasThatTakesNoRoomKeepsItsBuffer) {
    EXPECT_EQ(fitDrawingBuffer(kWindow, 0, 0, 1), BufferSize{}) << "display: none";
    EXPECT_EQ(fitDrawingBuffer(kWindow, 800, 0, 2), BufferSize{});
    EXPECT_EQ(fitDrawingBuffer(BufferSize{}, 800, 600, 1), BufferSize{}) << "no window";
    // A sliver still gets a pixel on each side rather than an empty buffer.
    const BufferSize sliver = fitDrawingBuffer(kWindow, 1, 400, 1);
    EXPECT_EQ(sliver.width, 1);
    EXPECT_EQ(sliver.height, 1);
}

}  // namespace
