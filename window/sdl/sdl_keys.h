#pragma once

#include <cstdint>

// Key identities on SDL, in the virtual-key numbers the window expects from every platform.

// The virtual-key code of an SDL key code (SDL_Keycode), or 0 for a key that has none.
std::uint32_t virtualKeyFor(std::int32_t sdlKeycode);

// Whether a key message arrives as a system key (and so raises no KeyUp): F10, the Alt key
// itself, and any key while Alt is held without Ctrl (Ctrl+Alt is AltGr on many layouts).
bool arrivesAsSystemKey(std::uint32_t virtualKey, bool altHeld, bool ctrlHeld);
