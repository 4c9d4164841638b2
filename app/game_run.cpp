#include "app/game_run.h"

#include <cstdlib>
#include <memory>

#include "app/frame_forwarding.h"
#include "game/game_session.h"
#include "game/tick_clock.h"
#include "window/gl_window.h"

namespace {

constexpr std::int32_t kColourBits = 32;

// The game reads time from the system's counter for as long as this lives, and from its
// default clock again afterwards.
class TickSourceBinding {
  public:
    explicit TickSourceBinding(WindowBackend& backend) {
        setTickSource([&backend] { return backend.ticks(); });
    }
    ~TickSourceBinding() { setTickSource({}); }
    TickSourceBinding(const TickSourceBinding&) = delete;
    TickSourceBinding& operator=(const TickSourceBinding&) = delete;
};

}  // namespace

int runGame(WindowBackend& backend, WindowRequest request) {
    const TickSourceBinding ticks(backend);
    const bool fullscreen = request == WindowRequest::Fullscreen;
    auto window = std::make_unique<GLWindow>(backend, kColourBits, fullscreen);
    if (!window->create())
        return ExitCode::WindowNotOpened;

    // Built while the context is current. Its first piece is chosen before the seeding below,
    // so every run starts with the same shape.
    auto session = std::make_unique<GameSession>();
    std::srand(backend.ticks());
    window->setCallback(forwardFrameEvent, session.get());
    window->run();

    // The window object goes first; the session then deletes its textures while the context
    // is still current.
    const bool switchedDisplayMode = window->fullscreen();
    window.reset();
    session.reset();
    // Windows gives a full-screen mode back by itself when the process ends; Wine and X do
    // not, so the run does it. Where the system would have, nothing changes.
    if (switchedDisplayMode)
        backend.leaveDisplayMode();
    return ExitCode::Normal;
}
