#include "MainWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>

#include "Accessibility.h"
#include "BookFile.h"
#include "ChessClock.h"
#include "ClipboardAndFiles.h"
#include "F_Board.h"
#include "Messages.h"
#include "MoveEntry.h"
#include "MoveList.h"
#include "Preferences.h"
#include "SessionSignals.h"
#include "Sounds.h"
#include "StatusWords.h"

namespace game = ostrand::game;

namespace {

// How long the status line shows that something was done, in milliseconds.
constexpr int NoticeTime = 4000;
// How often the clocks are read, in milliseconds.
constexpr int TickTime = 100;

// The level the preferences name; earlier versions kept the depth, 0 for full strength.
const ostrand::Level& SavedLevel(const QVariant& saved) {
    if (const ostrand::Level* level = ostrand::LevelNamed(saved.toString().toStdString()))
        return *level;
    for (const ostrand::Level& level : ostrand::Levels)
        if (level.chance == 0 && level.style == ostrand::SearchStyle::Designed &&
            QString::number(level.depth) == saved.toString())
            return level;
    return ostrand::DefaultLevel;
}

game::TimeControl ParsedControl(const QString& text) {
    return game::TimeControl::Parse(text.toStdString()).value_or(game::TimeControl{});
}

}  // namespace

MainWindow::MainWindow(const FormMaker& makeForm)
    : reports_(new SessionSignals(this)),
      session_(std::make_unique<game::GameSession>(*reports_)),
      board_(makeForm ? makeForm(*session_, *reports_) : new F_Board(*session_, *reports_)),
      moveList_(new MoveList),
      moveEntry_(new MoveEntry(*session_)),
      status_(new QLabel(this)),
      exchange_(new ClipboardAndFiles(*session_, this)),
      clock_(new ChessClock),
      sounds_(new Sounds(*session_, *reports_, this)),
      ticker_(new QTimer(this)) {
    // Beside the form stand the clocks and, under them, the move list, as high as the form.
    // The form is as large as the window allows with its proportions kept: the room it
    // leaves over is shared on either side.
    auto* central = new QWidget;
    auto* letterbox = new QVBoxLayout(central);
    letterbox->setContentsMargins(0, 0, 0, 0);
    letterbox->setSpacing(0);
    auto* row = new QHBoxLayout;
    row->setSpacing(0);
    row->addStretch();
    row->addWidget(board_, 0, Qt::AlignTop);
    auto* side = new QVBoxLayout;
    side->setSpacing(0);
    side->addWidget(clock_);
    side->addWidget(moveList_);
    row->addLayout(side);
    row->addStretch();
    letterbox->addStretch();
    letterbox->addLayout(row);
    letterbox->addStretch();
    moveList_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Ignored);
    setCentralWidget(central);
    setWindowTitle(board_->windowTitle());
    setWindowIcon(board_->windowIcon());
    // The window takes any size; the form's scale follows it.
    layout()->setSizeConstraint(QLayout::SetNoConstraint);
    // Space is "Move now": no control of the form may take the key and be pressed instead.
    for (QAbstractButton* button : board_->findChildren<QAbstractButton*>())
        button->setFocusPolicy(Qt::NoFocus);

    status_->setIndent(4);
    statusBar()->addWidget(status_, 1);
    statusBar()->setSizeGripEnabled(false);
    statusBar()->addPermanentWidget(moveEntry_);
    for (const QKeySequence& keys : {QKeySequence(Qt::Key_Slash), QKeySequence("Ctrl+L")})
        connect(new QShortcut(keys, this), &QShortcut::activated, moveEntry_, [this] {
            moveEntry_->setFocus(Qt::ShortcutFocusReason);
            moveEntry_->selectAll();
        });
    connect(moveEntry_, &MoveEntry::Played, board_, &F_Board::ShowGameAfresh);
    connect(moveEntry_, &MoveEntry::Refused, board_, &F_Board::MoveRefused);
    new Accessibility(*board_, *session_, *reports_, *status_, *moveList_);
    BuildMenus();

    connect(reports_, &SessionSignals::gameChanged, this, &MainWindow::OnGameChanged);
    connect(reports_, &SessionSignals::thinkingChanged, this, &MainWindow::OnThinking);
    connect(reports_, &SessionSignals::depthReached, this,
            [this](int depth) { SetStatus(tr("Thinking… depth %1").arg(depth)); });
    connect(reports_, &SessionSignals::clocksChanged, this, &MainWindow::ShowClocks);
    connect(reports_, &SessionSignals::gameEnded, this, &MainWindow::OnGameEnded);
    connect(reports_, &SessionSignals::problem, this,
            [this](const QString& message) { board_->ShowMessage(message.toStdString()); });
    connect(board_, &F_Board::MoveRefused, this, [this](game::Refusal why) {
        if (const QString text = status::Refusal(why); !text.isEmpty()) SetStatus(text);
    });
    // Forced, or opening a new game, the engine's move is framed as after the player's.
    connect(board_, &F_Board::EngineMoved, board_, &F_Board::FrameEngineMove);
    connect(board_, &F_Board::SavedGameUsed, this, [this](bool saved, const QString& path) {
        const QString where = QDir::toNativeSeparators(path);
        Notify(saved ? tr("Saved to %1").arg(where) : tr("Loaded from %1").arg(where));
    });
    connect(exchange_, &ClipboardAndFiles::Warned, this, &MainWindow::Warn);
    connect(exchange_, &ClipboardAndFiles::Notified, this, &MainWindow::Notify);
    connect(exchange_, &ClipboardAndFiles::SetUp, this, [this](const QString& note) {
        board_->ShowGameAfresh();
        ShowSetUpNote(note);
    });
    connect(moveList_, &MoveList::StepChosen, this, &MainWindow::GoToStep);
    connect(ticker_, &QTimer::timeout, this, [this] { session_->Tick(); });
    ticker_->start(TickTime);

    QSettings settings = Preferences();
    bookProblem_ = messages::Translated(QString::fromStdString(ostrand::chess::LoadBook()));
    const ostrand::Level& level = SavedLevel(settings.value(preference::Level));
    const bool vary = settings.value(preference::VaryOpenings, level.variesOpenings).toBool();
    PlayAtLevel(level);
    SetVaryOpenings(vary);
    showStatistics_->setChecked(settings.value(preference::Statistics, true).toBool());
    board_->SetStatisticsShown(showStatistics_->isChecked());
    showLegalMoves_->setChecked(settings.value(preference::LegalMoves, false).toBool());
    showCoordinates_->setChecked(settings.value(preference::Coordinates, false).toBool());
    board_->SetShowCoordinates(showCoordinates_->isChecked());
    playSounds_->setChecked(settings.value(preference::Sounds, true).toBool());
    sounds_->SetOn(playSounds_->isChecked());
    SetTimeControl(ParsedControl(settings.value(preference::TimeControl).toString()), false);
    SetStandardRules(settings.value(preference::StandardRules, false).toBool(), false);
    showMoveList_->setChecked(settings.value(preference::MoveList, true).toBool());
    moveList_->setVisible(showMoveList_->isChecked());
    ScaleTo(100);
    setMinimumSize(NaturalSize());
    resize(minimumSize());
    UpdateActions();
}

