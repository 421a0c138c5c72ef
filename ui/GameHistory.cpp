#include "GameHistory.h"

#include <utility>

void GameHistory::Start(GameState state) {
    states_.assign(1, std::move(state));
    current_ = 0;
}

bool GameHistory::Push(GameState state) {
    if (state == states_[current_]) return false;
    states_.resize(current_ + 1);
    states_.push_back(std::move(state));
    ++current_;
    return true;
}

const GameState& GameHistory::TakeBack() {
    if (CanTakeBack()) --current_;
    return states_[current_];
}

const GameState& GameHistory::Redo() {
    if (CanRedo()) ++current_;
    return states_[current_];
}

const GameState& GameHistory::GoTo(size_t step) {
    if (step < states_.size()) current_ = step;
    return states_[current_];
}
