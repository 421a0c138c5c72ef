#include "F_Board.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QUrl>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <utility>

#include "Evaluation.h"
#include "FormLayout.h"
#include "LinkLabel.h"
#include "Messages.h"
#include "PictureBox.h"
#include "SavedGame.h"
#include "SessionSignals.h"
#include "Variables.h"
#include "Version.h"

namespace {

namespace form = ostrand::form;

// A place of the shared layout, in twips.
QRect Twips(const form::Twips& twips) {
    return QRect(twips.left, twips.top, twips.width, twips.height);
}

const QColor Grey(0x80, 0x80, 0x80);
const QColor White(0xFF, 0xFF, 0xFF);
const QColor Black(0, 0, 0);

void SetTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

// The title of the engine's message boxes.
constexpr const char* MessageTitle = "Ostrand Chess";

// A copy that finds its tables beside itself (a build folder or a portable copy) keeps the
// game there too. An installed copy may not write its own folder, so it keeps the game in the
// player's data folder.
std::string DefaultSavedGamePath() {
    std::string folder = ostrand::ProgramFolder();
    if (ostrand::FindTableFolder() != folder) {
        const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        if (!data.isEmpty()) folder = data.toStdString();
    }
    return folder + "/" + ostrand::SavedGameName;
}

}  // namespace

