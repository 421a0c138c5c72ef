#include "Window.h"

#include <commctrl.h>
#include <mmsystem.h>
#include <shellapi.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <filesystem>

#include "BookFile.h"
#include "Commands.h"
#include "Levels.h"
#include "SavedGame.h"
#include "Text.h"
#include "Translations.h"
#include "Version.h"
#include "Words.h"

namespace ostrand::win {

namespace {

// How often the clocks are read, in milliseconds.
constexpr UINT TickTime = 100;
// How long the status line shows that something was done, in milliseconds.
constexpr UINT NoticeTime = 4000;
constexpr UINT_PTR TickTimer = 1;
constexpr UINT_PTR NoticeTimer = 2;

// The Time control menu's choices besides None and Custom.
constexpr const char* TimeControls[] = {"1+0", "3+2", "5+0", "10+5", "15+10", "30+0"};
constexpr int Zooms[] = {100, 150, 200, 300};
// The languages of the Language menu under their own names, English first.
constexpr std::pair<const char*, const wchar_t*> Languages[] = {
    {"en", L"English"}, {"de", L"Deutsch"}, {"fr", L"Fran\u00e7ais"}, {"es", L"Espa\u00f1ol"}};

// The move list's width at 100 %: the Qt window's number column, two move columns and a bar.
// The move list's columns at 100 %: the number, White's move, Black's move; then the
// scroll bar and the borders.
constexpr int ListNumberWidth = 36;
constexpr int ListMoveWidth = 64;
constexpr int ListWidth = ListNumberWidth + 2 * ListMoveWidth + 17 + 4;
// A clock's height at 100 %.
constexpr int ClockHeight = 30;

std::string Mw(std::string_view source) {
    return Tr("MainWindow", source);
}

WORD Id(Command command) {
    return static_cast<WORD>(command);
}

Command CommandPlus(Command first, size_t offset) {
    return static_cast<Command>(static_cast<int>(first) + static_cast<int>(offset));
}

// A level's menu text with its measured Elo, as the Qt window words it.
std::string LevelText(const Level& level) {
    return Arg(Mw(std::string(level.name) + " (about %1)"), {std::to_string(level.elo)});
}

game::TimeControl ParsedControl(const std::string& text) {
    return game::TimeControl::Parse(text).value_or(game::TimeControl{});
}

}  // namespace

Window::Window(HINSTANCE instance) : instance_(instance) {}

Window::~Window() {
    session_.reset();
    for (HBITMAP picture : blackPictures_)
        DeleteObject(picture);
    for (HBITMAP picture : whitePictures_)
        DeleteObject(picture);
    for (HBITMAP picture : masks_)
        DeleteObject(picture);
    DeleteObject(logo_);
    for (HFONT font : {font_, titleFont_, linkFont_, clockFont_})
        DeleteObject(font);
    DeleteObject(runningClock_);
    if (accelerators_) DestroyAcceleratorTable(accelerators_);
}

bool Window::Register(HINSTANCE instance) {
    WNDCLASSEXW frame{};
    frame.cbSize = sizeof frame;
    frame.lpfnWndProc = FrameProcedure;
    frame.hInstance = instance;
    frame.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IconResource));
    frame.hIconSm = frame.hIcon;
    frame.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    frame.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    frame.lpszClassName = FrameClass;
    WNDCLASSEXW form = frame;
    form.lpfnWndProc = FormProcedure;
    form.hIcon = form.hIconSm = nullptr;
    form.lpszClassName = FormClass;
    return RegisterClassExW(&frame) && RegisterClassExW(&form);
}

bool Window::Create(int show) {
    const std::string title = std::string("Ostrand Chess ") + Version;
    frame_ =
        CreateWindowExW(0, FrameClass, Wide(title).c_str(),
                        WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN,
                        CW_USEDEFAULT, CW_USEDEFAULT, 640, 480, nullptr, nullptr, instance_, this);
    if (!frame_) return false;
    dpi_ = GetDpiForWindow(frame_);
    zoom_ = settings_.Number(L"zoom", 100);
    if (std::find(std::begin(Zooms), std::end(Zooms), zoom_) == std::end(Zooms)) zoom_ = 100;
    savedGamePath_ =
        NarrowPath(std::filesystem::path(Settings::DataFolder()) / ostrand::SavedGameName);
    LoadPictures();
    MakeControls();
    BuildMenus();
    session_ = std::make_unique<game::GameSession>(*this);

    const std::string bookProblem = chess::LoadBook();
    const Level* level = LevelNamed(Utf8(settings_.Text(L"level")));
    level_ = static_cast<size_t>((level ? level : &DefaultLevel) - Levels.data());
    SetLevel(level_, false);
    SetVaryOpenings(settings_.Flag(L"varyOpenings", Levels[level_].variesOpenings));
    showStatistics_ = settings_.Flag(L"showStatistics", true);
    showLegalMoves_ = settings_.Flag(L"showLegalMoves", false);
    showMoveList_ = settings_.Flag(L"showMoveList", true);
    playSounds_ = settings_.Flag(L"playSounds", true);
    showCoordinates_ = settings_.Flag(L"showCoordinates", false);
    SetTimeControl(ParsedControl(Utf8(settings_.Text(L"timeControl"))), false);
    SetStandardRules(settings_.Flag(L"standardRules", false), false);
    Relayout();
    ShowWindow(frame_, show);
    Form_Load();
    OnGameChanged();
    SetTimer(frame_, TickTimer, TickTime, nullptr);
    if (varyOpenings_ && !bookProblem.empty()) {
        std::string problem = MessageWords(bookProblem);
        problem[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(problem[0])));
        Warn(Mw("Vary the openings"), problem + ".");
    }
    return true;
}

