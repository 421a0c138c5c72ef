// The review of a finished game: an engine's score of every position, each move marked by how
// much of its expected score it gave away, the better move, a summary per side and the points
// of an evaluation graph. The analysis comes from a run of a UCI engine (Analyser) or from an
// annotated PGN written before, which needs no engine.
#pragma once

#include <atomic>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "Pgn.h"
#include "StandardChess.h"

namespace ostrand::game {

// An engine's score of a position, from White's view.
struct Score {
    enum class Kind { Centipawns, WhiteMates, BlackMates };
    Kind kind = Kind::Centipawns;
    // Centipawns, positive when White stands better; for a mate, the moves to it (0: the side
    // to move is checkmated).
    int value = 0;

    static Score Centipawns(int value) { return {Kind::Centipawns, value}; }
    // A mate in moves from the side to move's view as UCI gives it: positive when the side to
    // move mates, negative when it is mated.
    static Score Mate(int moves, chess::Colour toMove);
    bool IsMate() const { return kind != Kind::Centipawns; }
    // White's expected score in percent: 50 for equality, 100 when White mates.
    double WhiteExpectation() const;
    // As annotated PGN writes it, in pawns from White's view: "0.34", "-1.20", "#3", "#-2".
    std::string EvalText() const;
    // Reads EvalText's forms; false for anything else.
    static bool ParseEval(std::string_view text, Score& score);
    bool operator==(const Score&) const = default;
};

// Web sites' marks of a move by its loss of expected score.
enum class Mark { None, Inaccuracy, Mistake, Blunder };
// The loss of expected score (percentage points, the mover's view) from which a move earns
// each mark.
constexpr double InaccuracyLoss = 10;
constexpr double MistakeLoss = 20;
constexpr double BlunderLoss = 30;
// "?!", "?", "??"; empty for None.
std::string_view MarkText(Mark mark);
// The numeric annotation glyph of a mark: 6, 2, 4; 0 for None.
int MarkNag(Mark mark);
// The mark of a move-assessment glyph $2, $4, $6; None for any other.
Mark MarkOfNag(int nag);

// What the engine found in one position of the game.
struct PositionAnalysis {
    Score score;
    // The engine's best move, as UCI ("e2e4") and as SAN ("e4"); empty when the game is over
    // in this position.
    std::string bestUci;
    std::string bestSan;
    // The engine's line from this position in SAN, starting with its best move.
    std::vector<std::string> line;
    bool operator==(const PositionAnalysis&) const = default;
};

// The verdict on one move of the game.
struct MoveVerdict {
    Mark mark = Mark::None;
    // Expected score lost by the move, in percentage points from the mover's view (0 to 100).
    double loss = 0;
    // Centipawns lost by the move, mates counted as the cap, at most CentipawnLossCap.
    int centipawnLoss = 0;
    // For a marked move: the engine's better move and its line in SAN, and the better move's
    // squares for an arrow on the board; empty and -1 otherwise.
    std::string betterSan;
    std::vector<std::string> betterLine;
    int betterFrom = -1;
    int betterTo = -1;
    bool operator==(const MoveVerdict&) const = default;
};

// The centipawn loss of a single move counts at most this much in the average, as players
// know the average loss.
constexpr int CentipawnLossCap = 1000;

// The counts and the average loss of one side's moves.
struct SideSummary {
    int inaccuracies = 0;
    int mistakes = 0;
    int blunders = 0;
    // Average centipawn loss over the side's judged moves; 0 without any.
    int averageLoss = 0;
    int movesJudged = 0;
    bool operator==(const SideSummary&) const = default;
};

// A game and the analysis of its positions: positions[i] is the position before moves[i], the
// last the final position. A run that stopped early holds fewer positions than moves + 1.
struct GameAnalysis {
    chess::Position start = chess::StartPosition();
    std::vector<chess::Move> moves;
    std::vector<PositionAnalysis> positions;
    // Marks read from an annotated PGN for moves whose positions have no score; a mark here
    // stands for the move until both its positions are scored.
    std::vector<Mark> readMarks;

    bool Complete() const { return positions.size() == moves.size() + 1; }
    // The verdict on moves[i]: judged from the scores of positions i and i + 1 when both are
    // known, otherwise the mark read, if any.
    MoveVerdict Verdict(size_t move) const;
    // The summary of side's moves.
    SideSummary Summary(chess::Colour side) const;
    // One point per analysed position, from -1 (Black mates) to 1 (White mates): White's
    // expected score on a linear scale, so that a graph shows the swings that decide games.
    std::vector<double> GraphPoints() const;
};

// The game as annotated PGN: after each analysed move a comment "[%eval 0.34]" with the
// score of the position it reached, its mark as a glyph and, for a marked move, the better
// move and line as a variation; the start position's score in a comment before the first
// move. Tags, result and other comments come from game.
chess::PgnGame AnnotatedPgn(const GameAnalysis& analysis, const chess::PgnGame& game);
// The analysis written in an annotated PGN game, without an engine: the scores of "[%eval]"
// comments, the marks of the glyphs and the better moves of the variations. False when the
// game holds no evaluation at all.
bool AnalysisFromPgn(const chess::PgnGame& game, GameAnalysis& analysis);

// The engine an analysis runs and for how long it thinks about each position.
struct EngineChoice {
    std::string program;
    std::vector<std::string> arguments;
    int movetimeMs = 1000;
};

// The built-in engine: the console program ostrand-engine in its UCI mode, found from the
// running program's path (itself, the console program beside it, or in the build tree's
// tools folder; else on the PATH).
EngineChoice BuiltInEngine(const std::string& ownProgram);
// A UCI engine found installed, with the name the player knows it by ("Stockfish").
struct InstalledEngine {
    std::string name;
    EngineChoice engine;
};
// The UCI engines installed where Debian and local installs put them, such as
// /usr/games/stockfish, in a fixed order.
std::vector<InstalledEngine> InstalledEngines();

// Runs a UCI engine over a game's positions one at a time. Run may be called from a worker
// thread; Cancel from any other.
class Analyser {
  public:
    explicit Analyser(EngineChoice engine) : engine_(std::move(engine)) {}

    // Called after each position with its index, its analysis and the number of positions.
    using Progress = std::function<void(size_t index, const PositionAnalysis&, size_t total)>;

    // Analyses the positions of analysis's game that have no analysis yet, adding each as it
    // is done. False with a message for the player when the engine cannot start, dies, hangs,
    // answers nonsense or an illegal move, or the run was cancelled; the positions done stay.
    bool Run(GameAnalysis& analysis, std::string& error, const Progress& progress = {});
    // Stops a run within a fraction of a second; Run then reports "Analysis cancelled".
    void Cancel() { cancelled_ = true; }

  private:
    EngineChoice engine_;
    std::atomic<bool> cancelled_ = false;
};

// The program this process runs, as a full path, to start it again as the built-in UCI
// engine; argv0 serves where the system cannot say. Empty when neither names a program.
std::string OwnProgram(const char* argv0);

}  // namespace ostrand::game
