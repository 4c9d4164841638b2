// What the SDL backend makes of key and window events: the same messages, with the same
// virtual-key codes, as the window gets on Windows. The last group runs SDL against a real X
// server (a private Xvfb).
#define SDL_MAIN_HANDLED
#include <EGL/egl.h>
#include <SDL.h>
#include <gtest/gtest.h>
#include <time.h>
// After gtest: Xlib defines macros (None, Bool) that gtest uses as names.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <cstdlib>

#include "tests/support/virtual_display.h"
#include "window/sdl/sdl_events.h"
#include "window/sdl/sdl_keys.h"
#include "window/sdl/sdl_platform.h"

namespace {

SDL_Event keyEvent(Uint32 type, SDL_Keycode key, Uint16 mod = KMOD_NONE, Uint8 repeat = 0) {
    SDL_Event event{};
    event.key.type = type;
    event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.key.repeat = repeat;
    event.key.keysym.sym = key;
    event.key.keysym.mod = mod;
    return event;
}

WindowMessage only(const std::vector<WindowMessage>& messages) {
    EXPECT_EQ(messages.size(), 1u);
    return messages.empty() ? WindowMessage{} : messages[0];
}

TEST(SdlKeys, TheGamesKeysHaveTheirVirtualKeyCodes) {
    EXPECT_EQ(virtualKeyFor(SDLK_ESCAPE, false), 27u);
    EXPECT_EQ(virtualKeyFor(SDLK_SPACE, false), 32u);
    EXPECT_EQ(virtualKeyFor(SDLK_LEFT, false), 37u);
    EXPECT_EQ(virtualKeyFor(SDLK_UP, false), 38u);
    EXPECT_EQ(virtualKeyFor(SDLK_RIGHT, false), 39u);
    EXPECT_EQ(virtualKeyFor(SDLK_DOWN, false), 40u);
}

TEST(SdlKeys, LettersDigitsAndFunctionKeysHaveTheUsualCodes) {
    EXPECT_EQ(virtualKeyFor(SDLK_a, false), 0x41u);
    EXPECT_EQ(virtualKeyFor(SDLK_z, false), 0x5Au);
    EXPECT_EQ(virtualKeyFor(SDLK_0, false), 0x30u);
    EXPECT_EQ(virtualKeyFor(SDLK_9, false), 0x39u);
    EXPECT_EQ(virtualKeyFor(SDLK_RETURN, false), 13u);
    EXPECT_EQ(virtualKeyFor(SDLK_KP_ENTER, false), 13u);
    EXPECT_EQ(virtualKeyFor(SDLK_TAB, false), 9u);
    EXPECT_EQ(virtualKeyFor(SDLK_F1, false), 0x70u);
    EXPECT_EQ(virtualKeyFor(SDLK_F10, false), 0x79u);
    EXPECT_EQ(virtualKeyFor(SDLK_F12, false), 0x7Bu);
    EXPECT_EQ(virtualKeyFor(SDLK_KP_0, true), 0x60u);
    EXPECT_EQ(virtualKeyFor(SDLK_KP_9, true), 0x69u);
    EXPECT_EQ(virtualKeyFor(SDLK_LSHIFT, false), 0x10u);
    EXPECT_EQ(virtualKeyFor(SDLK_RALT, false), 0x12u);
    EXPECT_EQ(virtualKeyFor(SDLK_UNKNOWN, false), 0u);
    EXPECT_EQ(virtualKeyFor(SDLK_AUDIOPLAY, false), 0u);
}

// With NumLock off the keypad is a second set of arrows and navigation keys; with NumLock on,
// and Shift up, its digits. Both key tables agree, position by position.
TEST(SdlKeys, TheKeypadGivesNavigationKeysWithNumLockOffAndDigitsWithItOn) {
    const SDL_Keycode sdl[] = {SDLK_KP_0, SDLK_KP_1, SDLK_KP_2, SDLK_KP_3, SDLK_KP_4,     SDLK_KP_5,
                               SDLK_KP_6, SDLK_KP_7, SDLK_KP_8, SDLK_KP_9, SDLK_KP_PERIOD};
    const unsigned long plainX[] = {XK_KP_Insert, XK_KP_End,   XK_KP_Down,  XK_KP_Next,
                                    XK_KP_Left,   XK_KP_Begin, XK_KP_Right, XK_KP_Home,
                                    XK_KP_Up,     XK_KP_Prior, XK_KP_Delete};
    const unsigned long shiftedX[] = {XK_KP_0, XK_KP_1, XK_KP_2, XK_KP_3, XK_KP_4,      XK_KP_5,
                                      XK_KP_6, XK_KP_7, XK_KP_8, XK_KP_9, XK_KP_Decimal};
    const std::uint32_t navigation[] = {45, 35, 40, 34, 37, 12, 39, 36, 38, 33, 46};
    const std::uint32_t digits[] = {96, 97, 98, 99, 100, 101, 102, 103, 104, 105, 110};
    for (int i = 0; i <= kKeypadDecimalPosition; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(virtualKeyFor(sdl[i], false), navigation[i]);
        EXPECT_EQ(virtualKeyFor(sdl[i], true), digits[i]);
        EXPECT_EQ(virtualKeyForKeysyms(plainX[i], shiftedX[i], false), navigation[i]);
        EXPECT_EQ(virtualKeyForKeysyms(plainX[i], shiftedX[i], true), digits[i]);
    }
    // NumLock comes with the event; Shift turns the digits back into navigation keys.
    EXPECT_EQ(only(messagesFor(keyEvent(SDL_KEYUP, SDLK_KP_4))).wParam, 37u);
    EXPECT_EQ(only(messagesFor(keyEvent(SDL_KEYUP, SDLK_KP_4, KMOD_NUM))).wParam, 100u);
    EXPECT_EQ(only(messagesFor(keyEvent(SDL_KEYUP, SDLK_KP_4, KMOD_NUM | KMOD_LSHIFT))).wParam,
              37u);
}

TEST(SdlKeys, KeysAsTheXServerNamesThemHaveTheSameCodes) {
    EXPECT_EQ(virtualKeyForKeysyms(XK_Escape, NoSymbol, false), 27u);
    EXPECT_EQ(virtualKeyForKeysyms(XK_space, NoSymbol, false), 32u);
    EXPECT_EQ(virtualKeyForKeysyms(XK_Left, NoSymbol, false), 37u);
    EXPECT_EQ(virtualKeyForKeysyms(XK_Up, NoSymbol, false), 38u);
    EXPECT_EQ(virtualKeyForKeysyms(XK_Right, NoSymbol, false), 39u);
    EXPECT_EQ(virtualKeyForKeysyms(XK_Down, NoSymbol, false), 40u);
    EXPECT_EQ(virtualKeyForKeysyms(XK_q, XK_Q, false), 0x51u);
    EXPECT_EQ(virtualKeyForKeysyms(XK_1, XK_exclam, true), 0x31u);
    EXPECT_EQ(virtualKeyForKeysyms(XK_F10, NoSymbol, false), 0x79u);
    EXPECT_EQ(virtualKeyForKeysyms(XK_F24, NoSymbol, false), 0x87u);
    EXPECT_EQ(virtualKeyForKeysyms(XK_KP_Enter, NoSymbol, true), 13u);
    EXPECT_EQ(virtualKeyForKeysyms(XK_Alt_L, XK_Meta_L, false), 0x12u);
    EXPECT_EQ(virtualKeyForKeysyms(XK_VoidSymbol, NoSymbol, false), 0u);
}

// The counter runs from boot, like the one on Windows, not from the program's start: the piece
// order is seeded from it.
TEST(SdlPlatformTicks, TheTickCounterIsTheSystemsMonotonicClockInMilliseconds) {
    SdlPlatform platform;
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const auto expected =
        static_cast<std::uint32_t>(static_cast<std::uint64_t>(now.tv_sec) * 1000u +
                                   static_cast<std::uint64_t>(now.tv_nsec) / 1000000u);
    const auto apart = static_cast<std::int32_t>(platform.tickCount() - expected);
    EXPECT_GE(apart, 0);
    EXPECT_LT(apart, 1000);
    EXPECT_LT(static_cast<std::int32_t>(messageTo(nullptr, MessageId::Size).time - expected), 1000);
}

TEST(SdlEvents, ARepeatedPressIsARepeatedKeyDownAndTheReleaseOneKeyUp) {
    const WindowMessage first = only(messagesFor(keyEvent(SDL_KEYDOWN, SDLK_LEFT)));
    EXPECT_EQ(first.id, MessageId::KeyDown);
    EXPECT_EQ(first.wParam, 37u);
    EXPECT_EQ(first.lParam & KeyFlag::WasDown, 0);
    const WindowMessage repeat = only(messagesFor(keyEvent(SDL_KEYDOWN, SDLK_LEFT, 0, 1)));
    EXPECT_EQ(repeat.id, MessageId::KeyDown);
    EXPECT_NE(repeat.lParam & KeyFlag::WasDown, 0);
    const WindowMessage release = only(messagesFor(keyEvent(SDL_KEYUP, SDLK_LEFT)));
    EXPECT_EQ(release.id, MessageId::KeyUp);
    EXPECT_EQ(release.wParam, 37u);
}

TEST(SdlEvents, AltCombinationsAndF10ArriveAsSystemKeys) {
    EXPECT_EQ(only(messagesFor(keyEvent(SDL_KEYUP, SDLK_LEFT, KMOD_LALT))).id, MessageId::SysKeyUp);
    EXPECT_EQ(only(messagesFor(keyEvent(SDL_KEYDOWN, SDLK_F4, KMOD_RALT))).id,
              MessageId::SysKeyDown);
    EXPECT_EQ(only(messagesFor(keyEvent(SDL_KEYUP, SDLK_F10))).id, MessageId::SysKeyUp);
    EXPECT_EQ(only(messagesFor(keyEvent(SDL_KEYUP, SDLK_LALT))).id, MessageId::SysKeyUp);
    // Ctrl+Alt is AltGr on many layouts: an ordinary key.
    EXPECT_EQ(only(messagesFor(keyEvent(SDL_KEYUP, SDLK_q, KMOD_LALT | KMOD_LCTRL))).id,
              MessageId::KeyUp);
}

TEST(SdlEvents, KeysWithoutACodeAndOtherEventsMakeNoMessage) {
    EXPECT_TRUE(messagesFor(keyEvent(SDL_KEYUP, SDLK_AUDIOPLAY)).empty());
    SDL_Event motion{};
    motion.type = SDL_MOUSEMOTION;
    EXPECT_TRUE(messagesFor(motion).empty());
}

TEST(SdlEvents, TheCloseControlIsTheCloseCommand) {
    SDL_Event close{};
    close.window.type = SDL_WINDOWEVENT;
    close.window.event = SDL_WINDOWEVENT_CLOSE;
    const WindowMessage message = only(messagesFor(close));
    EXPECT_EQ(message.id, MessageId::SysCommand);
    EXPECT_EQ(message.wParam, SystemCommand::Close);
}

TEST(SdlEvents, MinimisingDeactivatesWithTheMinimisedFlag) {
    SDL_Event minimised{};
    minimised.window.type = SDL_WINDOWEVENT;
    minimised.window.event = SDL_WINDOWEVENT_MINIMIZED;
    const std::vector<WindowMessage> messages = messagesFor(minimised);
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages[0].id, MessageId::Activate);
    EXPECT_NE(messages[0].wParam >> 16, 0u);
}

