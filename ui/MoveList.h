// The game's moves beside the board, in SAN with numbered move pairs: the take-back history
// made visible. The step on show is highlighted, the moves of the steps taken back stay
// listed in grey until a new move replaces them, and a click on a move goes to its step.
#pragma once

#include <QStringList>
#include <QTableWidget>
#include <cstddef>
#include <utility>

#include "GameSession.h"

class MoveList : public QTableWidget {
    Q_OBJECT

  public:
    explicit MoveList(QWidget* parent = nullptr);

    // Shows the game on show, with the moves redo replays after it greyed; a game from a
    // set-up position says so first. The lines of result close the list of a game that
    // ended there ("½-½", "Draw by threefold repetition").
    void Show(const ostrand::game::GameMoves& moves, const QStringList& result);
    // The analysis's marks ("??", "?", "?!" or none) after the listed moves, the first move's
    // first; shown from the next Show.
    void SetMarks(QStringList marks) { marks_ = std::move(marks); }
    const QStringList& Marks() const { return marks_; }

  signals:
    // A click on a move: the step of the history that holds it (a player's move with the
    // engine's answer).
    void StepChosen(size_t step);
    // The same click: the move's place in the list, 0 its first move.
    void MoveChosen(size_t move);

  private:
    // A line across the three columns: the set-up note or the result.
    void AddLine(const QString& text);

    QStringList marks_;
};
