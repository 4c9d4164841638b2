#include "window/sdl/sdl_keys.h"

#define SDL_MAIN_HANDLED
#include <SDL.h>

#include "window/sdl/virtual_keys.h"

namespace {

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
        case SDLK_KP_MULTIPLY:
            return Vk::Multiply;
        case SDLK_KP_PLUS:
            return Vk::Add;
        case SDLK_KP_MINUS:
            return Vk::Subtract;
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

// The keypad's digit keys and its decimal point, by position; -1 for any other key.
int keypadPosition(std::int32_t code) {
    if (code >= SDLK_KP_1 && code <= SDLK_KP_9)
        return 1 + (code - SDLK_KP_1);
    if (code == SDLK_KP_0)
        return 0;
    if (code == SDLK_KP_PERIOD)
        return kKeypadDecimalPosition;
    return -1;
}

}  // namespace

std::uint32_t keypadVirtualKey(int position, bool digits) {
    // What each key doubles as, in the order of the digits printed on them: 0 to 9, then the
    // decimal point.
    static constexpr std::uint32_t kNavigation[] = {Vk::Insert, Vk::End,   Vk::Down,  Vk::Next,
                                                    Vk::Left,   Vk::Clear, Vk::Right, Vk::Home,
                                                    Vk::Up,     Vk::Prior, Vk::Delete};
    if (position < 0 || position > kKeypadDecimalPosition)
        return 0;
    if (!digits)
        return kNavigation[position];
    if (position == kKeypadDecimalPosition)
        return Vk::Decimal;
    return Vk::Numpad0 + static_cast<std::uint32_t>(position);
}

std::uint32_t virtualKeyFor(std::int32_t sdlKeycode, bool keypadDigits) {
    if (const int position = keypadPosition(sdlKeycode); position >= 0)
        return keypadVirtualKey(position, keypadDigits);
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
