// The soak's event stream must actually reach the cases it is there for.
#include <gtest/gtest.h>

#include <set>

#include "frame/frame_event.h"
#include "tests/soak/event_stream.h"

namespace {

SessionState spawnedSquare() {
    SessionState s;
    s.pieceCellCount = 4;
    s.pieceCells = {GridPoint{5, 0}, GridPoint{6, 0}, GridPoint{5, 1}, GridPoint{6, 1}};
    s.piecePos = GridPoint{5, 0};
    return s;
}

TEST(SoakEvents, ReachEveryKindOfKeyStepAndClockCrossing) {
    EventStream stream(7, 100, false);
    const SessionState state = spawnedSquare();
    std::uint32_t clock = stream.startTick();
    std::set<std::int32_t> knownKeys;
    int high = 0, negative = 0, otherLow = 0, draws = 0, zeroSteps = 0, stalls = 0, halfway = 0,
        wraps = 0;
    for (int i = 1; i <= 1000000; ++i) {
        const SoakEvent e = stream.next(clock, state);
        const std::uint32_t next = clock + e.clockStep;
        halfway += clock < 0x80000000u && next >= 0x80000000u;
        wraps += next < clock;
        clock = next;
        if (e.event == Draw) {
            ++draws;
            EXPECT_EQ(i % 100, 0);
        } else if (e.event == KeyUp) {
            if (e.argument >= 256)
                ++high;
            else if (e.argument < 0)
                ++negative;
            else if (e.argument == 27 || e.argument == 32 || (e.argument >= 37 && e.argument <= 40))
                knownKeys.insert(e.argument);
            else
                ++otherLow;
        } else {
            ASSERT_EQ(e.event, Idle);
            zeroSteps += e.clockStep == 0;
            stalls += e.clockStep >= 2000 && e.clockStep <= 120000;
            EXPECT_LT(e.clockStep, 0x80000000u);
        }
    }
    EXPECT_EQ(draws, 10000);
    EXPECT_EQ(knownKeys, (std::set<std::int32_t>{27, 32, 37, 38, 39, 40}));
    EXPECT_GT(high, 100);
    EXPECT_GT(negative, 100);
    EXPECT_GT(otherLow, 100);
    EXPECT_GT(zeroSteps, 1000);
    EXPECT_GT(stalls, 100);
    EXPECT_GT(halfway, 10);
    EXPECT_GT(wraps, 10);
}

// The share of key codes the game ignores, over one stretch of the stream.
double ignoredKeyShare(bool withPlayer) {
    EventStream stream(9, 1000, withPlayer);
    const SessionState state = spawnedSquare();
    int ignored = 0, keys = 0;
    for (int i = 0; i < 20000; ++i) {
        const SoakEvent e = stream.next(5000, state);
        if (e.event != KeyUp)
            continue;
        ++keys;
        ignored += e.argument != 27 && e.argument != 32 && (e.argument < 37 || e.argument > 40);
    }
    return static_cast<double>(ignored) / keys;
}

// This seed's first stretch is a steered one: the player's keys crowd out the random codes.
TEST(SoakEvents, ThePlayerSteersMostKeysInItsStretches) {
    EXPECT_LT(ignoredKeyShare(true), 0.02);
    EXPECT_GT(ignoredKeyShare(false), 0.15);
}

TEST(SoakEvents, TheSameSeedGivesTheSameStream) {
    EventStream one(42, 10), two(42, 10), other(43, 10);
    const SessionState state = spawnedSquare();
    EXPECT_EQ(one.startTick(), two.startTick());
    int differences = 0;
    for (int i = 0; i < 1000; ++i) {
        const SoakEvent a = one.next(5000, state);
        const SoakEvent b = two.next(5000, state);
        const SoakEvent c = other.next(5000, state);
        ASSERT_EQ(a.event, b.event);
        ASSERT_EQ(a.argument, b.argument);
        ASSERT_EQ(a.clockStep, b.clockStep);
        differences += a.event != c.event || a.argument != c.argument;
    }
    EXPECT_GT(differences, 100);
}

}  // namespace
