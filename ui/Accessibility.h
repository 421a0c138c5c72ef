// What a screen reader hears of the window: each square's name and piece ("e4, white
// knight"), the move list's and the status line's names, and, said at once, the engine's
// reply and the end of the game.
#pragma once

#include <QObject>
#include <cstddef>

#include "GameSession.h"

class F_Board;
class QLabel;
class QWidget;
class SessionSignals;

class Accessibility : public QObject {
    Q_OBJECT

  public:
    Accessibility(F_Board& board, const ostrand::game::GameSession& session,
                  SessionSignals& reports, QLabel& status, QWidget& moveList);

    // "e4, white knight" or "e4, empty", as the player sees the board.
    static QString SquareText(int file, int shownRank, int16_t code, bool playerWhite);

  private:
    void NameSquares();
    // The engine's move just made, with how the game now stands.
    void TellEngineMove();
    void Tell(const QString& text);

    F_Board& board_;
    const ostrand::game::GameSession& session_;
    QLabel& status_;
    // Since the engine began to think, the game's moves then: its move is told once the game
    // has changed.
    bool waiting_ = false;
    size_t movesBefore_ = 0;
};
