#include "Levels.h"

#include <chrono>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "SearchInternal.h"
#include "Variables.h"

namespace ostrand {

Weakness RootWeakness;

namespace {

// splitmix64: small, fast and good enough for choosing moves.
uint64_t state = static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());

uint64_t NextRandom() {
    uint64_t z = (state += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

// The score of one root entry searched on its own, with the bounds at their infinities, so
// that it is the entry's true value at the depth; nothing when the depth-2 filter refuses
// the move.
std::optional<int16_t> ExactScore(const std::string& entry) {
    StartIteration();
    CutoffFlag = No;
    const MoveSquares m = DecodeMove(entry);
    if (m.x1 == 9)
        SearchRootCastling(entry.substr(0, 2));
    else
        TryBlackMove(m.x1, m.y1, m.x2, m.y2, m.promotion);
    if (RootMoves.empty()) return std::nullopt;
    return RootScores[1];
}

}  // namespace

const Level* LevelNamed(std::string_view name) {
    for (const Level& level : Levels)
        if (level.name == name) return &level;
    return nullptr;
}

const Level& LevelNearestElo(int elo) {
    const Level* nearest = &Levels.front();
    for (const Level& level : Levels)
        if (std::abs(level.elo - elo) < std::abs(nearest->elo - elo)) nearest = &level;
    return *nearest;
}

void UseLevel(const Level& level) {
    DepthLimit = level.depth;
    RootWeakness = {level.chance, level.margin};
}

void SeedChoices(uint64_t seed) {
    state = seed;
}

uint64_t RandomBelow(uint64_t bound) {
    return NextRandom() % bound;
}

std::string WeakerMove(const std::string& list) {
    const std::string best = list.substr(0, 4);
    if (RootWeakness.chance <= 0 || list.size() < 8 ||
        RandomBelow(100) >= static_cast<uint64_t>(RootWeakness.chance))
        return best;
    // The iteration's scores of all but its best move are bounds; each is searched again.
    std::vector<std::pair<std::string, int16_t>> scored;
    int16_t top = -Infinity;
    for (size_t i = 0; i + 4 <= list.size(); i += 4) {
        const std::string entry = list.substr(i, 4);
        if (const auto score = ExactScore(entry)) {
            scored.emplace_back(entry, *score);
            if (*score > top) top = *score;
        }
    }
    std::vector<std::string> worse;
    for (const auto& [entry, score] : scored)
        if (entry != best && score >= top - RootWeakness.margin) worse.push_back(entry);
    return worse.empty() ? best : worse[RandomBelow(worse.size())];
}

}  // namespace ostrand
