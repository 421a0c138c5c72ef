// ostrand-engine: the engine on the console, for scripts and measurements.
//
//   ostrand-engine play [--fen FEN] [--depth N]  commands on standard input, one per line
//   ostrand-engine search FILE --depth N         one fixed-depth search of a saved game, traced
//   ostrand-engine search --fen FEN --depth N    the same from a FEN
//   ostrand-engine bench [--depth N] [--rules R] the benchmark (N = 4, 6 or 8; default 6) under
//                                                the designed (default) or standard rules
//   ostrand-engine bench --master [--depth N] [--rules R]
//                                                the Master search's (N = 1 to 10; default 8)
//   ostrand-engine bench --moves                 full-strength moves on the bench positions, timed
//   ostrand-engine pgn FILE                      the games of a PGN file as engine moves
//   ostrand-engine [uci]                         the UCI protocol, for other chess programs
#include <algorithm>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "Bench.h"
#include "Display.h"
#include "EngineBoard.h"
#include "MessageDisplay.h"
#include "Pgn.h"
#include "SavedGame.h"
#include "Search.h"
#include "SearchSettings.h"
#include "Support.h"
#include "Uci.h"
#include "Variables.h"
#include "Version.h"

namespace {

using namespace ostrand;

using chess::Colour;

constexpr const char* UsageText =
    "usage: ostrand-engine play [--fen FEN] [--depth N]\n"
    "       ostrand-engine search FILE --depth N\n"
    "       ostrand-engine search --fen FEN --depth N\n"
    "       ostrand-engine bench [--depth 4|6|8] [--rules designed|standard]\n"
    "       ostrand-engine bench --master [--depth N] [--rules designed|standard]\n"
    "       ostrand-engine bench --moves\n"
    "       ostrand-engine pgn FILE\n"
    "       ostrand-engine [uci]\n"
    "       ostrand-engine --help | --version\n";

int Usage(const std::string& problem) {
    std::cerr << "ostrand-engine: " << problem << "\n" << UsageText;
    return 2;
}

// --help and --version answer as the window's options do, on standard output.
std::optional<int> AnswerHelpOrVersion(const std::vector<std::string>& args) {
    if (args.size() != 1) return std::nullopt;
    if (args[0] == "-h" || args[0] == "--help" || args[0] == "-?") {
        std::cout << "The Ostrand Chess engine on the console: play, search, bench, UCI.\n\n"
                  << UsageText << "\nSee ostrand-engine(6) for the commands.\n";
        return 0;
    }
    if (args[0] == "-v" || args[0] == "--version") {
        std::cout << "ostrand-engine " << Version << '\n';
        return 0;
    }
    return std::nullopt;
}

struct Options {
    std::vector<std::string> operands;  // the arguments that belong to no option
    std::optional<std::string> fen;
    std::optional<int> depth;
};

// Reads "--depth N" (N from 1 to 10) and "--fen FEN" from the arguments after the command.
// The FEN may be one argument or its fields as several, up to the next option.
bool ReadOptions(const std::vector<std::string>& args, Options& options, std::string& problem) {
    for (size_t at = 1; at < args.size(); ++at) {
        if (args[at] == "--depth") {
            const std::string text = at + 1 < args.size() ? args[++at] : "";
            if (text.empty() || text.size() > 2 ||
                text.find_first_not_of("0123456789") != std::string::npos || std::stoi(text) < 1 ||
                std::stoi(text) > 10) {
                problem = "--depth takes a number from 1 to 10";
                return false;
            }
            options.depth = std::stoi(text);
        } else if (args[at] == "--fen") {
            std::string fen;
            while (at + 1 < args.size() && args[at + 1].rfind("--", 0) != 0)
                fen += (fen.empty() ? "" : " ") + args[++at];
            if (fen.empty()) {
                problem = "--fen takes a position in FEN";
                return false;
            }
            options.fen = fen;
        } else {
            options.operands.push_back(args[at]);
        }
    }
    return true;
}

std::string FlagsText() {
    std::string text;
    for (int16_t flag : CastleFlags) {
        if (!text.empty()) text += ' ';
        text += std::to_string(flag);
    }
    return text;
}

// Sets a FEN up for the play mode, where the player keeps White: "OK", or the engine's
// move when the FEN gives the engine the move. A FEN that is no position changes nothing.
std::string PlayFen(const std::string& fen, const game::SearchSettings& settings) {
    chess::Position position;
    std::string error;
    if (!chess::ParseFen(fen, position, error)) return "Error: " + error;
    InitNewGame();
    const std::string note = chess::SetUpEngine(position, Colour::Black);
    if (!note.empty()) std::cout << "note: " << note << '\n';
    return position.toMove == Colour::Black ? game::Command("Force", settings) : "OK";
}

// The FEN of the play mode's position, the player's (White's) move.
std::string PlayPosition() {
    chess::Position position;
    std::string error;
    return chess::EnginePosition(Colour::Black, Colour::White, position, error)
               ? chess::FenText(position)
               : "Error: " + error;
}

int Play(int depth, const std::optional<std::string>& fen) {
    tools::MessageDisplay display(std::cout, "message: ");
    game::SearchSettings settings;
    settings.depthLimit = static_cast<int16_t>(depth);
    if (fen) {
        const std::string reply = PlayFen(*fen, settings);
        std::cout << reply << std::endl;
        if (reply.rfind("Error", 0) == 0) return 1;
    }
    // A move sent first is a move of the initial position, as in a new game of the window.
    if (!fen) InitNewGame();
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::string reply;
        std::string error;
        if (line.rfind("load ", 0) == 0) {
            reply = LoadGame(line.substr(5), error) ? "OK" : "Error: " + error;
        } else if (line.rfind("save ", 0) == 0) {
            reply = SaveGame(line.substr(5), error) ? "OK" : "Error: " + error;
        } else if (line.rfind("fen ", 0) == 0) {
            reply = PlayFen(line.substr(4), settings);
        } else if (line == "fen") {
            reply = PlayPosition();
        } else if (line == "key") {
            reply = PositionKey();
        } else if (line == "count") {
            reply = std::to_string(MoveCount);
        } else if (line == "flags") {
            reply = FlagsText();
        } else if (line == "board") {
            std::cout << BoardDiagram();
            reply = "OK";
        } else {
            reply = game::Command(line, settings);
        }
        std::cout << reply << std::endl;
    }
    return 0;
}

