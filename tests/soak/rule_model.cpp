#include "tests/soak/rule_model.h"

#include <algorithm>

#include "frame/frame_event.h"

namespace {

constexpr std::int32_t kFastDropDelay = 10;
constexpr GridPoint kSpawnPos{5, 0};

using Grid = std::array<std::uint8_t, SessionState::kCells>;

bool cellsFit(const SessionState& state, GridPoint offset, const Grid& grid) {
    for (int i = 0; i < state.pieceCellCount; ++i) {
        const GridPoint cell = state.pieceCells[static_cast<std::size_t>(i)] + offset;
        if (!insideWell(cell) || grid[cellIndex(cell)] != 0)
            return false;
    }
    return true;
}

void placeCells(const SessionState& piece, Grid& grid, int& total) {
    for (int i = 0; i < piece.pieceCellCount; ++i) {
        ++grid[cellIndex(piece.pieceCells[static_cast<std::size_t>(i)])];
        ++total;
    }
}

std::int32_t fallDelayAt(std::int32_t level) {
    // 1000 ms at level 1, 100 ms less per level.
    return 1100 - 100 * level;
}

}  // namespace

std::string RuleModel::checkIdle(const SessionState& before, const SessionState& after,
                                 std::uint32_t now) {
    const std::int32_t delay = before.fastDrop ? kFastDropDelay : before.fallDelay;
    // A fall is due once the counter has moved more than one delay past the last fall, measured
    // as a signed 32-bit distance so that 2^31 and the wrap to 0 change nothing.
    const bool due = static_cast<std::int32_t>(now - before.lastFall) > delay;
    SessionState expected = before;
    if (due) {
        if (!cellsFit(before, GridPoint{0, 1}, before.blockCount))
            return expectLock(before, after, now);
        ++stats_.falls;
        movePiece(expected, GridPoint{0, 1});
        expected.lastFall = before.lastFall + static_cast<std::uint32_t>(delay);
    }
    return against(expected, after);
}

std::string RuleModel::expectLock(const SessionState& before, const SessionState& after,
                                  std::uint32_t now) {
    ++stats_.locks;
    SessionState expected = after;  // the next piece is the game's random choice
    expected.blockCount = before.blockCount;
    expected.blockTotal = before.blockTotal;
    expected.blocksOutside = before.blocksOutside;
    placeCells(before, expected.blockCount, expected.blockTotal);
    const int rows = clearFullRows(expected.blockCount);
    expected.blockTotal -= rows * 10;
    const std::int32_t gain = (1 << rows) - 1;
    sumOfGains_ += gain;
    if (gain > 0) {
        ++clearingLocks_;
        ++stats_.clearingLocks;
        stats_.rowsCleared += static_cast<std::uint64_t>(rows);
    }
    expected.piecePos = kSpawnPos;
    expected.targetAngle = 0.0f;
    expected.fastDrop = false;
    expected.lastFall = now;
    if (!cellsFit(after, GridPoint{0, 0}, expected.blockCount)) {
        // No room for the new piece: the well empties and the game starts over with it.
        ++stats_.restarts;
        expected.blockCount.fill(0);
        expected.blockTotal = 0;
        sumOfGains_ = 0;
        clearingLocks_ = 0;
    }
    expected.score = sumOfGains_;
    expected.clears = clearingLocks_;
    expected.level = clearingLocks_ / 5 + 1;
    expected.fallDelay = fallDelayAt(expected.level);
    stats_.highestLevel = std::max(stats_.highestLevel, expected.level);
    stats_.highestScore = std::max(stats_.highestScore, expected.score);
    return against(expected, after, "after a lock, ");
}

std::string RuleModel::checkKey(const SessionState& before, const SessionState& after,
                                std::int32_t key, bool answer, std::uint32_t now) {
    if (answer != (key != VirtualKey::Escape)) {
        return "key " + std::to_string(key) + " answered " + (answer ? "true" : "false");
    }
    SessionState expected = before;
    switch (key) {
        case VirtualKey::Space:
            expected.fastDrop = true;
            break;
        case VirtualKey::Left:
            return checkShift(before, after, -1);
        case VirtualKey::Right:
            return checkShift(before, after, 1);
        case VirtualKey::Up:
            return checkTurn(before, after);
        case VirtualKey::Down:
            expected.lastFall = now - static_cast<std::uint32_t>(before.fallDelay);
            break;
        default:
            break;
    }
    return against(expected, after);
}

std::string RuleModel::checkShift(const SessionState& before, const SessionState& after, int dx) {
    SessionState expected = before;
    const GridPoint offset{static_cast<std::int16_t>(dx), 0};
    if (cellsFit(before, offset, before.blockCount))
        movePiece(expected, offset);
    else
        ++stats_.refusedShifts;
    return against(expected, after, "after a shift, ");
}

// A quarter turn counter-clockwise on the screen about the pivot cell (turnedAbout). Refused, with
// no search for a nearby fit, when the turned cells leave the well or meet a block.
std::string RuleModel::checkTurn(const SessionState& before, const SessionState& after) {
    SessionState expected = before;
    const GridPoint pivot = before.pivotCell + before.piecePos;
    for (int i = 0; i < expected.pieceCellCount; ++i) {
        auto& cell = expected.pieceCells[static_cast<std::size_t>(i)];
        cell = turnedAbout(cell, pivot);
    }
    expected.targetAngle = before.targetAngle - 90.0f;
    if (cellsFit(expected, GridPoint{0, 0}, before.blockCount)) {
        ++stats_.turns;
    } else {
        ++stats_.refusedTurns;
        expected = before;
    }
    return against(expected, after, "after a turn, ");
}

std::string RuleModel::checkDraw(const SessionState& before, const SessionState& after,
                                 bool answer) {
    if (!answer)
        return "a draw event answered false";
    std::string fault = firstDifference(before, after);
    return fault.empty() ? "" : "a draw event changed the game: " + fault;
}

std::string RuleModel::against(const SessionState& expected, const SessionState& after,
                               const std::string& afterWhat) const {
    const std::string fault = firstDifference(expected, after);
    return fault.empty() ? checkLedger(after) : afterWhat + fault;
}

std::string RuleModel::checkLedger(const SessionState& after) const {
    if (after.score != sumOfGains_) {
        return "score " + std::to_string(after.score) + " but the gains since the last restart" +
               " add up to " + std::to_string(sumOfGains_);
    }
    if (after.clears != clearingLocks_) {
        return "clear count " + std::to_string(after.clears) + " but " +
               std::to_string(clearingLocks_) + " clearing locks since the last restart";
    }
    return "";
}
