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

// The folder the table files are read from; empty means the program's own folder.
extern std::string TableFolder;

// Each loader reads the six files of its stage ("/P1.txt", "/K1.txt" for the knight,
// "/B1.txt", "/R1.txt", "/X1.txt" for the king, "/Q1.txt") into Black's entries and their
// rank-mirrored negatives into White's. A fault (missing file, too few values, a value that
// is no 16-bit number) keeps the entries read before it and is added to TableFaults.
void LoadStage1Tables();
void LoadStage2Tables();
void LoadStage3Tables();
void LoadStage4Tables();
// The faults met by the loaders since the list was last cleared, one text per file.
extern std::vector<std::string> TableFaults;

// The score of the position on Board for the current Stage; 0 for a Stage outside 1..4.
int16_t Evaluate();
// The sum of the 64 cells: Black's material lead (the kings cancel).
int16_t MaterialSum();
// Isolated and doubled pawns: -25 for Black's, +25 for White's.
int16_t PawnStructure();
// Refills both attack maps with control marking; always 0.
int16_t ComputeControlMaps();
// The end-game king term; sign +1 when the kings should stand close, -1 when apart.
int16_t KingSafety(int16_t sign);

}  // namespace ostrand
