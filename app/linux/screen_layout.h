#pragma once

#include <memory>
#include <string>

// What the X screen shows: its size and, for each of its CRTCs (the scan-out engines behind the
// monitors), the mode, position, rotation and outputs, through RandR 1.2. Taken before the game
// starts, it is what puts the desktop back when the game cannot (a crash, a kill).
// Needs: Xlib and the RandR extension library.
class ScreenLayout {
  public:
    ~ScreenLayout();
    ScreenLayout(const ScreenLayout&) = delete;
    ScreenLayout& operator=(const ScreenLayout&) = delete;

    // The layout of the default screen of $DISPLAY now; null when there is no display or it
    // has no RandR 1.2.
    static std::unique_ptr<ScreenLayout> capture();

    // NotWatched: no layout had been read to put back.
    enum class PutBack { AlreadyThere, Done, Failed, NotWatched };
    // Sets the screen to this layout again where it differs; `why` says what failed.
    PutBack putBack(std::string& why) const;

    struct State;  // defined where it is read and set

  private:
    explicit ScreenLayout(std::unique_ptr<State> state);
    std::unique_ptr<State> state_;
};
