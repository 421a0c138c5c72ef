#include "Search.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>
#include <functional>
#include <string_view>
#include <utility>

#include "Display.h"
#include "Evaluation.h"
#include "EvaluationInternal.h"
#include "MasterSearch.h"
#include "MoveChange.h"
#include "MoveGenerator.h"
#include "OpeningBook.h"
#include "PieceRules.h"
#include "SearchInternal.h"
#include "SearchTree.h"
#include "SquareSets.h"
#include "Support.h"
#include "Variables.h"

namespace ostrand {

std::string RootMoves;
std::vector<int16_t> RootScores;
std::vector<std::string> RootLines;
double SearchStart = 0;
int16_t SearchDepth = 0;
int16_t Ply = 0;
uint8_t MaxPly = 0;
std::array<int16_t, DeepestDepth + 4> PlyValues{};
int16_t CutoffFlag = No;
int64_t NodeCount = 0;
int16_t Material = 0;
int16_t DepthLimit = 0;
bool OpeningStopsAtSix = true;
int RootLinesWanted = 1;
std::string SearchMovesOnly;
std::atomic<bool> StopRequested{false};
TimeBudget SearchBudget;
void (*IterationDone)() = nullptr;
SearchStyle Style = SearchStyle::Designed;

namespace {

using rules::Colour;

// RootScores has room for this many entries; a longer root list grows it.
constexpr size_t RootCapacity = 150;
// Elapsed times before deeper iterations, and the cap on long iterations.
constexpr double DepthSixBefore = 2.0;
constexpr double DepthEightBefore = 0.25;
constexpr double CapAfter = 15.0;
// Under a budget: how many times the time spent before it an iteration of depth 4, 6 or 8
// takes, the medians over a hundred positions from games, rounded (a depth-6 iteration
// takes about 40 times as long as depths 2 and 4 together: it is the first to follow
// captures to ply 10).
constexpr double GrowthOf(int depth) {
    return depth == 4 ? 2.0 : depth == 6 ? 40.0 : 20.0;
}
// From depth 10 on an iteration is expected to take as many times as long as the one before
// it as that one took over its own predecessor, within these bounds: the same search two
// plies deeper grows by a factor of this position's own, which the last two iterations
// measure well enough once both are long enough for the clock.
constexpr double LeastGrowth = 5.0;
constexpr double MostGrowth = 60.0;
// Shorter iterations than this say nothing of their growth; the fixed factor of depth 8
// stands in.
constexpr double MeasurableTime = 0.005;

// The progress bar's value during the running FindBestMove.
int progress = 0;
// Whether the running FindBestMove has written the statistics yet: a search that ends
// before its first listed root move (a depth-2 search) writes them once at its end.
bool statisticsShown = false;
// The best root value of the running FindBestMove's last finished iteration.
int16_t finishedValue = 0;

// Whether a stop request may end the running iteration: only when an earlier iteration has
// left a move to play.
bool stoppable = false;
// Set when a stop request has cut the running iteration short; its results are void.
bool abandoned = false;
// The entries at the start of RootMoves that the running iteration has searched to its end.
size_t finishedEntries = 0;
// Set when the budget's limit has stopped the running FindBestMove.
bool limitReached = false;
// The root moves the depth-2 iteration refused only because they repeat a position; the
// depth, last ply and best root score of the last finished iteration.
std::string repeating;
struct Finished {
    int16_t depth, best;
    uint8_t maxPly;
};
Finished finished{};

}  // namespace

std::array<std::array<tree::LineMove, PlyCount>, PlyCount> tree::lines;
std::array<uint8_t, PlyCount> tree::lineLength{};

// Cuts the running iteration short, when it may be: from here on every White move is
// scored as it stands and every Black move meets White's captures only, so the search
// unwinds within microseconds. The iteration's results are void.
void tree::Abandon() {
    if (!stoppable) return;
    abandoned = true;
    MaxPly = 0;
    SearchDepth = -Infinity;
}

namespace {

// Seconds since SearchStart.
double Elapsed() {
    return SteadySeconds() - SearchStart;
}

}  // namespace

[[gnu::noinline]] void tree::Poll() {
    TheDisplay().PollInput();
    if (SearchBudget.limit > 0 && Elapsed() >= SearchBudget.limit) {
        limitReached = true;
        StopRequested.store(true, std::memory_order_relaxed);
    }
}

namespace {

// The budget's limit has stopped an iteration. Of the root moves it searched to their end,
// the best (the earliest of equals) is the move to play, provided the last finished
// iteration's choice is among them: it was searched first, so a move that beat it did so
// two plies deeper. When that changes the move, the host hears of the finished part as of
// an iteration, so that the line it shows is the one played.
void TakeFinishedPart(std::string& list) {
    const std::string previous = list.substr(0, 4);
    size_t best = 0;
    bool previousFinished = false;
    for (size_t i = 1; i <= finishedEntries; ++i) {
        previousFinished = previousFinished || RootMoves.compare(4 * (i - 1), 4, previous) == 0;
        if (best == 0 || RootScores[i] > RootScores[best]) best = i;
    }
    if (!previousFinished) return;
    const std::string move = RootMoves.substr(4 * (best - 1), 4);
    if (move == previous) return;
    for (size_t i = 0; i + 4 <= list.size(); i += 4)
        if (list.compare(i, 4, move) == 0) list.erase(i, 4);
    list.insert(0, move);
    finishedValue = RootScores[best];
    RootMoves.resize(4 * finishedEntries);
    if (IterationDone) IterationDone();
}

// Seconds each finished iteration of the running FindBestMove took, by depth.
std::array<double, DeepestDepth + 1> iterationSeconds{};

// The highest score among the root entries of the running iteration.
int16_t BestRootScore() {
    int16_t best = -Infinity;
    for (size_t i = 1; i <= RootMoves.size() / 4; ++i)
        best = std::max(best, RootScores[i]);
    return best;
}

// One iteration at the given depth over list, which becomes the iteration's sorted list;
// a stopped iteration leaves list as the last finished one left it. False when it did not
// finish.
bool RunIteration(int16_t depth, uint8_t maxPly, std::string& list) {
    stoppable = !list.empty();
    if (stoppable && StopRequested.load(std::memory_order_relaxed)) return false;
    TheDisplay().ReportDepth(depth);
    const double start = Elapsed();
    SearchDepth = depth;
    MaxPly = maxPly;
    SearchRoot(list);
    if (abandoned) {
        SearchDepth = depth;
        MaxPly = maxPly;
        if (limitReached) TakeFinishedPart(list);
        return false;
    }
    finishedValue = PlyValue(0);
    finished = {depth, BestRootScore(), maxPly};
    if (IterationDone) IterationDone();
    iterationSeconds[static_cast<size_t>(depth)] = Elapsed() - start;
    list = SortRootMoves(RootMoves);
    return true;
}

// Under a budget: the seconds an iteration of the depth is expected to take, with depth 4,
// 6 or 8 judged from the time spent before it and a deeper one from the two before it.
double ExpectedSeconds(int depth) {
    if (depth <= 8) return Elapsed() * GrowthOf(depth);
    const double last = iterationSeconds[static_cast<size_t>(depth - 2)];
    const double before = iterationSeconds[static_cast<size_t>(depth - 4)];
    const double growth = before >= MeasurableTime ? last / before : GrowthOf(8);
    return last * std::clamp(growth, LeastGrowth, MostGrowth);
}

// The root list's index of the last entry of RootMoves, with room for its score and line.
int16_t& LastRootScore() {
    const size_t index = RootMoves.size() / 4;
    if (index >= RootScores.size()) RootScores.resize(index + 1, 0);
    if (index >= RootLines.size()) RootLines.resize(index + 1);
    return RootScores[index];
}

// Whether the root list may hold the move text.
bool AllowedAtRoot(std::string_view move) {
    if (SearchMovesOnly.empty()) return true;
    for (size_t i = 0; i + 4 <= SearchMovesOnly.size(); i += 4)
        if (SearchMovesOnly.compare(i, 4, move) == 0) return true;
    return false;
}

// Under the opt-in root choices the root's bound is the RootLinesWanted-th best score of the
// entries recorded so far, not the best value of every move tried.
void SetRootBound() {
    if (RootLinesWanted <= 1 && SearchMovesOnly.empty()) return;
    std::vector<int16_t> scores(RootScores.begin() + 1,
                                RootScores.begin() + 1 + static_cast<long>(RootMoves.size() / 4));
    const auto wanted = static_cast<size_t>(std::max(RootLinesWanted, 1));
    if (scores.size() < wanted) {
        PlyValue(0) = -Infinity;
        return;
    }
    std::nth_element(scores.begin(), scores.begin() + static_cast<long>(wanted - 1), scores.end(),
                     std::greater<>());
    PlyValue(0) = scores[wanted - 1];
}

// Appends the move text of a move from a cell to a target.
void AppendTarget(std::string& moves, int from, int target) {
    const int to = rules::CellOfTarget(target);
    AppendMove(moves, rules::FileOf(from), rules::RankOf(from), rules::FileOf(to),
               rules::RankOf(to), rules::PromotionOfTarget(target));
}

// The root entry just appended: its score, and its line, which begins with itself.
void RecordRootEntry() {
    LastRootScore() = PlyValue(1);
    std::string& line = RootLines[RootMoves.size() / 4];
    line.assign(RootMoves, RootMoves.size() - 4, 4);
    for (uint8_t i = 0; i < lineLength[1]; ++i)
        AppendTarget(line, lines[1][i].from, lines[1][i].to);
    SetRootBound();
}

}  // namespace

// Records a root move and its score; the depth-2 iteration keeps out repetitions while
// ahead, stalemates of White and moves that leave Black's king attacked, and the later
// ones search what it kept. The move is still on the board.
void tree::RecordRootMove(int from, int to) {
    std::string move;
    AppendTarget(move, from, to);
    if (SearchDepth == 2 && IsRepetition() == Yes) {
        if (BlackInCheckAfter(10, 10, 10, 10) != Yes && AllowedAtRoot(move)) repeating += move;
        SetRootBound();
        return;
    }
    const bool keep = SearchDepth != 2 || (IsWhiteStalemated(10, 10, 10, 10) != Yes &&
                                           BlackInCheckAfter(10, 10, 10, 10) != Yes);
    if (!keep || !AllowedAtRoot(move)) {
        SetRootBound();
        return;
    }
    RootMoves += move;
    RecordRootEntry();
}

void tree::TryBlackDesigned(int from, int target) {
    TryBlack<RuleSet::Designed>(from, target);
}
void tree::ExpandBlackOrderedDesigned() {
    ExpandBlackOrdered<RuleSet::Designed>();
}
void tree::ExpandWhiteOrderedDesigned() {
    ExpandWhiteOrdered<RuleSet::Designed>();
}

namespace {

// The search below the root under the rules of the game in progress.
void TryBlackUnderRules(int from, int target) {
    if (Rules == RuleSet::Standard)
        tree::TryBlackStandard(from, target);
    else
        tree::TryBlackDesigned(from, target);
}
void ExpandBlackOrderedUnderRules() {
    if (Rules == RuleSet::Standard)
        tree::ExpandBlackOrderedStandard();
    else
        tree::ExpandBlackOrderedDesigned();
}
void ExpandWhiteOrderedUnderRules() {
    if (Rules == RuleSet::Standard)
        tree::ExpandWhiteOrderedStandard();
    else
        tree::ExpandWhiteOrderedDesigned();
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

// A forced loss is never preferred to a repetition: when every move the last iteration
// searched loses by force, the repeating moves are searched at its depth, and the best of
// them is played if it does better.
void PreferRepetitionToLoss(std::string& list) {
    if (repeating.empty() || list.empty() || finished.depth == 2 ||
        finished.best - MaterialSum() > -Piece::King / 2)
        return;
    SearchDepth = finished.depth;
    MaxPly = finished.maxPly;
    SearchRoot(repeating);
    if (const int16_t best = BestRootScore(); best > finished.best) {
        finishedValue = best;
        list = SortRootMoves(RootMoves);
    }
}

}  // namespace

void TryBlackMove(int x1, int y1, int x2, int y2, int16_t promotion) {
    const int target = rules::WithPromotion(Grid::Index(x2, y2), promotion);
    TryBlackUnderRules(Grid::Index(x1, y1), target);
}

void StartIteration() {
    for (int p = -1; p <= DeepestDepth + 2; ++p)
        PlyValue(p) = p % 2 != 0 ? Infinity : -Infinity;
    Ply = 0;
    abandoned = false;
    finishedEntries = 0;
    RootMoves.clear();
    RootScores.assign(RootCapacity + 1, 0);
    RootLines.assign(RootCapacity + 1, std::string());
    Material = MaterialSum();
    StartRunningEvaluation();
}

void SearchRoot(const std::string& list) {
    StartIteration();
    // Searchmoves that are only castlings leave the earlier lists empty; from depth 6 on
    // those castlings are the list.
    const bool onlyCastlings = !SearchMovesOnly.empty() && SearchDepth >= 6;
    if (list.empty() && !onlyCastlings) {
        ExpandBlackOrderedUnderRules();
        return;
    }
    int number = 0;
    if (SearchDepth == 6 || list.empty()) {
        for (const char* key : {"98", "91"})
            if (CastleFlags[key[1] == '8' ? Castle::BlackQueenNow : Castle::BlackKingNow] == Yes &&
                AllowedAtRoot(std::string(key) + key)) {
                TheDisplay().ReportRootMove(std::string(key) + key, ++number);
                SearchRootCastling(key);
                if (!abandoned) finishedEntries = RootMoves.size() / 4;
            }
        ShowSearchStatus();
    }
    for (size_t i = 0; i + 4 <= list.size() && !abandoned; i += 4) {
        TheDisplay().SetProgressValue(++progress);
        ShowSearchStatus();
        TheDisplay().ReportRootMove(list.substr(i, 4), ++number);
        CutoffFlag = No;
        const MoveSquares m = DecodeMove(list, i);
        // A castling kept from the depth-6 iteration is searched again at its place.
        if (m.x1 == 9)
            SearchRootCastling(list.substr(i, 2));
        else
            TryBlackMove(m.x1, m.y1, m.x2, m.y2, m.promotion);
        if (!abandoned) finishedEntries = RootMoves.size() / 4;
    }
}

void SearchRootCastling(const std::string& key) {
    ++Ply;
    MakeCastling(key);
    const int enPassant = std::exchange(EnPassantCell, 0);
    const RunningEvaluation saved = Running;
    StartRunningEvaluation();
    PlyValue(1) = PlyValue(-1);
    lineLength[1] = 0;
    ExpandWhiteOrderedUnderRules();
    RootMoves += key;
    RootMoves += key;
    if (PlyValue(1) > PlyValue(0)) PlyValue(0) = PlyValue(1);
    RecordRootEntry();
    UnmakeCastling(key);
    EnPassantCell = enPassant;
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
    // A host that restricts the root or wants several lines asks for a search.
    if (UseBook && SearchMovesOnly.empty() && RootLinesWanted <= 1)
        if (std::string move = BookMoveNow(); !move.empty()) return move;
    if (Style == SearchStyle::Master) return FindMasterMove();
    Display& display = TheDisplay();
    Stage = ComputeStage(MoveCount);
    SearchStart = SteadySeconds();
    NodeCount = 0;
    progress = 0;
    statisticsShown = false;
    stoppable = false;
    iterationSeconds.fill(0);
    limitReached = false;
    repeating.clear();
    display.SetProgressValue(0);

    std::string list;
    display.ReportDepth(2);
    SearchDepth = 2;
    MaxPly = 2;
    SearchRoot(list);
    display.SetProgressMaximum(static_cast<int>(2 * (RootMoves.size() / 4)));
    finishedValue = PlyValue(0);
    finished = {2, BestRootScore(), 2};
    if (IterationDone) IterationDone();
    list = SortRootMoves(RootMoves);

    // Whether the iteration of a depth may run, given what the time rules say: never beyond
    // a depth limit; under a budget, when it promises to end in time and every shallower
    // one ran; otherwise by the depth limit or the time rules.
    bool inTime = true;
    auto mayRun = [&](int depth, bool timeRules) {
        if (DepthLimit != 0 && DepthLimit < depth) return false;
        if (SearchBudget.limit > 0)
            return inTime = inTime && Elapsed() + ExpectedSeconds(depth) <= SearchBudget.target;
        return DepthLimit != 0 || timeRules;
    };
    const bool budgeted = SearchBudget.limit > 0;
    const bool pastOpening = Stage > 1 || budgeted || !OpeningStopsAtSix;
    // Without a move kept at depth 2 the depth-4 iteration lists all of Black's moves: it
    // runs then whatever the limits, so that an engine with a move always moves.
    if (mayRun(4, true) || list.empty()) RunIteration(4, 4, list);
    if (mayRun(6, Elapsed() < DepthSixBefore)) RunIteration(6, 10, list);
    if (pastOpening && mayRun(8, Elapsed() < DepthEightBefore)) {
        display.SetProgressMaximum(static_cast<int>(3 * (RootMoves.size() / 4)));
        // The deeper iterations, which only a depth limit or a budget asks for, go on alike.
        bool finished = RunIteration(8, 10, list);
        for (int16_t depth = 10; finished && depth <= DeepestDepth &&
                                 (budgeted || DepthLimit != 0) && mayRun(depth, false);
             depth += 2) {
            display.SetProgressMaximum(progress + static_cast<int>(RootMoves.size() / 4));
            finished = RunIteration(depth, static_cast<uint8_t>(depth + 2), list);
        }
    }

    stoppable = false;
    PreferRepetitionToLoss(list);
    const std::string move = WeakerMove(list);
    StopRequested.store(false, std::memory_order_relaxed);
    display.SetProgressValue(0);
    if (!statisticsShown) ShowSearchStatus();
    if (!list.empty()) display.ReportScore(finishedValue);
    // The caption holds "State: " and the stage by now; the static evaluation follows.
    display.SetLabel(StatusLabel::State, Caption(display.LabelText(StatusLabel::State),
                                                 " / " + std::to_string(Evaluate())));
    return move;
}

}  // namespace ostrand
