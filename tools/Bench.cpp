#include "Bench.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "MasterSearch.h"
#include "Search.h"
#include "SearchSettings.h"
#include "Support.h"
#include "Variables.h"

namespace ostrand::tools {

namespace {

// A position with Black (the engine) to move: the board as a FEN board field (White's
// pieces upper case, rank 8 first, digits for empty squares) and the plies played, which
// decide the stage together with the material.
struct BenchPosition {
    const char* name;
    const char* board;
    int16_t moveCount;
};

constexpr BenchPosition Positions[] = {
    {"king's pawn", "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR", 1},
    {"open game", "r1bqkbnr/pppp1ppp/2n5/4p3/2B1P3/5N2/PPPP1PPP/RNBQK2R", 5},
    {"queen's gambit", "r1bq1rk1/pp2bppp/2n1pn2/2pp4/2PP4/2N1PN2/PP2BPPP/R1BQ1RK1", 14},
    {"sicilian", "r1b1kb1r/1pqp1ppp/p1n1pn2/8/3NP3/2N1B3/PPP1BPPP/R2QK2R", 16},
    {"both may castle", "r3k2r/ppp2ppp/2nqbn2/3pp3/3PP3/2NQBN2/PPP2PPP/R3K2R", 14},
    {"pinned bishops", "r2q1rk1/ppp2ppp/2np1n2/2b1p1B1/2B1P1b1/2NP1N2/PPP2PPP/R2Q1RK1", 16},
    {"tactics", "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R", 20},
    {"opposite wings", "2kr3r/ppp2ppp/2n1bn2/2b1p3/4P3/2NP1N2/PPP1BPPP/R1B2RK1", 18},
    {"late middlegame", "r4rk1/pp3ppp/2n1b3/q1pp4/3P4/P1P1PN2/2Q2PPP/R3KB1R", 40},
    {"heavy pieces", "3r1rk1/pp3pp1/2p1b2p/8/3P4/1P2BN2/P4PPP/2R2RK1", 44},
    {"rook ending", "8/5pk1/6p1/8/3R4/6P1/5PKP/4r3", 60},
    {"pawn ending", "8/8/4k3/3p4/3P1K2/8/8/8", 70},
    {"queen ending", "6k1/5pp1/7p/8/8/6QP/5PP1/3q2K1", 64},
    {"minor pieces", "8/3b1k2/4p3/1p1pP3/1P1P4/3B1K2/8/8", 56},
};

// One engine move on the board: its best move, and how many seconds it took.
std::string TimedMove(const game::SearchSettings& settings, double& seconds) {
    const auto start = std::chrono::steady_clock::now();
    const std::string best = game::Search(settings);
    seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return best;
}

}  // namespace

long long RunBench(int depth, std::ostream& out, SearchStyle style) {
    InitNewGame();
    game::SearchSettings settings;
    settings.depthLimit = static_cast<int16_t>(depth);
    settings.style = style;
    long long totalNodes = 0;
    double totalSeconds = 0;
    for (const BenchPosition& p : Positions) {
        SetUpPosition(p.board, p.moveCount);
        ClearHash();
        double seconds = 0;
        const std::string best = TimedMove(settings, seconds);
        totalNodes += NodeCount;
        totalSeconds += seconds;
        out << "position " << p.name << ": nodes " << NodeCount << " time " << seconds << " s best "
            << (best.empty() ? "(none)" : best) << '\n';
    }
    const long long nps = totalSeconds > 0 ? static_cast<long long>(totalNodes / totalSeconds) : 0;
    out << "bench: " << totalNodes << " nodes " << totalSeconds << " s " << nps << " nodes/s\n";
    return totalNodes;
}

void RunMoveBench(std::ostream& out) {
    InitNewGame();
    std::vector<double> times;
    double slowest = -1;
    const char* slowestName = "";
    for (const BenchPosition& p : Positions) {
        SetUpPosition(p.board, p.moveCount);
        double seconds = 0;
        const std::string best = TimedMove({}, seconds);
        times.push_back(seconds);
        if (seconds > slowest) {
            slowest = seconds;
            slowestName = p.name;
        }
        out << "position " << p.name << ": nodes " << NodeCount << " time " << seconds
            << " s depth " << SearchDepth << " best " << (best.empty() ? "(none)" : best) << '\n';
    }
    std::sort(times.begin(), times.end());
    const size_t middle = times.size() / 2;
    const double median =
        times.size() % 2 ? times[middle] : (times[middle - 1] + times[middle]) / 2;
    out << "moves: median " << median << " s slowest " << slowest << " s (" << slowestName << ")\n";
}

}  // namespace ostrand::tools
