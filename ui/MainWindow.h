// The program's main window: the form F_Board, unchanged, with a menu bar above it and a
// status line below. It keeps the steps of the game for take back and redo, the playing
// level and the view settings, and tells the player whose move it is and why a move was
// refused.
#pragma once

#include <QMainWindow>
#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

#include "ChessClock.h"
#include "GameExchange.h"
#include "GameHistory.h"
#include "Levels.h"

class F_Board;
class MoveList;
class QAction;
class QActionGroup;
class QLabel;

class MainWindow : public QMainWindow, private GameExchange::Host {
    Q_OBJECT

  public:
    // Takes the form (a new F_Board when none is given) as its central widget.
    explicit MainWindow(F_Board* board = nullptr);

    // Start-up: the form's first game.
    void Start();
    F_Board& Board() const override { return *board_; }
    // Takes the engine's game as it now stands as the next step, which take back undoes, and
    // shows it: for positions and games that reach the engine other than through the form.
    void RecordStep();
    // The status line's text.
    QString StatusText() const;

    // The language chosen in the View menu, a code such as "de"; empty for the system's.
    static QString LanguageSetting();

    // Positions and games in FEN and PGN, for the command line.
    GameExchange& Exchange() const { return *exchange_; }

  public slots:
    void TakeBack();
    void Redo();
    // Returns to a step of the history, as taking back or redoing to there would.
    void GoToStep(size_t step);
    // Ends the engine's search now; it plays the best move it has finished.
    void MoveNow();
    // Plays at the level, and varies the openings as the level does unless the player
    // chooses otherwise afterwards.
    void SetLevel(const ostrand::Level& level);
    // Lets the engine play from its opening book.
    void SetVaryOpenings(bool vary);
    // Keeps code ("de"; empty for the system's) as the language of the next start.
    void SetLanguage(const QString& code);
    // The engine's suggestion for the player's move: framed in green on the board and named
    // in the status line.
    void ShowHint();
    // One of the form's zoom steps, kept in the settings when keep is true.
    void SetZoom(int percent, bool keep = true);
    // The next step up (+1) or down (-1).
    void StepZoom(int step);
    // The time control of the next new games, kept in the settings when keep is true.
    void SetTimeControl(const TimeControl& control, bool keep = true);
    ChessClock& Clock() const { return *clock_; }
    void ShowHowToPlay();
    void ShowAbout();
    // Asks for a time control of the player's own and makes it the next games' one.
    void ChooseTimeControl();
    // Ends the game as a loss for the player.
    void Resign();
    // The engine accepts when its last search found it at least a pawn behind; otherwise
    // the game goes on.
    void OfferDraw();

  protected:
    // Closing while the engine thinks stops the search and closes once it has answered.
    void closeEvent(QCloseEvent* event) override;

    // The dialogs, which a test answers instead of a user: an empty name or nothing for
    // Cancel. ChooseGame returns the index of one of games.
    QString AskOpenFileName(const QString& folder) override;
    QString AskSaveFileName(const QString& suggestion) override;
    std::optional<int> ChooseGame(const QStringList& games) override;
    // A message box with a warning.
    void Warn(const QString& title, const QString& text) override;
    // Minutes and seconds a move of one's own; nothing for Cancel.
    virtual std::optional<TimeControl> AskTimeControl(const TimeControl& current);
    // A message box that tells how the game ended.
    virtual void Announce(const QString& text);

  private:
    // Plays at the level and shows it chosen.
    void PlayAtLevel(const ostrand::Level& level);
    void BuildMenus();
    void OnGameStarted();
    void OnGameChanged(const QString& command);
    void OnEngineBusy(bool busy);
    void UpdateActions();
    void SetStatus(const QString& text);
    // Puts a step of the history back: the engine's game, its record and the board.
    void ReturnTo(const GameState& state);
    ostrand::chess::Colour EngineColour() const;
    // The game's moves, the step on show highlighted.
    void ShowMoves();
    // The board, its frames, the status line and the actions for the step on show.
    void ShowGame();
    // Adds the game as it stands as the next step; false when it is the step on show.
    bool PushNewStep();
    std::string LastEngineMove() const;
    void AnnounceEnding();
    // Answers a command in the engine's place when the game has ended by a rule the engine
    // does not know, or when the player's move ends it so.
    std::optional<std::string> AnswerFirst(const std::string& command);

    // What the exchange of positions and games asks of the window.
    GameRecord& Record() override { return record_; }
    void PushStep() override;
    // The board shows the engine's game afresh, without frames or a picked piece.
    void ShowGameAfresh() override;
    // In the status line.
    void ShowSetUpNote(const std::string& note) override;
    void Notify(const QString& text) override;
    std::string PgnResult() const override;
    std::string Termination() const override;
    std::string TimeControlTag() const override;
    // The clock of the side to move runs, none once the game is over.
    void FollowClock();
    void OnFlagged(ChessClock::Side side);
    // Ends the game on time for the side whose flag fell, once the engine has answered.
    void SettleOnTime();
    // Before the record follows command: a move the engine made after its flag fell.
    void TakeBackLateMove(const std::string& command);

    F_Board* board_;
    MoveList* moveList_;
    QLabel* status_;
    GameHistory history_;
    // The game in standard notation, for copying and saving.
    GameRecord record_;
    GameExchange* exchange_;
    // The engine's last search score, for a draw offer; none since the game changed
    // otherwise.
    std::optional<int> engineScore_;
    bool closeWhenIdle_ = false;
    bool thinking_ = false;

    QAction* newGame_;
    QAction* save_;
    QAction* load_;
    QAction* copyPosition_;
    QAction* pastePosition_;
    QAction* openPgn_;
    QAction* savePgn_;
    QAction* copyGame_;
    QAction* offerDraw_;
    QAction* resign_;
    QAction* takeBack_;
    QAction* redo_;
    QAction* first_;
    QAction* last_;
    QAction* moveNow_;
    QAction* force_;
    QAction* hint_;
    QActionGroup* levels_;
    QAction* varyOpenings_;
    // Why the opening book could not be read, until it is reported.
    QString bookProblem_;
    QAction* rotate_;
    QAction* showStatistics_;
    QActionGroup* zooms_;
    QAction* showLegalMoves_;
    QActionGroup* timeControls_;
    QAction* customTime_;
    ChessClock* clock_;
    // The menu bar's and the status line's heights at 100 %.
    std::optional<std::pair<int, int>> barHeights_;
    // The move list's width, row height and column widths at 100 %.
    std::vector<int> listDesign_;
    TimeControl nextControl_;
    // A side whose time ran out while the engine was busy.
    std::optional<ChessClock::Side> flagged_;
    // The command of the game under way that the engine is answering: its search is on the
    // game's clock. Empty for a new game's opening move, made before its clocks start.
    std::string answering_;
    QAction* showMoveList_;
    QAction* howToPlay_;
    QAction* about_;
};
