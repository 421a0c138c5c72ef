#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <string_view>
#include <utility>
#include <vector>

#include "Evaluation.h"
#include "EvaluationInternal.h"
#include "Levels.h"
#include "MoveGenerator.h"
#include "RecordingDisplay.h"
#include "Search.h"
#include "SearchInternal.h"
#include "SquareSets.h"
#include "Support.h"
#include "TestBoard.h"

namespace ostrand {
namespace {

// A clock that only moves when a test moves it.
double fakeNow = 1000.0;
double FakeClock() {
    return fakeNow;
}

// What each iteration of a FindBestMove left behind, before its list was sorted.
struct Iteration {
    int16_t depth;
    uint8_t maxPly;
    std::string rootMoves;
    std::vector<int16_t> rootScores;
};
std::vector<Iteration> iterations;
// Seconds the fake clock advances after each iteration, by depth.
double advanceAfter[DeepestDepth + 1] = {};

void RecordIteration() {
    iterations.push_back({SearchDepth, MaxPly, RootMoves, RootScores});
    fakeNow += advanceAfter[SearchDepth];
}

// The middlegame with a pawn of each side one step from promotion, and captures to promote.
constexpr std::string_view PromotionsBothWays =
    "r2qk2r/pP3ppp/2n1b3/2bpP3/1n1P1B2/2N2N2/Pp2QPPP/R3KB1R";

class SearchTest : public testing::Test {
  protected:
    void SetUp() override {
        InitNewGame();
        fakeNow = 1000.0;
        SetClock(FakeClock);
        iterations.clear();
        std::fill(std::begin(advanceAfter), std::end(advanceAfter), 0.0);
        IterationDone = RecordIteration;
    }
    void TearDown() override {
        SetClock(nullptr);
        IterationDone = nullptr;
        DepthLimit = 0;
        SearchBudget = {};
        RootWeakness = {};
        OpeningStopsAtSix = true;
        RootLinesWanted = 1;
        SearchMovesOnly.clear();
    }
    std::vector<int> Depths() const {
        std::vector<int> depths;
        for (const Iteration& i : iterations)
            depths.push_back(i.depth);
        return depths;
    }
    void Position(std::string_view board, int16_t moveCount) {
        ASSERT_TRUE(SetUpPosition(board, moveCount));
    }
};

constexpr std::string_view Endgame = "8/8/4k3/3p4/3P1K2/8/8/8";

TEST_F(SearchTest, StageOneStopsAtDepthSix) {
    EXPECT_EQ(FindBestMove().size(), 4u);
    EXPECT_EQ(Depths(), (std::vector<int>{2, 4, 6}));
    EXPECT_EQ(Stage, 1);
}

TEST_F(SearchTest, QuickSearchesGoOnToDepthEightAfterTheOpening) {
    Position(Endgame, 60);
    FindBestMove();
    EXPECT_EQ(Depths(), (std::vector<int>{2, 4, 6, 8}));
    EXPECT_EQ(iterations[2].maxPly, 10);
    EXPECT_EQ(iterations[3].maxPly, 10);
}

TEST_F(SearchTest, DepthEightOnlyUnderAQuarterSecond) {
    Position(Endgame, 60);
    advanceAfter[6] = 0.25;
    FindBestMove();
    EXPECT_EQ(Depths(), (std::vector<int>{2, 4, 6}));
}

TEST_F(SearchTest, DepthSixSkippedAfterTwoSeconds) {
    Position(Endgame, 60);
    advanceAfter[4] = 2.0;
    const std::string move = FindBestMove();
    EXPECT_EQ(Depths(), (std::vector<int>{2, 4}));
    // The move is the first of the depth-4 iteration's best scores.
    const Iteration& last = iterations[1];
    size_t best = 1;
    for (size_t i = 1; i <= last.rootMoves.size() / 4; ++i)
        if (last.rootScores[i] > last.rootScores[best]) best = i;
    EXPECT_EQ(move, last.rootMoves.substr(4 * (best - 1), 4));
    advanceAfter[4] = 1.99;
    iterations.clear();
    FindBestMove();
    EXPECT_EQ(Depths(), (std::vector<int>{2, 4, 6}));
}

TEST_F(SearchTest, DepthLimitReplacesTheClock) {
    Position(Endgame, 60);
    advanceAfter[4] = 100;  // would skip depth 6 under the time rules
    DepthLimit = 8;
    FindBestMove();
    EXPECT_EQ(Depths(), (std::vector<int>{2, 4, 6, 8}));
    iterations.clear();
    DepthLimit = 2;
    FindBestMove();
    EXPECT_EQ(Depths(), (std::vector<int>{2}));
    iterations.clear();
    DepthLimit = 8;
    InitNewGame();  // stage 1: never deeper than 6, unless the host asks for the depth
    FindBestMove();
    EXPECT_EQ(Depths(), (std::vector<int>{2, 4, 6}));
    iterations.clear();
    Position("1n2kbn1/pppppppp/8/8/8/8/PPPPPPPP/1N2KBN1", 1);
    ASSERT_EQ(ComputeStage(MoveCount), 1);
    OpeningStopsAtSix = false;
    FindBestMove();
    EXPECT_EQ(Depths(), (std::vector<int>{2, 4, 6, 8}));
    // Deeper iterations go on alike, the capture extension two plies past the depth.
    iterations.clear();
    Position(Endgame, 60);
    DepthLimit = 11;
    FindBestMove();
    EXPECT_EQ(Depths(), (std::vector<int>{2, 4, 6, 8, 10}));
    EXPECT_EQ(iterations[4].maxPly, 12);
}

TEST_F(SearchTest, TheBestLineEndsInThePositionThatGaveItsScore) {
    Position("r1bq1rk1/pp2bppp/2n1pn2/2pp4/2PP4/2N1PN2/PP2BPPP/R1BQ1RK1", 14);
    DepthLimit = 4;  // every line ends in a scored White move at ply 4
    FindBestMove();
    const Iteration& last = iterations.back();
    size_t best = 1;
    for (size_t i = 1; i <= last.rootMoves.size() / 4; ++i)
        if (last.rootScores[i] > last.rootScores[best]) best = i;
    const std::string line = RootLines[best];
    ASSERT_EQ(line.size(), 16u) << line;
    EXPECT_EQ(line.substr(0, 4), last.rootMoves.substr(4 * (best - 1), 4));
    for (size_t i = 0; i < line.size(); i += 4) {
        int16_t moved = 0, captured = 0;
        MakeMove(line[i] - '0', line[i + 1] - '0', line[i + 2] - '0', line[i + 3] - '0', moved,
                 captured);
    }
    EXPECT_EQ(static_cast<int16_t>(Evaluate() + MaterialSum()), last.rootScores[best]);
}

TEST_F(SearchTest, WantedRootLinesHaveTheScoresOfTheirMovesSearchedAlone) {
    Position(PromotionsBothWays, 30);
    DepthLimit = 4;
    RootLinesWanted = 3;
    FindBestMove();
    const Iteration several = iterations.back();
    std::vector<size_t> order;
    for (size_t i = 1; i <= several.rootMoves.size() / 4; ++i)
        order.push_back(i);
    std::sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        const int16_t first = several.rootScores[a], second = several.rootScores[b];
        return first != second ? first > second : a < b;
    });
    RootLinesWanted = 1;
    for (size_t k = 0; k < 3; ++k) {
        SearchMovesOnly = several.rootMoves.substr(4 * (order[k] - 1), 4);
        iterations.clear();
        EXPECT_EQ(FindBestMove(), SearchMovesOnly);
        for (const Iteration& i : iterations)
            EXPECT_EQ(i.rootMoves, SearchMovesOnly);
        EXPECT_EQ(iterations.back().rootScores[1], several.rootScores[order[k]]) << k;
    }
}

