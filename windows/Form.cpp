// The form F_Board of the Windows window: its pictures, its drawing with the mask and the
// piece picture copied onto each square (AND, then OR), its clicks and its buttons.
// windows.h first, then what builds on it, GDI+ last.
// clang-format off
#include <windows.h>
#include <commctrl.h>
#include <objidl.h>
#include <shlwapi.h>
#include <gdiplus.h>
// clang-format on

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <tuple>
#include <utility>

#include "Commands.h"
#include "PieceDrawing.h"
#include "SavedGame.h"
#include "Text.h"
#include "Translations.h"
#include "Variables.h"
#include "Window.h"
#include "Words.h"

namespace ostrand::win {

namespace {

constexpr COLORREF Grey = RGB(0x80, 0x80, 0x80);
constexpr COLORREF White = RGB(0xFF, 0xFF, 0xFF);
constexpr COLORREF Black = RGB(0, 0, 0);
constexpr COLORREF Red = RGB(0xFF, 0, 0);
constexpr COLORREF Blue = RGB(0, 0, 0xFF);
constexpr COLORREF DotColour = RGB(0, 0x80, 0x80);
// The pieces in the order of the palette's rows and of the pictures' arrays.
constexpr int16_t Pieces[] = {Piece::Pawn, Piece::Knight, Piece::Bishop,
                              Piece::Rook, Piece::Queen,  Piece::King};
constexpr const wchar_t* PieceNames[] = {L"P", L"K", L"B", L"R", L"Q", L"KK"};
// HitTest's numbers for the palette: 100 + 6 * column + row, then the eraser.
constexpr int PaletteHit = 100;
constexpr int EraserHit = 112;
// The swatches' tooltips.
constexpr int EngineSwatch = 113;
constexpr int PlayerSwatch = 114;

// Hands a PNG of the program's resources, read with GDI+, to use; false when it is missing
// or unreadable. GDI+ reads from the stream for as long as the picture lives.
template <typename Use>
bool WithPng(HINSTANCE instance, const std::wstring& name, Use use) {
    HRSRC found = FindResourceW(instance, name.c_str(), MAKEINTRESOURCEW(10));
    if (!found) return false;
    const DWORD size = SizeofResource(instance, found);
    const void* data = LockResource(LoadResource(instance, found));
    if (!data) return false;
    IStream* stream = SHCreateMemStream(static_cast<const BYTE*>(data), size);
    if (!stream) return false;
    bool read = false;
    {
        Gdiplus::Bitmap picture(stream);
        read = picture.GetLastStatus() == Gdiplus::Ok;
        if (read) use(picture);
    }
    stream->Release();
    return read;
}

// A piece's designed picture; white where the resource is missing.
piece_drawing::Design LoadDesign(HINSTANCE instance, const std::wstring& name) {
    piece_drawing::Design design;
    for (auto& row : design)
        row.fill(piece_drawing::White);
    WithPng(instance, name, [&design](Gdiplus::Bitmap& picture) {
        for (int y = 0; y < piece_drawing::DesignSize; ++y)
            for (int x = 0; x < piece_drawing::DesignSize; ++x) {
                Gdiplus::Color colour;
                if (picture.GetPixel(x, y, &colour) == Gdiplus::Ok)
                    design[static_cast<size_t>(y)][static_cast<size_t>(x)] =
                        0xFF000000 | (colour.GetValue() & 0xFFFFFF);
            }
    });
    return design;
}

// Pixels as 0xFFRRGGBB, row by row, as a bitmap for the raster operations.
HBITMAP MakeBitmap(const std::vector<uint32_t>& pixels, int size) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size;
    info.bmiHeader.biHeight = -size;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap && bits) std::memcpy(bits, pixels.data(), pixels.size() * sizeof(uint32_t));
    return bitmap;
}

int PieceRow(int16_t value) {
    const int16_t piece = static_cast<int16_t>(std::abs(value));
    for (int row = 0; row < 6; ++row)
        if (Pieces[row] == piece) return row;
    return -1;
}

RECT Inside(RECT box) {
    return {box.left + 1, box.top + 1, box.right - 1, box.bottom - 1};
}

