#include "Search.h"

#include <bit>
#include <cmath>
#include <cstdio>
#include <string_view>

#include "Display.h"
#include "Evaluation.h"
#include "EvaluationInternal.h"
#include "MoveGenerator.h"
#include "PieceRules.h"
#include "SearchInternal.h"
#include "SquareSets.h"
#include "Support.h"
#include "Variables.h"

namespace ostrand {

std::string RootMoves;
std::vector<int16_t> RootScores;
double SearchStart = 0;
int16_t SearchDepth = 0;
int16_t Ply = 0;
uint8_t MaxPly = 0;
std::array<int16_t, 22> PlyValues{};
int16_t CutoffFlag = No;
int64_t NodeCount = 0;
int16_t Material = 0;
int16_t DepthLimit = 0;
std::atomic<bool> StopRequested{false};
TimeBudget SearchBudget;
void (*IterationDone)() = nullptr;

namespace {

using rules::Colour;

// RootScores has room for this many entries; a longer root list grows it.
constexpr size_t RootCapacity = 150;
// Elapsed times before deeper iterations, and the cap on long iterations.
constexpr double DepthSixBefore = 2.0;
constexpr double DepthEightBefore = 0.25;
constexpr double CapAfter = 15.0;
// Under a budget: how many times the time spent before it an iteration of each depth
// takes, the medians over a hundred positions from games, rounded (a depth-6 iteration
// takes about 40 times as long as depths 2 and 4 together: it is the first to follow
// captures to ply 10).
constexpr double GrowthOf(int depth) {
    return depth == 4 ? 2.0 : depth == 6 ? 40.0 : 20.0;
}

// The progress bar's value during the running FindBestMove.
int progress = 0;
// Whether the running FindBestMove has written the statistics yet: a search that ends
// before its first listed root move (a depth-2 search) writes them once at its end.
bool statisticsShown = false;
// The best root value of the running FindBestMove's last finished iteration.
int16_t finishedValue = 0;

// The host may handle its input once in this many nodes (a power of two).
constexpr int64_t PollInterval = 4096;
// Whether a stop request may end the running iteration: only when an earlier iteration has
// left a move to play.
bool stoppable = false;
// Set when a stop request has cut the running iteration short; its results are void.
bool abandoned = false;

// Cuts the running iteration short, when it may be: from here on every White move is
// scored as it stands and every Black move meets White's captures only, so the search
// unwinds within microseconds. The iteration's results are void.
void Abandon() {
    if (!stoppable) return;
    abandoned = true;
    MaxPly = 0;
    SearchDepth = -Infinity;
}

// Seconds since SearchStart.
double Elapsed() {
    return SteadySeconds() - SearchStart;
}

// Once in PollInterval nodes: the host's turn, and the end of a budget's time.
[[gnu::noinline]] void Poll() {
    TheDisplay().PollInput();
    if (SearchBudget.limit > 0 && Elapsed() >= SearchBudget.limit)
        StopRequested.store(true, std::memory_order_relaxed);
}

// The start of every try: counts the node, polls once in PollInterval nodes and looks at
// the stop request, one relaxed load.
inline void EnterNode() {
    if ((++NodeCount & (PollInterval - 1)) == 0) [[unlikely]]
        Poll();
    if (StopRequested.load(std::memory_order_relaxed)) [[unlikely]]
        Abandon();
}

// One iteration at the given depth over list, which becomes the iteration's sorted list;
// a stopped iteration leaves list as the last finished one left it.
void RunIteration(int16_t depth, uint8_t maxPly, std::string& list) {
    stoppable = !list.empty();
    if (stoppable && StopRequested.load(std::memory_order_relaxed)) return;
    TheDisplay().ReportDepth(depth);
    SearchDepth = depth;
    MaxPly = maxPly;
    SearchRoot(list);
    if (abandoned) {
        SearchDepth = depth;
        MaxPly = maxPly;
        return;
    }
    finishedValue = PlyValue(0);
    if (IterationDone) IterationDone();
    list = SortRootMoves(RootMoves);
}

// The root list's index of the last entry of RootMoves, with room for its score.
int16_t& LastRootScore() {
    const size_t index = RootMoves.size() / 4;
    if (index >= RootScores.size()) RootScores.resize(index + 1, 0);
    return RootScores[index];
}

void TryBlack(int from, int to);
void TryWhite(int from, int to);

template <Colour C>
void Try(int from, int to) {
    if constexpr (C == Colour::Black)
        TryBlack(from, to);
    else
        TryWhite(from, to);
}

// The move of colour C from one cell to another; a pawn reaching its last rank queens.
template <Colour C>
MoveChange ChangeOf(int from, int to) {
    using S = rules::Side<C>;
    const int16_t moved = rules::At(from);
    // Cells are numbered rank by rank, so the last rank's cells lie at one end of the board;
    // the border beyond them is never a move's target.
    constexpr int lastRankEdge = Grid::Index(S::IsBlack ? 8 : 1, S::LastRank);
    const bool promotes =
        moved == S::Sign * Piece::Pawn && (S::IsBlack ? to <= lastRankEdge : to >= lastRankEdge);
    return {from, to, moved, rules::At(to),
            promotes ? static_cast<int16_t>(S::Sign * Piece::Queen) : moved};
}

// Material after the move: less what it captured, plus a promotion's gain.
int16_t MaterialAfter(const MoveChange& m) {
    return static_cast<int16_t>(Material + (m.placed - m.moved) - m.captured);
}

// What a try procedure restores when it takes its move back.
struct Undo {
    RunningEvaluation running;
    int16_t material;
};

// The squares of each colour's pieces, which the running evaluation keeps in step with
// Board.
sets::Occupancy PiecesNow() {
    return {Running.blackPieces, Running.whitePieces};
}

// Plays the move on Board and brings the search's running state up to date.
Undo Make(const MoveChange& m) {
    const Undo undo{Running, Material};
    Board.cells[static_cast<size_t>(m.to)] = m.placed;
    Board.cells[static_cast<size_t>(m.from)] = EmptyCell;
    Material = MaterialAfter(m);
    UpdateRunningEvaluation(m);
    return undo;
}

void Unmake(const MoveChange& m, const Undo& undo) {
    Board.cells[static_cast<size_t>(m.from)] = m.moved;
    Board.cells[static_cast<size_t>(m.to)] = m.captured;
    Running = undo.running;
    Material = undo.material;
}

// A move of the ordered expanders, and the buffers they reuse at each ply so that the
// shallow plies allocate only while the buffers grow.
struct OrderedMove {
    uint8_t from, to;
};
struct OrderedBuffer {
    std::vector<OrderedMove> moves;
    std::vector<int16_t> scores;
};
std::array<OrderedBuffer, 22> orderedBuffers;

template <Colour C>
void ExpandOrdered() {
    using S = rules::Side<C>;
    constexpr int sign = S::Sign;
    OrderedBuffer& buffer = orderedBuffers[static_cast<size_t>(Ply)];
    auto& moves = buffer.moves;
    auto& scores = buffer.scores;
    moves.clear();
    auto keep = [&](int from, int to) {
        moves.push_back({static_cast<uint8_t>(from), static_cast<uint8_t>(to)});
    };
    for (sets::SquareSet own = PiecesNow().Own<C>(); own; own &= own - 1) {
        const int from = sets::CellOf(std::countr_zero(own));
        rules::WalkPieceMoves<C>(from, keep, [&](int dx, int dy) {
            rules::WalkRayMoves<C>(from, rules::CellStep(dx, dy), keep);
        });
    }

    // A static pre-score per move; a promotion counts only 80 here, not a queen's worth.
    constexpr int promotionBonus = sign * 80;
    scores.resize(moves.size());
    for (size_t k = 0; k < moves.size(); ++k) {
        const MoveChange m = ChangeOf<C>(moves[k].from, moves[k].to);
        const int bonus = m.placed != m.moved ? promotionBonus : 0;
        scores[k] = static_cast<int16_t>(EvaluateRunningAfter(m) + Material + bonus - m.captured);
    }

    // Best first: Black the highest pre-score, White the lowest, the earliest of equals.
    for (size_t tried = 0; tried < moves.size(); ++tried) {
        int16_t best = static_cast<int16_t>(-sign * Infinity);
        size_t pick = moves.size();
        for (size_t k = 0; k < moves.size(); ++k)
            if (S::IsBlack ? scores[k] > best : scores[k] < best) {
                best = scores[k];
                pick = k;
            }
        if (pick == moves.size()) return;  // only scores at the infinity are left
        scores[pick] = static_cast<int16_t>(-sign * Infinity);
        Try<C>(moves[pick].from, moves[pick].to);
        if (CutoffFlag == Yes) {
            CutoffFlag = No;
            return;
        }
    }
}

// Hands every piece of colour C to its generator, rank by rank, until a cut-off. The
// board is the same before each piece, so the set taken at the start names them all.
template <Colour C, bool CapturesOnly>
void Expand() {
    const sets::Occupancy now = PiecesNow();
    assert(now == sets::OccupancyOfBoard());
    sets::SquareSet pieces = now.Own<C>();
    // A piece without a move leaves the cut-off flag as it is; unless the flag is already
    // up, which ends the expansion after the first piece, such pieces can be passed over.
    if (CapturesOnly && CutoffFlag != Yes) {
        const uint64_t pawns = C == Colour::Black ? Running.blackPawns : Running.whitePawns;
        pieces = sets::MayCapture<C>(pieces, pawns, now);
    }
    for (; pieces; pieces &= pieces - 1) {
        const int from = sets::CellOf(std::countr_zero(pieces));
        if constexpr (CapturesOnly)
            sets::WalkPieceCaptures<C>(from, now, Try<C>);
        else
            rules::WalkPieceMoves<C>(from, Try<C>, [from](int dx, int dy) {
                rules::WalkRayMoves<C>(from, rules::CellStep(dx, dy), Try<C>);
            });
        if (CutoffFlag == Yes) {
            CutoffFlag = No;
            return;
        }
    }
}

void ExpandBlack() {
    Expand<Colour::Black, false>();
}
void ExpandBlackCaptures() {
    Expand<Colour::Black, true>();
}
void ExpandWhite() {
    Expand<Colour::White, false>();
}
void ExpandWhiteCaptures() {
    Expand<Colour::White, true>();
}
void ExpandBlackOrdered() {
    ExpandOrdered<Colour::Black>();
}
void ExpandWhiteOrdered() {
    ExpandOrdered<Colour::White>();
}

// Passes the value of a White move up to the Black node above it, and raises the cut-off
// flag when that node can no longer matter to the White node above it.
void PassUpWhite(int ply) {
    if (PlyValue(ply) < PlyValue(ply - 1)) PlyValue(ply - 1) = PlyValue(ply);
    if (PlyValue(ply - 1) <= PlyValue(ply - 2)) CutoffFlag = Yes;
}

// Records a root move and its score; the depth-2 iteration keeps out repetitions while
// ahead, stalemates of White and moves that leave Black's king attacked, and the later
// ones search what it kept. The move is still on the board.
void RecordRootMove(int from, int to) {
    const bool keep =
        SearchDepth != 2 || (IsRepetition() != Yes && IsWhiteStalemated(10, 10, 10, 10) != Yes &&
                             BlackInCheckAfter(10, 10, 10, 10) != Yes);
    if (!keep) return;
    AppendMove(RootMoves, rules::FileOf(from), rules::RankOf(from), rules::FileOf(to),
               rules::RankOf(to));
    LastRootScore() = PlyValue(1);
}

void TryBlack(int from, int to) {
    EnterNode();
    ++Ply;
    const MoveChange m = ChangeOf<Colour::Black>(from, to);
    const Undo undo = Make(m);
    if (m.captured == -Piece::King) {
        PlyValue(Ply) = Material;
    } else {
        PlyValue(Ply) = PlyValue(Ply - 2);
        if (Ply < SearchDepth - 2) {
            ExpandWhiteOrdered();
        } else if (Ply > SearchDepth) {
            PlyValue(Ply) = Material;  // White may decline to capture
            ExpandWhiteCaptures();
        } else {
            ExpandWhite();
        }
    }
    if (PlyValue(Ply) > PlyValue(Ply - 1)) PlyValue(Ply - 1) = PlyValue(Ply);
    // The White node two plies up will not allow this line.
    if (PlyValue(Ply - 1) >= PlyValue(Ply - 2)) CutoffFlag = Yes;
    if (Ply == 1) RecordRootMove(from, to);
    Unmake(m, undo);
    --Ply;
}

// A White move whose position is scored, not searched: at or beyond the nominal depth if
// it captures nothing, at MaxPly, or when it takes the Black king.
bool IsScoredAt(int ply, int16_t captured) {
    return (ply >= SearchDepth && captured == EmptyCell) || ply >= MaxPly ||
           captured == Piece::King;
}

// A White move whose replies are searched. Kept out of line, so that the scoring of the
// other White moves stays small where the generators take it in.
[[gnu::noinline]] void SearchWhiteMove(int from, int to) {
    ++Ply;
    const MoveChange m = ChangeOf<Colour::White>(from, to);
    const Undo undo = Make(m);
    PlyValue(Ply) = PlyValue(Ply - 2);
    if (Ply < SearchDepth - 3) {
        ExpandBlackOrdered();
    } else if (Ply >= SearchDepth) {
        PlyValue(Ply) = Material;  // Black may decline to capture
        ExpandBlackCaptures();
    } else {
        ExpandBlack();
    }
    Unmake(m, undo);
    PassUpWhite(Ply);
    --Ply;
}

// Most White moves end their line; they are scored without being made.
inline void TryWhite(int from, int to) {
    EnterNode();
    if (!IsScoredAt(Ply + 1, rules::At(to))) {
        SearchWhiteMove(from, to);
        return;
    }
    const int ply = Ply + 1;  // the move is not made, so Ply need not follow it
    const MoveChange m = ChangeOf<Colour::White>(from, to);
    PlyValue(ply) = static_cast<int16_t>(EvaluateRunningAfter(m) + MaterialAfter(m));
    PassUpWhite(ply);
}

// Seconds rounded to 4 decimal places (ties to even), written without trailing zeros.
std::string FormatSeconds(double rounded) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4f", rounded);
    std::string s = text;
    s.erase(s.find_last_not_of('0') + 1);
    if (s.back() == '.') s.pop_back();
    return s;
}

// A statistics caption: its fixed text, then the value.
std::string Caption(std::string_view text, const std::string& value) {
    std::string caption(text);
    caption += value;
    return caption;
}

double RoundToFourPlaces(double seconds) {
    return std::nearbyint(seconds * 10000.0) / 10000.0;
}

}  // namespace

