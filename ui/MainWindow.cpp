#include "MainWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <utility>

#include "BookFile.h"
#include "EngineBoard.h"
#include "F_Board.h"
#include "GameStatus.h"
#include "Hint.h"
#include "Language.h"
#include "Messages.h"
#include "MoveList.h"
#include "OpeningBook.h"
#include "Preferences.h"
#include "Search.h"
#include "Support.h"
#include "TimePlan.h"
#include "Version.h"

namespace chess = ostrand::chess;

namespace {

// The status line's texts come in English from GameStatus; they show in the player's language.
QString Shown(const std::string& text) {
    return QCoreApplication::translate("status", text.c_str());
}

constexpr const char* LevelKey = "level";
constexpr const char* VaryOpeningsKey = "varyOpenings";
constexpr const char* StatisticsKey = "showStatistics";
constexpr const char* LanguageKey = "language";
constexpr const char* ZoomKey = "zoom";
constexpr const char* LegalMovesKey = "showLegalMoves";
constexpr const char* TimeControlKey = "timeControl";
constexpr const char* MoveListKey = "showMoveList";

// The Time control menu's choices besides None and Custom.
constexpr const char* TimeControls[] = {"1+0", "3+2", "5+0", "10+5", "15+10", "30+0"};

QString PgnFilter() {
    return MainWindow::tr("PGN games (*.pgn *.PGN);;All files (*)");
}
// How long the status line shows that something was done, in milliseconds.
constexpr int NoticeTime = 4000;

QString Licence() {
    return MainWindow::tr(
        "Free software under the GNU General Public License, version 3 or any later version.");
}

// A level's menu text with its measured Elo, each text whole for the translators.
QString LevelText(const ostrand::Level& level) {
    const std::string_view name = level.name;
    const QString text = name == "Full strength" ? MainWindow::tr("Full strength (about %1)")
                         : name == "Depth 6"     ? MainWindow::tr("Depth 6 (about %1)")
                         : name == "Depth 4"     ? MainWindow::tr("Depth 4 (about %1)")
                         : name == "Depth 2"     ? MainWindow::tr("Depth 2 (about %1)")
                         : name == "Casual"      ? MainWindow::tr("Casual (about %1)")
                                                 : MainWindow::tr("Beginner (about %1)");
    return text.arg(level.elo);
}

// The level the preferences name; earlier versions kept the depth, 0 for full strength.
const ostrand::Level& SavedLevel(const QVariant& saved) {
    if (const ostrand::Level* level = ostrand::LevelNamed(saved.toString().toStdString()))
        return *level;
    for (const ostrand::Level& level : ostrand::Levels)
        if (level.chance == 0 && QString::number(level.depth) == saved.toString()) return level;
    return ostrand::Levels.front();
}

// A paragraph a text, so that a change to one leaves the others' translations standing.
QString HowToPlayText() {
    const QString paragraphs[] = {
        MainWindow::tr(
            "<b>Moving:</b> click one of your pieces (it is framed in red), then the square it "
            "goes to. The engine answers at once and its move is framed in blue. Castle by moving "
            "the king two squares. A refused move is explained in the status line."),
        MainWindow::tr("<b>New</b> starts a game and asks for your colour; <b>Save</b> and "
                       "<b>Load</b> keep one game. <b>Force</b> makes the engine move for its side "
                       "now, and <b>&lt;</b> turns the board round. The two swatches show the "
                       "engine's colour (upper) and yours (lower)."),
        MainWindow::tr("<b>Edit</b> and the palette set up any position: click a palette piece "
                       "(the left column places the engine's pieces, the right one yours), then "
                       "squares; the blank box erases. Untick Edit to play on."),
        MainWindow::tr("<b>Take back</b> (Ctrl+Z) undoes your last move with the engine's answer, "
                       "an edit, a load, a paste or Force; <b>Redo</b> (Ctrl+Shift+Z) plays it "
                       "again. While the engine thinks, <b>Space</b> makes it move at once. "
                       "<b>Move &#9656; Level</b> chooses an easier opponent."),
        MainWindow::tr("The <b>move list</b> beside the board shows the game; click a move, or "
                       "press Left, Right, Home or End, to go back or forward through it."),
        MainWindow::tr(
            "A game ends by mate, stalemate, a threefold repetition, fifty moves without a capture "
            "or a pawn move, too little material to mate, your resignation (<b>Game &#9656; "
            "Resign</b>) or a draw the engine accepts (<b>Offer a draw</b>): it accepts when it "
            "thinks itself a pawn or more behind."),
        MainWindow::tr(
            "<b>Copy position</b> (Ctrl+C) puts the position in FEN on the clipboard; <b>Paste "
            "position</b> (Ctrl+V) sets one up from there, or a PGN game, and the engine moves if "
            "it is its turn. <b>Save game as PGN</b>, <b>Copy game</b> (Ctrl+Shift+C) and <b>Open "
            "PGN</b> keep and replay whole games, which other chess programs read too."),
        MainWindow::tr(
            "You may also drag a piece to its square. <b>Move &#9656; Hint</b> (H) frames the "
            "engine's suggestion for your move in green. <b>Game &#9656; Time control</b> plays "
            "the next games on a clock; <b>View &#9656; Zoom</b> enlarges the whole window."),
    };
    QString text;
    for (const QString& paragraph : paragraphs)
        text += "<p>" + paragraph + "</p>";
    return text;
}

}  // namespace

