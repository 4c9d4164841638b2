#include "window/web/pad_samples.h"

#include <algorithm>
#include <utility>

namespace {

struct StandardButton {
    std::size_t place;
    PadButton button;
};

constexpr StandardButton kButtons[] = {
    {0, PadButton::South},      {1, PadButton::East},      {8, PadButton::Back},
    {12, PadButton::DpadUp},    {13, PadButton::DpadDown}, {14, PadButton::DpadLeft},
    {15, PadButton::DpadRight},
};

bool has(const std::vector<PadSample>& pads, std::int32_t index) {
    return std::any_of(pads.begin(), pads.end(), [index](const PadSample& pad) {
        return pad.index == index && pad.standard;
    });
}

bool pushed(double position) {
    return position <= -PadKeys::kPush || position >= PadKeys::kPush;
}

}  // namespace

PadSampleReader::Controls PadSampleReader::held(const PadSample& pad) {
    Controls controls;
    for (std::size_t place = 0; place < PadSample::kButtons; ++place)
        controls[place] = pad.pressed[place];
    for (std::size_t axis = 0; axis < pad.stick.size(); ++axis)
        controls[PadSample::kButtons + axis] = pushed(pad.stick[axis]);
    return controls;
}

// A stale control reads as at rest until it has been seen at rest.
PadSample PadSampleReader::withoutStale(PadSample pad) {
    for (Stale& stale : stale_) {
        if (stale.index != pad.index)
            continue;
        stale.held &= held(pad);
        for (std::size_t place = 0; place < PadSample::kButtons; ++place)
            pad.pressed[place] = pad.pressed[place] && !stale.held[place];
        for (std::size_t axis = 0; axis < pad.stick.size(); ++axis) {
            if (stale.held[PadSample::kButtons + axis])
                pad.stick[axis] = 0;
        }
    }
    return pad;
}

void PadSampleReader::read(const std::vector<PadSample>& pads) {
    for (const std::int32_t index : connected_) {
        if (!has(pads, index))
            keys_.unplug(index);
    }
    connected_.clear();
    if (std::exchange(refocused_, false)) {
        stale_.clear();
        for (const PadSample& pad : pads)
            stale_.push_back({pad.index, held(pad)});
    }
    for (const PadSample& sample : pads) {
        if (!sample.standard)
            continue;
        const PadSample pad = withoutStale(sample);
        connected_.push_back(pad.index);
        for (const StandardButton& known : kButtons) {
            keys_.button(pad.index, known.button, pad.pressed[known.place]);
        }
        keys_.axis(pad.index, PadAxis::StickX, pad.stick[0]);
        keys_.axis(pad.index, PadAxis::StickY, pad.stick[1]);
    }
}
