// The two clocks of a timed game, the player's and the engine's, shown one above the other:
// the one that runs is marked, and tenths of a second show under ten seconds. It shows what
// the game session's clocks read; it keeps no time of its own.
#pragma once

#include <QWidget>
#include <cstdint>
#include <optional>

#include "GameClock.h"

class QLabel;

class ChessClock : public QWidget {
    Q_OBJECT

  public:
    explicit ChessClock(QWidget* parent = nullptr);

    // Milliseconds left on each side's clock and the running one.
    void Show(int64_t player, int64_t engine, std::optional<ostrand::game::Side> running);
    // Grows with the window's zoom.
    void SetScale(double scale);

  private:
    QLabel* labels_[2];
    // The width at 100 %, which every zoom keeps at least in proportion.
    int designWidth_ = 0;
};
