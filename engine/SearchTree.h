// The search below the root, written once for both rule sets and compiled once for each, in
// a translation unit of its own: Search.cpp holds the designed rules' tree and the root,
// SearchStandard.cpp the standard rules' tree. So the designed rules' search never asks
// which rules hold, and is compiled as it would be alone. Under the standard rules a move's
// to-cell may carry a promotion (a target, PieceRules.h), and every make and take-back keeps
// EnPassantCell.
//
// Internal to the search: only Search.cpp and SearchStandard.cpp include it. Its procedures
// are those of the alpha-beta recursion, with the rule set as a template parameter.
#pragma once

#include <algorithm>
#include <bit>
#include <cassert>
#include <cstdint>
#include <cstdlib>
#include <type_traits>

#include "EvaluationInternal.h"
#include "MoveChange.h"
#include "PieceRules.h"
#include "SearchInternal.h"
#include "SquareSets.h"
#include "Variables.h"

namespace ostrand {

namespace tree {

// The ply of the deepest node any iteration reaches.
constexpr size_t PlyCount = DeepestDepth + 3;

// The nodes' principal lines: the node at ply p holds lineLength[p] moves in lines[p], the
// best line below it found so far (Search.cpp).
struct LineMove {
    uint8_t from;
    uint16_t to;  // a target: the to-cell and a promotion (PieceRules.h)
};
extern std::array<std::array<LineMove, PlyCount>, PlyCount> lines;
extern std::array<uint8_t, PlyCount> lineLength;

// The host may handle its input once in this many nodes (a power of two).
constexpr int64_t PollInterval = 4096;
// Once in PollInterval nodes: the host's turn, and the end of a budget's time (Search.cpp).
void Poll();
// Cuts the running iteration short, when it may (Search.cpp).
void Abandon();
// Records a root move and its score, the move still on the board (Search.cpp).
void RecordRootMove(int from, int to);

// The entry points of each rule set's tree, in that rule set's translation unit.
void TryBlackDesigned(int from, int target);
void TryBlackStandard(int from, int target);
void ExpandBlackOrderedDesigned();
void ExpandBlackOrderedStandard();
void ExpandWhiteOrderedDesigned();
void ExpandWhiteOrderedStandard();

}  // namespace tree

namespace {

using rules::Colour;
using tree::lineLength;
using tree::lines;
using tree::PlyCount;
using tree::PollInterval;

// Appends the line below the node at ply parent + 1 to the move that begins the parent's.
// Out of line: most new bests are moves scored without being made, which end their line.
[[gnu::noinline]] void AppendLineBelow(size_t parent) {
    const uint8_t below = lineLength[parent + 1];
    std::copy_n(lines[parent + 1].begin(), below, lines[parent].begin() + 1);
    lineLength[parent] = static_cast<uint8_t>(below + 1);
}

// The move from the node at ply - 1 has become that node's best: its line is the move and
// then, when the move was made and searched, the line below it.
inline void ExtendLine(int ply, int from, int to, bool searched) {
    const auto parent = static_cast<size_t>(ply - 1);
    lines[parent][0] = {static_cast<uint8_t>(from), static_cast<uint16_t>(to)};
    if (searched)
        AppendLineBelow(parent);
    else
        lineLength[parent] = 1;
}

// The start of every try: counts the node, polls once in PollInterval nodes and looks at
// the stop request, one relaxed load.
inline void EnterNode() {
    if ((++NodeCount & (PollInterval - 1)) == 0) [[unlikely]]
        tree::Poll();
    if (StopRequested.load(std::memory_order_relaxed)) [[unlikely]]
        tree::Abandon();
}

template <RuleSet R>
void TryBlack(int from, int to);
template <RuleSet R>
void TryWhite(int from, int to);

template <Colour C, RuleSet R>
[[gnu::always_inline]] inline void Try(int from, int to) {
    if constexpr (C == Colour::Black)
        TryBlack<R>(from, to);
    else
        TryWhite<R>(from, to);
}

// Material after the move: less what it captured, plus a promotion's gain.
int16_t MaterialAfter(const MoveChange& m) {
    return static_cast<int16_t>(Material + (m.placed - m.moved) - m.captured);
}

// What a try procedure restores when it takes its move back.
struct Undo {
    RunningEvaluation running;
    int16_t material;
};

// The squares of each colour's pieces, which the running evaluation keeps in step with
// Board.
sets::Occupancy PiecesNow() {
    return {Running.blackPieces, Running.whitePieces};
}

// Plays the move on Board and brings the search's running state up to date.
[[gnu::always_inline]] inline Undo Make(const MoveChange& m) {
    const Undo undo{Running, Material};
    PlayOnBoard(m);
    Material = MaterialAfter(m);
    UpdateRunningEvaluation(m);
    assert(Material == MaterialSum() && RunningMatchesBoard());
    return undo;
}

void Unmake(const MoveChange& m, const Undo& undo) {
    TakeBackFromBoard(m);
    Running = undo.running;
    Material = undo.material;
}

// A move of the ordered expanders, and the buffers they reuse at each ply so that the
// shallow plies allocate only while the buffers grow.
// Under the standard rules a move's to-cell is a target, which may carry a promotion.
template <RuleSet R>
struct OrderedMove {
    uint8_t from;
    std::conditional_t<R == RuleSet::Standard, uint16_t, uint8_t> to;
};
template <RuleSet R>
struct OrderedBuffer {
    std::vector<OrderedMove<R>> moves;
    std::vector<int16_t> scores;
};
template <RuleSet R>
std::array<OrderedBuffer<R>, PlyCount> orderedBuffers;

// A move's static pre-score: the evaluation after it, with a promotion to a queen counting
// only 80 (and any other promotion nothing), not the piece's worth.
template <Colour C, RuleSet R>
int16_t PreScore(int from, int target) {
    constexpr int promotionBonus = rules::Side<C>::Sign * 80;
    if constexpr (R == RuleSet::Standard) {
        const StandardChange s = StandardChangeOf<C>(from, target);
        if (s.enPassant) {
            const Undo undo = Make(s.first);
            const auto score = static_cast<int16_t>(EvaluateRunningAfter(s.second) + Material);
            Unmake(s.first, undo);
            return score;
        }
        const MoveChange& m = s.first;
        const int bonus = m.placed != m.moved && rules::PromotionOfTarget(target) == Piece::Queen
                              ? promotionBonus
                              : 0;
        return static_cast<int16_t>(EvaluateRunningAfter(m) + Material + bonus - m.captured);
    } else {
        const MoveChange m = ChangeOf<C>(from, target);
        const int bonus = m.placed != m.moved ? promotionBonus : 0;
        return static_cast<int16_t>(EvaluateRunningAfter(m) + Material + bonus - m.captured);
    }
}

template <Colour C, RuleSet R>
void ExpandOrdered() {
    using S = rules::Side<C>;
    constexpr int sign = S::Sign;
    OrderedBuffer<R>& buffer = orderedBuffers<R>[static_cast<size_t>(Ply)];
    auto& moves = buffer.moves;
    auto& scores = buffer.scores;
    moves.clear();
    auto keep = [&](int from, int to) {
        moves.push_back({static_cast<uint8_t>(from), static_cast<decltype(moves[0].to)>(to)});
    };
    for (sets::SquareSet own = PiecesNow().Own<C>(); own; own &= own - 1) {
        const int from = sets::CellOf(std::countr_zero(own));
        rules::WalkPieceMovesUnder<R, C>(from, keep, [&](int dx, int dy) {
            rules::WalkRayMoves<C>(from, rules::CellStep(dx, dy), keep);
        });
    }

    scores.resize(moves.size());
    for (size_t k = 0; k < moves.size(); ++k)
        scores[k] = PreScore<C, R>(moves[k].from, moves[k].to);

    // Best first: Black the highest pre-score, White the lowest, the earliest of equals.
    for (size_t tried = 0; tried < moves.size(); ++tried) {
        int16_t best = static_cast<int16_t>(-sign * Infinity);
        size_t pick = moves.size();
        for (size_t k = 0; k < moves.size(); ++k)
            if (S::IsBlack ? scores[k] > best : scores[k] < best) {
                best = scores[k];
                pick = k;
            }
        if (pick == moves.size()) return;  // only scores at the infinity are left
        scores[pick] = static_cast<int16_t>(-sign * Infinity);
        Try<C, R>(moves[pick].from, moves[pick].to);
        if (CutoffFlag == Yes) {
            CutoffFlag = No;
            return;
        }
    }
}

// Hands every piece of colour C to its generator, rank by rank, until a cut-off. The
// board is the same before each piece, so the set taken at the start names them all.
template <Colour C, bool CapturesOnly, RuleSet R>
void Expand() {
    const sets::Occupancy now = PiecesNow();
    assert(now == sets::OccupancyOfBoard());
    sets::SquareSet pieces = now.Own<C>();
    // A piece without a move leaves the cut-off flag as it is; unless the flag is already
    // up, which ends the expansion after the first piece, such pieces can be passed over.
    // The filter does not know en passant.
    if (CapturesOnly && CutoffFlag != Yes && (R == RuleSet::Designed || EnPassantCell == 0)) {
        const uint64_t pawns = C == Colour::Black ? Running.blackPawns : Running.whitePawns;
        pieces = sets::MayCapture<C>(pieces, pawns, now);
    }
    for (; pieces; pieces &= pieces - 1) {
        const int from = sets::CellOf(std::countr_zero(pieces));
        if constexpr (CapturesOnly && R == RuleSet::Standard) {
            if (std::abs(rules::At(from)) == Piece::Pawn)
                rules::WalkStandardPawnCaptures<C>(from, EnPassantCell, Try<C, R>);
            else
                sets::WalkPieceCaptures<C>(from, now, Try<C, R>);
        } else if constexpr (CapturesOnly) {
            sets::WalkPieceCaptures<C>(from, now, Try<C, R>);
        } else if constexpr (R == RuleSet::Standard) {
            rules::WalkPieceMovesUnder<R, C>(from, Try<C, R>, [from](int dx, int dy) {
                rules::WalkRayMoves<C>(from, rules::CellStep(dx, dy), Try<C, R>);
            });
        } else {
            rules::WalkPieceMoves<C>(from, Try<C, R>, [from](int dx, int dy) {
                rules::WalkRayMoves<C>(from, rules::CellStep(dx, dy), Try<C, R>);
            });
        }
        if (CutoffFlag == Yes) {
            CutoffFlag = No;
            return;
        }
    }
}

template <RuleSet R>
void ExpandBlack() {
    Expand<Colour::Black, false, R>();
}
template <RuleSet R>
void ExpandBlackCaptures() {
    Expand<Colour::Black, true, R>();
}
template <RuleSet R>
void ExpandWhite() {
    Expand<Colour::White, false, R>();
}
template <RuleSet R>
void ExpandWhiteCaptures() {
    Expand<Colour::White, true, R>();
}
template <RuleSet R>
void ExpandBlackOrdered() {
    ExpandOrdered<Colour::Black, R>();
}
template <RuleSet R>
void ExpandWhiteOrdered() {
    ExpandOrdered<Colour::White, R>();
}

// Passes the value of a White move up to the Black node above it, and raises the cut-off
// flag when that node can no longer matter to the White node above it.
inline void PassUpWhite(int ply, int from, int to, bool searched) {
    if (PlyValue(ply) < PlyValue(ply - 1)) {
        PlyValue(ply - 1) = PlyValue(ply);
        ExtendLine(ply, from, to, searched);
    }
    if (PlyValue(ply - 1) <= PlyValue(ply - 2)) CutoffFlag = Yes;
}

// The move of colour C from a cell to a target as the try procedures make it: under the
// designed rules one change, under the standard rules a StandardChange (en passant is two).
template <Colour C, RuleSet R>
auto ChangeUnder(int from, int to) {
    if constexpr (R == RuleSet::Standard)
        return StandardChangeOf<C>(from, to);
    else
        return ChangeOf<C>(from, to);
}

// The change made first, which holds what the move captures.
inline const MoveChange& First(const MoveChange& m) {
    return m;
}
inline const MoveChange& First(const StandardChange& s) {
    return s.first;
}

// Standard rules: sets EnPassantCell for the position after a move of colour C and returns
// the cell to restore when the move is taken back. Nothing under the designed rules.
template <Colour C, RuleSet R, typename Change>
int PassEnPassant(const Change& m) {
    if constexpr (R == RuleSet::Standard) {
        const int before = EnPassantCell;
        EnPassantCell = m.enPassant ? 0 : EnPassantAfter<C>(m.first);
        return before;
    } else {
        return 0;
    }
}

template <RuleSet R>
void RestoreEnPassant(int before) {
    if constexpr (R == RuleSet::Standard) EnPassantCell = before;
}

template <RuleSet R>
void TryBlack(int from, int to) {
    EnterNode();
    ++Ply;
    lineLength[static_cast<size_t>(Ply)] = 0;
    const auto m = ChangeUnder<Colour::Black, R>(from, to);
    const int enPassant = PassEnPassant<Colour::Black, R>(m);
    const Undo undo = Make(First(m));
    if constexpr (R == RuleSet::Standard)
        if (m.enPassant) Make(m.second);
    if (First(m).captured == -Piece::King) {
        PlyValue(Ply) = Material;
    } else {
        PlyValue(Ply) = PlyValue(Ply - 2);
        if (Ply < SearchDepth - 2) {
            ExpandWhiteOrdered<R>();
        } else if (Ply > SearchDepth) {
            PlyValue(Ply) = Material;  // White may decline to capture
            ExpandWhiteCaptures<R>();
        } else {
            ExpandWhite<R>();
        }
    }
    if (PlyValue(Ply) > PlyValue(Ply - 1)) {
        PlyValue(Ply - 1) = PlyValue(Ply);
        ExtendLine(Ply, from, to, true);
    }
    // The White node two plies up will not allow this line.
    if (PlyValue(Ply - 1) >= PlyValue(Ply - 2)) CutoffFlag = Yes;
    if (Ply == 1) tree::RecordRootMove(from, to);
    if constexpr (R == RuleSet::Standard)
        if (m.enPassant) TakeBackFromBoard(m.second);
    Unmake(First(m), undo);
    RestoreEnPassant<R>(enPassant);
    --Ply;
}

// A White move whose position is scored, not searched: at or beyond the nominal depth if
// it captures nothing, at MaxPly, or when it takes the Black king.
bool IsScoredAt(int ply, int16_t captured) {
    return (ply >= SearchDepth && captured == EmptyCell) || ply >= MaxPly ||
           captured == Piece::King;
}

// A White move whose replies are searched (under the standard rules also an en passant
// capture, which is made to be scored). Kept out of line, so that the scoring of the other
// White moves stays small where the generators take it in.
template <RuleSet R>
[[gnu::noinline]] void SearchWhiteMove(int from, int to) {
    ++Ply;
    lineLength[static_cast<size_t>(Ply)] = 0;
    const auto m = ChangeUnder<Colour::White, R>(from, to);
    const int enPassant = PassEnPassant<Colour::White, R>(m);
    const Undo undo = Make(First(m));
    bool searched = true;
    if constexpr (R == RuleSet::Standard) {
        if (m.enPassant) Make(m.second);
        searched = !IsScoredAt(Ply, First(m).captured);
        if (!searched) PlyValue(Ply) = static_cast<int16_t>(EvaluateRunning() + Material);
    }
    if (searched) {
        PlyValue(Ply) = PlyValue(Ply - 2);
        if (Ply < SearchDepth - 3) {
            ExpandBlackOrdered<R>();
        } else if (Ply >= SearchDepth) {
            PlyValue(Ply) = Material;  // Black may decline to capture
            ExpandBlackCaptures<R>();
        } else {
            ExpandBlack<R>();
        }
    }
    if constexpr (R == RuleSet::Standard)
        if (m.enPassant) TakeBackFromBoard(m.second);
    Unmake(First(m), undo);
    RestoreEnPassant<R>(enPassant);
    PassUpWhite(Ply, from, to, searched);
    --Ply;
}

// Most White moves end their line; they are scored without being made, inside the generator
// that found them.
template <RuleSet R>
[[gnu::always_inline]] inline void TryWhite(int from, int to) {
    EnterNode();
    if constexpr (R == RuleSet::Standard) {
        // En passant is a move to be made.
        const StandardChange s = StandardChangeOf<Colour::White>(from, to);
        if (s.enPassant || !IsScoredAt(Ply + 1, s.first.captured)) {
            SearchWhiteMove<R>(from, to);
            return;
        }
        const int ply = Ply + 1;
        const int16_t score = EvaluateRunningAfter(s.first);
        assert(ForeseenScoreHolds(s.first, score));
        PlyValue(ply) = static_cast<int16_t>(score + MaterialAfter(s.first));
        PassUpWhite(ply, from, to, false);
    } else {
        if (!IsScoredAt(Ply + 1, rules::At(to))) {
            SearchWhiteMove<R>(from, to);
            return;
        }
        const int ply = Ply + 1;  // the move is not made, so Ply need not follow it
        const MoveChange m = ChangeOf<Colour::White>(from, to);
        const int16_t score = EvaluateRunningAfter(m);
        assert(ForeseenScoreHolds(m, score));
        PlyValue(ply) = static_cast<int16_t>(score + MaterialAfter(m));
        PassUpWhite(ply, from, to, false);
    }
}

}  // namespace

}  // namespace ostrand
