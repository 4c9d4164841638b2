#pragma once

#include <cstdint>

// A cell of the well: column x grows to the right, row y downwards; 0..9 and 0..15 inside.
struct GridPoint {
    std::int16_t x = 0;
    std::int16_t y = 0;
};

// Sums of cells stay 16-bit, as the rest of the game's cell arithmetic does.
inline GridPoint operator+(GridPoint a, GridPoint b) {
    return GridPoint{static_cast<std::int16_t>(a.x + b.x), static_cast<std::int16_t>(a.y + b.y)};
}

inline bool operator==(GridPoint a, GridPoint b) {
    return a.x == b.x && a.y == b.y;
}
inline bool operator!=(GridPoint a, GridPoint b) {
    return !(a == b);
}
