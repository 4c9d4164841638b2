#pragma once

#include <cstdint>

// What the web platform asks of the page around it, one browser call each. The module's side
// of the contract with the page: web_page.cpp is the one file that names what the page offers
// (Module.vornPage, made by window/web/page/page.js) besides the canvas, which is also
// Emscripten's Module.canvas.
namespace WebPage {

bool hasCanvas();
// The name under which Emscripten's event functions find the canvas (html5.h's targets).
const char* canvasTarget();
// The drawing buffer's size in pixels; the page's style decides the size on screen.
void sizeCanvas(std::int32_t width, std::int32_t height);
void showCanvas(bool shown);
// Answers whether the canvas had the focus already.
bool focusCanvas();
void showCursorOverCanvas(bool shown);
// Whether the page (the tab and its window) has the keyboard focus.
bool hasFocus();

// How big the canvas is on screen: its content box in CSS pixels (0 x 0 while it takes no
// room), and the screen's device pixels to the CSS pixel. Read at each frame (web_frame_loop.h).
struct CanvasLayout {
    double cssWidth = 0;
    double cssHeight = 0;
    double pixelRatio = 1;
};

// The page's line that says the picture is gone until the browser gives the graphics back
// (a page without one shows nothing).
void showContextLostLine(bool shown);
void setTitle(const char* title);

// Lets the page's controls press the game's keys (through vorn_control_key, web_events.cpp),
// or stops them.
void offerControls(bool on);

// Asks the browser to keep the screen on (where it can: a secure page, a visible tab), or lets
// it go dark again.
void keepScreenOn(bool on);

// Tells the backend (through vorn_pad_connected, web_events.cpp) when the browser announces a
// pad, or stops. The page's own listener: Emscripten's reads the pads once as it is set, which
// some of its releases do and others not, and a browser that refuses pads would then never
// announce one to the game.
void listenForPads(bool on);

// Whether the browser lets the page read gamepads: a permissions policy (a cross-origin frame
// on a game portal) makes it refuse. The console says why once when it does.
bool gamepadsAllowed();

// Why the run is about to end, for the page to say in its own words when it ends.
enum class Failure { NoWebGL, Window, OutOfMemory };
void failed(Failure kind, const char* detail);
// Tells the page, then ends the run: the program cannot go on without the memory it asked for.
[[noreturn]] void outOfMemory();

// The browser's own question box; answers true for OK.
bool confirmBox(const char* text);

// Milliseconds of the wall clock at the page's start, counted on by the page's monotonic clock,
// truncated to 32 bits: two visits start at different counts, and the count never goes back.
std::uint32_t milliseconds();
// The same count at a time of the page's monotonic clock (milliseconds since the page's start).
std::uint32_t millisecondsAt(double sinceStart);

}  // namespace WebPage
