#include "game/piece.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "game/tick_clock.h"
#include "maths/pi.h"

namespace {

// Folds into [0, 360). fmod instead of repeated subtraction: an angle that has piled up many
// turns folds in one step, and a huge one cannot stall the loop. Non-finite angles count as 0
// rather than reaching a float-to-integer conversion that has no defined result.
float foldDegrees(float angle) {
    if (!std::isfinite(angle))
        return 0.0f;
    float folded = std::fmod(angle, 360.0f);
    if (folded < 0.0f)
        folded += 360.0f;
    if (folded >= 360.0f)
        folded = 0.0f;  // -tiny + 360 rounds up to 360
    return folded;
}

struct Turn {
    float sine;
    float cosine;
};

// Right angles are looked up, so the footprint is exact there; 90.5 counts as 90.
Turn turnFor(float folded) {
    switch (static_cast<int>(folded)) {
        case 0:
            return {0.0f, 1.0f};
        case 90:
            return {1.0f, 0.0f};
        case 180:
            return {0.0f, -1.0f};
        case 270:
            return {-1.0f, 0.0f};
        default:
            break;
    }
    const float radians = static_cast<float>(folded * (1.0f / 180.0f) * kPi);
    return {std::sin(radians), std::cos(radians)};
}

}  // namespace

Piece::Piece(std::vector<GridPoint> cells, Sprite& blockSprite, Sprite& cellSprite)
    : blockSprite_(&blockSprite),
      cellSprite_(&cellSprite),
      cells_(std::move(cells)),
      cellSize_(blockSprite.width()) {
    if (cells_.empty())
        return;  // nothing to draw or turn; the pivot stays at (0, 0)
    GridPoint low = cells_.front();
    GridPoint high = cells_.front();
    for (const GridPoint& cell : cells_) {
        group_.addChild(cellSprite_, static_cast<std::int16_t>(cellSize_ * cell.x),
                        static_cast<std::int16_t>(cellSize_ * cell.y));
        low = GridPoint{std::min(low.x, cell.x), std::min(low.y, cell.y)};
        high = GridPoint{std::max(high.x, cell.x), std::max(high.y, cell.y)};
    }
    // Half the extent, measured from 0: for the game's shapes, the middle cell of the bounding
    // box, rounded towards the top-left.
    pivotCell_ = GridPoint{static_cast<std::int16_t>((high.x - low.x) * 0.5),
                           static_cast<std::int16_t>((high.y - low.y) * 0.5)};
    const auto half = static_cast<std::int32_t>(cellSize_ * 0.5);
    group_.pivot = ScreenPoint{static_cast<std::int16_t>(pivotCell_.x * cellSize_ + half),
                               static_cast<std::int16_t>(pivotCell_.y * cellSize_ + half)};
}

void Piece::setAngle(float angle) {
    rotationStart_ = tickCount();
    previousAngle_ = angle;
    targetAngle_ = angle;
}

void Piece::rotateBy(float delta) {
    rotationStart_ = tickCount();
    previousAngle_ = targetAngle_;
    targetAngle_ = targetAngle_ + delta;
}

float Piece::shownAngle() const {
    // Unsigned difference: right across the counter's wrap.
    const std::uint32_t elapsed = tickCount() - rotationStart_;
    float t = static_cast<float>(elapsed) * 0.01f;
    if (t > 1.0f)
        t = 1.0f;
    if (t < 0.0f)
        t = 0.0f;
    return (1.0f - t) * previousAngle_ + t * targetAngle_;
}

std::vector<GridPoint> Piece::footprint() const {
    const Turn turn = turnFor(foldDegrees(targetAngle_));
    std::vector<GridPoint> result;
    result.reserve(cells_.size());
    for (const GridPoint& cell : cells_) {
        const auto dx = static_cast<float>(static_cast<std::int16_t>(cell.x - pivotCell_.x));
        const auto dy = static_cast<float>(static_cast<std::int16_t>(cell.y - pivotCell_.y));
        const auto tx = static_cast<std::int16_t>(turn.cosine * dx - turn.sine * dy);
        const auto ty = static_cast<std::int16_t>(turn.sine * dx + turn.cosine * dy);
        result.push_back(GridPoint{static_cast<std::int16_t>(pivotCell_.x + tx),
                                   static_cast<std::int16_t>(pivotCell_.y + ty)});
    }
    return result;
}

void Piece::draw(std::int16_t x, std::int16_t y) {
    group_.angle = shownAngle();
    group_.draw(x, y);
}
