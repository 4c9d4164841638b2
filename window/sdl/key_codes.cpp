#include "window/sdl/key_codes.h"

#define SDL_MAIN_HANDLED
#include <SDL.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

#include "frame/frame_event.h"

namespace {

struct Key {
    unsigned long keysym;
    std::int32_t sdlKey;
    bool keypad;
    std::uint32_t virtualKey;
};

constexpr Key kKeys[] = {
    {XK_Escape, SDLK_ESCAPE, false, VirtualKey::Escape},
    {XK_space, SDLK_SPACE, false, VirtualKey::Space},
    {XK_Left, SDLK_LEFT, false, VirtualKey::Left},
    {XK_Up, SDLK_UP, false, VirtualKey::Up},
    {XK_Right, SDLK_RIGHT, false, VirtualKey::Right},
    {XK_Down, SDLK_DOWN, false, VirtualKey::Down},
    {XK_KP_Left, SDLK_KP_4, true, VirtualKey::Left},
    {XK_KP_Up, SDLK_KP_8, true, VirtualKey::Up},
    {XK_KP_Right, SDLK_KP_6, true, VirtualKey::Right},
    {XK_KP_Down, SDLK_KP_2, true, VirtualKey::Down},
};

}  // namespace

// The keypad's navigation keysym is its plain level and its digit the shifted one; the digit
// is what it gives while NumLock is on, and no key of the table is a digit.
std::uint32_t virtualKeyForX(unsigned long plain, unsigned long shifted, bool keypadDigits) {
    const bool keypad = IsKeypadKey(shifted) != 0;
    if (keypad && keypadDigits)
        return 0;
    for (const Key& key : kKeys) {
        if (key.keysym == plain)
            return key.virtualKey;
    }
    return 0;
}

// SDL names the keypad's keys by position, whatever NumLock says.
std::uint32_t virtualKeyForSdl(std::int32_t sdlKey, bool keypadDigits) {
    for (const Key& key : kKeys) {
        if (key.sdlKey == sdlKey)
            return key.keypad && keypadDigits ? 0 : key.virtualKey;
    }
    return 0;
}
