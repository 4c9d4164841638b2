#pragma once

#include <cstdint>

// The keys the game reads, as X and SDL name them, with the virtual-key codes the window core
// expects: Escape, Space, the arrows, and the keypad's arrows (its 4, 8, 6 and 2 while NumLock
// is off or Shift is held; with NumLock on they are digits, which the game does not read). Any
// other key is 0: it raises nothing.

// A key as the X server names it: the keysyms of its plain and its shifted level, and whether
// NumLock is on with Shift up.
std::uint32_t virtualKeyForX(unsigned long plain, unsigned long shifted, bool keypadDigits);

// A key as SDL names it (an SDL_Keycode).
std::uint32_t virtualKeyForSdl(std::int32_t sdlKey, bool keypadDigits);
