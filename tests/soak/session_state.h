#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "game/grid_point.h"

class GameSession;

// Everything the soak looks at, read through the session's public accessors after an event.
// Plain data, so two of them can be compared field by field and one can be built by hand as
// the state an event is expected to leave behind.
struct SessionState {
    static constexpr int kCells = 160;  // 10 columns x 16 rows, row by row
    static constexpr int kMaxPieceCells = 8;

    // How many placed blocks claim each cell of the well; blocks off the well are only counted.
    std::array<std::uint8_t, kCells> blockCount{};
    int blocksOutside = 0;
    int blockTotal = 0;

    // The falling piece's footprint plus its position: the cells it takes in the well.
    std::array<GridPoint, kMaxPieceCells> pieceCells{};
    int pieceCellCount = 0;
    GridPoint piecePos;
    GridPoint pivotCell;  // of the shape, before the position is added
    std::size_t pieceIndex = 0;
    float targetAngle = 0.0f;

    std::uint32_t lastFall = 0;
    std::int32_t fallDelay = 0;
    bool fastDrop = false;
    std::int32_t score = 0;
    std::int32_t level = 0;
    std::int32_t clears = 0;
};

// Inside the 10 x 16 well.
bool insideWell(GridPoint cell);
// Row-major index of a cell inside the well.
std::size_t cellIndex(GridPoint cell);

// Removes every full row of a well's block counts, moving the rows above down; answers how many
// went.
int clearFullRows(std::array<std::uint8_t, SessionState::kCells>& grid);
// A cell a quarter turn counter-clockwise on the screen about the pivot, as the game's Up turns
// it: (dx, dy) from the pivot goes to (dy, -dx).
GridPoint turnedAbout(GridPoint cell, GridPoint pivot);

// Moves the falling piece's cells and its position together.
void movePiece(SessionState& state, GridPoint offset);

SessionState captureState(const GameSession& session);

// The rules that hold between any two events, whatever happened before: every placed block
// inside the well and alone on its cell, no full row left standing, the falling piece four cells
// on free cells of the well, the level following the clear count and the fall delay following
// the level. Answers "" when all hold, else a sentence naming the first that does not.
std::string brokenInvariant(const SessionState& state);

// The first field in which `actual` differs from `expected`, as "field: expected X, got Y";
// "" when they agree. Piece cells are compared as sets.
std::string firstDifference(const SessionState& expected, const SessionState& actual);

// A readable dump for failure reports: the well as 16 lines ('#' block, '@' piece, '*' both)
// and every field.
std::string describe(const SessionState& state);
