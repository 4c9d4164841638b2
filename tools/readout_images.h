#pragma once

#include <array>
#include <string>
#include <vector>

#include "tools/rgba_image.h"

namespace imagegen {

// Sizes the game loads the read-out images at.
constexpr int kLabelWidth = 64;
constexpr int kLabelHeight = 32;
constexpr int kDigitSize = 32;

// The twelve pictures of the score and level read-out.
struct ReadoutImages {
    RgbaImage scoreLabel;
    RgbaImage levelLabel;
    std::array<RgbaImage, 10> digits;
};

// A picture with the file name the game reads it from.
struct ImageFile {
    std::string name;
    const RgbaImage* image;
};

// A label of capital letters (those of SCORE and LEVEL), 64 x 32, on the digits' baseline.
RgbaImage drawLabel(const std::string& text);
// One digit, 32 x 32, centred in its cell so a row of cells spaces the digits evenly.
RgbaImage drawDigit(int digit);

ReadoutImages drawReadoutImages();

// score.raw, level.raw, digit0.raw .. digit9.raw, in the order the game loads them.
std::vector<ImageFile> readoutFiles(const ReadoutImages& images);

}  // namespace imagegen