F_Board::F_Board(ostrand::game::GameSession& session, SessionSignals& reports, QWidget* parent)
    : QWidget(parent), SavedGamePath(DefaultSavedGamePath()), session_(session) {
    Q_INIT_RESOURCE(images);

    setWindowTitle(QString("Ostrand Chess ") + ostrand::Version);
    setWindowIcon(QIcon(":/images/icon.png"));

    Label16 = new QLabel("Ostrand Chess", this);
    Place(Label16, Twips(form::Title));
    SetTextColour(Label16, QColor(0, 0, 192));

    for (int16_t i = 1; i <= 64; ++i) {
        auto* square = new PictureBox(QRect(0, 0, Px(375), Px(375)), this);
        square->SetDraggable(true);
        connect(square, &PictureBox::clicked, this, [this, i] { c_Click(i); });
        connect(square, &PictureBox::dragStarted, this, [this, i] { StartDrag(i); });
        connect(square, &PictureBox::dragMoved, this, &F_Board::Drag);
        connect(square, &PictureBox::dropped, this, &F_Board::Drop);
        squares_[static_cast<size_t>(i - 1)] = square;
    }

    Picture1 = new PictureBox(QRect(), this);
    Place(Picture1, Twips(form::Logo));
    pictures_.emplace_back(Picture1, "logo");

    const auto addLabel = [this](const QString& text, const QRect& geometry) {
        auto* label = new QLabel(text, this);
        Place(label, geometry);
        return label;
    };
    Label5 = addLabel(tr("Engine progress:"), Twips(form::ProgressCaption));
    Label1 = addLabel(QString(), Twips(form::Statistics[0]));
    Label2 = addLabel(QString(), Twips(form::Statistics[1]));
    Label3 = addLabel(QString(), Twips(form::Statistics[2]));
    Label17 = addLabel(QString(), Twips(form::Statistics[3]));
    Label18 = addLabel(QString(), Twips(form::Statistics[4]));

    ProgressBar = new QProgressBar(this);
    Place(ProgressBar, Twips(form::Progress));
    ProgressBar->setRange(0, 100);
    ProgressBar->setValue(0);
    ProgressBar->setTextVisible(false);

    const auto addButton = [this](const QString& caption, const QRect& geometry) {
        auto* button = new QPushButton(caption, this);
        Place(button, geometry);
        return button;
    };
    Btn_NewGame = addButton(tr("New"), Twips(form::NewGame));
    Btn_Save = addButton(tr("Save"), Twips(form::Save));
    Btn_Load = addButton(tr("Load"), Twips(form::Load));
    connect(Btn_NewGame, &QPushButton::clicked, this, &F_Board::Btn_NewGame_Click);
    connect(Btn_Save, &QPushButton::clicked, this, &F_Board::Btn_Save_Click);
    connect(Btn_Load, &QPushButton::clicked, this, &F_Board::Btn_Load_Click);

    // Both lines span the client area, so they are centred in it.
    Label14 = addLabel(tr("Ostrand Chess by the Ostrand developers"), Twips(form::Credit));
    Label14->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label4 = new LinkLabel(WebAddress, this);
    Place(Label4, Twips(form::Link));
    Label4->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    SetTextColour(Label4, QColor(0, 0, 255));
    Label4->setCursor(Qt::PointingHandCursor);
    connect(Label4, &LinkLabel::clicked, this, &F_Board::Label4_Click);

    // The frame comes first so that the check box lies on top of it.
    Shape1 = new QFrame(this);
    Shape1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Place(Shape1, Twips(form::EditFrame));
    CkEdit = new QCheckBox(tr("Edit"), this);
    Place(CkEdit, Twips(form::Edit));

    const QColor windowColour = palette().color(QPalette::Base);
    const auto addPicture = [this, &windowColour](const QString& picture, const QRect& geometry) {
        auto* box = new PictureBox(QRect(), this);
        Place(box, geometry);
        box->SetBackground(windowColour);
        if (!picture.isEmpty()) pictures_.emplace_back(box, picture);
        return box;
    };
    PB = addPicture("PB", Twips(form::PaletteBox(0, 0)));
    KB = addPicture("KB", Twips(form::PaletteBox(0, 1)));
    BB = addPicture("BB", Twips(form::PaletteBox(0, 2)));
    RB = addPicture("RB", Twips(form::PaletteBox(0, 3)));
    QB = addPicture("QB", Twips(form::PaletteBox(0, 4)));
    KKB = addPicture("KKB", Twips(form::PaletteBox(0, 5)));
    PW = addPicture("PW", Twips(form::PaletteBox(1, 0)));
    KW = addPicture("KW", Twips(form::PaletteBox(1, 1)));
    BW = addPicture("BW", Twips(form::PaletteBox(1, 2)));
    RW = addPicture("RW", Twips(form::PaletteBox(1, 3)));
    QW = addPicture("QW", Twips(form::PaletteBox(1, 4)));
    KKW = addPicture("KKW", Twips(form::PaletteBox(1, 5)));
    MM = addPicture(QString(), Twips(form::Eraser));
    connect(PB, &PictureBox::clicked, this, &F_Board::PB_Click);
    connect(KB, &PictureBox::clicked, this, &F_Board::KB_Click);
    connect(BB, &PictureBox::clicked, this, &F_Board::BB_Click);
    connect(RB, &PictureBox::clicked, this, &F_Board::RB_Click);
    connect(QB, &PictureBox::clicked, this, &F_Board::QB_Click);
    connect(KKB, &PictureBox::clicked, this, &F_Board::KKB_Click);
    connect(PW, &PictureBox::clicked, this, &F_Board::PW_Click);
    connect(KW, &PictureBox::clicked, this, &F_Board::KW_Click);
    connect(BW, &PictureBox::clicked, this, &F_Board::BW_Click);
    connect(RW, &PictureBox::clicked, this, &F_Board::RW_Click);
    connect(QW, &PictureBox::clicked, this, &F_Board::QW_Click);
    connect(KKW, &PictureBox::clicked, this, &F_Board::KKW_Click);
    connect(MM, &PictureBox::clicked, this, &F_Board::MM_Click);

    BtnForce = addButton(tr("Force"), Twips(form::Force));
    BtnRotate = addButton("<", Twips(form::Rotate));
    connect(BtnForce, &QPushButton::clicked, this, &F_Board::BtnForce_Click);
    connect(BtnRotate, &QPushButton::clicked, this, &F_Board::BtnRotate_Click);

    PicCompColor = addPicture(QString(), Twips(form::EngineColour));
    PicHumanColor = addPicture(QString(), Twips(form::PlayerColour));

    Btn_NewGame->setToolTip(tr("Start a new game; you choose your colour"));
    Btn_Save->setToolTip(tr("Save the game, replacing the last save"));
    Btn_Load->setToolTip(tr("Go back to the game last saved"));
    BtnForce->setToolTip(tr("Make the engine play a move for its side now"));
    BtnRotate->setToolTip(tr("Turn the board display upside down, or back"));
    CkEdit->setToolTip(tr("Set up a position: clicks on the board place the palette's piece"));
    // Whole sentences, as languages inflect the pieces' names.
    PB->setToolTip(tr("Place the engine's pawn, then click squares"));
    KB->setToolTip(tr("Place the engine's knight, then click squares"));
    BB->setToolTip(tr("Place the engine's bishop, then click squares"));
    RB->setToolTip(tr("Place the engine's rook, then click squares"));
    QB->setToolTip(tr("Place the engine's queen, then click squares"));
    KKB->setToolTip(tr("Place the engine's king, then click squares"));
    PW->setToolTip(tr("Place your pawn, then click squares"));
    KW->setToolTip(tr("Place your knight, then click squares"));
    BW->setToolTip(tr("Place your bishop, then click squares"));
    RW->setToolTip(tr("Place your rook, then click squares"));
    QW->setToolTip(tr("Place your queen, then click squares"));
    KKW->setToolTip(tr("Place your king, then click squares"));
    MM->setToolTip(tr("Eraser: empty the squares you click"));
    PicCompColor->setToolTip(tr("The engine's colour"));
    PicHumanColor->setToolTip(tr("Your colour"));
    Label4->setToolTip(tr("Open the project's web page"));
    Label5->setToolTip(tr("What the engine's search has done for its last move"));
    Label1->setToolTip(tr("Positions the engine has looked at for its move"));
    Label2->setToolTip(tr("The best score found so far, in hundredths of a pawn for the engine"));
    Label3->setToolTip(tr("Seconds the engine has been thinking"));
    Label17->setToolTip(tr("Positions looked at per second"));
    Label18->setToolTip(tr(
        "Game stage (1 opening to 4 endgame); after the move, the engine's score of the position"));
    ProgressBar->setToolTip(tr("How far the engine's deeper searches have come"));

    dragged_ = new QLabel(this);
    dragged_->setAttribute(Qt::WA_TransparentForMouseEvents);
    dragged_->hide();

    SetZoom(100);
    // The engine shows the moves it commits while it goes on thinking: drawn now, not later.
    connect(&reports, &SessionSignals::boardChanged, this, [this] {
        PrintBoard();
        repaint();
    });
    connect(&reports, &SessionSignals::statisticChanged, this, &F_Board::ShowStatistic);
    connect(&reports, &SessionSignals::progressChanged, this, &F_Board::ShowProgress);
    connect(&reports, &SessionSignals::thinkingChanged, this, &F_Board::SetBusy);
}

