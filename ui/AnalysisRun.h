// An engine's analysis of a game on a worker thread, so that the window stays free to play
// and to step through the moves meanwhile. Each position's result comes back as a queued
// signal on the window's thread.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QThread>
#include <cstddef>
#include <memory>
#include <vector>

#include "Analysis.h"

class AnalysisRun : public QObject {
    Q_OBJECT

  public:
    using QObject::QObject;
    // Cancels a run under way and waits for its thread.
    ~AnalysisRun() override;

    // Analyses the positions of analysis that have none yet; a run under way is cancelled
    // and its results no longer reported.
    void Start(const ostrand::game::GameAnalysis& analysis,
               const ostrand::game::EngineChoice& engine);
    // Ends the run within a fraction of a second; Ended follows.
    void Cancel();
    // Ends the run, which reports nothing more; the window does not wait for it.
    void Abandon();
    bool Running() const { return thread_ != nullptr; }

  signals:
    // The position of index is analysed, of total.
    void Analysed(size_t index, const ostrand::game::PositionAnalysis& position, size_t total);
    // The run is over: error is empty when every position was analysed, else the engine's
    // message (in English), or "Analysis cancelled".
    void Ended(const QString& error);

  private:
    // Waits for the run's thread, which reports no more.
    void Finish();

    QThread* thread_ = nullptr;
    // Abandoned runs still ending, which the destructor waits for: they call this object.
    std::vector<QPointer<QThread>> abandoned_;
    std::shared_ptr<ostrand::game::Analyser> analyser_;
    // Tells this run's reports from those a cancelled one left queued.
    unsigned run_ = 0;
};
