// Everything the engine keeps about the game in progress, taken and put back at once: what
// taking a move back and replaying it move between.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "Variables.h"

namespace ostrand {

struct GameSnapshot {
    Grid board;
    std::array<int16_t, 9> castleFlags{};
    int16_t moveCount = 0;
    int16_t stage = 0;
    std::vector<std::string> positionHistory;
    int enPassantCell = 0;
    int16_t halfMoveClock = 0;

    // The engine's game as it stands now.
    static GameSnapshot Capture();
    // Makes the engine's game exactly the captured one; the attack maps, which every user
    // fills before reading, are left alone.
    void Restore() const;

    bool operator==(const GameSnapshot&) const = default;
};

}  // namespace ostrand
