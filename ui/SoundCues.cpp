#include "SoundCues.h"

#include <string>

namespace sounds {

namespace {

// The seconds of a clock that tick.
constexpr int64_t TickingSeconds = 10;

}  // namespace

std::optional<Sound> OfMove(std::string_view san) {
    if (san.find('#') != std::string_view::npos) return std::nullopt;
    if (san.find('+') != std::string_view::npos) return Sound::Check;
    if (san.find('x') != std::string_view::npos) return Sound::Capture;
    return Sound::Move;
}

std::optional<Sound> Cues::MovesListed(const ostrand::game::GameMoves& moves) {
    size_t played = 0;
    std::string_view last;
    for (const ostrand::game::MoveRow& row : moves.rows) {
        for (const std::optional<ostrand::game::MoveCell>* cell : {&row.white, &row.black}) {
            if (!*cell || !(*cell)->played) continue;
            ++played;
            last = (*cell)->san;
        }
    }
    const bool oneMore = played == played_ + 1;
    played_ = played;
    return oneMore ? OfMove(last) : std::nullopt;
}

// A clock that stands and runs again within the same second does not tick it twice.
std::optional<Sound> Cues::PlayerClock(std::optional<int64_t> remaining) {
    if (!remaining || *remaining <= 0) return std::nullopt;
    const int64_t second = (*remaining + 999) / 1000;
    if (second > TickingSeconds) {
        tickedSecond_ = 0;
        return std::nullopt;
    }
    if (second == tickedSecond_) return std::nullopt;
    tickedSecond_ = second;
    return Sound::Tick;
}

}  // namespace sounds
