#include <gtest/gtest.h>

#include "game/board.h"
#include "game/board_geometry.h"
#include "tests/gl/test_textures.h"

namespace {

const Rgba kDim{10, 10, 10, 255};
const Rgba kRed{200, 0, 0, 255};

TEST(BoardDrawing, WellAndBlocksLandOnTheirCells) {
    startFrame();
    auto dim = uniformTexture(32, 32, kDim);
    auto red = uniformTexture(32, 32, kRed);
    Sprite background(SpriteRect{1, 1, 30, 30}, dim.get());
    Sprite block(SpriteRect{1, 1, 30, 30}, red.get());
    Board board(background);
    board.placeBlock({9, 15}, block);
    board.placeBlock({0, 0}, block);
    board.draw(boardOrigin.x, boardOrigin.y);
    const Pixels shot = Pixels::readFramebuffer();
    EXPECT_EQ(shot.litBounds(), box(50, 44, 350, 524));
    // Blocks are added on top of the background cell they sit on.
    const Rgba covered{210, 10, 10, 255};
    EXPECT_TRUE(shot.at(320, 494).sameColour(covered));
    EXPECT_TRUE(shot.at(349, 523).sameColour(covered));
    EXPECT_TRUE(shot.at(319, 494).sameColour(kDim));
    EXPECT_TRUE(shot.at(50, 44).sameColour(covered));
    EXPECT_EQ(shot.count(covered), 2 * 900);
    EXPECT_EQ(shot.count(kDim), 158 * 900);

    glClear(GL_COLOR_BUFFER_BIT);
    board.clearAll();
    board.draw(boardOrigin.x, boardOrigin.y);
    const Pixels cleared = Pixels::readFramebuffer();
    EXPECT_EQ(cleared.count(kDim), 160 * 900);
    EXPECT_EQ(cleared.litBounds(), box(50, 44, 350, 524));
}

}  // namespace
