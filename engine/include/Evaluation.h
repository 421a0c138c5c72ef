// The static evaluation and its piece-square tables. "Black" is always the engine's side
// (positive codes) and "White" the player's, whichever colour the window shows: a score
// is seen from the engine, positive favours it. It holds no material count; the search adds
// its running material balance to it.
#pragma once

#include <array>
#include <cstdint>
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

// The score of the position on Board for the current Stage; 0 for a Stage outside 1..4. The
// sum of the table values of the pieces, -25 for each isolated Black pawn and each file with
// two Black pawns or more (+25 for White's), and in stage 4 the king term: attacks on and
// around the kings, their pawn shields, and 30 for each whole unit of their distance, added
// when Black is ahead and taken off otherwise.
int16_t Evaluate();

// The sum of the 64 cells: Black's material lead (the kings cancel).
int16_t MaterialSum();

}  // namespace ostrand
