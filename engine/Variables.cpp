#include "Variables.h"

namespace ostrand {

namespace {

// An empty board inside its border: the generators may never walk off the array, even
// when a command arrives before the first new game.
Grid EmptyBoard() {
    Grid grid;
    grid.cells.fill(BorderCell);
    for (int x = 1; x <= 8; ++x)
        for (int y = 1; y <= 8; ++y)
            grid(x, y) = EmptyCell;
    return grid;
}

}  // namespace

Grid Board = EmptyBoard();
Grid BlackAttacks;
Grid WhiteAttacks;

std::array<int16_t, 9> CastleFlags{};
int16_t MoveCount = 0;
int16_t HalfMoveClock = 0;
int16_t Stage = 0;
std::vector<std::string> PositionHistory;
RuleSet Rules = RuleSet::Designed;
int EnPassantCell = 0;

}  // namespace ostrand
