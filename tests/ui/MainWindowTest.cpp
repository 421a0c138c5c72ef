// The main window round the form: take back and redo, levels, "Move now", the status line,
// the New Game question, the view settings, and positions and games in standard notation.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <tuple>

#include "ChessClock.h"
#include "ClipboardAndFiles.h"
#include "EngineBoard.h"
#include "F_Board.h"
#include "GameSession.h"
#include "GameSnapshot.h"
#include "Levels.h"
#include "MainWindow.h"
#include "MoveEntry.h"
#include "MoveList.h"
#include "PictureBox.h"
#include "Search.h"
#include "SessionSignals.h"
#include "Sounds.h"
#include "Support.h"

namespace {

namespace game = ostrand::game;

// A form whose messages the test takes, and which asks the real question only when told.
class TestBoard : public F_Board {
  public:
    using F_Board::F_Board;
    bool realQuestion = false;
    bool realMessages = false;
    bool playWhite = true;
    std::function<void(const std::string&)> onMessage;
    void ShowMessage(const std::string& text) override {
        if (onMessage) onMessage(text);
        if (realMessages) F_Board::ShowMessage(text);
    }

  protected:
    std::optional<bool> AskYesNo(const QString& title, const QString& text) override {
        return realQuestion ? F_Board::AskYesNo(title, text) : playWhite;
    }
};

// A window whose file dialogs, game chooser and warnings the test answers.
class TestWindow : public MainWindow {
  public:
    TestWindow()
        : MainWindow([](game::GameSession& session, SessionSignals& reports) {
              return new TestBoard(session, reports);
          }) {
        Exchange().AskOpenFileName = [this](const QString&) { return file; };
        Exchange().AskSaveFileName = [this](const QString&) { return file; };
        Exchange().ChooseGame = [this](const QStringList& games) {
            offered = games;
            return choice;
        };
    }
    QString file;
    std::optional<int> choice = 0;
    QStringList offered;
    QStringList warnings;
    QStringList announced;

  protected:
    void Warn(const QString&, const QString& text) override { warnings << text; }
    std::optional<game::TimeControl> AskTimeControl(const game::TimeControl&) override {
        return game::TimeControl{2.5, 1};
    }
    void Announce(const QString& text) override { announced << text; }
    QRect AvailableArea() const override { return available; }

  public:
    QRect available{0, 0, 1920, 1080};
};

QAction* Action(const MainWindow& window, const QString& name) {
    return window.findChild<QAction*>(name);
}

void Play(F_Board& board, const QString& move) {
    for (int k : {0, 2})
        QTest::mouseClick(&board.c(move[k].digitValue() + 8 * (move[k + 1].digitValue() - 1)),
                          Qt::LeftButton);
}

// The squares show the session's board with the engine's last move framed, and nothing else.
bool ShowsTheGame(F_Board& board) {
    const QImage shown = board.grab().toImage();
    board.PrintBoard();
    board.FrameEngineMove();
    return board.grab().toImage() == shown;
}

std::optional<game::SquareMove> EngineMove(const MainWindow& window) {
    return window.Session().LastEngineMove();
}

// The whole form shows between the menus and the status line, with the room it leaves shared
// evenly on either side.
QRect Content(const MainWindow& window) {
    QRect content = window.Board().geometry();
    if (const auto* list = window.findChild<MoveList*>(); list->isVisible())
        content |= list->geometry();
    return content;
}

bool ShowsAll(const MainWindow& window) {
    const QWidget* central = window.centralWidget();
    const QRect content = Content(window);
    return central->rect().contains(content) &&
           central->geometry().top() > window.menuBar()->geometry().bottom() &&
           window.statusBar()->geometry().bottom() < window.height() &&
           std::abs(content.left() - (central->width() - 1 - content.right())) <= 1 &&
           std::abs(content.top() - (central->height() - 1 - content.bottom())) <= 1;
}

// The room of one side or the other is nearly all taken: the next scale would not fit.
bool Fills(const QSize& size, const QSize& room) {
    return size.width() * 100 > room.width() * 98 || size.height() * 100 > room.height() * 98;
}

// A position as the board shows it, with the player on white to move.
QString Fen(const QString& placement) {
    return placement + " w - - 0 1";
}

bool Is(const ostrand::GameSnapshot& state) {
    return ostrand::GameSnapshot::Capture() == state;
}

// What a game leaves on the engine's board; the search's stage and the record aside.
auto Standing() {
    return std::tuple(ostrand::Board, ostrand::CastleFlags, ostrand::MoveCount);
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    QTemporaryDir settingsFolder;

    // depth: that of a level without weakness, 0 for full strength.
    std::unique_ptr<TestWindow> Open(int depth = 2, bool playWhite = true,
                                     const QRect& screen = QRect(0, 0, 1920, 1080)) {
        auto window = std::make_unique<TestWindow>();
        window->available = screen;
        window->SetLevel(*std::find_if(ostrand::Levels.begin(), ostrand::Levels.end(),
                                       [depth](const ostrand::Level& level) {
                                           return level.depth == depth && level.chance == 0 &&
                                                  level.style == ostrand::SearchStyle::Designed;
                                       }));
        window->Start();
        window->show();
        if (!playWhite) {
            Board(*window).playWhite = false;
            Action(*window, "newGame")->trigger();
        }
        return window;
    }
    static TestBoard& Board(const MainWindow& window) {
        return static_cast<TestBoard&>(window.Board());
    }

  private slots:
    void initTestCase() {
        QVERIFY(settingsFolder.isValid());
        QCoreApplication::setApplicationName("ostrand-chess");
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder.path());
    }
    void init() { QSettings("ostrand-chess", "ostrand-chess").clear(); }

