#include "Search.h"

#include <cmath>
#include <cstdio>
#include <string_view>

#include "Display.h"
#include "Evaluation.h"
#include "MoveGenerator.h"
#include "PieceRules.h"
#include "SearchInternal.h"
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

// Hand every piece of the side to move to its generator, rank by rank.
void ExpandBlack();
void ExpandBlackCaptures();
void ExpandWhite();
void ExpandWhiteCaptures();
// List all moves, pre-score each statically and try them best first.
void ExpandBlackOrdered();
void ExpandWhiteOrdered();

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
    if (IterationDone) IterationDone();
    list = SortRootMoves(RootMoves);
}

// The root list's index of the last entry of RootMoves, with room for its score.
int16_t& LastRootScore() {
    const size_t index = RootMoves.size() / 4;
    if (index >= RootScores.size()) RootScores.resize(index + 1, 0);
    return RootScores[index];
}

// A move of the ordered expanders, and the buffers they reuse at each ply so that the
// shallow plies allocate only while the buffers grow.
struct OrderedMove {
    int8_t x1, y1, x2, y2;
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
    auto keep = [&](int x1, int y1, int x2, int y2) {
        moves.push_back({static_cast<int8_t>(x1), static_cast<int8_t>(y1), static_cast<int8_t>(x2),
                         static_cast<int8_t>(y2)});
    };
    for (int y = 1; y <= 8; ++y)
        for (int x = 1; x <= 8; ++x)
            if (sign * Board(x, y) > 0)
                rules::WalkPieceMoves<C>(x, y, keep, [&](int dx, int dy) {
                    rules::WalkRayMoves<C>(x, y, dx, dy, keep);
                });

    // A static pre-score per move; a promotion counts only 80 here, not a queen's worth.
    constexpr int promotionRank = S::IsBlack ? 1 : 8;
    constexpr int16_t promotionBonus = sign * 80;
    scores.resize(moves.size());
    for (size_t k = 0; k < moves.size(); ++k) {
        const OrderedMove m = moves[k];
        const int16_t captured = Board(m.x2, m.y2);
        const int16_t moved = Board(m.x1, m.y1);
        Board(m.x2, m.y2) = moved;
        Board(m.x1, m.y1) = EmptyCell;
        const bool promotes = m.y2 == promotionRank && moved == sign * Piece::Pawn;
        if (promotes) {
            Board(m.x2, m.y2) = static_cast<int16_t>(sign * Piece::Queen);
            Material += promotionBonus;
        }
        Material -= captured;
        const RunningEvaluation saved = Running;
        UpdateRunningEvaluation(m.x1, m.y1, m.x2, m.y2, moved, captured, Board(m.x2, m.y2));
        scores[k] = static_cast<int16_t>(EvaluateRunning() + Material);
        Running = saved;
        Board(m.x1, m.y1) = moved;
        Board(m.x2, m.y2) = captured;
        if (promotes) Material -= promotionBonus;
        Material += captured;
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
        const OrderedMove m = moves[pick];
        if constexpr (S::IsBlack)
            TryBlackMove(m.x1, m.y1, m.x2, m.y2);
        else
            TryWhiteMove(m.x1, m.y1, m.x2, m.y2);
        if (CutoffFlag == Yes) {
            CutoffFlag = No;
            return;
        }
    }
}

