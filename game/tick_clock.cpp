#include "game/tick_clock.h"

#include <chrono>
#include <utility>

namespace {

std::uint32_t steadyMilliseconds() {
    using namespace std::chrono;
    static const steady_clock::time_point start = steady_clock::now();
    auto ms = duration_cast<milliseconds>(steady_clock::now() - start).count();
    return static_cast<std::uint32_t>(ms);
}

TickSource& currentSource() {
    static TickSource source;
    return source;
}

}  // namespace

std::uint32_t tickCount() {
    const TickSource& source = currentSource();
    return source ? source() : steadyMilliseconds();
}

void setTickSource(TickSource source) {
    currentSource() = std::move(source);
}
