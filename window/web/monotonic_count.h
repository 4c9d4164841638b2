#pragma once

#include <cstdint>

// A millisecond count that never goes back, from readings that may. A browser's turn takes its
// animation frame's start as its time, while the page's events between turns read the clock as
// they come, and an event handled in a frame can read a later count than that frame's start.
// The window core and the game count time by differences, so a count read earlier than the
// last would be a wait of 49 days.
class MonotonicCount {
  public:
    std::uint32_t next(std::uint32_t reading) {
        // Compared by their difference: the 32-bit count wraps.
        if (!started_ || static_cast<std::int32_t>(reading - last_) > 0)
            last_ = reading;
        started_ = true;
        return last_;
    }

  private:
    std::uint32_t last_ = 0;
    bool started_ = false;
};
