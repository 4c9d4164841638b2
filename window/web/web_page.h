#pragma once

#include <cstdint>

// What the web platform asks of the page around it, one browser call each. The page's canvas
// is Module.canvas (window/web/page/index.html sets it).
namespace WebPage {

bool hasCanvas();
// The drawing buffer's size in pixels; the page's style decides the size on screen.
void sizeCanvas(std::int32_t width, std::int32_t height);
void showCanvas(bool shown);
// Answers whether the canvas had the focus already.
bool focusCanvas();
void showCursorOverCanvas(bool shown);

// How big the canvas is on screen: its content box in CSS pixels (0 x 0 while it takes no
// room), and the screen's device pixels to the CSS pixel.
struct CanvasLayout {
    double cssWidth = 0;
    double cssHeight = 0;
    double pixelRatio = 1;
};
CanvasLayout canvasLayout();

// The page's line that says the picture is gone until the browser gives the graphics back
// (a page without one shows nothing).
void showContextLostLine(bool shown);
void setTitle(const char* title);

// Asks the browser to keep the screen on (where it can: a secure page, a visible tab), or lets
// it go dark again.
void keepScreenOn(bool on);

// The browser's own modal boxes. The question answers true for OK.
void alertBox(const char* text);
bool confirmBox(const char* text);

// Milliseconds of the wall clock at the page's start, counted on by the page's monotonic clock,
// truncated to 32 bits: two visits start at different counts, and the count never goes back.
std::uint32_t milliseconds();

}  // namespace WebPage