MainWindow::MainWindow(F_Board* board)
    : board_(board ? board : new F_Board),
      moveList_(new MoveList),
      exchange_(new GameExchange(*this, this)),
      clock_(new ChessClock) {
    // The form keeps its place at the top left; beside it stand the clocks and, under them,
    // the move list, as high as the form.
    auto* central = new QWidget;
    auto* row = new QHBoxLayout(central);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(board_, 0, Qt::AlignTop);
    auto* side = new QVBoxLayout;
    side->setContentsMargins(0, 0, 0, 0);
    side->setSpacing(0);
    side->addWidget(clock_);
    side->addWidget(moveList_);
    row->addLayout(side);
    moveList_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Ignored);
    setCentralWidget(central);
    setWindowTitle(board_->windowTitle());
    setWindowIcon(board_->windowIcon());
    // The form has a fixed size; the window fits round it.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    // Space is "Move now": no control of the form may take the key and be pressed instead.
    for (QAbstractButton* button : board_->findChildren<QAbstractButton*>())
        button->setFocusPolicy(Qt::NoFocus);

    status_ = new QLabel(this);
    status_->setIndent(4);
    statusBar()->addWidget(status_, 1);
    statusBar()->setSizeGripEnabled(false);
    BuildMenus();

    connect(board_, &F_Board::GameStarted, this, &MainWindow::OnGameStarted);
    connect(board_, &F_Board::GameChanged, this, &MainWindow::OnGameChanged);
    connect(board_, &F_Board::EngineBusyChanged, this, &MainWindow::OnEngineBusy);
    connect(board_, &F_Board::DepthReported, this, [this](int depth) {
        thinking_ = true;
        // The player's move is in: the engine's clock runs while it thinks. Forced out of turn,
        // the engine thinks on its own clock, and the player, who made no move, earns nothing.
        if (clock_->Running() == ChessClock::Side::Player && !answering_.empty()) {
            if (answering_ == "Force")
                clock_->Run(ChessClock::Side::Engine);
            else
                clock_->Press(ChessClock::Side::Player);
        }
        SetStatus(tr("Thinking… depth %1").arg(depth));
        UpdateActions();
    });
    connect(board_, &F_Board::ScoreReported, this, [this](int score) { engineScore_ = score; });
    connect(board_, &F_Board::SavedGameUsed, this, [this](bool saved, const QString& path) {
        const QString where = QDir::toNativeSeparators(path);
        Notify(saved ? tr("Saved to %1").arg(where) : tr("Loaded from %1").arg(where));
    });
    board_->AnswerFirst = [this](const std::string& command) { return AnswerFirst(command); };
    connect(clock_, &ChessClock::Flagged, this, &MainWindow::OnFlagged);
    connect(moveList_, &MoveList::StepChosen, this, &MainWindow::GoToStep);

    QSettings settings = Preferences();
    bookProblem_ = messages::Translated(QString::fromStdString(chess::LoadBook()));
    const ostrand::Level& level = SavedLevel(settings.value(LevelKey));
    const bool vary = settings.value(VaryOpeningsKey, level.variesOpenings).toBool();
    PlayAtLevel(level);
    SetVaryOpenings(vary);
    showStatistics_->setChecked(settings.value(StatisticsKey, true).toBool());
    board_->SetStatisticsShown(showStatistics_->isChecked());
    showLegalMoves_->setChecked(settings.value(LegalMovesKey, false).toBool());
    SetZoom(settings.value(ZoomKey, 100).toInt(), false);
    SetTimeControl(
        TimeControl::Parse(settings.value(TimeControlKey).toString()).value_or(TimeControl{}),
        false);
    showMoveList_->setChecked(settings.value(MoveListKey, true).toBool());
    moveList_->setVisible(showMoveList_->isChecked());
    UpdateActions();
}

void MainWindow::Start() {
    board_->Form_Load();
}

