#include "Uci.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <chrono>
#include <cmath>
#include <istream>
#include <iterator>
#include <map>
#include <mutex>
#include <ostream>
#include <sstream>
#include <thread>

#include "BookFile.h"
#include "EngineBoard.h"
#include "Evaluation.h"
#include "MasterSearch.h"
#include "MessageDisplay.h"
#include "Search.h"
#include "SearchSettings.h"
#include "Support.h"
#include "UciOptions.h"
#include "Variables.h"
#include "Version.h"

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

// Option names compare without regard to case, as the protocol has them.
bool SameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

// The text with each byte that begins no valid UTF-8 sequence (a stray continuation byte, a
// cut sequence, an overlong form, a surrogate, a code beyond U+10FFFF) replaced by U+FFFD:
// what the engine writes quotes the host's input, which may hold anything.
std::string ValidUtf8(std::string_view text) {
    std::string valid;
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const size_t length = lead < 0x80           ? 1
                              : (lead >> 5) == 0x06 ? 2
                              : (lead >> 4) == 0x0e ? 3
                              : (lead >> 3) == 0x1e ? 4
                                                    : 0;
        uint32_t code = lead & (0x7f >> length);
        bool ok = length != 0 && i + length <= text.size();
        for (size_t k = 1; ok && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            ok = (next & 0xc0) == 0x80;
            code = code << 6 | (next & 0x3f);
        }
        constexpr uint32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
        ok = ok && code >= least[length] && (code < 0xd800 || code > 0xdfff) && code <= 0x10ffff;
        if (ok) {
            valid.append(text, i, length);
            i += length;
        } else {
            valid += "\xEF\xBF\xBD";
            ++i;
        }
    }
    return valid;
}

// The most lines that MultiPV may ask for.
constexpr int MostLines = 50;
// How often a long search says how far it has come.
constexpr double ReportEvery = 1.0;

// The protocol, and the display of the engine's searches: their messages and reports become
// information lines.
class Session final : public tools::MessageDisplay {
  public:
    explicit Session(std::ostream& out) : MessageDisplay(out, "info string ") {}
    ~Session() override { EndSearch(); }

    // Handles one command line; false after "quit".
    bool Handle(const std::string& line);
    // Stops a running search, its "bestmove" said, and waits for it to end.
    void EndSearch() {
        if (!search_.joinable()) return;
        Stop();
        search_.join();
    }
    // At the end of the input a search that ends by itself is waited for.
    void EndOfInput() {
        if (infinite_ || pondering_) Stop();
        if (search_.joinable()) search_.join();
    }

    // Called by the search, on its thread.
    void ReportDepth(int depth) override { depth_ = depth; }
    void ReportRootMove(const std::string& move, int number) override;
    void PollInput() override;

  private:
    void Say(const std::string& line) { Output().Write(ValidUtf8(line)); }
    void PonderHit();
    const chess::Position& Now() const { return played_.empty() ? start_ : played_.back(); }
    void SetOption(std::istringstream& args);
    void SetPosition(std::istringstream& args);
    void Go(std::istringstream& args);
    std::string RootMovesOf(const std::vector<std::string>& moves);
    void Stop();
    void Search(const game::SearchSettings& settings);
    double Seconds() const {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - searchStart_)
            .count();
    }
    std::string Progress() const;
    std::string LineText(const std::string& engineLine) const;
    static void ReportIteration();
    std::string ScoreText(const std::string& move, int16_t value);

    Options options_;
    std::string bookProblem_ = chess::LoadBook();
    std::mutex mutex_;  // guards what the search thread and "stop" share
    std::thread search_;
    bool infinite_ = false;
    bool stopped_ = false;
    std::string pendingBestMove_;  // an infinite or pondering search's answer, held until "stop"
    // A "go ponder" search runs as an infinite one until "ponderhit", after which it has the
    // time its plan gives, from then on; the time of the "ponderhit", -1 before it.
    std::atomic<bool> pondering_{false};
    std::atomic<double> ponderHitAt_{-1};
    TimeBudget ponderPlan_;
    chess::Position start_ = chess::StartPosition();
    std::vector<chess::Position> played_;
    int multiPv_ = 1;  // the option; the running search keeps its own copy in lines_

    // Set before a search starts, read by its thread.
    std::chrono::steady_clock::time_point searchStart_;
    int lines_ = 1;
    int64_t nodeLimit_ = 0;  // 0: none
    // Kept by the search thread.
    int depth_ = 0;
    double lastReport_ = 0;
    // Mate in this many moves (negative: the engine is mated) for each root move, as the
    // shallowest iteration of the running search that saw its king fall says.
    std::map<std::string, int> mateMoves_;

    static Session* searching_;
};

