#pragma once

#include <cstdint>

#include "tests/soak/session_state.h"

// A small, fast generator with a 64-bit state (splitmix64): the same seed gives the same stream
// on every machine and standard library, which a seed printed in a failure report relies on.
class SoakRandom {
  public:
    explicit SoakRandom(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next();
    // Uniform in [0, bound), bound > 0.
    std::uint32_t below(std::uint32_t bound);
    // Uniform in [low, high].
    std::int64_t between(std::int64_t low, std::int64_t high);

  private:
    std::uint64_t state_;
};

// One frame event of the soak and how far the clock moves before it is raised.
struct SoakEvent {
    std::int32_t event = 0;     // Draw, KeyUp or Idle
    std::int32_t argument = 0;  // the key code for KeyUp
    std::uint32_t clockStep = 0;
};

// Draws the soak's events. Every `drawEvery`-th event is a Draw; the others are key releases
// and idle turns. Keys: mostly the six the game knows, Escape included, then other codes below
// 256, codes of 256 and more, and negative ones. The stream runs in stretches of 50,000 events;
// in about two of three, most keys come from a simple player (steering.h) so that long games and
// high levels are played too. Clock steps: mostly 1-20 ms, some 0, some up to
// a second, stalls of seconds to minutes, and jumps to just short of the next multiple of 2^31,
// so that the counter keeps passing 2^31 and wrapping to 0 a few steps later.
class EventStream {
  public:
    // Without the player every key is random (quicker; for checking the stream itself).
    EventStream(std::uint64_t seed, std::uint32_t drawEvery, bool withPlayer = true);

    // The state tells the player where the piece is; the random part ignores it.
    SoakEvent next(std::uint32_t clockNow, const SessionState& state);
    // A random starting value for the tick counter.
    std::uint32_t startTick();

  private:
    std::int32_t keyCode();
    std::uint32_t idleStep(std::uint32_t clockNow);
    std::uint32_t keyStep();

    SoakRandom random_;
    std::uint32_t drawEvery_;
    std::uint64_t count_ = 0;
    bool withPlayer_;
    bool steered_ = false;
};
