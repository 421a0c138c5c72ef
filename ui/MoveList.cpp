#include "MoveList.h"

#include <QHeaderView>
#include <QScrollBar>
#include <algorithm>
#include <vector>

#include "GameHistory.h"
#include "Messages.h"
#include "San.h"

namespace chess = ostrand::chess;

namespace {

// The role that holds a move's step of the history.
constexpr int StepRole = Qt::UserRole;
constexpr int NumberWidth = 36;
constexpr int MoveWidth = 64;

// Whether later goes on from earlier: the same start and earlier's moves first.
bool GoesOnFrom(const GameRecord& later, const GameRecord& earlier) {
    return later.HasGame() && earlier.HasGame() &&
           later.StartPosition() == earlier.StartPosition() &&
           later.Moves().size() >= earlier.Moves().size() &&
           std::equal(earlier.Moves().begin(), earlier.Moves().end(), later.Moves().begin());
}

}  // namespace

MoveList::MoveList(QWidget* parent) : QTableWidget(0, 3, parent) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setColumnWidth(0, NumberWidth);
    setColumnWidth(1, MoveWidth);
    setColumnWidth(2, MoveWidth);
    setShowGrid(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setWordWrap(true);
    // The arrow keys and Space belong to the window's shortcuts.
    setFocusPolicy(Qt::NoFocus);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    setFixedWidth(NumberWidth + 2 * MoveWidth + verticalScrollBar()->sizeHint().width() +
                  2 * frameWidth());
    setToolTip(tr("The moves of the game; click one to go back or forward to it"));
    connect(this, &QTableWidget::cellClicked, this, [this](int row, int column) {
        const QTableWidgetItem* cell = item(row, column);
        if (cell && cell->data(StepRole).isValid())
            emit StepChosen(cell->data(StepRole).value<size_t>());
    });
}

void MoveList::AddLine(const QString& text) {
    const int row = rowCount();
    insertRow(row);
    setSpan(row, 0, 1, 3);
    setItem(row, 0, new QTableWidgetItem(text));
    resizeRowToContents(row);
}

void MoveList::Show(const GameHistory& history, const QStringList& result) {
    clearSpans();
    setRowCount(0);
    const GameRecord& current = history.At(history.Current()).record;
    if (!current.HasGame()) return;
    size_t last = history.Current();
    while (last + 1 < history.Size() && GoesOnFrom(history.At(last + 1).record, current))
        ++last;
    const GameRecord& shown = history.At(last).record;
    if (shown.StartPosition() != chess::StartPosition()) AddLine(tr("From a set-up position"));

    const std::vector<chess::Position> positions = shown.Positions();
    const size_t played = current.Moves().size();
    size_t step = 0;
    QTableWidgetItem* highlighted = nullptr;
    for (size_t i = 0; i < shown.Moves().size(); ++i) {
        const chess::Position& before = positions[i];
        const bool white = before.toMove == chess::Colour::White;
        if (white || i == 0) {
            insertRow(rowCount());
            setItem(rowCount() - 1, 0, new QTableWidgetItem(QString("%1.").arg(before.fullmove)));
            if (!white) setItem(rowCount() - 1, 1, new QTableWidgetItem("…"));
        }
        // The first step whose game holds the move.
        while (step < last && !(history.At(step).record.Moves().size() > i &&
                                GoesOnFrom(shown, history.At(step).record)))
            ++step;
        auto* cell =
            new QTableWidgetItem(messages::ShownSan(chess::SanText(before, shown.Moves()[i])));
        cell->setData(StepRole, QVariant::fromValue(step));
        if (i >= played) cell->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
        if (i + 1 == played) {
            cell->setBackground(palette().color(QPalette::Highlight));
            cell->setForeground(palette().color(QPalette::HighlightedText));
            highlighted = cell;
        }
        setItem(rowCount() - 1, white ? 1 : 2, cell);
    }
    // The move on show stays in view; at the end of the game, the result below it too.
    const bool ended = last == history.Current() && !result.isEmpty();
    if (ended)
        for (const QString& line : result)
            AddLine(line);
    if (ended)
        scrollToBottom();
    else if (highlighted)
        scrollToItem(highlighted);
    else
        scrollToTop();
}
