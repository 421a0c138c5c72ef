// The analysis beside the move list: the evaluation graph, the verdict on the move chosen
// with the engine's better move and line, and each side's marks and average loss.
#pragma once

#include <QWidget>
#include <cstddef>
#include <optional>
#include <vector>

#include "Analysis.h"

class EvaluationGraph;
class QLabel;

class AnalysisPanel : public QWidget {
    Q_OBJECT

  public:
    explicit AnalysisPanel(QWidget* parent = nullptr);

    // analysis with the verdict on its move chosen (0 the first); none: the start position.
    void Show(const ostrand::game::GameAnalysis& analysis, std::optional<size_t> chosen);
    // Grows with the window's zoom.
    void SetScale(double scale);
    EvaluationGraph& Graph() const { return *graph_; }
    // The verdict and the summary as shown.
    QString VerdictText() const;
    QString SummaryText() const;

  private:
    EvaluationGraph* graph_;
    QLabel* verdict_;
    QLabel* summary_;
    // The width at 100 %.
    int designWidth_ = 0;
};
