#include "window/sdl/sdl_keys.h"

#define SDL_MAIN_HANDLED
#include <SDL.h>

namespace {

namespace Vk {
constexpr std::uint32_t Back = 0x08, Tab = 0x09, Return = 0x0D, Shift = 0x10, Control = 0x11,
                        Menu = 0x12, Pause = 0x13, Capital = 0x14, Escape = 0x1B, Space = 0x20,
                        Prior = 0x21, Next = 0x22, End = 0x23, Home = 0x24, Left = 0x25, Up = 0x26,
                        Right = 0x27, Down = 0x28, Snapshot = 0x2C, Insert = 0x2D, Delete = 0x2E,
                        Digit0 = 0x30, LetterA = 0x41, LeftWin = 0x5B, RightWin = 0x5C, Apps = 0x5D,
                        Numpad0 = 0x60, Multiply = 0x6A, Add = 0x6B, Subtract = 0x6D,
                        Decimal = 0x6E, Divide = 0x6F, F1 = 0x70, F10 = 0x79, F13 = 0x7C,
                        NumLock = 0x90, Scroll = 0x91, Semicolon = 0xBA, Plus = 0xBB, Comma = 0xBC,
                        Minus = 0xBD, Period = 0xBE, Slash = 0xBF, Grave = 0xC0, LeftBracket = 0xDB,
                        Backslash = 0xDC, RightBracket = 0xDD, Quote = 0xDE;
}  // namespace Vk

std::uint32_t offsetFrom(std::int32_t code, std::int32_t first, std::uint32_t base) {
    return base + static_cast<std::uint32_t>(code - first);
}

// Letters, digits and function keys: contiguous runs on both sides.
std::uint32_t rangedKey(std::int32_t code) {
    if (code >= SDLK_a && code <= SDLK_z)
        return offsetFrom(code, SDLK_a, Vk::LetterA);
    if (code >= SDLK_0 && code <= SDLK_9)
        return offsetFrom(code, SDLK_0, Vk::Digit0);
    if (code >= SDLK_F1 && code <= SDLK_F12)
        return offsetFrom(code, SDLK_F1, Vk::F1);
    if (code >= SDLK_F13 && code <= SDLK_F24)
        return offsetFrom(code, SDLK_F13, Vk::F13);
    if (code >= SDLK_KP_1 && code <= SDLK_KP_9)
        return offsetFrom(code, SDLK_KP_1, Vk::Numpad0 + 1);
    return 0;
}

std::uint32_t controlKey(std::int32_t code) {
    switch (code) {
        case SDLK_BACKSPACE:
            return Vk::Back;
        case SDLK_TAB:
            return Vk::Tab;
        case SDLK_RETURN:
        case SDLK_KP_ENTER:
            return Vk::Return;
        case SDLK_LSHIFT:
        case SDLK_RSHIFT:
            return Vk::Shift;
        case SDLK_LCTRL:
        case SDLK_RCTRL:
            return Vk::Control;
        case SDLK_LALT:
        case SDLK_RALT:
            return Vk::Menu;
        case SDLK_PAUSE:
            return Vk::Pause;
        case SDLK_CAPSLOCK:
            return Vk::Capital;
        case SDLK_ESCAPE:
            return Vk::Escape;
        case SDLK_SPACE:
            return Vk::Space;
        case SDLK_PAGEUP:
            return Vk::Prior;
        case SDLK_PAGEDOWN:
            return Vk::Next;
        case SDLK_END:
            return Vk::End;
        case SDLK_HOME:
            return Vk::Home;
        case SDLK_LEFT:
            return Vk::Left;
        case SDLK_UP:
            return Vk::Up;
        case SDLK_RIGHT:
            return Vk::Right;
        case SDLK_DOWN:
            return Vk::Down;
        case SDLK_PRINTSCREEN:
            return Vk::Snapshot;
        case SDLK_INSERT:
            return Vk::Insert;
        case SDLK_DELETE:
            return Vk::Delete;
        case SDLK_LGUI:
            return Vk::LeftWin;
        case SDLK_RGUI:
            return Vk::RightWin;
        case SDLK_APPLICATION:
            return Vk::Apps;
        case SDLK_NUMLOCKCLEAR:
            return Vk::NumLock;
        case SDLK_SCROLLLOCK:
            return Vk::Scroll;
        default:
            return 0;
    }
}

std::uint32_t keypadOrPunctuation(std::int32_t code) {
    switch (code) {
        case SDLK_KP_0:
            return Vk::Numpad0;
        case SDLK_KP_MULTIPLY:
            return Vk::Multiply;
        case SDLK_KP_PLUS:
            return Vk::Add;
        case SDLK_KP_MINUS:
            return Vk::Subtract;
        case SDLK_KP_PERIOD:
            return Vk::Decimal;
        case SDLK_KP_DIVIDE:
            return Vk::Divide;
        case SDLK_SEMICOLON:
            return Vk::Semicolon;
        case SDLK_EQUALS:
            return Vk::Plus;
        case SDLK_COMMA:
            return Vk::Comma;
        case SDLK_MINUS:
            return Vk::Minus;
        case SDLK_PERIOD:
            return Vk::Period;
        case SDLK_SLASH:
            return Vk::Slash;
        case SDLK_BACKQUOTE:
            return Vk::Grave;
        case SDLK_LEFTBRACKET:
            return Vk::LeftBracket;
        case SDLK_BACKSLASH:
            return Vk::Backslash;
        case SDLK_RIGHTBRACKET:
            return Vk::RightBracket;
        case SDLK_QUOTE:
            return Vk::Quote;
        default:
            return 0;
    }
}

}  // namespace

std::uint32_t virtualKeyFor(std::int32_t sdlKeycode) {
    if (const std::uint32_t key = rangedKey(sdlKeycode))
        return key;
    if (const std::uint32_t key = controlKey(sdlKeycode))
        return key;
    return keypadOrPunctuation(sdlKeycode);
}

bool arrivesAsSystemKey(std::uint32_t virtualKey, bool altHeld, bool ctrlHeld) {
    if (virtualKey == Vk::F10 || virtualKey == Vk::Menu)
        return true;
    return altHeld && !ctrlHeld;
}
