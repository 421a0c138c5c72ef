#include "SessionSignals.h"

#include <QCoreApplication>

void SessionSignals::StatisticChanged(ostrand::StatusLabel label, const std::string& text) {
    emit statisticChanged(label, QString::fromStdString(text));
}

void SessionSignals::GameEnded(ostrand::game::Ending ending, const std::string& message) {
    emit gameEnded(ending, QString::fromStdString(message));
}

void SessionSignals::Problem(const std::string& message) {
    emit problem(QString::fromStdString(message));
}

void SessionSignals::ProcessEvents() {
    emit eventsDue();
    QCoreApplication::processEvents();
}

// Called every few thousand nodes: the window handles its input about every 10 ms, often
// enough for a key to stop the search at once, and too seldom to slow it down.
void SessionSignals::PollInput() {
    if (sincePoll_.isValid() && sincePoll_.elapsed() < 10) return;
    sincePoll_.start();
    emit eventsDue();
    QCoreApplication::processEvents();
}
