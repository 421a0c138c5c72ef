// A picture box: a background colour, a one-pixel border and an image inside it that keeps
// what is drawn on it until the next clear, so drawings survive being covered.
#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

class PictureBox : public QWidget {
    Q_OBJECT

  public:
    // Flat: a plain black border. ThreeD: a raised bevel two pixels deep, whose inner ring
    // covers the image's edge.
    enum class Look { Flat, ThreeD };

    // The box keeps the size it is made with; its image is the area inside the border.
    PictureBox(const QRect& geometry, QWidget* parent);
    // A new place and size: the image takes the new inside, cleared.
    void SetGeometry(const QRect& geometry);
    // A draggable box reports a press followed by a move beyond the drag distance as a drag
    // instead of a click.
    void SetDraggable(bool draggable) { draggable_ = draggable; }

    QColor Background() const { return background_; }
    // Also clears the image to the new colour.
    void SetBackground(const QColor& colour);
    // The box's own picture, shown at its top left and kept through every clear.
    const QImage& Picture() const { return picture_; }
    void SetPicture(const QImage& picture);
    // Restores the background and the picture, dropping everything drawn since.
    void Clear();
    // The persistent image (the area inside the border); call update() after drawing.
    QImage& Image() { return image_; }
    const QImage& Image() const { return image_; }
    Look Appearance() const { return appearance_; }
    void SetAppearance(Look look);

  signals:
    void clicked();
    // A drag began; it moves on and ends where the pointer is, in global coordinates.
    void dragStarted();
    void dragMoved(const QPoint& global);
    void dropped(const QPoint& global);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QColor background_{Qt::white};
    QImage picture_;
    QImage image_;
    Look appearance_ = Look::Flat;
    bool pressed_ = false;
    bool draggable_ = false;
    bool dragging_ = false;
    QPoint pressedAt_;
};
