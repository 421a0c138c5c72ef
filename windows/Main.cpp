// The Windows window's start: the language, the system's controls and GDI+, the window, and
// the message loop with the menu's shortcuts.
// windows.h first, then what builds on it, GDI+ last.
// clang-format off
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
#include <objidl.h>
#include <gdiplus.h>
// clang-format on

#include <algorithm>

#include "Display.h"
#include "Settings.h"
#include "Text.h"
#include "Translations.h"
#include "Window.h"
#include "Words.h"

namespace {

// The language chosen in the View menu, else the system's when there are translations into
// it, else English.
std::string StartLanguage() {
    std::string code = ostrand::win::Utf8(ostrand::win::Settings().Text(L"language"));
    if (code.empty()) {
        wchar_t locale[LOCALE_NAME_MAX_LENGTH] = L"";
        ULONG count = 0;
        ULONG size = LOCALE_NAME_MAX_LENGTH;
        if (GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, locale, &size) && count > 0)
            code = ostrand::win::Utf8(locale);
        code = code.substr(0, code.find('-'));
    }
    const std::vector<std::string> translated = ostrand::win::TranslatedLanguages();
    return std::find(translated.begin(), translated.end(), code) != translated.end() ? code : "en";
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    // The manifest asks for per-monitor scaling; this holds where it is not read.
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    INITCOMMONCONTROLSEX controls{sizeof controls,
                                  ICC_PROGRESS_CLASS | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    ULONG_PTR gdiplus = 0;
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&gdiplus, &input, nullptr);
    ostrand::win::SetLanguage(StartLanguage());

    int code = 1;
    {
        ostrand::win::Window window(instance);
        if (ostrand::win::Window::Register(instance) && window.Create(show)) {
            MSG message;
            while (GetMessageW(&message, nullptr, 0, 0) > 0) {
                if (window.PreTranslate(message)) continue;
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
            code = static_cast<int>(message.wParam);
        }
    }
    Gdiplus::GdiplusShutdown(gdiplus);
    CoUninitialize();
    return code;
}
