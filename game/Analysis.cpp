#include "Analysis.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>

#include "San.h"
#include "UciEngine.h"

namespace ostrand::game {

namespace {

using chess::Colour;
using chess::Move;
using chess::Position;

// The slope of the logistic curve that web sites fit to the results of games between strong
// players: 100 centipawns make about a 59 % expected score.
constexpr double ExpectationSlope = 0.00368208;
// The engine's line is kept to this many half-moves; longer lines say little to a player.
constexpr size_t LineLength = 10;

Colour MoverOf(const GameAnalysis& analysis, size_t move) {
    return move % 2 == 0 ? analysis.start.toMove : chess::Other(analysis.start.toMove);
}

double ExpectationFor(const Score& score, Colour side) {
    const double white = score.WhiteExpectation();
    return side == Colour::White ? white : 100 - white;
}

int CentipawnsFor(const Score& score, Colour side) {
    int white = score.value;
    if (score.kind == Score::Kind::WhiteMates) white = CentipawnLossCap;
    if (score.kind == Score::Kind::BlackMates) white = -CentipawnLossCap;
    white = std::clamp(white, -CentipawnLossCap, CentipawnLossCap);
    return side == Colour::White ? white : -white;
}

// The score a position has by the rules alone: checkmate or stalemate, or none.
bool GameOverScore(const Position& position, Score& score) {
    if (!chess::LegalMoves(position).empty()) return false;
    score = chess::InCheck(position, position.toMove) ? Score::Mate(0, position.toMove)
                                                      : Score::Centipawns(0);
    return true;
}

// The SAN of the moves of a line as far as they can be played from position.
std::vector<std::string> SanLine(Position position, const std::vector<Move>& moves) {
    std::vector<std::string> line;
    for (const Move& move : moves) {
        const std::vector<Move> legal = chess::LegalMoves(position);
        if (std::find(legal.begin(), legal.end(), move) == legal.end()) break;
        line.push_back(chess::SanText(position, move));
        chess::Play(position, move);
    }
    return line;
}

constexpr std::string_view EvalTag = "[%eval";

// The score of a comment's "[%eval ...]"; false when it has none or one not understood.
bool EvalOfComment(std::string_view comment, Score& score) {
    const size_t at = comment.find(EvalTag);
    if (at == std::string_view::npos) return false;
    std::string_view rest = comment.substr(at + EvalTag.size());
    const size_t start = rest.find_first_not_of(' ');
    if (start == std::string_view::npos) return false;
    rest = rest.substr(start);
    // Some programs add the depth after a comma.
    return Score::ParseEval(rest.substr(0, rest.find_first_of(" ,]")), score);
}

// A comment with its "[%eval ...]" taken out, for a new one to take its place.
std::string WithoutEval(std::string comment) {
    const size_t at = comment.find(EvalTag);
    if (at == std::string::npos) return comment;
    const size_t end = comment.find(']', at);
    comment.erase(at, end == std::string::npos ? std::string::npos : end + 1 - at);
    const size_t first = comment.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : comment.substr(first);
}

std::string WithEval(const std::string& comment, const Score& score) {
    const std::string rest = WithoutEval(comment);
    return "[%eval " + score.EvalText() + "]" + (rest.empty() ? "" : " " + rest);
}

// The analysis of a position from the engine's answer, checked against the rules.
bool FromAnswer(const Position& position, const EngineAnswer& answer, PositionAnalysis& result,
                std::string& error) {
    Move best;
    const std::vector<Move> legal = chess::LegalMoves(position);
    if (!chess::ParseMove(answer.bestmove, best) ||
        std::find(legal.begin(), legal.end(), best) == legal.end()) {
        error = "it answered the illegal move '" + answer.bestmove + "'";
        return false;
    }
    const int sign = position.toMove == Colour::White ? 1 : -1;
    result.score = answer.mate ? Score::Mate(answer.score, position.toMove)
                               : Score::Centipawns(sign * answer.score);
    result.bestUci = answer.bestmove;
    result.bestSan = chess::SanText(position, best);
    std::vector<Move> line{best};
    // A line that does not start with the move played is an older line; only the move counts.
    Move first;
    if (!answer.pv.empty() && chess::ParseMove(answer.pv[0], first) && first == best)
        for (size_t i = 1; i < answer.pv.size() && line.size() < LineLength; ++i) {
            Move move;
            if (!chess::ParseMove(answer.pv[i], move)) break;
            line.push_back(move);
        }
    result.line = SanLine(position, line);
    return true;
}

// UCI engines Debian packages, with the arguments that make them speak UCI.
struct KnownEngine {
    const char* program;
    const char* name;
    const char* argument;  // nullptr for none
};
constexpr KnownEngine KnownEngines[] = {
    {"stockfish", "Stockfish", nullptr}, {"ethereal-chess", "Ethereal", nullptr},
    {"glaurung", "Glaurung", nullptr},   {"toga2", "Toga II", nullptr},
    {"fruit", "Fruit", nullptr},         {"gnuchess", "GNU Chess", "--uci"},
};
constexpr const char* EngineFolders[] = {"/usr/games", "/usr/local/games", "/usr/bin",
                                         "/usr/local/bin"};

}  // namespace

EngineChoice BuiltInEngine(const std::string& ownProgram) {
    namespace fs = std::filesystem;
    const fs::path own(ownProgram);
    const std::string console = "ostrand-engine" + own.extension().string();
    EngineChoice engine{console, {"uci"}};
    if (own.filename() == console) {
        engine.program = ownProgram;
        return engine;
    }
    std::error_code error;
    for (const fs::path& candidate :
         {own.parent_path() / console, own.parent_path().parent_path() / "tools" / console})
        if (!ownProgram.empty() && fs::is_regular_file(candidate, error)) {
            engine.program = candidate.string();
            break;
        }
    return engine;
}

std::vector<InstalledEngine> InstalledEngines() {
    std::vector<InstalledEngine> found;
    std::error_code error;
    for (const KnownEngine& known : KnownEngines)
        for (const char* folder : EngineFolders) {
            const std::filesystem::path program = std::filesystem::path(folder) / known.program;
            if (!std::filesystem::is_regular_file(program, error)) continue;
            InstalledEngine engine{known.name, {program.string(), {}}};
            if (known.argument != nullptr) engine.engine.arguments.push_back(known.argument);
            found.push_back(engine);
            break;
        }
    return found;
}

Score Score::Mate(int moves, Colour toMove) {
    const bool moverMates = moves > 0;
    const bool whiteMates = moverMates == (toMove == Colour::White);
    return {whiteMates ? Kind::WhiteMates : Kind::BlackMates, std::abs(moves)};
}

double Score::WhiteExpectation() const {
    if (kind == Kind::WhiteMates) return 100;
    if (kind == Kind::BlackMates) return 0;
    return 50 + 50 * (2 / (1 + std::exp(-ExpectationSlope * value)) - 1);
}

std::string Score::EvalText() const {
    char text[32];
    if (IsMate())
        std::snprintf(text, sizeof text, "#%s%d", kind == Kind::BlackMates ? "-" : "", value);
    else
        std::snprintf(text, sizeof text, "%s%d.%02d", value < 0 ? "-" : "", std::abs(value) / 100,
                      std::abs(value) % 100);
    return text;
}

bool Score::ParseEval(std::string_view text, Score& score) {
    const char* end = text.data() + text.size();
    if (text.starts_with('#')) {
        const bool black = text.starts_with("#-");
        const char* digits = text.data() + (black ? 2 : 1);
        int moves = -1;
        const auto [at, fault] = std::from_chars(digits, end, moves);
        if (fault != std::errc() || at != end || digits == end || moves < 0 || moves > 999)
            return false;
        score = {black ? Kind::BlackMates : Kind::WhiteMates, moves};
        return true;
    }
    if (text.starts_with('+')) text.remove_prefix(1);
    double pawns = 0;
    const auto [at, fault] = std::from_chars(text.data(), end, pawns);
    if (text.empty() || fault != std::errc() || at != end || std::abs(pawns) > 1000) return false;
    score = Centipawns(static_cast<int>(std::lround(pawns * 100)));
    return true;
}

std::string_view MarkText(Mark mark) {
    switch (mark) {
        case Mark::Inaccuracy: return "?!";
        case Mark::Mistake: return "?";
        case Mark::Blunder: return "??";
        case Mark::None: break;
    }
    return {};
}

int MarkNag(Mark mark) {
    switch (mark) {
        case Mark::Inaccuracy: return 6;
        case Mark::Mistake: return 2;
        case Mark::Blunder: return 4;
        case Mark::None: break;
    }
    return 0;
}

Mark MarkOfNag(int nag) {
    for (Mark mark : {Mark::Inaccuracy, Mark::Mistake, Mark::Blunder})
        if (MarkNag(mark) == nag) return mark;
    return Mark::None;
}

MoveVerdict GameAnalysis::Verdict(size_t move) const {
    MoveVerdict verdict;
    if (move >= moves.size()) return verdict;
    if (move + 1 < positions.size()) {
        const Colour mover = MoverOf(*this, move);
        const Score& before = positions[move].score;
        const Score& after = positions[move + 1].score;
        verdict.loss =
            std::clamp(ExpectationFor(before, mover) - ExpectationFor(after, mover), 0.0, 100.0);
        verdict.centipawnLoss = std::clamp(
            CentipawnsFor(before, mover) - CentipawnsFor(after, mover), 0, CentipawnLossCap);
        if (verdict.loss >= BlunderLoss)
            verdict.mark = Mark::Blunder;
        else if (verdict.loss >= MistakeLoss)
            verdict.mark = Mark::Mistake;
        else if (verdict.loss >= InaccuracyLoss)
            verdict.mark = Mark::Inaccuracy;
    }
    // A game read back keeps the marks it was written with.
    if (!readMarks.empty()) verdict.mark = move < readMarks.size() ? readMarks[move] : Mark::None;
    chess::Move better;
    if (verdict.mark != Mark::None && move < positions.size() &&
        chess::ParseMove(positions[move].bestUci, better) && better != moves[move]) {
        verdict.betterSan = positions[move].bestSan;
        verdict.betterLine = positions[move].line;
        verdict.betterFrom = better.from;
        verdict.betterTo = better.to;
    }
    return verdict;
}

SideSummary GameAnalysis::Summary(Colour side) const {
    SideSummary summary;
    int totalLoss = 0;
    for (size_t move = 0; move < moves.size(); ++move) {
        if (MoverOf(*this, move) != side) continue;
        const MoveVerdict verdict = Verdict(move);
        summary.inaccuracies += verdict.mark == Mark::Inaccuracy;
        summary.mistakes += verdict.mark == Mark::Mistake;
        summary.blunders += verdict.mark == Mark::Blunder;
        if (move + 1 >= positions.size()) continue;
        ++summary.movesJudged;
        totalLoss += verdict.centipawnLoss;
    }
    if (summary.movesJudged > 0)
        summary.averageLoss =
            static_cast<int>(std::lround(static_cast<double>(totalLoss) / summary.movesJudged));
    return summary;
}

std::vector<double> GameAnalysis::GraphPoints() const {
    std::vector<double> points;
    for (const PositionAnalysis& position : positions)
        points.push_back(position.score.WhiteExpectation() / 50 - 1);
    return points;
}

chess::PgnGame AnnotatedPgn(const GameAnalysis& analysis, const chess::PgnGame& game) {
    chess::PgnGame out = game;
    out.start = analysis.start;
    out.moves = analysis.moves;
    const size_t count = analysis.moves.size();
    out.comments.resize(count);
    out.nags.resize(count);
    out.variations.resize(count);
    // Scores and marks of an earlier analysis give way to this one's, or go where it has none.
    out.startComment = analysis.positions.empty()
                           ? WithoutEval(out.startComment)
                           : WithEval(out.startComment, analysis.positions[0].score);
    Position position = analysis.start;
    for (size_t i = 0; i < count; ++i) {
        const Position before = position;
        chess::Play(position, analysis.moves[i]);
        if (i + 1 >= analysis.positions.size()) {
            out.comments[i] = WithoutEval(out.comments[i]);
            continue;
        }
        const Score& after = analysis.positions[i + 1].score;
        // A checkmate needs no score: the move says it.
        if (after.IsMate() && after.value == 0)
            out.comments[i] = WithoutEval(out.comments[i]);
        else
            out.comments[i] = WithEval(out.comments[i], after);
        const MoveVerdict verdict = analysis.Verdict(i);
        if (verdict.mark == Mark::None) {
            if (MarkOfNag(out.nags[i]) != Mark::None) out.nags[i] = 0;
            continue;
        }
        out.nags[i] = MarkNag(verdict.mark);
        std::vector<Move> line;
        Position step = before;
        for (const std::string& san : verdict.betterLine) {
            Move move;
            std::string error;
            if (!chess::ParseSan(step, san, move, error)) break;
            chess::Play(step, move);
            line.push_back(move);
        }
        out.variations[i] = line;
    }
    return out;
}

bool AnalysisFromPgn(const chess::PgnGame& game, GameAnalysis& analysis) {
    GameAnalysis read;
    read.start = game.start;
    read.moves = game.moves;
    std::vector<Position> positions{game.start};
    for (const Move& move : game.moves) {
        positions.push_back(positions.back());
        chess::Play(positions.back(), move);
    }
    std::vector<Score> scores(positions.size());
    std::vector<bool> known(positions.size());
    bool any = false;
    for (size_t i = 0; i < positions.size(); ++i) {
        const std::string_view comment =
            i == 0 ? std::string_view(game.startComment)
                   : (i - 1 < game.comments.size() ? std::string_view(game.comments[i - 1])
                                                   : std::string_view());
        known[i] = EvalOfComment(comment, scores[i]);
        any |= known[i];
        if (!known[i]) known[i] = GameOverScore(positions[i], scores[i]);
    }
    if (!any) return false;
    // Web sites write no score for the initial position; without one the first move is taken
    // to lose nothing.
    if (!known[0] && known.size() > 1 && known[1]) {
        scores[0] = scores[1];
        known[0] = true;
    }
    for (size_t i = 0; i < positions.size() && known[i]; ++i) {
        PositionAnalysis position;
        position.score = scores[i];
        const bool variation = i < game.variations.size() && !game.variations[i].empty();
        if (variation) {
            position.bestUci = chess::MoveText(game.variations[i][0]);
            position.line = SanLine(positions[i], game.variations[i]);
            if (!position.line.empty()) position.bestSan = position.line[0];
        }
        read.positions.push_back(position);
    }
    read.readMarks.assign(game.moves.size(), Mark::None);
    for (size_t i = 0; i < game.nags.size() && i < game.moves.size(); ++i)
        read.readMarks[i] = MarkOfNag(game.nags[i]);
    analysis = std::move(read);
    return true;
}

bool Analyser::Run(GameAnalysis& analysis, std::string& error, const Progress& progress) {
    std::vector<Position> positions{analysis.start};
    for (size_t i = 0; i < analysis.moves.size(); ++i) {
        const std::vector<Move> legal = chess::LegalMoves(positions.back());
        if (std::find(legal.begin(), legal.end(), analysis.moves[i]) == legal.end()) {
            error = chess::MoveLabel(positions.back(), chess::MoveText(analysis.moves[i])) +
                    ": illegal move";
            return false;
        }
        positions.push_back(positions.back());
        chess::Play(positions.back(), analysis.moves[i]);
    }
    if (analysis.positions.size() > positions.size()) analysis.positions.resize(positions.size());
    // A new analysis replaces the marks read with a game.
    analysis.readMarks.clear();
    UciEngine engine(&cancelled_);
    bool started = false;
    for (size_t i = analysis.positions.size(); i < positions.size(); ++i) {
        if (cancelled_) {
            error = "Analysis cancelled";
            return false;
        }
        PositionAnalysis result;
        if (!GameOverScore(positions[i], result.score)) {
            if (!started && (!engine.Start(engine_.program, engine_.arguments, error) ||
                             !engine.NewGame(error))) {
                if (cancelled_) error = "Analysis cancelled";
                return false;
            }
            started = true;
            EngineAnswer answer;
            const std::vector<Move> played(analysis.moves.begin(), analysis.moves.begin() + i);
            const bool answered =
                engine.Analyse(analysis.start, played, engine_.movetimeMs, answer, error);
            if (cancelled_) {
                error = "Analysis cancelled";
                return false;
            }
            if (!answered || !FromAnswer(positions[i], answer, result, error)) {
                const std::string where =
                    i == 0 ? "the start position"
                           : "the position after " +
                                 chess::MoveLabel(
                                     positions[i - 1],
                                     chess::SanText(positions[i - 1], analysis.moves[i - 1]));
                error = "The engine " + engine.Name() + " failed on " + where + ": " + error;
                return false;
            }
        }
        analysis.positions.push_back(result);
        if (progress) progress(i, result, positions.size());
    }
    return true;
}

}  // namespace ostrand::game
