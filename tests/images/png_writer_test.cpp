// The preview's PNG encoder: checksums against published values, and a read-back of the file
// structure down to the pixel rows.
#include "tools/png_writer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using imagegen::RgbaImage;
using Bytes = std::vector<std::uint8_t>;

std::uint32_t crcOf(const std::string& text) {
    return imagegen::crc32(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}

std::uint32_t bigEndian(const Bytes& b, std::size_t at) {
    return (std::uint32_t{b[at]} << 24) | (std::uint32_t{b[at + 1]} << 16) |
           (std::uint32_t{b[at + 2]} << 8) | b[at + 3];
}

struct Chunk {
    std::string type;
    Bytes data;
    bool crcMatches = false;
};

std::vector<Chunk> chunksOf(const Bytes& png) {
    std::vector<Chunk> chunks;
    for (std::size_t at = 8; at + 12 <= png.size();) {
        const std::uint32_t length = bigEndian(png, at);
        Chunk c{std::string(png.begin() + at + 4, png.begin() + at + 8),
                Bytes(png.begin() + at + 8, png.begin() + at + 8 + length)};
        c.crcMatches = imagegen::crc32(&png[at + 4], length + 4) == bigEndian(png, at + 8 + length);
        chunks.push_back(c);
        at += 12 + length;
    }
    return chunks;
}

// Unpacks a zlib stream made only of stored blocks; fails the test on anything else.
Bytes inflateStored(const Bytes& z) {
    Bytes out;
    std::size_t at = 2;
    bool last = false;
    while (!last && at + 5 <= z.size()) {
        last = (z[at] & 1) != 0;
        EXPECT_EQ(z[at] & 6, 0) << "not a stored block";
        const unsigned length = z[at + 1] | (z[at + 2] << 8);
        EXPECT_EQ(length ^ 0xFFFFu, unsigned(z[at + 3] | (z[at + 4] << 8)));
        out.insert(out.end(), z.begin() + at + 5, z.begin() + at + 5 + length);
        at += 5 + length;
    }
    EXPECT_TRUE(last);
    EXPECT_EQ(at + 4, z.size());
    EXPECT_EQ(imagegen::adler32(out.data(), out.size()), bigEndian(z, at));
    return out;
}

RgbaImage pattern(int width, int height) {
    RgbaImage image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            std::uint8_t* p = image.pixel(x, y);
            p[0] = static_cast<std::uint8_t>(x);
            p[1] = static_cast<std::uint8_t>(y);
            p[2] = static_cast<std::uint8_t>(x ^ y);
            p[3] = 255;
        }
    }
    return image;
}

TEST(PngChecksums, MatchPublishedValues) {
    EXPECT_EQ(crcOf("IEND"), 0xAE426082u);
    EXPECT_EQ(crcOf("123456789"), 0xCBF43926u);
    EXPECT_EQ(crcOf(""), 0u);
    const std::string wiki = "Wikipedia";
    EXPECT_EQ(imagegen::adler32(reinterpret_cast<const std::uint8_t*>(wiki.data()), wiki.size()),
              0x11E60398u);
}

// 200 x 120 RGB rows come to 72 120 bytes: more than one stored block can hold.
TEST(PngEncoding, ReadsBackToTheSamePixelsAcrossSeveralBlocks) {
    const RgbaImage image = pattern(200, 120);
    const Bytes png = imagegen::encodePng(image);
    ASSERT_EQ(0, std::memcmp(png.data(), "\x89PNG\r\n\x1a\n", 8));
    const std::vector<Chunk> chunks = chunksOf(png);
    ASSERT_EQ(chunks.size(), 3u);
    EXPECT_EQ(chunks[0].type, "IHDR");
    EXPECT_EQ(chunks[1].type, "IDAT");
    EXPECT_EQ(chunks[2].type, "IEND");
    for (const Chunk& c : chunks)
        EXPECT_TRUE(c.crcMatches) << c.type;
    EXPECT_EQ(bigEndian(chunks[0].data, 0), 200u);
    EXPECT_EQ(bigEndian(chunks[0].data, 4), 120u);
    EXPECT_EQ(chunks[0].data[8], 8);  // bits per sample
    EXPECT_EQ(chunks[0].data[9], 2);  // RGB

    const Bytes rows = inflateStored(chunks[1].data);
    ASSERT_EQ(rows.size(), 120u * (1 + 200 * 3));
    for (int y = 0; y < 120; ++y) {
        const std::size_t row = static_cast<std::size_t>(y) * (1 + 200 * 3);
        ASSERT_EQ(rows[row], 0) << "filter of row " << y;
        for (int x = 0; x < 200; ++x) {
            ASSERT_EQ(0, std::memcmp(&rows[row + 1 + x * 3], image.pixel(x, y), 3))
                << x << "," << y;
        }
    }
}

TEST(PngEncoding, SinglePixelImageIsComplete) {
    const Bytes png = imagegen::encodePng(pattern(1, 1));
    const std::vector<Chunk> chunks = chunksOf(png);
    ASSERT_EQ(chunks.size(), 3u);
    EXPECT_EQ(inflateStored(chunks[1].data).size(), 4u);
}

}  // namespace
