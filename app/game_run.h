#pragma once

#include <memory>

#include "window/window_backend.h"

class GameSession;
class GLWindow;
class TickSourceBinding;

// Exit codes of the program.
namespace ExitCode {
inline constexpr int Normal = 0;
// The window could not be opened, or the user declined to play in a window; the reason has
// been shown (and printed on standard error).
inline constexpr int WindowNotOpened = 1;
}  // namespace ExitCode

// How the window is asked for. The desktop programs ask for full screen; a page cannot change
// the display mode, and asking the player on every visit whether to play in a window would
// only stand in the way, so the web build asks for the window at once.
enum class WindowRequest { Fullscreen, Windowed };

// The run in its three stages, for a system that hands the program control once per frame and
// must get it back in between (a page): open, then one turn at a time, then finish.
class GameRunner {
  public:
    GameRunner(WindowBackend& backend, WindowRequest request);
    // Finishes the run if it was not finished.
    ~GameRunner();
    GameRunner(const GameRunner&) = delete;
    GameRunner& operator=(const GameRunner&) = delete;

    // Opens the window and builds the game in it, ready for its first turn. False when the
    // window did not open; the reason has been shown, and finish gives the exit code.
    bool open();
    // The two halves of open, for a system that must get control back between them (a page:
    // each is a task of the browser's, and the browser compiles the window's shaders meanwhile).
    bool openWindow();
    void openGame();
    // One turn of the window's loop; false once the quit request is taken.
    bool turn();
    // Takes the game and the window down and answers the exit code. The game keeps time by
    // the system's counter from the construction up to here.
    int finish();

  private:
    WindowBackend& backend_;
    WindowRequest request_;
    std::unique_ptr<TickSourceBinding> ticks_;
    std::unique_ptr<GLWindow> window_;
    std::unique_ptr<GameSession> session_;
    int exitCode_ = ExitCode::WindowNotOpened;
};

// The whole run on one system: opens the window, builds the game, runs the loop until the
// quit message, and answers the exit code.
int runGame(WindowBackend& backend, WindowRequest request = WindowRequest::Fullscreen);
