// The search's own state and steps, shared with the move generators that call back into
// it and reached by the tests; the programs see only Search.h.
#pragma once

#include <cstdint>
#include <string>

#include "Search.h"
#include "Variables.h"

namespace ostrand {

// The steady clock's reading when the engine started thinking, in seconds.
extern double SearchStart;
// The number of moves made below the root; 0 at the root.
extern int16_t Ply;
// The ply at which a White move is always scored: 2, 4, 10, 10 for the four depths.
extern uint8_t MaxPly;
// Set by a try procedure when the node above it is refuted; the expanders clear it.
extern int16_t CutoffFlag;
// Black's material lead on the board, kept in step with every make and take-back.
extern int16_t Material;

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

// Plays a root move of Black, searches the replies, passes the value up and takes the move
// back. Below the root the search's generators hand each move to the try procedures of
// their colour.
// promotion is the magnitude a pawn reaching rank 1 becomes (standard rules).
void TryBlackMove(int x1, int y1, int x2, int y2, int16_t promotion = Piece::Queen);

// The move to play from the final sorted root list: its first, or now and then, as
// RootWeakness says, another entry no more than its margin worse.
std::string WeakerMove(const std::string& list);

}  // namespace ostrand
