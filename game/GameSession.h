// One game from its start to its result, without any window: the engine's game and its
// record in standard notation, the steps that take back and redo move between, the clocks,
// and the settings of every search the game asks for. A front end draws what the session
// reports (SessionListener) and passes on what the player does; it never calls the engine.
//
// Squares are the form's: (file, rank) on the engine's board, 1..8, the player's pieces the
// negative codes at ranks 1 and 2 whichever colour the player has.
//
// One answer to "is the game over, and why" (Status) holds for every action: none plays a
// move, by Force or otherwise, in a game that is over or on a board that is no chess position.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "GameClock.h"
#include "GameRecord.h"
#include "Levels.h"
#include "MoveRows.h"
#include "Outcome.h"
#include "SessionListener.h"
#include "Variables.h"

namespace ostrand::game {

struct Square {
    int file = 0;
    int rank = 0;
    bool operator==(const Square&) const = default;
};

// A move on the form's squares; the player castles by the king's two-square step.
struct SquareMove {
    Square from;
    Square to;
    bool operator==(const SquareMove&) const = default;
};

// The game as the status line tells it.
struct Status {
    Ending ending = Ending::None;
    bool thinking = false;
    bool playerToMove = true;
    bool check = false;   // the side to move is in check
    bool hasGame = true;  // false while the board is no chess position
    std::string problem;  // why not (English, for messages::Translated)
};

struct Hint {
    SquareMove move;
    std::string san;  // "Nf3"
};

class GameSession {
  public:
    // Registers itself as the engine's display while it lives; the time source drives the
    // clocks (nullptr: the engine's steady clock).
    explicit GameSession(SessionListener& listener, TimeSource now = nullptr);
    ~GameSession();
    GameSession(const GameSession&) = delete;
    GameSession& operator=(const GameSession&) = delete;

    // Settings for the searches of play, kept for the next games.
    void SetLevel(const Level& level);
    const Level& PlayingLevel() const;
    void SetBook(bool book);
    bool Book() const;
    // The time control of the next new game (and of set-ups, which start on fresh clocks).
    void SetTimeControl(const TimeControl& control);
    const TimeControl& NextTimeControl() const;

    // The rules of the next new game and set-ups; a game keeps the rules it started with.
    void SetRules(RuleSet rules);
    RuleSet NextRules() const;
    // The rules of the game on show.
    RuleSet Rules() const;

    // A new game with the player on colour; the engine opens when it plays White.
    void NewGame(chess::Colour player);
    chess::Colour PlayerColour() const;

    // The player's move on the form's squares. Refusal::None when it was played (and the
    // engine has answered, or the game ended with it); any refusal changes nothing. A pawn
    // reaching the last rank becomes the piece promotion names ('q', 'r', 'b' or 'n'): under
    // the designed rules a queen whatever, under the standard rules the player must choose.
    Refusal Play(SquareMove move, char promotion = 0);
    // The move is a pawn's legal step to the last rank that the player must choose a piece for.
    bool NeedsPromotion(SquareMove move) const;
    // The player's move as typed: SAN ("Nf3", "exd5", "O-O", "e8=Q+") or long algebraic
    // ("e2e4", "e7e8q"), played as Play would play its squares, with the same refusals.
    Refusal PlayText(const std::string& text);
    // The moves Play would take now, in SAN; none once the game is over or while it waits.
    std::vector<std::string> LegalSan() const;
    // The squares the player's piece on from may move to now; none once the game is over.
    std::vector<Square> LegalTargets(Square from) const;
    // The engine moves for its side now (Force); false when it may not (game over, no
    // position, thinking).
    bool Force();
    // While the engine thinks: it plays the best move it has finished.
    void MoveNow();
    void Resign();
    // The engine accepts when its last search found it at least a pawn behind; false when
    // it declines.
    bool OfferDraw();
    // The engine's suggestion for the player's move, searched at full strength for at most a
    // second from the player's side; nothing when it is not the player's move or the game is
    // over (a flag may fall meanwhile). The game and the statistics stay as they were.
    std::optional<Hint> FindHint();

    // The steps: the start, then the state after each move pair, Force, edit, load, paste,
    // resignation, agreed draw or fallen flag.
    bool CanTakeBack() const;
    bool CanRedo() const;
    void TakeBack();
    void Redo();
    void GoTo(size_t step);
    size_t StepCount() const;
    size_t CurrentStep() const;

    // The position editor: any code (0 empties) on any square, kings or not; the game starts
    // again at the board as it stands.
    void Place(Square square, int16_t code);
    // A FEN, or a PGN game played through, set up as the next steps on fresh clocks: the
    // player keeps their colour and the engine moves at once when the position gives it the
    // move. False, with the reason and nothing changed, for a text that is no position, a game
    // the engine's rules cannot follow, or while the engine thinks.
    bool SetUpFen(const std::string& fen, std::string& error);
    bool SetUpGame(const chess::PgnGame& game, std::string& error);
    // What the engine's board left out of the last set-up (an en passant capture), else empty.
    const std::string& SetUpNote() const;
    // The saved game, in the engine's own file format; a loaded game is the next step, the
    // player to move. False with the reason, and nothing changed.
    bool Save(const std::string& path, std::string& error) const;
    bool Load(const std::string& path, std::string& error);

    // Reads the clocks; a fallen flag ends the game (once the engine has answered when it
    // thinks, which it then does at once). A front end calls it about ten times a second.
    void Tick();

    // What a front end draws. While the engine thinks, the board as last reported.
    int16_t PieceAt(Square square) const;
    Status CurrentStatus() const;
    // The engine's last move in the step on show, for its frame; nothing after the player's.
    // For the engine's castling, the squares its king and rook land on.
    std::optional<SquareMove> LastEngineMove() const;
    GameMoves Moves() const;
    // "1-0", "0-1", "1/2-1/2", or "*" while the game goes on.
    std::string Result() const;
    // What the search last wrote to the statistics and the progress bar.
    const std::string& Statistic(StatusLabel label) const;
    int Progress() const;
    int ProgressMaximum() const;
    int64_t Remaining(Side side) const;
    std::optional<Side> ClockRunning() const;
    const TimeControl& Control() const;
    const GameRecord& Record() const;
    // The position now, and the game with its result, Termination and TimeControl tags.
    std::string Fen() const;
    chess::PgnGame Pgn(const std::string& date) const;

    // The names a game gives the two sides.
    static constexpr const char* PlayerName = "Player";
    static std::string EngineName();

  private:
    class Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace ostrand::game
