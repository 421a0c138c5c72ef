// The program's window on Windows: the form F_Board drawn with the system's own controls, with
// the menu bar above it, the clocks and the move list beside it and a status line below. A
// second view of the game session beside the Qt window: it draws what the session reports and
// hands on what the player does; the game, its rules, its clocks and the engine are the
// session's.
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "FormLayout.h"
#include "GameSession.h"
#include "PieceDrawing.h"
#include "Settings.h"
#include "SoundCues.h"

namespace ostrand::win {

// The frame's window class, fixed so that scripts find the window.
inline constexpr wchar_t FrameClass[] = L"OstrandChessWindow";
inline constexpr wchar_t FormClass[] = L"OstrandChessForm";

class Window : public game::SessionListener {
  public:
    explicit Window(HINSTANCE instance);
    ~Window() override;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Registers the window classes; false when the system refuses.
    static bool Register(HINSTANCE instance);
    // Makes and shows the window and starts the first game; false when it cannot be made.
    bool Create(int show);
    HWND Frame() const { return frame_; }
    // A message of the main loop: the menu's shortcuts, and Enter and Escape in the box where
    // the player types a move, which takes the keys that would be shortcuts elsewhere. True
    // when it was handled.
    bool PreTranslate(MSG& message);

    // The session's reports.
    void BoardChanged() override;
    void GameChanged() override;
    void ThinkingChanged(bool thinking) override;
    void DepthReached(int depth) override;
    void StatisticChanged(StatusLabel label, const std::string& text) override;
    void ProgressChanged(int value, int maximum) override;
    void ClocksChanged() override;
    void GameEnded(game::Ending ending, const std::string& message) override;
    void Problem(const std::string& message) override;
    void ProcessEvents() override;
    void PollInput() override;

  private:
    static LRESULT CALLBACK FrameProcedure(HWND window, UINT message, WPARAM w, LPARAM l);
    static LRESULT CALLBACK FormProcedure(HWND window, UINT message, WPARAM w, LPARAM l);
    LRESULT OnFrameMessage(UINT message, WPARAM w, LPARAM l);
    LRESULT OnFormMessage(UINT message, WPARAM w, LPARAM l);

    // Building and laying out.
    void MakeControls();
    void LoadPictures();
    void DrawPictures();
    // The tooltips, as the Qt window has them; PlaceTips follows the layout and the turns.
    void MakeTips();
    void PlaceTips();
    void BuildMenus();
    void UpdateMenus();
    // Fonts, controls and the window's size at the zoom and the monitor's scale in force.
    void Relayout();
    int Scale() const { return zoom_ * static_cast<int>(dpi_) / 96; }
    // Where the move list's column (1: White's moves, 2: Black's) begins, in its client area.
    int ListColumn(int column) const;
    HWND Place(HWND control, const form::Twips& twips);
    RECT Rect(const form::Twips& twips) const;

    // The form: its handlers, as the Qt window's F_Board.
    void Form_Load();
    void Btn_NewGame_Click();
    void Btn_Save_Click();
    void Btn_Load_Click();
    // The saved game's path as the player reads it.
    std::string SavedGameShown() const;
    void BtnForce_Click();
    void BtnRotate_Click();
    void c_Click(int index);
    void PickFromPalette(int box, int16_t piece);
    void LayoutSquares();
    void PrintBoard();
    void ShowGameAfresh();
    void FrameEngineMove();
    void FrameSquare(int index, COLORREF colour);
    void DotSquare(int index);
    void RedrawForm();
    void PaintForm(HDC dc);
    void PaintSquare(HDC dc, int index);
    // The file's letter in the bottom row and the rank's digit in the left column, as the
    // player sees the board, inside those squares.
    void PaintCoordinates(HDC dc, int index, const RECT& area);
    void PaintBox(HDC dc, const form::Twips& twips, COLORREF background, HBITMAP picture,
                  bool raised);
    // The square, palette box (100 + 6 * column + row; 112 the eraser) or nothing (0) at a
    // point of the form.
    int HitTest(POINT point) const;
    form::Twips SquarePlace(int index) const;
    char AskPromotion(int index);

