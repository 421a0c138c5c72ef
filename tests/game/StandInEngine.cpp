// A UCI engine for the analysis tests that answers from a table instead of searching. Each
// line of the table file is
//   PIECES SIDE | score | bestmove | pv
// with the first two fields of a position's FEN, a score as UCI writes it ("cp 30",
// "mate -2"), and the move and line it answers; a score of "nonsense" answers a bare
// "bestmove". Options: --die-after N ends the program instead of answering the (N+1)th
// search; --hang-after N stops answering then.
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "San.h"
#include "StandardChess.h"

namespace {

using namespace ostrand::chess;

struct Answer {
    std::string score;
    std::string bestmove;
    std::string pv;
};

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    const size_t last = text.find_last_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

// The position of a "position" command: its first two FEN fields.
std::string PositionKey(const std::string& command) {
    std::istringstream in(command);
    std::string word;
    std::string fen;
    in >> word >> word;
    Position position = StartPosition();
    if (word == "fen") {
        for (int field = 0; field < 6 && in >> word; ++field)
            fen += (field ? " " : "") + word;
        std::string error;
        if (!ParseFen(fen, position, error)) return "bad fen";
        in >> word;
    } else {
        in >> word;
    }
    while (in >> word) {
        Move move;
        if (!ParseMove(word, move)) return "bad move";
        Play(position, move);
    }
    const std::string text = FenText(position);
    return text.substr(0, text.find(' ', text.find(' ') + 1));
}

}  // namespace

int main(int argc, char** argv) {
    std::map<std::string, Answer> table;
    int dieAfter = -1;
    int hangAfter = -1;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--die-after" && i + 1 < argc) {
            dieAfter = std::atoi(argv[++i]);
        } else if (arg == "--hang-after" && i + 1 < argc) {
            hangAfter = std::atoi(argv[++i]);
        } else {
            std::ifstream file(arg);
            for (std::string line; std::getline(file, line);) {
                std::vector<std::string> fields;
                std::istringstream in(line);
                for (std::string field; std::getline(in, field, '|');)
                    fields.push_back(Trimmed(field));
                if (fields.size() == 4) table[fields[0]] = {fields[1], fields[2], fields[3]};
            }
        }
    }
    std::string key;
    int searches = 0;
    for (std::string line; std::getline(std::cin, line);) {
        if (line == "uci") {
            std::cout << "id name Stand-in\nuciok" << std::endl;
        } else if (line == "isready") {
            std::cout << "readyok" << std::endl;
        } else if (line.rfind("position ", 0) == 0) {
            key = PositionKey(line);
        } else if (line.rfind("go", 0) == 0) {
            if (searches == dieAfter) return 3;
            if (searches++ == hangAfter) std::this_thread::sleep_for(std::chrono::hours(1));
            const auto found = table.find(key);
            if (found == table.end()) {
                std::cout << "bestmove (none)" << std::endl;
            } else if (found->second.score == "nonsense") {
                std::cout << "bestmove" << std::endl;
            } else {
                std::cout << "info depth 1 score " << found->second.score << " pv "
                          << found->second.pv << "\nbestmove " << found->second.bestmove
                          << std::endl;
            }
        } else if (line == "quit") {
            return 0;
        }
    }
}
