#include "UciOptions.h"

#include <algorithm>
#include <cctype>
#include <sstream>

namespace ostrand::uci {

namespace {

constexpr int WeakestElo() {
    int elo = Levels.front().elo;
    for (const Level& level : Levels)
        elo = std::min(elo, level.elo);
    return elo;
}
constexpr int StrongestElo() {
    int elo = Levels.front().elo;
    for (const Level& level : Levels)
        elo = std::max(elo, level.elo);
    return elo;
}

bool ReadCheck(const std::string& value, bool& to) {
    if (value != "true" && value != "false") return false;
    to = value == "true";
    return true;
}

}  // namespace

std::vector<std::string> Options::Listing() {
    std::string level = "option name Level type combo default ";
    level += Levels.front().name;
    for (const Level& each : Levels) {
        level += " var ";
        level += each.name;
    }
    return {level,
            "option name UCI_LimitStrength type check default false",
            "option name UCI_Elo type spin default " + std::to_string(StrongestElo()) + " min " +
                std::to_string(WeakestElo()) + " max " + std::to_string(StrongestElo()),
            "option name OwnBook type check default false",
            "option name Rules type combo default Standard var Standard var Designed",
            "option name Hash type spin default " + std::to_string(DefaultHashMegabytes) +
                " min 1 max " + std::to_string(MostHashMegabytes),
            "option name Ponder type check default false"};
}

bool Options::Set(const std::string& name, const std::string& value, std::string& error) {
    // Option names are not case-sensitive.
    std::string key = name;
    std::transform(key.begin(), key.end(), key.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    bool ok = true;
    if (key == "level") {
        const Level* level = LevelNamed(value);
        if (level) level_ = level;
        ok = level != nullptr;
    } else if (key == "uci_limitstrength") {
        ok = ReadCheck(value, limitStrength_);
    } else if (key == "ownbook") {
        ok = ReadCheck(value, ownBook_);
    } else if (key == "rules") {
        ok = value == "Standard" || value == "Designed";
        if (ok) rules_ = value == "Standard" ? RuleSet::Standard : RuleSet::Designed;
    } else if (key == "ponder") {
        ok = ReadCheck(value, ponder_);
    } else if (key == "hash") {
        std::istringstream number(value);
        int megabytes = 0;
        ok =
            number >> megabytes && number.eof() && megabytes >= 1 && megabytes <= MostHashMegabytes;
        if (ok) hash_ = megabytes;
    } else if (key == "uci_elo") {
        std::istringstream number(value);
        int elo = 0;
        ok = number >> elo && number.eof() && elo >= WeakestElo() && elo <= StrongestElo();
        if (ok) elo_ = elo;
    } else {
        error = "unknown option '" + name + "'";
        return false;
    }
    if (!ok) error = "option '" + name + "' does not take the value '" + value + "'";
    return ok;
}

const Level& Options::Playing() const {
    return limitStrength_ ? LevelNearestElo(elo_) : *level_;
}

}  // namespace ostrand::uci
