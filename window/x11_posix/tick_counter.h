#pragma once

#include <cstdint>

// The program's one tick counter on Linux: milliseconds of the system's monotonic clock, which
// counts from boot, truncated to 32 bits so that it wraps after 2^32 - 1 ms as the Windows
// counter does. A counter that started with the program would seed every run with nearly the
// same start-up time, and so deal the same few piece orders again and again.
std::uint32_t systemTickCount();
