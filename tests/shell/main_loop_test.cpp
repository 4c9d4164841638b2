// The main loop: messages drained first, then Idle with the elapsed time, Draw, one present.
#include "tests/shell/shell_fixture.h"

using ::testing::ElementsAre;

namespace {

// Puts each frame event into the platform's call log, so events and calls share one order.
struct EventLog {
    RecordingPlatform* platform = nullptr;
    std::vector<std::pair<std::int32_t, std::int32_t>> events;
    std::int32_t escape = 27;

    static bool callback(std::int32_t event, std::int32_t argument, void* userData) {
        auto* log = static_cast<EventLog*>(userData);
        log->events.emplace_back(event, argument);
        const char* names[] = {"?", "Draw", "KeyUp", "Idle"};
        log->platform->note(std::string("event:") + names[event >= 1 && event <= 3 ? event : 0]);
        return !(event == KeyUp && argument == log->escape);
    }
};

class MainLoop : public ShellTest {
  protected:
    MainLoop() {
        log.platform = &platform;
        EXPECT_TRUE(window.create());
        opened_ = platform.calls().size();
        window.setCallback(&EventLog::callback, &log);
    }
    std::vector<std::string> loopCalls() const {
        return {platform.calls().begin() + static_cast<long>(opened_), platform.calls().end()};
    }
    // Ends the run by queuing the quit message once `turns` frames have been presented.
    void quitAfter(int turns) {
        platform.onCall("swapBuffers", [this, turns] {
            if (++presented_ == turns)
                platform.queueQuit();
        });
    }

    GLWindow window{platform, instance(), 32, true};
    EventLog log;
    int presented_ = 0;
    std::size_t opened_ = 0;
};

TEST_F(MainLoop, DrainsEveryMessageThenRaisesIdleAndDrawThenPresentsOnce) {
    platform.scriptTicks({1000, 1016});
    platform.queueKeyDown(37);
    platform.queueKeyUp(37);
    quitAfter(1);
    window.run();
    EXPECT_THAT(loopCalls(),
                ElementsAre("tickCount",                                             //
                            "peekMessage", "getMessage", "translateMessage",         //
                            "dispatchMessage",                                       //
                            "peekMessage", "getMessage", "translateMessage",         //
                            "dispatchMessage", "event:KeyUp",                        //
                            "peekMessage", "tickCount", "event:Idle", "event:Draw",  //
                            "swapBuffers", "peekMessage", "getMessage"));
    ASSERT_EQ(log.events.size(), 3u);
    EXPECT_EQ(log.events[1], std::make_pair(std::int32_t{Idle}, 16));
    EXPECT_EQ(log.events[2], std::make_pair(std::int32_t{Draw}, 0));
}

TEST_F(MainLoop, IdleCarriesTheTrueDifferenceAcrossACounterWrap) {
    platform.scriptTicks({0xFFFFFFF0u, 0x00000010u, 0x00000019u});
    quitAfter(2);
    window.run();
    ASSERT_EQ(log.events.size(), 4u);
    EXPECT_EQ(log.events[0], std::make_pair(std::int32_t{Idle}, 0x20));
    EXPECT_EQ(log.events[2], std::make_pair(std::int32_t{Idle}, 9));
}

TEST_F(MainLoop, EscapeEndsTheRunWithoutAnotherIdleOrDraw) {
    platform.queueKeyUp(27);
    quitAfter(5);  // only a guard against a loop that would not end
    window.run();
    ASSERT_EQ(log.events.size(), 1u);
    EXPECT_EQ(log.events[0], std::make_pair(std::int32_t{KeyUp}, 27));
    EXPECT_EQ(platform.count("swapBuffers"), 0u);
    EXPECT_EQ(platform.calls().back(), "getMessage");
}

TEST_F(MainLoop, ACloseRequestEndsTheRunLikeEscape) {
    quitAfter(5);  // only a guard against a loop that would not end
    platform.queueClose();
    window.run();
    EXPECT_TRUE(log.events.empty());
    EXPECT_EQ(platform.count("postQuit"), 1u);
    EXPECT_EQ(platform.count("swapBuffers"), 0u);
}

TEST_F(MainLoop, WithoutACallbackTheLoopStillDrainsAndPresentsEveryTurn) {
    window.setCallback(nullptr, nullptr);
    platform.queueKeyDown(32);
    platform.queueKeyUp(32);
    quitAfter(3);
    window.run();
    EXPECT_TRUE(log.events.empty());
    EXPECT_EQ(platform.count("swapBuffers"), 3u);
    EXPECT_EQ(platform.count("dispatchMessage"), 2u);
    EXPECT_FALSE(window.keyDown(32));
}

TEST_F(MainLoop, AFailedTakeDeliversNothingAndTheFrameGoesOn) {
    platform.queueKeyUp(39);
    platform.failCall("getMessage", 1);
    quitAfter(2);
    window.run();
    // Turn one: the take fails, the frame is drawn; turn two: the key arrives.
    ASSERT_EQ(log.events.size(), 5u);
    EXPECT_EQ(log.events[0].first, Idle);
    EXPECT_EQ(log.events[2], std::make_pair(std::int32_t{KeyUp}, 39));
}

TEST_F(MainLoop, PresentSwapsTheWindowsBuffersAndIgnoresAFailedSwap) {
    platform.failCall("swapBuffers");
    window.present();
    window.present();
    EXPECT_EQ(platform.count("swapBuffers"), 2u);
}

}  // namespace
