#pragma once

// SIGINT and SIGTERM as a close request while the game has a window: the handler only raises a
// flag, which the message queue turns into a close message, so the run ends the normal way and
// the display mode is given back.
namespace CloseSignals {
// Installs the handlers (once) and clears any earlier request.
void install();
// Puts back the handlers that were there before install.
void restore();
// Answers whether a signal has come since the last call, and clears the flag.
bool takeRequest();
}  // namespace CloseSignals
