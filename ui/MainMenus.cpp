#include <QAction>
#include <QActionGroup>
#include <QMenuBar>
#include <QMessageBox>

#include "ClipboardAndFiles.h"
#include "F_Board.h"
#include "Language.h"
#include "MainWindow.h"
#include "MoveList.h"
#include "Preferences.h"
#include "Sounds.h"
#include "Version.h"

// The menus of the main window and the texts of its Help menu.
namespace {

// The Time control menu's choices besides None and Custom.
constexpr const char* TimeControls[] = {"1+0", "3+2", "5+0", "10+5", "15+10", "30+0"};

// A level's menu text with its measured Elo, each text whole for the translators.
QString LevelText(const ostrand::Level& level) {
    const std::string_view name = level.name;
    const QString text = name == "Master"          ? MainWindow::tr("Master (about %1)")
                         : name == "Full strength" ? MainWindow::tr("Full strength (about %1)")
                         : name == "Depth 6"       ? MainWindow::tr("Depth 6 (about %1)")
                         : name == "Depth 4"       ? MainWindow::tr("Depth 4 (about %1)")
                         : name == "Depth 2"       ? MainWindow::tr("Depth 2 (about %1)")
                         : name == "Casual"        ? MainWindow::tr("Casual (about %1)")
                                                   : MainWindow::tr("Beginner (about %1)");
    return text.arg(level.elo);
}

QString Licence() {
    return MainWindow::tr(
        "Free software under the GNU General Public License, version 3 or any later version.");
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
        MainWindow::tr("<b>Typing a move:</b> press / or Ctrl+L, type the move as in e4, Nf3, "
                       "exd5, O-O or e8=Q (or its squares, as in g1f3) and press Enter; the box "
                       "offers the legal moves as you type. Escape leaves the box."),
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
    using ostrand::game::TimeControl;
    const auto addControl = [this, time](const QString& text, const QString& name,
                                         const std::optional<TimeControl>& control) {
        QAction* action = time->addAction(text);
        action->setObjectName(name);
        action->setCheckable(true);
        timeControls_->addAction(action);
        if (control) {
            action->setData(QString::fromStdString(control->Text()));
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
    standardRules_ =
        add(game, tr("Standard &rules (en passant, promotion to any piece)"), "standardRules",
            QKeySequence(), [this] { SetStandardRules(standardRules_->isChecked()); });
    standardRules_->setCheckable(true);
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
                [this] { GoToStep(session_->StepCount() - 1); });
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
        Preferences().setValue(preference::Statistics, showStatistics_->isChecked());
    });
    showStatistics_->setCheckable(true);
    showLegalMoves_ = add(view, tr("Show &legal moves"), "showLegalMoves", QKeySequence(), [this] {
        UpdateActions();
        Preferences().setValue(preference::LegalMoves, showLegalMoves_->isChecked());
    });
    showLegalMoves_->setCheckable(true);
    showCoordinates_ = add(view, tr("&Coordinates"), "showCoordinates", QKeySequence(), [this] {
        board_->SetShowCoordinates(showCoordinates_->isChecked());
        Preferences().setValue(preference::Coordinates, showCoordinates_->isChecked());
    });
    showCoordinates_->setCheckable(true);
    playSounds_ = add(view, tr("S&ounds"), "playSounds", QKeySequence(), [this] {
        sounds_->SetOn(playSounds_->isChecked());
        Preferences().setValue(preference::Sounds, playSounds_->isChecked());
    });
    playSounds_->setCheckable(true);
    QMenu* zoom = view->addMenu(tr("&Zoom"));
    zooms_ = new QActionGroup(this);
    // A size between the steps checks none of them.
    zooms_->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
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
        FitSoon();
        Preferences().setValue(preference::MoveList, showMoveList_->isChecked());
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
