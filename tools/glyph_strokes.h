#pragma once

#include <vector>

namespace imagegen {

struct Point {
    double x = 0.0;
    double y = 0.0;
};

// One straight piece of a stroke's centre line.
struct Segment {
    Point from;
    Point to;
};

// A glyph as the centre lines of its pen strokes, in pixels from the glyph's own top-left
// corner (y grows downwards). The pen is round, so joins and ends come out rounded.
using GlyphPath = std::vector<Segment>;

// Collects the segments of a glyph; curves are cut into short straight pieces.
class PathBuilder {
  public:
    PathBuilder& line(double x0, double y0, double x1, double y1);
    // An elliptical arc around (cx, cy) from angle `fromDeg` to `toDeg`, walked in that order.
    // Angles are in degrees, 0 pointing right and 90 pointing down, as on the screen.
    PathBuilder& arc(double cx, double cy, double rx, double ry, double fromDeg, double toDeg);
    GlyphPath build() const { return segments; }

  private:
    GlyphPath segments;
};

// The same strokes moved by (dx, dy).
GlyphPath translated(GlyphPath path, double dx, double dy);

}  // namespace imagegen
