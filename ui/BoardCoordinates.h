// The board's coordinates: the files' letters along the bottom row and the ranks' digits up
// the left column, drawn inside those squares as the player sees the board.
#pragma once

#include <QImage>
#include <QString>

namespace coordinates {

// What one square shows: its file's letter when it stands in the bottom row, its rank's digit
// when it stands in the left column, each empty otherwise.
struct Labels {
    QString file;
    QString rank;
    bool operator==(const Labels&) const = default;
};

// The labels of the form's square (file, rank), rank 1 being the player's home rank, for
// the side the player plays (0 white, 1 black) and the board turned by the rotate button or
// not. Letters and digits are the same in every language.
Labels LabelsOf(int file, int rank, int playerSide, bool turned);

// Draws the labels over a square's image: the digit at the top left, the letter at the
// bottom right, scaled with the square.
void Draw(QImage& square, const Labels& labels);

}  // namespace coordinates
