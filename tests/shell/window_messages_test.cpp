// How the window answers each message, and how messages find their window.
#include "tests/shell/shell_fixture.h"

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

class WindowMessages : public ShellTest {
  protected:
    WindowMessages() {
        probe.window = &window;
        window.setCallback(&KeyProbe::callback, &probe);
        platform.setDefaultAnswer(0x5A5A);
    }
    MessageResult handle(std::uint32_t id, std::uintptr_t wParam = 0, std::intptr_t lParam = 0) {
        return window.handleMessage(platform.window(), id, wParam, lParam);
    }

    GLWindow window{platform, instance(), 32, true};
    KeyProbe probe;
};

TEST_F(WindowMessages, ActivateFollowsTheMinimisedFlagOnly) {
    EXPECT_EQ(handle(MessageId::Activate, ActivateState::Active), 0);
    EXPECT_TRUE(window.active());
    EXPECT_EQ(handle(MessageId::Activate, ActivateState::Active | 0x10000), 0);
    EXPECT_FALSE(window.active());
    // Deactivated but not minimised: still active.
    EXPECT_EQ(handle(MessageId::Activate, ActivateState::Inactive), 0);
    EXPECT_TRUE(window.active());
    EXPECT_EQ(platform.count("defaultProcessing"), 0u);
}

TEST_F(WindowMessages, SizeChangesNothingAndCloseOnlyAsksToQuit) {
    EXPECT_EQ(handle(MessageId::Size, 0, (300 << 16) | 400), 0);
    EXPECT_EQ(window.width(), 800);
    EXPECT_EQ(window.height(), 600);
    EXPECT_EQ(handle(MessageId::Close), 0);
    EXPECT_EQ(platform.count("postQuit"), 1u);
    EXPECT_EQ(platform.count("destroyWindow"), 0u);
    EXPECT_EQ(platform.count("defaultProcessing"), 0u);
}

TEST_F(WindowMessages, AHeldKeyRaisesOneKeyUpAtItsRelease) {
    for (int repeat = 0; repeat < 5; ++repeat)
        EXPECT_EQ(handle(MessageId::KeyDown, 37), 0);
    EXPECT_TRUE(window.keyDown(37));
    EXPECT_TRUE(probe.raised.empty());
    EXPECT_EQ(handle(MessageId::KeyUp, 37), 0);
    ASSERT_EQ(probe.raised.size(), 1u);
    EXPECT_EQ(probe.raised[0].event, KeyUp);
    EXPECT_EQ(probe.raised[0].argument, 37);
    EXPECT_FALSE(probe.raised[0].flagStillSet);
    EXPECT_EQ(platform.count("postQuit"), 0u);
}

TEST_F(WindowMessages, AKeyUpAnsweredFalseAsksToQuitAfterClearingTheFlag) {
    probe.answer = false;
    handle(MessageId::KeyDown, 27);
    handle(MessageId::KeyUp, 27);
    ASSERT_EQ(probe.raised.size(), 1u);
    EXPECT_FALSE(probe.raised[0].flagStillSet);
    EXPECT_EQ(platform.count("postQuit"), 1u);
}

TEST_F(WindowMessages, WithoutACallbackAReleaseOnlyClearsTheFlag) {
    window.setCallback(nullptr, nullptr);
    handle(MessageId::KeyDown, 32);
    EXPECT_EQ(handle(MessageId::KeyUp, 32), 0);
    EXPECT_FALSE(window.keyDown(32));
    EXPECT_TRUE(probe.raised.empty());
    EXPECT_EQ(platform.count("postQuit"), 0u);
}

TEST_F(WindowMessages, KeyCodesBeyondTheTableChangeNoFlag) {
    EXPECT_EQ(handle(MessageId::KeyDown, 256), 0);
    EXPECT_EQ(handle(MessageId::KeyDown, 0xFFFFFFFF), 0);
    for (std::size_t code = 0; code < GLWindow::kKeyCount; ++code)
        EXPECT_FALSE(window.keyDown(code));
    EXPECT_EQ(handle(MessageId::KeyUp, 300), 0);
    ASSERT_EQ(probe.raised.size(), 1u);
    EXPECT_EQ(probe.raised[0].argument, 300);
}

TEST_F(WindowMessages, SystemKeysGetDefaultProcessingAndRaiseNothing) {
    EXPECT_EQ(handle(MessageId::SysKeyDown, 0x79), 0x5A5A);
    EXPECT_EQ(handle(MessageId::SysKeyUp, 0x79), 0x5A5A);
    EXPECT_EQ(handle(MessageId::SysKeyUp, 37, KeyFlag::AltDown), 0x5A5A);
    EXPECT_TRUE(probe.raised.empty());
    EXPECT_FALSE(window.keyDown(0x79));
}

TEST_F(WindowMessages, ScreenSaverAndDisplayPowerOffAreHeldOff) {
    EXPECT_EQ(handle(MessageId::SysCommand, SystemCommand::ScreenSave), 0);
    EXPECT_EQ(handle(MessageId::SysCommand, SystemCommand::MonitorPower), 0);
    EXPECT_EQ(platform.count("defaultProcessing"), 0u);
    // Not masked: only the exact command values are held off.
    EXPECT_EQ(handle(MessageId::SysCommand, SystemCommand::ScreenSave | 1), 0x5A5A);
}

TEST_F(WindowMessages, TheCloseCommandArrivesAsACloseAndEndsTheRun) {
    ASSERT_TRUE(window.create());
    EXPECT_EQ(handle(MessageId::SysCommand, SystemCommand::Close), 0);
    EXPECT_EQ(platform.count("defaultProcessing"), 1u);
    EXPECT_EQ(platform.delivered().back().id, MessageId::Close);
    EXPECT_EQ(platform.count("postQuit"), 1u);
}

TEST_F(WindowMessages, OtherMessagesGetDefaultProcessingWithItsAnswer) {
    EXPECT_EQ(handle(0x0014, 1, 2), 0x5A5A);
    EXPECT_EQ(platform.count("defaultProcessing"), 1u);
}

TEST_F(WindowMessages, TheRegistryWinsOverThePendingWindow) {
    GLWindow other{platform, instance(), 32, true};
    const auto handleA = reinterpret_cast<WindowHandle>(0xA0);
    windowRegistry().enter(handleA, &window);
    setPendingWindow(&other);
    routeMessage(handleA, MessageId::KeyDown, 65, 0);
    EXPECT_TRUE(window.keyDown(65));
    EXPECT_FALSE(other.keyDown(65));
    routeMessage(reinterpret_cast<WindowHandle>(0xB0), MessageId::KeyDown, 66, 0);
    EXPECT_TRUE(other.keyDown(66));
}

TEST_F(WindowMessages, AnUnknownHandleWithNoPendingWindowIsAnsweredUnhandled) {
    EXPECT_EQ(routeMessage(reinterpret_cast<WindowHandle>(0xC0), MessageId::Close, 0, 0), 0);
    EXPECT_EQ(platform.count("postQuit"), 0u);
}

TEST_F(WindowMessages, EnteringAKnownHandleKeepsTheFirstOwner) {
    GLWindow other{platform, instance(), 32, true};
    const auto handleA = reinterpret_cast<WindowHandle>(0xA0);
    windowRegistry().enter(handleA, &window);
    windowRegistry().enter(handleA, &other);
    EXPECT_EQ(windowRegistry().lookUp(handleA), &window);
    EXPECT_EQ(windowRegistry().size(), 1u);
}

}  // namespace
