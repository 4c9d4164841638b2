#include "tests/support/manual_clock.h"

#include "game/tick_clock.h"

ManualClock::ManualClock(std::uint32_t start) : now_(start) {
    setTickSource([this] { return now_; });
}

ManualClock::~ManualClock() {
    setTickSource({});
}
