// The Master search: a principal variation search for play and analysis beyond the designed
// game, chosen per search (Style, Search.h). It plays the same game on the same board as the
// designed search, the engine's pieces (Black, the positive codes) to move, under the rules
// of the game in progress, and scores with the same evaluation; it adds what a strong
// engine's search has: scores that know the distance to mate, draws by stalemate, repetition
// and the fifty-move rule, a transposition table, move ordering, pruning and reductions, and
// iterative deepening one ply at a time.
//
// FindBestMove hands its search over when Style says so; the settings it honours are the
// designed search's: DepthLimit (plies), SearchBudget, StopRequested, SearchMovesOnly,
// RootLinesWanted and IterationDone.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ostrand {

// A score's distance from this is the number of plies to mate; the side to move's view.
constexpr int MateScore = 30000;
// Scores beyond this in size are mates.
constexpr int MateBound = MateScore - 1000;

// Mate in this many moves for a mate score (negative: the side to move is mated); 0 for any
// other score.
constexpr int MateMoves(int score) {
    return score >= MateBound    ? (MateScore - score + 1) / 2
           : score <= -MateBound ? -(MateScore + score) / 2
                                 : 0;
}

// One line of the last finished iteration: its score (from the engine's side, in pawns of
// 100, or a mate score) and its moves, four characters each as RootMoves writes them, and
// the negative side's castling as 0101 or 0808.
struct MasterLine {
    int score = 0;
    std::string moves;
};

// What the last finished iteration found, for IterationDone: the best line first, then as
// many more as RootLinesWanted asks for.
struct MasterReport {
    int depth = 0;
    int selectiveDepth = 0;
    int hashFull = 0;  // per mille of the table used by this search
    std::vector<MasterLine> lines;
};
extern MasterReport MasterProgress;

// The table's size in megabytes; a change takes effect at the next search.
extern int HashMegabytes;
constexpr int DefaultHashMegabytes = 16;
constexpr int MostHashMegabytes = 1024;
// Empties the table (a new game).
void ClearHash();

// The Master search's move for the engine, as FindBestMove returns it; empty without one.
std::string FindMasterMove();

}  // namespace ostrand
