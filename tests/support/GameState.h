// A snapshot of everything of the game that a command or a load may change, to compare
// before and after. Shared by the tests and the fuzz targets.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "Variables.h"

namespace ostrand::test {

struct GameState {
    Grid board = Board;
    std::array<int16_t, 9> flags = CastleFlags;
    int16_t moveCount = MoveCount;
    std::vector<std::string> history = PositionHistory;

    bool operator==(const GameState&) const = default;
    // Puts the snapshot back into the engine's state.
    void Restore() const {
        Board = board;
        CastleFlags = flags;
        MoveCount = moveCount;
        PositionHistory = history;
    }
};

}  // namespace ostrand::test
