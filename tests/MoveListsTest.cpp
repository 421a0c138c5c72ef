#include <gtest/gtest.h>

#include <string>

#include "MoveGenerator.h"
#include "TestBoard.h"

namespace ostrand {
namespace {

using test::SetBoard;

// Places one piece, given by its key letter, on an otherwise empty board.
void Alone(char letter, int x, int y) {
    SetBoard(test::EmptyBoard);
    Board(x, y) = test::CodeOfLetter(letter);
}

std::string BlackMoves(int x, int y) {
    std::string moves;
    ListBlackPieceMoves(x, y, moves);
    return moves;
}

std::string WhiteMoves(int x, int y) {
    std::string moves;
    ListWhitePieceMoves(x, y, moves);
    return moves;
}

TEST(MoveLists, DocumentedExamplesCharacterForCharacter) {
    Alone('n', 4, 4);
    EXPECT_EQ(BlackMoves(4, 4), "44654463442344254456443644524432");
    Alone('k', 4, 4);
    EXPECT_EQ(BlackMoves(4, 4), "44554435443344534443444544344454");
    Alone('p', 4, 7);
    EXPECT_EQ(BlackMoves(4, 7), "47454746");
    Alone('P', 4, 2);
    EXPECT_EQ(WhiteMoves(4, 2), "42444243");
}

TEST(MoveLists, BlackDoubleStepIsStoppedOnlyByAWhitePawnBesideTheTarget) {
    Alone('p', 4, 7);
    Board(3, 5) = -Piece::Pawn;
    EXPECT_EQ(BlackMoves(4, 7), "4746");
    Board(3, 5) = 0;
    Board(5, 5) = -Piece::Pawn;
    EXPECT_EQ(BlackMoves(4, 7), "4746");
    Board(5, 5) = -Piece::Knight;
    EXPECT_EQ(BlackMoves(4, 7), "47454746");
}

TEST(MoveLists, WhiteDoubleStepIgnoresBlackPawnsBesideTheTarget) {
    Alone('P', 4, 2);
    Board(3, 4) = Piece::Pawn;
    Board(5, 4) = Piece::Pawn;
    EXPECT_EQ(WhiteMoves(4, 2), "42444243");
}

TEST(MoveLists, BlockedPawnHasNoStepAtAll) {
    Alone('p', 4, 7);
    Board(4, 6) = -Piece::Knight;
    EXPECT_EQ(BlackMoves(4, 7), "");
}

TEST(MoveLists, PawnCapturesRightThenLeftAndNeverOntoTheBorder) {
    Alone('P', 1, 4);
    Board(2, 5) = Piece::Rook;
    EXPECT_EQ(WhiteMoves(1, 4), "14151425");
    Alone('p', 5, 5);
    Board(6, 4) = -Piece::Pawn;
    Board(4, 4) = -Piece::Queen;
    EXPECT_EQ(BlackMoves(5, 5), "555455645544");
}

TEST(MoveLists, PawnOnItsPromotionRankListsNothing) {
    Alone('P', 3, 8);
    EXPECT_EQ(WhiteMoves(3, 8), "");
    Alone('p', 3, 1);
    EXPECT_EQ(BlackMoves(3, 1), "");
}

TEST(MoveLists, PawnStepOntoLastRankIsAPlainMove) {
    Alone('P', 2, 7);
    EXPECT_EQ(WhiteMoves(2, 7), "2728");
}

TEST(MoveLists, KnightInTheCorner) {
    Alone('N', 1, 1);
    EXPECT_EQ(WhiteMoves(1, 1), "11321123");
    Board(3, 2) = -Piece::Pawn;
    EXPECT_EQ(WhiteMoves(1, 1), "1123");
}

TEST(MoveLists, QueenRunsDiagonalsThenStraightRaysNearestFirst) {
    Alone('q', 4, 4);
    const std::string moves = BlackMoves(4, 4);
    EXPECT_EQ(moves.size(), 27u * 4);
    EXPECT_EQ(moves.substr(0, 16), "4455446644774488");  // the first diagonal, nearest first
    EXPECT_EQ(moves.substr(moves.size() - 12), "443444244414");  // the last straight ray
}

TEST(MoveLists, SliderStopsAtCapturesAndOwnPieces) {
    Alone('B', 4, 4);
    Board(5, 5) = Piece::Knight;  // enemy: captured, then the ray stops
    Board(3, 3) = -Piece::Pawn;   // own: stops the ray unlisted
    EXPECT_EQ(WhiteMoves(4, 4),
              "4455"
              "445344624471"
              "443544264417");
}

TEST(MoveLists, KingCaptureIsListedLikeAnyCapture) {
    Alone('R', 1, 1);
    Board(1, 3) = Piece::King;
    EXPECT_EQ(WhiteMoves(1, 1),
              "11121113"
              "1121113111411151116111711181");
}

TEST(MoveLists, WrongPieceOrSquareAppendsNothing) {
    Alone('n', 4, 4);
    std::string moves = "1234";
    ListWhitePieceMoves(4, 4, moves);  // a piece of the other colour
    ListWhitePieceMoves(5, 5, moves);  // an empty square
    ListBlackPieceMoves(5, 5, moves);
    Board(4, 4) = BorderCell;
    ListBlackPieceMoves(4, 4, moves);
    EXPECT_EQ(moves, "1234");
}

TEST(MoveLists, RayProceduresAppendToTheCallersText) {
    Alone('r', 8, 8);
    std::string moves = "x";
    ListBlackRay(8, 8, 0, 1, moves);  // straight into the border
    ListBlackRay(8, 8, -1, 0, moves);
    EXPECT_EQ(moves, "x8878886888588848883888288818");
    Alone('R', 1, 1);
    moves.clear();
    ListWhiteRay(1, 1, 1, 1, moves);
    EXPECT_EQ(moves, "1122113311441155116611771188");
}

}  // namespace
}  // namespace ostrand