void MainWindow::BuildMenus() {
    const auto add = [this](QMenu* menu, const QString& text, const QString& name,
                            const QKeySequence& shortcut, auto slot) {
        QAction* action = menu->addAction(text);
        action->setObjectName(name);
        action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    F_Board* board = board_;

    QMenu* game = menuBar()->addMenu(tr("&Game"));
    newGame_ = add(game, tr("&New…"), "newGame", QKeySequence::New,
                   [board] { board->Btn_NewGame_Click(); });
    save_ =
        add(game, tr("&Save"), "save", QKeySequence::Save, [board] { board->Btn_Save_Click(); });
    load_ =
        add(game, tr("&Load"), "load", QKeySequence::Open, [board] { board->Btn_Load_Click(); });
    game->addSeparator();
    copyPosition_ = add(game, tr("&Copy position"), "copyPosition", QKeySequence::Copy,
                        [this] { exchange_->CopyPosition(); });
    pastePosition_ = add(game, tr("&Paste position"), "pastePosition", QKeySequence::Paste,
                         [this] { exchange_->PastePosition(); });
    game->addSeparator();
    openPgn_ = add(game, tr("&Open PGN…"), "openPgn", QKeySequence("Ctrl+Shift+O"),
                   [this] { exchange_->OpenPgn(); });
    savePgn_ = add(game, tr("Save game as P&GN…"), "savePgn", QKeySequence("Ctrl+Shift+S"),
                   [this] { exchange_->SaveGameAsPgn(); });
    game->addSeparator();
    copyGame_ = add(game, tr("Copy &game"), "copyGame", QKeySequence("Ctrl+Shift+C"),
                    [this] { exchange_->CopyGame(); });
    QMenu* time = game->addMenu(tr("&Time control"));
    timeControls_ = new QActionGroup(this);
    const auto addControl = [this, time](const QString& text, const QString& name,
                                         const std::optional<TimeControl>& control) {
        QAction* action = time->addAction(text);
        action->setObjectName(name);
        action->setCheckable(true);
        timeControls_->addAction(action);
        if (control) {
            action->setData(control->Text());
            connect(action, &QAction::triggered, this,
                    [this, control] { SetTimeControl(*control); });
        }
        return action;
    };
    addControl(tr("None"), "timeNone", TimeControl{});
    for (const char* control : TimeControls)
        addControl(control, QString("time%1").arg(control), TimeControl::Parse(control));
    customTime_ = addControl(tr("Custom…"), "timeCustom", std::nullopt);
    connect(customTime_, &QAction::triggered, this, &MainWindow::ChooseTimeControl);
    game->addSeparator();
    offerDraw_ =
        add(game, tr("Offer a &draw"), "offerDraw", QKeySequence(), &MainWindow::OfferDraw);
    resign_ = add(game, tr("R&esign"), "resign", QKeySequence(), &MainWindow::Resign);
    game->addSeparator();
    varyOpenings_ = add(game, tr("&Vary the openings"), "varyOpenings", QKeySequence(),
                        [this] { SetVaryOpenings(varyOpenings_->isChecked()); });
    varyOpenings_->setCheckable(true);
    game->addSeparator();
    QAction* quit = add(game, tr("&Quit"), "quit", QKeySequence("Ctrl+Q"), [this] { close(); });
    quit->setMenuRole(QAction::QuitRole);

    QMenu* move = menuBar()->addMenu(tr("&Move"));
    takeBack_ =
        add(move, tr("&Take back"), "takeBack", QKeySequence("Ctrl+Z"), &MainWindow::TakeBack);
    takeBack_->setShortcuts({QKeySequence("Ctrl+Z"), QKeySequence(Qt::Key_Left)});
    redo_ = add(move, tr("&Redo"), "redo", QKeySequence("Ctrl+Shift+Z"), &MainWindow::Redo);
    redo_->setShortcuts({QKeySequence("Ctrl+Shift+Z"), QKeySequence(Qt::Key_Right)});
    first_ = add(move, tr("Go to the &start"), "first", QKeySequence(Qt::Key_Home),
                 [this] { GoToStep(0); });
    last_ = add(move, tr("Go to the &end"), "last", QKeySequence(Qt::Key_End),
                [this] { GoToStep(history_.Size() - 1); });
    moveNow_ =
        add(move, tr("Move &now"), "moveNow", QKeySequence(Qt::Key_Space), &MainWindow::MoveNow);
    force_ = add(move, tr("&Force"), "force", QKeySequence("Ctrl+F"),
                 [board] { board->BtnForce_Click(); });
    hint_ = add(move, tr("&Hint"), "hint", QKeySequence(Qt::Key_H), &MainWindow::ShowHint);
    move->addSeparator();
    QMenu* level = move->addMenu(tr("&Level"));
    levels_ = new QActionGroup(this);
    for (size_t i = 0; i < ostrand::Levels.size(); ++i) {
        const ostrand::Level& each = ostrand::Levels[i];
        QAction* action = level->addAction(LevelText(each));
        action->setObjectName(QString("level%1").arg(i));
        action->setCheckable(true);
        action->setData(
            QString::fromUtf8(each.name.data(), static_cast<qsizetype>(each.name.size())));
        levels_->addAction(action);
        connect(action, &QAction::triggered, this, [this, &each] { SetLevel(each); });
    }

    QMenu* view = menuBar()->addMenu(tr("&View"));
    rotate_ = add(view, tr("&Rotate board"), "rotate", QKeySequence("Ctrl+R"),
                  [board] { board->BtnRotate_Click(); });
    showStatistics_ = add(view, tr("Show &statistics"), "showStatistics", QKeySequence(), [this] {
        board_->SetStatisticsShown(showStatistics_->isChecked());
        Preferences().setValue(StatisticsKey, showStatistics_->isChecked());
    });
    showStatistics_->setCheckable(true);
    showLegalMoves_ = add(view, tr("Show &legal moves"), "showLegalMoves", QKeySequence(), [this] {
        UpdateActions();
        Preferences().setValue(LegalMovesKey, showLegalMoves_->isChecked());
    });
    showLegalMoves_->setCheckable(true);
    QMenu* zoom = view->addMenu(tr("&Zoom"));
    zooms_ = new QActionGroup(this);
    for (int percent : F_Board::Zooms) {
        QAction* action = zoom->addAction(QString("%1 %").arg(percent));
        action->setObjectName(QString("zoom%1").arg(percent));
        action->setCheckable(true);
        action->setData(percent);
        if (percent == 100) action->setShortcut(QKeySequence("Ctrl+0"));
        zooms_->addAction(action);
        connect(action, &QAction::triggered, this, [this, percent] { SetZoom(percent); });
    }
    zoom->addSeparator();
    QAction* zoomIn =
        add(zoom, tr("Zoom &in"), "zoomIn", QKeySequence::ZoomIn, [this] { StepZoom(1); });
    // Ctrl+= too: on many keyboards "+" needs Shift.
    zoomIn->setShortcuts({QKeySequence::ZoomIn, QKeySequence("Ctrl+=")});
    add(zoom, tr("Zoom &out"), "zoomOut", QKeySequence::ZoomOut, [this] { StepZoom(-1); });
    showMoveList_ = add(view, tr("Move &list"), "showMoveList", QKeySequence(), [this] {
        moveList_->setVisible(showMoveList_->isChecked());
        Preferences().setValue(MoveListKey, showMoveList_->isChecked());
    });
    showMoveList_->setCheckable(true);

    QMenu* languageMenu = view->addMenu(tr("&Language"));
    auto* languages = new QActionGroup(this);
    const QString chosen = LanguageSetting();
    const auto addLanguage = [this, languageMenu, languages, &chosen](const QString& name,
                                                                      const QString& code) {
        QAction* action = languageMenu->addAction(name);
        action->setObjectName("language" + (code.isEmpty() ? QString("System") : code));
        action->setCheckable(true);
        action->setChecked(code == chosen);
        languages->addAction(action);
        connect(action, &QAction::triggered, this, [this, code] { SetLanguage(code); });
    };
    addLanguage(tr("System"), QString());
    languageMenu->addSeparator();
    // Each language under its own name, so that a player finds theirs in any of them.
    for (const QString& code : QStringList("en") + language::Translated())
        addLanguage(language::NativeName(code), code);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    howToPlay_ = add(help, tr("&How to play"), "howToPlay", QKeySequence::HelpContents,
                     &MainWindow::ShowHowToPlay);
    about_ = add(help, tr("&About Ostrand Chess"), "about", QKeySequence(), &MainWindow::ShowAbout);
    about_->setMenuRole(QAction::AboutRole);
}

void MainWindow::RecordStep() {
    record_.Follow({}, {});
    PushStep();
    ShowGameAfresh();
}

void MainWindow::PushStep() {
    PushNewStep();
}

bool MainWindow::PushNewStep() {
    return history_.Push({ostrand::GameSnapshot::Capture(), record_});
}

chess::Colour MainWindow::EngineColour() const {
    return board_->PlayerSide == 0 ? chess::Colour::Black : chess::Colour::White;
}

QString MainWindow::StatusText() const {
    return status_->text();
}

void MainWindow::TakeBack() {
    if (board_->EngineBusy() || !history_.CanTakeBack()) return;
    ReturnTo(history_.TakeBack());
}

void MainWindow::Redo() {
    if (board_->EngineBusy() || !history_.CanRedo()) return;
    ReturnTo(history_.Redo());
}

void MainWindow::GoToStep(size_t step) {
    if (board_->EngineBusy() || step == history_.Current()) return;
    ReturnTo(history_.GoTo(step));
}

void MainWindow::ReturnTo(const GameState& state) {
    state.engine.Restore();
    record_ = state.record;
    // A flag that is down stays down: the step shows the game lost on time, and no new step
    // for that loss drops the later ones from the list.
    using Side = ChessClock::Side;
    if (clock_->Control().Timed() && record_.HasGame() && status::GameResult(record_).empty()) {
        if (clock_->Remaining(Side::Player) <= 0)
            record_.Settle(GameRecord::Settlement::PlayerOutOfTime);
        else if (clock_->Remaining(Side::Engine) <= 0)
            record_.Settle(GameRecord::Settlement::EngineOutOfTime);
    }
    ShowGame();
}

void MainWindow::ShowGame() {
    engineScore_.reset();
    board_->ClickState = 1;
    board_->PrintBoard();
    board_->FrameEngineMove(LastEngineMove());
    SetStatus(Shown(status::GameStatus(record_)));
    FollowClock();
    UpdateActions();
}

void MainWindow::ShowGameAfresh() {
    // A position set up is a game of its own, on full clocks as a new game is.
    flagged_.reset();
    clock_->Start(nextControl_);
    ShowGame();
    AnnounceEnding();
}

// The engine's move text of the record's last move when the engine made it, else empty.
std::string MainWindow::LastEngineMove() const {
    if (!record_.HasGame() || record_.Moves().empty()) return {};
    const std::vector<chess::Position> positions = record_.Positions();
    const chess::Position& before = positions[positions.size() - 2];
    std::string text, error;
    if (before.toMove != record_.Engine() ||
        !chess::EngineMove(before, record_.Moves().back(), record_.Engine(), text, error))
        return {};
    return text;
}

// An ending the engine does not know is announced as it announces a mate.
void MainWindow::AnnounceEnding() {
    using Settlement = GameRecord::Settlement;
    const Settlement settled = record_.Settled();
    if (status::EndedBeyondTheEngine(record_) && settled != Settlement::PlayerResigned &&
        settled != Settlement::DrawAgreed)
        Announce(Shown(status::GameResult(record_)));
}

std::optional<std::string> MainWindow::AnswerFirst(const std::string& command) {
    answering_ = command;
    // "Error": nothing is played, and the status line says why.
    if (status::EndedBeyondTheEngine(record_)) return "Error";
    const chess::Position& now = record_.Final();
    const auto move = chess::StandardMove(command, now, record_.Engine());
    if (!record_.HasGame() || command == "Force" || !move) return std::nullopt;
    const auto legal = chess::LegalMoves(now, chess::CastlingRule::PawnsIgnored);
    std::string text, error;
    if (std::find(legal.begin(), legal.end(), *move) == legal.end() ||
        !chess::EngineMove(now, *move, record_.Engine(), text, error))
        return std::nullopt;
    GameRecord after = record_;
    after.Add(*move);
    if (after.DrawnBy() == GameRecord::DrawRule::None) return std::nullopt;
    // The move draws by a rule the engine does not know: it is played without an answer.
    ostrand::PlayMove(text[0] - '0', text[1] - '0', text[2] - '0', text[3] - '0');
    return "OK";
}

void MainWindow::Resign() {
    if (board_->EngineBusy() || !status::GameResult(record_).empty() || !record_.HasGame()) return;
    record_.Settle(GameRecord::Settlement::PlayerResigned);
    PushNewStep();
    ShowGame();
}

// The engine takes a draw when its last search found it at least a pawn behind.
void MainWindow::OfferDraw() {
    if (board_->EngineBusy() || !status::GameResult(record_).empty() || !record_.HasGame()) return;
    if (!engineScore_ || *engineScore_ > -100) {
        SetStatus(tr("The engine declines the draw"));
        return;
    }
    record_.Settle(GameRecord::Settlement::DrawAgreed);
    PushNewStep();
    ShowGame();
}

void MainWindow::MoveNow() {
    if (thinking_) ostrand::StopRequested = true;
}

void MainWindow::SetLevel(const ostrand::Level& level) {
    PlayAtLevel(level);
    SetVaryOpenings(level.variesOpenings);
}

void MainWindow::PlayAtLevel(const ostrand::Level& level) {
    ostrand::UseLevel(level);
    const QString name =
        QString::fromUtf8(level.name.data(), static_cast<qsizetype>(level.name.size()));
    for (QAction* action : levels_->actions())
        action->setChecked(action->data().toString() == name);
    Preferences().setValue(LevelKey, name);
}

void MainWindow::SetVaryOpenings(bool vary) {
    ostrand::UseBook = vary;
    varyOpenings_->setChecked(vary);
    Preferences().setValue(VaryOpeningsKey, vary);
    if (vary && !bookProblem_.isEmpty()) {
        // Once the window stands, and only once.
        QTimer::singleShot(0, this, [this, problem = bookProblem_] {
            Warn(tr("Vary the openings"), problem[0].toUpper() + problem.mid(1) + ".");
        });
        bookProblem_.clear();
    }
}

void MainWindow::ShowHint() {
    if (board_->EngineBusy()) return;
    const bool open = status::GameResult(record_).empty();
    const std::optional<Hint> hint = open ? FindHint(record_, *board_) : std::nullopt;
    // The player's flag may have fallen while the engine searched.
    SettleOnTime();
    if (open && !status::GameResult(record_).empty()) return;
    if (!hint) {
        SetStatus(tr("No hint in this position"));
        return;
    }
    board_->ShowHint(static_cast<int16_t>(hint->fromFile), static_cast<int16_t>(hint->fromRank),
                     static_cast<int16_t>(hint->toFile), static_cast<int16_t>(hint->toRank));
    SetStatus(tr("Hint: %1").arg(messages::ShownSan(hint->san)));
}

void MainWindow::SetZoom(int percent, bool keep) {
    if (board_->EngineBusy()) return;
    if (std::count(std::begin(F_Board::Zooms), std::end(F_Board::Zooms), percent) == 0)
        percent = 100;
    board_->SetZoom(percent);
    // The menus, the status line and the clocks grow with the form.
    if (!barHeights_) {
        barHeights_ = {menuBar()->sizeHint().height(), statusBar()->sizeHint().height()};
        listDesign_ = {moveList_->width(), moveList_->verticalHeader()->defaultSectionSize()};
        for (int column = 0; column < moveList_->columnCount(); ++column)
            listDesign_.push_back(moveList_->columnWidth(column));
    }
    const double scale = percent / 100.0;
    QFont font = QApplication::font(menuBar());
    font.setPointSizeF(font.pointSizeF() * scale);
    menuBar()->setFont(font);
    font = QApplication::font(statusBar());
    font.setPointSizeF(font.pointSizeF() * scale);
    statusBar()->setFont(font);
    // Their paddings do not grow with the font: the bars keep their proportion instead.
    menuBar()->setFixedHeight(static_cast<int>(std::lround(barHeights_->first * scale)));
    statusBar()->setFixedHeight(static_cast<int>(std::lround(barHeights_->second * scale)));
    clock_->SetScale(scale);
    const auto scaled = [scale](int pixels) {
        return static_cast<int>(std::lround(pixels * scale));
    };
    font = QApplication::font(moveList_);
    font.setPointSizeF(font.pointSizeF() * scale);
    moveList_->setFont(font);
    moveList_->setFixedWidth(scaled(listDesign_[0]));
    moveList_->verticalHeader()->setDefaultSectionSize(scaled(listDesign_[1]));
    for (int column = 0; column < moveList_->columnCount(); ++column)
        moveList_->setColumnWidth(column, scaled(listDesign_[static_cast<size_t>(column) + 2]));
    moveList_->resizeRowsToContents();
    for (QAction* action : zooms_->actions())
        action->setChecked(action->data().toInt() == percent);
    if (keep) Preferences().setValue(ZoomKey, percent);
}

void MainWindow::StepZoom(int step) {
    const auto* now =
        std::find(std::begin(F_Board::Zooms), std::end(F_Board::Zooms), board_->Zoom());
    const auto index = std::clamp<std::ptrdiff_t>(now - std::begin(F_Board::Zooms) + step, 0,
                                                  std::size(F_Board::Zooms) - 1);
    SetZoom(F_Board::Zooms[index]);
}

QString MainWindow::LanguageSetting() {
    return Preferences().value(LanguageKey).toString();
}

// The window's texts are set as it is made, so the choice applies from the next start.
void MainWindow::SetLanguage(const QString& code) {
    if (code.isEmpty())
        Preferences().remove(LanguageKey);
    else
        Preferences().setValue(LanguageKey, code);
    Notify(tr("The language changes when Ostrand Chess starts again"));
}

void MainWindow::ShowHowToPlay() {
    QMessageBox::information(this, tr("How to play"), HowToPlayText());
}

void MainWindow::ShowAbout() {
    QMessageBox::about(
        this, tr("About Ostrand Chess"),
        QString("<p><b>Ostrand Chess %1</b></p><p>%2</p><p>%3</p>"
                "<p><a href=\"%4\">%4</a></p>")
            .arg(ostrand::Version, tr("A chess program in which you play against the computer."),
                 Licence(), F_Board::WebAddress));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!board_->EngineBusy()) {
        event->accept();
        return;
    }
    ostrand::StopRequested = true;
    closeWhenIdle_ = true;
    event->ignore();
}