void PrintIteration() {
    std::cout << "iteration " << SearchDepth << " nodes " << NodeCount << " best " << PlyValue(0)
              << " list";
    for (size_t i = 0; i + 4 <= RootMoves.size(); i += 4)
        std::cout << ' ' << RootMoves.substr(i, 4) << ':' << RootScores[i / 4 + 1];
    std::cout << '\n';
}

// A traced search of a saved game or of a FEN, the engine playing the side to move.
int Search(const Options& options) {
    tools::MessageDisplay display(std::cerr, "message: ");
    InitNewGame();
    std::string error;
    chess::Position position;
    if (options.fen && !chess::ParseFen(*options.fen, position, error)) {
        std::cerr << "ostrand-engine: FEN refused: " << error << '\n';
        return 1;
    }
    if (options.fen) {
        const std::string note = chess::SetUpEngine(position, position.toMove);
        if (!note.empty()) std::cerr << "note: " << note << '\n';
    } else if (!LoadGame(options.operands[0], error)) {
        std::cerr << "ostrand-engine: " << error << '\n';
        return 1;
    }
    PositionHistory.assign(1, std::string());
    game::SearchSettings settings;
    settings.depthLimit = static_cast<int16_t>(*options.depth);
    settings.iterationDone = PrintIteration;
    const std::string best = game::Search(settings);
    std::cout << "bestmove " << (best.empty() ? "(none)" : best) << std::endl;
    return 0;
}

// Each game of a PGN file as one line of engine moves, White the player's side (the negative
// pieces), as the play mode and PlayMove take them.
int PrintPgn(const std::string& file) {
    std::vector<chess::PgnGame> games;
    std::string error;
    if (!chess::ReadPgnFile(file, games, error, chess::CastlingRule::PawnsIgnored)) {
        std::cerr << "ostrand-engine: " << error << '\n';
        return 1;
    }
    for (size_t i = 0; i < games.size(); ++i) {
        const chess::PgnGame& game = games[i];
        std::vector<std::string> moves;
        std::string why = game.error;
        if (why.empty()) chess::EngineMoves(game.start, game.moves, Colour::Black, moves, why);
        if (!why.empty()) {
            std::cerr << "ostrand-engine: " << file << ", game " << i + 1 << ": " << why << '\n';
            return 1;
        }
        for (size_t m = 0; m < moves.size(); ++m)
            std::cout << (m ? " " : "") << moves[m];
        std::cout << '\n';
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    SetProgramArgument(argc > 0 ? argv[0] : nullptr);
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (const std::optional<int> answered = AnswerHelpOrVersion(args)) return *answered;
    // Chess programs start an engine without arguments and talk UCI to it.
    const std::string command = args.empty() ? "uci" : args[0];
    Options options;
    std::string problem;
    if (!ReadOptions(args, options, problem)) return Usage(problem);
    const bool plain = !options.fen && !options.depth;
    if (command == "play") {
        if (!options.operands.empty()) return Usage("play takes only --fen FEN and --depth N");
        return Play(options.depth.value_or(0), options.fen);
    }
    if (command == "search") {
        if (!options.depth || options.operands.size() != (options.fen ? 0u : 1u))
            return Usage("search takes a saved-game file or --fen FEN, and --depth N");
        return Search(options);
    }
    if (command == "bench" && plain && options.operands == std::vector<std::string>{"--moves"}) {
        tools::MessageDisplay display(std::cerr, "message: ");
        tools::RunMoveBench(std::cout);
        return 0;
    }
    if (command == "bench") {
        std::vector<std::string> rest = options.operands;
        const auto masterAt = std::find(rest.begin(), rest.end(), "--master");
        const bool master = masterAt != rest.end();
        if (master) rest.erase(masterAt);
        const int depth = options.depth.value_or(master ? 8 : 6);
        const bool rules = rest.size() == 2 && rest[0] == "--rules" &&
                           (rest[1] == "designed" || rest[1] == "standard");
        if (options.fen || (!rest.empty() && !rules) ||
            (!master && depth != 4 && depth != 6 && depth != 8))
            return Usage(
                "bench takes only --depth 4, 6 or 8 (with --master 1 to 10) and --rules "
                "designed or standard, or --moves");
        if (rules && rest[1] == "standard") Rules = RuleSet::Standard;
        tools::MessageDisplay display(std::cerr, "message: ");
        tools::RunBench(depth, std::cout, master ? SearchStyle::Master : SearchStyle::Designed);
        return 0;
    }
    if (command == "pgn") {
        if (!plain || options.operands.size() != 1) return Usage("pgn takes one PGN file");
        return PrintPgn(options.operands[0]);
    }
    if (command == "uci") {
        if (!plain || !options.operands.empty()) return Usage("uci takes no arguments");
        uci::Run(std::cin, std::cout);
        return 0;
    }
    return Usage("unknown command '" + command + "'");
}
