#include "game/piece_catalogue.h"

#include <array>
#include <cstdint>

namespace {

using Shape = std::array<GridPoint, 4>;

// Row 0 above row 1: .#./###  .##/##.  ##./.##  ###/#..  ###/..#  ##/##  ####
constexpr std::array<Shape, 7> kShapes{{
    {{{1, 0}, {0, 1}, {1, 1}, {2, 1}}},
    {{{1, 0}, {2, 0}, {0, 1}, {1, 1}}},
    {{{0, 0}, {1, 0}, {1, 1}, {2, 1}}},
    {{{0, 0}, {1, 0}, {2, 0}, {0, 1}}},
    {{{0, 0}, {1, 0}, {2, 0}, {2, 1}}},
    {{{0, 0}, {1, 0}, {0, 1}, {1, 1}}},
    {{{0, 0}, {1, 0}, {2, 0}, {3, 0}}},
}};

}  // namespace

void cutBlockSprites(const Texture& atlas, std::vector<Sprite>& brightBlocks,
                     std::vector<Sprite>& darkBlocks) {
    const int w = atlas.width();
    const int h = atlas.height();
    brightBlocks.reserve(brightBlocks.size() + kBlockColours);
    darkBlocks.reserve(darkBlocks.size() + kBlockColours);
    for (int j = 0; j < 2; ++j) {
        for (int i = 0; i < 4; ++i) {
            SpriteRect rect{
                static_cast<std::int16_t>(w / 4 * i + 1), static_cast<std::int16_t>(h / 2 * j + 1),
                static_cast<std::int16_t>(w / 4 - 2), static_cast<std::int16_t>(h / 4 - 2)};
            brightBlocks.emplace_back(rect, &atlas);
            rect.y = static_cast<std::int16_t>(rect.y + 32);
            darkBlocks.emplace_back(rect, &atlas);
        }
    }
}

std::vector<Piece> buildPieces(std::vector<Sprite>& brightBlocks, std::vector<Sprite>& darkBlocks) {
    std::vector<Piece> pieces;
    pieces.reserve(kShapes.size());
    for (std::size_t p = 0; p < kShapes.size(); ++p) {
        const std::size_t colour = p + 1;
        std::vector<GridPoint> cells(kShapes[p].begin(), kShapes[p].end());
        pieces.emplace_back(std::move(cells), darkBlocks.at(colour), brightBlocks.at(colour));
    }
    return pieces;
}
