#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "MoveGenerator.h"
#include "MoveGeneratorInternal.h"
#include "ReferenceEvaluation.h"
#include "Support.h"
#include "TestBoard.h"

namespace ostrand {
namespace {

using Cells = std::vector<std::pair<int, int>>;

// The cells of a map that are not 0, in array order, with any count above 1 repeated.
Cells Marked(const Grid& map) {
    Cells marked;
    for (int y = -1; y <= 10; ++y)
        for (int x = -1; x <= 10; ++x)
            for (int n = 0; n < map(x, y); ++n)
                marked.emplace_back(x, y);
    return marked;
}

Cells Sorted(Cells cells) {
    std::sort(cells.begin(), cells.end(), [](auto a, auto b) {
        return std::pair(a.second, a.first) < std::pair(b.second, b.first);
    });
    return cells;
}

TEST(AttackMaps, BlackPawnThreatensOnlyPiecesButControlsThreeSquares) {
    test::SetBoard(test::EmptyBoard);
    Board(4, 5) = Piece::Pawn;
    ClearAttackMaps();
    MarkBlackPieceThreats(4, 5);
    EXPECT_TRUE(Marked(BlackAttacks).empty());
    reference::MarkBlackPieceControl(4, 5);
    EXPECT_EQ(Marked(BlackAttacks), Sorted({{4, 4}, {5, 4}, {3, 4}}));
}

TEST(AttackMaps, WhitePawnThreatensTheEnemyOnly) {
    test::SetBoard(test::EmptyBoard);
    Board(2, 7) = -Piece::Pawn;
    Board(1, 8) = Piece::Rook;
    ClearAttackMaps();
    MarkWhitePieceThreats(2, 7);
    EXPECT_EQ(Marked(WhiteAttacks), Cells({{1, 8}}));
}

TEST(AttackMaps, KnightControlCountsBorderCells) {
    test::SetBoard(test::EmptyBoard);
    Board(1, 1) = -Piece::Knight;
    ClearAttackMaps();
    MarkWhitePieceThreats(1, 1);
    EXPECT_EQ(Marked(WhiteAttacks), Sorted({{3, 2}, {2, 3}}));
    ClearAttackMaps();
    reference::MarkWhitePieceControl(1, 1);
    EXPECT_EQ(Marked(WhiteAttacks),
              Sorted({{3, 2}, {2, 3}, {3, 0}, {-1, 0}, {-1, 2}, {0, 3}, {2, -1}, {0, -1}}));
}

TEST(AttackMaps, KingThreatSkipsOwnPiecesControlCountsThem) {
    test::SetBoard(test::EmptyBoard);
    Board(5, 8) = Piece::King;
    Board(6, 8) = Piece::Rook;
    ClearAttackMaps();
    MarkBlackPieceThreats(5, 8);
    EXPECT_EQ(BlackAttacks(6, 8), 0);
    reference::MarkBlackPieceControl(5, 8);
    EXPECT_EQ(BlackAttacks(6, 8), 1);
    EXPECT_EQ(BlackAttacks(5, 9), 1);  // a border cell
}

TEST(AttackMaps, SlidersCountTheirOwnBlockerInBothKinds) {
    test::SetBoard(test::EmptyBoard);
    Board(1, 1) = -Piece::Rook;
    Board(1, 2) = -Piece::Pawn;
    Board(2, 1) = -Piece::Knight;
    ClearAttackMaps();
    MarkWhiteRay(1, 1, 0, 1);
    MarkWhiteRay(1, 1, 1, 0);
    EXPECT_EQ(Marked(WhiteAttacks), Sorted({{1, 2}, {2, 1}}));
    ClearAttackMaps();
    MarkWhitePieceThreats(1, 1);
    EXPECT_EQ(Marked(WhiteAttacks), Sorted({{1, 2}, {2, 1}}));
    ClearAttackMaps();
    reference::MarkWhitePieceControl(1, 1);
    EXPECT_EQ(Marked(WhiteAttacks), Sorted({{1, 2}, {2, 1}}));
}

TEST(AttackMaps, BishopRayEndsAtTheBoardEdge) {
    test::SetBoard(test::EmptyBoard);
    Board(1, 1) = Piece::Bishop;
    ClearAttackMaps();
    MarkBlackPieceThreats(1, 1);
    EXPECT_EQ(Marked(BlackAttacks),
              Sorted({{2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 7}, {8, 8}}));
}

TEST(AttackMaps, CountsAddUp) {
    test::SetBoard(test::EmptyBoard);
    Board(1, 2) = -Piece::Knight;
    Board(2, 1) = -Piece::Knight;
    ComputeAttackMaps();
    EXPECT_EQ(WhiteAttacks(3, 3), 2);
}

TEST(AttackMaps, WrongSquareMarksNothing) {
    test::SetBoard(test::EmptyBoard);
    Board(4, 4) = Piece::Queen;
    ClearAttackMaps();
    MarkWhitePieceThreats(4, 4);
    reference::MarkWhitePieceControl(4, 4);
    MarkBlackPieceThreats(5, 5);
    reference::MarkBlackPieceControl(5, 5);
    Board(4, 4) = BorderCell;
    reference::MarkBlackPieceControl(4, 4);
    EXPECT_TRUE(Marked(BlackAttacks).empty());
    EXPECT_TRUE(Marked(WhiteAttacks).empty());
}

TEST(AttackMaps, ComputeAttackMapsFillsBothColoursFromScratch) {
    test::SetBoard(test::InitialBoard);
    BlackAttacks(0, 0) = 7;
    ComputeAttackMaps();
    EXPECT_EQ(BlackAttacks(0, 0), 0);
    // Knights reach the third rank; sliders count the own pieces that block them.
    EXPECT_EQ(Marked(WhiteAttacks), Sorted({{2, 1},
                                            {3, 1},
                                            {5, 1},
                                            {7, 1},
                                            {1, 2},
                                            {2, 2},
                                            {3, 2},
                                            {4, 2},
                                            {4, 2},
                                            {5, 2},
                                            {5, 2},
                                            {7, 2},
                                            {8, 2},
                                            {1, 3},
                                            {3, 3},
                                            {6, 3},
                                            {8, 3}}));
    EXPECT_EQ(Marked(BlackAttacks).size(), 17u);
    EXPECT_EQ(BlackAttacks(5, 7), 2);
}

}  // namespace
}  // namespace ostrand
