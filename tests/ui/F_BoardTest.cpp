// The window driven by clicks on a game session of its own, with the engine searching at a
// fixed depth so that every game is the same and fast.
#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "BoardCoordinates.h"
#include "F_Board.h"
#include "GameSession.h"
#include "Levels.h"
#include "LinkLabel.h"
#include "PictureBox.h"
#include "PieceArt.h"
#include "SessionSignals.h"
#include "Support.h"
#include "Variables.h"
#include "Version.h"

namespace {

namespace game = ostrand::game;

// The game the form shows, made before the form.
struct Game {
    SessionSignals reports;
    game::GameSession session{reports};
};

const ostrand::Level& AtDepth(int depth) {
    return *std::find_if(ostrand::Levels.begin(), ostrand::Levels.end(),
                         [depth](const ostrand::Level& level) {
                             return level.depth == depth && level.chance == 0 &&
                                    level.style == ostrand::SearchStyle::Designed;
                         });
}

// A form on a session of its own, whose message boxes the test answers, which notes the
// refusals of the player's moves and the engine's words at the end of a game, whether it was
// enabled each time the board was redrawn, and which runs a test's clicks while the engine
// works.
class TestWindow : private Game, public F_Board {
  public:
    TestWindow() : F_Board(Game::session, reports) {
        session.SetLevel(AtDepth(2));
        connect(&reports, &SessionSignals::boardChanged,
                [this] { enabledAtRedraw.push_back(isEnabled()); });
        connect(&reports, &SessionSignals::eventsDue, [this] {
            enabledAtEvents.push_back(isEnabled());
            if (whileSearching) whileSearching();
        });
        connect(&reports, &SessionSignals::gameEnded, [this](game::Ending, const QString& words) {
            messages.push_back(words.toStdString());
        });
        connect(this, &F_Board::MoveRefused,
                [this](game::Refusal why) { refusals.push_back(why); });
    }
    game::GameSession& session = Game::session;
    bool playWhite = true;
    QStringList questions;
    std::vector<std::string> messages;
    std::vector<game::Refusal> refusals;
    std::vector<bool> enabledAtRedraw;
    std::vector<bool> enabledAtEvents;
    std::function<void()> whileSearching;

    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    // Whether the engine has answered the last move with one of its own.
    bool Answered() const { return session.LastEngineMove().has_value(); }
    int16_t At(int file, int rank) const { return session.PieceAt({file, rank}); }

  protected:
    std::optional<bool> AskYesNo(const QString& title, const QString& text) override {
        questions << title + "|" + text;
        return playWhite;
    }
};

constexpr QRgb Grey = 0x808080;
constexpr QRgb White = 0xFFFFFF;
constexpr QRgb Red = 0xFF0000;
constexpr QRgb Blue = 0x0000FF;

int Index(int file, int rank) {
    return file + 8 * (rank - 1);
}

QRgb Pixel(const F_Board& window, int file, int rank, int x, int y) {
    return window.c(Index(file, rank)).Image().pixel(x, y) & 0xFFFFFF;
}

// A frame runs round pixels 0 to 22 of the square's image.
bool Framed(const F_Board& window, int file, int rank, QRgb colour) {
    for (int k = 0; k <= 22; ++k) {
        if (Pixel(window, file, rank, k, 0) != colour ||
            Pixel(window, file, rank, k, 22) != colour ||
            Pixel(window, file, rank, 0, k) != colour || Pixel(window, file, rank, 22, k) != colour)
            return false;
    }
    return true;
}

std::vector<std::pair<int, int>> FramedSquares(const F_Board& window, QRgb colour) {
    std::vector<std::pair<int, int>> squares;
    for (int rank = 1; rank <= 8; ++rank) {
        for (int file = 1; file <= 8; ++file) {
            if (Framed(window, file, rank, colour)) squares.emplace_back(file, rank);
        }
    }
    return squares;
}

// The square must hold its shade ANDed with the mask and then ORed with the picture.
void VerifyPiece(const F_Board& window, int file, int rank, QRgb shade, const QString& mask,
                 const QString& picture) {
    const QImage maskImage(":/images/" + mask + ".png");
    const QImage pictureImage(":/images/" + picture + ".png");
    int body = 0;
    for (int y = 0; y < 23; ++y) {
        for (int x = 0; x < 23; ++x) {
            const QRgb expected =
                ((shade & maskImage.pixel(x, y)) | pictureImage.pixel(x, y)) & 0xFFFFFF;
            QCOMPARE(Pixel(window, file, rank, x, y), expected);
            if ((maskImage.pixel(x, y) & 0xFFFFFF) == 0) ++body;
        }
    }
    QVERIFY(body > 20);
}

void VerifyPlain(const F_Board& window, int file, int rank, QRgb shade) {
    for (int y = 0; y < 23; ++y) {
        for (int x = 0; x < 23; ++x)
            QCOMPARE(Pixel(window, file, rank, x, y), shade);
    }
}

QRgb Shade(const F_Board& window, int file, int rank) {
    return window.c(Index(file, rank)).Background().rgb() & 0xFFFFFF;
}

std::vector<QImage> SquareImages(const F_Board& window) {
    std::vector<QImage> images;
    for (int i = 1; i <= 64; ++i)
        images.push_back(window.c(i).Image());
    return images;
}

// The engine's whole saved state, to tell whether anything of it changed.
struct GameState {
    ostrand::Grid board = ostrand::Board;
    int16_t moveCount = ostrand::MoveCount;
    std::array<int16_t, 9> castleFlags = ostrand::CastleFlags;

    bool operator==(const GameState&) const = default;
};

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(content), content.size());
}

// The palette in its two columns, then the eraser, with the code each control places.
const std::vector<std::pair<PictureBox * F_Board::*, int16_t>> Palette = {
    {&F_Board::PB, 100},  {&F_Board::KB, 320},    {&F_Board::BB, 350},  {&F_Board::RB, 550},
    {&F_Board::QB, 990},  {&F_Board::KKB, 10000}, {&F_Board::PW, -100}, {&F_Board::KW, -320},
    {&F_Board::BW, -350}, {&F_Board::RW, -550},   {&F_Board::QW, -990}, {&F_Board::KKW, -10000},
    {&F_Board::MM, 1}};

