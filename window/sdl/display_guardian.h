#pragma once

#include <functional>

// Runs the game in a child process and outlives it, so that the desktop gets its display mode
// back however the game ends. The game puts the mode back itself at a normal end and on SIGINT
// and SIGTERM; after a crash, an abort, SIGKILL or the out-of-memory killer nobody would, and
// calling into X from a crash handler is not safe (the crash may be inside Xlib). So the screen's
// layout is taken before the game starts, and set again from here if the game left it changed.
//
// SIGINT, SIGTERM and SIGHUP sent to this process are passed on to the game. The answer is the
// program's exit code: the game's own, or 128 + the signal that ended it, with one line on
// standard error saying so and what became of the display mode. Without an X display that has
// RandR (or when no child process can be made) the game runs here, unguarded: it then has no
// display mode to lose.
int runUnderDisplayGuardian(const std::function<int()>& game);
