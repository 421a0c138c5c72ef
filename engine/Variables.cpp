#include "Variables.h"

namespace ostrand {

// All zero until the first new game, border cells included.
Grid Board;
Grid BlackAttacks;
Grid WhiteAttacks;

std::array<int16_t, 9> CastleFlags{};
int16_t MoveCount = 0;
int16_t Stage = 0;
std::vector<std::string> PositionHistory;

}  // namespace ostrand
