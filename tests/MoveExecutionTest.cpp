#include <gtest/gtest.h>

#include "Support.h"
#include "TestBoard.h"

namespace ostrand {
namespace {

using test::SetBoard;

// Both sides may castle both ways; a Black pawn is one step from promotion, a White pawn
// can capture on the last rank, and pieces stand ready for quiet moves and captures.
constexpr std::string_view Busy = "r3k2r/1P4b1/2n5/3pP3/8/2N5/p5B1/R3K2R";

struct MoveCase {
    const char* name;
    int x1, y1, x2, y2;
};

void PrintTo(const MoveCase& m, std::ostream* os) {
    *os << m.name;
}

class MakeUnmake : public testing::TestWithParam<MoveCase> {};

TEST_P(MakeUnmake, RestoresAll144Cells) {
    SetBoard(Busy);
    const Grid before = Board;
    const MoveCase m = GetParam();
    int16_t moved = 99, captured = 99;
    MakeMove(m.x1, m.y1, m.x2, m.y2, moved, captured);
    if (m.x1 != NullSquare) {
        EXPECT_NE(Board, before);
    }
    UnmakeMove(m.x1, m.y1, m.x2, m.y2, moved, captured);
    EXPECT_EQ(Board, before);
}

INSTANTIATE_TEST_SUITE_P(
    Moves, MakeUnmake,
    testing::Values(MoveCase{"Quiet", 3, 3, 2, 5}, MoveCase{"Capture", 3, 3, 4, 5},
                    MoveCase{"BlackPromotion", 1, 2, 1, 1},
                    MoveCase{"WhitePromotionCapture", 2, 7, 1, 8},
                    MoveCase{"WhiteKingSide", 0, 1, 0, 1}, MoveCase{"WhiteQueenSide", 0, 8, 0, 8},
                    MoveCase{"BlackKingSide", 9, 1, 9, 1}, MoveCase{"BlackQueenSide", 9, 8, 9, 8},
                    MoveCase{"NullMove", 10, 10, 10, 10}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MoveExecution, PromotionQueensButUnmakeGivesThePawnBack) {
    SetBoard(Busy);
    int16_t moved, captured;
    MakeMove(1, 2, 1, 1, moved, captured);
    EXPECT_EQ(Board(1, 1), Piece::Queen);
    EXPECT_EQ(moved, Piece::Pawn);
    EXPECT_EQ(captured, -Piece::Rook);
    UnmakeMove(1, 2, 1, 1, moved, captured);
    EXPECT_EQ(Board(1, 2), Piece::Pawn);

    MakeMove(2, 7, 1, 8, moved, captured);
    EXPECT_EQ(Board(1, 8), -Piece::Queen);
    UnmakeMove(2, 7, 1, 8, moved, captured);
    // Pawns anywhere else stay pawns.
    MakeMove(4, 5, 4, 4, moved, captured);
    EXPECT_EQ(Board(4, 4), Piece::Pawn);
}

TEST(MoveExecution, CastlingsWriteTheirFixedCells) {
    SetBoard(Busy);
    int16_t moved = 5, captured = 5;
    MakeMove(0, 1, 0, 1, moved, captured);
    EXPECT_EQ(moved, 0);
    EXPECT_EQ(captured, 0);
    EXPECT_EQ(Board(7, 1), -Piece::King);
    EXPECT_EQ(Board(6, 1), -Piece::Rook);
    EXPECT_EQ(Board(5, 1), 0);
    EXPECT_EQ(Board(8, 1), 0);
    MakeCastling("98");
    EXPECT_EQ(Board(3, 8), Piece::King);
    EXPECT_EQ(Board(4, 8), Piece::Rook);
    EXPECT_EQ(Board(1, 8), 0);
    // Fixed values, not moves: a missing rook still appears.
    SetBoard(Busy);
    Board(8, 1) = EmptyCell;
    MakeCastling("01");
    EXPECT_EQ(Board(6, 1), -Piece::Rook);
}

TEST(MoveExecution, UnknownCastlingKeyChangesNothing) {
    SetBoard(Busy);
    const Grid before = Board;
    int16_t moved = 5, captured = 5;
    MakeMove(0, 5, 0, 5, moved, captured);
    EXPECT_EQ(moved, 0);
    EXPECT_EQ(captured, 0);
    MakeMove(9, 2, 3, 3, moved, captured);
    MakeCastling("81");
    UnmakeCastling("9");
    EXPECT_EQ(Board, before);
}

TEST(MoveExecution, NullMoveParksAZeroOnTheBorderWhileMade) {
    SetBoard(Busy);
    int16_t moved, captured;
    MakeMove(10, 10, 10, 10, moved, captured);
    EXPECT_EQ(Board(10, 10), 0);
    UnmakeMove(10, 10, 10, 10, moved, captured);
    EXPECT_EQ(Board(10, 10), BorderCell);
}

TEST(CheckTests, LeaveTheBoardAsFound) {
    SetBoard(Busy);
    const Grid before = Board;
    EXPECT_EQ(WhiteInCheckAfter(5, 1, 5, 2), No);
    EXPECT_EQ(WhiteInCheckAfter(5, 1, 4, 2), No);
    EXPECT_EQ(BlackInCheckAfter(10, 10, 10, 10), No);
    EXPECT_EQ(Board, before);
}

TEST(CheckTests, DetectAttackedKings) {
    SetBoard("4k3/8/8/8/8/8/3r4/4K3");
    EXPECT_EQ(WhiteInCheckAfter(10, 10, 10, 10), No);
    EXPECT_EQ(WhiteInCheckAfter(5, 1, 5, 2), Yes);
    EXPECT_EQ(WhiteInCheckAfter(5, 1, 4, 1), Yes);
    EXPECT_EQ(WhiteInCheckAfter(5, 1, 6, 2), Yes);
    EXPECT_EQ(WhiteInCheckAfter(5, 1, 6, 1), No);
    EXPECT_EQ(WhiteInCheckAfter(5, 1, 4, 2), No);  // captures the rook
    EXPECT_EQ(BlackInCheckAfter(4, 2, 4, 8), No);
    Board(5, 2) = -Piece::Rook;
    EXPECT_EQ(BlackInCheckAfter(10, 10, 10, 10), Yes);
}

TEST(CheckTests, MissingKingIsNeverInCheck) {
    SetBoard("4k3/8/8/8/8/8/8/q6P");
    EXPECT_EQ(WhiteInCheckAfter(10, 10, 10, 10), No);
    EXPECT_EQ(IsWhiteCheckmated(10, 10, 10, 10), No);
    EXPECT_EQ(IsWhiteStalemated(10, 10, 10, 10), No);  // the pawn can still move
    Board(8, 1) = EmptyCell;
    EXPECT_EQ(IsWhiteStalemated(10, 10, 10, 10), Yes);  // no White piece at all
}

TEST(CheckTests, OfTwoKingsTheOneFoundLastIsTested) {
    SetBoard("4k3/8/K6r/8/8/8/8/K7");
    int16_t bx = 0, by = 0, wx = 0, wy = 0;
    FindKings(bx, by, wx, wy);
    EXPECT_EQ(wx, 1);
    EXPECT_EQ(wy, 6);
    EXPECT_EQ(WhiteInCheckAfter(10, 10, 10, 10), Yes);
}

TEST(GameEnd, InitialPositionIsNeitherMateNorStalemate) {
    SetBoard(test::InitialBoard);
    EXPECT_EQ(IsWhiteCheckmated(10, 10, 10, 10), No);
    EXPECT_EQ(IsBlackCheckmated(10, 10, 10, 10), No);
    EXPECT_EQ(IsWhiteStalemated(10, 10, 10, 10), No);
    EXPECT_EQ(IsBlackStalemated(10, 10, 10, 10), No);
}

TEST(GameEnd, FoolsMateAfterTheMatingMove) {
    SetBoard("rnb1kbnr/pppp1ppp/8/4p3/6Pq/5P2/PPPPP2P/RNBQKBNR");
    EXPECT_EQ(IsWhiteCheckmated(10, 10, 10, 10), Yes);
    EXPECT_EQ(IsWhiteStalemated(10, 10, 10, 10), No);
    // Judged after a move: the queen's retreat would end the mate.
    EXPECT_EQ(IsWhiteCheckmated(8, 4, 8, 5), No);
}

TEST(GameEnd, BlackStalemated) {
    SetBoard("k7/2Q5/1K6/8/8/8/8/8");
    EXPECT_EQ(IsBlackStalemated(10, 10, 10, 10), Yes);
    EXPECT_EQ(IsBlackCheckmated(10, 10, 10, 10), No);
    // Judged after a queen move that gives the king room.
    EXPECT_EQ(IsBlackStalemated(3, 7, 3, 5), No);
}

TEST(Castling, FlagsAfterANewGame) {
    SetBoard(test::InitialBoard);
    CastleFlags = {0, Yes, Yes, Yes, Yes, Yes, Yes, Yes, Yes};
    UpdateCastling();
    EXPECT_EQ(CastleFlags, (std::array<int16_t, 9>{0, Yes, Yes, Yes, Yes, No, No, No, No}));
}

TEST(Castling, PathsClearAndUnattacked) {
    SetBoard("r3k2r/8/8/8/8/8/8/R3K2R");
    CastleFlags = {7, Yes, Yes, Yes, Yes, No, No, No, No};
    UpdateCastling();
    EXPECT_EQ(CastleFlags, (std::array<int16_t, 9>{7, Yes, Yes, Yes, Yes, Yes, Yes, Yes, Yes}));
}

TEST(Castling, AttackedSquaresAndLostRights) {
    SetBoard(
        "r...k..r"
        "........"
        "........"
        "........"
        "........"
        "........"
        ".....r.."  // attacks (6,1): White may not castle king-side
        "R...K..R");
    CastleFlags = {0, Yes, Yes, Yes, No, No, No, No, No};
    UpdateCastling();
    EXPECT_EQ(CastleFlags[Castle::WhiteKingNow], No);
    EXPECT_EQ(CastleFlags[Castle::WhiteQueenNow], Yes);
    EXPECT_EQ(CastleFlags[Castle::BlackKingNow], No);  // the right was gone
    EXPECT_EQ(CastleFlags[Castle::BlackQueenNow], Yes);
    // A rook leaving its corner takes its right away for good.
    Board(8, 8) = EmptyCell;
    Board(1, 1) = EmptyCell;
    CastleFlags[Castle::BlackKingRight] = Yes;
    UpdateCastling();
    EXPECT_EQ(CastleFlags[Castle::WhiteQueenRight], No);
    EXPECT_EQ(CastleFlags[Castle::BlackKingRight], No);
    Board(1, 1) = -Piece::Rook;
    UpdateCastling();
    EXPECT_EQ(CastleFlags[Castle::WhiteQueenNow], No);
}

TEST(Castling, QueenSideSquareNextToTheRookMayBeAttackedButNotOccupied) {
    SetBoard("4k3/8/8/8/8/8/1r6/R3K3");
    CastleFlags = {0, Yes, No, No, No, No, No, No, No};
    UpdateCastling();
    EXPECT_EQ(CastleFlags[Castle::WhiteQueenNow], Yes);
    Board(2, 1) = -Piece::Knight;
    UpdateCastling();
    EXPECT_EQ(CastleFlags[Castle::WhiteQueenNow], No);
}

}  // namespace
}  // namespace ostrand
