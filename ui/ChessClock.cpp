#include "ChessClock.h"

#include <QLabel>
#include <QVBoxLayout>
#include <cmath>

namespace {

using ostrand::game::Side;

}  // namespace

ChessClock::ChessClock(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    for (QLabel*& label : labels_) {
        label = new QLabel(this);
        label->setAlignment(Qt::AlignCenter);
        // The running clock is framed and lit.
        label->setAutoFillBackground(true);
        label->setFrameShape(QFrame::Box);
    }
    // The engine's clock on top, as its pieces are.
    layout->addWidget(labels_[1]);
    layout->addWidget(labels_[0]);
    labels_[0]->setToolTip(tr("Your time left"));
    labels_[1]->setToolTip(tr("The engine's time left"));
    // As high as its two lines: the move list under it takes the rest.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    Show(0, 0, std::nullopt);
    SetScale(1);
    hide();
}

void ChessClock::SetScale(double scale) {
    const int margin = static_cast<int>(std::lround(6 * scale));
    layout()->setContentsMargins(margin, margin, margin, margin);
    layout()->setSpacing(margin / 3);
    for (QLabel* label : labels_) {
        QFont font = QWidget::font();
        font.setPointSizeF(font.pointSizeF() * 1.5 * scale);
        label->setFont(font);
        label->setMargin(margin / 3);
    }
    if (designWidth_ == 0) designWidth_ = sizeHint().width();
    setMinimumWidth(static_cast<int>(std::lround(designWidth_ * scale)));
}

void ChessClock::Show(int64_t player, int64_t engine, std::optional<Side> running) {
    for (const Side side : {Side::Player, Side::Engine}) {
        QLabel* label = labels_[side == Side::Player ? 0 : 1];
        const QString time = QString::fromStdString(
            ostrand::game::ClockText(side == Side::Player ? player : engine));
        label->setText(side == Side::Player ? tr("You: %1").arg(time)
                                            : tr("Ostrand: %1").arg(time));
        const bool runs = running == side;
        QPalette palette = this->palette();
        if (runs) palette.setColor(QPalette::Window, QColor(0xFF, 0xE0, 0x80));
        label->setPalette(palette);
        label->setFrameShadow(runs ? QFrame::Plain : QFrame::Sunken);
        label->setLineWidth(runs ? 2 : 1);
    }
}
