#include <gtest/gtest.h>

#include "Evaluation.h"
#include "EvaluationInternal.h"
#include "ReferenceEvaluation.h"
#include "Support.h"
#include "TestBoard.h"

namespace ostrand {
namespace {

using test::SetBoard;

class EvaluationTest : public testing::Test {
  protected:
    void SetUp() override { InitNewGame(); }  // loads the shipped tables
};

TEST_F(EvaluationTest, InitialPositionIsBalancedInStagesOneToThree) {
    for (int16_t stage : {1, 2, 3}) {
        Stage = stage;
        EXPECT_EQ(Evaluate(), 0) << "stage " << stage;
    }
}

TEST_F(EvaluationTest, StageOutsideOneToFourGivesZero) {
    Board(4, 4) = Piece::Queen;
    for (int16_t stage : {0, 5, -1}) {
        Stage = stage;
        EXPECT_EQ(Evaluate(), 0);
    }
}

TEST_F(EvaluationTest, MirroredPositionScoresTheNegative) {
    SetBoard(test::MiddlegameBoard);
    Grid original = Board;
    for (int16_t stage : {1, 2, 3, 4}) {
        Board = original;
        Stage = stage;
        const int16_t score = Evaluate();
        for (int x = 1; x <= 8; ++x)
            for (int y = 1; y <= 8; ++y)
                Board(x, y) = static_cast<int16_t>(-original(x, 9 - y));
        // The king term of stage 4 is not symmetric (its distance sign follows the score).
        if (stage != 4) {
            EXPECT_EQ(Evaluate(), -score) << "stage " << stage;
        }
    }
}

TEST(PawnStructure, IsolatedAndDoubledPawns) {
    SetBoard(test::EmptyBoard);
    Board(1, 5) = Piece::Pawn;
    EXPECT_EQ(reference::PawnStructure(), -25);
    Board(1, 6) = Piece::Pawn;
    EXPECT_EQ(reference::PawnStructure(), -75);
    Board(2, 4) = Piece::Pawn;
    EXPECT_EQ(reference::PawnStructure(), -50);
    SetBoard(test::EmptyBoard);
    Board(4, 4) = Piece::Pawn;
    Board(5, 4) = Piece::Pawn;
    EXPECT_EQ(reference::PawnStructure(), 0);
    // White mirrors Black; three on a file cost what two do.
    SetBoard(test::EmptyBoard);
    Board(3, 2) = Board(3, 3) = Board(3, 4) = -Piece::Pawn;
    EXPECT_EQ(reference::PawnStructure(), 25 * 3 + 25);
}

TEST(Stage4, TwoKingsAlone) {
    InitNewGame();
    SetBoard(test::EmptyBoard);
    Board(5, 8) = Piece::King;
    Board(5, 1) = -Piece::King;
    Stage = 4;
    EXPECT_EQ(Evaluate(), -210);
    reference::ComputeControlMaps();
    EXPECT_EQ(reference::KingSafety(-1), 210);
}

TEST(Stage4, KingDistanceIsFloored) {
    SetBoard(test::EmptyBoard);
    Board(1, 1) = Piece::King;
    Board(2, 3) = -Piece::King;
    reference::ComputeControlMaps();
    // The White king covers (1,2) and (2,2) beside the Black king; floor(sqrt(5)) = 2.
    EXPECT_EQ(reference::KingSafety(1), -25 * 2 - 2 * 30);
}

TEST(Stage4, AttacksAndShields) {
    SetBoard("4k3/3pp3/8/7B/8/8/8/K7");
    reference::ComputeControlMaps();
    // The bishop hits the king's square (-2 x 25) and (6,7) beside it (-25); the pawns on
    // (5,7) and (4,7) shield the king (+40, +30); the kings stand floor(sqrt(65)) = 8 apart.
    EXPECT_EQ(reference::KingSafety(1), -50 - 25 + 40 + 30 - 8 * 30);
    EXPECT_EQ(reference::KingSafety(-1), -50 - 25 + 40 + 30 + 8 * 30);
    // White's shield counts against Black.
    Board(1, 2) = -Piece::Pawn;
    Board(2, 2) = -Piece::Pawn;
    reference::ComputeControlMaps();
    EXPECT_EQ(reference::KingSafety(1), -50 - 25 + 40 + 30 - 40 - 30 - 8 * 30);
}

TEST(Stage4, MissingKingsStandOnTheCorner) {
    SetBoard(test::EmptyBoard);
    reference::ComputeControlMaps();
    EXPECT_EQ(reference::KingSafety(1), 0);
}

TEST(MaterialSum, KingsCancelAndPiecesCount) {
    SetBoard(test::EmptyBoard);
    Board(5, 8) = Piece::King;
    Board(5, 1) = -Piece::King;
    EXPECT_EQ(MaterialSum(), 0);
    Board(4, 4) = Piece::Queen;
    EXPECT_EQ(MaterialSum(), 990);
    Board(3, 3) = -Piece::Rook;
    EXPECT_EQ(MaterialSum(), 440);
    Board(5, 1) = EmptyCell;  // without its king White is 10000 behind
    EXPECT_EQ(MaterialSum(), 10440);
}

TEST(MaterialSum, WrapsInSixteenBits) {
    SetBoard(test::EmptyBoard);
    for (int x = 1; x <= 4; ++x)
        Board(x, 4) = Piece::King;  // 40000 wraps to -25536
    EXPECT_EQ(MaterialSum(), static_cast<int16_t>(40000));
}

}  // namespace
}  // namespace ostrand

