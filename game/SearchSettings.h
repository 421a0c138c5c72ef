// Everything a search of the engine can be asked for, and the one place that writes the
// engine's search settings: a search is run with its settings, which are set for that search
// alone and put back as they were however it ends (a book move, a stop, a mate). The window's
// play and hint, the UCI mode and the console commands all ask for their searches here, so
// that no feature leaves a setting behind for the next.
#pragma once

#include <cstdint>
#include <string>

#include "Levels.h"
#include "MasterSearch.h"
#include "Search.h"

namespace ostrand::game {

// The defaults are the engine's own search, node for node as designed.
struct SearchSettings {
    int16_t depthLimit = 0;             // DepthLimit: 0 lets the time rules decide
    bool openingStopsAtSix = true;      // OpeningStopsAtSix
    Weakness weakness{};                // RootWeakness: now and then a worse root move
    bool book = false;                  // UseBook: a book move while the position is in the book
    TimeBudget budget{};                // SearchBudget: none at limit 0
    std::string searchMovesOnly;        // SearchMovesOnly: four characters a move
    int lines = 1;                      // RootLinesWanted
    void (*iterationDone)() = nullptr;  // IterationDone
    SearchStyle style = SearchStyle::Designed;  // Style
    int hashMegabytes = DefaultHashMegabytes;   // HashMegabytes: the Master search's table

    // A level's depth and weakness, with its book choice as given.
    static SearchSettings AtLevel(const Level& level, bool book);
    bool operator==(const SearchSettings&) const = default;
};

// The engine's settings as they stand now.
SearchSettings CurrentSettings();

// Sets the engine's settings for the scope's lifetime and restores the previous ones when it
// ends. Scopes nest; only one search runs at a time.
class SearchScope {
  public:
    explicit SearchScope(const SearchSettings& settings);
    ~SearchScope();
    SearchScope(const SearchScope&) = delete;
    SearchScope& operator=(const SearchScope&) = delete;

  private:
    SearchSettings saved_;
};

// FindBestMove with the settings.
std::string Search(const SearchSettings& settings);
// EngineCommand with the settings, for the commands that search (a move of the player,
// "Force").
std::string Command(const std::string& command, const SearchSettings& settings);

}  // namespace ostrand::game
