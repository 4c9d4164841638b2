#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "game/frame_event.h"
#include "window/platform.h"

// The program's one window: a fixed-size native window with a GL context current on the
// program's thread, full screen unless the user accepts a window instead. It knows nothing of
// the game; it drives whatever FrameCallback it is given.
class GLWindow {
  public:
    static constexpr std::size_t kKeyCount = 256;

    GLWindow(Platform& platform, InstanceHandle instance, std::int32_t colourBits, bool fullscreen);
    // Gives back nothing of what create acquired: the platform does that when the process
    // ends. It only makes sure no message is routed to the deleted object.
    virtual ~GLWindow();
    GLWindow(const GLWindow&) = delete;
    GLWindow& operator=(const GLWindow&) = delete;

    // Opens the window and makes its GL context current. Every failure has already been
    // shown to the user when this answers false.
    bool create();
    // Gives back what create acquired, each failing release reported on its own.
    void destroy();
    bool setupGLState();

    void setCallback(FrameCallback newCallback, void* newUserData);
    // Drains messages, raises Idle and Draw, presents; returns on the quit message.
    void run();
    void present();
    MessageResult handleMessage(WindowHandle window, std::uint32_t id, std::uintptr_t wParam,
                                std::intptr_t lParam);

    WindowHandle nativeWindow() const { return nativeWindow_; }
    DeviceContextHandle deviceContext() const { return deviceContext_; }
    GLContextHandle glContext() const { return glContext_; }
    InstanceHandle instance() const { return instance_; }
    std::int32_t width() const { return width_; }
    std::int32_t height() const { return height_; }
    std::int32_t colourBits() const { return colourBits_; }
    bool fullscreen() const { return fullscreen_; }
    bool active() const { return active_; }
    FrameCallback callback() const { return callback_; }
    void* userData() const { return userData_; }
    bool keyDown(std::size_t code) const { return code < kKeyCount && keys_[code]; }

  private:
    // Steps of create; each answers false after it has reported its failure.
    bool registerWindowClass();
    bool enterFullscreen();
    bool createNativeWindow();
    bool openGLContext();
    void showAndFocus();

    // Steps of run.
    bool drainMessages();
    void raiseFrameEvents(std::uint32_t elapsed);

    // Rows of the message table.
    MessageResult onActivate(std::uintptr_t wParam);
    MessageResult onKeyDown(std::uintptr_t wParam);
    MessageResult onKeyUp(std::uintptr_t wParam);
    MessageResult onSysCommand(WindowHandle window, std::uintptr_t wParam, std::intptr_t lParam);

    bool reportFailure(const char* text, std::uint32_t icon);
    bool reportFailureAfterDestroy(const char* text);
    void reportReleaseFailure(const char* text);

    Platform& platform_;
    WindowHandle nativeWindow_ = nullptr;
    DeviceContextHandle deviceContext_ = nullptr;
    GLContextHandle glContext_ = nullptr;
    InstanceHandle instance_;
    std::int32_t width_ = 800;
    std::int32_t height_ = 600;
    std::int32_t colourBits_;
    bool fullscreen_;
    bool active_ = false;
    FrameCallback callback_ = nullptr;
    void* userData_ = nullptr;
    std::array<bool, kKeyCount> keys_{};
};
