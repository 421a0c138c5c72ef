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
#include "GameStatus.h"
#include "LinkLabel.h"
#include "Messages.h"
#include "MoveGenerator.h"
#include "PictureBox.h"
#include "PieceArt.h"
#include "SavedGame.h"
#include "Variables.h"

namespace {

QRect Twips(int left, int top, int width, int height) {
    return QRect(left, top, width, height);
}

const QColor Grey(0x80, 0x80, 0x80);
const QColor White(0xFF, 0xFF, 0xFF);
const QColor Black(0, 0, 0);

// The design font is missing outside Windows. The narrow sans faces after it keep the
// statistics within their labels; the system's own sans is the last resort.
QFont DesignFont(qreal points) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setFamilies({"MS Sans Serif", "Microsoft Sans Serif", "Arial", "Liberation Sans",
                      "Nimbus Sans", "Helvetica", font.family()});
    font.setPointSizeF(points);
    return font;
}

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

// The engine writes its statistics in English; their captions show in the player's language.
QString Shown(const QString& written) {
    const std::pair<const char*, QString> captions[] = {
        {"Nodes/Sec: ", F_Board::tr("Nodes/Sec: ")},   {"Nodes: ", F_Board::tr("Nodes: ")},
        {"Best Value: ", F_Board::tr("Best Value: ")}, {"Time: ", F_Board::tr("Time: ")},
        {"State: ", F_Board::tr("State: ")},
    };
    for (const auto& [english, shown] : captions)
        if (written.startsWith(english)) return shown + written.mid(qstrlen(english));
    return written;
}

// The colours of what is drawn over the pieces.
const QColor HintColour(0, 0xA0, 0);
const QColor DotColour(0, 0x80, 0x80);

}  // namespace

