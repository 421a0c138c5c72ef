#include <QCheckBox>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QStyle>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "BoardCoordinates.h"
#include "F_Board.h"
#include "FormLayout.h"
#include "LinkLabel.h"
#include "PictureBox.h"
#include "PieceArt.h"
#include "Variables.h"

// The board's drawing: the pieces through their masks, the frames and dots over them, the
// whole form at each zoom step, and a piece dragged under the pointer.
namespace {

// The design font is missing outside Windows. The narrow sans faces after it keep the
// statistics within their labels; the system's own sans is the last resort.
QFont DesignFont(qreal points) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setFamilies({"MS Sans Serif", "Microsoft Sans Serif", "Arial", "Liberation Sans",
                      "Nimbus Sans", "Helvetica", font.family()});
    font.setPointSizeF(points);
    return font;
}

// The engine writes its statistics in English; their captions show in the player's language.
QString Shown(const QString& written) {
    const std::pair<const char*, QString> captions[] = {
        {"Nodes/Sec: ", F_Board::tr("Nodes/Sec: ")},   {"Nodes: ", F_Board::tr("Nodes: ")},
        {"Best Value: ", F_Board::tr("Best Value: ")}, {"Time: ", F_Board::tr("Time: ")},
        {"State: ", F_Board::tr("State: ")},
    };
    for (const auto& [english, shown] : captions)
        if (written.startsWith(english)) return shown + written.mid(qstrlen(english));
    return written;
}

// The colours of what is drawn over the pieces.
const QColor HintColour(0, 0xA0, 0);
const QColor DotColour(0, 0x80, 0x80);

}  // namespace

void F_Board::PrintBoard() {
    if (PlayerSide != 0 && PlayerSide != 1) return;
    marks_.clear();
    for (int16_t rank = 1; rank <= 8; ++rank) {
        for (int16_t file = 1; file <= 8; ++file) {
            DrawSquare(file, rank);
            DrawCoordinates(SquareIndex(file, rank));
        }
    }
}

void F_Board::DrawAfresh() {
    const std::vector<Mark> marks = marks_;
    PrintBoard();
    DrawMarks(marks);
}

// Index 1, the form's a1, stands in the bottom row unless the board is turned.
void F_Board::DrawCoordinates(int16_t index) {
    if (!showCoordinates_) return;
    int16_t file, rank;
    SquareOfIndex(file, rank, index);
    const bool turned = squarePlaces_[0].y() != 3015;
    coordinates::Draw(c(index).Image(), coordinates::LabelsOf(file, rank, PlayerSide, turned));
    c(index).update();
}

void F_Board::SetShowCoordinates(bool show) {
    showCoordinates_ = show;
    DrawAfresh();
}

void F_Board::DrawSquare(int16_t file, int16_t rank) {
    PictureBox& square = c(SquareIndex(file, rank));
    square.Clear();
    const int16_t value = PieceOn(file, rank);
    const QImage* mask = nullptr;
    const PictureBox* whitePicture = nullptr;
    const PictureBox* blackPicture = nullptr;
    switch (std::abs(value)) {
        case ostrand::Piece::Pawn: mask = &PM, whitePicture = PW, blackPicture = PB; break;
        case ostrand::Piece::Knight: mask = &KM, whitePicture = KW, blackPicture = KB; break;
        case ostrand::Piece::Bishop: mask = &BM, whitePicture = BW, blackPicture = BB; break;
        case ostrand::Piece::Rook: mask = &RM, whitePicture = RW, blackPicture = RB; break;
        case ostrand::Piece::Queen: mask = &QM, whitePicture = QW, blackPicture = QB; break;
        case ostrand::Piece::King: mask = &KKM, whitePicture = KKW, blackPicture = KKB; break;
        default: return;
    }
    // The player's pieces are the negative ones, drawn in the player's colour.
    const bool drawnWhite = (value < 0) == (PlayerSide == 0);
    // AND leaves the shade around a black silhouette; OR then fills it in, the picture's grey
    // 808080 leaving either shade as it is.
    QPainter painter(&square.Image());
    painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    painter.drawImage(0, 0, *mask);
    painter.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
    painter.drawImage(0, 0, (drawnWhite ? whitePicture : blackPicture)->Picture());
}

void F_Board::FrameSquare(int16_t index, const QColor& colour) {
    marks_.push_back({index, colour});
    PictureBox& square = c(index);
    QPainter painter(&square.Image());
    painter.setPen(colour);
    const int last = square.Image().width() - 1;
    for (int k = 0; k < std::max(zoom_ / 100, 1); ++k)
        painter.drawRect(k, k, last - 2 * k, last - 2 * k);
    square.update();
}

void F_Board::DotSquare(int16_t index) {
    marks_.push_back({index, QColor()});
    PictureBox& square = c(index);
    QPainter painter(&square.Image());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(DotColour);
    const QRectF area = square.Image().rect();
    const double radius = area.width() / 8.0;
    painter.drawEllipse(area.center(), radius, radius);
    square.update();
}

