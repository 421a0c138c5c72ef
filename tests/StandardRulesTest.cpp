// The engine's legal moves against the standard rules, which share no code with it. In every
// position of random games, played by the standard rules from the initial position and from
// edited ones, the moves that pass the engine's own legality test must be the standard legal
// moves, apart from what the engine leaves out of the game on purpose (LeftOutOnPurpose).
// Any other difference fails and prints the position.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "EngineBoard.h"
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

// Compares the two move sets of one position. The engine plays Black, so its board holds
// the standard board as it is: White has the negative codes and moves up.
void ExpectTheSameMoves(const chess::Position& p) {
    ASSERT_TRUE(SetBoardFromText(chess::EngineKey(p, Colour::Black)));
    const bool white = p.toMove == Colour::White;
    std::vector<std::string> standard;
    for (const chess::Move& m : chess::LegalMoves(p))
        if (!LeftOutOnPurpose(p, m))
            standard.push_back(std::to_string(1000 * chess::FileOf(m.from) +
                                              100 * chess::RankOf(m.from) +
                                              10 * chess::FileOf(m.to) + chess::RankOf(m.to)));
    EXPECT_EQ(Lines(white ? test::LegalWhiteMoves() : test::LegalBlackMoves()), Lines(standard))
        << (white ? "White" : "Black") << " to move, en passant square " << p.enPassant << ":\n"
        << BoardDiagram();
}

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
        const Colour waiting = p.toMove == Colour::White ? Colour::Black : Colour::White;
        const bool bothKings = std::count(p.squares.begin(), p.squares.end(), 'k') == 1;
        if (bothKings && !chess::InCheck(p, waiting)) return p;
    }
}

TEST(StandardRules, EngineMovesAreTheStandardMovesButForWhatItLeavesOut) {
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

}  // namespace
}  // namespace ostrand
