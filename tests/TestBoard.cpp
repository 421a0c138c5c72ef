#include "TestBoard.h"

#include <cctype>
#include <stdexcept>

namespace ostrand::test {

int16_t CodeOfLetter(char letter) {
    int16_t magnitude = 0;
    switch (std::tolower(static_cast<unsigned char>(letter))) {
        case 'p':
            magnitude = Piece::Pawn;
            break;
        case 'n':
            magnitude = Piece::Knight;
            break;
        case 'b':
            magnitude = Piece::Bishop;
            break;
        case 'r':
            magnitude = Piece::Rook;
            break;
        case 'q':
            magnitude = Piece::Queen;
            break;
        case 'k':
            magnitude = Piece::King;
            break;
        default:
            return 0;
    }
    return std::isupper(static_cast<unsigned char>(letter)) ? static_cast<int16_t>(-magnitude)
                                                            : magnitude;
}

void SetBoard(std::string_view diagram) {
    std::string squares;
    for (char c : diagram)
        if (!std::isspace(static_cast<unsigned char>(c))) squares += c;
    if (squares.size() != 64) throw std::invalid_argument("a diagram needs 64 squares");
    Board.cells.fill(BorderCell);
    for (int i = 0; i < 64; ++i)
        Board(1 + i % 8, 8 - i / 8) = CodeOfLetter(squares[i]);
}

std::string Diagram() {
    static constexpr std::string_view letters = "pnbrqk";
    static constexpr int16_t magnitudes[] = {Piece::Pawn, Piece::Knight, Piece::Bishop,
                                             Piece::Rook, Piece::Queen,  Piece::King};
    std::string text;
    for (int y = 8; y >= 1; --y) {
        for (int x = 1; x <= 8; ++x) {
            char c = '.';
            for (int k = 0; k < 6; ++k) {
                if (Board(x, y) == magnitudes[k]) c = letters[k];
                if (Board(x, y) == -magnitudes[k]) c = static_cast<char>(std::toupper(letters[k]));
            }
            text += c;
        }
        text += '\n';
    }
    return text;
}

}  // namespace ostrand::test
