// What the SDL backend makes of key and window events: the same messages, with the same
// virtual-key codes, as the window gets on Windows. Needs no display.
#define SDL_MAIN_HANDLED
#include <SDL.h>
#include <gtest/gtest.h>

#include "window/sdl/sdl_events.h"
#include "window/sdl/sdl_keys.h"

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
    EXPECT_EQ(virtualKeyFor(SDLK_ESCAPE), 27u);
    EXPECT_EQ(virtualKeyFor(SDLK_SPACE), 32u);
    EXPECT_EQ(virtualKeyFor(SDLK_LEFT), 37u);
    EXPECT_EQ(virtualKeyFor(SDLK_UP), 38u);
    EXPECT_EQ(virtualKeyFor(SDLK_RIGHT), 39u);
    EXPECT_EQ(virtualKeyFor(SDLK_DOWN), 40u);
}

TEST(SdlKeys, LettersDigitsAndFunctionKeysHaveTheUsualCodes) {
    EXPECT_EQ(virtualKeyFor(SDLK_a), 0x41u);
    EXPECT_EQ(virtualKeyFor(SDLK_z), 0x5Au);
    EXPECT_EQ(virtualKeyFor(SDLK_0), 0x30u);
    EXPECT_EQ(virtualKeyFor(SDLK_9), 0x39u);
    EXPECT_EQ(virtualKeyFor(SDLK_RETURN), 13u);
    EXPECT_EQ(virtualKeyFor(SDLK_KP_ENTER), 13u);
    EXPECT_EQ(virtualKeyFor(SDLK_TAB), 9u);
    EXPECT_EQ(virtualKeyFor(SDLK_F1), 0x70u);
    EXPECT_EQ(virtualKeyFor(SDLK_F10), 0x79u);
    EXPECT_EQ(virtualKeyFor(SDLK_F12), 0x7Bu);
    EXPECT_EQ(virtualKeyFor(SDLK_KP_0), 0x60u);
    EXPECT_EQ(virtualKeyFor(SDLK_KP_9), 0x69u);
    EXPECT_EQ(virtualKeyFor(SDLK_LSHIFT), 0x10u);
    EXPECT_EQ(virtualKeyFor(SDLK_RALT), 0x12u);
    EXPECT_EQ(virtualKeyFor(SDLK_UNKNOWN), 0u);
    EXPECT_EQ(virtualKeyFor(SDLK_AUDIOPLAY), 0u);
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

}  // namespace
