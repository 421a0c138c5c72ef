#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <regex>
#include <sstream>
#include <tuple>
#include <utility>

#include "EngineBoard.h"
#include "Levels.h"
#include "MasterSearch.h"
#include "Search.h"
#include "StandardChess.h"
#include "Support.h"
#include "TestBoard.h"
#include "TimePlan.h"
#include "Uci.h"

namespace ostrand {
namespace {

using chess::Position;

Position Fen(const std::string& fen) {
    Position position;
    std::string error;
    EXPECT_TRUE(chess::ParseFen(fen, position, error)) << error;
    return position;
}

// The positions after each move, played from start.
std::vector<Position> Played(Position p, std::initializer_list<const char*> moves) {
    std::vector<Position> played;
    for (const char* text : moves) {
        chess::Move move;
        EXPECT_TRUE(chess::ParseMove(text, move)) << text;
        chess::Play(p, move);
        played.push_back(p);
    }
    return played;
}

// The engine's move in standard terms, the engine playing the side to move.
chess::Move StandardMove(const std::string& engineMove, const Position& position) {
    return chess::StandardMove(engineMove, position, position.toMove).value_or(chess::Move{});
}

// Twelve plies of the engine against itself at a level, its random choices seeded.
std::vector<chess::Move> SelfPlay(const char* level, uint64_t seed) {
    SeedChoices(seed);
    UseLevel(*LevelNamed(level));
    Position now = chess::StartPosition();
    std::vector<Position> played;
    std::vector<chess::Move> moves;
    for (int ply = 0; ply < 12; ++ply) {
        uci::SetUpGame(chess::StartPosition(), played);
        moves.push_back(StandardMove(FindBestMove(), now));
        chess::Play(now, moves.back());
        played.push_back(now);
    }
    UseLevel(Levels.front());
    return moves;
}

TEST(Uci, WeakLevelsVaryTheGameBySeedAndTheOthersNever) {
    EXPECT_EQ(SelfPlay("Beginner", 1), SelfPlay("Beginner", 1));
    EXPECT_NE(SelfPlay("Beginner", 1), SelfPlay("Beginner", 2));
    EXPECT_EQ(SelfPlay("Depth 2", 1), SelfPlay("Depth 2", 2));
}

TEST(Uci, StartPositionIsTheEnginesOwnInitialPosition) {
    InitNewGame();
    const std::string initialKey = PositionKey();
    Board.cells.fill(0);
    uci::SetUpGame(chess::StartPosition(), {});
    EXPECT_EQ(PositionKey(), initialKey);
    EXPECT_EQ(MoveCount, 0);
    EXPECT_EQ(CastleFlags, (std::array<int16_t, 9>{No, Yes, Yes, Yes, Yes, No, No, No, No}));
    EXPECT_EQ(PositionHistory, std::vector<std::string>{""});
    EXPECT_TRUE(chess::Mirrored(chess::StartPosition().toMove));
}

TEST(Uci, BlackToMoveIsNotMirrored) {
    Position position = chess::StartPosition();
    chess::Play(position, {chess::SquareOf(5, 2), chess::SquareOf(5, 4), 0});
    uci::SetUpGame(chess::StartPosition(), {position});
    EXPECT_EQ(Board(5, 4), -Piece::Pawn);
    EXPECT_EQ(Board(5, 8), Piece::King);
    EXPECT_EQ(MoveCount, 1);
    ASSERT_EQ(PositionHistory.size(), 2u);
    EXPECT_EQ(PositionHistory[1], PositionKey());
}

TEST(Uci, OpponentsEnPassantAndUnderPromotionAreApplied) {
    // White takes en passant on d6, then Black under-promotes to a knight on b1.
    const Position start = Fen("4k3/8/8/3pP3/8/8/1p6/4K3 w - d6 0 40");
    uci::SetUpGame(start, Played(start, {"e5d6", "b2b1n"}));
    // White is to move, so the engine plays the positive pieces, mirrored in rank.
    EXPECT_EQ(Board(4, 3), Piece::Pawn);     // the pawn on d6
    EXPECT_EQ(Board(4, 4), EmptyCell);       // the passed pawn on d5 is gone
    EXPECT_EQ(Board(2, 8), -Piece::Knight);  // the new knight on b1
    EXPECT_EQ(Board(5, 8), Piece::King);     // White's king on e1
    EXPECT_EQ(MoveCount, 2 * 39 + 2);
    EXPECT_EQ(PositionHistory.size(), 3u);
}

TEST(Uci, MirroredPositionsGiveMirroredMoves) {
    const Position white =
        Fen("r1bqk2r/pppp1ppp/2n2n2/2b1p3/2B1P3/3P1N2/PPP2PPP/RNBQK2R w KQkq - 1 5");
    const Position black =
        Fen("rnbqk2r/ppp2ppp/3p1n2/2b1p3/2B1P3/2N2N2/PPPP1PPP/R1BQK2R b KQkq - 1 5");
    DepthLimit = 4;
    uci::SetUpGame(white, {});
    const chess::Move fromWhite = StandardMove(FindBestMove(), white);
    uci::SetUpGame(black, {});
    const chess::Move fromBlack = StandardMove(FindBestMove(), black);
    DepthLimit = 0;
    auto mirror = [](int square) {
        return chess::SquareOf(chess::FileOf(square), 9 - chess::RankOf(square));
    };
    EXPECT_EQ(fromBlack.from, mirror(fromWhite.from));
    EXPECT_EQ(fromBlack.to, mirror(fromWhite.to));
}

TEST(Uci, EngineCastlingAndPromotionInStandardTerms) {
    const Position white = Fen("4k3/8/8/8/8/8/8/R3K2R w KQ - 0 30");
    EXPECT_EQ(chess::MoveText(StandardMove("9191", white)), "e1g1");
    EXPECT_EQ(chess::MoveText(StandardMove("9898", white)), "e1c1");
    const Position black = Fen("r3k2r/8/8/8/8/8/8/4K3 b kq - 0 30");
    EXPECT_EQ(chess::MoveText(StandardMove("9191", black)), "e8g8");
    const Position promotions = Fen("4k3/1P6/8/8/8/8/8/4K3 w - - 0 30");
    // On the engine's mirrored board White's pawn on b7 stands on (2,2) and goes to (2,1).
    EXPECT_EQ(chess::MoveText(StandardMove("2221", promotions)), "b7b8q");
}

TEST(Uci, CastlingThroughAPawnsAttackIsNotOffered) {
    // The pawn on g2 attacks f1; the engine's own maps would not count it.
    const Position position = Fen("4k3/8/8/8/8/8/6p1/4K2R w K - 0 30");
    uci::SetUpGame(position, {});
    EXPECT_EQ(CastleFlags[Castle::BlackKingNow], No);
    const Position open = Fen("4k3/8/8/8/8/8/8/4K2R w K - 0 30");
    uci::SetUpGame(open, {});
    EXPECT_EQ(CastleFlags[Castle::BlackKingNow], Yes);
}

TEST(Uci, TheEngineSeesRepetitionsOfTheGameWhicheverColourItPlays) {
    // A pawn up, the side to move has taken its knight out and back twice: taking it out
    // again repeats a position of the other side's turn for the third time.
    const Position white = Fen("4k3/8/8/8/8/8/P7/4K1N1 w - - 0 30");
    const Position black = Fen("4k1n1/p7/8/8/8/8/8/4K3 b - - 0 30");
    const std::pair<Position, std::vector<Position>> games[] = {
        {white, Played(white, {"g1f3", "e8d8", "f3g1", "d8e8", "g1f3", "e8d8", "f3g1", "d8e8"})},
        {black, Played(black, {"g8f6", "e1d1", "f6g8", "d1e1", "g8f6", "e1d1", "f6g8", "d1e1"})}};
    for (const auto& [start, played] : games) {
        uci::SetUpGame(start, played);
        // The knight stands on (7,8) of the engine's board, mirrored or not.
        for (const auto& [x, y, repeats] : {std::tuple{6, 6, Yes}, std::tuple{8, 6, No}}) {
            int16_t moved, captured;
            MakeMove(7, 8, x, y, moved, captured);
            EXPECT_EQ(IsRepetition(), repeats) << chess::FenText(start) << " to " << x << y;
            UnmakeMove(7, 8, x, y, moved, captured);
        }
    }
}

TEST(Uci, BudgetsStayWithinTheClock) {
    EXPECT_EQ(PlanBudget({}).limit, 0);  // no time given: the engine's own time rules
    for (const int64_t left : {0, 30, 500, 2000, 10000, 600000})
        for (const int64_t increment : {0, 100, 5000})
            for (const int64_t movesToGo : {0, 1, 40}) {
                const TimeBudget budget = PlanBudget({left, increment, movesToGo, {}});
                EXPECT_GT(budget.target, 0);
                EXPECT_LE(budget.target, budget.limit);
                EXPECT_LT(budget.limit, std::max(0.002, left / 1000.0)) << left;
            }
    // A move time is used whole: no iteration is left out for want of time.
    for (const int64_t moveTime : {10, 100, 1000}) {
        EXPECT_LT(PlanBudget({{}, 0, 0, moveTime}).limit, moveTime / 1000.0);
        EXPECT_TRUE(std::isinf(PlanBudget({{}, 0, 0, moveTime}).target));
    }
    // Of the clock and the move time, the tighter one counts.
    EXPECT_LT(PlanBudget({1000, 0, 0, 1000}).limit, 0.5);
    // The Master search's plan: within the clock, the second move's target a small share of
    // a minute, and more of the clock for a middlegame move than for the second move.
    for (const int64_t left : {0, 30, 2000, 56375, 600000})
        for (const int moveNumber : {1, 2, 20, 80}) {
            const TimeBudget budget = PlanMasterBudget({left, 100, 0, {}}, moveNumber);
            EXPECT_GT(budget.target, 0);
            EXPECT_LE(budget.target, budget.limit);
            EXPECT_LE(budget.limit, std::max(0.001, left / 1000.0 * 0.25)) << left;
        }
    EXPECT_LT(PlanMasterBudget({56375, 0, 0, {}}, 2).limit, 3.5);
    EXPECT_GT(PlanMasterBudget({56375, 0, 0, {}}, 20).target,
              2 * PlanMasterBudget({56375, 0, 0, {}}, 2).target);
}

// The Master search, the UCI mode's default: the output of a session's commands, and what
// its last search's lines must say.
struct MasterCase {
    const char* name;
    const char* commands;
    const char* lastLine;  // a pattern of the last "info depth" line
    const char* answer;    // a pattern of the move answered
};

class MasterSearch : public testing::TestWithParam<MasterCase> {};

TEST_P(MasterSearch, KnowsMatesAndDraws) {
    std::istringstream in(GetParam().commands);
    std::ostringstream out;
    uci::Run(in, out);
    const std::string text = out.str();
    std::smatch last;
    const std::regex infoLine("info depth [0-9]+ [^\n]*");
    for (auto i = std::sregex_iterator(text.begin(), text.end(), infoLine);
         i != std::sregex_iterator(); ++i)
        last = *i;
    ASSERT_FALSE(last.empty()) << text;
    EXPECT_TRUE(std::regex_search(last.str(), std::regex(GetParam().lastLine))) << text;
    EXPECT_TRUE(std::regex_search(text, std::regex(std::string("\nbestmove ") + GetParam().answer +
                                                   "( ponder [a-h1-8]+)?\n$")))
        << text;
}

INSTANTIATE_TEST_SUITE_P(
    Uci, MasterSearch,
    testing::Values(
        // The mate in one at every depth, never a longer one.
        MasterCase{"MateInOne", "position fen 7k/8/5K2/6Q1/8/8/8/8 w - - 0 1\ngo depth 6\n",
                   "depth 6 .*score mate 1 .*pv g5g7$", "g5g7"},
        // The shortest mate, five moves, and no stalemate on the way.
        MasterCase{"TrueDistance", "position fen 7k/8/8/6Q1/8/8/2K5/8 w - - 18 10\ngo depth 11\n",
                   "score mate 5 .* pv( [a-h1-8]{4}){8} g5g7$", "c2d3"},
        // The king's step beside its pawn stalemates.
        MasterCase{"Stalemate",
                   "position fen 8/8/8/8/8/4k3/5p2/5K2 b - - 0 1\ngo depth 5 searchmoves e3f3\n",
                   "score cp 0 ", "e3f3"},
        // The rook wins, unless the fifty-move rule comes first.
        MasterCase{"RookWins", "position fen 7k/8/8/8/8/8/R7/K7 w - - 0 80\ngo depth 4\n",
                   "score cp [1-9][0-9]{2,} ", "[a-h][1-8][a-h][1-8]"},
        MasterCase{"FiftyMoves", "position fen 7k/8/8/8/8/8/R7/K7 w - - 99 80\ngo depth 4\n",
                   "score cp 0 ", "[a-h][1-8][a-h][1-8]"},
        // The lone king's third visit to a position of the game is a draw it takes.
        MasterCase{"Repetition",
                   "position fen 7k/8/8/8/8/8/R7/K7 w - - 0 1 moves a2b2 h8g8 b2a2 g8h8 a2b2 h8g8 "
                   "b2a2\ngo depth 4\n",
                   "score cp 0 .*pv g8h8", "g8h8"},
        // Ponder: the answer waits for the hit, then comes on the clock.
        MasterCase{"PonderHit", "position startpos\ngo ponder wtime 1000 btime 1000\nponderhit\n",
                   "multipv 1 ", "[a-h][1-8][a-h][1-8]"}),
    [](const testing::TestParamInfo<MasterCase>& info) { return info.param.name; });

TEST(Uci, WhatTheEngineQuotesIsValidUtf8) {
    std::istringstream in("fl\xffy\xc3\nz\xc3\xa9\xc0\xaf\xed\xa0\x80\xf4\x90\x80\x80\n");
    std::ostringstream out;
    uci::Run(in, out);
    // The overlong slash, the surrogate and the code beyond U+10FFFF: one mark a byte.
    std::string marks;
    for (int i = 0; i < 9; ++i)
        marks += "\xEF\xBF\xBD";
    EXPECT_EQ(out.str(),
              "info string unknown command 'fl\xEF\xBF\xBDy\xEF\xBF\xBD'\n"
              "info string unknown command 'z\xC3\xA9" +
                  marks + "'\n");
}

// A search that the GUI restricts answers from a search, never from the book, though the
// initial position is in it: the answer is one of the moves allowed, with its lines.
struct Restriction {
    const char* name;
    const char* commands;
    const char* answers;  // the bestmove lines allowed
};

class BookGivesWay : public testing::TestWithParam<Restriction> {};

TEST_P(BookGivesWay, ToTheSearchAsked) {
    std::istringstream in(std::string("setoption name OwnBook value true\nposition startpos\n") +
                          GetParam().commands + "\n");
    std::ostringstream out;
    uci::Run(in, out);
    EXPECT_TRUE(std::regex_match(
        out.str(), std::regex("info depth [^]*\nbestmove (" + std::string(GetParam().answers) +
                              ")( ponder [a-h1-8]+)?\n")))
        << out.str();
}

constexpr const char* AnyMove = "[a-h][1-8][a-h][1-8]";
INSTANTIATE_TEST_SUITE_P(
    Uci, BookGivesWay,
    testing::Values(Restriction{"SearchMoves", "go depth 4 searchmoves a2a3 h2h3", "a2a3|h2h3"},
                    Restriction{"MultiPv", "setoption name MultiPV value 2\ngo depth 2", AnyMove},
                    Restriction{"Mate", "go mate 1", AnyMove}),
    [](const testing::TestParamInfo<Restriction>& info) { return info.param.name; });

}  // namespace
}  // namespace ostrand
