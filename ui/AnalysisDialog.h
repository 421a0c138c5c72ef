// What "Analyse game" asks before it starts: the engine (the built-in one, a UCI engine found
// installed, or any program the player names) and the time it thinks about each position.
// The choice is kept for the next time.
#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

#include "Analysis.h"

class QComboBox;
class QDoubleSpinBox;

// An analysis's engine and time.
struct AnalysisChoice {
    // The UCI engine's program; empty for the built-in engine.
    QString engine;
    int millisecondsPerPosition = 1000;
    bool operator==(const AnalysisChoice&) const = default;
};

class AnalysisDialog : public QDialog {
    Q_OBJECT

  public:
    // Offers the kept choice first.
    explicit AnalysisDialog(QWidget* parent = nullptr);

    AnalysisChoice Choice() const;
    // Keeps the choice for the next analysis.
    static void Keep(const AnalysisChoice& choice);
    static AnalysisChoice Kept();
    // The engine to run for choice: the built-in one, an installed one with its arguments, or
    // the program named.
    static ostrand::game::EngineChoice EngineOf(const AnalysisChoice& choice);

  private:
    // Adds program to the list, unless it is there, and chooses it.
    void Offer(const QString& program);
    // The file chooser for any other engine.
    void ChooseProgram();

    QComboBox* engines_;
    QDoubleSpinBox* seconds_;
};
