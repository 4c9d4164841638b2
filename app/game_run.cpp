#include "app/game_run.h"

#include <cstdlib>
#include <memory>

#include "app/frame_forwarding.h"
#include "game/game_session.h"
#include "game/tick_clock.h"
#include "window/gl_window.h"

namespace {
constexpr std::int32_t kColourBits = 32;
}  // namespace

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

GameRunner::GameRunner(WindowBackend& backend, WindowRequest request)
    : backend_(backend), request_(request), ticks_(std::make_unique<TickSourceBinding>(backend)) {}

GameRunner::~GameRunner() {
    finish();
}

bool GameRunner::open() {
    if (!openWindow())
        return false;
    openGame();
    return true;
}

bool GameRunner::openWindow() {
    const bool fullscreen = request_ == WindowRequest::Fullscreen;
    window_ = std::make_unique<GLWindow>(backend_, kColourBits, fullscreen);
    return window_->create();
}

void GameRunner::openGame() {
    // Built while the context is current. Its first piece is chosen before the seeding below,
    // so every run starts with the same shape.
    session_ = std::make_unique<GameSession>();
    std::srand(backend_.ticks());
    window_->setCallback(forwardFrameEvent, session_.get());
    window_->startLoop();
    exitCode_ = ExitCode::Normal;
}

bool GameRunner::turn() {
    return session_ != nullptr && window_->turn();
}

int GameRunner::finish() {
    if (ticks_ == nullptr)
        return exitCode_;
    // The window object goes first; the session then deletes its textures while the context
    // is still current.
    const bool switchedDisplayMode = session_ != nullptr && window_->fullscreen();
    window_.reset();
    session_.reset();
    // Windows gives a full-screen mode back by itself when the process ends; Wine and X do
    // not, so the run does it. Where the system would have, nothing changes.
    if (switchedDisplayMode)
        backend_.leaveDisplayMode();
    ticks_.reset();
    return exitCode_;
}

int runGame(WindowBackend& backend, WindowRequest request) {
    GameRunner run(backend, request);
    if (run.open()) {
        while (run.turn()) {
        }
    }
    return run.finish();
}
