#include "Settings.h"

// windows.h before the headers that build on it.
// clang-format off
#include <windows.h>
#include <knownfolders.h>
#include <shlobj.h>
// clang-format on

namespace ostrand::win {

namespace {

constexpr wchar_t Section[] = L"Ostrand Chess";

}  // namespace

std::wstring Settings::DataFolder() {
    PWSTR path = nullptr;
    std::wstring folder;
    if (SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_CREATE, nullptr, &path) == S_OK)
        folder = std::wstring(path) + L"\\Ostrand Chess";
    CoTaskMemFree(path);
    return folder;
}

std::wstring Settings::File() const {
    return DataFolder() + L"\\settings.ini";
}

std::wstring Settings::Text(const wchar_t* key, const std::wstring& fallback) const {
    wchar_t value[1024];
    GetPrivateProfileStringW(Section, key, fallback.c_str(), value, 1024, File().c_str());
    return value;
}

bool Settings::Flag(const wchar_t* key, bool fallback) const {
    return Number(key, fallback ? 1 : 0) != 0;
}

int Settings::Number(const wchar_t* key, int fallback) const {
    return static_cast<int>(GetPrivateProfileIntW(Section, key, fallback, File().c_str()));
}

// A setting that cannot be written is lost at the end of the run, and nothing else.
void Settings::SetText(const wchar_t* key, const std::wstring& value) {
    CreateDirectoryW(DataFolder().c_str(), nullptr);
    WritePrivateProfileStringW(Section, key, value.c_str(), File().c_str());
}

void Settings::SetFlag(const wchar_t* key, bool value) {
    SetNumber(key, value ? 1 : 0);
}

void Settings::SetNumber(const wchar_t* key, int value) {
    SetText(key, std::to_wstring(value));
}

}  // namespace ostrand::win