void TryBlackMove(int x1, int y1, int x2, int y2) {
    TryBlack(Grid::Index(x1, y1), Grid::Index(x2, y2));
}

void TryWhiteMove(int x1, int y1, int x2, int y2) {
    TryWhite(Grid::Index(x1, y1), Grid::Index(x2, y2));
}

void StartIteration() {
    for (int p = -1; p <= 20; ++p)
        PlyValue(p) = p % 2 != 0 ? Infinity : -Infinity;
    Ply = 0;
    abandoned = false;
    RootMoves.clear();
    RootScores.assign(RootCapacity + 1, 0);
    Material = MaterialSum();
    StartRunningEvaluation();
}

void SearchRoot(const std::string& list) {
    StartIteration();
    if (list.empty()) {
        ExpandBlackOrdered();
        return;
    }
    if (SearchDepth == 6) {
        if (CastleFlags[Castle::BlackQueenNow] == Yes) SearchRootCastling("98");
        if (CastleFlags[Castle::BlackKingNow] == Yes) SearchRootCastling("91");
        ShowSearchStatus();
    }
    for (size_t i = 0; i + 4 <= list.size() && !abandoned; i += 4) {
        TheDisplay().SetProgressValue(++progress);
        ShowSearchStatus();
        CutoffFlag = No;
        const int x1 = list[i] - '0', y1 = list[i + 1] - '0';
        const int x2 = list[i + 2] - '0', y2 = list[i + 3] - '0';
        // A castling kept from the depth-6 iteration is searched again at its place.
        if (x1 == 9)
            SearchRootCastling(list.substr(i, 2));
        else
            TryBlackMove(x1, y1, x2, y2);
    }
}

