#include "window/web/pad_samples.h"

#include <algorithm>

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

}  // namespace

void PadSampleReader::read(const std::vector<PadSample>& pads) {
    for (const std::int32_t index : connected_) {
        if (!has(pads, index))
            keys_.unplug(index);
    }
    connected_.clear();
    for (const PadSample& pad : pads) {
        if (!pad.standard)
            continue;
        connected_.push_back(pad.index);
        for (const StandardButton& known : kButtons) {
            keys_.button(pad.index, known.button, pad.pressed[known.place]);
        }
        keys_.axis(pad.index, PadAxis::StickX, pad.stick[0]);
        keys_.axis(pad.index, PadAxis::StickY, pad.stick[1]);
    }
}
