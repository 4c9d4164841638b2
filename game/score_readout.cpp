#include "game/score_readout.h"

#include <string>

#include "render/raw_image.h"

namespace {

constexpr std::int16_t kLineX = 400;
constexpr std::int16_t kScoreY = 100;
constexpr std::int16_t kLevelY = 140;
constexpr std::int16_t kDigitsX = 464;
constexpr std::int16_t kDigitPitch = 32;

// The digit of `value` at `divisor`'s place. The game's values are never negative, but a stray
// one must not index outside the ten digits.
std::size_t digitOf(std::int32_t value, std::int32_t divisor) {
    std::int32_t digit = (value / divisor) % 10;
    return static_cast<std::size_t>(digit < 0 ? -digit : digit);
}

}  // namespace

ScoreReadout::ScoreReadout() {
    scoreLabelTexture = loadRawImage("score.raw", 64, 32);
    scoreLabel = std::make_unique<Sprite>(scoreLabelTexture.get());
    levelLabelTexture = loadRawImage("level.raw", 64, 32);
    levelLabel = std::make_unique<Sprite>(levelLabelTexture.get());
    for (std::size_t d = 0; d < digitTextures.size(); ++d) {
        const std::string name = "digit" + std::to_string(d) + ".raw";
        digitTextures[d] = loadRawImage(name.c_str(), 32, 32);
    }
    for (std::size_t d = 0; d < digitSprites.size(); ++d) {
        digitSprites[d] = std::make_unique<Sprite>(digitTextures[d].get());
    }
}

ScoreReadout::~ScoreReadout() {
    scoreLabel.reset();
    scoreLabelTexture.reset();
    levelLabel.reset();
    levelLabelTexture.reset();
    for (std::size_t d = 0; d < digitTextures.size(); ++d) {
        digitTextures[d].reset();
        digitSprites[d].reset();
    }
}

void ScoreReadout::draw(std::int32_t score, std::int32_t level) {
    scoreLabel->draw(kLineX, kScoreY);
    std::int32_t divisor = 10000;
    for (std::int16_t n = 0; n < 5; ++n, divisor /= 10) {
        digitSprites[digitOf(score, divisor)]->draw(
            static_cast<std::int16_t>(kDigitsX + kDigitPitch * n), kScoreY);
    }
    levelLabel->draw(kLineX, kLevelY);
    digitSprites[digitOf(level, 1)]->draw(kDigitsX, kLevelY);
}
