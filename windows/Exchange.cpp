// The Windows window's exchange with the world outside the game: the clipboard (FEN and PGN),
// PGN files through the system's file dialogs, the dialogs of its own, and the Help menu.
// windows.h before the headers that build on it.
// clang-format off
#include <windows.h>
#include <commdlg.h>
#include <knownfolders.h>
#include <shlobj.h>
// clang-format on

#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "Commands.h"
#include "Pgn.h"
#include "StandardChess.h"
#include "Text.h"
#include "Translations.h"
#include "Version.h"
#include "Window.h"
#include "Words.h"

namespace ostrand::win {

namespace {

std::string Cf(std::string_view source) {
    return Tr("ClipboardAndFiles", source);
}

std::string Mw(std::string_view source) {
    return Tr("MainWindow", source);
}

// Blanks and line breaks round and within a text made single spaces, as Qt's simplified().
std::string Simplified(const std::string& text) {
    std::istringstream words(text);
    std::string word, out;
    while (words >> word)
        out += (out.empty() ? "" : " ") + word;
    return out;
}

// Today as "2026.12.09" (PGN) or "2026-12-09" (a file's name).
std::string Today(char separator) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_s(&local, &now);
    char text[16];
    std::snprintf(text, sizeof text, "%04d%c%02d%c%02d", local.tm_year + 1900, separator,
                  local.tm_mon + 1, separator, local.tm_mday);
    return text;
}

// The file dialogs' filter from the Qt window's ("PGN games (*.pgn *.PGN);;All files (*)"):
// name and patterns, each ended by a null character.
std::wstring Filter() {
    const std::string qt = Cf("PGN games (*.pgn *.PGN);;All files (*)");
    std::wstring filter;
    size_t start = 0;
    while (start <= qt.size()) {
        size_t end = qt.find(";;", start);
        if (end == std::string::npos) end = qt.size();
        const std::string part = qt.substr(start, end - start);
        const size_t open = part.rfind('(');
        std::string patterns = open == std::string::npos ? "*" : part.substr(open + 1);
        if (!patterns.empty() && patterns.back() == ')') patterns.pop_back();
        for (char& c : patterns)
            if (c == ' ') c = ';';
        if (patterns == "*") patterns = "*.*";
        filter += Wide(part) + L'\0' + Wide(patterns) + L'\0';
        start = end + 2;
    }
    return filter + L'\0';
}

// "2. Moss – Hale, Club championship, 2024.03.09, 0-1".
std::string GameTitle(size_t index, const chess::PgnGame& game) {
    std::string title =
        std::to_string(index + 1) + ". " + game.Tag("White") + " \u2013 " + game.Tag("Black");
    for (const char* tag : {"Event", "Date"}) {
        const std::string value = game.Tag(tag);
        if (!value.empty() && value[0] != '?') title += ", " + value;
    }
    return title + ", " + game.result;
}

struct TimeAnswer {
    game::TimeControl control;
    bool given = false;
};

INT_PTR CALLBACK TimeProcedure(HWND dialog, UINT message, WPARAM w, LPARAM l) {
    auto* answer = reinterpret_cast<TimeAnswer*>(GetWindowLongPtrW(dialog, GWLP_USERDATA));
    switch (message) {
        case WM_INITDIALOG: {
            SetWindowLongPtrW(dialog, GWLP_USERDATA, l);
            answer = reinterpret_cast<TimeAnswer*>(l);
            SetWindowTextW(dialog, Wide(Mw("Time control")).c_str());
            SetDlgItemTextW(dialog, DialogPrompt, Wide(Mw("Minutes for the game:")).c_str());
            SetDlgItemTextW(dialog, DialogIncrementPrompt,
                            Wide(Mw("Seconds added after each move:")).c_str());
            const auto number = [](double value) {
                char text[32];
                std::snprintf(text, sizeof text, "%g", value);
                return Wide(text);
            };
            SetDlgItemTextW(dialog, DialogMinutes, number(answer->control.minutes).c_str());
            SetDlgItemTextW(dialog, DialogIncrement, number(answer->control.increment).c_str());
            return TRUE;
        }
        case WM_COMMAND:
            if (LOWORD(w) == IDOK) {
                wchar_t minutes[64], increment[64];
                GetDlgItemTextW(dialog, DialogMinutes, minutes, 64);
                GetDlgItemTextW(dialog, DialogIncrement, increment, 64);
                // The same rule as the command line's M+S: the session's parser judges it.
                const std::optional<game::TimeControl> control =
                    game::TimeControl::Parse(Utf8(minutes) + "+" + Utf8(increment));
                if (!control || control->minutes > 1440 || control->increment > 3600) {
                    MessageBeep(MB_ICONWARNING);
                    return TRUE;
                }
                answer->control = *control;
                answer->given = true;
                EndDialog(dialog, IDOK);
                return TRUE;
            }
            if (LOWORD(w) == IDCANCEL) {
                EndDialog(dialog, IDCANCEL);
                return TRUE;
            }
            break;
        default: break;
    }
    return FALSE;
}

struct Choice {
    std::vector<std::string> titles;
    int chosen = -1;
};

INT_PTR CALLBACK ChooseProcedure(HWND dialog, UINT message, WPARAM w, LPARAM l) {
    auto* choice = reinterpret_cast<Choice*>(GetWindowLongPtrW(dialog, GWLP_USERDATA));
    switch (message) {
        case WM_INITDIALOG: {
            SetWindowLongPtrW(dialog, GWLP_USERDATA, l);
            choice = reinterpret_cast<Choice*>(l);
            SetWindowTextW(dialog, Wide(Cf("Open PGN")).c_str());
            SetDlgItemTextW(
                dialog, DialogPrompt,
                Wide(Cf("The file holds several games. Which one shall be played?")).c_str());
            for (const std::string& title : choice->titles)
                SendDlgItemMessageW(dialog, DialogList, LB_ADDSTRING, 0,
                                    reinterpret_cast<LPARAM>(Wide(title).c_str()));
            SendDlgItemMessageW(dialog, DialogList, LB_SETCURSEL, 0, 0);
            return TRUE;
        }
        case WM_COMMAND:
            if (LOWORD(w) == IDOK || (LOWORD(w) == DialogList && HIWORD(w) == LBN_DBLCLK)) {
                choice->chosen =
                    static_cast<int>(SendDlgItemMessageW(dialog, DialogList, LB_GETCURSEL, 0, 0));
                EndDialog(dialog, IDOK);
                return TRUE;
            }
            if (LOWORD(w) == IDCANCEL) {
                EndDialog(dialog, IDCANCEL);
                return TRUE;
            }
            break;
        default: break;
    }
    return FALSE;
}

}  // namespace

