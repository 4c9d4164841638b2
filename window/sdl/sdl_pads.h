#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "window/pad_keys.h"

union SDL_Event;

// The gamepads on Linux: SDL's game controllers, whose mapping database names every common
// pad's buttons by their place, told to the window core as keys (window/pad_keys.h).
// Supports: every pad SDL knows as a game controller, those plugged in before the start and
// those plugged in later alike, any number at once. A pad acts only while the game's window has
// the keyboard focus: SDL withholds a pad's presses while no window of the program has it, and
// what a pad held when the focus left, or when it was unplugged, comes back without acting.
// Limits: a pad SDL does not know as a game controller (a bare joystick) is not read.
// Needs: SDL2's game-controller subsystem.
class SdlPads {
  public:
    explicit SdlPads(PadKeys::Tell tell) : keys_(std::move(tell)) {}
    // Closes the pads; stop() must have been called before SDL is shut down.
    ~SdlPads() { stop(); }
    SdlPads(const SdlPads&) = delete;
    SdlPads& operator=(const SdlPads&) = delete;

    // Starts SDL's game controllers; false, with the reason in SDL's words, when it cannot.
    bool start(std::string& why);
    void stop();
    // Takes one of SDL's controller events; any other event is ignored. `focused`: whether the
    // game's window has the keyboard focus.
    void take(const SDL_Event& event, bool focused);
    // The focus left the window: what the pads hold is forgotten.
    void focusLost() { keys_.forgetAll(); }

  private:
    void open(std::int32_t deviceIndex);
    void close(std::int32_t instance);

    PadKeys keys_;
    bool started_ = false;
    std::vector<std::int32_t> open_;  // the pads' SDL_JoystickIDs
};
