// The program's main window: the form F_Board, unchanged, with a menu bar above it and a
// status line below. It keeps the steps of the game for take back and redo, the playing
// level and the view settings, and tells the player whose move it is and why a move was
// refused.
#pragma once

#include <QMainWindow>
#include <QStringList>
#include <optional>

#include "GameHistory.h"
#include "Pgn.h"

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

    // The names a saved game gives the two sides.
    static constexpr const char* PlayerName = "Player";
    static QString EngineName();
    // The language chosen in the View menu, a code such as "de"; empty for the system's.
    static QString LanguageSetting();

    // Sets up a position in FEN as the next step: the player keeps their colour and the
    // engine moves at once when the position gives it the move. A text that is no position
    // is refused with a message and changes nothing.
    bool SetUpFen(const QString& fen);
    // Plays a PGN file's game (the one the player chooses when it holds several) as the next
    // steps, a move of the player with the engine's answer at a time. A game the engine's
    // rules cannot follow is refused with a message that names the move, and changes nothing.
    bool OpenPgnFile(const QString& path);
    // Writes the game since its start, or since the last edit, paste or load, to path.
    bool SavePgnFile(const QString& path);

  public slots:
    void TakeBack();
    void Redo();
    // Ends the engine's search now; it plays the best move it has finished.
    void MoveNow();
    void SetLevel(int depth);
    // Keeps code ("de"; empty for the system's) as the language of the next start.
    void SetLanguage(const QString& code);
    void ShowHowToPlay();
    void ShowAbout();
    // The position's FEN to the clipboard.
    void CopyPosition();
    // Sets up the clipboard's FEN.
    void PastePosition();
    void OpenPgn();
    void SaveGameAsPgn();

  protected:
    // Closing while the engine thinks stops the search and closes once it has answered.
    void closeEvent(QCloseEvent* event) override;

    // The dialogs, which a test answers instead of a user: an empty name or nothing for
    // Cancel. ChooseGame returns the index of one of games.
    virtual QString AskOpenFileName(const QString& folder);
    virtual QString AskSaveFileName(const QString& suggestion);
    virtual std::optional<int> ChooseGame(const QStringList& games);
    // A message box with a warning.
    virtual void Warn(const QString& title, const QString& text);

  private:
    void BuildMenus();
    void OnGameStarted();
    void OnGameChanged(const QString& command);
    void OnEngineBusy(bool busy);
    void UpdateActions();
    void SetStatus(const QString& text);
    // Whether the board holds a chess position; if not, says so under the action's name.
    bool HoldsChessPosition(const QString& action);
    // Puts a step of the history back: the engine's game, its record and the board.
    void ReturnTo(const GameState& state);
    // The board shows the engine's game afresh, without frames or a picked piece.
    void ShowGameAfresh();
    // The engine's game and its record as they stand, as the next step.
    void PushStep();
    ostrand::chess::Colour EngineColour() const;
    // Plays a game read from name on the engine's board, as OpenPgnFile describes.
    bool PlayGame(const ostrand::chess::PgnGame& game, const QString& name);
    // What the engine's board leaves out of a position it was given, in the status line.
    void ShowSetUpNote(const std::string& note);
    // The folder the PGN dialogs open in: the last one used, else the documents folder.
    QString PgnFolder() const;

    F_Board* board_;
    QLabel* status_;
    GameHistory history_;
    // The game in standard notation, for copying and saving.
    GameRecord record_;
    bool closeWhenIdle_ = false;
    bool thinking_ = false;

    QAction* newGame_;
    QAction* save_;
    QAction* load_;
    QAction* copyPosition_;
    QAction* pastePosition_;
    QAction* openPgn_;
    QAction* savePgn_;
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
