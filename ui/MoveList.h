// The game's moves beside the board, in SAN with numbered move pairs: the take-back history
// made visible. The step on show is highlighted, the moves of the steps taken back stay
// listed in grey until a new move replaces them, and a click on a move goes to its step.
#pragma once

#include <QTableWidget>
#include <cstddef>

class GameHistory;

class MoveList : public QTableWidget {
    Q_OBJECT

  public:
    explicit MoveList(QWidget* parent = nullptr);

    // Shows the game of the step on show, with the later steps that go on from it; the lines
    // of result, when there are any, close the list ("½-½", "Draw by threefold repetition").
    void Show(const GameHistory& history, const QStringList& result);

  signals:
    // A click on a move: the step of the history that holds it (a player's move with the
    // engine's answer).
    void StepChosen(size_t step);

  private:
    // A line across the three columns: the set-up note or the result.
    void AddLine(const QString& text);
};
