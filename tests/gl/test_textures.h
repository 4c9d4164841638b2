#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "render/gl_api.h"
#include "render/texture.h"
#include "tests/support/pixels.h"

// Textures and checks shared by the drawing tests.

inline std::unique_ptr<Texture> uniformTexture(int w, int h, Rgba colour) {
    std::vector<std::uint8_t> pixels;
    for (int i = 0; i < w * h; ++i)
        pixels.insert(pixels.end(), {colour.r, colour.g, colour.b, colour.a});
    return std::make_unique<Texture>(w, h, pixels.data());
}

// Texel (x, y) holds red 2x, green 2y, blue 128: any pixel on screen tells which texel it shows.
inline std::unique_ptr<Texture> coordinateTexture(int w, int h) {
    std::vector<std::uint8_t> pixels;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            pixels.insert(pixels.end(), {static_cast<std::uint8_t>(2 * x),
                                         static_cast<std::uint8_t>(2 * y), 128, 255});
        }
    }
    return std::make_unique<Texture>(w, h, pixels.data());
}

inline Rgba texelColour(int x, int y) {
    return Rgba{static_cast<std::uint8_t>(2 * x), static_cast<std::uint8_t>(2 * y), 128, 255};
}

// As every frame starts: cleared to black, the model-view matrix reset.
inline void startFrame() {
    glClear(GL_COLOR_BUFFER_BIT);
    glLoadIdentity();
}

inline int modelViewDepth() {
    GLint depth = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    return depth;
}

inline std::array<int, 4> box(int x0, int y0, int x1, int y1) {
    return {x0, y0, x1, y1};
}
