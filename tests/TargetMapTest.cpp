#include <gtest/gtest.h>

#include "MoveGenerator.h"
#include "Support.h"
#include "TestBoard.h"

namespace ostrand {
namespace {

int MarkedCount() {
    int n = 0;
    for (int16_t v : WhiteAttacks.cells)
        n += v;
    return n;
}

void Targets(int x, int y) {
    ClearAttackMaps();
    MarkWhitePieceTargets(x, y);
}

TEST(TargetMap, InitialPosition) {
    test::SetBoard(test::InitialBoard);
    Targets(2, 1);
    EXPECT_EQ(WhiteAttacks(1, 3), 1);
    EXPECT_EQ(WhiteAttacks(3, 3), 1);
    EXPECT_EQ(MarkedCount(), 2);
    Targets(5, 2);
    EXPECT_EQ(WhiteAttacks(5, 3), 1);
    EXPECT_EQ(WhiteAttacks(5, 4), 1);
    EXPECT_EQ(MarkedCount(), 2);
    for (int x : {1, 4, 5}) {
        Targets(x, 1);
        EXPECT_EQ(MarkedCount(), 0) << "piece on file " << x;
    }
}

TEST(TargetMap, KingNeverMarksCastlingSquares) {
    test::SetBoard("r3k2r/8/8/8/8/8/8/R3K2R");
    Targets(5, 1);
    EXPECT_EQ(WhiteAttacks(7, 1), 0);
    EXPECT_EQ(WhiteAttacks(3, 1), 0);
    EXPECT_EQ(MarkedCount(), 5);
}

TEST(TargetMap, PawnStepsAndCaptures) {
    test::SetBoard("4k3/8/8/3p4/4P3/8/P1p1p3/4K3");
    Targets(5, 4);
    EXPECT_EQ(WhiteAttacks(5, 5), 1);
    EXPECT_EQ(WhiteAttacks(4, 5), 1);
    EXPECT_EQ(MarkedCount(), 2);
    // Black pawns beside the double step's target do not stop it.
    test::SetBoard("4k3/8/8/8/1p1p4/8/2P5/4K3");
    Targets(3, 2);
    EXPECT_EQ(WhiteAttacks(3, 4), 1);
}

TEST(TargetMap, QueenThroughTheOpenedDiagonal) {
    test::SetBoard(test::InitialBoard);
    Board(5, 2) = EmptyCell;
    Targets(4, 1);
    EXPECT_EQ(WhiteAttacks(5, 2), 1);
    EXPECT_EQ(WhiteAttacks(6, 3), 1);
    EXPECT_EQ(WhiteAttacks(7, 4), 1);
    EXPECT_EQ(WhiteAttacks(8, 5), 1);
    EXPECT_EQ(MarkedCount(), 4);
}

TEST(TargetMap, BlackPieceOrEmptySquareMarksNothing) {
    test::SetBoard(test::InitialBoard);
    Targets(2, 8);
    EXPECT_EQ(MarkedCount(), 0);
    Targets(4, 4);
    EXPECT_EQ(MarkedCount(), 0);
}

TEST(TargetMap, MarksExactlyTheListedTargets) {
    test::SetBoard(test::MiddlegameBoard);
    for (int x = 1; x <= 8; ++x)
        for (int y = 1; y <= 8; ++y) {
            std::string moves;
            ListWhitePieceMoves(x, y, moves);
            Targets(x, y);
            Grid expected;
            for (size_t i = 0; i < moves.size(); i += 4)
                ++expected(moves[i + 2] - '0', moves[i + 3] - '0');
            EXPECT_EQ(WhiteAttacks, expected) << "square " << x << y;
        }
}

}  // namespace
}  // namespace ostrand
