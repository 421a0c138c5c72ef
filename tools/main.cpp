// ostrand-engine: the engine on the console, for scripts and measurements.
//
//   ostrand-engine play [--depth N]      commands on standard input, one per line
//   ostrand-engine search FILE --depth N  one fixed-depth search of a saved game, traced
//   ostrand-engine bench [--depth N]     the benchmark (N = 4, 6 or 8; default 6)
//   ostrand-engine uci                   the UCI protocol, for other chess programs
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "Bench.h"
#include "Display.h"
#include "MessageDisplay.h"
#include "MoveGenerator.h"
#include "SavedGame.h"
#include "Search.h"
#include "Support.h"
#include "Uci.h"
#include "Variables.h"

namespace {

using namespace ostrand;

int Usage(const std::string& problem) {
    std::cerr << "ostrand-engine: " << problem << "\n"
              << "usage: ostrand-engine play [--depth N]\n"
              << "       ostrand-engine search FILE --depth N\n"
              << "       ostrand-engine bench [--depth 4|6|8]\n"
              << "       ostrand-engine uci\n";
    return 2;
}

// Reads "--depth N" from args[at], args[at + 1]; nullopt if it is not there or not 1..10.
std::optional<int> ReadDepth(const std::vector<std::string>& args, size_t at) {
    if (at + 2 != args.size() || args[at] != "--depth") return std::nullopt;
    const std::string& text = args[at + 1];
    if (text.empty() || text.size() > 2 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const int depth = std::stoi(text);
    if (depth < 1 || depth > 10) return std::nullopt;
    return depth;
}

std::string FlagsText() {
    std::string text;
    for (int16_t flag : CastleFlags) {
        if (!text.empty()) text += ' ';
        text += std::to_string(flag);
    }
    return text;
}

int Play(int depth) {
    tools::MessageDisplay display(std::cout, "message: ");
    DepthLimit = static_cast<int16_t>(depth);
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::string reply;
        std::string error;
        if (line.rfind("load ", 0) == 0) {
            reply = LoadGame(line.substr(5), error) ? "OK" : "Error: " + error;
        } else if (line.rfind("save ", 0) == 0) {
            reply = SaveGame(line.substr(5), error) ? "OK" : "Error: " + error;
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
            reply = EngineCommand(line);
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

int Search(const std::string& file, int depth) {
    tools::MessageDisplay display(std::cerr, "message: ");
    InitNewGame();
    std::string error;
    if (!LoadGame(file, error)) {
        std::cerr << "ostrand-engine: " << error << '\n';
        return 1;
    }
    PositionHistory.assign(1, std::string());
    DepthLimit = static_cast<int16_t>(depth);
    IterationDone = PrintIteration;
    const std::string best = FindBestMove();
    IterationDone = nullptr;
    std::cout << "bestmove " << (best.empty() ? "(none)" : best) << std::endl;
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    SetProgramArgument(argc > 0 ? argv[0] : nullptr);
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) return Usage("no command given");
    const std::string& command = args[0];
    if (command == "play") {
        if (args.size() == 1) return Play(0);
        const auto depth = ReadDepth(args, 1);
        return depth ? Play(*depth) : Usage("play takes only --depth N, N from 1 to 10");
    }
    if (command == "search") {
        const auto depth = args.size() >= 2 ? ReadDepth(args, 2) : std::nullopt;
        if (!depth) return Usage("search takes a saved-game file and --depth N, N from 1 to 10");
        return Search(args[1], *depth);
    }
    if (command == "bench") {
        int depth = 6;
        if (args.size() > 1) {
            const auto given = ReadDepth(args, 1);
            if (!given || (*given != 4 && *given != 6 && *given != 8))
                return Usage("bench takes only --depth 4, 6 or 8");
            depth = *given;
        }
        tools::MessageDisplay display(std::cerr, "message: ");
        tools::RunBench(depth, std::cout);
        return 0;
    }
    if (command == "uci" && args.size() == 1) {
        uci::Run(std::cin, std::cout);
        return 0;
    }
    return Usage("unknown command '" + command + "'");
}