    // The rest of the window, as the Qt window's MainWindow.
    void OnCommand(int command);
    void OnGameChanged();
    void OnRefused(game::Refusal refusal);
    // The move typed in the move box, played as PlayText plays it.
    void PlayTyped();
    void SetStatus(const std::string& text);
    void Notify(const std::string& text);
    void ShowMoves();
    void ShowClocks();
    void ShowStatistics();
    void ShowMessage(const std::string& text);
    void Warn(const std::string& title, const std::string& text);
    void Announce(const std::string& text);
    std::optional<bool> AskYesNo(const std::string& title, const std::string& text);
    void TakeBack();
    void Redo();
    void GoToStep(size_t step);
    void Resign();
    void OfferDraw();
    void ShowHint();
    void SetLevel(size_t level, bool varyAsLevel);
    void SetVaryOpenings(bool vary);
    void SetTimeControl(const game::TimeControl& control, bool keep);
    void ChooseTimeControl();
    void SetStandardRules(bool standard, bool keep);
    void SetZoom(int percent);
    void CopyText(const std::string& text);
    std::string ClipboardText();
    void CopyPosition();
    void CopyGame();
    void PastePosition();
    void OpenPgn();
    void SaveGameAsPgn();
    bool SetUpGames(const std::vector<chess::PgnGame>& games, const std::string& name);
    bool HoldsChessPosition(const std::string& action);
    std::wstring PgnFolder() const;
    void ShowHowToPlay();
    // Plays the sound when due, the sounds are on and the system has a sound device.
    void Play(std::optional<sounds::Sound> sound);
    void ShowAbout();

    HINSTANCE instance_;
    HWND frame_ = nullptr;
    HWND form_ = nullptr;
    HWND statusBar_ = nullptr;
    HWND moveList_ = nullptr;
    HWND moveEntry_ = nullptr;
    std::array<HWND, 2> clocks_{};  // the player's, the engine's
    HACCEL accelerators_ = nullptr;
    HWND tips_ = nullptr;
    HMENU menu_ = nullptr;

    // The form's controls.
    HWND Label16 = nullptr, Label5 = nullptr, Label14 = nullptr, Label4 = nullptr;
    std::array<HWND, 5> statistics_{};  // Label1, Label2, Label3, Label17, Label18
    HWND ProgressBar = nullptr, Btn_NewGame = nullptr, Btn_Save = nullptr, Btn_Load = nullptr;
    HWND CkEdit = nullptr, BtnForce = nullptr, BtnRotate = nullptr;

    // Pictures: the pieces of the engine's (B) and the player's (W) palette column and the
    // masks (M), pawn, knight, bishop, rook, queen, king, at the scale in force, drawn from
    // their designs (mask, white, black); the logo.
    std::array<HBITMAP, 6> blackPictures_{}, whitePictures_{}, masks_{};
    std::array<std::array<piece_drawing::Design, 3>, 6> designs_{};
    HBITMAP logo_ = nullptr;
    HFONT font_ = nullptr, titleFont_ = nullptr, linkFont_ = nullptr, clockFont_ = nullptr;
    HBRUSH runningClock_ = nullptr;

    Settings settings_;
    std::unique_ptr<game::GameSession> session_;

    // The form's state.
    int16_t PlayerSide = 0;
    int16_t ClickState = 0;
    int16_t FromFile = 0, FromRank = 0, ToFile = 0, ToRank = 0;
    int16_t EditPiece = 0;
    int raisedBox_ = 0;  // the palette box chosen last (HitTest's number), 0 for none
    bool turned_ = false;
    struct Mark {
        int index;
        COLORREF colour;
        bool dot;
    };
    std::vector<Mark> marks_;
    int pressedAt_ = 0;  // what the left button went down on
    std::string savedGamePath_;

    // The window's settings.
    UINT dpi_ = 96;
    int zoom_ = 100;
    bool showStatistics_ = true;
    bool showLegalMoves_ = false;
    bool showMoveList_ = true;
    bool playSounds_ = true;
    bool showCoordinates_ = false;
    sounds::Cues cues_;
    bool varyOpenings_ = false;
    size_t level_ = 0;
    bool busy_ = false;
    bool closeWhenIdle_ = false;
    // A move of the list: the step a click on it goes to (SIZE_MAX: none), whether the step
    // on show holds it (else redo replays it) and whether it is the last move on show.
    struct ListCell {
        std::wstring text;
        size_t step = SIZE_MAX;
        bool played = true;
        bool last = false;
    };
    // A row of the list: a move number with White's and Black's moves, or one line of text
    // across it (number empty).
    struct ListRow {
        std::wstring number;
        ListCell white;
        ListCell black;
    };
    std::vector<ListRow> rows_;
    std::string status_;
    DWORD lastPoll_ = 0;
};

}  // namespace ostrand::win
