#pragma once

#include <cstdint>

// Key identities on Linux, in the virtual-key numbers the window expects from every platform.

// The keypad's decimal point, after its digit keys 0 to 9.
inline constexpr int kKeypadDecimalPosition = 10;

// The keypad key at a position (its digit, or kKeypadDecimalPosition): the digit while the
// keypad gives digits, otherwise the navigation key printed under it (4 is Left, 8 Up, 5 the
// middle key Clear, the decimal point Delete), as Windows delivers them.
std::uint32_t keypadVirtualKey(int position, bool digits);

// The virtual-key code of an SDL key code (SDL_Keycode), or 0 for a key that has none. The
// keypad gives digits only with NumLock on and Shift up (keypadDigits).
std::uint32_t virtualKeyFor(std::int32_t sdlKeycode, bool keypadDigits);

// The same for a key as the X server names it: the keysyms of its plain and its shifted level.
// The keypad's keys have their navigation keysym plain and their digit shifted.
std::uint32_t virtualKeyForKeysyms(unsigned long plain, unsigned long shifted, bool keypadDigits);

// Whether a key message arrives as a system key (and so raises no KeyUp): F10, the Alt key
// itself, and any key while Alt is held without Ctrl (Ctrl+Alt is AltGr on many layouts).
bool arrivesAsSystemKey(std::uint32_t virtualKey, bool altHeld, bool ctrlHeld);
