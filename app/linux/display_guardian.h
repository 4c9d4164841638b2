#pragma once

#include <functional>

// Runs the game in a child process and outlives it, so that the desktop gets its display mode
// back however the game ends. The game puts the mode back itself at a normal end and on SIGINT
// and SIGTERM; after a crash, an abort, SIGKILL or the out-of-memory killer nobody would, and
// calling into X from a crash handler is not safe (the crash may be inside Xlib). So the screen's
// layout is read here, and set again from here if the game left it changed.
//
// The layout is read while the game starts, not before: the game only has to wait for it (see
// LayoutGate) at its first change of the display mode, long after it has started. The game
// ends, as if closed, when this process ends in any way (SIGKILL included): it is sent SIGTERM.
//
// SIGINT, SIGTERM and SIGHUP sent to this process are passed on to the game. The answer is the
// program's exit code: the game's own, or 128 + the signal that ended it, with one line on
// standard error saying so and what became of the display mode. Without an X display that has
// RandR the mode is not watched; when no child process can be made the game runs here.

// The game's side of the handshake: the layout is known to the guardian once wait() returns.
class LayoutGate {
  public:
    explicit LayoutGate(int readEnd = -1) : readEnd_(readEnd) {}
    ~LayoutGate();
    LayoutGate(const LayoutGate&) = delete;
    LayoutGate& operator=(const LayoutGate&) = delete;

    // Waits (once) until the guardian has read the layout, or has gone.
    void wait();

  private:
    int readEnd_;
};

int runUnderDisplayGuardian(const std::function<int(LayoutGate&)>& game);