void Outline(HDC dc, const RECT& box, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FrameRect(dc, &box, brush);
    DeleteObject(brush);
}

void Fill(HDC dc, const RECT& box, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &box, brush);
    DeleteObject(brush);
}

// A picture copied to the top left of area with a raster operation; the pictures are drawn
// at the size of a square's inside.
void Copy(HDC dc, const RECT& area, HBITMAP picture, DWORD operation) {
    if (!picture) return;
    BITMAP info;
    GetObjectW(picture, sizeof info, &info);
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, picture);
    BitBlt(dc, area.left, area.top, std::min<int>(area.right - area.left, info.bmWidth),
           std::min<int>(area.bottom - area.top, info.bmHeight), source, 0, 0, operation);
    SelectObject(source, old);
    DeleteDC(source);
}

}  // namespace

std::string Window::SavedGameShown() const {
    return Utf8(Settings::DataFolder() + L"\\" + Wide(SavedGameName));
}

void Window::LoadPictures() {
    for (size_t row = 0; row < 6; ++row)
        for (size_t kind = 0; kind < 3; ++kind)
            designs_[row][kind] =
                LoadDesign(instance_, std::wstring(PieceNames[row]) + L"MWB"[kind]);
    WithPng(instance_, L"LOGO", [this](Gdiplus::Bitmap& logo) {
        logo.GetHBITMAP(Gdiplus::Color(0xFF, 0xFF, 0xFF), &logo_);
    });
}

// The pieces at the size of a square's inside, from their designs as the Qt window draws
// them at its zoom: at 23 pixels the designed pictures themselves.
void Window::DrawPictures() {
    const int size = form::Px(form::Pitch, Scale()) - 1;
    for (size_t row = 0; row < 6; ++row) {
        const auto& [mask, white, black] = designs_[row];
        for (auto [picture, kind, design] :
             {std::tuple(&masks_[row], 'M', &mask), std::tuple(&whitePictures_[row], 'W', &white),
              std::tuple(&blackPictures_[row], 'B', &black)}) {
            DeleteObject(*picture);
            std::vector<uint32_t> pixels;
            if (size == piece_drawing::DesignSize)
                for (const auto& line : *design)
                    pixels.insert(pixels.end(), line.begin(), line.end());
            else
                pixels = piece_drawing::Draw(mask, white, black, kind, size);
            *picture = MakeBitmap(pixels, size);
        }
    }
}

void Window::MakeTips() {
    tips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                            WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, frame_, nullptr, instance_, nullptr);
    SendMessageW(tips_, TTM_SETMAXTIPWIDTH, 0, 400);
    const auto add = [this](HWND owner, UINT_PTR id, const std::string& text, bool control) {
        std::wstring wide = Wide(text);
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_SUBCLASS | (control ? TTF_IDISHWND : 0);
        tool.hwnd = owner;
        tool.uId = id;
        tool.lpszText = wide.data();
        SendMessageW(tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    };
    const auto fb = [](std::string_view source) { return Tr("F_Board", source); };
    const std::pair<HWND, const char*> controls[] = {
        {Btn_NewGame, "Start a new game; you choose your colour"},
        {Btn_Save, "Save the game, replacing the last save"},
        {Btn_Load, "Go back to the game last saved"},
        {BtnForce, "Make the engine play a move for its side now"},
        {BtnRotate, "Turn the board display upside down, or back"},
        {CkEdit, "Set up a position: clicks on the board place the palette's piece"},
        {Label4, "Open the project's web page"},
        {Label5, "What the engine's search has done for its last move"},
        {statistics_[0], "Positions the engine has looked at for its move"},
        {statistics_[1], "The best score found so far, in hundredths of a pawn for the engine"},
        {statistics_[2], "Seconds the engine has been thinking"},
        {statistics_[3], "Positions looked at per second"},
        {statistics_[4],
         "Game stage (1 opening to 4 endgame); after the move, the engine's score of the "
         "position"},
        {ProgressBar, "How far the engine's deeper searches have come"},
    };
    for (const auto& [control, text] : controls)
        add(form_, reinterpret_cast<UINT_PTR>(control), fb(text), true);
    add(frame_, reinterpret_cast<UINT_PTR>(moveList_),
        Tr("MoveList", "The moves of the game; click one to go back or forward to it"), true);
    add(frame_, reinterpret_cast<UINT_PTR>(clocks_[0]), Tr("ChessClock", "Your time left"), true);
    add(frame_, reinterpret_cast<UINT_PTR>(moveEntry_),
        Tr("MoveEntry", "Type a move such as e4, Nf3, O-O or e2e4 and press Enter (/ or Ctrl+L)"),
        true);
    add(frame_, reinterpret_cast<UINT_PTR>(clocks_[1]), Tr("ChessClock", "The engine's time left"),
        true);
    // Whole sentences, as languages inflect the pieces' names.
    constexpr const char* pieces[] = {"pawn", "knight", "bishop", "rook", "queen", "king"};
    for (int row = 0; row < 6; ++row) {
        add(form_, PaletteHit + row,
            fb(std::string("Place the engine's ") + pieces[row] + ", then click squares"), false);
        add(form_, PaletteHit + 6 + row,
            fb(std::string("Place your ") + pieces[row] + ", then click squares"), false);
    }
    add(form_, EraserHit, fb("Eraser: empty the squares you click"), false);
    add(form_, EngineSwatch, fb("The engine's colour"), false);
    add(form_, PlayerSwatch, fb("Your colour"), false);
    for (int index = 1; index <= 64; ++index)
        add(form_, static_cast<UINT_PTR>(index), "", false);
}

