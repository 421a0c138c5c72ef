// The console program's output formats are read by other tools; these tests run the real
// executable and read what it prints.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "Levels.h"
#include "SavedGame.h"
#include "Support.h"
#include "TestBoard.h"

namespace ostrand {
namespace {

namespace fs = std::filesystem;

struct Outcome {
    int exitCode;
    std::string output;  // standard output and standard error together
};

// Runs the console program with arguments, feeding input on its standard input.
Outcome RunEngine(const std::string& arguments, const std::string& input = "") {
    // CTest runs the tests in parallel processes: each needs its own input file.
    const fs::path inputFile =
        fs::temp_directory_path() / ("ostrand-console-input-" + std::to_string(getpid()));
    std::ofstream(inputFile, std::ios::binary) << input;
    const std::string command =
        std::string(OSTRAND_ENGINE_PATH) + " " + arguments + " < " + inputFile.string() + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    std::string output;
    char buffer[4096];
    while (size_t n = fread(buffer, 1, sizeof buffer, pipe))
        output.append(buffer, n);
    const int status = pclose(pipe);
    fs::remove(inputFile);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// Saves a position of the test's own to a file for the console program to load.
std::string SavedPosition(const std::string& name, std::string_view board, int16_t count) {
    EXPECT_TRUE(SetUpPosition(board, count));
    const std::string path = (fs::temp_directory_path() / name).string();
    std::string error;
    EXPECT_TRUE(SaveGame(path, error)) << error;
    return path;
}

// A move before any NewGame is a move of the initial position.
TEST(Console, PlaySession) {
    const Outcome run =
        RunEngine("play --depth 2", "5254\ncount\nkey\nflags\nboard\nsomething\n5254\r\nNewGame\n");
    EXPECT_EQ(run.exitCode, 0);
    const auto lines = Lines(run.output);
    ASSERT_EQ(lines.size(), 16u) << run.output;
    EXPECT_TRUE(std::regex_match(lines[0], std::regex("[1-8]{4}"))) << lines[0];
    EXPECT_EQ(lines[1], "2");
    EXPECT_EQ(lines[2].size(), 64u);
    EXPECT_EQ(lines[2].substr(32), "0000P00000000000PPPP0PPPRNBQKBNR");
    EXPECT_EQ(lines[3], "0 -1 -1 -1 -1 0 0 0 0");
    EXPECT_EQ(lines[4].size(), 8u);
    EXPECT_EQ(lines[8], "....P...");
    EXPECT_EQ(lines[11], "RNBQKBNR");
    EXPECT_EQ(lines[12], "OK");
    EXPECT_EQ(lines[13], "Error");
    EXPECT_EQ(lines[14], "Error");  // (5,2) is empty now
    EXPECT_EQ(lines[15], "OK");
}

TEST(Console, HelpAndVersionAnswerOnStandardOutput) {
    const Outcome help = RunEngine("--help");
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.output.find("usage: ostrand-engine play"), std::string::npos);
    const Outcome version = RunEngine("--version");
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_TRUE(std::regex_match(version.output, std::regex("ostrand-engine [0-9.]+\n")));
}

TEST(Console, MessagesComeBeforeTheReply) {
    const std::string path = SavedPosition(
        "ostrand-console-mate.txt", "rnbqkbnr/pppp1ppp/8/4p3/2B1P3/5Q2/PPPP1PPP/RNB1K1NR", 20);
    const Outcome run = RunEngine("play --depth 2", "load " + path + "\n6367\n1213\n");
    EXPECT_EQ(Lines(run.output),
              (std::vector<std::string>{"OK", "message: Check Mate!", "CheckMate",
                                        "message: Check Mate!", "CheckMate"}));
    fs::remove(path);
}

TEST(Console, SaveAndLoadReportErrors) {
    const fs::path folder = fs::temp_directory_path() / "ostrand-console-files";
    fs::remove_all(folder);
    fs::create_directories(folder);
    std::ofstream(folder / "damaged.txt") << "1\n2\n";
    const Outcome run =
        RunEngine("play --depth 2", "NewGame\nsave " + (folder / "game.txt").string() + "\nsave " +
                                        (folder / "damaged.txt" / "x").string() + "\nload " +
                                        (folder / "damaged.txt").string() + "\nload " +
                                        (folder / "game.txt").string() + "\n");
    const auto lines = Lines(run.output);
    ASSERT_EQ(lines.size(), 5u) << run.output;
    EXPECT_EQ(lines[1], "OK");
    EXPECT_EQ(lines[2].rfind("Error: Cannot save the game to ", 0), 0u) << lines[2];
    EXPECT_EQ(lines[3].rfind("Error: Cannot load ", 0), 0u) << lines[3];
    EXPECT_EQ(lines[4], "OK");
    fs::remove_all(folder);
}

TEST(Console, SearchTracesEveryIteration) {
    const std::string path = SavedPosition("ostrand-console-search.txt", test::MateInOneBoard, 4);
    const Outcome run = RunEngine("search " + path + " --depth 4");
    EXPECT_EQ(run.exitCode, 0);
    const auto lines = Lines(run.output);
    ASSERT_EQ(lines.size(), 3u) << run.output;
    const std::regex iteration(
        "iteration ([0-9]+) nodes [0-9]+ best -?[0-9]+ list( [0-9]{4}:-?[0-9]+)+");
    std::smatch match;
    ASSERT_TRUE(std::regex_match(lines[0], match, iteration)) << lines[0];
    EXPECT_EQ(match[1], "2");
    ASSERT_TRUE(std::regex_match(lines[1], match, iteration)) << lines[1];
    EXPECT_EQ(match[1], "4");
    EXPECT_EQ(lines[2], "bestmove 4884");
    fs::remove(path);
}

// For Black to move, a FEN is set up as a saved game of the same position, move count and
// castling rights.
TEST(Console, SearchFromAFenPrintsWhatTheSavedGamePrints) {
    // At depth 6 the engine's castling is searched too.
    const std::string path = SavedPosition("ostrand-console-fen.txt",
                                           "....k..r"
                                           "......pp"
                                           "........"
                                           "........"
                                           "........"
                                           "........"
                                           "......PP"
                                           "....K..R",
                                           59);
    const Outcome saved = RunEngine("search " + path + " --depth 6");
    const Outcome fen = RunEngine("search --fen 4k2r/6pp/8/8/8/8/6PP/4K2R b Kk - 0 30 --depth 6");
    EXPECT_EQ(fen.exitCode, 0);
    EXPECT_EQ(fen.output, saved.output);
    EXPECT_NE(fen.output.find(" 9191:"), std::string::npos);
    fs::remove(path);
}

TEST(Console, PlayFromAFenWithTheEngineToMove) {
    const Outcome run = RunEngine(
        "play --depth 4 --fen 'rnbqkbnr/pppp1ppp/8/4p3/6P1/5P2/PPPPP2P/RNBQKBNR b KQkq - 0 2'",
        "fen\nfen KKKKKKKK/8/8/8/8/8/8/k7 w - - 0 1\nfen\ncount\n");
    const std::string after = "rnb1kbnr/pppp1ppp/8/4p3/6Pq/5P2/PPPPP2P/RNBQKBNR w KQkq - 0 3";
    EXPECT_EQ(Lines(run.output),
              (std::vector<std::string>{
                  "message: Check Mate!", "4884", after,
                  "Error: the position has 8 white kings and 1 black king; it needs one of each",
                  after, "4"}));
}

TEST(Console, PgnPrintsEachGameAsEngineMoves) {
    const fs::path folder = fs::temp_directory_path() / "ostrand-console-pgn";
    fs::remove_all(folder);
    fs::create_directories(folder);
    std::ofstream(folder / "good.pgn")
        << "1. e4 e5 2. Nf3 Nc6 3. Bc4 Bc5 4. O-O *\n\n"
           "[FEN \"r3k3/8/8/8/8/8/8/4K3 b q - 0 9\"]\n9... O-O-O *\n";
    std::ofstream(folder / "passant.pgn")
        << "*\n[FEN \"4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 2\"]\n2. exd6\n";
    std::ofstream(folder / "empty.pgn");
    const Outcome good = RunEngine("pgn " + (folder / "good.pgn").string());
    EXPECT_EQ(good.exitCode, 0);
    EXPECT_EQ(good.output, "5254 5755 7163 2836 6134 6835 0101\n9898\n");
    const Outcome passant = RunEngine("pgn " + (folder / "passant.pgn").string());
    EXPECT_EQ(passant.exitCode, 1);
    EXPECT_EQ(passant.output, "\nostrand-engine: " + (folder / "passant.pgn").string() +
                                  ", game 2: move 2 (exd6): en passant, which the engine's rules "
                                  "do not have\n");
    const Outcome empty = RunEngine("pgn " + (folder / "empty.pgn").string());
    EXPECT_EQ(empty.exitCode, 1);
    EXPECT_NE(empty.output.find("empty.pgn: no game in the file"), std::string::npos);
    fs::remove_all(folder);
}

TEST(Console, WrongCommandLinesFailClearly) {
    for (const char* arguments :
         {"fly", "play --depth", "play --depth x", "play --depth 0", "play -d 4", "play --fen",
          "search", "search file", "search --fen --depth 2", "search file --fen 8/8 w --depth 2",
          "bench --depth 5", "bench 6", "bench --moves 4", "pgn", "pgn a b", "uci x"}) {
        const Outcome run = RunEngine(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments;
        EXPECT_NE(run.output.find("usage: ostrand-engine"), std::string::npos) << arguments;
    }
    const Outcome missing = RunEngine("search /nonexistent/Board.txt --depth 2");
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.output.find("Cannot load /nonexistent/Board.txt"), std::string::npos);
}

// An iteration's line: depth, score, time, nodes, speed, then its line of moves (group 4),
// which begins with the best move (group 5).
const std::regex InfoLine(
    "info depth ([0-9]+)(?: seldepth [0-9]+ multipv 1)? score (cp|mate) (-?[0-9]+) time [0-9]+ "
    "nodes [0-9]+ nps [0-9]+(?: hashfull [0-9]+)? pv "
    "(([a-h][1-8][a-h][1-8])( [a-h][1-8][a-h][1-8][qrbn]?)*)");
// The move of a "bestmove" line, without the reply to ponder on.
std::string BestMove(const std::string& line) {
    std::istringstream words(line);
    std::string bestmove, move;
    words >> bestmove >> move;
    return bestmove == "bestmove" ? move : line;
}

TEST(Console, UciSessionFromHelloToBestMove) {
    // Started without arguments, as chess programs start an engine.
    const Outcome run = RunEngine("",
                                  "uci\nisready\nucinewgame\nposition startpos moves e2e4 e7e5 "
                                  "g1f3\ngo depth 4\n");
    EXPECT_EQ(run.exitCode, 0);
    auto lines = Lines(run.output);
    ASSERT_EQ(lines.size(), 17u) << run.output;
    EXPECT_EQ(lines[0], "id name Ostrand Chess 6.3");
    EXPECT_EQ(lines[1].rfind("id author ", 0), 0u);
    EXPECT_EQ(lines[2], "option name MultiPV type spin default 1 min 1 max 50");
    // The strength options, whose spin range runs from the weakest level's Elo to the
    // strongest's, Master, the default, and the book.
    EXPECT_EQ(lines[3].rfind("option name Level type combo default Master var Master var Full "
                             "strength var Depth 6 var Depth 4 var Depth 2 var ",
                             0),
              0u);
    EXPECT_EQ(lines[4], "option name UCI_LimitStrength type check default false");
    EXPECT_EQ(lines[5], "option name UCI_Elo type spin default " +
                            std::to_string(Levels.front().elo) + " min " +
                            std::to_string(Levels.back().elo) + " max " +
                            std::to_string(Levels.front().elo));
    EXPECT_EQ(lines[6], "option name OwnBook type check default false");
    // The host plays the standard rules; the engine's own game is there to choose.
    EXPECT_EQ(lines[7], "option name Rules type combo default Standard var Standard var Designed");
    EXPECT_EQ(lines[8], "option name Hash type spin default 16 min 1 max 1024");
    EXPECT_EQ(lines[9], "option name Ponder type check default false");
    lines.erase(lines.begin() + 3, lines.begin() + 10);
    EXPECT_EQ(lines[3], "uciok");
    EXPECT_EQ(lines[4], "readyok");
    // A line at every depth, each at least as long as its depth, as legal moves.
    std::smatch match;
    for (int depth = 1; depth <= 4; ++depth) {
        const std::string& line = lines[static_cast<size_t>(4 + depth)];
        ASSERT_TRUE(std::regex_match(line, match, InfoLine)) << line;
        EXPECT_EQ(match[1], std::to_string(depth));
        EXPECT_GE(std::count(match[4].first, match[4].second, ' '), depth - 1) << line;
    }
    // The move and the reply expected, from the deepest line.
    const std::string pv = match[4].str();
    EXPECT_EQ(lines[9], "bestmove " + pv.substr(0, 4) + " ponder " + pv.substr(5, 4));
}

TEST(Console, UciStrengthOptionsChooseALevelAndRefuseWhatTheyDoNotTake) {
    // The depths of a session's iterations.
    auto depths = [](const Outcome& run) {
        std::vector<std::string> found;
        for (const std::string& line : Lines(run.output)) {
            std::smatch match;
            if (std::regex_match(line, match, InfoLine)) found.push_back(match[1]);
        }
        return found;
    };
    const Outcome byName =
        RunEngine("uci",
                  "setoption name Level value Depth 3\nsetoption name UCI_Elo value 99999\n"
                  "setoption name UCI_LimitStrength value maybe\nsetoption name Contempt value 3\n"
                  "setoption name level value Depth 4\nposition startpos\ngo depth 6\n");
    const auto lines = Lines(byName.output);
    ASSERT_GE(lines.size(), 4u) << byName.output;
    EXPECT_EQ(lines[0], "info string option 'Level' does not take the value 'Depth 3'");
    EXPECT_EQ(lines[1], "info string option 'UCI_Elo' does not take the value '99999'");
    EXPECT_EQ(lines[2], "info string option 'UCI_LimitStrength' does not take the value 'maybe'");
    EXPECT_EQ(lines[3], "info string unknown option 'Contempt'");
    // A level's depth is the deepest "go depth" searches; the weakest level by its Elo.
    EXPECT_EQ(depths(byName), (std::vector<std::string>{"2", "4"})) << byName.output;
    const Outcome byElo = RunEngine("uci",
                                    "setoption name UCI_LimitStrength value true\n"
                                    "setoption name UCI_Elo value " +
                                        std::to_string(Levels.back().elo) + "\ngo depth 6\n");
    EXPECT_EQ(depths(byElo), std::vector<std::string>{"2"}) << byElo.output;
}

TEST(Console, UciOwnBookPlaysTheInstalledBookWithoutSearching) {
    const Outcome run = RunEngine(
        "uci", "setoption name OwnBook value true\nposition startpos moves d2d4\ngo depth 6\n");
    EXPECT_TRUE(std::regex_match(run.output, std::regex("bestmove (g8f6|d7d5|f7f5|e7e6)\n")))
        << run.output;
}

TEST(Console, UciPrefersARepetitionToAForcedLoss) {
    // A pawn ahead, the repetition filter keeps only moves that are mated in two.
    const Outcome run = RunEngine(
        "uci",
        "position fen r6r/3b4/5k2/p4NRP/2Q1p3/8/2p4K/3q4 w - - 0 46 moves g5g6 f6f5 c4c5 f5f4 "
        "g6f6 f4g4 f6g6 g4f4 c5c7 f4f5 c7c5\ngo depth 8\n");
    EXPECT_EQ(Lines(run.output).back(), "bestmove f5f4") << run.output;
}

TEST(Console, UciPlaysTheStandardRulesUnlessTheDesignedOnesAreChosen) {
    // En passant and a knight's fork by promotion, for either colour of the engine.
    for (const auto& [fen, standard, designed] :
         {std::tuple{"4k3/8/8/8/3pP3/8/8/K7 b - e3 0 1", "d4e3", "d4d3"},
          std::tuple{"4k3/8/8/3pP3/8/8/8/K7 w - d6 0 1", "e5d6", "a1b2"},
          std::tuple{"8/8/8/8/8/3K4/4p1Q1/k7 b - - 0 1", "e2e1n", "e2e1q"},
          std::tuple{"K7/4P1q1/3k4/8/8/8/8/8 w - - 0 1", "e7e8n", "e7e8q"}}) {
        const std::string go = std::string("position fen ") + fen + "\ngo depth 4\n";
        EXPECT_EQ(BestMove(Lines(RunEngine("uci", go).output).back()), standard);
        EXPECT_EQ(
            BestMove(Lines(RunEngine("uci", "setoption name Rules value Designed\n" + go).output)
                         .back()),
            designed);
    }
}

TEST(Console, UciInfiniteSearchAnswersAfterStopOrTheNextCommand) {
    const Outcome run = RunEngine("uci",
                                  "position startpos\ngo infinite\nisready\nstop\ngo infinite\n"
                                  "position startpos moves e2e4\ngo infinite\nucinewgame\n"
                                  "go infinite\ngo depth 2\nquit\n");
    const auto lines = Lines(run.output);
    ASSERT_GE(lines.size(), 2u) << run.output;
    // "isready" is answered while the engine thinks, so before the move, wherever it falls
    // among the iterations' lines.
    EXPECT_NE(std::find(lines.begin(), lines.end() - 1, "readyok"), lines.end() - 1);
    // Every search answers once: at "stop", or when the next command stops it.
    std::vector<std::string> answers;
    for (const std::string& line : lines)
        if (line.rfind("bestmove", 0) == 0) answers.push_back(line);
    ASSERT_EQ(answers.size(), 5u) << run.output;
    EXPECT_TRUE(std::regex_match(answers[2], std::regex("bestmove [a-h][78][a-h][56]")));
    EXPECT_EQ(lines.back(), answers.back());
}

TEST(Console, UciAnalysisOptionsAndRestrictions) {
    const Outcome run =
        RunEngine("uci",
                  "setoption name Hash value 0\nsetoption name multipv value 0\n"
                  "setoption name MultiPV value 3\ngo depth 4 searchmoves e2e4 d2d4 e2e5 e1g1\n");
    const auto lines = Lines(run.output);
    ASSERT_GE(lines.size(), 6u) << run.output;
    EXPECT_EQ(lines[0], "info string option 'Hash' does not take the value '0'");
    EXPECT_EQ(lines[1], "info string MultiPV takes a number from 1 to 50");
    EXPECT_EQ(lines[2],
              "info string searchmoves: leaving out e2e5 (not legal here), e1g1 (not "
              "legal here)");
    // Both allowed moves, best first, at each depth; the answer is one of them.
    std::vector<std::string> depthFour;
    size_t at = 3;
    for (; at < lines.size() && lines[at].rfind("bestmove", 0) != 0; ++at)
        if (lines[at].rfind("info depth 4 ", 0) == 0) depthFour.push_back(lines[at]);
    ASSERT_EQ(depthFour.size(), 2u) << run.output;
    std::smatch match;
    for (size_t k = 0; k < 2; ++k)
        EXPECT_TRUE(std::regex_search(
            depthFour[k], match,
            std::regex("^info depth 4 seldepth [0-9]+ multipv " + std::to_string(k + 1) +
                       " score cp -?[0-9]+ .* pv (e2e4|d2d4) ")))
            << depthFour[k];
    ASSERT_EQ(at + 1, lines.size()) << run.output;
    EXPECT_TRUE(std::regex_match(lines[at], std::regex("bestmove (e2e4|d2d4)( ponder .*)?")))
        << lines[at];
    // A node count ends a search that nothing else would end, within a few thousand nodes
    // (depth 4 of the initial position takes 3040, depth 8 of the Master search some 20000).
    for (const char* level : {"Full strength", "Master"}) {
        const auto counted = Lines(RunEngine("uci", std::string("setoption name Level value ") +
                                                        level + "\nposition startpos\ngo nodes 1\n")
                                       .output);
        ASSERT_GE(counted.size(), 2u);
        std::smatch match;
        ASSERT_TRUE(std::regex_match(counted[counted.size() - 2], match, InfoLine));
        EXPECT_LE(std::stoi(match[1]), 6) << level;
    }
    // A castling alone is searched where the engine searches castlings, from depth 6 on.
    const auto castled = RunEngine("uci",
                                   "position fen r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1\n"
                                   "go depth 6 searchmoves e1c1\n");
    EXPECT_EQ(BestMove(Lines(castled.output).back()), "e1c1") << castled.output;
}

TEST(Console, UciBadInputIsExplainedAndTheSessionGoesOn) {
    const Outcome run =
        RunEngine("uci",
                  "position startpos moves e2e5\nposition fen 8/8/8 w - - 0 1\nposition sideways\n"
                  "fly\ngo depth x\nposition fen 7k/8/8/8/8/8/8/K7 w - - 0 1 moves a1b2 h8h7\n"
                  "go depth 2\nquit\n");
    const auto lines = Lines(run.output);
    ASSERT_GE(lines.size(), 6u) << run.output;
    EXPECT_EQ(lines[0], "info string position refused: 'e2e5' is not a legal move here");
    EXPECT_EQ(lines[1].rfind("info string position refused: ", 0), 0u);
    EXPECT_EQ(lines[2], "info string position refused: expected startpos or fen");
    EXPECT_EQ(lines[3], "info string unknown command 'fly'");
    EXPECT_EQ(lines[4].rfind("info string go depth needs a positive number", 0), 0u);
    // The session went on: the last position is searched, White's king to move.
    EXPECT_TRUE(std::regex_match(lines.back(), std::regex("bestmove b2[a-c][1-3]"))) << run.output;
}

TEST(Console, UciMatesAreScoredInMovesFromTheShallowestIterationThatSeesThem) {
    for (const auto& [fen, mate] : {std::pair{"6k1/5ppp/8/8/8/8/8/R5K1 w - - 0 1", "1"},
                                    std::pair{"7k/1p3Q2/6K1/8/8/8/8/8 b - - 0 1", "-1"}}) {
        // A mate in two is looked for down to depth 6.
        const Outcome run = RunEngine("uci", std::string("setoption name Level value Full "
                                                         "strength\nposition fen ") +
                                                 fen + "\ngo mate 2\n");
        const auto lines = Lines(run.output);
        ASSERT_EQ(lines.size(), 4u) << run.output;
        for (int i = 0; i < 3; ++i) {
            std::smatch match;
            ASSERT_TRUE(std::regex_match(lines[i], match, InfoLine)) << lines[i];
            // Seen from depth 4 on, where a mate in one is within reach.
            const std::string score =
                i == 0 ? match[2].str() : match[2].str() + " " + match[3].str();
            EXPECT_EQ(score, i == 0 ? "cp" : std::string("mate ") + mate) << lines[i];
        }
    }
}

// The console program in UCI mode, driven a line at a time as a GUI drives it.
class UciEngine {
  public:
    UciEngine() {
        int in[2], out[2];
        EXPECT_EQ(pipe2(in, O_CLOEXEC), 0);
        EXPECT_EQ(pipe2(out, O_CLOEXEC), 0);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        char* argv[] = {const_cast<char*>(OSTRAND_ENGINE_PATH), const_cast<char*>("uci"), nullptr};
        EXPECT_EQ(posix_spawn(&pid_, OSTRAND_ENGINE_PATH, &actions, nullptr, argv, environ), 0);
        posix_spawn_file_actions_destroy(&actions);
        close(in[0]);
        close(out[1]);
        to_ = in[1];
        from_ = out[0];
    }
    ~UciEngine() {
        close(to_);
        close(from_);
        if (!ended_) kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    void Send(const std::string& line) {
        const std::string text = line + "\n";
        EXPECT_EQ(write(to_, text.data(), text.size()), static_cast<ssize_t>(text.size()));
    }
    // The lines up to the first that begins with prefix, which ends them; the lines read
    // when the output ends or the seconds have passed first.
    std::vector<std::string> ReadUntil(std::string_view prefix, double seconds) {
        std::vector<std::string> lines;
        const auto end = Now() + seconds;
        for (size_t at; (at = buffer_.find('\n')) != std::string::npos || Read(end - Now());) {
            if (at == std::string::npos) continue;
            lines.push_back(buffer_.substr(0, at));
            buffer_.erase(0, at + 1);
            if (lines.back().rfind(prefix, 0) == 0) break;
        }
        return lines;
    }
    // Whether the program ends within the seconds.
    bool EndsWithin(double seconds) {
        const double end = Now() + seconds;
        while (Read(end - Now())) {
        }
        ended_ = Now() < end;
        return ended_;
    }
    static double Now() {
        return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }

  private:
    // Adds what the program writes within the seconds; false at the end of its output or
    // when none came.
    bool Read(double seconds) {
        pollfd ready{from_, POLLIN, 0};
        if (seconds <= 0 || poll(&ready, 1, static_cast<int>(seconds * 1000) + 1) != 1)
            return false;
        char chunk[4096];
        const ssize_t n = read(from_, chunk, sizeof chunk);
        if (n <= 0) return false;
        buffer_.append(chunk, static_cast<size_t>(n));
        return true;
    }

    pid_t pid_ = 0;
    int to_ = -1;
    int from_ = -1;
    std::string buffer_;
    bool ended_ = false;
};

// A late middlegame in which the engine's own time rules take over a second, and a depth-8
// search a great many.
constexpr const char* LongSearch =
    "position fen r7/1p1b1Np1/p1kB1p1p/8/6P1/2P2P2/PPP4P/R2KR3 w - - 0 21";

TEST(Console, UciAnswersWellWithinTheClock) {
    for (const char* go : {"go wtime 2000 btime 2000", "go movetime 500"}) {
        UciEngine engine;
        engine.Send(LongSearch);
        engine.Send("isready");
        ASSERT_EQ(engine.ReadUntil("readyok", 60).back(), "readyok");
        const double start = UciEngine::Now();
        engine.Send(go);
        const auto lines = engine.ReadUntil("bestmove", 60);
        EXPECT_LT(UciEngine::Now() - start, 1.0) << go;
        ASSERT_FALSE(lines.empty()) << go;
        EXPECT_TRUE(std::regex_match(lines.back(),
                                     std::regex("bestmove [a-h][1-8][a-h][1-8]( ponder .*)?")))
            << go;
    }
}

TEST(Console, UciStopAndQuitEndASearchAtOnce) {
    UciEngine engine;
    engine.Send(LongSearch);
    engine.Send("go depth 8");
    auto lines = engine.ReadUntil("info depth 4", 60);
    const double stop = UciEngine::Now();
    engine.Send("stop");
    for (const std::string& line : engine.ReadUntil("bestmove", 60))
        lines.push_back(line);
    EXPECT_LT(UciEngine::Now() - stop, 1.0);
    // The move of the last iteration that finished.
    ASSERT_GE(lines.size(), 3u);
    std::smatch match;
    ASSERT_TRUE(std::regex_match(lines[lines.size() - 2], match, InfoLine));
    EXPECT_EQ(BestMove(lines.back()), match[5].str());

    engine.Send("go depth 8");
    engine.ReadUntil("info depth 4", 60);
    const double quit = UciEngine::Now();
    engine.Send("quit");
    EXPECT_TRUE(engine.EndsWithin(60));
    EXPECT_LT(UciEngine::Now() - quit, 1.0);
}

}  // namespace
}  // namespace ostrand
