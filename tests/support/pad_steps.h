#pragma once

// A pad's play written once, as steps, whatever system reads the pad: the tests of PadKeys, of
// the SDL backend's pads, of the page's pad samples and of the whole run each drive the steps
// through their own system (a PadDriver), and check the plays every system must agree on.
#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "window/pad_keys.h"

using KeyCodes = std::vector<std::uint32_t>;

// One system's pads: each step reaches it as that system's pads would report it, and the key
// presses and releases it raises gather in downs and ups.
class PadDriver {
  public:
    virtual ~PadDriver() = default;
    virtual void button(std::int32_t pad, PadButton button, bool down) = 0;
    virtual void stick(std::int32_t pad, PadAxis axis, double position) = 0;
    virtual void unplug(std::int32_t pad) = 0;
    virtual void forget() = 0;  // every pad, as when the window loses the focus
    virtual void settle() {}    // after each step but forget: the system takes in the change

    // Steps apart by spaces, each of pad 0 unless its pad's number and a colon come first:
    // S+ (press) and S- (let go) for the south face button, E east, B Back, U D L R the d-pad;
    // x=-1 and y=0.5 for the stick; unplug; forget. "3:L+ x=1 3:unplug".
    void play(const std::string& steps) {
        std::istringstream in(steps);
        for (std::string word; in >> word;) {
            std::int32_t pad = 0;
            if (const auto colon = word.find(':'); colon != std::string::npos) {
                pad = std::stoi(word.substr(0, colon));
                word.erase(0, colon + 1);
            }
            const auto control = std::string("SEBUDLR").find(word[0]);
            if (word == "forget")
                forget();
            else if (word == "unplug")
                unplug(pad);
            else if (word.size() > 2 && (word[0] == 'x' || word[0] == 'y') && word[1] == '=')
                stick(pad, word[0] == 'x' ? PadAxis::StickX : PadAxis::StickY,
                      std::stod(word.substr(2)));
            else if (word.size() == 2 && control != std::string::npos &&
                     (word[1] == '+' || word[1] == '-'))
                button(pad, static_cast<PadButton>(control), word[1] == '+');
            else
                ADD_FAILURE() << "no such pad step: " << word;
            if (word != "forget")
                settle();
        }
    }
    void heard(const WindowEvent& event) {
        if (event.kind == WindowEvent::Kind::KeyUp || event.kind == WindowEvent::Kind::KeyDown)
            (event.kind == WindowEvent::Kind::KeyUp ? ups : downs).push_back(event.key);
    }

    KeyCodes ups;
    KeyCodes downs;
};

struct PadPlay {
    std::string what;
    std::string steps;
    KeyCodes keyUps;
    KeyCodes keyDowns;
};

// Plays each on a fresh system (newDriver answers one) and checks the keys it raised.
template <class NewDriver>
void expectPlays(const std::vector<PadPlay>& plays, NewDriver newDriver) {
    for (const PadPlay& play : plays) {
        SCOPED_TRACE(play.what);
        auto driver = newDriver();
        driver->play(play.steps);
        EXPECT_EQ(driver->ups, play.keyUps);
        EXPECT_EQ(driver->downs, play.keyDowns);
    }
}

// What every system's pads must raise: each control as its key, the stick once per push with
// hysteresis (PadKeys::kPush, kRest), each pad on its own, and nothing from a pad unplugged or
// forgotten mid-push. Positions stay within -1..1, which every system can report.
inline const std::vector<PadPlay> kEverySystemsPlays = {
    {"south face button drops (Space)", "S+ S-", {32}, {32}},
    {"east face button turns (Up)", "E+ E-", {38}, {38}},
    {"Back is Escape", "B+ B-", {27}, {27}},
    {"the d-pad shifts, falls and turns",
     "L+ L- R+ R- D+ D- U+ U-",
     {37, 39, 40, 38},
     {37, 39, 40, 38}},
    {"a held button acts only when let go", "S+ S+", {}, {32}},
    {"a release without a press raises nothing", "S-", {}, {}},
    {"the stick is the arrows",
     "x=-1 x=0 x=1 x=0 y=-1 y=0 y=1 y=0",
     {37, 39, 38, 40},
     {37, 39, 38, 40}},
    {"a resting stick's wobble never acts", "x=0.49 x=-0.49 x=0.3 y=-0.49 y=0.49 x=0", {}, {}},
    {"a push acts once, when it has returned near the centre",
     "x=-0.5 x=-0.9 x=-0.3 x=-0.6 x=-0.26 x=-0.25",
     {37},
     {37}},
    {"a swing past the centre lets go of the first side first", "x=-1 x=1 x=0", {37, 39}, {37, 39}},
    {"the d-pad and the stick each hold their own Left", "L+ x=-1 L- x=0", {37, 37}, {37, 37}},
    {"several pads each act", "S+ 7:S+ 7:S- S-", {32, 32}, {32, 32}},
    {"a pad unplugged mid-push does nothing", "1:S+ 1:x=-1 1:unplug 1:S- 1:x=0", {}, {32, 37}},
    {"unplugging one pad leaves the others", "1:E+ 2:E+ 1:unplug 2:E-", {38}, {38, 38}},
    {"a forgotten push does nothing; the next one acts", "y=1 forget y=0 y=1 y=0", {40}, {40, 40}},
};