void Window::MakeControls() {
    form_ = CreateWindowExW(0, FormClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 10,
                            10, frame_, nullptr, instance_, this);
    const auto label = [this](const std::string& text, DWORD style = 0) {
        return CreateWindowExW(0, L"STATIC", Wide(text).c_str(),
                               WS_CHILD | WS_VISIBLE | SS_NOPREFIX | SS_NOTIFY | style, 0, 0, 10,
                               10, form_, nullptr, instance_, nullptr);
    };
    const auto button = [this](const std::string& text, DWORD style, Command command) {
        return CreateWindowExW(
            0, L"BUTTON", Wide(text).c_str(), WS_CHILD | WS_VISIBLE | style, 0, 0, 10, 10, form_,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(Id(command))), instance_, nullptr);
    };
    const auto fb = [](std::string_view source) { return Tr("F_Board", source); };
    Label16 = label("Ostrand Chess");
    Label5 = label(fb("Engine progress:"));
    for (HWND& line : statistics_)
        line = label("");
    ProgressBar = CreateWindowExW(0, PROGRESS_CLASSW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10,
                                  form_, nullptr, instance_, nullptr);
    SendMessageW(ProgressBar, PBM_SETRANGE32, 0, 100);
    Btn_NewGame = button(fb("New"), BS_PUSHBUTTON, Command::NewGame);
    Btn_Save = button(fb("Save"), BS_PUSHBUTTON, Command::Save);
    Btn_Load = button(fb("Load"), BS_PUSHBUTTON, Command::Load);
    Label14 = label(fb("Ostrand Chess by the Ostrand developers"), SS_CENTER);
    Label4 = CreateWindowExW(
        0, L"STATIC", L"https://ostrand-chess.example.org",
        WS_CHILD | WS_VISIBLE | SS_CENTER | SS_NOTIFY | SS_NOPREFIX, 0, 0, 10, 10, form_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(Id(Command::Link))), instance_, nullptr);
    CkEdit = button(fb("Edit"), BS_AUTOCHECKBOX, Command::EditBox);
    BtnForce = button(fb("Force"), BS_PUSHBUTTON, Command::Force);
    BtnRotate = button("<", BS_PUSHBUTTON, Command::Rotate);

    moveList_ =
        CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"",
                        WS_CHILD | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT |
                            LBS_OWNERDRAWFIXED | LBS_HASSTRINGS,
                        0, 0, 10, 10, frame_,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(Id(Command::MoveListBox))),
                        instance_, nullptr);
    for (HWND& clock : clocks_)
        clock = CreateWindowExW(0, L"STATIC", L"",
                                WS_CHILD | SS_CENTER | SS_CENTERIMAGE | WS_BORDER | SS_NOPREFIX, 0,
                                0, 10, 10, frame_, nullptr, instance_, nullptr);
    runningClock_ = CreateSolidBrush(RGB(0xFF, 0xE0, 0x80));
    statusBar_ = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0,
                                 frame_, nullptr, instance_, nullptr);
    // The move box lies over the status line's right part, as on Linux.
    moveEntry_ = CreateWindowExW(
        WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 0, 0, 10, 10,
        frame_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(Id(Command::TypeMove))), instance_,
        nullptr);
    SendMessageW(moveEntry_, EM_SETCUEBANNER, TRUE,
                 reinterpret_cast<LPARAM>(Wide(Tr("MoveEntry", "Type a move")).c_str()));
    SendMessageW(moveEntry_, EM_SETLIMITTEXT, 16, 0);
    MakeTips();
}

