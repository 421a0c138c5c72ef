// The engine's whole game, taken when constructed, to compare before and after a command
// or a load. Shared by the tests and the fuzz targets.
#pragma once

#include "GameSnapshot.h"

namespace ostrand::test {

struct GameState : GameSnapshot {
    GameState() : GameSnapshot(GameSnapshot::Capture()) {}
};

}  // namespace ostrand::test
