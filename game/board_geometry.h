#pragma once

#include <cstdint>

#include "render/drawable.h"

// The well: the screen position of its top-left corner and its size in cells.
inline constexpr ScreenPoint boardOrigin{50, 44};
inline constexpr std::int16_t boardWidth = 10;
inline constexpr std::int16_t boardHeight = 16;
