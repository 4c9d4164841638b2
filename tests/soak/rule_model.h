#pragma once

#include <cstdint>
#include <string>

#include "tests/soak/session_state.h"

// Counts of what the soak has seen happen, for its closing summary.
struct PlayStats {
    std::uint64_t falls = 0;
    std::uint64_t locks = 0;
    std::uint64_t clearingLocks = 0;
    std::uint64_t rowsCleared = 0;
    std::uint64_t restarts = 0;
    std::uint64_t turns = 0;
    std::uint64_t refusedTurns = 0;
    std::uint64_t refusedShifts = 0;
    std::int32_t highestLevel = 1;
    std::int32_t highestScore = 0;
};

// The rules of play, worked out from the cells alone, without the game's own code: from the
// state before an event and the event, the state the event must leave. The one thing it takes
// from the game is the choice of the next piece (random), which it reads from the state after.
//
// It also keeps the score's ledger: the sum of the gains of every lock since the last restart,
// each gain recounted here from the rows the lock fills (2^k - 1 for k rows), and the number of
// clearing locks. After every event the session's score and clear count must equal them.
class RuleModel {
  public:
    // Each answers "" when `after` is what the event must leave, else what differs.
    std::string checkIdle(const SessionState& before, const SessionState& after, std::uint32_t now);
    std::string checkKey(const SessionState& before, const SessionState& after, std::int32_t key,
                         bool answer, std::uint32_t now);
    std::string checkDraw(const SessionState& before, const SessionState& after, bool answer);

    std::int32_t sumOfGains() const { return sumOfGains_; }
    const PlayStats& stats() const { return stats_; }

  private:
    std::string expectLock(const SessionState& before, const SessionState& after,
                           std::uint32_t now);
    std::string checkTurn(const SessionState& before, const SessionState& after);
    std::string checkShift(const SessionState& before, const SessionState& after, int dx);
    std::string checkLedger(const SessionState& after) const;
    // The first difference from what was expected, or else from the ledger; `after` says after
    // what.
    std::string against(const SessionState& expected, const SessionState& after,
                        const std::string& afterWhat = "") const;

    std::int32_t sumOfGains_ = 0;
    std::int32_t clearingLocks_ = 0;
    PlayStats stats_;
};
