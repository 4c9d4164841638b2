#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "window/pad_keys.h"

// One pad as the page's Gamepad API shows it at one moment.
// Fixed in size: it is taken at every turn, and only the standard mapping's first buttons and
// the left stick are ever read.
struct PadSample {
    static constexpr std::size_t kButtons = 16;

    std::int32_t index = 0;  // its place in navigator.getGamepads(), kept while it is connected
    bool standard = false;   // the browser's standard mapping: it knows where the buttons are
    std::array<bool, kButtons> pressed{};  // buttons 0 to 15; false where the pad has fewer
    std::array<double, 2> stick{};         // axes 0 and 1; the centre where the pad has fewer
};

// Turns the pads the page samples once per frame into the window's key events (pad_keys.h). A
// pad with the browser's standard mapping is read: buttons 0 (south face), 1 (east face), 8
// (Back/Select) and 12 to 15 (the d-pad: up, down, left, right), and the left stick, axes 0
// and 1. One missing from a sample has been disconnected: what it held comes back without
// acting.
// Limits: a pad without the standard mapping is not read; its buttons' places are unknown.
class PadSampleReader {
  public:
    explicit PadSampleReader(PadKeys::Tell tell) : keys_(std::move(tell)) {}

    // Every pad connected now.
    void read(const std::vector<PadSample>& pads);
    // The page lost the focus: what the pads hold is forgotten, and what is still held when the
    // focus comes back acts only once let go and pressed again, as on the desktop.
    void focusLost() { keys_.forgetAllUntilLetGo(); }

  private:
    PadKeys keys_;
    std::vector<std::int32_t> connected_;
};
