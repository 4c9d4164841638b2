#pragma once

#define SDL_MAIN_HANDLED
#include <SDL.h>

#include "window/pad_keys.h"

// SDL's virtual joystick as a gamepad, for tests on machines without one. SDL's joystick
// subsystem must be running (the SDL backend starts it).
// A pad SDL maps by itself: its buttons and axes are SDL's controller buttons and axes, in
// SDL's order.
class VirtualPad {
  public:
    VirtualPad() {
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        desc.name = "test pad";
        const int index = SDL_JoystickAttachVirtualEx(&desc);
        if (index >= 0)
            joystick_ = SDL_JoystickOpen(index);
    }
    ~VirtualPad() {
        unplug();
        if (joystick_ != nullptr)
            SDL_JoystickClose(joystick_);
    }
    VirtualPad(const VirtualPad&) = delete;
    VirtualPad& operator=(const VirtualPad&) = delete;

    bool plugged() const { return joystick_ != nullptr && !unplugged_; }
    void button(SDL_GameControllerButton button, bool down) {
        SDL_JoystickSetVirtualButton(joystick_, button, down ? 1 : 0);
    }
    // From -1 to 1.
    void axis(SDL_GameControllerAxis axis, double position) {
        SDL_JoystickSetVirtualAxis(joystick_, axis, static_cast<Sint16>(position * 32767));
    }
    // The game's controls: the south and east face buttons are SDL's A and B.
    void button(PadButton button, bool down) {
        constexpr SDL_GameControllerButton kSdl[] = {
            SDL_CONTROLLER_BUTTON_A,         SDL_CONTROLLER_BUTTON_B,
            SDL_CONTROLLER_BUTTON_BACK,      SDL_CONTROLLER_BUTTON_DPAD_UP,
            SDL_CONTROLLER_BUTTON_DPAD_DOWN, SDL_CONTROLLER_BUTTON_DPAD_LEFT,
            SDL_CONTROLLER_BUTTON_DPAD_RIGHT};
        this->button(kSdl[static_cast<int>(button)], down);
    }
    void axis(PadAxis axis, double position) {
        this->axis(axis == PadAxis::StickX ? SDL_CONTROLLER_AXIS_LEFTX : SDL_CONTROLLER_AXIS_LEFTY,
                   position);
    }
    void unplug() {
        if (joystick_ == nullptr || unplugged_)
            return;
        unplugged_ = true;
        const SDL_JoystickID instance = SDL_JoystickInstanceID(joystick_);
        for (int index = 0; index < SDL_NumJoysticks(); ++index) {
            if (SDL_JoystickGetDeviceInstanceID(index) == instance)
                SDL_JoystickDetachVirtual(index);
        }
    }

  private:
    SDL_Joystick* joystick_ = nullptr;
    bool unplugged_ = false;
};
