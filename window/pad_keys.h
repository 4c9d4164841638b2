#pragma once

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "window/window_backend.h"

// A gamepad's controls as the game reads them, whatever system reports them.
enum class PadButton { South, East, Back, DpadUp, DpadDown, DpadLeft, DpadRight };
// The left stick's axes, each from -1 (left, up) to 1 (right, down).
enum class PadAxis { StickX, StickY };

// Turns the pads' controls into the window's key events, so that a pad plays as the keyboard
// does: the d-pad and the left stick are the arrows, the south face button Space, the east
// face button Up, Back (Select) Escape. Like a key, a control raises KeyDown when it goes down
// and KeyUp, which is what acts, when it comes back.
// A stick direction goes down once the stick is pushed to kPush and comes back only once it
// has returned within kRest of the centre: a resting stick's wobble never acts, and one push
// acts once. Each pad, and each control of a pad, holds its own keys: two pads holding Left
// give two releases.
// A pad unplugged mid-push, and every pad when the window loses the focus, is forgotten: what it
// held comes back without a release, so nothing acts.
class PadKeys {
  public:
    static constexpr double kPush = 0.5;
    static constexpr double kRest = 0.25;

    using Tell = std::function<void(const WindowEvent&)>;
    explicit PadKeys(Tell tell) : tell_(std::move(tell)) {}

    // pad: the system's number for it, whatever it is, as long as it stays while plugged in.
    void button(std::int32_t pad, PadButton button, bool down);
    // A position outside -1..1 counts as the nearest end, one that is not a number as the centre.
    void axis(std::int32_t pad, PadAxis axis, double position);
    void unplug(std::int32_t pad);
    // For a system that reports changes: a control still held comes back without acting, and
    // its next press is new.
    void forgetAll() { pads_.clear(); }
    // For a system that reports states (the control seen held at every sample): a control still
    // held acts again only once it has been seen let go, as it would where changes are reported.
    void forgetAllUntilLetGo();

  private:
    enum Control {
        South,
        East,
        Back,
        DpadUp,
        DpadDown,
        DpadLeft,
        DpadRight,
        StickUp,
        StickDown,
        StickLeft,
        StickRight,
        kControls
    };
    // A pad's controls, a bit each: held in the low half; in the high half, stale: held when
    // the focus went, and not let go since.
    using Held = std::uint32_t;
    static constexpr int kStale = 16;

    void hold(Held& held, Control control, bool down);
    Held& heldBy(std::int32_t pad);

    Tell tell_;
    // A handful of pads at most: a list is smaller in the browser's download than a tree.
    std::vector<std::pair<std::int32_t, Held>> pads_;
};
