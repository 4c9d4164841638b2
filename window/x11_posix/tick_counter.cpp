#include "window/x11_posix/tick_counter.h"

#include <time.h>

std::uint32_t systemTickCount() {
    timespec now{};
    // CLOCK_MONOTONIC cannot fail on Linux; a zeroed value would only make the counter read 0.
    clock_gettime(CLOCK_MONOTONIC, &now);
    const auto milliseconds = static_cast<std::uint64_t>(now.tv_sec) * 1000u +
                              static_cast<std::uint64_t>(now.tv_nsec) / 1000000u;
    return static_cast<std::uint32_t>(milliseconds);
}
