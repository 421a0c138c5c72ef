// Which sound marks what the game session reports: a move, a capture, a check, the end of a
// game and each of the player's last ten seconds on the clock. Apart from the playing, so that
// a machine without sound follows the game alike.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "MoveRows.h"

namespace sounds {

enum class Sound { Move, Capture, Check, End, Tick };

// The sound of a move in SAN; none for a mate, which the end's sound marks.
std::optional<Sound> OfMove(std::string_view san);

// Follows the session's reports and says when a sound is due.
class Cues {
  public:
    // The move list as it now stands: a move played, by either side, is one move more. Take
    // backs, redoing a whole turn, new games and games opened are silent.
    std::optional<Sound> MovesListed(const ostrand::game::GameMoves& moves);
    // The player's clock, its milliseconds left while it runs: a tick as each of its last ten
    // seconds begins, counting down.
    std::optional<Sound> PlayerClock(std::optional<int64_t> remaining);

  private:
    size_t played_ = 0;
    // The second last ticked (10 down to 1), 0 above the last ten.
    int64_t tickedSecond_ = 0;
};

}  // namespace sounds