    void takeBackAndRedoRestoreTheEngineAndTheBoard_data() {
        QTest::addColumn<QString>("start");  // a position put on the board first, or none
        QTest::addColumn<QStringList>("moves");
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("status");
        QTest::newRow("castling") << "" << QStringList{"7163", "5253", "6152", "5171"} << 2
                                  << "Your move";
        QTest::newRow("promotion")
            << "k7/7P/8/8/8/8/8/4K3" << QStringList{"8788", "8878"} << 2 << "Your move";
        QTest::newRow("checkmate")
            << "" << QStringList{"6263", "7274", "1213"} << 4 << "Checkmate — Ostrand wins";
    }

    void takeBackAndRedoRestoreTheEngineAndTheBoard() {
        QFETCH(QString, start);
        QFETCH(QStringList, moves);
        QFETCH(int, level);
        QFETCH(QString, status);
        auto window = Open(level);
        std::vector<ostrand::GameSnapshot> states{ostrand::GameSnapshot::Capture()};
        std::vector<std::optional<game::SquareMove>> replies{std::nullopt};
        if (!start.isEmpty()) {
            QVERIFY(window->Exchange().SetUpFen(Fen(start)));
            states.push_back(ostrand::GameSnapshot::Capture());
            replies.push_back(std::nullopt);
        }
        for (const QString& move : moves) {
            Play(Board(*window), move);
            QVERIFY(EngineMove(*window));
            states.push_back(ostrand::GameSnapshot::Capture());
            replies.push_back(EngineMove(*window));
        }
        QCOMPARE(window->StatusText(), status);

        for (size_t i = states.size() - 1; i-- > 0;) {
            Action(*window, "takeBack")->trigger();
            QVERIFY(Is(states[i]));
            QVERIFY(EngineMove(*window) == replies[i]);
            QVERIFY(ShowsTheGame(Board(*window)));
        }
        QVERIFY(!Action(*window, "takeBack")->isEnabled());
        QCOMPARE(window->StatusText(), QString("Your move"));
        for (size_t i = 1; i < states.size(); ++i) {
            Action(*window, "redo")->trigger();
            QVERIFY(Is(states[i]));
            QVERIFY(EngineMove(*window) == replies[i]);
            QVERIFY(ShowsTheGame(Board(*window)));
        }
        QVERIFY(!Action(*window, "redo")->isEnabled());
        QCOMPARE(window->StatusText(), status);

        // A new step after a take back ends the redo.
        Action(*window, "takeBack")->trigger();
        QVERIFY(Action(*window, "redo")->isEnabled());
        Action(*window, "force")->trigger();
        QVERIFY(!Action(*window, "redo")->isEnabled());
    }

    // The engine searches from the player's side on a copy: on either colour it finds the
    // player's mate, and the game, the history and the statistics are as they were.
    void aHintLeavesTheGameAsItWas_data() {
        QTest::addColumn<bool>("playWhite");
        QTest::addColumn<QString>("fen");
        QTest::addColumn<QString>("san");
        QTest::newRow("white") << true << "6k1/5ppp/8/8/8/8/5PPP/3R2K1 w - - 0 1"
                               << "Rd8#";
        QTest::newRow("black") << false << "3r2k1/5ppp/8/8/8/8/5PPP/6K1 b - - 0 1"
                               << "Rd1#";
    }

    void aHintLeavesTheGameAsItWas() {
        QFETCH(bool, playWhite);
        QFETCH(QString, fen);
        QFETCH(QString, san);
        auto window = Open(4, playWhite);
        F_Board& board = Board(*window);
        Play(board, "5254");
        QVERIFY(window->Exchange().SetUpFen(fen));
        const ostrand::GameSnapshot game = ostrand::GameSnapshot::Capture();
        const QString statistics = board.Label1->text() + board.Label18->text();
        Action(*window, "hint")->trigger();
        QCOMPARE(window->StatusText(), "Hint: " + san);
        QVERIFY(Is(game));
        QCOMPARE(board.Label1->text() + board.Label18->text(), statistics);
        QCOMPARE(board.c(4).Image().pixel(0, 0) & 0xFFFFFF, 0x00A000u);
        QCOMPARE(board.c(4 + 56).Image().pixel(0, 0) & 0xFFFFFF, 0x00A000u);
        Action(*window, "takeBack")->trigger();
        QCOMPARE(ostrand::MoveCount, int16_t(playWhite ? 2 : 3));
        Action(*window, "redo")->trigger();
        QVERIFY(Is(game));
        Play(board, "4148");
        QCOMPARE(window->StatusText(), QString("Checkmate — you win"));
    }

    // On a 0.1+2 clock, a stopped test clock: the engine thinks on a budget, the increment
    // follows each move, take back leaves both clocks, and a fallen flag ends the game as a
    // loss, or a draw when the other side has nothing to mate with.
    void aFlagFallEndsTheGame_data() {
        QTest::addColumn<QString>("fen");
        QTest::addColumn<bool>("engineFlags");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("result");
        QTest::newRow("player") << "" << false << "Your time is up — Ostrand wins"
                                << "0-1";
        QTest::newRow("engine") << "" << true << "Ostrand's time is up — you win"
                                << "1-0";
        QTest::newRow("bare king") << "4k3/8/8/8/8/8/8/R3K3 w - - 0 1" << false
                                   << "Your time is up, but Ostrand cannot mate — draw"
                                   << "1/2-1/2";
        // Its move after the flag fell would mate: too late, it does not count.
        QTest::newRow("late mate")
            << "k7/8/8/8/8/8/Pr3PPP/1Q4K1 w - - 0 1" << true << "Ostrand's time is up — you win"
            << "1-0";
    }

