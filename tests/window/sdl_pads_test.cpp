// The SDL backend's gamepads, played with SDL's virtual joystick (no pad hardware is needed) on
// a real X server: each control reaches the window as the key it stands for, on its release;
// pads plugged in before the start and mid-game work, one unplugged mid-push does nothing, and
// nothing acts while another window has the keyboard focus.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/virtual_pad.h"
#include "tests/window/sdl_on_x.h"

namespace {

using Codes = std::vector<std::uint32_t>;

class PadsOnX : public SdlOnX {
  protected:
    // Each change is seen by SDL at the next look at its events, as a pad's report would be.
    void press(VirtualPad& pad, SDL_GameControllerButton button) {
        pad.button(button, true);
        backend_.pumpEvents();
    }
    void letGo(VirtualPad& pad, SDL_GameControllerButton button) {
        pad.button(button, false);
        backend_.pumpEvents();
    }
    void tap(VirtualPad& pad, SDL_GameControllerButton button) {
        press(pad, button);
        letGo(pad, button);
    }
    void stick(VirtualPad& pad, SDL_GameControllerAxis axis, double position) {
        pad.axis(axis, position);
        backend_.pumpEvents();
    }
    // The releases since the last call, once the backend has taken what is waiting.
    Codes taken() {
        backend_.pumpEvents();
        return std::exchange(keyUps_.codes, {});
    }
};

struct Step {
    int control;  // an SDL_GameControllerButton, or an SDL_GameControllerAxis for a stick
    bool stick;
    double position;  // a button: 1 down, 0 up
};

Step down(SDL_GameControllerButton b) {
    return {b, false, 1};
}
Step up(SDL_GameControllerButton b) {
    return {b, false, 0};
}
Step stickAt(SDL_GameControllerAxis a, double position) {
    return {a, true, position};
}

struct Play {
    std::string what;
    std::vector<Step> steps;
    Codes keyUps;
};

const Play kPlays[] = {
    {"south face button drops (Space)",
     {down(SDL_CONTROLLER_BUTTON_A), up(SDL_CONTROLLER_BUTTON_A)},
     {32}},
    {"east face button turns (Up)",
     {down(SDL_CONTROLLER_BUTTON_B), up(SDL_CONTROLLER_BUTTON_B)},
     {38}},
    {"Back is Escape", {down(SDL_CONTROLLER_BUTTON_BACK), up(SDL_CONTROLLER_BUTTON_BACK)}, {27}},
    {"the d-pad shifts, falls and turns",
     {down(SDL_CONTROLLER_BUTTON_DPAD_LEFT), up(SDL_CONTROLLER_BUTTON_DPAD_LEFT),
      down(SDL_CONTROLLER_BUTTON_DPAD_RIGHT), up(SDL_CONTROLLER_BUTTON_DPAD_RIGHT),
      down(SDL_CONTROLLER_BUTTON_DPAD_DOWN), up(SDL_CONTROLLER_BUTTON_DPAD_DOWN),
      down(SDL_CONTROLLER_BUTTON_DPAD_UP), up(SDL_CONTROLLER_BUTTON_DPAD_UP)},
     {37, 39, 40, 38}},
    {"a held button does nothing until let go", {down(SDL_CONTROLLER_BUTTON_A)}, {}},
    {"the other buttons and the right stick do nothing",
     {down(SDL_CONTROLLER_BUTTON_X), up(SDL_CONTROLLER_BUTTON_X), down(SDL_CONTROLLER_BUTTON_START),
      up(SDL_CONTROLLER_BUTTON_START), stickAt(SDL_CONTROLLER_AXIS_RIGHTX, -1),
      stickAt(SDL_CONTROLLER_AXIS_RIGHTX, 0)},
     {}},
    // The hysteresis is PadKeys' own (pad_keys_test.cpp): here the axes, pushed and let go.
    {"the left stick's axes are the arrows",
     {stickAt(SDL_CONTROLLER_AXIS_LEFTX, -0.9), stickAt(SDL_CONTROLLER_AXIS_LEFTX, 0),
      stickAt(SDL_CONTROLLER_AXIS_LEFTY, 1), stickAt(SDL_CONTROLLER_AXIS_LEFTY, 0)},
     {37, 40}},
};

TEST_F(PadsOnX, EachControlActsAsItsKeyWhenLetGo) {
    for (const Play& play : kPlays) {
        SCOPED_TRACE(play.what);
        VirtualPad pad;
        ASSERT_TRUE(pad.plugged()) << SDL_GetError();
        taken();
        for (const Step& step : play.steps) {
            if (step.stick)
                stick(pad, static_cast<SDL_GameControllerAxis>(step.control), step.position);
            else
                pad.button(static_cast<SDL_GameControllerButton>(step.control), step.position != 0);
            backend_.pumpEvents();
        }
        EXPECT_EQ(taken(), play.keyUps);
    }
}

TEST_F(PadsOnX, PadsPluggedInMidGameAllWork) {
    VirtualPad first;
    taken();
    tap(first, SDL_CONTROLLER_BUTTON_A);
    EXPECT_EQ(taken(), Codes{32});
    VirtualPad second;
    taken();
    press(first, SDL_CONTROLLER_BUTTON_DPAD_LEFT);
    tap(second, SDL_CONTROLLER_BUTTON_B);
    letGo(first, SDL_CONTROLLER_BUTTON_DPAD_LEFT);
    EXPECT_EQ(taken(), (Codes{38, 37})) << "two pads at once";
}

// The commonest case: the pad is there before the game starts.
class PadPluggedBeforeTheStart : public PadsOnX {
  protected:
    void SetUp() override {
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0) << SDL_GetError();
        pad_.emplace();
        ASSERT_TRUE(pad_->plugged()) << SDL_GetError();
        PadsOnX::SetUp();
    }
    std::optional<VirtualPad> pad_;
};

