#pragma once

#include <cstdint>
#include <vector>

namespace imagegen {

// An RGBA picture in the game's raw layout: rows top first, 4 bytes a pixel, no padding.
struct RgbaImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bytes;

    RgbaImage() = default;
    // Transparent black, so untouched pixels add nothing when blended additively.
    RgbaImage(int w, int h);

    std::uint8_t* pixel(int x, int y) { return &bytes[offset(x, y)]; }
    const std::uint8_t* pixel(int x, int y) const { return &bytes[offset(x, y)]; }

  private:
    std::size_t offset(int x, int y) const {
        return (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                static_cast<std::size_t>(x)) *
               4u;
    }
};

// Adds `source` onto `target` with its top-left corner at (left, top), the way the game blends
// (source weighted by its alpha, added to what is there, clamped at full intensity). Parts
// outside `target` are dropped. The target's alpha becomes opaque wherever something lands.
void addWeighted(RgbaImage& target, const RgbaImage& source, int left, int top);

// Cuts the rectangle (left, top, width, height) out of `source`; pixels outside it are black.
RgbaImage crop(const RgbaImage& source, int left, int top, int width, int height);

// Enlarges by a whole factor, each pixel becoming a factor-by-factor square.
RgbaImage scaleUp(const RgbaImage& source, int factor);

}  // namespace imagegen
