// The Support module: move execution (MoveExecution.cpp: making and unmaking moves, the
// attack maps, the legality and game-end tests), castling (Castling.cpp) and the move log
// (MoveLog.cpp: the engine's log of committed moves, the position keys, new games).
//
// "White" is always the player's side (negative codes) and "Black" the engine's (positive
// codes), whichever colour the window shows; Yes and No are the engine's -1 and 0.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "Variables.h"

namespace ostrand {

// Move execution.

// Sets every cell of BlackAttacks and WhiteAttacks to 0, border included.
void ClearAttackMaps();
// Refills both attack maps with the threats of every piece on the board.
void ComputeAttackMaps();
// Writes the squares of the kings found; the last found in rank-major order wins and an
// absent king leaves its outputs as the caller set them.
void FindKings(int16_t& blackX, int16_t& blackY, int16_t& whiteX, int16_t& whiteY);

// Plays any four integers as a move (a from-file of 0 or 9 is a castling) and returns the
// moved and captured codes that UnmakeMove needs. A pawn reaching its last rank queens;
// under the standard rules it becomes the promotion given (a magnitude), and a pawn's
// diagonal move onto EnPassantCell takes the pawn beside it, returned as EnPassantTaken.
void MakeMove(int x1, int y1, int x2, int y2, int16_t& moved, int16_t& captured,
              int16_t promotion = Piece::Queen);
void UnmakeMove(int x1, int y1, int x2, int y2, int16_t moved, int16_t captured);

// The captured code of an en passant capture: no cell holds it.
constexpr int16_t EnPassantTaken = 3;

// Yes when the side's king stands attacked after the move, else No. Board is left as found.
int16_t WhiteInCheckAfter(int x1, int y1, int x2, int y2);
int16_t BlackInCheckAfter(int x1, int y1, int x2, int y2);
// Yes when, after the move, the side is in check (or not, for stalemate) and has no legal
// move. Pass the null move (10, 10, 10, 10) to judge the current position.
int16_t IsWhiteCheckmated(int x1, int y1, int x2, int y2);
int16_t IsBlackCheckmated(int x1, int y1, int x2, int y2);
int16_t IsWhiteStalemated(int x1, int y1, int x2, int y2);
int16_t IsBlackStalemated(int x1, int y1, int x2, int y2);

// Castling.

// Castling keys: "01" White king-side, "08" White queen-side, "91" and "98" Black's.
// They write fixed cells; any other key changes nothing.
void MakeCastling(std::string_view key);
void UnmakeCastling(std::string_view key);
// Brings the castling rights (flags 1..4) and the castle-now flags (5..8) up to date.
void UpdateCastling();

// The move log: the engine's own log of the moves committed to its one game.

// Commits a move to the game: counts it, records the new position's key, updates the
// castling flags and has the board redrawn. A committed move is never taken back. Under the
// standard rules it also sets EnPassantCell, and a pawn reaching the last rank becomes the
// promotion given.
void PlayMove(int x1, int y1, int x2, int y2, int16_t promotion = Piece::Queen);
// The board as 64 characters, rank 8 first and file 1 first within a rank: "0" for an
// empty square, "pnbrqk" for Black's pieces, "PNBRQK" for White's.
std::string PositionKey();
// Sets the 64 squares, and the border, from a board text, rank 8 first and file 1 first:
// a position key; a diagram in the key's letters with '.' for an empty square; or a FEN
// board field, where a digit stands for that many empty squares. Blanks, line breaks and
// '/' are passed over. False, with the board unchanged, for a text that is not 64 squares.
bool SetBoardFromText(std::string_view text);
// The board as eight lines of eight characters, rank 8 first, with the key's letters and
// '.' for an empty square.
std::string BoardDiagram();
// Yes when Black is at least a pawn ahead and the position on the board already occurred
// twice in the game; the search uses it to avoid repeating while winning. Under the standard
// rules an en passant right on the board makes a position of its own while a pawn stands
// ready to use it (whether the capture would be legal is not asked).
int16_t IsRepetition();
// The game stage for a move count: 1 before ply 12, 2 before ply 36, then 3; 4 as soon as
// either side has fewer than four pieces besides its pawns (the king counts).
int16_t ComputeStage(int16_t moveCount);
// The initial position, fresh castling rights, an empty move log, and the piece-square
// tables read again. Faults in the table files are shown in one message.
void InitNewGame();

// The castling rights of a game set up at a position, in the order of CastleFlags 1 to 4:
// White's queen-side and king-side, then Black's.
using CastlingRights = std::array<bool, 4>;
constexpr CastlingRights AllCastlingRights = {true, true, true, true};

// Starts a game at a position instead of the initial one: the board from a board text (as
// SetBoardFromText reads it), the castling rights where king and rook still stand at home,
// the plies played (with the material they decide the stage) and a move log that begins
// here; the castle-now flags follow from the board. The tables are not read again. False,
// with nothing changed, for a text that is no board. enPassant is the standard rules' en
// passant square (x, y), kept only under them; (0, 0) for none.
struct EnPassantSquare {
    int x = 0, y = 0;
};
bool SetUpPosition(std::string_view board, int16_t moveCount,
                   CastlingRights rights = AllCastlingRights, EnPassantSquare enPassant = {});

}  // namespace ostrand
