#include "AnalysisRun.h"

#include <string>
#include <utility>

namespace game = ostrand::game;

AnalysisRun::~AnalysisRun() {
    Abandon();
    for (const QPointer<QThread>& thread : abandoned_)
        if (thread) thread->wait();
}

void AnalysisRun::Start(const game::GameAnalysis& analysis, const game::EngineChoice& engine) {
    Abandon();
    const unsigned run = ++run_;
    analyser_ = std::make_shared<game::Analyser>(engine);
    // The worker has the analyser and a copy of the game to itself; what it finds reaches the
    // window through queued calls, which are dropped once this object is gone.
    thread_ = QThread::create(
        [this, run, analyser = analyser_, game = std::make_shared<game::GameAnalysis>(analysis)] {
            std::string error;
            analyser->Run(
                *game, error,
                [this, run](size_t index, const game::PositionAnalysis& position, size_t total) {
                    QMetaObject::invokeMethod(
                        this,
                        [this, run, index, position, total] {
                            if (run == run_) emit Analysed(index, position, total);
                        },
                        Qt::QueuedConnection);
                });
            QMetaObject::invokeMethod(
                this,
                [this, run, error = QString::fromStdString(error)] {
                    if (run != run_) return;
                    Finish();
                    emit Ended(error);
                },
                Qt::QueuedConnection);
        });
    thread_->start();
}

void AnalysisRun::Cancel() {
    if (analyser_) analyser_->Cancel();
}

// An engine that hangs while it starts is given up only at its time-out: the window goes on
// meanwhile.
void AnalysisRun::Abandon() {
    Cancel();
    ++run_;
    analyser_.reset();
    if (!thread_) return;
    QThread* thread = std::exchange(thread_, nullptr);
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    // Deleting twice later is safe, should it have finished meanwhile.
    if (thread->isFinished()) thread->deleteLater();
    std::erase_if(abandoned_, [](const QPointer<QThread>& each) { return each.isNull(); });
    abandoned_.emplace_back(thread);
}

void AnalysisRun::Finish() {
    if (!thread_) return;
    thread_->wait();
    delete thread_;
    thread_ = nullptr;
    analyser_.reset();
}
