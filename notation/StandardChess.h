// Standard chess as other programs speak it: positions in FEN, moves in long algebraic
// notation, and the full rules (en passant, under-promotion, castling through check).
// The engine knows a smaller game; the UCI mode, the notations and the mapping onto the
// engine's board use this to follow what other programs and players write.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace ostrand::chess {

enum class Colour { White, Black };

constexpr Colour Other(Colour side) {
    return side == Colour::White ? Colour::Black : Colour::White;
}

// Square index: (rank - 1) * 8 + (file - 1), so a1 is 0 and h8 is 63.
constexpr int SquareOf(int file, int rank) {
    return (rank - 1) * 8 + (file - 1);
}
constexpr int FileOf(int square) {
    return square % 8 + 1;
}
constexpr int RankOf(int square) {
    return square / 8 + 1;
}

struct Position {
    // FEN letters, upper case White; '.' for an empty square.
    std::array<char, 64> squares{};
    Colour toMove = Colour::White;
    // Castling rights in FEN order: White king-side, White queen-side, Black's two.
    std::array<bool, 4> castling{};
    // The square a pawn may be taken on en passant, or -1.
    int enPassant = -1;
    int halfmoveClock = 0;
    int fullmove = 1;
    bool operator==(const Position&) const = default;
};

struct Move {
    int from = 0;
    int to = 0;
    char promotion = 0;  // 'q', 'r', 'b' or 'n'; 0 for none
    bool operator==(const Move&) const = default;
};

// Which squares a castling king may pass. The engine lets its king pass a square that only a
// pawn attacks; its games are read back with that rule.
enum class CastlingRule { Standard, PawnsIgnored };

Position StartPosition();
// Reads a FEN; false with a message saying what is wrong, and position unchanged. Castling
// rights whose king or rook has left home are dropped.
bool ParseFen(const std::string& fen, Position& position, std::string& error);
std::string FenText(const Position& position);
// Whether the pieces make a position: one king of each colour, no pawn on the first or last
// rank, the side not to move not in check. False with the reason.
bool IsPosition(const Position& position, std::string& error);
// Clears the castling rights whose king or rook is not on its home square.
void DropLostCastlingRights(Position& position);
// "e4" for the square of file 5, rank 4.
std::string SquareName(int square);
// Reads "e2e4", "e7e8q"; false for anything else.
bool ParseMove(const std::string& text, Move& move);
std::string MoveText(const Move& move);

bool IsAttacked(const Position& position, int square, Colour by);
bool InCheck(const Position& position, Colour side);
// The moves that follow the pieces' steps, kings left in check or not.
std::vector<Move> PseudoLegalMoves(const Position& position,
                                   CastlingRule rule = CastlingRule::Standard);
// The legal moves of the side to move; a promotion appears once per piece.
std::vector<Move> LegalMoves(const Position& position, CastlingRule rule = CastlingRule::Standard);
// Plays a legal move: castling moves the rook, en passant takes the passed pawn, the
// rights and the en-passant square follow.
void Play(Position& position, const Move& move);

// Whether side could mate at all, by some series of legal moves with the other side's help:
// what decides a game whose other side's time is up (a loss, or a draw when side could not).
// Not with a bare king, a lone knight or bishop against a bare king, or bishops of one
// square colour only; pieces of the other side can block its king in for a lone minor piece.
bool CanMate(const Position& position, Colour side);

}  // namespace ostrand::chess