// Each square's tooltip is its name as the player sees the board: playing black, the
// engine's rank 1 is the eighth.
void Window::PlaceTips() {
    const auto place = [this](UINT_PTR id, const form::Twips& twips, const std::string* text) {
        std::wstring wide = text ? Wide(*text) : std::wstring();
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.hwnd = form_;
        tool.uId = id;
        tool.rect = Rect(twips);
        SendMessageW(tips_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
        if (!text) return;
        tool.lpszText = wide.data();
        SendMessageW(tips_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    };
    for (int column = 0; column < 2; ++column)
        for (int row = 0; row < 6; ++row)
            place(static_cast<UINT_PTR>(PaletteHit + 6 * column + row),
                  form::PaletteBox(column, row), nullptr);
    place(EraserHit, form::Eraser, nullptr);
    place(EngineSwatch, form::EngineColour, nullptr);
    place(PlayerSwatch, form::PlayerColour, nullptr);
    for (int index = 1; index <= 64; ++index) {
        const int file = (index - 1) % 8 + 1;
        const int rank = (index - 1) / 8 + 1;
        const std::string name{static_cast<char>('a' + file - 1),
                               static_cast<char>('0' + (PlayerSide == 0 ? rank : 9 - rank))};
        place(static_cast<UINT_PTR>(index), SquarePlace(index), &name);
    }
}

LRESULT CALLBACK Window::FormProcedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<CREATESTRUCTW*>(l);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self || !self->session_) return DefWindowProcW(window, message, w, l);
    return self->OnFormMessage(message, w, l);
}

