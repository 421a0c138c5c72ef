// The piece rules shared by every generator: the step tables, the square classes and the
// order in which a piece's moves are produced. The list generators, the search, the threat
// marking and the target map all walk a piece through these templates, so that they
// produce the same moves in the same order; only what they do with a move differs. The
// search's capture walk (SquareSets.h) shares the pawn's captures.
//
// The walkers work on cells of Board (Grid::Index) and steps between cells, so that a step
// is one addition; the two-cell border stops every walk inside the array.
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

// The distance between two cells (dx, dy) apart.
constexpr int CellStep(Step s) {
    return s.dx + Grid::Side * s.dy;
}
constexpr int CellStep(int dx, int dy) {
    return CellStep(Step{dx, dy});
}
// The file and the rank of a cell.
constexpr int FileOf(int cell) {
    return cell % Grid::Side - 1;
}
constexpr int RankOf(int cell) {
    return cell / Grid::Side - 1;
}

// A piece's code on a cell; the cell must lie in the array.
inline int16_t At(int cell) {
    return Board.cells[static_cast<size_t>(cell)];
}

enum class Colour { Black, White };

// What a colour needs to know about the squares around its pieces.
template <Colour C>
struct Side {
    static constexpr bool IsBlack = C == Colour::Black;
    // Multiplies a piece's magnitude into this colour's code.
    static constexpr int Sign = IsBlack ? 1 : -1;
    // The rank step of a pawn's advance, and the same as a step between cells.
    static constexpr int Ahead = IsBlack ? -1 : 1;
    static constexpr int AheadStep = Ahead * Grid::Side;
    static constexpr int PawnStartRank = IsBlack ? 7 : 2;
    // The rank on which a pawn becomes a queen.
    static constexpr int LastRank = IsBlack ? 1 : 8;
    // Standard rules: the rank of the square passed over by an enemy pawn's double step,
    // where this colour's pawns take en passant.
    static constexpr int EnPassantRank = IsBlack ? 3 : 6;

    // A piece of the other colour; never the border.
    static constexpr bool IsEnemy(int v) { return IsBlack ? v < 0 : (v > 0 && v != BorderCell); }
    // Empty or enemy: a square a knight or king may step onto.
    static constexpr bool IsFree(int v) { return IsBlack ? v < 1 : (v != BorderCell && v >= 0); }
};

// A slider's moves along one ray: the empty squares nearest first, then at most one capture.
template <Colour C, typename Sink>
inline void WalkRayMoves(int from, int step, Sink&& sink) {
    for (int to = from + step;; to += step) {
        const int v = At(to);
        if (v == EmptyCell) {
            sink(from, to);
            continue;
        }
        if (Side<C>::IsEnemy(v)) sink(from, to);
        return;
    }
}

// Runs a slider's rays in their order: the diagonals of bishops and queens, then the
// straight rays of rooks and queens. ray(dx, dy) gets each ray as its file and rank steps.
template <typename Ray>
inline void WalkSliderRays(int magnitude, Ray&& ray) {
    if (magnitude != Piece::Rook)
        for (const Step& s : DiagonalRays)
            ray(s.dx, s.dy);
    if (magnitude != Piece::Bishop)
        for (const Step& s : StraightRays)
            ray(s.dx, s.dy);
}

// A pawn's captures: each square diagonally ahead that holds an enemy, the higher file first.
template <Colour C, typename Sink>
inline void WalkPawnCaptures(int from, Sink&& sink) {
    constexpr int a = Side<C>::AheadStep;
    if (Side<C>::IsEnemy(At(from + a + 1))) sink(from, from + a + 1);
    if (Side<C>::IsEnemy(At(from + a - 1))) sink(from, from + a - 1);
}

// A knight's or king's moves: each target of its table that is free, in table order.
template <Colour C, typename Sink>
inline void WalkSteps(int from, const Step (&offsets)[8], Sink&& sink) {
    for (const Step& s : offsets)
        if (Side<C>::IsFree(At(from + CellStep(s)))) sink(from, from + CellStep(s));
}

// Every pseudo-legal move of the piece of colour C on the cell from, in generation order.
// Each move goes to sink(from, to); each slider ray goes to ray(dx, dy). Anything but a
// piece of colour C on the cell produces nothing.
template <Colour C, typename Sink, typename Ray>
inline void WalkPieceMoves(int from, Sink&& sink, Ray&& ray) {
    using S = Side<C>;
    constexpr int a = S::AheadStep;
    switch (S::Sign * At(from)) {
        case Piece::Pawn:
            if (At(from + a) == EmptyCell && RankOf(from) == S::PawnStartRank &&
                At(from + 2 * a) == EmptyCell &&
                (!S::IsBlack ||
                 (At(from + 2 * a + 1) != -Piece::Pawn && At(from + 2 * a - 1) != -Piece::Pawn)))
                sink(from, from + 2 * a);
            if (At(from + a) == EmptyCell) sink(from, from + a);
            WalkPawnCaptures<C>(from, sink);
            return;
        case Piece::Knight: WalkSteps<C>(from, KnightOffsets, sink); return;
        case Piece::King: WalkSteps<C>(from, KingOffsets, sink); return;
        case Piece::Bishop:
        case Piece::Rook:
        case Piece::Queen: WalkSliderRays(S::Sign * At(from), ray); return;
        default: return;
    }
}

