#include "Uci.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <istream>
#include <mutex>
#include <ostream>
#include <sstream>
#include <thread>

#include "BookFile.h"
#include "EngineBoard.h"
#include "Evaluation.h"
#include "MessageDisplay.h"
#include "OpeningBook.h"
#include "Search.h"
#include "Support.h"
#include "UciOptions.h"
#include "Variables.h"

namespace ostrand::uci {

namespace {

using chess::Colour;

// Standard castlings of the side to move that the rules allow now.
bool CanCastle(const chess::Position& position, int toFile) {
    const int home = position.toMove == Colour::White ? 1 : 8;
    const chess::Move castling{chess::SquareOf(5, home), chess::SquareOf(toFile, home), 0};
    const auto legal = chess::LegalMoves(position);
    return position.squares[static_cast<size_t>(castling.from)] == (home == 1 ? 'K' : 'k') &&
           std::find(legal.begin(), legal.end(), castling) != legal.end();
}

class Session {
  public:
    explicit Session(tools::LineOutput& out) : out_(out) {}
    ~Session() { WaitForSearch(); }

    // Handles one command line; false after "quit".
    bool Handle(const std::string& line);
    void WaitForSearch() {
        if (search_.joinable()) search_.join();
    }

  private:
    void Say(const std::string& line) { out_.Write(line); }
    void SetPosition(std::istringstream& args);
    void Go(std::istringstream& args);
    void Stop();
    void Search(int16_t depth);
    static void ReportIteration();
    static std::string ScoreText(int16_t value);

    tools::LineOutput& out_;  // every line of the session and of the engine's messages
    Options options_;
    std::string bookProblem_ = chess::LoadBook();
    std::mutex mutex_;  // guards what the search thread and "stop" share
    std::thread search_;
    bool infinite_ = false;
    bool stopped_ = false;
    std::string pendingBestMove_;  // an infinite search's answer, held until "stop"
    std::chrono::steady_clock::time_point searchStart_;
    chess::Position start_ = chess::StartPosition();
    std::vector<chess::Position> played_;
    // Mate in this many moves (negative: the engine is mated), as the shallowest iteration
    // of the running search that saw a king fall says; 0 until one does.
    int mateMoves_ = 0;

