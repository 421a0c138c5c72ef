// The main window round the form: take back and redo, levels, "Move now", the status line,
// the New Game question and the view settings.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

#include "F_Board.h"
#include "GameSnapshot.h"
#include "MainWindow.h"
#include "PictureBox.h"
#include "Search.h"
#include "Support.h"

namespace {

// A form whose messages the test takes, which asks the real question only when told, and
// which runs a test's hook whenever the search lets it handle input.
class TestBoard : public F_Board {
  public:
    bool realQuestion = false;
    std::function<void()> onPoll;
    void ShowMessage(const std::string&) override {}
    void PollInput() override {
        if (onPoll) onPoll();
        F_Board::PollInput();
    }

  protected:
    std::optional<bool> AskYesNo(const QString& title, const QString& text) override {
        return realQuestion ? F_Board::AskYesNo(title, text) : true;
    }
};

QAction* Action(const MainWindow& window, const QString& name) {
    return window.findChild<QAction*>(name);
}

void Play(F_Board& board, const QString& move) {
    for (int k : {0, 2})
        QTest::mouseClick(&board.c(move[k].digitValue() + 8 * (move[k + 1].digitValue() - 1)),
                          Qt::LeftButton);
}

// The squares show the engine's board, and nothing drawn over it.
bool ShowsTheGame(F_Board& board) {
    const QImage shown = board.grab().toImage();
    board.PrintBoard();
    return board.grab().toImage() == shown;
}

bool Is(const ostrand::GameSnapshot& state) {
    return ostrand::GameSnapshot::Capture() == state;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    QTemporaryDir settingsFolder;

    std::unique_ptr<MainWindow> Open(int level = 2) {
        auto window = std::make_unique<MainWindow>(new TestBoard);
        window->SetLevel(level);
        window->Start();
        window->show();
        return window;
    }
    static TestBoard& Board(const MainWindow& window) {
        return static_cast<TestBoard&>(window.Board());
    }

  private slots:
    void initTestCase() {
        QVERIFY(settingsFolder.isValid());
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
        if (!start.isEmpty()) {
            QVERIFY(ostrand::SetUpPosition(start.toStdString(), 0));
            window->RecordStep();
            states.push_back(ostrand::GameSnapshot::Capture());
        }
        for (const QString& move : moves) {
            Play(Board(*window), move);
            QCOMPARE(Board(*window).LastReply.size(), size_t{4});
            states.push_back(ostrand::GameSnapshot::Capture());
        }
        QCOMPARE(window->StatusText(), status);

        for (size_t i = states.size() - 1; i-- > 0;) {
            Action(*window, "takeBack")->trigger();
            QVERIFY(Is(states[i]));
            QVERIFY(ShowsTheGame(Board(*window)));
        }
        QVERIFY(!Action(*window, "takeBack")->isEnabled());
        QCOMPARE(window->StatusText(), QString("Your move"));
        for (size_t i = 1; i < states.size(); ++i) {
            Action(*window, "redo")->trigger();
            QVERIFY(Is(states[i]));
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

    void theLevelIsKeptAcrossARestart() {
        {
            MainWindow first(new TestBoard);
            QVERIFY(Action(first, "level0")->isChecked());
            QCOMPARE(ostrand::DepthLimit, int16_t{0});
            Action(first, "level4")->trigger();
            QCOMPARE(ostrand::DepthLimit, int16_t{4});
        }
        ostrand::DepthLimit = 0;
        QVERIFY(QFile::exists(settingsFolder.filePath("ostrand-chess/ostrand-chess.conf")));
        MainWindow second(new TestBoard);
        QVERIFY(Action(second, "level4")->isChecked());
        QCOMPARE(ostrand::DepthLimit, int16_t{4});
    }

    // Space in the depth-4 iteration of a full-strength search: the engine plays the depth-2
    // move at once and takes the next move as usual.
    void moveNowEndsAFullStrengthSearch() {
        auto window = Open(0);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        int pollsAfterSpace = 0;
        Board(*window).onPoll = [&] {
            if (window->StatusText() != "Thinking… depth 4") return;
            ++pollsAfterSpace;
            QVERIFY(Action(*window, "moveNow")->isEnabled());
            QTest::keyClick(window.get(), Qt::Key_Space);
        };
        for (const char* move : {"5254", "7163"}) {
            pollsAfterSpace = 0;
            Play(Board(*window), move);
            QCOMPARE(Board(*window).LastReply.size(), size_t{4});
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
        if (!row[0].isEmpty()) {
            QVERIFY(ostrand::SetUpPosition(row[0].toStdString(), 0));
            window->RecordStep();
        }
        if (!row[1].isEmpty()) Play(Board(*window), row[1]);
        QCOMPARE(window->StatusText(), row[2]);
    }

    // Unticked, the statistics lines and the bar are blank while the engine writes on.
    void theStatisticsCanBeHiddenAndEveryControlExplainsItself() {
        auto window = Open(4);
        F_Board& board = Board(*window);
        Action(*window, "showStatistics")->trigger();
        Play(board, "5254");
        QCOMPARE(board.Label1->text(), QString());
        QCOMPARE(board.ProgressBar->value(), board.ProgressBar->minimum());
        QVERIFY(board.LabelText(ostrand::StatusLabel::Nodes).starts_with("Nodes: "));
        Action(*window, "showStatistics")->trigger();
        QCOMPARE(board.Label1->text().toStdString(), board.LabelText(ostrand::StatusLabel::Nodes));

        // Only the title, the logo, the credit and the frame round "Edit" go without one.
        const QList<QWidget*> plain{board.Label16, board.Picture1, board.Label14, board.Shape1};
        for (QWidget* control : board.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!plain.contains(control))
                QVERIFY2(!control->toolTip().isEmpty(), control->metaObject()->className());
        QCOMPARE(board.c(5 + 8).toolTip(), QString("e2"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
