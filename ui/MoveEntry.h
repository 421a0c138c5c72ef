// The move box: the player types a move ("e4", "Nf3", "O-O", "e2e4") and Enter plays it, with
// the legal moves offered as they are typed. Open only while a move may be made.
#pragma once

#include <QHash>
#include <QLineEdit>

#include "GameSession.h"

class QStringListModel;

class MoveEntry : public QLineEdit {
    Q_OBJECT

  public:
    explicit MoveEntry(ostrand::game::GameSession& session, QWidget* parent = nullptr);

    // Follows the game: the moves offered, and whether a move may be typed now.
    void Follow();

  signals:
    void Played();
    // The session refused the text, which stays for the player to mend.
    void Refused(ostrand::game::Refusal why);

  protected:
    // The box grows with the status line's font at every zoom step.
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void PlayTyped();

    ostrand::game::GameSession& session_;
    QStringListModel* legal_;
    // The pieces' letters of the player's language to SAN's.
    QHash<QChar, QChar> toEnglish_;
};