    static Session* searching_;
};

Session* Session::searching_ = nullptr;

bool Session::Handle(const std::string& line) {
    std::istringstream args(line);
    std::string command;
    if (!(args >> command)) return true;
    if (command == "uci") {
        Say("id name Ostrand Chess 6.0");
        Say("id author The Ostrand developers");
        for (const std::string& option : Options::Listing())
            Say(option);
        Say("uciok");
    } else if (command == "isready") {
        Say("readyok");
    } else if (command == "ucinewgame") {
        WaitForSearch();
        InitNewGame();
        start_ = chess::StartPosition();
        played_.clear();
    } else if (command == "position") {
        WaitForSearch();
        SetPosition(args);
    } else if (command == "go") {
        WaitForSearch();
        Go(args);
    } else if (command == "stop") {
        Stop();
    } else if (command == "quit") {
        StopRequested = true;
        WaitForSearch();
        return false;
    } else if (command == "setoption") {
        WaitForSearch();
        std::string rest, error;
        std::getline(args, rest);
        if (!options_.Set(rest, error)) Say("info string " + error);
        // A book that could not be read is reported once, when it is asked for.
        if (options_.OwnBook() && !bookProblem_.empty()) {
            Say("info string " + bookProblem_);
            bookProblem_.clear();
        }
    } else if (command == "debug" || command == "register") {
        // Nothing to debug or register.
    } else {
        Say("info string unknown command '" + command + "'");
    }
    return true;
}

void Session::SetPosition(std::istringstream& args) {
    std::string word;
    args >> word;
    chess::Position start;
    if (word == "startpos") {
        start = chess::StartPosition();
        if (!(args >> word)) word.clear();
    } else if (word == "fen") {
        std::string fen;
        while (args >> word && word != "moves") {
            if (!fen.empty()) fen += ' ';
            fen += word;
        }
        std::string error;
        if (!chess::ParseFen(fen, start, error)) {
            Say("info string position refused: " + error);
            return;
        }
        if (word != "moves") word.clear();
    } else {
        Say("info string position refused: expected startpos or fen");
        return;
    }
    if (!word.empty() && word != "moves") {
        Say("info string position refused: unexpected '" + word + "'");
        return;
    }

    std::vector<chess::Position> played;
    chess::Position position = start;
    while (args >> word) {
        chess::Move move;
        const auto legal = chess::LegalMoves(position);
        if (!chess::ParseMove(word, move) ||
            std::find(legal.begin(), legal.end(), move) == legal.end()) {
            Say("info string position refused: '" + word + "' is not a legal move here");
            return;
        }
        chess::Play(position, move);
        played.push_back(position);
    }
    start_ = start;
    played_ = std::move(played);
}

void Session::Go(std::istringstream& args) {
    const chess::Position& now = played_.empty() ? start_ : played_.back();
    const bool white = now.toMove == Colour::White;
    int16_t depth = 0;
    GoClock clock;
    infinite_ = stopped_ = false;
    pendingBestMove_.clear();
    std::string word;
    while (args >> word) {
        if (word == "depth") {
            int n = 0;
            if (!(args >> n) || n < 1) {
                Say("info string go depth needs a positive number; searching by time");
                args.clear();
                continue;
            }
            depth = static_cast<int16_t>(std::min(n, 10));
        } else if (word == "infinite") {
            infinite_ = true;
        } else if (word == "wtime" || word == "btime" || word == "winc" || word == "binc" ||
                   word == "movestogo" || word == "movetime") {
            int64_t n = 0;
            if (!(args >> n)) {
                Say("info string go " + word + " needs a number");
                args.clear();
                continue;
            }
            if (word == (white ? "wtime" : "btime")) clock.timeLeft = n;
            if (word == (white ? "winc" : "binc")) clock.increment = n;
            if (word == "movestogo") clock.movesToGo = n;
            if (word == "movetime") clock.moveTime = n;
        } else if (word == "nodes" || word == "mate") {
            args >> word;  // searched by the clock or the engine's own time rules
        } else if (word != "ponder") {
            Say("info string go: ignoring '" + word + "'");
        }
    }
    if (chess::LegalMoves(now).empty()) {
        Say("info string no legal move in this position");
        Say("bestmove 0000");
        return;
    }
    if (const std::string note = SetUpGame(start_, played_); !note.empty())
        Say("info string " + note);
    // "infinite" waits for "stop" whatever the clock says.
    SearchBudget = infinite_ ? TimeBudget{} : PlanBudget(clock);
    mateMoves_ = 0;
    StopRequested = false;  // a "stop" that came after the last search had ended
    searchStart_ = std::chrono::steady_clock::now();
    search_ = std::thread([this, depth] { Search(depth); });
}

void Session::Search(int16_t depth) {
    const chess::Position& now = played_.empty() ? start_ : played_.back();
    searching_ = this;
    UseLevel(options_.Playing());
    UseBook = options_.OwnBook();
    // "go depth" searches no deeper than the level does.
    if (depth != 0 && (DepthLimit == 0 || depth < DepthLimit)) DepthLimit = depth;
    IterationDone = ReportIteration;
    const std::string found = FindBestMove();
    IterationDone = nullptr;
    UseLevel(Levels.front());
    UseBook = false;
    SearchBudget = {};
    searching_ = nullptr;

    const auto standard = chess::StandardMove(found, now, now.toMove);
    chess::Move move = standard.value_or(chess::Move{});
    const auto legal = chess::LegalMoves(now);
    if (!standard || std::find(legal.begin(), legal.end(), move) == legal.end()) {
        Say("info string the engine's move '" + found + "' is not legal here; playing " +
            chess::MoveText(legal.front()) + " instead");
        move = legal.front();
    }
    const std::string answer = "bestmove " + chess::MoveText(move);
    std::lock_guard lock(mutex_);
    if (infinite_ && !stopped_) {
        pendingBestMove_ = answer;
        return;
    }
    Say(answer);
}

void Session::Stop() {
    if (search_.joinable()) StopRequested = true;
    std::lock_guard lock(mutex_);
    stopped_ = true;
    if (!pendingBestMove_.empty()) {
        Say(pendingBestMove_);
        pendingBestMove_.clear();
    }
}

// A root value as the score of an info line. The engine's values carry no distance to mate:
// a king's capture moves the value a king's worth from the material on the board, and
// nothing else comes near half of that. An iteration of depth D tries every move up to ply
// D, so it sees the mates in up to (D - 2) / 2 moves: the engine takes the king at ply D - 1
// at the latest, the opponent at ply D. The iteration before it saw none, so the shallowest
// iteration that sees a mate gives its length.
std::string Session::ScoreText(int16_t value) {
    const int lead = value - MaterialSum();
    const int falls = lead >= Piece::King / 2 ? 1 : lead <= -Piece::King / 2 ? -1 : 0;
    if (falls == 0) return "cp " + std::to_string(value);
    int& moves = searching_->mateMoves_;
    if (moves * falls <= 0) moves = falls * std::max(1, (SearchDepth - 2) / 2);
    return "mate " + std::to_string(moves);
}

// After every iteration: its depth, score (the engine's, which is the side to move's
// view), time, nodes, speed and best move so far.
void Session::ReportIteration() {
    Session& session = *searching_;
    size_t best = 0;
    for (size_t i = 1; i <= RootMoves.size() / 4; ++i)
        if (best == 0 || RootScores[i] > RootScores[best]) best = i;
    if (best == 0) return;
    const chess::Position& now = session.played_.empty() ? session.start_ : session.played_.back();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - session.searchStart_)
            .count();
    const auto nps = seconds > 0 ? static_cast<int64_t>(NodeCount / seconds) : 0;
    std::ostringstream line;
    line << "info depth " << SearchDepth << " score " << ScoreText(PlyValue(0)) << " time "
         << static_cast<int64_t>(seconds * 1000) << " nodes " << NodeCount << " nps " << nps
         << " pv "
         << chess::MoveText(
                chess::StandardMove(RootMoves.substr(4 * (best - 1), 4), now, now.toMove)
                    .value_or(chess::Move{}));
    session.Say(line.str());
}

}  // namespace

std::string SetUpGame(const chess::Position& start, const std::vector<chess::Position>& played) {
    const chess::Position& now = played.empty() ? start : played.back();
    const std::string note = chess::SetUpEngine(now, now.toMove);
    for (const chess::Position& p : played)
        PositionHistory.push_back(chess::EngineKey(p, now.toMove));
    // The engine does not count a pawn's attack on an empty square; the rules do.
    if (!CanCastle(now, 7)) CastleFlags[Castle::BlackKingNow] = No;
    if (!CanCastle(now, 3)) CastleFlags[Castle::BlackQueenNow] = No;
    return note;
}

void Run(std::istream& in, std::ostream& out) {
    tools::MessageDisplay display(out, "info string ");  // messages as information lines
    InitNewGame();
    Session session(display.Output());
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!session.Handle(line)) break;
    }
    session.WaitForSearch();
}

}  // namespace ostrand::uci
