#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "frame/frame_event.h"
#include "window/window_backend.h"

// The program's one window: a fixed-size window with a GL context current on the program's
// thread, full screen unless the user accepts a window instead. It holds the order of every
// step of opening and closing it, the texts the user reads when one fails, and the main loop,
// once for every system; the backend does each step on its own system. It knows nothing of the
// game: it drives whatever FrameCallback it is given.
class GLWindow : public WindowEventListener {
  public:
    static constexpr std::size_t kKeyCount = 256;

    GLWindow(WindowBackend& backend, std::int32_t colourBits, bool fullscreen);
    // Gives back nothing of what create acquired: the system does that when the process ends.
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
    // The main loop: startLoop, then turns until one answers false. A program whose system
    // hands it control once per frame (a page) starts the loop and takes the turns itself.
    void run();
    // Starts the loop's clock: the first turn's elapsed time counts from here.
    void startLoop();
    // Takes the events waiting; false once the quit request is taken, else raises Idle with the
    // time since the previous turn, then Draw, presents and answers true.
    bool turn();
    void present();

    std::int32_t width() const { return width_; }
    std::int32_t height() const { return height_; }
    std::int32_t colourBits() const { return colourBits_; }
    bool fullscreen() const { return fullscreen_; }
    bool active() const { return active_; }
    FrameCallback callback() const { return callback_; }
    void* userData() const { return userData_; }
    bool keyDown(std::size_t code) const { return code < kKeyCount && keys_[code]; }

    // What the backend reports of the window.
    void onWindowEvent(const WindowEvent& event) override;

  private:
    void onKeyUp(std::uint32_t code);
    void raiseFrameEvents(std::uint32_t elapsed);

    bool askForAWindow();
    bool openFailed(OpenStep step);
    BoxAnswer box(BoxKind kind, const char* caption, const char* text, const std::string& why);
    bool reportFailure(BoxKind kind, const char* text);

    WindowBackend& backend_;
    std::int32_t width_ = 800;
    std::int32_t height_ = 600;
    std::int32_t colourBits_;
    bool fullscreen_;
    bool active_ = false;
    FrameCallback callback_ = nullptr;
    void* userData_ = nullptr;
    std::array<bool, kKeyCount> keys_{};
    std::uint32_t previousTurn_ = 0;  // the counter when the previous turn (or the loop) began
};