void MainWindow::OnGameStarted() {
    record_.Start(chess::StartPosition(), EngineColour());
    // Playing black, the engine has opened the game.
    if (board_->PlayerSide == 1) {
        record_.Follow("Force", board_->LastReply);
        board_->FrameEngineMove(board_->LastReply);
    } else {
        engineScore_.reset();
    }
    history_.Start({ostrand::GameSnapshot::Capture(), record_});
    SetStatus(Shown(status::GameStatus(record_)));
    // The new game's clocks, on the control chosen for it, run from now.
    answering_.clear();
    flagged_.reset();
    clock_->Start(nextControl_);
    FollowClock();
    UpdateActions();
}

void MainWindow::OnGameChanged(const QString& command) {
    const bool over = status::EndedBeyondTheEngine(record_);
    answering_.clear();
    if (flagged_ == ChessClock::Side::Engine) TakeBackLateMove(command.toStdString());
    // A load or a placement sends no command; the last reply is an older command's.
    record_.Follow(command.toStdString(), command.isEmpty() ? std::string() : board_->LastReply);
    const bool added = PushNewStep();
    std::string text = status::GameStatus(record_);
    const bool refused = command.size() == 4 && command != "Force" && board_->LastReply == "Error";
    if (over && !added)
        text = QT_TRANSLATE_NOOP("status", "The game is over: start a new game");
    else if (refused && status::GameResult(record_).empty())
        text = status::RefusalReason(command.toStdString());
    SetStatus(Shown(text));
    if (command == "Force") board_->FrameEngineMove(board_->LastReply);
    FollowClock();
    UpdateActions();
    // The editor's positions are set up a piece at a time; only play announces an ending.
    if (added && board_->CkEdit->checkState() != Qt::Checked) AnnounceEnding();
    SettleOnTime();
}