void Window::CopyText(const std::string& text) {
    const std::wstring wide = Wide(text);
    if (!OpenClipboard(frame_)) return;
    EmptyClipboard();
    const size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
        std::memcpy(GlobalLock(memory), wide.c_str(), bytes);
        GlobalUnlock(memory);
        if (!SetClipboardData(CF_UNICODETEXT, memory)) GlobalFree(memory);
    }
    CloseClipboard();
}

std::string Window::ClipboardText() {
    std::string text;
    if (!OpenClipboard(frame_)) return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* wide = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = Utf8(wide);
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

bool Window::HoldsChessPosition(const std::string& action) {
    const game::Status status = session_->CurrentStatus();
    if (status.hasGame) return true;
    Warn(action, Arg(Cf("The board holds no chess position: %1."), {MessageWords(status.problem)}));
    return false;
}

void Window::CopyPosition() {
    if (busy_ || !HoldsChessPosition(Cf("Copy position"))) return;
    CopyText(session_->Fen());
    Notify(Cf("Position copied"));
}

void Window::CopyGame() {
    if (busy_ || !HoldsChessPosition(Cf("Copy game"))) return;
    CopyText(chess::WritePgn(session_->Pgn(Today('.'))));
    Notify(Cf("Game copied"));
}

// A text with a tag pair or a move number is taken for a game, anything else for a FEN.
void Window::PastePosition() {
    if (busy_) return;
    const std::string text = ClipboardText();
    chess::Position position;
    std::string error;
    std::vector<chess::PgnGame> games;
    const std::string fen = Simplified(text);
    if (!chess::ParseFen(fen, position, error) &&
        chess::ReadPgn(text, games, error, chess::CastlingRule::PawnsIgnored) &&
        (games.size() > 1 || !games[0].moves.empty() || !games[0].tags.empty())) {
        SetUpGames(games, Cf("the pasted game"));
        return;
    }
    if (!session_->SetUpFen(fen, error)) {
        Warn(Cf("Set up position"),
             Arg(Cf("“%1” is no chess position: %2."), {fen.substr(0, 100), MessageWords(error)}));
        return;
    }
    ShowGameAfresh();
    if (!session_->SetUpNote().empty()) SetStatus(MessageWords(session_->SetUpNote()));
}

// One game of the file or the text, chosen by the player when there are several.
bool Window::SetUpGames(const std::vector<chess::PgnGame>& games, const std::string& name) {
    size_t chosen = 0;
    std::string shown = name;
    if (games.size() > 1) {
        Choice choice;
        for (size_t i = 0; i < games.size(); ++i)
            choice.titles.push_back(GameTitle(i, games[i]));
        if (DialogBoxParamW(instance_, MAKEINTRESOURCEW(ChooseDialog), frame_, ChooseProcedure,
                            reinterpret_cast<LPARAM>(&choice)) != IDOK ||
            choice.chosen < 0 || static_cast<size_t>(choice.chosen) >= games.size())
            return false;
        chosen = static_cast<size_t>(choice.chosen);
        shown = Arg(Cf("%1, game %2"), {name, std::to_string(chosen + 1)});
    }
    std::string error = games[chosen].error;
    if (error.empty()) session_->SetUpGame(games[chosen], error);
    if (!error.empty()) {
        Warn(Cf("Open PGN"), Arg(Cf("Cannot play %1.\n\nAt %2."), {shown, MessageWords(error)}));
        return false;
    }
    ShowGameAfresh();
    if (!session_->SetUpNote().empty()) SetStatus(MessageWords(session_->SetUpNote()));
    Notify(Arg(Cf("Opened %1"), {shown}));
    return true;
}

std::wstring Window::PgnFolder() const {
    const std::wstring folder = settings_.Text(L"pgnFolder");
    std::error_code error;
    if (!folder.empty() && std::filesystem::is_directory(folder, error)) return folder;
    PWSTR path = nullptr;
    std::wstring documents;
    if (SHGetKnownFolderPath(FOLDERID_Documents, 0, nullptr, &path) == S_OK) documents = path;
    CoTaskMemFree(path);
    return documents;
}

void Window::OpenPgn() {
    if (busy_) return;
    wchar_t file[MAX_PATH] = L"";
    const std::wstring filter = Filter();
    const std::wstring folder = PgnFolder();
    const std::wstring title = Wide(Cf("Open PGN"));
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = frame_;
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = file;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrInitialDir = folder.c_str();
    dialog.lpstrTitle = title.c_str();
    dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (!GetOpenFileNameW(&dialog)) return;
    const std::filesystem::path path(file);
    settings_.SetText(L"pgnFolder", path.parent_path().wstring());
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    if (in) content << in.rdbuf();
    std::vector<chess::PgnGame> games;
    std::string error;
    if (!in || in.bad()) {
        Warn(Cf("Open PGN"),
             MessageWords("Cannot read " + Utf8(path.wstring()) + ": the file cannot be read"));
        return;
    }
    // The engine's own games castle as its rules allow; standard games read the same.
    if (!chess::ReadPgn(content.str(), games, error, chess::CastlingRule::PawnsIgnored)) {
        Warn(Cf("Open PGN"), Utf8(path.filename().wstring()) + ": " + MessageWords(error));
        return;
    }
    SetUpGames(games, Utf8(path.filename().wstring()));
}

// The file is replaced only once the whole game is written.
void Window::SaveGameAsPgn() {
    if (busy_ || !HoldsChessPosition(Cf("Save game as PGN"))) return;
    wchar_t file[MAX_PATH];
    const std::wstring suggestion = L"Ostrand Chess " + Wide(Today('-')) + L".pgn";
    wcsncpy(file, suggestion.c_str(), MAX_PATH - 1);
    file[MAX_PATH - 1] = L'\0';
    const std::wstring filter = Filter();
    const std::wstring folder = PgnFolder();
    const std::wstring title = Wide(Cf("Save game as PGN"));
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = frame_;
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = file;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrInitialDir = folder.c_str();
    dialog.lpstrTitle = title.c_str();
    dialog.lpstrDefExt = L"pgn";
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (!GetSaveFileNameW(&dialog)) return;
    const std::filesystem::path path(file);
    settings_.SetText(L"pgnFolder", path.parent_path().wstring());
    const std::string text = chess::WritePgn(session_->Pgn(Today('.')));
    std::filesystem::path temporary = path;
    temporary += L".part";
    bool written = false;
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        written =
            out && out.write(text.data(), static_cast<std::streamsize>(text.size())) && out.flush();
    }
    if (!written || !MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        const DWORD error = GetLastError();
        wchar_t* reason = nullptr;
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                           FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, error, 0, reinterpret_cast<LPWSTR>(&reason), 0, nullptr);
        std::wstring why = reason ? reason : L"";
        LocalFree(reason);
        while (!why.empty() && (why.back() == L'\n' || why.back() == L'\r' || why.back() == L'.'))
            why.pop_back();
        DeleteFileW(temporary.c_str());
        Warn(Cf("Save game as PGN"),
             Arg(Cf("Cannot write %1: %2."), {Utf8(path.wstring()), Utf8(why)}));
        return;
    }
    Notify(Arg(Cf("Saved %1"), {Utf8(path.filename().wstring())}));
}

