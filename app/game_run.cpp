#include "app/game_run.h"

#include <cstdlib>
#include <memory>

#include "app/frame_forwarding.h"
#include "game/game_session.h"
#include "game/tick_clock.h"
#include "window/gl_window.h"

namespace {

constexpr std::int32_t kColourBits = 32;

// The game reads time from the platform's counter for as long as this lives, and from its
// default clock again afterwards.
class TickSourceBinding {
  public:
    explicit TickSourceBinding(Platform& platform) {
        setTickSource([&platform] { return platform.tickCount(); });
    }
    ~TickSourceBinding() { setTickSource({}); }
    TickSourceBinding(const TickSourceBinding&) = delete;
    TickSourceBinding& operator=(const TickSourceBinding&) = delete;
};

}  // namespace

int runGame(Platform& platform, InstanceHandle instance, WindowRequest request) {
    const TickSourceBinding ticks(platform);
    const bool fullscreen = request == WindowRequest::Fullscreen;
    auto window = std::make_unique<GLWindow>(platform, instance, kColourBits, fullscreen);
    if (!window->create())
        return ExitCode::WindowNotOpened;

    // Built while the context is current. Its first piece is chosen before the seeding below,
    // so every run starts with the same shape.
    GameSession session;
    std::srand(platform.tickCount());
    window->setCallback(forwardFrameEvent, &session);
    window->run();

    // The window object goes first; the session then deletes its textures while the context
    // is still current.
    window.reset();
    return ExitCode::Normal;
}
