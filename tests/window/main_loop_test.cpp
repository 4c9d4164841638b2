// The main loop: events taken first, then Idle with the elapsed time, Draw, one present.
#include "tests/window/shell_fixture.h"

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

class MainLoop : public ShellTest {
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

}  // namespace
