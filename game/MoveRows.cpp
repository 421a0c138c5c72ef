#include "MoveRows.h"

#include <algorithm>
#include <utility>

#include "Outcome.h"
#include "San.h"

namespace ostrand::game {

namespace {

// Whether later goes on from earlier: the same start and earlier's moves first.
bool GoesOnFrom(const GameRecord& later, const GameRecord& earlier) {
    return later.HasGame() && earlier.HasGame() &&
           later.StartPosition() == earlier.StartPosition() &&
           later.Moves().size() >= earlier.Moves().size() &&
           std::equal(earlier.Moves().begin(), earlier.Moves().end(), later.Moves().begin());
}

}  // namespace

GameMoves ListMoves(const GameSteps& steps, const GameRecord& onShow) {
    GameMoves list;
    if (!onShow.HasGame()) return list;
    // The game on show goes on with the steps that redo replays.
    size_t last = steps.Current();
    while (last + 1 < steps.Size() && GoesOnFrom(steps.At(last + 1).record, onShow))
        ++last;
    const GameRecord& shown = last > steps.Current() ? steps.At(last).record : onShow;
    list.fromSetUp = shown.StartPosition() != chess::StartPosition();
    const std::vector<chess::Position> positions = shown.Positions();
    const size_t played = onShow.Moves().size();
    size_t step = 0;
    for (size_t i = 0; i < shown.Moves().size(); ++i) {
        const chess::Position& before = positions[i];
        const bool white = before.toMove == chess::Colour::White;
        if (white || list.rows.empty()) list.rows.push_back({before.fullmove, {}, {}});
        // The first step whose game holds the move.
        while (step < last && !(steps.At(step).record.Moves().size() > i &&
                                GoesOnFrom(shown, steps.At(step).record)))
            ++step;
        MoveCell cell{chess::SanText(before, shown.Moves()[i]), step, i < played, i + 1 == played};
        (white ? list.rows.back().white : list.rows.back().black) = std::move(cell);
    }
    list.showsResult = last == steps.Current() && EndingOf(onShow) != Ending::None;
    return list;
}

}  // namespace ostrand::game
