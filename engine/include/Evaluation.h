// The static evaluation, seen from Black (the engine): positive favours the engine. It
// holds no material count; the search adds its running material balance to it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "Variables.h"

namespace ostrand {

// The piece-square values of one game stage, indexed by the piece code itself (-10000 to
// 10000), the file (0..8) and the rank (0..8), so that the evaluation reads the value of
// whatever stands on a square without translating its code. Only the twelve piece codes on
// files and ranks 1..8 are ever written; everything else, code 0 included, stays 0.
class StageTable {
  public:
    static constexpr int MaxCode = Piece::King;

    int16_t& operator()(int code, int x, int y) {
        assert(code >= -MaxCode && code <= MaxCode && x >= 0 && x <= 8 && y >= 0 && y <= 8);
        return values_[Index(code, x, y)];
    }
    int16_t operator()(int code, int x, int y) const {
        assert(code >= -MaxCode && code <= MaxCode && x >= 0 && x <= 8 && y >= 0 && y <= 8);
        return values_[Index(code, x, y)];
    }

  private:
    static constexpr int Index(int code, int x, int y) {
        return ((code + MaxCode) * 9 + x) * 9 + y;
    }
    std::array<int16_t, (2 * MaxCode + 1) * 81> values_{};
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
// The slow paths of the two below: a move that concerns a pawn, and stage 4.
void UpdatePawnSets(int x1, int y1, int x2, int y2, int16_t moved, int16_t captured,
                    int16_t placed);
int16_t EvaluateRunningEndgame();

// Brings Running up to date after a move that took moved from (x1, y1) and put placed on
// (x2, y2), where captured stood. Restoring a saved copy undoes it.
inline void UpdateRunningEvaluation(int x1, int y1, int x2, int y2, int16_t moved, int16_t captured,
                                    int16_t placed) {
    if (Running.table) {
        const StageTable& t = *Running.table;
        Running.tableSum = static_cast<int16_t>(Running.tableSum + t(placed, x2, y2) -
                                                t(moved, x1, y1) - t(captured, x2, y2));
    }
    // Most moves are no pawn's business; the pawn term stays as it was.
    if (moved == Piece::Pawn || moved == -Piece::Pawn || captured == Piece::Pawn ||
        captured == -Piece::Pawn)
        UpdatePawnSets(x1, y1, x2, y2, moved, captured, placed);
}

// Evaluate() of the board that Running describes.
inline int16_t EvaluateRunning() {
    if (!Running.table) return 0;
    if (Stage != 4) return static_cast<int16_t>(Running.tableSum + Running.pawnTerm);
    return EvaluateRunningEndgame();
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
