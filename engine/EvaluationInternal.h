// The evaluation as the search uses it: kept up to date move by move instead of being
// computed from the whole board at every scored position. Shared with the search and
// reached by the tests; the programs see only Evaluation.h.
#pragma once

#include <cstdint>
#include <cstdlib>

#include "Evaluation.h"
#include "MoveChange.h"
#include "SquareSets.h"
#include "Variables.h"

namespace ostrand {

// The search scores millions of positions that differ from the last by one move. It keeps
// the table term, the square sets of the pieces and the pawn term up to date move by move:
// a 16-bit wrapped sum comes out the same in any order, so Running stays what
// RunningOfBoard() would compute, which debug builds check at every node.
// The sets use the squares of SquareSets.h: bit (y - 1) * 8 + (x - 1) for (x, y).
struct RunningEvaluation {
    const StageTable* table;  // the current Stage's table; null outside stages 1..4
    int16_t tableSum;         // the table term over the 64 squares
    uint64_t blackPieces;     // the squares of Black's pieces
    uint64_t whitePieces;     // the squares of White's pieces
    uint64_t blackPawns;      // the squares of Black's pawns
    uint64_t whitePawns;      // the squares of White's pawns
    uint64_t blackKings;      // the squares of Black's king (more than one in an edited game)
    uint64_t whiteKings;      // the squares of White's king
    int16_t blackPawnFaults;  // Black's isolated pawns and doubled files
    int16_t whitePawnFaults;  // White's
    int16_t pawnTerm;         // the pawn term of the two pawn sets
    bool operator==(const RunningEvaluation&) const = default;
};
extern RunningEvaluation Running;
// The running evaluation of the board and Stage, computed square by square.
RunningEvaluation RunningOfBoard();
// Sets Running from the board and Stage.
inline void StartRunningEvaluation() {
    Running = RunningOfBoard();
}

// The pawn sets of Running after a move, and the isolated pawns and doubled files of each.
struct PawnSets {
    uint64_t black;
    uint64_t white;
    int16_t blackFaults;
    int16_t whiteFaults;
    int16_t Term() const { return static_cast<int16_t>(25 * (whiteFaults - blackFaults)); }
};

// The slow paths of the procedures below: a move that concerns a pawn, and stage 4.
PawnSets PawnsAfter(const MoveChange& move);
int16_t EvaluateRunningEndgame();
int16_t EvaluateEndgameAfter(const MoveChange& move);

// Most moves are no pawn's business; the pawn term stays as it was.
inline bool ConcernsPawns(const MoveChange& m) {
    return std::abs(m.moved) == Piece::Pawn || std::abs(m.captured) == Piece::Pawn;
}

// The table term of Running after the move.
inline int16_t TableSumAfter(const MoveChange& m) {
    const StageTable& t = *Running.table;
    return static_cast<int16_t>(Running.tableSum + t.AtCell(m.placed, m.to) -
                                t.AtCell(m.moved, m.from) - t.AtCell(m.captured, m.to));
}

// A square set after the move: both squares left, and the arrival square taken if what
// arrives there belongs to the set.
inline uint64_t SetAfter(uint64_t set, const MoveChange& m, bool arrives) {
    const uint64_t to = sets::SetOf(m.to);
    return (set & ~(sets::SetOf(m.from) | to)) | (arrives ? to : 0);
}

// Brings Running up to date after the move. Restoring a saved copy undoes it.
inline void UpdateRunningEvaluation(const MoveChange& m) {
    if (Running.table) Running.tableSum = TableSumAfter(m);
    Running.blackPieces = SetAfter(Running.blackPieces, m, m.placed > 0);
    Running.whitePieces = SetAfter(Running.whitePieces, m, m.placed < 0);
    if (std::abs(m.moved) == Piece::King || std::abs(m.captured) == Piece::King) {
        Running.blackKings = SetAfter(Running.blackKings, m, m.placed == Piece::King);
        Running.whiteKings = SetAfter(Running.whiteKings, m, m.placed == -Piece::King);
    }
    if (ConcernsPawns(m)) {
        const PawnSets pawns = PawnsAfter(m);
        Running.blackPawns = pawns.black;
        Running.whitePawns = pawns.white;
        Running.blackPawnFaults = pawns.blackFaults;
        Running.whitePawnFaults = pawns.whiteFaults;
        Running.pawnTerm = pawns.Term();
    }
}

// Evaluate() of the board that Running describes.
inline int16_t EvaluateRunning() {
    if (!Running.table) return 0;
    if (Stage != 4) return static_cast<int16_t>(Running.tableSum + Running.pawnTerm);
    return EvaluateRunningEndgame();
}

// EvaluateRunning() after the move, which is not made: Board and Running stay as they are.
// Most scored positions are never searched further, so they need no make and take-back.
inline int16_t EvaluateRunningAfter(const MoveChange& m) {
    if (!Running.table) return 0;
    if (Stage == 4) return EvaluateEndgameAfter(m);
    const int16_t pawnTerm = ConcernsPawns(m) ? PawnsAfter(m).Term() : Running.pawnTerm;
    return static_cast<int16_t>(TableSumAfter(m) + pawnTerm);
}

// The checks of a debug build: Running against the board, and a score foreseen for a move
// against the score of the board once the move is made.
inline bool RunningMatchesBoard() {
    return Running == RunningOfBoard();
}
inline bool ForeseenScoreHolds(const MoveChange& m, int16_t foreseen) {
    PlayOnBoard(m);
    const int16_t score = Evaluate();
    TakeBackFromBoard(m);
    return score == foreseen;
}

}  // namespace ostrand
