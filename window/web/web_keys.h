#pragma once

#include <cstdint>
#include <optional>

#include "window/window_backend.h"

// A key event as the page reports it. The DOM's keyCode already is the Windows virtual-key
// code for Escape, Space and the arrows, the keys the game reads.
struct DomKeyEvent {
    std::uint32_t keyCode = 0;
    bool down = false;
    bool repeat = false;
    bool alt = false;
    bool ctrl = false;
    bool meta = false;  // Cmd on a Mac, the Windows key elsewhere
};

// Turns the page's key events into the window's: a repeat is another key-down; Alt combinations
// and F10 are system keys, which raise nothing; Cmd (Meta) and its combinations are the
// browser's shortcuts, which raise nothing either. Escape belongs to the browser while the canvas
// is full screen: the release that comes during full screen, or that follows leaving it without
// a new press of Escape, only took the page out of full screen and does not reach the game.
class WebKeyTranslator {
  public:
    std::optional<WindowEvent> eventFor(const DomKeyEvent& key);
    void fullscreenChanged(bool fullscreen);

  private:
    bool takenByBrowser(const DomKeyEvent& key);

    bool fullscreen_ = false;
    bool escapeOwedToBrowser_ = false;
};

// Whether the page must not act on the key itself while the canvas has the focus: the game's
// keys would otherwise scroll the page or press the button beside the canvas. With Alt, Ctrl or
// Cmd held the key is the browser's.
bool keyStaysWithGame(const DomKeyEvent& key);

// Whether the page's on-screen controls may press the key: only the game's own keys (the
// arrows and Space), never Escape, which would end the run from a stray call.
bool isControlKey(std::uint32_t keyCode);
