// The web backend's key translation: the page's key events become the messages Windows would
// send, and the Escape that takes the canvas out of full screen stays the browser's.
#include "window/web/web_keys.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t kEscape = 27;
constexpr std::uint32_t kLeft = 37;
const WindowHandle kWindow = reinterpret_cast<WindowHandle>(0x10);

DomKeyEvent key(std::uint32_t code, bool down, bool repeat = false, bool alt = false) {
    DomKeyEvent event;
    event.keyCode = code;
    event.down = down;
    event.repeat = repeat;
    event.alt = alt;
    return event;
}

// The message id for an event, or 0 when it raises none.
std::uint32_t idFor(WebKeyTranslator& keys, const DomKeyEvent& event) {
    const auto message = keys.messageFor(event, kWindow, 0);
    return message ? message->id : 0;
}

TEST(WebKeys, ArriveAsWindowsSendsThem) {
    WebKeyTranslator keys;
    const auto press = keys.messageFor(key(kLeft, true), kWindow, 5);
    const auto repeat = keys.messageFor(key(kLeft, true, true), kWindow, 6);
    const auto release = keys.messageFor(key(kLeft, false), kWindow, 7);
    ASSERT_TRUE(press && repeat && release);
    EXPECT_EQ(press->id, MessageId::KeyDown);
    EXPECT_EQ(press->wParam, kLeft);
    EXPECT_EQ(press->window, kWindow);
    EXPECT_EQ(press->lParam & KeyFlag::WasDown, 0);
    EXPECT_EQ(repeat->id, MessageId::KeyDown);
    EXPECT_NE(repeat->lParam & KeyFlag::WasDown, 0);
    EXPECT_EQ(release->id, MessageId::KeyUp);
    EXPECT_NE(release->lParam & KeyFlag::Released, 0);
    EXPECT_EQ(release->time, 7u);
    // Alt combinations and F10 are system keys: they raise no KeyUp.
    EXPECT_EQ(idFor(keys, key(kLeft, false, false, true)), MessageId::SysKeyUp);
    EXPECT_EQ(idFor(keys, key(121, false)), MessageId::SysKeyUp);
}

TEST(WebKeys, TheEscapeThatLeavesFullScreenDoesNotReachTheGame) {
    WebKeyTranslator keys;
    EXPECT_EQ(idFor(keys, key(kEscape, false)), MessageId::KeyUp);

    // Released while full screen, or after leaving it without a press seen since.
    keys.fullscreenChanged(true);
    EXPECT_EQ(idFor(keys, key(kEscape, false)), 0u);
    keys.fullscreenChanged(false);
    EXPECT_EQ(idFor(keys, key(kEscape, false)), 0u);
    // Only that one release: a new press and release ends the game again.
    EXPECT_EQ(idFor(keys, key(kEscape, true)), MessageId::KeyDown);
    EXPECT_EQ(idFor(keys, key(kEscape, false)), MessageId::KeyUp);

    // The browser may show the press before it leaves full screen.
    keys.fullscreenChanged(true);
    EXPECT_EQ(idFor(keys, key(kEscape, true)), MessageId::KeyDown);
    keys.fullscreenChanged(false);
    EXPECT_EQ(idFor(keys, key(kEscape, false)), 0u);
    // Other keys are untouched by any of it.
    keys.fullscreenChanged(true);
    keys.fullscreenChanged(false);
    EXPECT_EQ(idFor(keys, key(kLeft, false)), MessageId::KeyUp);
}

}  // namespace
