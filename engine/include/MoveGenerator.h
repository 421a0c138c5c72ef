// Move generation: the moves of one piece as text, the attack maps, the target map of the
// player's move, and the command entry point. The search walks the pieces itself, through
// the same rules (PieceRules.h and SquareSets.h, internal to the engine).
//
// "White" is always the player's side (negative codes) and "Black" the engine's (positive
// codes), whichever colour the window shows. Squares are (file, rank) with both in 1..8; a
// generator given anything else on its square (empty, border, the other colour) does
// nothing.
#pragma once

#include <string>

#include "Variables.h"

namespace ostrand {

// Appends the pseudo-legal moves of the Black piece on (x, y) to moves, four characters
// each. Under the standard rules (Rules) a pawn has en passant and no restriction on its
// double step, and a move onto the last rank is listed for a queen, then a rook, a bishop
// and a knight.
void ListBlackPieceMoves(int x, int y, std::string& moves);
// Appends the pseudo-legal moves of the White piece on (x, y) to moves.
void ListWhitePieceMoves(int x, int y, std::string& moves);
// Appends a slider's moves along one ray: empty squares nearest first, then a capture.
void ListBlackRay(int x, int y, int dx, int dy, std::string& moves);
void ListWhiteRay(int x, int y, int dx, int dy, std::string& moves);

// Threat marking: adds to BlackAttacks (WhiteAttacks) the squares the piece could capture
// on now. Filled for the check tests and the castling flags.
void MarkBlackPieceThreats(int x, int y);
void MarkWhitePieceThreats(int x, int y);
// The player's target map: adds 1 in WhiteAttacks on every square the White piece on
// (x, y) may move to (exactly the targets of ListWhitePieceMoves; no castling).
void MarkWhitePieceTargets(int x, int y);
void MarkWhiteRayTargets(int x, int y, int dx, int dy);

// The player's move as the engine commits it, the one judgement of its squares that the
// engine and a front end share: the castling key (0101 king-side, 0808 queen-side) for the
// king's two-square step when it may castle now, the move text when the piece reaches the
// square (with the promotion's letter, Variables.h), else empty. Whether the move leaves the
// king attacked is WhiteInCheckAfter's to say.
std::string CommittedPlayerMove(int x1, int y1, int x2, int y2, int promotion = Piece::Queen);

// The engine's one entry point. "NewGame" starts a game and answers "OK"; "Force" makes
// the engine play a Black move and answers it; four digits 1..8 are a White move of the
// player, answered by "Error", "CheckMate", "StaleMate" or the engine's move. The engine's
// own castling is answered as 9191 (king-side) or 9898 (queen-side). Under the standard
// rules a move text may promote to another piece than a queen, "n", "b" or "r" standing in
// for the to-rank (171n, Variables.h), both ways; en passant is a plain four-digit move. Any
// other text answers "Error" and changes nothing.
std::string EngineCommand(const std::string& command);

}  // namespace ostrand
