// What a front end hears from the game session. Every call comes after the session has
// settled: a move that ends the game is recorded and both clocks are stopped before
// GameEnded, so a message box the front end opens there can change nothing.
#pragma once

#include <string>

#include "Display.h"
#include "Outcome.h"

namespace ostrand::game {

class SessionListener {
  public:
    virtual ~SessionListener() = default;

    // The board changed: draw it from GameSession::PieceAt. Mid-search too (the engine shows
    // the moves it commits), so draw at once.
    virtual void BoardChanged() = 0;
    // The game's steps, moves, status or result changed: the move list, the status line and
    // the actions follow.
    virtual void GameChanged() = 0;
    // The engine starts (true) or ends (false) thinking; the player's input waits meanwhile.
    virtual void ThinkingChanged(bool thinking) = 0;
    // The search begins an iteration of this nominal depth.
    virtual void DepthReached(int /*depth*/) {}
    // One of the five statistics lines, as the engine writes it (English captions).
    virtual void StatisticChanged(StatusLabel label, const std::string& text) = 0;
    virtual void ProgressChanged(int value, int maximum) = 0;
    // The clocks' times or the running side changed (also called about ten times a second
    // while a clock runs, from Tick).
    virtual void ClocksChanged() {}
    // The game has ended; message is the engine's own announcement ("Check Mate!",
    // "Stale Mate!") when the engine made it, else empty.
    virtual void GameEnded(Ending ending, const std::string& message) = 0;
    // A fault the player must hear of: a table file or the saved game that cannot be read or
    // written, the opening book that cannot be read. English, for messages::Translated.
    virtual void Problem(const std::string& message) = 0;
    // The search lets the front end handle its pending events (repaints, a key that stops
    // it); PollInput is called every few thousand nodes and must be cheap.
    virtual void ProcessEvents() = 0;
    virtual void PollInput() {}
};

}  // namespace ostrand::game
