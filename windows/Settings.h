// The window's settings, kept in an INI file in the player's data folder beside the saved
// game, so that the program's own folder may be read-only.
#pragma once

#include <string>

namespace ostrand::win {

class Settings {
  public:
    // The data folder: %APPDATA%\Ostrand Chess, made when first written.
    static std::wstring DataFolder();

    std::wstring Text(const wchar_t* key, const std::wstring& fallback = {}) const;
    bool Flag(const wchar_t* key, bool fallback) const;
    int Number(const wchar_t* key, int fallback) const;
    void SetText(const wchar_t* key, const std::wstring& value);
    void SetFlag(const wchar_t* key, bool value);
    void SetNumber(const wchar_t* key, int value);

  private:
    std::wstring File() const;
};

}  // namespace ostrand::win
