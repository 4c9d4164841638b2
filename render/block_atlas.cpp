#include "render/block_atlas.h"

#include <vector>

void paintBlock(std::uint8_t* pixels, std::int16_t size, const Colour& colour, std::int32_t stride,
                std::int16_t bevel) {
    const Colour light = colour.lighten(0.25f);
    const Colour dark = colour.lighten(-0.25f);
    for (int y = 0; y < size; ++y) {
        std::uint8_t* row = pixels + static_cast<std::ptrdiff_t>(y) * stride;
        for (int x = 0; x < size; ++x) {
            const Colour* shade = &colour;
            if (x >= size - bevel || y >= size - bevel) {
                shade = &dark;
            } else if (x < bevel || y < bevel) {
                shade = &light;
            }
            shade->toBytes(row + x * 4);
        }
    }
}

std::unique_ptr<Texture> buildBlockAtlas(std::int16_t size, std::int16_t bevel) {
    const int side = size > 0 ? 4 * size : 0;
    const std::int32_t stride = side * 4;
    const std::size_t blockRowBytes = static_cast<std::size_t>(stride) * (side / 4);
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(stride) * side);
    for (int red = 0; red <= 1; ++red) {
        for (int green = 0; green <= 1; ++green) {
            for (int blue = 0; blue <= 1; ++blue) {
                Colour shade(0.75f * red, 0.75f * green, 0.75f * blue, 1.0f);
                const std::size_t column =
                    static_cast<std::size_t>(red + 2 * green) * (side / 4) * 4;
                const std::size_t plainRow = static_cast<std::size_t>(2 * blue) * blockRowBytes;
                paintBlock(pixels.data() + plainRow + column, size, shade, stride, bevel);
                // darken changes `shade` itself: the second block gets the darkened colour.
                shade.darken(0.25f);
                paintBlock(pixels.data() + plainRow + blockRowBytes + column, size, shade, stride,
                           bevel);
            }
        }
    }
    return std::make_unique<Texture>(side, side, pixels.data());
}
