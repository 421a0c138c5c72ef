#include "Outcome.h"

namespace ostrand::game {

Score ScoreOf(Ending ending) {
    switch (ending) {
        case Ending::None: return Score::Open;
        case Ending::PlayerMates:
        case Ending::EngineOutOfTime: return Score::PlayerWins;
        case Ending::EngineMates:
        case Ending::PlayerResigned:
        case Ending::PlayerOutOfTime: return Score::EngineWins;
        case Ending::Stalemate:
        case Ending::Repetition:
        case Ending::FiftyMoves:
        case Ending::Material:
        case Ending::DrawAgreed:
        case Ending::PlayerOutOfTimeDraw:
        case Ending::EngineOutOfTimeDraw: return Score::Draw;
    }
    return Score::Open;
}

std::string_view Termination(Ending ending) {
    switch (ending) {
        case Ending::None: return {};
        case Ending::PlayerMates:
        case Ending::EngineMates: return "Checkmate";
        case Ending::Stalemate: return "Stalemate";
        case Ending::Repetition: return "Draw by threefold repetition";
        case Ending::FiftyMoves: return "Draw by the fifty-move rule";
        case Ending::Material: return "Draw by insufficient material";
        case Ending::PlayerResigned: return "Player resigned";
        case Ending::DrawAgreed: return "Draw by agreement";
        case Ending::PlayerOutOfTime:
        case Ending::EngineOutOfTime:
        case Ending::PlayerOutOfTimeDraw:
        case Ending::EngineOutOfTimeDraw: return "time forfeit";
    }
    return {};
}

}  // namespace ostrand::game
