// The piece rules shared by every generator: the step tables, the square classes and the
// order in which a piece's moves are produced. The list generators, the search's
// generators and the target map all walk a piece through these templates, so that they
// produce the same moves in the same order; only what they do with a move differs.
//
// Internal to the engine; the named per-colour procedures are in MoveGenerator.h and
// MoveGeneratorInternal.h.
#pragma once

#include <cstdint>

#include "Variables.h"

namespace ostrand::rules {

struct Step {
    int dx;
    int dy;
};

// The order of every table is the order in which moves are produced.
constexpr Step KnightOffsets[8] = {{2, 1}, {2, -1}, {-2, -1}, {-2, 1},
                                   {1, 2}, {-1, 2}, {1, -2},  {-1, -2}};
constexpr Step KingOffsets[8] = {{1, 1},  {-1, 1}, {-1, -1}, {1, -1},
                                 {0, -1}, {0, 1},  {-1, 0},  {1, 0}};
constexpr Step DiagonalRays[4] = {{1, 1}, {1, -1}, {-1, 1}, {-1, -1}};
constexpr Step StraightRays[4] = {{0, 1}, {0, -1}, {1, 0}, {-1, 0}};

enum class Colour { Black, White };

// What a colour needs to know about the squares around its pieces.
template <Colour C>
struct Side {
    static constexpr bool IsBlack = C == Colour::Black;
    // Multiplies a piece's magnitude into this colour's code.
    static constexpr int Sign = IsBlack ? 1 : -1;
    // The rank step of a pawn's advance.
    static constexpr int Ahead = IsBlack ? -1 : 1;
    static constexpr int PawnStartRank = IsBlack ? 7 : 2;