void Window::ChooseTimeControl() {
    const game::TimeControl next = session_->NextTimeControl();
    TimeAnswer answer{next.Timed() ? next : game::TimeControl{5, 0}};
    DialogBoxParamW(instance_, MAKEINTRESOURCEW(TimeDialog), frame_, TimeProcedure,
                    reinterpret_cast<LPARAM>(&answer));
    SetTimeControl(answer.given ? answer.control : next, answer.given);
}

// The Qt window's paragraphs that hold for this window too, each a text of its own.
void Window::ShowHowToPlay() {
    const char* paragraphs[] = {
        "<b>Moving:</b> click one of your pieces (it is framed in red), then the square it goes "
        "to. The engine answers at once and its move is framed in blue. Castle by moving the king "
        "two squares. A refused move is explained in the status line.",
        "<b>New</b> starts a game and asks for your colour; <b>Save</b> and <b>Load</b> keep one "
        "game. <b>Force</b> makes the engine move for its side now, and <b>&lt;</b> turns the "
        "board round. The two swatches show the engine's colour (upper) and yours (lower).",
        "<b>Edit</b> and the palette set up any position: click a palette piece (the left column "
        "places the engine's pieces, the right one yours), then squares; the blank box erases. "
        "Untick Edit to play on.",
        "<b>Take back</b> (Ctrl+Z) undoes your last move with the engine's answer, an edit, a "
        "load, a paste or Force; <b>Redo</b> (Ctrl+Shift+Z) plays it again. While the engine "
        "thinks, <b>Space</b> makes it move at once. <b>Move &#9656; Level</b> chooses an easier "
        "opponent.",
        "The <b>move list</b> beside the board shows the game; click a move, or press Left, "
        "Right, Home or End, to go back or forward through it.",
        "A game ends by mate, stalemate, a threefold repetition, fifty moves without a capture or "
        "a pawn move, too little material to mate, your resignation (<b>Game &#9656; "
        "Resign</b>) or a draw the engine accepts (<b>Offer a draw</b>): it accepts when it "
        "thinks itself a pawn or more behind.",
        "<b>Copy position</b> (Ctrl+C) puts the position in FEN on the clipboard; <b>Paste "
        "position</b> (Ctrl+V) sets one up from there, or a PGN game, and the engine moves if it "
        "is its turn. <b>Save game as PGN</b>, <b>Copy game</b> (Ctrl+Shift+C) and <b>Open "
        "PGN</b> keep and replay whole games, which other chess programs read too.",
    };
    std::string text;
    for (const char* paragraph : paragraphs)
        text += "<p>" + Mw(paragraph) + "</p>";
    MessageBoxW(frame_, Wide(PlainText(text)).c_str(), Wide(Mw("How to play")).c_str(),
                MB_OK | MB_ICONINFORMATION);
}

void Window::ShowAbout() {
    const std::string text =
        std::string("Ostrand Chess ") + Version + "\n\n" +
        Mw("A chess program in which you play against the computer.") + "\n\n" +
        Mw("Free software under the GNU General Public License, version 3 or any later "
           "version.") +
        "\n\nhttps://ostrand-chess.example.org";
    MessageBoxW(frame_, Wide(text).c_str(), Wide(Mw("About Ostrand Chess")).c_str(),
                MB_OK | MB_ICONINFORMATION);
}

}  // namespace ostrand::win
