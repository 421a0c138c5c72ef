#include "TestBoard.h"

#include <stdexcept>

#include "MoveGenerator.h"
#include "Support.h"

namespace ostrand::test {

namespace {

std::vector<std::string> LegalMoves(int sign, void (*list)(int, int, std::string&),
                                    int16_t (*inCheckAfter)(int, int, int, int)) {
    std::string moves;
    for (int x = 1; x <= 8; ++x)
        for (int y = 1; y <= 8; ++y)
            if (sign * Board(x, y) > 0) list(x, y, moves);
    std::vector<std::string> legal;
    for (size_t i = 0; i + 4 <= moves.size(); i += 4) {
        const MoveSquares m = DecodeMove(moves, i);
        if (inCheckAfter(m.x1, m.y1, m.x2, m.y2) == No) legal.push_back(moves.substr(i, 4));
    }
    return legal;
}

}  // namespace

int16_t CodeOfLetter(char letter) {
    const Grid saved = Board;
    const bool read = SetBoardFromText(std::string(1, letter) + std::string(63, '.'));
    const int16_t code = read ? Board(1, 8) : EmptyCell;
    Board = saved;
    return code;
}

void SetBoard(std::string_view board) {
    if (!SetBoardFromText(board)) throw std::invalid_argument("not a board: " + std::string(board));
}

bool BorderIntact() {
    for (int x = -1; x <= 10; ++x)
        for (int y = -1; y <= 10; ++y)
            if ((x < 1 || x > 8 || y < 1 || y > 8) && Board(x, y) != BorderCell) return false;
    return true;
}

std::vector<std::string> LegalWhiteMoves() {
    return LegalMoves(-1, ListWhitePieceMoves, WhiteInCheckAfter);
}

std::vector<std::string> LegalBlackMoves() {
    return LegalMoves(1, ListBlackPieceMoves, BlackInCheckAfter);
}

}  // namespace ostrand::test