// The form goes before the session it draws, and the session before the window hears no more
// of it.
MainWindow::~MainWindow() {
    disconnect(reports_, nullptr, this, nullptr);
    delete takeCentralWidget();
    session_.reset();
}

void MainWindow::Start() {
    board_->Form_Load();
    OnGameChanged();
    RestoreSize();
}

QString MainWindow::StatusText() const {
    return status_->text();
}

// The player's move shows at once, before the engine's answer: the list and the clocks follow
// every change, the status line once the engine has done.
void MainWindow::OnGameChanged() {
    const game::Status status = session_->CurrentStatus();
    if (!status.thinking) SetStatus(status::Standing(status));
    ShowMoves();
    ShowClocks();
    UpdateActions();
}

void MainWindow::OnThinking(bool thinking) {
    if (!thinking) OnGameChanged();
    // The form keeps its scale while the engine thinks; resized meanwhile, it follows now.
    if (!thinking) FitSoon();
    UpdateActions();
    // The command's handler finishes first; then the window closes as asked.
    if (!thinking && closeWhenIdle_) QTimer::singleShot(0, this, &QWidget::close);
}

// Everything shows the ended game before a box says how it ended, so that nothing behind
// the box still waits for the last move. The engine announces its mates and stalemates in
// its own words; the window words the endings it does not know, but for the player's own
// resignation and an agreed draw. The editor's positions, set up a piece at a time, announce
// nothing.
void MainWindow::OnGameEnded(game::Ending ending, const QString& words) {
    OnGameChanged();
    board_->ShowGameAfresh();
    board_->repaint();
    if (board_->CkEdit->checkState() == Qt::Checked) return;
    if (!words.isEmpty())
        board_->ShowMessage(words.toStdString());
    else if (ending != game::Ending::PlayerResigned && ending != game::Ending::DrawAgreed)
        Announce(status::Result(ending));
}

