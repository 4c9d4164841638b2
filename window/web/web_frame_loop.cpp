// The turns of a main loop called by the browser, and the runtime's end.
// Supports: one loop, paced by the browser's animation frames (the display's refresh). A hidden
// tab gets no frames and so no turns; the loop's clock goes on meanwhile.
// Limits: a turn that never answers false keeps the page's runtime up until the tab closes.
// Needs: Emscripten's main loop (emscripten.h) and -sEXIT_RUNTIME=1 for the exit code to reach
// the page.
#include "window/web/web_frame_loop.h"

#include <emscripten.h>

#include <cstdint>
#include <cstdlib>

namespace {

struct Loop {
    WebFrameLoop::Turn turn = nullptr;
    void* userData = nullptr;
};

// Outlives main, whose stack the browser takes back once the loop has started.
Loop loop;

void takeTurn(void* current) {
    const auto& running = *static_cast<const Loop*>(current);
    if (!running.turn(running.userData))
        emscripten_cancel_main_loop();
}

void exitWith(void* code) {
    std::exit(static_cast<int>(reinterpret_cast<std::intptr_t>(code)));
}

}  // namespace

namespace WebFrameLoop {

// A frame rate of 0 is the browser's own (requestAnimationFrame); simulating an endless loop
// keeps the runtime up after main, as the turns need.
void run(Turn turn, void* userData) {
    loop = {turn, userData};
    emscripten_set_main_loop_arg(takeTurn, &loop, 0, 1);
}

// While the loop or main is still on its way out, exit would find the runtime kept up for them
// and leave the page unaware; from a task of its own it ends the runtime and hands the page the
// code.
void endRuntime(int code) {
    emscripten_async_call(exitWith, reinterpret_cast<void*>(static_cast<std::intptr_t>(code)), 0);
}

}  // namespace WebFrameLoop
