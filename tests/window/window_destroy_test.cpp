// Giving back an open window: the order of the releases and the message of each that fails.
#include <memory>

#include "tests/support/window_fixture.h"

using ::testing::ElementsAre;

namespace {

class WindowDestroy : public WindowTest {
  protected:
    void open() {
        ASSERT_TRUE(window.create());
        from_ = backend.calls().size();
    }
    std::vector<std::string> destroyCalls() const {
        return {backend.calls().begin() + static_cast<long>(from_), backend.calls().end()};
    }

    GLWindow window{backend, 32, true};
    std::size_t from_ = 0;
};

TEST_F(WindowDestroy, ReleasesEverythingInOrderAndSaysNothing) {
    open();
    window.destroy();
    EXPECT_THAT(
        destroyCalls(),
        ElementsAre("leaveDisplayMode", "showCursor", "releaseCurrentContext", "releaseContext",
                    "releaseDrawingSurface", "releaseWindow", "releaseRegistration"));
    EXPECT_TRUE(backend.boxes().empty());
    EXPECT_EQ(backend.cursorCount(), -1);
}

TEST_F(WindowDestroy, EveryFailingReleaseIsReportedAndTheNextStillRuns) {
    open();
    for (const char* call : {"releaseCurrentContext", "releaseContext", "releaseDrawingSurface",
                             "releaseWindow", "releaseRegistration"}) {
        backend.failCall(call);
    }
    window.destroy();
    EXPECT_THAT(destroyCalls(),
                ElementsAre("leaveDisplayMode", "showCursor", "releaseCurrentContext", "box",
                            "releaseContext", "box", "releaseDrawingSurface", "box",
                            "releaseWindow", "box", "releaseRegistration", "box"));
    std::vector<std::string> texts;
    for (const auto& box : backend.boxes()) {
        texts.push_back(box.text);
        EXPECT_EQ(box.caption, "SHUTDOWN ERROR");
        EXPECT_EQ(box.kind, BoxKind::Shutdown);
    }
    EXPECT_THAT(texts,
                ElementsAre("Release Of DC And RC Failed.", "Release Rendering Context Failed.",
                            "Release Device Context Failed.", "Could Not Release hWnd.",
                            "Could Not Unregister Class."));
}

TEST_F(WindowDestroy, AWindowedWindowLeavesTheDisplayModeAndCursorAlone) {
    backend.failCall("enterDisplayMode");
    backend.answerQuestion(BoxAnswer::Yes);
    open();
    window.destroy();
    EXPECT_EQ(backend.count("leaveDisplayMode"), 0u);
    EXPECT_EQ(backend.count("showCursor"), 0u);
}

TEST_F(WindowDestroy, AFailedReleaseDuringAFailedOpenComesBeforeTheOpeningMessage) {
    backend.failOpenAt(OpenStep::MakeContext);
    backend.failCall("releaseWindow");
    EXPECT_FALSE(window.create());
    ASSERT_EQ(backend.boxes().size(), 2u);
    EXPECT_EQ(backend.boxes()[0].text, "Could Not Release hWnd.");
    EXPECT_EQ(backend.boxes()[1].text, "Can't Create A GL Rendering Context.");
}

TEST(WindowLifetime, DeletingTheWindowReleasesNothingAndStopsItsEvents) {
    FakeBackend backend;
    auto window = std::make_unique<GLWindow>(backend, 32, true);
    ASSERT_TRUE(window->create());
    EXPECT_TRUE(backend.hasListener());
    const std::size_t calls = backend.calls().size();
    window.reset();
    EXPECT_EQ(backend.calls().size(), calls);
    // A late event finds nobody instead of freed memory.
    EXPECT_FALSE(backend.hasListener());
    backend.deliver({WindowEvent::Kind::KeyUp, 27, false});
}

}  // namespace
