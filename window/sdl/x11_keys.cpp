// Keys as the X server names them (keysyms), for the key releases this backend takes from the
// X server itself rather than from SDL.
#include <X11/keysym.h>

#include "window/sdl/sdl_keys.h"
#include "window/sdl/virtual_keys.h"

namespace {

std::uint32_t offsetFrom(unsigned long keysym, unsigned long first, std::uint32_t base) {
    return base + static_cast<std::uint32_t>(keysym - first);
}

// Letters (either case), digits and function keys: contiguous runs on both sides.
std::uint32_t rangedKeysym(unsigned long keysym) {
    if (keysym >= XK_a && keysym <= XK_z)
        return offsetFrom(keysym, XK_a, Vk::LetterA);
    if (keysym >= XK_A && keysym <= XK_Z)
        return offsetFrom(keysym, XK_A, Vk::LetterA);
    if (keysym >= XK_0 && keysym <= XK_9)
        return offsetFrom(keysym, XK_0, Vk::Digit0);
    if (keysym >= XK_F1 && keysym <= XK_F24)
        return offsetFrom(keysym, XK_F1, Vk::F1);
    return 0;
}

std::uint32_t controlKeysym(unsigned long keysym) {
    switch (keysym) {
        case XK_BackSpace:
            return Vk::Back;
        case XK_Tab:
        case XK_ISO_Left_Tab:
            return Vk::Tab;
        case XK_Return:
        case XK_KP_Enter:
            return Vk::Return;
        case XK_Shift_L:
        case XK_Shift_R:
            return Vk::Shift;
        case XK_Control_L:
        case XK_Control_R:
            return Vk::Control;
        case XK_Alt_L:
        case XK_Alt_R:
        case XK_Meta_L:
        case XK_Meta_R:
        case XK_ISO_Level3_Shift:
            return Vk::Menu;
        case XK_Pause:
            return Vk::Pause;
        case XK_Caps_Lock:
            return Vk::Capital;
        case XK_Escape:
            return Vk::Escape;
        case XK_space:
            return Vk::Space;
        case XK_Prior:
            return Vk::Prior;
        case XK_Next:
            return Vk::Next;
        case XK_End:
            return Vk::End;
        case XK_Home:
            return Vk::Home;
        case XK_Left:
            return Vk::Left;
        case XK_Up:
            return Vk::Up;
        case XK_Right:
            return Vk::Right;
        case XK_Down:
            return Vk::Down;
        case XK_Print:
            return Vk::Snapshot;
        case XK_Insert:
            return Vk::Insert;
        case XK_Delete:
            return Vk::Delete;
        case XK_Super_L:
            return Vk::LeftWin;
        case XK_Super_R:
            return Vk::RightWin;
        case XK_Menu:
            return Vk::Apps;
        case XK_Num_Lock:
            return Vk::NumLock;
        case XK_Scroll_Lock:
            return Vk::Scroll;
        default:
            return 0;
    }
}

std::uint32_t keypadOrPunctuationKeysym(unsigned long keysym) {
    switch (keysym) {
        case XK_KP_Multiply:
            return Vk::Multiply;
        case XK_KP_Add:
            return Vk::Add;
        case XK_KP_Subtract:
            return Vk::Subtract;
        case XK_KP_Divide:
            return Vk::Divide;
        case XK_semicolon:
            return Vk::Semicolon;
        case XK_equal:
            return Vk::Plus;
        case XK_comma:
            return Vk::Comma;
        case XK_minus:
            return Vk::Minus;
        case XK_period:
            return Vk::Period;
        case XK_slash:
            return Vk::Slash;
        case XK_grave:
            return Vk::Grave;
        case XK_bracketleft:
            return Vk::LeftBracket;
        case XK_backslash:
            return Vk::Backslash;
        case XK_bracketright:
            return Vk::RightBracket;
        case XK_apostrophe:
            return Vk::Quote;
        default:
            return 0;
    }
}

// The position of a keypad digit or decimal point keysym, or -1.
int keypadPosition(unsigned long keysym) {
    if (keysym >= XK_KP_0 && keysym <= XK_KP_9)
        return static_cast<int>(keysym - XK_KP_0);
    if (keysym == XK_KP_Decimal || keysym == XK_KP_Separator)
        return kKeypadDecimalPosition;
    return -1;
}

}  // namespace

std::uint32_t virtualKeyForKeysyms(unsigned long plain, unsigned long shifted, bool keypadDigits) {
    if (const int position = keypadPosition(shifted); position >= 0)
        return keypadVirtualKey(position, keypadDigits);
    if (const std::uint32_t key = rangedKeysym(plain))
        return key;
    if (const std::uint32_t key = controlKeysym(plain))
        return key;
    return keypadOrPunctuationKeysym(plain);
}
