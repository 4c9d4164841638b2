#pragma once

#include "window/web/web_page.h"

// The browser's side of a main loop. A page shows what was drawn, and hears its events, only
// once the program has handed control back to the browser, so a loop that never returns would
// show nothing: the browser calls the loop's turns instead, one at each animation frame.
namespace WebFrameLoop {

// What every turn reads of the page, read for it by the frame's callback before it enters the
// module: each call from the module out to the page's JavaScript leaves a new object there, and
// a turn with nothing new to do should leave none.
struct FrameReadings {
    double time = 0;  // the frame's start, in milliseconds of the page's monotonic clock
    WebPage::CanvasLayout canvas;
};

// The readings of the frame whose turn runs; between turns, of the last one. Before the first
// frame nothing is read: the time is 0 and the canvas takes no room.
const FrameReadings& frameReadings();

using Turn = bool (*)(void* userData);

// Calls turn at each of the browser's animation frames until it answers false, and then no
// more. Does not return: main's stack is given up to the browser (what the turns use must not
// live there), and the runtime stays up for the turns. One loop at a time.
void run(Turn turn, void* userData);

// Ends the runtime with this exit code from a later task of the browser's own, where nothing
// else keeps it up any more, so that the page's Module.onExit hears the code. Returns at once.
void endRuntime(int code);

}  // namespace WebFrameLoop
