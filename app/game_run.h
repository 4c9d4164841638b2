#pragma once

#include "window/window_backend.h"

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

// The whole run on one system: opens the window, builds the game, runs the loop until the
// quit message, and answers the exit code.
int runGame(WindowBackend& backend, WindowRequest request = WindowRequest::Fullscreen);
