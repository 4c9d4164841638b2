#include "game/board.h"

#include <array>

#include "game/board_geometry.h"

namespace {

bool insideWell(GridPoint cell) {
    return cell.x >= 0 && cell.y >= 0 && cell.x < boardWidth && cell.y < boardHeight;
}

}  // namespace

Board::Board(Sprite& background) {
    for (std::int16_t row = 0; row < boardHeight; ++row) {
        for (std::int16_t column = 0; column < boardWidth; ++column) {
            addChild(&background, static_cast<std::int16_t>(column * background.width()),
                     static_cast<std::int16_t>(row * background.height()));
        }
    }
}

bool Board::cellIsFree(GridPoint cell) const {
    if (!insideWell(cell))
        return false;
    for (const PlacedBlock& block : blocks_) {
        if (block.cell == cell)
            return false;
    }
    return true;
}

void Board::placeBlock(GridPoint cell, Sprite& sprite) {
    if (!cellIsFree(cell))
        return;
    blocks_.push_back(PlacedBlock{cell, &sprite});
}

void Board::removeRow(std::int16_t row) {
    for (auto it = blocks_.begin(); it != blocks_.end();) {
        if (it->cell.y == row) {
            it = blocks_.erase(it);
            continue;
        }
        if (it->cell.y < row)
            ++it->cell.y;
        ++it;
    }
}

std::int16_t Board::clearFullRows() {
    std::array<std::int16_t, boardHeight> counts{};
    for (const PlacedBlock& block : blocks_) {
        if (insideWell(block.cell))
            ++counts[static_cast<std::size_t>(block.cell.y)];
    }
    for (std::int16_t row = boardHeight - 1; row >= 0; --row) {
        if (counts[static_cast<std::size_t>(row)] == boardWidth) {
            removeRow(row);
            // Counted afresh: the rows above have moved down.
            return static_cast<std::int16_t>(2 * clearFullRows() + 1);
        }
    }
    return 0;
}

void Board::clearAll() {
    blocks_.clear();
}

void Board::draw(std::int16_t x, std::int16_t y) {
    SpriteGroup::draw(x, y);
    // Drawn after the group has popped its matrix, so the group's transform does not reach them.
    for (const PlacedBlock& block : blocks_) {
        block.sprite->draw(static_cast<std::int16_t>(x + block.cell.x * block.sprite->width()),
                           static_cast<std::int16_t>(y + block.cell.y * block.sprite->height()));
    }
}