LRESULT Window::OnFormMessage(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(form_, &paint);
            // Drawn off screen and copied whole, so that a redraw mid-search does not flicker.
            RECT client;
            GetClientRect(form_, &client);
            HDC buffer = CreateCompatibleDC(dc);
            HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
            HGDIOBJ old = SelectObject(buffer, bitmap);
            FillRect(buffer, &client, GetSysColorBrush(COLOR_BTNFACE));
            PaintForm(buffer);
            BitBlt(dc, 0, 0, client.right, client.bottom, buffer, 0, 0, SRCCOPY);
            SelectObject(buffer, old);
            DeleteObject(bitmap);
            DeleteDC(buffer);
            EndPaint(form_, &paint);
            return 0;
        }
        case WM_ERASEBKGND: return 1;
        case WM_LBUTTONDOWN:
            pressedAt_ =
                busy_ ? 0 : HitTest({static_cast<short>(LOWORD(l)), static_cast<short>(HIWORD(l))});
            return 0;
        case WM_LBUTTONUP: {
            // A click is a press and a release on the same square or box, as with a button.
            const int at = HitTest({static_cast<short>(LOWORD(l)), static_cast<short>(HIWORD(l))});
            const int pressed = std::exchange(pressedAt_, 0);
            if (busy_ || at == 0 || at != pressed) return 0;
            if (at <= 64)
                c_Click(at);
            else if (at == EraserHit)
                PickFromPalette(at, 1);
            else {
                const int column = (at - PaletteHit) / 6;
                const int row = (at - PaletteHit) % 6;
                // The B column places the engine's pieces (positive), the W column the player's.
                PickFromPalette(at, static_cast<int16_t>(column == 0 ? Pieces[row] : -Pieces[row]));
            }
            return 0;
        }
        case WM_COMMAND:
            // The form's buttons. They give the keyboard back, as the Qt window's take none:
            // Space is "Move now", never a press of the button clicked last.
            if (HIWORD(w) == BN_CLICKED || HIWORD(w) == STN_CLICKED) {
                SetFocus(frame_);
                SendMessageW(frame_, WM_COMMAND, MAKEWPARAM(LOWORD(w), 0), 0);
            }
            return 0;
        case WM_CTLCOLORSTATIC: {
            const auto control = reinterpret_cast<HWND>(l);
            const auto dc = reinterpret_cast<HDC>(w);
            SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
            if (control == Label16) SetTextColor(dc, RGB(0, 0, 192));
            if (control == Label4) SetTextColor(dc, RGB(0, 0, 255));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        }
        case WM_SETCURSOR:
            if (reinterpret_cast<HWND>(w) == Label4) {
                SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(32649)));
                return TRUE;
            }
            break;
        default: break;
    }
    return DefWindowProcW(form_, message, w, l);
}

form::Twips Window::SquarePlace(int index) const {
    const int file = (index - 1) % 8 + 1;
    const int rank = (index - 1) / 8 + 1;
    const form::Twips place = form::Square(file, rank, PlayerSide);
    return turned_ ? form::Turned(place) : place;
}

int Window::HitTest(POINT point) const {
    const auto inside = [this, point](const form::Twips& twips) {
        const RECT box = Rect(twips);
        return PtInRect(&box, point) != FALSE;
    };
    for (int index = 1; index <= 64; ++index)
        if (inside(SquarePlace(index))) return index;
    for (int column = 0; column < 2; ++column)
        for (int row = 0; row < 6; ++row)
            if (inside(form::PaletteBox(column, row))) return PaletteHit + 6 * column + row;
    if (inside(form::Eraser)) return EraserHit;
    return 0;
}

void Window::PaintForm(HDC dc) {
    const int scale = Scale();
    for (int index = 1; index <= 64; ++index)
        PaintSquare(dc, index);
    // The logo, no piece of the game, is scaled smoothly.
    const RECT logo = Rect(form::Logo);
    Outline(dc, logo, Black);
    if (logo_) {
        BITMAP info;
        GetObjectW(logo_, sizeof info, &info);
        HDC source = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(source, logo_);
        SetStretchBltMode(dc, HALFTONE);
        const RECT area = Inside(logo);
        const double fit =
            std::min({1.0 * scale / 100, (area.right - area.left) / double(info.bmWidth),
                      (area.bottom - area.top) / double(info.bmHeight)});
        StretchBlt(dc, area.left, area.top, static_cast<int>(info.bmWidth * fit),
                   static_cast<int>(info.bmHeight * fit), source, 0, 0, info.bmWidth, info.bmHeight,
                   SRCCOPY);
        SelectObject(source, old);
        DeleteDC(source);
    }
    Outline(dc, Rect(form::EditFrame), Black);
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    for (int column = 0; column < 2; ++column)
        for (int row = 0; row < 6; ++row) {
            const int hit = PaletteHit + 6 * column + row;
            if (hit != raisedBox_)
                PaintBox(dc, form::PaletteBox(column, row), window,
                         (column == 0 ? blackPictures_ : whitePictures_)[static_cast<size_t>(row)],
                         false);
        }
    if (raisedBox_ != EraserHit) PaintBox(dc, form::Eraser, window, nullptr, false);
    // The chosen box last: its whole bevel shows over its neighbours' borders.
    if (raisedBox_ == EraserHit) PaintBox(dc, form::Eraser, window, nullptr, true);
    if (raisedBox_ >= PaletteHit && raisedBox_ < EraserHit) {
        const int column = (raisedBox_ - PaletteHit) / 6;
        const int row = (raisedBox_ - PaletteHit) % 6;
        PaintBox(dc, form::PaletteBox(column, row), window,
                 (column == 0 ? blackPictures_ : whitePictures_)[static_cast<size_t>(row)], true);
    }
    PaintBox(dc, form::EngineColour, PlayerSide == 0 ? Black : White, nullptr, false);
    PaintBox(dc, form::PlayerColour, PlayerSide == 0 ? White : Black, nullptr, false);
}

