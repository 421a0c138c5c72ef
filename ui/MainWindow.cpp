#include "MainWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QActionGroup>
#include <QClipboard>
#include <QCloseEvent>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTimer>
#include <algorithm>

#include "EngineBoard.h"
#include "F_Board.h"
#include "GameStatus.h"
#include "Language.h"
#include "Messages.h"
#include "Search.h"
#include "Support.h"
#include "Version.h"

namespace chess = ostrand::chess;

namespace {

// Where the preferences are kept (QSettings).
QSettings Settings() {
    return QSettings("ostrand-chess", "ostrand-chess");
}
constexpr const char* LevelKey = "level";
constexpr const char* StatisticsKey = "showStatistics";
constexpr const char* PgnFolderKey = "pgnFolder";
constexpr const char* LanguageKey = "language";

QString PgnFilter() {
    return MainWindow::tr("PGN games (*.pgn *.PGN);;All files (*)");
}
// How long the status line shows that something was done, in milliseconds.
constexpr int NoticeTime = 4000;

// The status line's texts come from GameStatus in English; they show in the player's language.
QString Shown(const std::string& text) {
    return QCoreApplication::translate("status", text.c_str());
}

// How the chooser lists a file's game: "2. Moss – Hale, Club championship, 2024.03.09, 0-1".
QString GameTitle(size_t index, const chess::PgnGame& game) {
    QString title = QString("%1. %2 – %3")
                        .arg(index + 1)
                        .arg(QString::fromStdString(game.Tag("White")),
                             QString::fromStdString(game.Tag("Black")));
    for (const char* tag : {"Event", "Date"}) {
        const QString value = QString::fromStdString(game.Tag(tag));
        if (!value.isEmpty() && !value.startsWith('?')) title += ", " + value;
    }
    return title + ", " + QString::fromStdString(game.result);
}

QString Licence() {
    return MainWindow::tr(
        "Free software under the GNU General Public License, version 3 or any later version.");
}

QString LevelName(int depth) {
    return depth == 0 ? MainWindow::tr("Full strength") : MainWindow::tr("Depth %1").arg(depth);
}

// A paragraph a text, so that a change to one leaves the others' translations standing.
QString HowToPlayText() {
    const QString paragraphs[] = {
        MainWindow::tr("<b>Moving:</b> click one of your pieces (it is framed in red), then the "
                       "square it goes to. The engine answers at once and its move is framed in "
                       "blue. Castle by moving the king two squares. A refused move is explained "
                       "in the status line."),
        MainWindow::tr("<b>New</b> starts a game and asks for your colour; <b>Save</b> and "
                       "<b>Load</b> keep one game. <b>Force</b> makes the engine move for its "
                       "side now, and <b>&lt;</b> turns the board round. The two swatches show "
                       "the engine's colour (upper) and yours (lower)."),
        MainWindow::tr("<b>Edit</b> and the palette set up any position: click a palette piece "
                       "(the left column places the engine's pieces, the right one yours), then "
                       "squares; the blank box erases. Untick Edit to play on."),
        MainWindow::tr("<b>Take back</b> (Ctrl+Z) undoes your last move with the engine's "
                       "answer, an edit, a load, a paste or Force; <b>Redo</b> (Ctrl+Shift+Z) "
                       "plays it again. While the engine thinks, <b>Space</b> makes it move at "
                       "once. <b>Move &#9656; Level</b> chooses an easier opponent."),
        MainWindow::tr("<b>Copy position</b> (Ctrl+C) puts the position in FEN on the clipboard; "
                       "<b>Paste position</b> (Ctrl+V) sets one up from there, and the engine "
                       "moves if it is its turn. <b>Save game as PGN</b> and <b>Open PGN</b> keep "
                       "and replay whole games, which other chess programs read too."),
    };
    QString text;
    for (const QString& paragraph : paragraphs)
        text += "<p>" + paragraph + "</p>";
    return text;
}

}  // namespace