Session* Session::searching_ = nullptr;

bool Session::Handle(const std::string& line) {
    std::istringstream args(line);
    std::string command;
    if (!(args >> command)) return true;
    if (command == "uci") {
        Say(std::string("id name Ostrand Chess ") + Version);
        Say("id author The Ostrand developers");
        Say("option name MultiPV type spin default 1 min 1 max " + std::to_string(MostLines));
        for (const std::string& option : Options::Listing())
            Say(option);
        Say("uciok");
    } else if (command == "isready") {
        Say("readyok");
    } else if (command == "ucinewgame") {
        EndSearch();
        InitNewGame();
        ClearHash();
        start_ = chess::StartPosition();
        played_.clear();
    } else if (command == "position") {
        EndSearch();
        SetPosition(args);
    } else if (command == "go") {
        EndSearch();
        Go(args);
    } else if (command == "stop") {
        Stop();
    } else if (command == "quit") {
        EndSearch();
        return false;
    } else if (command == "setoption") {
        SetOption(args);
    } else if (command == "ponderhit") {
        PonderHit();
    } else if (command == "debug" || command == "register") {
        // Nothing to debug or register.
    } else {
        Say("info string unknown command '" + command + "'");
    }
    return true;
}

// "setoption name NAME [value VALUE]", where both may be several words.
void Session::SetOption(std::istringstream& args) {
    std::string word, name, value;
    std::string* into = nullptr;
    while (args >> word) {
        if (word == "name" && into == nullptr) {
            into = &name;
        } else if (word == "value" && into == &name) {
            into = &value;
        } else if (into != nullptr) {
            if (!into->empty()) *into += ' ';
            *into += word;
        }
    }
    if (SameName(name, "MultiPV")) {
        int lines = 0;
        std::istringstream number(value);
        if (!(number >> lines) || !number.eof() || lines < 1 || lines > MostLines) {
            Say("info string MultiPV takes a number from 1 to " + std::to_string(MostLines));
            return;
        }
        multiPv_ = lines;
        return;
    }
    if (std::string error; !options_.Set(name, value, error)) Say("info string " + error);
    // A book that could not be read is reported once, when it is asked for.
    if (options_.OwnBook() && !bookProblem_.empty()) {
        Say("info string " + bookProblem_);
        bookProblem_.clear();
    }
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

// The engine's move texts of the "searchmoves" that it can search here, with one line on
// those it cannot.
std::string Session::RootMovesOf(const std::vector<std::string>& moves) {
    const chess::Position& now = Now();
    const auto legal = chess::LegalMoves(now);
    std::string texts, refused;
    for (const std::string& word : moves) {
        chess::Move move;
        std::string text, error;
        if (!chess::ParseMove(word, move) ||
            std::find(legal.begin(), legal.end(), move) == legal.end())
            error = "not legal here";
        else
            chess::EngineMove(now, move, now.toMove, text, error);
        if (error.empty())
            texts += text;
        else
            refused += (refused.empty() ? "" : ", ") + word + " (" + error + ")";
    }
    if (!refused.empty())
        Say("info string searchmoves: leaving out " + refused +
            (texts.empty() ? "; searching every move" : ""));
    return texts;
}

void Session::Go(std::istringstream& args) {
    const chess::Position& now = Now();
    const bool white = now.toMove == Colour::White;
    const std::vector<std::string> words{std::istream_iterator<std::string>(args), {}};
    std::optional<int64_t> depth, mate;
    std::vector<std::string> searchMoves;
    bool ponder = false;
    GoClock clock;
    infinite_ = stopped_ = false;
    nodeLimit_ = 0;
    pendingBestMove_.clear();
    auto isKeyword = [](const std::string& word) {
        for (const char* keyword : {"searchmoves", "ponder", "wtime", "btime", "winc", "binc",
                                    "movestogo", "depth", "nodes", "mate", "movetime", "infinite"})
            if (word == keyword) return true;
        return false;
    };
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word == "infinite" || word == "ponder") {
            infinite_ = infinite_ || word == "infinite";
            ponder = ponder || word == "ponder";
            continue;
        }
        if (word == "searchmoves") {
            while (i + 1 < words.size() && !isKeyword(words[i + 1]))
                searchMoves.push_back(words[++i]);
            continue;
        }
        if (!isKeyword(word)) {
            Say("info string go: ignoring '" + word + "'");
            continue;
        }
        int64_t n = 0;
        const bool counts = word == "depth" || word == "nodes" || word == "mate";
        std::istringstream number(i + 1 < words.size() ? words[i + 1] : "");
        const bool read = number >> n && number.eof();
        if (read || (i + 1 < words.size() && !isKeyword(words[i + 1]))) ++i;
        if (!read || (counts && n < 1)) {
            Say("info string go " + word +
                (counts ? " needs a positive number" : " needs a number") + "; leaving it out");
            continue;
        }
        if (word == "depth") depth = n;
        if (word == "mate") mate = n;
        if (word == "nodes") nodeLimit_ = n;
        if (word == (white ? "wtime" : "btime")) clock.timeLeft = n;
        if (word == (white ? "winc" : "binc")) clock.increment = n;
        if (word == "movestogo") clock.movesToGo = n;
        if (word == "movetime") clock.moveTime = n;
    }
    if (chess::LegalMoves(now).empty()) {
        Say("info string no legal move in this position");
        Say("bestmove 0000");
        return;
    }
    Rules = options_.Rules();
    if (const std::string note = SetUpGame(start_, played_); !note.empty())
        Say("info string " + note);
    // A mate in N moves is seen by the iteration of depth 2N + 2. Without a depth the
    // search deepens until the clock, a node count or "stop" ends it.
    int64_t deepest = depth.value_or(DeepestDepth);
    if (mate) deepest = std::min(deepest, 2 * *mate + 2);
    if (!depth && !mate && !infinite_ && !ponder && nodeLimit_ == 0) deepest = 0;
    // A level searches no deeper than its depth. A mate is asked of a search, never of the
    // book (the engine gives way to searchmoves and MultiPV itself).
    game::SearchSettings settings =
        game::SearchSettings::AtLevel(options_.Playing(), options_.OwnBook() && !mate);
    const auto asked = static_cast<int16_t>(std::min<int64_t>(deepest, DeepestDepth));
    if (settings.depthLimit == 0 || (asked != 0 && asked < settings.depthLimit))
        settings.depthLimit = asked;
    settings.openingStopsAtSix = false;
    settings.hashMegabytes = options_.Hash();
    // "infinite" waits for "stop" whatever the clock says, and pondering for "ponderhit".
    const bool master = settings.style == SearchStyle::Master;
    ponderPlan_ = master ? PlanMasterBudget(clock, now.fullmove) : PlanBudget(clock);
    pondering_ = ponder && !infinite_;
    ponderHitAt_ = -1;
    settings.budget = infinite_ || pondering_ ? TimeBudget{} : ponderPlan_;
    MasterProgress = {};
    settings.searchMovesOnly = RootMovesOf(searchMoves);
    settings.lines = lines_ = multiPv_;
    settings.iterationDone = ReportIteration;
    mateMoves_.clear();
    depth_ = 0;
    lastReport_ = 0;
    StopRequested = false;  // a "stop" that came after the last search had ended
    searchStart_ = std::chrono::steady_clock::now();
    search_ = std::thread([this, settings] { Search(settings); });
}

