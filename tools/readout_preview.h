#pragma once

#include <cstdint>

#include "tools/readout_images.h"
#include "tools/rgba_image.h"

namespace imagegen {

constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 600;

// What the committed preview shows: several different digits and a leading zero.
constexpr std::int32_t kSampleScore = 1230;
constexpr std::int32_t kSampleLevel = 4;

// The 800 x 600 screen with only the read-out drawn, over black, exactly where and how the game
// draws it: the score label at (400, 100) with five digits from x = 464 in steps of 32, the
// level label at (400, 140) with the level's last digit at (464, 140), blended additively.
RgbaImage composeReadout(const ReadoutImages& images, std::int32_t score, std::int32_t level);

// The read-out cut from that screen with a small black margin and doubled in size, for the docs.
RgbaImage readoutPreview(const ReadoutImages& images, std::int32_t score, std::int32_t level);

}  // namespace imagegen
