#include "SearchSettings.h"

#include "MoveGenerator.h"
#include "OpeningBook.h"

namespace ostrand::game {

namespace {

void Apply(const SearchSettings& settings) {
    DepthLimit = settings.depthLimit;
    OpeningStopsAtSix = settings.openingStopsAtSix;
    RootWeakness = settings.weakness;
    UseBook = settings.book;
    SearchBudget = settings.budget;
    SearchMovesOnly = settings.searchMovesOnly;
    RootLinesWanted = settings.lines;
    IterationDone = settings.iterationDone;
    Style = settings.style;
    HashMegabytes = settings.hashMegabytes;
}

}  // namespace

SearchSettings SearchSettings::AtLevel(const Level& level, bool book) {
    SearchSettings settings;
    settings.depthLimit = level.depth;
    settings.weakness = {level.chance, level.margin};
    settings.book = book;
    settings.style = level.style;
    return settings;
}

SearchSettings CurrentSettings() {
    return {DepthLimit,      OpeningStopsAtSix, RootWeakness,  UseBook, SearchBudget,
            SearchMovesOnly, RootLinesWanted,   IterationDone, Style,   HashMegabytes};
}

SearchScope::SearchScope(const SearchSettings& settings) : saved_(CurrentSettings()) {
    Apply(settings);
}

SearchScope::~SearchScope() {
    Apply(saved_);
}

std::string Search(const SearchSettings& settings) {
    const SearchScope scope(settings);
    return FindBestMove();
}

std::string Command(const std::string& command, const SearchSettings& settings) {
    const SearchScope scope(settings);
    return EngineCommand(command);
}

}  // namespace ostrand::game
