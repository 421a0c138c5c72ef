#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QHeaderView>
#include <QLayout>
#include <QMenuBar>
#include <QProgressBar>
#include <QResizeEvent>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <iterator>

#include "AnalysisPanel.h"
#include "ChessClock.h"
#include "F_Board.h"
#include "MainWindow.h"
#include "MoveList.h"
#include "Preferences.h"

// The main window's size: the zoom steps, any size the player drags it to, and the screen's
// bounds. Everything in the window grows with the form by one scale, in whole per cent.
namespace {

bool Fits(const QSize& size, const QSize& room) {
    return size.width() <= room.width() && size.height() <= room.height();
}

}  // namespace

void MainWindow::ScaleTo(int percent) {
    const bool first = !barHeights_;
    if (!first && percent == board_->Zoom()) return;
    board_->SetZoom(percent);
    // The menus, the status line, the clocks and the move list grow with the form.
    if (first) {
        barHeights_ = {menuBar()->sizeHint().height(), statusBar()->sizeHint().height()};
        listDesign_ = {moveList_->width(), moveList_->verticalHeader()->defaultSectionSize()};
        for (int column = 0; column < moveList_->columnCount(); ++column)
            listDesign_.push_back(moveList_->columnWidth(column));
    }
    const double scale = percent / 100.0;
    const auto scaled = [scale](int pixels) {
        return static_cast<int>(std::lround(pixels * scale));
    };
    QFont font = QApplication::font(menuBar());
    font.setPointSizeF(font.pointSizeF() * scale);
    menuBar()->setFont(font);
    font = QApplication::font(statusBar());
    font.setPointSizeF(font.pointSizeF() * scale);
    statusBar()->setFont(font);
    // Their paddings do not grow with the font: the bars keep their proportion instead.
    menuBar()->setFixedHeight(scaled(barHeights_->first));
    statusBar()->setFixedHeight(scaled(barHeights_->second));
    // The analysis's progress bar holds its text, "Analysis 80/81", at every scale.
    analysisProgress_->setMinimumWidth(
        analysisProgress_->fontMetrics().horizontalAdvance(
            analysisProgress_->format().replace("%v", "000").replace("%m", "000")) +
        scaled(24));
    clock_->SetScale(scale);
    analysisPanel_->SetScale(scale);
    font = QApplication::font(moveList_);
    font.setPointSizeF(font.pointSizeF() * scale);
    moveList_->setFont(font);
    moveList_->setFixedWidth(scaled(listDesign_[0]));
    moveList_->verticalHeader()->setDefaultSectionSize(scaled(listDesign_[1]));
    for (int column = 0; column < moveList_->columnCount(); ++column)
        moveList_->setColumnWidth(column, scaled(listDesign_[static_cast<size_t>(column) + 2]));
    moveList_->resizeRowsToContents();
    for (QAction* action : zooms_->actions())
        action->setChecked(action->data().toInt() == percent);
}

// Measured rather than computed: the clocks' width follows their font.
QSize MainWindow::NaturalSize() {
    QLayout* content = centralWidget()->layout();
    content->invalidate();
    content->activate();
    return content->totalSizeHint() +
           QSize(0, menuBar()->minimumHeight() + statusBar()->minimumHeight());
}

// The contents grow almost in proportion to the scale: a first guess from the size at the
// scale in force, then a step at a time to the largest that fits.
void MainWindow::ScaleToFit(const QSize& room) {
    const QSize natural = NaturalSize();
    const double ratio = std::min(static_cast<double>(room.width()) / natural.width(),
                                  static_cast<double>(room.height()) / natural.height());
    int percent =
        std::clamp(static_cast<int>(board_->Zoom() * ratio), F_Board::MinZoom, F_Board::MaxZoom);
    ScaleTo(percent);
    while (percent > F_Board::MinZoom && !Fits(NaturalSize(), room))
        ScaleTo(--percent);
    while (percent < F_Board::MaxZoom) {
        ScaleTo(percent + 1);
        if (!Fits(NaturalSize(), room)) {
            ScaleTo(percent);
            break;
        }
        ++percent;
    }
    // Not even the design size fits: the window grows to it.
    if (percent == F_Board::MinZoom && !Fits(NaturalSize(), room))
        setMinimumSize(minimumSize().expandedTo(NaturalSize()));
}

