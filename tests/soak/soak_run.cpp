#include "tests/soak/soak_run.h"

#include <chrono>
#include <cstdio>
#include <sstream>

#include "frame/frame_event.h"
#include "tests/soak/event_stream.h"
#include "tests/soak/session_state.h"
#include "tests/support/replay.h"

namespace {

std::string eventText(const SoakEvent& event) {
    switch (event.event) {
        case Draw:
            return "Draw";
        case Idle:
            return "Idle";
        case KeyUp:
            return "KeyUp " + std::to_string(event.argument);
        default:
            return "event " + std::to_string(event.event);
    }
}

std::string checkEvent(RuleModel& model, const SoakEvent& event, const SessionState& before,
                       const SessionState& after, bool answer, std::uint32_t now) {
    std::string fault = brokenInvariant(after);
    if (!fault.empty())
        return fault;
    switch (event.event) {
        case Idle:
            return answer ? model.checkIdle(before, after, now) : "an idle event answered false";
        case KeyUp:
            return model.checkKey(before, after, event.argument, answer, now);
        default:
            return model.checkDraw(before, after, answer);
    }
}

std::string failureReport(const SoakOptions& options, std::uint64_t index, const SoakEvent& event,
                          std::uint32_t now, const std::string& fault, const SessionState& before,
                          const SessionState& after) {
    std::ostringstream text;
    text << "soak FAILED: seed " << options.seed << ", event " << index << " (" << eventText(event)
         << " at tick " << now << ")\n"
         << "  " << fault << "\n"
         << "before the event:\n"
         << describe(before) << "after the event:\n"
         << describe(after);
    return text.str();
}

void countClock(SoakResult& result, std::uint32_t from, std::uint32_t to) {
    if (to < from)
        ++result.wraps;
    else if (from < 0x80000000u && to >= 0x80000000u)
        ++result.halfwayPassings;
}

}  // namespace

SoakResult runSoak(const SoakOptions& options) {
    SoakResult result;
    EventStream stream(options.seed, options.drawEvery);
    const std::uint32_t start = stream.startTick();
    // The game's own generator stays the piece source, seeded like the event stream.
    Replay replay(static_cast<unsigned>(options.seed), start);
    RuleModel model;
    SessionState before = captureState(replay.session());
    const auto began = std::chrono::steady_clock::now();
    if (std::string fault = brokenInvariant(before); !fault.empty()) {
        result.passed = false;
        result.failure = "soak FAILED: seed " + std::to_string(options.seed) +
                         ", a new session: " + fault + "\n" + describe(before);
    }
    for (std::uint64_t i = 0; i < options.events && result.passed; ++i) {
        const std::uint32_t from = replay.clock().now();
        const SoakEvent event = stream.next(from, before);
        const std::uint32_t now = from + event.clockStep;
        countClock(result, from, now);
        const bool answer = replay.step(now, event.event, event.argument);
        const SessionState after = captureState(replay.session());
        result.draws += event.event == Draw;
        result.keys += event.event == KeyUp;
        result.idles += event.event == Idle;
        ++result.eventsRun;
        const std::string fault = checkEvent(model, event, before, after, answer, now);
        if (!fault.empty()) {
            result.passed = false;
            result.failure = failureReport(options, i, event, now, fault, before, after);
        }
        before = after;
    }
    result.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    result.play = model.stats();
    return result;
}

std::string summary(const SoakOptions& options, const SoakResult& result) {
    const PlayStats& play = result.play;
    const double rate = result.seconds > 0.0 ? result.eventsRun / result.seconds : 0.0;
    std::ostringstream text;
    text << "soak " << (result.passed ? "passed" : "FAILED") << ": seed " << options.seed << ", "
         << result.eventsRun << " events (" << result.idles << " idle, " << result.keys << " keys, "
         << result.draws << " draws: one in " << options.drawEvery << ")\n"
         << "  play: " << play.falls << " falls, " << play.locks << " locks, " << play.clearingLocks
         << " clearing locks, " << play.rowsCleared << " rows, " << play.restarts << " restarts, "
         << play.turns << " turns (" << play.refusedTurns << " refused), " << play.refusedShifts
         << " refused shifts, highest level " << play.highestLevel << ", highest score "
         << play.highestScore << "\n"
         << "  clock: passed 2^31 " << result.halfwayPassings << " times, wrapped to 0 "
         << result.wraps << " times\n";
    char line[96];
    std::snprintf(line, sizeof line, "  %.1f s, %.0f events/s\n", result.seconds, rate);
    text << line;
    return text.str();
}
