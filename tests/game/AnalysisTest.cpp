#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <thread>

#include "Analysis.h"
#include "San.h"

namespace ostrand::game {
namespace {

using chess::Colour;

// A short game with one mark of each kind: 3. Bc4?! 4. Qh5? and 3...Nf6?? 4. Qxf7#. The
// scores are the side to move's, as UCI gives them.
constexpr const char* Moves[] = {"e4", "e5", "Bc4", "Nc6", "Qh5", "Nf6", "Qxf7#"};
constexpr const char* Table =
    "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w | cp 30 | e2e4 | e2e4 e7e5\n"
    "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b | cp -30 | e7e5 | e7e5\n"
    "rnbqkbnr/pppp1ppp/8/4p3/4P3/8/PPPP1PPP/RNBQKBNR w | cp 35 | g1f3 | g1f3 b8c6\n"
    "rnbqkbnr/pppp1ppp/8/4p3/2B1P3/8/PPPP1PPP/RNBQK1NR b | cp 80 | g8f6 | g8f6 d2d3\n"
    "r1bqkbnr/pppp1ppp/2n5/4p3/2B1P3/8/PPPP1PPP/RNBQK1NR w | cp -60 | g1f3 | g1f3\n"
    "r1bqkbnr/pppp1ppp/2n5/4p2Q/2B1P3/8/PPPP1PPP/RNB1K1NR b | cp 400 | g7g6 | g7g6 h5f3 g8f6\n"
    "r1bqkb1r/pppp1ppp/2n2n2/4p2Q/2B1P3/8/PPPP1PPP/RNB1K1NR w | mate 1 | h5f7 | h5f7\n";

constexpr const char* Annotated =
    "[Event \"?\"]\n[Site \"?\"]\n[Date \"????.??.??\"]\n[Round \"?\"]\n[White \"?\"]\n"
    "[Black \"?\"]\n[Result \"1-0\"]\n\n"
    "{[%eval 0.30]} 1. e4 {[%eval 0.30]} 1... e5 {[%eval 0.35]} 2. Bc4 $6\n"
    "{[%eval -0.80]} (2. Nf3 Nc6) 2... Nc6 {[%eval -0.60]} 3. Qh5 $2 {[%eval -4.00]}\n"
    "(3. Nf3) 3... Nf6 $4 {[%eval #1]} (3... g6 4. Qf3 Nf6) 4. Qxf7# 1-0\n\n";

std::string TableFile(const std::string& name, const std::string& text) {
    const std::string path = testing::TempDir() + name;
    std::ofstream(path) << text;
    return path;
}

GameAnalysis KnownGame() {
    GameAnalysis analysis;
    chess::Position position = analysis.start;
    for (const char* san : Moves) {
        chess::Move move;
        std::string error;
        EXPECT_TRUE(chess::ParseSan(position, san, move, error)) << san;
        chess::Play(position, move);
        analysis.moves.push_back(move);
    }
    return analysis;
}

std::vector<Mark> Marks(const GameAnalysis& analysis) {
    std::vector<Mark> marks;
    for (size_t i = 0; i < analysis.moves.size(); ++i)
        marks.push_back(analysis.Verdict(i).mark);
    return marks;
}

// What players read from an analysis, the same whether an engine ran or the annotated game
// was read back.
void ExpectKnownVerdicts(const GameAnalysis& analysis) {
    EXPECT_EQ(Marks(analysis),
              (std::vector<Mark>{Mark::None, Mark::None, Mark::Inaccuracy, Mark::None,
                                 Mark::Mistake, Mark::Blunder, Mark::None}));
    const MoveVerdict blunder = analysis.Verdict(5);
    EXPECT_EQ(blunder.betterSan, "g6");
    EXPECT_EQ(blunder.betterLine, (std::vector<std::string>{"g6", "Qf3", "Nf6"}));
    EXPECT_EQ(blunder.betterFrom, chess::SquareOf(7, 7));
    EXPECT_EQ(blunder.betterTo, chess::SquareOf(7, 6));
    EXPECT_EQ(analysis.Summary(Colour::White), (SideSummary{1, 1, 0, 114, 4}));
    // The blunder into mate counts the cap, not the mate's distance.
    EXPECT_EQ(analysis.Summary(Colour::Black), (SideSummary{0, 0, 1, 342, 3}));
    const std::vector<double> points = analysis.GraphPoints();
    ASSERT_EQ(points.size(), 8u);
    EXPECT_NEAR(points[0], 0.0552, 1e-4);
    EXPECT_NEAR(points[5], -0.6270, 1e-4);
    EXPECT_EQ(points[6], 1.0);
    EXPECT_EQ(points[7], 1.0);
}

TEST(Analysis, KnownGameMarksGraphAndAnnotatedPgnSurviveTheRoundTrip) {
    GameAnalysis analysis = KnownGame();
    Analyser analyser({STAND_IN_ENGINE, {TableFile("known.txt", Table)}, 10});
    std::vector<size_t> reported;
    std::string error;
    ASSERT_TRUE(analyser.Run(analysis, error,
                             [&](size_t index, const PositionAnalysis&, size_t total) {
                                 EXPECT_EQ(total, 8u);
                                 reported.push_back(index);
                             }))
        << error;
    EXPECT_EQ(reported, (std::vector<size_t>{0, 1, 2, 3, 4, 5, 6, 7}));
    ExpectKnownVerdicts(analysis);

    chess::PgnGame game;
    game.result = "1-0";
    const std::string text = chess::WritePgn(AnnotatedPgn(analysis, game));
    EXPECT_EQ(text, Annotated);

    std::vector<chess::PgnGame> games;
    ASSERT_TRUE(chess::ReadPgn(text, games, error)) << error;
    GameAnalysis read;
    ASSERT_TRUE(AnalysisFromPgn(games[0], read));
    ExpectKnownVerdicts(read);
    EXPECT_EQ(chess::WritePgn(AnnotatedPgn(read, games[0])), text);
}

struct Failure {
    const char* name;
    std::string table;               // the known table with one line changed
    std::vector<std::string> extra;  // more arguments of the stand-in
    size_t analysed;                 // positions kept
    const char* message;
};

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    return text.replace(text.find(from), from.size(), to);
}

void PrintTo(const Failure& failure, std::ostream* out) {
    *out << failure.name;
}

class AnalysisFailure : public testing::TestWithParam<Failure> {};

// However the engine fails, the player learns why and keeps the positions done, and a run
// with a working engine goes on from there.
TEST_P(AnalysisFailure, SaysWhyKeepsWhatIsDoneAndResumes) {
    const Failure& failure = GetParam();
    GameAnalysis analysis = KnownGame();
    std::vector<std::string> arguments = failure.extra;
    arguments.push_back(TableFile(std::string(failure.name) + ".txt", failure.table));
    std::string error;
    Analyser failing(
        {failure.table.empty() ? "/nonexistent/engine" : STAND_IN_ENGINE, arguments, 10});
    EXPECT_FALSE(failing.Run(analysis, error));
    EXPECT_NE(error.find(failure.message), std::string::npos) << error;
    EXPECT_EQ(analysis.positions.size(), failure.analysed);

    Analyser working({STAND_IN_ENGINE, {TableFile("working.txt", Table)}, 10});
    ASSERT_TRUE(working.Run(analysis, error)) << error;
    ExpectKnownVerdicts(analysis);
}

INSTANTIATE_TEST_SUITE_P(
    Engines, AnalysisFailure,
    testing::Values(Failure{"missing", "", {}, 0, "Cannot start the engine /nonexistent/engine"},
                    Failure{"dies",
                            Table,
                            {"--die-after", "3"},
                            3,
                            "after move 2 (Bc4): it stopped (exit status 3)"},
                    Failure{"hangs", Table, {"--hang-after", "4"}, 4, "did not answer in time"},
                    Failure{"illegal",
                            Replaced(Table, "| g1f3 | g1f3 b8c6", "| g1g3 | g1g3"),
                            {},
                            2,
                            "illegal move 'g1g3'"},
                    Failure{"nonsense", Replaced(Table, "cp -30", "nonsense"), {}, 1, "nonsense"}),
    [](const testing::TestParamInfo<Failure>& info) { return info.param.name; });

TEST(Analysis, CancelFromAnotherThreadEndsAWaitForAHungEngine) {
    GameAnalysis analysis = KnownGame();
    Analyser analyser(
        {STAND_IN_ENGINE, {"--hang-after", "2", TableFile("hung.txt", Table)}, 60000});
    std::atomic<size_t> done = 0;
    std::thread canceller([&] {
        while (done < 2)
            std::this_thread::yield();
        analyser.Cancel();
    });
    std::string error;
    EXPECT_FALSE(
        analyser.Run(analysis, error, [&](size_t, const PositionAnalysis&, size_t) { ++done; }));
    canceller.join();
    EXPECT_EQ(error, "Analysis cancelled");
    EXPECT_EQ(analysis.positions.size(), 2u);
}

TEST(Analysis, DamagedAnnotationsAreLeftOutAndTheGameKept) {
    const char* text =
        "1. e4 {[%eval 0.30]} e5 {[%eval 0.2x]} (1... c5 2. Qxh7) (1... Nf6) 2. Nf3 $4 $1"
        " {[%eval #-2]} *";
    std::vector<chess::PgnGame> games;
    std::string error;
    ASSERT_TRUE(chess::ReadPgn(text, games, error)) << error;
    ASSERT_EQ(games[0].moves.size(), 3u);
    EXPECT_EQ(games[0].error, "");
    // The illegal variation is dropped; the next takes its place.
    ASSERT_EQ(games[0].variations.size(), 2u);
    EXPECT_EQ(chess::MoveText(games[0].variations[1].at(0)), "g8f6");
    EXPECT_EQ(games[0].nags, (std::vector<int>{0, 0, 4}));
    GameAnalysis read;
    ASSERT_TRUE(AnalysisFromPgn(games[0], read));
    // The start takes the first score; the unreadable score ends what can be graphed.
    EXPECT_EQ(read.GraphPoints().size(), 2u);
    EXPECT_EQ(read.Verdict(2).mark, Mark::Blunder);

    games[0].comments.clear();
    EXPECT_FALSE(AnalysisFromPgn(games[0], read));
}

TEST(Analysis, ScoresReadAsWritten) {
    for (const char* text : {"0.34", "-1.20", "0.00", "#3", "#-2", "#0"}) {
        Score score;
        ASSERT_TRUE(Score::ParseEval(text, score)) << text;
        EXPECT_EQ(score.EvalText(), text);
    }
    Score score;
    for (const char* text : {"", "#", "#x", "1e", "abc", "0.3.4", "--1", "#--2"})
        EXPECT_FALSE(Score::ParseEval(text, score)) << text;
    EXPECT_EQ(Score::Mate(-2, Colour::White), (Score{Score::Kind::BlackMates, 2}));
    EXPECT_EQ(Score::Mate(3, Colour::Black), (Score{Score::Kind::BlackMates, 3}));
}

}  // namespace
}  // namespace ostrand::game
