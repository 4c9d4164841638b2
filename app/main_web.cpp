// The program in a web browser: the page's canvas through the web backend, played there as
// the desktop game is played in a window. The browser calls the run's turns, one at each of its
// animation frames; the turn that ends the run also finishes it and ends the runtime.
#include <new>

#include "app/game_run.h"
#include "window/web/web_backend.h"
#include "window/web/web_frame_loop.h"
#include "window/web/web_page.h"

namespace {

// Lives from main until the run ends, across the browser's frames.
struct WebRun {
    WebBackend backend;
    GameRunner runner{backend, WindowRequest::Windowed};
    bool opened = false;
};

// The backend goes after the run is finished: with it go the page's listeners and the hold on
// the screen.
void end(WebRun* run) {
    const int code = run->runner.finish();
    delete run;
    WebFrameLoop::endRuntime(code);
}

// The run opens in the first frame and draws from the next: the start of the runtime, the
// opening (the context, the images, the atlas) and the first drawing are three tasks of the
// browser's instead of one, so the page answers in between.
bool openRun(WebRun* run) {
    run->opened = true;
    if (run->runner.open())
        return true;
    end(run);
    return false;
}

// Without a context the frames would go unseen, so the turns wait as in a hidden tab: the
// game's clock goes on, and the first turn after the restore has the whole wait as its time.
bool turn(void* userData) {
    auto* run = static_cast<WebRun*>(userData);
    if (!run->opened)
        return openRun(run);
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
