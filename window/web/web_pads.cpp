// The web backend's pads: the Gamepad API, sampled once per turn of the loop, before the turn's
// frame, so a pad connected at any time is read from its first sample on. Nothing is sampled
// before the browser has announced a pad (gamepadconnected): each sample is a new array in
// JavaScript, garbage at every frame for a player without one.
// Supports: pads only while the page has the focus, as keys.
// Limits: a browser that refuses the page its pads (a permissions policy) leaves them off for
// the visit; the game plays on without them.
// Needs: Emscripten's html5.h (navigator.getGamepads underneath).
#include <emscripten/html5.h>

#include <algorithm>
#include <cstring>

#include "window/web/web_backend.h"
#include "window/web/web_page.h"

namespace {

// A browser without the Gamepad API has no pads; one that refuses them would throw out of the
// turn at every sample, so it is asked once.
std::vector<PadSample> samplePads() {
    static const bool allowed = WebPage::gamepadsAllowed();
    std::vector<PadSample> pads;
    if (!allowed || emscripten_sample_gamepad_data() != EMSCRIPTEN_RESULT_SUCCESS)
        return pads;
    const int count = emscripten_get_num_gamepads();
    for (int index = 0; index < count; ++index) {
        EmscriptenGamepadEvent status{};
        if (emscripten_get_gamepad_status(index, &status) != EMSCRIPTEN_RESULT_SUCCESS ||
            status.connected == 0) {
            continue;
        }
        PadSample pad;
        pad.index = index;
        pad.standard = std::strcmp(status.mapping, "standard") == 0;
        const int buttons = std::min(status.numButtons, static_cast<int>(PadSample::kButtons));
        for (int button = 0; button < buttons; ++button)
            pad.pressed[button] = status.digitalButton[button] != 0;
        for (int axis = 0; axis < std::min(status.numAxes, 2); ++axis)
            pad.stick[axis] = status.axis[axis];
        pads.push_back(pad);
    }
    return pads;
}

}  // namespace

void WebBackend::readPads() {
    if (!padConnected_)
        return;
    if (windowOpen_ && WebPage::hasFocus())
        pads_.read(samplePads());
    else
        pads_.focusLost();
}
