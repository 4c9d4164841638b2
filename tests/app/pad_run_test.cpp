// The whole game on the Linux backend under a private Xvfb, played with a pad (SDL's virtual
// joystick) plugged in once the game has started: the pad moves the piece as the keys do, and
// Back ends the run with exit code 0.
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/game_run.h"
#include "game/game_session.h"
#include "tests/support/image_folder.h"
#include "tests/support/virtual_display.h"
#include "tests/support/virtual_pad.h"
#include "tests/window/offscreen_set_aside.h"
#include "window/gl_window.h"
#include "window/sdl/sdl_backend.h"

namespace {

// The SDL backend, keeping hold of the window core it tells, to reach the game through it.
class ListenedSdlBackend : public SdlBackend {
  public:
    void setListener(WindowEventListener* listener) override {
        window = dynamic_cast<GLWindow*>(listener);
        SdlBackend::setListener(listener);
    }
    GLWindow* window = nullptr;
};

class PadRun : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(display_.name().empty()) << "Xvfb did not start";
        setenv("DISPLAY", display_.name().c_str(), 1);
    }

    // A few turns of the loop, enough for SDL to see the pad's change and the game to act on
    // it; false once the run is over.
    bool turns(GameRunner& runner) {
        for (int turn = 0; turn < 3; ++turn) {
            if (!runner.turn())
                return false;
        }
        return true;
    }
    bool tap(GameRunner& runner, VirtualPad& pad, SDL_GameControllerButton button) {
        pad.button(button, true);
        if (!turns(runner))
            return false;
        pad.button(button, false);
        return turns(runner);
    }
    GameSession& session() { return *static_cast<GameSession*>(backend_.window->userData()); }

    OffscreenContextSetAside setAside_;
    VirtualDisplay display_;
    ImageFolder images_;
    ListenedSdlBackend backend_;
};

TEST_F(PadRun, APadPluggedInMidGameShiftsTurnsAndDropsAndBackEndsTheRunWithZero) {
    GameRunner runner(backend_, WindowRequest::Windowed);
    ASSERT_TRUE(runner.open());
    ASSERT_TRUE(turns(runner));
    VirtualPad pad;
    ASSERT_TRUE(pad.plugged()) << SDL_GetError();
    ASSERT_TRUE(turns(runner));

    const auto x = session().piecePos().x;
    ASSERT_TRUE(tap(runner, pad, SDL_CONTROLLER_BUTTON_DPAD_LEFT));
    EXPECT_EQ(session().piecePos().x, x - 1) << "the d-pad's left";
    pad.axis(SDL_CONTROLLER_AXIS_LEFTX, 1);
    ASSERT_TRUE(turns(runner));
    pad.axis(SDL_CONTROLLER_AXIS_LEFTX, 0);
    ASSERT_TRUE(turns(runner));
    EXPECT_EQ(session().piecePos().x, x) << "the stick's right";

    // Room to turn below the well's top.
    const auto y = session().piecePos().y;
    ASSERT_TRUE(tap(runner, pad, SDL_CONTROLLER_BUTTON_DPAD_DOWN));
    ASSERT_TRUE(tap(runner, pad, SDL_CONTROLLER_BUTTON_DPAD_DOWN));
    EXPECT_GE(session().piecePos().y, y + 2) << "the d-pad's down";

    const float angle = session().current().targetAngle();
    ASSERT_TRUE(tap(runner, pad, SDL_CONTROLLER_BUTTON_B));
    EXPECT_NE(session().current().targetAngle(), angle) << "the east face button turns";

    EXPECT_FALSE(session().fastDrop());
    ASSERT_TRUE(tap(runner, pad, SDL_CONTROLLER_BUTTON_A));
    EXPECT_TRUE(session().fastDrop()) << "the south face button drops";

    pad.button(SDL_CONTROLLER_BUTTON_BACK, true);
    ASSERT_TRUE(turns(runner)) << "holding Back does nothing";
    pad.button(SDL_CONTROLLER_BUTTON_BACK, false);
    EXPECT_FALSE(turns(runner)) << "letting go of Back ends the run";
    EXPECT_EQ(runner.finish(), ExitCode::Normal);
}

}  // namespace