// Unturned, the player's home rank is at the bottom and the first file on the left when
// playing white, on the right when playing black; a turn swaps both edges. In dark blue in a
// white rim, legible on either shade and over a piece's edge.
void Window::PaintCoordinates(HDC dc, int index, const RECT& area) {
    const int file = (index - 1) % 8 + 1;
    const int rank = (index - 1) / 8 + 1;
    const int bottomRank = turned_ ? 8 : 1;
    const int leftFile = (PlayerSide == 0) != turned_ ? 1 : 8;
    const std::wstring letter = rank == bottomRank ? std::wstring(1, L'a' + file - 1) : L"";
    const std::wstring digit =
        file == leftFile ? std::to_wstring(PlayerSide == 0 ? rank : 9 - rank) : L"";
    if (letter.empty() && digit.empty()) return;
    const int size = area.right - area.left;
    HFONT font = CreateFontW(-std::max(7, size / 3), 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE,
                             DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                             ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_SWISS, L"Tahoma");
    HGDIOBJ old = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    const int margin = std::max(1, size / 24);
    const auto write = [&](int dx, int dy) {
        RECT inside{area.left + margin + dx, area.top + dy, area.right - margin + dx,
                    area.bottom + dy};
        DrawTextW(dc, digit.c_str(), -1, &inside, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOCLIP);
        DrawTextW(dc, letter.c_str(), -1, &inside,
                  DT_RIGHT | DT_BOTTOM | DT_SINGLELINE | DT_NOCLIP);
    };
    SetTextColor(dc, White);
    for (const auto& [dx, dy] : {std::pair(-margin, 0), {margin, 0}, {0, -margin}, {0, margin}})
        write(dx, dy);
    SetTextColor(dc, RGB(0, 0, 0x90));
    write(0, 0);
    SelectObject(dc, old);
    DeleteObject(font);
}

void Window::PaintBox(HDC dc, const form::Twips& twips, COLORREF background, HBITMAP picture,
                      bool raised) {
    const RECT box = Rect(twips);
    const RECT area = Inside(box);
    Fill(dc, area, background);
    Copy(dc, area, picture, SRCCOPY);
    if (!raised) {
        Outline(dc, box, Black);
        return;
    }
    // A raised edge two rings deep, lit from the top left.
    RECT ring = box;
    for (const auto& [lit, shadow] :
         {std::pair(White, Black), std::pair(White, RGB(0x40, 0x40, 0x40))}) {
        HPEN light = CreatePen(PS_SOLID, 1, lit);
        HPEN dark = CreatePen(PS_SOLID, 1, shadow);
        HGDIOBJ old = SelectObject(dc, light);
        MoveToEx(dc, ring.left, ring.bottom - 1, nullptr);
        LineTo(dc, ring.left, ring.top);
        LineTo(dc, ring.right, ring.top);
        SelectObject(dc, dark);
        MoveToEx(dc, ring.left + 1, ring.bottom - 1, nullptr);
        LineTo(dc, ring.right - 1, ring.bottom - 1);
        LineTo(dc, ring.right - 1, ring.top);
        SelectObject(dc, old);
        DeleteObject(light);
        DeleteObject(dark);
        ring = Inside(ring);
    }
}

