#include "PictureBox.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

PictureBox::PictureBox(const QRect& geometry, QWidget* parent) : QWidget(parent) {
    SetGeometry(geometry);
}

void PictureBox::SetGeometry(const QRect& geometry) {
    setGeometry(geometry);
    image_ = QImage(std::max(geometry.width() - 2, 1), std::max(geometry.height() - 2, 1),
                    QImage::Format_RGB32);
    Clear();
}

void PictureBox::SetBackground(const QColor& colour) {
    background_ = colour;
    Clear();
}

void PictureBox::SetPicture(const QImage& picture) {
    picture_ = picture;
    Clear();
}

void PictureBox::Clear() {
    image_.fill(background_);
    if (!picture_.isNull()) QPainter(&image_).drawImage(0, 0, picture_);
    update();
}

void PictureBox::SetAppearance(Look look) {
    appearance_ = look;
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(1, 1, image_);
    const int right = width() - 1;
    const int bottom = height() - 1;
    if (appearance_ == Look::Flat) {
        painter.setPen(Qt::black);
        painter.drawRect(0, 0, right, bottom);
        return;
    }
    // A raised edge, lit from the top left, two rings deep: it stands out against the grey of
    // the piece pictures and the black borders of flat neighbours alike.
    const auto ring = [&](int inset, const QColor& lit, const QColor& shadow) {
        const int r = right - inset;
        const int b = bottom - inset;
        painter.setPen(lit);
        painter.drawLine(inset, inset, r, inset);
        painter.drawLine(inset, inset, inset, b);
        painter.setPen(shadow);
        painter.drawLine(inset + 1, b, r, b);
        painter.drawLine(r, inset + 1, r, b);
    };
    ring(0, QColor(0xFF, 0xFF, 0xFF), QColor(0, 0, 0));
    ring(1, QColor(0xFF, 0xFF, 0xFF), QColor(0x40, 0x40, 0x40));
}

// A click is a press and a release of the left button on the box, as with a button.
void PictureBox::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    dragging_ = false;
    pressedAt_ = event->position().toPoint();
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    if (!pressed_ || !draggable_) return;
    if (!dragging_) {
        const QPoint moved = event->position().toPoint() - pressedAt_;
        if (moved.manhattanLength() < QApplication::startDragDistance()) return;
        dragging_ = true;
        emit dragStarted();
    }
    emit dragMoved(event->globalPosition().toPoint());
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    if (dragging_ && event->button() == Qt::LeftButton) {
        pressed_ = dragging_ = false;
        emit dropped(event->globalPosition().toPoint());
        return;
    }
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click) emit clicked();
}
