#pragma once

#include <cstdint>
#include <memory>

#include "render/colour.h"
#include "render/texture.h"

// Paints one bevelled block: a light band along the top and left edges, a dark band along the
// bottom and right (dark wins where they meet), the colour itself in between. `pixels` is the
// block's top-left pixel in an RGBA buffer whose rows are `stride` bytes apart.
void paintBlock(std::uint8_t* pixels, std::int16_t size, const Colour& colour, std::int32_t stride,
                std::int16_t bevel);

// Paints the 4x4 grid of blocks: the eight colours whose red, green and blue are each 0 or 0.75,
// in column red + 2 * green, plain in block row 2 * blue and darkened by 0.25 in the row below.
// The texture is (4 * size) pixels square.
std::unique_ptr<Texture> buildBlockAtlas(std::int16_t size, std::int16_t bevel);
