#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
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

// Full rows cleared at once score 1, 3, 7 or 15, adjacent or not; each block left comes down by
// the number of removed rows below it and no further, so a hole stays a hole.
struct Clearing {
    const char* what;
    std::vector<std::int16_t> fullRows;
    std::vector<GridPoint> blocks;
    int score;
    std::vector<GridPoint> after;
};

// Names each row's test by what it clears, where the bytes of its vectors would name it by the
// addresses they hold, different at every run.
void PrintTo(const Clearing& clearing, std::ostream* out) {
    *out << clearing.what;
}

class BoardClears : public BoardRules, public ::testing::WithParamInterface<Clearing> {};

TEST_P(BoardClears, ScoreAndBlocksLeft) {
    SCOPED_TRACE(GetParam().what);
    for (const std::int16_t row : GetParam().fullRows)
        fillRow(row);
    for (const GridPoint cell : GetParam().blocks)
        board.placeBlock(cell, block);
    EXPECT_EQ(board.clearFullRows(), GetParam().score);
    EXPECT_EQ(cells(), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BoardClears,
    ::testing::Values(
        Clearing{"one, the block above dropped", {15}, {{0, 14}}, 1, {{0, 15}}},
        Clearing{"two adjacent", {15, 14}, {{0, 13}, {1, 12}}, 3, {{1, 14}, {0, 15}}},
        Clearing{"two apart", {15, 13}, {{0, 14}, {5, 12}}, 3, {{5, 14}, {0, 15}}},
        Clearing{"four, a hole stays", {12, 13, 14, 15}, {{0, 11}, {7, 5}}, 15, {{7, 9}, {0, 15}}},
        Clearing{"three scattered", {15, 11, 3}, {{2, 12}, {2, 2}}, 7, {{2, 5}, {2, 13}}}));

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
