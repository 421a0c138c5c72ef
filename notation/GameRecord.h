// The game on the engine's board as standard chess writes it, in the colours the player sees:
// where it started (the initial position, or the last edit, paste or load), the moves played
// since and how it ended when the players ended it. It follows every command the window sends
// and checks itself against the engine's board after each. It judges the draws by rule that
// the engine does not know, for the window and any tool.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "Pgn.h"
#include "StandardChess.h"

class GameRecord {
  public:
    using Colour = ostrand::chess::Colour;
    using Position = ostrand::chess::Position;

    // The rules that draw a game in which the side to move still has a move.
    enum class DrawRule { None, Repetition, FiftyMoves, Material };
    // How the players ended the game, rather than the position.
    enum class Settlement { None, PlayerResigned, DrawAgreed, PlayerOutOfTime, EngineOutOfTime };

    // A game from the initial position with the engine on black.
    GameRecord() = default;

    // Starts at start, the engine playing engine. An en passant square is dropped unless the
    // engine plays the standard rules: the designed game has none.
    void Start(const Position& start, Colour engine);
    // Starts at the engine's board as it stands, toMove to move. A board that is no chess
    // position (an edit under way) leaves the record without a game until the next start.
    void StartAtBoard(Colour engine, Colour toMove);
    // Adds what the engine did for the window's command and its reply: the player's move and
    // the engine's answer, a forced move of the engine, or nothing. A side moving out of turn
    // ("Force" while it is the player's move) cannot be written in a game, so the record then
    // starts again just before that move. Anything the record cannot account for (an edit, a
    // load) starts it again at the board.
    void Follow(std::string_view command, std::string_view reply);
    // Adds a move of the side to move, played on the engine's board too (an opened game).
    void Add(const ostrand::chess::Move& move);

    // False while the board is no chess position; Problem says why.
    bool HasGame() const { return problem_.empty(); }
    const std::string& Problem() const { return problem_; }
    Colour Engine() const { return engine_; }
    const Position& StartPosition() const { return start_; }
    const std::vector<ostrand::chess::Move>& Moves() const { return moves_; }
    const Position& Final() const { return final_; }

    // The positions of the game from its start to the final one, en passant squares as the
    // moves left them.
    std::vector<Position> Positions() const;
    // The rule by which the final position is drawn: the same position (the pieces, the side
    // to move, the castling rights and an en passant capture that can be made) for the third
    // time; 100 half-moves without a capture or a pawn move; too little material for either
    // side to mate. None when the side to move has no legal move: mate and stalemate decide.
    DrawRule DrawnBy() const;
    // Ends the game by the players' word; a new start clears it.
    void Settle(Settlement settlement) { settlement_ = settlement; }
    Settlement Settled() const { return settlement_; }

    // The FEN of the position now.
    std::string Fen() const;
    // The game with the seven tags filled in, and a Termination tag when termination is not
    // empty; a move that standard rules forbid (castling past a square only a pawn attacks)
    // carries a comment that says so.
    ostrand::chess::PgnGame Pgn(const std::string& player, const std::string& engine,
                                const std::string& date, const std::string& result,
                                const std::string& termination = {}) const;

    bool operator==(const GameRecord&) const = default;

  private:
    // Plays a move of side; out of turn, the record starts again at the position now.
    void Play(Colour side, std::string_view engineMove);

    Colour engine_ = Colour::Black;
    Position start_ = ostrand::chess::StartPosition();
    std::vector<ostrand::chess::Move> moves_;
    Position final_ = ostrand::chess::StartPosition();
    // Why the board is no chess position; empty while the record holds a game.
    std::string problem_;
    Settlement settlement_ = Settlement::None;
};
