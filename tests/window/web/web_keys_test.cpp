// The web backend's key translation: the page's key events become the window's, and the Escape
// that takes the canvas out of full screen stays the browser's.
#include "window/web/web_keys.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t kEscape = 27;
constexpr std::uint32_t kLeft = 37;

DomKeyEvent key(std::uint32_t code, bool down, bool repeat = false, bool alt = false) {
    DomKeyEvent event;
    event.keyCode = code;
    event.down = down;
    event.repeat = repeat;
    event.alt = alt;
    return event;
}

using Kind = WindowEvent::Kind;
constexpr Kind kNone = static_cast<Kind>(-1);

// The kind of event a key raises, or kNone.
Kind kindFor(WebKeyTranslator& keys, const DomKeyEvent& event) {
    const auto raised = keys.eventFor(event);
    return raised ? raised->kind : kNone;
}

TEST(WebKeys, ArriveAsTheWindowsKeyEvents) {
    WebKeyTranslator keys;
    const auto press = keys.eventFor(key(kLeft, true));
    const auto repeat = keys.eventFor(key(kLeft, true, true));
    const auto release = keys.eventFor(key(kLeft, false));
    ASSERT_TRUE(press && repeat && release);
    EXPECT_EQ(press->kind, Kind::KeyDown);
    EXPECT_EQ(press->key, kLeft);
    EXPECT_EQ(repeat->kind, Kind::KeyDown);
    EXPECT_EQ(release->kind, Kind::KeyUp);
    EXPECT_EQ(release->key, kLeft);
    // Alt combinations and F10 are system keys: they raise nothing.
    EXPECT_EQ(kindFor(keys, key(kLeft, false, false, true)), kNone);
    EXPECT_EQ(kindFor(keys, key(121, false)), kNone);
    // Ctrl+Alt is AltGr on many layouts: an ordinary key.
    DomKeyEvent altGr = key(kLeft, false, false, true);
    altGr.ctrl = true;
    EXPECT_EQ(kindFor(keys, altGr), Kind::KeyUp);
}

TEST(WebKeys, TheEscapeThatLeavesFullScreenDoesNotReachTheGame) {
    WebKeyTranslator keys;
    EXPECT_EQ(kindFor(keys, key(kEscape, false)), Kind::KeyUp);

    // Released while full screen, or after leaving it without a press seen since.
    keys.fullscreenChanged(true);
    EXPECT_EQ(kindFor(keys, key(kEscape, false)), kNone);
    keys.fullscreenChanged(false);
    EXPECT_EQ(kindFor(keys, key(kEscape, false)), kNone);
    // Only that one release: a new press and release ends the game again.
    EXPECT_EQ(kindFor(keys, key(kEscape, true)), Kind::KeyDown);
    EXPECT_EQ(kindFor(keys, key(kEscape, false)), Kind::KeyUp);

    // The browser may show the press before it leaves full screen.
    keys.fullscreenChanged(true);
    EXPECT_EQ(kindFor(keys, key(kEscape, true)), Kind::KeyDown);
    keys.fullscreenChanged(false);
    EXPECT_EQ(kindFor(keys, key(kEscape, false)), kNone);
    // Other keys are untouched by any of it.
    keys.fullscreenChanged(true);
    keys.fullscreenChanged(false);
    EXPECT_EQ(kindFor(keys, key(kLeft, false)), Kind::KeyUp);
}

// Cmd (Meta) combinations are the browser's shortcuts (back, reload, close the tab): the game
// sees neither the combination nor Cmd itself, and the page lets the browser act on them.
TEST(WebKeys, CmdCombinationsGoToTheBrowser) {
    WebKeyTranslator keys;
    DomKeyEvent withCmd = key(kLeft, true);
    withCmd.meta = true;
    EXPECT_EQ(kindFor(keys, withCmd), kNone);
    EXPECT_FALSE(keyStaysWithGame(withCmd));
    withCmd.down = false;
    EXPECT_EQ(kindFor(keys, withCmd), kNone);
    // Cmd's own release comes without the flag, in Chromium's code and in Firefox's.
    for (const std::uint32_t cmd : {91u, 92u, 93u, 224u})
        EXPECT_EQ(kindFor(keys, key(cmd, false)), kNone) << cmd;
    // Without Cmd the same key is the game's again, and stays from the page.
    EXPECT_EQ(kindFor(keys, key(kLeft, false)), Kind::KeyUp);
    EXPECT_TRUE(keyStaysWithGame(key(kLeft, true)));
    DomKeyEvent withCtrl = key(32, true);
    withCtrl.ctrl = true;
    EXPECT_FALSE(keyStaysWithGame(withCtrl));
}

// The on-screen controls press only the game's keys: never Escape, which ends the run.
TEST(WebKeys, TheControlsPressOnlyTheGamesKeys) {
    for (const std::uint32_t code : {32u, 37u, 38u, 39u, 40u})
        EXPECT_TRUE(isControlKey(code)) << code;
    for (const std::uint32_t code : {0u, 27u, 31u, 33u, 36u, 41u, 13u})
        EXPECT_FALSE(isControlKey(code)) << code;
}

}  // namespace