void SearchRootCastling(const std::string& key) {
    ++Ply;
    MakeCastling(key);
    const RunningEvaluation saved = Running;
    StartRunningEvaluation();
    PlyValue(1) = PlyValue(-1);
    ExpandWhiteOrdered();
    RootMoves += key;
    RootMoves += key;
    LastRootScore() = PlyValue(1);
    if (PlyValue(1) > PlyValue(0)) PlyValue(0) = PlyValue(1);
    UnmakeCastling(key);
    Running = saved;
    --Ply;
}

std::string SortRootMoves(const std::string& list) {
    const size_t n = list.size() / 4;
    if (RootScores.size() <= n) RootScores.resize(n + 1, 0);
    std::vector<bool> taken(n + 1, false);
    std::string sorted;
    sorted.reserve(list.size());
    for (size_t round = 0; round < n; ++round) {
        int16_t best = -Infinity;
        size_t pick = 0;
        for (size_t i = 1; i <= n; ++i)
            if (RootScores[i] > best) {
                best = RootScores[i];
                pick = i;
            }
        // Scores at the infinity itself do not occur in play; keep such entries in order.
        if (pick == 0)
            for (size_t i = 1; i <= n && pick == 0; ++i)
                if (!taken[i]) pick = i;
        sorted.append(list, 4 * (pick - 1), 4);
        RootScores[pick] = -Infinity;
        taken[pick] = true;
    }
    return sorted;
}

