// What the SDL backend makes of keys: the game's keys with their virtual-key codes, from SDL and
// from the X server alike, the keypad's arrows, and nothing for a system key. The last group runs
// the backend against a real X server (a private Xvfb).
#define SDL_MAIN_HANDLED
#include <SDL.h>
#include <gtest/gtest.h>
#include <time.h>

#include "tests/window/sdl_on_x.h"
#include "window/sdl/key_codes.h"
#include "window/sdl/sdl_backend.h"
#include "window/system_key.h"
// After the window's names, as sdl_on_x.h has Xlib's.
#include <X11/keysym.h>

#include <vector>

namespace {

struct KeyRow {
    SDL_Keycode sdl;
    unsigned long plainX;
    unsigned long shiftedX;
    std::uint32_t withNumLockOff;  // and with it on but Shift held
    std::uint32_t withNumLockOn;
};

// The keypad's 4, 8, 6 and 2 are arrows while NumLock is off and digits (which the game does not
// read) while it is on; both key tables agree, key for key.
const KeyRow kKeys[] = {
    {SDLK_ESCAPE, XK_Escape, NoSymbol, 27, 27}, {SDLK_SPACE, XK_space, NoSymbol, 32, 32},
    {SDLK_LEFT, XK_Left, NoSymbol, 37, 37},     {SDLK_UP, XK_Up, NoSymbol, 38, 38},
    {SDLK_RIGHT, XK_Right, NoSymbol, 39, 39},   {SDLK_DOWN, XK_Down, NoSymbol, 40, 40},
    {SDLK_KP_4, XK_KP_Left, XK_KP_4, 37, 0},    {SDLK_KP_8, XK_KP_Up, XK_KP_8, 38, 0},
    {SDLK_KP_6, XK_KP_Right, XK_KP_6, 39, 0},   {SDLK_KP_2, XK_KP_Down, XK_KP_2, 40, 0},
    {SDLK_KP_5, XK_KP_Begin, XK_KP_5, 0, 0},    {SDLK_a, XK_a, XK_A, 0, 0},
    {SDLK_F10, XK_F10, NoSymbol, 0, 0},         {SDLK_UNKNOWN, XK_VoidSymbol, NoSymbol, 0, 0},
};

TEST(SdlKeys, TheGamesKeysHaveTheirCodesFromSdlAndFromX) {
    for (const KeyRow& key : kKeys) {
        SCOPED_TRACE(key.plainX);
        EXPECT_EQ(virtualKeyForSdl(key.sdl, false), key.withNumLockOff);
        EXPECT_EQ(virtualKeyForSdl(key.sdl, true), key.withNumLockOn);
        EXPECT_EQ(virtualKeyForX(key.plainX, key.shiftedX, false), key.withNumLockOff);
        EXPECT_EQ(virtualKeyForX(key.plainX, key.shiftedX, true), key.withNumLockOn);
    }
}

// Ctrl+Alt is AltGr on many layouts: an ordinary key.
TEST(SdlKeys, AKeyWithAltHeldIsASystemKeyUnlessCtrlIsHeldToo) {
    EXPECT_TRUE(isSystemKey(true, false));
    EXPECT_FALSE(isSystemKey(true, true));
    EXPECT_FALSE(isSystemKey(false, false));
}

// The counter runs from boot, like the one on Windows, not from the program's start: the piece
// order is seeded from it.
TEST(SdlBackendTicks, TheTickCounterIsTheSystemsMonotonicClockInMilliseconds) {
    SdlBackend backend;
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const auto expected =
        static_cast<std::uint32_t>(static_cast<std::uint64_t>(now.tv_sec) * 1000u +
                                   static_cast<std::uint64_t>(now.tv_nsec) / 1000000u);
    const auto apart = static_cast<std::int32_t>(backend.ticks() - expected);
    EXPECT_GE(apart, 0);
    EXPECT_LT(apart, 1000);
}

using Codes = std::vector<std::uint32_t>;

// A key release counts in the window that has the keyboard focus at that moment,
// whoever had it when the key went down. SDL on its own reports a release of every held key
// when the focus leaves, and drops the release of a key it did not see pressed.
TEST_F(SdlOnX, AKeyReleaseActsOnlyWhereTheKeyboardFocusIs) {
    key(XK_Escape, true);
    EXPECT_EQ(keyUps(), Codes{}) << "holding a key raises nothing";
    EXPECT_EQ(focusElsewhere(), Codes{}) << "the focus left while the key was held";
    key(XK_Escape, false);
    EXPECT_EQ(keyUps(), Codes{}) << "let go while another window has the focus";

    key(XK_space, true);
    EXPECT_EQ(focusTheWindow(), Codes{});
    key(XK_space, false);
    EXPECT_EQ(keyUps(), Codes{32}) << "pressed elsewhere, let go over the game";
}

TEST_F(SdlOnX, TheKeypadIsArrowsWithNumLockOffAndDigitsWithItOn) {
    ASSERT_NE(XKeysymToKeycode(x_, XK_KP_Left), 0);
    tap(XK_KP_Left);
    EXPECT_EQ(keyUps(), Codes{37});

    tap(XK_Num_Lock);
    tap(XK_KP_Left);
    EXPECT_EQ(keyUps(), Codes{}) << "with NumLock on the keypad gives digits, which raise nothing";
}

// As on Windows, the cursor is shown while the shows counted are at least the hides.
TEST_F(SdlOnX, TheCursorIsHiddenWhileHidesOutnumberShows) {
    const auto shown = [] { return SDL_ShowCursor(SDL_QUERY) == SDL_ENABLE; };
    backend_.showCursor(false);
    backend_.showCursor(false);
    EXPECT_FALSE(shown());
    backend_.showCursor(true);
    EXPECT_FALSE(shown()) << "hidden twice, shown once";
    backend_.showCursor(true);
    EXPECT_TRUE(shown()) << "as many shows as hides";
}

}  // namespace
