#include "PictureBox.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

PictureBox::PictureBox(const QRect& geometry, QWidget* parent)
    : QWidget(parent),
      image_(std::max(geometry.width() - 2, 1), std::max(geometry.height() - 2, 1),
             QImage::Format_RGB32) {
    setGeometry(geometry);
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

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, width() - 1, height() - 1);
    painter.drawImage(1, 1, image_);
}

// A click is a press and a release of the left button on the box, as with a button.
void PictureBox::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click) emit clicked();
}
