#include "tools/glyph_strokes.h"

#include <algorithm>
#include <cmath>

namespace imagegen {

namespace {

constexpr double kDegreesPerPiece = 7.5;

Point onEllipse(double cx, double cy, double rx, double ry, double degrees) {
    // Computed from the degree value directly so that quarter angles land exactly.
    const double radians = degrees * 3.14159265358979323846 / 180.0;
    return {cx + rx * std::cos(radians), cy + ry * std::sin(radians)};
}

}  // namespace

PathBuilder& PathBuilder::line(double x0, double y0, double x1, double y1) {
    segments.push_back({{x0, y0}, {x1, y1}});
    return *this;
}

PathBuilder& PathBuilder::arc(double cx, double cy, double rx, double ry, double fromDeg,
                              double toDeg) {
    const double span = toDeg - fromDeg;
    const int pieces = std::max(1, static_cast<int>(std::ceil(std::fabs(span) / kDegreesPerPiece)));
    Point previous = onEllipse(cx, cy, rx, ry, fromDeg);
    for (int i = 1; i <= pieces; ++i) {
        Point next = onEllipse(cx, cy, rx, ry, fromDeg + span * i / pieces);
        segments.push_back({previous, next});
        previous = next;
    }
    return *this;
}

GlyphPath translated(GlyphPath path, double dx, double dy) {
    for (Segment& s : path) {
        s.from.x += dx;
        s.from.y += dy;
        s.to.x += dx;
        s.to.y += dy;
    }
    return path;
}

}  // namespace imagegen
