#include "GameHistory.h"

#include <utility>

void GameHistory::Start(ostrand::GameSnapshot state) {
    states_.assign(1, std::move(state));
    current_ = 0;
}

bool GameHistory::Push(ostrand::GameSnapshot state) {
    if (state == states_[current_]) return false;
    states_.resize(current_ + 1);
    states_.push_back(std::move(state));
    ++current_;
    return true;
}

const ostrand::GameSnapshot& GameHistory::TakeBack() {
    if (CanTakeBack()) --current_;
    return states_[current_];
}

const ostrand::GameSnapshot& GameHistory::Redo() {
    if (CanRedo()) ++current_;
    return states_[current_];
}
