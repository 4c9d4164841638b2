// The whole run over the recording platform, with a real GL context for the game: what is
// opened, when the generator is seeded, and what goes in which order at the end.
#include <cstdlib>

#include "app/frame_forwarding.h"
#include "app/game_run.h"
#include "game/game_session.h"
#include "game/tick_clock.h"
#include "tests/shell/shell_fixture.h"
#include "tests/shell/texture_deletion_probe.h"
#include "tests/support/image_folder.h"
#include "tests/support/manual_clock.h"

namespace {

class GameRun : public ShellTest {
  protected:
    GameRun() { platform.setTicks(100000, 5); }
    ~GameRun() override { watchTextureDeletion({}); }

    // Releases Escape after `turns` frames, running `atEnd` then (with the live session).
    void escapeAfter(int turns, std::function<void(GameSession&)> atEnd = {}) {
        platform.onCall("swapBuffers", [this, turns, atEnd] {
            if (++presented_ != turns)
                return;
            if (atEnd)
                atEnd(*static_cast<GameSession*>(runningWindow()->userData()));
            platform.queueKeyUp(27);
        });
    }
    GLWindow* runningWindow() const { return windowRegistry().lookUp(platform.window()); }

    ImageFolder images;  // the twelve image files, so the game reads real ones
    int presented_ = 0;
};

TEST_F(GameRun, OpensFullScreenRunsTheGameAndEndsWithZeroOnEscape) {
    FrameCallback registered = nullptr;
    escapeAfter(3, [&](GameSession&) { registered = runningWindow()->callback(); });
    EXPECT_EQ(runGame(platform, instance()), ExitCode::Normal);
    EXPECT_EQ(registered, &forwardFrameEvent);
    EXPECT_EQ(platform.registeredClass().instance, instance());
    EXPECT_EQ(platform.requestedMode().bitsPerPixel, 32u);
    EXPECT_EQ(platform.count("swapBuffers"), 3u);
    // Nothing else is given back at the end: the platform does that when the process ends.
    // The display mode is, last, since not every system gives it back by itself.
    EXPECT_EQ(platform.calls().back(), "restoreDisplayMode");
    EXPECT_EQ(platform.count("restoreDisplayMode"), 1u);
    EXPECT_EQ(platform.count("releaseCurrent"), 0u);
    EXPECT_EQ(platform.count("destroyWindow"), 0u);
    EXPECT_EQ(windowRegistry().size(), 0u);
}

TEST_F(GameRun, AGameInAWindowLeavesTheDisplayModeAlone) {
    platform.failCall("changeDisplayMode");
    platform.answerQuestion(BoxAnswer::Yes);
    escapeAfter(1);
    EXPECT_EQ(runGame(platform, instance()), ExitCode::Normal);
    EXPECT_EQ(platform.count("restoreDisplayMode"), 0u);
}

// The page's request: where the display mode cannot change, nothing is asked of the player.
TEST_F(GameRun, AWindowAskedForAtOnceLeavesTheDisplayAloneAndAsksNothing) {
    escapeAfter(2);
    EXPECT_EQ(runGame(platform, instance(), WindowRequest::Windowed), ExitCode::Normal);
    EXPECT_EQ(platform.count("changeDisplayMode"), 0u);
    EXPECT_TRUE(platform.boxes().empty());
    EXPECT_EQ(platform.windowDesc().style & WindowStyle::Popup, 0u);
    EXPECT_EQ(platform.count("swapBuffers"), 2u);
    EXPECT_EQ(platform.count("restoreDisplayMode"), 0u);
}

TEST_F(GameRun, TheGameKeepsTimeByThePlatformsCounterOnlyDuringTheRun) {
    platform.setTicks(100000, 700);
    std::int16_t row = 0;
    escapeAfter(4, [&](GameSession& session) { row = session.piecePos().y; });
    runGame(platform, instance());
    EXPECT_GT(row, 0);  // 700 ms a reading: the piece has fallen
    const std::size_t readings = platform.count("tickCount");
    tickCount();
    EXPECT_EQ(platform.count("tickCount"), readings);
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

    platform.setTicks(seedTick, 0);  // a still clock: no piece falls, no number is drawn
    std::size_t firstPiece = 99;
    int drawnAfterSeeding = -1;
    escapeAfter(1, [&](GameSession& session) {
        firstPiece = session.currentIndex();
        drawnAfterSeeding = std::rand();
    });
    std::srand(kEarlierSeed);
    EXPECT_EQ(runGame(platform, instance()), ExitCode::Normal);
    EXPECT_EQ(firstPiece, expectedFirst);
    EXPECT_EQ(drawnAfterSeeding, firstDrawAfterSeeding);
}

TEST_F(GameRun, DeletesTheWindowBeforeTheSessionGivesBackItsTextures) {
    bool windowGone = false;
    int deletions = 0;
    escapeAfter(1, [&](GameSession&) {
        watchTextureDeletion([&] {
            if (deletions++ == 0)
                windowGone = windowRegistry().size() == 0;
        });
    });
    EXPECT_EQ(runGame(platform, instance()), ExitCode::Normal);
    EXPECT_GT(deletions, 0);
    EXPECT_TRUE(windowGone);
    // The context was still there for the textures to go.
    EXPECT_EQ(platform.count("deleteGLContext"), 0u);
}

TEST_F(GameRun, AWindowThatCannotOpenEndsTheProgramWithoutAGame) {
    platform.failCall("getDeviceContext");
    EXPECT_EQ(runGame(platform, instance()), ExitCode::WindowNotOpened);
    EXPECT_EQ(platform.boxes().back().text, "Can't Create A GL Device Context.");
    EXPECT_EQ(platform.count("peekMessage"), 0u);
    // No session was built and nothing was seeded: either would have read the clock.
    EXPECT_EQ(platform.count("tickCount"), 0u);
    EXPECT_EQ(pendingWindow(), nullptr);
    EXPECT_EQ(windowRegistry().size(), 0u);
}

TEST_F(GameRun, DecliningToPlayInAWindowEndsTheProgramNonZero) {
    platform.failCall("changeDisplayMode");
    platform.answerQuestion(BoxAnswer::No);
    EXPECT_EQ(runGame(platform, instance()), ExitCode::WindowNotOpened);
    EXPECT_EQ(platform.boxes().back().text, "Program Will Now Close.");
    EXPECT_EQ(platform.count("createWindow"), 0u);
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
