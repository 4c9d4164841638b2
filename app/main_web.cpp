// The program in a web browser: the page's canvas through the web backend, played there as
// the desktop game is played in a window. The browser calls the run's turns, one at each of its
// animation frames; the turn that ends the run also finishes it and ends the runtime.
#include <new>

#include "app/game_run.h"
#include "window/web/web_backend.h"
#include "window/web/web_frame_loop.h"
#include "window/web/web_page.h"

namespace {

// The run opens over the first two frames and draws from the third: the start of the runtime,
// the window, the game (the images, the atlas, their uploads) and the first drawing are each a
// task of the browser's, so the page answers in between; and the browser compiles the shaders
// while the game is built, so the first drawing does not wait for them.
enum class Stage { Window, Game, Playing };

// Lives from main until the run ends, across the browser's frames.
struct WebRun {
    WebBackend backend;
    GameRunner runner{backend, WindowRequest::Windowed};
    Stage stage = Stage::Window;
};

// The backend goes after the run is finished: with it go the page's listeners and the hold on
// the screen.
void end(WebRun* run) {
    const int code = run->runner.finish();
    delete run;
    WebFrameLoop::endRuntime(code);
}

bool openWindow(WebRun* run) {
    if (!run->runner.openWindow()) {
        end(run);
        return false;
    }
    run->stage = Stage::Game;
    return true;
}

// Without a context the frames would go unseen, so the turns wait as in a hidden tab: the
// game's clock goes on, and the first turn after the restore has the whole wait as its time.
bool turn(void* userData) {
    auto* run = static_cast<WebRun*>(userData);
    switch (run->stage) {
        case Stage::Window:
            return openWindow(run);
        case Stage::Game:
            run->runner.openGame();
            run->stage = Stage::Playing;
            return true;
        case Stage::Playing:
            break;
    }
    if (run->backend.contextLost())
        return true;
    if (run->runner.turn())
        return true;
    end(run);
    return false;
}

}  // namespace

int main() {
    // The page says so in words; the runtime's own abort would say only "OOM".
    std::set_new_handler(WebPage::outOfMemory);
    WebFrameLoop::run(turn, new WebRun);
    return 0;
}
