// What the page's pad samples raise: the standard mapping's buttons and left stick as the
// game's keys, nothing from a pad without it, and nothing from a pad gone mid-push.
#include "window/web/pad_samples.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Codes = std::vector<std::uint32_t>;

PadSample pad(std::int32_t index, std::vector<std::size_t> pressed = {},
              std::vector<double> axes = {0, 0, 0, 0}, std::string mapping = "standard") {
    PadSample sample;
    sample.index = index;
    sample.standard = mapping == "standard";
    for (const std::size_t place : pressed) {
        if (place < PadSample::kButtons)
            sample.pressed[place] = true;
    }
    for (std::size_t axis = 0; axis < sample.stick.size() && axis < axes.size(); ++axis)
        sample.stick[axis] = axes[axis];
    return sample;
}

using Samples = std::vector<std::vector<PadSample>>;  // one per turn

struct Case {
    std::string what;
    Samples turns;
    Codes keyUps;
};

const Case kCases[] = {
    {"south, east, Back/Select",
     {{pad(0, {0})}, {pad(0, {1})}, {pad(0, {8})}, {pad(0)}},
     {32, 38, 27}},
    {"the d-pad", {{pad(0, {12, 13})}, {pad(0, {14, 15})}, {pad(0)}}, {38, 40, 37, 39}},
    {"held across turns, acting once",
     {{pad(0, {14})}, {pad(0, {14})}, {pad(0, {14})}, {pad(0)}},
     {37}},
    {"the left stick, with hysteresis",
     {{pad(0, {}, {-0.8, 0})}, {pad(0, {}, {-0.3, 0})}, {pad(0, {}, {-0.1, 0.9})}, {pad(0)}},
     {37, 40}},
    {"the right stick and other buttons do nothing",
     {{pad(0, {2, 3, 9, 16}, {0, 0, -1, 1})}, {pad(0)}},
     {}},
    {"a pad without the standard mapping is not read",
     {{pad(0, {0}, {}, "")}, {pad(0, {}, {}, "")}},
     {}},
    {"a pad gone mid-push does nothing", {{pad(0, {0}, {1, 0})}, {}, {pad(0)}}, {}},
    {"a pad connected later plays beside the first",
     {{pad(0, {0})}, {pad(0, {0}), pad(3, {15})}, {pad(0), pad(3)}},
     {32, 39}},
    {"a sample with too few buttons and axes reads as at rest",
     {{pad(0, {14})}, {PadSample{0, true, {}, {}}}},
     {37}},
};

TEST(PadSamples, EachPadsControlsActAsKeysWhenLetGo) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        Codes ups;
        PadSampleReader reader([&](const WindowEvent& event) {
            if (event.kind == WindowEvent::Kind::KeyUp)
                ups.push_back(event.key);
        });
        for (const auto& turn : c.turns)
            reader.read(turn);
        EXPECT_EQ(ups, c.keyUps);
    }
}

TEST(PadSamples, WhatIsHeldWhenTheFocusLeavesIsForgotten) {
    Codes ups;
    PadSampleReader reader([&](const WindowEvent& event) {
        if (event.kind == WindowEvent::Kind::KeyUp)
            ups.push_back(event.key);
    });
    reader.read({pad(0, {0})});
    reader.focusLost();
    reader.read({pad(0)});
    EXPECT_EQ(ups, Codes{});
}

}  // namespace
