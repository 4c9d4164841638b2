// The full-well frame in the browser: the game's window over the web backend, presenting the
// benchmark's scene (every cell of the well taken) at each of the browser's animation frames,
// and writing to the console, once a second, how many frames it presented and how long the game
// took to issue them (the rest of the time is the browser's: compositing, and WebGL's own work).
// bench/run-web-bench opens it in headless Chromium and reads those lines.
#include <emscripten.h>

#include <cstdint>
#include <cstdio>
#include <memory>

#include "bench/full_well_scene.h"
#include "frame/frame_event.h"
#include "game/game_session.h"
#include "game/tick_clock.h"
#include "gl11_on_webgl/webgl_frame.h"
#include "window/gl_window.h"
#include "window/web/web_backend.h"
#include "window/web/web_frame_loop.h"

namespace {

struct FrameCounter {
    GameSession* session = nullptr;
    WindowBackend* backend = nullptr;
    std::uint32_t since = 0;
    int frames = 0;
    double drawing = 0;  // milliseconds spent in Draw since `since`
};

// Only Draw reaches the session: with Idle the piece, which has no room, would lock at once
// and the game would start over with an empty well.
bool countFrame(std::int32_t event, std::int32_t argument, void* userData) {
    auto& counter = *static_cast<FrameCounter*>(userData);
    if (event != Draw)
        return true;
    // The scene never changes, and the translation would leave a repeated frame undrawn: the
    // benchmark measures the drawing, so every frame is drawn.
    drawNextFrameAnew();
    const double start = emscripten_get_now();
    counter.session->handleEvent(event, argument);
    counter.drawing += emscripten_get_now() - start;
    ++counter.frames;
    const std::uint32_t now = counter.backend->ticks();
    if (now - counter.since >= 1000) {
        std::printf("vorn_web_bench: %d frames in %u ms, %.1f ms of them drawing\n", counter.frames,
                    now - counter.since, counter.drawing);
        counter.frames = 0;
        counter.since = now;
        counter.drawing = 0;
    }
    return true;
}

// Lives from main on, across the browser's frames.
struct Bench {
    WebBackend backend;
    GLWindow window{backend, 32, false};
    std::unique_ptr<GameSession> session;
    FrameCounter counter;
};

// The page runs until it is closed: no turn ends the loop but a quit, which nothing asks for.
bool benchTurn(void* userData) {
    return static_cast<Bench*>(userData)->window.turn();
}

}  // namespace

int main() {
    auto* bench = new Bench;
    setTickSource([bench] { return bench->backend.ticks(); });
    if (!bench->window.create())
        return 1;
    bench->session = FullWell::newSession();
    if (!FullWell::fillSession(*bench->session)) {
        std::printf("vorn_web_bench: the scene could not be set up\n");
        return 1;
    }
    bench->counter = {bench->session.get(), &bench->backend, bench->backend.ticks(), 0};
    bench->window.setCallback(countFrame, &bench->counter);
    bench->window.startLoop();
    WebFrameLoop::run(benchTurn, bench);
    return 0;
}
