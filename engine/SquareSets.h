// Sets of squares as 64-bit words, for the questions the search asks millions of times a
// second: where are a colour's pieces, and which enemy piece could a piece capture. They
// answer what walking the board would answer, in a few instructions instead of a walk.
//
// Internal to the engine.
#pragma once

#include <array>
#include <bit>
#include <cstdint>

#include "PieceRules.h"
#include "Variables.h"

namespace ostrand::sets {

// Bit (y - 1) * 8 + (x - 1) stands for the square (x, y): ascending bits run rank by rank
// from rank 1, file 1 first, which is the order in which the search visits the pieces.
using SquareSet = uint64_t;

// The file and rank steps of ray r of the ray tables: the diagonals 0 to 3, then the
// straight rays 4 to 7, each in the order of its table.
constexpr rules::Step RayStep(int r) {
    return r < 4 ? rules::DiagonalRays[r] : rules::StraightRays[r - 4];
}

namespace detail {

struct Tables {
    std::array<int8_t, Grid::CellCount> squareOfCell{};  // -1 for the border
    std::array<uint8_t, 64> cellOfSquare{};
    // The squares of each ray of a slider, in the order of DiagonalRays then StraightRays.
    std::array<std::array<SquareSet, 8>, 64> rays{};
    std::array<SquareSet, 64> knightReach{};  // the targets of KnightOffsets on the board
    std::array<SquareSet, 64> kingReach{};    // the targets of KingOffsets on the board
    // The squares a pawn of each colour captures on, Black's first.
    std::array<std::array<SquareSet, 64>, 2> pawnReach{};
    std::array<SquareSet, 64> diagonals{};  // the four diagonal rays together
    std::array<SquareSet, 64> straights{};  // the four straight rays together
};

constexpr Tables MakeTables() {
    Tables t;
    t.squareOfCell.fill(-1);
    auto onBoard = [](int x, int y) { return x >= 1 && x <= 8 && y >= 1 && y <= 8; };
    auto bit = [](int x, int y) { return SquareSet{1} << ((y - 1) * 8 + (x - 1)); };
    for (int y = 1; y <= 8; ++y)
        for (int x = 1; x <= 8; ++x) {
            const int square = (y - 1) * 8 + (x - 1);
            t.squareOfCell[static_cast<size_t>(Grid::Index(x, y))] = static_cast<int8_t>(square);
            t.cellOfSquare[static_cast<size_t>(square)] = static_cast<uint8_t>(Grid::Index(x, y));
            for (int r = 0; r < 8; ++r) {
                const rules::Step s = RayStep(r);
                for (int tx = x + s.dx, ty = y + s.dy; onBoard(tx, ty); tx += s.dx, ty += s.dy)
                    t.rays[square][r] |= bit(tx, ty);
                (r < 4 ? t.diagonals : t.straights)[square] |= t.rays[square][r];
            }
            for (const rules::Step& s : rules::KnightOffsets)
                if (onBoard(x + s.dx, y + s.dy)) t.knightReach[square] |= bit(x + s.dx, y + s.dy);
            for (const rules::Step& s : rules::KingOffsets)
                if (onBoard(x + s.dx, y + s.dy)) t.kingReach[square] |= bit(x + s.dx, y + s.dy);
            // Black's pawns capture towards rank 1, White's towards rank 8.
            for (int dx : {1, -1}) {
                if (onBoard(x + dx, y - 1)) t.pawnReach[0][square] |= bit(x + dx, y - 1);
                if (onBoard(x + dx, y + 1)) t.pawnReach[1][square] |= bit(x + dx, y + 1);
            }
        }
    return t;
}

inline constexpr Tables TheTables = MakeTables();

}  // namespace detail

// The square of a cell of Board on the 8 x 8 board, and back.
inline int SquareOf(int cell) {
    return detail::TheTables.squareOfCell[static_cast<size_t>(cell)];
}
inline int CellOf(int square) {
    return detail::TheTables.cellOfSquare[static_cast<size_t>(square)];
}
// The set of one cell on the board.
inline SquareSet SetOf(int cell) {
    return SquareSet{1} << SquareOf(cell);
}

// The squares of each colour's pieces.
struct Occupancy {
    SquareSet black = 0;
    SquareSet white = 0;
    bool operator==(const Occupancy&) const = default;

