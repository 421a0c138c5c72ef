#include "MoveList.h"

#include <QHeaderView>
#include <QScrollBar>
#include <utility>

#include "Messages.h"

namespace {

// The role that holds a move's step of the history.
constexpr int StepRole = Qt::UserRole;
// The role that holds a move's place in the list.
constexpr int MoveRole = Qt::UserRole + 1;
constexpr int NumberWidth = 36;
constexpr int MoveWidth = 64;

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
        if (!cell || !cell->data(StepRole).isValid()) return;
        emit StepChosen(cell->data(StepRole).value<size_t>());
        emit MoveChosen(cell->data(MoveRole).value<size_t>());
    });
}

void MoveList::AddLine(const QString& text) {
    const int row = rowCount();
    insertRow(row);
    setSpan(row, 0, 1, 3);
    setItem(row, 0, new QTableWidgetItem(text));
    resizeRowToContents(row);
}

void MoveList::Show(const ostrand::game::GameMoves& moves, const QStringList& result) {
    clearSpans();
    setRowCount(0);
    if (moves.fromSetUp) AddLine(tr("From a set-up position"));
    QTableWidgetItem* highlighted = nullptr;
    size_t listed = 0;
    for (const ostrand::game::MoveRow& row : moves.rows) {
        const int at = rowCount();
        insertRow(at);
        setItem(at, 0, new QTableWidgetItem(QString("%1.").arg(row.number)));
        // A game that starts with Black's move.
        if (!row.white && row.black) setItem(at, 1, new QTableWidgetItem("…"));
        for (const auto& [column, move] : {std::pair(1, &row.white), std::pair(2, &row.black)}) {
            if (!*move) continue;
            const QString mark = marks_.value(static_cast<qsizetype>(listed));
            auto* cell = new QTableWidgetItem(messages::ShownSan((*move)->san) + mark);
            cell->setData(StepRole, QVariant::fromValue((*move)->step));
            cell->setData(MoveRole, QVariant::fromValue(listed++));
            if (!(*move)->played)
                cell->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
            if ((*move)->last) {
                cell->setBackground(palette().color(QPalette::Highlight));
                cell->setForeground(palette().color(QPalette::HighlightedText));
                highlighted = cell;
            }
            setItem(at, column, cell);
        }
    }
    // The move on show stays in view; at the end of the game, the result below it too.
    const bool ended = moves.showsResult && !result.isEmpty();
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
