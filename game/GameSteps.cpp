#include "GameSteps.h"

#include <utility>

namespace ostrand::game {

void GameSteps::Start(Step step) {
    steps_.assign(1, std::move(step));
    current_ = 0;
}

bool GameSteps::Push(Step step) {
    if (step == steps_[current_]) return false;
    steps_.resize(current_ + 1);
    steps_.push_back(std::move(step));
    ++current_;
    return true;
}

const Step& GameSteps::GoTo(size_t step) {
    if (step < steps_.size()) current_ = step;
    return steps_[current_];
}

}  // namespace ostrand::game
