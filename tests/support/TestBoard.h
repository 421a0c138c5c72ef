// Positions for the tests and the fuzz targets and what they check of a board. A position
// is written as a FEN board field or as an 8-line diagram, rank 8 first, in the letters of
// the position key (upper case the player's White pieces, lower case the engine's Black
// pieces) with '.' for an empty square.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "GameState.h"
#include "Variables.h"

namespace ostrand::test {

constexpr std::string_view InitialBoard = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR";
constexpr std::string_view EmptyBoard = "8/8/8/8/8/8/8/8";

// A middlegame with every kind of piece on both sides, pieces en prise, open lines.
constexpr std::string_view MiddlegameBoard =
    "r2qk2r/pp3ppp/2n1b3/2bpP3/1n1P1B2/2N2N2/PP2QPPP/R3KB1R";

// White has played f3 and g4: Black mates at once with the queen from (4,8) to (8,4).
constexpr std::string_view MateInOneBoard = "rnbqkbnr/pppp1ppp/8/4p3/6P1/5P2/PPPPP2P/RNBQKBNR";

// The piece code of a key letter, or 0 for anything else.
int16_t CodeOfLetter(char letter);

// Writes the whole board, border included, from a FEN board field or a diagram; other
// state is left alone.
void SetBoard(std::string_view board);

// Every cell outside files and ranks 1 to 8 holds the border code.
bool BorderIntact();

// The moves of a side that pass the engine's own legality test: its pseudo-legal moves,
// squares file by file, that do not leave its king attacked, as move texts. No castling.
std::vector<std::string> LegalWhiteMoves();
std::vector<std::string> LegalBlackMoves();

}  // namespace ostrand::test
