#include "TimePlan.h"

#include <algorithm>
#include <cmath>

namespace ostrand {

namespace {

// Kept back from every move's time for what the search does not see: the delays of the
// pipes and the GUI, starting the search and sending the move.
constexpr double Reserve = 0.05;
// How many more moves a clock for the rest of the game is shared among.
constexpr int64_t MovesPlanned = 30;
// How far past its target a search may run before it is stopped: the target assumes that
// the iterations grow as usual, and a stopped iteration is time lost.
constexpr double LimitOverTarget = 3.0;
constexpr double LeastBudget = 0.001;

}  // namespace

TimeBudget PlanBudget(const GoClock& clock) {
    double target = INFINITY;
    double limit = INFINITY;
    if (clock.timeLeft) {
        const double left = static_cast<double>(std::max<int64_t>(*clock.timeLeft, 0)) / 1000;
        const double usable = left - std::min(Reserve, left / 10);
        const int64_t moves = clock.movesToGo > 0 ? clock.movesToGo : MovesPlanned;
        // Never more than half of what is left, unless the clock starts afresh after this move.
        const double most = moves == 1 ? usable : usable / 2;
        const double increment = static_cast<double>(std::max<int64_t>(clock.increment, 0)) / 1000;
        target = std::min(usable / static_cast<double>(moves) + 0.75 * increment, most);
        limit = std::min(target * LimitOverTarget, most);
    }
    if (clock.moveTime) {
        const double time = static_cast<double>(std::max<int64_t>(*clock.moveTime, 0)) / 1000;
        const double usable = time - std::min(Reserve, time / 4);
        target = std::min(target, usable);
        limit = std::min(limit, usable);
    }
    if (std::isinf(limit)) return {};
    return {std::max(target, LeastBudget), std::max(limit, LeastBudget)};
}

}  // namespace ostrand
