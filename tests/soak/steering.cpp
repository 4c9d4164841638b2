#include "tests/soak/steering.h"

#include <algorithm>
#include <array>

#include "frame/frame_event.h"

namespace {

constexpr int kWidth = 10;
constexpr int kHeight = 16;

using Grid = std::array<std::uint8_t, SessionState::kCells>;
using Cells = std::array<GridPoint, 4>;

bool fits(const Cells& cells, const Grid& grid) {
    for (const GridPoint& cell : cells) {
        if (!insideWell(cell) || grid[cellIndex(cell)] != 0)
            return false;
    }
    return true;
}

Cells moved(Cells cells, int dx, int dy) {
    for (GridPoint& cell : cells)
        cell = GridPoint{static_cast<std::int16_t>(cell.x + dx),
                         static_cast<std::int16_t>(cell.y + dy)};
    return cells;
}

Cells turned(Cells cells, GridPoint pivot) {
    for (GridPoint& cell : cells)
        cell = turnedAbout(cell, pivot);
    return cells;
}

// Higher is better: rows filled, then a low, even, hole-free stack.
double rate(Grid grid, const Cells& cells) {
    for (const GridPoint& cell : cells)
        grid[cellIndex(cell)] = 1;
    // Full rows go before the stack is measured, as they do in the game.
    const int full = clearFullRows(grid);
    int heightSum = 0, holes = 0, bumps = 0, previous = -1;
    for (int column = 0; column < kWidth; ++column) {
        int height = 0;
        for (int row = 0; row < kHeight; ++row) {
            const bool taken = grid[static_cast<std::size_t>(row * kWidth + column)] != 0;
            if (taken && height == 0)
                height = kHeight - row;
            else if (!taken && height != 0)
                ++holes;
        }
        heightSum += height;
        if (previous >= 0)
            bumps += std::abs(height - previous);
        previous = height;
    }
    return 0.76 * full - 0.51 * heightSum - 0.36 * holes - 0.18 * bumps;
}

Cells dropped(Cells cells, const Grid& grid) {
    while (fits(moved(cells, 0, 1), grid))
        cells = moved(cells, 0, 1);
    return cells;
}

// The best turn and column found, and how many rows the piece must fall first for that turn to
// fit (pieces spawn at the top row, where most turns would reach above the well).
struct Plan {
    double score = -1e9;
    int turns = 0;
    int shift = 0;
    int waitRows = 0;
};

void weighColumns(const SessionState& state, const Cells& shape, int turns, int waitRows,
                  Plan& best) {
    // Only the columns the piece can slide to from here, one step at a time.
    for (int direction : {-1, 1}) {
        for (int shift = direction == -1 ? 0 : 1;; shift += direction) {
            const Cells placed = moved(shape, shift, 0);
            if (!fits(placed, state.blockCount))
                break;
            const double score = rate(state.blockCount, dropped(placed, state.blockCount));
            if (score > best.score)
                best = Plan{score, turns, shift, waitRows};
        }
    }
}

}  // namespace

std::int32_t steeringKey(const SessionState& state) {
    if (state.pieceCellCount != 4)
        return VirtualKey::Space;
    Cells start{};
    std::copy_n(state.pieceCells.begin(), 4, start.begin());
    Plan best;
    for (int waitRows = 0; waitRows <= 2; ++waitRows) {
        Cells shape = moved(start, 0, waitRows);
        if (!fits(shape, state.blockCount))
            break;
        const GridPoint pivot =
            state.pivotCell + state.piecePos + GridPoint{0, static_cast<std::int16_t>(waitRows)};
        for (int turns = 0; turns < 4; ++turns) {
            if (turns > 0)
                shape = turned(shape, pivot);
            if (!fits(shape, state.blockCount))
                break;  // the game would refuse this turn here
            if (turns > 0 || waitRows == 0)
                weighColumns(state, shape, turns, waitRows, best);
        }
    }
    if (best.turns > 0)
        return best.waitRows > 0 ? VirtualKey::Down : VirtualKey::Up;
    if (best.shift < 0)
        return VirtualKey::Left;
    if (best.shift > 0)
        return VirtualKey::Right;
    return VirtualKey::Space;
}
