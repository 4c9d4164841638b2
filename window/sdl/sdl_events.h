#pragma once

#include <vector>

#include "window/platform_types.h"

union SDL_Event;
struct SDL_Window;

// The window messages an SDL event stands for, as the window would receive them on Windows:
// keys with their virtual-key codes (repeats as repeated key-downs, Alt combinations and F10
// as system keys), the close control as the close command, minimising and focus changes as
// activation, size changes, and a request to end the session as a close message.
std::vector<WindowMessage> messagesFor(const SDL_Event& event);

// One message for a window, stamped with SDL's clock as the system stamps its own.
WindowMessage messageTo(SDL_Window* window, std::uint32_t id, std::uintptr_t wParam = 0,
                        std::intptr_t lParam = 0);
