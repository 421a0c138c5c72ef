// The program's one window: the board, the search statistics, the game buttons and the tool
// column. A view of the game session: it draws what the session reports and hands on what
// the player does; the game itself, its rules and the engine are the session's.
#pragma once

#include <QImage>
#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "GameSession.h"

class LinkLabel;
class SessionSignals;
class PictureBox;
class QCheckBox;
class QFrame;
class QLabel;
class QProgressBar;
class QPushButton;

class F_Board : public QWidget {
    Q_OBJECT

  public:
    // The project's page behind the link label.
    static constexpr const char* WebAddress = "https://ostrand-chess.example.org";

    // Draws session's game and follows its reports.
    F_Board(ostrand::game::GameSession& session, SessionSignals& reports,
            QWidget* parent = nullptr);
    ~F_Board() override;

    // Start-up: a new game with the player on white. Called once by the owner after
    // construction, so that its own connections to the session are in place.
    void Form_Load();
    // Redraws all 64 squares from the session's board.
    void PrintBoard();
    // The square control of index 1..64 (index = file + 8 * (rank - 1)).
    PictureBox& c(int index) const { return *squares_.at(static_cast<size_t>(index - 1)); }
    // The board as a step of the game shows: no piece picked, the engine's last move framed.
    void ShowGameAfresh();

    // Shows one of the five statistics lines as the engine writes it (English captions).
    void ShowStatistic(ostrand::StatusLabel label, const QString& text);
    void ShowProgress(int value, int maximum);
    // The engine's message box under the form's title: "Check Mate!", or a file that cannot
    // be read or written.
    virtual void ShowMessage(const std::string& text);

    // Unshown, the five statistics lines and the progress bar stay in place but blank.
    void SetStatisticsShown(bool shown);
    // True while the engine thinks: the form refuses the player's input then.
    bool EngineBusy() const { return engineBusy_; }
    // Frames the squares of the engine's last move in the step on show in blue (for its
    // castling, where its king and rook land).
    void FrameEngineMove();

    // The zoom steps, in per cent of the design size.
    static constexpr int Zooms[] = {100, 150, 200, 300};
    // Between the steps and beyond them the form takes any whole per cent in this range.
    static constexpr int MinZoom = 100;
    static constexpr int MaxZoom = 1000;
    // Lays the whole form out and draws its pictures at percent of the design size; frames
    // and dots on the board stay. A percent out of range changes nothing.
    void SetZoom(int percent);
    int Zoom() const { return zoom_; }
    // With the option on, a picked piece's legal target squares get a dot.
    void SetShowLegalMoves(bool show);
    // Frames a move's two squares in green, until the board is next drawn.
    void ShowHint(const ostrand::game::SquareMove& move);
    // With the option on, the files' letters and the ranks' digits show inside the edge
    // squares; frames and dots stay.
    void SetShowCoordinates(bool show);

    // Window state.
    int16_t PlayerSide = 0;  // 0: the player's (negative) pieces are white, 1: black
    int16_t ClickState = 0;  // 1: waiting for a pick, 2: a piece is picked
    int16_t FromFile = 0;
    int16_t FromRank = 0;
    int16_t ToFile = 0;
    int16_t ToRank = 0;
    int16_t EditPiece = 0;  // the code a placement writes; 1 erases
    // The one saved-game file: beside a portable copy, in the player's data folder for an
    // installed one; tests point it elsewhere.
    std::string SavedGamePath;

    // Controls.
    QLabel* Label16;
    PictureBox* Picture1;
    QLabel* Label5;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label17;
    QLabel* Label18;
    QProgressBar* ProgressBar;
    QPushButton* Btn_NewGame;
    QPushButton* Btn_Save;
    QPushButton* Btn_Load;
    QLabel* Label14;
    LinkLabel* Label4;
    QFrame* Shape1;
    QCheckBox* CkEdit;
    PictureBox* PB;
    PictureBox* KB;
    PictureBox* BB;
    PictureBox* RB;
    PictureBox* QB;
    PictureBox* KKB;
    PictureBox* PW;
    PictureBox* KW;
    PictureBox* BW;
    PictureBox* RW;
    PictureBox* QW;
    PictureBox* KKW;
    PictureBox* MM;
    QPushButton* BtnForce;
    QPushButton* BtnRotate;
    PictureBox* PicCompColor;
    PictureBox* PicHumanColor;

