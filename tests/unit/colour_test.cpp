#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "render/colour.h"

namespace {

std::array<int, 4> bytesOf(const Colour& c) {
    std::uint8_t out[4];
    c.toBytes(out);
    return {out[0], out[1], out[2], out[3]};
}

TEST(Colour, DefaultsToOpaqueWhite) {
    EXPECT_EQ(bytesOf(Colour()), (std::array<int, 4>{255, 255, 255, 255}));
}

TEST(Colour, ToBytesTruncatesRatherThanRounds) {
    EXPECT_EQ(bytesOf(Colour(0.25f, 0.5f, 0.75f, 1.0f)), (std::array<int, 4>{63, 127, 191, 255}));
    EXPECT_EQ(bytesOf(Colour(0.0f, 0.0f, 0.0f, 0.0f)), (std::array<int, 4>{0, 0, 0, 0}));
}

TEST(Colour, OutOfRangeComponentsSaturateInsteadOfWrapping) {
    EXPECT_EQ(bytesOf(Colour(1.5f, -0.5f, 2.0f, 1.0f)), (std::array<int, 4>{255, 0, 255, 255}));
}

TEST(Colour, LightenReturnsAClampedCopyAndLeavesTheOriginal) {
    const Colour red(0.75f, 0.0f, 0.0f, 1.0f);
    const Colour light = red.lighten(0.25f);
    EXPECT_FLOAT_EQ(light.r, 1.0f);
    EXPECT_FLOAT_EQ(light.g, 0.25f);
    EXPECT_FLOAT_EQ(light.b, 0.25f);
    EXPECT_FLOAT_EQ(light.a, 1.0f);
    EXPECT_FLOAT_EQ(red.r, 0.75f);
    EXPECT_FLOAT_EQ(red.g, 0.0f);

    const Colour dark = red.lighten(-0.25f);
    EXPECT_FLOAT_EQ(dark.r, 0.5f);
    EXPECT_FLOAT_EQ(dark.g, 0.0f);  // clamped at 0, not -0.25
}

TEST(Colour, DarkenChangesTheColourItselfAndKeepsAlpha) {
    Colour red(0.75f, 0.0f, 0.0f, 1.0f);
    const Colour returned = red.darken(0.25f);
    EXPECT_FLOAT_EQ(red.r, 0.5f);
    EXPECT_FLOAT_EQ(red.g, 0.0f);
    EXPECT_FLOAT_EQ(red.a, 1.0f);
    EXPECT_FLOAT_EQ(returned.r, 0.5f);

    Colour black(0.0f, 0.0f, 0.0f, 1.0f);
    black.darken(0.25f);
    EXPECT_EQ(bytesOf(black), (std::array<int, 4>{0, 0, 0, 255}));
}

}  // namespace
