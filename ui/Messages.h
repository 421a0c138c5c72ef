// The engine and the notation library write their messages in English, as the console
// program shows them; the window shows them in the player's language.
#pragma once

#include <QString>
#include <string>

namespace messages {

// text in the player's language. A message is a fixed phrase round names, numbers and
// further phrases; each is matched whole and its parts in turn. What no phrase matches (a
// file's name, the system's own reason) stays as written.
QString Translated(const QString& text);

// A move in SAN with the pieces' letters of the player's language ("Sf3" in German), for the
// window only: files and saved games keep the standard's English letters.
QString ShownSan(const std::string& san);

}  // namespace messages
