#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

class GameSession;

// The benchmark's scene, the most a frame can show: all 160 cells of the well taken by blocks,
// the first shape at its spawn cell (5, 0) at rest, and the read-out at score 0, level 1.
namespace FullWell {
inline constexpr int kColumns = 10;
inline constexpr int kRows = 16;
inline constexpr int kBlocks = kColumns * kRows;
// The piece: catalogue shape 0, colour 1, at its spawn cell.
inline constexpr int kPieceShape = 0;

// The colour (1 to 7) of the block at a cell, varied so that the stream keeps changing texture
// coordinates as play would.
std::size_t blockColour(int column, int row);

// A new session whose first piece is the scene's, nothing else set up yet.
std::unique_ptr<GameSession> newSession();

// Makes `session` show the scene: it must be new, built with the random source answering
// kPieceShape, and the tick counter still where it was at construction (the piece at rest).
// Answers false if a block could not be placed.
bool fillSession(GameSession& session);

// A new session showing the scene; null if it could not be set up.
std::unique_ptr<GameSession> filledSession();
}  // namespace FullWell
