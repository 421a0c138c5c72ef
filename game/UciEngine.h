// A UCI engine in a child process, spoken to over pipes: the driver of an analysis. Every wait
// has a deadline, so an engine that hangs or dies ends in a message rather than a stuck
// program. Only on POSIX systems; elsewhere Start says that analysis is not available.
#pragma once

#include <atomic>
#include <chrono>
#include <string>
#include <vector>

#include "StandardChess.h"

namespace ostrand::game {

// An engine's answer for one position: its last score and line, and its move.
struct EngineAnswer {
    // The score from the side to move's view: centipawns, or moves to mate when mate is set
    // (negative when the side to move is mated).
    int score = 0;
    bool mate = false;
    // The principal variation in UCI moves, and the move played: "(none)" or "0000" when the
    // position has no move.
    std::vector<std::string> pv;
    std::string bestmove;
};

class UciEngine {
  public:
    // Every wait ends within a fraction of a second once cancel (if given) becomes true.
    explicit UciEngine(const std::atomic<bool>* cancel = nullptr) : cancel_(cancel) {}
    // Ends the engine: "quit", then a kill if it does not go.
    ~UciEngine();
    UciEngine(const UciEngine&) = delete;
    UciEngine& operator=(const UciEngine&) = delete;

    // Starts program with arguments and waits for "uciok" and "readyok". False with a message
    // when it cannot be started or does not answer as an engine within the timeout.
    bool Start(const std::string& program, const std::vector<std::string>& arguments,
               std::string& error, std::chrono::milliseconds timeout = std::chrono::seconds(10));
    // The engine's "id name", or the program's file name.
    const std::string& Name() const { return name_; }
    // "ucinewgame" and "isready".
    bool NewGame(std::string& error);
    // Searches the position after moves from start for movetime milliseconds. False with a
    // message when the engine dies, does not answer within movetime plus a grace, answers
    // nonsense, or the wait is cancelled.
    bool Analyse(const chess::Position& start, const std::vector<chess::Move>& moves,
                 int movetimeMs, EngineAnswer& answer, std::string& error);

  private:
    // A line from the engine, waiting until the deadline; false with a message.
    bool ReadLine(std::string& line, std::chrono::steady_clock::time_point deadline,
                  std::string& error);
    bool Send(const std::string& line, std::string& error);
    // Waits for a line that starts with word.
    bool WaitFor(const std::string& word, std::chrono::milliseconds timeout, std::string& error);
    void Stop();

    const std::atomic<bool>* cancel_ = nullptr;
    int pid_ = -1;
    int toEngine_ = -1;
    int fromEngine_ = -1;
    std::string buffer_;
    std::string name_;
};

}  // namespace ostrand::game