// Daylight saving moves the local time an hour back or forward; here the time zone changes
// after the depth-4 iteration, with the system's own clock. Measured on the local time, the
// search would skip depth 6 (2 seconds gone) or cap it (15 seconds gone).
const char* zoneAfterDepthFour = nullptr;
void ChangeZoneAfterDepthFour() {
    RecordIteration();
    if (SearchDepth == 4) setenv("TZ", zoneAfterDepthFour, 1);
    tzset();
}

TEST_F(SearchTest, LocalTimeJumpingAnHourDoesNotReachTheSearch) {
    SetClock(nullptr);
    IterationDone = ChangeZoneAfterDepthFour;
    for (const char* jumped : {"XXX1", "XXX-1"}) {  // an hour back, an hour forward
        setenv("TZ", "UTC0", 1);
        zoneAfterDepthFour = jumped;
        Position(Endgame, 60);
        iterations.clear();
        FindBestMove();
        ASSERT_GE(iterations.size(), 3u) << jumped;
        EXPECT_EQ(iterations[2].depth, 6) << jumped;
        EXPECT_EQ(iterations[2].maxPly, 10) << jumped;
    }
    unsetenv("TZ");  // the system's zone again
    tzset();
}

TEST_F(SearchTest, FifteenSecondCapLowersMaxPlyAtDepthsSixAndEightOnly) {
    SearchStart = 1000.0;
    for (int16_t depth : {4, 6, 8}) {
        SearchDepth = depth;
        MaxPly = 10;
        if (depth == 4) MaxPly = 4;
        fakeNow = 1015.0;  // exactly 15 s: not yet
        ShowSearchStatus();
        EXPECT_EQ(MaxPly, depth == 4 ? 4 : 10);
        fakeNow = 1015.5;
        ShowSearchStatus();
        EXPECT_EQ(MaxPly, depth == 4 ? 4 : depth);
    }
}

