#include "ChessClock.h"

#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "Display.h"

namespace {

size_t At(ChessClock::Side side) {
    return side == ChessClock::Side::Player ? 0 : 1;
}

ChessClock::Side Other(ChessClock::Side side) {
    return side == ChessClock::Side::Player ? ChessClock::Side::Engine : ChessClock::Side::Player;
}

// "4:59", "1:02:03", and under ten seconds "0:09.8"; a fallen flag shows 0:00.0.
QString Shown(int64_t milliseconds) {
    const int64_t ms = std::max<int64_t>(milliseconds, 0);
    if (ms < 10000) {
        const int64_t tenths = ms / 100;
        return QString("0:%1.%2").arg(tenths / 10, 2, 10, QChar('0')).arg(tenths % 10);
    }
    const int64_t seconds = ms / 1000;
    if (seconds >= 3600)
        return QString("%1:%2:%3")
            .arg(seconds / 3600)
            .arg(seconds / 60 % 60, 2, 10, QChar('0'))
            .arg(seconds % 60, 2, 10, QChar('0'));
    return QString("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QChar('0'));
}

}  // namespace

QString TimeControl::Text() const {
    return QString("%1+%2").arg(minutes).arg(increment);
}

std::string TimeControl::PgnTag() const {
    return QString("%1+%2").arg(minutes * 60).arg(increment).toStdString();
}

std::optional<TimeControl> TimeControl::Parse(const QString& text) {
    const QStringList parts = text.trimmed().split('+');
    if (parts.size() != 2) return std::nullopt;
    bool minutesRead = false, incrementRead = false;
    const TimeControl control{parts[0].toDouble(&minutesRead), parts[1].toDouble(&incrementRead)};
    // A day of thinking at most, so that the milliseconds stay far from overflowing.
    if (!minutesRead || !incrementRead || !(control.minutes > 0) || control.minutes > 1440 ||
        !(control.increment >= 0) || control.increment > 3600)
        return std::nullopt;
    return control;
}

ChessClock::ChessClock(QWidget* parent) : QWidget(parent), timer_(new QTimer(this)) {
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
    Show();
    SetScale(1);
    timer_->setInterval(100);
    connect(timer_, &QTimer::timeout, this, &ChessClock::Check);
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

void ChessClock::Start(const TimeControl& control) {
    Stop();
    control_ = control;
    const auto full = static_cast<int64_t>(std::llround(control.minutes * 60000));
    left_[0] = left_[1] = full;
    setVisible(control.Timed());
    Show();
}

int64_t ChessClock::Remaining(Side side) const {
    int64_t left = left_[At(side)];
    if (running_ == side)
        left -= static_cast<int64_t>(std::llround((ostrand::SteadySeconds() - since_) * 1000));
    return left;
}

void ChessClock::Run(Side side) {
    if (!control_.Timed() || running_ == side) return;
    Stop();
    running_ = side;
    since_ = ostrand::SteadySeconds();
    timer_->start();
    Show();
}

void ChessClock::Press(Side side) {
    if (!control_.Timed()) return;
    if (running_ == side) {
        left_[At(side)] =
            Remaining(side) + static_cast<int64_t>(std::llround(control_.increment * 1000));
        running_.reset();
    }
    Run(Other(side));
}

void ChessClock::Stop() {
    if (running_) left_[At(*running_)] = Remaining(*running_);
    running_.reset();
    timer_->stop();
    Show();
}

void ChessClock::Check() {
    if (running_ && Remaining(*running_) <= 0) {
        const Side side = *running_;
        Stop();
        emit Flagged(side);
        return;
    }
    Show();
}

void ChessClock::Show() {
    for (Side side : {Side::Player, Side::Engine}) {
        QLabel* label = labels_[At(side)];
        const QString time = Shown(Remaining(side));
        label->setText(side == Side::Player ? tr("You: %1").arg(time)
                                            : tr("Ostrand: %1").arg(time));
        const bool runs = running_ == side;
        QPalette palette = this->palette();
        if (runs) palette.setColor(QPalette::Window, QColor(0xFF, 0xE0, 0x80));
        label->setPalette(palette);
        label->setFrameShadow(runs ? QFrame::Plain : QFrame::Sunken);
        label->setLineWidth(runs ? 2 : 1);
    }
}
