// The engine's playing levels, from full strength down to two levels for beginners, and
// the weakness of the beginners' levels: now and then the engine plays a worse root move.
//
// The weakness is opt-in: with RootWeakness at its default the search chooses its move
// exactly as it always has.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "Search.h"

namespace ostrand {

struct Level {
    std::string_view name;
    int16_t depth;   // the DepthLimit it plays at; 0: the engine's own time rules
    int chance;      // in percent of its moves: how often it plays a worse move than its best
    int16_t margin;  // how much worse, at most, in the search's units (a pawn is 100)
    // Its strength on Stockfish's UCI_Elo scale, as tools/calibrate.py measured it (the games
    // are in docs/calibration.log), to the nearest 50.
    int elo;
    // Whether the window varies the openings at this level unless the player says otherwise.
    bool variesOpenings;
    SearchStyle style = SearchStyle::Designed;
};

// Strongest first. Master's Elo was measured apart, on a 10 s + 0.1 s clock (docs/levels.md).
inline constexpr std::array<Level, 7> Levels{{
    {"Master", 0, 0, 0, 1850, false, SearchStyle::Master},
    {"Full strength", 0, 0, 0, 1800, false},
    {"Depth 6", 6, 0, 0, 1750, false},
    {"Depth 4", 4, 0, 0, 1150, false},
    {"Depth 2", 2, 0, 0, 550, false},
    {"Casual", 2, 30, 200, 500, true},
    {"Beginner", 2, 60, 500, 150, true},
}};

// The window's level until the player chooses one: the designed search at full strength. The
// UCI mode plays at the first, the strongest.
inline constexpr const Level& DefaultLevel = Levels[1];

// The level of that name; null when there is none.
const Level* LevelNamed(std::string_view name);
// Of the levels, the one whose Elo is nearest to elo (the stronger one of two as near).
const Level& LevelNearestElo(int elo);

// How often, and by how much at most, the engine plays a worse root move than its best.
struct Weakness {
    int chance = 0;
    int16_t margin = 0;
    bool operator==(const Weakness&) const = default;
};
extern Weakness RootWeakness;

// Plays at the level: its depth limit and its weakness.
void UseLevel(const Level& level);

// The engine's own random choices (the weaker moves, the book's moves) come from one
// generator, seeded from the clock when the program starts; a seed makes them repeatable.
void SeedChoices(uint64_t seed);
// A random number from 0 to below bound (bound > 0).
uint64_t RandomBelow(uint64_t bound);

}  // namespace ostrand
