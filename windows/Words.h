// How the Windows window words what the session reports, in the player's language: the
// status line, the endings and the refusals, as the Qt window words them.
#pragma once

#include <string>
#include <string_view>

#include "GameSession.h"

namespace ostrand::win {

// The language of the window's texts for this run: a code such as "de", or "en".
void SetLanguage(std::string language);
const std::string& Language();
// A text of the Qt class context in the language of the run (see Translate).
std::string Tr(std::string_view context, std::string_view source, std::string_view comment = {});

std::string ResultWords(game::Ending ending);
std::string StandingWords(const game::Status& status);
// Empty for a refusal that needs no words (None, Busy).
std::string RefusalWords(game::Refusal refusal);
// An engine's or library's message in the language of the run (see TranslateMessage).
std::string MessageWords(const std::string& english);
// A move in SAN with the pieces' letters of the language ("Sf3" in German).
std::string ShownSan(const std::string& san);

}  // namespace ostrand::win
