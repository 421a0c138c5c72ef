// The pictures of the board and the palette at the size of a square.
#pragma once

#include <QImage>
#include <QString>

// The picture name ("PM", "KW", "KKB" and so on, as in the resources) at size x size pixels,
// in 32-bit RGB for the raster operations. At 23 pixels it is the drawn picture itself; any
// other size is drawn at that size from the same design, keeping the rules the board's
// AND/OR painting needs: masks black on white, pieces on grey 808080.
QImage PieceArt(const QString& name, int size);
