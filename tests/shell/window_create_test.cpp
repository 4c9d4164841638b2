// Opening the window: the order of the platform calls, the records handed to the platform,
// the full-screen question, and every way opening can fail.
#include <cstring>

#include "tests/shell/shell_fixture.h"
#include "window/window_texts.h"

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

namespace {

class WindowCreate : public ShellTest {
  protected:
    GLWindow window{platform, instance(), 32, true};
};

TEST_F(WindowCreate, FullScreenOpensInOrderAndClearsPendingWindow) {
    ASSERT_TRUE(window.create());
    EXPECT_THAT(platform.calls(),
                ElementsAre("registerClass", "changeDisplayMode", "hideCursor", "adjustWindowRect",
                            "createWindow", "hideCursor", "getDeviceContext", "choosePixelFormat",
                            "setPixelFormat", "createGLContext", "makeCurrent", "showWindow",
                            "setForegroundWindow", "setFocus"));
    EXPECT_TRUE(window.fullscreen());
    EXPECT_EQ(platform.cursorCount(), -2);
    EXPECT_TRUE(platform.boxes().empty());
    EXPECT_EQ(pendingWindow(), nullptr);
    EXPECT_EQ(windowRegistry().lookUp(window.nativeWindow()), &window);
    EXPECT_NE(window.glContext(), nullptr);
}

TEST_F(WindowCreate, HandsThePlatformTheExactRecords) {
    ASSERT_TRUE(window.create());
    const WindowClassDesc& wc = platform.registeredClass();
    EXPECT_EQ(wc.style, 0x23u);
    EXPECT_EQ(wc.procedure, &routeMessage);
    EXPECT_EQ(wc.classExtraBytes, 0);
    EXPECT_EQ(wc.windowExtraBytes, 4);
    EXPECT_EQ(wc.instance, instance());
    EXPECT_EQ(wc.icon, 32517u);
    EXPECT_EQ(wc.cursor, 32512u);
    EXPECT_EQ(platform.registeredClassName(), "VornGameWindowClass");

    const DisplayMode& mode = platform.requestedMode();
    EXPECT_EQ(mode.size, 148u);
    EXPECT_EQ(mode.fields, 0x1C0000u);
    EXPECT_EQ(mode.width, 800u);
    EXPECT_EQ(mode.height, 600u);
    EXPECT_EQ(mode.bitsPerPixel, 32u);
    EXPECT_EQ(mode.frequency, 0u);
    EXPECT_EQ(platform.displayFlags(), 4u);

    const WindowDesc& desc = platform.windowDesc();
    EXPECT_EQ(desc.exStyle, 0x00040000u);
    EXPECT_EQ(desc.style, 0x86000000u);
    EXPECT_STREQ(desc.className, "VornGameWindowClass");
    EXPECT_EQ(platform.windowTitle(), "VornGame");
    EXPECT_EQ(desc.x, 0);
    EXPECT_EQ(desc.y, 0);
    EXPECT_EQ(desc.width, 800);
    EXPECT_EQ(desc.height, 600);
    EXPECT_EQ(desc.parent, nullptr);
    EXPECT_EQ(desc.instance, instance());
    EXPECT_EQ(desc.param, nullptr);

    PixelFormatDesc expected;
    expected.size = 40;
    expected.version = 1;
    expected.flags = 0x25;
    expected.colourBits = 32;
    expected.depthBits = 16;
    EXPECT_EQ(std::memcmp(&platform.pixelFormat(), &expected, sizeof expected), 0);
}

TEST_F(WindowCreate, RefusedModeAnsweredYesOpensAFramedWindow) {
    platform.failCall("changeDisplayMode");
    platform.answerQuestion(BoxAnswer::Yes);
    ASSERT_TRUE(window.create());

    ASSERT_EQ(platform.boxes().size(), 1u);
    EXPECT_EQ(platform.boxes()[0].text,
              "The Requested Fullscreen Mode Is Not Supported By\nYour Video Card. Use Windowed "
              "Mode Instead?");
    EXPECT_EQ(platform.boxes()[0].caption, "Lumo GL");
    EXPECT_EQ(platform.boxes()[0].flags, 0x34u);
    EXPECT_FALSE(window.fullscreen());
    EXPECT_EQ(platform.windowDesc().exStyle, 0x00040100u);
    EXPECT_EQ(platform.windowDesc().style, 0x06080000u);
    // The outer size is the drawing area enlarged for the frame; the window still at (0, 0).
    EXPECT_EQ(platform.windowDesc().width, 806);
    EXPECT_EQ(platform.windowDesc().height, 629);
    EXPECT_EQ(platform.windowDesc().x, 0);
    EXPECT_EQ(platform.count("hideCursor"), 1u);
}

class DeclinedQuestion : public WindowCreate, public ::testing::WithParamInterface<int> {};

TEST_P(DeclinedQuestion, SaysTheProgramWillCloseAndOpensNothing) {
    platform.failCall("changeDisplayMode");
    platform.answerQuestion(GetParam());
    EXPECT_FALSE(window.create());
    EXPECT_THAT(platform.calls(),
                ElementsAre("registerClass", "changeDisplayMode", "messageBox", "messageBox"));
    EXPECT_EQ(platform.boxes().back().text, "Program Will Now Close.");
    EXPECT_EQ(platform.boxes().back().caption, "ERROR");
    EXPECT_EQ(platform.boxes().back().flags, 0x10u);
}

INSTANTIATE_TEST_SUITE_P(AnyAnswerButYes, DeclinedQuestion,
                         ::testing::Values(BoxAnswer::No, BoxAnswer::Cancel, BoxAnswer::Failed));

struct FailureRow {
    const char* call;
    const char* text;
    // The releases destroy makes before the message; empty when destroy does not run.
    std::vector<std::string> releases;
};

void PrintTo(const FailureRow& row, std::ostream* out) {
    *out << row.call;
}

class FailureRows : public WindowCreate, public ::testing::WithParamInterface<FailureRow> {};

TEST_P(FailureRows, ShowTheirMessageAfterTheRightReleases) {
    const FailureRow& row = GetParam();
    platform.failCall(row.call, 1);
    EXPECT_FALSE(window.create());

    ASSERT_EQ(platform.boxes().size(), 1u);
    EXPECT_EQ(platform.boxes()[0].text, row.text);
    EXPECT_EQ(platform.boxes()[0].caption, "ERROR");
    EXPECT_EQ(platform.boxes()[0].flags, 0x30u);
    EXPECT_EQ(platform.calls().back(), "messageBox");
    std::vector<std::string> expected = row.releases;
    expected.insert(expected.begin(), row.call);
    expected.push_back("messageBox");
    std::vector<std::string> tail = callsAfter(row.call);
    tail.insert(tail.begin(), row.call);
    EXPECT_THAT(tail, ElementsAreArray(expected));
    EXPECT_EQ(window.glContext(), nullptr);
}

const std::vector<std::string> kWindowGone = {"restoreDisplayMode", "showCursor", "destroyWindow",
                                              "unregisterClass"};
const std::vector<std::string> kDcAndWindowGone = {
    "restoreDisplayMode", "showCursor", "releaseDeviceContext", "destroyWindow", "unregisterClass"};
const std::vector<std::string> kEverythingGone = {
    "restoreDisplayMode",   "showCursor",    "releaseCurrent", "deleteGLContext",
    "releaseDeviceContext", "destroyWindow", "unregisterClass"};

INSTANTIATE_TEST_SUITE_P(
    EachStep, FailureRows,
    ::testing::Values(
        FailureRow{"registerClass", "Failed To Register The Window Class.", {}},
        FailureRow{"createWindow", "Window Creation Error.", {}},
        FailureRow{"getDeviceContext", "Can't Create A GL Device Context.", kWindowGone},
        FailureRow{"choosePixelFormat", "Can't Find A Suitable PixelFormat.", kDcAndWindowGone},
        FailureRow{"setPixelFormat", "Can't Set The PixelFormat.", kDcAndWindowGone},
        FailureRow{"createGLContext", "Can't Create A GL Rendering Context.", kDcAndWindowGone},
        FailureRow{"makeCurrent", "Can't Activate The GL Rendering Context.", kEverythingGone}));

TEST_F(WindowCreate, WindowCreationFailureLeavesModeAndCursorAsTheyAre) {
    platform.failCall("createWindow");
    EXPECT_FALSE(window.create());
    EXPECT_EQ(platform.count("restoreDisplayMode"), 0u);
    EXPECT_EQ(platform.cursorCount(), -1);
}

TEST_F(WindowCreate, FailureInAWindowLeavesTheDisplayModeAlone) {
    platform.failCall("changeDisplayMode");
    platform.answerQuestion(BoxAnswer::Yes);
    platform.failCall("createGLContext");
    EXPECT_FALSE(window.create());
    EXPECT_EQ(platform.count("restoreDisplayMode"), 0u);
    EXPECT_EQ(platform.boxes().back().text, "Can't Create A GL Rendering Context.");
}

TEST_F(WindowCreate, FailureLeavesTheRegistryEntryForMessagesSentDuringTeardown) {
    platform.failCall("getDeviceContext");
    bool reached = false;
    platform.onCall("destroyWindow", [&] {
        reached = windowRegistry().lookUp(platform.window()) == &window;
        platform.send(MessageId::Activate, ActivateState::Active);
    });
    EXPECT_FALSE(window.create());
    EXPECT_TRUE(reached);
    EXPECT_TRUE(window.active());
}

TEST_F(WindowCreate, MessagesSentDuringCreationReachTheWindowThroughPendingWindow) {
    bool registeredYet = true;
    platform.onCall("createWindow", [&] {
        registeredYet = windowRegistry().lookUp(platform.window()) != nullptr;
        EXPECT_EQ(pendingWindow(), &window);
        platform.send(MessageId::Activate, ActivateState::Active);
        platform.send(MessageId::KeyDown, 'A');
    });
    platform.onCall("showWindow", [&] {
        EXPECT_EQ(windowRegistry().lookUp(platform.window()), &window);
        platform.send(MessageId::KeyDown, 'B');
    });
    ASSERT_TRUE(window.create());
    EXPECT_FALSE(registeredYet);
    EXPECT_TRUE(window.active());
    EXPECT_TRUE(window.keyDown('A'));
    EXPECT_TRUE(window.keyDown('B'));
}

}  // namespace
