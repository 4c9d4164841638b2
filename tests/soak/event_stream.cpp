#include "tests/soak/event_stream.h"

#include <limits>

#include "frame/frame_event.h"
#include "tests/soak/steering.h"

namespace {

constexpr std::uint64_t kStretch = 50000;

}  // namespace

std::uint64_t SoakRandom::next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

std::uint32_t SoakRandom::below(std::uint32_t bound) {
    // The upper bits are the best mixed; the slight bias of a modulo does not matter here.
    return static_cast<std::uint32_t>((next() >> 32) % bound);
}

std::int64_t SoakRandom::between(std::int64_t low, std::int64_t high) {
    const auto span = static_cast<std::uint64_t>(high - low) + 1u;
    return low + static_cast<std::int64_t>(span == 0 ? next() : next() % span);
}

EventStream::EventStream(std::uint64_t seed, std::uint32_t drawEvery, bool withPlayer)
    : random_(seed), drawEvery_(drawEvery == 0 ? 1 : drawEvery), withPlayer_(withPlayer) {}

std::uint32_t EventStream::startTick() {
    return static_cast<std::uint32_t>(random_.next());
}

SoakEvent EventStream::next(std::uint32_t clockNow, const SessionState& state) {
    if (count_ % kStretch == 0)
        steered_ = random_.below(3) != 0 && withPlayer_;
    ++count_;
    SoakEvent event;
    if (count_ % drawEvery_ == 0) {
        event.event = Draw;
        event.clockStep = keyStep();
        return event;
    }
    if (random_.below(100) < 45) {
        event.event = KeyUp;
        event.argument = steered_ && random_.below(100) < 99 ? steeringKey(state) : keyCode();
        event.clockStep = keyStep();
        return event;
    }
    event.event = Idle;
    event.clockStep = idleStep(clockNow);
    return event;
}

std::int32_t EventStream::keyCode() {
    const std::uint32_t pick = random_.below(100);
    if (pick < 2)
        return VirtualKey::Escape;
    if (pick < 12)
        return VirtualKey::Space;
    if (pick < 32)
        return VirtualKey::Left;
    if (pick < 52)
        return VirtualKey::Right;
    if (pick < 70)
        return VirtualKey::Up;
    if (pick < 78)
        return VirtualKey::Down;
    if (pick < 88)
        return static_cast<std::int32_t>(random_.below(256));
    if (pick < 94)
        return static_cast<std::int32_t>(
            random_.between(256, std::numeric_limits<std::int32_t>::max()));
    return static_cast<std::int32_t>(random_.between(std::numeric_limits<std::int32_t>::min(), -1));
}

// Keys come between loop turns: the clock has mostly not moved, sometimes a few milliseconds.
std::uint32_t EventStream::keyStep() {
    return random_.below(4) == 0 ? 1 + random_.below(20) : 0;
}

std::uint32_t EventStream::idleStep(std::uint32_t clockNow) {
    // While the player steers, long steps are rarer: a stall makes the piece catch up a row per
    // idle event, faster than any player could move it.
    const std::uint32_t pick = random_.below(100000);
    if (pick < 10000)
        return 0;
    if (pick < (steered_ ? 98900u : 95500u))
        return 1 + random_.below(20);
    if (pick < (steered_ ? 99980u : 99500u))
        return 21 + random_.below(980);
    if (pick < (steered_ ? 99997u : 99900u))
        return 1000 * (2 + random_.below(119));  // a stall of 2 s to 2 min
    // To a little short of the next multiple of 2^31, so that the following small steps cross
    // it: 2^31 (the counter turns negative when read as signed) or 2^32 (it wraps to 0). The
    // jump is always below 2^31, the most that can pass between two readings without the
    // distance itself turning negative.
    constexpr std::uint32_t kHalf = 0x80000000u;
    const std::uint32_t toBoundary = kHalf - (clockNow % kHalf);
    const std::uint32_t shortBy = 1 + random_.below(3000);
    return toBoundary > shortBy ? toBoundary - shortBy : 0;
}
