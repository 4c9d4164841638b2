// How the window answers each event: key flags, KeyUp for the game, quitting, activation.
#include "tests/support/window_fixture.h"

namespace {

struct Raised {
    std::int32_t event;
    std::int32_t argument;
    bool flagStillSet;
};

// Records each KeyUp with whether the key's flag was already cleared, and answers as told.
struct KeyProbe {
    GLWindow* window = nullptr;
    bool answer = true;
    std::vector<Raised> raised;

    static bool callback(std::int32_t event, std::int32_t argument, void* userData) {
        auto* probe = static_cast<KeyProbe*>(userData);
        probe->raised.push_back(
            {event, argument, probe->window->keyDown(static_cast<std::size_t>(argument))});
        return probe->answer;
    }
};

class WindowEvents : public WindowTest {
  protected:
    WindowEvents() {
        probe.window = &window;
        window.setCallback(&KeyProbe::callback, &probe);
    }
    void send(WindowEvent::Kind kind, std::uint32_t key = 0, bool minimised = false) {
        backend.deliver({kind, key, minimised});
    }

    GLWindow window{backend, 32, true};
    KeyProbe probe;
};

using Kind = WindowEvent::Kind;

TEST_F(WindowEvents, ActivateFollowsTheMinimisedFlagOnly) {
    send(Kind::Activate, 0, false);
    EXPECT_TRUE(window.active());
    send(Kind::Activate, 0, true);
    EXPECT_FALSE(window.active());
    send(Kind::Activate, 0, false);
    EXPECT_TRUE(window.active());
}

TEST_F(WindowEvents, CloseOnlyAsksToQuit) {
    send(Kind::Close);
    EXPECT_EQ(backend.count("requestQuit"), 1u);
    EXPECT_EQ(backend.count("releaseWindow"), 0u);
    EXPECT_TRUE(probe.raised.empty());
}

TEST_F(WindowEvents, AHeldKeyRaisesOneKeyUpAtItsRelease) {
    for (int repeat = 0; repeat < 5; ++repeat)
        send(Kind::KeyDown, 37);
    EXPECT_TRUE(window.keyDown(37));
    EXPECT_TRUE(probe.raised.empty());
    send(Kind::KeyUp, 37);
    ASSERT_EQ(probe.raised.size(), 1u);
    EXPECT_EQ(probe.raised[0].event, KeyUp);
    EXPECT_EQ(probe.raised[0].argument, 37);
    EXPECT_FALSE(probe.raised[0].flagStillSet);
    EXPECT_EQ(backend.count("requestQuit"), 0u);
}

TEST_F(WindowEvents, AKeyUpAnsweredFalseAsksToQuitAfterClearingTheFlag) {
    probe.answer = false;
    send(Kind::KeyDown, 27);
    send(Kind::KeyUp, 27);
    ASSERT_EQ(probe.raised.size(), 1u);
    EXPECT_FALSE(probe.raised[0].flagStillSet);
    EXPECT_EQ(backend.count("requestQuit"), 1u);
}

TEST_F(WindowEvents, WithoutACallbackAReleaseOnlyClearsTheFlag) {
    window.setCallback(nullptr, nullptr);
    send(Kind::KeyDown, 32);
    send(Kind::KeyUp, 32);
    EXPECT_FALSE(window.keyDown(32));
    EXPECT_TRUE(probe.raised.empty());
    EXPECT_EQ(backend.count("requestQuit"), 0u);
}

TEST_F(WindowEvents, KeyCodesBeyondTheTableChangeNoFlag) {
    send(Kind::KeyDown, 256);
    send(Kind::KeyDown, 0xFFFFFFFF);
    for (std::size_t code = 0; code < GLWindow::kKeyCount; ++code)
        EXPECT_FALSE(window.keyDown(code));
    send(Kind::KeyUp, 300);
    ASSERT_EQ(probe.raised.size(), 1u);
    EXPECT_EQ(probe.raised[0].argument, 300);
}

}  // namespace
