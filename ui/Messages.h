// The engine and the notation library write their messages in English, as the console
// program shows them; the window shows them in the player's language.
#pragma once

#include <QString>

namespace messages {

// text in the player's language. A message is a fixed phrase round names, numbers and
// further phrases; each is matched whole and its parts in turn. What no phrase matches (a
// file's name, the system's own reason) stays as written.
QString Translated(const QString& text);

}  // namespace messages
