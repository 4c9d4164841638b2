#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <vector>

#include "frame/frame_event.h"
#include "game/game_session.h"
#include "tests/support/image_folder.h"
#include "tests/support/replay.h"

namespace {

constexpr int kSquare = 5;
constexpr int kBar = 6;

class SessionRules : public ::testing::Test {
  protected:
    ImageFolder images;
    std::unique_ptr<Replay> replay;

    void start(std::vector<int> order, std::uint32_t tick = 100000) {
        replay.reset();  // its clock goes first, so the new one stays in charge
        replay = std::make_unique<Replay>(std::move(order), tick);
    }
    GameSession& session() { return replay->session(); }
    std::uint32_t now() { return replay->clock().now(); }
    int row() { return session().piecePos().y; }
    int column() { return session().piecePos().x; }
    bool key(std::int32_t code) { return replay->step(now(), KeyUp, code); }
    void keys(std::int32_t code, int times) {
        for (int i = 0; i < times; ++i)
            key(code);
    }
    void shift(int columns) {
        keys(columns < 0 ? VirtualKey::Left : VirtualKey::Right, std::abs(columns));
    }
    void idleAt(std::uint32_t tick) { replay->step(tick, Idle); }
    void idleAfter(std::uint32_t ms) { idleAt(now() + ms); }
    // The piece's row after an idle event at each moment, or each wait, in turn.
    std::vector<int> rowsAt(std::vector<std::uint32_t> ticks, bool waits = false) {
        std::vector<int> rows;
        for (const std::uint32_t tick : ticks) {
            idleAt(waits ? now() + tick : tick);
            rows.push_back(row());
        }
        return rows;
    }
    std::vector<int> rowsAfter(std::vector<std::uint32_t> waits) { return rowsAt(waits, true); }

