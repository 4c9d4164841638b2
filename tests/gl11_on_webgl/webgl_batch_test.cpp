// The web build's quad batch: quads keep their order, runs break only where the texture or the
// way it is sampled changes, and a quad is drawn without filtering only where that gives the
// very pixels linear filtering gives (every sample at a texel centre, inside the texture); a frame
// is repeated only where its quads are the ones shown.
#include <gtest/gtest.h>

#include <vector>

#include "gl11_on_webgl/matrix_stacks.h"
#include "gl11_on_webgl/quad_batch.h"
#include "gl11_on_webgl/shown_frame.h"

namespace {

constexpr float kWidth = 800;
constexpr float kHeight = 600;
constexpr std::uint32_t kAtlas = 3;
constexpr std::uint32_t kLabel = 4;

Matrix4 toClip(const Matrix4& modelView) {
    return Matrix4::ortho(0, kWidth, kHeight, 0, -1, 1) * modelView;
}

TexelGrid grid(float textureWidth, float textureHeight) {
    return TexelGrid{textureWidth, textureHeight, kWidth, kHeight};
}

// One quad as Sprite::draw gives it: w x h at the model-view's origin, texture rectangle
// (s0, t0)-(s1, t1).
void sprite(QuadBatch& batch, std::uint32_t texture, const TexelGrid& on, const Matrix4& modelView,
            float w, float h, float s0, float t0, float s1, float t1) {
    const Matrix4 m = toClip(modelView);
    batch.begin(texture, on);
    batch.vertex(m, 0, 0, s0, t0);
    batch.vertex(m, w, 0, s1, t0);
    batch.vertex(m, w, h, s1, t1);
    batch.vertex(m, 0, h, s0, t1);
    batch.end();
}

struct SpriteCase {
    const char* what;
    Matrix4 modelView;
    float w, h;    // pixels
    float x0, y0;  // the texture rectangle's top-left, in texels of a 128x64 texture
    float x1, y1;  // its bottom-right
    bool exact;
};

Matrix4 at(float x, float y) {
    return Matrix4::translation(x, y, 0);
}

// Drawable::applyTransform about the centre of a 32x32 sprite.
Matrix4 turned(float x, float y, float degrees, float scale) {
    return at(x, y) * at(16, 16) * Matrix4::rotation(degrees, 0, 0, 1) *
           Matrix4::scaling(scale, scale, 0) * at(-16, -16);
}

TEST(WebGLBatch, OnlyQuadsThatSampleTexelCentresInsideTheTextureGoUnfiltered) {
    const SpriteCase cases[] = {
        {"a block of the atlas on whole pixels", at(50, 44), 32, 32, 32, 0, 64, 32, true},
        {"the whole texture", at(400, 100), 128, 64, 0, 0, 128, 64, true},
        {"a quarter turn keeps the grid", turned(50, 44, 90, 1), 32, 32, 32, 0, 64, 32, true},
        {"mirrored", turned(50, 44, 0, -1), 32, 32, 32, 0, 64, 32, true},
        {"half a pixel off", at(50.5f, 44), 32, 32, 32, 0, 64, 32, false},
        {"turned part way", turned(50, 44, 30, 1), 32, 32, 32, 0, 64, 32, false},
        {"doubled", turned(50, 44, 0, 2), 32, 32, 32, 0, 64, 32, false},
        {"two texels to a pixel", at(50, 44), 32, 32, 0, 0, 64, 64, false},
        {"half a texel into the rectangle", at(50, 44), 32, 32, 32.5f, 0, 64.5f, 32, false},
        {"beyond the texture's edge, where GL_CLAMP's border weighs in", at(50, 44), 32, 32, 112, 0,
         144, 32, false},
    };
    for (const SpriteCase& c : cases) {
        QuadBatch batch;
        sprite(batch, kAtlas, grid(128, 64), c.modelView, c.w, c.h, c.x0 / 128, c.y0 / 64,
               c.x1 / 128, c.y1 / 64);
        ASSERT_EQ(batch.runs().size(), 1u) << c.what;
        EXPECT_EQ(batch.runs()[0].exact, c.exact) << c.what;
    }
}

TEST(WebGLBatch, UntexturedQuadsAreNeverTakenAsExact) {
    QuadBatch batch;
    sprite(batch, 0, grid(0, 0), at(10, 10), 32, 32, 0, 0, 1, 1);
    ASSERT_EQ(batch.runs().size(), 1u);
    EXPECT_EQ(batch.runs()[0].texture, 0u);
    EXPECT_FALSE(batch.runs()[0].exact);
}

TEST(WebGLBatch, RunsFollowTheOrderAndBreakOnlyWhereTheDrawingChanges) {
    QuadBatch batch;
    const TexelGrid atlas = grid(128, 64);
    sprite(batch, kAtlas, atlas, at(0, 0), 32, 32, 0, 0, 0.25f, 0.5f);
    sprite(batch, kAtlas, atlas, at(32, 0), 32, 32, 0.25f, 0, 0.5f, 0.5f);
    sprite(batch, kLabel, grid(64, 32), at(400, 0), 64, 32, 0, 0, 1, 1);
    sprite(batch, kAtlas, atlas, at(64, 0), 32, 32, 0, 0, 0.25f, 0.5f);
    sprite(batch, kAtlas, atlas, turned(96, 0, 45, 1), 32, 32, 0, 0, 0.25f, 0.5f);
    struct Expected {
        std::uint32_t texture;
        bool exact;
        std::size_t first, quads;
    };
    const std::vector<Expected> expected = {
        {kAtlas, true, 0, 2}, {kLabel, true, 2, 1}, {kAtlas, true, 3, 1}, {kAtlas, false, 4, 1}};
    ASSERT_EQ(batch.runs().size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(batch.runs()[i].texture, expected[i].texture) << "run " << i;
        EXPECT_EQ(batch.runs()[i].exact, expected[i].exact) << "run " << i;
        EXPECT_EQ(batch.runs()[i].firstQuad, expected[i].first) << "run " << i;
        EXPECT_EQ(batch.runs()[i].quads, expected[i].quads) << "run " << i;
    }
    EXPECT_EQ(batch.vertices().size(), 5u * 4u);
    // The third quad's corners, in order, with their texture coordinates.
    const QuadVertex& labelTopRight = batch.vertices()[2 * 4 + 1];
    EXPECT_NEAR(labelTopRight.clip[0], (464 / kWidth) * 2 - 1, 1e-6);
    EXPECT_NEAR(labelTopRight.clip[1], 1, 1e-6);
    EXPECT_EQ(labelTopRight.texCoord[0], 1);
    EXPECT_EQ(labelTopRight.texCoord[1], 0);
}

TEST(WebGLBatch, AnUnfinishedQuadIsDroppedAsGLDropsIt) {
    QuadBatch batch;
    const Matrix4 m = toClip(Matrix4{});
    batch.begin(kAtlas, grid(128, 64));
    for (int corner = 0; corner < 7; ++corner)
        batch.vertex(m, static_cast<float>(corner), 0, 0, 0);
    batch.end();
    EXPECT_EQ(batch.quadCount(), 1u);
    batch.begin(kAtlas, grid(128, 64));  // the leftover three corners must not start this one
    batch.vertex(m, 0, 0, 0, 0);
    batch.end();
    EXPECT_EQ(batch.quadCount(), 1u);
}

TEST(WebGLBatch, AFullBatchClearedMidPrimitiveCarriesOnWithTheSameTexture) {
    QuadBatch batch;
    const TexelGrid atlas = grid(128, 64);
    const Matrix4 m = toClip(Matrix4{});
    batch.begin(kAtlas, atlas);
    while (!batch.full()) {
        for (int corner = 0; corner < 4; ++corner)
            batch.vertex(m, 0, 0, 0, 0);
    }
    EXPECT_EQ(batch.quadCount(), QuadBatch::kMaxQuads);
    batch.clear();
    EXPECT_TRUE(batch.empty());
    for (int corner = 0; corner < 4; ++corner)
        batch.vertex(m, 0, 0, 0, 0);
    batch.end();
    ASSERT_EQ(batch.runs().size(), 1u);
    EXPECT_EQ(batch.runs()[0].texture, kAtlas);
    EXPECT_EQ(batch.runs()[0].firstQuad, 0u);
}

}  // namespace

