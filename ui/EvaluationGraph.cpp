#include "EvaluationGraph.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// The graph's size at 100 %.
constexpr int DesignWidth = 200;
constexpr int DesignHeight = 120;
// The margin round the plot, in pixels at 100 %.
constexpr double Margin = 3;

const QColor WhiteArea(0xF4, 0xF4, 0xF4);
const QColor BlackArea(0x40, 0x40, 0x40);
const QColor MarkColour(0xD0, 0x30, 0x30);

}  // namespace

EvaluationGraph::EvaluationGraph(QWidget* parent) : QWidget(parent) {
    setToolTip(tr("White's advantage above the middle, Black's below; click to go to a move"));
    setCursor(Qt::PointingHandCursor);
    SetScale(1);
}

void EvaluationGraph::Show(std::vector<double> heights, size_t positions,
                           std::optional<size_t> mark) {
    heights_ = std::move(heights);
    positions_ = std::max(positions, heights_.size());
    for (double& height : heights_)
        height = std::clamp(height, -1.0, 1.0);
    mark_ = mark && *mark < positions_ ? mark : std::nullopt;
    update();
}

void EvaluationGraph::SetScale(double scale) {
    scale_ = scale;
    setFixedSize(static_cast<int>(std::lround(DesignWidth * scale)),
                 static_cast<int>(std::lround(DesignHeight * scale)));
    QFont small = font();
    small.setPointSizeF(QWidget().font().pointSizeF() * 0.85 * scale);
    setFont(small);
    update();
}

QRectF EvaluationGraph::Plot() const {
    const double margin = Margin * scale_;
    return QRectF(rect()).adjusted(margin, margin, -margin, -margin);
}

int EvaluationGraph::XOf(size_t position) const {
    const QRectF plot = Plot();
    if (positions_ < 2) return static_cast<int>(std::lround(plot.center().x()));
    return static_cast<int>(std::lround(plot.left() + plot.width() * static_cast<double>(position) /
                                                          static_cast<double>(positions_ - 1)));
}

std::optional<size_t> EvaluationGraph::PositionAt(int x) const {
    if (positions_ == 0) return std::nullopt;
    if (positions_ == 1) return 0;
    const QRectF plot = Plot();
    const double last = static_cast<double>(positions_ - 1);
    const double at = (x - plot.left()) / plot.width() * last;
    return static_cast<size_t>(std::lround(std::clamp(at, 0.0, last)));
}

void EvaluationGraph::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    if (const std::optional<size_t> position = PositionAt(event->position().toPoint().x()))
        emit PositionChosen(*position);
}

// Black's area fills the plot; White's is the area under the line, so that the split reads
// at a glance as who stands better, as on a scale.
void EvaluationGraph::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF plot = Plot();
    painter.fillRect(rect(), palette().color(QPalette::Window));
    // The positions not analysed yet stay in the window's colour.
    const double analysed = heights_.empty() ? plot.left() : XOf(heights_.size() - 1);
    painter.fillRect(QRectF(plot.topLeft(), QPointF(analysed, plot.bottom())), BlackArea);
    const auto y = [&plot](double height) {
        return plot.center().y() - height * plot.height() / 2;
    };
    if (!heights_.empty()) {
        QPainterPath white(QPointF(plot.left(), plot.bottom()));
        for (size_t i = 0; i < heights_.size(); ++i)
            white.lineTo(XOf(i), y(heights_[i]));
        white.lineTo(XOf(heights_.size() - 1), plot.bottom());
        white.closeSubpath();
        painter.fillPath(white, WhiteArea);
    }
    painter.setPen(QPen(QColor(0x80, 0x80, 0x80), 1, Qt::DashLine));
    painter.drawLine(QPointF(plot.left(), plot.center().y()),
                     QPointF(plot.right(), plot.center().y()));
    // The sides' names where their advantage lies, in a grey that reads on either area.
    const double inset = 2 * scale_;
    const QRectF names = plot.adjusted(inset, 0, -inset, 0);
    painter.setPen(QColor(0x90, 0x90, 0x90));
    painter.drawText(names, Qt::AlignTop | Qt::AlignLeft, tr("White"));
    painter.drawText(names, Qt::AlignBottom | Qt::AlignLeft, tr("Black"));
    if (mark_) {
        painter.setPen(QPen(MarkColour, std::max(1.0, 1.5 * scale_)));
        const int x = XOf(*mark_);
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        painter.setBrush(MarkColour);
        const double radius = 3 * scale_;
        if (*mark_ < heights_.size())
            painter.drawEllipse(QPointF(x, y(heights_[*mark_])), radius, radius);
    }
    painter.setPen(palette().color(QPalette::Mid));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot);
}
