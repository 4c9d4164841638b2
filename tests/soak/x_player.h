#pragma once

#include <X11/Xlib.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

inline void sleepMs(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

// Input through the X server as a player gives it (keys pressed and let go with XTest, the
// pointer, the keyboard focus), and what the screen shows. For the soak of the real program.
class XPlayer {
  public:
    explicit XPlayer(const std::string& display);
    ~XPlayer();
    XPlayer(const XPlayer&) = delete;
    XPlayer& operator=(const XPlayer&) = delete;

    bool ok() const { return display_ != nullptr; }

    // A top-level window by its name, or 0.
    Window findWindow(const std::string& name) const;
    // Where a window's top-left corner is on the screen, and its size.
    bool placeOf(Window window, int& x, int& y, int& width, int& height) const;

    void press(KeySym key) { sendKey(key, true); }
    void release(KeySym key) { sendKey(key, false); }
    // Pressed, held for `ms` and let go: apart, as a finger would (Wine can miss a release that
    // follows its press at once).
    void hold(KeySym key, int ms);
    void pointerTo(int x, int y);
    void focus(Window window);
    // A plain window to move the keyboard focus to.
    Window makeOtherWindow(int x, int y, int width, int height);

    // The screen's pixels in a rectangle, one 0xRRGGBB each, row by row; empty if unreadable.
    std::vector<std::uint32_t> grab(int x, int y, int width, int height) const;

    std::uint64_t keyEventsSent() const { return keyEvents_; }
    std::uint64_t focusMoves() const { return focusMoves_; }

  private:
    void sendKey(KeySym key, bool down);

    Display* display_ = nullptr;
    std::uint64_t keyEvents_ = 0;
    std::uint64_t focusMoves_ = 0;
};
