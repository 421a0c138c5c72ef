#include "Accessibility.h"

#include <QAccessible>
#include <QLabel>
#include <cstdlib>

#include "F_Board.h"
#include "Messages.h"
#include "PictureBox.h"
#include "San.h"
#include "SessionSignals.h"
#include "StatusWords.h"
#include "Variables.h"

namespace game = ostrand::game;

namespace {

// Whole phrases, as languages inflect the pieces' colours.
QString PieceName(int16_t code, bool white) {
    switch (std::abs(code)) {
        case ostrand::Piece::Pawn:
            return white ? Accessibility::tr("white pawn") : Accessibility::tr("black pawn");
        case ostrand::Piece::Knight:
            return white ? Accessibility::tr("white knight") : Accessibility::tr("black knight");
        case ostrand::Piece::Bishop:
            return white ? Accessibility::tr("white bishop") : Accessibility::tr("black bishop");
        case ostrand::Piece::Rook:
            return white ? Accessibility::tr("white rook") : Accessibility::tr("black rook");
        case ostrand::Piece::Queen:
            return white ? Accessibility::tr("white queen") : Accessibility::tr("black queen");
        case ostrand::Piece::King:
            return white ? Accessibility::tr("white king") : Accessibility::tr("black king");
        default: return Accessibility::tr("empty");
    }
}

}  // namespace

Accessibility::Accessibility(F_Board& board, const game::GameSession& session,
                             SessionSignals& reports, QLabel& status, QWidget& moveList)
    : QObject(&board), board_(board), session_(session), status_(status) {
    board_.setAccessibleName(tr("Chess board"));
    board_.setAccessibleDescription(
        tr("Click one of your pieces, then its square; or press / and type the move"));
    moveList.setAccessibleName(tr("Moves of the game"));
    moveList.setAccessibleDescription(tr("The game's moves in pairs, yours and the engine's"));
    status_.setAccessibleDescription(tr("How the game stands"));
    connect(&reports, &SessionSignals::boardChanged, this, &Accessibility::NameSquares);
    // The engine's move is recorded after it has stopped thinking, when the game changes.
    connect(&reports, &SessionSignals::thinkingChanged, this, [this](bool thinking) {
        if (!thinking) return;
        movesBefore_ = session_.Record().HasGame() ? session_.Record().Moves().size() : 0;
        waiting_ = true;
    });
    connect(&reports, &SessionSignals::gameChanged, this, &Accessibility::TellEngineMove);
    connect(&reports, &SessionSignals::gameEnded, this,
            [this](game::Ending ending) { Tell(status::Result(ending)); });
    NameSquares();
}

QString Accessibility::SquareText(int file, int shownRank, int16_t code, bool playerWhite) {
    const bool white = (code < 0) == playerWhite;
    return tr("%1%2, %3").arg(QChar('a' + file - 1)).arg(shownRank).arg(PieceName(code, white));
}

// Playing black, the engine's rank 1 is the player's eighth; the files stay.
void Accessibility::NameSquares() {
    const bool playerWhite = session_.PlayerColour() == ostrand::chess::Colour::White;
    for (int index = 1; index <= 64; ++index) {
        const int file = (index - 1) % 8 + 1, rank = (index - 1) / 8 + 1;
        board_.c(index).setAccessibleName(SquareText(file, playerWhite ? rank : 9 - rank,
                                                     session_.PieceAt({file, rank}), playerWhite));
    }
}

// A hint's search thinks too, and makes no move: only a game that has grown is told of.
void Accessibility::TellEngineMove() {
    if (!waiting_ || session_.CurrentStatus().thinking) return;
    waiting_ = false;
    const GameRecord& record = session_.Record();
    if (!record.HasGame() || record.Moves().size() <= movesBefore_) return;
    const std::vector<ostrand::chess::Position> positions = record.Positions();
    const ostrand::chess::Position& before = positions[positions.size() - 2];
    if (before.toMove != record.Engine()) return;
    const QString move = messages::ShownSan(ostrand::chess::SanText(before, record.Moves().back()));
    Tell(tr("Ostrand plays %1. %2").arg(move, status::Standing(session_.CurrentStatus())));
}

// The status line's description carries the news, and the screen reader hears of it.
void Accessibility::Tell(const QString& text) {
    status_.setAccessibleDescription(text);
    QAccessibleEvent event(&status_, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
    QAccessibleEvent alert(&status_, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}
