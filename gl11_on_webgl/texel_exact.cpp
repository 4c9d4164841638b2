#include "gl11_on_webgl/texel_exact.h"

#include <cmath>

#include "gl11_on_webgl/quad_batch.h"

namespace {

// Far below what moves a sample off its texel, and above the rounding of the float transforms.
constexpr float kTolerance = 1e-3f;

struct Whole {
    long x = 0;
    long y = 0;
};

bool whole(float value, long& rounded) {
    const float nearest = std::round(value);
    rounded = static_cast<long>(nearest);
    return std::fabs(value - nearest) <= kTolerance;
}

bool operator==(Whole a, Whole b) {
    return a.x == b.x && a.y == b.y;
}

Whole operator-(Whole a, Whole b) {
    return Whole{a.x - b.x, a.y - b.y};
}

// The eight maps of the plane that keep the pixel grid: quarter turns and mirrors.
Whole mapped(int map, Whole v) {
    const Whole turned = (map & 1) != 0 ? Whole{v.y, v.x} : v;
    return Whole{(map & 2) != 0 ? -turned.x : turned.x, (map & 4) != 0 ? -turned.y : turned.y};
}

}  // namespace

bool samplesTexelCentres(const QuadVertex (&corners)[4], const TexelGrid& grid) {
    if (grid.textureWidth <= 0 || grid.textureHeight <= 0)
        return false;
    Whole pixel[4];
    Whole texel[4];
    for (int i = 0; i < 4; ++i) {
        const QuadVertex& corner = corners[i];
        if (std::fabs(corner.clip[3] - 1.0f) > kTolerance * kTolerance)
            return false;
        const float x = (corner.clip[0] + 1.0f) * 0.5f * grid.viewWidth;
        const float y = (corner.clip[1] + 1.0f) * 0.5f * grid.viewHeight;
        if (!whole(x, pixel[i].x) || !whole(y, pixel[i].y) ||
            !whole(corner.texCoord[0] * grid.textureWidth, texel[i].x) ||
            !whole(corner.texCoord[1] * grid.textureHeight, texel[i].y))
            return false;
        if (texel[i].x < 0 || texel[i].x > static_cast<long>(grid.textureWidth) || texel[i].y < 0 ||
            texel[i].y > static_cast<long>(grid.textureHeight))
            return false;
    }
    // A parallelogram in both spaces, one mapped onto the other by a map that keeps the grid.
    if (!(pixel[2] - pixel[1] == pixel[3] - pixel[0]) ||
        !(texel[2] - texel[1] == texel[3] - texel[0]))
        return false;
    const Whole side1 = pixel[1] - pixel[0];
    const Whole side3 = pixel[3] - pixel[0];
    for (int map = 0; map < 8; ++map) {
        if (mapped(map, side1) == texel[1] - texel[0] && mapped(map, side3) == texel[3] - texel[0])
            return true;
    }
    return false;
}
