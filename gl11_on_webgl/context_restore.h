#pragma once

#include <cstdint>

#include "gl11_on_webgl/texture_table.h"

// The state the program sets through GL 1.1 that WebGL keeps in the context, as last set: a
// restored context starts from WebGL's defaults and is given it again.
struct FixedState {
    bool blend = false;
    std::uint32_t blendSource = 1;       // GL_ONE
    std::uint32_t blendDestination = 0;  // GL_ZERO
    float clearColour[4] = {0, 0, 0, 0};
    int unpackAlignment = 4;
    int packAlignment = 4;
    int viewWidth = 0;  // the drawing buffer, which the viewport covers
    int viewHeight = 0;
};

// Gives a restored WebGL context back what the program had in the lost one: every texture of
// the table made again (new WebGL names, recorded in the table), with its wrap and its image
// uploaded from the copy, then the fixed state, with `bound` (the program's name) bound.
// What the translation draws with (programs, buffers) is WebGLQuads's to make again.
// Needs: the restored context current.
void restoreContext(TextureTable& textures, const FixedState& state, std::uint32_t bound);
