// The main loop: events taken first, then Idle with the elapsed time, Draw, one present; and the
// same loop taken one turn at a time, as a page's browser calls it.
#include "tests/support/window_fixture.h"

using ::testing::ElementsAre;

namespace {

// Puts each frame event into the backend's call log, so events and calls share one order.
struct EventLog {
    FakeBackend* backend = nullptr;
    std::vector<std::pair<std::int32_t, std::int32_t>> events;
    std::int32_t escape = 27;

    static bool callback(std::int32_t event, std::int32_t argument, void* userData) {
        auto* log = static_cast<EventLog*>(userData);
        log->events.emplace_back(event, argument);
        const char* names[] = {"?", "Draw", "KeyUp", "Idle"};
        log->backend->note(std::string("event:") + names[event >= 1 && event <= 3 ? event : 0]);
        return !(event == KeyUp && argument == log->escape);
    }
};

class MainLoop : public WindowTest {
  protected:
    MainLoop() {
        log.backend = &backend;
        EXPECT_TRUE(window.create());
        opened_ = backend.calls().size();
        window.setCallback(&EventLog::callback, &log);
    }
    std::vector<std::string> loopCalls() const {
        return {backend.calls().begin() + static_cast<long>(opened_), backend.calls().end()};
    }
    // Ends the run by asking to quit once `turns` frames have been presented.
    void quitAfter(int turns) {
        backend.onCall("present", [this, turns] {
            if (++presented_ == turns)
                backend.requestQuit();
        });
    }

    GLWindow window{backend, 32, true};
    EventLog log;
    int presented_ = 0;
    std::size_t opened_ = 0;
};

TEST_F(MainLoop, TakesEveryEventThenRaisesIdleAndDrawThenPresentsOnce) {
    backend.scriptTicks({1000, 1016});
    backend.queueKeyDown(37);
    backend.queueKeyUp(37);
    quitAfter(1);
    window.run();
    EXPECT_THAT(loopCalls(),
                ElementsAre("ticks", "pumpEvents", "event:KeyUp", "ticks", "event:Idle",
                            "event:Draw", "present", "requestQuit", "pumpEvents"));
    ASSERT_EQ(log.events.size(), 3u);
    EXPECT_EQ(log.events[1], std::make_pair(std::int32_t{Idle}, 16));
    EXPECT_EQ(log.events[2], std::make_pair(std::int32_t{Draw}, 0));
}

TEST_F(MainLoop, IdleCarriesTheTrueDifferenceAcrossACounterWrap) {
    backend.scriptTicks({0xFFFFFFF0u, 0x00000010u, 0x00000019u});
    quitAfter(2);
    window.run();
    ASSERT_EQ(log.events.size(), 4u);
    EXPECT_EQ(log.events[0], std::make_pair(std::int32_t{Idle}, 0x20));
    EXPECT_EQ(log.events[2], std::make_pair(std::int32_t{Idle}, 9));
}

TEST_F(MainLoop, EscapeEndsTheRunWithoutAnotherIdleOrDraw) {
    backend.queueKeyUp(27);
    quitAfter(5);  // only a guard against a loop that would not end
    window.run();
    ASSERT_EQ(log.events.size(), 1u);
    EXPECT_EQ(log.events[0], std::make_pair(std::int32_t{KeyUp}, 27));
    EXPECT_EQ(backend.count("present"), 0u);
}

TEST_F(MainLoop, ACloseRequestEndsTheRunLikeEscape) {
    quitAfter(5);  // only a guard against a loop that would not end
    backend.queueClose();
    window.run();
    EXPECT_TRUE(log.events.empty());
    EXPECT_EQ(backend.count("requestQuit"), 1u);
    EXPECT_EQ(backend.count("present"), 0u);
}

TEST_F(MainLoop, WithoutACallbackTheLoopStillTakesEventsAndPresentsEveryTurn) {
    window.setCallback(nullptr, nullptr);
    backend.queueKeyDown(32);
    backend.queueKeyUp(32);
    quitAfter(3);
    window.run();
    EXPECT_TRUE(log.events.empty());
    EXPECT_EQ(backend.count("present"), 3u);
    EXPECT_EQ(backend.queued(), 0u);
    EXPECT_FALSE(window.keyDown(32));
}

// A page's browser calls the turns itself, with its own pauses between them; each turn's Idle
// carries the time since the previous turn, the first the time since the loop started.
TEST_F(MainLoop, TurnsTakenOneAtATimeCarryTheTimeSinceThePreviousTurn) {
    constexpr std::uint32_t kHidden = 600000;  // ten minutes without frames
    backend.scriptTicks({5000, 5016, 5050, 0xFFFFFFF0u, 0x50u, 0x50u + kHidden});
    window.startLoop();
    EXPECT_TRUE(window.turn());
    EXPECT_TRUE(window.turn());
    // A loop started again counts from its new start, here just before the counter wraps.
    window.startLoop();
    EXPECT_TRUE(window.turn());
    EXPECT_TRUE(window.turn());
    ASSERT_EQ(log.events.size(), 8u);
    EXPECT_EQ(log.events[0], std::make_pair(std::int32_t{Idle}, 16));
    EXPECT_EQ(log.events[2], std::make_pair(std::int32_t{Idle}, 34));
    EXPECT_EQ(log.events[4], std::make_pair(std::int32_t{Idle}, 0x60));
    // No turn is lost time: a hidden page's whole gap comes with its next turn.
    EXPECT_EQ(log.events[6],
              std::make_pair(std::int32_t{Idle}, static_cast<std::int32_t>(kHidden)));
    EXPECT_EQ(backend.count("present"), 4u);
}

TEST_F(MainLoop, ATurnThatTakesTheQuitRequestAnswersFalseAndRaisesNothing) {
    backend.scriptTicks({100, 110});
    window.startLoop();
    backend.queueKeyUp(37);
    backend.queueKeyUp(27);
    EXPECT_FALSE(window.turn());
    EXPECT_THAT(loopCalls(),
                ElementsAre("ticks", "pumpEvents", "event:KeyUp", "event:KeyUp", "requestQuit"));
    // Every turn after it answers the same, still without a frame.
    EXPECT_FALSE(window.turn());
    EXPECT_EQ(backend.count("present"), 0u);
    EXPECT_EQ(log.events.size(), 2u);
}

}  // namespace