void F_Board::DotLegalTargets() {
    for (const auto& [file, rank] : session_.LegalTargets({FromFile, FromRank}))
        DotSquare(SquareIndex(static_cast<int16_t>(file), static_cast<int16_t>(rank)));
}

void F_Board::SetShowLegalMoves(bool show) {
    showLegalMoves_ = show;
}

void F_Board::ShowHint(const ostrand::game::SquareMove& move) {
    FrameSquare(SquareIndex(move.from.file, move.from.rank), HintColour);
    FrameSquare(SquareIndex(move.to.file, move.to.rank), HintColour);
}

// The layout is designed in twips, 15 to the pixel at 96 dots per inch and 100 %.
int F_Board::Px(double twips) const {
    return ostrand::form::Px(twips, zoom_);
}

QRect F_Board::OnScreen(const QRect& twips) const {
    const ostrand::form::Pixels p =
        ostrand::form::OnScreen({twips.x(), twips.y(), twips.width(), twips.height()}, zoom_);
    return QRect(p.left, p.top, p.width, p.height);
}

void F_Board::Place(QWidget* control, const QRect& twips) {
    places_.emplace_back(control, twips);
    if (auto* box = qobject_cast<PictureBox*>(control))
        box->SetGeometry(OnScreen(twips));
    else
        control->setGeometry(OnScreen(twips));
}

void F_Board::PlaceSquare(int16_t index) {
    const QPoint place = squarePlaces_[static_cast<size_t>(index - 1)];
    c(index).SetGeometry(OnScreen(QRect(place, QSize(375, 375))));
}

void F_Board::SetZoom(int percent) {
    if (percent < MinZoom || percent > MaxZoom) return;
    zoom_ = percent;
    const qreal scale = percent / 100.0;
    setFixedSize(Px(ostrand::form::Form.width), Px(ostrand::form::Form.height));
    // A scaled font keeps to whole pixels below its scaled design size: rounded up, the
    // statistics outgrow their labels (at 150 % "Nodes/Sec" runs into the palette).
    const auto scaledFont = [scale](qreal points) {
        QFont font = DesignFont(points);
        if (scale != 1)
            font.setPixelSize(static_cast<int>(std::floor(QFontInfo(font).pixelSize() * scale)));
        return font;
    };
    setFont(scaledFont(8.25));
    QFont titleFont = scaledFont(12);
    titleFont.setBold(true);
    Label16->setFont(titleFont);
    QFont linkFont = scaledFont(8.25);
    linkFont.setUnderline(true);
    Label4->setFont(linkFont);
    ScaleCheckBox(scale);

    const auto places = std::move(places_);
    places_.clear();
    for (const auto& [control, twips] : places)
        Place(control, twips);
    for (int16_t i = 1; i <= 64; ++i)
        PlaceSquare(i);
    DrawPictures();
    DrawAfresh();
}

// The style draws a check box's indicator at its own size, whatever the font: grown with the
// form, it keeps its place beside the caption. At 100 % the style draws it untouched. A box
// with a style sheet no longer takes the form's font, and keeps the one it had when the
// sheet goes: it is given the font each time.
void F_Board::ScaleCheckBox(qreal scale) {
    const auto scaled = [this, scale](QStyle::PixelMetric metric) {
        return std::lround(style()->pixelMetric(metric, nullptr, CkEdit) * scale);
    };
    CkEdit->setStyleSheet(scale == 1 ? QString()
                                     : QString("QCheckBox { spacing: %1px } "
                                               "QCheckBox::indicator { width: %2px; height: %3px }")
                                           .arg(scaled(QStyle::PM_CheckBoxLabelSpacing))
                                           .arg(scaled(QStyle::PM_IndicatorWidth))
                                           .arg(scaled(QStyle::PM_IndicatorHeight)));
    CkEdit->setFont(scale == 1 ? QFont() : font());
}

// The pieces are drawn at the size of a square's inside. The logo, no piece of the game, is
// scaled smoothly.
void F_Board::DrawPictures() {
    const int size = Px(360) - 1;
    for (const auto& [box, name] : pictures_) {
        if (box != Picture1) {
            box->SetPicture(PieceArt(name, size));
            continue;
        }
        const QImage logo = QImage(":/images/logo.png").convertToFormat(QImage::Format_RGB32);
        box->SetPicture(zoom_ == 100 ? logo
                                     : logo.scaled(box->Image().size(), Qt::KeepAspectRatio,
                                                   Qt::SmoothTransformation));
    }
    for (const auto& [mask, name] :
         {std::pair{&PM, "PM"}, {&KM, "KM"}, {&BM, "BM"}, {&RM, "RM"}, {&QM, "QM"}, {&KKM, "KKM"}})
        *mask = PieceArt(name, size);
}

