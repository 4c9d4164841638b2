#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "game/board.h"
#include "game/board_geometry.h"

namespace {

// The rules never draw, so the sprites need no texture.
class BoardRules : public ::testing::Test {
  protected:
    Sprite background{SpriteRect{1, 33, 30, 30}, nullptr};
    Sprite block{SpriteRect{33, 33, 30, 30}, nullptr};
    Board board{background};

    void fillRow(std::int16_t row) {
        for (std::int16_t x = 0; x < boardWidth; ++x)
            board.placeBlock({x, row}, block);
    }
    std::vector<GridPoint> cells() const {
        std::vector<GridPoint> result;
        for (const PlacedBlock& b : board.blocks())
            result.push_back(b.cell);
        std::sort(result.begin(), result.end(),
                  [](GridPoint a, GridPoint b) { return a.y != b.y ? a.y < b.y : a.x < b.x; });
        return result;
    }
};

TEST_F(BoardRules, NewBoardIsFreeInsideAndClosedOutside) {
    for (std::int16_t y = 0; y < boardHeight; ++y) {
        for (std::int16_t x = 0; x < boardWidth; ++x) {
            EXPECT_TRUE(board.cellIsFree({x, y})) << x << "," << y;
        }
    }
    EXPECT_FALSE(board.cellIsFree({-1, 0}));
    EXPECT_FALSE(board.cellIsFree({0, -1}));  // above the top edge is not free
    EXPECT_FALSE(board.cellIsFree({10, 0}));
    EXPECT_FALSE(board.cellIsFree({0, 16}));
    EXPECT_FALSE(board.cellIsFree({-32768, 32767}));
}

TEST_F(BoardRules, BackgroundIsOneChildPerCellInRowMajorOrder) {
    const auto& children = board.children();
    ASSERT_EQ(children.size(), 160u);
    EXPECT_EQ(children[0].x, 0);
    EXPECT_EQ(children[0].y, 0);
    EXPECT_EQ(children[1].x, 30);
    EXPECT_EQ(children[10].y, 30);
    EXPECT_EQ(children[159].x, 270);
    EXPECT_EQ(children[159].y, 450);
    for (const GroupChild& child : children)
        EXPECT_EQ(child.drawable, &background);
}

TEST_F(BoardRules, PlacedBlockTakesOnlyItsCell) {
    board.placeBlock({3, 15}, block);
    EXPECT_FALSE(board.cellIsFree({3, 15}));
    EXPECT_TRUE(board.cellIsFree({3, 14}));
    EXPECT_TRUE(board.cellIsFree({4, 15}));
    ASSERT_EQ(board.blocks().size(), 1u);
    EXPECT_EQ(board.blocks().front().sprite, &block);
}

TEST_F(BoardRules, PlacingOutsideTheWellOrOnABlockIsRefused) {
    board.placeBlock({3, 15}, block);
    board.placeBlock({3, 15}, background);
    board.placeBlock({-1, 0}, block);
    board.placeBlock({0, 16}, block);
    board.placeBlock({5, -1}, block);
    ASSERT_EQ(board.blocks().size(), 1u);
    EXPECT_EQ(board.blocks().front().sprite, &block);
    EXPECT_EQ(board.clearFullRows(), 0);
}

TEST_F(BoardRules, NoFullRowScoresNothingAndMovesNothing) {
    for (std::int16_t x = 0; x < boardWidth - 1; ++x)
        board.placeBlock({x, 15}, block);
    board.placeBlock({4, 10}, block);
    const auto before = cells();
    EXPECT_EQ(board.clearFullRows(), 0);
    EXPECT_EQ(cells(), before);
}

TEST_F(BoardRules, OneFullRowScoresOneAndDropsTheBlockAbove) {
    fillRow(15);
    board.placeBlock({0, 14}, block);
    EXPECT_EQ(board.clearFullRows(), 1);
    EXPECT_EQ(cells(), (std::vector<GridPoint>{{0, 15}}));
}

TEST_F(BoardRules, AdjacentAndSeparateRowsScoreTheSame) {
    fillRow(15);
    fillRow(14);
    board.placeBlock({0, 13}, block);
    board.placeBlock({1, 12}, block);
    EXPECT_EQ(board.clearFullRows(), 3);
    EXPECT_EQ(cells(), (std::vector<GridPoint>{{1, 14}, {0, 15}}));

    board.clearAll();
    fillRow(15);
    fillRow(13);
    board.placeBlock({0, 14}, block);
    board.placeBlock({5, 12}, block);
    EXPECT_EQ(board.clearFullRows(), 3);
    // (0, 14) had one removed row below it, (5, 12) two.
    EXPECT_EQ(cells(), (std::vector<GridPoint>{{5, 14}, {0, 15}}));
}

TEST_F(BoardRules, FourRowsScoreFifteenAndAHoleStaysAHole) {
    for (std::int16_t row = 12; row <= 15; ++row)
        fillRow(row);
    board.placeBlock({0, 11}, block);
    board.placeBlock({7, 5}, block);
    EXPECT_EQ(board.clearFullRows(), 15);
    // Blocks come down by the number of removed rows below them and no further.
    EXPECT_EQ(cells(), (std::vector<GridPoint>{{7, 9}, {0, 15}}));
}

TEST_F(BoardRules, ThreeScatteredRowsScoreSeven) {
    fillRow(15);
    fillRow(11);
    fillRow(3);
    board.placeBlock({2, 12}, block);
    board.placeBlock({2, 2}, block);
    EXPECT_EQ(board.clearFullRows(), 7);
    EXPECT_EQ(cells(), (std::vector<GridPoint>{{2, 5}, {2, 13}}));
}

TEST_F(BoardRules, RemoveRowKeepsTheOrderOfTheRemainingBlocks) {
    board.placeBlock({1, 5}, block);
    board.placeBlock({2, 6}, background);
    board.placeBlock({3, 5}, block);
    board.placeBlock({4, 7}, background);
    board.removeRow(6);
    std::vector<GridPoint> order;
    for (const PlacedBlock& b : board.blocks())
        order.push_back(b.cell);
    EXPECT_EQ(order, (std::vector<GridPoint>{{1, 6}, {3, 6}, {4, 7}}));
}

TEST_F(BoardRules, ClearAllEmptiesTheWellButKeepsTheBackground) {
    fillRow(15);
    board.placeBlock({4, 2}, block);
    board.clearAll();
    EXPECT_TRUE(board.blocks().empty());
    EXPECT_TRUE(board.cellIsFree({4, 2}));
    EXPECT_EQ(board.children().size(), 160u);
}

}  // namespace
