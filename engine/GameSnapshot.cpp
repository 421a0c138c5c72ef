#include "GameSnapshot.h"

namespace ostrand {

GameSnapshot GameSnapshot::Capture() {
    return {Board, CastleFlags, MoveCount, Stage, PositionHistory, EnPassantCell, HalfMoveClock};
}

void GameSnapshot::Restore() const {
    Board = board;
    CastleFlags = castleFlags;
    MoveCount = moveCount;
    Stage = stage;
    PositionHistory = positionHistory;
    EnPassantCell = enPassantCell;
    HalfMoveClock = halfMoveClock;
}

}  // namespace ostrand
