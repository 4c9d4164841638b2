#include "tests/soak/session_state.h"

#include <algorithm>
#include <sstream>

#include "game/board.h"
#include "game/board_geometry.h"
#include "game/game_session.h"

namespace {

std::string cellText(GridPoint cell) {
    return "(" + std::to_string(cell.x) + ", " + std::to_string(cell.y) + ")";
}

bool rowIsFull(const SessionState& state, int row) {
    for (int column = 0; column < boardWidth; ++column) {
        if (state.blockCount[static_cast<std::size_t>(row * boardWidth + column)] == 0)
            return false;
    }
    return true;
}

std::string blockFault(const SessionState& state) {
    if (state.blocksOutside > 0)
        return std::to_string(state.blocksOutside) + " placed block(s) outside the well";
    for (std::size_t i = 0; i < state.blockCount.size(); ++i) {
        if (state.blockCount[i] > 1) {
            const GridPoint cell{static_cast<std::int16_t>(i % boardWidth),
                                 static_cast<std::int16_t>(i / boardWidth)};
            return std::to_string(state.blockCount[i]) + " placed blocks on cell " + cellText(cell);
        }
    }
    for (int row = 0; row < boardHeight; ++row) {
        if (rowIsFull(state, row))
            return "row " + std::to_string(row) + " is full but still in the well";
    }
    return "";
}

std::string pieceFault(const SessionState& state) {
    if (state.pieceCellCount != 4)
        return "the falling piece has " + std::to_string(state.pieceCellCount) + " cells";
    for (int i = 0; i < state.pieceCellCount; ++i) {
        const GridPoint cell = state.pieceCells[static_cast<std::size_t>(i)];
        if (!insideWell(cell))
            return "the falling piece leaves the well at " + cellText(cell);
        if (state.blockCount[cellIndex(cell)] != 0)
            return "the falling piece overlaps a block at " + cellText(cell);
    }
    return "";
}

std::string ruleFault(const SessionState& state) {
    if (state.level != state.clears / 5 + 1) {
        return "level " + std::to_string(state.level) + " with " + std::to_string(state.clears) +
               " clearing locks";
    }
    const std::int32_t interval = GameSession::fallInterval(static_cast<std::int16_t>(state.level));
    if (state.fallDelay != interval) {
        return "fall delay " + std::to_string(state.fallDelay) + " at level " +
               std::to_string(state.level) + " (want " + std::to_string(interval) + ")";
    }
    return "";
}

std::vector<std::pair<int, int>> sortedCells(const SessionState& state) {
    std::vector<std::pair<int, int>> cells;
    for (int i = 0; i < std::min(state.pieceCellCount, SessionState::kMaxPieceCells); ++i) {
        const GridPoint cell = state.pieceCells[static_cast<std::size_t>(i)];
        cells.emplace_back(cell.y, cell.x);
    }
    std::sort(cells.begin(), cells.end());
    return cells;
}

template <typename T>
std::string mismatch(const char* field, const T& expected, const T& actual) {
    std::ostringstream text;
    text << field << ": expected " << expected << ", got " << actual;
    return text.str();
}

}  // namespace

bool insideWell(GridPoint cell) {
    return cell.x >= 0 && cell.y >= 0 && cell.x < boardWidth && cell.y < boardHeight;
}

std::size_t cellIndex(GridPoint cell) {
    return static_cast<std::size_t>(cell.y * boardWidth + cell.x);
}

int clearFullRows(std::array<std::uint8_t, SessionState::kCells>& grid) {
    std::array<std::uint8_t, SessionState::kCells> kept{};
    int target = boardHeight - 1;
    int removed = 0;
    for (int row = boardHeight - 1; row >= 0; --row) {
        const auto first = grid.begin() + row * boardWidth;
        if (std::all_of(first, first + boardWidth, [](std::uint8_t c) { return c != 0; })) {
            ++removed;
            continue;
        }
        std::copy(first, first + boardWidth, kept.begin() + target-- * boardWidth);
    }
    grid = kept;
    return removed;
}