F_Board::~F_Board() {
    SetBusy(false);
}

void F_Board::Form_Load() {
    PlayerSide = 0;
    ClickState = 1;
    PicCompColor->SetBackground(Black);
    PicHumanColor->SetBackground(White);
    LayoutSquares();
    session_.NewGame(ostrand::chess::Colour::White);
    PrintBoard();
}

void F_Board::Btn_NewGame_Click() {
    const std::optional<bool> playWhites =
        AskYesNo(tr("New Game"), tr("Would you like to play whites?"));
    // Escape or closing the question keeps the game in progress, a picked piece included.
    if (!playWhites) return;
    ClickState = 1;
    // The layout first: the engine, opening as White, draws its move on it.
    PlayerSide = *playWhites ? 0 : 1;
    PicCompColor->SetBackground(*playWhites ? Black : White);
    PicHumanColor->SetBackground(*playWhites ? White : Black);
    LayoutSquares();
    session_.NewGame(*playWhites ? ostrand::chess::Colour::White : ostrand::chess::Colour::Black);
    PrintBoard();
    if (!*playWhites) emit EngineMoved();
}

// A failed save keeps the last good file, and a refused load leaves the game as it was; either
// way the player is told why and plays on.
void F_Board::Btn_Save_Click() {
    // The data folder is made on the first save; if it cannot be, the save says so.
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(SavedGamePath).parent_path(),
                                        ignored);
    std::string error;
    if (!session_.Save(SavedGamePath, error)) {
        ShowMessage(error);
        return;
    }
    emit SavedGameUsed(true, QString::fromStdString(SavedGamePath));
}

