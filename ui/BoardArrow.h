// An arrow drawn over the form's board from one square to another, as a view on top of it:
// the squares' own pictures stay as they are, and without an arrow the form looks as ever.
// It follows the squares wherever the zoom or the rotation puts them.
#pragma once

#include <QWidget>
#include <optional>

#include "GameSession.h"

class F_Board;

class BoardArrow : public QWidget {
    Q_OBJECT

  public:
    explicit BoardArrow(F_Board& board);

    // The arrow for move, on the form's squares; nothing hides it.
    void Show(const std::optional<ostrand::game::SquareMove>& move);
    const std::optional<ostrand::game::SquareMove>& Shown() const { return move_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    // Keeps the overlay as large as the form, and above the squares.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    F_Board& board_;
    std::optional<ostrand::game::SquareMove> move_;
};
