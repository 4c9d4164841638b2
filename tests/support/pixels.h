#pragma once

#include <array>
#include <cstdint>
#include <ostream>
#include <vector>

struct Rgba {
    std::uint8_t r = 0, g = 0, b = 0, a = 0;
    bool operator==(const Rgba& o) const { return r == o.r && g == o.g && b == o.b && a == o.a; }
    bool operator!=(const Rgba& o) const { return !(*this == o); }
    // Colour only: the alpha of the framebuffer holds the blend's sum, not what the eye sees.
    bool sameColour(const Rgba& o) const { return r == o.r && g == o.g && b == o.b; }
};
std::ostream& operator<<(std::ostream& out, const Rgba& p);

// The framebuffer read back, addressed like the screen: (0, 0) is the top-left pixel.
class Pixels {
  public:
    static Pixels readFramebuffer(int width = 800, int height = 600);

    Rgba at(int x, int y) const;
    int width() const { return width_; }
    int height() const { return height_; }
    // The smallest rectangle (x0, y0, x1, y1), end exclusive, holding every pixel whose colour is
    // not black; all -1 when there is none.
    std::array<int, 4> litBounds() const;
    // Number of pixels of exactly this colour (alpha ignored).
    int count(const Rgba& colour) const;

  private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint8_t> rgba_;
};

// The texels of the currently bound 2D texture, top row first.
std::vector<std::uint8_t> readBoundTexture(int width, int height);
