// A move as a change of two cells of Board, and the one way every part of the engine that
// makes moves plays and takes back a move that is no castling: the search, the evaluation's
// look ahead and the legality tests.
//
// Internal to the engine.
#pragma once

#include <cstdint>

#include "PieceRules.h"
#include "Variables.h"

namespace ostrand {

// moved left the cell from (Grid::Index) and placed, the same piece or the queen it became,
// arrived on the cell to, where captured stood.
struct MoveChange {
    int from;
    int to;
    int16_t moved;
    int16_t captured;
    int16_t placed;
};

// The move of colour C from one cell to another on the board as it stands; a pawn reaching
// its last rank queens.
template <rules::Colour C>
inline MoveChange ChangeOf(int from, int to) {
    using S = rules::Side<C>;
    const int16_t moved = rules::At(from);
    // Cells are numbered rank by rank, so the last rank's cells lie at one end of the board;
    // the border beyond them is never a move's target.
    constexpr int lastRankEdge = Grid::Index(S::IsBlack ? 8 : 1, S::LastRank);
    const bool promotes =
        moved == S::Sign * Piece::Pawn && (S::IsBlack ? to <= lastRankEdge : to >= lastRankEdge);
    return {from, to, moved, rules::At(to),
            promotes ? static_cast<int16_t>(S::Sign * Piece::Queen) : moved};
}

// The same for whatever stands on the cell from.
inline MoveChange ChangeOf(int from, int to) {
    return rules::At(from) > 0 ? ChangeOf<rules::Colour::Black>(from, to)
                               : ChangeOf<rules::Colour::White>(from, to);
}

// Standard rules: a move from a cell to a target (a cell with a promotion, PieceRules.h) of
// colour C. En passant is two changes, each an ordinary one: the pawn takes the pawn beside
// it, then steps on to the square that pawn passed over; any other move is first alone.
struct StandardChange {
    MoveChange first;
    MoveChange second;
    bool enPassant;
};

template <rules::Colour C>
inline StandardChange StandardChangeOf(int from, int target) {
    using S = rules::Side<C>;
    const int to = rules::CellOfTarget(target);
    MoveChange m = ChangeOf<C>(from, to);
    if (m.placed != m.moved)
        m.placed = static_cast<int16_t>(S::Sign * rules::PromotionOfTarget(target));
    // Only en passant takes a pawn diagonally onto an empty square.
    const int step = to - from;
    if (m.moved != S::Sign * Piece::Pawn || m.captured != EmptyCell || step == S::AheadStep ||
        step == 2 * S::AheadStep)
        return {m, m, false};
    const int beside = to - S::AheadStep;
    const MoveChange take{from, beside, m.moved, rules::At(beside), m.moved};
    return {take, {beside, to, m.moved, EmptyCell, m.moved}, true};
}

// Standard rules: the en passant cell after a move of colour C, as the other side sees it.
template <rules::Colour C>
inline int EnPassantAfter(const MoveChange& m) {
    using S = rules::Side<C>;
    return m.moved == S::Sign * Piece::Pawn && m.to - m.from == 2 * S::AheadStep
               ? m.from + S::AheadStep
               : 0;
}

inline void PlayOnBoard(const MoveChange& m) {
    Board.cells[static_cast<size_t>(m.to)] = m.placed;
    Board.cells[static_cast<size_t>(m.from)] = EmptyCell;
}

// In this order, so that the null move, whose cells coincide, restores the border.
inline void TakeBackFromBoard(const MoveChange& m) {
    Board.cells[static_cast<size_t>(m.from)] = m.moved;
    Board.cells[static_cast<size_t>(m.to)] = m.captured;
}

}  // namespace ostrand
