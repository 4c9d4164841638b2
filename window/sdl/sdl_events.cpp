#include "window/sdl/sdl_events.h"

#define SDL_MAIN_HANDLED
#include <SDL.h>

#include "window/sdl/sdl_keys.h"
#include "window/sdl/tick_counter.h"

namespace {

KeyFacts factsOf(const SDL_KeyboardEvent& key) {
    const bool shift = (key.keysym.mod & KMOD_SHIFT) != 0;
    KeyFacts facts;
    facts.virtualKey = virtualKeyFor(key.keysym.sym, (key.keysym.mod & KMOD_NUM) != 0 && !shift);
    facts.scanCode = static_cast<std::uint32_t>(key.keysym.scancode);
    facts.down = key.type == SDL_KEYDOWN;
    facts.repeat = key.repeat != 0;
    facts.alt = (key.keysym.mod & KMOD_ALT) != 0;
    facts.ctrl = (key.keysym.mod & KMOD_CTRL) != 0;
    return facts;
}

std::uintptr_t activation(SDL_Window* window, std::uintptr_t state) {
    const bool minimised = window != nullptr && (SDL_GetWindowFlags(window) & SDL_WINDOW_MINIMIZED);
    return state | (minimised ? std::uintptr_t{1} << 16 : 0);
}

std::vector<WindowMessage> windowMessages(const SDL_WindowEvent& event) {
    SDL_Window* window = SDL_GetWindowFromID(event.windowID);
    switch (event.event) {
        case SDL_WINDOWEVENT_CLOSE:
            return {messageTo(window, MessageId::SysCommand, SystemCommand::Close)};
        case SDL_WINDOWEVENT_MINIMIZED:
            return {messageTo(window, MessageId::Activate,
                              ActivateState::Inactive | std::uintptr_t{1} << 16),
                    messageTo(window, MessageId::Size, 1)};
        case SDL_WINDOWEVENT_RESTORED:
            return {messageTo(window, MessageId::Activate, ActivateState::Active),
                    messageTo(window, MessageId::Size, 0)};
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            return {
                messageTo(window, MessageId::Activate, activation(window, ActivateState::Active))};
        case SDL_WINDOWEVENT_FOCUS_LOST:
            return {messageTo(window, MessageId::Activate,
                              activation(window, ActivateState::Inactive))};
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            return {messageTo(window, MessageId::Size, 0,
                              (event.data1 & 0xFFFF) | ((event.data2 & 0xFFFF) << 16))};
        default:
            return {};
    }
}

}  // namespace

std::vector<WindowMessage> keyMessages(SDL_Window* window, const KeyFacts& key) {
    if (key.virtualKey == 0)
        return {};
    const bool system = arrivesAsSystemKey(key.virtualKey, key.alt, key.ctrl);
    std::uint32_t id = key.down ? MessageId::KeyDown : MessageId::KeyUp;
    if (system)
        id = key.down ? MessageId::SysKeyDown : MessageId::SysKeyUp;
    std::intptr_t lParam = 1 | (static_cast<std::intptr_t>(key.scanCode & 0xFF) << 16);
    if (key.alt)
        lParam |= KeyFlag::AltDown;
    if (!key.down || key.repeat)
        lParam |= KeyFlag::WasDown;
    if (!key.down)
        lParam |= KeyFlag::Released;
    return {messageTo(window, id, key.virtualKey, lParam)};
}

std::vector<WindowMessage> messagesFor(const SDL_Event& event) {
    switch (event.type) {
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            return keyMessages(SDL_GetWindowFromID(event.key.windowID), factsOf(event.key));
        case SDL_WINDOWEVENT:
            return windowMessages(event.window);
        default:
            return {};
    }
}

WindowMessage messageTo(SDL_Window* window, std::uint32_t id, std::uintptr_t wParam,
                        std::intptr_t lParam) {
    WindowMessage message;
    message.window = reinterpret_cast<WindowHandle>(window);
    message.id = id;
    message.wParam = wParam;
    message.lParam = lParam;
    message.time = systemTickCount();
    return message;
}