void ShowSearchStatus() {
    statisticsShown = true;
    Display& display = TheDisplay();
    display.SetLabel(StatusLabel::Time,
                     Caption("Time: ", FormatSeconds(RoundToFourPlaces(Elapsed()))));
    display.SetLabel(StatusLabel::Nodes, Caption("Nodes: ", std::to_string(NodeCount)));
    if (PlyValue(0) != -Infinity)
        display.SetLabel(StatusLabel::BestValue,
                         Caption("Best Value: ", std::to_string(PlyValue(0))));
    const double seconds = RoundToFourPlaces(Elapsed());
    if (seconds != 0) {  // a zero time keeps the previous speed on show
        const auto speed = static_cast<int64_t>(std::floor(NodeCount / seconds));
        display.SetLabel(StatusLabel::Speed, Caption("Nodes/Sec: ", std::to_string(speed)));
    }
    display.SetLabel(StatusLabel::State, Caption("State: ", std::to_string(Stage)));
    if (DepthLimit == 0 && SearchBudget.limit <= 0 && Elapsed() > CapAfter) {
        if (SearchDepth == 6) MaxPly = 6;
        if (SearchDepth == 8) MaxPly = 8;
    }
    display.ProcessEvents();
}

std::string FindBestMove() {
    Display& display = TheDisplay();
    Stage = ComputeStage(MoveCount);
    SearchStart = SteadySeconds();
    NodeCount = 0;
    progress = 0;
    statisticsShown = false;
    stoppable = false;
    display.SetProgressValue(0);

    std::string list;
    display.ReportDepth(2);
    SearchDepth = 2;
    MaxPly = 2;
    SearchRoot(list);
    display.SetProgressMaximum(static_cast<int>(2 * (RootMoves.size() / 4)));
    finishedValue = PlyValue(0);
    if (IterationDone) IterationDone();
    list = SortRootMoves(RootMoves);

    // Whether the iteration of a depth may run, given what the time rules say: never beyond
    // a depth limit; under a budget, when it promises to end in time and every shallower
    // one ran; otherwise by the depth limit or the time rules.
    bool inTime = true;
    auto mayRun = [&](int depth, bool timeRules) {
        if (DepthLimit != 0 && DepthLimit < depth) return false;
        if (SearchBudget.limit > 0)
            return inTime = inTime && Elapsed() * (1 + GrowthOf(depth)) <= SearchBudget.target;
        return DepthLimit != 0 || timeRules;
    };
    // Without a move kept at depth 2 the depth-4 iteration lists all of Black's moves: it
    // runs then whatever the limits, so that an engine with a move always moves.
    if (mayRun(4, true) || list.empty()) RunIteration(4, 4, list);
    if (mayRun(6, Elapsed() < DepthSixBefore)) RunIteration(6, 10, list);
    if (Stage > 1 && mayRun(8, Elapsed() < DepthEightBefore)) {
        display.SetProgressMaximum(static_cast<int>(3 * (RootMoves.size() / 4)));
        RunIteration(8, 10, list);
    }

    stoppable = false;
    StopRequested.store(false, std::memory_order_relaxed);
    display.SetProgressValue(0);
    if (!statisticsShown) ShowSearchStatus();
    if (!list.empty()) display.ReportScore(finishedValue);
    // The caption holds "State: " and the stage by now; the static evaluation follows.
    display.SetLabel(StatusLabel::State, Caption(display.LabelText(StatusLabel::State),
                                                 " / " + std::to_string(Evaluate())));
    return list.substr(0, 4);
}

}  // namespace ostrand