TEST_F(SearchTest, StatisticsLabels) {
    test::RecordingDisplay display;
    SearchStart = 1000.0;
    fakeNow = 1000.0;
    Stage = 2;
    NodeCount = 1234;
    PlyValue(0) = -Infinity;
    display.labels[static_cast<int>(StatusLabel::BestValue)] = "Best Value: 7";
    display.labels[static_cast<int>(StatusLabel::Speed)] = "Nodes/Sec: 99";
    ShowSearchStatus();
    EXPECT_EQ(display.LabelText(StatusLabel::Time), "Time: 0");
    EXPECT_EQ(display.LabelText(StatusLabel::Nodes), "Nodes: 1234");
    EXPECT_EQ(display.LabelText(StatusLabel::BestValue), "Best Value: 7");  // still -32000
    EXPECT_EQ(display.LabelText(StatusLabel::Speed), "Nodes/Sec: 99");      // time rounds to 0
    EXPECT_EQ(display.LabelText(StatusLabel::State), "State: 2");
    EXPECT_EQ(display.eventRounds, 1);

    fakeNow = 1000.5;
    PlyValue(0) = -35;
    ShowSearchStatus();
    EXPECT_EQ(display.LabelText(StatusLabel::Time), "Time: 0.5");
    EXPECT_EQ(display.LabelText(StatusLabel::BestValue), "Best Value: -35");
    EXPECT_EQ(display.LabelText(StatusLabel::Speed), "Nodes/Sec: 2468");
    fakeNow = 1003.0;
    ShowSearchStatus();
    EXPECT_EQ(display.LabelText(StatusLabel::Time), "Time: 3");
    EXPECT_EQ(display.LabelText(StatusLabel::Speed), "Nodes/Sec: 411");
}

TEST_F(SearchTest, StateLabelEndsWithTheEvaluation) {
    test::RecordingDisplay display;
    Position(Endgame, 20);
    DepthLimit = 4;
    FindBestMove();
    EXPECT_EQ(Stage, 4);
    EXPECT_EQ(display.LabelText(StatusLabel::State), "State: 4 / " + std::to_string(Evaluate()));
    EXPECT_EQ(display.progressValue, 0);
    EXPECT_EQ(display.progressMaximum, 2 * static_cast<int>(iterations[0].rootMoves.size() / 4));
}

