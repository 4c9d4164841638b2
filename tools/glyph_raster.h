#pragma once

#include "tools/glyph_strokes.h"
#include "tools/rgba_image.h"

namespace imagegen {

struct Shade {
    double r = 0.0;
    double g = 0.0;
    double b = 0.0;
};

// How a glyph is inked. Like the bevelled blocks, a stroke's edges facing up and left are lit
// and those facing down and right are shaded, within `bevel` pixels of the edge.
struct PenStyle {
    double width = 4.0;
    double bevel = 1.0;
    Shade face;
    Shade light;
    Shade dark;
};

// Draws the strokes into a new transparent image of the given size, anti-aliased by taking
// 8 x 8 samples in every pixel: alpha is the covered share of the pixel and the colour is the
// mean of the covered samples. Pixels the pen does not touch stay 0, 0, 0, 0.
RgbaImage rasterise(const GlyphPath& path, int width, int height, const PenStyle& style);

}  // namespace imagegen
