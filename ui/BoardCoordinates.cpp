#include "BoardCoordinates.h"

#include <QFont>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace coordinates {

namespace {

// A dark blue, apart from the pieces' black and white, in a white rim that keeps it legible
// on the grey squares and over a piece's edge.
const QColor Ink(0x00, 0x00, 0x90);
const QColor Rim(0xFF, 0xFF, 0xFF);

}  // namespace

// Unturned, the player's home rank is at the bottom and the first file on the left when
// playing white, on the right when playing black; a turn swaps both edges. Playing black,
// the form's rank 1 is the eighth.
Labels LabelsOf(int file, int rank, int playerSide, bool turned) {
    const int bottomRank = turned ? 8 : 1;
    const int leftFile = (playerSide == 0) != turned ? 1 : 8;
    Labels labels;
    if (rank == bottomRank) labels.file = QChar('a' + file - 1);
    if (file == leftFile) labels.rank = QString::number(playerSide == 0 ? rank : 9 - rank);
    return labels;
}

void Draw(QImage& square, const Labels& labels) {
    if (labels.file.isEmpty() && labels.rank.isEmpty()) return;
    QPainter painter(&square);
    QFont font("DejaVu Sans");
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setPixelSize(std::max(7, static_cast<int>(std::lround(square.width() * 0.33))));
    painter.setFont(font);
    const int margin = std::max(1, square.width() / 24);
    const QRect inside = square.rect().adjusted(margin, 0, -margin, 0);
    const auto write = [&](const QPoint& offset) {
        painter.drawText(inside.translated(offset), Qt::AlignLeft | Qt::AlignTop, labels.rank);
        painter.drawText(inside.translated(offset), Qt::AlignRight | Qt::AlignBottom, labels.file);
    };
    painter.setPen(Rim);
    for (const QPoint offset :
         {QPoint(-margin, 0), QPoint(margin, 0), QPoint(0, -margin), QPoint(0, margin)})
        write(offset);
    painter.setPen(Ink);
    write(QPoint());
}

}  // namespace coordinates
