#pragma once

#include <cstdint>

// Puts a hand-set tick counter in place of the game's clock for its lifetime, and the default
// clock back afterwards. Starts at `start`.
class ManualClock {
  public:
    explicit ManualClock(std::uint32_t start = 100000);
    ~ManualClock();
    ManualClock(const ManualClock&) = delete;
    ManualClock& operator=(const ManualClock&) = delete;

    std::uint32_t now() const { return now_; }
    void set(std::uint32_t ms) { now_ = ms; }
    // Unsigned: advancing past 2^32 - 1 wraps as the real counter does.
    void advance(std::uint32_t ms) { now_ += ms; }

  private:
    std::uint32_t now_;
};
