// The turns of a main loop called by the browser, and the runtime's end.
// Supports: one loop, paced by the browser's animation frames (the display's refresh), and what
// each turn reads of the page (the frame's time, the canvas's layout). A hidden tab gets no
// frames and so no turns; the loop's clock goes on meanwhile.
// Limits: a turn that never answers false keeps the page's runtime up until the tab closes. A
// turn that throws (an abort) ends the frames; the page hears of it from the module's abort or
// the window's error event.
// Needs: -sEXIT_RUNTIME=1 for the exit code to reach the page. Emscripten's own main loop is not
// used: it brings the runtime's whole browser library into the download, and a frame's turn is
// all the game asks of it.
#include "window/web/web_frame_loop.h"

#include <emscripten.h>

namespace {

struct Loop {
    WebFrameLoop::Turn turn = nullptr;
    void* userData = nullptr;
    WebFrameLoop::FrameReadings readings;
};

static_assert(sizeof(WebFrameLoop::FrameReadings) == 4 * sizeof(double),
              "the frame's callback writes the readings as four doubles");

// Outlives main, whose stack the browser takes back once the loop has started.
Loop loop;

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE int vorn_take_turn() {
    return loop.turn(loop.userData) ? 1 : 0;
}

// Ends the runtime though main left it kept up: the page's Module.onExit hears the code.
EMSCRIPTEN_KEEPALIVE void vorn_end_runtime(int code) {
    emscripten_force_exit(code);
}

}  // extern "C"

namespace {

// clang-format off
// One frame's callback, made once: the page read into the turn's readings, then a turn, at each
// animation frame until a turn answers false. The device pixel ratio is kept, not read each
// frame: where it is not a whole number each reading is a new object; the browser says when it
// changes (the zoom, another screen).
EM_JS(void, vorn_request_frames, (double* readings), {
    const at = readings >> 3;
    let ratio = 1;
    const followRatio = () => {
        ratio = window.devicePixelRatio || 1;
        matchMedia("(resolution: " + ratio + "dppx)")
            .addEventListener("change", followRatio, { once: true });
    };
    followRatio();
    const frame = (time) => {
        const canvas = Module.canvas;
        HEAPF64[at] = time;
        HEAPF64[at + 1] = canvas ? canvas.clientWidth : 0;
        HEAPF64[at + 2] = canvas ? canvas.clientHeight : 0;
        HEAPF64[at + 3] = ratio;
        if (_vorn_take_turn()) requestAnimationFrame(frame);
    };
    requestAnimationFrame(frame);
});

// The end of the runtime throws its exit status once it has told the page: expected, and
// caught, as the runtime's own callers catch it.
EM_JS(void, vorn_end_runtime_later, (int code), {
    setTimeout(() => {
        try {
            _vorn_end_runtime(code);
        } catch (thrown) {
            if (!(thrown instanceof ExitStatus)) throw thrown;
        }
    });
});
// clang-format on

}  // namespace

namespace WebFrameLoop {

// main gives its stack up and leaves the runtime up for the turns: they start at the next frame.
void run(Turn turn, void* userData) {
    loop = {turn, userData, {}};
    vorn_request_frames(&loop.readings.time);
    emscripten_exit_with_live_runtime();
}

const FrameReadings& frameReadings() {
    return loop.readings;
}

// From a task of its own: a turn, or main, on its way out would otherwise still be on the stack.
void endRuntime(int code) {
    vorn_end_runtime_later(code);
}

}  // namespace WebFrameLoop