  signals:
    // The session refused the player's move (never Refusal::None).
    void MoveRefused(ostrand::game::Refusal why);
    // The engine has moved on "Force", or opened a new game.
    void EngineMoved();
    // Save has written, or Load has read, the saved-game file at path.
    void SavedGameUsed(bool saved, const QString& path);

  public slots:
    void Btn_NewGame_Click();
    void Btn_Save_Click();
    void Btn_Load_Click();
    void BtnForce_Click();
    void BtnRotate_Click();
    void Label4_Click();
    void c_Click(int16_t index);
    void PB_Click();
    void KB_Click();
    void BB_Click();
    void RB_Click();
    void QB_Click();
    void KKB_Click();
    void PW_Click();
    void KW_Click();
    void BW_Click();
    void RW_Click();
    void QW_Click();
    void KKW_Click();
    void MM_Click();

  protected:
    // The Yes/No question: true for Yes, false for No, nothing when the user closed it or
    // pressed Escape. A test answers it instead of a user.
    virtual std::optional<bool> AskYesNo(const QString& title, const QString& text);
    // While the engine works, refuses the mouse and keys on the form and its controls.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The form keeps its look while the engine thinks; its input is refused instead.
    void SetBusy(bool busy);
    void LayoutSquares();
    void NameSquares();
    void ResetPalette();
    void PickFromPalette(PictureBox* control, int16_t piece);
    static int16_t SquareIndex(int16_t file, int16_t rank);
    static void SquareOfIndex(int16_t& file, int16_t& rank, int16_t index);
    void FrameSquare(int16_t index, const QColor& colour);
    // A dot in the middle of the square, until the next clear.
    void DotSquare(int16_t index);
    void DotLegalTargets();
    // The piece the player's pawn becomes on the square of index: 'q', 'r', 'b' or 'n' from a
    // menu at the square, 0 when the player closes it (Escape).
    char AskPromotion(int16_t index);
    // Draws one square from the session's board, without frames or dots.
    void DrawSquare(int16_t file, int16_t rank);
    // Over a square's picture, when shown.
    void DrawCoordinates(int16_t index);
    // Draws all squares afresh, keeping the frames and dots.
    void DrawAfresh();
    // Places a control at its place in the design, in twips, at the zoom in force.
    void Place(QWidget* control, const QRect& twips);
    int Px(double twips) const;
    QRect OnScreen(const QRect& twips) const;
    void PlaceSquare(int16_t index);
    void ScaleCheckBox(qreal scale);
    // The drawing of the pictures at the zoom in force.
    void DrawPictures();
    struct Mark;
    void Redraw(int16_t index, bool withPiece);
    void DrawMarks(const std::vector<Mark>& marks);
    void StartDrag(int16_t index);
    void Drag(const QPoint& global);
    void Drop(const QPoint& global);
    int16_t SquareAt(const QPoint& global) const;
    QLabel* StatusLabelOf(ostrand::StatusLabel label) const;
    int16_t PieceOn(int16_t file, int16_t rank) const;

    ostrand::game::GameSession& session_;

    std::array<PictureBox*, 64> squares_{};
    // Where each square stands in the design (left, top in twips); rotation moves them.
    std::array<QPoint, 64> squarePlaces_{};
    // Every other control with its place in the design.
    std::vector<std::pair<QWidget*, QRect>> places_;
    // The picture boxes with their pictures' names.
    std::vector<std::pair<PictureBox*, QString>> pictures_;
    int zoom_ = 100;
    // What is drawn over the pieces since the last PrintBoard: frames, and dots (no colour).
    struct Mark {
        int16_t index;
        QColor frame;
    };
    std::vector<Mark> marks_;
    bool showLegalMoves_ = false;
    bool showCoordinates_ = false;
    // The piece under the pointer while it is dragged, and the square it comes from (0: no
    // drag).
    QLabel* dragged_ = nullptr;
    int16_t dragFrom_ = 0;
    bool statisticsShown_ = true;
    bool engineBusy_ = false;
    // The drawing masks: the piece's silhouette black on white, never shown.
    QImage PM, KM, BM, RM, QM, KKM;
};
