// The move list as a front end shows it: the moves of the game on show in SAN, and after
// them the moves of the steps that redo replays, each with the step a click goes to.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "GameRecord.h"
#include "GameSteps.h"

namespace ostrand::game {

// A move of the move list: in SAN, with the step that leads to it (for clicks on the list).
// played: the step on show holds it (else redo replays it); last: the last move on show.
struct MoveCell {
    std::string san;
    size_t step = 0;
    bool played = false;
    bool last = false;
    bool operator==(const MoveCell&) const = default;
};

// A row of the move list: the move number with White's and Black's moves, either missing
// where the game starts with Black or has not reached it.
struct MoveRow {
    int number = 0;
    std::optional<MoveCell> white;
    std::optional<MoveCell> black;
    bool operator==(const MoveRow&) const = default;
};

// The move list: the game on show and the moves redo replays after it.
struct GameMoves {
    bool fromSetUp = false;  // the game starts from a position other than the initial one
    std::vector<MoveRow> rows;
    // The game on show is over and no step follows it: the list ends with its result.
    bool showsResult = false;
};

// The list of onShow, the game of the step on show (or the game under way, a move ahead of
// it), among steps.
GameMoves ListMoves(const GameSteps& steps, const GameRecord& onShow);

}  // namespace ostrand::game
