// Standard positions and moves on the engine's board, the one mapping that the console
// modes, the UCI mode and the window share.
//
// The engine's own pieces are always the positive codes, moving down the board. When the
// engine plays White the standard position is mirrored onto its board: rank r becomes
// rank 9 - r and the colours swap. Files never change, so the standard initial position is
// the engine's own initial position whichever colour the engine plays. The search and the
// UCI mode let the engine play the side to move; the window and the play mode let the player
// keep their colour, and the engine moves at once when the position gives it the move.
//
// The engine's designed rules are narrower than the standard ones: no en passant, promotion
// only to a queen, and its king may castle past a square that only a pawn attacks. Under the
// standard rules (Rules in Variables.h) the mapping keeps en passant (a plain move text, and
// the en passant square of a position) and promotions to any piece (the piece's letter in
// place of the to-rank digit: 171n).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "StandardChess.h"

namespace ostrand::chess {

// Whether standard positions stand mirrored on the engine's board: the engine plays White.
constexpr bool Mirrored(Colour engine) {
    return engine == Colour::White;
}

// The engine's position key of a standard position.
std::string EngineKey(const Position& position, Colour engine);

// Puts a standard position on the engine's board, the engine playing the colour engine: the
// pieces, the castling rights as the engine's rights (its castle-now flags follow from its own
// rule), the half-move clock, the move count 2 x (fullmove - 1), plus 1 with Black to move, and a
// move log that starts here; under the standard rules also the en passant square. Returns, for the
// player, what the designed rules leave out (an en passant capture the side to move could make);
// empty when nothing.
std::string SetUpEngine(const Position& position, Colour engine);

// The standard position on the engine's board with toMove to move: castling rights from the
// engine's rights where king and rook are at home, the en passant square the engine keeps
// (standard rules) if toMove may take on it, the move number
// from the move count. False with the reason for a board that is no standard position (an
// edited board without a king, for example).
bool EnginePosition(Colour engine, Colour toMove, Position& position, std::string& error);

// The standard move of an engine move text in the standard position it is played from: the
// engine's castling (9191, 9898), the negative side's (0101, 0808, or the king's two-square
// step) as the king's move, a pawn reaching the last rank as a queen's promotion, or under the
// standard rules as the piece a letter names. Nothing for a text that is not four digits
// naming squares, a castling or such a promotion.
std::optional<Move> StandardMove(std::string_view engineMove, const Position& position,
                                 Colour engine);

// The engine's move text of a standard move, as PlayMove takes it: castling as 0101 or 0808
// for the negative side and 9191 or 9898 for the engine's; under the standard rules en
// passant as the pawn's move and a promotion to a rook, bishop or knight with its letter.
// False with the reason for a move that the designed rules do not have: en passant,
// promotion to anything but a queen.
bool EngineMove(const Position& position, const Move& move, Colour engine, std::string& text,
                std::string& error);

// The engine's move texts of a game's moves. False with the move and the reason ("move 12
// (exd6): ...") and texts unchanged when the engine's rules cannot follow the game.
bool EngineMoves(const Position& start, const std::vector<Move>& moves, Colour engine,
                 std::vector<std::string>& texts, std::string& error);

// Sets the start up on the engine's board and commits the moves with PlayMove, so that the
// engine's move log holds them. All or nothing: false, with the engine's state unchanged,
// when the engine's rules cannot follow the game. note is SetUpEngine's.
bool ReplayOnEngine(const Position& start, const std::vector<Move>& moves, Colour engine,
                    std::string& note, std::string& error);

}  // namespace ostrand::chess