namespace ostrand {
namespace {

// A small deterministic generator, so that a failure names a reproducible board.
struct Lcg {
    uint32_t state;
    uint32_t Next(uint32_t n) {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) % n;
    }
};

// Random boards with the twelve piece codes scattered, pawns on every rank.
void RandomBoard(Lcg& random) {
    constexpr int16_t codes[] = {Piece::Pawn, Piece::Knight, Piece::Bishop,
                                 Piece::Rook, Piece::Queen,  Piece::King};
    test::SetBoard(test::EmptyBoard);
    for (int n = random.Next(40); n > 0; --n) {
        const int16_t code = codes[random.Next(6)];
        Board(1 + random.Next(8), 1 + random.Next(8)) =
            random.Next(2) ? code : static_cast<int16_t>(-code);
    }
}

TEST(RunningEvaluation, PawnSetsScoreLikeTheBoardSweep) {
    Lcg random{7};
    for (int i = 0; i < 2000; ++i) {
        RandomBoard(random);
        StartRunningEvaluation();
        ASSERT_EQ(Running.pawnTerm, reference::PawnStructure()) << BoardDiagram();
    }
}

TEST(RunningEvaluation, FollowsMovesExactlyInEveryStage) {
    InitNewGame();
    Lcg random{11};
    for (int16_t stage : {1, 2, 3, 4}) {
        Stage = stage;
        for (int i = 0; i < 300; ++i) {
            RandomBoard(random);
            StartRunningEvaluation();
            // A chain of arbitrary moves, promotions and captures of pawns included.
            for (int m = 0; m < 6; ++m) {
                const int x1 = 1 + random.Next(8), y1 = 1 + random.Next(8);
                const int x2 = 1 + random.Next(8), y2 = 1 + random.Next(8);
                if (x1 == x2 && y1 == y2) continue;
                const int16_t moved = Board(x1, y1), captured = Board(x2, y2);
                int16_t placed = moved;
                if (moved == Piece::Pawn && y2 == 1) placed = Piece::Queen;
                if (moved == -Piece::Pawn && y2 == 8) placed = -Piece::Queen;
                const MoveChange change{Grid::Index(x1, y1), Grid::Index(x2, y2), moved, captured,
                                        placed};
                const int16_t foreseen = EvaluateRunningAfter(change);
                Board(x1, y1) = EmptyCell;
                Board(x2, y2) = placed;
                UpdateRunningEvaluation(change);
                ASSERT_EQ(EvaluateRunning(), reference::Evaluate()) << "stage " << stage << "\n"
                                                                    << BoardDiagram();
                ASSERT_EQ(foreseen, reference::Evaluate());
                const RunningEvaluation updated = Running;
                StartRunningEvaluation();
                ASSERT_TRUE(updated == Running) << BoardDiagram();
            }
        }
    }
}

}  // namespace
}  // namespace ostrand