// Each item as the Qt window has it, with its shortcut after a tab.
void Window::BuildMenus() {
    std::vector<ACCEL> keys;
    const auto add = [&keys](HMENU menu, Command command, const std::string& text,
                             const std::string& shortcut = {},
                             std::initializer_list<ACCEL> accelerators = {}) {
        const std::string shown = shortcut.empty() ? text : text + "\t" + shortcut;
        AppendMenuW(menu, MF_STRING, Id(command), Wide(shown).c_str());
        for (ACCEL key : accelerators) {
            key.cmd = Id(command);
            keys.push_back(key);
        }
    };
    constexpr BYTE Ctrl = FVIRTKEY | FCONTROL;
    constexpr BYTE CtrlShift = FVIRTKEY | FCONTROL | FSHIFT;
    menu_ = CreateMenu();

    HMENU gameMenu = CreatePopupMenu();
    add(gameMenu, Command::NewGame, Mw("&New…"), "Ctrl+N", {{Ctrl, 'N', 0}});
    add(gameMenu, Command::Save, Mw("&Save"), "Ctrl+S", {{Ctrl, 'S', 0}});
    add(gameMenu, Command::Load, Mw("&Load"), "Ctrl+O", {{Ctrl, 'O', 0}});
    AppendMenuW(gameMenu, MF_SEPARATOR, 0, nullptr);
    add(gameMenu, Command::CopyPosition, Mw("&Copy position"), "Ctrl+C", {{Ctrl, 'C', 0}});
    add(gameMenu, Command::PastePosition, Mw("&Paste position"), "Ctrl+V", {{Ctrl, 'V', 0}});
    AppendMenuW(gameMenu, MF_SEPARATOR, 0, nullptr);
    add(gameMenu, Command::OpenPgn, Mw("&Open PGN…"), "Ctrl+Shift+O", {{CtrlShift, 'O', 0}});
    add(gameMenu, Command::SavePgn, Mw("Save game as P&GN…"), "Ctrl+Shift+S",
        {{CtrlShift, 'S', 0}});
    AppendMenuW(gameMenu, MF_SEPARATOR, 0, nullptr);
    add(gameMenu, Command::CopyGame, Mw("Copy &game"), "Ctrl+Shift+C", {{CtrlShift, 'C', 0}});
    HMENU time = CreatePopupMenu();
    add(time, Command::TimeNone, Mw("None"));
    for (size_t i = 0; i < std::size(TimeControls); ++i)
        add(time, CommandPlus(Command::TimeFirst, i), TimeControls[i]);
    add(time, Command::TimeCustom, Mw("Custom…"));
    AppendMenuW(gameMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(time),
                Wide(Mw("&Time control")).c_str());
    add(gameMenu, Command::StandardRules,
        Mw("Standard &rules (en passant, promotion to any piece)"));
    AppendMenuW(gameMenu, MF_SEPARATOR, 0, nullptr);
    add(gameMenu, Command::OfferDraw, Mw("Offer a &draw"));
    add(gameMenu, Command::Resign, Mw("R&esign"));
    AppendMenuW(gameMenu, MF_SEPARATOR, 0, nullptr);
    add(gameMenu, Command::VaryOpenings, Mw("&Vary the openings"));
    AppendMenuW(gameMenu, MF_SEPARATOR, 0, nullptr);
    add(gameMenu, Command::Quit, Mw("&Quit"), "Ctrl+Q", {{Ctrl, 'Q', 0}});
    AppendMenuW(menu_, MF_POPUP, reinterpret_cast<UINT_PTR>(gameMenu), Wide(Mw("&Game")).c_str());

    HMENU move = CreatePopupMenu();
    add(move, Command::TakeBack, Mw("&Take back"), "Ctrl+Z",
        {{Ctrl, 'Z', 0}, {FVIRTKEY, VK_LEFT, 0}});
    add(move, Command::Redo, Mw("&Redo"), "Ctrl+Shift+Z",
        {{CtrlShift, 'Z', 0}, {FVIRTKEY, VK_RIGHT, 0}});
    add(move, Command::First, Mw("Go to the &start"), "Home", {{FVIRTKEY, VK_HOME, 0}});
    add(move, Command::Last, Mw("Go to the &end"), "End", {{FVIRTKEY, VK_END, 0}});
    add(move, Command::MoveNow, Mw("Move &now"), "Space", {{FVIRTKEY, VK_SPACE, 0}});
    add(move, Command::Force, Mw("&Force"), "Ctrl+F", {{Ctrl, 'F', 0}});
    add(move, Command::Hint, Mw("&Hint"), "H", {{FVIRTKEY, 'H', 0}});
    AppendMenuW(move, MF_SEPARATOR, 0, nullptr);
    HMENU level = CreatePopupMenu();
    for (size_t i = 0; i < Levels.size(); ++i)
        add(level, CommandPlus(Command::LevelFirst, i), LevelText(Levels[i]));
    AppendMenuW(move, MF_POPUP, reinterpret_cast<UINT_PTR>(level), Wide(Mw("&Level")).c_str());
    AppendMenuW(menu_, MF_POPUP, reinterpret_cast<UINT_PTR>(move), Wide(Mw("&Move")).c_str());

    HMENU view = CreatePopupMenu();
    add(view, Command::Rotate, Mw("&Rotate board"), "Ctrl+R", {{Ctrl, 'R', 0}});
    add(view, Command::ShowStatistics, Mw("Show &statistics"));
    add(view, Command::ShowLegalMoves, Mw("Show &legal moves"));
    add(view, Command::ShowCoordinates, Mw("&Coordinates"));
    add(view, Command::PlaySounds, Mw("S&ounds"));
    HMENU zoom = CreatePopupMenu();
    for (size_t i = 0; i < std::size(Zooms); ++i)
        add(zoom, CommandPlus(Command::ZoomFirst, i), std::to_string(Zooms[i]) + " %",
            Zooms[i] == 100 ? "Ctrl+0" : "",
            Zooms[i] == 100 ? std::initializer_list<ACCEL>{{Ctrl, '0', 0}}
                            : std::initializer_list<ACCEL>{});
    AppendMenuW(zoom, MF_SEPARATOR, 0, nullptr);
    add(zoom, Command::ZoomIn, Mw("Zoom &in"), "Ctrl++",
        {{Ctrl, VK_OEM_PLUS, 0}, {Ctrl, VK_ADD, 0}});
    add(zoom, Command::ZoomOut, Mw("Zoom &out"), "Ctrl+-",
        {{Ctrl, VK_OEM_MINUS, 0}, {Ctrl, VK_SUBTRACT, 0}});
    AppendMenuW(view, MF_POPUP, reinterpret_cast<UINT_PTR>(zoom), Wide(Mw("&Zoom")).c_str());
    add(view, Command::ShowMoveList, Mw("Move &list"));
    HMENU language = CreatePopupMenu();
    add(language, Command::LanguageSystem, Mw("System"));
    AppendMenuW(language, MF_SEPARATOR, 0, nullptr);
    for (size_t i = 0; i < std::size(Languages); ++i)
        AppendMenuW(language, MF_STRING, Id(CommandPlus(Command::LanguageFirst, i)),
                    Languages[i].second);
    AppendMenuW(view, MF_POPUP, reinterpret_cast<UINT_PTR>(language),
                Wide(Mw("&Language")).c_str());
    AppendMenuW(menu_, MF_POPUP, reinterpret_cast<UINT_PTR>(view), Wide(Mw("&View")).c_str());

    HMENU help = CreatePopupMenu();
    add(help, Command::HowToPlay, Mw("&How to play"), "F1", {{FVIRTKEY, VK_F1, 0}});
    add(help, Command::About, Mw("&About Ostrand Chess"));
    AppendMenuW(menu_, MF_POPUP, reinterpret_cast<UINT_PTR>(help), Wide(Mw("&Help")).c_str());
    // The move box: / or Ctrl+L.
    for (const ACCEL key :
         {ACCEL{FVIRTKEY, VK_OEM_2, 0}, ACCEL{FVIRTKEY, VK_DIVIDE, 0}, ACCEL{Ctrl, 'L', 0}})
        keys.push_back({key.fVirt, key.key, Id(Command::TypeMove)});
    SetMenu(frame_, menu_);
    accelerators_ = CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size()));
}

