#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "window/pad_keys.h"

// One pad as the page's Gamepad API shows it at one moment.
struct PadSample {
    std::int32_t index = 0;  // its place in navigator.getGamepads(), kept while it is connected
    std::string mapping;     // "standard" when the browser knows where its buttons are
    std::vector<bool> pressed;
    std::vector<double> axes;
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
    // The page lost the focus: what the pads hold is forgotten.
    void focusLost() { keys_.forgetAll(); }

  private:
    PadKeys keys_;
    std::vector<std::int32_t> connected_;
};
