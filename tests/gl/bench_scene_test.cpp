// The benchmark compares the game's frame with a bare GL stream of the same scene; that is only
// a fair comparison if both draw the very same picture.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "bench/full_well_scene.h"
#include "bench/raw_stream.h"
#include "frame/frame_event.h"
#include "game/game_session.h"
#include "render/block_atlas.h"
#include "render/raw_image.h"
#include "tests/support/image_folder.h"
#include "tests/support/pixels.h"

namespace {

TEST(BenchScene, TheBareStreamDrawsExactlyTheSessionsFullWellFrame) {
    ImageFolder images;  // a distinct colour for every image
    const auto session = FullWell::filledSession();
    ASSERT_NE(session, nullptr);
    EXPECT_EQ(session->board().blocks().size(), 160u);

    const auto atlas = buildBlockAtlas(32, 4);
    const auto score = loadRawImage("score.raw", 64, 32);
    const auto level = loadRawImage("level.raw", 64, 32);
    std::unique_ptr<Texture> digits[10];
    RawFrameStream::Textures names;
    names.atlas = atlas->name();
    names.scoreLabel = score->name();
    names.levelLabel = level->name();
    for (int d = 0; d < 10; ++d) {
        digits[d] = loadRawImage(("digit" + std::to_string(d) + ".raw").c_str(), 32, 32);
        names.digits[d] = digits[d]->name();
    }
    const RawFrameStream raw(names);
    EXPECT_EQ(raw.quadCount(), 160u + 160u + 4u + 2u + 6u);

    raw.draw();
    const Pixels bare = Pixels::readFramebuffer();
    ASSERT_TRUE(session->handleEvent(Draw, 0));
    const Pixels game = Pixels::readFramebuffer();

    int differing = 0;
    for (int y = 0; y < game.height(); ++y) {
        for (int x = 0; x < game.width(); ++x)
            differing += bare.at(x, y) != game.at(x, y);
    }
    EXPECT_EQ(differing, 0);
    // Not two blank frames: the whole well and the read-out are lit.
    EXPECT_EQ(game.litBounds(), (std::array<int, 4>{50, 44, 624, 524}));
    EXPECT_TRUE(game.at(464 + 16, 140 + 16).sameColour(ImageFolder::digitColour(1)));
}

TEST(BenchScene, TheFullWellCannotBeLaidTwice) {
    ImageFolder images;
    const auto session = FullWell::newSession();
    ASSERT_TRUE(FullWell::fillSession(*session));
    EXPECT_FALSE(FullWell::fillSession(*session)) << "every cell is already taken";
    EXPECT_FALSE(session->placeBlockForSetUp(GridPoint{-1, 0}, 1));
    EXPECT_FALSE(session->placeBlockForSetUp(GridPoint{0, 16}, 1));
    EXPECT_EQ(session->board().blocks().size(), 160u);
}

TEST(BenchScene, SetUpBlocksRefuseUnknownColours) {
    ImageFolder images;
    const auto session = FullWell::newSession();
    EXPECT_FALSE(session->placeBlockForSetUp(GridPoint{0, 15}, 8));
    EXPECT_TRUE(session->placeBlockForSetUp(GridPoint{0, 15}, 7));
    EXPECT_EQ(session->board().blocks().front().sprite, &session->darkBlocks()[7]);
}

}  // namespace