TEST_F(PadPluggedBeforeTheStart, Plays) {
    taken();
    tap(*pad_, SDL_CONTROLLER_BUTTON_A);
    stick(*pad_, SDL_CONTROLLER_AXIS_LEFTX, -1);
    stick(*pad_, SDL_CONTROLLER_AXIS_LEFTX, 0);
    EXPECT_EQ(taken(), (Codes{32, 37}));
}

TEST_F(PadsOnX, APadUnpluggedMidPushDoesNothing) {
    {
        VirtualPad pad;
        taken();
        press(pad, SDL_CONTROLLER_BUTTON_A);
        stick(pad, SDL_CONTROLLER_AXIS_LEFTX, 1);
        pad.unplug();
        EXPECT_EQ(taken(), Codes{});
    }
    VirtualPad again;
    taken();
    tap(again, SDL_CONTROLLER_BUTTON_A);
    EXPECT_EQ(taken(), Codes{32}) << "a pad plugged in again plays";
}

TEST_F(PadsOnX, NothingActsWhileAnotherWindowHasTheFocus) {
    VirtualPad pad;
    taken();
    focusElsewhere();
    tap(pad, SDL_CONTROLLER_BUTTON_BACK);
    EXPECT_EQ(taken(), Codes{}) << "pressed and let go elsewhere";

    focusTheWindow();
    press(pad, SDL_CONTROLLER_BUTTON_A);
    stick(pad, SDL_CONTROLLER_AXIS_LEFTY, 1);
    focusElsewhere();
    letGo(pad, SDL_CONTROLLER_BUTTON_A);
    stick(pad, SDL_CONTROLLER_AXIS_LEFTY, 0);
    EXPECT_EQ(taken(), Codes{}) << "pressed over the game, let go elsewhere";

    focusTheWindow();
    press(pad, SDL_CONTROLLER_BUTTON_B);
    focusElsewhere();
    focusTheWindow();
    letGo(pad, SDL_CONTROLLER_BUTTON_B);
    EXPECT_EQ(taken(), Codes{}) << "held while the focus went away and came back";

    tap(pad, SDL_CONTROLLER_BUTTON_A);
    EXPECT_EQ(taken(), Codes{32}) << "the focus back";
}

}  // namespace
