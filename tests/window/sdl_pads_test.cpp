// The SDL backend's gamepads, played with SDL's virtual joystick (no pad hardware is needed) on
// a real X server: each control reaches the window as the key it stands for, on its release;
// pads plugged in before the start and mid-game work, one unplugged mid-push does nothing, and
// nothing acts while another window has the keyboard focus.
#include <map>
#include <memory>
#include <utility>

#include "tests/support/pad_steps.h"
#include "tests/support/virtual_pad.h"
#include "tests/window/sdl_on_x.h"

namespace {

class PadsOnX : public SdlOnX {
  protected:
    // Virtual pads, each plugged in at its first step. Each change is seen by SDL at the next
    // look at its events, as a pad's report would be.
    struct Driver : PadDriver, WindowEventListener {
        explicit Driver(PadsOnX& onX) : x(onX) {
            x.backend_.pumpEvents();
            x.backend_.setListener(this);
        }
        ~Driver() override { x.backend_.setListener(&x.keyUps_); }
        void onWindowEvent(const WindowEvent& event) override { heard(event); }

        VirtualPad& padOf(std::int32_t pad) {
            std::unique_ptr<VirtualPad>& at = pads[pad];
            if (at == nullptr) {
                at = std::make_unique<VirtualPad>();
                EXPECT_TRUE(at->plugged()) << SDL_GetError();
                x.backend_.pumpEvents();
            }
            return *at;
        }
        void button(std::int32_t pad, PadButton b, bool down) override {
            padOf(pad).button(b, down);
        }
        void stick(std::int32_t pad, PadAxis axis, double at) override {
            padOf(pad).axis(axis, at);
        }
        void unplug(std::int32_t pad) override { padOf(pad).unplug(); }
        void settle() override { x.backend_.pumpEvents(); }
        void forget() override {
            x.focusElsewhere();
            x.focusTheWindow();
        }
        // The releases since the last call, once the backend has taken what is waiting.
        KeyCodes taken() {
            x.backend_.pumpEvents();
            return std::exchange(ups, {});
        }

        PadsOnX& x;
        std::map<std::int32_t, std::unique_ptr<VirtualPad>> pads;
    };
};

TEST_F(PadsOnX, EachControlActsAsItsKeyWhenLetGo) {
    expectPlays(kEverySystemsPlays, [this] { return std::make_unique<Driver>(*this); });
    Driver driver(*this);
    VirtualPad& pad = driver.padOf(0);
    pad.button(SDL_CONTROLLER_BUTTON_X, true);
    pad.button(SDL_CONTROLLER_BUTTON_START, true);
    pad.axis(SDL_CONTROLLER_AXIS_RIGHTX, -1);
    driver.taken();
    pad.button(SDL_CONTROLLER_BUTTON_X, false);
    pad.button(SDL_CONTROLLER_BUTTON_START, false);
    pad.axis(SDL_CONTROLLER_AXIS_RIGHTX, 0);
    EXPECT_EQ(driver.taken(), KeyCodes{}) << "the other buttons and the right stick do nothing";
}

TEST_F(PadsOnX, PadsPluggedInMidGameAllWork) {
    Driver driver(*this);
    driver.play("S+ S-");
    EXPECT_EQ(driver.taken(), KeyCodes{32});
    driver.play("L+ 1:E+ 1:E- L-");
    EXPECT_EQ(driver.taken(), (KeyCodes{38, 37})) << "two pads at once";
}

// The commonest case: the pad is there before the game starts.
class PadPluggedBeforeTheStart : public PadsOnX {
  protected:
    void SetUp() override {
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0) << SDL_GetError();
        pad_ = std::make_unique<VirtualPad>();
        ASSERT_TRUE(pad_->plugged()) << SDL_GetError();
        PadsOnX::SetUp();
    }
    std::unique_ptr<VirtualPad> pad_;
};

TEST_F(PadPluggedBeforeTheStart, Plays) {
    Driver driver(*this);
    driver.pads[0] = std::move(pad_);
    driver.play("S+ S- x=-1 x=0");
    EXPECT_EQ(driver.taken(), (KeyCodes{32, 37}));
}

TEST_F(PadsOnX, APadUnpluggedMidPushDoesNothing) {
    Driver driver(*this);
    driver.play("S+ x=1 unplug");
    EXPECT_EQ(driver.taken(), KeyCodes{});
    driver.pads.clear();
    driver.play("S+ S-");
    EXPECT_EQ(driver.taken(), KeyCodes{32}) << "a pad plugged in again plays";
}

TEST_F(PadsOnX, NothingActsWhileAnotherWindowHasTheFocus) {
    Driver driver(*this);
    driver.padOf(0);
    focusElsewhere();
    driver.play("B+ B-");
    EXPECT_EQ(driver.taken(), KeyCodes{}) << "pressed and let go elsewhere";

    focusTheWindow();
    driver.play("S+ y=1");
    focusElsewhere();
    driver.play("S- y=0");
    EXPECT_EQ(driver.taken(), KeyCodes{}) << "pressed over the game, let go elsewhere";

    focusTheWindow();
    driver.play("E+");
    focusElsewhere();
    focusTheWindow();
    driver.play("E-");
    EXPECT_EQ(driver.taken(), KeyCodes{}) << "held while the focus went away and came back";

    driver.play("S+ S-");
    EXPECT_EQ(driver.taken(), KeyCodes{32}) << "the focus back";
}

}  // namespace
