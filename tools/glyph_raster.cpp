#include "tools/glyph_raster.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace imagegen {

namespace {

constexpr int kSamplesPerSide = 8;

struct Nearest {
    double distance = std::numeric_limits<double>::infinity();
    Point point;
};

Point closestOnSegment(const Segment& s, Point p) {
    const double dx = s.to.x - s.from.x, dy = s.to.y - s.from.y;
    const double lengthSquared = dx * dx + dy * dy;
    double t = 0.0;
    if (lengthSquared > 0.0) {
        t = std::clamp(((p.x - s.from.x) * dx + (p.y - s.from.y) * dy) / lengthSquared, 0.0, 1.0);
    }
    return {s.from.x + t * dx, s.from.y + t * dy};
}

double distanceBetween(Point a, Point b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

Nearest nearestOn(const std::vector<const Segment*>& candidates, Point p) {
    Nearest best;
    for (const Segment* s : candidates) {
        Point q = closestOnSegment(*s, p);
        double d = distanceBetween(p, q);
        if (d < best.distance)
            best = {d, q};
    }
    return best;
}

// Segments that can reach any sample of the pixel at (x, y); the rest are skipped there.
std::vector<const Segment*> segmentsNear(const GlyphPath& path, int x, int y, double radius) {
    const Point centre{x + 0.5, y + 0.5};
    const double reach = radius + 0.75;  // half a pixel's diagonal, rounded up
    std::vector<const Segment*> near;
    for (const Segment& s : path) {
        if (distanceBetween(centre, closestOnSegment(s, centre)) <= reach)
            near.push_back(&s);
    }
    return near;
}

Shade mix(const Shade& from, const Shade& to, double amount) {
    return {from.r + (to.r - from.r) * amount, from.g + (to.g - from.g) * amount,
            from.b + (to.b - from.b) * amount};
}

// The ink at a covered sample: the face colour, lit or shaded near the edge by how far the
// edge faces the upper left (the way the block bevels are lit).
Shade inkAt(Point p, const Nearest& nearest, const PenStyle& style) {
    const double depth = style.width / 2.0 - nearest.distance;
    if (depth >= style.bevel || nearest.distance <= 0.0)
        return style.face;
    const double nx = (p.x - nearest.point.x) / nearest.distance;
    const double ny = (p.y - nearest.point.y) / nearest.distance;
    const double facing = std::clamp(-nx - ny, -1.0, 1.0);
    return facing >= 0.0 ? mix(style.face, style.light, facing)
                         : mix(style.face, style.dark, -facing);
}

std::uint8_t toByte(double value) {
    return static_cast<std::uint8_t>(std::clamp(std::lround(value), 0L, 255L));
}

void inkPixel(RgbaImage& image, int x, int y, const GlyphPath& path, const PenStyle& style) {
    const double radius = style.width / 2.0;
    const std::vector<const Segment*> near = segmentsNear(path, x, y, radius);
    if (near.empty())
        return;
    Shade sum;
    int covered = 0;
    for (int sy = 0; sy < kSamplesPerSide; ++sy) {
        for (int sx = 0; sx < kSamplesPerSide; ++sx) {
            const Point p{x + (sx + 0.5) / kSamplesPerSide, y + (sy + 0.5) / kSamplesPerSide};
            const Nearest nearest = nearestOn(near, p);
            if (nearest.distance > radius)
                continue;
            const Shade ink = inkAt(p, nearest, style);
            sum = {sum.r + ink.r, sum.g + ink.g, sum.b + ink.b};
            ++covered;
        }
    }
    if (covered == 0)
        return;
    std::uint8_t* out = image.pixel(x, y);
    out[0] = toByte(sum.r / covered);
    out[1] = toByte(sum.g / covered);
    out[2] = toByte(sum.b / covered);
    out[3] = toByte(255.0 * covered / (kSamplesPerSide * kSamplesPerSide));
}

}  // namespace

RgbaImage rasterise(const GlyphPath& path, int width, int height, const PenStyle& style) {
    RgbaImage image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            inkPixel(image, x, y, path, style);
    }
    return image;
}

}  // namespace imagegen
