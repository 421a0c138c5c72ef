// The engine inside other chess programs: the UCI protocol on standard input and output.
//
// The engine always moves the positive pieces down the board. When it is to move as White
// in standard terms, the position is mirrored (rank r becomes 9 - r, the colours swap) so
// that it still does; files never change, so the standard start position is the engine's
// own initial position.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "StandardChess.h"

namespace ostrand::uci {

// Whether the engine's board shows the position mirrored: the engine plays White.
bool Mirrored(const chess::Position& position);

// The engine's position key of a standard position, seen as the engine would search it.
std::string EngineKey(const chess::Position& position, bool mirrored);

// Puts a game on the engine's board: the position reached, the castling rights, the
// plies played since the game's start and the keys of the positions played.
void SetUpEngine(const chess::Position& start, const std::vector<chess::Position>& played);

// The engine's four-character move in the standard position it was found in: castling
// as the king's move, a pawn reaching the last rank as a queen's promotion.
chess::Move StandardMove(const std::string& engineMove, const chess::Position& position);

// Reads UCI commands until "quit" or the end of input.
void Run(std::istream& in, std::ostream& out);

}  // namespace ostrand::uci
