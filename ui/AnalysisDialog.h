// What "Analyse game" asks before it starts: the engine (the built-in one, a UCI engine found
// installed, or any program the player names) and the time it thinks about each position.
// The choice is kept for the next time.
#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

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
    // The UCI engines found installed: well-known names in /usr/games and on the PATH.
    static QStringList InstalledEngines();
    // The console program beside the window's, whose UCI mode is the built-in engine; empty
    // when it cannot be found.
    static QString BuiltInEngine();

  private:
    // Adds program to the list, unless it is there, and chooses it.
    void Offer(const QString& program);
    // The file chooser for any other engine.
    void ChooseProgram();

    QComboBox* engines_;
    QDoubleSpinBox* seconds_;
};
