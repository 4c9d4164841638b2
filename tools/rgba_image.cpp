#include "tools/rgba_image.h"

#include <algorithm>

namespace imagegen {

namespace {

bool inside(const RgbaImage& image, int x, int y) {
    return x >= 0 && y >= 0 && x < image.width && y < image.height;
}

// One colour channel of GL_SRC_ALPHA, GL_ONE blending in 8-bit arithmetic, rounded.
std::uint8_t addChannel(std::uint8_t target, std::uint8_t source, std::uint8_t alpha) {
    int added = target + (source * alpha + 127) / 255;
    return static_cast<std::uint8_t>(std::min(added, 255));
}

}  // namespace

RgbaImage::RgbaImage(int w, int h)
    : width(w),
      height(h),
      bytes(
          static_cast<std::size_t>(std::max(w, 0)) * static_cast<std::size_t>(std::max(h, 0)) * 4u,
          0) {}

void addWeighted(RgbaImage& target, const RgbaImage& source, int left, int top) {
    for (int y = 0; y < source.height; ++y) {
        for (int x = 0; x < source.width; ++x) {
            if (!inside(target, left + x, top + y))
                continue;
            const std::uint8_t* from = source.pixel(x, y);
            if (from[3] == 0)
                continue;
            std::uint8_t* to = target.pixel(left + x, top + y);
            for (int c = 0; c < 3; ++c)
                to[c] = addChannel(to[c], from[c], from[3]);
            to[3] = 255;
        }
    }
}

RgbaImage crop(const RgbaImage& source, int left, int top, int width, int height) {
    RgbaImage out(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            std::uint8_t* to = out.pixel(x, y);
            if (inside(source, left + x, top + y)) {
                std::copy_n(source.pixel(left + x, top + y), 4, to);
            }
            to[3] = 255;
        }
    }
    return out;
}

RgbaImage scaleUp(const RgbaImage& source, int factor) {
    RgbaImage out(source.width * factor, source.height * factor);
    for (int y = 0; y < out.height; ++y) {
        for (int x = 0; x < out.width; ++x) {
            std::copy_n(source.pixel(x / factor, y / factor), 4, out.pixel(x, y));
        }
    }
    return out;
}

}  // namespace imagegen