// The side, the click state and a half-entered move are the window's and stay as they were.
void F_Board::Btn_Load_Click() {
    std::string error;
    if (!session_.Load(SavedGamePath, error)) {
        ShowMessage(error);
        return;
    }
    PrintBoard();
    emit SavedGameUsed(false, QString::fromStdString(SavedGamePath));
}

// The engine redraws the board as it plays; the picked piece stays picked. A game that is
// over, or a board that is no chess position, takes no move, and the player hears why.
void F_Board::BtnForce_Click() {
    if (session_.Force()) {
        emit EngineMoved();
        return;
    }
    const ostrand::game::Status status = session_.CurrentStatus();
    if (status.ending != ostrand::game::Ending::None)
        emit MoveRefused(ostrand::game::Refusal::GameOver);
    else if (!status.hasGame)
        emit MoveRefused(ostrand::game::Refusal::NoPosition);
}

// Moves every square to its point-symmetric place; a second turn restores the layout. A
// square placed anew is blank, so the board is drawn again, its frames and dots kept.
void F_Board::BtnRotate_Click() {
    for (int16_t i = 1; i <= 64; ++i) {
        QPoint& place = squarePlaces_[static_cast<size_t>(i - 1)];
        const long column = std::lround((place.x() - 135) / 360.0 + 1);
        const long row = std::lround(std::abs((place.y() - 3015) / 360.0 - 1));
        place = QPoint(static_cast<int>(3015 - 360 * column), static_cast<int>(360 * row + 135));
        PlaceSquare(i);
    }
    DrawAfresh();
}

void F_Board::Label4_Click() {
    QDesktopServices::openUrl(QUrl(WebAddress));
}

// Rank 1 is always at the bottom; playing black mirrors the files and swaps the shades, so
// that the player's bottom-left square is grey either way.
void F_Board::LayoutSquares() {
    if (PlayerSide != 0 && PlayerSide != 1) return;
    QColor a = PlayerSide == 0 ? Grey : White;
    QColor b = PlayerSide == 0 ? White : Grey;
    for (int16_t i = 1; i <= 64; ++i) {
        if ((i - 1) % 8 == 0) std::swap(a, b);
        int16_t file, rank;
        SquareOfIndex(file, rank, i);
        const form::Twips place = form::Square(file, rank, PlayerSide);
        squarePlaces_[static_cast<size_t>(i - 1)] = QPoint(place.left, place.top);
        PlaceSquare(i);
        c(i).SetBackground(i % 2 == 0 ? a : b);
    }
    NameSquares();
}

// Each square's tooltip is its name as the player sees the board: playing black, the
// engine's rank 1 is the eighth.
void F_Board::NameSquares() {
    for (int16_t i = 1; i <= 64; ++i) {
        int16_t file, rank;
        SquareOfIndex(file, rank, i);
        const int shownRank = PlayerSide == 0 ? rank : 9 - rank;
        c(i).setToolTip(QString("%1%2").arg(QChar('a' + file - 1)).arg(shownRank));
    }
}

int16_t F_Board::SquareIndex(int16_t file, int16_t rank) {
    const int index = file + 8 * (rank - 1);
    return static_cast<int16_t>(std::clamp(index, 1, 64));
}

void F_Board::SquareOfIndex(int16_t& file, int16_t& rank, int16_t index) {
    rank = static_cast<int16_t>(std::floor((index - 1) / 8.0) + 1);
    file = static_cast<int16_t>(index - 8 * rank + 8);
}

int16_t F_Board::PieceOn(int16_t file, int16_t rank) const {
    return session_.PieceAt({file, rank});
}

