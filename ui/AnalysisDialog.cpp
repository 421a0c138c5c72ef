#include "AnalysisDialog.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <algorithm>
#include <cmath>

#include "Preferences.h"

namespace {

// The limits of the time per position, in seconds.
constexpr double FewestSeconds = 0.1;
constexpr double MostSeconds = 60;

}  // namespace

AnalysisDialog::AnalysisDialog(QWidget* parent)
    : QDialog(parent), engines_(new QComboBox(this)), seconds_(new QDoubleSpinBox(this)) {
    setWindowTitle(tr("Analyse game"));
    auto* form = new QFormLayout(this);
    engines_->setObjectName("analysisEngine");
    engines_->addItem(tr("Built-in engine"), QString());
    for (const ostrand::game::InstalledEngine& installed : ostrand::game::InstalledEngines()) {
        const QString program = QString::fromStdString(installed.engine.program);
        engines_->addItem(QString("%1 (%2)").arg(QString::fromStdString(installed.name),
                                                 QDir::toNativeSeparators(program)),
                          program);
    }
    auto* other = new QPushButton(tr("Other…"), this);
    connect(other, &QPushButton::clicked, this, &AnalysisDialog::ChooseProgram);
    auto* engineRow = new QHBoxLayout;
    engineRow->addWidget(engines_, 1);
    engineRow->addWidget(other);
    form->addRow(tr("Engine:"), engineRow);
    seconds_->setObjectName("analysisSeconds");
    seconds_->setRange(FewestSeconds, MostSeconds);
    seconds_->setDecimals(1);
    seconds_->setSingleStep(0.5);
    seconds_->setSuffix(tr(" s"));
    form->addRow(tr("Time per position:"), seconds_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("Analyse"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);

    const AnalysisChoice kept = Kept();
    if (kept.engine.isEmpty())
        engines_->setCurrentIndex(0);
    else
        Offer(kept.engine);
    seconds_->setValue(kept.millisecondsPerPosition / 1000.0);
}

void AnalysisDialog::Offer(const QString& program) {
    int index = engines_->findData(program);
    if (index < 0) {
        engines_->addItem(QDir::toNativeSeparators(program), program);
        index = engines_->count() - 1;
    }
    engines_->setCurrentIndex(index);
}

void AnalysisDialog::ChooseProgram() {
    const QString program = QFileDialog::getOpenFileName(this, tr("UCI engine"), "/usr/games");
    if (!program.isEmpty()) Offer(program);
}

AnalysisChoice AnalysisDialog::Choice() const {
    return {engines_->currentData().toString(),
            static_cast<int>(std::lround(seconds_->value() * 1000))};
}

void AnalysisDialog::Keep(const AnalysisChoice& choice) {
    QSettings settings = Preferences();
    settings.setValue(preference::AnalysisEngine, choice.engine);
    settings.setValue(preference::AnalysisTime, choice.millisecondsPerPosition);
}

AnalysisChoice AnalysisDialog::Kept() {
    const QSettings settings = Preferences();
    const int time = settings.value(preference::AnalysisTime, 1000).toInt();
    return {settings.value(preference::AnalysisEngine).toString(),
            std::clamp(time, static_cast<int>(FewestSeconds * 1000),
                       static_cast<int>(MostSeconds * 1000))};
}

ostrand::game::EngineChoice AnalysisDialog::EngineOf(const AnalysisChoice& choice) {
    ostrand::game::EngineChoice engine{choice.engine.toStdString(), {}};
    if (choice.engine.isEmpty())
        engine =
            ostrand::game::BuiltInEngine(QCoreApplication::applicationFilePath().toStdString());
    for (const ostrand::game::InstalledEngine& installed : ostrand::game::InstalledEngines())
        if (installed.engine.program == engine.program) engine = installed.engine;
    engine.movetimeMs = choice.millisecondsPerPosition;
    return engine;
}
