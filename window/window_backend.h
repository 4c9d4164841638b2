#pragma once

#include <cstdint>
#include <string>

// What the window core (GLWindow) asks of the system it runs on, in the core's own words. Each
// system has one backend: win32/ (Windows), sdl/ (Linux), web/ (the browser), and for the tests
// tests/window/fake/. The core holds the order of the steps and every text the user reads; a
// backend only does each step on its system and says whether it worked, and why not.

// The steps of opening the window, in the order they run; each has its own failure text.
enum class OpenStep {
    Done,            // every step worked
    Window,          // making the window
    DrawingSurface,  // the surface the context draws into (a device context on Windows)
    FindFormat,      // a pixel format that gives double-buffered RGBA with a depth buffer
    SetFormat,       // giving the window that format
    MakeContext,     // the GL context
    MakeCurrent,     // making it current on the program's thread
};

// What the window gives back, in the order it gives it back; each has its own failure text.
enum class Release { CurrentContext, Context, DrawingSurface, Window, Registration };

struct WindowSpec {
    std::int32_t width = 0;  // of the drawing area, in pixels
    std::int32_t height = 0;
    std::int32_t colourBits = 0;
    bool fullscreen = false;  // an undecorated window over the whole screen; else a framed one
    const char* title = "";
};

// The kinds of message box: what buttons and icon each has is the system's to show.
enum class BoxKind {
    Failure,   // OK, warning icon
    Question,  // Yes and No, warning icon
    Closing,   // OK, stop icon
    Shutdown,  // OK, information icon
};
enum class BoxAnswer { Failed, Ok, Cancel, Yes, No };

// What happens to the window, as the core needs to hear it. Key codes are Windows virtual-key
// codes on every system. A system key (Alt held, F10) is not a key here: it raises nothing.
struct WindowEvent {
    enum class Kind { KeyDown, KeyUp, Close, Activate };
    Kind kind = Kind::KeyUp;
    std::uint32_t key = 0;   // KeyDown, KeyUp: the virtual-key code; a repeat is another KeyDown
    bool minimised = false;  // Activate: the window is now minimised (or its page hidden)
};

class WindowEventListener {
  public:
    virtual void onWindowEvent(const WindowEvent& event) = 0;

  protected:
    virtual ~WindowEventListener() = default;
};

class WindowBackend {
  public:
    virtual ~WindowBackend() = default;

    // Where events go, from now on (null: nowhere). A system may report events from inside the
    // steps below (Windows sends messages from inside CreateWindowEx and ShowWindow).
    virtual void setListener(WindowEventListener* listener) = 0;

    // Makes the window system ready for this program's window (on Windows, registers its class).
    virtual bool start() = 0;
    // Switches the display to exactly this mode; false, changing nothing, where it has none.
    virtual bool enterDisplayMode(std::int32_t width, std::int32_t height,
                                  std::int32_t colourBits) = 0;
    virtual void leaveDisplayMode() = 0;
    // Shows or hides the mouse cursor over the window; calls count up and down as on Windows.
    virtual void showCursor(bool shown) = 0;
    // Makes the window, not yet shown: Done, Window, or, where the system fixes the pixel format
    // as it makes the window (X), FindFormat.
    virtual OpenStep openWindow(const WindowSpec& asked) = 0;
    // Makes the window's GL context current: Done, or the step that failed.
    virtual OpenStep openContext() = 0;
    // Shows the window in front, with the keyboard focus.
    virtual void show() = 0;
    // Gives back one thing; true also when there was nothing to give back.
    virtual bool release(Release what) = 0;

    virtual void present() = 0;
    // Hands every event that is waiting to the listener, without waiting for one; false once
    // the quit request has been taken.
    virtual bool pumpEvents() = 0;
    // Asks for the quit request to come (after the events already waiting, on Windows).
    virtual void requestQuit() = 0;

    // Shows a modal box; BoxAnswer::Failed when none could be shown.
    virtual BoxAnswer showBox(BoxKind kind, const char* caption, const char* text) = 0;
    // Milliseconds since an arbitrary start; wraps around after 2^32 - 1.
    virtual std::uint32_t ticks() = 0;
    // Why the last step that failed did, in the system's words; empty when it gave no reason.
    // Reading it clears it.
    virtual std::string takeFailureReason() = 0;
};