F_Board::F_Board(QWidget* parent) : QWidget(parent), SavedGamePath(DefaultSavedGamePath()) {
    Q_INIT_RESOURCE(images);

    setWindowTitle("Ostrand Chess 6.0");
    setWindowIcon(QIcon(":/images/icon.png"));

    Label16 = new QLabel("Ostrand Chess", this);
    Place(Label16, Twips(1440, 45, 1995, 330));
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
    Place(Picture1, Twips(3105, 495, 1575, 1965));
    pictures_.emplace_back(Picture1, "logo");

    const auto addLabel = [this](const QString& text, const QRect& geometry) {
        auto* label = new QLabel(text, this);
        Place(label, geometry);
        return label;
    };
    Label5 = addLabel(tr("Engine progress:"), Twips(3105, 2520, 1500, 195));
    // The statistics run on to the tool column (the design's 1590 twips end at the logo's
    // edge): a speed of eight digits would not fit otherwise.
    Label1 = addLabel(QString(), Twips(3105, 2745, 1845, 240));
    Label2 = addLabel(QString(), Twips(3105, 3015, 1845, 240));
    Label3 = addLabel(QString(), Twips(3105, 3285, 1845, 240));
    Label17 = addLabel(QString(), Twips(3105, 3555, 1845, 240));
    Label18 = addLabel(QString(), Twips(3105, 3825, 1845, 240));

    ProgressBar = new QProgressBar(this);
    Place(ProgressBar, Twips(135, 3465, 2895, 240));
    ProgressBar->setRange(0, 100);
    ProgressBar->setValue(0);
    ProgressBar->setTextVisible(false);

    const auto addButton = [this](const QString& caption, const QRect& geometry) {
        auto* button = new QPushButton(caption, this);
        Place(button, geometry);
        return button;
    };
    Btn_NewGame = addButton(tr("New"), Twips(135, 3735, 960, 330));
    Btn_Save = addButton(tr("Save"), Twips(1080, 3735, 1005, 330));
    Btn_Load = addButton(tr("Load"), Twips(2070, 3735, 960, 330));
    connect(Btn_NewGame, &QPushButton::clicked, this, &F_Board::Btn_NewGame_Click);
    connect(Btn_Save, &QPushButton::clicked, this, &F_Board::Btn_Save_Click);
    connect(Btn_Load, &QPushButton::clicked, this, &F_Board::Btn_Load_Click);

    // Both lines span the client area, so they are centred in it.
    Label14 = addLabel(tr("Ostrand Chess by the Ostrand developers"), Twips(-90, 4320, 4875, 240));
    Label14->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label4 = new LinkLabel(WebAddress, this);
    Place(Label4, Twips(-90, 4545, 4875, 240));
    Label4->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    SetTextColour(Label4, QColor(0, 0, 255));
    Label4->setCursor(Qt::PointingHandCursor);
    connect(Label4, &LinkLabel::clicked, this, &F_Board::Label4_Click);

    // The frame comes first so that the check box lies on top of it.
    Shape1 = new QFrame(this);
    Shape1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Place(Shape1, Twips(4995, 540, 735, 375));
    CkEdit = new QCheckBox(tr("Edit"), this);
    Place(CkEdit, Twips(5085, 585, 600, 285));

    const QColor windowColour = palette().color(QPalette::Base);
    const auto addPicture = [this, &windowColour](const QString& picture, const QRect& geometry) {
        auto* box = new PictureBox(QRect(), this);
        Place(box, geometry);
        box->SetBackground(windowColour);
        if (!picture.isEmpty()) pictures_.emplace_back(box, picture);
        return box;
    };
    PB = addPicture("PB", Twips(4995, 945, 375, 375));
    KB = addPicture("KB", Twips(4995, 1305, 375, 375));
    BB = addPicture("BB", Twips(4995, 1665, 375, 375));
    RB = addPicture("RB", Twips(4995, 2025, 375, 375));
    QB = addPicture("QB", Twips(4995, 2385, 375, 375));
    KKB = addPicture("KKB", Twips(4995, 2745, 375, 375));
    PW = addPicture("PW", Twips(5355, 945, 375, 375));
    KW = addPicture("KW", Twips(5355, 1305, 375, 375));
    BW = addPicture("BW", Twips(5355, 1665, 375, 375));
    RW = addPicture("RW", Twips(5355, 2025, 375, 375));
    QW = addPicture("QW", Twips(5355, 2385, 375, 375));
    KKW = addPicture("KKW", Twips(5355, 2745, 375, 375));
    MM = addPicture(QString(), Twips(4995, 3150, 735, 330));
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

    BtnForce = addButton(tr("Force"), Twips(4995, 3510, 780, 330));
    BtnRotate = addButton("<", Twips(4995, 3870, 780, 330));
    connect(BtnForce, &QPushButton::clicked, this, &F_Board::BtnForce_Click);
    connect(BtnRotate, &QPushButton::clicked, this, &F_Board::BtnRotate_Click);

    PicCompColor = addPicture(QString(), Twips(4995, 4230, 780, 285));
    PicHumanColor = addPicture(QString(), Twips(4995, 4545, 780, 285));

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
    ostrand::SetDisplay(this);
}

F_Board::~F_Board() {
    ostrand::SetDisplay(nullptr);
}

void F_Board::Form_Load() {
    LastReply = ostrand::EngineCommand("NewGame");
    PlayerSide = 0;
    ClickState = 1;
    PicCompColor->SetBackground(Black);
    PicHumanColor->SetBackground(White);
    LayoutSquares();
    PrintBoard();
    emit GameStarted();
}

void F_Board::Btn_NewGame_Click() {
    const std::optional<bool> playWhites =
        AskYesNo(tr("New Game"), tr("Would you like to play whites?"));
    // Escape or closing the question keeps the game in progress, a picked piece included.
    if (!playWhites) return;
    ClickState = 1;
    if (*playWhites) {
        LastReply = ostrand::EngineCommand("NewGame");
        PlayerSide = 0;
        PicCompColor->SetBackground(Black);
        PicHumanColor->SetBackground(White);
        LayoutSquares();
        PrintBoard();
    } else {
        LastReply = ostrand::EngineCommand("NewGame");
        PicCompColor->SetBackground(White);
        PicHumanColor->SetBackground(Black);
        PlayerSide = 1;
        LayoutSquares();
        PrintBoard();
        // The engine's pieces are drawn white now, so it opens; it draws its move itself.
        LastReply = ostrand::EngineCommand("Force");
    }
    emit GameStarted();
}

