// The two clocks of a timed game, the player's and the engine's, on a time source that tests
// replace, so that a whole timed game runs in no time.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ostrand::game {

enum class Side { Player, Engine };

constexpr Side Other(Side side) {
    return side == Side::Player ? Side::Engine : Side::Player;
}

// Minutes for the game and seconds added after each move; no clock at 0 minutes.
struct TimeControl {
    double minutes = 0;
    double increment = 0;

    bool Timed() const { return minutes > 0; }
    // As the menu and the command line write it: "5+0", "0.1+0", "3+2".
    std::string Text() const;
    // The PGN tag's value, in seconds: "300+0", "6+0".
    std::string PgnTag() const;
    // "M+S" with M > 0 and S >= 0, decimals allowed; nothing for anything else.
    static std::optional<TimeControl> Parse(std::string_view text);
    bool operator==(const TimeControl&) const = default;
};

// Seconds from an arbitrary start; only differences mean anything.
using TimeSource = double (*)();

class GameClock {
  public:
    // now defaults to the engine's steady clock (SteadySeconds).
    explicit GameClock(TimeSource now = nullptr);

    // A game on control, both clocks full and stopped.
    void Start(const TimeControl& control);
    const TimeControl& Control() const { return control_; }
    // Runs side's clock and stops the other's; the time spent so far stays spent.
    void Run(Side side);
    // Side has moved: its clock stops with the increment added, and the other one runs.
    void Press(Side side);
    void Stop();
    std::optional<Side> Running() const { return running_; }
    // Milliseconds left on side's clock now; 0 or below once its flag has fallen.
    int64_t Remaining(Side side) const;
    // The running side whose time is up, if any.
    std::optional<Side> Flagged() const;

  private:
    double Now() const;

    TimeSource now_;
    TimeControl control_;
    // Milliseconds left when the running clock started, and when it did.
    int64_t left_[2] = {0, 0};
    double since_ = 0;
    std::optional<Side> running_;
};

// A clock's time as both windows show it: "4:59", "1:02:03", and under ten seconds "0:09.8";
// a fallen flag shows 0:00.0.
std::string ClockText(int64_t milliseconds);

}  // namespace ostrand::game
