#include <gtest/gtest.h>

#include "Evaluation.h"
#include "RecordingDisplay.h"
#include "Support.h"
#include "TestBoard.h"

namespace ostrand {
namespace {

constexpr const char* InitialKey =
    "rnbqkbnrpppppppp00000000000000000000000000000000PPPPPPPPRNBQKBNR";

TEST(NewGame, SetsUpTheWholeState) {
    Board.cells.fill(77);
    CastleFlags = {Yes, No, No, No, No, Yes, Yes, Yes, Yes};
    MoveCount = 40;
    PositionHistory = {"", "a", "b"};
    InitNewGame();
    EXPECT_EQ(BoardDiagram(),
              "rnbqkbnr\npppppppp\n........\n........\n........\n........\nPPPPPPPP\nRNBQKBNR\n");
    for (int i = -1; i <= 10; ++i) {
        for (int edge : {-1, 0, 9, 10}) {
            EXPECT_EQ(Board(i, edge), BorderCell);
            EXPECT_EQ(Board(edge, i), BorderCell);
        }
    }
    EXPECT_EQ(CastleFlags, (std::array<int16_t, 9>{Yes, Yes, Yes, Yes, Yes, No, No, No, No}));
    EXPECT_EQ(MoveCount, 0);
    EXPECT_EQ(PositionHistory, std::vector<std::string>{""});
    EXPECT_EQ(MaterialSum(), 0);
    EXPECT_EQ(IsRepetition(), No);
    EXPECT_EQ(ComputeStage(0), 1);
    EXPECT_EQ(PositionKey(), InitialKey);
}

TEST(SetUpPosition, ReadsKeysDiagramsAndFenBoardsAndRefusesTheRest) {
    InitNewGame();
    for (const std::string& board :
         {std::string(InitialKey), BoardDiagram(), std::string(test::InitialBoard)}) {
        Board.cells.fill(0);
        ASSERT_TRUE(SetUpPosition(board, 3, {true, false, false, true})) << board;
        EXPECT_EQ(PositionKey(), InitialKey);
        EXPECT_TRUE(test::BorderIntact());
        EXPECT_EQ(CastleFlags, (std::array<int16_t, 9>{No, Yes, No, No, Yes, No, No, No, No}));
        EXPECT_EQ(MoveCount, 3);
        EXPECT_EQ(PositionHistory, std::vector<std::string>{""});
    }
    PlayMove(5, 2, 5, 4);
    const test::GameState before;
    for (const char* wrong : {"", "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBN",
                              "rnbqkbnr/pppppppp/9/7/8/8/PPPPPPPP/RNBQKBNR",
                              "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNRR"}) {
        EXPECT_FALSE(SetUpPosition(wrong, 5)) << wrong;
        EXPECT_EQ(test::GameState(), before) << wrong;
    }
}

TEST(PlayMove, CommitsCountsRecordsAndRedraws) {
    test::RecordingDisplay display;
    InitNewGame();
    PlayMove(5, 2, 5, 4);
    EXPECT_EQ(MoveCount, 1);
    ASSERT_EQ(PositionHistory.size(), 2u);
    EXPECT_EQ(PositionHistory[1], std::string("rnbqkbnr") + "pppppppp" + "00000000" + "00000000" +
                                      "0000P000" + "00000000" + "PPPP0PPP" + "RNBQKBNR");
    EXPECT_EQ(display.redraws, 1);
    // The castling flags follow: the king's walk costs both White rights.
    PlayMove(5, 1, 5, 2);
    EXPECT_EQ(CastleFlags[Castle::WhiteKingRight], No);
    EXPECT_EQ(CastleFlags[Castle::WhiteQueenRight], No);
    EXPECT_EQ(CastleFlags[Castle::BlackKingRight], Yes);
}

TEST(PositionKey, PromotedQueenReadsAsAQueen) {
    InitNewGame();
    Board(1, 7) = EmptyCell;
    Board(1, 2) = Piece::Pawn;
    PlayMove(1, 2, 2, 1);
    EXPECT_EQ(PositionKey().substr(56), "RqBQKBNR");
}

TEST(ComputeStage, MoveCountThresholds) {
    InitNewGame();
    EXPECT_EQ(ComputeStage(11), 1);
    EXPECT_EQ(ComputeStage(12), 2);
    EXPECT_EQ(ComputeStage(35), 2);
    EXPECT_EQ(ComputeStage(36), 3);
}

TEST(ComputeStage, FewPiecesMeanTheEndgameAtAnyCount) {
    test::SetBoard("r2qk3/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR");
    EXPECT_EQ(ComputeStage(0), 4);  // Black has king, rook and queen: three
    Board(3, 8) = Piece::Bishop;    // four pieces besides the pawns
    EXPECT_EQ(ComputeStage(0), 1);
    EXPECT_EQ(ComputeStage(20), 2);
    EXPECT_EQ(ComputeStage(50), 3);
    for (int x : {1, 2, 3, 6})
        Board(x, 1) = EmptyCell;
    EXPECT_EQ(ComputeStage(20), 2);  // White keeps king, queen, knight and rook
    Board(7, 1) = EmptyCell;
    EXPECT_EQ(ComputeStage(20), 4);
}

TEST(IsRepetition, CountsEarlierOccurrencesWhenBlackIsAPawnAhead) {
    test::SetBoard("4k3/8/8/3p4/8/8/8/4K3");
    const std::string key = PositionKey();
    PositionHistory = {key, "x", key};  // element 0 is never compared
    EXPECT_EQ(MaterialSum(), 100);
    EXPECT_EQ(IsRepetition(), No);
    PositionHistory.push_back(key);
    EXPECT_EQ(IsRepetition(), Yes);
    // Less than a pawn ahead, it is never reported, however often the position occurred.
    Board(4, 5) = Piece::Queen;
    Board(1, 1) = -Piece::Rook;
    Board(2, 1) = -Piece::Bishop;
    EXPECT_EQ(MaterialSum(), 90);
    PositionHistory = {"", PositionKey(), PositionKey(), PositionKey()};
    EXPECT_EQ(IsRepetition(), No);
}

}  // namespace
}  // namespace ostrand
