// The engine's choice of move: iterative deepening at nominal depths 2, 4, 6 and 8 over a
// minimax search with alpha-beta cut-offs and a capture extension down to ply 10.
//
// Black (the engine, positive codes) maximises and White minimises. Nothing passes between
// the nodes but the move: the bounds and results live in PlyValues, the position in Board.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace ostrand {

// The search's infinities; scores of real positions stay far inside them.
constexpr int16_t Infinity = 32000;

// The root moves of the running iteration in searched order, four characters each; an
// engine castling is written as its key twice, 9898 or 9191.
extern std::string RootMoves;
// RootScores[i] is the backed-up score of the i-th entry of RootMoves, counted from 1.
extern std::vector<int16_t> RootScores;
// The clock reading when the engine started thinking, in seconds since midnight.
extern double SearchStart;
// The nominal depth of the running iteration: 2, 4, 6 or 8.
extern int16_t SearchDepth;
// The number of moves made below the root; 0 at the root.
extern int16_t Ply;
// The ply at which a White move is always scored: 2, 4, 10, 10 for the four depths.
extern uint8_t MaxPly;
// PlyValues[p + 1] is the best value so far of the node at ply p (p from -1 to 20): Black
// maximises at even plies, White minimises at odd ones.
extern std::array<int16_t, 22> PlyValues;
// Set by a try procedure when the node above it is refuted; the expanders clear it.
extern int16_t CutoffFlag;
// Moves made by the try procedures since the engine started thinking; 64 bits, so that
// no search is long enough to overflow it.
extern int64_t NodeCount;
// Black's material lead on the board, kept in step with every make and take-back.
extern int16_t Material;

// 0: the time rules decide how deep the engine searches. N: the depth-2 iteration always
// runs, depth 4 if N >= 4 or the depth-2 iteration kept no move, depth 6 if N >= 6, depth 8
// if N >= 8 and Stage > 1, and the 15-second cap never fires. For the console program, the
// benchmark and the tests.
extern int16_t DepthLimit;

// When set, called after each iteration of FindBestMove, before its list is sorted, so
// that a trace can read RootMoves, RootScores and NodeCount.
extern void (*IterationDone)();

// PlyValues at ply p.
inline int16_t& PlyValue(int p) {
    return PlyValues[static_cast<size_t>(p + 1)];
}

// Chooses the engine's move as four characters; empty when Black has no move.
std::string FindBestMove();
// The start of every iteration: the bounds at their infinities, empty root lists, Ply 0,
// and Material and the running evaluation taken from the board.
void StartIteration();
// One iteration over the previous iteration's ordered list (empty: all of Black's moves).
void SearchRoot(const std::string& list);
// Searches the engine's castling "98" or "91" as a root entry.
void SearchRootCastling(const std::string& key);
// The list ordered by RootScores, highest first, ties in their previous order.
std::string SortRootMoves(const std::string& list);
// Writes the statistics, applies the 15-second cap and lets the window handle its events.
void ShowSearchStatus();

// Play one move a ply deeper, search the replies or score the position, pass the value
// up, take the move back.
void TryBlackMove(int x1, int y1, int x2, int y2);
void TryWhiteMove(int x1, int y1, int x2, int y2);
// Hand every piece of the side to move to its generator, rank by rank.
void ExpandBlack();
void ExpandBlackCaptures();
void ExpandWhite();
void ExpandWhiteCaptures();
// List all moves, pre-score each statically and try them best first.
void ExpandBlackOrdered();
void ExpandWhiteOrdered();

}  // namespace ostrand