// The square's shade, the mask copied with AND and the piece's picture with OR (the
// picture's grey 808080 leaves either shade as it is), then the frames and dots over it.
void Window::PaintSquare(HDC dc, int index) {
    const int file = (index - 1) % 8 + 1;
    const int rank = (index - 1) / 8 + 1;
    const RECT box = Rect(SquarePlace(index));
    const RECT area = Inside(box);
    // Rank 1 is at the bottom; playing black mirrors the files and swaps the shades, so that
    // the player's bottom-left square is grey either way.
    const bool dark = (file + rank) % 2 == (PlayerSide == 0 ? 0 : 1);
    Fill(dc, area, dark ? Grey : White);
    Outline(dc, box, Black);
    const int16_t value = session_->PieceAt({static_cast<int>(file), static_cast<int>(rank)});
    const int row = PieceRow(value);
    if (row >= 0) {
        const bool drawnWhite = (value < 0) == (PlayerSide == 0);
        const auto at = static_cast<size_t>(row);
        Copy(dc, area, masks_[at], SRCAND);
        Copy(dc, area, (drawnWhite ? whitePictures_ : blackPictures_)[at], SRCPAINT);
    }
    if (showCoordinates_) PaintCoordinates(dc, index, area);
    const int thickness = std::max(Scale() / 100, 1);
    for (const Mark& mark : marks_) {
        if (mark.index != index) continue;
        if (mark.dot) {
            HBRUSH brush = CreateSolidBrush(DotColour);
            HGDIOBJ oldBrush = SelectObject(dc, brush);
            HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
            const int size = area.right - area.left;
            const int centreX = area.left + size / 2;
            const int centreY = area.top + size / 2;
            const int radius = std::max(size / 8, 1);
            Ellipse(dc, centreX - radius, centreY - radius, centreX + radius + 1,
                    centreY + radius + 1);
            SelectObject(dc, oldPen);
            SelectObject(dc, oldBrush);
            DeleteObject(brush);
            continue;
        }
        RECT frame = area;
        for (int k = 0; k < thickness; ++k) {
            Outline(dc, frame, mark.colour);
            frame = Inside(frame);
        }
    }
}

void Window::RedrawForm() {
    InvalidateRect(form_, nullptr, FALSE);
}

// The handlers, as the Qt window's F_Board has them.

void Window::Form_Load() {
    PlayerSide = 0;
    ClickState = 1;
    LayoutSquares();
    session_->NewGame(chess::Colour::White);
    PrintBoard();
}

void Window::Btn_NewGame_Click() {
    if (busy_) return;
    const std::optional<bool> playWhites =
        AskYesNo(Tr("F_Board", "New Game"), Tr("F_Board", "Would you like to play whites?"));
    // Cancelling keeps the game in progress, a picked piece included.
    if (!playWhites) return;
    ClickState = 1;
    // The layout first: the engine, opening as White, draws its move on it.
    PlayerSide = *playWhites ? 0 : 1;
    LayoutSquares();
    session_->NewGame(*playWhites ? chess::Colour::White : chess::Colour::Black);
    PrintBoard();
    if (!*playWhites) FrameEngineMove();
}

// A failed save keeps the last good file, and a refused load leaves the game as it was;
// either way the player is told why and plays on.
void Window::Btn_Save_Click() {
    if (busy_) return;
    // The data folder is made on the first save; if it cannot be, the save says so.
    std::error_code ignored;
    std::filesystem::create_directories(Settings::DataFolder(), ignored);
    std::string error;
    if (!session_->Save(savedGamePath_, error)) {
        ShowMessage(error);
        return;
    }
    Notify(Arg(Tr("MainWindow", "Saved to %1"), {SavedGameShown()}));
}

void Window::Btn_Load_Click() {
    if (busy_) return;
    std::string error;
    if (!session_->Load(savedGamePath_, error)) {
        ShowMessage(error);
        return;
    }
    PrintBoard();
    Notify(Arg(Tr("MainWindow", "Loaded from %1"), {SavedGameShown()}));
}

// A game that is over, or a board that is no chess position, takes no move, and the player
// hears why.
void Window::BtnForce_Click() {
    if (busy_) return;
    if (session_->Force()) {
        FrameEngineMove();
        return;
    }
    const game::Status status = session_->CurrentStatus();
    if (status.ending != game::Ending::None)
        OnRefused(game::Refusal::GameOver);
    else if (!status.hasGame)
        OnRefused(game::Refusal::NoPosition);
}

