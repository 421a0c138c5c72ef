#include "Outcome.h"

#include "StandardChess.h"

namespace ostrand::game {

// The one answer to "is the game over, and why": the position first (mate and stalemate, as
// the engine judges them), then the players' word or a clock, then the draws by rule.
Ending EndingOf(const GameRecord& record) {
    using chess::Colour;
    if (!record.HasGame()) return Ending::None;
    const chess::Position& now = record.Final();
    const Colour engine = record.Engine();
    if (chess::LegalMoves(now, chess::CastlingRule::PawnsIgnored).empty()) {
        if (!chess::InCheck(now, now.toMove)) return Ending::Stalemate;
        return now.toMove == engine ? Ending::PlayerMates : Ending::EngineMates;
    }
    switch (record.Settled()) {
        case GameRecord::Settlement::PlayerResigned: return Ending::PlayerResigned;
        case GameRecord::Settlement::DrawAgreed: return Ending::DrawAgreed;
        case GameRecord::Settlement::PlayerOutOfTime:
            return chess::CanMate(now, engine) ? Ending::PlayerOutOfTime
                                               : Ending::PlayerOutOfTimeDraw;
        case GameRecord::Settlement::EngineOutOfTime:
            return chess::CanMate(now, chess::Other(engine)) ? Ending::EngineOutOfTime
                                                             : Ending::EngineOutOfTimeDraw;
        case GameRecord::Settlement::None: break;
    }
    switch (record.DrawnBy()) {
        case GameRecord::DrawRule::Repetition: return Ending::Repetition;
        case GameRecord::DrawRule::FiftyMoves: return Ending::FiftyMoves;
        case GameRecord::DrawRule::Material: return Ending::Material;
        case GameRecord::DrawRule::None: break;
    }
    return Ending::None;
}

GameScore ScoreOf(Ending ending) {
    switch (ending) {
        case Ending::None: return GameScore::Open;
        case Ending::PlayerMates:
        case Ending::EngineOutOfTime: return GameScore::PlayerWins;
        case Ending::EngineMates:
        case Ending::PlayerResigned:
        case Ending::PlayerOutOfTime: return GameScore::EngineWins;
        case Ending::Stalemate:
        case Ending::Repetition:
        case Ending::FiftyMoves:
        case Ending::Material:
        case Ending::DrawAgreed:
        case Ending::PlayerOutOfTimeDraw:
        case Ending::EngineOutOfTimeDraw: return GameScore::Draw;
    }
    return GameScore::Open;
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
