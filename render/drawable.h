#pragma once

#include <cstdint>

// A position in screen pixels or in a drawable's own pixels.
struct ScreenPoint {
    std::int16_t x = 0;
    std::int16_t y = 0;
};

// Anything drawn on screen: a uniform scale and a rotation (degrees, positive is clockwise on
// this y-down screen), both acting about `pivot`, given in the drawable's own pixels from its
// top-left corner. Owners set the three fields directly between draws.
class Drawable {
  public:
    Drawable() = default;
    Drawable(const Drawable&) = default;
    Drawable& operator=(const Drawable&) = default;
    virtual ~Drawable() = default;

    // Draws with the drawable's top-left corner at (x, y) before scale and rotation. Leaves the
    // model-view matrix as it found it.
    virtual void draw(std::int16_t x, std::int16_t y) = 0;

    float scale = 1.0f;
    float angle = 0.0f;
    ScreenPoint pivot;

  protected:
    // Moves the current matrix to (x, y) and applies scale and rotation about the pivot. The
    // caller has pushed the matrix and pops it when done.
    void applyTransform(std::int16_t x, std::int16_t y) const;
};