// A press on one of the player's pieces and a move: the piece is picked as by a click and
// follows the pointer; the square it left shows empty, with its frame.
void F_Board::StartDrag(int16_t index) {
    int16_t file, rank;
    SquareOfIndex(file, rank, index);
    if (engineBusy_ || CkEdit->checkState() == Qt::Checked || PieceOn(file, rank) >= 0) return;
    if (ClickState != 2 || FromFile != file || FromRank != rank) c_Click(index);
    if (ClickState != 2) return;
    dragFrom_ = index;
    PictureBox& square = c(index);
    const QImage shown = square.Image().copy();
    // The piece alone: where the mask is black.
    QImage piece(shown.size(), QImage::Format_ARGB32);
    piece.fill(Qt::transparent);
    const QImage& mask = *[this, file, rank] {
        switch (std::abs(PieceOn(file, rank))) {
            case ostrand::Piece::Pawn: return &PM;
            case ostrand::Piece::Knight: return &KM;
            case ostrand::Piece::Bishop: return &BM;
            case ostrand::Piece::Rook: return &RM;
            case ostrand::Piece::Queen: return &QM;
            default: return &KKM;
        }
    }();
    for (int y = 0; y < piece.height() && y < mask.height(); ++y)
        for (int x = 0; x < piece.width() && x < mask.width(); ++x)
            if ((mask.pixel(x, y) & 0xFFFFFF) == 0) piece.setPixel(x, y, shown.pixel(x, y));
    dragged_->setPixmap(QPixmap::fromImage(piece));
    dragged_->resize(piece.size());
    dragged_->raise();
    dragged_->show();
    Redraw(index, false);
}

void F_Board::Drag(const QPoint& global) {
    if (dragFrom_ == 0) return;
    dragged_->move(mapFromGlobal(global) - dragged_->rect().center());
}

// Dropped on another square, the piece goes there as by a second click, refusals and all;
// anywhere else it goes back and stays picked. A second click whose pointer slid, with no
// piece of the player's under it, is the click where the button is let go.
void F_Board::Drop(const QPoint& global) {
    if (dragFrom_ == 0) {
        const int16_t at = SquareAt(global);
        if (at != 0 && ClickState == 2 && !engineBusy_ && CkEdit->checkState() != Qt::Checked)
            c_Click(at);
        return;
    }
    const int16_t from = std::exchange(dragFrom_, int16_t{0});
    dragged_->hide();
    const int16_t to = SquareAt(global);
    if (to != 0 && to != from && !engineBusy_) {
        c_Click(to);
        return;
    }
    Redraw(from, true);
}

// A square drawn afresh, with or without its piece, keeps its frames and dots.
void F_Board::Redraw(int16_t index, bool withPiece) {
    std::vector<Mark> kept, here;
    for (const Mark& mark : marks_)
        (mark.index == index ? here : kept).push_back(mark);
    marks_ = kept;
    int16_t file, rank;
    SquareOfIndex(file, rank, index);
    if (withPiece)
        DrawSquare(file, rank);
    else
        c(index).Clear();
    DrawCoordinates(index);
    DrawMarks(here);
}

void F_Board::DrawMarks(const std::vector<Mark>& marks) {
    for (const Mark& mark : marks) {
        if (mark.frame.isValid())
            FrameSquare(mark.index, mark.frame);
        else
            DotSquare(mark.index);
    }
}

int16_t F_Board::SquareAt(const QPoint& global) const {
    QWidget* under = childAt(mapFromGlobal(global));
    for (int16_t i = 1; i <= 64; ++i)
        if (under == &c(i)) return i;
    return 0;
}

QLabel* F_Board::StatusLabelOf(ostrand::StatusLabel label) const {
    switch (label) {
        case ostrand::StatusLabel::Nodes: return Label1;
        case ostrand::StatusLabel::BestValue: return Label2;
        case ostrand::StatusLabel::Time: return Label3;
        case ostrand::StatusLabel::Speed: return Label17;
        case ostrand::StatusLabel::State: return Label18;
    }
    return Label18;
}

void F_Board::ShowStatistic(ostrand::StatusLabel label, const QString& text) {
    if (statisticsShown_) StatusLabelOf(label)->setText(Shown(text));
}

// Shown again, the lines hold what the engine last wrote, which the session keeps.
void F_Board::SetStatisticsShown(bool shown) {
    statisticsShown_ = shown;
    for (const ostrand::StatusLabel label :
         {ostrand::StatusLabel::Nodes, ostrand::StatusLabel::BestValue, ostrand::StatusLabel::Time,
          ostrand::StatusLabel::Speed, ostrand::StatusLabel::State})
        StatusLabelOf(label)->setText(
            shown ? Shown(QString::fromStdString(session_.Statistic(label))) : QString());
    ProgressBar->setValue(shown ? session_.Progress() : ProgressBar->minimum());
}

// An empty range would turn the bar into a busy indicator; a value past the end raises the
// end, so the bar shows full rather than ignoring it.
void F_Board::ShowProgress(int value, int maximum) {
    ProgressBar->setMaximum(std::max({maximum, value, 1}));
    if (statisticsShown_) ProgressBar->setValue(value);
}
