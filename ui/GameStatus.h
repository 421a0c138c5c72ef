// What the status line says about the game, read from the engine's state with its own
// tests, the way the engine itself judges the player's next command.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace status {

// The result when the game is over ("Checkmate — you win", "Checkmate — Ostrand wins",
// "Stalemate — draw"), else empty.
std::string GameResult();
// The result as PGN writes it: "1-0", "0-1", "1/2-1/2", or "*" while the game goes on.
std::string PgnResult(bool playerIsWhite);
// The result, else "Check!" when the player's king is attacked, else "Your move".
std::string GameStatus();
// Why the engine refused the player's move text ("Error"): the piece cannot reach the
// square, or the move would leave the player's king attacked.
std::string RefusalReason(const std::string& move);
// The squares (file, rank) the player's piece on (file, rank) may move to, as the engine
// would accept the move now: none once the game is over.
std::vector<std::pair<int, int>> LegalTargets(int file, int rank);

}  // namespace status
