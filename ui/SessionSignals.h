// The game session's reports as Qt signals, so that each part of the window follows what it
// shows: the form the board and the statistics, the main window the game, the clocks and the
// endings. The one listener the session knows.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include "SessionListener.h"

class SessionSignals : public QObject, public ostrand::game::SessionListener {
    Q_OBJECT

  public:
    using QObject::QObject;

    void BoardChanged() override { emit boardChanged(); }
    void GameChanged() override { emit gameChanged(); }
    void ThinkingChanged(bool thinking) override { emit thinkingChanged(thinking); }
    void DepthReached(int depth) override { emit depthReached(depth); }
    void StatisticChanged(ostrand::StatusLabel label, const std::string& text) override;
    void ProgressChanged(int value, int maximum) override { emit progressChanged(value, maximum); }
    void ClocksChanged() override { emit clocksChanged(); }
    void GameEnded(ostrand::game::Ending ending, const std::string& message) override;
    void Problem(const std::string& message) override;
    void ProcessEvents() override;
    void PollInput() override;

  signals:
    void boardChanged();
    void gameChanged();
    void thinkingChanged(bool thinking);
    void depthReached(int depth);
    void statisticChanged(ostrand::StatusLabel label, const QString& text);
    void progressChanged(int value, int maximum);
    void clocksChanged();
    void gameEnded(ostrand::game::Ending ending, const QString& message);
    void problem(const QString& message);
    // The search is about to let the window handle its pending events.
    void eventsDue();

  private:
    // Time since the search last let the window handle its input.
    QElapsedTimer sincePoll_;
};
