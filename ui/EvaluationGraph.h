// How the advantage swung through an analysed game: a point for every position, White's
// advantage up and Black's down, mates at the edges, the move chosen marked. A click on the
// graph chooses the move nearest to it.
#pragma once

#include <QWidget>
#include <cstddef>
#include <optional>
#include <vector>

class EvaluationGraph : public QWidget {
    Q_OBJECT

  public:
    explicit EvaluationGraph(QWidget* parent = nullptr);

    // heights[i], from -1 (Black mates) to 1 (White mates), for the position after the game's
    // i-th move, 0 the start, of the game's positions (more while an analysis runs: the graph
    // fills from the left); mark: the position marked, if any.
    void Show(std::vector<double> heights, size_t positions, std::optional<size_t> mark);
    // Grows with the window's zoom.
    void SetScale(double scale);
    // The position a click at x chooses; nothing for a graph without points.
    std::optional<size_t> PositionAt(int x) const;
    // Where position i is drawn across the graph.
    int XOf(size_t position) const;

  signals:
    // Position i: after the game's i-th move, 0 the start.
    void PositionChosen(size_t position);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    // The plotting area within the widget, leaving room for the sides' names.
    QRectF Plot() const;

    std::vector<double> heights_;
    size_t positions_ = 0;
    std::optional<size_t> mark_;
    double scale_ = 1;
};