    void aFlagFallEndsTheGame() {
        QFETCH(QString, fen);
        QFETCH(bool, engineFlags);
        QFETCH(QString, status);
        QFETCH(QString, result);
        static double now = 1000;
        ostrand::SetClock([] { return now; });
        using Side = game::Side;
        auto window = std::make_unique<TestWindow>();
        window->SetLevel(ostrand::Levels[3]);  // depth 4
        window->SetTimeControl({0.1, 2});
        window->Start();
        game::GameSession& session = window->Session();
        QCOMPARE(session.ClockRunning(), std::optional<Side>(Side::Player));
        if (!fen.isEmpty()) QVERIFY(window->Exchange().SetUpFen(fen));

        double budget = 0;
        // The flag falls once a first move is found, which the engine then plays.
        connect(&window->Reports(), &SessionSignals::depthReached, [&](int depth) {
            budget = ostrand::SearchBudget.limit;
            if (engineFlags && depth > 2) now += 10, session.Tick();
        });
        now += 1;
        Play(Board(*window), fen.isEmpty() ? "5254" : engineFlags ? "1213" : "1112");
        if (fen.isEmpty()) QVERIFY(budget > 0 && budget <= 3);
        QCOMPARE(ostrand::SearchBudget.limit, 0.0);
        if (!engineFlags) {
            QCOMPARE(session.Remaining(Side::Player), 7000);
            QCOMPARE(session.Remaining(Side::Engine), 8000);
            QStringList shown;
            for (const QLabel* label : window->findChild<ChessClock*>()->findChildren<QLabel*>())
                shown << label->text();
            QCOMPARE(shown, (QStringList{"You: 0:07.0", "Ostrand: 0:08.0"}));
            Action(*window, "takeBack")->trigger();
            QCOMPARE(session.Remaining(Side::Player), 7000);
            QCOMPARE(session.Remaining(Side::Engine), 8000);
            // Forced out of turn, the engine earns the increment, not the player.
            Action(*window, "force")->trigger();
            QCOMPARE(session.Remaining(Side::Player), 7000);
            QCOMPARE(session.Remaining(Side::Engine), 10000);
            now += 7;
            session.Tick();
        }
        ostrand::SetClock(nullptr);
        QCOMPARE(window->StatusText(), status);
        QVERIFY(!session.ClockRunning());
        QCOMPARE(window->announced, QStringList{status});
        Action(*window, "copyGame")->trigger();
        const QString pgn = QGuiApplication::clipboard()->text();
        QVERIFY(pgn.contains("[Result \"" + result + "\"]"));
        QVERIFY(pgn.contains("[TimeControl \"6+2\"]"));
        QVERIFY(pgn.contains("[Termination \"time forfeit\"]"));
        const auto game = ostrand::GameSnapshot::Capture();
        Play(Board(*window), "7163");
        QVERIFY(Is(game));
        // Stepping back through the game keeps the flag down and the steps after it.
        Action(*window, "takeBack")->trigger();
        QCOMPARE(window->StatusText(), status);
        QVERIFY(!session.ClockRunning() && Action(*window, "redo")->isEnabled());
        // A move refused there cuts nothing short.
        if (fen.isEmpty()) {
            Play(Board(*window), "7163");
            QCOMPARE(window->StatusText(), QString("The game is over: start a new game"));
            QVERIFY(Action(*window, "redo")->isEnabled());
        }
        // A position set up after the flag fell is played on clocks of its own.
        QVERIFY(window->Exchange().SetUpFen("4k3/8/8/8/8/8/8/R3K3 w - - 0 1"));
        session.Tick();
        QCOMPARE(window->StatusText(), QString("Your move"));
        budget = -1;
        connect(&window->Reports(), &SessionSignals::depthReached,
                [&budget] { budget = ostrand::SearchBudget.limit; });
        Board(*window).playWhite = false;
        Action(*window, "newGame")->trigger();
        QCOMPARE(budget, 0.0);
        budget = -1;
        Action(*window, "newGame")->trigger();
        QCOMPARE(budget, 0.0);
    }

    // A new control waits for the next new game and is kept for the next start.
    void theTimeControlIsKeptAndUsedFromTheNextGame() {
        {
            auto window = Open();
            Action(*window, "time5+0")->trigger();
            QVERIFY(!window->Session().Control().Timed());
            Action(*window, "newGame")->trigger();
            QCOMPARE(window->Session().Control(), (game::TimeControl{5, 0}));
            Action(*window, "timeCustom")->trigger();
            QCOMPARE(Action(*window, "timeCustom")->text(), QString("Custom (2.5+1)…"));
        }
        TestWindow again;
        QVERIFY(Action(again, "timeCustom")->isChecked());
        QVERIFY(!Action(again, "time5+0")->isChecked());
        again.Start();
        QCOMPARE(again.Session().Control(), (game::TimeControl{2.5, 1}));
    }

    void theLevelAndTheVarietyAreKeptAcrossARestart() {
        // An earlier version kept the depth.
        QSettings("ostrand-chess", "ostrand-chess").setValue("level", 4);
        {
            TestWindow first;
            QVERIFY(Action(first, "level3")->isChecked());
            QVERIFY(Action(first, "level3")->text().startsWith("Depth 4 (about "));
            QCOMPARE(first.Session().PlayingLevel().depth, int16_t{4});
            QVERIFY(!first.Session().Book());
            // The beginners' level varies the openings unless the player says otherwise.
            Action(first, "level6")->trigger();
            QVERIFY(Action(first, "varyOpenings")->isChecked());
            Action(first, "varyOpenings")->trigger();
            QVERIFY(!first.Session().Book());
        }
        QVERIFY(QFile::exists(settingsFolder.filePath("ostrand-chess/ostrand-chess.conf")));
        TestWindow second;
        QVERIFY(Action(second, "level6")->isChecked());
        QCOMPARE(second.Session().PlayingLevel().chance, ostrand::Levels.back().chance);
        QVERIFY(!Action(second, "varyOpenings")->isChecked());
        QVERIFY(!second.Session().Book());
        Action(second, "level1")->trigger();
        QCOMPARE(second.Session().PlayingLevel().depth, int16_t{0});
        QCOMPARE(second.Session().PlayingLevel().chance, 0);
    }

