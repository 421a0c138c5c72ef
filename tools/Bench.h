// The benchmark: fixed-depth searches over a built-in set of positions. Its total node
// count is the search's signature; any change to the search order changes it.
#pragma once

#include <ostream>

namespace ostrand::tools {

// Runs every position at the depth (4, 6 or 8), printing one line per position and the
// closing "bench: NODES nodes TIME s NPS nodes/s" line. Returns the total node count.
long long RunBench(int depth, std::ostream& out);

}  // namespace ostrand::tools
