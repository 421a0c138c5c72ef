// The static evaluation, seen from Black (the engine): positive favours the engine. It
// holds no material count; the search adds its running material balance to it.
#pragma once

#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "Variables.h"

namespace ostrand {

// The piece-square values of one game stage, read by piece code and square. Each kind of
// cell content (KindOf) has a row over the cells of Board, so that the search reads the
// value of whatever stands on a cell with two loads, and no colour test or board flip.
// Only the twelve piece codes on files and ranks 1..8 are ever written; everything else,
// the empty cell included, stays 0.
class StageTable {
  public:
    int16_t& operator()(int code, int x, int y) {
        assert((code == EmptyCell || KindOf(code) != 0) && InRange(x) && InRange(y));
        return rows_[static_cast<size_t>(KindOf(code))][static_cast<size_t>(Grid::Index(x, y))];
    }
    int16_t operator()(int code, int x, int y) const {
        assert((code == EmptyCell || KindOf(code) != 0) && InRange(x) && InRange(y));
        return rows_[static_cast<size_t>(KindOf(code))][static_cast<size_t>(Grid::Index(x, y))];
    }
    // The value of a piece code (or 0) on a cell of Board.
    int16_t AtCell(int code, int cell) const {
        return rows_[static_cast<size_t>(KindOf(code))][static_cast<size_t>(cell)];
    }

  private:
    static constexpr bool InRange(int v) { return v >= 0 && v <= 8; }
    std::array<std::array<int16_t, Grid::CellCount>, PieceKinds> rows_{};
};

extern StageTable StageTable1;  // the opening: fewer than 12 plies played
extern StageTable StageTable2;  // the middlegame
extern StageTable StageTable3;  // the late middlegame: from ply 36
extern StageTable StageTable4;  // the endgame: a side has fewer than four pieces besides pawns

// The folder the table files are read from; empty means the one FindTableFolder() finds.
extern std::string TableFolder;
// Where the table files are looked for, in order: the program's own folder (a build folder or
// a portable copy), then the shared data folder of an installed copy.
std::vector<std::string> TableFolders();
// The first of TableFolders() that holds any of the 24 files; empty when none does.
std::string FindTableFolder();

// Each loader reads the six files of its stage ("/P1.txt", "/K1.txt" for the knight,
// "/B1.txt", "/R1.txt", "/X1.txt" for the king, "/Q1.txt") into Black's entries and their
// rank-mirrored negatives into White's. A fault (missing file, too few values, a value that
// is no 16-bit number) keeps the entries read before it and is added to TableFaults, as is
// finding no table file anywhere.
void LoadStage1Tables();
void LoadStage2Tables();
void LoadStage3Tables();
void LoadStage4Tables();
// The faults met by the loaders since the list was last cleared, each named once.
extern std::vector<std::string> TableFaults;

// The score of the position on Board for the current Stage; 0 for a Stage outside 1..4.
int16_t Evaluate();

// The search scores millions of positions that differ from the last by one move. It keeps
// the table term and the pawn sets up to date move by move instead of sweeping the board:
// a 16-bit wrapped sum comes out the same in any order, so the result equals Evaluate().
struct RunningEvaluation {
    const StageTable* table;  // the current Stage's table; null outside stages 1..4
    int16_t tableSum;         // the table term over the 64 squares
    uint64_t blackPawns;      // bit (y - 1) * 8 + (x - 1) for every Black pawn on (x, y)
    uint64_t whitePawns;      // the same for White's pawns
    int16_t blackPawnFaults;  // Black's isolated pawns and doubled files
    int16_t whitePawnFaults;  // White's
    int16_t pawnTerm;         // PawnStructure() of the two sets
};
extern RunningEvaluation Running;
// Sets Running from the board and Stage.
void StartRunningEvaluation();

// A move as the evaluation sees it: moved left the cell from (Grid::Index) and placed, the
// same piece or the queen it became, arrived on the cell to, where captured stood.
struct MoveChange {
    int from;
    int to;
    int16_t moved;
    int16_t captured;
    int16_t placed;
};

// The slow paths of the procedures below: a move that concerns a pawn, and stage 4.
void MovePawns(RunningEvaluation& running, const MoveChange& move);
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

// Brings Running up to date after the move. Restoring a saved copy undoes it.
inline void UpdateRunningEvaluation(const MoveChange& m) {
    if (Running.table) Running.tableSum = TableSumAfter(m);
    if (ConcernsPawns(m)) MovePawns(Running, m);
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
    int16_t pawnTerm = Running.pawnTerm;
    if (ConcernsPawns(m)) {
        RunningEvaluation after = Running;
        MovePawns(after, m);
        pawnTerm = after.pawnTerm;
    }
    return static_cast<int16_t>(TableSumAfter(m) + pawnTerm);
}

// PawnStructure() of two pawn sets.
int16_t PawnStructureOf(uint64_t blackPawns, uint64_t whitePawns);
// The sum of the 64 cells: Black's material lead (the kings cancel).
int16_t MaterialSum();
// Isolated and doubled pawns: -25 for Black's, +25 for White's.
int16_t PawnStructure();
// Refills both attack maps with control marking; always 0.
int16_t ComputeControlMaps();
// The end-game king term; sign +1 when the kings should stand close, -1 when apart.
int16_t KingSafety(int16_t sign);

}  // namespace ostrand
