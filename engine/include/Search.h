// The engine's choice of move: iterative deepening at nominal depths 2, 4, 6 and 8 over a
// minimax search with alpha-beta cut-offs and a capture extension down to ply 10. A depth
// limit or a time budget lets it go on to depths 10, 12, ..., each with the capture extension
// reaching two plies past the nominal depth, as at depth 8.
//
// "Black" is always the engine's side (positive codes) and "White" the player's, whichever
// colour the window shows: Black maximises and White minimises. Nothing passes between the
// nodes but the move: the bounds and results live in PlyValues, the position in Board.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

namespace ostrand {

// The search's infinities; scores of real positions stay far inside them.
constexpr int16_t Infinity = 32000;
// The deepest nominal depth an iteration may have.
constexpr int16_t DeepestDepth = 40;

// The root moves of the running iteration in searched order, four characters each; an
// engine castling is written as its key twice, 9898 or 9191.
extern std::string RootMoves;
// RootScores[i] is the backed-up score of the i-th entry of RootMoves, counted from 1.
extern std::vector<int16_t> RootScores;
// RootLines[i] is the line that the search expects after the i-th entry of RootMoves: the
// entry, then the replies it searched, four characters a move as in RootMoves. Only lines
// whose score is exact are whole: the best entry's, or any within RootLinesWanted.
extern std::vector<std::string> RootLines;
// The nominal depth of the running iteration: 2, 4, 6, 8, ... up to DeepestDepth.
extern int16_t SearchDepth;
// PlyValues[p + 1] is the best value so far of the node at ply p (p from -1 to
// DeepestDepth + 2): Black maximises at even plies, White minimises at odd ones.
extern std::array<int16_t, DeepestDepth + 4> PlyValues;
// Moves made by the try procedures since the engine started thinking; 64 bits, so that
// no search is long enough to overflow it.
extern int64_t NodeCount;

// 0: the time rules decide how deep the engine searches. N: the depth-2 iteration always
// runs, depth 4 if N >= 4 or the depth-2 iteration kept no move, depth 6 if N >= 6, depth 8
// if N >= 8 and Stage > 1, each deeper even depth up to N after it, and the 15-second cap
// never fires. For the console program, the benchmark, the UCI mode and the tests.
extern int16_t DepthLimit;
// Whether the opening stage stops a depth limit at depth 6, as the time rules do (the
// default). A host that asks for a depth because its user did clears it.
extern bool OpeningStopsAtSix;

// Opt-in root choices for analysis; the defaults leave the search as it is. RootLinesWanted
// N > 1 searches every root move against the N-th best score so far instead of the best, so
// that the N best entries end the iteration with exact scores and whole lines. A non-empty
// SearchMovesOnly (four characters a move, as RootMoves) keeps the root list to its moves.
extern int RootLinesWanted;
extern std::string SearchMovesOnly;

// A request to end the running search at once, which may come from any thread. The search
// looks at it in every node; FindBestMove then returns the best move of its last finished
// iteration, and clears the request before it returns. The first iteration that lists a
// move always runs to its end, so a stopped engine still moves. A request made while no
// search runs holds for the next one.
extern std::atomic<bool> StopRequested;

// An opt-in time budget for the engine's searches, for a host that plays under a clock, in
// seconds since FindBestMove began; with limit 0 (the default) there is none. Under a
// budget the time rules, the opening's stop at depth 6 and the 15-second cap step aside: an
// iteration begins only when the time its depth is expected to take, judged from the
// iterations before it in this search, lets it end by target (any, when target is
// infinite), and a deeper one only after it; at limit the search stops as at StopRequested,
// and plays the best of the moves that the stopped iteration searched to their end when the
// last finished iteration's choice, which it searched first, is among them.
// Only the host changes it, and never while a search runs.
struct TimeBudget {
    double target = 0;
    double limit = 0;
    bool operator==(const TimeBudget&) const = default;
};
extern TimeBudget SearchBudget;

// When set, called after each iteration of FindBestMove, before its list is sorted, so
// that a trace can read RootMoves, RootScores and NodeCount; and after an iteration that a
// budget's limit stopped when the root moves it finished change the move to play, with
// RootMoves cut to those moves.
extern void (*IterationDone)();

// Which search FindBestMove runs: the designed one, or the Master search (MasterSearch.h).
enum class SearchStyle { Designed, Master };
extern SearchStyle Style;

// PlyValues at ply p.
inline int16_t& PlyValue(int p) {
    return PlyValues[static_cast<size_t>(p + 1)];
}

// Chooses the engine's move as four characters; empty when Black has no move. The Master
// search's when Style asks for it, after the book. With UseBook
// a book move while the position is in the book (OpeningBook.h), unless SearchMovesOnly or
// RootLinesWanted > 1 asks for a search; with RootWeakness now and then a worse move
// (Levels.h). When every move the depth-2 iteration kept turns out to lose by force, the best
// of the moves it left out for repeating a position is played instead if it does better.
std::string FindBestMove();

}  // namespace ostrand
