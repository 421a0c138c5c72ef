// The opening book as the engine plays from it: positions from the side to move's view, as
// the engine's board holds them when it is to move, with the moves that the book gives there
// and their weights. The notation library reads the book file into it (BookFile.h).
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace ostrand {

struct BookMove {
    std::string move;  // the engine's move text
    int weight;
    bool operator==(const BookMove&) const = default;
};

// Positions by PositionKey(), the engine to move.
extern std::map<std::string, std::vector<BookMove>> OpeningBook;
// Whether FindBestMove plays from the book while the position is in it and the search asked
// for is not restricted to some root moves or several lines; off by default.
extern bool UseBook;

// The book file's name; it lies beside the piece-square tables.
constexpr std::string_view BookFileName = "Openings.txt";

// Of the book's moves in the position on the board, those the engine may play now, one
// chosen at random by weight; empty when the position is not in the book.
std::string BookMoveNow();

}  // namespace ostrand
