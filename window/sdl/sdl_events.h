#pragma once

#include <cstdint>
#include <vector>

#include "window/platform_types.h"

union SDL_Event;
struct SDL_Window;

// What a key event says, whichever source it came from (SDL, or the X server itself).
struct KeyFacts {
    std::uint32_t virtualKey = 0;  // 0: a key with no virtual-key code, which makes no message
    std::uint32_t scanCode = 0;
    bool down = false;
    bool repeat = false;
    bool alt = false;
    bool ctrl = false;
};

// The message a key event is on Windows: a key-down or key-up with its virtual-key code
// (repeats as repeated key-downs), Alt combinations and F10 as system keys. Empty for a key
// without a code.
std::vector<WindowMessage> keyMessages(SDL_Window* window, const KeyFacts& key);

// The window messages an SDL event stands for, as the window would receive them on Windows:
// keys, the close control as the close command, minimising and focus changes as activation,
// size changes.
std::vector<WindowMessage> messagesFor(const SDL_Event& event);

// One message for a window, stamped with the tick counter as the system stamps its own.
WindowMessage messageTo(SDL_Window* window, std::uint32_t id, std::uintptr_t wParam = 0,
                        std::intptr_t lParam = 0);
