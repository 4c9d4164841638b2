#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "render/sprite.h"
#include "render/texture.h"

// The score and level read-out to the right of the well: a label and five digits for the score,
// a label and one digit for the level, all from image files in the working directory.
class ScoreReadout {
  public:
    // Loads score.raw, level.raw, then digit0.raw .. digit9.raw. Needs a current GL context.
    ScoreReadout();
    // Each label's sprite then its texture; then, digit by digit, texture then sprite.
    ~ScoreReadout();
    ScoreReadout(const ScoreReadout&) = delete;
    ScoreReadout& operator=(const ScoreReadout&) = delete;

    // Shows the last five digits of the score, with leading zeros, and the last digit of the
    // level. Both are never negative in the game; a negative value shows as if positive.
    void draw(std::int32_t score, std::int32_t level);

  private:
    std::unique_ptr<Texture> scoreLabelTexture;
    std::unique_ptr<Sprite> scoreLabel;
    std::unique_ptr<Texture> levelLabelTexture;
    std::unique_ptr<Sprite> levelLabel;
    std::array<std::unique_ptr<Texture>, 10> digitTextures;
    std::array<std::unique_ptr<Sprite>, 10> digitSprites;
};
