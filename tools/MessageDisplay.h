// The display of the console modes: a message box becomes a line of text, "PREFIX TEXT";
// the statistics and the redraws have nowhere to go.
#pragma once

#include <mutex>
#include <ostream>
#include <string>

#include "Display.h"

namespace ostrand::tools {

// Lines of text to one stream from any thread: each line is written whole, under one lock.
class LineOutput {
  public:
    explicit LineOutput(std::ostream& out) : out_(out) {}
    void Write(const std::string& line) {
        std::lock_guard lock(mutex_);
        out_ << line << std::endl;
    }

  private:
    std::ostream& out_;
    std::mutex mutex_;
};

class MessageDisplay : public Display {
  public:
    // Registers itself as the engine's display for its lifetime.
    MessageDisplay(std::ostream& out, std::string prefix) : out_(out), prefix_(std::move(prefix)) {
        SetDisplay(this);
    }
    ~MessageDisplay() override { SetDisplay(nullptr); }

    void SetEnabled(bool) override {}
    void RedrawBoard() override {}
    void ShowMessage(const std::string& text) override { out_.Write(prefix_ + text); }
    void SetLabel(StatusLabel, const std::string&) override {}
    std::string LabelText(StatusLabel) const override { return {}; }
    void SetProgressMaximum(int) override {}
    void SetProgressValue(int) override {}
    void ProcessEvents() override {}

    // The output the messages go to; a program writing its own lines through it shares the
    // messages' lock.
    LineOutput& Output() { return out_; }

  private:
    LineOutput out_;
    std::string prefix_;
};

}  // namespace ostrand::tools
