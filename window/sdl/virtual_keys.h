#pragma once

#include <cstdint>

// The Windows virtual-key codes that the key tables of this backend deliver.
namespace Vk {
inline constexpr std::uint32_t Back = 0x08, Tab = 0x09, Return = 0x0D, Shift = 0x10, Control = 0x11,
                               Menu = 0x12, Pause = 0x13, Capital = 0x14, Escape = 0x1B,
                               Space = 0x20, Prior = 0x21, Next = 0x22, End = 0x23, Home = 0x24,
                               Left = 0x25, Up = 0x26, Right = 0x27, Down = 0x28, Snapshot = 0x2C,
                               Insert = 0x2D, Delete = 0x2E, Clear = 0x0C, Digit0 = 0x30,
                               LetterA = 0x41, LeftWin = 0x5B, RightWin = 0x5C, Apps = 0x5D,
                               Numpad0 = 0x60, Multiply = 0x6A, Add = 0x6B, Subtract = 0x6D,
                               Decimal = 0x6E, Divide = 0x6F, F1 = 0x70, F10 = 0x79, F13 = 0x7C,
                               NumLock = 0x90, Scroll = 0x91, Semicolon = 0xBA, Plus = 0xBB,
                               Comma = 0xBC, Minus = 0xBD, Period = 0xBE, Slash = 0xBF,
                               Grave = 0xC0, LeftBracket = 0xDB, Backslash = 0xDC,
                               RightBracket = 0xDD, Quote = 0xDE;
}  // namespace Vk
