#include <gtest/gtest.h>

#include <vector>

#include "game/score_readout.h"
#include "tests/gl/test_textures.h"
#include "tests/support/image_folder.h"

namespace {

class Readout : public ::testing::Test {
  protected:
    ImageFolder images;

    // The digits on screen, told apart by their plain colours: five for the score, one for the
    // level; -1 where no digit shows.
    static std::vector<int> digitsOnScreen() {
        const Pixels shot = Pixels::readFramebuffer();
        std::vector<int> digits;
        auto digitAt = [&shot](int x, int y) {
            for (int d = 0; d < 10; ++d) {
                if (shot.at(x, y).sameColour(ImageFolder::digitColour(d)))
                    return d;
            }
            return -1;
        };
        for (int n = 0; n < 5; ++n)
            digits.push_back(digitAt(464 + 32 * n + 16, 116));
        digits.push_back(digitAt(464 + 16, 156));
        return digits;
    }
    static std::vector<int> show(std::int32_t score, std::int32_t level) {
        startFrame();
        ScoreReadout readout;
        readout.draw(score, level);
        return digitsOnScreen();
    }
};

TEST_F(Readout, LabelsAndDigitsStandWhereTheLayoutPutsThem) {
    show(0, 1);
    const Pixels shot = Pixels::readFramebuffer();
    EXPECT_EQ(shot.litBounds(), box(400, 100, 624, 172));
    EXPECT_TRUE(shot.at(400, 100).sameColour(ImageFolder::kScoreLabel));
    EXPECT_TRUE(shot.at(463, 131).sameColour(ImageFolder::kScoreLabel));
    EXPECT_TRUE(shot.at(400, 140).sameColour(ImageFolder::kLevelLabel));
    EXPECT_EQ(shot.count(ImageFolder::kScoreLabel), 64 * 32);
    EXPECT_EQ(shot.count(ImageFolder::kLevelLabel), 64 * 32);
    // Nothing between the two lines, nothing right of the single level digit.
    EXPECT_TRUE(shot.at(500, 135).sameColour(Rgba{}));
    EXPECT_TRUE(shot.at(500, 150).sameColour(Rgba{}));
}

TEST_F(Readout, ScoreShowsItsLastFiveDigitsAndLevelItsLastOne) {
    EXPECT_EQ(show(0, 1), (std::vector<int>{0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(show(123, 2), (std::vector<int>{0, 0, 1, 2, 3, 2}));
    EXPECT_EQ(show(98765, 9), (std::vector<int>{9, 8, 7, 6, 5, 9}));
    EXPECT_EQ(show(1234567, 10), (std::vector<int>{3, 4, 5, 6, 7, 0}));
    EXPECT_EQ(show(111, 12), (std::vector<int>{0, 0, 1, 1, 1, 2}));
}

// Never reached in play; a stray negative value must still pick one of the ten digits.
TEST_F(Readout, NegativeValuesStillShowDigits) {
    EXPECT_EQ(show(-42, -3), (std::vector<int>{0, 0, 0, 4, 2, 3}));
}

TEST_F(Readout, MissingFilesLeaveBlankImagesAndWarnOncePerFile) {
    ImageFolder empty(false);
    ::testing::internal::CaptureStderr();
    startFrame();
    {
        ScoreReadout readout;
        readout.draw(12345, 6);
    }
    const std::string warnings = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(Pixels::readFramebuffer().litBounds(), box(-1, -1, -1, -1));
    int lines = 0;
    for (char c : warnings)
        lines += c == '\n';
    EXPECT_EQ(lines, 12) << warnings;
    EXPECT_NE(warnings.find("\"score.raw\" cannot be opened"), std::string::npos);
    EXPECT_NE(warnings.find("\"digit9.raw\" cannot be opened"), std::string::npos);
}

}  // namespace
