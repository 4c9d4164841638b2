// Opening the window: the order of the steps, the full-screen question, and every way opening
// can fail, with its message after the right releases.
#include "tests/support/window_fixture.h"

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

namespace {

class WindowCreate : public WindowTest {
  protected:
    GLWindow window{backend, 32, true};
};

TEST_F(WindowCreate, FullScreenOpensInOrder) {
    ASSERT_TRUE(window.create());
    EXPECT_THAT(backend.calls(), ElementsAre("start", "enterDisplayMode", "hideCursor",
                                             "openWindow", "hideCursor", "openContext", "show"));
    EXPECT_TRUE(window.fullscreen());
    EXPECT_EQ(backend.cursorCount(), -2);
    EXPECT_TRUE(backend.boxes().empty());
    const WindowSpec& asked = backend.windowAsked();
    EXPECT_EQ(asked.width, 800);
    EXPECT_EQ(asked.height, 600);
    EXPECT_EQ(asked.colourBits, 32);
    EXPECT_TRUE(asked.fullscreen);
    EXPECT_STREQ(asked.title, "VornGame");
}

TEST_F(WindowCreate, RefusedModeAnsweredYesOpensAWindowWithTheCursorHiddenOnce) {
    backend.failCall("enterDisplayMode", 0, "no such mode");
    backend.answerQuestion(BoxAnswer::Yes);
    ASSERT_TRUE(window.create());
    ASSERT_EQ(backend.boxes().size(), 1u);
    EXPECT_EQ(backend.boxes()[0].kind, BoxKind::Question);
    EXPECT_EQ(backend.boxes()[0].text,
              "The Requested Fullscreen Mode Is Not Supported By\nYour Video Card. Use Windowed "
              "Mode Instead?");
    EXPECT_EQ(backend.boxes()[0].caption, "Lumo GL");
    EXPECT_FALSE(window.fullscreen());
    EXPECT_FALSE(backend.windowAsked().fullscreen);
    EXPECT_EQ(backend.count("hideCursor"), 1u);
}

class DeclinedQuestion : public WindowCreate, public ::testing::WithParamInterface<BoxAnswer> {};

TEST_P(DeclinedQuestion, SaysTheProgramWillCloseAndOpensNothing) {
    backend.failCall("enterDisplayMode");
    backend.answerQuestion(GetParam());
    EXPECT_FALSE(window.create());
    EXPECT_THAT(backend.calls(), ElementsAre("start", "enterDisplayMode", "box", "box"));
    EXPECT_EQ(backend.boxes().back().text, "Program Will Now Close.");
    EXPECT_EQ(backend.boxes().back().caption, "ERROR");
    EXPECT_EQ(backend.boxes().back().kind, BoxKind::Closing);
}

INSTANTIATE_TEST_SUITE_P(AnyAnswerButYes, DeclinedQuestion,
                         ::testing::Values(BoxAnswer::No, BoxAnswer::Cancel, BoxAnswer::Failed));

const std::vector<std::string> kReleases = {
    "leaveDisplayMode",      "showCursor",    "releaseCurrentContext", "releaseContext",
    "releaseDrawingSurface", "releaseWindow", "releaseRegistration"};

struct FailureRow {
    OpenStep step;
    bool atWindow;  // the system fixes the pixel format as it makes the window
    const char* text;
};

void PrintTo(const FailureRow& row, std::ostream* out) {
    *out << "step " << static_cast<int>(row.step) << (row.atWindow ? " at the window" : "");
}

class FailureRows : public WindowCreate, public ::testing::WithParamInterface<FailureRow> {};

// Everything opened so far is given back (and the display mode with it) before the message.
TEST_P(FailureRows, ShowTheirMessageAfterEveryRelease) {
    const FailureRow& row = GetParam();
    backend.failOpenAt(row.step, row.atWindow);
    EXPECT_FALSE(window.create());
    ASSERT_EQ(backend.boxes().size(), 1u);
    EXPECT_EQ(backend.boxes()[0].text, row.text);
    EXPECT_EQ(backend.boxes()[0].caption, "ERROR");
    EXPECT_EQ(backend.boxes()[0].kind, BoxKind::Failure);
    std::vector<std::string> expected = kReleases;
    expected.push_back("box");
    EXPECT_THAT(callsAfter(row.atWindow ? "openWindow" : "openContext"),
                ElementsAreArray(expected));
    EXPECT_EQ(backend.count("show"), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    EachStep, FailureRows,
    ::testing::Values(
        FailureRow{OpenStep::DrawingSurface, false, "Can't Create A GL Device Context."},
        FailureRow{OpenStep::FindFormat, false, "Can't Find A Suitable PixelFormat."},
        FailureRow{OpenStep::FindFormat, true, "Can't Find A Suitable PixelFormat."},
        FailureRow{OpenStep::SetFormat, false, "Can't Set The PixelFormat."},
        FailureRow{OpenStep::MakeContext, false, "Can't Create A GL Rendering Context."},
        FailureRow{OpenStep::MakeCurrent, false, "Can't Activate The GL Rendering Context."}));

TEST_F(WindowCreate, NoWindowSystemIsTheFirstMessageAndNothingElseHappens) {
    backend.failCall("start");
    EXPECT_FALSE(window.create());
    EXPECT_THAT(backend.calls(), ElementsAre("start", "box"));
    EXPECT_EQ(backend.boxes()[0].text, "Failed To Register The Window Class.");
}

// Without a window there is nothing to give back: the mode and the hidden cursor stay.
TEST_F(WindowCreate, WindowCreationFailureLeavesModeAndCursorAsTheyAre) {
    backend.failOpenAt(OpenStep::Window);
    EXPECT_FALSE(window.create());
    EXPECT_EQ(backend.boxes().back().text, "Window Creation Error.");
    EXPECT_EQ(backend.count("leaveDisplayMode"), 0u);
    EXPECT_EQ(backend.count("releaseWindow"), 0u);
    EXPECT_EQ(backend.cursorCount(), -1);
}

TEST_F(WindowCreate, FailureInAWindowLeavesTheDisplayModeAlone) {
    backend.failCall("enterDisplayMode");
    backend.answerQuestion(BoxAnswer::Yes);
    backend.failOpenAt(OpenStep::MakeContext);
    EXPECT_FALSE(window.create());
    EXPECT_EQ(backend.count("leaveDisplayMode"), 0u);
    EXPECT_EQ(backend.boxes().back().text, "Can't Create A GL Rendering Context.");
}

// The reason printed with a message is the failing step's, not that of a release after it.
TEST_F(WindowCreate, EveryMessageIsPrintedWithTheSystemsReason) {
    backend.failCall("enterDisplayMode", 0, "the closest is 1024x768");
    backend.answerQuestion(BoxAnswer::No);
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(window.create());
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "vorngame: Lumo GL: The Requested Fullscreen Mode Is Not Supported By\nYour Video "
              "Card. Use Windowed Mode Instead? (the closest is 1024x768)\n"
              "vorngame: ERROR: Program Will Now Close.\n");
}

// Windows sends messages from inside the calls that make and show the window.
TEST_F(WindowCreate, EventsDuringOpeningReachTheWindow) {
    backend.onCall("openWindow", [&] {
        backend.deliver({WindowEvent::Kind::KeyDown, 'A', false});
    });
    backend.onCall("show", [&] { backend.deliver({WindowEvent::Kind::Activate, 0, false}); });
    ASSERT_TRUE(window.create());
    EXPECT_TRUE(window.keyDown('A'));
    EXPECT_TRUE(window.active());
}

}  // namespace
