// The opening book file, read into the engine's OpeningBook.
//
// A text file of lines of play from the initial position. Each line holds moves in the
// coordinate notation of UCI (e2e4, e1g1 for castling, e7e8q for a promotion), separated by
// blanks, and ends with the line's weight, a whole number from 1 to 1000. Blank lines and
// lines that begin with '#' are comments. Every position before a move of a line is a book
// position; a move's weight there is the sum of the weights of the lines that play it, and
// the engine picks among a position's moves in proportion to their weights. The engine plays
// the book for either colour, and reaches a book position by any order of moves.
#pragma once

#include <iosfwd>
#include <string>

namespace ostrand::chess {

// Reads a book into OpeningBook, replacing it. False with "line N: reason" for a damaged
// book (a move that is not legal or that the engine's rules lack, a missing or bad weight);
// OpeningBook is then empty, so that the engine plays without a book.
bool ReadBook(std::istream& in, std::string& error);

// Reads the book file from the folder of the piece-square tables: empty when it was read,
// otherwise what went wrong, naming the file, for the host to report once.
std::string LoadBook();

}  // namespace ostrand::chess
