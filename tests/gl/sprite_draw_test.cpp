#include <gtest/gtest.h>

#include "render/sprite.h"
#include "render/sprite_group.h"
#include "tests/gl/test_textures.h"

namespace {

const Rgba kWhite{255, 255, 255, 255};
const Rgba kRed{200, 0, 0, 255};
const Rgba kBlue{0, 0, 200, 255};

class Drawing : public ::testing::Test {
  protected:
    void SetUp() override { startFrame(); }
    void TearDown() override { EXPECT_EQ(modelViewDepth(), 1) << "matrix stack not restored"; }
};

TEST_F(Drawing, UnturnedSpriteCoversExactlyItsRectangleWhateverTheTextureSize) {
    for (int side : {16, 64, 128}) {
        glClear(GL_COLOR_BUFFER_BIT);
        auto texture = uniformTexture(side, side, kWhite);
        Sprite sprite(SpriteRect{1, 1, 14, 10}, texture.get());
        sprite.draw(100, 200);
        const Pixels shot = Pixels::readFramebuffer();
        EXPECT_EQ(shot.litBounds(), box(100, 200, 114, 210)) << "texture " << side;
        EXPECT_EQ(shot.count(kWhite), 14 * 10);
    }
}

TEST_F(Drawing, WholeTextureSpriteHasItsSizeAndCentrePivot) {
    auto texture = uniformTexture(64, 32, kWhite);
    Sprite sprite(texture.get());
    EXPECT_EQ(sprite.width(), 64);
    EXPECT_EQ(sprite.height(), 32);
    EXPECT_EQ(sprite.pivot.x, 32);
    EXPECT_EQ(sprite.pivot.y, 16);
    EXPECT_EQ(Sprite(SpriteRect{0, 0, 31, 7}, texture.get()).pivot.x, 15);
    sprite.draw(400, 100);
    EXPECT_EQ(Pixels::readFramebuffer().litBounds(), box(400, 100, 464, 132));
}

TEST_F(Drawing, SubRectangleSamplesItsOwnTexels) {
    auto texture = coordinateTexture(128, 128);
    Sprite sprite(SpriteRect{33, 1, 30, 30}, texture.get());
    sprite.draw(10, 20);
    const Pixels shot = Pixels::readFramebuffer();
    for (int j = 0; j < 30; ++j) {
        for (int i = 0; i < 30; ++i) {
            ASSERT_TRUE(shot.at(10 + i, 20 + j).sameColour(texelColour(33 + i, 1 + j)))
                << "screen " << 10 + i << "," << 20 + j << " shows " << shot.at(10 + i, 20 + j);
        }
    }
}

TEST_F(Drawing, QuarterTurnAboutThePivotKeepsTheSquareAndMovesTheCorner) {
    auto texture = coordinateTexture(32, 32);
    Sprite sprite(SpriteRect{0, 0, 30, 30}, texture.get());
    sprite.angle = 90.0f;
    sprite.draw(100, 100);
    const Pixels shot = Pixels::readFramebuffer();
    EXPECT_EQ(shot.litBounds(), box(100, 100, 130, 130));
    // Clockwise: the top-left texel ends at the top-right corner; screen (X, Y) shows texel
    // (Y - 100, 129 - X).
    EXPECT_TRUE(shot.at(129, 100).sameColour(texelColour(0, 0))) << shot.at(129, 100);
    for (int y = 100; y < 130; ++y) {
        for (int x = 100; x < 130; ++x) {
            ASSERT_TRUE(shot.at(x, y).sameColour(texelColour(y - 100, 129 - x))) << x << "," << y;
        }
    }
}

TEST_F(Drawing, ScaleActsAboutThePivot) {
    auto texture = uniformTexture(32, 32, kWhite);
    Sprite sprite(SpriteRect{0, 0, 30, 30}, texture.get());
    sprite.scale = 2.0f;
    sprite.draw(100, 100);
    EXPECT_EQ(Pixels::readFramebuffer().litBounds(), box(85, 85, 145, 145));
}

TEST_F(Drawing, GroupPlacesEntriesAtTheirOffsets) {
    auto texture = coordinateTexture(64, 64);
    Sprite sprite(SpriteRect{3, 5, 20, 20}, texture.get());
    SpriteGroup group;
    group.addChild(&sprite, 30, 60);
    group.draw(50, 44);
    const Pixels grouped = Pixels::readFramebuffer();
    glClear(GL_COLOR_BUFFER_BIT);
    sprite.draw(80, 104);
    const Pixels alone = Pixels::readFramebuffer();
    EXPECT_EQ(grouped.litBounds(), box(80, 104, 100, 124));
    for (int y = 100; y < 130; ++y) {
        for (int x = 75; x < 105; ++x)
            ASSERT_EQ(grouped.at(x, y), alone.at(x, y)) << x << "," << y;
    }
}

TEST_F(Drawing, GroupTurnsItsEntriesTogetherAboutItsPivot) {
    auto red = uniformTexture(32, 32, kRed);
    auto blue = uniformTexture(32, 32, kBlue);
    Sprite left(SpriteRect{0, 0, 30, 30}, red.get());
    Sprite right(SpriteRect{0, 0, 30, 30}, blue.get());
    SpriteGroup group;
    group.addChild(&left, 0, 0);
    group.addChild(&right, 30, 0);
    group.pivot = ScreenPoint{15, 15};
    group.angle = 90.0f;
    group.draw(200, 200);
    const Pixels shot = Pixels::readFramebuffer();
    // The right-hand entry swings clockwise to below the left one.
    EXPECT_EQ(shot.litBounds(), box(200, 200, 230, 260));
    EXPECT_EQ(shot.at(215, 215), kRed);
    EXPECT_EQ(shot.at(215, 245), kBlue);
}

TEST_F(Drawing, NestedGroupsComposeOffsetsAndTurns) {
    auto texture = uniformTexture(32, 32, kWhite);
    Sprite sprite(SpriteRect{0, 0, 30, 30}, texture.get());
    SpriteGroup inner;
    inner.addChild(&sprite, 5, 5);
    SpriteGroup outer;
    outer.addChild(&inner, 10, 20);
    outer.draw(100, 100);
    EXPECT_EQ(Pixels::readFramebuffer().litBounds(), box(115, 125, 145, 155));

    glClear(GL_COLOR_BUFFER_BIT);
    // A quarter turn about the outer origin takes own (u, v) to (-v, u).
    outer.angle = 90.0f;
    outer.draw(300, 300);
    EXPECT_EQ(Pixels::readFramebuffer().litBounds(), box(245, 315, 275, 345));
}

TEST_F(Drawing, LaterEntryIsDrawnSecond) {
    auto red = uniformTexture(32, 32, kRed);
    auto blue = uniformTexture(32, 32, kBlue);
    Sprite first(SpriteRect{0, 0, 30, 30}, red.get());
    Sprite second(SpriteRect{0, 0, 30, 30}, blue.get());
    SpriteGroup group;
    group.addChild(&first, 0, 0);
    group.addChild(&second, 0, 0);
    // Without blending the last quad drawn over a pixel is the one that shows.
    glDisable(GL_BLEND);
    group.draw(10, 10);
    glEnable(GL_BLEND);
    EXPECT_EQ(Pixels::readFramebuffer().at(20, 20), kBlue);
}

TEST_F(Drawing, EmptyGroupDrawsNothingAndLeavesTheMatrixAsFound) {
    SpriteGroup group;
    group.angle = 33.0f;
    glTranslatef(7.0f, 9.0f, 0.0f);
    GLfloat before[16], after[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, before);
    group.draw(10, 10);
    glGetFloatv(GL_MODELVIEW_MATRIX, after);
    EXPECT_TRUE(std::equal(before, before + 16, after));
    EXPECT_EQ(Pixels::readFramebuffer().litBounds(), box(-1, -1, -1, -1));
}

TEST_F(Drawing, DestroyingAGroupLeavesItsEntriesDrawable) {
    auto texture = uniformTexture(32, 32, kWhite);
    Sprite sprite(SpriteRect{0, 0, 30, 30}, texture.get());
    {
        SpriteGroup group;
        group.addChild(&sprite, 0, 0);
        SpriteGroup copy = group;
        EXPECT_EQ(copy.children().size(), 1u);
        EXPECT_EQ(copy.children()[0].drawable, &sprite);
    }
    sprite.draw(0, 0);
    EXPECT_EQ(Pixels::readFramebuffer().litBounds(), box(0, 0, 30, 30));
}

}  // namespace