QRect MainWindow::AvailableArea() const {
    const QScreen* shown = screen();
    return shown ? shown->availableGeometry() : QRect();
}

// The frame is known once the window is on the screen; an empty area bounds nothing.
QSize MainWindow::ScreenRoom() const {
    const QRect area = AvailableArea();
    if (area.isEmpty()) return QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    return area.size() - (frameGeometry().size() - size());
}

void MainWindow::SetZoom(int percent, bool keep) {
    if (board_->EngineBusy()) return;
    if (percent < F_Board::MinZoom || percent > F_Board::MaxZoom) percent = 100;
    ScaleTo(percent);
    if (!Fits(NaturalSize(), ScreenRoom())) ScaleToFit(ScreenRoom());
    if (isMaximized() || isFullScreen()) showNormal();
    resize(NaturalSize());
    givenSize_ = size();
    if (isVisible()) KeepOnScreen();
    if (!keep) return;
    Preferences().setValue(preference::Zoom, percent);
    Preferences().setValue(preference::WindowSize, size());
}

// From the scale in force to the next step in the direction asked; at the last step, none.
void MainWindow::StepZoom(int step) {
    const int now = board_->Zoom();
    if (step > 0) {
        const auto* next =
            std::upper_bound(std::begin(F_Board::Zooms), std::end(F_Board::Zooms), now);
        if (next != std::end(F_Board::Zooms)) SetZoom(*next);
    } else {
        const auto* next =
            std::lower_bound(std::begin(F_Board::Zooms), std::end(F_Board::Zooms), now);
        if (next != std::begin(F_Board::Zooms)) SetZoom(*std::prev(next));
    }
}

void MainWindow::RestoreSize() {
    const QSize kept = Preferences().value(preference::WindowSize).toSize();
    if (!kept.isValid()) {
        SetZoom(Preferences().value(preference::Zoom, 100).toInt(), false);
        return;
    }
    resize(kept.boundedTo(ScreenRoom()).expandedTo(minimumSize()));
    givenSize_ = size();
    FitToWindow();
}

// A window larger than the screen's room, its frame counted, shrinks to it; where it runs
// past an edge of the screen, it moves back.
void MainWindow::KeepOnScreen() {
    const QRect area = AvailableArea();
    if (area.isEmpty()) return;
    if (!Fits(size(), ScreenRoom())) {
        resize(size().boundedTo(ScreenRoom()).expandedTo(minimumSize()));
        givenSize_ = size();
    }
    QRect frame = frameGeometry();
    frame.moveRight(std::min(frame.right(), area.right()));
    frame.moveBottom(std::min(frame.bottom(), area.bottom()));
    frame.moveLeft(std::max(frame.left(), area.left()));
    frame.moveTop(std::max(frame.top(), area.top()));
    if (frame.topLeft() != frameGeometry().topLeft()) move(frame.topLeft());
}

// The desktop places the window and gives it its frame once it is shown.
void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    QTimer::singleShot(0, this, &MainWindow::KeepOnScreen);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    FitSoon();
}

// A drag sends many sizes; the form follows the last.
void MainWindow::FitSoon() {
    if (fitDue_) return;
    fitDue_ = true;
    QTimer::singleShot(0, this, &MainWindow::FitToWindow);
}

// A size the player gave is kept for the next start; the program's own are not.
void MainWindow::FitToWindow() {
    fitDue_ = false;
    // Mid-search the board holds the search's moves: it is drawn afresh once the engine
    // has answered.
    if (board_->EngineBusy()) return;
    ScaleToFit(size());
    if (size() != givenSize_) Preferences().setValue(preference::WindowSize, size());
}
