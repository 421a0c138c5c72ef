// The benchmarks over a built-in set of positions: fixed-depth searches, whose total node
// count is the search's signature (any change to the search order changes it), and
// full-strength moves, which measure how long a player waits.
#pragma once

#include <ostream>

namespace ostrand::tools {

// Runs every position at the depth (4, 6 or 8), printing one line per position and the
// closing "bench: NODES nodes TIME s NPS nodes/s" line. Returns the total node count.
long long RunBench(int depth, std::ostream& out);
// Plays one engine move under its own time rules on every position, printing one line per
// position and the closing "moves: median T s slowest T s (NAME)" line.
void RunMoveBench(std::ostream& out);

}  // namespace ostrand::tools
