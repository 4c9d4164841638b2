// The preview shows the read-out exactly where and how the game draws it.
#include "tools/readout_preview.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "tests/images/image_test_support.h"
#include "tools/png_writer.h"

namespace {

using imagegen::RgbaImage;

class ReadoutPreview : public testing::Test {
  protected:
    const imagegen::ReadoutImages images = imagegen::drawReadoutImages();
};

// True when the screen rectangle at (left, top) shows `image` added over black with its
// alpha as weight, as GL_SRC_ALPHA, GL_ONE blending does.
testing::AssertionResult Shows(const RgbaImage& screen, const RgbaImage& image, int left, int top) {
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const std::uint8_t* src = image.pixel(x, y);
            const std::uint8_t* got = screen.pixel(left + x, top + y);
            for (int c = 0; c < 3; ++c) {
                const int want = (src[c] * src[3] + 127) / 255;
                if (got[c] != want) {
                    return testing::AssertionFailure()
                           << "screen (" << left + x << ", " << top + y << ") channel " << c
                           << " is " << int(got[c]) << ", want " << want;
                }
            }
        }
    }
    return testing::AssertionSuccess();
}

void expectScoreDigits(const RgbaImage& screen, const imagegen::ReadoutImages& images,
                       const int (&digits)[5]) {
    for (int n = 0; n < 5; ++n) {
        EXPECT_TRUE(Shows(screen, images.digits[digits[n]], 464 + 32 * n, 100)) << "digit " << n;
    }
}

TEST_F(ReadoutPreview, LabelsAndDigitsSitWhereTheGameDrawsThem) {
    const RgbaImage screen = imagegen::composeReadout(images, 123, 7);
    EXPECT_TRUE(Shows(screen, images.scoreLabel, 400, 100));
    EXPECT_TRUE(Shows(screen, images.levelLabel, 400, 140));
    expectScoreDigits(screen, images, {0, 0, 1, 2, 3});
    EXPECT_TRUE(Shows(screen, images.digits[7], 464, 140));
}

TEST_F(ReadoutPreview, LongScoresShowTheirLastFiveDigitsAndLevelsTheirLastDigit) {
    const RgbaImage screen = imagegen::composeReadout(images, 987654, 12);
    expectScoreDigits(screen, images, {8, 7, 6, 5, 4});
    EXPECT_TRUE(Shows(screen, images.digits[2], 464, 140));
}

TEST_F(ReadoutPreview, NothingIsDrawnOutsideTheReadout) {
    const RgbaImage screen = imagegen::composeReadout(images, 88888, 8);
    for (int y = 0; y < 600; ++y) {
        for (int x = 0; x < 800; ++x) {
            const bool scoreLine = y >= 100 && y < 132 && x >= 400 && x < 624;
            const bool levelLine = y >= 140 && y < 172 && x >= 400 && x < 496;
            if (scoreLine || levelLine)
                continue;
            const std::uint8_t* p = screen.pixel(x, y);
            ASSERT_EQ(p[0] | p[1] | p[2], 0) << x << ", " << y;
        }
    }
}

TEST_F(ReadoutPreview, PreviewIsTheReadoutAreaDoubled) {
    const RgbaImage screen = imagegen::composeReadout(images, 1230, 4);
    const RgbaImage preview = imagegen::readoutPreview(images, 1230, 4);
    ASSERT_EQ(preview.width, (224 + 16) * 2);
    ASSERT_EQ(preview.height, (72 + 16) * 2);
    for (int y = 0; y < preview.height; ++y) {
        for (int x = 0; x < preview.width; ++x) {
            ASSERT_EQ(0, std::memcmp(preview.pixel(x, y), screen.pixel(392 + x / 2, 92 + y / 2), 3))
                << x << ", " << y;
        }
    }
}

TEST_F(ReadoutPreview, CommittedPreviewIsUpToDate) {
    const auto made = imagegen::encodePng(
        imagegen::readoutPreview(images, imagegen::kSampleScore, imagegen::kSampleLevel));
    EXPECT_TRUE(fileBytes(std::filesystem::path(VORN_SOURCE_DIR) / "docs/readout.png") ==
                std::string(made.begin(), made.end()))
        << "regenerate with vorn_make_images --preview docs/readout.png";
}

}  // namespace
