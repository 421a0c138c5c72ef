// The steps of the game in progress that the player can take back and replay. A step is
// whatever changed the engine's game at one go: a move of the player with the engine's
// answer, "Force", a load, a placement of the position editor, a pasted position, or a move
// pair of an opened game.
#pragma once

#include <cstddef>
#include <vector>

#include "GameRecord.h"
#include "GameSnapshot.h"

// The game after a step: the engine's and the window's record of it in standard notation.
struct GameState {
    ostrand::GameSnapshot engine;
    GameRecord record;
    bool operator==(const GameState&) const = default;
};

class GameHistory {
  public:
    // Starts over from state, with nothing to take back or redo.
    void Start(GameState state);
    // Adds state as the step after the one on show and drops the steps taken back; false,
    // with nothing added, when state is the one on show.
    bool Push(GameState state);

    bool CanTakeBack() const { return current_ > 0; }
    bool CanRedo() const { return current_ + 1 < states_.size(); }
    // Moves one step back or forward, or to step (0 the start); returns the state now on
    // show, to be restored.
    const GameState& TakeBack();
    const GameState& Redo();
    const GameState& GoTo(size_t step);

    // The steps kept, the one on show among them, and each step's state.
    size_t Size() const { return states_.size(); }
    size_t Current() const { return current_; }
    const GameState& At(size_t step) const { return states_.at(step); }

  private:
    // The start of the game, then the state after each step.
    std::vector<GameState> states_{GameState{}};
    // The index of the state on show.
    size_t current_ = 0;
};
