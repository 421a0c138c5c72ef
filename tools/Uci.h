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

namespace ostrand::uci {

// Puts a game on the engine's board, the engine playing the side to move: the position
// reached, with the castlings that the standard rules allow now, and the keys of the
// positions played, for the engine's repetition test. Returns SetUpEngine's note.
std::string SetUpGame(const chess::Position& start, const std::vector<chess::Position>& played);

// What a "go" command says of the time of the side to move, in milliseconds.
struct GoClock {
    std::optional<int64_t> timeLeft;  // wtime or btime
    int64_t increment = 0;            // winc or binc
    int64_t movesToGo = 0;            // 0: the time left is for the rest of the game
    std::optional<int64_t> moveTime;  // movetime
};

// The engine's budget for one move: a share of the time left and most of the increment, or
// the move time, with a reserve for the delays of the pipes and the GUI. No budget (limit
// 0) when the clock says nothing; at least a millisecond otherwise.
TimeBudget PlanBudget(const GoClock& clock);

// Reads UCI commands until "quit" or the end of input.
void Run(std::istream& in, std::ostream& out);

}  // namespace ostrand::uci