void MainWindow::OnEngineBusy(bool busy) {
    if (!busy) thinking_ = false;
    // On a clock the engine thinks by the budget its time allows, as in the UCI mode; a new
    // game's opening move, made before its clocks start, is on none of the last game's time,
    // whether that game is over or still running.
    const TimeControl& control = clock_->Control();
    if (busy && control.Timed() && clock_->Running() && !answering_.empty()) {
        ostrand::GoClock go;
        go.timeLeft = clock_->Remaining(ChessClock::Side::Engine);
        go.increment = std::llround(control.increment * 1000);
        ostrand::SearchBudget = ostrand::PlanBudget(go);
    } else {
        ostrand::SearchBudget = {};
    }
    UpdateActions();
    // The command's handler finishes first; then the window closes as asked.
    if (!busy && closeWhenIdle_) QTimer::singleShot(0, this, &QWidget::close);
}

// While the engine works only "Move now", the view's settings and Quit are offered; the
// rest would start a second command or pause the search behind a dialog.
void MainWindow::UpdateActions() {
    const bool idle = !board_->EngineBusy();
    for (QAction* action : {newGame_, save_, load_, copyPosition_, pastePosition_, openPgn_,
                            savePgn_, copyGame_, force_, hint_, rotate_, howToPlay_, about_})
        action->setEnabled(idle);
    const bool going = record_.HasGame() && status::GameResult(record_).empty();
    const bool open = idle && going;
    // A game over takes no more moves: no dots that promise one.
    board_->SetShowLegalMoves(going && showLegalMoves_->isChecked());
    resign_->setEnabled(open);
    offerDraw_->setEnabled(open);
    levels_->setEnabled(idle);
    // A zoom draws the board afresh, which mid-search holds the search's moves.
    zooms_->setEnabled(idle);
    varyOpenings_->setEnabled(idle);
    takeBack_->setEnabled(idle && history_.CanTakeBack());
    first_->setEnabled(idle && history_.CanTakeBack());
    redo_->setEnabled(idle && history_.CanRedo());
    last_->setEnabled(idle && history_.CanRedo());
    if (idle) ShowMoves();
    moveNow_->setEnabled(thinking_);
}

