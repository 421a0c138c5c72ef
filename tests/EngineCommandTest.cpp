#include <gtest/gtest.h>

#include "Evaluation.h"
#include "MoveGenerator.h"
#include "RecordingDisplay.h"
#include "Search.h"
#include "Support.h"
#include "TestBoard.h"

namespace ostrand {
namespace {

class EngineCommandTest : public testing::Test {
  protected:
    void SetUp() override {
        DepthLimit = 4;
        ASSERT_EQ(EngineCommand("NewGame"), "OK");
        display.enabledChanges.clear();
    }
    void TearDown() override { DepthLimit = 0; }

    void Position(std::string_view board, int16_t moveCount = 20) {
        ASSERT_TRUE(SetUpPosition(board, moveCount));
    }

    test::RecordingDisplay display;
};

// Both sides' kings and rooks at home, nothing between them.
constexpr std::string_view CastlingReady = "r3k2r/pppppppp/8/8/8/8/PPPPPPPP/R3K2R";

bool IsEngineMove(const std::string& reply) {
    return reply.size() == 4 && reply.find_first_not_of("123456789") == std::string::npos;
}

TEST_F(EngineCommandTest, NewGameSetsUpTheInitialPosition) {
    EXPECT_EQ(EngineCommand("5254").size(), 4u);
    EXPECT_EQ(EngineCommand("NewGame"), "OK");
    EXPECT_EQ(PositionKey(), "rnbqkbnrpppppppp00000000000000000000000000000000PPPPPPPPRNBQKBNR");
    EXPECT_EQ(MoveCount, 0);
    EXPECT_EQ(display.enabledChanges, (std::vector<bool>{false, true, false, true}));
}

TEST_F(EngineCommandTest, PlayerMoveIsAnsweredByTheEngine) {
    const std::string reply = EngineCommand("5254");
    EXPECT_TRUE(IsEngineMove(reply)) << reply;
    EXPECT_EQ(MoveCount, 2);
    ASSERT_EQ(PositionHistory.size(), 3u);
    EXPECT_EQ(PositionHistory[2], PositionKey());
    EXPECT_EQ(Board(5, 4), -Piece::Pawn);
    EXPECT_EQ(display.redraws, 2);  // the player's move, then the engine's
    // The engine's move is one of Black's.
    EXPECT_GT(Board(reply[2] - '0', reply[3] - '0'), 0);
    EXPECT_EQ(display.enabledChanges, (std::vector<bool>{false, true}));
}

TEST_F(EngineCommandTest, ForcePlaysABlackMoveWhateverCameBefore) {
    const std::string reply = EngineCommand("Force");
    EXPECT_TRUE(IsEngineMove(reply)) << reply;
    EXPECT_EQ(MoveCount, 1);
    EXPECT_TRUE(IsEngineMove(EngineCommand("Force")));
    EXPECT_EQ(MoveCount, 2);
}

TEST_F(EngineCommandTest, IllegalMovesChangeNothing) {
    EngineCommand("5254");
    for (const char* move : {"3334",   // from an empty square
                             "2726",   // a Black piece
                             "1113",   // a rook through its own pawn
                             "5263",   // a pawn sideways onto an empty square
                             "5171",   // castling while the path is blocked
                             "5254"})  // the square is empty now
    {
        const test::GameState before;
        display.redraws = 0;
        EXPECT_EQ(EngineCommand(move), "Error") << move;
        EXPECT_EQ(test::GameState(), before) << move;
        EXPECT_EQ(display.redraws, 0);
    }
}

TEST_F(EngineCommandTest, TextsThatAreNoMoveAnswerErrorAndChangeNothing) {
    EngineCommand("5254");
    for (const char* text : {"", "525", "abcd", "newgame", "force", "0101", "0808", "9191", "9898",
                             "5250", "5290", "-525", "+525", "52 4", "5\n54", "\xff\xfe\xfd\xfc"}) {
        const test::GameState before;
        EXPECT_EQ(EngineCommand(text), "Error") << text;
        EXPECT_EQ(test::GameState(), before) << text;
    }
    // Characters after the fourth are ignored.
    EXPECT_TRUE(IsEngineMove(EngineCommand("2133 and more")));
}

TEST_F(EngineCommandTest, MoveThatLeavesTheKingAttackedIsRefused) {
    Position("4k3/8/8/8/8/8/3r4/4K3");
    EXPECT_EQ(EngineCommand("5152"), "Error");
    EXPECT_EQ(EngineCommand("5141"), "Error");
    EXPECT_TRUE(IsEngineMove(EngineCommand("5142")));  // takes the rook
}

TEST_F(EngineCommandTest, PlayerCastlesKingSide) {
    Position(CastlingReady);
    EXPECT_TRUE(IsEngineMove(EngineCommand("5171")));
    EXPECT_EQ(Board(7, 1), -Piece::King);
    EXPECT_EQ(Board(6, 1), -Piece::Rook);
    EXPECT_EQ(Board(5, 1), EmptyCell);
    EXPECT_EQ(Board(8, 1), EmptyCell);
    EXPECT_EQ(CastleFlags[Castle::WhiteKingRight], No);
    EXPECT_EQ(CastleFlags[Castle::WhiteQueenRight], No);
}

TEST_F(EngineCommandTest, PlayerCastlesQueenSide) {
    Position(CastlingReady);
    EXPECT_TRUE(IsEngineMove(EngineCommand("5131")));
    EXPECT_EQ(Board(3, 1), -Piece::King);
    EXPECT_EQ(Board(4, 1), -Piece::Rook);
    EXPECT_EQ(Board(1, 1), EmptyCell);
}

TEST_F(EngineCommandTest, CastlingNeedsItsFlag) {
    Position(CastlingReady);
    CastleFlags[Castle::WhiteKingNow] = No;  // e.g. the king has moved and come back
    const test::GameState before;
    EXPECT_EQ(EngineCommand("5171"), "Error");
    EXPECT_EQ(test::GameState(), before);
    // Through an attacked square: refused as well.
    Position("r3k2r/ppppp1pp/8/8/2b5/8/PPPP1PPP/R3K2R");
    EXPECT_EQ(CastleFlags[Castle::WhiteKingNow], No);
    EXPECT_EQ(EngineCommand("5171"), "Error");
}

TEST_F(EngineCommandTest, PlayersMatingMoveEndsTheGame) {
    // Black's king is boxed in by its own pieces; the queen mates on (6,7).
    Position("rnb1kbnr/pppp1ppp/8/4p3/2B1P3/5Q2/PPPP1PPP/RNB1K1NR");
    Board(4, 8) = Piece::Queen;
    EXPECT_EQ(EngineCommand("6367"), "CheckMate");
    EXPECT_EQ(display.messages, std::vector<std::string>{"Check Mate!"});
    EXPECT_EQ(MoveCount, 21);  // the engine made no move
    const test::GameState before;
    EXPECT_EQ(EngineCommand("2133"), "CheckMate");
    EXPECT_EQ(display.messages.size(), 2u);
    EXPECT_EQ(test::GameState(), before);
}

TEST_F(EngineCommandTest, PlayersStalematingMove) {
    Position("k7/8/1K6/8/8/8/2Q5/8");
    EXPECT_EQ(EngineCommand("3237"), "StaleMate");
    EXPECT_EQ(display.messages, std::vector<std::string>{"Stale Mate!"});
}

TEST_F(EngineCommandTest, EngineMatesThePlayer) {
    Position("rnbqkbnr/pppp1ppp/8/4p3/8/5P2/PPPPP1PP/RNBQKBNR", 3);
    const std::string reply = EngineCommand("7274");  // g2-g4 allows Qh4 mate
    EXPECT_EQ(reply, "4884");
    EXPECT_EQ(display.messages, std::vector<std::string>{"Check Mate!"});
    // Every further move leaves the king attacked.
    EXPECT_EQ(EngineCommand("1213"), "Error");
}

TEST_F(EngineCommandTest, ForceWithoutALegalBlackMovePlaysNothing) {
    Position("k7/2Q5/1K6/8/8/8/8/8");
    const test::GameState stalemate;
    EXPECT_EQ(EngineCommand("Force"), "StaleMate");
    EXPECT_EQ(test::GameState(), stalemate);
    Position("k7/1Q6/1K6/8/8/8/8/8");
    EXPECT_EQ(EngineCommand("Force"), "CheckMate");
    EXPECT_EQ(display.messages, (std::vector<std::string>{"Stale Mate!", "Check Mate!"}));
}

TEST_F(EngineCommandTest, AtDepthTwoTheOnlyMoveIsPlayedEvenIfItStalemates) {
    // Black's king must take the queen, which leaves White's king without a move: the
    // depth-2 iteration keeps no move, and the engine must still play it.
    Position("7k/6Q1/8/8/8/1q6/8/K7");
    DepthLimit = 2;
    EXPECT_EQ(EngineCommand("Force"), "8877");
    EXPECT_EQ(display.messages, std::vector<std::string>{"Stale Mate!"});
}

TEST_F(EngineCommandTest, EngineCastles) {
    // Black may castle queen-side only; with castling the best way to activate the rook.
    Position("r3k3/pppq1ppp/2n5/8/8/8/PPPPPPPP/RNBQKBNR", 14);
    DepthLimit = 6;
    IterationDone = [] {
        if (SearchDepth == 6) {
            ASSERT_EQ(RootMoves.substr(0, 4), "9898");
        }
    };
    EngineCommand("2133");
    IterationDone = nullptr;
}

// The standard rules' moves through the command both ways, and the designed rules without
// them: after the command, the cell (x, y) holds code.
struct RulesCase {
    const char* name;
    RuleSet rules;
    const char* board;
    EnPassantSquare enPassant;
    const char* command;
    const char* reply;  // empty: any engine move
    int x, y;
    int16_t code;
};

class EngineCommandRules : public EngineCommandTest, public testing::WithParamInterface<RulesCase> {
  protected:
    void TearDown() override {
        Rules = RuleSet::Designed;
        EngineCommandTest::TearDown();
    }
};

TEST_P(EngineCommandRules, PlayAndAnswerTheirMoves) {
    const RulesCase& c = GetParam();
    Rules = c.rules;
    ASSERT_TRUE(SetUpPosition(c.board, 20, AllCastlingRights, c.enPassant));
    const std::string reply = EngineCommand(c.command);
    if (*c.reply)
        EXPECT_EQ(reply, c.reply);
    else
        EXPECT_TRUE(IsEngineMove(reply)) << reply;
    EXPECT_EQ(Board(c.x, c.y), c.code) << BoardDiagram();
}

constexpr auto Standard = RuleSet::Standard;
constexpr auto Designed = RuleSet::Designed;
constexpr std::string_view BlackPassedOnD6 = "4k3/8/8/3pP3/8/8/8/4K3";
constexpr std::string_view WhitePassedOnE3 = "4k3/8/8/8/3pP3/8/8/K7";
// e1=N+ forks the king on d3 and the queen on g2.
constexpr std::string_view KnightForks = "8/8/8/8/8/3K4/4p1Q1/k7";
// Only the pawn on g2 attacks f1, which the king crosses.
constexpr std::string_view PawnGuardsF1 = "4k3/8/8/8/8/8/6p1/4K2R";

INSTANTIATE_TEST_SUITE_P(
    BothRuleSets, EngineCommandRules,
    testing::Values(
        RulesCase{"PlayerTakesEnPassant",
                  Standard,
                  BlackPassedOnD6.data(),
                  {4, 6},
                  "5546",
                  "",
                  4,
                  5,
                  EmptyCell},
        RulesCase{"NoEnPassantByDesign",
                  Designed,
                  BlackPassedOnD6.data(),
                  {4, 6},
                  "5546",
                  "Error",
                  4,
                  5,
                  Piece::Pawn},
        RulesCase{"PlayerPromotesToAKnight",
                  Standard,
                  "4k3/P7/8/8/8/8/8/4K3",
                  {},
                  "171n",
                  "",
                  1,
                  8,
                  -Piece::Knight},
        RulesCase{"OnlyQueensByDesign",
                  Designed,
                  "4k3/P7/8/8/8/8/8/4K3",
                  {},
                  "171n",
                  "Error",
                  1,
                  7,
                  -Piece::Pawn},
        RulesCase{"LetterOnlyForAPawnsPromotion",
                  Standard,
                  "4k3/R7/8/8/8/8/8/4K3",
                  {},
                  "171n",
                  "Error",
                  1,
                  7,
                  -Piece::Rook},
        RulesCase{"EngineTakesEnPassant",
                  Standard,
                  WhitePassedOnE3.data(),
                  {5, 3},
                  "Force",
                  "4453",
                  5,
                  4,
                  EmptyCell},
        RulesCase{"EnginePromotesToAKnight",
                  Standard,
                  KnightForks.data(),
                  {},
                  "Force",
                  "525n",
                  5,
                  1,
                  Piece::Knight},
        RulesCase{
            "EngineQueensByDesign", Designed, KnightForks.data(), {}, "Force", "", 5, 2, EmptyCell},
        RulesCase{"NoCastlingPastAPawnsAttack",
                  Standard,
                  PawnGuardsF1.data(),
                  {},
                  "5171",
                  "Error",
                  5,
                  1,
                  -Piece::King},
        RulesCase{"CastlingPastAPawnsAttackByDesign",
                  Designed,
                  PawnGuardsF1.data(),
                  {},
                  "5171",
                  "",
                  7,
                  1,
                  -Piece::King}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ostrand