MainWindow::MainWindow(F_Board* board) : board_(board ? board : new F_Board) {
    setCentralWidget(board_);
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
        SetStatus(tr("Thinking… depth %1").arg(depth));
        UpdateActions();
    });

    QSettings settings = Settings();
    const int level = settings.value(LevelKey, 0).toInt();
    SetLevel(std::count(std::begin(Levels), std::end(Levels), level) ? level : 0);
    showStatistics_->setChecked(settings.value(StatisticsKey, true).toBool());
    board_->SetStatisticsShown(showStatistics_->isChecked());
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
                        &MainWindow::CopyPosition);
    pastePosition_ = add(game, tr("&Paste position"), "pastePosition", QKeySequence::Paste,
                         &MainWindow::PastePosition);
    game->addSeparator();
    openPgn_ =
        add(game, tr("&Open PGN…"), "openPgn", QKeySequence("Ctrl+Shift+O"), &MainWindow::OpenPgn);
    savePgn_ = add(game, tr("Save game as P&GN…"), "savePgn", QKeySequence("Ctrl+Shift+S"),
                   &MainWindow::SaveGameAsPgn);
    game->addSeparator();
    QAction* quit = add(game, tr("&Quit"), "quit", QKeySequence("Ctrl+Q"), [this] { close(); });
    quit->setMenuRole(QAction::QuitRole);

    QMenu* move = menuBar()->addMenu(tr("&Move"));
    takeBack_ =
        add(move, tr("&Take back"), "takeBack", QKeySequence("Ctrl+Z"), &MainWindow::TakeBack);
    redo_ = add(move, tr("&Redo"), "redo", QKeySequence("Ctrl+Shift+Z"), &MainWindow::Redo);
    moveNow_ =
        add(move, tr("Move &now"), "moveNow", QKeySequence(Qt::Key_Space), &MainWindow::MoveNow);
    force_ = add(move, tr("&Force"), "force", QKeySequence("Ctrl+F"),
                 [board] { board->BtnForce_Click(); });
    move->addSeparator();
    QMenu* level = move->addMenu(tr("&Level"));
    levels_ = new QActionGroup(this);
    for (int depth : Levels) {
        QAction* action = level->addAction(LevelName(depth));
        action->setObjectName(QString("level%1").arg(depth));
        action->setCheckable(true);
        action->setData(depth);
        levels_->addAction(action);
        connect(action, &QAction::triggered, this, [this, depth] { SetLevel(depth); });
    }

    QMenu* view = menuBar()->addMenu(tr("&View"));
    rotate_ = add(view, tr("&Rotate board"), "rotate", QKeySequence("Ctrl+R"),
                  [board] { board->BtnRotate_Click(); });
    showStatistics_ = add(view, tr("Show &statistics"), "showStatistics", QKeySequence(), [this] {
        board_->SetStatisticsShown(showStatistics_->isChecked());
        Settings().setValue(StatisticsKey, showStatistics_->isChecked());
    });
    showStatistics_->setCheckable(true);
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
    history_.Push({ostrand::GameSnapshot::Capture(), record_});
}

chess::Colour MainWindow::EngineColour() const {
    return board_->PlayerSide == 0 ? chess::Colour::Black : chess::Colour::White;
}

