#include "tools/readout_preview.h"

namespace imagegen {

namespace {

constexpr int kLabelX = 400;
constexpr int kScoreY = 100;
constexpr int kLevelY = 140;
constexpr int kDigitsX = kLabelX + kLabelWidth;
constexpr int kScoreDigits = 5;

constexpr int kMargin = 8;
constexpr int kPreviewScale = 2;

const RgbaImage& digitImage(const ReadoutImages& images, std::int32_t value) {
    // The game never shows negative values; should one arrive, its magnitude is shown.
    std::int32_t digit = value % 10;
    return images.digits[static_cast<std::size_t>(digit < 0 ? -digit : digit)];
}

}  // namespace

RgbaImage composeReadout(const ReadoutImages& images, std::int32_t score, std::int32_t level) {
    RgbaImage screen(kScreenWidth, kScreenHeight);
    addWeighted(screen, images.scoreLabel, kLabelX, kScoreY);
    std::int32_t divisor = 10000;
    for (int n = 0; n < kScoreDigits; ++n, divisor /= 10) {
        addWeighted(screen, digitImage(images, score / divisor), kDigitsX + kDigitSize * n,
                    kScoreY);
    }
    addWeighted(screen, images.levelLabel, kLabelX, kLevelY);
    addWeighted(screen, digitImage(images, level), kDigitsX, kLevelY);
    return screen;
}

RgbaImage readoutPreview(const ReadoutImages& images, std::int32_t score, std::int32_t level) {
    const int right = kDigitsX + kDigitSize * kScoreDigits;
    const int bottom = kLevelY + kDigitSize;
    RgbaImage area =
        crop(composeReadout(images, score, level), kLabelX - kMargin, kScoreY - kMargin,
             right - kLabelX + 2 * kMargin, bottom - kScoreY + 2 * kMargin);
    return scaleUp(area, kPreviewScale);
}

}  // namespace imagegen
