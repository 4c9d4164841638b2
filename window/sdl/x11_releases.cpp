#include "window/sdl/x11_releases.h"

#define SDL_MAIN_HANDLED
#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/XKBlib.h>
#include <X11/keysym.h>

#include "window/sdl/sdl_keys.h"

namespace {

// The keypad gives digits with NumLock on and Shift up, as on Windows. NumLock's modifier bit
// depends on the keyboard map, so the server's map is asked.
bool keypadGivesDigits(const XKeyEvent& key) {
    const unsigned int numLock = XkbKeysymToModifiers(key.display, XK_Num_Lock);
    return numLock != 0 && (key.state & numLock) != 0 && (key.state & ShiftMask) == 0;
}

KeyFacts factsOf(const XKeyEvent& key) {
    const auto keycode = static_cast<KeyCode>(key.keycode);
    const int group = static_cast<int>((key.state >> 13) & 3);
    KeyFacts facts;
    facts.virtualKey = virtualKeyForKeysyms(XkbKeycodeToKeysym(key.display, keycode, group, 0),
                                            XkbKeycodeToKeysym(key.display, keycode, group, 1),
                                            keypadGivesDigits(key));
    // X key codes are the PC scan codes plus 8.
    facts.scanCode = key.keycode >= 8 ? key.keycode - 8 : 0;
    facts.alt = (key.state & Mod1Mask) != 0;
    facts.ctrl = (key.state & ControlMask) != 0;
    return facts;
}

}  // namespace

void takeX11Events() {
    SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
}

unsigned long x11WindowOf(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (window == nullptr || SDL_GetWindowWMInfo(window, &info) != SDL_TRUE ||
        info.subsystem != SDL_SYSWM_X11) {
        return 0;
    }
    return info.info.x11.window;
}

bool readX11KeyRelease(const SDL_Event& event, X11KeyRelease& release) {
    if (event.type != SDL_SYSWMEVENT || event.syswm.msg == nullptr ||
        event.syswm.msg->subsystem != SDL_SYSWM_X11) {
        return false;
    }
    const XEvent& xEvent = event.syswm.msg->msg.x11.event;
    if (xEvent.type != KeyRelease)
        return false;
    release.xWindow = xEvent.xkey.window;
    release.key = factsOf(xEvent.xkey);
    return true;
}
