#pragma once

#define SDL_MAIN_HANDLED
#include <SDL.h>

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
