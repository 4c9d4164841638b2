// The SDL backend's events: SDL's own, the X server's key events, the pads' (sdl_pads.h) and the
// close signals, each
// told to the window core as soon as it is taken.
#include "window/sdl/sdl_backend.h"

#define SDL_MAIN_HANDLED
#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/XKBlib.h>
#include <X11/keysym.h>

#include "window/sdl/key_codes.h"
#include "window/system_key.h"
#include "window/x11_posix/close_signals.h"

namespace {

using Kind = WindowEvent::Kind;

// NumLock's modifier bit depends on the keyboard map, so the server's map is asked.
bool keypadGivesDigits(const XKeyEvent& key) {
    const unsigned int numLock = XkbKeysymToModifiers(key.display, XK_Num_Lock);
    return numLock != 0 && (key.state & numLock) != 0 && (key.state & ShiftMask) == 0;
}

std::uint32_t virtualKeyOf(const XKeyEvent& key) {
    const auto keycode = static_cast<KeyCode>(key.keycode);
    const int group = static_cast<int>((key.state >> 13) & 3);
    return virtualKeyForX(XkbKeycodeToKeysym(key.display, keycode, group, 0),
                          XkbKeycodeToKeysym(key.display, keycode, group, 1),
                          keypadGivesDigits(key));
}

bool minimised(SDL_Window* window) {
    return window != nullptr && (SDL_GetWindowFlags(window) & SDL_WINDOW_MINIMIZED) != 0;
}

}  // namespace

bool SdlBackend::pumpEvents() {
    if (CloseSignals::takeRequest())
        tell({Kind::Close, 0, false});
    SDL_Event event;
    while (videoStarted_ && !quitRequested_ && SDL_PollEvent(&event) != 0)
        take(event);
    return !quitRequested_;
}

void SdlBackend::tell(const WindowEvent& event) {
    if (listener_ != nullptr)
        listener_->onWindowEvent(event);
}

void SdlBackend::take(const SDL_Event& event) {
    switch (event.type) {
        case SDL_QUIT:
            tell({Kind::Close, 0, false});
            break;
        case SDL_SYSWMEVENT:
            takeXKey(event);
            break;
        case SDL_KEYDOWN:
        case SDL_KEYUP: {
            const SDL_Keysym& key = event.key.keysym;
            const bool digits = (key.mod & KMOD_NUM) != 0 && (key.mod & KMOD_SHIFT) == 0;
            const std::uint32_t code = virtualKeyForSdl(key.sym, digits);
            if (keysFromX_ || code == 0 ||
                isSystemKey((key.mod & KMOD_ALT) != 0, (key.mod & KMOD_CTRL) != 0)) {
                break;
            }
            tell({event.type == SDL_KEYDOWN ? Kind::KeyDown : Kind::KeyUp, code, false});
            break;
        }
        case SDL_CONTROLLERDEVICEADDED:
        case SDL_CONTROLLERDEVICEREMOVED:
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP:
        case SDL_CONTROLLERAXISMOTION:
            pads_.take(event, focused_);
            break;
        case SDL_WINDOWEVENT: {
            SDL_Window* window = SDL_GetWindowFromID(event.window.windowID);
            switch (event.window.event) {
                case SDL_WINDOWEVENT_CLOSE:
                    tell({Kind::Close, 0, false});
                    break;
                case SDL_WINDOWEVENT_MINIMIZED:
                    tell({Kind::Activate, 0, true});
                    break;
                case SDL_WINDOWEVENT_RESTORED:
                    tell({Kind::Activate, 0, false});
                    break;
                case SDL_WINDOWEVENT_FOCUS_GAINED:
                case SDL_WINDOWEVENT_FOCUS_LOST:
                    focused_ = event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED;
                    if (!focused_)
                        pads_.focusLost();
                    tell({Kind::Activate, 0, minimised(window)});
                    break;
                default:
                    break;
            }
            break;
        }
        default:
            break;
    }
}

// A key the X server delivered to the game's window, where the keyboard focus was. SDL passes
// on its system's events only where it runs on X (start() asks for them there).
void SdlBackend::takeXKey(const SDL_Event& event) {
    if (event.syswm.msg == nullptr)
        return;
    const XEvent& x = event.syswm.msg->msg.x11.event;
    if ((x.type != KeyPress && x.type != KeyRelease) || xWindow_ == 0 || x.xkey.window != xWindow_)
        return;
    const std::uint32_t code = virtualKeyOf(x.xkey);
    if (code == 0 || isSystemKey((x.xkey.state & Mod1Mask) != 0, (x.xkey.state & ControlMask) != 0))
        return;
    tell({x.type == KeyPress ? Kind::KeyDown : Kind::KeyUp, code, false});
}
