// The status line's and the move list's words for the facts the game session gives: how the
// game stands, how it ended, why a move was refused. English under the translation context
// "status", shown in the player's language.
#pragma once

#include <QString>

#include "GameSession.h"

namespace status {

// How the game ended ("Checkmate — you win", "Draw by threefold repetition"); empty while it
// goes on.
QString Result(ostrand::game::Ending ending);
// The result, else "Check!" when the player's king is attacked, else "Your move".
QString Standing(const ostrand::game::Status& status);
// Why the player's move was not played; empty when it was, or when it waits for the engine.
QString Refusal(ostrand::game::Refusal refusal);

}  // namespace status
