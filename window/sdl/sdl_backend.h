#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "window/sdl/sdl_pads.h"
#include "window/window_backend.h"

struct SDL_Window;
union SDL_Event;

// The window on Linux desktops: SDL2, with Xlib where SDL runs on X (its choice on every Linux
// desktop, XWayland included).
//
// Supports: full screen in a real display mode of exactly the asked size at 4 bytes per pixel (SDL
// would quietly take the nearest other one, so anything else is a refusal); a framed window at the
// screen's top-left corner; a double-buffered 8-bit RGB GL context with a 16-bit depth buffer; the
// mouse cursor hidden and the screen saver held off while the window exists; the game's keys
// (key_codes.h), the keypad's arrows included; SIGINT and SIGTERM as a close request
// (window/x11_posix/close_signals.h); the tick counter from boot (window/x11_posix/tick_counter.h);
// SDL's message boxes; a reason from SDL for every failure. On X, keys come from the X server's own
// events for the game's X window: when the window loses the keyboard focus SDL reports a release of
// every key still held, and it drops the release of a key it did not see pressed, while the key
// that counts is the one let go where the focus is. On SDL's other drivers (native Wayland, the
// console) keys are SDL's. Gamepads are more keys (sdl_pads.h), read while the window has the
// keyboard focus; where SDL cannot read them the game is played by keyboard, as it says on
// standard error.
// Limits: one window. X fixes a GL window's pixel format (its visual) as it makes the window, so
// no fitting format is reported when the window is made. With no display SDL would draw into
// memory where nobody sees it: that counts as no display unless SDL_VIDEODRIVER asks for it.
// Needs: libsdl2 (video and game controllers), libx11 (the X server's key events), and
// window/x11_posix (vorn_x11_posix).
class SdlBackend : public WindowBackend {
  public:
    // beforeModeChange runs before the display mode is first asked for (the display guardian's
    // wait for the screen's layout).
    explicit SdlBackend(std::function<void()> beforeModeChange = {});
    // Gives back whatever is still open (context, window, display mode).
    ~SdlBackend() override;
    SdlBackend(const SdlBackend&) = delete;
    SdlBackend& operator=(const SdlBackend&) = delete;

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
    bool pumpEvents() override;  // sdl_events.cpp
    void requestQuit() override { quitRequested_ = true; }
    BoxAnswer showBox(BoxKind kind, const char* caption, const char* text) override;
    std::uint32_t ticks() override;
    std::string takeFailureReason() override;

  private:
    bool noteFailure(const std::string& why);
    bool noteSdlFailure(const char* call);
    void closeWindow();
    // sdl_events.cpp
    void take(const SDL_Event& event);
    void takeXKey(const SDL_Event& event);
    void tell(const WindowEvent& event);

    std::function<void()> beforeModeChange_;
    WindowEventListener* listener_ = nullptr;
    bool videoStarted_ = false;
    bool keysFromX_ = false;
    bool focused_ = false;  // the window has the keyboard focus
    SdlPads pads_{[this](const WindowEvent& event) { tell(event); }};
    bool modeChosen_ = false;
    int modeWidth_ = 0;
    int modeHeight_ = 0;
    std::uint32_t modeFormat_ = 0;
    int modeRefreshRate_ = 0;
    SDL_Window* window_ = nullptr;
    unsigned long xWindow_ = 0;  // 0 unless the window is an X window
    bool windowFullscreen_ = false;
    void* context_ = nullptr;
    std::int32_t cursorCount_ = 0;
    bool quitRequested_ = false;
    std::string why_;
};
