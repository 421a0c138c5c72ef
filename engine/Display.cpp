#include "Display.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <system_error>

#if defined(_WIN32)
#include <windows.h>
#elif defined(__APPLE__)
#include <mach-o/dyld.h>

#include <cstdint>
#endif

namespace ostrand {

namespace {

class SilentDisplay final : public Display {
  public:
    void SetEnabled(bool) override {}
    void RedrawBoard() override {}
    void ShowMessage(const std::string&) override {}
    void SetLabel(StatusLabel, const std::string&) override {}
    std::string LabelText(StatusLabel) const override { return {}; }
    void SetProgressMaximum(int) override {}
    void SetProgressValue(int) override {}
    void ProcessEvents() override {}
};

SilentDisplay silent;
Display* current = &silent;

double SystemSteadyClock() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

double (*clock)() = SystemSteadyClock;

// The executable that argv[0] named, resolved when the program started; empty if unknown.
std::filesystem::path programFromArgument;

// The running executable as the system names it, or empty where it cannot.
std::filesystem::path ExecutablePath() {
    namespace fs = std::filesystem;
#if defined(_WIN32)
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return {};
        if (length < buffer.size()) return fs::path(buffer.substr(0, length));
        buffer.resize(buffer.size() * 2);  // cut short: try again with more room
    }
#elif defined(__APPLE__)
    uint32_t size = 0;
    _NSGetExecutablePath(nullptr, &size);
    std::string buffer(size, '\0');
    if (_NSGetExecutablePath(buffer.data(), &size) != 0) return {};
    buffer.resize(buffer.find('\0'));
    // The path may pass through symbolic links; the folder wanted is the real one.
    std::error_code error;
    const fs::path real = fs::canonical(buffer, error);
    return error ? fs::path(buffer) : real;
#else
    std::error_code error;
    const fs::path real = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::path() : real;
#endif
}

// What argv[0] names: a path is taken from the working folder, a bare name is looked for
// along PATH as the shell found it.
std::filesystem::path ResolveProgramArgument(std::string_view argument) {
    namespace fs = std::filesystem;
    if (argument.empty()) return {};
    const fs::path named(argument);
    fs::path found = named;
    if (!named.has_parent_path()) {
        found.clear();
        const char* list = std::getenv("PATH");
#if defined(_WIN32)
        constexpr char Separator = ';';
#else
        constexpr char Separator = ':';
#endif
        std::string_view folders(list ? list : "");
        while (found.empty() && !folders.empty()) {
            const size_t end = folders.find(Separator);
            const std::string_view entry = folders.substr(0, end);
            // An empty entry stands for the working folder.
            const fs::path candidate = (entry.empty() ? fs::path(".") : fs::path(entry)) / named;
            std::error_code missing;
            if (fs::is_regular_file(candidate, missing)) found = candidate;
            folders = end == std::string_view::npos ? std::string_view() : folders.substr(end + 1);
        }
        if (found.empty()) return {};
    }
    std::error_code error;
    const fs::path real = fs::canonical(found, error);
    if (!error) return real;
    const fs::path whole = fs::absolute(found, error);
    return error ? fs::path() : whole;
}

}  // namespace

Display& TheDisplay() {
    return *current;
}

void SetDisplay(Display* display) {
    current = display ? display : &silent;
}

double SteadySeconds() {
    return clock();
}

void SetClock(double (*replacement)()) {
    clock = replacement ? replacement : SystemSteadyClock;
}

void SetProgramArgument(const char* argument) {
    programFromArgument = ResolveProgramArgument(argument ? argument : "");
}

std::string ProgramFolder() {
    std::filesystem::path program = ExecutablePath();
    if (program.empty()) program = programFromArgument;
    // With nothing to go on, the working folder is the best guess left.
    if (program.empty()) return ".";
    return NarrowPath(program.parent_path());
}

std::string NarrowPath(const std::filesystem::path& path) {
#if defined(_WIN32)
    const std::wstring& wide = path.native();
    if (wide.empty()) return {};
    const int length = static_cast<int>(wide.size());
    const int size =
        WideCharToMultiByte(CP_ACP, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), length, text.data(), size, nullptr, nullptr);
    return text;
#else
    return path.string();
#endif
}

}  // namespace ostrand
