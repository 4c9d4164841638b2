#pragma once

#include <cstdint>

// A colour as four floats, nominally 0..1. The block painter computes its shades with these.
class Colour {
  public:
    Colour() = default;
    Colour(float red, float green, float blue, float alpha) : r(red), g(green), b(blue), a(alpha) {}
    virtual ~Colour() = default;
    Colour(const Colour&) = default;
    Colour& operator=(const Colour&) = default;

    // Returns a brighter copy (a negative v darkens the copy); this colour is left alone.
    Colour lighten(float v) const;
    // Darkens this colour itself and returns the new value; the atlas painter relies on the change.
    Colour darken(float v);
    // r, g, b, a as bytes, each component times 255 truncated toward zero (0.5 gives 127).
    void toBytes(std::uint8_t* out) const;

    float r = 1.0f;
    float g = 1.0f;
    float b = 1.0f;
    float a = 1.0f;

  private:
    void addClamped(float v);
};