// While the engine works only "Move now", the view's settings and Quit are offered, as in
// the Qt window: the rest would start a second command.
void Window::UpdateMenus() {
    const auto enable = [this](Command command, bool on) {
        EnableMenuItem(menu_, Id(command), MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED));
    };
    const auto check = [this](Command command, bool on) {
        CheckMenuItem(menu_, Id(command), MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
    };
    const bool idle = !busy_;
    for (Command command :
         {Command::NewGame, Command::Save, Command::Load, Command::CopyPosition,
          Command::PastePosition, Command::OpenPgn, Command::SavePgn, Command::CopyGame,
          Command::Force, Command::Hint, Command::Rotate, Command::HowToPlay, Command::About,
          Command::VaryOpenings, Command::ZoomIn, Command::ZoomOut})
        enable(command, idle);
    const game::Status status = session_->CurrentStatus();
    const bool open = idle && status.hasGame && status.ending == game::Ending::None;
    enable(Command::Resign, open);
    enable(Command::OfferDraw, open);
    enable(Command::TakeBack, idle && session_->CanTakeBack());
    enable(Command::First, idle && session_->CanTakeBack());
    enable(Command::Redo, idle && session_->CanRedo());
    enable(Command::Last, idle && session_->CanRedo());
    enable(Command::MoveNow, busy_);
    for (size_t i = 0; i < Levels.size(); ++i) {
        enable(CommandPlus(Command::LevelFirst, i), idle);
        check(CommandPlus(Command::LevelFirst, i), i == level_);
    }
    for (size_t i = 0; i < std::size(Zooms); ++i) {
        enable(CommandPlus(Command::ZoomFirst, i), idle);
        check(CommandPlus(Command::ZoomFirst, i), Zooms[i] == zoom_);
    }
    check(Command::VaryOpenings, varyOpenings_);
    check(Command::ShowStatistics, showStatistics_);
    check(Command::ShowLegalMoves, showLegalMoves_);
    check(Command::PlaySounds, playSounds_);
    check(Command::ShowCoordinates, showCoordinates_);
    check(Command::ShowMoveList, showMoveList_);
    check(Command::StandardRules, session_->NextRules() == RuleSet::Standard);
    const game::TimeControl next = session_->NextTimeControl();
    bool listed = !next.Timed();
    check(Command::TimeNone, !next.Timed());
    for (size_t i = 0; i < std::size(TimeControls); ++i) {
        const bool chosen = next.Timed() && ParsedControl(TimeControls[i]) == next;
        check(CommandPlus(Command::TimeFirst, i), chosen);
        listed = listed || chosen;
    }
    check(Command::TimeCustom, !listed);
    ModifyMenuW(menu_, Id(Command::TimeCustom),
                MF_BYCOMMAND | MF_STRING | (listed ? MF_UNCHECKED : MF_CHECKED),
                Id(Command::TimeCustom),
                Wide(listed ? Mw("Custom…") : Arg(Mw("Custom (%1)…"), {next.Text()})).c_str());
    const std::string language = Utf8(settings_.Text(L"language"));
    check(Command::LanguageSystem, language.empty());
    for (size_t i = 0; i < std::size(Languages); ++i)
        check(CommandPlus(Command::LanguageFirst, i), language == Languages[i].first);
    DrawMenuBar(frame_);
}

RECT Window::Rect(const form::Twips& twips) const {
    const form::Pixels p = form::OnScreen(twips, Scale());
    return {p.left, p.top, p.left + p.width, p.top + p.height};
}

HWND Window::Place(HWND control, const form::Twips& twips) {
    const form::Pixels p = form::OnScreen(twips, Scale());
    MoveWindow(control, p.left, p.top, p.width, p.height, FALSE);
    return control;
}