void Session::Search(const game::SearchSettings& settings) {
    const chess::Position& now = Now();
    searching_ = this;
    const std::string found = game::Search(settings);
    searching_ = nullptr;

    const auto standard = chess::StandardMove(found, now, now.toMove);
    chess::Move move = standard.value_or(chess::Move{});
    const auto legal = chess::LegalMoves(now);
    if (!standard || std::find(legal.begin(), legal.end(), move) == legal.end()) {
        Say("info string the engine's move '" + found + "' is not legal here; playing " +
            chess::MoveText(legal.front()) + " instead");
        move = legal.front();
    }
    std::string answer = "bestmove " + chess::MoveText(move);
    // The Master search's line gives the reply it expects, which a host may ponder on.
    if (settings.style == SearchStyle::Master && !MasterProgress.lines.empty()) {
        std::istringstream line(LineText(MasterProgress.lines.front().moves));
        std::string first, reply;
        if (line >> first >> reply && first == chess::MoveText(move)) answer += " ponder " + reply;
    }
    std::lock_guard lock(mutex_);
    if ((infinite_ || pondering_) && !stopped_) {
        pendingBestMove_ = answer;
        return;
    }
    Say(answer);
}

void Session::PonderHit() {
    std::lock_guard lock(mutex_);
    if (!pondering_) return;
    ponderHitAt_ = Seconds();
    pondering_ = false;
    if (!pendingBestMove_.empty()) {
        Say(pendingBestMove_);
        pendingBestMove_.clear();
    }
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

// The time, nodes and speed of the running search so far.
std::string Session::Progress() const {
    const double seconds = Seconds();
    const auto nps = seconds > 0 ? static_cast<int64_t>(NodeCount / seconds) : 0;
    return "time " + std::to_string(static_cast<int64_t>(seconds * 1000)) + " nodes " +
           std::to_string(NodeCount) + " nps " + std::to_string(nps);
}

void Session::ReportRootMove(const std::string& move, int number) {
    if (Seconds() < ReportEvery) return;  // a quick search needs no running commentary
    const auto standard = chess::StandardMove(move, Now(), Now().toMove);
    if (!standard) return;
    Say("info depth " + std::to_string(depth_) + " currmove " + chess::MoveText(*standard) +
        " currmovenumber " + std::to_string(number));
}

void Session::PollInput() {
    if (nodeLimit_ > 0 && NodeCount >= nodeLimit_) StopRequested = true;
    const double hit = ponderHitAt_;
    if (hit >= 0 && ponderPlan_.limit > 0 &&
        Seconds() - hit >= std::min(ponderPlan_.target, ponderPlan_.limit))
        StopRequested = true;
    const double seconds = Seconds();
    if (seconds - lastReport_ < ReportEvery) return;
    lastReport_ = seconds;
    Say("info depth " + std::to_string(depth_) + " " + Progress());
}

// A line of engine move texts as standard moves, up to the first that the standard rules
// do not allow there (the engine's search ends some lines by taking a king).
std::string Session::LineText(const std::string& engineLine) const {
    chess::Position position = Now();
    const Colour engine = position.toMove;
    std::string text;
    for (size_t i = 0; i + 4 <= engineLine.size(); i += 4) {
        const auto move = chess::StandardMove(engineLine.substr(i, 4), position, engine);
        const auto legal = chess::LegalMoves(position);
        if (!move || std::find(legal.begin(), legal.end(), *move) == legal.end()) break;
        if (!text.empty()) text += ' ';
        text += chess::MoveText(*move);
        chess::Play(position, *move);
    }
    return text;
}

// A root move's value as the score of an info line. The engine's values carry no distance
// to mate: a king's capture moves the value a king's worth from the material on the board,
// and nothing else comes near half of that. An iteration of depth D tries every move up to
// ply D, so it sees the mates in up to (D - 2) / 2 moves: the engine takes the king at ply
// D - 1 at the latest, the opponent at ply D. The iteration before it saw none, so the
// shallowest iteration that sees a mate gives its length.
std::string Session::ScoreText(const std::string& move, int16_t value) {
    const int lead = value - MaterialSum();
    const int falls = lead >= Piece::King / 2 ? 1 : lead <= -Piece::King / 2 ? -1 : 0;
    if (falls == 0) return "cp " + std::to_string(value);
    int& moves = mateMoves_[move];
    if (moves * falls <= 0) moves = falls * std::max(1, (SearchDepth - 2) / 2);
    return "mate " + std::to_string(moves);
}

// After every iteration: its depth, then for each of the best lines asked for its score (the
// engine's, which is the side to move's view), time, nodes, speed and moves. The Master
// search's scores know the distance to mate, and its lines go on from its table.
void Session::ReportIteration() {
    Session& session = *searching_;
    if (Style == SearchStyle::Master) {
        const MasterReport& report = MasterProgress;
        for (size_t k = 0; k < report.lines.size(); ++k) {
            const MasterLine& each = report.lines[k];
            const int mate = MateMoves(each.score);
            session.Say(
                "info depth " + std::to_string(report.depth) + " seldepth " +
                std::to_string(report.selectiveDepth) + " multipv " + std::to_string(k + 1) +
                " score " +
                (mate ? "mate " + std::to_string(mate) : "cp " + std::to_string(each.score)) + " " +
                session.Progress() + " hashfull " + std::to_string(report.hashFull) + " pv " +
                session.LineText(each.moves));
        }
        session.lastReport_ = session.Seconds();
        return;
    }
    const size_t entries = RootMoves.size() / 4;
    std::vector<size_t> order(entries);
    for (size_t i = 0; i < entries; ++i)
        order[i] = i + 1;
    // Best first, the earlier of equal scores first, as the engine chooses.
    std::sort(order.begin(), order.end(), [](size_t a, size_t b) {
        return RootScores[a] != RootScores[b] ? RootScores[a] > RootScores[b] : a < b;
    });
    const size_t shown = std::min(order.size(), static_cast<size_t>(session.lines_));
    for (size_t k = 0; k < shown; ++k) {
        const size_t entry = order[k];
        const std::string pv = session.LineText(RootLines[entry]);
        if (pv.empty()) continue;
        std::string line = "info depth " + std::to_string(SearchDepth);
        if (session.lines_ > 1) line += " multipv " + std::to_string(k + 1);
        line +=
            " score " + session.ScoreText(RootMoves.substr(4 * (entry - 1), 4), RootScores[entry]);
        session.Say(line + " " + session.Progress() + " pv " + pv);
    }
    session.lastReport_ = session.Seconds();
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
    Session session(out);
    InitNewGame();
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!session.Handle(line)) return;
    }
    session.EndOfInput();
}

}  // namespace ostrand::uci
