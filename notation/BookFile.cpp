#include "BookFile.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <istream>
#include <sstream>

#include "EngineBoard.h"
#include "Evaluation.h"
#include "OpeningBook.h"

namespace ostrand::chess {

namespace {

constexpr int HeaviestWeight = 1000;

// One line of the book into book; false with the reason.
bool ReadLine(const std::string& line, std::map<std::string, std::vector<BookMove>>& book,
              std::string& error) {
    std::istringstream words(line);
    std::vector<std::string> tokens;
    for (std::string word; words >> word;)
        tokens.push_back(word);
    const std::string& last = tokens.back();
    if (tokens.size() < 2 || last.size() > 4 ||
        last.find_first_not_of("0123456789") != std::string::npos || std::stoi(last) < 1 ||
        std::stoi(last) > HeaviestWeight) {
        error = "expected moves and then a weight from 1 to " + std::to_string(HeaviestWeight);
        return false;
    }
    const int weight = std::stoi(last);
    Position position = StartPosition();
    for (size_t i = 0; i + 1 < tokens.size(); ++i) {
        Move move;
        const auto legal = LegalMoves(position);
        if (!ParseMove(tokens[i], move) ||
            std::find(legal.begin(), legal.end(), move) == legal.end()) {
            error = "'" + tokens[i] + "' is not a legal move here";
            return false;
        }
        std::string text, why;
        if (!EngineMove(position, move, position.toMove, text, why)) {
            error = "'" + tokens[i] + "' is " + why;
            return false;
        }
        auto& moves = book[EngineKey(position, position.toMove)];
        const auto known = std::find_if(moves.begin(), moves.end(),
                                        [&](const BookMove& m) { return m.move == text; });
        if (known == moves.end())
            moves.push_back({text, weight});
        else
            known->weight += weight;
        Play(position, move);
    }
    return true;
}

}  // namespace

bool ReadBook(std::istream& in, std::string& error) {
    std::map<std::string, std::vector<BookMove>> book;
    OpeningBook.clear();
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        const size_t start = line.find_first_not_of(" \t\r");
        if (start == std::string::npos || line[start] == '#') continue;
        if (std::string why; !ReadLine(line, book, why)) {
            error = "line " + std::to_string(number) + ": " + why;
            return false;
        }
    }
    if (in.bad()) {
        error = "the file could not be read";
        return false;
    }
    OpeningBook = std::move(book);
    return true;
}

std::string LoadBook() {
    std::vector<std::string> folders = TableFolders();
    if (!TableFolder.empty()) folders = {TableFolder};
    for (const std::string& folder : folders) {
        const std::filesystem::path path = std::filesystem::path(folder) / BookFileName;
        std::ifstream in(path);
        if (!in) continue;
        std::string error;
        if (!ReadBook(in, error))
            return "the opening book " + path.string() + " is damaged (" + error +
                   "); playing without it";
        return {};
    }
    OpeningBook.clear();
    return "no opening book " + std::string(BookFileName) + " was found; playing without it";
}

}  // namespace ostrand::chess