// A failed save keeps the last good file, and a refused load leaves the game as it was; either
// way the player is told why and plays on.
void F_Board::Btn_Save_Click() {
    // The data folder is made on the first save; if it cannot be, the save says so.
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(SavedGamePath).parent_path(),
                                        ignored);
    std::string error;
    if (!ostrand::SaveGame(SavedGamePath, error)) {
        ShowMessage(error);
        return;
    }
    emit SavedGameUsed(true, QString::fromStdString(SavedGamePath));
}

// The side, the click state and a half-entered move are the window's and stay as they were.
void F_Board::Btn_Load_Click() {
    std::string error;
    if (!ostrand::LoadGame(SavedGamePath, error)) {
        ShowMessage(error);
        return;
    }
    PrintBoard();
    emit GameChanged(QString());
    emit SavedGameUsed(false, QString::fromStdString(SavedGamePath));
}

void F_Board::BtnForce_Click() {
    LastReply = Send("Force");
    emit GameChanged("Force");
}

std::string F_Board::Send(const std::string& command) {
    if (AnswerFirst)
        if (std::optional<std::string> answer = AnswerFirst(command)) return *answer;
    return ostrand::EngineCommand(command);
}

// Moves every square to its point-symmetric place; a second turn restores the layout.
void F_Board::BtnRotate_Click() {
    for (int16_t i = 1; i <= 64; ++i) {
        QPoint& place = squarePlaces_[static_cast<size_t>(i - 1)];
        const long column = std::lround((place.x() - 135) / 360.0 + 1);
        const long row = std::lround(std::abs((place.y() - 3015) / 360.0 - 1));
        place = QPoint(static_cast<int>(3015 - 360 * column), static_cast<int>(360 * row + 135));
        PlaceSquare(i);
    }
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
        const int left = PlayerSide == 0 ? 360 * file - 225 : 3015 - 360 * file;
        const int top = 3375 - 360 * rank;
        squarePlaces_[static_cast<size_t>(i - 1)] = QPoint(left, top);
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

void F_Board::PrintBoard() {
    if (PlayerSide != 0 && PlayerSide != 1) return;
    marks_.clear();
    for (int16_t rank = 1; rank <= 8; ++rank) {
        for (int16_t file = 1; file <= 8; ++file)
            DrawSquare(file, rank);
    }
}

void F_Board::DrawSquare(int16_t file, int16_t rank) {
    PictureBox& square = c(SquareIndex(file, rank));
    square.Clear();
    const int16_t value = ostrand::Board(file, rank);
    const QImage* mask = nullptr;
    const PictureBox* whitePicture = nullptr;
    const PictureBox* blackPicture = nullptr;
    switch (std::abs(value)) {
        case ostrand::Piece::Pawn: mask = &PM, whitePicture = PW, blackPicture = PB; break;
        case ostrand::Piece::Knight: mask = &KM, whitePicture = KW, blackPicture = KB; break;
        case ostrand::Piece::Bishop: mask = &BM, whitePicture = BW, blackPicture = BB; break;
        case ostrand::Piece::Rook: mask = &RM, whitePicture = RW, blackPicture = RB; break;
        case ostrand::Piece::Queen: mask = &QM, whitePicture = QW, blackPicture = QB; break;
        case ostrand::Piece::King: mask = &KKM, whitePicture = KKW, blackPicture = KKB; break;
        default: return;
    }
    // The player's pieces are the negative ones, drawn in the player's colour.
    const bool drawnWhite = (value < 0) == (PlayerSide == 0);
    // AND leaves the shade around a black silhouette; OR then fills it in, the picture's grey
    // 808080 leaving either shade as it is.
    QPainter painter(&square.Image());
    painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    painter.drawImage(0, 0, *mask);
    painter.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
    painter.drawImage(0, 0, (drawnWhite ? whitePicture : blackPicture)->Picture());
}

int16_t F_Board::SquareIndex(int16_t file, int16_t rank) {
    const int index = file + 8 * (rank - 1);
    return static_cast<int16_t>(std::clamp(index, 1, 64));
}

void F_Board::SquareOfIndex(int16_t& file, int16_t& rank, int16_t index) {
    rank = static_cast<int16_t>(std::floor((index - 1) / 8.0) + 1);
    file = static_cast<int16_t>(index - 8 * rank + 8);
}

void F_Board::c_Click(int16_t index) {
    int16_t file, rank;
    SquareOfIndex(file, rank, index);
    if (CkEdit->checkState() == Qt::Checked) {
        // No validation: any position may be set up, kings or not, and the engine plays on it
        // as it stands.
        int16_t& square = ostrand::Board(file, rank);
        square = EditPiece;
        if (square == 1) square = ostrand::EmptyCell;
        PrintBoard();
        emit GameChanged(QString());
        return;
    }
    if (ClickState == 1) {
        // Only the player's own (negative) pieces can be picked.
        if (ostrand::Board(file, rank) < 0) {
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
    if (ostrand::Board(ToFile, ToRank) < 0) {
        // Another own piece (or the same one): pick it instead.
        ClickState = 1;
        c_Click(SquareIndex(ToFile, ToRank));
        return;
    }

    std::string move;
    ostrand::AppendMove(move, FromFile, FromRank, ToFile, ToRank);
    LastReply = Send(move);
    ClickState = 1;
    emit GameChanged(QString::fromStdString(move));
    FrameEngineMove(LastReply);
}

// Any other reply ("Error", "CheckMate") frames nothing.
void F_Board::FrameEngineMove(const std::string& move) {
    if (move.size() != 4) return;
    // The engine's castling comes as a code, not as squares: frame where king and rook land.
    if (move == "9191") {
        FrameSquare(SquareIndex(7, 8), Qt::blue);
        FrameSquare(SquareIndex(6, 8), Qt::blue);
    } else if (move == "9898") {
        FrameSquare(SquareIndex(3, 8), Qt::blue);
        FrameSquare(SquareIndex(4, 8), Qt::blue);
    } else {
        FrameSquare(SquareIndex(move[0] - '0', move[1] - '0'), Qt::blue);
        FrameSquare(SquareIndex(move[2] - '0', move[3] - '0'), Qt::blue);
    }
}

void F_Board::PB_Click() {
    PickFromPalette(PB, ostrand::Piece::Pawn);
}

void F_Board::KB_Click() {
    PickFromPalette(KB, ostrand::Piece::Knight);
}

void F_Board::BB_Click() {
    PickFromPalette(BB, ostrand::Piece::Bishop);
}

void F_Board::RB_Click() {
    PickFromPalette(RB, ostrand::Piece::Rook);
}

void F_Board::QB_Click() {
    PickFromPalette(QB, ostrand::Piece::Queen);
}

void F_Board::KKB_Click() {
    PickFromPalette(KKB, ostrand::Piece::King);
}

void F_Board::PW_Click() {
    PickFromPalette(PW, -ostrand::Piece::Pawn);
}

void F_Board::KW_Click() {
    PickFromPalette(KW, -ostrand::Piece::Knight);
}

void F_Board::BW_Click() {
    PickFromPalette(BW, -ostrand::Piece::Bishop);
}

void F_Board::RW_Click() {
    PickFromPalette(RW, -ostrand::Piece::Rook);
}

void F_Board::QW_Click() {
    PickFromPalette(QW, -ostrand::Piece::Queen);
}

void F_Board::KKW_Click() {
    PickFromPalette(KKW, -ostrand::Piece::King);
}

void F_Board::MM_Click() {
    PickFromPalette(MM, 1);
}

// The palette's columns follow the sign, not the colour the player sees: the B column places
// the engine's pieces, which are drawn white when the player plays black.
void F_Board::PickFromPalette(PictureBox* control, int16_t piece) {
    EditPiece = piece;
    ResetPalette();
    control->SetAppearance(PictureBox::Look::ThreeD);
    // Neighbours overlap by a pixel; on top, the whole bevel shows.
    control->raise();
}

void F_Board::ResetPalette() {
    for (PictureBox* control : {KB, KKB, KKW, KW, MM, PB, PW, QB, QW, RB, RW, BB, BW})
        control->SetAppearance(PictureBox::Look::Flat);
    CkEdit->setChecked(true);
}

// A one-pixel outline round the square's 23-pixel drawing area (as thick as the zoom
// makes a pixel), gone at the next clear.
void F_Board::FrameSquare(int16_t index, const QColor& colour) {
    marks_.push_back({index, colour});
    PictureBox& square = c(index);
    QPainter painter(&square.Image());
    painter.setPen(colour);
    const int last = square.Image().width() - 1;
    for (int k = 0; k < std::max(zoom_ / 100, 1); ++k)
        painter.drawRect(k, k, last - 2 * k, last - 2 * k);
    square.update();
}

void F_Board::DotSquare(int16_t index) {
    marks_.push_back({index, QColor()});
    PictureBox& square = c(index);
    QPainter painter(&square.Image());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(DotColour);
    const QRectF area = square.Image().rect();
    const double radius = area.width() / 8.0;
    painter.drawEllipse(area.center(), radius, radius);
    square.update();
}

// The engine's own judgement of the player's move, asked square by square.
void F_Board::DotLegalTargets() {
    for (const auto& [file, rank] : status::LegalTargets(FromFile, FromRank))
        DotSquare(SquareIndex(static_cast<int16_t>(file), static_cast<int16_t>(rank)));
}

void F_Board::SetShowLegalMoves(bool show) {
    showLegalMoves_ = show;
}

void F_Board::ShowHint(int16_t fromFile, int16_t fromRank, int16_t toFile, int16_t toRank) {
    FrameSquare(SquareIndex(fromFile, fromRank), HintColour);
    FrameSquare(SquareIndex(toFile, toRank), HintColour);
}

// The layout is designed in twips, 15 to the pixel at 96 dots per inch and 100 %.
int F_Board::Px(double twips) const {
    return static_cast<int>(std::lround(twips * zoom_ / 1500.0));
}

// From the edges, so that controls side by side in the design stay side by side. A box of
// 375 twips is a cell of the 360-twip pitch and its one-pixel border, which it shares with
// the next: it stays so at every zoom.
QRect F_Board::OnScreen(const QRect& twips) const {
    const auto extent = [this](int from, int length) {
        return length == 375 ? Px(from + 360) - Px(from) + 1 : Px(from + length) - Px(from);
    };
    return QRect(Px(twips.x()), Px(twips.y()), extent(twips.x(), twips.width()),
                 extent(twips.y(), twips.height()));
}

void F_Board::Place(QWidget* control, const QRect& twips) {
    places_.emplace_back(control, twips);
    if (auto* box = qobject_cast<PictureBox*>(control))
        box->SetGeometry(OnScreen(twips));
    else
        control->setGeometry(OnScreen(twips));
}

void F_Board::PlaceSquare(int16_t index) {
    const QPoint place = squarePlaces_[static_cast<size_t>(index - 1)];
    c(index).SetGeometry(OnScreen(QRect(place, QSize(375, 375))));
}

void F_Board::SetZoom(int percent) {
    if (std::find(std::begin(Zooms), std::end(Zooms), percent) == std::end(Zooms)) return;
    zoom_ = percent;
    const qreal scale = percent / 100.0;
    // The design's client area ends at 4830 twips, short of the tool column; the window is
    // widened to show it, since "Force" and the editor are unreachable otherwise.
    setFixedSize(Px(5895), Px(4890));
    // A scaled font keeps to whole pixels below its scaled design size: rounded up, the
    // statistics outgrow their labels (at 150 % "Nodes/Sec" runs into the palette).
    const auto scaledFont = [scale](qreal points) {
        QFont font = DesignFont(points);
        if (scale != 1)
            font.setPixelSize(static_cast<int>(std::floor(QFontInfo(font).pixelSize() * scale)));
        return font;
    };
    setFont(scaledFont(8.25));
    QFont titleFont = scaledFont(12);
    titleFont.setBold(true);
    Label16->setFont(titleFont);
    QFont linkFont = scaledFont(8.25);
    linkFont.setUnderline(true);
    Label4->setFont(linkFont);

    const auto places = std::move(places_);
    places_.clear();
    for (const auto& [control, twips] : places)
        Place(control, twips);
    for (int16_t i = 1; i <= 64; ++i)
        PlaceSquare(i);
    DrawPictures();
    const std::vector<Mark> marks = marks_;
    PrintBoard();
    DrawMarks(marks);
}

// The pieces are drawn at the size of a square's inside. The logo, no piece of the game, is
// scaled smoothly.
void F_Board::DrawPictures() {
    const int size = Px(360) - 1;
    for (const auto& [box, name] : pictures_) {
        if (box != Picture1) {
            box->SetPicture(PieceArt(name, size));
            continue;
        }
        const QImage logo = QImage(":/images/logo.png").convertToFormat(QImage::Format_RGB32);
        box->SetPicture(zoom_ == 100 ? logo
                                     : logo.scaled(box->Image().size(), Qt::KeepAspectRatio,
                                                   Qt::SmoothTransformation));
    }
    for (const auto& [mask, name] :
         {std::pair{&PM, "PM"}, {&KM, "KM"}, {&BM, "BM"}, {&RM, "RM"}, {&QM, "QM"}, {&KKM, "KKM"}})
        *mask = PieceArt(name, size);
}

// A press on one of the player's pieces and a move: the piece is picked as by a click and
// follows the pointer; the square it left shows empty, with its frame.
void F_Board::StartDrag(int16_t index) {
    int16_t file, rank;
    SquareOfIndex(file, rank, index);
    if (engineBusy_ || CkEdit->checkState() == Qt::Checked || ostrand::Board(file, rank) >= 0)
        return;
    if (ClickState != 2 || FromFile != file || FromRank != rank) c_Click(index);
    if (ClickState != 2) return;
    dragFrom_ = index;
    PictureBox& square = c(index);
    const QImage shown = square.Image().copy();
    // The piece alone: where the mask is black.
    QImage piece(shown.size(), QImage::Format_ARGB32);
    piece.fill(Qt::transparent);
    const QImage& mask = *[this, file, rank] {
        switch (std::abs(ostrand::Board(file, rank))) {
            case ostrand::Piece::Pawn: return &PM;
            case ostrand::Piece::Knight: return &KM;
            case ostrand::Piece::Bishop: return &BM;
            case ostrand::Piece::Rook: return &RM;
            case ostrand::Piece::Queen: return &QM;
            default: return &KKM;
        }
    }();
    for (int y = 0; y < piece.height() && y < mask.height(); ++y)
        for (int x = 0; x < piece.width() && x < mask.width(); ++x)
            if ((mask.pixel(x, y) & 0xFFFFFF) == 0) piece.setPixel(x, y, shown.pixel(x, y));
    dragged_->setPixmap(QPixmap::fromImage(piece));
    dragged_->resize(piece.size());
    dragged_->raise();
    dragged_->show();
    Redraw(index, false);
}

void F_Board::Drag(const QPoint& global) {
    if (dragFrom_ == 0) return;
    dragged_->move(mapFromGlobal(global) - dragged_->rect().center());
}

// Dropped on another square, the piece goes there as by a second click, refusals and all;
// anywhere else it goes back and stays picked. A second click whose pointer slid, with no
// piece of the player's under it, is the click where the button is let go.
void F_Board::Drop(const QPoint& global) {
    if (dragFrom_ == 0) {
        const int16_t at = SquareAt(global);
        if (at != 0 && ClickState == 2 && !engineBusy_ && CkEdit->checkState() != Qt::Checked)
            c_Click(at);
        return;
    }
    const int16_t from = std::exchange(dragFrom_, int16_t{0});
    dragged_->hide();
    const int16_t to = SquareAt(global);
    if (to != 0 && to != from && !engineBusy_) {
        c_Click(to);
        return;
    }
    Redraw(from, true);
}

// A square drawn afresh, with or without its piece, keeps its frames and dots.
void F_Board::Redraw(int16_t index, bool withPiece) {
    std::vector<Mark> kept, here;
    for (const Mark& mark : marks_)
        (mark.index == index ? here : kept).push_back(mark);
    marks_ = kept;
    int16_t file, rank;
    SquareOfIndex(file, rank, index);
    if (withPiece)
        DrawSquare(file, rank);
    else
        c(index).Clear();
    DrawMarks(here);
}

void F_Board::DrawMarks(const std::vector<Mark>& marks) {
    for (const Mark& mark : marks) {
        if (mark.frame.isValid())
            FrameSquare(mark.index, mark.frame);
        else
            DotSquare(mark.index);
    }
}

int16_t F_Board::SquareAt(const QPoint& global) const {
    QWidget* under = childAt(mapFromGlobal(global));
    for (int16_t i = 1; i <= 64; ++i)
        if (under == &c(i)) return i;
    return 0;
}

// The form keeps its look while the engine works, so that the statistics stay readable as
// they change; the player's input is refused by a filter on the whole application instead.
void F_Board::SetEnabled(bool enabled) {
    if (engineBusy_ == !enabled) return;
    engineBusy_ = !enabled;
    if (engineBusy_)
        QCoreApplication::instance()->installEventFilter(this);
    else
        QCoreApplication::instance()->removeEventFilter(this);
    emit EngineBusyChanged(engineBusy_);
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

// The engine goes on working after this, so the window is painted now, not later.
void F_Board::RedrawBoard() {
    PrintBoard();
    repaint();
}

// The engine announces the end of a game; anything else shown here is a fault (a table file
// or the saved game that cannot be read or written).
void F_Board::ShowMessage(const std::string& text) {
    const QString message = messages::Translated(QString::fromStdString(text));
    if (text == "Check Mate!" || text == "Stale Mate!")
        QMessageBox::information(this, MessageTitle, message);
    else
        QMessageBox::warning(this, MessageTitle, message);
}

QLabel* F_Board::StatusLabelOf(ostrand::StatusLabel label) const {
    switch (label) {
        case ostrand::StatusLabel::Nodes: return Label1;
        case ostrand::StatusLabel::BestValue: return Label2;
        case ostrand::StatusLabel::Time: return Label3;
        case ostrand::StatusLabel::Speed: return Label17;
        case ostrand::StatusLabel::State: return Label18;
    }
    return Label18;
}

void F_Board::SetLabel(ostrand::StatusLabel label, const std::string& text) {
    QString& written = statistics_[static_cast<size_t>(label)];
    written = QString::fromStdString(text);
    if (statisticsShown_) StatusLabelOf(label)->setText(Shown(written));
}

std::string F_Board::LabelText(ostrand::StatusLabel label) const {
    return statistics_[static_cast<size_t>(label)].toStdString();
}

void F_Board::SetStatisticsShown(bool shown) {
    statisticsShown_ = shown;
    for (size_t i = 0; i < statistics_.size(); ++i)
        StatusLabelOf(static_cast<ostrand::StatusLabel>(i))
            ->setText(shown ? Shown(statistics_[i]) : QString());
    ProgressBar->setValue(shown ? progressValue_ : ProgressBar->minimum());
}

// An empty range would turn the bar into a busy indicator.
void F_Board::SetProgressMaximum(int maximum) {
    ProgressBar->setMaximum(std::max(maximum, 1));
}

// A value past the end raises the end, so the bar shows full rather than ignoring it.
void F_Board::SetProgressValue(int value) {
    if (value > ProgressBar->maximum()) ProgressBar->setMaximum(value);
    progressValue_ = value;
    if (statisticsShown_) ProgressBar->setValue(value);
}

void F_Board::ProcessEvents() {
    QCoreApplication::processEvents();
}

void F_Board::ReportDepth(int depth) {
    emit DepthReported(depth);
}

void F_Board::ReportScore(int score) {
    emit ScoreReported(score);
}

// Called every few thousand nodes: the window handles its input about every 10 ms, often
// enough for a key to stop the search at once, and too seldom to slow it down.
void F_Board::PollInput() {
    if (sincePoll_.isValid() && sincePoll_.elapsed() < 10) return;
    sincePoll_.start();
    QCoreApplication::processEvents();
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
