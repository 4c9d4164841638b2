#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "game/board.h"
#include "game/grid_point.h"
#include "game/piece.h"
#include "game/score_readout.h"
#include "render/drawable.h"
#include "render/sprite.h"
#include "render/texture.h"

// The game: its rules and everything it shows. Driven only by frame events; reads the tick
// counter and the random source itself. Needs a current GL context from construction to
// destruction.
class GameSession {
  public:
    GameSession();
    virtual ~GameSession();
    GameSession(const GameSession&) = delete;
    GameSession& operator=(const GameSession&) = delete;

    // Draw, KeyUp (with the virtual-key code) or Idle. Answers false only for the Escape key.
    bool handleEvent(std::int32_t event, std::int32_t key);

    // Milliseconds between falls at a level: 1000 at level 1, 100 less per level, zero or
    // negative from level 11 on (a fall at every idle event then).
    static std::int32_t fallInterval(std::int16_t level);

    // Read-only views for the replay driver, tests and tools.
    GridPoint piecePos() const { return piecePos_; }
    const Piece& current() const { return *current_; }
    std::size_t currentIndex() const { return static_cast<std::size_t>(current_ - pieces_.data()); }
    const std::vector<Piece>& pieces() const { return pieces_; }
    const std::vector<Sprite>& brightBlocks() const { return brightBlocks_; }
    const std::vector<Sprite>& darkBlocks() const { return darkBlocks_; }
    const Texture& atlas() const { return *atlas_; }
    const Board& board() const { return *board_; }
    std::uint32_t lastFall() const { return lastFall_; }
    std::int32_t fallDelay() const { return fallDelay_; }
    bool fastDrop() const { return fastDrop_; }
    std::int32_t score() const { return score_; }
    std::int32_t level() const { return level_; }
    std::int32_t clears() const { return clears_; }

    // Puts a block of colour `colour` (0 to 7, in the darker shade a lock leaves) straight into
    // the well, outside the rules. For scenes play cannot reach, such as the benchmark's well
    // with all 160 cells taken: play removes a row the moment it is full. Answers false, and
    // places nothing, for a cell outside the well or taken, or an unknown colour.
    bool placeBlockForSetUp(GridPoint cell, std::size_t colour);

  private:
    void drawFrame();
    void handleKey(std::int32_t key);
    void applyGravity();
    void turn();
    void spawnPiece();
    bool tryShift(std::int16_t dx);
    bool pieceFits() const;
    void lockPiece();
    void restart();
    void drawScore(std::int32_t score, std::int32_t level);

    std::vector<Piece> pieces_;
    std::unique_ptr<Texture> atlas_;
    std::vector<Sprite> darkBlocks_;
    std::vector<Sprite> brightBlocks_;
    GridPoint piecePos_;
    Piece* current_ = nullptr;
    ScreenPoint origin_;
    std::unique_ptr<Board> board_;
    // A tick count, kept unsigned so that timing survives the counter's wrap.
    std::uint32_t lastFall_ = 0;
    std::int32_t fallDelay_ = 0;
    bool fastDrop_ = false;
    std::unique_ptr<ScoreReadout> readout_;
    std::int32_t score_ = 0;
    std::int32_t level_ = 1;
    std::int32_t clears_ = 0;
};
