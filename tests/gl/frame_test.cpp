#include <gtest/gtest.h>

#include "frame/frame_event.h"
#include "tests/gl/test_textures.h"
#include "tests/support/image_folder.h"
#include "tests/support/replay.h"

namespace {

const Rgba kBlack{0, 0, 0, 255};
const Rgba kBand{63, 63, 63, 255};       // the light band of an empty well cell
const Rgba kRedFace{191, 0, 0, 255};     // the falling first shape, plain
const Rgba kCyanDark{0, 127, 127, 255};  // a locked square, darker

// A square locked at the bottom, then the first shape falling at the top.
std::unique_ptr<Replay> sceneWithOneLock() {
    auto replay = std::make_unique<Replay>(std::vector<int>{5, 0});
    replay->run("+0 key Space\n+400 idle*40\n");
    return replay;
}

Pixels drawFrame(Replay& replay) {
    EXPECT_TRUE(replay.step(replay.clock().now(), Draw));
    EXPECT_EQ(modelViewDepth(), 1);
    return Pixels::readFramebuffer();
}

TEST(WholeFrame, WellPieceBlocksAndReadOut) {
    ImageFolder images;
    auto replay = sceneWithOneLock();
    ASSERT_EQ(replay->report().well[15], ".....##...");
    glClearColor(0.3f, 0.3f, 0.3f, 0.5f);  // whatever was on screen before is cleared away
    glClear(GL_COLOR_BUFFER_BIT);
    glClearColor(0.0f, 0.0f, 0.0f, 0.5f);
    const Pixels shot = drawFrame(*replay);

    EXPECT_EQ(shot.litBounds(), box(50, 44, 624, 524));
    // Every empty cell: a light band on its top and left, black inside.
    for (int row = 0; row < 16; ++row) {
        for (int column = 0; column < 10; ++column) {
            const int x = 50 + 30 * column, y = 44 + 30 * row;
            if (replay->report().well[row][column] != '.')
                continue;
            ASSERT_TRUE(shot.at(x, y).sameColour(kBand)) << column << "," << row;
            ASSERT_TRUE(shot.at(x + 15, y + 15).sameColour(kBlack)) << column << "," << row;
        }
    }
    // The falling first shape at (5, 0): cells (6, 0), (5, 1), (6, 1), (7, 1), plain red.
    EXPECT_TRUE(shot.at(50 + 6 * 30 + 15, 44 + 15).sameColour(kRedFace));
    EXPECT_TRUE(shot.at(50 + 7 * 30 + 15, 44 + 30 + 15).sameColour(kRedFace));
    EXPECT_TRUE(shot.at(50 + 5 * 30 + 15, 44 + 15).sameColour(kBlack));
    // The locked square at columns 5 and 6 of rows 14 and 15, darker cyan.
    EXPECT_TRUE(shot.at(50 + 5 * 30 + 15, 44 + 14 * 30 + 15).sameColour(kCyanDark));
    EXPECT_TRUE(shot.at(50 + 6 * 30 + 15, 44 + 15 * 30 + 15).sameColour(kCyanDark));
    // The read-out: labels, then score 00000 and level 1.
    EXPECT_TRUE(shot.at(400, 100).sameColour(ImageFolder::kScoreLabel));
    EXPECT_TRUE(shot.at(400, 140).sameColour(ImageFolder::kLevelLabel));
    EXPECT_TRUE(shot.at(592 + 16, 116).sameColour(ImageFolder::digitColour(0)));
    EXPECT_TRUE(shot.at(464 + 16, 156).sameColour(ImageFolder::digitColour(1)));
    // Between the well and the read-out, nothing.
    EXPECT_TRUE(shot.at(375, 116).sameColour(kBlack));
}

TEST(WholeFrame, DrawingChangesNoGameState) {
    ImageFolder images;
    auto replay = sceneWithOneLock();
    const ReplayReport before = replay->report();
    drawFrame(*replay);
    drawFrame(*replay);
    const ReplayReport after = replay->report();
    EXPECT_EQ(after.wellText(), before.wellText());
    EXPECT_EQ(after.piecePos, before.piecePos);
    EXPECT_EQ(after.score, before.score);
}

TEST(WholeFrame, MissingImagesLeaveTheGameRunningWithABlankReadOut) {
    ImageFolder empty(false);
    ::testing::internal::CaptureStderr();
    auto replay = sceneWithOneLock();
    const std::string warnings = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(warnings.find("\"level.raw\" cannot be opened"), std::string::npos);
    const Pixels shot = drawFrame(*replay);
    // Only the well: the read-out adds nothing. (An empty cell's last three columns are its dark
    // band, black for the background, so the lit part of the well ends at x = 347.)
    EXPECT_EQ(shot.litBounds(), box(50, 44, 347, 524));
    replay->run("+1001 idle\n+0 key Left\n");
    EXPECT_EQ(replay->report().piecePos, (GridPoint{4, 1}));
}

}  // namespace
