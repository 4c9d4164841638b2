#include <gtest/gtest.h>

#include <vector>

#include "game/piece_catalogue.h"
#include "render/block_atlas.h"
#include "tests/gl/test_textures.h"
#include "tests/support/manual_clock.h"

namespace {

class Catalogue : public ::testing::Test {
  protected:
    void SetUp() override {
        atlas = buildBlockAtlas(32, 4);
        cutBlockSprites(*atlas, bright, dark);
        pieces = buildPieces(bright, dark);
    }
    ManualClock clock;
    std::unique_ptr<Texture> atlas;
    std::vector<Sprite> bright;
    std::vector<Sprite> dark;
    std::vector<Piece> pieces;
};

TEST_F(Catalogue, BlockSpritesAreCutOnePixelInsideEachBlock) {
    ASSERT_EQ(bright.size(), 8u);
    ASSERT_EQ(dark.size(), 8u);
    for (int k = 0; k < 8; ++k) {
        const SpriteRect b = bright[static_cast<std::size_t>(k)].rect();
        const SpriteRect d = dark[static_cast<std::size_t>(k)].rect();
        EXPECT_EQ(b.x, 32 * (k % 4) + 1) << k;
        EXPECT_EQ(b.y, 64 * (k / 4) + 1) << k;
        EXPECT_EQ(d.x, b.x);
        EXPECT_EQ(d.y, b.y + 32);
        EXPECT_EQ(b.width, 30);
        EXPECT_EQ(b.height, 30);
        EXPECT_EQ(d.width, 30);
        EXPECT_EQ(bright[static_cast<std::size_t>(k)].texture(), atlas.get());
        EXPECT_EQ(bright[static_cast<std::size_t>(k)].pivot.x, 15);
    }
    EXPECT_EQ(bright[5].rect().x, 33);
    EXPECT_EQ(bright[5].rect().y, 65);
    EXPECT_EQ(dark[5].rect().y, 97);
}

TEST_F(Catalogue, PiecesHaveTheirShapesAndColours) {
    ASSERT_EQ(pieces.size(), 7u);
    const std::vector<std::vector<GridPoint>> shapes{
        {{1, 0}, {0, 1}, {1, 1}, {2, 1}}, {{1, 0}, {2, 0}, {0, 1}, {1, 1}},
        {{0, 0}, {1, 0}, {1, 1}, {2, 1}}, {{0, 0}, {1, 0}, {2, 0}, {0, 1}},
        {{0, 0}, {1, 0}, {2, 0}, {2, 1}}, {{0, 0}, {1, 0}, {0, 1}, {1, 1}},
        {{0, 0}, {1, 0}, {2, 0}, {3, 0}}};
    for (std::size_t p = 0; p < pieces.size(); ++p) {
        EXPECT_EQ(pieces[p].cells(), shapes[p]) << p;
        EXPECT_EQ(&pieces[p].blockSprite(), &dark[p + 1]);
        EXPECT_EQ(pieces[p].group().children()[0].drawable, &bright[p + 1]);
        EXPECT_EQ(pieces[p].pivotCell(), p == 5 ? (GridPoint{0, 0}) : (GridPoint{1, 0}));
    }
}

// Drawn at rest at each right angle, every cell lands exactly on its footprint cell, in the
// plain face colour of the piece, and nothing else lights up.
TEST_F(Catalogue, DrawnCellsMatchTheFootprintAtEveryRightAngle) {
    const int originX = 200, originY = 200;
    for (std::size_t p = 0; p < pieces.size(); ++p) {
        const int k = static_cast<int>(p) + 1;
        const Rgba face{static_cast<std::uint8_t>(k & 1 ? 191 : 0),
                        static_cast<std::uint8_t>(k & 2 ? 191 : 0),
                        static_cast<std::uint8_t>(k & 4 ? 191 : 0), 255};
        for (int quarter = 0; quarter < 4; ++quarter) {
            Piece& piece = pieces[p];
            piece.setAngle(-90.0f * quarter);
            startFrame();
            piece.draw(originX, originY);
            const Pixels shot = Pixels::readFramebuffer();
            int lit = 0;
            for (int y = 100; y < 350; ++y) {
                for (int x = 100; x < 350; ++x)
                    lit += shot.at(x, y).sameColour(Rgba{}) ? 0 : 1;
            }
            EXPECT_EQ(lit, 4 * 900) << "piece " << p << " quarter " << quarter;
            for (const GridPoint& cell : piece.footprint()) {
                const int x = originX + 30 * cell.x, y = originY + 30 * cell.y;
                EXPECT_TRUE(shot.at(x + 15, y + 15).sameColour(face))
                    << "piece " << p << " quarter " << quarter << " cell " << cell.x << ","
                    << cell.y << " shows " << shot.at(x + 15, y + 15);
                EXPECT_FALSE(shot.at(x, y).sameColour(Rgba{}));
                EXPECT_FALSE(shot.at(x + 29, y + 29).sameColour(Rgba{}));
            }
        }
    }
}

TEST_F(Catalogue, PictureTurnsHalfwayAfterFiftyMilliseconds) {
    Piece& bar = pieces[6];
    bar.setAngle(0.0f);
    bar.rotateBy(-90.0f);
    clock.advance(50);
    startFrame();
    bar.draw(200, 200);
    const auto bounds = Pixels::readFramebuffer().litBounds();
    // At -45 degrees the bar's diagonal spans about 120 * cos 45 + 30 * sin 45 = 106 pixels.
    EXPECT_NEAR(bounds[2] - bounds[0], 106, 2);
    EXPECT_NEAR(bounds[3] - bounds[1], 106, 2);
}

}  // namespace
