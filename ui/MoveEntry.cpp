#include "MoveEntry.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QEvent>
#include <QKeyEvent>
#include <QStringListModel>

#include "Messages.h"

namespace {

// Room for the longest move, "exd8=Q+", with some to spare.
constexpr int WidthInCharacters = 15;

// A move without its marks of check, mate or comment: "Nf3" for "Nf3+" and "Nf3!?".
QString Bare(QString move) {
    while (!move.isEmpty() && QString("+#!?").contains(move.back()))
        move.chop(1);
    return move;
}

}  // namespace

MoveEntry::MoveEntry(ostrand::game::GameSession& session, QWidget* parent)
    : QLineEdit(parent), session_(session), legal_(new QStringListModel(this)) {
    auto* completer = new QCompleter(legal_, this);
    completer->setCaseSensitivity(Qt::CaseSensitive);
    setCompleter(completer);
    setPlaceholderText(tr("Type a move"));
    setToolTip(tr("Type a move such as e4, Nf3, O-O or e2e4 and press Enter (/ or Ctrl+L)"));
    setAccessibleName(tr("Move"));
    setAccessibleDescription(
        tr("Type your move, for example e4, Nf3, exd5, O-O or e7e8=Q, and press Enter"));
    setFixedWidth(fontMetrics().averageCharWidth() * WidthInCharacters);
    // The arrow keys and Space are the window's until the player asks for the box (/ or
    // Ctrl+L, or a click); Escape gives them back.
    setFocusPolicy(Qt::ClickFocus);
    connect(this, &QLineEdit::returnPressed, this, &MoveEntry::PlayTyped);
}

void MoveEntry::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && completer()->popup()->isHidden()) {
        clearFocus();
        return;
    }
    // The key that opens the box, pressed in it, readies it for the next move: no move has a
    // slash.
    if (event->key() == Qt::Key_Slash) {
        selectAll();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void MoveEntry::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        setFixedWidth(fontMetrics().averageCharWidth() * WidthInCharacters);
}

void MoveEntry::Follow() {
    const ostrand::game::Status status = session_.CurrentStatus();
    setEnabled(!status.thinking && status.hasGame && status.ending == ostrand::game::Ending::None);
    QStringList shown;
    shownToSan_.clear();
    for (const std::string& san : session_.LegalSan()) {
        const QString text = messages::ShownSan(san);
        shown << text;
        shownToSan_.insert(Bare(text), QString::fromStdString(san));
    }
    legal_->setStringList(shown);
}

// A move as the list shows it is read back to its SAN; anything else goes to the session as
// typed, which reads SAN and long algebraic notation.
void MoveEntry::PlayTyped() {
    const QString typed = text().trimmed();
    const QString san = shownToSan_.value(Bare(typed), typed);
    const ostrand::game::Refusal refusal = session_.PlayText(san.toStdString());
    if (refusal != ostrand::game::Refusal::None) {
        emit Refused(refusal);
        return;
    }
    clear();
    emit Played();
    // The box was closed while the engine thought; the next move is typed here too.
    setFocus();
}
