// How a game stands: whether it is over and why, whose move it is, and why a move was
// refused. Facts only: each front end words them in the player's language.
#pragma once

#include <string_view>

#include "GameRecord.h"

namespace ostrand::game {

enum class Ending {
    None,
    PlayerMates,  // the engine is checkmated
    EngineMates,  // the player is checkmated
    Stalemate,
    Repetition,  // threefold repetition
    FiftyMoves,
    Material,  // insufficient material
    PlayerResigned,
    DrawAgreed,
    PlayerOutOfTime,      // and the engine could mate
    EngineOutOfTime,      // and the player could mate
    PlayerOutOfTimeDraw,  // the player's flag fell, but the engine cannot mate
    EngineOutOfTimeDraw,  // the engine's flag fell, but the player cannot mate
};

// How the game of record stands: the position first (mate and stalemate, as the engine
// judges them), then the players' word or a clock, then the draws by rule. None while the
// game goes on or the board is no chess position.
Ending EndingOf(const GameRecord& record);

// Who won an ended game; "1-0", "0-1" or "1/2-1/2" by the colour the player has.
enum class GameScore { Open, PlayerWins, EngineWins, Draw };
GameScore ScoreOf(Ending ending);
// The PGN's Termination tag: "Checkmate", "Stalemate", "Draw by threefold repetition", "Player
// resigned", "time forfeit", ...; empty while the game goes on.
std::string_view Termination(Ending ending);

// Why the player's move was not played.
enum class Refusal {
    None,
    Busy,             // the engine is thinking
    GameOver,         // the game is over: start a new game
    NoPosition,       // the board is no chess position (an edit without a king)
    CannotMoveThere,  // the piece cannot reach the square
    KingAttacked,     // the move would leave the player's king attacked
    NotAMove,         // a typed text that names no move
    Ambiguous,        // a typed move that more than one piece could make
    QueenOnly,        // a promotion to another piece than a queen
    ChoosePiece,      // a promotion that names no piece, under the standard rules
};

}  // namespace ostrand::game