TEST_F(SearchTest, StateLabelInTheMiddlegame) {
    test::RecordingDisplay display;
    MoveCount = 12;
    DepthLimit = 4;
    FindBestMove();
    EXPECT_EQ(display.LabelText(StatusLabel::State), "State: 2 / " + std::to_string(Evaluate()));
    // A depth-2 search, which reaches no listed root move, writes this search's figures once
    // at its end and reports its best value.
    display.labels[static_cast<int>(StatusLabel::State)] = "State: 1 / 5";
    DepthLimit = 2;
    FindBestMove();
    EXPECT_EQ(display.LabelText(StatusLabel::State), "State: 2 / " + std::to_string(Evaluate()));
    EXPECT_EQ(display.LabelText(StatusLabel::Nodes), "Nodes: " + std::to_string(NodeCount));
    EXPECT_EQ(display.LabelText(StatusLabel::BestValue),
              "Best Value: " + std::to_string(display.scores.back()));
    EXPECT_EQ(display.scores.size(), 2u);
}

TEST_F(SearchTest, SortKeepsTheOrderOfEqualScores) {
    RootScores.assign(151, 0);
    RootScores[1] = 5;
    RootScores[2] = 9;
    RootScores[3] = 5;
    RootScores[4] = 9;
    EXPECT_EQ(SortRootMoves("1111222233334444"), "2222444411113333");
    EXPECT_EQ(RootScores[1], -Infinity);
    EXPECT_EQ(SortRootMoves(""), "");
}

TEST_F(SearchTest, StalematingMoveIsKeptOutOfTheDepthTwoList) {
    // The queen's move to (4,3) would leave White's king on (1,1) without a move.
    Position("3q4/8/8/8/8/1k6/8/K7", 40);
    DepthLimit = 4;
    FindBestMove();
    ASSERT_EQ(iterations.size(), 2u);
    const std::string& depthTwo = iterations[0].rootMoves;
    EXPECT_EQ(depthTwo.size() % 4, 0u);
    EXPECT_GT(depthTwo.size(), 0u);
    for (size_t i = 0; i < depthTwo.size(); i += 4)
        EXPECT_NE(depthTwo.substr(i, 4), "4843");
    // The later iterations search the kept moves only.
    EXPECT_EQ(iterations[1].rootMoves.size(), depthTwo.size());
}

// Black is mated: every pseudo-legal move leaves its king attacked.
constexpr std::string_view BlackMated = "k7/1Q6/1K6/8/8/8/8/8";

TEST_F(SearchTest, WithoutALegalRootMoveDepthFourListsThemAll) {
    Position(BlackMated, 40);
    DepthLimit = 4;
    FindBestMove();
    ASSERT_EQ(iterations.size(), 2u);
    EXPECT_EQ(iterations[0].rootMoves, "");
    EXPECT_EQ(iterations[1].rootMoves.size(), 3u * 4);
}

TEST_F(SearchTest, TriesLeaveBoardMaterialAndPlyAsFound) {
    test::SetBoard(PromotionsBothWays);
    Stage = 2;
    const Grid board = Board;
    for (const RuleSet rules : {RuleSet::Designed, RuleSet::Standard}) {
        Rules = rules;
        // Under the standard rules the pawn on e4 may take the pawn on d4, which passed d3.
        EnPassantCell = rules == RuleSet::Standard ? Grid::Index(4, 3) : 0;
        Board(5, 4) = Piece::Pawn;
        const Grid start = Board;
        for (int16_t depth : {2, 4, 6}) {
            SearchDepth = depth;
            // The capture extension of the standard rules' promotions is followed to ply 8.
            MaxPly = static_cast<uint8_t>(depth < 6 ? depth : rules == RuleSet::Designed ? 10 : 8);
            SearchRoot("");
            EXPECT_EQ(Board, start);
            EXPECT_EQ(Ply, 0);
            EXPECT_EQ(Material, MaterialSum());
            EXPECT_EQ(EnPassantCell, rules == RuleSet::Standard ? Grid::Index(4, 3) : 0);
            // The root has en passant and the promotions to other pieces under those rules.
            for (const char* move : {"5443", "222n", "221r"})
                EXPECT_EQ(RootMoves.find(move) % 4 == 0, rules == RuleSet::Standard) << move;
        }
        Board = board;
    }
    Rules = RuleSet::Designed;
    EnPassantCell = 0;
}

