// The engine's legal moves against the standard rules, which share no code with it. In every
// position of random games, played by the standard rules from the initial position and from
// edited ones, the moves that pass the engine's own legality test must be the standard legal
// moves: all of them under the engine's standard rules, and under its designed rules all but
// what it leaves out of the game on purpose (LeftOutOnPurpose). Any other difference fails
// and prints the position. Perft counts the engine's own standard moves to a depth.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "EngineBoard.h"
#include "GameSnapshot.h"
#include "StandardChess.h"
#include "Support.h"
#include "TestBoard.h"

namespace ostrand {
namespace {

using chess::Colour;

constexpr int GamesFromTheStart = 20;
constexpr int GamesFromEditedPositions = 40;
constexpr int PliesPerGame = 60;

char At(const chess::Position& p, int file, int rank) {
    return p.squares[static_cast<size_t>(chess::SquareOf(file, rank))];
}

// The one place that names how the engine's game differs from the standard one. True for a
// standard move that the engine does not have, on purpose.
bool LeftOutOnPurpose(const chess::Position& p, const chess::Move& m) {
    const char piece = p.squares[static_cast<size_t>(m.from)];
    const int file = chess::FileOf(m.to);
    // There is no en passant.
    if ((piece == 'P' || piece == 'p') && m.to == p.enPassant) return true;
    // A pawn reaching the last rank becomes a queen: one move, not four.
    if (m.promotion != 0 && m.promotion != 'q') return true;
    // Castling follows the engine's own rule, kept in its castling flags (which pass over a
    // pawn's attack on an empty square) and checked with them; no move list holds it.
    if ((piece == 'K' || piece == 'k') && std::abs(file - chess::FileOf(m.from)) == 2) return true;
    // A Black pawn makes no double step to a square beside a White pawn.
    return piece == 'p' && chess::RankOf(m.from) == 7 && chess::RankOf(m.to) == 5 &&
           ((file > 1 && At(p, file - 1, 5) == 'P') || (file < 8 && At(p, file + 1, 5) == 'P'));
}

// The moves, sorted, one a line, so that a failure shows the difference line by line.
std::string Lines(std::vector<std::string> moves) {
    std::sort(moves.begin(), moves.end());
    std::string lines;
    for (const std::string& move : moves)
        lines += move + "\n";
    return lines;
}

// The engine's legal moves of a side: its pseudo-legal moves that pass its legality test and,
// under the standard rules, the castlings its flags allow, as the king's two-square move.
std::vector<std::string> EngineLegalMoves(bool white) {
    std::vector<std::string> moves = white ? test::LegalWhiteMoves() : test::LegalBlackMoves();
    if (Rules == RuleSet::Standard)
        for (const auto& [flag, move] : {std::pair{Castle::WhiteQueenNow, "5131"},
                                         {Castle::WhiteKingNow, "5171"},
                                         {Castle::BlackQueenNow, "5838"},
                                         {Castle::BlackKingNow, "5878"}})
            if (CastleFlags[flag] == Yes && (flag <= Castle::WhiteKingNow) == white)
                moves.emplace_back(move);
    return moves;
}

// Compares the two move sets of one position. The engine plays Black, so its board holds
// the standard board as it is: White has the negative codes and moves up.
void ExpectTheSameMoves(const chess::Position& p) {
    chess::SetUpEngine(p, Colour::Black);
    const bool white = p.toMove == Colour::White;
    std::vector<std::string> standard;
    for (const chess::Move& m : chess::LegalMoves(p)) {
        if (Rules == RuleSet::Designed && LeftOutOnPurpose(p, m)) continue;
        std::string text;
        AppendMove(text, chess::FileOf(m.from), chess::RankOf(m.from), chess::FileOf(m.to),
                   chess::RankOf(m.to), PromotionOfLetter(m.promotion));
        standard.push_back(text);
    }
    EXPECT_EQ(Lines(EngineLegalMoves(white)), Lines(standard))
        << (white ? "White" : "Black") << " to move, en passant square " << p.enPassant << ":\n"
        << BoardDiagram();
}

// The rule set of a test, and the designed rules again after it.
class UnderRules : public testing::TestWithParam<RuleSet> {
  protected:
    void SetUp() override { Rules = GetParam(); }
    void TearDown() override { Rules = RuleSet::Designed; }
};

// Both kings and up to 20 other pieces anywhere, pawns off the first and last ranks, and the
// side that is not to move not in check.
chess::Position EditedPosition(std::mt19937& random) {
    constexpr std::string_view pieces = "PNBRQpnbrq";
    for (;;) {
        chess::Position p;
        p.squares.fill('.');
        p.toMove = random() % 2 == 0 ? Colour::White : Colour::Black;
        p.squares[random() % 64] = 'K';
        for (unsigned placed = 0, wanted = random() % 21; placed <= wanted; ++placed) {
            const size_t square = random() % 64;
            const char piece = placed == 0 ? 'k' : pieces[random() % pieces.size()];
            const int rank = chess::RankOf(static_cast<int>(square));
            if (p.squares[square] == '.' &&
                !(std::tolower(piece) == 'p' && (rank == 1 || rank == 8)))
                p.squares[square] = piece;
        }
        const Colour waiting = chess::Other(p.toMove);
        const bool bothKings = std::count(p.squares.begin(), p.squares.end(), 'k') == 1;
        if (bothKings && !chess::InCheck(p, waiting)) return p;
    }
}

using StandardRules = UnderRules;

TEST_P(StandardRules, EngineMovesAreTheStandardMovesButForWhatTheDesignedRulesLeaveOut) {
    std::mt19937 random(14);
    int positions = 0;
    for (int game = 0; game < GamesFromTheStart + GamesFromEditedPositions; ++game) {
        chess::Position p =
            game < GamesFromTheStart ? chess::StartPosition() : EditedPosition(random);
        for (int ply = 0; ply < PliesPerGame; ++ply) {
            ++positions;
            ExpectTheSameMoves(p);
            if (HasFailure()) return;
            const std::vector<chess::Move> moves = chess::LegalMoves(p);
            if (moves.empty()) break;
            chess::Play(p, moves[random() % moves.size()]);
        }
    }
    EXPECT_GE(positions, 2000);
}

INSTANTIATE_TEST_SUITE_P(BothRuleSets, StandardRules,
                         testing::Values(RuleSet::Designed, RuleSet::Standard),
                         [](const auto& info) {
                             return info.param == RuleSet::Designed ? "Designed" : "Standard";
                         });

// The leaves of the engine's game tree under the standard rules, side to move first: its
// legal moves (EngineLegalMoves) committed with PlayMove and taken back with a snapshot.
int64_t Perft(bool white, int depth) {
    const std::vector<std::string> moves = EngineLegalMoves(white);
    if (depth == 1) return static_cast<int64_t>(moves.size());
    int64_t leaves = 0;
    const GameSnapshot before = GameSnapshot::Capture();
    for (const std::string& move : moves) {
        MoveSquares m = DecodeMove(move);
        // The king's two-square move is the engine's castling.
        const int16_t king = white ? -Piece::King : Piece::King;
        if (Board(m.x1, m.y1) == king && std::abs(m.x2 - m.x1) == 2) {
            m.x1 = white ? 0 : 9;
            m.y1 = m.x2 == 7 ? 1 : 8;
        }
        PlayMove(m.x1, m.y1, m.x2, m.y2, m.promotion);
        leaves += Perft(!white, depth - 1);
        before.Restore();
    }
    return leaves;
}

struct PerftCase {
    const char* name;
    const char* fen;
    int depth;
    int64_t leaves;
};

class StandardPerft : public testing::TestWithParam<PerftCase> {
  protected:
    void SetUp() override { Rules = RuleSet::Standard; }
    void TearDown() override { Rules = RuleSet::Designed; }
};

TEST_P(StandardPerft, CountsThePublishedLeaves) {
    const PerftCase& c = GetParam();
    chess::Position p;
    std::string error;
    ASSERT_TRUE(chess::ParseFen(c.fen, p, error)) << error;
    chess::SetUpEngine(p, Colour::Black);
    EXPECT_EQ(Perft(p.toMove == Colour::White, c.depth), c.leaves);
}

constexpr const char* Initial = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";
constexpr const char* Kiwipete =
    "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1";

// The published counts: castling through attacked squares, en passant that uncovers a check,
// promotions to every piece with and without capture, for both sides.
INSTANTIATE_TEST_SUITE_P(
    Positions, StandardPerft,
    testing::Values(
        PerftCase{"EnPassantPins5", "8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1", 5, 674624},
        PerftCase{"Promotions4", "r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq - 0 1",
                  4, 422333},
        PerftCase{"BlackPromotes4", "n1n5/PPPk4/8/8/8/8/4Kppp/5N1N b - - 0 1", 4, 182838},
        PerftCase{"Initial5", Initial, 5, 4865609}, PerftCase{"Kiwipete4", Kiwipete, 4, 4085603}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ostrand
