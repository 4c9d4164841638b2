// The full-well frame in the browser: the game's window over the web backend, presenting the
// benchmark's scene (every cell of the well taken) as fast as the page lets it, and writing to
// the console, once a second, how many frames it presented and how long the game took to issue
// them (the rest of the time is the browser's: compositing, and WebGL's own work).
// bench/run-web-bench opens it in headless Chromium and reads those lines.
#include <emscripten.h>

#include <cstdint>
#include <cstdio>
#include <memory>

#include "bench/full_well_scene.h"
#include "game/frame_event.h"
#include "game/game_session.h"
#include "game/random_source.h"
#include "game/tick_clock.h"
#include "window/gl_window.h"
#include "window/web/web_backend.h"

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

}  // namespace

int main() {
    WebBackend backend;
    setTickSource([&backend] { return backend.ticks(); });
    GLWindow window(backend, 32, false);
    if (!window.create())
        return 1;
    setRandomSource([] { return FullWell::kPieceShape; });
    auto session = std::make_unique<GameSession>();
    setRandomSource({});
    if (!FullWell::fillSession(*session)) {
        std::printf("vorn_web_bench: the scene could not be set up\n");
        return 1;
    }
    FrameCounter counter{session.get(), &backend, backend.ticks(), 0};
    window.setCallback(countFrame, &counter);
    window.run();
    return 0;
}
