// Standard algebraic notation (SAN), the moves of printed games and of PGN files: "Nbd7",
// "exd5", "e8=Q+", "O-O-O", "Qh4#".
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "StandardChess.h"

namespace ostrand::chess {

// The SAN of a move in the position it is played from: the piece's letter, the file, rank
// or square it comes from when another piece of its kind could go to the same square, "x"
// for a capture, the promotion, and "+" for check or "#" for mate. A king's two-square
// step is castling, also where the standard rules would not allow it.
std::string SanText(const Position& position, const Move& move);

// Reads a move in SAN, as players write it: the check and mate marks and annotations such
// as "!?" are optional and not checked, castling may be written with zeros or small o's, a capture
// without its "x", a promotion without "=" (a pawn reaching the last rank with no piece
// named becomes a queen), and the from-square may be given in full ("Ng1f3", "e2e4").
// False with "not a move", "illegal move" or "ambiguous move" and the move unchanged.
bool ParseSan(const Position& position, std::string_view text, Move& move, std::string& error,
              CastlingRule rule = CastlingRule::Standard);
// The same, read against the moves given instead: a player's text matched against the moves
// the pieces could make, whether or not they leave the king in check, names the move the
// player meant.
bool ParseSan(const Position& position, std::string_view text, const std::vector<Move>& legal,
              Move& move, std::string& error);

}  // namespace ostrand::chess