MessageResult ignoreMessage(WindowHandle, std::uint32_t, std::uintptr_t, std::intptr_t) {
    return 0;
}

// The test main keeps its offscreen context current for the drawing tests; GLX will not make
// SDL's context current beside it, so it is set aside while SDL has a window.
class OffscreenContextSetAside {
  public:
    OffscreenContextSetAside() {
        eglMakeCurrent(display_, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    }
    ~OffscreenContextSetAside() { eglMakeCurrent(display_, draw_, read_, context_); }
    OffscreenContextSetAside(const OffscreenContextSetAside&) = delete;
    OffscreenContextSetAside& operator=(const OffscreenContextSetAside&) = delete;

  private:
    EGLDisplay display_ = eglGetCurrentDisplay();
    EGLContext context_ = eglGetCurrentContext();
    EGLSurface draw_ = eglGetCurrentSurface(EGL_DRAW);
    EGLSurface read_ = eglGetCurrentSurface(EGL_READ);
};

// SDL and a real X server: a small game window and another window elsewhere to move the
// keyboard focus to. Keys are pressed and let go with XTest, as a keyboard would.
class SdlOnX : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(display_.name().empty()) << "Xvfb did not start";
        setenv("DISPLAY", display_.name().c_str(), 1);
        x_ = XOpenDisplay(nullptr);
        ASSERT_NE(x_, nullptr);
        WindowClassDesc windowClass;
        windowClass.className = "keys";
        windowClass.procedure = ignoreMessage;
        ASSERT_TRUE(platform_.registerClass(windowClass));
        WindowDesc desc;
        desc.className = "keys";
        desc.title = "keys";
        desc.style = WindowStyle::SysMenu;
        desc.width = 200;
        desc.height = 100;
        window_ = platform_.createWindow(desc);
        ASSERT_NE(window_, nullptr);
        platform_.showWindow(window_, ShowCommand::Show);
        elsewhere_ = XCreateSimpleWindow(x_, DefaultRootWindow(x_), 400, 300, 100, 100, 0, 0, 0);
        XMapWindow(x_, elsewhere_);
        XSync(x_, False);
        focusTheWindow();
    }

    void TearDown() override {
        if (x_ != nullptr)
            XCloseDisplay(x_);
    }

    // Each answers the key releases that reached the window as the focus moved.
    std::vector<std::uintptr_t> focusTheWindow() {
        platform_.setFocus(window_);
        return keyUps();
    }

    std::vector<std::uintptr_t> focusElsewhere() {
        XSetInputFocus(x_, elsewhere_, RevertToParent, CurrentTime);
        XSync(x_, False);
        return keyUps();
    }

    void key(KeySym keysym, bool press) {
        XTestFakeKeyEvent(x_, XKeysymToKeycode(x_, keysym), press ? True : False, CurrentTime);
        XSync(x_, False);
    }

    // The virtual-key codes of the key releases that reach the window within a short while.
    std::vector<std::uintptr_t> keyUps() {
        std::vector<std::uintptr_t> codes;
        const Uint32 end = SDL_GetTicks() + 300;
        while (SDL_TICKS_PASSED(SDL_GetTicks(), end) == SDL_FALSE) {
            WindowMessage message;
            while (platform_.peekMessage(message, nullptr, 0, 0, PeekFlag::Remove)) {
                if (message.id == MessageId::KeyUp)
                    codes.push_back(message.wParam);
            }
            SDL_Delay(10);
        }
        return codes;
    }

    OffscreenContextSetAside setAside_;
    VirtualDisplay display_;
    Display* x_ = nullptr;
    SdlPlatform platform_;
    WindowHandle window_ = nullptr;
    Window elsewhere_ = 0;
};

using Codes = std::vector<std::uintptr_t>;

// Windows delivers a key release to the window that has the keyboard focus at that moment,
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
    const KeyCode keypad4 = XKeysymToKeycode(x_, XK_KP_Left);
    ASSERT_NE(keypad4, 0);
    XTestFakeKeyEvent(x_, keypad4, True, CurrentTime);
    XTestFakeKeyEvent(x_, keypad4, False, CurrentTime);
    XSync(x_, False);
    EXPECT_EQ(keyUps(), Codes{37});

    key(XK_Num_Lock, true);
    key(XK_Num_Lock, false);
    XTestFakeKeyEvent(x_, keypad4, True, CurrentTime);
    XTestFakeKeyEvent(x_, keypad4, False, CurrentTime);
    XSync(x_, False);
    EXPECT_EQ(keyUps(), (Codes{0x90, 100}));
}

}  // namespace
