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

bool isStandard(const PadSample& pad) {
    return pad.mapping == "standard";
}

bool has(const std::vector<PadSample>& pads, std::int32_t index) {
    return std::any_of(pads.begin(), pads.end(), [index](const PadSample& pad) {
        return pad.index == index && isStandard(pad);
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
        if (!isStandard(pad))
            continue;
        connected_.push_back(pad.index);
        for (const StandardButton& known : kButtons) {
            const bool down = known.place < pad.pressed.size() && pad.pressed[known.place];
            keys_.button(pad.index, known.button, down);
        }
        if (pad.axes.size() >= 2) {
            keys_.axis(pad.index, PadAxis::StickX, pad.axes[0]);
            keys_.axis(pad.index, PadAxis::StickY, pad.axes[1]);
        }
    }
}
