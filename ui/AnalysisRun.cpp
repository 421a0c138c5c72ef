#include "AnalysisRun.h"

#include <string>

namespace game = ostrand::game;

AnalysisRun::~AnalysisRun() {
    Abandon();
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

void AnalysisRun::Abandon() {
    Cancel();
    ++run_;
    Finish();
}

void AnalysisRun::Finish() {
    if (!thread_) return;
    thread_->wait();
    delete thread_;
    thread_ = nullptr;
    analyser_.reset();
}