// The moves the capture generator of colour C hands over for the piece on (x, y).
template <rules::Colour C>
std::string Captures(int x, int y) {
    std::string moves;
    sets::WalkPieceCaptures<C>(Grid::Index(x, y), sets::OccupancyOfBoard(), [&](int from, int to) {
        AppendMove(moves, rules::FileOf(from), rules::RankOf(from), rules::FileOf(to),
                   rules::RankOf(to));
    });
    return moves;
}

TEST_F(SearchTest, CaptureGenerator) {
    Position("4k3/8/8/5Np1/3n4/8/2N5/r4N1K", 30);
    EXPECT_EQ(Captures<rules::Colour::Black>(4, 4), "44654432");
    EXPECT_EQ(Captures<rules::Colour::Black>(1, 1), "1161");
    EXPECT_EQ(Captures<rules::Colour::Black>(7, 5), "");  // a pawn step from rank 5 is no capture
    Board(7, 5) = EmptyCell;
    Board(7, 3) = Piece::Pawn;
    EXPECT_EQ(Captures<rules::Colour::Black>(7, 3), "7372");
}

// What the search follows beyond its nominal depth: of the piece's listed moves, the
// captures and a pawn's single step onto the last two ranks, in the list's order.
template <rules::Colour C>
std::string ListedCaptures(int x, int y) {
    constexpr bool black = C == rules::Colour::Black;
    std::string listed, kept;
    (black ? ListBlackPieceMoves : ListWhitePieceMoves)(x, y, listed);
    for (size_t i = 0; i < listed.size(); i += 4) {
        const int y2 = listed[i + 3] - '0';
        const bool pawnStep = std::abs(Board(x, y)) == Piece::Pawn && std::abs(y2 - y) == 1 &&
                              listed[i + 2] - '0' == x && (black ? y2 <= 2 : y2 >= 7);
        if (Board(listed[i + 2] - '0', y2) != EmptyCell || pawnStep) kept += listed.substr(i, 4);
    }
    return kept;
}

// On random boards with every kind of piece (pawns on every rank included), the capture
// generator hands over what the list holds of such moves, and the capture expanders pass
// over only pieces that have none.
template <rules::Colour C>
void ExpectCapturesAsListed() {
    const sets::Occupancy pieces = sets::OccupancyOfBoard();
    const uint64_t own = C == rules::Colour::Black ? pieces.black : pieces.white;
    const uint64_t pawns = C == rules::Colour::Black ? Running.blackPawns : Running.whitePawns;
    const uint64_t may = sets::MayCapture<C>(own, pawns, pieces);
    for (uint64_t left = own; left; left &= left - 1) {
        const int cell = sets::CellOf(std::countr_zero(left));
        const int x = rules::FileOf(cell), y = rules::RankOf(cell);
        const std::string captures = Captures<C>(x, y);
        ASSERT_EQ(captures, ListedCaptures<C>(x, y)) << x << y << "\n" << BoardDiagram();
        ASSERT_TRUE(captures.empty() || (may & (left & -left))) << x << y << "\n" << BoardDiagram();
    }
}

TEST_F(SearchTest, CaptureGeneratorHandsOverTheListedCaptures) {
    uint32_t seed = 5;
    auto next = [&](uint32_t n) {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<int>((seed >> 8) % n);
    };
    constexpr int16_t codes[] = {Piece::Pawn, Piece::Pawn,  Piece::Knight, Piece::Bishop,
                                 Piece::Rook, Piece::Queen, Piece::King};
    for (int i = 0; i < 3000; ++i) {
        test::SetBoard(test::EmptyBoard);
        for (int n = next(32); n > 0; --n) {
            const int16_t code = codes[next(7)];
            Board(1 + next(8), 1 + next(8)) = next(2) ? code : static_cast<int16_t>(-code);
        }
        StartRunningEvaluation();
        ExpectCapturesAsListed<rules::Colour::Black>();
        ExpectCapturesAsListed<rules::Colour::White>();
    }
}

