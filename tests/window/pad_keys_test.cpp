// What a pad's controls raise as keys: each control acts on its release, the stick once per
// push with hysteresis, and nothing from a pad that is unplugged or forgotten mid-push.
#include "window/pad_keys.h"

#include <gtest/gtest.h>

#include <memory>

#include "tests/support/pad_steps.h"

namespace {

struct KeysDriver : PadDriver {
    PadKeys keys{[this](const WindowEvent& event) { heard(event); }};
    void button(std::int32_t pad, PadButton b, bool down) override { keys.button(pad, b, down); }
    void stick(std::int32_t pad, PadAxis axis, double at) override { keys.axis(pad, axis, at); }
    void unplug(std::int32_t pad) override { keys.unplug(pad); }
    void forget() override { keys.forgetAll(); }
};

// Beside the plays every system's pads share (pad_steps.h), positions no system's pads report.
const std::vector<PadPlay> kOwnPlays = {
    {"beyond the ends counts as the end", "y=3 y=-0.1", {40}, {40}},
    {"a position that is no number is the centre", "x=1 x=nan", {39}, {39}},
};

TEST(PadKeys, EachControlActsAsItsKeyOnRelease) {
    const auto newDriver = [] { return std::make_unique<KeysDriver>(); };
    expectPlays(kEverySystemsPlays, newDriver);
    expectPlays(kOwnPlays, newDriver);
}

}  // namespace
