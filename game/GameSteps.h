// The steps of a game that the player can take back and replay. A step is whatever changed
// the game at one go: a move of the player with the engine's answer, Force, a load, a
// placement of the position editor, a set-up, a move pair of an opened game, a resignation,
// an agreed draw or a fallen flag.
#pragma once

#include <cstddef>
#include <vector>

#include "GameRecord.h"
#include "GameSnapshot.h"
#include "Variables.h"

namespace ostrand::game {

// The game after a step: the engine's game, its record in standard notation, and the rules
// it is played under, which a step back to an earlier game restores.
struct Step {
    GameSnapshot engine;
    GameRecord record;
    RuleSet rules = RuleSet::Designed;
    bool operator==(const Step&) const = default;
};

class GameSteps {
  public:
    // Starts over from step, with nothing to take back or redo.
    void Start(Step step);
    // Adds step after the one on show and drops the steps taken back; false, with nothing
    // added, when it is the one on show.
    bool Push(Step step);

    bool CanTakeBack() const { return current_ > 0; }
    bool CanRedo() const { return current_ + 1 < steps_.size(); }
    // Goes to step (0 the start) when there is one; returns the step now on show.
    const Step& GoTo(size_t step);

    size_t Size() const { return steps_.size(); }
    size_t Current() const { return current_; }
    const Step& At(size_t step) const { return steps_.at(step); }

  private:
    // The start of the game, then the game after each step.
    std::vector<Step> steps_{Step{}};
    size_t current_ = 0;
};

}  // namespace ostrand::game
