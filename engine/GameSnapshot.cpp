#include "GameSnapshot.h"

namespace ostrand {

GameSnapshot GameSnapshot::Capture() {
    return {Board, CastleFlags, MoveCount, Stage, PositionHistory};
}

void GameSnapshot::Restore() const {
    Board = board;
    CastleFlags = castleFlags;
    MoveCount = moveCount;
    Stage = stage;
    PositionHistory = positionHistory;
}

}  // namespace ostrand