// The list ends with the result as PGN writes it, a draw as ½-½, and how the game ended.
void MainWindow::ShowMoves() {
    const QString result = Shown(status::GameResult(record_));
    QString score = QString::fromStdString(PgnResult());
    if (score == "1/2-1/2") score = "½-½";
    moveList_->Show(history_, result.isEmpty() ? QStringList() : QStringList{score, result});
}

// A notice ("Position copied") gives way, so that what the line says now shows.
void MainWindow::SetStatus(const QString& text) {
    statusBar()->clearMessage();
    status_->setText(text);
    status_->setToolTip(QString());
}

// The line holds the note's first part ("Set up without en passant on e3"); its tooltip the
// reason.
void MainWindow::ShowSetUpNote(const std::string& note) {
    if (note.empty()) return;
    QString text = messages::Translated(QString::fromStdString(note));
    text[0] = text[0].toUpper();
    SetStatus(text.section(':', 0, 0));
    status_->setToolTip(text);
}

void MainWindow::Notify(const QString& text) {
    statusBar()->showMessage(text, NoticeTime);
}

std::string MainWindow::PgnResult() const {
    return status::PgnResult(record_, board_->PlayerSide == 0);
}

std::string MainWindow::Termination() const {
    return status::Termination(record_);
}

std::string MainWindow::TimeControlTag() const {
    return clock_->Control().Timed() ? clock_->Control().PgnTag() : std::string();
}

