#include "window/pad_keys.h"

#include <algorithm>
#include <cmath>

#include "frame/frame_event.h"

namespace {

std::uint32_t keyOf(int control) {
    constexpr std::int32_t kKeys[] = {
        VirtualKey::Space, VirtualKey::Up,   VirtualKey::Escape, VirtualKey::Up,
        VirtualKey::Down,  VirtualKey::Left, VirtualKey::Right,  VirtualKey::Up,
        VirtualKey::Down,  VirtualKey::Left, VirtualKey::Right,
    };
    return static_cast<std::uint32_t>(kKeys[control]);
}

// Whether a stick direction is held after this position, with hysteresis: `side` is -1 or 1.
bool pushed(bool wasHeld, double position, int side) {
    const double along = position * side;
    return wasHeld ? along > PadKeys::kRest : along >= PadKeys::kPush;
}

}  // namespace

PadKeys::Held& PadKeys::heldBy(std::int32_t pad) {
    for (auto& [number, held] : pads_) {
        if (number == pad)
            return held;
    }
    return pads_.emplace_back(pad, Held()).second;
}

void PadKeys::unplug(std::int32_t pad) {
    pads_.erase(std::remove_if(pads_.begin(), pads_.end(),
                               [pad](const auto& entry) { return entry.first == pad; }),
                pads_.end());
}

void PadKeys::forgetAllUntilLetGo() {
    constexpr Held kHeld = (Held{1} << kStale) - 1;
    for (auto& entry : pads_)
        entry.second = (entry.second & ~kHeld) | (entry.second & kHeld) << kStale;
}

void PadKeys::hold(Held& held, Control control, bool down) {
    const Held bit = Held{1} << control;
    if ((held & bit << kStale) != 0) {
        if (!down)
            held &= ~(bit << kStale);
        return;
    }
    if (((held & bit) != 0) == down)
        return;
    held ^= bit;
    tell_({down ? WindowEvent::Kind::KeyDown : WindowEvent::Kind::KeyUp, keyOf(control), false});
}

void PadKeys::button(std::int32_t pad, PadButton button, bool down) {
    static_assert(DpadRight == static_cast<int>(PadButton::DpadRight),
                  "the buttons lead the controls, in the same order");
    static_assert(kControls <= kStale, "a pad's held and stale controls share one word");
    hold(heldBy(pad), static_cast<Control>(static_cast<int>(button)), down);
}

// A swing from one side to the other in one report lets go of the first side before it pushes
// the second, as a stick does passing the centre.
void PadKeys::axis(std::int32_t pad, PadAxis axis, double position) {
    if (std::isnan(position))
        position = 0.0;
    Held& held = heldBy(pad);
    const Control low = axis == PadAxis::StickX ? StickLeft : StickUp;
    const Control high = axis == PadAxis::StickX ? StickRight : StickDown;
    // A stale direction keeps its hysteresis: it is let go only once back near the centre.
    const Held down = held | held >> kStale;
    const bool lowHeld = pushed((down >> low & 1) != 0, position, -1);
    const bool highHeld = pushed((down >> high & 1) != 0, position, 1);
    if (!lowHeld)
        hold(held, low, false);
    if (!highHeld)
        hold(held, high, false);
    hold(held, low, lowHeld);
    hold(held, high, highHeld);
}
