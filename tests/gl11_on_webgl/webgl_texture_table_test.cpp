// The web build's texture bookkeeping, which a restored WebGL context is rebuilt from: names
// stay the program's across a restore and are handed out again only once deleted, and each
// texture's copy is its image as GL read it, without the padding between rows.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "gl11_on_webgl/texture_table.h"

namespace {

std::vector<std::uint32_t> namesInUse(TextureTable& table) {
    std::vector<std::uint32_t> names;
    table.forEach([&](std::uint32_t name, TextureRecord&) { names.push_back(name); });
    return names;
}

TEST(WebGLTextureTable, NamesAreNeverZeroAndComeBackOnlyOnceDeleted) {
    TextureTable table;
    EXPECT_EQ(table.add(), 1u);
    EXPECT_EQ(table.add(), 2u);
    EXPECT_EQ(table.add(), 3u);
    EXPECT_EQ(table.find(0), nullptr);
    EXPECT_EQ(table.find(4), nullptr);

    table.find(2)->webglName = 17;
    EXPECT_TRUE(table.remove(2));
    EXPECT_FALSE(table.remove(2)) << "deleted twice";
    EXPECT_FALSE(table.remove(0));
    EXPECT_FALSE(table.remove(9));
    EXPECT_EQ(table.find(2), nullptr);
    EXPECT_EQ(namesInUse(table), (std::vector<std::uint32_t>{1, 3}));

    EXPECT_EQ(table.add(), 2u) << "the lowest free name";
    EXPECT_EQ(table.find(2)->webglName, 0u) << "a new texture has nothing of the deleted one";
    EXPECT_EQ(table.add(), 4u);
    EXPECT_EQ(namesInUse(table), (std::vector<std::uint32_t>{1, 2, 3, 4}));
}

TEST(WebGLTextureTable, KeepsTheImageRowsWithoutTheirPadding) {
    // Three texels a row (12 bytes): aligned to 8, each row is followed by 4 bytes of padding.
    const std::vector<std::uint8_t> padded = {
        1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 0xEE, 0xEE, 0xEE, 0xEE,
        13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 0xEE, 0xEE, 0xEE, 0xEE};
    TextureRecord record;
    TextureTable::keepImage(record, 3, 2, padded.data(), 8);
    std::vector<std::uint8_t> rows(24);
    for (std::uint8_t i = 0; i < 24; ++i)
        rows[i] = static_cast<std::uint8_t>(i + 1);
    EXPECT_EQ(record.image, rows);
    EXPECT_EQ(record.sampling.width, 3.0f);
    EXPECT_EQ(record.sampling.height, 2.0f);

    // RGBA rows are whole multiples of 4 bytes: alignments up to 4 add nothing.
    for (const int alignment : {1, 2, 4}) {
        TextureTable::keepImage(record, 2, 3, rows.data(), alignment);
        EXPECT_EQ(record.image, rows) << "alignment " << alignment;
    }
}

TEST(WebGLTextureTable, ANewImageReplacesTheCopyAndNoPixelsLeaveNone) {
    TextureRecord record;
    record.sampling.clampS = true;
    const std::vector<std::uint8_t> big(16 * 16 * 4, 7);
    TextureTable::keepImage(record, 16, 16, big.data(), 1);
    ASSERT_EQ(record.image.size(), big.size());

    const std::uint8_t one[4] = {9, 8, 7, 6};
    TextureTable::keepImage(record, 1, 1, one, 1);
    EXPECT_EQ(record.image, (std::vector<std::uint8_t>{9, 8, 7, 6}));
    EXPECT_EQ(record.sampling.width, 1.0f);
    EXPECT_TRUE(record.sampling.clampS) << "the wrap is the texture's, not the image's";

    // An image without pixels has a size, so it samples (transparent black), and no copy.
    TextureTable::keepImage(record, 4, 2, nullptr, 1);
    EXPECT_TRUE(record.image.empty());
    EXPECT_EQ(record.sampling.width, 4.0f);
    EXPECT_EQ(record.sampling.height, 2.0f);
}

}  // namespace
