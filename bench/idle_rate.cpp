#include "bench/idle_rate.h"

#include <chrono>
#include <cstdint>

#include "frame/frame_event.h"
#include "game/game_session.h"
#include "game/tick_clock.h"

double idleEventsPerSecond(double seconds) {
    std::uint32_t now = 100000;
    setTickSource([&now] { return now; });
    double rate = 0.0;
    {
        GameSession session;
        using Clock = std::chrono::steady_clock;
        const auto start = Clock::now();
        const auto until = start + std::chrono::duration<double>(seconds);
        std::uint64_t events = 0;
        auto last = start;
        while (last < until) {
            // Check the time only every so often: reading it costs as much as an event.
            for (int i = 0; i < 4096; ++i) {
                now += 16;
                session.handleEvent(Idle, 16);
            }
            events += 4096;
            last = Clock::now();
        }
        rate = static_cast<double>(events) / std::chrono::duration<double>(last - start).count();
    }
    setTickSource({});
    return rate;
}
