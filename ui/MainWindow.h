// The program's main window: the form F_Board, unchanged, with a menu bar above it and a
// status line below. It keeps the steps of the game for take back and redo, the playing
// level and the view settings, and tells the player whose move it is and why a move was
// refused.
#pragma once

#include <QMainWindow>

#include "GameHistory.h"

class F_Board;
class QAction;
class QActionGroup;
class QLabel;

class MainWindow : public QMainWindow {
    Q_OBJECT

  public:
    // The levels of the Level menu: 0 for the engine's own time rules, else a fixed depth.
    static constexpr int Levels[] = {0, 6, 4, 2};

    // Takes the form (a new F_Board when none is given) as its central widget.
    explicit MainWindow(F_Board* board = nullptr);

    // Start-up: the form's first game.
    void Start();
    F_Board& Board() const { return *board_; }
    // Takes the engine's game as it now stands as the next step, which take back undoes, and
    // shows it: for positions and games that reach the engine other than through the form.
    void RecordStep();
    // The status line's text.
    QString StatusText() const;

  public slots:
    void TakeBack();
    void Redo();
    // Ends the engine's search now; it plays the best move it has finished.
    void MoveNow();
    void SetLevel(int depth);
    void ShowHowToPlay();
    void ShowAbout();

  protected:
    // Closing while the engine thinks stops the search and closes once it has answered.
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildMenus();
    void OnGameStarted();
    void OnGameChanged(const QString& command);
    void OnEngineBusy(bool busy);
    void UpdateActions();
    void SetStatus(const QString& text);
    // The board shows the engine's game afresh, without frames or a picked piece.
    void ShowGameAfresh();

    F_Board* board_;
    QLabel* status_;
    GameHistory history_;
    bool closeWhenIdle_ = false;
    bool thinking_ = false;

    QAction* newGame_;
    QAction* save_;
    QAction* load_;
    QAction* takeBack_;
    QAction* redo_;
    QAction* moveNow_;
    QAction* force_;
    QActionGroup* levels_;
    QAction* rotate_;
    QAction* showStatistics_;
    QAction* howToPlay_;
    QAction* about_;
};
