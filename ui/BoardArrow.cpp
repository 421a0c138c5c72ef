#include "BoardArrow.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <algorithm>
#include <cmath>

#include "F_Board.h"
#include "PictureBox.h"

namespace {

// Half-transparent, so that the pieces under the arrow still show.
const QColor ArrowColour(0x20, 0x90, 0x30, 0xB0);

}  // namespace

BoardArrow::BoardArrow(F_Board& board) : QWidget(&board), board_(board) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setObjectName("betterMoveArrow");
    board.installEventFilter(this);
    hide();
}

void BoardArrow::Show(const std::optional<ostrand::game::SquareMove>& move) {
    move_ = move;
    setGeometry(board_.rect());
    raise();
    setVisible(move_.has_value());
    update();
}

bool BoardArrow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &board_ && event->type() == QEvent::Resize) setGeometry(board_.rect());
    return QWidget::eventFilter(watched, event);
}

// A shaft from the middle of one square to the middle of the other, ending in a head, both
// in proportion to the squares.
void BoardArrow::paintEvent(QPaintEvent*) {
    if (!move_) return;
    const auto centre = [this](const ostrand::game::Square& square) {
        return QRectF(board_.c(square.file + 8 * (square.rank - 1)).geometry()).center();
    };
    const QPointF from = centre(move_->from);
    const QPointF to = centre(move_->to);
    const QLineF line(from, to);
    if (line.length() < 1) return;
    // The head ends in the middle of the target square, and keeps a short move's shaft in view.
    const double size = board_.c(1).width();
    const double length = line.length();
    const double head = std::min(size * 0.45, length * 0.6);
    const double shaft = size * 0.12;
    QPainterPath arrow;
    arrow.moveTo(0, -shaft);
    arrow.lineTo(length - head, -shaft);
    arrow.lineTo(length - head, -head / 2);
    arrow.lineTo(length, 0);
    arrow.lineTo(length - head, head / 2);
    arrow.lineTo(length - head, shaft);
    arrow.lineTo(0, shaft);
    arrow.closeSubpath();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(from);
    painter.rotate(-line.angle());
    painter.fillPath(arrow, ArrowColour);
}
