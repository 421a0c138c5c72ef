#include "MoveEntry.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QEvent>
#include <QKeyEvent>
#include <QStringListModel>
#include <string>

#include "Messages.h"

namespace {

// Room for the longest move, "exd8=Q+", with some to spare.
constexpr int WidthInCharacters = 15;

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
    for (const char letter : {'K', 'Q', 'R', 'B', 'N'})
        toEnglish_.insert(messages::ShownSan(std::string(1, letter)).at(0), QChar(letter));
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
    if (event->type() != QEvent::FontChange) return;
    setFixedWidth(fontMetrics().averageCharWidth() * WidthInCharacters);
    completer()->popup()->setFont(font());
}

void MoveEntry::Follow() {
    const ostrand::game::Status status = session_.CurrentStatus();
    setEnabled(!status.thinking && status.hasGame && status.ending == ostrand::game::Ending::None);
    QStringList shown;
    for (const std::string& san : session_.LegalSan())
        shown << messages::ShownSan(san);
    shown.sort();
    legal_->setStringList(shown);
}

// A move is typed as the move list shows it, with the pieces' letters of the player's
// language ("Sf3" in German); the session reads SAN and long algebraic notation in English.
void MoveEntry::PlayTyped() {
    QString san = text().trimmed();
    for (QChar& c : san)
        c = toEnglish_.value(c, c);
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
