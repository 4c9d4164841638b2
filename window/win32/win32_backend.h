#pragma once

// The window backend on Windows: USER32 for the window class, the window, its messages, display
// modes and boxes; GDI32 for the pixel format and the buffer swap; WGL for the GL context.
//
// Supports: every step of WindowBackend, each made with the Win32 calls, order and values the
// program has always used. The class's one window procedure, routeMessage, finds the backend of
// a window in a process-wide registry, or takes the one whose window is being made (Windows
// sends messages from inside CreateWindowExA). Key presses and releases, the close request and
// activation become the core's events inside the dispatch; the screen saver and monitor
// power-off commands are swallowed; all else, system keys too, gets the default processing.
// Limits: one window per backend; the class's 4 window extra bytes cannot hold a pointer on
// 64-bit, hence the registry. No failure reason is ever given, as the program never showed one.
// Needs: user32, gdi32, opengl32; built with MinGW-w64 (cmake/mingw-w64.cmake).
#include <windows.h>

#include <cstdint>
#include <string>

#include "window/window_backend.h"

class Win32Backend : public WindowBackend {
  public:
    explicit Win32Backend(HINSTANCE instance) : instance_(instance) {}
    // Leaves the registry and the pending slot, so no later message reaches freed memory.
    ~Win32Backend() override;
    Win32Backend(const Win32Backend&) = delete;
    Win32Backend& operator=(const Win32Backend&) = delete;

    void setListener(WindowEventListener* listener) override { listener_ = listener; }
    bool start() override;
    bool enterDisplayMode(std::int32_t width, std::int32_t height,
                          std::int32_t colourBits) override;
    void leaveDisplayMode() override;
    void showCursor(bool shown) override;
    OpenStep openWindow(const WindowSpec& asked) override;
    OpenStep openContext() override;
    void show() override;
    bool release(Release what) override;
    void present() override;
    bool pumpEvents() override;
    void requestQuit() override;
    BoxAnswer showBox(BoxKind kind, const char* caption, const char* text) override;
    std::uint32_t ticks() override;
    std::string takeFailureReason() override { return {}; }

    // What the class's window procedure does with a message for this backend's window.
    LRESULT handleMessage(HWND window, UINT id, WPARAM wParam, LPARAM lParam);

    HWND window() const { return window_; }
    HDC drawingSurface() const { return dc_; }
    HGLRC glContext() const { return context_; }

  protected:
    // DefWindowProcA; a test sees through it which messages the backend leaves to the system.
    virtual LRESULT defaultProcessing(HWND window, UINT id, WPARAM wParam, LPARAM lParam);

  private:
    void raise(WindowEvent::Kind kind, WPARAM key = 0, bool minimised = false);

    HINSTANCE instance_;
    WindowEventListener* listener_ = nullptr;
    std::int32_t colourBits_ = 0;
    HWND window_ = nullptr;
    HDC dc_ = nullptr;
    HGLRC context_ = nullptr;
};

// The window procedure of the program's class: hands the message to the backend whose window it
// is, else to the one whose window is being made; with neither, to the system's default.
LRESULT CALLBACK routeMessage(HWND window, UINT id, WPARAM wParam, LPARAM lParam);

// The process-wide routing of messages to backends (win32_routing.cpp).
namespace WindowRouting {
// The backend whose window is being made (null: none).
void setPending(Win32Backend* backend);
// Keeps the entry already there when the handle is known.
void enter(HWND window, Win32Backend* backend);
// Drops the backend from the registry and the pending slot.
void forget(const Win32Backend* backend);
}  // namespace WindowRouting

// Empties the registry and the pending slot; tests start each case from here.
void resetWindowRouting();
