#include "tests/support/pixels.h"

#include <algorithm>

#include "render/gl_api.h"

std::ostream& operator<<(std::ostream& out, const Rgba& p) {
    return out << "(" << int(p.r) << ", " << int(p.g) << ", " << int(p.b) << ", " << int(p.a)
               << ")";
}

Pixels Pixels::readFramebuffer(int width, int height) {
    Pixels pixels;
    pixels.width_ = width;
    pixels.height_ = height;
    pixels.rgba_.resize(static_cast<std::size_t>(width) * height * 4);
    glFinish();
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.rgba_.data());
    return pixels;
}

Rgba Pixels::at(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return Rgba{};
    // GL rows run bottom-up; the screen's run top-down.
    const std::size_t index = (static_cast<std::size_t>(height_ - 1 - y) * width_ + x) * 4;
    return Rgba{rgba_[index], rgba_[index + 1], rgba_[index + 2], rgba_[index + 3]};
}

std::array<int, 4> Pixels::litBounds() const {
    std::array<int, 4> box{-1, -1, -1, -1};
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const Rgba p = at(x, y);
            if (p.r == 0 && p.g == 0 && p.b == 0)
                continue;
            if (box[0] < 0)
                box = {x, y, x + 1, y + 1};
            box[0] = std::min(box[0], x);
            box[1] = std::min(box[1], y);
            box[2] = std::max(box[2], x + 1);
            box[3] = std::max(box[3], y + 1);
        }
    }
    return box;
}

int Pixels::count(const Rgba& colour) const {
    int n = 0;
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            if (at(x, y).sameColour(colour))
                ++n;
        }
    }
    return n;
}

std::vector<std::uint8_t> readBoundTexture(int width, int height) {
    std::vector<std::uint8_t> texels(static_cast<std::size_t>(width) * height * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
    return texels;
}
