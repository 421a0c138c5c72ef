// The program's main window: the form F_Board, unchanged, with a menu bar above it, the
// clocks and the move list beside it and a status line below. It owns the game session and
// its reports, and words what they say: the status line, the move list, the clocks and the
// message boxes at the end of a game. It keeps the playing level and the view settings.
#pragma once

#include <QMainWindow>
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "Analysis.h"
#include "AnalysisDialog.h"
#include "GameSession.h"
#include "Levels.h"

class AnalysisPanel;
class AnalysisRun;
class BoardArrow;
class ChessClock;
class ClipboardAndFiles;
class F_Board;
class MoveEntry;
class MoveList;
class QAction;
class QActionGroup;
class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;
class SessionSignals;
class Sounds;

class MainWindow : public QMainWindow {
    Q_OBJECT

  public:
    // Makes the form for the session (a plain F_Board when none is given).
    using FormMaker = std::function<F_Board*(ostrand::game::GameSession&, SessionSignals&)>;
    explicit MainWindow(const FormMaker& makeForm = nullptr);
    ~MainWindow() override;

    // Start-up: the form's first game.
    void Start();
    F_Board& Board() const { return *board_; }
    ostrand::game::GameSession& Session() const { return *session_; }
    SessionSignals& Reports() const { return *reports_; }
    // The status line's text.
    QString StatusText() const;

    // The language chosen in the View menu, a code such as "de"; empty for the system's.
    static QString LanguageSetting();

    // Positions and games in FEN and PGN, for the command line.
    ClipboardAndFiles& Exchange() const { return *exchange_; }

    // Analyses the game of the move list with engine, beside the game: the
    // player may go on playing and stepping through the moves meanwhile. False with a
    // warning when there is no game to analyse.
    bool Analyse(const ostrand::game::EngineChoice& engine);
    // The analysis shown, if any: kept while the move list's game goes on from its moves.
    const ostrand::game::GameAnalysis* ShownAnalysis() const;
    bool AnalysisRunning() const;
    // The move the analysis shows the verdict on (0 the game's first); none for the start.
    std::optional<size_t> ChosenMove() const;

  public slots:
    void TakeBack();
    void Redo();
    // Returns to a step of the game, as taking back or redoing to there would.
    void GoToStep(size_t step);
    // Ends the engine's search now; it plays the best move it has finished.
    void MoveNow();
    // Plays at the level, and varies the openings as the level does unless the player
    // chooses otherwise afterwards.
    void SetLevel(const ostrand::Level& level);
    // Lets the engine play from its opening book.
    void SetVaryOpenings(bool vary);
    // The rules of the next new game and set-ups; keep remembers them for the next start.
    void SetStandardRules(bool standard, bool keep = true);
    // Keeps code ("de"; empty for the system's) as the language of the next start.
    void SetLanguage(const QString& code);
    // The engine's suggestion for the player's move: framed in green on the board and named
    // in the status line.
    void ShowHint();
    // The form at percent of its design size, or at the largest scale that fits the screen,
    // with the window round it; kept in the settings with the window's size when keep is true.
    void SetZoom(int percent, bool keep = true);
    // The next zoom step up (+1) or down (-1) from the scale in force.
    void StepZoom(int step);
    // The time control of the next new games, kept in the settings when keep is true.
    void SetTimeControl(const ostrand::game::TimeControl& control, bool keep = true);
    void ShowHowToPlay();
    void ShowAbout();
    // Asks for a time control of the player's own and makes it the next games' one.
    void ChooseTimeControl();
    // Ends the game as a loss for the player.
    void Resign();
    // The engine accepts when its last search found it at least a pawn behind; otherwise
    // the game goes on.
    void OfferDraw();
    // Asks for the engine and its time, then analyses the game.
    void AnalyseGame();
    // Ends the analysis under way; what it found stays.
    void CancelAnalysis();
    // Goes to the step of the game's move (0 its first) and shows the analysis's verdict on it.
    void ChooseMove(size_t move);

  protected:
    // Closing while the engine thinks stops the search and closes once it has answered.
    void closeEvent(QCloseEvent* event) override;
    // Resized, by the player or the desktop, the form scales to fill the window.
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // The part of the screen that windows may take; a test gives one of its own.
    virtual QRect AvailableArea() const;

