#pragma once

// Whether linear filtering can be left out for a quad without changing one pixel: when the quad
// lies on whole pixels in the window, its texture coordinates follow the pixels one texel to a
// pixel (mirrored or turned by quarter turns at most), on whole texels and inside the texture,
// every fragment samples exactly at a texel's centre. Linear filtering then gives that texel
// alone and the GL_CLAMP border never weighs in, so nearest sampling draws the same picture for
// a fraction of the work. The game's sprites at rest are all such quads.
struct QuadVertex;

struct TexelGrid {
    float textureWidth = 0;  // texels; 0: no texture
    float textureHeight = 0;
    float viewWidth = 0;  // pixels of the window
    float viewHeight = 0;
};

bool samplesTexelCentres(const QuadVertex (&corners)[4], const TexelGrid& grid);