// The capture extension acts from depth 6 on, where the benchmark's signature at depth 4
// never looks: the node counts of depth-6 searches of end games pin it.
TEST_F(SearchTest, CaptureExtensionNodeCountsAtDepthSix) {
    const std::pair<std::string_view, int64_t> games[] = {
        {"8/5pk1/6p1/8/3R4/6P1/5PKP/4r3", 216669}, {"8/3b1k2/4p3/1p1pP3/1P1P4/3B1K2/8/8", 53581}};
    DepthLimit = 6;
    for (const auto& [board, nodes] : games) {
        Position(board, 60);
        FindBestMove();
        EXPECT_EQ(NodeCount, nodes) << board;
    }
}

TEST_F(SearchTest, MateInOneIsFoundFromDepthFour) {
    Position(test::MateInOneBoard, 4);
    DepthLimit = 4;
    EXPECT_EQ(FindBestMove(), "4884");
}

TEST_F(SearchTest, AWeakenedEngineStraysOnlyWhenItsChanceSaysAndWithinItsMargin) {
    // Black's queen takes White's undefended queen; every other move is a queen worse.
    Position("k7/8/8/3q4/8/8/3Q4/K7", 40);
    DepthLimit = 2;
    EXPECT_EQ(FindBestMove(), "4542");
    RootWeakness = {100, 300};
    EXPECT_EQ(FindBestMove(), "4542");
    RootWeakness = {0, 3000};
    EXPECT_EQ(FindBestMove(), "4542");
    RootWeakness = {100, 3000};
    EXPECT_NE(FindBestMove(), "4542");
}

TEST_F(SearchTest, LongRootListsDoNotOverflow) {
    Position("q1q1k1q1/8/1q1q1q1q/8/q1q1q1q1/8/PPPPPPPP/4K3", 30);
    DepthLimit = 2;
    const std::string move = FindBestMove();
    EXPECT_GT(iterations[0].rootMoves.size() / 4, 150u);
    EXPECT_EQ(move.size(), 4u);
}

TEST_F(SearchTest, BlackWithoutMovesGivesNoMove) {
    Position("8/8/8/8/8/8/8/4K3", 30);
    EXPECT_EQ(FindBestMove(), "");
}

// Asks the search to stop at its n-th turn to handle input; notes the node count then and
// the depths reported.
class StoppingDisplay : public test::RecordingDisplay {
  public:
    int stopAtPoll = 0;  // 0: never
    int polls = 0;
    int64_t nodesAtStop = -1;
    std::vector<int> depths;

    void ReportDepth(int depth) override { depths.push_back(depth); }
    void PollInput() override {
        if (++polls != stopAtPoll) return;
        nodesAtStop = NodeCount;
        StopRequested = true;
    }
};

TEST_F(SearchTest, AStopInsideAnIterationPlaysTheLastFinishedOneAtOnce) {
    StoppingDisplay display;
    DepthLimit = 4;
    const std::string depthFour = FindBestMove();
    const int64_t depthFourNodes = NodeCount;
    EXPECT_EQ(display.polls, depthFourNodes / 4096);

    display.polls = 0;
    display.depths.clear();
    iterations.clear();
    DepthLimit = 6;
    display.stopAtPoll = static_cast<int>(depthFourNodes / 4096) + 3;
    EXPECT_EQ(FindBestMove(), depthFour);
    EXPECT_EQ(display.depths, (std::vector<int>{2, 4, 6}));
    EXPECT_EQ(Depths(), (std::vector<int>{2, 4}));
    // What is left of the tree is scored as it stands: a few hundred leaves at most.
    EXPECT_LT(NodeCount - display.nodesAtStop, 1000);
    EXPECT_FALSE(StopRequested);
}

