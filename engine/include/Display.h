// What the engine needs from the program around it: a display to report to, and a clock.
//
// The engine only reports to the display; no engine result depends on it. Until a window
// registers itself the display is silent, so the engine runs headless in the console
// program and the tests.
#pragma once

#include <string>

namespace ostrand {

// The five statistics lines the search writes while it thinks.
enum class StatusLabel {
    Nodes,      // "Nodes: "
    BestValue,  // "Best Value: "
    Time,       // "Time: "
    Speed,      // "Nodes/Sec: "
    State,      // "State: " and the stage, then " / " and the evaluation
};

class Display {
  public:
    virtual ~Display() = default;

    // Off while a command runs, so that no click reaches the engine mid-search.
    virtual void SetEnabled(bool enabled) = 0;
    // Draws the board and repaints at once, so a move shows while the engine goes on.
    virtual void RedrawBoard() = 0;
    // A modal message box with an OK button; returns when the user has closed it.
    virtual void ShowMessage(const std::string& text) = 0;
    virtual void SetLabel(StatusLabel label, const std::string& text) = 0;
    virtual std::string LabelText(StatusLabel label) const = 0;
    virtual void SetProgressMaximum(int maximum) = 0;
    virtual void SetProgressValue(int value) = 0;
    // Lets the window handle its pending events (repaints) during a search.
    virtual void ProcessEvents() = 0;
    // The search begins an iteration of this nominal depth (2, 4, 6, 8, ...).
    virtual void ReportDepth(int /*depth*/) {}
    // The search has chosen a move: the best value of its last finished iteration, from the
    // engine's side (positive is good for the engine).
    virtual void ReportScore(int /*score*/) {}
    // The search begins the number-th root move of an iteration of depth 4 or more, a move
    // text as in RootMoves.
    virtual void ReportRootMove(const std::string& /*move*/, int /*number*/) {}
    // Called every few thousand nodes of a search, so that a host may handle its user's
    // input (a request to stop) without waiting for the next root move. It must not touch the
    // engine's state, and must be cheap: most calls should do nothing.
    virtual void PollInput() {}
};

// The display the engine reports to.
Display& TheDisplay();
// Registers the one display; nullptr goes back to the silent default.
void SetDisplay(Display* display);

// Seconds on a steady clock, from an arbitrary start: only differences of two readings
// mean anything, and no change of the wall clock (daylight saving, the user setting the
// time) reaches them.
double SteadySeconds();
// Replaces the clock (tests); nullptr goes back to the system's steady clock.
void SetClock(double (*clock)());

// Keeps the program's first argument (argv[0]): where the system cannot name the running
// executable, ProgramFolder works it out from there.
void SetProgramArgument(const char* argument);
// The folder of the running executable, without a trailing separator.
std::string ProgramFolder();

}  // namespace ostrand