// The form at its design size times the zoom and the monitor's scale, the clocks and the
// move list beside it, the status line below, and the window round them.
void Window::Relayout() {
    const int scale = Scale();
    for (HFONT font : {font_, titleFont_, linkFont_, clockFont_})
        DeleteObject(font);
    const auto makeFont = [scale](const wchar_t* face, double points, bool bold, bool underline) {
        const int pixels = static_cast<int>(std::floor(points * 96 / 72 * scale / 100.0 + 0.5));
        return CreateFontW(-pixels, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, underline, FALSE,
                           DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                           DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, face);
    };
    // The design's bitmap face at its own size; scaled, its outline successor.
    const wchar_t* face = scale == 100 ? L"MS Sans Serif" : L"Microsoft Sans Serif";
    font_ = makeFont(face, 8.25, false, false);
    titleFont_ = makeFont(face, 12, true, false);
    linkFont_ = makeFont(face, 8.25, false, true);
    clockFont_ = makeFont(L"Microsoft Sans Serif", 12, true, false);

    DrawPictures();
    const int formWidth = form::Px(form::Form.width, scale);
    const int formHeight = form::Px(form::Form.height, scale);
    MoveWindow(form_, 0, 0, formWidth, formHeight, FALSE);
    Place(Label16, form::Title);
    Place(Label5, form::ProgressCaption);
    for (size_t i = 0; i < statistics_.size(); ++i)
        Place(statistics_[i], form::Statistics[i]);
    Place(ProgressBar, form::Progress);
    Place(Btn_NewGame, form::NewGame);
    Place(Btn_Save, form::Save);
    Place(Btn_Load, form::Load);
    Place(Label14, form::Credit);
    Place(Label4, form::Link);
    Place(CkEdit, form::Edit);
    Place(BtnForce, form::Force);
    Place(BtnRotate, form::Rotate);
    EnumChildWindows(
        form_,
        [](HWND child, LPARAM font) {
            SendMessageW(child, WM_SETFONT, static_cast<WPARAM>(font), FALSE);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(font_));
    SendMessageW(Label16, WM_SETFONT, reinterpret_cast<WPARAM>(titleFont_), FALSE);
    SendMessageW(Label4, WM_SETFONT, reinterpret_cast<WPARAM>(linkFont_), FALSE);

    const bool timed = session_->Control().Timed();
    const int sideWidth = showMoveList_ || timed ? ListWidth * scale / 100 : 0;
    const int clockHeight = timed ? ClockHeight * scale / 100 : 0;
    const int margin = 3 * scale / 100;
    for (size_t i = 0; i < clocks_.size(); ++i) {
        // The engine's clock on top, as its pieces are.
        const int top = margin + (i == 0 ? clockHeight + margin : 0);
        MoveWindow(clocks_[i], formWidth + margin, top, sideWidth - 2 * margin, clockHeight, FALSE);
        SendMessageW(clocks_[i], WM_SETFONT, reinterpret_cast<WPARAM>(clockFont_), FALSE);
        ShowWindow(clocks_[i], timed ? SW_SHOWNA : SW_HIDE);
    }
    const int listTop = timed ? 2 * clockHeight + 3 * margin : 0;
    MoveWindow(moveList_, formWidth, listTop, sideWidth, formHeight - listTop, FALSE);
    SendMessageW(moveList_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    SendMessageW(moveList_, LB_SETITEMHEIGHT, 0, 16 * scale / 100);
    ShowWindow(moveList_, showMoveList_ ? SW_SHOWNA : SW_HIDE);
    SendMessageW(statusBar_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    SendMessageW(statusBar_, WM_SIZE, 0, 0);
    RECT bar;
    GetWindowRect(statusBar_, &bar);

    RECT frame{0, 0, formWidth + sideWidth, formHeight + (bar.bottom - bar.top)};
    AdjustWindowRectExForDpi(&frame, static_cast<DWORD>(GetWindowLongPtrW(frame_, GWL_STYLE)), TRUE,
                             0, dpi_);
    SetWindowPos(frame_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // The menu bar may wrap at a narrow width: the client area is made high enough after all.
    RECT client;
    GetClientRect(frame_, &client);
    const int missing = formHeight + (bar.bottom - bar.top) - client.bottom;
    if (missing > 0)
        SetWindowPos(frame_, nullptr, 0, 0, frame.right - frame.left,
                     frame.bottom - frame.top + missing,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(statusBar_, WM_SIZE, 0, 0);
    RECT line;
    GetWindowRect(statusBar_, &line);
    MapWindowPoints(nullptr, frame_, reinterpret_cast<POINT*>(&line), 2);
    const int entryWidth = 110 * scale / 100;
    const int parts[] = {line.right - line.left - entryWidth - 4 * scale / 100, -1};
    SendMessageW(statusBar_, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
    MoveWindow(moveEntry_, parts[0] + 2, line.top + 2, entryWidth, line.bottom - line.top - 3,
               TRUE);
    SendMessageW(moveEntry_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    PlaceTips();
    InvalidateRect(frame_, nullptr, TRUE);
    ShowMoves();
}

LRESULT CALLBACK Window::FrameProcedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<CREATESTRUCTW*>(l);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        reinterpret_cast<Window*>(create->lpCreateParams)->frame_ = window;
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self || !self->session_) return DefWindowProcW(window, message, w, l);
    return self->OnFrameMessage(message, w, l);
}

LRESULT Window::OnFrameMessage(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
        case WM_COMMAND:
            if (reinterpret_cast<HWND>(l) == moveList_) {
                if (HIWORD(w) == LBN_SELCHANGE) {
                    // The half of the row that was clicked says whose move it was.
                    const auto row =
                        static_cast<size_t>(SendMessageW(moveList_, LB_GETCURSEL, 0, 0));
                    const DWORD at = GetMessagePos();
                    POINT point{static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
                    ScreenToClient(moveList_, &point);
                    const ListCell* cell = nullptr;
                    if (row < rows_.size()) {
                        const ListRow& clicked = rows_[row];
                        const bool blackHalf = point.x >= ListColumn(2);
                        cell = blackHalf && clicked.black.step != SIZE_MAX ? &clicked.black
                                                                           : &clicked.white;
                        if (cell->step == SIZE_MAX) cell = &clicked.black;
                    }
                    if (cell && cell->step != SIZE_MAX)
                        GoToStep(cell->step);
                    else
                        ShowMoves();
                }
                return 0;
            }
            // The move box's notes of its changes are no command.
            if (reinterpret_cast<HWND>(l) != moveEntry_) OnCommand(LOWORD(w));
            return 0;
        case WM_TIMER:
            if (w == TickTimer) session_->Tick();
            if (w == NoticeTimer) {
                KillTimer(frame_, NoticeTimer);
                SendMessageW(statusBar_, SB_SETTEXTW, 0,
                             reinterpret_cast<LPARAM>(Wide(status_).c_str()));
            }
            return 0;
        case WM_CTLCOLORSTATIC: {
            const auto control = reinterpret_cast<HWND>(l);
            const auto dc = reinterpret_cast<HDC>(w);
            const std::optional<game::Side> running = session_->ClockRunning();
            const bool lit = (control == clocks_[0] && running == game::Side::Player) ||
                             (control == clocks_[1] && running == game::Side::Engine);
            if (!lit) break;
            SetBkColor(dc, RGB(0xFF, 0xE0, 0x80));
            return reinterpret_cast<LRESULT>(runningClock_);
        }
        case WM_MEASUREITEM: {
            auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(l);
            item->itemHeight = static_cast<UINT>(16 * Scale() / 100);
            return TRUE;
        }
        case WM_DRAWITEM: {
            // The move on show highlighted, the moves that redo replays grey.
            const auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(l);
            if (item->hwndItem != moveList_ || item->itemID >= rows_.size()) return TRUE;
            const ListRow& row = rows_[item->itemID];
            FillRect(item->hDC, &item->rcItem, GetSysColorBrush(COLOR_WINDOW));
            SetBkMode(item->hDC, TRANSPARENT);
            const auto draw = [&](const std::wstring& text, int left, int right,
                                  const ListCell& cell) {
                RECT area{left, item->rcItem.top, right, item->rcItem.bottom};
                if (cell.last) FillRect(item->hDC, &area, GetSysColorBrush(COLOR_HIGHLIGHT));
                SetTextColor(item->hDC, GetSysColor(cell.last     ? COLOR_HIGHLIGHTTEXT
                                                    : cell.played ? COLOR_WINDOWTEXT
                                                                  : COLOR_GRAYTEXT));
                area.left += 4 * Scale() / 100;
                DrawTextW(item->hDC, text.c_str(), static_cast<int>(text.size()), &area,
                          DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
            };
            const int right = static_cast<int>(item->rcItem.right);
            if (row.number.empty()) {
                draw(row.white.text, static_cast<int>(item->rcItem.left), right, row.white);
            } else {
                draw(row.number, static_cast<int>(item->rcItem.left), ListColumn(1), ListCell{});
                draw(row.white.text, ListColumn(1), ListColumn(2), row.white);
                draw(row.black.text, ListColumn(2), right, row.black);
            }
            return TRUE;
        }
        case WM_DPICHANGED: {
            dpi_ = HIWORD(w);
            const auto* suggested = reinterpret_cast<RECT*>(l);
            SetWindowPos(frame_, nullptr, suggested->left, suggested->top, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            Relayout();
            return 0;
        }
        case WM_CLOSE:
            // Closing while the engine thinks stops the search and closes once it has answered.
            if (busy_) {
                session_->MoveNow();
                closeWhenIdle_ = true;
                return 0;
            }
            DestroyWindow(frame_);
            return 0;
        case WM_DESTROY:
            KillTimer(frame_, TickTimer);
            PostQuitMessage(0);
            return 0;
        default: break;
    }
    return DefWindowProcW(frame_, message, w, l);
}

void Window::OnCommand(int id) {
    const auto command = static_cast<Command>(id);
    const auto in = [id](Command first, size_t count) {
        return id >= static_cast<int>(first) &&
               id < static_cast<int>(first) + static_cast<int>(count);
    };
    const auto offset = [id](Command first) {
        return static_cast<size_t>(id - static_cast<int>(first));
    };
    // While the engine works, the form and the game's commands wait; the view and Quit do not.
    const bool any = command == Command::MoveNow || command == Command::Quit ||
                     command == Command::ShowStatistics || command == Command::ShowLegalMoves ||
                     command == Command::PlaySounds || command == Command::ShowCoordinates ||
                     command == Command::ShowMoveList || command == Command::LanguageSystem ||
                     in(Command::LanguageFirst, std::size(Languages));
    if (busy_ && !any) return;
    if (in(Command::TimeFirst, std::size(TimeControls))) {
        SetTimeControl(ParsedControl(TimeControls[offset(Command::TimeFirst)]), true);
        return;
    }
    if (in(Command::LevelFirst, Levels.size())) {
        SetLevel(offset(Command::LevelFirst), true);
        return;
    }
    if (in(Command::ZoomFirst, std::size(Zooms))) {
        SetZoom(Zooms[offset(Command::ZoomFirst)]);
        return;
    }
    if (command == Command::LanguageSystem || in(Command::LanguageFirst, std::size(Languages))) {
        const char* code = command == Command::LanguageSystem
                               ? ""
                               : Languages[offset(Command::LanguageFirst)].first;
        settings_.SetText(L"language", Wide(code));
        UpdateMenus();
        Notify(Mw("The language changes when Ostrand Chess starts again"));
        return;
    }
    switch (command) {
        case Command::NewGame: Btn_NewGame_Click(); break;
        case Command::Save: Btn_Save_Click(); break;
        case Command::Load: Btn_Load_Click(); break;
        case Command::CopyPosition: CopyPosition(); break;
        case Command::PastePosition: PastePosition(); break;
        case Command::OpenPgn: OpenPgn(); break;
        case Command::SavePgn: SaveGameAsPgn(); break;
        case Command::CopyGame: CopyGame(); break;
        case Command::TimeNone: SetTimeControl({}, true); break;
        case Command::TimeCustom: ChooseTimeControl(); break;
        case Command::StandardRules:
            SetStandardRules(session_->NextRules() != RuleSet::Standard, true);
            break;
        case Command::OfferDraw: OfferDraw(); break;
        case Command::Resign: Resign(); break;
        case Command::VaryOpenings: SetVaryOpenings(!varyOpenings_); break;
        case Command::Quit: PostMessageW(frame_, WM_CLOSE, 0, 0); break;
        case Command::TakeBack: TakeBack(); break;
        case Command::Redo: Redo(); break;
        case Command::First: GoToStep(0); break;
        case Command::Last: GoToStep(session_->StepCount() - 1); break;
        case Command::MoveNow: session_->MoveNow(); break;
        case Command::Force: BtnForce_Click(); break;
        case Command::Hint: ShowHint(); break;
        case Command::Rotate: BtnRotate_Click(); break;
        case Command::ShowStatistics:
            showStatistics_ = !showStatistics_;
            settings_.SetFlag(L"showStatistics", showStatistics_);
            ShowStatistics();
            UpdateMenus();
            break;
        case Command::ShowLegalMoves:
            showLegalMoves_ = !showLegalMoves_;
            settings_.SetFlag(L"showLegalMoves", showLegalMoves_);
            UpdateMenus();
            break;
        case Command::ShowCoordinates:
            showCoordinates_ = !showCoordinates_;
            settings_.SetFlag(L"showCoordinates", showCoordinates_);
            RedrawForm();
            UpdateMenus();
            break;
        case Command::PlaySounds:
            playSounds_ = !playSounds_;
            settings_.SetFlag(L"playSounds", playSounds_);
            UpdateMenus();
            break;
        case Command::ZoomIn:
        case Command::ZoomOut: {
            const int* at = std::find(std::begin(Zooms), std::end(Zooms), zoom_);
            if (command == Command::ZoomIn && at + 1 < std::end(Zooms)) SetZoom(at[1]);
            if (command == Command::ZoomOut && at > std::begin(Zooms)) SetZoom(at[-1]);
            break;
        }
        case Command::ShowMoveList:
            showMoveList_ = !showMoveList_;
            settings_.SetFlag(L"showMoveList", showMoveList_);
            Relayout();
            UpdateMenus();
            break;
        case Command::HowToPlay: ShowHowToPlay(); break;
        case Command::About: ShowAbout(); break;
        case Command::EditBox: break;
        case Command::TypeMove:
            SetFocus(moveEntry_);
            SendMessageW(moveEntry_, EM_SETSEL, 0, -1);
            break;
        case Command::Link:
            ShellExecuteW(frame_, L"open", L"https://ostrand-chess.example.org", nullptr, nullptr,
                          SW_SHOWNORMAL);
            break;
        default: break;
    }
}

// The session's reports.

void Window::BoardChanged() {
    PrintBoard();
    UpdateWindow(form_);
}

void Window::GameChanged() {
    OnGameChanged();
    Play(cues_.MovesListed(session_->Moves()));
}

void Window::ThinkingChanged(bool thinking) {
    busy_ = thinking;
    if (!thinking) OnGameChanged();
    UpdateMenus();
    if (!thinking && closeWhenIdle_) PostMessageW(frame_, WM_CLOSE, 0, 0);
}

void Window::DepthReached(int depth) {
    SetStatus(Arg(Mw("Thinking… depth %1"), {std::to_string(depth)}));
}

void Window::StatisticChanged(StatusLabel, const std::string&) {
    if (showStatistics_) ShowStatistics();
}

// An empty range would turn the bar into a busy indicator; a value past the end raises the end.
void Window::ProgressChanged(int value, int maximum) {
    SendMessageW(ProgressBar, PBM_SETRANGE32, 0, std::max({maximum, value, 1}));
    if (showStatistics_) SendMessageW(ProgressBar, PBM_SETPOS, static_cast<WPARAM>(value), 0);
}

void Window::ClocksChanged() {
    ShowClocks();
    const bool running = session_->ClockRunning() == game::Side::Player;
    Play(cues_.PlayerClock(running ? std::optional(session_->Remaining(game::Side::Player))
                                   : std::nullopt));
}

// Where no sound device is, nothing plays and the player is told nothing.
void Window::Play(std::optional<sounds::Sound> sound) {
    static const bool device = waveOutGetNumDevs() > 0;
    if (!sound || !playSounds_ || !device) return;
    PlaySoundW(MAKEINTRESOURCEW(FirstSound + static_cast<int>(*sound)), instance_,
               SND_RESOURCE | SND_ASYNC | SND_NODEFAULT);
}

// Everything shows the ended game before a box says how it ended. The engine announces its
// mates and stalemates in its own words; the window words the endings it does not know, but
// for the player's own resignation and an agreed draw. The editor's positions announce nothing.
void Window::GameEnded(game::Ending ending, const std::string& message) {
    OnGameChanged();
    Play(sounds::Sound::End);
    ShowGameAfresh();
    UpdateWindow(form_);
    if (SendMessageW(CkEdit, BM_GETCHECK, 0, 0) == BST_CHECKED) return;
    if (!message.empty())
        ShowMessage(message);
    else if (ending != game::Ending::PlayerResigned && ending != game::Ending::DrawAgreed)
        Announce(ResultWords(ending));
}

void Window::Problem(const std::string& message) {
    ShowMessage(message);
}

// The window's pending messages, handled while the engine searches. The player's clicks and
// keys on the form and the move list are dropped, as the Qt window's filter drops them; the
// menus, the shortcuts (Space is "Move now"), the title bar and message boxes keep working.
void Window::ProcessEvents() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // Handled once the search is over, by the main loop.
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        const bool input = (message.message >= WM_MOUSEFIRST && message.message <= WM_MOUSELAST &&
                            message.message != WM_MOUSEMOVE) ||
                           (message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST);
        if (input && PreTranslate(message)) continue;
        if (input && message.hwnd &&
            (message.hwnd == form_ || IsChild(form_, message.hwnd) || message.hwnd == moveList_))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// Called every few thousand nodes: the window handles its input about every 10 ms.
void Window::PollInput() {
    const DWORD now = GetTickCount();
    if (now - lastPoll_ < 10) return;
    lastPoll_ = now;
    ProcessEvents();
}

// The player's move shows at once, before the engine's answer: the list and the clocks follow
// every change, the status line once the engine has done.
void Window::OnGameChanged() {
    const game::Status status = session_->CurrentStatus();
    if (!status.thinking) SetStatus(StandingWords(status));
    ShowMoves();
    ShowClocks();
    UpdateMenus();
}

bool Window::PreTranslate(MSG& message) {
    if (message.hwnd == moveEntry_ && message.message == WM_KEYDOWN) {
        if (message.wParam == VK_RETURN) {
            PlayTyped();
            return true;
        }
        if (message.wParam == VK_ESCAPE) {
            SetFocus(frame_);
            return true;
        }
    }
    // In the move box, letters, Space and the arrows are typing; Ctrl's shortcuts still work.
    const bool typing = message.hwnd == moveEntry_ &&
                        (message.message == WM_KEYDOWN || message.message == WM_CHAR) &&
                        GetKeyState(VK_CONTROL) >= 0;
    return !typing && TranslateAcceleratorW(frame_, accelerators_, &message);
}

void Window::PlayTyped() {
    if (busy_) return;
    const int length = GetWindowTextLengthW(moveEntry_);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    GetWindowTextW(moveEntry_, text.data(), length + 1);
    text.resize(static_cast<size_t>(length));
    if (text.empty()) return;
    const game::Refusal refusal = session_->PlayText(Utf8(text));
    if (refusal != game::Refusal::None) {
        OnRefused(refusal);
        return;
    }
    SetWindowTextW(moveEntry_, L"");
    ShowGameAfresh();
}

void Window::OnRefused(game::Refusal refusal) {
    if (const std::string text = RefusalWords(refusal); !text.empty()) SetStatus(text);
}

// A notice ("Position copied") gives way, so that what the line says now shows.
void Window::SetStatus(const std::string& text) {
    status_ = text;
    KillTimer(frame_, NoticeTimer);
    SendMessageW(statusBar_, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(Wide(text).c_str()));
}

void Window::Notify(const std::string& text) {
    SendMessageW(statusBar_, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(Wide(text).c_str()));
    SetTimer(frame_, NoticeTimer, NoticeTime, nullptr);
}

int Window::ListColumn(int column) const {
    return (ListNumberWidth + (column - 1) * ListMoveWidth) * Scale() / 100;
}

// A move pair a row ("1.", "e4", "e5"), as the Linux window's list; the list ends with the
// result and how the game ended.
void Window::ShowMoves() {
    const game::GameMoves moves = session_->Moves();
    SendMessageW(moveList_, WM_SETREDRAW, FALSE, 0);
    SendMessageW(moveList_, LB_RESETCONTENT, 0, 0);
    rows_.clear();
    int shown = -1;
    const auto add = [this](ListRow row) {
        SendMessageW(moveList_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.number.c_str()));
        rows_.push_back(std::move(row));
    };
    const auto line = [&add](const std::string& text) { add({L"", {Wide(text)}, {}}); };
    const auto cell = [this](const std::optional<game::MoveCell>& move) {
        if (!move) return ListCell{};
        return ListCell{Wide(ShownSan(move->san)), move->step, move->played, move->last};
    };
    if (moves.fromSetUp) line(Tr("MoveList", "From a set-up position"));
    for (const game::MoveRow& row : moves.rows) {
        if ((row.white && row.white->last) || (row.black && row.black->last))
            shown = static_cast<int>(rows_.size());
        add({Wide(std::to_string(row.number) + "."), cell(row.white), cell(row.black)});
    }
    const std::string result = ResultWords(session_->CurrentStatus().ending);
    if (moves.showsResult && !result.empty()) {
        std::string score = session_->Result();
        if (score == "1/2-1/2") score = "\u00bd-\u00bd";
        line(score);
        line(result);
    }
    // The move on show stays in view; at the end of the game, the result below it too.
    const auto rows = static_cast<WPARAM>(rows_.size());
    if (moves.showsResult && !result.empty() && rows > 0)
        SendMessageW(moveList_, LB_SETTOPINDEX, rows - 1, 0);
    else if (shown >= 0)
        SendMessageW(moveList_, LB_SETTOPINDEX, static_cast<WPARAM>(shown), 0);
    SendMessageW(moveList_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(moveList_, nullptr, TRUE);
}

void Window::ShowClocks() {
    const bool timed = session_->Control().Timed();
    const bool shown = (GetWindowLongPtrW(clocks_[0], GWL_STYLE) & WS_VISIBLE) != 0;
    if (timed != shown) Relayout();
    if (!timed) return;
    const std::string player = Arg(Tr("ChessClock", "You: %1"),
                                   {game::ClockText(session_->Remaining(game::Side::Player))});
    const std::string engine = Arg(Tr("ChessClock", "Ostrand: %1"),
                                   {game::ClockText(session_->Remaining(game::Side::Engine))});
    SetWindowTextW(clocks_[0], Wide(player).c_str());
    SetWindowTextW(clocks_[1], Wide(engine).c_str());
}

// The engine writes its statistics in English; their captions show in the player's language.
// Unshown, the lines stay in place but blank.
void Window::ShowStatistics() {
    constexpr StatusLabel labels[] = {StatusLabel::Nodes, StatusLabel::BestValue, StatusLabel::Time,
                                      StatusLabel::Speed, StatusLabel::State};
    constexpr const char* captions[] = {
        "Nodes/Sec: ", "Nodes: ", "Best Value: ", "Time: ", "State: "};
    for (size_t i = 0; i < std::size(labels); ++i) {
        std::string text = showStatistics_ ? session_->Statistic(labels[i]) : std::string();
        for (const char* caption : captions)
            if (text.rfind(caption, 0) == 0) {
                text = Tr("F_Board", caption) + text.substr(std::string_view(caption).size());
                break;
            }
        SetWindowTextW(statistics_[i], Wide(text).c_str());
    }
    SendMessageW(ProgressBar, PBM_SETPOS,
                 static_cast<WPARAM>(showStatistics_ ? session_->Progress() : 0), 0);
}

// The engine's message box: "Check Mate!", or a file that cannot be read or written.
void Window::ShowMessage(const std::string& text) {
    const bool ending = text == "Check Mate!" || text == "Stale Mate!";
    MessageBoxW(frame_, Wide(MessageWords(text)).c_str(), L"Ostrand Chess",
                MB_OK | (ending ? MB_ICONINFORMATION : MB_ICONWARNING));
}

void Window::Warn(const std::string& title, const std::string& text) {
    MessageBoxW(frame_, Wide(text).c_str(), Wide(title).c_str(), MB_OK | MB_ICONWARNING);
}

void Window::Announce(const std::string& text) {
    MessageBoxW(frame_, Wide(text).c_str(), Wide(std::string("Ostrand Chess ") + Version).c_str(),
                MB_OK | MB_ICONINFORMATION);
}

// Yes or No; Escape and the close button are Cancel, which keeps the game as it is.
std::optional<bool> Window::AskYesNo(const std::string& title, const std::string& text) {
    const int answer = MessageBoxW(frame_, Wide(text).c_str(), Wide(title).c_str(),
                                   MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer == IDYES) return true;
    if (answer == IDNO) return false;
    return std::nullopt;
}

void Window::TakeBack() {
    if (busy_ || !session_->CanTakeBack()) return;
    session_->TakeBack();
    ShowGameAfresh();
}

void Window::Redo() {
    if (busy_ || !session_->CanRedo()) return;
    session_->Redo();
    ShowGameAfresh();
}

void Window::GoToStep(size_t step) {
    if (busy_ || step == session_->CurrentStep()) return;
    session_->GoTo(step);
    ShowGameAfresh();
}

void Window::Resign() {
    const game::Status status = session_->CurrentStatus();
    if (busy_ || status.ending != game::Ending::None || !status.hasGame) return;
    session_->Resign();
    ShowGameAfresh();
}

void Window::OfferDraw() {
    const game::Status status = session_->CurrentStatus();
    if (busy_ || status.ending != game::Ending::None || !status.hasGame) return;
    if (!session_->OfferDraw()) {
        SetStatus(Mw("The engine declines the draw"));
        return;
    }
    ShowGameAfresh();
}

void Window::ShowHint() {
    if (busy_) return;
    const bool open = session_->CurrentStatus().ending == game::Ending::None;
    const std::optional<game::Hint> hint = session_->FindHint();
    // The player's flag may have fallen while the engine searched.
    if (open && session_->CurrentStatus().ending != game::Ending::None) return;
    if (!hint) {
        SetStatus(Mw("No hint in this position"));
        return;
    }
    const auto index = [](const game::Square& square) {
        return square.file + 8 * (square.rank - 1);
    };
    FrameSquare(index(hint->move.from), RGB(0, 0xA0, 0));
    FrameSquare(index(hint->move.to), RGB(0, 0xA0, 0));
    SetStatus(Arg(Mw("Hint: %1"), {ShownSan(hint->san)}));
}

// Plays at the level; the openings vary as the level does when the player chose the level.
void Window::SetLevel(size_t level, bool varyAsLevel) {
    level_ = level;
    session_->SetLevel(Levels[level]);
    settings_.SetText(L"level", Wide(std::string(Levels[level].name)));
    if (varyAsLevel) SetVaryOpenings(Levels[level].variesOpenings);
    UpdateMenus();
}

void Window::SetVaryOpenings(bool vary) {
    varyOpenings_ = vary;
    session_->SetBook(vary);
    settings_.SetFlag(L"varyOpenings", vary);
    UpdateMenus();
}

void Window::SetTimeControl(const game::TimeControl& control, bool keep) {
    session_->SetTimeControl(control);
    if (keep) {
        settings_.SetText(L"timeControl", control.Timed() ? Wide(control.Text()) : L"");
        if (control != session_->Control())
            Notify(Mw("The time control takes effect with the next new game"));
    }
    UpdateMenus();
}

void Window::SetStandardRules(bool standard, bool keep) {
    const RuleSet rules = standard ? RuleSet::Standard : RuleSet::Designed;
    session_->SetRules(rules);
    UpdateMenus();
    if (!keep) return;
    settings_.SetFlag(L"standardRules", standard);
    if (rules != session_->Rules())
        Notify(Mw("The rules take effect with the next new game or set-up"));
}

void Window::SetZoom(int percent) {
    zoom_ = percent;
    settings_.SetNumber(L"zoom", percent);
    Relayout();
    UpdateMenus();
}

}  // namespace ostrand::win
