// The Win32 backend against the real system, run under Wine on Xvfb (run_on_screen.sh, once on
// an 800x600 screen and once on a 1024x768 one). The window cases open the program's window
// through GLWindow, as the program does, and read back from Windows what the backend handed it.
#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "render/gl_api.h"
#include "window/gl_window.h"
#include "window/win32/win32_backend.h"
#include "window/window_texts.h"

namespace {

// Passes everything through, but answers message boxes without showing them: a modal box would
// hold the test until its time limit.
class QuietWin32Backend : public Win32Backend {
  public:
    QuietWin32Backend() : Win32Backend(GetModuleHandleA(nullptr)) {}
    std::vector<std::string> boxes;
    BoxAnswer showBox(BoxKind, const char*, const char* text) override {
        boxes.emplace_back(text);
        return BoxAnswer::No;
    }
};

struct Seen {
    std::vector<std::int32_t> keysUp;
    int draws = 0;
    bool stoppedByTest = false;
};

// Escape ends the loop; a loop that never ends on its own is stopped after many frames.
bool recordEvent(std::int32_t event, std::int32_t argument, void* userData) {
    Seen& seen = *static_cast<Seen*>(userData);
    if (event == KeyUp)
        seen.keysUp.push_back(argument);
    if (event == Draw && ++seen.draws == 5000) {
        seen.stoppedByTest = true;
        PostQuitMessage(0);
    }
    return !(event == KeyUp && argument == VK_ESCAPE);
}

int screenWidth() {
    return GetSystemMetrics(SM_CXSCREEN);
}
int screenHeight() {
    return GetSystemMetrics(SM_CYSCREEN);
}

// The program's window, opened through GLWindow. Windowed, the frame must fit on the screen
// (Windows keeps a window no larger than the screen and its frame); full screen needs a screen
// of exactly 800x600. run_on_screen.sh starts this program on one screen of each kind.
class Win32Window : public ::testing::Test {
  protected:
    void SetUp() override {
        resetWindowRouting();
        if (screenWidth() < 1000 || screenHeight() < 700) {
            GTEST_SKIP() << "a window with its frame needs a screen larger than 800x600";
        }
    }

    void TearDown() override {
        if (window_ != nullptr && backend_.window() != nullptr)
            window_->destroy();
        UnregisterClassA(WindowText::ClassName, module());
        window_.reset();
        resetWindowRouting();
        EXPECT_EQ(backend_.boxes, std::vector<std::string>{}) << "no failure is reported";
    }

    static HINSTANCE module() { return GetModuleHandleA(nullptr); }

    bool open(bool fullscreen) {
        window_ = std::make_unique<GLWindow>(backend_, 32, fullscreen);
        return window_->create();
    }

    HWND hwnd() const { return backend_.window(); }
    LONG style() const { return GetWindowLongA(hwnd(), GWL_STYLE); }

    // Where the drawing area, or the whole window, lies: left, top, right, bottom.
    std::array<LONG, 4> place(bool client) const {
        RECT rect{};
        client ? GetClientRect(hwnd(), &rect) : GetWindowRect(hwnd(), &rect);
        return {rect.left, rect.top, rect.right, rect.bottom};
    }

    Seen runLoop() {
        Seen seen;
        window_->setCallback(recordEvent, &seen);
        window_->run();
        return seen;
    }

    QuietWin32Backend backend_;
    std::unique_ptr<GLWindow> window_;
};

// Windows adds a caption to every overlapped window, so allowing for the system menu's frame
// alone would leave the drawing area short of 800x600.
TEST_F(Win32Window, WindowedDrawingAreaIsTheFullSize) {
    ASSERT_TRUE(open(false));
    EXPECT_EQ(place(true), (std::array<LONG, 4>{0, 0, 800, 600}));
    EXPECT_TRUE(style() & WS_CAPTION) << "the system's own caption";
    EXPECT_TRUE(style() & WS_SYSMENU);
    EXPECT_FALSE(style() & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    EXPECT_EQ(place(false)[0], 0);
    EXPECT_EQ(place(false)[1], 0);
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 800);
    EXPECT_EQ(viewport[3], 600);
}

class Win32FullScreen : public Win32Window {
  protected:
    void SetUp() override {
        resetWindowRouting();
        if (screenWidth() != 800 || screenHeight() != 600) {
            GTEST_SKIP() << "full screen needs a screen of 800x600";
        }
    }
};

TEST_F(Win32FullScreen, IsAnUndecoratedWindowOverTheWholeScreen) {
    ASSERT_TRUE(open(true));
    EXPECT_TRUE(window_->fullscreen());
    EXPECT_EQ(place(false), (std::array<LONG, 4>{0, 0, 800, 600}));
    EXPECT_TRUE(style() & WS_POPUP);
    EXPECT_FALSE(style() & WS_CAPTION);
    EXPECT_EQ(GetWindowLongA(hwnd(), GWL_EXSTYLE) & WS_EX_APPWINDOW, WS_EX_APPWINDOW);
}

TEST_F(Win32Window, ClassCarriesTheProgramsValues) {
    ASSERT_TRUE(open(false));
    WNDCLASSEXA info{};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(GetClassInfoExA(module(), WindowText::ClassName, &info));
    EXPECT_EQ(info.style, static_cast<UINT>(CS_HREDRAW | CS_VREDRAW | CS_OWNDC));
    EXPECT_EQ(info.cbClsExtra, 0);
    EXPECT_EQ(info.cbWndExtra, 4);
    EXPECT_EQ(info.hIcon, LoadIconA(nullptr, MAKEINTRESOURCEA(32517)));
    EXPECT_EQ(info.hCursor, LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)));
    EXPECT_EQ(info.hbrBackground, nullptr);
    char title[32] = {};
    GetWindowTextA(hwnd(), title, sizeof(title));
    EXPECT_STREQ(title, WindowText::Title);
}

