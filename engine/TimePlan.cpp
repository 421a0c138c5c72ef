#include "TimePlan.h"

#include <algorithm>
#include <cmath>

namespace ostrand {

namespace {

// Kept back from every move's time for what the search does not see: the delays of the
// pipes and the GUI, starting the search and sending the move.
constexpr double Reserve = 0.05;
// How many more moves a clock for the rest of the game is shared among: over a game of 40
// moves the engine then uses about three quarters of its time, and a longer game still
// leaves it some.
constexpr int64_t MovesPlanned = 25;
// An iteration begins only when it is expected to end by the target, and each takes some
// twenty times as long as the one before it, so most moves end far before their target:
// with 2.75 times the move's share the engine uses most of its clock over a game (at a
// minute a game, twice the share left half the clock unused and 3.5 times used nearly all).
constexpr double TargetOverShare = 2.75;
// How far past its target a search may run before it is stopped: the expectation may be
// wrong, and the moves that the stopped iteration finished still count.
constexpr double LimitOverTarget = 1.5;
// The most of what is left one move may take, unless the clock starts afresh after it.
constexpr double MostOfLeft = 0.25;
constexpr double LeastBudget = 0.001;

}  // namespace

TimeBudget PlanBudget(const GoClock& clock) {
    double target = INFINITY;
    double limit = INFINITY;
    if (clock.timeLeft) {
        const double left = static_cast<double>(std::max<int64_t>(*clock.timeLeft, 0)) / 1000;
        const double usable = left - std::min(Reserve, left / 10);
        const int64_t moves = clock.movesToGo > 0 ? clock.movesToGo : MovesPlanned;
        const double most = moves == 1 ? usable : usable * MostOfLeft;
        const double increment = static_cast<double>(std::max<int64_t>(clock.increment, 0)) / 1000;
        const double share = usable / static_cast<double>(moves) + 0.75 * increment;
        target = std::min(share * TargetOverShare, most);
        limit = std::min(target * LimitOverTarget, most);
    }
    // A move time alone is the move's to use whole, as the protocol defines it: every
    // iteration begins, the one that cannot end in time too, for the root moves it finishes
    // may still change the choice. With a clock as well, the clock's plan holds within it.
    if (clock.moveTime) {
        const double time = static_cast<double>(std::max<int64_t>(*clock.moveTime, 0)) / 1000;
        const double usable = time - std::min(Reserve, time / 4);
        target = clock.timeLeft ? std::min(target, usable) : INFINITY;
        limit = std::min(limit, usable);
    }
    if (std::isinf(limit)) return {};
    return {std::max(target, LeastBudget), std::max(limit, LeastBudget)};
}

TimeBudget PlanMasterBudget(const GoClock& clock, int moveNumber) {
    if (!clock.timeLeft) return PlanBudget(clock);
    const double left = static_cast<double>(std::max<int64_t>(*clock.timeLeft, 0)) / 1000;
    const double usable = left - std::min(Reserve, left / 10);
    // The moves still to come, as games go: some 45 from the start, at least 20.
    const int64_t moves =
        clock.movesToGo > 0 ? clock.movesToGo : std::max<int64_t>(20, 45 - moveNumber * 2 / 3);
    const double weight = moveNumber < 10 ? 0.5 + 0.05 * moveNumber : moveNumber <= 35 ? 1.2 : 1.0;
    const double increment = static_cast<double>(std::max<int64_t>(clock.increment, 0)) / 1000;
    const double most = moves == 1 ? usable : usable * 0.2;
    const double target =
        std::min(1.3 * (weight * usable / static_cast<double>(moves) + 0.75 * increment), most);
    double limit = std::min(3 * target, most);
    if (clock.moveTime) {
        const double time = static_cast<double>(std::max<int64_t>(*clock.moveTime, 0)) / 1000;
        limit = std::min(limit, time - std::min(Reserve, time / 4));
    }
    return {std::max(std::min(target, limit), LeastBudget), std::max(limit, LeastBudget)};
}

}  // namespace ostrand
