#include "StatusWords.h"

#include <QCoreApplication>

namespace status {

namespace {

QString Shown(const char* text) {
    return QCoreApplication::translate("status", text);
}

}  // namespace

QString Result(ostrand::game::Ending ending) {
    using ostrand::game::Ending;
    switch (ending) {
        case Ending::None: return {};
        case Ending::PlayerMates: return Shown(QT_TRANSLATE_NOOP("status", "Checkmate — you win"));
        case Ending::EngineMates:
            return Shown(QT_TRANSLATE_NOOP("status", "Checkmate — Ostrand wins"));
        case Ending::Stalemate: return Shown(QT_TRANSLATE_NOOP("status", "Stalemate — draw"));
        case Ending::Repetition:
            return Shown(QT_TRANSLATE_NOOP("status", "Draw by threefold repetition"));
        case Ending::FiftyMoves:
            return Shown(QT_TRANSLATE_NOOP("status", "Draw by the fifty-move rule"));
        case Ending::Material:
            return Shown(QT_TRANSLATE_NOOP("status", "Draw by insufficient material"));
        case Ending::PlayerResigned:
            return Shown(QT_TRANSLATE_NOOP("status", "You resigned — Ostrand wins"));
        case Ending::DrawAgreed: return Shown(QT_TRANSLATE_NOOP("status", "Draw agreed"));
        case Ending::PlayerOutOfTime:
            return Shown(QT_TRANSLATE_NOOP("status", "Your time is up — Ostrand wins"));
        case Ending::EngineOutOfTime:
            return Shown(QT_TRANSLATE_NOOP("status", "Ostrand's time is up — you win"));
        case Ending::PlayerOutOfTimeDraw:
            return Shown(
                QT_TRANSLATE_NOOP("status", "Your time is up, but Ostrand cannot mate — draw"));
        case Ending::EngineOutOfTimeDraw:
            return Shown(
                QT_TRANSLATE_NOOP("status", "Ostrand's time is up, but you cannot mate — draw"));
    }
    return {};
}

QString Standing(const ostrand::game::Status& status) {
    if (status.ending != ostrand::game::Ending::None) return Result(status.ending);
    if (!status.hasGame) return Refusal(ostrand::game::Refusal::NoPosition);
    if (status.check) return Shown(QT_TRANSLATE_NOOP("status", "Check!"));
    return Shown(QT_TRANSLATE_NOOP("status", "Your move"));
}

QString Refusal(ostrand::game::Refusal refusal) {
    using Why = ostrand::game::Refusal;
    switch (refusal) {
        case Why::None:
        case Why::Busy: return {};
        case Why::GameOver:
            return Shown(QT_TRANSLATE_NOOP("status", "The game is over: start a new game"));
        case Why::NoPosition:
            return Shown(QT_TRANSLATE_NOOP("status", "The board holds no chess position"));
        case Why::CannotMoveThere:
            return Shown(QT_TRANSLATE_NOOP("status", "That piece cannot move there"));
        case Why::KingAttacked:
            return Shown(QT_TRANSLATE_NOOP("status", "Your king would be in check"));
        case Why::NotAMove:
            return Shown(
                QT_TRANSLATE_NOOP("status", "That is no move: type, for example, e4, Nf3 or O-O"));
        case Why::Ambiguous:
            return Shown(QT_TRANSLATE_NOOP(
                "status",
                "More than one piece can make that move: add its file or rank, as in Nbd2"));
        case Why::QueenOnly:
            return Shown(QT_TRANSLATE_NOOP("status", "A pawn can only be promoted to a queen"));
        case Why::ChoosePiece:
            return Shown(
                QT_TRANSLATE_NOOP("status", "Name the piece the pawn becomes, as in e8=N"));
    }
    return {};
}

}  // namespace status