std::vector<PictureBox*> ThreeDimensional(const F_Board& window) {
    std::vector<PictureBox*> raised;
    for (const auto& [control, code] : Palette) {
        if ((window.*control)->Appearance() == PictureBox::Look::ThreeD)
            raised.push_back(window.*control);
    }
    return raised;
}

}  // namespace

// Stands in for the desktop's browser.
class UrlCatcher : public QObject {
    Q_OBJECT

  public:
    QList<QUrl> opened;

  public slots:
    void Open(const QUrl& url) { opened << url; }
};

class F_BoardTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<TestWindow> Open() {
        auto window = std::make_unique<TestWindow>();
        window->Form_Load();
        window->show();
        window->enabledAtRedraw.clear();
        return window;
    }

    static void Click(F_Board& window, int file, int rank) {
        QTest::mouseClick(&window.c(Index(file, rank)), Qt::LeftButton);
    }

    static void Play(F_Board& window, int fromFile, int fromRank, int toFile, int toRank) {
        Click(window, fromFile, fromRank);
        Click(window, toFile, toRank);
    }

    static void Pick(F_Board& window, PictureBox* F_Board::*control) {
        QTest::mouseClick(window.*control, Qt::LeftButton);
    }

    // Presses on a square, moves the pointer to a point of the form and lets go there; the
    // pressed square has the mouse all along, as under a real pointer.
    static void Drag(F_Board& window, int file, int rank, const QPoint& to) {
        PictureBox& from = window.c(Index(file, rank));
        const QPoint start = from.rect().center();
        const QPoint end = to - from.pos();
        QTest::mousePress(&from, Qt::LeftButton, {}, start);
        QTest::mouseMove(&from, (start + end) / 2);
        QTest::mouseMove(&from, end);
        QTest::mouseRelease(&from, Qt::LeftButton, {}, end);
    }

    static QRect CheckIndicator(const F_Board& window) {
        QStyleOptionButton option;
        option.initFrom(window.CkEdit);
        return window.CkEdit->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option,
                                                      window.CkEdit);
    }

    static QPoint Place(const F_Board& window, int file, int rank) {
        return window.c(Index(file, rank)).pos();
    }

  private slots:

    void startsWithThePlayerOnWhiteAtTheBottom() {
        auto window = Open();
        // The version of --version, from the one place that holds it.
        QCOMPARE(window->windowTitle(), QString("Ostrand Chess ") + ostrand::Version);
        QCOMPARE(window->PlayerSide, int16_t{0});
        QCOMPARE(window->ClickState, int16_t{1});
        QCOMPARE(Place(*window, 1, 1), QPoint(9, 201));
        QCOMPARE(Place(*window, 8, 1), QPoint(177, 201));
        QCOMPARE(Place(*window, 1, 8), QPoint(9, 33));
        QCOMPARE(Place(*window, 8, 8), QPoint(177, 33));
        QCOMPARE(window->c(Index(1, 1)).size(), QSize(25, 25));
        QCOMPARE(window->c(Index(1, 1)).Background().rgb() & 0xFFFFFF, Grey);
        QCOMPARE(window->c(Index(2, 1)).Background().rgb() & 0xFFFFFF, White);
        QCOMPARE(window->c(Index(1, 2)).Background().rgb() & 0xFFFFFF, White);
        QCOMPARE(window->c(Index(8, 8)).Background().rgb() & 0xFFFFFF, Grey);
        QCOMPARE(window->PicCompColor->Background(), QColor(Qt::black));
        QCOMPARE(window->PicHumanColor->Background(), QColor(Qt::white));
        QVERIFY(!window->CkEdit->isChecked());
    }

    void showsTheToolColumnAndNothingBeyondIt() {
        auto window = Open();
        QCOMPARE(window->size(), QSize(393, 326));
        QCOMPARE(window->BtnForce->geometry(), QRect(333, 234, 52, 22));
        QCOMPARE(window->BtnRotate->text(), QString("<"));
        QCOMPARE(window->PicHumanColor->geometry(), QRect(333, 303, 52, 19));
        QCOMPARE(window->KKW->geometry(), QRect(357, 183, 25, 25));
        for (const QWidget* child : window->findChildren<QWidget*>()) {
            if (child->isWindow()) continue;
            QVERIFY2(child->geometry().right() < window->width(),
                     qPrintable(child->metaObject()->className()));
        }
    }

    void answeringNoMirrorsTheBoardAndTheEngineOpens() {
        auto window = Open();
        window->playWhite = false;
        QTest::mouseClick(window->Btn_NewGame, Qt::LeftButton);
        QCOMPARE(window->questions, QStringList{"New Game|Would you like to play whites?"});
        QCOMPARE(window->PlayerSide, int16_t{1});
        QCOMPARE(Place(*window, 1, 1), QPoint(177, 201));
        QCOMPARE(Place(*window, 8, 1), QPoint(9, 201));
        QCOMPARE(Place(*window, 1, 8), QPoint(177, 33));
        QCOMPARE(window->c(Index(1, 1)).Background().rgb() & 0xFFFFFF, White);
        QCOMPARE(window->c(Index(8, 1)).Background().rgb() & 0xFFFFFF, Grey);
        QCOMPARE(window->PicCompColor->Background(), QColor(Qt::white));
        QCOMPARE(window->PicHumanColor->Background(), QColor(Qt::black));
        QVERIFY(window->Answered());
        QCOMPARE(ostrand::MoveCount, int16_t{1});
        QCOMPARE(window->ClickState, int16_t{1});
        // The player's pieces are drawn black now, the engine's white; no frames.
        VerifyPiece(*window, 5, 1, White, "KKM", "KKB");
        VerifyPiece(*window, 5, 8, Grey, "KKM", "KKW");
        QVERIFY(FramedSquares(*window, Blue).empty());
    }

    void twoTurnsRestoreTheLayoutAndANewGameUndoesOne() {
        auto window = Open();
        std::vector<QPoint> before;
        for (int i = 1; i <= 64; ++i)
            before.push_back(window->c(i).pos());
        Click(*window, 5, 2);
        QTest::mouseClick(window->BtnRotate, Qt::LeftButton);
        QCOMPARE(Place(*window, 1, 1), QPoint(177, 33));
        QCOMPARE(Place(*window, 8, 8), QPoint(9, 201));
        QCOMPARE(Place(*window, 2, 1), QPoint(153, 33));
        // The squares take their pieces and frames along.
        VerifyPiece(*window, 1, 1, Grey, "RM", "RW");
        QVERIFY(Framed(*window, 5, 2, Red));
        QTest::mouseClick(window->BtnRotate, Qt::LeftButton);
        for (int i = 1; i <= 64; ++i)
            QCOMPARE(window->c(i).pos(), before[static_cast<size_t>(i - 1)]);

        QTest::mouseClick(window->BtnRotate, Qt::LeftButton);
        QTest::mouseClick(window->Btn_NewGame, Qt::LeftButton);
        for (int i = 1; i <= 64; ++i)
            QCOMPARE(window->c(i).pos(), before[static_cast<size_t>(i - 1)]);
    }

    void coordinatesLabelTheSquaresAtTheEdgesAsShown_data() {
        QTest::addColumn<int>("file");
        QTest::addColumn<int>("rank");
        QTest::addColumn<int>("side");
        QTest::addColumn<bool>("turned");
        QTest::addColumn<QString>("labels");
        QTest::newRow("white a1") << 1 << 1 << 0 << false << "a1";
        QTest::newRow("white h1") << 8 << 1 << 0 << false << "h";
        QTest::newRow("white a8") << 1 << 8 << 0 << false << "8";
        QTest::newRow("white e4") << 5 << 4 << 0 << false << "";
        QTest::newRow("white turned h8") << 8 << 8 << 0 << true << "h8";
        QTest::newRow("white turned a1") << 1 << 1 << 0 << true << "";
        // Playing black, the form's rank 1 is the eighth and its first file on the right.
        QTest::newRow("black h8") << 8 << 1 << 1 << false << "h8";
        QTest::newRow("black a8") << 1 << 1 << 1 << false << "a";
        QTest::newRow("black h1") << 8 << 8 << 1 << false << "1";
        QTest::newRow("black turned a1") << 1 << 8 << 1 << true << "a1";
        QTest::newRow("black turned a3") << 1 << 6 << 1 << true << "3";
    }
    void coordinatesLabelTheSquaresAtTheEdgesAsShown() {
        QFETCH(int, file);
        QFETCH(int, rank);
        QFETCH(int, side);
        QFETCH(bool, turned);
        QFETCH(QString, labels);
        const coordinates::Labels shown = coordinates::LabelsOf(file, rank, side, turned);
        QCOMPARE(shown.file + shown.rank, labels);
    }

    // Shown, they change the bottom row and the left column alone, and follow a turn of the
    // board; hidden again, the form is as designed.
    void coordinatesAreDrawnOnTheEdgeSquares() {
        auto window = Open();
        const QImage design = window->grab().toImage();
        std::vector<QImage> plain;
        for (int i = 1; i <= 64; ++i)
            plain.push_back(window->c(i).Image());
        const auto labelled = [&window, &plain] {
            QString squares;
            for (int i = 1; i <= 64; ++i)
                if (window->c(i).Image() != plain[static_cast<size_t>(i - 1)])
                    squares += window->c(i).toolTip() + " ";
            return squares;
        };
        window->SetShowCoordinates(true);
        QCOMPARE(labelled(), QString("a1 b1 c1 d1 e1 f1 g1 h1 a2 a3 a4 a5 a6 a7 a8 "));
        QTest::mouseClick(window->BtnRotate, Qt::LeftButton);
        QCOMPARE(labelled(), QString("h1 h2 h3 h4 h5 h6 h7 a8 b8 c8 d8 e8 f8 g8 h8 "));
        QTest::mouseClick(window->BtnRotate, Qt::LeftButton);
        window->SetShowCoordinates(false);
        QCOMPARE(window->grab().toImage(), design);
    }

    void drawsPiecesThroughTheirMasksAndPlainSquares() {
        auto window = Open();
        VerifyPlain(*window, 1, 3, Grey);
        VerifyPlain(*window, 2, 3, White);
        VerifyPiece(*window, 1, 1, Grey, "RM", "RW");
        VerifyPiece(*window, 5, 1, Grey, "KKM", "KKW");
        VerifyPiece(*window, 2, 8, Grey, "KM", "KB");
        VerifyPiece(*window, 5, 8, White, "KKM", "KKB");
        // The white piece shows white inside its black outline, the shade around it.
        QCOMPARE(Pixel(*window, 1, 1, 0, 0), Grey);
        bool whiteBody = false;
        for (int y = 0; y < 23; ++y) {
            for (int x = 0; x < 23; ++x)
                whiteBody = whiteBody || Pixel(*window, 1, 1, x, y) == White;
        }
        QVERIFY(whiteBody);
    }

    void aPickIsFramedRedAndMovesToAnotherOwnPiece() {
        auto window = Open();
        Click(*window, 4, 4);  // empty
        Click(*window, 4, 7);  // the engine's pawn
        QCOMPARE(window->ClickState, int16_t{1});
        QVERIFY(FramedSquares(*window, Red).empty());

        Click(*window, 5, 2);
        QCOMPARE(window->ClickState, int16_t{2});
        QCOMPARE(window->FromFile, int16_t{5});
        QCOMPARE(window->FromRank, int16_t{2});
        QCOMPARE(FramedSquares(*window, Red), (std::vector<std::pair<int, int>>{{5, 2}}));

        Click(*window, 7, 1);
        QCOMPARE(window->ClickState, int16_t{2});
        QCOMPARE(window->FromFile, int16_t{7});
        QCOMPARE(window->FromRank, int16_t{1});
        QCOMPARE(FramedSquares(*window, Red), (std::vector<std::pair<int, int>>{{7, 1}}));

        Click(*window, 7, 1);
        QCOMPARE(window->ClickState, int16_t{2});
        QCOMPARE(FramedSquares(*window, Red), (std::vector<std::pair<int, int>>{{7, 1}}));
        QCOMPARE(ostrand::MoveCount, int16_t{0});
    }

    void anAcceptedMoveLeavesTheEngineMoveFramedBlue() {
        auto window = Open();
        Click(*window, 5, 2);
        Click(*window, 5, 4);
        QCOMPARE(window->ToFile, int16_t{5});
        QCOMPARE(window->ToRank, int16_t{4});
        QCOMPARE(window->ClickState, int16_t{1});
        const auto reply = window->session.LastEngineMove();
        QVERIFY(reply);
        QCOMPARE(ostrand::MoveCount, int16_t{2});
        QCOMPARE(window->At(5, 4), int16_t{-ostrand::Piece::Pawn});
        const std::vector<std::pair<int, int>> engineSquares{{reply->from.file, reply->from.rank},
                                                             {reply->to.file, reply->to.rank}};
        auto framed = FramedSquares(*window, Blue);
        std::sort(framed.begin(), framed.end());
        auto expected = engineSquares;
        std::sort(expected.begin(), expected.end());
        QCOMPARE(framed, expected);
        QVERIFY(FramedSquares(*window, Red).empty());

        // The next pick adds a red frame; the blue ones stay until the destination click.
        Click(*window, 4, 2);
        QCOMPARE(FramedSquares(*window, Red), (std::vector<std::pair<int, int>>{{4, 2}}));
        QCOMPARE(FramedSquares(*window, Blue).size(), size_t{2});
    }

    // The engine castles only from its depth-6 iteration on; these games lead it there.
    void theEngineCastlingIsFramedWhereKingAndRookLand_data() {
        QTest::addColumn<QStringList>("moves");
        QTest::addColumn<int>("kingFile");
        QTest::addColumn<int>("rookFile");
        QTest::newRow("king-side") << QStringList{"3234", "8284", "1214", "7183", "4123"} << 7 << 6;
        QTest::newRow("queen-side")
            << QStringList{"7163", "2113", "6344", "5253", "7273", "4243", "7374", "6172",
                           "5162", "6261", "4163", "6366", "8284", "4344", "3142", "1121"}
            << 3 << 4;
    }

    void theEngineCastlingIsFramedWhereKingAndRookLand() {
        QFETCH(QStringList, moves);
        QFETCH(int, kingFile);
        QFETCH(int, rookFile);
        auto window = Open();
        window->session.SetLevel(AtDepth(6));
        for (const QString& move : moves) {
            Click(*window, move[0].digitValue(), move[1].digitValue());
            Click(*window, move[2].digitValue(), move[3].digitValue());
            QVERIFY(window->Answered());
        }
        QCOMPARE(window->At(kingFile, 8), ostrand::Piece::King);
        QCOMPARE(window->At(rookFile, 8), ostrand::Piece::Rook);
        QCOMPARE(window->At(5, 8), int16_t{0});
        auto framed = FramedSquares(*window, Blue);
        std::sort(framed.begin(), framed.end());
        auto expected = std::vector<std::pair<int, int>>{{kingFile, 8}, {rookFile, 8}};
        std::sort(expected.begin(), expected.end());
        QCOMPARE(framed, expected);
    }

    void anIllegalMoveIsRefusedWithoutFrames() {
        auto window = Open();
        Click(*window, 5, 2);
        Click(*window, 5, 5);
        QCOMPARE(window->refusals, std::vector{game::Refusal::CannotMoveThere});
        QCOMPARE(window->ClickState, int16_t{1});
        QCOMPARE(ostrand::MoveCount, int16_t{0});
        QVERIFY(FramedSquares(*window, Red).empty());
        QVERIFY(FramedSquares(*window, Blue).empty());
        QVERIFY(window->messages.empty());
        QVERIFY(window->isEnabled());
    }

    // Nothing greys while the engine works, but clicks on the board and the controls are
    // refused: no pick, no second command, no question.
    void clicksAreRefusedWhileTheEngineWorksAndNothingGreys() {
        auto window = Open();
        window->session.SetLevel(AtDepth(4));
        window->whileSearching = [&window] {
            QVERIFY(window->EngineBusy());
            Click(*window, 5, 2);
            QTest::mouseClick(window->BtnForce, Qt::LeftButton);
            QTest::mouseClick(window->Btn_NewGame, Qt::LeftButton);
            QTest::mouseClick(window->CkEdit, Qt::LeftButton);
        };
        Play(*window, 7, 1, 6, 3);
        QVERIFY(window->Answered());
        QVERIFY(!window->enabledAtEvents.empty());
        QVERIFY(std::all_of(window->enabledAtEvents.begin(), window->enabledAtEvents.end(),
                            [](bool enabled) { return enabled; }));
        // Both moves, the player's and the engine's, were drawn at once.
        QVERIFY(window->enabledAtRedraw.size() >= 2);
        QVERIFY(std::all_of(window->enabledAtRedraw.begin(), window->enabledAtRedraw.end(),
                            [](bool enabled) { return enabled; }));
        QCOMPARE(ostrand::MoveCount, int16_t{2});
        QCOMPARE(window->ClickState, int16_t{1});
        QVERIFY(window->questions.isEmpty());
        QVERIFY(!window->CkEdit->isChecked());
        QVERIFY(!window->EngineBusy());

        // Afterwards the form takes clicks again.
        window->whileSearching = nullptr;
        Click(*window, 5, 2);
        QCOMPARE(window->ClickState, int16_t{2});
    }

    void showsTheSearchStatisticsAndProgress() {
        auto window = Open();
        window->session.SetLevel(AtDepth(4));
        QTest::mouseClick(window->BtnForce, Qt::LeftButton);
        // Pending events run once per root move.
        QVERIFY(!window->enabledAtEvents.empty());
        QVERIFY(window->Label1->text().startsWith("Nodes: "));
        QVERIFY(window->Label3->text().startsWith("Time: "));
        QVERIFY(window->Label18->text().startsWith("State: "));
        QCOMPARE(window->session.Statistic(ostrand::StatusLabel::Nodes),
                 window->Label1->text().toStdString());

        window->ShowProgress(4, 10);
        QCOMPARE(window->ProgressBar->value(), 4);
        window->ShowProgress(12, 10);
        QCOMPARE(window->ProgressBar->maximum(), 12);
        QCOMPARE(window->ProgressBar->value(), 12);
    }

    void theLinkOpensTheProjectPage() {
        auto window = Open();
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler("https", &catcher, "Open");
        QTest::mouseClick(window->Label4, Qt::LeftButton);
        QDesktopServices::unsetUrlHandler("https");
        QCOMPARE(window->Label4->text(), QString(F_Board::WebAddress));
        QCOMPARE(catcher.opened, QList<QUrl>{QUrl(F_Board::WebAddress)});
    }

    // The player weakens the king with f3 and g4, and the engine, searching four plies deep,
    // mates with its queen.
    void aGameClickedThroughToMate() {
        auto window = Open();
        window->session.SetLevel(AtDepth(4));
        const std::vector<std::array<int, 4>> moves = {{6, 2, 6, 3}, {7, 2, 7, 4}, {1, 2, 1, 3}};
        for (const auto& move : moves) {
            QVERIFY(window->messages.empty());
            Click(*window, move[0], move[1]);
            Click(*window, move[2], move[3]);
            QVERIFY(window->Answered());
        }
        QCOMPARE(window->messages, std::vector<std::string>{"Check Mate!"});
        QCOMPARE(FramedSquares(*window, Blue).size(), size_t{2});
        QVERIFY(window->isEnabled());

        // The game stays over: the next move, and Force, are refused.
        Click(*window, 8, 2);
        Click(*window, 8, 3);
        QTest::mouseClick(window->BtnForce, Qt::LeftButton);
        QCOMPARE(window->refusals, std::vector(2, game::Refusal::GameOver));
        QCOMPARE(window->At(8, 2), int16_t{-ostrand::Piece::Pawn});
        QCOMPARE(window->messages.size(), size_t{1});
        QCOMPARE(window->ClickState, int16_t{1});
    }

    void savesInTheProgramFolder() {
        auto window = Open();
        QCOMPARE(window->SavedGamePath, ostrand::ProgramFolder() + "/Board.txt");
    }

    void loadGivesBackTheSavedPositionAndRedrawsIt() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        auto window = Open();
        window->SavedGamePath = folder.filePath("Board.txt").toStdString();
        Play(*window, 5, 2, 5, 4);
        QVERIFY(window->Answered());
        const GameState saved;
        QTest::mouseClick(window->Btn_Save, Qt::LeftButton);
        QVERIFY(QFile::exists(folder.filePath("Board.txt")));

        Play(*window, 4, 2, 4, 4);
        QVERIFY(window->Answered());
        QVERIFY(!(GameState() == saved));
        Click(*window, 7, 1);
        QCOMPARE(window->ClickState, int16_t{2});

        QTest::mouseClick(window->Btn_Load, Qt::LeftButton);
        QVERIFY(window->messages.empty());
        QVERIFY(GameState() == saved);
        QCOMPARE(window->PlayerSide, int16_t{0});
        QCOMPARE(window->ClickState, int16_t{2});
        QCOMPARE(window->FromFile, int16_t{7});
        QCOMPARE(window->FromRank, int16_t{1});
        // The squares show the loaded position, without the frames of the game played on.
        VerifyPiece(*window, 4, 2, Shade(*window, 4, 2), "PM", "PW");
        VerifyPlain(*window, 4, 4, Shade(*window, 4, 4));
        QVERIFY(FramedSquares(*window, Blue).empty());
        QVERIFY(FramedSquares(*window, Red).empty());
        const auto shown = SquareImages(*window);
        window->PrintBoard();
        QCOMPARE(SquareImages(*window), shown);

        // The pick made before the load is still the move's origin.
        Click(*window, 6, 3);
        QVERIFY(window->Answered());
        QCOMPARE(window->At(6, 3), int16_t{-ostrand::Piece::Knight});
        QVERIFY(window->messages.empty());
    }

    void aDamagedFileIsRefusedAndChangesNothing_data() {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<int>("line");  // the line spoilt, or 0
        QTest::newRow("missing") << "missing" << 0;
        QTest::newRow("cut short") << "cut short" << 0;
        QTest::newRow("not a number") << "x" << 20;
        QTest::newRow("border cell") << "7" << 11;  // file -1, rank -1
        QTest::newRow("no piece") << "7" << 37;     // file 1, rank 1
    }

    void aDamagedFileIsRefusedAndChangesNothing() {
        QFETCH(QString, damage);
        QFETCH(int, line);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString path = folder.filePath("Board.txt");
        auto window = Open();
        window->SavedGamePath = path.toStdString();
        QTest::mouseClick(window->Btn_Save, Qt::LeftButton);
        QList<QByteArray> lines = ReadFile(path).split('\n');
        QCOMPARE(lines.size(), 155);  // the last line end is followed by nothing

        if (damage == "missing") {
            QVERIFY(QFile::remove(path));
        } else if (damage == "cut short") {
            WriteFile(path, lines.mid(0, 60).join('\n') + '\n');
        } else {
            lines[line - 1] = " " + damage.toLatin1() + " \r";
            WriteFile(path, lines.join('\n'));
        }

        Play(*window, 5, 2, 5, 4);
        Click(*window, 4, 2);
        const GameState before;
        const auto shown = SquareImages(*window);
        QTest::mouseClick(window->Btn_Load, Qt::LeftButton);
        QCOMPARE(window->messages.size(), size_t{1});
        const std::string& message = window->messages[0];
        QVERIFY2(message.find(path.toStdString()) != std::string::npos, message.c_str());
        if (line > 0) {
            const std::string where = "line " + std::to_string(line) + ":";
            QVERIFY2(message.find(where) != std::string::npos, message.c_str());
        }
        QVERIFY(GameState() == before);
        QCOMPARE(SquareImages(*window), shown);
        QCOMPARE(window->ClickState, int16_t{2});

        // The game goes on.
        Click(*window, 4, 4);
        QVERIFY(window->Answered());
    }

    // The tests run as root, so the failure comes from the folder's contents, not from its
    // permissions: a folder stands where the new file is written before it replaces the old.
    void aFailedSaveIsReportedAndKeepsTheOldSave() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString path = folder.filePath("Board.txt");
        auto window = Open();
        window->SavedGamePath = path.toStdString();
        QTest::mouseClick(window->Btn_Save, Qt::LeftButton);
        const QByteArray oldSave = ReadFile(path);
        QVERIFY(!oldSave.isEmpty());

        Play(*window, 5, 2, 5, 4);
        const GameState played;
        QVERIFY(QDir(folder.path()).mkpath("Board.txt.new/in the way"));
        QTest::mouseClick(window->Btn_Save, Qt::LeftButton);
        QCOMPARE(window->messages.size(), size_t{1});
        QVERIFY2(window->messages[0].find(path.toStdString()) != std::string::npos,
                 window->messages[0].c_str());
        QCOMPARE(ReadFile(path), oldSave);
        QVERIFY(GameState() == played);

        // The old save still loads: the game is back at its start.
        QTest::mouseClick(window->Btn_Load, Qt::LeftButton);
        QCOMPARE(window->messages.size(), size_t{1});
        QCOMPARE(ostrand::MoveCount, int16_t{0});
        QCOMPARE(window->At(5, 2), int16_t{-ostrand::Piece::Pawn});
        QCOMPARE(window->At(5, 4), int16_t{0});
    }

    void aSaveThatCannotBeWrittenIsReported_data() {
        QTest::addColumn<QString>("obstacle");
        QTest::newRow("a folder in the file's place") << "folder";
        QTest::newRow("a path through a file") << "file";
    }

    void aSaveThatCannotBeWrittenIsReported() {
        QFETCH(QString, obstacle);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        QString path = folder.filePath("Board.txt");
        if (obstacle == "folder") {
            QVERIFY(QDir(folder.path()).mkpath("Board.txt/in the way"));
        } else {
            WriteFile(folder.filePath("plain"), "not a folder\n");
            path = folder.filePath("plain/Board.txt");
        }
        auto window = Open();
        window->SavedGamePath = path.toStdString();
        const GameState before;
        QTest::mouseClick(window->Btn_Save, Qt::LeftButton);
        QCOMPARE(window->messages.size(), size_t{1});
        QVERIFY(GameState() == before);
        QVERIFY(!QFile::exists(path + ".new"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList{obstacle == "folder" ? "Board.txt" : "plain"});
    }

    void eachPaletteControlPlacesItsPieceAndAloneLooksThreeDimensional() {
        auto window = Open();
        QVERIFY(ThreeDimensional(*window).empty());
        for (const auto& [control, code] : Palette) {
            Pick(*window, control);
            QCOMPARE(window->EditPiece, code);
            QVERIFY(window->CkEdit->isChecked());
            QCOMPARE(ThreeDimensional(*window), std::vector<PictureBox*>{window.get()->*control});
            Click(*window, 4, 4);
            QCOMPARE(window->At(4, 4), code == 1 ? int16_t{0} : code);
        }
        QCOMPARE(window->ClickState, int16_t{1});
        QCOMPARE(ostrand::MoveCount, int16_t{0});

        // The look shows: a lit edge at the top left instead of the flat black line, and the
        // raised control lies over its neighbours.
        const QImage raised = window->MM->grab().toImage();
        const QImage flat = window->PB->grab().toImage();
        QCOMPARE(raised.pixel(0, 0) & 0xFFFFFF, QRgb{0xFFFFFF});
        QCOMPARE(raised.pixel(1, 1) & 0xFFFFFF, QRgb{0xFFFFFF});
        QCOMPARE(raised.pixel(raised.width() - 1, raised.height() - 1) & 0xFFFFFF, QRgb{0});
        QCOMPARE(flat.pixel(0, 0) & 0xFFFFFF, QRgb{0});
        Pick(*window, &F_Board::QB);
        QCOMPARE(window->childAt(window->QB->geometry().bottomRight()), window->QB);
    }

    void placedPiecesAreDrawnBySign() {
        auto window = Open();
        Pick(*window, &F_Board::QB);
        Click(*window, 4, 4);
        Click(*window, 4, 4);  // the same piece again
        Pick(*window, &F_Board::RW);
        Click(*window, 5, 8);  // over the engine's king
        Click(*window, 1, 8);
        QCOMPARE(window->At(4, 4), int16_t{990});
        QCOMPARE(window->At(5, 8), int16_t{-550});
        QCOMPARE(window->At(1, 8), int16_t{-550});
        VerifyPiece(*window, 4, 4, Shade(*window, 4, 4), "QM", "QB");
        VerifyPiece(*window, 5, 8, Shade(*window, 5, 8), "RM", "RW");
        VerifyPiece(*window, 1, 8, Shade(*window, 1, 8), "RM", "RW");
        QVERIFY(window->messages.empty());
    }

    void theEraserNeverLeavesAOne() {
        auto window = Open();
        Pick(*window, &F_Board::MM);
        QCOMPARE(window->EditPiece, int16_t{1});
        for (const auto& square : std::vector<std::pair<int, int>>{{5, 2}, {4, 4}, {5, 8}, {1, 1}})
            Click(*window, square.first, square.second);
        for (int x = -1; x <= 10; ++x) {
            for (int y = -1; y <= 10; ++y)
                QVERIFY(ostrand::Board(x, y) != 1);
        }
        for (const auto& square :
             std::vector<std::pair<int, int>>{{5, 2}, {4, 4}, {5, 8}, {1, 1}}) {
            QCOMPARE(window->At(square.first, square.second), int16_t{0});
            VerifyPlain(*window, square.first, square.second,
                        Shade(*window, square.first, square.second));
        }
        // Without the engine's king the board is no chess position: no move is made on it.
        QTest::mouseClick(window->CkEdit, Qt::LeftButton);
        Play(*window, 4, 2, 4, 4);
        QTest::mouseClick(window->BtnForce, Qt::LeftButton);
        QCOMPARE(window->refusals, std::vector(2, game::Refusal::NoPosition));
        QCOMPARE(window->At(4, 2), int16_t{-ostrand::Piece::Pawn});
    }

    void tickingEditBeforeAnyPaletteClickEmptiesSquares() {
        auto window = Open();
        QCOMPARE(window->EditPiece, int16_t{0});
        QTest::mouseClick(window->CkEdit, Qt::LeftButton);
        QVERIFY(window->CkEdit->isChecked());
        Click(*window, 1, 1);
        Click(*window, 5, 7);
        QCOMPARE(window->At(1, 1), int16_t{0});
        QCOMPARE(window->At(5, 7), int16_t{0});
        VerifyPlain(*window, 1, 1, Grey);
        QVERIFY(ThreeDimensional(*window).empty());
        QCOMPARE(window->ClickState, int16_t{1});
    }

    void playingBlackTheWhiteColumnsKingIsTheBlackKing() {
        auto window = Open();
        window->playWhite = false;
        QTest::mouseClick(window->Btn_NewGame, Qt::LeftButton);
        QCOMPARE(window->PlayerSide, int16_t{1});
        Pick(*window, &F_Board::KKW);
        Click(*window, 4, 3);
        QCOMPARE(window->At(4, 3), int16_t{-ostrand::Piece::King});
        VerifyPiece(*window, 4, 3, Shade(*window, 4, 3), "KKM", "KKB");
    }

    void theGameGoesOnInAnEditedPosition() {
        auto window = Open();
        // Half a move entered before editing is finished after it.
        Click(*window, 2, 1);
        Pick(*window, &F_Board::QW);
        Click(*window, 4, 6);  // where two of the engine's pawns take it
        QCOMPARE(window->ClickState, int16_t{2});
        QTest::mouseClick(window->BtnForce, Qt::LeftButton);
        QVERIFY(window->Answered());
        QCOMPARE(window->At(4, 6), int16_t{ostrand::Piece::Pawn});
        QCOMPARE(ostrand::MoveCount, int16_t{1});

        QTest::mouseClick(window->CkEdit, Qt::LeftButton);
        QVERIFY(!window->CkEdit->isChecked());
        QCOMPARE(ThreeDimensional(*window), std::vector<PictureBox*>{window->QW});
        Click(*window, 3, 3);
        QVERIFY(window->Answered());
        QCOMPARE(window->At(3, 3), int16_t{-ostrand::Piece::Knight});
        QCOMPARE(ostrand::MoveCount, int16_t{3});

        // A click picks one of the player's pieces as usual.
        Click(*window, 7, 1);
        QCOMPARE(window->ClickState, int16_t{2});
        QCOMPARE(FramedSquares(*window, Red), (std::vector<std::pair<int, int>>{{7, 1}}));
        Click(*window, 6, 3);
        QVERIFY(window->Answered());
        QCOMPARE(window->At(6, 3), int16_t{-ostrand::Piece::Knight});
        QVERIFY(window->messages.empty());
    }

    // A drop is the second click; a drop off the board keeps the piece picked.
    void aDraggedPieceMovesAsTwoClicksWould_data() {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<int>("moveCount");
        QTest::addColumn<int>("clickState");
        QTest::addColumn<bool>("refused");
        QTest::newRow("legal") << QPoint(5, 2) << QPoint(5, 4) << 2 << 1 << false;
        QTest::newRow("refused") << QPoint(5, 2) << QPoint(5, 5) << 0 << 1 << true;
        QTest::newRow("off the board") << QPoint(7, 1) << QPoint(0, 0) << 0 << 2 << false;
        QTest::newRow("the engine's piece") << QPoint(5, 7) << QPoint(5, 5) << 0 << 1 << false;
    }

    void aDraggedPieceMovesAsTwoClicksWould() {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(int, moveCount);
        QFETCH(int, clickState);
        QFETCH(bool, refused);
        auto window = Open();
        const QPoint target = to.x() == 0 ? window->Picture1->geometry().center()
                                          : window->c(Index(to.x(), to.y())).geometry().center();
        Drag(*window, from.x(), from.y(), target);
        QCOMPARE(ostrand::MoveCount, int16_t(moveCount));
        QCOMPARE(window->ClickState, int16_t(clickState));
        QCOMPARE(window->refusals.empty(), !refused);
        if (moveCount > 0) QCOMPARE(FramedSquares(*window, Blue).size(), size_t{2});
        if (clickState == 2) {
            QCOMPARE(FramedSquares(*window, Red), (std::vector<std::pair<int, int>>{{7, 1}}));
            const QImage shown = window->c(Index(7, 1)).Image();
            window->PrintBoard();
            Click(*window, 7, 1);
            QCOMPARE(window->c(Index(7, 1)).Image(), shown);
            // A second click that slides from an empty square clicks where it ends.
            Drag(*window, 6, 4, window->c(Index(6, 3)).geometry().center());
            QCOMPARE(ostrand::MoveCount, int16_t{2});
        }
    }

    void aPromotionUnderTheStandardRulesAsksForThePiece_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("onA8");
        QTest::addColumn<int>("onA7");
        QTest::newRow("knight") << int(Qt::Key_Return) << -int(ostrand::Piece::Knight) << 0;
        QTest::newRow("escape") << int(Qt::Key_Escape) << 0 << -int(ostrand::Piece::Pawn);
    }

    void aPromotionUnderTheStandardRulesAsksForThePiece() {
        QFETCH(int, key);
        QFETCH(int, onA8);
        QFETCH(int, onA7);
        auto window = Open();
        window->session.SetRules(ostrand::RuleSet::Standard);
        std::string error;
        QVERIFY(window->session.SetUpFen("4k3/P7/8/8/8/8/8/4K3 w - - 0 1", error));
        window->ShowGameAfresh();
        QStringList offered;
        QTimer::singleShot(0, [&offered, key] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu) return;
            for (const QAction* action : menu->actions())
                offered << action->objectName();
            menu->setActiveAction(menu->actions().last());
            QTest::keyClick(menu, Qt::Key(key));
        });
        Play(*window, 1, 7, 1, 8);
        QCOMPARE(offered, (QStringList{"promoteQ", "promoteR", "promoteB", "promoteN"}));
        QCOMPARE(window->At(1, 8), int16_t(onA8));
        QCOMPARE(window->At(1, 7), int16_t(onA7));
        QVERIFY(window->refusals.empty());
    }

    void aPickedPieceShowsItsLegalTargetsWhenAsked() {
        auto window = Open();
        const auto dotted = [&window] {
            std::vector<std::pair<int, int>> squares;
            for (int rank = 1; rank <= 8; ++rank)
                for (int file = 1; file <= 8; ++file)
                    if (Pixel(*window, file, rank, 11, 11) == 0x008080)
                        squares.emplace_back(file, rank);
            return squares;
        };
        Click(*window, 7, 1);
        QVERIFY(dotted().empty());
        window->SetShowLegalMoves(true);
        Click(*window, 7, 1);
        QCOMPARE(dotted(), (std::vector<std::pair<int, int>>{{6, 3}, {8, 3}}));
        Click(*window, 5, 2);
        QCOMPARE(dotted(), (std::vector<std::pair<int, int>>{{5, 3}, {5, 4}}));
        // A pinned piece has none; the king may castle once the way is free.
        std::string error;
        QVERIFY(window->session.SetUpFen("4k3/8/8/b7/8/8/3P4/R3K2R w KQ - 0 1", error));
        window->ShowGameAfresh();
        Click(*window, 4, 2);
        QVERIFY(dotted().empty());
        Click(*window, 5, 1);
        QCOMPARE(dotted(), (std::vector<std::pair<int, int>>{
                               {3, 1}, {4, 1}, {6, 1}, {7, 1}, {5, 2}, {6, 2}}));
    }

    // What the AND/OR painting needs of every picture drawn for a larger square: a mask of
    // black and white only, the pieces grey exactly where the mask is white, and a white
    // piece that shows white inside its outline.
    void piecesDrawnAtEverySizeKeepThePaintingsRules() {
        for (const int size : {35, 47, 71}) {
            for (const QString piece : {"P", "K", "B", "R", "Q", "KK"}) {
                const QImage mask = PieceArt(piece + "M", size);
                const QImage white = PieceArt(piece + "W", size);
                const QImage black = PieceArt(piece + "B", size);
                QCOMPARE(mask.size(), QSize(size, size));
                int body = 0, whiteInside = 0;
                for (int y = 0; y < size; ++y) {
                    for (int x = 0; x < size; ++x) {
                        const QRgb m = mask.pixel(x, y) & 0xFFFFFF;
                        QVERIFY(m == 0 || m == White);
                        const bool outside = m == White;
                        QCOMPARE((white.pixel(x, y) & 0xFFFFFF) == Grey, outside);
                        QCOMPARE((black.pixel(x, y) & 0xFFFFFF) == Grey, outside);
                        body += !outside;
                        whiteInside += (white.pixel(x, y) & 0xFFFFFF) == White;
                    }
                }
                QVERIFY2(body > size * size / 8, qPrintable(piece));
                QVERIFY2(whiteInside > body / 3, qPrintable(piece));
            }
        }
    }

    // The whole form grows as one, at the zoom steps and between them, the check box too;
    // each square's inside takes a picture drawn at its size, which the AND/OR painting shows
    // exactly; frames stay, and 100 % is as before.
    void theFormZoomsAsOne_data() {
        QTest::addColumn<int>("zoom");
        QTest::addColumn<int>("pitch");
        QTest::newRow("125 %") << 125 << 30;
        QTest::newRow("150 %") << 150 << 36;
        QTest::newRow("200 %") << 200 << 48;
        QTest::newRow("250 %") << 250 << 60;
        QTest::newRow("300 %") << 300 << 72;
    }

    void theFormZoomsAsOne() {
        QFETCH(int, zoom);
        QFETCH(int, pitch);
        auto window = Open();
        Click(*window, 7, 1);
        const QImage design = window->grab().toImage();
        const int indicator = CheckIndicator(*window).width();
        window->SetZoom(zoom);
        QCOMPARE(window->size(), QSize(393, 326) * zoom / 100);
        QCOMPARE(window->c(Index(1, 1)).size(), QSize(pitch + 1, pitch + 1));
        QCOMPARE(Place(*window, 2, 1) - Place(*window, 1, 1), QPoint(pitch, 0));
        QCOMPARE(Place(*window, 1, 1) - Place(*window, 1, 2), QPoint(0, pitch));
        const QImage& square = window->c(Index(7, 1)).Image();
        QCOMPARE(square.size(), QSize(pitch - 1, pitch - 1));
        // The knight on grey g1 framed in red; inside the frame the shade where the mask is
        // white, the picture where it is black.
        const int frame = zoom / 100;
        int body = 0;
        for (int y = 0; y < square.height(); ++y) {
            for (int x = 0; x < square.width(); ++x) {
                const QRgb shown = square.pixel(x, y) & 0xFFFFFF;
                const QRgb picture = window->KW->Picture().pixel(x, y) & 0xFFFFFF;
                const bool onFrame =
                    std::min({x, y, square.width() - 1 - x, square.height() - 1 - y}) < frame;
                const QRgb expected = onFrame ? Red : picture;
                QCOMPARE(shown, expected);
                body += !onFrame && picture != Grey;
            }
        }
        QVERIFY(body > (pitch - 1) * (pitch - 1) / 5);
        // The statistics' widest line stays in its label, clear of the palette.
        const QString nodes = "Nodes/Sec: 17983878";
        QVERIFY(window->Label1->fontMetrics().horizontalAdvance(nodes) <= window->Label1->width());
        QCOMPARE(window->CkEdit->font(), window->Label5->font());
        QVERIFY(std::abs(CheckIndicator(*window).width() - indicator * zoom / 100) <= 1);
        window->SetZoom(100);
        QCOMPARE(window->grab().toImage(), design);
    }
};

QTEST_MAIN(F_BoardTest)
#include "F_BoardTest.moc"
