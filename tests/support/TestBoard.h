// Positions for the tests and the fuzz targets, as 8-line diagrams, rank 8 first, with the
// letters of the position key (upper case the player's White pieces, lower case the
// engine's Black pieces) and '.' for an empty square, and what they check of a board.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "GameState.h"
#include "Variables.h"

namespace ostrand::test {

constexpr std::string_view InitialDiagram =
    "rnbqkbnr"
    "pppppppp"
    "........"
    "........"
    "........"
    "........"
    "PPPPPPPP"
    "RNBQKBNR";

constexpr std::string_view EmptyDiagram =
    "........"
    "........"
    "........"
    "........"
    "........"
    "........"
    "........"
    "........";

// A middlegame with every kind of piece on both sides, pieces en prise, open lines.
constexpr std::string_view MiddlegameDiagram =
    "r..qk..r"
    "pp...ppp"
    "..n.b..."
    "..bpP..."
    ".n.P.B.."
    "..N..N.."
    "PP..QPPP"
    "R...KB.R";

// White has played f3 and g4: Black mates at once with the queen from (4,8) to (8,4).
constexpr std::string_view MateInOneDiagram =
    "rnbqkbnr"
    "pppp.ppp"
    "........"
    "....p..."
    "......P."
    ".....P.."
    "PPPPP..P"
    "RNBQKBNR";

// The piece code of a diagram letter, or 0 for anything else.
int16_t CodeOfLetter(char letter);

// Writes the whole board, border included, from a diagram; other state is left alone.
void SetBoard(std::string_view diagram);

// Every cell outside files and ranks 1 to 8 holds the border code.
bool BorderIntact();

// The moves of a side that pass the engine's own legality test: its pseudo-legal moves,
// squares file by file, that do not leave its king attacked. No castling.
std::vector<std::string> LegalWhiteMoves();
std::vector<std::string> LegalBlackMoves();

}  // namespace ostrand::test
