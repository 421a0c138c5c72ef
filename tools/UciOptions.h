// The UCI mode's options: the playing strength, by level name or by Elo (the strongest level,
// the default, searches with the Master search, the others with the designed one), the book,
// the rules the games follow, and the Master search's table.
#pragma once

#include <string>
#include <vector>

#include "Levels.h"
#include "MasterSearch.h"
#include "Variables.h"

namespace ostrand::uci {

class Options {
  public:
    // The "option" lines of the answer to "uci".
    static std::vector<std::string> Listing();
    // Sets the option of that name (not case-sensitive); false with the reason for an
    // unknown option or a value it does not take, leaving the options as they were.
    bool Set(const std::string& name, const std::string& value, std::string& error);

    // The level to play at: the one nearest to UCI_Elo while UCI_LimitStrength is on,
    // otherwise the one Level names.
    const Level& Playing() const;
    bool OwnBook() const { return ownBook_; }
    // The rules of the games: the standard ones, which the host plays, unless the designed
    // game is asked for.
    RuleSet Rules() const { return rules_; }
    // The Master search's table in megabytes.
    int Hash() const { return hash_; }

  private:
    const Level* level_ = &Levels.front();
    bool limitStrength_ = false;
    int elo_ = Levels.front().elo;
    bool ownBook_ = false;
    RuleSet rules_ = RuleSet::Standard;
    int hash_ = DefaultHashMegabytes;
    bool ponder_ = false;  // the host's word that it may ask for pondering; nothing to set up
};

}  // namespace ostrand::uci