// Standard rules: the search hands a move over as its from-cell and a target, the to-cell
// with a promotion to a rook, bishop or knight in the bits above it (none: a queen), so that
// every sink keeps its two arguments.
constexpr int PromotionShift = 8;
constexpr int CellOfTarget(int target) {
    return target & ((1 << PromotionShift) - 1);
}
constexpr int16_t UnderPromotions[3] = {Piece::Rook, Piece::Bishop, Piece::Knight};
constexpr int WithPromotion(int cell, int magnitude) {
    return cell | (magnitude == Piece::Rook     ? 1 << PromotionShift
                   : magnitude == Piece::Bishop ? 2 << PromotionShift
                   : magnitude == Piece::Knight ? 3 << PromotionShift
                                                : 0);
}
// The magnitude the pawn of a target's move becomes if it reaches the last rank.
constexpr int16_t PromotionOfTarget(int target) {
    const int index = target >> PromotionShift;
    return index == 0 ? Piece::Queen : UnderPromotions[index - 1];
}

// Standard rules: the en passant capture of the pawn of colour C on the cell from, when
// enPassant (a cell, 0 for none) lies diagonally ahead on its rank, empty, with the enemy
// pawn that passed over it beyond.
template <Colour C, typename Sink>
inline void WalkEnPassant(int from, int enPassant, Sink&& sink) {
    using S = Side<C>;
    constexpr int a = S::AheadStep;
    if (enPassant != 0 && (enPassant == from + a + 1 || enPassant == from + a - 1) &&
        RankOf(enPassant) == S::EnPassantRank && At(enPassant) == EmptyCell &&
        At(enPassant - a) == -S::Sign * Piece::Pawn)
        sink(from, enPassant);
}

// Standard rules: a sink that hands a pawn's move onto the last rank over four times, to a
// queen, a rook, a bishop and a knight, and any other move once.
template <Colour C, typename Sink>
inline auto Promoting(Sink& sink) {
    return [&sink](int pawn, int to) {
        sink(pawn, to);
        if (RankOf(to) == Side<C>::LastRank)
            for (const int16_t piece : UnderPromotions)
                sink(pawn, WithPromotion(to, piece));
    };
}

// Standard rules: a pawn's moves. The double step whatever stands beside its target, the
// single step, the captures, then en passant; a move onto the last rank comes four times,
// promoting to a queen, a rook, a bishop and a knight.
template <Colour C, typename Sink>
inline void WalkStandardPawnMoves(int from, int enPassant, Sink&& sink) {
    using S = Side<C>;
    constexpr int a = S::AheadStep;
    if (At(from + a) == EmptyCell && RankOf(from) == S::PawnStartRank &&
        At(from + 2 * a) == EmptyCell)
        sink(from, from + 2 * a);
    auto promoting = Promoting<C>(sink);
    if (At(from + a) == EmptyCell) promoting(from, from + a);
    WalkPawnCaptures<C>(from, promoting);
    WalkEnPassant<C>(from, enPassant, sink);
}

// Standard rules: what the search follows of a pawn beyond its nominal depth, as
// WalkStandardPawnMoves orders it: the single step onto the last two ranks, the captures
// and en passant.
template <Colour C, typename Sink>
inline void WalkStandardPawnCaptures(int from, int enPassant, Sink&& sink) {
    using S = Side<C>;
    constexpr int a = S::AheadStep;
    auto promoting = Promoting<C>(sink);
    const int rank = RankOf(from);
    if ((S::IsBlack ? rank <= 3 : rank >= 6) && At(from + a) == EmptyCell)
        promoting(from, from + a);
    WalkPawnCaptures<C>(from, promoting);
    WalkEnPassant<C>(from, enPassant, sink);
}

// WalkPieceMoves under a rule set: the standard rules differ in the pawn's moves only.
template <RuleSet R, Colour C, typename Sink, typename Ray>
inline void WalkPieceMovesUnder(int from, Sink&& sink, Ray&& ray) {
    if constexpr (R == RuleSet::Standard)
        if (Side<C>::Sign * At(from) == Piece::Pawn) {
            WalkStandardPawnMoves<C>(from, EnPassantCell, sink);
            return;
        }
    WalkPieceMoves<C>(from, sink, ray);
}

// A slider's ray count in an attack map: the empty squares and the first piece met, of
// either colour; the border is not counted.
inline void CountRay(Grid& map, int from, int step) {
    for (int to = from + step;; to += step) {
        const int v = At(to);
        if (v == BorderCell) return;
        ++map.cells[static_cast<size_t>(to)];
        if (v != EmptyCell) return;
    }
}

// Threat marking: adds to map the squares where the piece of colour C on the cell from
// could capture now. A pawn threatens only where it captures, any other piece where it
// moves; a slider's rays go to ray(dx, dy), which counts them.
template <Colour C, typename Ray>
inline void MarkThreats(Grid& map, int from, Ray&& ray) {
    auto mark = [&map](int, int to) { ++map.cells[static_cast<size_t>(to)]; };
    if (Side<C>::Sign * At(from) == Piece::Pawn)
        WalkPawnCaptures<C>(from, mark);
    else
        WalkPieceMoves<C>(from, mark, ray);
}

}  // namespace ostrand::rules
