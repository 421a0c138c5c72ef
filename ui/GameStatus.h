// What the status line says about the game, read from the engine's state with its own
// tests, the way the engine itself judges the player's next command, and from the game's
// record for the endings the engine does not know: draws by rule, resignation, agreement.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "GameRecord.h"

namespace status {

// The result when the game is over ("Checkmate — you win", "Checkmate — Ostrand wins",
// "Stalemate — draw", "Draw by threefold repetition", "You resigned — Ostrand wins", ...),
// else empty.
std::string GameResult(const GameRecord& record);
// Whether the game ended in a way the engine does not know, so that it must not move on.
bool EndedBeyondTheEngine(const GameRecord& record);
// The result as PGN writes it: "1-0", "0-1", "1/2-1/2", or "*" while the game goes on.
std::string PgnResult(const GameRecord& record, bool playerIsWhite);
// How a game that the engine does not know to be over ended, for the PGN's Termination tag
// ("Draw by the fifty-move rule", "Player resigned"); else empty.
std::string Termination(const GameRecord& record);
// The result, else "Check!" when the player's king is attacked, else "Your move".
std::string GameStatus(const GameRecord& record);
// Why the engine refused the player's move text ("Error"): the piece cannot reach the
// square, or the move would leave the player's king attacked.
std::string RefusalReason(const std::string& move);
// The squares (file, rank) the player's piece on (file, rank) may move to, as the engine
// would accept the move now: none once the game is over.
std::vector<std::pair<int, int>> LegalTargets(int file, int rank);

}  // namespace status