    void expectTally(int score, int clears, int level, int fallDelay) {
        EXPECT_EQ(session().score(), score);
        EXPECT_EQ(session().clears(), clears);
        EXPECT_EQ(session().level(), level);
        EXPECT_EQ(session().fallDelay(), fallDelay);
    }
    // What a new game, and one begun again, starts with.
    void expectNewGame() {
        expectTally(0, 0, 1, 1000);
        EXPECT_EQ(session().piecePos(), (GridPoint{5, 0}));
        EXPECT_FLOAT_EQ(session().current().targetAngle(), 0.0f);
        EXPECT_TRUE(session().board().blocks().empty());
    }
    // Shifts the falling piece, drops it with Space and runs idle events until the next piece
    // has taken its place.
    void drop(int columns) {
        shift(columns);
        key(VirtualKey::Space);
        for (int i = 0; i < 40 && session().fastDrop(); ++i)
            idleAfter(11);
        ASSERT_FALSE(session().fastDrop()) << "the piece never locked";
    }
    // Five squares side by side: two full rows, one clearing lock.
    void clearTwoRowsWithSquares() {
        for (int c = 0; c < 10; c += 2)
            drop(c - 5);
    }
    // Lets the bar fall two rows so that it can stand up, turns it, and drops it into `column`.
    void dropStandingBar(int column) {
        idleAfter(1001);
        idleAfter(1001);
        key(VirtualKey::Up);
        drop(column - 6);
    }
};

TEST_F(SessionRules, NewGame) {
    start({3});
    expectNewGame();
    EXPECT_EQ(session().currentIndex(), 3u);
    EXPECT_FALSE(session().fastDrop());
    EXPECT_EQ(session().pieces().size(), 7u);
    EXPECT_EQ(session().brightBlocks().size(), 8u);
    EXPECT_EQ(session().darkBlocks().size(), 8u);
    EXPECT_EQ(session().board().children()[0].drawable, &session().darkBlocks()[0]);
}

TEST_F(SessionRules, FirstShapesSpawnWhereTheCatalogueSays) {
    start({kBar});
    EXPECT_EQ(replay->report().well[0], ".....@@@@.");
    start({0});
    EXPECT_EQ(replay->report().well[0], "......@...");
    EXPECT_EQ(replay->report().well[1], ".....@@@..");
}

TEST_F(SessionRules, ShiftsStopAtTheWalls) {
    start({0});
    shift(-9);
    EXPECT_EQ(column(), 0);
    shift(12);
    EXPECT_EQ(column(), 7);  // the shape is three cells wide
}

TEST_F(SessionRules, ShiftStopsAtABlock) {
    start({kBar, kSquare});
    dropStandingBar(6);
    EXPECT_EQ(replay->report().well[12], "......#...");
    shift(-1);  // the square now covers columns 4 and 5
    key(VirtualKey::Space);
    while (row() < 10)
        idleAfter(11);
    key(VirtualKey::Right);  // rows 10 and 11 are still open beside the bar
    EXPECT_EQ(column(), 5);
    key(VirtualKey::Left);
    while (row() < 14)
        idleAfter(11);
    key(VirtualKey::Right);
    EXPECT_EQ(column(), 4);
}

TEST_F(SessionRules, RefusedTurnSnapsBackAtOnceEvenWhileAnimating) {
    start({kBar});
    key(VirtualKey::Up);  // standing up at row 0 would reach above the well
    EXPECT_FLOAT_EQ(session().current().targetAngle(), 0.0f);
    EXPECT_FLOAT_EQ(session().current().shownAngle(), 0.0f);

    idleAfter(1001);
    idleAfter(1001);
    key(VirtualKey::Up);
    EXPECT_FLOAT_EQ(session().current().targetAngle(), -90.0f);
    shift(-6);
    EXPECT_EQ(replay->report().well[2], "@.........");
    idleAfter(10);        // the first turn is still being animated
    key(VirtualKey::Up);  // lying down again would cross the left wall
    EXPECT_FLOAT_EQ(session().current().targetAngle(), -90.0f);
    EXPECT_FLOAT_EQ(session().current().shownAngle(), -90.0f);
    EXPECT_EQ(session().piecePos(), (GridPoint{-1, 2}));
}

TEST_F(SessionRules, FirstFallComesOneFullDelayAfterTheSpawn) {
    start({1}, 5000);
    EXPECT_EQ(rowsAt({6000, 6001, 7000, 7001}), (std::vector<int>{0, 1, 1, 2}));
}

TEST_F(SessionRules, SpaceFallsEveryTenMillisecondsUntilTheLock) {
    start({kSquare, 1}, 5000);
    key(VirtualKey::Space);
    std::vector<std::uint32_t> fallTimes;
    while (session().fastDrop() && now() < 6000) {
        const int before = row();
        idleAfter(1);
        if (row() == before + 1)
            fallTimes.push_back(now());
    }
    ASSERT_EQ(fallTimes.size(), 14u);
    for (std::size_t i = 0; i < fallTimes.size(); ++i)
        EXPECT_EQ(fallTimes[i], 5011u + 10u * i);
    EXPECT_EQ(replay->report().well[15], ".....##...");
    // The next piece falls at the level's delay again.
    const std::uint32_t spawned = now();
    EXPECT_EQ(session().currentIndex(), 1u);
    EXPECT_EQ(row(), 0);
    EXPECT_EQ(rowsAt({spawned + 1000, spawned + 1001}), (std::vector<int>{0, 1}));
}

TEST_F(SessionRules, DownMakesTheNextFallDueAtOnce) {
    start({1}, 5000);
    idleAt(6001);
    ASSERT_EQ(row(), 1);
    key(VirtualKey::Down);
    // At 6001 the counter has not moved past the key yet.
    EXPECT_EQ(rowsAt({6001, 6002, 7001, 7002}), (std::vector<int>{1, 2, 2, 3}));
}

TEST_F(SessionRules, LockWithoutAFullRowOnlyLeavesBlocks) {
    start({0, kSquare});
    drop(0);
    expectTally(0, 0, 1, 1000);
    ASSERT_EQ(session().board().blocks().size(), 4u);
    for (const PlacedBlock& block : session().board().blocks()) {
        EXPECT_EQ(block.sprite, &session().darkBlocks()[1]);  // the darker red
    }
    EXPECT_EQ(replay->report().well[14], "......#...");
    EXPECT_EQ(replay->report().well[15], ".....###..");
}

TEST_F(SessionRules, FifthClearingLockRaisesTheLevel) {
    start({kSquare});
    for (int round = 1; round <= 5; ++round) {
        clearTwoRowsWithSquares();
        EXPECT_TRUE(session().board().blocks().empty());
        expectTally(3 * round, round, round < 5 ? 1 : 2, round < 5 ? 1000 : 900);
    }
}

TEST_F(SessionRules, FourRowsAtOnceScoreFifteenAndCountOnce) {
    start({kBar});
    for (int column = 0; column < 10; ++column)
        dropStandingBar(column);
    expectTally(15, 1, 1, 1000);
    EXPECT_TRUE(session().board().blocks().empty());
}

TEST_F(SessionRules, FullWellRestartsWithinTheSameIdleEvent) {
    start({kSquare});
    clearTwoRowsWithSquares();
    ASSERT_EQ(session().score(), 3);
    for (int stacked = 0; stacked < 7; ++stacked)
        drop(-1);
    ASSERT_EQ(session().board().blocks().size(), 28u);
    // The eighth square locks in rows 0 and 1; the next one has no room.
    key(VirtualKey::Space);
    idleAfter(11);
    expectNewGame();
    idleAfter(1001);
    EXPECT_EQ(row(), 1);  // and play goes on with it
}

TEST_F(SessionRules, AfterAStallThePieceCatchesUpOneRowPerIdleEvent) {
    start({1}, 5000);
    idleAt(10000);
    EXPECT_EQ(row(), 1);
    for (int i = 0; i < 10; ++i)
        idleAt(10000);
    EXPECT_EQ(row(), 4);
    idleAt(10001);
    EXPECT_EQ(row(), 5);
}

TEST_F(SessionRules, EscapeAnswersFalseAndOtherCodesChangeNothing) {
    start({2});
    const std::string before = replay->report().wellText();
    for (std::int32_t code :
         {INT_MIN, -1000, -1, 0, 1, 13, 26, 28, 31, 33, 36, 41, 255, 256, 1000, INT_MAX}) {
        EXPECT_TRUE(key(code)) << code;
    }
    for (std::int32_t event : {0, 4, -7, INT_MAX})
        EXPECT_TRUE(replay->step(now(), event, 37));
    EXPECT_EQ(replay->report().wellText(), before);
    EXPECT_FALSE(session().fastDrop());
    EXPECT_FALSE(key(VirtualKey::Escape));
    EXPECT_EQ(replay->report().wellText(), before);
    for (std::int32_t code : {32, 37, 38, 39, 40})
        EXPECT_TRUE(key(code));
}

TEST_F(SessionRules, FromLevelElevenThePieceFallsAtEveryIdleEvent) {
    start({kSquare});
    for (int round = 0; round < 50; ++round)
        clearTwoRowsWithSquares();
    ASSERT_EQ(session().level(), 11);
    EXPECT_EQ(session().fallDelay(), 0);
    EXPECT_EQ(rowsAfter({1, 0}), (std::vector<int>{1, 2}));
    for (int round = 0; round < 5; ++round)
        clearTwoRowsWithSquares();
    ASSERT_EQ(session().level(), 12);
    EXPECT_EQ(session().fallDelay(), -100);
    // Even in the millisecond of the spawn.
    EXPECT_EQ(rowsAfter({0, 0}), (std::vector<int>{1, 2}));
}

TEST_F(SessionRules, FallingKeepsItsPaceAcrossTwoToTheThirtyFirst) {
    start({1}, 0x7FFFFFFFu - 500u);
    EXPECT_EQ(rowsAfter({1000, 1, 1000}), (std::vector<int>{0, 1, 2}));
}

TEST_F(SessionRules, FallingKeepsItsPaceWhenTheCounterWraps) {
    start({1}, 0xFFFFFFFFu - 500u);
    // After the first wait the counter reads 499.
    EXPECT_EQ(rowsAfter({1000, 1, 999, 1}), (std::vector<int>{0, 1, 1, 2}));
    // Down across the wrap too.
    start({1}, 0xFFFFFFFFu - 5u);
    key(VirtualKey::Down);
    idleAfter(10);
    EXPECT_EQ(row(), 1);
}

TEST(Replays, SameSeedAndScriptGiveTheSameGame) {
    ImageFolder images;
    const std::string script = R"(
        +1001 idle
        +0 key Left
        +0 key Up
        +5 key Space
        +400 idle*40  # forty idle events at one moment: a row each while it catches up
        +0 draw
        +1500 idle
        +0 key 65     # a key without an action
    )";
    Replay first(42);
    first.run(script);
    Replay second(42);
    second.run(script);
    const ReplayReport a = first.report();
    const ReplayReport b = second.report();
    EXPECT_EQ(a.wellText(), b.wellText());
    EXPECT_EQ(a.pieceIndex, b.pieceIndex);
    EXPECT_EQ(a.piecePos, b.piecePos);
    EXPECT_NE(a.wellText().find('#'), std::string::npos) << a.wellText();
}

TEST(Replays, ABadScriptLineIsNamed) {
    ImageFolder images;
    Replay replay(1);
    EXPECT_THROW(replay.run("+1 idle\n+1 jump\n"), ReplayError);
    try {
        replay.run("\n\n+1 key Sideways\n");
    } catch (const ReplayError& error) {
        EXPECT_STREQ(error.what(), "line 3: unknown key \"Sideways\"");
    }
    EXPECT_THROW(replay.run("soon idle"), ReplayError);
}

}  // namespace