    template <rules::Colour C>
    SquareSet Own() const {
        return C == rules::Colour::Black ? black : white;
    }
};

// The pieces on Board, counted square by square.
inline Occupancy OccupancyOfBoard() {
    Occupancy o;
    for (int square = 0; square < 64; ++square) {
        const int v = rules::At(CellOf(square));
        if (v > 0) o.black |= SquareSet{1} << square;
        if (v < 0) o.white |= SquareSet{1} << square;
    }
    return o;
}

// The square nearest to the start of ray r among blockers, squares of that ray (not none):
// towards higher squares the lowest bit, else the highest.
inline int NearestOnRay(int r, SquareSet blockers) {
    return rules::CellStep(RayStep(r)) > 0 ? std::countr_zero(blockers)
                                           : 63 - std::countl_zero(blockers);
}

// A slider's capture along ray r from the cell from: the first piece on the ray, if it is
// an enemy, goes to sink(from, to).
template <rules::Colour C, typename Sink>
inline void WalkRayCapture(int from, int r, const Occupancy& pieces, Sink&& sink) {
    const SquareSet enemy = C == rules::Colour::Black ? pieces.white : pieces.black;
    const SquareSet ray = detail::TheTables.rays[static_cast<size_t>(SquareOf(from))][r];
    if (!(ray & enemy)) return;
    const int nearest = NearestOnRay(r, ray & (pieces.black | pieces.white));
    if (enemy & (SquareSet{1} << nearest)) sink(from, CellOf(nearest));
}

// WalkRayCapture over the rays First to Last - 1, with each ray's direction known.
template <rules::Colour C, int First, int Last, typename Sink>
inline void WalkRayCaptures(int from, const Occupancy& pieces, Sink&& sink) {
    if constexpr (First < Last) {
        WalkRayCapture<C>(from, First, pieces, sink);
        WalkRayCaptures<C, First + 1, Last>(from, pieces, sink);
    }
}

// The moves that the search follows beyond its nominal depth, for the piece of colour C on
// the cell from: captures, and a pawn's single step onto the last two ranks, each to
// sink(from, to) in generation order. Most pieces reach no enemy, which one test of their
// reach shows; a slider's ray goes straight to its first piece.
template <rules::Colour C, typename Sink>
inline void WalkPieceCaptures(int from, const Occupancy& pieces, Sink&& sink) {
    using S = rules::Side<C>;
    using rules::At;
    const detail::Tables& t = detail::TheTables;
    const SquareSet enemy = C == rules::Colour::Black ? pieces.white : pieces.black;
    const auto square = static_cast<size_t>(SquareOf(from));
    // A knight's or king's captures, in the order of its table; a single one needs no walk.
    auto steps = [&](SquareSet targets, const rules::Step(&offsets)[8]) {
        if (!targets) return;
        if (!(targets & (targets - 1))) {
            sink(from, CellOf(std::countr_zero(targets)));
            return;
        }
        for (const rules::Step& s : offsets)
            if (S::IsEnemy(At(from + rules::CellStep(s)))) sink(from, from + rules::CellStep(s));
    };
    switch (S::Sign * At(from)) {
        case Piece::Pawn: {
            constexpr int a = S::AheadStep;
            const int rank = static_cast<int>(square / 8) + 1;
            if ((S::IsBlack ? rank <= 3 : rank >= 6) && At(from + a) == EmptyCell)
                sink(from, from + a);
            if (t.pawnReach[S::IsBlack ? 0 : 1][square] & enemy)
                rules::WalkPawnCaptures<C>(from, sink);
            return;
        }
        case Piece::Knight: steps(t.knightReach[square] & enemy, rules::KnightOffsets); return;
        case Piece::King: steps(t.kingReach[square] & enemy, rules::KingOffsets); return;
        case Piece::Bishop:
            if (t.diagonals[square] & enemy) WalkRayCaptures<C, 0, 4>(from, pieces, sink);
            return;
        case Piece::Rook:
            if (t.straights[square] & enemy) WalkRayCaptures<C, 4, 8>(from, pieces, sink);
            return;
        case Piece::Queen:
            if ((t.diagonals[square] | t.straights[square]) & enemy)
                WalkRayCaptures<C, 0, 8>(from, pieces, sink);
            return;
        default: return;
    }
}

// The pieces of colour C for which WalkPieceCaptures may find a move: all but the pawns,
// and of the pawns (a subset of own) those with an enemy diagonally ahead or an empty
// square ahead on the last two ranks. The others have nothing to hand over.
template <rules::Colour C>
inline SquareSet MayCapture(SquareSet own, SquareSet pawns, const Occupancy& pieces) {
    constexpr SquareSet FileA = 0x0101010101010101ULL;
    constexpr SquareSet FileH = FileA << 7;
    const SquareSet enemy = C == rules::Colour::Black ? pieces.white : pieces.black;
    const SquareSet empty = ~(pieces.black | pieces.white);
    // The squares a pawn must stand on to capture an enemy diagonally ahead, or to step.
    SquareSet capturing, stepping;
    if constexpr (C == rules::Colour::Black) {
        capturing = ((enemy << 7) & ~FileH) | ((enemy << 9) & ~FileA);
        stepping = (empty << 8) & 0x0000000000FFFF00ULL;  // ranks 2 and 3
    } else {
        capturing = ((enemy >> 9) & ~FileH) | ((enemy >> 7) & ~FileA);
        stepping = (empty >> 8) & 0x00FFFF0000000000ULL;  // ranks 6 and 7
    }
    return (own & ~pawns) | (pawns & (capturing | stepping));
}

}  // namespace ostrand::sets