void MainWindow::SetTimeControl(const TimeControl& control, bool keep) {
    nextControl_ = control;
    bool listed = false;
    for (QAction* action : timeControls_->actions()) {
        const bool chosen =
            action != customTime_ &&
            TimeControl::Parse(action->data().toString()).value_or(TimeControl{}) == control;
        action->setChecked(chosen);
        listed = listed || chosen;
    }
    customTime_->setChecked(!listed);
    customTime_->setText(listed ? tr("Custom…") : tr("Custom (%1)…").arg(control.Text()));
    if (keep) Preferences().setValue(TimeControlKey, control.Timed() ? control.Text() : QString());
    if (keep && control != clock_->Control())
        Notify(tr("The time control takes effect with the next new game"));
}

void MainWindow::ChooseTimeControl() {
    const TimeControl current = nextControl_.Timed() ? nextControl_ : TimeControl{5, 0};
    if (const std::optional<TimeControl> control = AskTimeControl(current))
        SetTimeControl(*control);
    else
        SetTimeControl(nextControl_, false);
}

std::optional<TimeControl> MainWindow::AskTimeControl(const TimeControl& current) {
    QDialog dialog(this);
    dialog.setWindowTitle(tr("Time control"));
    auto* form = new QFormLayout(&dialog);
    auto* minutes = new QDoubleSpinBox(&dialog);
    minutes->setRange(0.1, 1440);
    minutes->setDecimals(1);
    minutes->setValue(current.minutes);
    auto* increment = new QDoubleSpinBox(&dialog);
    increment->setRange(0, 3600);
    increment->setDecimals(1);
    increment->setValue(current.increment);
    form->addRow(tr("Minutes for the game:"), minutes);
    form->addRow(tr("Seconds added after each move:"), increment);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return TimeControl{minutes->value(), increment->value()};
}

