#pragma once

#include <cstdint>
#include <vector>

#include "game/grid_point.h"
#include "render/sprite.h"
#include "render/sprite_group.h"

// One kind of four-cell piece. It carries no position: the session adds its own cell position to
// every footprint cell. Turning has two faces: the footprint uses the target angle at once, while
// the picture turns from the previous angle to the target over 100 ms.
class Piece {
  public:
    // cells: the shape at angle 0. blockSprite is what the board gets when the piece locks (its
    // width is the cell size); cellSprite draws the cells while the piece falls. Neither is owned.
    Piece(std::vector<GridPoint> cells, Sprite& blockSprite, Sprite& cellSprite);
    virtual ~Piece() = default;
    Piece(const Piece&) = default;
    Piece& operator=(const Piece&) = default;

    // Jumps to `angle` without animation.
    void setAngle(float angle);
    // Turns by `delta` from the target angle (not from what is on screen), animated from there.
    void rotateBy(float delta);
    // The angle the picture shows now: 100 ms from the previous angle to the target.
    float shownAngle() const;
    float targetAngle() const { return targetAngle_; }
    // The cells at the target angle, turned about the pivot cell, in the order of the shape.
    // Right angles are exact; other angles truncate and may put two cells on one place.
    std::vector<GridPoint> footprint() const;
    Sprite& blockSprite() const { return *blockSprite_; }
    // Draws the cells with the top-left of the unturned shape at (x, y), at the shown angle.
    void draw(std::int16_t x, std::int16_t y);

    GridPoint pivotCell() const { return pivotCell_; }
    const SpriteGroup& group() const { return group_; }
    const std::vector<GridPoint>& cells() const { return cells_; }

  private:
    Sprite* blockSprite_;
    Sprite* cellSprite_;
    SpriteGroup group_;
    std::vector<GridPoint> cells_;
    std::int32_t cellSize_;
    float targetAngle_ = 0.0f;
    float previousAngle_ = 0.0f;
    std::uint32_t rotationStart_ = 0;
    GridPoint pivotCell_;
};