// Every square to its point-symmetric place; a second turn restores the layout. Frames and
// dots stay.
void Window::BtnRotate_Click() {
    turned_ = !turned_;
    PlaceTips();
    RedrawForm();
}

// A new game's layout is never turned.
void Window::LayoutSquares() {
    turned_ = false;
    PlaceTips();
    RedrawForm();
}

void Window::PrintBoard() {
    marks_.clear();
    RedrawForm();
}

void Window::ShowGameAfresh() {
    ClickState = 1;
    PrintBoard();
    FrameEngineMove();
}

void Window::FrameEngineMove() {
    const std::optional<game::SquareMove> move = session_->LastEngineMove();
    if (!move) return;
    FrameSquare(move->from.file + 8 * (move->from.rank - 1), Blue);
    FrameSquare(move->to.file + 8 * (move->to.rank - 1), Blue);
}

void Window::FrameSquare(int index, COLORREF colour) {
    marks_.push_back({index, colour, false});
    RedrawForm();
}

void Window::DotSquare(int index) {
    marks_.push_back({index, 0, true});
    RedrawForm();
}

void Window::c_Click(int index) {
    const auto file = static_cast<int16_t>((index - 1) % 8 + 1);
    const auto rank = static_cast<int16_t>((index - 1) / 8 + 1);
    if (SendMessageW(CkEdit, BM_GETCHECK, 0, 0) == BST_CHECKED) {
        // No validation: any position may be set up, kings or not. The eraser's 1 empties.
        session_->Place({file, rank}, EditPiece == 1 ? EmptyCell : EditPiece);
        PrintBoard();
        return;
    }
    if (ClickState == 1) {
        // Only the player's own (negative) pieces can be picked.
        if (session_->PieceAt({file, rank}) < 0) {
            FrameSquare(index, Red);
            FromFile = file;
            FromRank = rank;
            ClickState = 2;
            const game::Status status = session_->CurrentStatus();
            if (showLegalMoves_ && status.hasGame && status.ending == game::Ending::None)
                for (const auto& [toFile, toRank] : session_->LegalTargets({FromFile, FromRank}))
                    DotSquare(toFile + 8 * (toRank - 1));
        }
        return;
    }
    ToFile = file;
    ToRank = rank;
    PrintBoard();
    if (session_->PieceAt({ToFile, ToRank}) < 0) {
        // Another own piece (or the same one): pick it instead.
        ClickState = 1;
        c_Click(index);
        return;
    }
    const game::SquareMove move{{FromFile, FromRank}, {ToFile, ToRank}};
    ClickState = 1;
    char promotion = 0;
    if (session_->NeedsPromotion(move)) {
        promotion = AskPromotion(index);
        // Closed without a choice: the move is not made.
        if (promotion == 0) return;
    }
    const game::Refusal refusal = session_->Play(move, promotion);
    if (refusal != game::Refusal::None) {
        OnRefused(refusal);
        return;
    }
    FrameEngineMove();
}

// The piece the pawn becomes, from a menu at the square; 0 when the player closes it.
char Window::AskPromotion(int index) {
    constexpr std::pair<const char*, char> choices[] = {
        {"Queen", 'q'}, {"Rook", 'r'}, {"Bishop", 'b'}, {"Knight", 'n'}};
    HMENU menu = CreatePopupMenu();
    for (size_t i = 0; i < std::size(choices); ++i)
        AppendMenuW(menu, MF_STRING, i + 1, Wide(Tr("F_Board", choices[i].first)).c_str());
    const RECT box = Rect(SquarePlace(index));
    POINT at{box.left, box.bottom};
    ClientToScreen(form_, &at);
    const int chosen = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_LEFTALIGN, at.x,
                                      at.y, 0, frame_, nullptr);
    DestroyMenu(menu);
    return chosen > 0 ? choices[chosen - 1].second : 0;
}

// The palette's columns follow the sign, not the colour the player sees.
void Window::PickFromPalette(int box, int16_t piece) {
    EditPiece = piece;
    raisedBox_ = box;
    SendMessageW(CkEdit, BM_SETCHECK, BST_CHECKED, 0);
    RedrawForm();
}

}  // namespace ostrand::win
