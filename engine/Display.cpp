#include "Display.h"

#include <chrono>
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

double SystemSteadyClock() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

double (*clock)() = SystemSteadyClock;

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

std::string ProgramFolder() {
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return ".";
    return exe.parent_path().string();
}

}  // namespace ostrand