    // Space in the depth-4 iteration of a full-strength search: the engine plays the depth-2
    // move at once and takes the next move as usual.
    void moveNowEndsAFullStrengthSearch() {
        auto window = Open(0);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        int pollsAfterSpace = 0;
        connect(&window->Reports(), &SessionSignals::eventsDue, [&] {
            if (window->StatusText() != "Thinking… depth 4") return;
            ++pollsAfterSpace;
            QVERIFY(Action(*window, "moveNow")->isEnabled());
            QTest::keyClick(window.get(), Qt::Key_Space);
        });
        for (const char* move : {"5254", "7163"}) {
            pollsAfterSpace = 0;
            Play(Board(*window), move);
            QVERIFY(EngineMove(*window));
            QCOMPARE(pollsAfterSpace, 1);
            QVERIFY(!ostrand::StopRequested);
        }
        QCOMPARE(ostrand::MoveCount, int16_t{4});
        QVERIFY(!Action(*window, "moveNow")->isEnabled());
        QCOMPARE(window->StatusText(), QString("Your move"));
    }

    void theNewGameQuestion_data() {
        QTest::addColumn<QString>("answer");
        QTest::newRow("Escape keeps the game") << "Escape";
        QTest::newRow("closing keeps the game") << "close";
        QTest::newRow("No starts a game as black") << "No";
    }