    // A piece of the other colour; never the border.
    static constexpr bool IsEnemy(int v) { return IsBlack ? v < 0 : (v > 0 && v != BorderCell); }
    // Empty or enemy: a square a knight or king may step onto.
    static constexpr bool IsFree(int v) { return IsBlack ? v < 1 : (v != BorderCell && v >= 0); }
};

// A slider's moves along one ray: the empty squares nearest first, then at most one capture.
template <Colour C, typename Sink>
inline void WalkRayMoves(int x, int y, int dx, int dy, Sink&& sink) {
    for (int tx = x + dx, ty = y + dy;; tx += dx, ty += dy) {
        const int v = Board(tx, ty);
        if (v == EmptyCell) {
            sink(x, y, tx, ty);
            continue;
        }
        if (Side<C>::IsEnemy(v)) sink(x, y, tx, ty);
        return;
    }
}

// A slider's capture along one ray: empty squares are passed over, the first piece ends it.
template <Colour C, typename Sink>
inline void WalkRayCapture(int x, int y, int dx, int dy, Sink&& sink) {
    // Walks the array itself: the border stops every ray inside it.
    const int step = Grid::Index(dx, dy) - Grid::Index(0, 0);
    int cell = Grid::Index(x, y) + step;
    int k = 1;
    while (Board.cells[static_cast<size_t>(cell)] == EmptyCell) {
        cell += step;
        ++k;
    }
    if (Side<C>::IsEnemy(Board.cells[static_cast<size_t>(cell)]))
        sink(x, y, x + k * dx, y + k * dy);
}

// Runs a slider's rays in their order: the diagonals of bishops and queens, then the
// straight rays of rooks and queens.
template <typename Ray>
inline void WalkSliderRays(int magnitude, Ray&& ray) {
    if (magnitude != Piece::Rook)
        for (const Step& s : DiagonalRays)
            ray(s.dx, s.dy);
    if (magnitude != Piece::Bishop)
        for (const Step& s : StraightRays)
            ray(s.dx, s.dy);
}

// Every pseudo-legal move of the piece of colour C on (x, y), in generation order. Each
// move goes to sink(x1, y1, x2, y2); each slider ray goes to ray(dx, dy). Anything but a
// piece of colour C on (x, y) produces nothing.
template <Colour C, typename Sink, typename Ray>
inline void WalkPieceMoves(int x, int y, Sink&& sink, Ray&& ray) {
    using S = Side<C>;
    constexpr int a = S::Ahead;
    switch (S::Sign * Board(x, y)) {
        case Piece::Pawn:
            if (Board(x, y + a) == EmptyCell && y == S::PawnStartRank &&
                Board(x, y + 2 * a) == EmptyCell &&
                (!S::IsBlack || (Board(x + 1, y + 2 * a) != -Piece::Pawn &&
                                 Board(x - 1, y + 2 * a) != -Piece::Pawn)))
                sink(x, y, x, y + 2 * a);
            if (Board(x, y + a) == EmptyCell) sink(x, y, x, y + a);
            if (S::IsEnemy(Board(x + 1, y + a))) sink(x, y, x + 1, y + a);
            if (S::IsEnemy(Board(x - 1, y + a))) sink(x, y, x - 1, y + a);
            return;
        case Piece::Knight:
            for (const Step& s : KnightOffsets)
                if (S::IsFree(Board(x + s.dx, y + s.dy))) sink(x, y, x + s.dx, y + s.dy);
            return;
        case Piece::King:
            for (const Step& s : KingOffsets)
                if (S::IsFree(Board(x + s.dx, y + s.dy))) sink(x, y, x + s.dx, y + s.dy);
            return;
        case Piece::Bishop:
        case Piece::Rook:
        case Piece::Queen: WalkSliderRays(S::Sign * Board(x, y), ray); return;
        default: return;
    }
}

// The moves that the search follows beyond its nominal depth: captures, and a pawn's
// single step onto the last two ranks.
template <Colour C, typename Sink, typename Ray>
inline void WalkPieceCaptures(int x, int y, Sink&& sink, Ray&& ray) {
    using S = Side<C>;
    constexpr int a = S::Ahead;
    switch (S::Sign * Board(x, y)) {
        case Piece::Pawn:
            if (Board(x, y + a) == EmptyCell && (S::IsBlack ? y <= 3 : y >= 6))
                sink(x, y, x, y + a);
            if (S::IsEnemy(Board(x + 1, y + a))) sink(x, y, x + 1, y + a);
            if (S::IsEnemy(Board(x - 1, y + a))) sink(x, y, x - 1, y + a);
            return;
        case Piece::Knight:
            for (const Step& s : KnightOffsets)
                if (S::IsEnemy(Board(x + s.dx, y + s.dy))) sink(x, y, x + s.dx, y + s.dy);
            return;
        case Piece::King:
            for (const Step& s : KingOffsets)
                if (S::IsEnemy(Board(x + s.dx, y + s.dy))) sink(x, y, x + s.dx, y + s.dy);
            return;
        case Piece::Bishop:
        case Piece::Rook:
        case Piece::Queen: WalkSliderRays(S::Sign * Board(x, y), ray); return;
        default: return;
    }
}

// A slider's ray count in an attack map: the empty squares and the first piece met, of
// either colour; the border is not counted.
inline void CountRay(Grid& map, int x, int y, int dx, int dy) {
    for (int tx = x + dx, ty = y + dy;; tx += dx, ty += dy) {
        const int v = Board(tx, ty);
        if (v == BorderCell) return;
        ++map(tx, ty);
        if (v != EmptyCell) return;
    }
}

// Adds the squares that the piece of colour C on (x, y) attacks to map. Threat marking
// counts where the piece could capture now; control marking counts every square it
// covers, whatever stands there (border cells included for pawns, knights and kings).
template <Colour C, bool Control, typename Ray>
inline void MarkPiece(Grid& map, int x, int y, Ray&& ray) {
    using S = Side<C>;
    constexpr int a = S::Ahead;
    auto mark = [&](int tx, int ty, bool free) {
        if (Control || free) ++map(tx, ty);
    };
    switch (S::Sign * Board(x, y)) {
        case Piece::Pawn:
            if (Control) ++map(x, y + a);
            mark(x + 1, y + a, S::IsEnemy(Board(x + 1, y + a)));
            mark(x - 1, y + a, S::IsEnemy(Board(x - 1, y + a)));
            return;
        case Piece::Knight:
            for (const Step& s : KnightOffsets)
                mark(x + s.dx, y + s.dy, S::IsFree(Board(x + s.dx, y + s.dy)));
            return;
        case Piece::King:
            for (const Step& s : KingOffsets)
                mark(x + s.dx, y + s.dy, S::IsFree(Board(x + s.dx, y + s.dy)));
            return;
        case Piece::Bishop:
        case Piece::Rook:
        case Piece::Queen: WalkSliderRays(S::Sign * Board(x, y), ray); return;
        default: return;
    }
}

}  // namespace ostrand::rules