template <Colour C, void (*Generator)(int, int)>
void Expand() {
    constexpr int sign = rules::Side<C>::Sign;
    for (int y = 1; y <= 8; ++y) {
        const int16_t* rank = &Board.cells[Grid::Index(1, y)];
        for (int x = 1; x <= 8; ++x)
            if (sign * rank[x - 1] > 0) {
                Generator(x, y);
                if (CutoffFlag == Yes) {
                    CutoffFlag = No;
                    return;
                }
            }
    }
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
    EnterNode();
    ++Ply;
    const int16_t captured = Board(x2, y2);
    const int16_t moved = Board(x1, y1);
    Board(x2, y2) = moved;
    Board(x1, y1) = EmptyCell;
    const bool promotes = y2 == 1 && moved == Piece::Pawn;
    if (promotes) {
        Board(x2, y2) = Piece::Queen;
        Material += PromotionGain;
    }
    Material -= captured;
    const RunningEvaluation saved = Running;
    UpdateRunningEvaluation(x1, y1, x2, y2, moved, captured, Board(x2, y2));

    if (captured == -Piece::King) {
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
    if (PlyValue(Ply - 1) >= PlyValue(Ply - 2)) CutoffFlag = Yes;

    if (Ply == 1) {
        // The depth-2 iteration keeps out repetitions while ahead, stalemates of White and
        // moves that leave Black's king attacked; the later ones search what it kept.
        const bool keep = SearchDepth != 2 ||
                          (IsRepetition() != Yes && IsWhiteStalemated(10, 10, 10, 10) != Yes &&
                           BlackInCheckAfter(10, 10, 10, 10) != Yes);
        if (keep) {
            AppendMove(RootMoves, x1, y1, x2, y2);
            LastRootScore() = PlyValue(1);
        }
    }

    Board(x1, y1) = moved;
    Board(x2, y2) = captured;
    Running = saved;
    if (promotes) Material -= PromotionGain;
    Material += captured;
    --Ply;
}

void TryWhiteMove(int x1, int y1, int x2, int y2) {
    EnterNode();
    ++Ply;
    const int16_t captured = Board(x2, y2);
    const int16_t moved = Board(x1, y1);
    Board(x2, y2) = moved;
    Board(x1, y1) = EmptyCell;
    const bool promotes = y2 == 8 && moved == -Piece::Pawn;
    if (promotes) {
        Board(x2, y2) = -Piece::Queen;
        Material -= PromotionGain;
    }
    Material -= captured;
    const RunningEvaluation saved = Running;
    UpdateRunningEvaluation(x1, y1, x2, y2, moved, captured, Board(x2, y2));

    if ((Ply >= SearchDepth && captured == EmptyCell) || Ply >= MaxPly || captured == Piece::King) {
        PlyValue(Ply) = static_cast<int16_t>(EvaluateRunning() + Material);
    } else {
        PlyValue(Ply) = PlyValue(Ply - 2);
        if (Ply < SearchDepth - 3) {
            ExpandBlackOrdered();
        } else if (Ply >= SearchDepth) {
            PlyValue(Ply) = Material;  // Black may decline to capture
            ExpandBlackCaptures();
        } else {
            ExpandBlack();
        }
    }
    if (PlyValue(Ply) < PlyValue(Ply - 1)) PlyValue(Ply - 1) = PlyValue(Ply);
    if (PlyValue(Ply - 1) <= PlyValue(Ply - 2)) CutoffFlag = Yes;

    Board(x1, y1) = moved;
    Board(x2, y2) = captured;
    Running = saved;
    if (promotes) Material += PromotionGain;
    Material += captured;
    --Ply;
}

namespace {

void ExpandBlack() {
    Expand<Colour::Black, SearchBlackPieceMoves>();
}
void ExpandBlackCaptures() {
    Expand<Colour::Black, SearchBlackPieceCaptures>();
}
void ExpandWhite() {
    Expand<Colour::White, SearchWhitePieceMoves>();
}
void ExpandWhiteCaptures() {
    Expand<Colour::White, SearchWhitePieceCaptures>();
}
void ExpandBlackOrdered() {
    ExpandOrdered<Colour::Black>();
}
void ExpandWhiteOrdered() {
    ExpandOrdered<Colour::White>();
}

}  // namespace

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
    stoppable = false;
    display.SetProgressValue(0);

    std::string list;
    display.ReportDepth(2);
    SearchDepth = 2;
    MaxPly = 2;
    SearchRoot(list);
    display.SetProgressMaximum(static_cast<int>(2 * (RootMoves.size() / 4)));
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
    // The caption holds "State: " and the stage by now; the static evaluation follows.
    display.SetLabel(StatusLabel::State, Caption(display.LabelText(StatusLabel::State),
                                                 " / " + std::to_string(Evaluate())));
    return list.substr(0, 4);
}

}  // namespace ostrand
