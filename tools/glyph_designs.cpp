#include "tools/glyph_designs.h"

#include <stdexcept>
#include <string>

namespace imagegen {

namespace {

// Shorthands for the box: half width (the radius of the round digits) and full extents.
constexpr double W = kDigitBoxWidth;
constexpr double H = kDigitBoxHeight;
constexpr double R = kDigitBoxWidth / 2.0;

GlyphPath zero() {
    return PathBuilder()
        .arc(R, R, R, R, 180, 360)
        .line(W, R, W, H - R)
        .arc(R, H - R, R, R, 0, 180)
        .line(0, H - R, 0, R)
        .build();
}

GlyphPath one() {
    return PathBuilder().line(R - 4, 4, R, 0).line(R, 0, R, H).line(3, H, W - 3, H).build();
}

GlyphPath two() {
    // The bowl runs on past its right side and leaves toward the lower left corner.
    return PathBuilder()
        .arc(R, R, R, R, 180, 390)
        .line(R + R * 0.8660254, R + R * 0.5, 0, H)
        .line(0, H, W, H)
        .build();
}

GlyphPath three() {
    return PathBuilder()
        .line(0, 0, W, 0)
        .line(W, 0, R, H - 2 * R)
        .arc(R, H - R, R, R, 270, 500)
        .build();
}

GlyphPath four() {
    const double stem = W - 4;
    return PathBuilder().line(stem, 0, 0, 14).line(0, 14, W, 14).line(stem, 0, stem, H).build();
}

GlyphPath five() {
    // The stem meets the bowl where the bowl's left side starts to curve over.
    const double stemX = R - R * 0.7660444;
    const double stemBottom = H - R - R * 0.6427876;
    return PathBuilder()
        .line(W, 0, stemX, 0)
        .line(stemX, 0, stemX, stemBottom)
        .arc(R, H - R, R, R, 220, 500)
        .build();
}

GlyphPath six() {
    return PathBuilder()
        .arc(R, H - R, R, R, 0, 360)
        .line(0, H - R, 0, R)
        .arc(R, R, R, R, 180, 320)
        .build();
}

GlyphPath seven() {
    return PathBuilder().line(0, 0, W, 0).line(W, 0, 5, H).build();
}

GlyphPath eight() {
    // A slightly smaller upper loop keeps the figure from looking top-heavy.
    return PathBuilder().arc(R, 4.5, R - 1, 4.5, 0, 360).arc(R, 14.5, R, 5.5, 0, 360).build();
}

GlyphPath nine() {
    return PathBuilder()
        .arc(R, R, R, R, 0, 360)
        .line(W, R, W, H - R)
        .arc(R, H - R, R, R, 0, 140)
        .build();
}

// Letter box shorthands.
constexpr double LW = kLetterBoxWidth;
constexpr double LH = kLetterBoxHeight;

GlyphPath letterS() {
    const double rx = LW / 2, ry = LH / 4;
    return PathBuilder().arc(rx, ry, rx, ry, 330, 90).arc(rx, LH - ry, rx, ry, 270, 510).build();
}

GlyphPath letterC() {
    return PathBuilder().arc(LW / 2, LH / 2, LW / 2, LH / 2, 320, 40).build();
}

GlyphPath letterO() {
    return PathBuilder().arc(LW / 2, LH / 2, LW / 2, LH / 2, 0, 360).build();
}

GlyphPath letterR() {
    const double bowl = LH * 0.52;
    return PathBuilder()
        .line(0, LH, 0, 0)
        .line(0, 0, LW / 2, 0)
        .arc(LW / 2, bowl / 2, LW / 2, bowl / 2, 270, 450)
        .line(LW / 2, bowl, 0, bowl)
        .line(LW / 2 - 0.5, bowl, LW, LH)
        .build();
}

GlyphPath letterE() {
    return PathBuilder()
        .line(LW, 0, 0, 0)
        .line(0, 0, 0, LH)
        .line(0, LH, LW, LH)
        .line(0, LH / 2, LW - 1.5, LH / 2)
        .build();
}

GlyphPath letterL() {
    return PathBuilder().line(0, 0, 0, LH).line(0, LH, LW, LH).build();
}

GlyphPath letterV() {
    return PathBuilder().line(0, 0, LW / 2, LH).line(LW / 2, LH, LW, 0).build();
}

}  // namespace

GlyphPath digitPath(int digit) {
    using Maker = GlyphPath (*)();
    static constexpr Maker kDigits[10] = {zero, one, two,   three, four,
                                          five, six, seven, eight, nine};
    if (digit < 0 || digit > 9) {
        throw std::invalid_argument("no glyph for digit " + std::to_string(digit));
    }
    return kDigits[digit]();
}

GlyphPath letterPath(char letter) {
    switch (letter) {
        case 'C':
            return letterC();
        case 'E':
            return letterE();
        case 'L':
            return letterL();
        case 'O':
            return letterO();
        case 'R':
            return letterR();
        case 'S':
            return letterS();
        case 'V':
            return letterV();
        default:
            throw std::invalid_argument(std::string("no glyph for letter '") + letter + "'");
    }
}

}  // namespace imagegen
