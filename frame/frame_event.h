#pragma once

#include <cstdint>

// The three events through which the window drives the game. Keys reach the game only when
// they are released.
enum FrameEvent : std::int32_t {
    Draw = 1,   // argument 0
    KeyUp = 2,  // argument: the virtual-key code of the released key
    Idle = 3,   // argument: milliseconds since the previous loop turn
};

// Virtual-key codes the game acts on; every platform delivers these numbers for these keys.
namespace VirtualKey {
inline constexpr std::int32_t Escape = 27;
inline constexpr std::int32_t Space = 32;
inline constexpr std::int32_t Left = 37;
inline constexpr std::int32_t Up = 38;
inline constexpr std::int32_t Right = 39;
inline constexpr std::int32_t Down = 40;
}  // namespace VirtualKey

// Called by the window for every frame event, with the user data given to setCallback. Only
// the answer to KeyUp counts: false asks the window to quit.
using FrameCallback = bool (*)(std::int32_t event, std::int32_t argument, void* userData);
