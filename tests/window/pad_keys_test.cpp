// What a pad's controls raise as keys: each control acts on its release, the stick once per
// push with hysteresis, and nothing from a pad that is unplugged or forgotten mid-push.
#include "window/pad_keys.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

using Codes = std::vector<std::uint32_t>;

struct Step {
    enum Kind { Button, Axis, Unplug, Forget } kind;
    std::int32_t pad;
    PadButton button;
    PadAxis axis;
    double value;  // Button: 1 down, 0 up; Axis: the position
};

Step press(PadButton b, std::int32_t pad = 0) {
    return {Step::Button, pad, b, PadAxis::StickX, 1};
}
Step letGo(PadButton b, std::int32_t pad = 0) {
    return {Step::Button, pad, b, PadAxis::StickX, 0};
}
Step stickX(double x, std::int32_t pad = 0) {
    return {Step::Axis, pad, PadButton::South, PadAxis::StickX, x};
}
Step stickY(double y, std::int32_t pad = 0) {
    return {Step::Axis, pad, PadButton::South, PadAxis::StickY, y};
}
Step unplug(std::int32_t pad) {
    return {Step::Unplug, pad, PadButton::South, PadAxis::StickX, 0};
}
Step forget() {
    return {Step::Forget, 0, PadButton::South, PadAxis::StickX, 0};
}

struct Case {
    std::string what;
    std::vector<Step> steps;
    Codes keyUps;
    Codes keyDowns;
};

const Case kCases[] = {
    // The key of each button and stick direction is checked through each system's pads
    // (sdl_pads_test.cpp, pad_samples_test.cpp); here what PadKeys adds to it.
    {"a held button acts only when let go",
     {press(PadButton::South), press(PadButton::South)},
     {},
     {32}},
    {"a release without a press raises nothing", {letGo(PadButton::South)}, {}, {}},
    {"the stick is the arrows",
     {stickX(-1), stickX(0), stickX(1), stickX(0), stickY(-1), stickY(0), stickY(1), stickY(0)},
     {37, 39, 38, 40},
     {37, 39, 38, 40}},
    {"a resting stick's wobble never acts",
     {stickX(0.49), stickX(-0.49), stickX(0.3), stickY(-0.49), stickY(0.49), stickX(0)},
     {},
     {}},
    {"a push acts once, when it has returned near the centre",
     {stickX(-0.5), stickX(-0.9), stickX(-0.3), stickX(-0.6), stickX(-0.26), stickX(-0.25)},
     {37},
     {37}},
    {"a swing past the centre lets go of the first side first",
     {stickX(-1), stickX(1), stickX(0)},
     {37, 39},
     {37, 39}},
    {"beyond the ends counts as the end", {stickY(3), stickY(-0.1)}, {40}, {40}},
    {"a position that is no number is the centre", {stickX(1), stickX(std::nan(""))}, {39}, {39}},
    {"the d-pad and the stick each hold their own Left",
     {press(PadButton::DpadLeft), stickX(-1), letGo(PadButton::DpadLeft), stickX(0)},
     {37, 37},
     {37, 37}},
    {"several pads each act",
     {press(PadButton::South, 0), press(PadButton::South, 7), letGo(PadButton::South, 7),
      letGo(PadButton::South, 0)},
     {32, 32},
     {32, 32}},
    {"a pad unplugged mid-push does nothing",
     {press(PadButton::South, 1), stickX(-1, 1), unplug(1), letGo(PadButton::South, 1),
      stickX(0, 1)},
     {},
     {32, 37}},
    {"unplugging one pad leaves the others",
     {press(PadButton::East, 1), press(PadButton::East, 2), unplug(1), letGo(PadButton::East, 2)},
     {38},
     {38, 38}},
    {"a forgotten push does nothing; the next one acts",
     {stickY(1), forget(), stickY(0), stickY(1), stickY(0)},
     {40},
     {40, 40}},
};

TEST(PadKeys, EachControlActsAsItsKeyOnRelease) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        Codes ups, downs;
        PadKeys keys([&](const WindowEvent& event) {
            (event.kind == WindowEvent::Kind::KeyUp ? ups : downs).push_back(event.key);
        });
        for (const Step& step : c.steps) {
            switch (step.kind) {
                case Step::Button:
                    keys.button(step.pad, step.button, step.value != 0);
                    break;
                case Step::Axis:
                    keys.axis(step.pad, step.axis, step.value);
                    break;
                case Step::Unplug:
                    keys.unplug(step.pad);
                    break;
                case Step::Forget:
                    keys.forgetAll();
                    break;
            }
        }
        EXPECT_EQ(ups, c.keyUps);
        EXPECT_EQ(downs, c.keyDowns);
    }
}

}  // namespace
