// The soak's judge, tried on states built by hand: it must pass a sound state and name each
// kind of fault, or a soak that never fails proves nothing.
#include <gtest/gtest.h>

#include <initializer_list>

#include "frame/frame_event.h"
#include "tests/soak/rule_model.h"
#include "tests/soak/session_state.h"

namespace {

// A game at level 1: the square (shape 5) at its spawn cell (5, 0).
SessionState fresh() {
    SessionState s;
    s.pieceCellCount = 4;
    s.pieceCells = {GridPoint{5, 0}, GridPoint{6, 0}, GridPoint{5, 1}, GridPoint{6, 1}};
    s.piecePos = GridPoint{5, 0};
    s.pieceIndex = 5;
    s.lastFall = 1000;
    s.fallDelay = 1000;
    s.level = 1;
    return s;
}

void addBlocks(SessionState& s, std::initializer_list<GridPoint> cells) {
    for (GridPoint cell : cells) {
        ++s.blockCount[cellIndex(cell)];
        ++s.blockTotal;
    }
}

// Row 15 full but for columns 5 and 6, where the square will land.
void bottomRowWithAGap(SessionState& s) {
    for (std::int16_t x = 0; x < 10; ++x) {
        if (x != 5 && x != 6)
            addBlocks(s, {GridPoint{x, 15}});
    }
}

TEST(SoakInvariants, ASoundStatePasses) {
    SessionState s = fresh();
    addBlocks(s, {{0, 15}, {9, 15}});
    EXPECT_EQ(brokenInvariant(s), "");
}

TEST(SoakInvariants, EachBrokenRuleIsNamed) {
    struct Case {
        const char* name;
        void (*spoil)(SessionState&);
        const char* words;
    };
    const Case cases[] = {
        {"two blocks",
         [](SessionState& s) {
             addBlocks(s, {{3, 9}, {3, 9}});
         },
         "2 placed blocks on cell (3, 9)"},
        {"outside", [](SessionState& s) { ++s.blocksOutside; }, "outside the well"},
        {"full row",
         [](SessionState& s) {
             for (std::int16_t x = 0; x < 10; ++x)
                 addBlocks(s, {GridPoint{x, 12}});
         },
         "row 12 is full"},
        {"overlap",
         [](SessionState& s) {
             addBlocks(s, {{6, 1}});
         },
         "overlaps a block at (6, 1)"},
        {"off the well",
         [](SessionState& s) {
             movePiece(s, GridPoint{0, -1});
         },
         "leaves the well at (5, -1)"},
        {"three cells", [](SessionState& s) { s.pieceCellCount = 3; }, "has 3 cells"},
        {"level", [](SessionState& s) { s.clears = 5; }, "level 1 with 5 clearing locks"},
        {"delay", [](SessionState& s) { s.fallDelay = 900; }, "fall delay 900 at level 1"},
    };
    for (const Case& c : cases) {
        SessionState s = fresh();
        c.spoil(s);
        EXPECT_NE(brokenInvariant(s).find(c.words), std::string::npos)
            << c.name << ": " << brokenInvariant(s);
    }
}

TEST(SoakRules, IdleBeforeTheDelayChangesNothing) {
    RuleModel model;
    const SessionState before = fresh();
    EXPECT_EQ(model.checkIdle(before, before, 2000), "");
    SessionState moved = before;
    movePiece(moved, GridPoint{0, 1});
    EXPECT_NE(model.checkIdle(before, moved, 2000), "");
}

TEST(SoakRules, FallAdvancesOneRowAndOneDelayNotToNow) {
    RuleModel model;
    const SessionState before = fresh();
    SessionState after = before;
    movePiece(after, GridPoint{0, 1});
    after.lastFall = 2000;
    EXPECT_EQ(model.checkIdle(before, after, 9000), "");
    after.lastFall = 9000;
    EXPECT_NE(model.checkIdle(before, after, 9000).find("lastFall"), std::string::npos);
}

TEST(SoakRules, FallTimingIgnoresTheCounterPassing2To31AndWrapping) {
    for (std::uint32_t last : {0x7FFFFF00u, 0xFFFFFF00u}) {
        RuleModel model;
        SessionState before = fresh();
        before.lastFall = last;
        EXPECT_EQ(model.checkIdle(before, before, last + 1000), "") << last;
        SessionState after = before;
        movePiece(after, GridPoint{0, 1});
        after.lastFall = last + 1000;
        EXPECT_EQ(model.checkIdle(before, after, last + 1001), "") << last;
    }
}

TEST(SoakRules, LockScoresTheRowsItFills) {
    RuleModel model;
    SessionState before = fresh();
    bottomRowWithAGap(before);
    movePiece(before, GridPoint{0, 14});  // resting on the floor in the gap
    SessionState after = fresh();         // the next piece, the square again; row 15 is gone
    addBlocks(after, {{5, 15}, {6, 15}});
    after.score = 1;
    after.clears = 1;
    after.lastFall = 5000;
    EXPECT_EQ(model.checkIdle(before, after, 5000), "");
    EXPECT_EQ(model.sumOfGains(), 1);

    RuleModel other;
    after.score = 3;
    EXPECT_NE(other.checkIdle(before, after, 5000).find("score"), std::string::npos);
}

TEST(SoakRules, NoRoomForTheNextPieceRestartsWithAnEmptyWell) {
    RuleModel model;
    SessionState before = fresh();
    for (std::int16_t y = 2; y < 16; ++y)
        addBlocks(before, {GridPoint{5, y}});  // a column under the square
    SessionState after = fresh();              // the new square would stand on the locked one
    after.lastFall = 5000;
    EXPECT_EQ(model.checkIdle(before, after, 5000), "");
    EXPECT_EQ(model.stats().restarts, 1u);

    RuleModel kept;
    SessionState notEmptied = after;
    addBlocks(notEmptied, {{5, 15}});
    EXPECT_NE(kept.checkIdle(before, notEmptied, 5000), "");
}

TEST(SoakRules, OnlyEscapeAnswersFalse) {
    RuleModel model;
    const SessionState s = fresh();
    EXPECT_EQ(model.checkKey(s, s, VirtualKey::Escape, false, 1000), "");
    EXPECT_NE(model.checkKey(s, s, VirtualKey::Escape, true, 1000), "");
    for (std::int32_t key : {0, 26, 28, 255, 256, 65536 + 37, -1, -37, 2147483647}) {
        EXPECT_EQ(model.checkKey(s, s, key, true, 1000), "") << key;
        EXPECT_NE(model.checkKey(s, s, key, false, 1000), "") << key;
    }
}

TEST(SoakRules, ShiftsAndTurnsAreRefusedAtTheWall) {
    RuleModel model;
    SessionState s = fresh();
    movePiece(s, GridPoint{3, 0});  // the square against the right wall
    EXPECT_EQ(model.checkKey(s, s, VirtualKey::Right, true, 1000), "");
    SessionState left = s;
    movePiece(left, GridPoint{-1, 0});
    EXPECT_EQ(model.checkKey(s, left, VirtualKey::Left, true, 1000), "");
    EXPECT_NE(model.checkKey(s, s, VirtualKey::Left, true, 1000), "") << "a free move refused";
    // A turn about the square's top-left cell would reach above the well: refused.
    s.pivotCell = GridPoint{0, 0};
    EXPECT_EQ(model.checkKey(s, s, VirtualKey::Up, true, 1000), "");
}

TEST(SoakRules, DownMakesTheNextFallDueNow) {
    RuleModel model;
    const SessionState s = fresh();
    SessionState after = s;
    after.lastFall = 7000 - 1000;
    EXPECT_EQ(model.checkKey(s, after, VirtualKey::Down, true, 7000), "");
    EXPECT_NE(model.checkKey(s, s, VirtualKey::Down, true, 7000), "");
}

TEST(SoakRules, DrawChangesNothing) {
    RuleModel model;
    const SessionState s = fresh();
    EXPECT_EQ(model.checkDraw(s, s, true), "");
    EXPECT_NE(model.checkDraw(s, s, false), "");
    SessionState changed = s;
    changed.fastDrop = true;
    EXPECT_NE(model.checkDraw(s, changed, true), "");
}

}  // namespace
