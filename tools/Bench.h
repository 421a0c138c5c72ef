// The benchmarks over a built-in set of positions: fixed-depth searches, whose total node
// count is the search's signature (any change to the search order changes it), and
// full-strength moves, which measure how long a player waits.
#pragma once

#include <ostream>

#include "Search.h"

namespace ostrand::tools {

// Runs every position at the depth (4, 6 or 8; for the Master search 1 to 10 plies), printing
// one line per position and the closing "bench: NODES nodes TIME s NPS nodes/s" line. Returns
// the total node count. The Master search starts each position with an empty table.
long long RunBench(int depth, std::ostream& out, SearchStyle style = SearchStyle::Designed);
// Plays one engine move under its own time rules on every position, printing one line per
// position and the closing "moves: median T s slowest T s (NAME)" line.
void RunMoveBench(std::ostream& out);

}  // namespace ostrand::tools
