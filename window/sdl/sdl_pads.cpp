#include "window/sdl/sdl_pads.h"

#include <algorithm>

#define SDL_MAIN_HANDLED
#include <SDL.h>

namespace {

struct ButtonOfPad {
    std::uint8_t sdl;
    PadButton button;
};

constexpr ButtonOfPad kButtons[] = {
    {SDL_CONTROLLER_BUTTON_A, PadButton::South},
    {SDL_CONTROLLER_BUTTON_B, PadButton::East},
    {SDL_CONTROLLER_BUTTON_BACK, PadButton::Back},
    {SDL_CONTROLLER_BUTTON_DPAD_UP, PadButton::DpadUp},
    {SDL_CONTROLLER_BUTTON_DPAD_DOWN, PadButton::DpadDown},
    {SDL_CONTROLLER_BUTTON_DPAD_LEFT, PadButton::DpadLeft},
    {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, PadButton::DpadRight},
};

// SDL reports an axis from -32768 to 32767.
double stickPosition(Sint16 value) {
    return static_cast<double>(value) / SDL_JOYSTICK_AXIS_MAX;
}

// SDL lets go of everything a pad held as it is unplugged, before it tells of the removal, and
// by then the pad counts as detached: those releases are not the player's.
bool attached(SDL_JoystickID instance) {
    SDL_GameController* pad = SDL_GameControllerFromInstanceID(instance);
    return pad != nullptr && SDL_GameControllerGetAttached(pad) == SDL_TRUE;
}

}  // namespace

bool SdlPads::start(std::string& why) {
    if (started_)
        return true;
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
        why = std::string("SDL_Init(SDL_INIT_GAMECONTROLLER): ") + SDL_GetError();
        return false;
    }
    started_ = true;
    return true;
}

void SdlPads::stop() {
    if (!started_)
        return;
    while (!open_.empty())
        close(open_.back());
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    started_ = false;
}

// SDL tells of every pad present at the start as added, and may tell of one twice.
void SdlPads::open(std::int32_t deviceIndex) {
    SDL_GameController* pad = SDL_GameControllerOpen(deviceIndex);
    if (pad == nullptr)
        return;
    const SDL_JoystickID instance = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pad));
    if (std::find(open_.begin(), open_.end(), instance) != open_.end())
        SDL_GameControllerClose(pad);
    else
        open_.push_back(instance);
}

void SdlPads::close(std::int32_t instance) {
    const auto at = std::find(open_.begin(), open_.end(), instance);
    if (at == open_.end())
        return;
    open_.erase(at);
    keys_.unplug(instance);
    if (SDL_GameController* pad = SDL_GameControllerFromInstanceID(instance))
        SDL_GameControllerClose(pad);
}

void SdlPads::take(const SDL_Event& event, bool focused) {
    switch (event.type) {
        case SDL_CONTROLLERDEVICEADDED:
            open(event.cdevice.which);
            break;
        case SDL_CONTROLLERDEVICEREMOVED:
            close(event.cdevice.which);
            break;
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP:
            if (!focused || !attached(event.cbutton.which))
                break;
            for (const ButtonOfPad& known : kButtons) {
                if (known.sdl == event.cbutton.button)
                    keys_.button(event.cbutton.which, known.button,
                                 event.type == SDL_CONTROLLERBUTTONDOWN);
            }
            break;
        case SDL_CONTROLLERAXISMOTION:
            if (!focused || !attached(event.caxis.which))
                break;
            if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX)
                keys_.axis(event.caxis.which, PadAxis::StickX, stickPosition(event.caxis.value));
            else if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY)
                keys_.axis(event.caxis.which, PadAxis::StickY, stickPosition(event.caxis.value));
            break;
        default:
            break;
    }
}
