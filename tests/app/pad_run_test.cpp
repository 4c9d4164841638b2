// The whole game on the Linux backend under a private Xvfb, played with a pad (SDL's virtual
// joystick) plugged in once the game has started: the pad moves the piece as the keys do, and
// Back ends the run with exit code 0.
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/game_run.h"
#include "game/game_session.h"
#include "tests/support/image_folder.h"
#include "tests/support/pad_steps.h"
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

// A pad plugged into the running game; each step is followed by a few turns of the loop, enough
// for SDL to see the pad's change and the game to act on it.
struct RunDriver : PadDriver {
    explicit RunDriver(GameRunner& run) : runner(run) { turns(); }
    void button(std::int32_t, PadButton b, bool down) override { pad.button(b, down); }
    void stick(std::int32_t, PadAxis axis, double at) override { pad.axis(axis, at); }
    void unplug(std::int32_t) override { pad.unplug(); }
    void forget() override {}
    void settle() override { turns(); }
    void turns() {
        for (int turn = 0; turn < 3 && running; ++turn)
            running = runner.turn();
    }

    GameRunner& runner;
    VirtualPad pad;
    bool running = true;  // false once the run is over
};

class PadRun : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(display_.name().empty()) << "Xvfb did not start";
        setenv("DISPLAY", display_.name().c_str(), 1);
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
    RunDriver driver(runner);
    ASSERT_TRUE(driver.pad.plugged()) << SDL_GetError();
    driver.turns();
    ASSERT_TRUE(driver.running);

    const auto x = session().piecePos().x;
    driver.play("L+ L-");
    EXPECT_EQ(session().piecePos().x, x - 1) << "the d-pad's left";
    driver.play("x=1 x=0");
    EXPECT_EQ(session().piecePos().x, x) << "the stick's right";

    // Room to turn below the well's top.
    const auto y = session().piecePos().y;
    driver.play("D+ D- D+ D-");
    EXPECT_GE(session().piecePos().y, y + 2) << "the d-pad's down";

    const float angle = session().current().targetAngle();
    driver.play("E+ E-");
    EXPECT_NE(session().current().targetAngle(), angle) << "the east face button turns";

    EXPECT_FALSE(session().fastDrop());
    driver.play("S+ S-");
    EXPECT_TRUE(session().fastDrop()) << "the south face button drops";

    ASSERT_TRUE(driver.running);
    driver.play("B+");
    ASSERT_TRUE(driver.running) << "holding Back does nothing";
    driver.play("B-");
    EXPECT_FALSE(driver.running) << "letting go of Back ends the run";
    EXPECT_EQ(runner.finish(), ExitCode::Normal);
}

}  // namespace
