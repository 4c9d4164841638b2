#pragma once

#include <cstddef>
#include <cstdint>
#include <list>

#include "game/grid_point.h"
#include "render/sprite.h"
#include "render/sprite_group.h"

// A block left in the well by a locked piece, drawn with a sprite the board does not own.
struct PlacedBlock {
    GridPoint cell;
    Sprite* sprite = nullptr;
};

// The well: the background sprite on every cell, and the blocks locked pieces leave behind.
// Every block lies inside the well and no two share a cell.
class Board : public SpriteGroup {
  public:
    explicit Board(Sprite& background);

    // False outside the well (above the top edge too) and on a block.
    bool cellIsFree(GridPoint cell) const;
    // Adds a block at the end of the list. A cell outside the well or already taken is refused,
    // so the board's own invariants hold whatever a caller passes.
    void placeBlock(GridPoint cell, Sprite& sprite);
    // Removes every full row and answers 2^k - 1 points for k rows; blocks above come down by
    // the number of removed rows below them.
    std::int16_t clearFullRows();
    // Deletes the blocks of `row` and moves every block above it down one row.
    void removeRow(std::int16_t row);
    void clearAll();

    void draw(std::int16_t x, std::int16_t y) override;

    const std::list<PlacedBlock>& blocks() const { return blocks_; }

  private:
    std::list<PlacedBlock> blocks_;
};
