// What the page's pad samples raise: the standard mapping's buttons and left stick as the
// game's keys, nothing from a pad without it, and nothing from a pad gone mid-push.
#include "window/web/pad_samples.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/pad_steps.h"

namespace {

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

// Each step a new sample of every pad connected, as the page takes one per turn.
struct SamplesDriver : PadDriver {
    PadSampleReader reader{[this](const WindowEvent& event) { heard(event); }};
    std::vector<PadSample> connected;

    PadSample& sampleOf(std::int32_t index) {
        for (PadSample& sample : connected) {
            if (sample.index == index)
                return sample;
        }
        return connected.emplace_back(pad(index));
    }
    void button(std::int32_t index, PadButton b, bool down) override {
        // The standard mapping's places, in PadButton's order.
        constexpr std::size_t kPlaces[] = {0, 1, 8, 12, 13, 14, 15};
        sampleOf(index).pressed[kPlaces[static_cast<int>(b)]] = down;
    }
    void stick(std::int32_t index, PadAxis axis, double at) override {
        sampleOf(index).stick[axis == PadAxis::StickX ? 0 : 1] = at;
    }
    void unplug(std::int32_t index) override {
        connected.erase(std::remove_if(connected.begin(), connected.end(),
                                       [&](const PadSample& s) { return s.index == index; }),
                        connected.end());
    }
    void settle() override { reader.read(connected); }
    void forget() override { reader.focusLost(); }
};

using Samples = std::vector<std::vector<PadSample>>;  // one per turn

struct Case {
    std::string what;
    Samples turns;
    KeyCodes keyUps;
};

// What only samples show: several changes at one turn, and what a sample may lack. A pad gone
// from the samples, or new in them, is the driver's unplug, or its first step.
const Case kCases[] = {
    {"south, east, Back/Select, each let go as the next is pressed",
     {{pad(0, {0})}, {pad(0, {1})}, {pad(0, {8})}, {pad(0)}},
     {32, 38, 27}},
    {"the d-pad, two at a turn",
     {{pad(0, {12, 13})}, {pad(0, {14, 15})}, {pad(0)}},
     {38, 40, 37, 39}},
    {"held across turns, acting once",
     {{pad(0, {14})}, {pad(0, {14})}, {pad(0, {14})}, {pad(0)}},
     {37}},
    {"the left stick, with hysteresis, both axes at a turn",
     {{pad(0, {}, {-0.8, 0})}, {pad(0, {}, {-0.3, 0})}, {pad(0, {}, {-0.1, 0.9})}, {pad(0)}},
     {37, 40}},
    {"the right stick and other buttons do nothing",
     {{pad(0, {2, 3, 9, 16}, {0, 0, -1, 1})}, {pad(0)}},
     {}},
    {"a pad without the standard mapping is not read",
     {{pad(0, {0}, {}, "")}, {pad(0, {}, {}, "")}},
     {}},
    {"a sample with too few buttons and axes reads as at rest",
     {{pad(0, {14})}, {PadSample{0, true, {}, {}}}},
     {37}},
};

TEST(PadSamples, EachPadsControlsActAsKeysWhenLetGo) {
    expectPlays(kEverySystemsPlays, [] { return std::make_unique<SamplesDriver>(); });
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        SamplesDriver driver;
        for (const auto& turn : c.turns)
            driver.reader.read(turn);
        EXPECT_EQ(driver.ups, c.keyUps);
    }
}

// As on the desktop, what is held across the loss acts only once let go and pressed again,
// though every sample after it shows it held.
TEST(PadSamples, WhatIsHeldWhenTheFocusLeavesIsForgotten) {
    SamplesDriver driver;
    driver.play("S+ forget S-  L+ forget y=0 L-  x=-1 forget y=0 x=-0.3 x=0");
    EXPECT_EQ(driver.ups, KeyCodes{});
    driver.play("S+ S-  x=-1 x=0");
    EXPECT_EQ(driver.ups, (KeyCodes{32, 37}));
}

}  // namespace
