#include <QCheckBox>

#include "F_Board.h"
#include "PictureBox.h"
#include "Variables.h"

// The position editor's palette: the piece a click on the board places.

void F_Board::PB_Click() {
    PickFromPalette(PB, ostrand::Piece::Pawn);
}

void F_Board::KB_Click() {
    PickFromPalette(KB, ostrand::Piece::Knight);
}

void F_Board::BB_Click() {
    PickFromPalette(BB, ostrand::Piece::Bishop);
}

void F_Board::RB_Click() {
    PickFromPalette(RB, ostrand::Piece::Rook);
}

void F_Board::QB_Click() {
    PickFromPalette(QB, ostrand::Piece::Queen);
}

void F_Board::KKB_Click() {
    PickFromPalette(KKB, ostrand::Piece::King);
}

void F_Board::PW_Click() {
    PickFromPalette(PW, -ostrand::Piece::Pawn);
}

void F_Board::KW_Click() {
    PickFromPalette(KW, -ostrand::Piece::Knight);
}

void F_Board::BW_Click() {
    PickFromPalette(BW, -ostrand::Piece::Bishop);
}

void F_Board::RW_Click() {
    PickFromPalette(RW, -ostrand::Piece::Rook);
}

void F_Board::QW_Click() {
    PickFromPalette(QW, -ostrand::Piece::Queen);
}

void F_Board::KKW_Click() {
    PickFromPalette(KKW, -ostrand::Piece::King);
}

void F_Board::MM_Click() {
    PickFromPalette(MM, 1);
}

// The palette's columns follow the sign, not the colour the player sees: the B column places
// the engine's pieces, which are drawn white when the player plays black.
void F_Board::PickFromPalette(PictureBox* control, int16_t piece) {
    EditPiece = piece;
    ResetPalette();
    control->SetAppearance(PictureBox::Look::ThreeD);
    // Neighbours overlap by a pixel; on top, the whole bevel shows.
    control->raise();
}

void F_Board::ResetPalette() {
    for (PictureBox* control : {KB, KKB, KKW, KW, MM, PB, PW, QB, QW, RB, RW, BB, BW})
        control->SetAppearance(PictureBox::Look::Flat);
    CkEdit->setChecked(true);
}

// A one-pixel outline round the square's 23-pixel drawing area (as thick as the zoom
// makes a pixel), gone at the next clear.
