#pragma once

#include <cstdint>
#include <string>

#include "tests/soak/rule_model.h"

struct SoakOptions {
    std::uint64_t events = 0;
    std::uint64_t seed = 1;
    // Every n-th event is a Draw. Drawing is the slow part under a software renderer; the rest
    // of the stream is key and idle events.
    std::uint32_t drawEvery = 1000;
};

struct SoakResult {
    bool passed = true;
    std::uint64_t eventsRun = 0;
    std::string failure;  // seed, event index, event, the broken rule and both states
    double seconds = 0.0;
    std::uint64_t draws = 0;
    std::uint64_t keys = 0;
    std::uint64_t idles = 0;
    std::uint64_t halfwayPassings = 0;  // the counter passing 2^31
    std::uint64_t wraps = 0;            // the counter wrapping to 0
    PlayStats play;
};

// Plays `options.events` random frame events into a fresh session on a hand-set clock and checks
// the session after each one (see session_state.h and rule_model.h). Stops at the first fault.
// Needs a current GL context and the image files in the working directory.
SoakResult runSoak(const SoakOptions& options);

// The closing lines: counts, time and events per second.
std::string summary(const SoakOptions& options, const SoakResult& result);
