#include "render/colour.h"

namespace {

float clampUnit(float value) {
    if (value > 1.0f)
        return 1.0f;
    if (value < 0.0f)
        return 0.0f;
    return value;
}

// Components outside 0..1 never occur in the game; clamping here keeps a stray value from
// wrapping around in the byte conversion.
std::uint8_t componentByte(float value) {
    return static_cast<std::uint8_t>(clampUnit(value) * 255.0f);
}

}  // namespace

void Colour::addClamped(float v) {
    r = clampUnit(r + v);
    g = clampUnit(g + v);
    b = clampUnit(b + v);
}

Colour Colour::lighten(float v) const {
    Colour copy = *this;
    copy.addClamped(v);
    return copy;
}

Colour Colour::darken(float v) {
    addClamped(-v);
    return *this;
}

void Colour::toBytes(std::uint8_t* out) const {
    out[0] = componentByte(r);
    out[1] = componentByte(g);
    out[2] = componentByte(b);
    out[3] = componentByte(a);
}