void MainWindow::FollowClock() {
    using Side = ChessClock::Side;
    if (!record_.HasGame() || !status::GameResult(record_).empty()) {
        clock_->Stop();
        return;
    }
    const bool engineToMove = record_.Final().toMove == record_.Engine();
    if (clock_->Running() == Side::Engine && !engineToMove)
        clock_->Press(Side::Engine);
    else
        clock_->Run(engineToMove ? Side::Engine : Side::Player);
}

// A search on a fallen flag stops at once; the game ends when the engine has answered.
void MainWindow::OnFlagged(ChessClock::Side side) {
    flagged_ = side;
    if (thinking_ && !answering_.empty()) ostrand::StopRequested = true;
    if (!board_->EngineBusy()) SettleOnTime();
}

// A move the engine made after its flag fell came too late: the engine's board goes back to
// the player's move alone, so that the time decides the game.
void MainWindow::TakeBackLateMove(const std::string& command) {
    if (board_->LastReply == "Error") return;
    const GameState& before = history_.At(history_.Current());
    std::string text, error;
    if (command != "Force") {
        const chess::Position& now = before.record.Final();
        const auto move = chess::StandardMove(command, now, record_.Engine());
        if (!move || !chess::EngineMove(now, *move, record_.Engine(), text, error)) return;
    }
    before.engine.Restore();
    if (!text.empty())
        ostrand::PlayMove(text[0] - '0', text[1] - '0', text[2] - '0', text[3] - '0');
    board_->LastReply.clear();
}

void MainWindow::SettleOnTime() {
    if (!flagged_) return;
    const ChessClock::Side side = *std::exchange(flagged_, std::nullopt);
    if (!record_.HasGame() || !status::GameResult(record_).empty()) return;
    record_.Settle(side == ChessClock::Side::Player ? GameRecord::Settlement::PlayerOutOfTime
                                                    : GameRecord::Settlement::EngineOutOfTime);
    PushNewStep();
    ShowGame();
    AnnounceEnding();
}

QString MainWindow::AskOpenFileName(const QString& folder) {
    return QFileDialog::getOpenFileName(this, tr("Open PGN"), folder, PgnFilter());
}

QString MainWindow::AskSaveFileName(const QString& suggestion) {
    QFileDialog dialog(this, tr("Save game as PGN"), suggestion, PgnFilter());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix("pgn");
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

std::optional<int> MainWindow::ChooseGame(const QStringList& games) {
    bool chosen = false;
    const QString game = QInputDialog::getItem(
        this, tr("Open PGN"), tr("The file holds several games. Which one shall be played?"), games,
        0, false, &chosen);
    if (!chosen) return std::nullopt;
    return static_cast<int>(games.indexOf(game));
}

void MainWindow::Announce(const QString& text) {
    QMessageBox::information(this, windowTitle(), text);
}

void MainWindow::Warn(const QString& title, const QString& text) {
    QMessageBox::warning(this, title, text);
}
