// The whole run over the fake backend, with a real GL context for the game: what is
// opened, when the generator is seeded, and what goes in which order at the end.
#include <cstdlib>

#include "app/frame_forwarding.h"
#include "app/game_run.h"
#include "game/game_session.h"
#include "game/tick_clock.h"
#include "tests/app/texture_deletion_probe.h"
#include "tests/support/image_folder.h"
#include "tests/support/manual_clock.h"
#include "tests/support/window_fixture.h"

namespace {

class GameRun : public WindowTest {
  protected:
    GameRun() { backend.setTicks(100000, 5); }
    ~GameRun() override { watchTextureDeletion({}); }

    // Releases Escape after `turns` frames, running `atEnd` then (with the live session).
    void escapeAfter(int turns, std::function<void(GameSession&)> atEnd = {}) {
        backend.onCall("present", [this, turns, atEnd] {
            if (++presented_ != turns)
                return;
            if (atEnd)
                atEnd(*static_cast<GameSession*>(runningWindow()->userData()));
            backend.queueKeyUp(27);
        });
    }
    GLWindow* runningWindow() const { return dynamic_cast<GLWindow*>(backend.listener()); }

    ImageFolder images;  // the twelve image files, so the game reads real ones
    int presented_ = 0;
};

TEST_F(GameRun, OpensFullScreenRunsTheGameAndEndsWithZeroOnEscape) {
    FrameCallback registered = nullptr;
    escapeAfter(3, [&](GameSession&) { registered = runningWindow()->callback(); });
    EXPECT_EQ(runGame(backend), ExitCode::Normal);
    EXPECT_EQ(registered, &forwardFrameEvent);
    EXPECT_TRUE(backend.windowAsked().fullscreen);
    EXPECT_EQ(backend.windowAsked().colourBits, 32);
    EXPECT_EQ(backend.count("present"), 3u);
    // Nothing else is given back at the end: the system does that when the process ends.
    // The display mode is, last, since not every system gives it back by itself.
    EXPECT_EQ(backend.calls().back(), "leaveDisplayMode");
    EXPECT_EQ(backend.count("leaveDisplayMode"), 1u);
    EXPECT_EQ(backend.count("releaseCurrentContext"), 0u);
    EXPECT_EQ(backend.count("releaseWindow"), 0u);
    EXPECT_FALSE(backend.hasListener());
}

TEST_F(GameRun, AGameInAWindowLeavesTheDisplayModeAlone) {
    backend.failCall("enterDisplayMode");
    backend.answerQuestion(BoxAnswer::Yes);
    escapeAfter(1);
    EXPECT_EQ(runGame(backend), ExitCode::Normal);
    EXPECT_EQ(backend.count("leaveDisplayMode"), 0u);
}

// The page's request: where the display mode cannot change, nothing is asked of the player.
TEST_F(GameRun, AWindowAskedForAtOnceLeavesTheDisplayAloneAndAsksNothing) {
    escapeAfter(2);
    EXPECT_EQ(runGame(backend, WindowRequest::Windowed), ExitCode::Normal);
    EXPECT_EQ(backend.count("enterDisplayMode"), 0u);
    EXPECT_TRUE(backend.boxes().empty());
    EXPECT_FALSE(backend.windowAsked().fullscreen);
    EXPECT_EQ(backend.count("present"), 2u);
    EXPECT_EQ(backend.count("leaveDisplayMode"), 0u);
}

TEST_F(GameRun, TheGameKeepsTimeByThePlatformsCounterOnlyDuringTheRun) {
    backend.setTicks(100000, 700);
    std::int16_t row = 0;
    escapeAfter(4, [&](GameSession& session) { row = session.piecePos().y; });
    runGame(backend);
    EXPECT_GT(row, 0);  // 700 ms a reading: the piece has fallen
    const std::size_t readings = backend.count("ticks");
    tickCount();
    EXPECT_EQ(backend.count("ticks"), readings);
}

TEST_F(GameRun, ChoosesTheFirstPieceBeforeSeedingFromTheTickCounter) {
    constexpr unsigned kEarlierSeed = 4242;
    auto firstPieceAfter = [](unsigned seed) {
        const ManualClock clock;
        std::srand(seed);
        return GameSession().currentIndex();
    };
    const std::size_t expectedFirst = firstPieceAfter(kEarlierSeed);
    std::uint32_t seedTick = 1;
    while (firstPieceAfter(seedTick) == expectedFirst)
        ++seedTick;
    std::srand(seedTick);
    const int firstDrawAfterSeeding = std::rand();

    backend.setTicks(seedTick, 0);  // a still clock: no piece falls, no number is drawn
    std::size_t firstPiece = 99;
    int drawnAfterSeeding = -1;
    escapeAfter(1, [&](GameSession& session) {
        firstPiece = session.currentIndex();
        drawnAfterSeeding = std::rand();
    });
    std::srand(kEarlierSeed);
    EXPECT_EQ(runGame(backend), ExitCode::Normal);
    EXPECT_EQ(firstPiece, expectedFirst);
    EXPECT_EQ(drawnAfterSeeding, firstDrawAfterSeeding);
}

TEST_F(GameRun, DeletesTheWindowBeforeTheSessionGivesBackItsTextures) {
    bool windowGone = false;
    int deletions = 0;
    escapeAfter(1, [&](GameSession&) {
        watchTextureDeletion([&] {
            if (deletions++ == 0)
                windowGone = !backend.hasListener();
        });
    });
    EXPECT_EQ(runGame(backend), ExitCode::Normal);
    EXPECT_GT(deletions, 0);
    EXPECT_TRUE(windowGone);
    // The context was still there for the textures to go.
    EXPECT_EQ(backend.count("releaseContext"), 0u);
}

TEST_F(GameRun, AWindowThatCannotOpenEndsTheProgramWithoutAGame) {
    backend.failOpenAt(OpenStep::DrawingSurface);
    EXPECT_EQ(runGame(backend), ExitCode::WindowNotOpened);
    EXPECT_EQ(backend.boxes().back().text, "Can't Create A GL Device Context.");
    EXPECT_EQ(backend.count("pumpEvents"), 0u);
    // No session was built and nothing was seeded: either would have read the clock.
    EXPECT_EQ(backend.count("ticks"), 0u);
    EXPECT_FALSE(backend.hasListener());
}

TEST_F(GameRun, DecliningToPlayInAWindowEndsTheProgramNonZero) {
    backend.failCall("enterDisplayMode");
    backend.answerQuestion(BoxAnswer::No);
    EXPECT_EQ(runGame(backend), ExitCode::WindowNotOpened);
    EXPECT_EQ(backend.boxes().back().text, "Program Will Now Close.");
    EXPECT_EQ(backend.count("openWindow"), 0u);
}

// A page's browser drives the run a turn at a time: the same calls in the same order as the
// whole run, the ending turn taken from the run's own answer.
TEST_F(GameRun, TheRunTakenAStageAtATimeMakesTheSameCallsAsTheWholeRun) {
    escapeAfter(2);
    EXPECT_EQ(runGame(backend), ExitCode::Normal);
    const std::vector<std::string> whole = backend.calls();

    FakeBackend staged;
    staged.setTicks(100000, 5);
    int presented = 0;
    staged.onCall("present", [&] {
        if (++presented == 2)
            staged.queueKeyUp(27);
    });
    GameRunner run(staged, WindowRequest::Fullscreen);
    ASSERT_TRUE(run.open());
    int turns = 0;
    while (run.turn())
        ++turns;
    EXPECT_EQ(turns, 2);
    EXPECT_EQ(run.finish(), ExitCode::Normal);
    EXPECT_EQ(staged.calls(), whole);
}

TEST_F(GameRun, AFinishedRunIsNotTakenDownTwiceAndHandsTheClockBack) {
    {
        GameRunner run(backend, WindowRequest::Fullscreen);
        ASSERT_TRUE(run.open());
        EXPECT_TRUE(run.turn());
        EXPECT_EQ(run.finish(), ExitCode::Normal);
        const std::size_t readings = backend.count("ticks");
        tickCount();
        EXPECT_EQ(backend.count("ticks"), readings);
        // The answer stays; the destructor below adds nothing.
        EXPECT_EQ(run.finish(), ExitCode::Normal);
    }
    EXPECT_EQ(backend.count("leaveDisplayMode"), 1u);
    EXPECT_EQ(backend.calls().back(), "leaveDisplayMode");
}

// A run left unfinished (a page torn down some other way) is still taken down in order.
TEST_F(GameRun, ARunLeftUnfinishedIsTakenDownByItsDestructor) {
    {
        GameRunner run(backend, WindowRequest::Fullscreen);
        ASSERT_TRUE(run.open());
        EXPECT_TRUE(run.turn());
    }
    EXPECT_FALSE(backend.hasListener());
    EXPECT_EQ(backend.calls().back(), "leaveDisplayMode");
}

TEST_F(GameRun, AfterAWindowThatCannotOpenNoTurnIsTakenAndTheCodeIsOne) {
    backend.failOpenAt(OpenStep::MakeContext);
    GameRunner run(backend, WindowRequest::Windowed);
    EXPECT_FALSE(run.open());
    EXPECT_FALSE(run.turn());
    EXPECT_EQ(backend.count("pumpEvents"), 0u);
    EXPECT_EQ(run.finish(), ExitCode::WindowNotOpened);
    EXPECT_EQ(backend.count("leaveDisplayMode"), 0u);
    EXPECT_FALSE(backend.hasListener());
}

TEST(FrameForwarding, PassesTheSessionsAnswerBackUnchanged) {
    const ImageFolder images;
    const ManualClock clock;
    GameSession session;
    EXPECT_TRUE(forwardFrameEvent(Draw, 0, &session));
    EXPECT_TRUE(forwardFrameEvent(KeyUp, 37, &session));
    EXPECT_EQ(session.piecePos().x, 4);
    EXPECT_FALSE(forwardFrameEvent(KeyUp, 27, &session));
}

}  // namespace
