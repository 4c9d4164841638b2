#include "tools/readout_images.h"

#include "tools/glyph_designs.h"
#include "tools/glyph_raster.h"

namespace imagegen {

namespace {

// Labels and digits stand on one baseline, 4 pixels above the bottom of their images.
constexpr double kBaseline = 28.0;

// The digits carry the value, so they get the bolder pen and the brighter ink; the labels are
// a step quieter. Both are a neutral light grey lit like the grey blocks, so they sit beside
// the coloured well without competing with it.
const PenStyle kDigitPen{4.0, 1.0, {200, 204, 212}, {255, 255, 255}, {118, 122, 132}};
const PenStyle kLabelPen{3.0, 0.9, {160, 168, 184}, {228, 234, 248}, {92, 98, 112}};

constexpr double kLetterGap = 2.0;

GlyphPath append(GlyphPath into, const GlyphPath& more) {
    into.insert(into.end(), more.begin(), more.end());
    return into;
}

}  // namespace

RgbaImage drawLabel(const std::string& text) {
    const double pen = kLabelPen.width;
    const double advance = kLetterBoxWidth + pen + kLetterGap;
    // Flush left, so the space the label leaves before the first digit matches the space
    // between two digits; on whole pixels, so that upright strokes keep crisp edges.
    const double left = pen / 2.0;
    const double top = kBaseline - pen / 2.0 - kLetterBoxHeight;
    GlyphPath path;
    for (std::size_t i = 0; i < text.size(); ++i) {
        path = append(path, translated(letterPath(text[i]), left + i * advance, top));
    }
    return rasterise(path, kLabelWidth, kLabelHeight, kLabelPen);
}

RgbaImage drawDigit(int digit) {
    const double left = (kDigitSize - kDigitBoxWidth) / 2.0;
    const double top = kBaseline - kDigitPen.width / 2.0 - kDigitBoxHeight;
    return rasterise(translated(digitPath(digit), left, top), kDigitSize, kDigitSize, kDigitPen);
}

ReadoutImages drawReadoutImages() {
    ReadoutImages images;
    images.scoreLabel = drawLabel("SCORE");
    images.levelLabel = drawLabel("LEVEL");
    for (int d = 0; d < 10; ++d)
        images.digits[static_cast<std::size_t>(d)] = drawDigit(d);
    return images;
}

std::vector<ImageFile> readoutFiles(const ReadoutImages& images) {
    std::vector<ImageFile> files{{"score.raw", &images.scoreLabel},
                                 {"level.raw", &images.levelLabel}};
    for (int d = 0; d < 10; ++d) {
        files.push_back(
            {"digit" + std::to_string(d) + ".raw", &images.digits[static_cast<std::size_t>(d)]});
    }
    return files;
}

}  // namespace imagegen
