#pragma once

#include "window/platform.h"

// Exit codes of the program.
namespace ExitCode {
inline constexpr int Normal = 0;
// The window could not be opened, or the user declined to play in a window; the reason has
// been shown (and printed on standard error).
inline constexpr int WindowNotOpened = 1;
}  // namespace ExitCode

// The whole run on one platform: opens the window, builds the game, runs the loop until the
// quit message, and answers the exit code.
int runGame(Platform& platform, InstanceHandle instance);
