#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "render/block_atlas.h"
#include "tests/gl/test_textures.h"

namespace {

using Bytes = std::array<int, 3>;

struct BlockRow {
    int column, row;
    Bytes face, light, dark;
};

// The painted blocks, column and block row in the atlas, with the bytes of face and bands.
const std::vector<BlockRow> kBlocks{
    {0, 0, {0, 0, 0}, {63, 63, 63}, {0, 0, 0}},
    {1, 0, {191, 0, 0}, {255, 63, 63}, {127, 0, 0}},
    {2, 0, {0, 191, 0}, {63, 255, 63}, {0, 127, 0}},
    {3, 0, {191, 191, 0}, {255, 255, 63}, {127, 127, 0}},
    {0, 1, {0, 0, 0}, {63, 63, 63}, {0, 0, 0}},
    {1, 1, {127, 0, 0}, {191, 63, 63}, {63, 0, 0}},
    {2, 1, {0, 127, 0}, {63, 191, 63}, {0, 63, 0}},
    {3, 1, {127, 127, 0}, {191, 191, 63}, {63, 63, 0}},
    {0, 2, {0, 0, 191}, {63, 63, 255}, {0, 0, 127}},
    {1, 2, {191, 0, 191}, {255, 63, 255}, {127, 0, 127}},
    {2, 2, {0, 191, 191}, {63, 255, 255}, {0, 127, 127}},
    {3, 2, {191, 191, 191}, {255, 255, 255}, {127, 127, 127}},
    {0, 3, {0, 0, 127}, {63, 63, 191}, {0, 0, 63}},
    {1, 3, {127, 0, 127}, {191, 63, 191}, {63, 0, 63}},
    {2, 3, {0, 127, 127}, {63, 191, 191}, {0, 63, 63}},
    {3, 3, {127, 127, 127}, {191, 191, 191}, {63, 63, 63}},
};

class Atlas : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        auto atlas = buildBlockAtlas(32, 4);
        ASSERT_EQ(atlas->width(), 128);
        ASSERT_EQ(atlas->height(), 128);
        bytes_ = readBoundTexture(128, 128);  // the new texture is left bound
    }
    static std::array<int, 4> at(int x, int y) {
        const std::size_t i = (static_cast<std::size_t>(y) * 128 + x) * 4;
        return {bytes_[i], bytes_[i + 1], bytes_[i + 2], bytes_[i + 3]};
    }
    static Bytes rgbAt(int x, int y) {
        auto p = at(x, y);
        return {p[0], p[1], p[2]};
    }
    static std::vector<std::uint8_t> bytes_;
};
std::vector<std::uint8_t> Atlas::bytes_;

TEST_F(Atlas, KnownPixels) {
    EXPECT_EQ(at(0, 0), (std::array<int, 4>{63, 63, 63, 255}));
    EXPECT_EQ(at(40, 16), (std::array<int, 4>{191, 0, 0, 255}));
    EXPECT_EQ(at(127, 127), (std::array<int, 4>{63, 63, 63, 255}));
}

TEST_F(Atlas, EveryPixelIsOpaque) {
    for (int y = 0; y < 128; ++y) {
        for (int x = 0; x < 128; ++x)
            ASSERT_EQ(at(x, y)[3], 255) << x << "," << y;
    }
}

// Each block, pixel by pixel: dark in the last four columns and rows, else light in the first
// four, else the face. So the top-right and bottom-left corners are dark, the top-left light.
TEST_F(Atlas, EveryBlockHasItsFaceAndBands) {
    for (const BlockRow& block : kBlocks) {
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                const Bytes& want = (x >= 28 || y >= 28) ? block.dark
                                    : (x < 4 || y < 4)   ? block.light
                                                         : block.face;
                ASSERT_EQ(rgbAt(block.column * 32 + x, block.row * 32 + y), want)
                    << "block " << block.column << "," << block.row << " local " << x << "," << y;
            }
        }
        EXPECT_EQ(rgbAt(block.column * 32 + 31, block.row * 32), block.dark);
        EXPECT_EQ(rgbAt(block.column * 32, block.row * 32 + 31), block.dark);
        EXPECT_EQ(rgbAt(block.column * 32, block.row * 32), block.light);
    }
}

TEST_F(Atlas, BlackAndDarkenedBlackAreIdentical) {
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x)
            ASSERT_EQ(at(x, y), at(x, y + 32));
    }
}

TEST(PaintBlock, WritesOnlyItsSquareAndNothingForSizeZero) {
    std::vector<std::uint8_t> buffer(16 * 16 * 4, 7);
    const Colour grey(0.5f, 0.5f, 0.5f, 1.0f);
    paintBlock(buffer.data() + (2 * 16 + 3) * 4, 8, grey, 16 * 4, 2);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            const bool inside = x >= 3 && x < 11 && y >= 2 && y < 10;
            const std::uint8_t alpha = buffer[(static_cast<std::size_t>(y) * 16 + x) * 4 + 3];
            EXPECT_EQ(alpha, inside ? 255 : 7) << x << "," << y;
        }
    }
    EXPECT_FLOAT_EQ(grey.r, 0.5f);  // the colour passed in is only read

    std::vector<std::uint8_t> untouched(64, 9);
    paintBlock(untouched.data(), 0, grey, 16, 4);
    paintBlock(untouched.data(), -5, grey, 16, 4);
    EXPECT_TRUE(std::all_of(untouched.begin(), untouched.end(), [](auto b) { return b == 9; }));
}

}  // namespace
