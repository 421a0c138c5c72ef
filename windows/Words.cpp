#include "Words.h"

#include <utility>

#include "Translations.h"

namespace ostrand::win {

namespace {

std::string language = "en";

std::string Status(std::string_view text) {
    return Tr("status", text);
}

}  // namespace

void SetLanguage(std::string code) {
    language = std::move(code);
}

const std::string& Language() {
    return language;
}

std::string Tr(std::string_view context, std::string_view source, std::string_view comment) {
    return Translate(language, context, source, comment);
}

std::string ResultWords(game::Ending ending) {
    using game::Ending;
    switch (ending) {
        case Ending::None: return {};
        case Ending::PlayerMates: return Status("Checkmate — you win");
        case Ending::EngineMates: return Status("Checkmate — Ostrand wins");
        case Ending::Stalemate: return Status("Stalemate — draw");
        case Ending::Repetition: return Status("Draw by threefold repetition");
        case Ending::FiftyMoves: return Status("Draw by the fifty-move rule");
        case Ending::Material: return Status("Draw by insufficient material");
        case Ending::PlayerResigned: return Status("You resigned — Ostrand wins");
        case Ending::DrawAgreed: return Status("Draw agreed");
        case Ending::PlayerOutOfTime: return Status("Your time is up — Ostrand wins");
        case Ending::EngineOutOfTime: return Status("Ostrand's time is up — you win");
        case Ending::PlayerOutOfTimeDraw:
            return Status("Your time is up, but Ostrand cannot mate — draw");
        case Ending::EngineOutOfTimeDraw:
            return Status("Ostrand's time is up, but you cannot mate — draw");
    }
    return {};
}

std::string StandingWords(const game::Status& status) {
    if (status.ending != game::Ending::None) return ResultWords(status.ending);
    if (!status.hasGame) return RefusalWords(game::Refusal::NoPosition);
    if (status.check) return Status("Check!");
    return Status("Your move");
}

std::string RefusalWords(game::Refusal refusal) {
    using Why = game::Refusal;
    switch (refusal) {
        case Why::None:
        case Why::Busy: return {};
        case Why::GameOver: return Status("The game is over: start a new game");
        case Why::NoPosition: return Status("The board holds no chess position");
        case Why::CannotMoveThere: return Status("That piece cannot move there");
        case Why::KingAttacked: return Status("Your king would be in check");
        case Why::NotAMove: return Status("That is no move: type, for example, e4, Nf3 or O-O");
        case Why::Ambiguous:
            return Status(
                "More than one piece can make that move: add its file or rank, as in Nbd2");
        case Why::QueenOnly: return Status("A pawn can only be promoted to a queen");
        case Why::ChoosePiece: return Status("Name the piece the pawn becomes, as in e8=N");
    }
    return {};
}

std::string MessageWords(const std::string& english) {
    return TranslateMessage(language, english);
}

std::string ShownSan(const std::string& san) {
    const std::pair<char, const char*> letters[] = {
        {'K', "the king in a move's notation"},   {'Q', "the queen in a move's notation"},
        {'R', "the rook in a move's notation"},   {'B', "the bishop in a move's notation"},
        {'N', "the knight in a move's notation"},
    };
    std::string shown;
    for (char c : san) {
        bool piece = false;
        for (const auto& [letter, comment] : letters)
            if (c == letter) {
                shown += Tr("Messages", std::string(1, c), comment);
                piece = true;
            }
        if (!piece) shown += c;
    }
    return shown;
}

}  // namespace ostrand::win