GridPoint turnedAbout(GridPoint cell, GridPoint pivot) {
    return GridPoint{static_cast<std::int16_t>(pivot.x + cell.y - pivot.y),
                     static_cast<std::int16_t>(pivot.y - (cell.x - pivot.x))};
}

void movePiece(SessionState& state, GridPoint offset) {
    for (int i = 0; i < std::min(state.pieceCellCount, SessionState::kMaxPieceCells); ++i)
        state.pieceCells[static_cast<std::size_t>(i)] =
            state.pieceCells[static_cast<std::size_t>(i)] + offset;
    state.piecePos = state.piecePos + offset;
}

SessionState captureState(const GameSession& session) {
    SessionState state;
    for (const PlacedBlock& block : session.board().blocks()) {
        ++state.blockTotal;
        if (!insideWell(block.cell)) {
            ++state.blocksOutside;
            continue;
        }
        auto& count = state.blockCount[cellIndex(block.cell)];
        if (count < 255)
            ++count;
    }
    state.piecePos = session.piecePos();
    for (const GridPoint& cell : session.current().footprint()) {
        if (state.pieceCellCount < SessionState::kMaxPieceCells)
            state.pieceCells[static_cast<std::size_t>(state.pieceCellCount)] =
                cell + state.piecePos;
        ++state.pieceCellCount;
    }
    state.pivotCell = session.current().pivotCell();
    state.pieceIndex = session.currentIndex();
    state.targetAngle = session.current().targetAngle();
    state.lastFall = session.lastFall();
    state.fallDelay = session.fallDelay();
    state.fastDrop = session.fastDrop();
    state.score = session.score();
    state.level = session.level();
    state.clears = session.clears();
    return state;
}

std::string brokenInvariant(const SessionState& state) {
    std::string fault = blockFault(state);
    if (fault.empty())
        fault = pieceFault(state);
    if (fault.empty())
        fault = ruleFault(state);
    return fault;
}

std::string firstDifference(const SessionState& expected, const SessionState& actual) {
    if (expected.blockCount != actual.blockCount || expected.blockTotal != actual.blockTotal ||
        expected.blocksOutside != actual.blocksOutside)
        return "placed blocks differ from the expected well";
    if (sortedCells(expected) != sortedCells(actual))
        return "falling piece cells differ from the expected ones";
    std::string difference;
    const auto compare = [&](const char* field, const auto& wanted, const auto& got) {
        if (difference.empty() && wanted != got)
            difference = mismatch(field, wanted, got);
    };
    compare("piecePos", cellText(expected.piecePos), cellText(actual.piecePos));
    compare("piece", expected.pieceIndex, actual.pieceIndex);
    compare("targetAngle", expected.targetAngle, actual.targetAngle);
    compare("lastFall", expected.lastFall, actual.lastFall);
    compare("fallDelay", expected.fallDelay, actual.fallDelay);
    compare("fastDrop", expected.fastDrop, actual.fastDrop);
    compare("score", expected.score, actual.score);
    compare("level", expected.level, actual.level);
    compare("clears", expected.clears, actual.clears);
    return difference;
}

std::string describe(const SessionState& state) {
    std::ostringstream text;
    for (int row = 0; row < boardHeight; ++row) {
        text << "  ";
        for (int column = 0; column < boardWidth; ++column) {
            const GridPoint cell{static_cast<std::int16_t>(column), static_cast<std::int16_t>(row)};
            bool piece = false;
            for (int i = 0; i < std::min(state.pieceCellCount, SessionState::kMaxPieceCells); ++i)
                piece = piece || state.pieceCells[static_cast<std::size_t>(i)] == cell;
            const bool block = state.blockCount[cellIndex(cell)] != 0;
            text << (piece && block ? '*' : piece ? '@' : block ? '#' : '.');
        }
        text << '\n';
    }
    text << "  piece " << state.pieceIndex << " at " << cellText(state.piecePos) << " angle "
         << state.targetAngle << ", blocks " << state.blockTotal << " (" << state.blocksOutside
         << " outside)\n"
         << "  score " << state.score << ", level " << state.level << ", clears " << state.clears
         << ", fallDelay " << state.fallDelay << ", lastFall " << state.lastFall << ", fastDrop "
         << state.fastDrop << '\n';
    return text.str();
}
