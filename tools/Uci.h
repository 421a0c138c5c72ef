// The engine inside other chess programs: the UCI protocol on standard input and output.
// The engine plays the side to move, set up on its board as EngineBoard.h describes.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "Search.h"
#include "StandardChess.h"
#include "TimePlan.h"

namespace ostrand::uci {

// Puts a game on the engine's board, the engine playing the side to move: the position
// reached, with the castlings that the standard rules allow now, and the keys of the
// positions played, for the engine's repetition test. Returns SetUpEngine's note.
std::string SetUpGame(const chess::Position& start, const std::vector<chess::Position>& played);

// Reads UCI commands until "quit" or the end of input.
void Run(std::istream& in, std::ostream& out);

}  // namespace ostrand::uci
