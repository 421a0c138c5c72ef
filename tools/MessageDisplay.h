// The display of the console modes: a message box becomes a line of text, "PREFIX TEXT";
// the statistics and the redraws have nowhere to go.
#pragma once

#include <ostream>
#include <string>

#include "Display.h"

namespace ostrand::tools {

class MessageDisplay final : public Display {
  public:
    // Registers itself as the engine's display for its lifetime.
    MessageDisplay(std::ostream& out, std::string prefix) : out_(out), prefix_(std::move(prefix)) {
        SetDisplay(this);
    }
    ~MessageDisplay() override { SetDisplay(nullptr); }

    void SetEnabled(bool) override {}
    void RedrawBoard() override {}
    void ShowMessage(const std::string& text) override { out_ << prefix_ << text << std::endl; }
    void SetLabel(StatusLabel, const std::string&) override {}
    std::string LabelText(StatusLabel) const override { return {}; }
    void SetProgressMaximum(int) override {}
    void SetProgressValue(int) override {}
    void ProcessEvents() override {}

  private:
    std::ostream& out_;
    std::string prefix_;
};

}  // namespace ostrand::tools
