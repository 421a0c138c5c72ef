#include "GameClock.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "Display.h"

namespace ostrand::game {

namespace {

size_t At(Side side) {
    return side == Side::Player ? 0 : 1;
}

// A number as the menu writes it, whatever the locale: "5", "0.1", "300".
std::string Number(double value) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 6);
    return std::string(text, end.ptr);
}

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

// The whole text as a number, in the C locale's notation.
std::optional<double> ReadNumber(std::string_view text) {
    text = Trimmed(text);
    double value = 0;
    const auto [end, fault] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (fault != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace

std::string TimeControl::Text() const {
    return Number(minutes) + "+" + Number(increment);
}

std::string TimeControl::PgnTag() const {
    return Number(minutes * 60) + "+" + Number(increment);
}

std::optional<TimeControl> TimeControl::Parse(std::string_view text) {
    const auto plus = text.find('+');
    if (plus == std::string_view::npos || text.find('+', plus + 1) != std::string_view::npos)
        return std::nullopt;
    const std::optional<double> minutes = ReadNumber(text.substr(0, plus));
    const std::optional<double> increment = ReadNumber(text.substr(plus + 1));
    // A day of thinking at most, so that the milliseconds stay far from overflowing.
    if (!minutes || !increment || !(*minutes > 0) || *minutes > 1440 || !(*increment >= 0) ||
        *increment > 3600)
        return std::nullopt;
    return TimeControl{*minutes, *increment};
}

GameClock::GameClock(TimeSource now) : now_(now) {}

double GameClock::Now() const {
    return now_ ? now_() : SteadySeconds();
}

void GameClock::Start(const TimeControl& control) {
    running_.reset();
    control_ = control;
    left_[0] = left_[1] = static_cast<int64_t>(std::llround(control.minutes * 60000));
}

int64_t GameClock::Remaining(Side side) const {
    int64_t left = left_[At(side)];
    if (running_ == side) left -= static_cast<int64_t>(std::llround((Now() - since_) * 1000));
    return left;
}

void GameClock::Run(Side side) {
    if (!control_.Timed() || running_ == side) return;
    Stop();
    running_ = side;
    since_ = Now();
}

void GameClock::Press(Side side) {
    if (!control_.Timed()) return;
    if (running_ == side) {
        left_[At(side)] =
            Remaining(side) + static_cast<int64_t>(std::llround(control_.increment * 1000));
        running_.reset();
    }
    Run(Other(side));
}

void GameClock::Stop() {
    if (running_) left_[At(*running_)] = Remaining(*running_);
    running_.reset();
}

std::optional<Side> GameClock::Flagged() const {
    if (running_ && Remaining(*running_) <= 0) return running_;
    return std::nullopt;
}

std::string ClockText(int64_t milliseconds) {
    const int64_t ms = std::max<int64_t>(milliseconds, 0);
    char text[32];
    if (ms < 10000)
        std::snprintf(text, sizeof text, "0:%02lld.%lld", static_cast<long long>(ms / 1000),
                      static_cast<long long>(ms / 100 % 10));
    else if (ms >= 3600000)
        std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", static_cast<long long>(ms / 3600000),
                      static_cast<long long>(ms / 60000 % 60),
                      static_cast<long long>(ms / 1000 % 60));
    else
        std::snprintf(text, sizeof text, "%lld:%02lld", static_cast<long long>(ms / 60000),
                      static_cast<long long>(ms / 1000 % 60));
    return text;
}

}  // namespace ostrand::game
