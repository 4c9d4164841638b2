#pragma once

#include "window/sdl/sdl_events.h"

// Key releases straight from the X server. When its window loses the keyboard focus, SDL
// reports a release of every key still held, and drops the release of a key it did not see
// pressed; Windows does neither. So on X the window's key releases are the ones the X server
// delivers to it, read from SDL's copy of each X event (SDL_SYSWMEVENT): a key let go while
// another window has the focus never reaches the game, and a key pressed elsewhere and let go
// over the game does.
struct X11KeyRelease {
    unsigned long xWindow = 0;  // the X window it was delivered to
    KeyFacts key;
};

// Asks SDL for its copy of every X event; off, the other functions find nothing.
void takeX11Events();

// The X window of an SDL window, or 0 when it is not an X window.
unsigned long x11WindowOf(SDL_Window* window);

// Reads a key release from SDL's copy of an X event; false for any other event.
bool readX11KeyRelease(const SDL_Event& event, X11KeyRelease& release);
