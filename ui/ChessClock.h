// The two clocks of a timed game, the player's and the engine's, shown one above the other:
// the one that runs is marked, and tenths of a second show under ten seconds.
#pragma once

#include <QString>
#include <QWidget>
#include <cstdint>
#include <optional>
#include <string>

class QLabel;
class QTimer;

// Minutes for the game and seconds added after each move; no clock at 0 minutes.
struct TimeControl {
    double minutes = 0;
    double increment = 0;

    bool Timed() const { return minutes > 0; }
    // As the menu and the command line write it: "5+0", "0.1+0", "3+2".
    QString Text() const;
    // The PGN tag's value, in seconds: "300+0", "6+0".
    std::string PgnTag() const;
    // "M+S" with M > 0 and S >= 0, decimals allowed; nothing for anything else.
    static std::optional<TimeControl> Parse(const QString& text);
    bool operator==(const TimeControl&) const = default;
};

class ChessClock : public QWidget {
    Q_OBJECT

  public:
    enum class Side { Player, Engine };

    explicit ChessClock(QWidget* parent = nullptr);

    // A game on control, both clocks full and stopped; hidden for a game without a clock.
    void Start(const TimeControl& control);
    const TimeControl& Control() const { return control_; }
    // Runs side's clock and stops the other's; the time spent so far stays spent.
    void Run(Side side);
    // Side has moved: its clock stops with the increment added, and the other one runs.
    void Press(Side side);
    void Stop();
    std::optional<Side> Running() const { return running_; }
    // Milliseconds left on side's clock now; below 0 once its flag has fallen.
    int64_t Remaining(Side side) const;
    // Reads the time and reports a flag that has fallen; a timer calls it ten times a second.
    void Check();
    // Grows with the window's zoom.
    void SetScale(double scale);

  signals:
    // The running side's time is up; its clock stops at zero.
    void Flagged(ChessClock::Side side);

  private:
    void Show();

    TimeControl control_;
    // Milliseconds left when the running clock started, and when it did (SteadySeconds).
    int64_t left_[2] = {0, 0};
    double since_ = 0;
    std::optional<Side> running_;
    QLabel* labels_[2];
    // The width at 100 %, which every zoom keeps at least in proportion.
    int designWidth_ = 0;
    QTimer* timer_;
};
