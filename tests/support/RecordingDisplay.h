// A display that records what the engine reports, for the tests. Registers itself for its
// lifetime and goes back to the silent display when destroyed.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "Display.h"

namespace ostrand::test {

class RecordingDisplay : public Display {
  public:
    RecordingDisplay() { SetDisplay(this); }
    ~RecordingDisplay() override { SetDisplay(nullptr); }

    void SetEnabled(bool enabled) override { enabledChanges.push_back(enabled); }
    void RedrawBoard() override { ++redraws; }
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    void SetLabel(StatusLabel label, const std::string& text) override {
        labels[static_cast<size_t>(label)] = text;
        labelWrites.push_back(text);
    }
    std::string LabelText(StatusLabel label) const override {
        return labels[static_cast<size_t>(label)];
    }
    void SetProgressMaximum(int maximum) override { progressMaximum = maximum; }
    void SetProgressValue(int value) override { progressValue = value; }
    void ProcessEvents() override { ++eventRounds; }
    void ReportScore(int score) override { scores.push_back(score); }

    std::vector<bool> enabledChanges;
    int redraws = 0;
    std::vector<std::string> messages;
    std::array<std::string, 5> labels;
    std::vector<std::string> labelWrites;
    int progressMaximum = 0;
    int progressValue = 0;
    int eventRounds = 0;
    std::vector<int> scores;
};

}  // namespace ostrand::test
