#include "Display.h"

#include <chrono>
#include <ctime>
#include <filesystem>
#include <system_error>

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

double SystemClock() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t t = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&t, &local);
    const double fraction = duration<double>(now - system_clock::from_time_t(t)).count();
    return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + fraction;
}

double (*clock)() = SystemClock;

}  // namespace

Display& TheDisplay() {
    return *current;
}

void SetDisplay(Display* display) {
    current = display ? display : &silent;
}

double SecondsSinceMidnight() {
    return clock();
}

void SetClock(double (*replacement)()) {
    clock = replacement ? replacement : SystemClock;
}

std::string ProgramFolder() {
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return ".";
    return exe.parent_path().string();
}

}  // namespace ostrand
