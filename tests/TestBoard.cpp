#include "TestBoard.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

#include "Support.h"

namespace ostrand::test {

int16_t CodeOfLetter(char letter) {
    const std::string key = std::string(1, letter) + std::string(63, '0');
    const Grid saved = Board;
    SetBoardFromKey(key);
    const int16_t code = Board(1, 8);
    Board = saved;
    return code;
}

void SetBoard(std::string_view diagram) {
    std::string key;
    for (char c : diagram)
        if (!std::isspace(static_cast<unsigned char>(c))) key += c == '.' ? '0' : c;
    if (!SetBoardFromKey(key)) throw std::invalid_argument("not a diagram: " + key);
}

std::string Diagram() {
    return BoardDiagram();
}

}  // namespace ostrand::test