void F_Board::c_Click(int16_t index) {
    int16_t file, rank;
    SquareOfIndex(file, rank, index);
    if (CkEdit->checkState() == Qt::Checked) {
        // No validation: any position may be set up, kings or not. The eraser's 1 empties.
        session_.Place({file, rank}, EditPiece == 1 ? ostrand::EmptyCell : EditPiece);
        PrintBoard();
        return;
    }
    if (ClickState == 1) {
        // Only the player's own (negative) pieces can be picked.
        if (PieceOn(file, rank) < 0) {
            FrameSquare(index, Qt::red);
            FromFile = file;
            FromRank = rank;
            ClickState = 2;
            if (showLegalMoves_) DotLegalTargets();
        }
        return;
    }

    ToFile = file;
    ToRank = rank;
    PrintBoard();
    if (PieceOn(ToFile, ToRank) < 0) {
        // Another own piece (or the same one): pick it instead.
        ClickState = 1;
        c_Click(SquareIndex(ToFile, ToRank));
        return;
    }

    const ostrand::game::SquareMove move{{FromFile, FromRank}, {ToFile, ToRank}};
    ClickState = 1;
    char promotion = 0;
    if (session_.NeedsPromotion(move)) {
        promotion = AskPromotion(index);
        // Closed without a choice: the move is not made.
        if (promotion == 0) return;
    }
    const ostrand::game::Refusal refusal = session_.Play(move, promotion);
    if (refusal != ostrand::game::Refusal::None) {
        emit MoveRefused(refusal);
        return;
    }
    FrameEngineMove();
}

char F_Board::AskPromotion(int16_t index) {
    const bool white = PlayerSide == 0;
    const struct {
        const char* name;
        char letter;
        const PictureBox* picture;
    } pieces[] = {{QT_TR_NOOP("Queen"), 'q', white ? QW : QB},
                  {QT_TR_NOOP("Rook"), 'r', white ? RW : RB},
                  {QT_TR_NOOP("Bishop"), 'b', white ? BW : BB},
                  {QT_TR_NOOP("Knight"), 'n', white ? KW : KB}};
    QMenu menu(this);
    menu.setObjectName("promotion");
    for (const auto& piece : pieces) {
        QAction* action =
            menu.addAction(QIcon(QPixmap::fromImage(piece.picture->Picture())), tr(piece.name));
        action->setObjectName(QString("promote%1").arg(QChar(piece.letter).toUpper()));
        action->setData(QChar(piece.letter));
    }
    const QAction* chosen = menu.exec(c(index).mapToGlobal(QPoint(0, 0)));
    return chosen ? chosen->data().toChar().toLatin1() : 0;
}

// Nothing when the player moved last.
void F_Board::FrameEngineMove() {
    const std::optional<ostrand::game::SquareMove> move = session_.LastEngineMove();
    if (!move) return;
    FrameSquare(SquareIndex(move->from.file, move->from.rank), Qt::blue);
    FrameSquare(SquareIndex(move->to.file, move->to.rank), Qt::blue);
}

void F_Board::ShowGameAfresh() {
    ClickState = 1;
    PrintBoard();
    FrameEngineMove();
}

// The form keeps its look while the engine works, so that the statistics stay readable as
// they change; the player's input is refused by a filter on the whole application instead.
void F_Board::SetBusy(bool busy) {
    if (engineBusy_ == busy) return;
    engineBusy_ = busy;
    if (engineBusy_)
        QCoreApplication::instance()->installEventFilter(this);
    else
        QCoreApplication::instance()->removeEventFilter(this);
}

// Message boxes are windows of their own and keep working; so does everything around the
// form, which its owner keeps safe.
bool F_Board::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Wheel: {
            auto* widget = qobject_cast<QWidget*>(watched);
            return widget && (widget == this || isAncestorOf(widget));
        }
        default: return false;
    }
}

// The end of a game as the engine announces it, or a fault: a saved game that cannot be read
// or written.
void F_Board::ShowMessage(const std::string& text) {
    const QString message = messages::Translated(QString::fromStdString(text));
    if (text == "Check Mate!" || text == "Stale Mate!")
        QMessageBox::information(this, MessageTitle, message);
    else
        QMessageBox::warning(this, MessageTitle, message);
}

// Escape and the window's close button answer neither Yes nor No: a hidden third button
// takes them, so that Escape no longer counts as No.
std::optional<bool> F_Board::AskYesNo(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, this);
    box.setDefaultButton(QMessageBox::Yes);
    QAbstractButton* cancel = box.addButton(QMessageBox::Cancel);
    cancel->hide();
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == box.button(QMessageBox::Yes)) return true;
    if (box.clickedButton() == box.button(QMessageBox::No)) return false;
    return std::nullopt;
}
