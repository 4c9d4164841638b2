// The web build's matrix stacks: a corner of a sprite must land on the pixel desktop GL puts it
// on, through the very calls the game makes (the fixed state's projection, a frame's identity,
// a group's and a sprite's push, move, turn about the pivot, scale and pop).
#include <gtest/gtest.h>

#include "gl11_on_webgl/matrix_stacks.h"

namespace {

constexpr float kWidth = 800;
constexpr float kHeight = 600;

struct Pixel {
    float x;
    float y;
};

// As applyFixedGLState sets it up, then a frame's glLoadIdentity.
MatrixStacks frameStacks() {
    MatrixStacks stacks;
    stacks.select(MatrixStacks::Mode::Projection);
    stacks.loadIdentity();
    stacks.multiply(Matrix4::ortho(0, kWidth, kHeight, 0, -1, 1));
    stacks.select(MatrixStacks::Mode::ModelView);
    stacks.loadIdentity();
    return stacks;
}

// Drawable::applyTransform's calls.
void place(MatrixStacks& stacks, float x, float y, float pivot, float degrees, float scale) {
    stacks.multiply(Matrix4::translation(x, y, 0));
    stacks.multiply(Matrix4::translation(pivot, pivot, 0));
    stacks.multiply(Matrix4::rotation(degrees, 0, 0, 1));
    stacks.multiply(Matrix4::scaling(scale, scale, 0));
    stacks.multiply(Matrix4::translation(-pivot, -pivot, 0));
}

// Window pixels, (0, 0) at the top-left, of a vertex (x, y, 0, 1).
Pixel onScreen(MatrixStacks& stacks, float x, float y) {
    const Matrix4& m = stacks.toClip();
    const float w = m.at(3, 0) * x + m.at(3, 1) * y + m.at(3, 3);
    const float cx = (m.at(0, 0) * x + m.at(0, 1) * y + m.at(0, 3)) / w;
    const float cy = (m.at(1, 0) * x + m.at(1, 1) * y + m.at(1, 3)) / w;
    return Pixel{(cx + 1) * kWidth / 2, (1 - cy) * kHeight / 2};
}

struct PlacedCorner {
    const char* what;
    float degrees;
    float scale;
    float cornerX, cornerY;  // in the 30x30 sprite
    Pixel expected;
};

TEST(WebGLTransform, ASpriteCornerLandsWhereDesktopGLPutsIt) {
    // A 30x30 sprite at (50, 44), pivot at its centre (15, 15); y grows downwards, so a
    // positive angle turns it clockwise on screen.
    const PlacedCorner cases[] = {
        {"unturned top-left", 0, 1, 0, 0, {50, 44}},
        {"unturned bottom-right", 0, 1, 30, 30, {80, 74}},
        {"a quarter turn takes the top-left to the top-right", 90, 1, 0, 0, {80, 44}},
        {"a half turn takes the top-left to the bottom-right", 180, 1, 0, 0, {80, 74}},
        {"doubled about the pivot", 0, 2, 0, 0, {35, 29}},
        {"halved about the pivot", 0, 0.5f, 30, 30, {72.5f, 66.5f}},
    };
    for (const PlacedCorner& c : cases) {
        MatrixStacks stacks = frameStacks();
        ASSERT_TRUE(stacks.push());
        place(stacks, 50, 44, 15, c.degrees, c.scale);
        const Pixel got = onScreen(stacks, c.cornerX, c.cornerY);
        EXPECT_NEAR(got.x, c.expected.x, 1e-3) << c.what;
        EXPECT_NEAR(got.y, c.expected.y, 1e-3) << c.what;
    }
}

TEST(WebGLTransform, PopGivesBackTheGroupsPlaceForTheNextSprite) {
    MatrixStacks stacks = frameStacks();
    ASSERT_TRUE(stacks.push());  // the group at (100, 200)
    place(stacks, 100, 200, 0, 0, 1);
    ASSERT_TRUE(stacks.push());  // its first sprite, turned, at (10, 20)
    place(stacks, 10, 20, 15, 90, 1);
    EXPECT_NEAR(onScreen(stacks, 0, 0).x, 140, 1e-3);  // worked out, and so kept, once
    ASSERT_TRUE(stacks.pop());
    ASSERT_TRUE(stacks.push());  // the next sprite, unturned, at (40, 0)
    place(stacks, 40, 0, 15, 0, 1);
    const Pixel next = onScreen(stacks, 0, 0);
    EXPECT_NEAR(next.x, 140, 1e-3);
    EXPECT_NEAR(next.y, 200, 1e-3);
    ASSERT_TRUE(stacks.pop());
    ASSERT_TRUE(stacks.pop());
    const Pixel origin = onScreen(stacks, 0, 0);
    EXPECT_NEAR(origin.x, 0, 1e-3);
    EXPECT_NEAR(origin.y, 0, 1e-3);
}

TEST(WebGLTransform, EachModeKeepsItsOwnStack) {
    MatrixStacks stacks = frameStacks();
    stacks.multiply(Matrix4::translation(5, 7, 0));
    stacks.select(MatrixStacks::Mode::Projection);
    ASSERT_TRUE(stacks.push());
    stacks.loadIdentity();  // the projection's, not the model-view's
    stacks.multiply(Matrix4::ortho(0, kWidth, kHeight, 0, -1, 1));
    ASSERT_TRUE(stacks.pop());
    stacks.select(MatrixStacks::Mode::ModelView);
    const Pixel got = onScreen(stacks, 0, 0);
    EXPECT_NEAR(got.x, 5, 1e-3);
    EXPECT_NEAR(got.y, 7, 1e-3);
}

TEST(WebGLTransform, StacksRefuseToOverflowOrEmpty) {
    for (const auto mode : {MatrixStacks::Mode::ModelView, MatrixStacks::Mode::Projection}) {
        MatrixStacks stacks;
        stacks.select(mode);
        EXPECT_FALSE(stacks.pop()) << "the last matrix stays";
        for (std::size_t depth = 1; depth < MatrixStacks::kDepth; ++depth)
            ASSERT_TRUE(stacks.push());
        EXPECT_FALSE(stacks.push()) << "no room beyond " << MatrixStacks::kDepth;
        stacks.multiply(Matrix4::translation(3, 0, 0));
        EXPECT_EQ(stacks.top(mode).at(0, 3), 3) << "a refused push leaves the top current";
    }
}

}  // namespace