TEST_F(SearchTest, AStopBeforeTheSearchStillFinishesTheFirstIterationThatListsMoves) {
    for (const std::string_view board : {test::InitialBoard, BlackMated}) {
        Position(board, 40);
        DepthLimit = 2;
        const std::string quickest = FindBestMove();
        const std::vector<int> depths = Depths();
        iterations.clear();
        DepthLimit = 0;
        StopRequested = true;
        EXPECT_EQ(FindBestMove(), quickest);
        EXPECT_EQ(Depths(), depths);
        EXPECT_FALSE(StopRequested);
        iterations.clear();
    }
}

TEST_F(SearchTest, ABudgetTakesOverFromTheTimeRulesAndTheCap) {
    Position(Endgame, 60);
    advanceAfter[4] = 20.0;  // the time rules would skip depth 6, the cap shorten it
    advanceAfter[8] = 1000.0;
    SearchBudget = {1000.0, 1000.0};
    FindBestMove();
    EXPECT_EQ(Depths(), (std::vector<int>{2, 4, 6, 8}));
    EXPECT_EQ(iterations[2].maxPly, 10);
    // Depth 6 would have to take half the time that depths 2 and 4 took.
    iterations.clear();
    SearchBudget = {30.0, 1000.0};
    FindBestMove();
    EXPECT_EQ(Depths(), (std::vector<int>{2, 4}));
}

TEST_F(SearchTest, ABudgetDeepensAsTheLastTwoIterationsGrew) {
    Position(Endgame, 60);
    advanceAfter[6] = 1.0;
    advanceAfter[8] = 10.0;  // depth 10 then takes ten times as long again: 100 seconds
    advanceAfter[10] = 1000.0;
    SearchBudget = {110.9, 1000.0};
    FindBestMove();
    EXPECT_EQ(Depths(), (std::vector<int>{2, 4, 6, 8}));
    iterations.clear();
    SearchBudget = {111.1, 1000.0};
    FindBestMove();
    EXPECT_EQ(Depths(), (std::vector<int>{2, 4, 6, 8, 10}));
}

// The fake clock runs a second a poll from depth 6 on.
class SlowPolls : public StoppingDisplay {
  public:
    void PollInput() override {
        if (depths.back() >= 6) fakeNow += 1.0;
        StoppingDisplay::PollInput();
    }
};

TEST_F(SearchTest, ABudgetsLimitStopsTheRunningIteration) {
    Position(PromotionsBothWays, 30);
    DepthLimit = 4;
    const std::string depthFour = FindBestMove();
    DepthLimit = 0;
    iterations.clear();
    SlowPolls display;
    SearchBudget = {1000.0, 3.0};
    EXPECT_EQ(FindBestMove(), depthFour);
    EXPECT_EQ(display.depths, (std::vector<int>{2, 4, 6}));
    EXPECT_EQ(Depths(), (std::vector<int>{2, 4}));
    EXPECT_EQ(fakeNow, 1003.0);  // stopped at the first poll past the limit
    EXPECT_FALSE(StopRequested);
}

TEST_F(SearchTest, AMoveThatAStoppedIterationChangesIsReportedWithTheMovesItFinished) {
    Position(Endgame, 60);
    SlowPolls display;
    SearchBudget = {1000.0, 12.0};
    const std::string move = FindBestMove();
    ASSERT_EQ(Depths(), (std::vector<int>{2, 4, 6, 8}));
    const Iteration& stopped = iterations.back();
    ASSERT_EQ(stopped.rootMoves.size(), 12u);  // three of the five root moves
    const auto best =
        std::max_element(stopped.rootScores.begin() + 1, stopped.rootScores.begin() + 4);
    EXPECT_EQ(move, stopped.rootMoves.substr(
                        4 * static_cast<size_t>(best - stopped.rootScores.begin() - 1), 4));
    EXPECT_NE(move, stopped.rootMoves.substr(0, 4));  // depth 6's choice, which it searched first
}

}  // namespace
}  // namespace ostrand
