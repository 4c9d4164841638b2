#pragma once

// The browser's side of a main loop. A page shows what was drawn, and hears its events, only
// once the program has handed control back to the browser, so a loop that never returns would
// show nothing: the browser calls the loop's turns instead, one at each animation frame.
namespace WebFrameLoop {

using Turn = bool (*)(void* userData);

// Calls turn at each of the browser's animation frames until it answers false, and then no
// more. Does not return: main's stack is given up to the browser (what the turns use must not
// live there), and the runtime stays up for the turns. One loop at a time.
void run(Turn turn, void* userData);

// Ends the runtime with this exit code from a later task of the browser's own, where nothing
// else keeps it up any more, so that the page's Module.onExit hears the code. Returns at once.
void endRuntime(int code);

}  // namespace WebFrameLoop