    // A message box with a warning; a test answers it instead of a user.
    virtual void Warn(const QString& title, const QString& text);
    // Minutes and seconds a move of one's own; nothing for Cancel.
    virtual std::optional<ostrand::game::TimeControl> AskTimeControl(
        const ostrand::game::TimeControl& current);
    // A message box that tells how the game ended, for the endings the engine does not
    // announce itself.
    virtual void Announce(const QString& text);
    // The engine and the time of an analysis; nothing for Cancel.
    virtual std::optional<AnalysisChoice> AskAnalysis();

  private:
    // Plays at the level and shows it chosen.
    void PlayAtLevel(const ostrand::Level& level);
    void BuildMenus();
    // The form, the menus, the status line, the clocks and the move list at percent.
    void ScaleTo(int percent);
    // The window's size that shows everything at the scale in force, nothing more.
    QSize NaturalSize();
    // Scales to the largest percent at which the window's contents fit in room.
    void ScaleToFit(const QSize& room);
    // The screen's room for the window, its frame taken off.
    QSize ScreenRoom() const;
    void KeepOnScreen();
    // The window's kept size, held within the screen; the kept zoom for a window that has none.
    void RestoreSize();
    // Fits the form to the window once the events in hand are done.
    void FitSoon();
    void FitToWindow();
    // The session's reports.
    void OnGameChanged();
    void OnThinking(bool thinking);
    void OnGameEnded(ostrand::game::Ending ending, const QString& words);
    void UpdateActions();
    void SetStatus(const QString& text);
    // The game's moves, the step on show highlighted.
    void ShowMoves();
    void ShowClocks();
    // In the status line.
    void ShowSetUpNote(const QString& note);
    void Notify(const QString& text);
    // The analysis's part: a position analysed, the run's end, and the game changed.
    void OnAnalysed(size_t index, const ostrand::game::PositionAnalysis& position, size_t total);
    void OnAnalysisEnded(const QString& error);
    // Keeps the analysis while the move list's game goes on from its moves, else drops it
    // and ends its run.
    void FollowAnalysis();
    // The marks in the move list, the panel and the arrow on the board.
    void ShowAnalysis();
    void ShowAnalysisPanel(bool shown);
    // The game with the analysis of its moves, for Save and Copy.
    ostrand::chess::PgnGame AnnotatedGame(const ostrand::chess::PgnGame& game) const;
    // Shows the analysis an opened game was annotated with.
    void ReadAnalysis(const ostrand::chess::PgnGame& game);

    SessionSignals* reports_;
    std::unique_ptr<ostrand::game::GameSession> session_;
    F_Board* board_;
    MoveList* moveList_;
    // Where the player types a move.
    MoveEntry* moveEntry_;
    QLabel* status_;
    ClipboardAndFiles* exchange_;
    ChessClock* clock_;
    Sounds* sounds_;
    // Reads the session's clocks.
    QTimer* ticker_;
    bool closeWhenIdle_ = false;

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
    QAction* showCoordinates_;
    QAction* playSounds_;
    QActionGroup* timeControls_;
    QAction* customTime_;
    QAction* standardRules_;
    // The size last given to the window by the program, which is not the player's to keep.
    QSize givenSize_;
    bool fitDue_ = false;
    // The menu bar's and the status line's heights at 100 %.
    std::optional<std::pair<int, int>> barHeights_;
    // The move list's width, row height and column widths at 100 %.
    std::vector<int> listDesign_;
    QAction* showMoveList_;
    QAction* analyseGame_;
    AnalysisRun* analysisRun_;
    AnalysisPanel* analysisPanel_;
    BoardArrow* arrow_;
    QProgressBar* analysisProgress_;
    QPushButton* cancelAnalysis_;
    std::optional<ostrand::game::GameAnalysis> analysis_;
    // The analysed moves in SAN, which the move list's moves must begin with.
    std::vector<std::string> analysedSan_;
    // The move chosen in the list or the graph, while its step is on show.
    std::optional<size_t> chosenMove_;
    // The player asked for the run to end.
    bool analysisCancelled_ = false;
    QAction* howToPlay_;
    QAction* about_;
};