// While the engine works only "Move now", the view's settings and Quit are offered; the
// rest would start a second command or pause the search behind a dialog.
void MainWindow::UpdateActions() {
    const bool idle = !board_->EngineBusy();
    for (QAction* action : {newGame_, save_, load_, copyPosition_, pastePosition_, openPgn_,
                            savePgn_, copyGame_, force_, hint_, rotate_, howToPlay_, about_})
        action->setEnabled(idle);
    const game::Status status = session_->CurrentStatus();
    const bool going = status.hasGame && status.ending == game::Ending::None;
    const bool open = idle && going;
    // A game over takes no more moves: no dots that promise one.
    board_->SetShowLegalMoves(going && showLegalMoves_->isChecked());
    resign_->setEnabled(open);
    offerDraw_->setEnabled(open);
    levels_->setEnabled(idle);
    // A zoom draws the board afresh, which mid-search holds the search's moves.
    zooms_->setEnabled(idle);
    varyOpenings_->setEnabled(idle);
    takeBack_->setEnabled(idle && session_->CanTakeBack());
    first_->setEnabled(idle && session_->CanTakeBack());
    redo_->setEnabled(idle && session_->CanRedo());
    last_->setEnabled(idle && session_->CanRedo());
    moveNow_->setEnabled(!idle);
    moveEntry_->Follow();
}

// The list ends with the result as PGN writes it, a draw as ½-½, and how the game ended.
void MainWindow::ShowMoves() {
    const QString result = status::Result(session_->CurrentStatus().ending);
    QString score = QString::fromStdString(session_->Result());
    if (score == "1/2-1/2") score = "½-½";
    moveList_->Show(session_->Moves(),
                    result.isEmpty() ? QStringList() : QStringList{score, result});
}

void MainWindow::ShowClocks() {
    if (clock_->isHidden() == session_->Control().Timed()) {
        clock_->setVisible(session_->Control().Timed());
        FitSoon();
    }
    clock_->Show(session_->Remaining(game::Side::Player), session_->Remaining(game::Side::Engine),
                 session_->ClockRunning());
}

// A notice ("Position copied") gives way, so that what the line says now shows.
void MainWindow::SetStatus(const QString& text) {
    statusBar()->clearMessage();
    status_->setText(text);
    status_->setToolTip(QString());
}

// The line holds the note's first part ("Set up without en passant on e3"); its tooltip the
// reason.
void MainWindow::ShowSetUpNote(const QString& note) {
    if (note.isEmpty()) return;
    QString text = messages::Translated(note);
    text[0] = text[0].toUpper();
    SetStatus(text.section(':', 0, 0));
    status_->setToolTip(text);
}

void MainWindow::Notify(const QString& text) {
    statusBar()->showMessage(text, NoticeTime);
}

void MainWindow::TakeBack() {
    if (board_->EngineBusy() || !session_->CanTakeBack()) return;
    session_->TakeBack();
    board_->ShowGameAfresh();
}

void MainWindow::Redo() {
    if (board_->EngineBusy() || !session_->CanRedo()) return;
    session_->Redo();
    board_->ShowGameAfresh();
}

void MainWindow::GoToStep(size_t step) {
    if (board_->EngineBusy() || step == session_->CurrentStep()) return;
    session_->GoTo(step);
    board_->ShowGameAfresh();
}

void MainWindow::MoveNow() {
    session_->MoveNow();
}

void MainWindow::Resign() {
    const game::Status status = session_->CurrentStatus();
    if (board_->EngineBusy() || status.ending != game::Ending::None || !status.hasGame) return;
    session_->Resign();
    board_->ShowGameAfresh();
}

