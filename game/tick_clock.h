#pragma once

#include <cstdint>
#include <functional>

// The game's one reading of the millisecond tick counter: an unsigned 32-bit count that wraps
// around. The program binds it to the platform's counter; tests bind a clock they set by hand,
// so falling and turning can be checked to the millisecond and across the wrap.
using TickSource = std::function<std::uint32_t()>;

std::uint32_t tickCount();

// An empty source restores the default, a steady clock counted from the first reading.
void setTickSource(TickSource source);
