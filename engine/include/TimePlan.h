// How long the engine may think for one move when it plays on a clock: shared by the UCI mode
// and the window.
#pragma once

#include <cstdint>
#include <optional>

#include "Search.h"

namespace ostrand {

// What a clock says of the time of the side to move, in milliseconds, as a UCI "go" command
// gives it.
struct GoClock {
    std::optional<int64_t> timeLeft;  // wtime or btime
    int64_t increment = 0;            // winc or binc
    int64_t movesToGo = 0;            // 0: the time left is for the rest of the game
    std::optional<int64_t> moveTime;  // movetime
};

// The engine's budget for one move: a share of the time left and most of the increment, or
// the whole move time with no target short of it, with a reserve for the delays of the pipes
// and the GUI. No budget (limit 0) when the clock says nothing; at least a millisecond
// otherwise.
TimeBudget PlanBudget(const GoClock& clock);

// The Master search's budget for the move of that number (1 for the first). It deepens one
// ply at a time and begins an iteration only when it expects to end it by the target, so
// the target lies near the move's share of the clock; the share is smaller on the first
// moves, which the position's simplicity makes cheap, and largest in the middlegame. A move
// time alone is planned as PlanBudget plans it.
TimeBudget PlanMasterBudget(const GoClock& clock, int moveNumber);

}  // namespace ostrand