TEST_F(Win32Window, PixelFormatAndContextAreTheOnesAskedFor) {
    ASSERT_TRUE(open(false));
    const HDC dc = backend_.drawingSurface();
    PIXELFORMATDESCRIPTOR format{};
    ASSERT_NE(DescribePixelFormat(dc, GetPixelFormat(dc), sizeof(format), &format), 0);
    const DWORD wanted = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    EXPECT_EQ(format.dwFlags & wanted, wanted);
    EXPECT_EQ(format.iPixelType, PFD_TYPE_RGBA);
    EXPECT_GE(format.cColorBits, 24);
    EXPECT_GE(format.cDepthBits, 16);
    EXPECT_EQ(wglGetCurrentContext(), backend_.glContext());
    EXPECT_NE(glGetString(GL_VERSION), nullptr);
}

// The queue and the class's procedure are the system's: a key release reaches the game as
// KeyUp with its virtual-key code, and Escape's answer ends the loop.
TEST_F(Win32Window, KeyReleasesReachTheGameAndEscapeEndsTheLoop) {
    ASSERT_TRUE(open(false));
    PostMessageA(hwnd(), WM_KEYDOWN, VK_LEFT, 0x014B0001);
    PostMessageA(hwnd(), WM_KEYDOWN, VK_LEFT, 0x414B0001);  // a repeat
    PostMessageA(hwnd(), WM_KEYUP, VK_LEFT, static_cast<LPARAM>(0xC14B0001));
    PostMessageA(hwnd(), WM_KEYUP, VK_ESCAPE, static_cast<LPARAM>(0xC0010001));
    const Seen seen = runLoop();
    EXPECT_FALSE(seen.stoppedByTest);
    EXPECT_EQ(seen.keysUp, (std::vector<std::int32_t>{VK_LEFT, VK_ESCAPE}));
    EXPECT_FALSE(window_->keyDown(VK_LEFT));
}

// The close command goes through the system's default processing, which sends WM_CLOSE.
TEST_F(Win32Window, CloseCommandEndsTheLoop) {
    ASSERT_TRUE(open(false));
    PostMessageA(hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
    const Seen seen = runLoop();
    EXPECT_FALSE(seen.stoppedByTest);
    EXPECT_TRUE(seen.keysUp.empty());
}

// The queue is the system's: what is waiting is taken and dispatched without waiting, and the
// quit request, once taken, answers false.
TEST(Win32Queue, PumpTakesWhatIsWaitingAndQuitAnswersFalse) {
    Win32Backend backend(GetModuleHandleA(nullptr));
    ASSERT_TRUE(PostThreadMessageA(GetCurrentThreadId(), WM_APP + 7, 1, 2));
    EXPECT_TRUE(backend.pumpEvents());
    MSG message{};
    EXPECT_FALSE(PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) << "taken";
    EXPECT_TRUE(backend.pumpEvents()) << "an empty queue";
    backend.requestQuit();
    EXPECT_FALSE(backend.pumpEvents());
    EXPECT_FALSE(PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE));
}

// The mode record goes through as the system expects it (an old record size, three fields);
// the screens here offer only their own size.
TEST(Win32Display, OnlyTheScreensOwnModeIsAccepted) {
    Win32Backend backend(GetModuleHandleA(nullptr));
    const int width = screenWidth();
    const int height = screenHeight();
    EXPECT_TRUE(backend.enterDisplayMode(width, height, 32));
    EXPECT_FALSE(backend.enterDisplayMode(640, 480, 32));
    backend.leaveDisplayMode();
    EXPECT_EQ(screenWidth(), width);
    EXPECT_EQ(screenHeight(), height);
}

TEST(Win32Ticks, CountIsTheSystemsMillisecondCounter) {
    Win32Backend backend(GetModuleHandleA(nullptr));
    const DWORD before = GetTickCount();
    const std::uint32_t reading = backend.ticks();
    const DWORD after = GetTickCount();
    EXPECT_LE(reading - before, after - before);
}

}  // namespace
