#include "PieceArt.h"

#include <QColor>

#include "PieceDrawing.h"

namespace {

using piece_drawing::DesignSize;

QImage DesignImage(const QString& name) {
    return QImage(":/images/" + name + ".png").convertToFormat(QImage::Format_RGB32);
}

piece_drawing::Design Design(const QString& name) {
    const QImage image = DesignImage(name);
    piece_drawing::Design design{};
    for (int y = 0; y < DesignSize && y < image.height(); ++y)
        for (int x = 0; x < DesignSize && x < image.width(); ++x)
            design[y][x] = image.pixel(x, y);
    return design;
}

}  // namespace

QImage PieceArt(const QString& name, int size) {
    if (size == DesignSize) return DesignImage(name);
    const QString piece = name.chopped(1);
    const std::vector<uint32_t> pixels =
        piece_drawing::Draw(Design(piece + "M"), Design(piece + "W"), Design(piece + "B"),
                            name.back().toLatin1(), size);
    QImage image(size, size, QImage::Format_RGB32);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            image.setPixel(x, y, pixels[static_cast<size_t>(y * size + x)]);
    return image;
}
