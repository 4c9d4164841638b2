// Giving back an open window: the order of the releases and the message of each that fails.
#include "tests/shell/shell_fixture.h"

using ::testing::ElementsAre;

namespace {

class WindowDestroy : public ShellTest {
  protected:
    void open() {
        ASSERT_TRUE(window.create());
        from_ = platform.calls().size();
    }
    std::vector<std::string> destroyCalls() const {
        return {platform.calls().begin() + static_cast<long>(from_), platform.calls().end()};
    }

    GLWindow window{platform, instance(), 32, true};
    std::size_t from_ = 0;
};

TEST_F(WindowDestroy, ReleasesEverythingInOrderAndSaysNothing) {
    open();
    window.destroy();
    EXPECT_THAT(destroyCalls(),
                ElementsAre("restoreDisplayMode", "showCursor", "releaseCurrent", "deleteGLContext",
                            "releaseDeviceContext", "destroyWindow", "unregisterClass"));
    EXPECT_TRUE(platform.boxes().empty());
    EXPECT_EQ(window.glContext(), nullptr);
    // The entry stays: the platform may still send messages for the handle.
    EXPECT_EQ(windowRegistry().size(), 1u);
}

TEST_F(WindowDestroy, EveryFailingReleaseIsReportedAndTheNextStillRuns) {
    open();
    for (const char* call : {"releaseCurrent", "deleteGLContext", "releaseDeviceContext",
                             "destroyWindow", "unregisterClass"}) {
        platform.failCall(call);
    }
    window.destroy();
    EXPECT_THAT(destroyCalls(),
                ElementsAre("restoreDisplayMode", "showCursor", "releaseCurrent", "messageBox",
                            "deleteGLContext", "messageBox", "releaseDeviceContext", "messageBox",
                            "destroyWindow", "messageBox", "unregisterClass", "messageBox"));
    std::vector<std::string> texts;
    for (const auto& box : platform.boxes()) {
        texts.push_back(box.text);
        EXPECT_EQ(box.caption, "SHUTDOWN ERROR");
        EXPECT_EQ(box.flags, 0x40u);
    }
    EXPECT_THAT(texts,
                ElementsAre("Release Of DC And RC Failed.", "Release Rendering Context Failed.",
                            "Release Device Context Failed.", "Could Not Release hWnd.",
                            "Could Not Unregister Class."));
}

TEST_F(WindowDestroy, ASecondCallReleasesOnlyTheClassAgain) {
    open();
    window.destroy();
    const std::size_t before = platform.calls().size();
    window.destroy();
    EXPECT_THAT(std::vector<std::string>(platform.calls().begin() + static_cast<long>(before),
                                         platform.calls().end()),
                ElementsAre("restoreDisplayMode", "showCursor", "unregisterClass"));
}

TEST_F(WindowDestroy, AFailedReleaseDuringAFailedOpenComesBeforeTheOpeningMessage) {
    platform.failCall("createGLContext");
    platform.failCall("destroyWindow");
    EXPECT_FALSE(window.create());
    ASSERT_EQ(platform.boxes().size(), 2u);
    EXPECT_EQ(platform.boxes()[0].text, "Could Not Release hWnd.");
    EXPECT_EQ(platform.boxes()[1].text, "Can't Create A GL Rendering Context.");
}

TEST(WindowLifetime, DeletingTheWindowReleasesNothingAndUnroutesIt) {
    resetWindowRouting();
    RecordingPlatform platform;
    auto window = std::make_unique<GLWindow>(platform, nullptr, 32, true);
    ASSERT_TRUE(window->create());
    const std::size_t calls = platform.calls().size();
    const WindowHandle handle = window->nativeWindow();
    window.reset();
    EXPECT_EQ(platform.calls().size(), calls);
    EXPECT_EQ(windowRegistry().lookUp(handle), nullptr);
    // A late message for the handle finds nobody instead of freed memory.
    EXPECT_EQ(routeMessage(handle, MessageId::KeyUp, 27, 0), 0);
}

TEST(WindowLifetime, DeletingAWindowThatFailedToOpenClearsPendingWindow) {
    resetWindowRouting();
    RecordingPlatform platform;
    platform.failCall("registerClass");
    auto window = std::make_unique<GLWindow>(platform, nullptr, 32, true);
    EXPECT_FALSE(window->create());
    EXPECT_EQ(pendingWindow(), window.get());
    window.reset();
    EXPECT_EQ(pendingWindow(), nullptr);
}

}  // namespace