QString MainWindow::EngineName() {
    return QString("Ostrand Chess %1").arg(ostrand::Version);
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

void MainWindow::ReturnTo(const GameState& state) {
    state.engine.Restore();
    record_ = state.record;
    ShowGameAfresh();
}

void MainWindow::ShowGameAfresh() {
    board_->ClickState = 1;
    board_->PrintBoard();
    SetStatus(Shown(status::GameStatus()));
    UpdateActions();
}

void MainWindow::MoveNow() {
    if (thinking_) ostrand::StopRequested = true;
}

void MainWindow::SetLevel(int depth) {
    ostrand::DepthLimit = static_cast<int16_t>(depth);
    for (QAction* action : levels_->actions())
        action->setChecked(action->data().toInt() == depth);
    Settings().setValue(LevelKey, depth);
}

QString MainWindow::LanguageSetting() {
    return Settings().value(LanguageKey).toString();
}

// The window's texts are set as it is made, so the choice applies from the next start.
void MainWindow::SetLanguage(const QString& code) {
    if (code.isEmpty())
        Settings().remove(LanguageKey);
    else
        Settings().setValue(LanguageKey, code);
    statusBar()->showMessage(tr("The language changes when Ostrand Chess starts again"),
                             NoticeTime);
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
    if (board_->PlayerSide == 1) record_.Follow("Force", board_->LastReply);
    history_.Start({ostrand::GameSnapshot::Capture(), record_});
    SetStatus(Shown(status::GameStatus()));
    UpdateActions();
}

void MainWindow::OnGameChanged(const QString& command) {
    // A load or a placement sends no command; the last reply is an older command's.
    record_.Follow(command.toStdString(), command.isEmpty() ? std::string() : board_->LastReply);
    PushStep();
    std::string text = status::GameStatus();
    const bool refused = command.size() == 4 && command != "Force" && board_->LastReply == "Error";
    if (refused && status::GameResult().empty())
        text = status::RefusalReason(command.toStdString());
    SetStatus(Shown(text));
    UpdateActions();
}

void MainWindow::OnEngineBusy(bool busy) {
    if (!busy) thinking_ = false;
    UpdateActions();
    // The command's handler finishes first; then the window closes as asked.
    if (!busy && closeWhenIdle_) QTimer::singleShot(0, this, &QWidget::close);
}

// While the engine works only "Move now", the view's settings and Quit are offered; the
// rest would start a second command or pause the search behind a dialog.
void MainWindow::UpdateActions() {
    const bool idle = !board_->EngineBusy();
    for (QAction* action : {newGame_, save_, load_, copyPosition_, pastePosition_, openPgn_,
                            savePgn_, force_, rotate_, howToPlay_, about_})
        action->setEnabled(idle);
    levels_->setEnabled(idle);
    takeBack_->setEnabled(idle && history_.CanTakeBack());
    redo_->setEnabled(idle && history_.CanRedo());
    moveNow_->setEnabled(thinking_);
}

void MainWindow::SetStatus(const QString& text) {
    status_->setText(text);
    status_->setToolTip(QString());
}

bool MainWindow::HoldsChessPosition(const QString& action) {
    if (record_.HasGame()) return true;
    Warn(action, tr("The board holds no chess position: %1.")
                     .arg(messages::Translated(QString::fromStdString(record_.Problem()))));
    return false;
}

void MainWindow::CopyPosition() {
    if (board_->EngineBusy()) return;
    if (!HoldsChessPosition(tr("Copy position"))) return;
    QGuiApplication::clipboard()->setText(QString::fromStdString(record_.Fen()));
    statusBar()->showMessage(tr("Position copied"), NoticeTime);
}

void MainWindow::PastePosition() {
    SetUpFen(QGuiApplication::clipboard()->text());
}

bool MainWindow::SetUpFen(const QString& fen) {
    if (board_->EngineBusy()) return false;
    // A FEN copied from a page or a file may come with blanks and line breaks round it.
    const QString text = fen.simplified();
    chess::Position position;
    std::string error;
    if (!chess::ParseFen(text.toStdString(), position, error)) {
        Warn(tr("Set up position"),
             tr("“%1” is no chess position: %2.")
                 .arg(text.left(100), messages::Translated(QString::fromStdString(error))));
        return false;
    }
    const chess::Colour engine = EngineColour();
    const std::string note = chess::SetUpEngine(position, engine);
    record_.Start(position, engine);
    ShowGameAfresh();
    // The engine's answer belongs to the same step: taking back goes back before the paste.
    if (position.toMove == engine)
        board_->BtnForce_Click();
    else
        PushStep();
    ShowSetUpNote(note);
    UpdateActions();
    return true;
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

void MainWindow::OpenPgn() {
    if (board_->EngineBusy()) return;
    const QString path = AskOpenFileName(PgnFolder());
    if (path.isEmpty()) return;
    Settings().setValue(PgnFolderKey, QFileInfo(path).absolutePath());
    OpenPgnFile(path);
}

bool MainWindow::OpenPgnFile(const QString& path) {
    if (board_->EngineBusy()) return false;
    std::vector<chess::PgnGame> games;
    std::string error;
    // The engine's own games castle as its rules allow; standard games read the same.
    if (!chess::ReadPgnFile(path.toStdString(), games, error, chess::CastlingRule::PawnsIgnored)) {
        Warn(tr("Open PGN"), messages::Translated(QString::fromStdString(error)));
        return false;
    }
    size_t chosen = 0;
    if (games.size() > 1) {
        QStringList titles;
        for (size_t i = 0; i < games.size(); ++i)
            titles << GameTitle(i, games[i]);
        const std::optional<int> choice = ChooseGame(titles);
        if (!choice || *choice < 0 || static_cast<size_t>(*choice) >= games.size()) return false;
        chosen = static_cast<size_t>(*choice);
    }
    QString name = QFileInfo(path).fileName();
    if (games.size() > 1) name += tr(", game %1").arg(chosen + 1);
    return PlayGame(games[chosen], name);
}

bool MainWindow::PlayGame(const chess::PgnGame& game, const QString& name) {
    const chess::Colour engine = EngineColour();
    std::vector<std::string> texts;
    std::string error = game.error;
    if (error.empty()) chess::EngineMoves(game.start, game.moves, engine, texts, error);
    if (!error.empty()) {
        Warn(tr("Open PGN"), tr("Cannot play %1.\n\nAt %2.")
                                 .arg(name, messages::Translated(QString::fromStdString(error))));
        return false;
    }

    // The engine would draw every move it commits; the board is drawn once, at the end.
    ostrand::SetDisplay(nullptr);
    const std::string note = chess::SetUpEngine(game.start, engine);
    record_.Start(game.start, engine);
    // A step wherever the player has the move, as if they had played the game.
    if (game.start.toMove != engine) PushStep();
    for (size_t i = 0; i < texts.size(); ++i) {
        const std::string& t = texts[i];
        ostrand::PlayMove(t[0] - '0', t[1] - '0', t[2] - '0', t[3] - '0');
        record_.Add(game.moves[i]);
        if (record_.Final().toMove != engine) PushStep();
    }
    ostrand::SetDisplay(board_);
    ShowGameAfresh();
    if (record_.Final().toMove == engine) board_->BtnForce_Click();
    ShowSetUpNote(note);
    UpdateActions();
    statusBar()->showMessage(tr("Opened %1").arg(name), NoticeTime);
    return true;
}

void MainWindow::SaveGameAsPgn() {
    if (board_->EngineBusy()) return;
    if (!HoldsChessPosition(tr("Save game as PGN"))) return;
    const QString suggestion = QString("%1/Ostrand Chess %2.pgn")
                                   .arg(PgnFolder(), QDate::currentDate().toString(Qt::ISODate));
    const QString path = AskSaveFileName(suggestion);
    if (path.isEmpty()) return;
    Settings().setValue(PgnFolderKey, QFileInfo(path).absolutePath());
    SavePgnFile(path);
}

bool MainWindow::SavePgnFile(const QString& path) {
    if (!record_.HasGame()) return false;
    const chess::PgnGame game =
        record_.Pgn(PlayerName, EngineName().toStdString(),
                    QDate::currentDate().toString("yyyy.MM.dd").toStdString(),
                    status::PgnResult(board_->PlayerSide == 0));
    const QByteArray text = QByteArray::fromStdString(chess::WritePgn(game));
    // The file is replaced only once the whole game is written.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        Warn(tr("Save game as PGN"),
             tr("Cannot write %1: %2.").arg(QDir::toNativeSeparators(path), file.errorString()));
        return false;
    }
    statusBar()->showMessage(tr("Saved %1").arg(QFileInfo(path).fileName()), NoticeTime);
    return true;
}

QString MainWindow::PgnFolder() const {
    const QString folder = Settings().value(PgnFolderKey).toString();
    if (!folder.isEmpty() && QFileInfo(folder).isDir()) return folder;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
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

void MainWindow::Warn(const QString& title, const QString& text) {
    QMessageBox::warning(this, title, text);
}