    void theNewGameQuestion() {
        QFETCH(QString, answer);
        auto window = Open();
        TestBoard& board = Board(*window);
        board.realQuestion = true;
        Play(board, "5254");
        QTest::mouseClick(&board.c(7), Qt::LeftButton);  // picks the knight on (7,1)
        const auto before = ostrand::GameSnapshot::Capture();
        QTimer::singleShot(0, [answer] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            if (answer == "Escape") QTest::keyClick(box, Qt::Key_Escape);
            if (answer == "close") box->close();
            if (answer == "No") box->button(QMessageBox::No)->click();
        });
        Action(*window, "newGame")->trigger();
        const bool kept = answer != "No";
        QCOMPARE(Is(before), kept);
        QCOMPARE(int{board.ClickState}, kept ? 2 : 1);
        QCOMPARE(int{board.PlayerSide}, kept ? 0 : 1);
        QCOMPARE(int{ostrand::MoveCount}, kept ? 2 : 1);
        QCOMPARE(Action(*window, "takeBack")->isEnabled(), kept);
        QCOMPARE(board.c(5 + 8).toolTip(), QString(kept ? "e2" : "e7"));  // as black sees it
        // Playing black, the engine has opened, and its move is framed.
        if (!kept) QVERIFY(EngineMove(*window) && ShowsTheGame(board));
    }

    // Each row: the player's colour, the position, the typed text, then the move played (long
    // algebraic) and the accessible name of the square it went to, or the refusal.
    void movesAreTypedInTheMoveBox_data() {
        QTest::addColumn<QStringList>("row");
        QTest::newRow("castling") << QStringList{"w", "r3k3/pppppppp/8/8/8/8/8/4K2R w K - 0 1",
                                                 "O-O", "e1g1", "g1, white king"};
        QTest::newRow("capture, long algebraic") << QStringList{
            "w", "4k3/8/8/3p4/4P3/8/8/4K3 w - - 0 1", "e4d5", "e4d5", "d5, white pawn"};
        QTest::newRow("promotion on black") << QStringList{"b", "k7/8/8/8/8/8/4p2K/8 b - - 0 1",
                                                           "e1=Q", "e2e1q", "e1, black queen"};
        QTest::newRow("mate") << QStringList{"w", "k7/pp6/8/8/8/8/8/3R2K1 w - - 0 1", "Rd8#",
                                             "d1d8", "d8, white rook"};
        QTest::newRow("pinned") << QStringList{"w", "k3r3/8/8/8/8/8/4B3/4K3 w - - 0 1", "Bd3",
                                               "Your king would be in check"};
        QTest::newRow("no move") << QStringList{
            "b", "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq - 0 1", "e5e4",
            "That piece cannot move there"};
    }

    // The box takes the keys after "/", tells a refusal as a click would and keeps the text;
    // the screen reader hears the engine's reply or the game's end.
    void movesAreTypedInTheMoveBox() {
        QFETCH(QStringList, row);
        auto window = Open(2, row[0] == "w");
        QVERIFY(window->Exchange().SetUpFen(row[1]));
        auto* entry = window->findChild<MoveEntry*>();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(window.get(), Qt::Key_Slash);
        QVERIFY(entry->hasFocus());
        QTest::keyClicks(entry, row[2]);
        QTest::keyClick(entry, Qt::Key_Return);
        const std::vector<ostrand::chess::Move>& moves = window->Session().Record().Moves();
        if (row.size() == 4) {
            QCOMPARE(window->StatusText(), row[3]);
            QCOMPARE(entry->text(), row[2]);
            QVERIFY(moves.empty());
            return;
        }
        QCOMPARE(QString::fromStdString(ostrand::chess::MoveText(moves.front())), row[3]);
        QVERIFY(entry->text().isEmpty());
        const int file = row[3][2].unicode() - 'a' + 1, rank = row[3][3].digitValue();
        QCOMPARE(
            Board(*window).c(file + 8 * ((row[0] == "w" ? rank : 9 - rank) - 1)).accessibleName(),
            row[4]);
        const bool over = window->Session().CurrentStatus().ending != game::Ending::None;
        QCOMPARE(entry->isEnabled(), !over);
        const QList<QLabel*> labels = window->statusBar()->findChildren<QLabel*>();
        const auto status = std::find_if(labels.begin(), labels.end(), [&](const QLabel* label) {
            return label->text() == window->StatusText();
        });
        QVERIFY(status != labels.end());
        const QString told = (*status)->accessibleDescription();
        QVERIFY2(over ? told == "Checkmate — you win" : told.startsWith("Ostrand plays "),
                 qPrintable(told));
    }

    // Each row: a position put on the board first (or none), a move (or none), the status.
    void theStatusLineSaysHowTheGameStands_data() {
        QTest::addColumn<QStringList>("row");
        QTest::newRow("unreachable") << QStringList{"", "5255", "That piece cannot move there"};
        QTest::newRow("pinned") << QStringList{"k3r3/8/8/8/8/8/4B3/4K3", "5243",
                                               "Your king would be in check"};
        QTest::newRow("check") << QStringList{"k3r3/8/8/8/8/8/8/4K3", "", "Check!"};
        QTest::newRow("mate") << QStringList{"k7/pp6/8/8/8/8/8/3R2K1", "4148",
                                             "Checkmate — you win"};
        QTest::newRow("stalemate") << QStringList{"4k3/8/8/8/8/8/2q5/K7", "", "Stalemate — draw"};
    }

    void theStatusLineSaysHowTheGameStands() {
        QFETCH(QStringList, row);
        auto window = Open();
        QCOMPARE(window->StatusText(), QString("Your move"));
        if (!row[0].isEmpty()) QVERIFY(window->Exchange().SetUpFen(Fen(row[0])));
        // A notice does not hide what the move brings.
        Action(*window, "copyPosition")->trigger();
        if (!row[1].isEmpty()) Play(Board(*window), row[1]);
        QCOMPARE(window->StatusText(), row[2]);
        if (!row[1].isEmpty()) QCOMPARE(window->statusBar()->currentMessage(), QString());
    }

    // Unticked, the statistics lines and the bar are blank while the engine writes on.
    void theStatisticsCanBeHiddenAndEveryControlExplainsItself() {
        auto window = Open(4);
        F_Board& board = Board(*window);
        Action(*window, "showStatistics")->trigger();
        Play(board, "5254");
        QCOMPARE(board.Label1->text(), QString());
        QCOMPARE(board.ProgressBar->value(), board.ProgressBar->minimum());
        const std::string& nodes = window->Session().Statistic(ostrand::StatusLabel::Nodes);
        QVERIFY(nodes.starts_with("Nodes: "));
        Action(*window, "showStatistics")->trigger();
        QCOMPARE(board.Label1->text().toStdString(), nodes);

        // Only the title, the logo, the credit and the frame round "Edit" go without one, and
        // what the pointer passes through (a dragged piece).
        const QList<QWidget*> plain{board.Label16, board.Picture1, board.Label14, board.Shape1};
        for (QWidget* control : board.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!plain.contains(control) &&
                !control->testAttribute(Qt::WA_TransparentForMouseEvents))
                QVERIFY2(!control->toolTip().isEmpty(), control->metaObject()->className());
        QCOMPARE(board.c(5 + 8).toolTip(), QString("e2"));
    }

    // Each row: the player's colour (w or b), the FEN, whether the engine moves, the status.
    void pastePositionSetsUpTheFen_data() {
        QTest::addColumn<QStringList>("row");
        QTest::newRow("engine to move")
            << QStringList{"w", "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1",
                           "moves", "Your move"};
        QTest::newRow("engine to move, mirrored") << QStringList{
            "b", "4k3/pppppppp/8/8/8/8/PPPPPPPP/4K3 w - - 0 10", "moves", "Your move"};
        QTest::newRow("player to move")
            << QStringList{"w", "4k3/8/8/8/8/8/4P3/4K3 w - - 0 1", "", "Your move"};
        QTest::newRow("en passant left out") << QStringList{
            "w", "4k3/8/8/8/3pP3/8/8/4K3 b - e3 0 1", "moves", "Set up without en passant on e3"};
        QTest::newRow("no kings") << QStringList{"w", "8/8/8/8/8/8/8/8 w - - 0 1", "", ""};
        QTest::newRow("nine squares a rank")
            << QStringList{"w", "rnbqkbnrr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w - - 0 1", "", ""};
    }

    void pastePositionSetsUpTheFen() {
        QFETCH(QStringList, row);
        auto window = Open(2, row[0] == "w");
        const auto engine =
            row[0] == "w" ? ostrand::chess::Colour::Black : ostrand::chess::Colour::White;
        const auto before = ostrand::GameSnapshot::Capture();
        const int moveCount = ostrand::MoveCount;
        QGuiApplication::clipboard()->setText(row[1]);
        Action(*window, "pastePosition")->trigger();
        if (row[3].isEmpty()) {
            QCOMPARE(window->warnings.size(), qsizetype{1});
            QVERIFY(Is(before));
            QCOMPARE(int{ostrand::MoveCount}, moveCount);
            return;
        }
        ostrand::chess::Position pasted, copied;
        std::string error;
        QVERIFY(ostrand::chess::ParseFen(row[1].toStdString(), pasted, error));
        const int plies =
            2 * (pasted.fullmove - 1) + (pasted.toMove == ostrand::chess::Colour::Black ? 1 : 0);
        QCOMPARE(int{ostrand::MoveCount}, plies + (row[2] == "moves" ? 1 : 0));
        QCOMPARE(window->StatusText(), row[3]);
        QCOMPARE(EngineMove(*window).has_value(), row[2] == "moves");
        QVERIFY(ShowsTheGame(Board(*window)));

        // The copy is the position in standard colours with the player to move.
        Action(*window, "copyPosition")->trigger();
        const QString fen = QGuiApplication::clipboard()->text();
        QVERIFY2(ostrand::chess::ParseFen(fen.toStdString(), copied, error), qPrintable(fen));
        QCOMPARE(ostrand::chess::EngineKey(copied, engine), ostrand::PositionKey());
        QVERIFY(copied.toMove != engine);
        QVERIFY(copied.enPassant < 0);

        Action(*window, "takeBack")->trigger();
        QVERIFY(Is(before));
    }

    // Each row: the player's colour, a FEN to start from (or none), the player's moves, a
    // part of the file.
    void aSavedGameOpensAgain_data() {
        QTest::addColumn<QStringList>("row");
        QTest::newRow("white, castling") << QStringList{"w", "", "5254 7163 6152 5171", "1. e4"};
        QTest::newRow("black from a FEN, castling")
            << QStringList{"b", "r3k2r/ppp2ppp/8/8/8/8/PPP2PPP/R3K2R b KQkq - 0 1", "5131 1213",
                           "[FEN \"r3k2r/ppp2ppp/8/8/8/8/PPP2PPP/R3K2R b KQkq - 0 1\"]"};
        QTest::newRow("black from the start")
            << QStringList{"b", "", "5254 7163", "[Black \"Player\"]"};
        QTest::newRow("castling past a pawn") << QStringList{
            "w", "4k3/8/8/8/8/8/6p1/4K2R w K - 0 1", "5171", "1. O-O {castles past a square"};
    }

    void aSavedGameOpensAgain() {
        QFETCH(QStringList, row);
        QTemporaryDir folder;
        auto window = Open(2, row[0] == "w");
        if (!row[1].isEmpty()) QVERIFY(window->Exchange().SetUpFen(row[1]));
        std::vector<decltype(Standing())> steps{Standing()};
        // Playing black from the start, the engine has opened.
        std::vector<std::optional<game::SquareMove>> replies{EngineMove(*window)};
        for (const QString& move : row[2].split(' ')) {
            Play(Board(*window), move);
            QVERIFY(EngineMove(*window));
            steps.push_back(Standing());
            replies.push_back(EngineMove(*window));
        }
        window->file = folder.filePath("game.pgn");
        Action(*window, "savePgn")->trigger();
        QFile file(window->file);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = file.readAll();
        QVERIFY(text.contains(row[0] == "w" ? "[White \"Player\"]" : "[Black \"Player\"]"));
        QVERIFY2(text.contains(row[3]), qPrintable(text));

        // Opened in a new game, it stands as it was left, and take back walks through it.
        Action(*window, "newGame")->trigger();
        Action(*window, "openPgn")->trigger();
        QCOMPARE(window->warnings, QStringList());
        for (size_t i = steps.size(); i-- > 0;) {
            QVERIFY(Standing() == steps[i]);
            QVERIFY(EngineMove(*window) == replies[i]);
            QVERIFY(ShowsTheGame(Board(*window)));
            Action(*window, "takeBack")->trigger();
        }
    }

    // Each row: the file's content, what the warning says.
    void aGameThatCannotBePlayedChangesNothing_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("warning");
        QByteArray illegal;
        for (int move = 1; move <= 22; ++move)
            illegal += QByteArray::number(move) + (move % 2 ? ". Nf3 Nf6 " : ". Ng1 Ng8 ");
        QTest::newRow("empty") << QByteArray() << "no game";
        QTest::newRow("binary") << QByteArray("\x7f\x45\x4c\x46\x02\x01\x00\xff", 8) << "0x";
        QTest::newRow("illegal move") << illegal + "23. Ke3 *"
                                      << "move 23 (Ke3)";
        QTest::newRow("en passant")
            << QByteArray("1. e4 a6 2. e5 d5 3. exd6 *") << "move 3 (exd6): en passant";
    }

    void aGameThatCannotBePlayedChangesNothing() {
        QFETCH(QByteArray, content);
        QFETCH(QString, warning);
        QTemporaryDir folder;
        auto window = Open();
        Play(Board(*window), "5254");
        const auto before = ostrand::GameSnapshot::Capture();
        window->file = folder.filePath("bad.pgn");
        QFile file(window->file);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        Action(*window, "openPgn")->trigger();
        QCOMPARE(window->warnings.size(), qsizetype{1});
        QVERIFY2(window->warnings[0].contains(warning), qPrintable(window->warnings[0]));
        QVERIFY(Is(before));
        Action(*window, "takeBack")->trigger();
        QCOMPARE(int{ostrand::MoveCount}, 0);
    }

    // A file of several games offers them all; the chosen one is played, Cancel changes nothing.
    void severalGamesOfferAChoice() {
        QTemporaryDir folder;
        auto window = Open();
        window->file = folder.filePath("two.pgn");
        QFile file(window->file);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(
            "[White \"A\"]\n[Black \"B\"]\n\n1. e4 *\n\n[White \"C\"]\n[Black \"D\"]\n\n1. d4 *\n");
        file.close();
        const auto before = ostrand::GameSnapshot::Capture();
        window->choice = std::nullopt;
        Action(*window, "openPgn")->trigger();
        QVERIFY(Is(before));
        QCOMPARE(window->offered, (QStringList{"1. A – B, *", "2. C – D, *"}));
        window->choice = 1;
        Action(*window, "openPgn")->trigger();
        QCOMPARE(int{ostrand::Board(4, 4)}, -ostrand::Piece::Pawn);
        QCOMPARE(int{ostrand::MoveCount}, 2);
    }

    // The engine's own box announces the end of a pasted game under the program's name, not
    // the application's, which names its folders.
    void aPastedMateIsAnnouncedUnderTheProgramsName() {
        auto window = Open();
        Board(*window).realMessages = true;
        QString shown;
        QTimer::singleShot(0, [&shown] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            shown = box->windowTitle() + "|" + box->text();
            box->accept();
        });
        QVERIFY(window->Exchange().SetUpFen("k7/1Q6/1K6/8/8/8/8/8 b - - 0 1"));
        QCOMPARE(shown, QString("Ostrand Chess|Check Mate!"));
        QCOMPARE(window->StatusText(), QString("Checkmate — you win"));
    }

    // Each row: what is pasted (a FEN or a PGN game), the player's moves, the ending, a move
    // that the ended game refuses.
    void aGameEndsByTheRulesTheEngineDoesNotKnow_data() {
        QTest::addColumn<QStringList>("row");
        QTest::newRow("insufficient material") << QStringList{
            "8/8/8/4k3/8/8/3N4/4K3 w - - 0 1", "", "Draw by insufficient material", "5141"};
        QTest::newRow("fifty moves") << QStringList{"7k/8/8/8/8/8/R7/K7 w - - 99 80", "1213",
                                                    "Draw by the fifty-move rule", "1121"};
        QTest::newRow("repetition in a pasted game")
            << QStringList{"1. Nf3 Nf6 2. Ng1 Ng8 3. Nf3 Nf6 4. Ng1 Ng8 *", "",
                           "Draw by threefold repetition", "7163"};
    }

    void aGameEndsByTheRulesTheEngineDoesNotKnow() {
        QFETCH(QStringList, row);
        auto window = Open();
        TestBoard& board = Board(*window);
        QGuiApplication::clipboard()->setText(row[0]);
        Action(*window, "pastePosition")->trigger();
        if (!row[1].isEmpty()) Play(board, row[1]);
        QCOMPARE(window->StatusText(), row[2]);
        QCOMPARE(window->announced, QStringList{row[2]});
        if (!row[1].isEmpty()) QVERIFY(!EngineMove(*window));  // the engine has not answered

        Action(*window, "copyGame")->trigger();
        const QString pgn = QGuiApplication::clipboard()->text();
        QVERIFY2(pgn.contains("[Result \"1/2-1/2\"]"), qPrintable(pgn));
        QVERIFY2(pgn.contains("[Termination \"" + row[2] + "\"]"), qPrintable(pgn));

        const auto ended = ostrand::GameSnapshot::Capture();
        Play(board, row[3]);
        Action(*window, "force")->trigger();
        QVERIFY(Is(ended));
        QCOMPARE(window->StatusText(), QString("The game is over: start a new game"));
        Action(*window, "takeBack")->trigger();
        QCOMPARE(window->StatusText(), QString("Your move"));
        QCOMPARE(window->announced.size(), qsizetype{1});
    }

    // The engine takes a draw only when its last search found it a pawn behind or more; a
    // resignation loses. Either is a step that take back undoes.
    void drawOffersAndResignation() {
        auto window = Open();
        Action(*window, "offerDraw")->trigger();  // before any search
        QCOMPARE(window->StatusText(), QString("The engine declines the draw"));
        Play(Board(*window), "5254");  // an even game
        Action(*window, "offerDraw")->trigger();
        QCOMPARE(window->StatusText(), QString("The engine declines the draw"));
        QVERIFY(window->Exchange().SetUpFen("k7/8/8/8/8/8/1Q6/KQ6 b - - 0 1"));
        Action(*window, "offerDraw")->trigger();
        QCOMPARE(window->StatusText(), QString("Draw agreed"));
        QVERIFY(!Action(*window, "resign")->isEnabled());
        Action(*window, "copyGame")->trigger();
        QVERIFY(
            QGuiApplication::clipboard()->text().contains("[Termination \"Draw by agreement\"]"));

        Action(*window, "takeBack")->trigger();
        Action(*window, "resign")->trigger();
        QCOMPARE(window->StatusText(), QString("You resigned — Ostrand wins"));
        Action(*window, "copyGame")->trigger();
        QVERIFY(QGuiApplication::clipboard()->text().contains("[Result \"0-1\"]"));
        Action(*window, "takeBack")->trigger();
        QCOMPARE(window->StatusText(), QString("Your move"));
        QCOMPARE(window->announced, QStringList());
    }

    // On a clock that the box leaves running, the engine's mate: the player's move is listed
    // while the engine thinks, and when the box opens the status line, the list and the
    // stopped clocks know the mate; no flag falls behind it.
    void aMateShowsEverywhereBeforeItsBox() {
        static double now = 1000;
        ostrand::SetClock([] { return now; });
        auto window = std::make_unique<TestWindow>();
        window->SetLevel(ostrand::Levels[3]);  // depth 4
        window->SetTimeControl({1, 0});
        window->Start();
        auto* list = window->findChild<MoveList*>();
        const auto lastListed = [list] {
            QString last;
            for (int row = 0; row < list->rowCount(); ++row)
                for (int column : {1, 2})
                    if (const QTableWidgetItem* item = list->item(row, column)) last = item->text();
            return last;
        };
        QStringList listedWhileThinking;
        connect(&window->Reports(), &SessionSignals::depthReached,
                [&] { listedWhileThinking << lastListed(); });
        QString atBox;
        Board(*window).onMessage = [&](const std::string& text) {
            atBox = QString::fromStdString(text) + "|" + window->StatusText() + "|" + lastListed() +
                    "|" + (window->Session().ClockRunning() ? "running" : "stopped");
            now += 100;
            window->Session().Tick();
        };
        for (const char* move : {"6263", "7274", "1213"})
            Play(Board(*window), move);
        ostrand::SetClock(nullptr);
        QCOMPARE(listedWhileThinking.first(), QString("f3"));
        QVERIFY(listedWhileThinking.contains("a3"));
        QCOMPARE(atBox, QString("Check Mate!|Checkmate — Ostrand wins|Qh4#|stopped"));
        QCOMPARE(window->StatusText(), QString("Checkmate — Ostrand wins"));
        QCOMPARE(window->announced, QStringList());
    }

    void aMoveSoundsByWhatItDid_data() {
        QTest::addColumn<QString>("san");
        QTest::addColumn<int>("sound");  // -1: none
        QTest::newRow("move") << "Nf3" << int(sounds::Sound::Move);
        QTest::newRow("castling") << "O-O-O" << int(sounds::Sound::Move);
        QTest::newRow("capture") << "exd5" << int(sounds::Sound::Capture);
        QTest::newRow("capture with check") << "Bxf7+" << int(sounds::Sound::Check);
        QTest::newRow("promotion with check") << "e8=Q+" << int(sounds::Sound::Check);
        QTest::newRow("mate") << "Qxf7#" << -1;
    }
    void aMoveSoundsByWhatItDid() {
        QFETCH(QString, san);
        QFETCH(int, sound);
        const std::optional<sounds::Sound> chosen = sounds::OfMove(san.toStdString());
        QCOMPARE(chosen ? int(*chosen) : -1, sound);
    }

    // Each move sounds once, as it is listed, the engine's mate by the end's sound alone; the
    // player's last ten seconds tick once each. Taking back is silent, and so is all when the
    // sounds are off.
    void theSoundsFollowTheGame() {
        static double now = 1000;
        ostrand::SetClock([] { return now; });
        auto window = std::make_unique<TestWindow>();
        window->SetLevel(ostrand::Levels[3]);  // depth 4
        window->SetTimeControl({1, 0});
        window->Start();
        std::vector<sounds::Sound> heard;
        connect(window->findChild<Sounds*>(), &Sounds::Cued,
                [&heard](sounds::Sound sound) { heard.push_back(sound); });
        using enum sounds::Sound;
        Play(Board(*window), "6263");
        now += 50.5;
        window->Session().Tick();
        window->Session().Tick();
        now += 1;
        window->Session().Tick();
        for (const char* move : {"7274", "1213"})
            Play(Board(*window), move);
        QCOMPARE(heard, (std::vector{Move, Move, Tick, Tick, Move, Move, Move, End}));

        heard.clear();
        window->TakeBack();
        Action(*window, "playSounds")->trigger();
        Play(Board(*window), "1213");
        ostrand::SetClock(nullptr);
        QCOMPARE(heard, std::vector<sounds::Sound>());
        QVERIFY(!QSettings("ostrand-chess", "ostrand-chess").value("playSounds").toBool());
    }

    // The list beside the form is the history: a click or a key goes to a step, and the moves
    // after it stay listed until a new move replaces them.
    void theMoveListShowsTheGameAndGoesToItsSteps() {
        auto window = Open();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        auto* list = window->findChild<MoveList*>();
        QVERIFY(window->width() >= Board(*window).width() + list->width());
        for (const char* move : {"5254", "7163"})
            Play(Board(*window), move);
        QCOMPARE(list->item(0, 1)->text(), QString("e4"));
        QCOMPARE(list->item(1, 1)->text(), QString("Nf3"));
        const auto second = ostrand::GameSnapshot::Capture();

        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(0, 1)).center());
        QCOMPARE(int{ostrand::MoveCount}, 2);
        QCOMPARE(list->item(1, 1)->text(), QString("Nf3"));
        QTest::keyClick(window.get(), Qt::Key_Left);
        QCOMPARE(int{ostrand::MoveCount}, 0);
        Action(*window, "last")->trigger();
        QVERIFY(Is(second));
        Action(*window, "first")->trigger();
        Play(Board(*window), "4244");
        QCOMPARE(list->item(0, 1)->text(), QString("d4"));
        QCOMPARE(list->rowCount(), 1);

        Action(*window, "showMoveList")->trigger();
        QVERIFY(list->isHidden());
        QVERIFY(!QSettings("ostrand-chess", "ostrand-chess").value("showMoveList").toBool());
    }

    // The form fills the window the player gives it, as large as it shows whole, and the
    // size is kept for the next start.
    void theFormScalesToAnySizeOfTheWindow_data() {
        QTest::addColumn<QSize>("size");
        QTest::newRow("wide") << QSize(1900, 1000);
        QTest::newRow("tall") << QSize(1000, 1000);
        QTest::newRow("a little larger") << QSize(700, 500);
    }
    void theFormScalesToAnySizeOfTheWindow() {
        QFETCH(QSize, size);
        auto window = Open();
        window->resize(size);
        QTRY_VERIFY(Board(*window).Zoom() > 100 && ShowsAll(*window));
        QVERIFY(Fills(Content(*window).size(), window->centralWidget()->size()));
        QCOMPARE(QSettings("ostrand-chess", "ostrand-chess").value("windowSize").toSize(), size);
        const int zoom = Board(*window).Zoom();
        window.reset();
        window = Open();
        QCOMPARE(window->size(), size);
        QCOMPARE(Board(*window).Zoom(), zoom);
    }

    // Neither a zoom step nor a kept size makes the window larger than the screen: it takes
    // the largest scale that fits.
    void theWindowStaysWithinTheScreen_data() {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<int>("zoom");
        QTest::addColumn<QSize>("kept");
        QTest::newRow("300 % on 1920 × 1080") << QRect(0, 0, 1920, 1080) << 300 << QSize();
        QTest::newRow("200 % under a panel") << QRect(0, 32, 1366, 736) << 200 << QSize();
        QTest::newRow("kept larger") << QRect(0, 0, 1280, 720) << 0 << QSize(3000, 2000);
    }
    void theWindowStaysWithinTheScreen() {
        QFETCH(QRect, screen);
        QFETCH(int, zoom);
        QFETCH(QSize, kept);
        if (kept.isValid())
            QSettings("ostrand-chess", "ostrand-chess").setValue("windowSize", kept);
        auto window = Open(2, true, screen);
        if (zoom != 0) Action(*window, QString("zoom%1").arg(zoom))->trigger();
        QTRY_VERIFY(ShowsAll(*window) && screen.contains(window->frameGeometry()));
        QVERIFY(Fills(window->size(), screen.size()));
        QVERIFY(Board(*window).Zoom() > 100);
    }

    void saveAndLoadSayWhere() {
        QTemporaryDir folder;
        auto window = Open();
        Board(*window).SavedGamePath = folder.filePath("Board.txt").toStdString();
        Action(*window, "save")->trigger();
        QCOMPARE(window->statusBar()->currentMessage(),
                 "Saved to " + QDir::toNativeSeparators(folder.filePath("Board.txt")));
        Action(*window, "load")->trigger();
        QVERIFY(window->statusBar()->currentMessage().startsWith("Loaded from "));
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
