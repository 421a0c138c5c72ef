#include "GameRecord.h"

#include <algorithm>
#include <cctype>

#include "EngineBoard.h"
#include "Support.h"

namespace chess = ostrand::chess;

namespace {

// Whether the engine's game keeps en passant squares.
bool KeepsEnPassant() {
    return ostrand::Rules == ostrand::RuleSet::Standard;
}

// A position as the repetition rule compares it: an en passant square counts only when a
// pawn can take there.
chess::Position AsRepeated(chess::Position position) {
    if (position.enPassant >= 0) {
        const auto legal = chess::LegalMoves(position);
        const bool capture = std::any_of(legal.begin(), legal.end(), [&](const chess::Move& m) {
            return m.to == position.enPassant &&
                   std::tolower(static_cast<unsigned char>(position.squares[m.from])) == 'p';
        });
        if (!capture) position.enPassant = -1;
    }
    position.halfmoveClock = 0;
    position.fullmove = 1;
    return position;
}

constexpr const char* NonStandardCastling =
    "castles past a square that only a pawn attacks, which the engine's rules allow and "
    "standard rules do not";

}  // namespace

void GameRecord::Start(const Position& start, Colour engine) {
    engine_ = engine;
    start_ = start;
    if (!KeepsEnPassant()) start_.enPassant = -1;
    final_ = start_;
    moves_.clear();
    problem_.clear();
    settlement_ = Settlement::None;
}

void GameRecord::StartAtBoard(Colour engine, Colour toMove) {
    Position onBoard;
    std::string why;
    if (chess::EnginePosition(engine, toMove, onBoard, why)) {
        Start(onBoard, engine);
        return;
    }
    engine_ = engine;
    moves_.clear();
    problem_ = why;
    settlement_ = Settlement::None;
}

void GameRecord::Follow(std::string_view command, std::string_view reply) {
    const bool engineMoved = ostrand::IsMoveText(reply);
    // A move the engine refused, or one made when the game was already over, is not played.
    const bool playerMoved =
        ostrand::IsMoveText(command) && reply != "Error" &&
        (engineMoved || ostrand::PositionKey() != chess::EngineKey(final_, engine_));
    if (HasGame() && playerMoved) Play(Other(engine_), command);
    if (HasGame() && engineMoved) Play(engine_, reply);

    // After an edit or a load the player has the move, as the window waits for it.
    const Colour toMove = HasGame() && !command.empty() ? final_.toMove : Other(engine_);
    Position onBoard;
    std::string why;
    const bool same = HasGame() && chess::EnginePosition(engine_, toMove, onBoard, why) &&
                      onBoard.squares == final_.squares && onBoard.castling == final_.castling;
    if (!same) StartAtBoard(engine_, toMove);
}

void GameRecord::Play(Colour side, std::string_view engineMove) {
    if (final_.toMove != side) {
        Position here = final_;
        here.toMove = side;
        Start(here, engine_);
    }
    if (const auto move = chess::StandardMove(engineMove, final_, engine_)) Add(*move);
}

void GameRecord::Add(const chess::Move& move) {
    moves_.push_back(move);
    chess::Play(final_, move);
    if (!KeepsEnPassant()) final_.enPassant = -1;
}

std::vector<chess::Position> GameRecord::Positions() const {
    std::vector<Position> positions{start_};
    for (const chess::Move& move : moves_) {
        positions.push_back(positions.back());
        chess::Play(positions.back(), move);
    }
    return positions;
}

GameRecord::DrawRule GameRecord::DrawnBy() const {
    if (!HasGame() || chess::LegalMoves(final_, chess::CastlingRule::PawnsIgnored).empty())
        return DrawRule::None;
    // Neither side has the material left to mate, whatever the other plays.
    if (!chess::CanMate(final_, Colour::White) && !chess::CanMate(final_, Colour::Black))
        return DrawRule::Material;
    const std::vector<Position> positions = Positions();
    const Position now = AsRepeated(positions.back());
    const auto seen = std::count_if(positions.begin(), positions.end(),
                                    [&](const Position& p) { return AsRepeated(p) == now; });
    if (seen >= 3) return DrawRule::Repetition;
    if (final_.halfmoveClock >= 100) return DrawRule::FiftyMoves;
    return DrawRule::None;
}

std::string GameRecord::Fen() const {
    return chess::FenText(final_);
}

chess::PgnGame GameRecord::Pgn(const std::string& player, const std::string& engine,
                               const std::string& date, const std::string& result,
                               const std::string& termination) const {
    chess::PgnGame game;
    game.SetTag("Event", "Casual game");
    game.SetTag("Date", date);
    game.SetTag("Round", "-");
    const bool playerIsWhite = engine_ == Colour::Black;
    game.SetTag("White", playerIsWhite ? player : engine);
    game.SetTag("Black", playerIsWhite ? engine : player);
    game.start = start_;
    game.moves = moves_;
    game.result = result;
    if (!termination.empty()) game.SetTag("Termination", termination);
    Position position = start_;
    for (size_t i = 0; i < moves_.size(); ++i) {
        const auto legal = chess::LegalMoves(position);
        if (std::find(legal.begin(), legal.end(), moves_[i]) == legal.end()) {
            game.comments.resize(i + 1);
            game.comments[i] = NonStandardCastling;
        }
        chess::Play(position, moves_[i]);
    }
    return game;
}
