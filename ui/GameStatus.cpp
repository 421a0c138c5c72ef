#include "GameStatus.h"

#include <QtGlobal>

#include "MoveGenerator.h"
#include "StandardChess.h"
#include "Support.h"
#include "Variables.h"

namespace status {

namespace {

constexpr int Null = ostrand::NullSquare;

enum class Outcome { Open, PlayerWins, EngineWins, Draw };

// The engine's order: a game it would answer with "CheckMate" or "StaleMate" is over for
// the player; one in which every move leaves the player's king attacked, too.
Outcome GameOutcome() {
    using namespace ostrand;
    if (IsBlackCheckmated(Null, Null, Null, Null) == Yes) return Outcome::PlayerWins;
    if (IsBlackStalemated(Null, Null, Null, Null) == Yes) return Outcome::Draw;
    if (IsWhiteCheckmated(Null, Null, Null, Null) == Yes) return Outcome::EngineWins;
    if (IsWhiteStalemated(Null, Null, Null, Null) == Yes) return Outcome::Draw;
    return Outcome::Open;
}

// Whether the side whose time is not up could still mate: else a flag's fall draws.
bool OtherCanMate(const GameRecord& record) {
    const bool playerFlagged = record.Settled() == GameRecord::Settlement::PlayerOutOfTime;
    const ostrand::chess::Colour engine = record.Engine();
    const ostrand::chess::Colour player = engine == ostrand::chess::Colour::White
                                              ? ostrand::chess::Colour::Black
                                              : ostrand::chess::Colour::White;
    return ostrand::chess::CanMate(record.Final(), playerFlagged ? engine : player);
}

// The endings the engine does not know: the players' word or a clock first, then the draw
// rules.
std::string EndingBeyondTheEngine(const GameRecord& record) {
    switch (record.Settled()) {
        case GameRecord::Settlement::PlayerResigned:
            return QT_TRANSLATE_NOOP("status", "You resigned — Ostrand wins");
        case GameRecord::Settlement::DrawAgreed: return QT_TRANSLATE_NOOP("status", "Draw agreed");
        case GameRecord::Settlement::PlayerOutOfTime:
            return OtherCanMate(record)
                       ? QT_TRANSLATE_NOOP("status", "Your time is up — Ostrand wins")
                       : QT_TRANSLATE_NOOP("status",
                                           "Your time is up, but Ostrand cannot mate — draw");
        case GameRecord::Settlement::EngineOutOfTime:
            return OtherCanMate(record)
                       ? QT_TRANSLATE_NOOP("status", "Ostrand's time is up — you win")
                       : QT_TRANSLATE_NOOP("status",
                                           "Ostrand's time is up, but you cannot mate — draw");
        case GameRecord::Settlement::None: break;
    }
    switch (record.DrawnBy()) {
        case GameRecord::DrawRule::Repetition:
            return QT_TRANSLATE_NOOP("status", "Draw by threefold repetition");
        case GameRecord::DrawRule::FiftyMoves:
            return QT_TRANSLATE_NOOP("status", "Draw by the fifty-move rule");
        case GameRecord::DrawRule::Material:
            return QT_TRANSLATE_NOOP("status", "Draw by insufficient material");
        case GameRecord::DrawRule::None: break;
    }
    return {};
}

}  // namespace

std::string GameResult(const GameRecord& record) {
    switch (GameOutcome()) {
        case Outcome::PlayerWins: return QT_TRANSLATE_NOOP("status", "Checkmate — you win");
        case Outcome::EngineWins: return QT_TRANSLATE_NOOP("status", "Checkmate — Ostrand wins");
        case Outcome::Draw: return QT_TRANSLATE_NOOP("status", "Stalemate — draw");
        case Outcome::Open: break;
    }
    return EndingBeyondTheEngine(record);
}

bool EndedBeyondTheEngine(const GameRecord& record) {
    return GameOutcome() == Outcome::Open && !EndingBeyondTheEngine(record).empty();
}

std::string PgnResult(const GameRecord& record, bool playerIsWhite) {
    switch (GameOutcome()) {
        case Outcome::PlayerWins: return playerIsWhite ? "1-0" : "0-1";
        case Outcome::EngineWins: return playerIsWhite ? "0-1" : "1-0";
        case Outcome::Draw: return "1/2-1/2";
        case Outcome::Open: break;
    }
    const bool playerLost =
        record.Settled() == GameRecord::Settlement::PlayerResigned ||
        (record.Settled() == GameRecord::Settlement::PlayerOutOfTime && OtherCanMate(record));
    const bool engineLost =
        record.Settled() == GameRecord::Settlement::EngineOutOfTime && OtherCanMate(record);
    if (playerLost) return playerIsWhite ? "0-1" : "1-0";
    if (engineLost) return playerIsWhite ? "1-0" : "0-1";
    return EndedBeyondTheEngine(record) ? "1/2-1/2" : "*";
}

std::string Termination(const GameRecord& record) {
    if (!EndedBeyondTheEngine(record)) return {};
    switch (record.Settled()) {
        case GameRecord::Settlement::PlayerResigned: return "Player resigned";
        case GameRecord::Settlement::DrawAgreed: return "Draw by agreement";
        case GameRecord::Settlement::PlayerOutOfTime:
        case GameRecord::Settlement::EngineOutOfTime: return "time forfeit";
        case GameRecord::Settlement::None: break;
    }
    return EndingBeyondTheEngine(record);
}

std::string GameStatus(const GameRecord& record) {
    if (std::string result = GameResult(record); !result.empty()) return result;
    if (ostrand::WhiteInCheckAfter(Null, Null, Null, Null) == ostrand::Yes)
        return QT_TRANSLATE_NOOP("status", "Check!");
    return QT_TRANSLATE_NOOP("status", "Your move");
}

// A move the piece can make (a castling the flags allow included) was refused for the king;
// anything else the piece cannot do.
std::string RefusalReason(const std::string& move) {
    using namespace ostrand;
    if (move.size() < 4) return QT_TRANSLATE_NOOP("status", "That piece cannot move there");
    const int fx = move[0] - '0', fy = move[1] - '0', tx = move[2] - '0', ty = move[3] - '0';
    const bool kingAtHome = fx == 5 && fy == 1 && Board(5, 1) == -Piece::King && ty == 1;
    const bool castling = kingAtHome && ((tx == 7 && CastleFlags[Castle::WhiteKingNow] == Yes) ||
                                         (tx == 3 && CastleFlags[Castle::WhiteQueenNow] == Yes));
    ClearAttackMaps();
    MarkWhitePieceTargets(fx, fy);
    if (!castling && WhiteAttacks(tx, ty) == 0)
        return QT_TRANSLATE_NOOP("status", "That piece cannot move there");
    return QT_TRANSLATE_NOOP("status", "Your king would be in check");
}

std::vector<std::pair<int, int>> LegalTargets(int file, int rank) {
    using namespace ostrand;
    std::vector<std::pair<int, int>> targets;
    if (Board(file, rank) >= 0 || GameOutcome() != Outcome::Open) return targets;
    ClearAttackMaps();
    MarkWhitePieceTargets(file, rank);
    const Grid reachable = WhiteAttacks;
    const bool king = file == 5 && rank == 1 && Board(5, 1) == -Piece::King;
    for (int y = 1; y <= 8; ++y) {
        for (int x = 1; x <= 8; ++x) {
            const bool castling = king && y == 1 &&
                                  ((x == 7 && CastleFlags[Castle::WhiteKingNow] == Yes) ||
                                   (x == 3 && CastleFlags[Castle::WhiteQueenNow] == Yes));
            const bool reaches = castling || reachable(x, y) != 0;
            if (reaches && WhiteInCheckAfter(file, rank, x, y) != Yes) targets.emplace_back(x, y);
        }
    }
    return targets;
}

}  // namespace status
