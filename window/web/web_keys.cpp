// The page's key events as the window's: plain C++, built and tested natively too.
// Supports: keyCode passed through as the virtual-key code; repeats, Alt and F10 as on Windows.
// Limits: keys the DOM codes differently from Windows (a few punctuation keys on some layouts)
// keep the DOM's number; the game reads none of them.
// Needs: nothing but the window core's types and the game's key names.
#include "window/web/web_keys.h"

#include "frame/frame_event.h"
#include "window/system_key.h"

namespace {

constexpr std::uint32_t kAlt = 18;
constexpr std::uint32_t kF10 = 121;
// Meta itself: left and right Windows/Cmd keys and the menu key; Firefox's own code for Cmd.
constexpr std::uint32_t kMetaLeft = 91;
constexpr std::uint32_t kMenu = 93;
constexpr std::uint32_t kFirefoxMeta = 224;

// The page also sees Alt itself and F10, which Windows reports as system keys of their own.
bool arrivesAsSystemKey(const DomKeyEvent& key) {
    if (key.keyCode == kF10 || key.keyCode == kAlt)
        return true;
    return isSystemKey(key.alt, key.ctrl);
}

// The browser's shortcuts: a key with Cmd held, and Cmd itself, whose release comes without
// the flag set.
bool belongsToBrowser(const DomKeyEvent& key) {
    return key.meta || (key.keyCode >= kMetaLeft && key.keyCode <= kMenu) ||
           key.keyCode == kFirefoxMeta;
}

}  // namespace

std::optional<WindowEvent> WebKeyTranslator::eventFor(const DomKeyEvent& key) {
    if (takenByBrowser(key) || belongsToBrowser(key) || arrivesAsSystemKey(key))
        return std::nullopt;
    return WindowEvent{key.down ? WindowEvent::Kind::KeyDown : WindowEvent::Kind::KeyUp,
                       key.keyCode, false};
}

bool WebKeyTranslator::takenByBrowser(const DomKeyEvent& key) {
    if (key.keyCode != VirtualKey::Escape)
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
    if (key.alt || key.ctrl || key.meta)
        return false;
    return isControlKey(key.keyCode);
}

bool isControlKey(std::uint32_t keyCode) {
    return keyCode == VirtualKey::Space ||
           (keyCode >= VirtualKey::Left && keyCode <= VirtualKey::Down);
}
