#pragma once

// π to the last digit a double holds, for turning degrees into radians. A constant, so that it
// is ready before any static initialiser uses it.
inline constexpr double kPi = 3.14159265358979323846;