// A frame is left undrawn only where it would draw exactly the quads the canvas shows.
TEST(ShownFrame, RepeatsOnlyTheSameQuadsWithTheSameTextures) {
    const auto frame = [](float pieceX, std::uint32_t labelTexture) {
        QuadBatch batch;
        sprite(batch, kAtlas, grid(128, 64), at(pieceX, 44), 32, 32, 0, 0, 0.25f, 0.5f);
        sprite(batch, labelTexture, grid(64, 32), at(400, 100), 64, 32, 0, 0, 1, 1);
        return batch;
    };
    ShownFrame shown;
    EXPECT_FALSE(shown.repeats(frame(50, kLabel))) << "nothing shown yet";
    shown.remember(frame(50, kLabel));
    EXPECT_TRUE(shown.repeats(frame(50, kLabel)));
    EXPECT_FALSE(shown.repeats(frame(50.25f, kLabel))) << "a piece moved a quarter pixel";
    EXPECT_FALSE(shown.repeats(frame(50, kLabel + 1))) << "the label from another texture";
    EXPECT_FALSE(shown.repeats(QuadBatch{})) << "the quads gone";
    shown.forget();
    EXPECT_FALSE(shown.repeats(frame(50, kLabel))) << "a texture or the buffer changed";
    shown.remember(QuadBatch{});
    EXPECT_TRUE(shown.repeats(QuadBatch{})) << "a cleared frame, cleared again";
}
