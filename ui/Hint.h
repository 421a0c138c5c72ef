// The engine's suggestion for the player's move.
#pragma once

#include <optional>
#include <string>

#include "GameRecord.h"

class F_Board;

struct Hint {
    // The move's squares on the engine's board, as the form addresses them.
    int fromFile = 0, fromRank = 0, toFile = 0, toRank = 0;
    // The move in standard notation ("Nf3").
    std::string san;
};

// How long a hint may take, in seconds.
constexpr double HintTime = 1.0;

// The move the engine would play in the player's place in the record's position, with the
// player to move: the engine searches a copy of the position from the player's side, at the
// depth limit in force and for at most HintTime. Nothing when it is not the player's move or
// the player has no move. The engine's game is exactly as before afterwards, and the form
// shows nothing of the search: its statistics stay as they were, and its input waits while
// the search lets the window handle its events.
std::optional<Hint> FindHint(const GameRecord& record, F_Board& board);
