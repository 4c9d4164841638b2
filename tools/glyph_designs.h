#pragma once

#include "tools/glyph_strokes.h"

namespace imagegen {

// Centre-line boxes of the two glyph sets, in pixels. The pen width is added around them.
constexpr double kDigitBoxWidth = 14.0;
constexpr double kDigitBoxHeight = 20.0;
constexpr double kLetterBoxWidth = 7.0;
constexpr double kLetterBoxHeight = 14.0;

// The digit 0..9 in a kDigitBoxWidth x kDigitBoxHeight box. Round parts are circles of the
// box's half width, so every digit has the same width and the rows of digits line up.
GlyphPath digitPath(int digit);

// A capital letter of the labels (C, E, L, O, R, S, V) in a kLetterBoxWidth x kLetterBoxHeight
// box. Throws std::invalid_argument for any other character.
GlyphPath letterPath(char letter);

}  // namespace imagegen
