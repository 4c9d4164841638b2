#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "game/piece.h"
#include "game/piece_catalogue.h"
#include "maths/pi.h"
#include "tests/support/manual_clock.h"

namespace {

using Cells = std::vector<GridPoint>;

const Cells kFirst{{1, 0}, {0, 1}, {1, 1}, {2, 1}};
const Cells kSquare{{0, 0}, {1, 0}, {0, 1}, {1, 1}};
const Cells kBar{{0, 0}, {1, 0}, {2, 0}, {3, 0}};

class PieceTest : public ::testing::Test {
  protected:
    ManualClock clock{5000};
    Sprite block{SpriteRect{33, 33, 30, 30}, nullptr};
    Sprite cell{SpriteRect{33, 1, 30, 30}, nullptr};

    Piece make(const Cells& cells) { return Piece(cells, block, cell); }
    // The angle shown after each wait, in turn.
    std::vector<float> shownAfter(const Piece& piece, std::vector<std::uint32_t> waits) {
        std::vector<float> angles;
        for (const std::uint32_t ms : waits) {
            clock.advance(ms);
            angles.push_back(std::round(piece.shownAngle() * 100) / 100);
        }
        return angles;
    }
    Cells footprintAt(const Cells& cells, float angle) {
        Piece piece = make(cells);
        piece.setAngle(angle);
        return piece.footprint();
    }
};

// The written digits against the library's own: a slipped digit would turn every piece and
// every GL rotation a little wrong.
TEST(Pi, HoldsEveryDigitADoubleCanKeep) {
    EXPECT_EQ(kPi, std::acos(-1.0));
}

TEST_F(PieceTest, PivotIsTheMiddleCellRoundedTowardsTheTopLeft) {
    Piece first = make(kFirst);
    EXPECT_EQ(first.pivotCell(), (GridPoint{1, 0}));
    EXPECT_EQ(first.group().pivot.x, 45);
    EXPECT_EQ(first.group().pivot.y, 15);
    EXPECT_EQ(make(kSquare).pivotCell(), (GridPoint{0, 0}));
    EXPECT_EQ(make(kBar).pivotCell(), (GridPoint{1, 0}));

    const auto& children = first.group().children();
    ASSERT_EQ(children.size(), 4u);
    EXPECT_EQ(children[1].x, 0);
    EXPECT_EQ(children[1].y, 30);
    EXPECT_EQ(children[3].x, 60);
    EXPECT_EQ(children[0].drawable, &cell);
    EXPECT_EQ(&first.blockSprite(), &block);
}

TEST_F(PieceTest, QuarterTurnsOfTheDocumentedShapes) {
    Piece first = make(kFirst);
    first.rotateBy(-90.0f);
    EXPECT_EQ(first.footprint(), (Cells{{1, 0}, {2, 1}, {2, 0}, {2, -1}}));
    // The square turns about its top-left cell, so it moves up one row.
    Piece square = make(kSquare);
    square.rotateBy(-90.0f);
    EXPECT_EQ(square.footprint(), (Cells{{0, 0}, {0, -1}, {1, 0}, {1, -1}}));
    EXPECT_EQ(footprintAt(kBar, -90.0f), (Cells{{1, 1}, {1, 0}, {1, -1}, {1, -2}}));
    EXPECT_EQ(footprintAt(kBar, -180.0f), (Cells{{2, 0}, {1, 0}, {0, 0}, {-1, 0}}));
}

// Every shape at every right angle keeps four distinct cells, keeps its pivot cell where it is,
// and comes back to itself after a full turn.
TEST_F(PieceTest, EveryCatalogueShapeTurnsRigidlyAtRightAngles) {
    std::vector<Sprite> bright(kBlockColours, cell);
    std::vector<Sprite> dark(kBlockColours, block);
    std::vector<Piece> pieces = buildPieces(bright, dark);
    ASSERT_EQ(pieces.size(), 7u);
    for (std::size_t p = 0; p < pieces.size(); ++p) {
        Piece& piece = pieces[p];
        const Cells base = piece.cells();
        EXPECT_EQ(piece.footprint(), base) << "shape " << p;
        for (int quarter = 1; quarter <= 4; ++quarter) {
            piece.setAngle(-90.0f * quarter);
            const Cells turned = piece.footprint();
            ASSERT_EQ(turned.size(), 4u);
            for (std::size_t i = 0; i < 4; ++i) {
                for (std::size_t j = i + 1; j < 4; ++j)
                    EXPECT_NE(turned[i], turned[j]);
                // Distances to the pivot are preserved by a right-angle turn.
                const int bx = base[i].x - piece.pivotCell().x,
                          by = base[i].y - piece.pivotCell().y;
                const int tx = turned[i].x - piece.pivotCell().x,
                          ty = turned[i].y - piece.pivotCell().y;
                EXPECT_EQ(bx * bx + by * by, tx * tx + ty * ty);
            }
        }
        EXPECT_EQ(piece.footprint(), base) << "shape " << p << " after a full turn";
    }
}

TEST_F(PieceTest, AnglesFoldIntoOneTurn) {
    EXPECT_EQ(footprintAt(kFirst, -450.0f), footprintAt(kFirst, -90.0f));
    EXPECT_EQ(footprintAt(kFirst, 270.0f), footprintAt(kFirst, -90.0f));
    EXPECT_EQ(footprintAt(kFirst, 360.0f), kFirst);
    EXPECT_EQ(footprintAt(kFirst, 720.0f), kFirst);
    EXPECT_EQ(footprintAt(kFirst, -3600.0f), kFirst);
    EXPECT_EQ(footprintAt(kFirst, 90.5f), footprintAt(kFirst, 90.0f));
    EXPECT_EQ(footprintAt(kFirst, 90.0f), (Cells{{1, 0}, {0, -1}, {0, 0}, {0, 1}}));
}

TEST_F(PieceTest, OddAnglesTruncateAndMayRepeatACell) {
    EXPECT_EQ(footprintAt(kFirst, 45.0f), (Cells{{1, 0}, {0, 0}, {1, 0}, {1, 1}}));
}

// An angle that has piled up countless turns, or is not a number at all, must neither hang the
// folding nor reach an undefined float-to-integer conversion.
TEST_F(PieceTest, HugeAndNonFiniteAnglesStayBounded) {
    EXPECT_EQ(footprintAt(kFirst, -90.0f * 1000000.0f), kFirst);  // a multiple of 360
    EXPECT_EQ(footprintAt(kFirst, 1e30f).size(), 4u);
    EXPECT_EQ(footprintAt(kFirst, NAN), kFirst);
    EXPECT_EQ(footprintAt(kFirst, INFINITY), kFirst);
}

TEST_F(PieceTest, EmptyShapeHasNoCellsAndDoesNotCrash) {
    Piece empty = make({});
    EXPECT_TRUE(empty.footprint().empty());
    EXPECT_EQ(empty.pivotCell(), (GridPoint{0, 0}));
    EXPECT_TRUE(empty.group().children().empty());
}

TEST_F(PieceTest, TurnAnimatesOverOneHundredMilliseconds) {
    Piece piece = make(kFirst);
    piece.setAngle(0.0f);
    piece.rotateBy(-90.0f);
    EXPECT_FLOAT_EQ(piece.targetAngle(), -90.0f);
    EXPECT_EQ(shownAfter(piece, {0, 50, 50, 100000}), (std::vector<float>{0, -45, -90, -90}));
}

TEST_F(PieceTest, SecondTurnStartsFromTheFirstTurnsEnd) {
    Piece piece = make(kFirst);
    piece.rotateBy(-90.0f);
    clock.advance(50);
    piece.rotateBy(-90.0f);
    EXPECT_FLOAT_EQ(piece.shownAngle(), -90.0f);
    clock.advance(100);
    EXPECT_FLOAT_EQ(piece.shownAngle(), -180.0f);
}

TEST_F(PieceTest, SetAngleStopsAnAnimationAtOnce) {
    Piece piece = make(kFirst);
    piece.rotateBy(-90.0f);
    clock.advance(30);
    piece.setAngle(0.0f);
    EXPECT_FLOAT_EQ(piece.shownAngle(), 0.0f);
    EXPECT_FLOAT_EQ(piece.targetAngle(), 0.0f);
}

TEST_F(PieceTest, AnimationIsRightAcrossTheCounterWrap) {
    clock.set(0xFFFFFFFFu - 20u);
    Piece piece = make(kFirst);
    piece.rotateBy(-90.0f);
    // The first wait wraps past zero.
    EXPECT_EQ(shownAfter(piece, {50, 60}), (std::vector<float>{-45, -90}));
}

TEST_F(PieceTest, CopiesOwnTheirCellsAndGroupButShareSprites) {
    Piece original = make(kFirst);
    Piece copy = original;
    copy.setAngle(-90.0f);
    EXPECT_FLOAT_EQ(original.targetAngle(), 0.0f);
    EXPECT_NE(copy.cells().data(), original.cells().data());
    EXPECT_NE(copy.group().children().data(), original.group().children().data());
    EXPECT_EQ(copy.group().children()[0].drawable, &cell);
    EXPECT_EQ(&copy.blockSprite(), &block);
}

}  // namespace
