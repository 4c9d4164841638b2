// How the Win32 backend's window procedure treats each message, under Wine: what becomes an event
// for the core, what is answered and swallowed, and what is left to the system's default.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "render/gl_api.h"
#include "window/win32/win32_backend.h"

namespace {

using Message = std::pair<UINT, WPARAM>;

// Sees which messages reach the system's default processing, and still hands them on.
class RecordingBackend : public Win32Backend {
  public:
    RecordingBackend() : Win32Backend(GetModuleHandleA(nullptr)) {}
    std::vector<Message> defaults;

  protected:
    LRESULT defaultProcessing(HWND window, UINT id, WPARAM wParam, LPARAM lParam) override {
        defaults.emplace_back(id, wParam);
        return Win32Backend::defaultProcessing(window, id, wParam, lParam);
    }
};

class EventLog : public WindowEventListener {
  public:
    std::vector<std::string> events;
    void onWindowEvent(const WindowEvent& event) override {
        static const char* const kNames[] = {"KeyDown ", "KeyUp ", "Close", "Activate"};
        std::string entry = kNames[static_cast<int>(event.kind)];
        if (event.kind == WindowEvent::Kind::KeyDown || event.kind == WindowEvent::Kind::KeyUp)
            entry += std::to_string(event.key);
        events.push_back(event.minimised ? entry + " minimised" : entry);
    }
};

bool contains(const std::vector<Message>& seen, UINT id) {
    return std::any_of(seen.begin(), seen.end(), [id](const Message& m) { return m.first == id; });
}

class Win32Messages : public ::testing::Test {
  protected:
    void SetUp() override { resetWindowRouting(); }
    void TearDown() override {
        for (const Release what : {Release::CurrentContext, Release::Context,
                                   Release::DrawingSurface, Release::Window, Release::Registration})
            backend_.release(what);
        resetWindowRouting();
    }

    void open(Win32Backend& backend) {
        backend.setListener(&log_);
        ASSERT_TRUE(backend.start());
        ASSERT_EQ(backend.openWindow(WindowSpec{800, 600, 32, false, "VornGame"}), OpenStep::Done);
        ASSERT_EQ(backend.openContext(), OpenStep::Done);
        backend.show();
    }

    EventLog log_;
    RecordingBackend backend_;
};

TEST_F(Win32Messages, EachMessageBecomesItsEventOrGoesToTheDefault) {
    struct Case {
        const char* name;
        UINT id;
        WPARAM wParam;
        LPARAM lParam;
        bool toDefault;
        std::vector<std::string> events;
    };
    const Case cases[] = {
        {"activated", WM_ACTIVATE, MAKEWPARAM(WA_ACTIVE, 0), 0, false, {"Activate"}},
        {"minimised", WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 1), 0, false, {"Activate minimised"}},
        {"resized", WM_SIZE, SIZE_RESTORED, MAKELPARAM(400, 300), false, {}},
        {"closed", WM_CLOSE, 0, 0, false, {"Close"}},
        {"key pressed", WM_KEYDOWN, VK_LEFT, 0x014B0001, false, {"KeyDown 37"}},
        {"key released", WM_KEYUP, VK_LEFT, static_cast<LPARAM>(0xC14B0001), false, {"KeyUp 37"}},
        {"screen saver", WM_SYSCOMMAND, SC_SCREENSAVE, 0, false, {}},
        {"monitor power-off", WM_SYSCOMMAND, SC_MONITORPOWER, 2, false, {}},
        {"close command", WM_SYSCOMMAND, SC_CLOSE, 0, true, {"Close"}},
        {"arrange command", WM_SYSCOMMAND, SC_ARRANGE, 0, true, {}},
        {"Alt+X pressed", WM_SYSKEYDOWN, 'X', 0x202D0001, true, {}},
        {"Alt+X released", WM_SYSKEYUP, 'X', static_cast<LPARAM>(0xE02D0001), true, {}},
    };
    open(backend_);
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        log_.events.clear();
        backend_.defaults.clear();
        const LRESULT answer = SendMessageA(backend_.window(), c.id, c.wParam, c.lParam);
        EXPECT_EQ(log_.events, c.events);
        if (c.toDefault) {
            ASSERT_FALSE(backend_.defaults.empty());
            EXPECT_EQ(backend_.defaults.front(), Message(c.id, c.wParam));
        } else {
            EXPECT_EQ(answer, 0);
            EXPECT_TRUE(backend_.defaults.empty());
        }
    }
    EXPECT_TRUE(IsWindow(backend_.window())) << "closing is the core's to decide";
    GLint after[4] = {};
    glGetIntegerv(GL_VIEWPORT, after);
    EXPECT_TRUE(std::equal(viewport, viewport + 4, after)) << "WM_SIZE changes nothing";
}

// Before the registry knows the handle, the window's first messages reach the backend through
// the pending slot; once shown, messages of unknown windows are no longer its business.
TEST_F(Win32Messages, MessagesOfAWindowBeingMadeReachItsBackend) {
    backend_.setListener(&log_);
    ASSERT_TRUE(backend_.start());
    ASSERT_EQ(backend_.openWindow(WindowSpec{800, 600, 32, false, "VornGame"}), OpenStep::Done);
    EXPECT_TRUE(contains(backend_.defaults, WM_NCCREATE));
    EXPECT_TRUE(contains(backend_.defaults, WM_CREATE));
    ASSERT_EQ(backend_.openContext(), OpenStep::Done);
    backend_.show();
    EXPECT_NE(std::find(log_.events.begin(), log_.events.end(), "Activate"), log_.events.end());

    const HWND other =
        CreateWindowExA(0, "STATIC", "plain", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(other, nullptr);
    backend_.defaults.clear();
    char text[16] = {};
    EXPECT_EQ(routeMessage(other, WM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(text)), 5);
    EXPECT_STREQ(text, "plain") << "the system's default answer";
    EXPECT_TRUE(backend_.defaults.empty());

    WindowRouting::setPending(&backend_);
    routeMessage(other, WM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(text));
    EXPECT_TRUE(contains(backend_.defaults, WM_GETTEXT)) << "taken by the pending backend";
    DestroyWindow(other);
}

// The window outlives a backend deleted without closing it: its messages must not reach the
// deleted object.
TEST_F(Win32Messages, ADeletedBackendHearsNothing) {
    auto doomed = std::make_unique<RecordingBackend>();
    open(*doomed);
    const HWND window = doomed->window();
    const HDC dc = doomed->drawingSurface();
    const HGLRC context = doomed->glContext();
    doomed.reset();
    log_.events.clear();
    EXPECT_EQ(SendMessageA(window, WM_KEYUP, VK_ESCAPE, static_cast<LPARAM>(0xC0010001)), 0);
    EXPECT_TRUE(log_.events.empty());
    wglMakeCurrent(nullptr, nullptr);
    wglDeleteContext(context);
    ReleaseDC(window, dc);
    DestroyWindow(window);
}

}  // namespace