void MainWindow::OfferDraw() {
    const game::Status status = session_->CurrentStatus();
    if (board_->EngineBusy() || status.ending != game::Ending::None || !status.hasGame) return;
    if (!session_->OfferDraw()) {
        SetStatus(tr("The engine declines the draw"));
        return;
    }
    board_->ShowGameAfresh();
}

void MainWindow::ShowHint() {
    if (board_->EngineBusy()) return;
    const bool open = session_->CurrentStatus().ending == game::Ending::None;
    const std::optional<game::Hint> hint = session_->FindHint();
    // The player's flag may have fallen while the engine searched.
    if (open && session_->CurrentStatus().ending != game::Ending::None) return;
    if (!hint) {
        SetStatus(tr("No hint in this position"));
        return;
    }
    board_->ShowHint(hint->move);
    SetStatus(tr("Hint: %1").arg(messages::ShownSan(hint->san)));
}

void MainWindow::SetLevel(const ostrand::Level& level) {
    PlayAtLevel(level);
    SetVaryOpenings(level.variesOpenings);
}

void MainWindow::PlayAtLevel(const ostrand::Level& level) {
    session_->SetLevel(level);
    const QString name =
        QString::fromUtf8(level.name.data(), static_cast<qsizetype>(level.name.size()));
    for (QAction* action : levels_->actions())
        action->setChecked(action->data().toString() == name);
    Preferences().setValue(preference::Level, name);
}

void MainWindow::SetVaryOpenings(bool vary) {
    session_->SetBook(vary);
    varyOpenings_->setChecked(vary);
    Preferences().setValue(preference::VaryOpenings, vary);
    if (vary && !bookProblem_.isEmpty()) {
        // Once the window stands, and only once.
        QTimer::singleShot(0, this, [this, problem = bookProblem_] {
            Warn(tr("Vary the openings"), problem[0].toUpper() + problem.mid(1) + ".");
        });
        bookProblem_.clear();
    }
}

QString MainWindow::LanguageSetting() {
    return Preferences().value(preference::Language).toString();
}

// The window's texts are set as it is made, so the choice applies from the next start.
void MainWindow::SetLanguage(const QString& code) {
    if (code.isEmpty())
        Preferences().remove(preference::Language);
    else
        Preferences().setValue(preference::Language, code);
    Notify(tr("The language changes when Ostrand Chess starts again"));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!board_->EngineBusy()) {
        event->accept();
        return;
    }
    session_->MoveNow();
    closeWhenIdle_ = true;
    event->ignore();
}

void MainWindow::SetTimeControl(const game::TimeControl& control, bool keep) {
    session_->SetTimeControl(control);
    bool listed = false;
    for (QAction* action : timeControls_->actions()) {
        const bool chosen =
            action != customTime_ && ParsedControl(action->data().toString()) == control;
        action->setChecked(chosen);
        listed = listed || chosen;
    }
    const QString text = QString::fromStdString(control.Text());
    customTime_->setChecked(!listed);
    customTime_->setText(listed ? tr("Custom…") : tr("Custom (%1)…").arg(text));
    if (keep) Preferences().setValue(preference::TimeControl, control.Timed() ? text : QString());
    if (keep && control != session_->Control())
        Notify(tr("The time control takes effect with the next new game"));
}

void MainWindow::SetStandardRules(bool standard, bool keep) {
    const ostrand::RuleSet rules =
        standard ? ostrand::RuleSet::Standard : ostrand::RuleSet::Designed;
    session_->SetRules(rules);
    standardRules_->setChecked(standard);
    if (!keep) return;
    Preferences().setValue(preference::StandardRules, standard);
    if (rules != session_->Rules())
        Notify(tr("The rules take effect with the next new game or set-up"));
}

void MainWindow::ChooseTimeControl() {
    const game::TimeControl next = session_->NextTimeControl();
    const game::TimeControl current = next.Timed() ? next : game::TimeControl{5, 0};
    if (const std::optional<game::TimeControl> control = AskTimeControl(current))
        SetTimeControl(*control);
    else
        SetTimeControl(next, false);
}

std::optional<game::TimeControl> MainWindow::AskTimeControl(const game::TimeControl& current) {
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
    return game::TimeControl{minutes->value(), increment->value()};
}

void MainWindow::Announce(const QString& text) {
    QMessageBox::information(this, windowTitle(), text);
}

void MainWindow::Warn(const QString& title, const QString& text) {
    QMessageBox::warning(this, title, text);
}
