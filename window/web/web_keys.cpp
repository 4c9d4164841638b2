// The page's key events as window messages: plain C++, built and tested natively too.
// Supports: keyCode passed through as the virtual-key code; repeats, Alt and F10 as on Windows.
// Limits: keys the DOM codes differently from Windows (a few punctuation keys on some layouts)
// keep the DOM's number; the game reads none of them.
// Needs: nothing but the platform layer's types.
#include "window/web/web_keys.h"

namespace {

constexpr std::uint32_t kEscape = 27;
constexpr std::uint32_t kSpace = 32;
constexpr std::uint32_t kLeft = 37;
constexpr std::uint32_t kDown = 40;
constexpr std::uint32_t kAlt = 18;
constexpr std::uint32_t kF10 = 121;

// Ctrl+Alt is AltGr on many layouts, which Windows does not treat as a system key.
bool arrivesAsSystemKey(const DomKeyEvent& key) {
    if (key.keyCode == kF10 || key.keyCode == kAlt)
        return true;
    return key.alt && !key.ctrl;
}

}  // namespace

std::optional<WindowMessage> WebKeyTranslator::messageFor(const DomKeyEvent& key,
                                                          WindowHandle window, std::uint32_t time) {
    if (takenByBrowser(key))
        return std::nullopt;
    WindowMessage message;
    message.window = window;
    message.time = time;
    message.wParam = key.keyCode;
    const bool system = arrivesAsSystemKey(key);
    if (key.down)
        message.id = system ? MessageId::SysKeyDown : MessageId::KeyDown;
    else
        message.id = system ? MessageId::SysKeyUp : MessageId::KeyUp;
    message.lParam = 1;
    if (key.alt)
        message.lParam |= KeyFlag::AltDown;
    if (!key.down || key.repeat)
        message.lParam |= KeyFlag::WasDown;
    if (!key.down)
        message.lParam |= KeyFlag::Released;
    return message;
}

bool WebKeyTranslator::takenByBrowser(const DomKeyEvent& key) {
    if (key.keyCode != kEscape)
        return false;
    if (key.down) {
        if (!key.repeat)
            escapeOwedToBrowser_ = false;
        return false;
    }
    const bool owed = fullscreen_ || escapeOwedToBrowser_;
    escapeOwedToBrowser_ = false;
    return owed;
}

// The browser may hand the page the release of the Escape that ended full screen, before or
// after telling it so; either way that release is the browser's.
void WebKeyTranslator::fullscreenChanged(bool fullscreen) {
    if (fullscreen_ && !fullscreen)
        escapeOwedToBrowser_ = true;
    fullscreen_ = fullscreen;
}

bool keyStaysWithGame(const DomKeyEvent& key) {
    if (key.alt || key.ctrl)
        return false;
    return key.keyCode == kSpace || (key.keyCode >= kLeft && key.keyCode <= kDown);
}
