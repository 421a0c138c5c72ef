#include "MoveGenerator.h"

#include "Display.h"
#include "MoveGeneratorInternal.h"
#include "PieceRules.h"
#include "Search.h"
#include "Support.h"
#include "Variables.h"

namespace ostrand {

using rules::Colour;

namespace {

int Cell(int x, int y) {
    return Grid::Index(x, y);
}

auto Appender(std::string& moves) {
    return [&moves](int from, int to) {
        AppendMove(moves, rules::FileOf(from), rules::RankOf(from), rules::FileOf(to),
                   rules::RankOf(to));
    };
}

// The same for the standard rules' targets, which may carry a promotion.
auto TargetAppender(std::string& moves) {
    return [&moves](int from, int target) {
        const int to = rules::CellOfTarget(target);
        AppendMove(moves, rules::FileOf(from), rules::RankOf(from), rules::FileOf(to),
                   rules::RankOf(to), rules::PromotionOfTarget(target));
    };
}

void MarkTarget(int, int target) {
    ++WhiteAttacks.cells[static_cast<size_t>(rules::CellOfTarget(target))];
}

// A piece's moves under the rules of the game in progress, each to the sink of its rules.
template <Colour C, typename Sink, typename StandardSink, typename Ray>
void WalkPieceMovesNow(int from, Sink&& sink, StandardSink&& standardSink, Ray&& ray) {
    if (Rules == RuleSet::Standard)
        rules::WalkPieceMovesUnder<RuleSet::Standard, C>(from, standardSink, ray);
    else
        rules::WalkPieceMoves<C>(from, sink, ray);
}

}  // namespace

void ListBlackRay(int x, int y, int dx, int dy, std::string& moves) {
    rules::WalkRayMoves<Colour::Black>(Cell(x, y), rules::CellStep(dx, dy), Appender(moves));
}

void ListWhiteRay(int x, int y, int dx, int dy, std::string& moves) {
    rules::WalkRayMoves<Colour::White>(Cell(x, y), rules::CellStep(dx, dy), Appender(moves));
}

void ListBlackPieceMoves(int x, int y, std::string& moves) {
    WalkPieceMovesNow<Colour::Black>(Cell(x, y), Appender(moves), TargetAppender(moves),
                                     [&](int dx, int dy) { ListBlackRay(x, y, dx, dy, moves); });
}

void ListWhitePieceMoves(int x, int y, std::string& moves) {
    WalkPieceMovesNow<Colour::White>(Cell(x, y), Appender(moves), TargetAppender(moves),
                                     [&](int dx, int dy) { ListWhiteRay(x, y, dx, dy, moves); });
}

void MarkBlackRay(int x, int y, int dx, int dy) {
    rules::CountRay(BlackAttacks, Cell(x, y), rules::CellStep(dx, dy));
}

void MarkWhiteRay(int x, int y, int dx, int dy) {
    rules::CountRay(WhiteAttacks, Cell(x, y), rules::CellStep(dx, dy));
}

void MarkBlackPieceThreats(int x, int y) {
    rules::MarkThreats<Colour::Black>(BlackAttacks, Cell(x, y),
                                      [&](int dx, int dy) { MarkBlackRay(x, y, dx, dy); });
}

void MarkWhitePieceThreats(int x, int y) {
    rules::MarkThreats<Colour::White>(WhiteAttacks, Cell(x, y),
                                      [&](int dx, int dy) { MarkWhiteRay(x, y, dx, dy); });
}

void MarkWhiteRayTargets(int x, int y, int dx, int dy) {
    rules::WalkRayMoves<Colour::White>(Cell(x, y), rules::CellStep(dx, dy), MarkTarget);
}

void MarkWhitePieceTargets(int x, int y) {
    WalkPieceMovesNow<Colour::White>(Cell(x, y), MarkTarget, MarkTarget,
                                     [&](int dx, int dy) { MarkWhiteRayTargets(x, y, dx, dy); });
}

namespace {

// The reply when Black has no legal move: the matching message and word, no move played.
std::string BlackGameEnd() {
    if (IsBlackCheckmated(NullSquare, NullSquare, NullSquare, NullSquare) == Yes) {
        TheDisplay().ShowMessage("Check Mate!");
        return "CheckMate";
    }
    if (IsBlackStalemated(NullSquare, NullSquare, NullSquare, NullSquare) == Yes) {
        TheDisplay().ShowMessage("Stale Mate!");
        return "StaleMate";
    }
    return {};
}

// Searches and plays the engine's move, and tells the player when it ends the game.
std::string EngineMove() {
    const std::string move = FindBestMove();
    if (move.size() != 4) {
        // Only reached when Black has no move at all, which the game-end tests know.
        const std::string end = BlackGameEnd();
        return end.empty() ? "StaleMate" : end;
    }
    const MoveSquares m = DecodeMove(move);
    PlayMove(m.x1, m.y1, m.x2, m.y2, m.promotion);
    if (IsWhiteCheckmated(NullSquare, NullSquare, NullSquare, NullSquare) == Yes)
        TheDisplay().ShowMessage("Check Mate!");
    if (IsWhiteStalemated(NullSquare, NullSquare, NullSquare, NullSquare) == Yes)
        TheDisplay().ShowMessage("Stale Mate!");
    return move;
}

// A player's move: four digits 1..8, from-file, from-rank, to-file, to-rank; under the
// standard rules the fourth may be a promotion's letter, for a White pawn on rank 7 only.
// Anything after the fourth character is ignored.
bool ReadPlayerMove(const std::string& command, MoveSquares& move) {
    if (command.size() < 4) return false;
    const bool letter = Rules == RuleSet::Standard && PromotionOfLetter(command[3]) != 0;
    for (int i = 0; i < (letter ? 3 : 4); ++i)
        if (command[i] < '1' || command[i] > '8') return false;
    move = DecodeMove(command);
    return !letter || (move.y1 == 7 && Board(move.x1, move.y1) == -Piece::Pawn);
}

std::string RunCommand(const std::string& command) {
    if (command == "NewGame") {
        InitNewGame();
        return "OK";
    }
    if (command == "Force") {
        const std::string end = BlackGameEnd();
        return end.empty() ? EngineMove() : end;
    }
    MoveSquares m;
    if (!ReadPlayerMove(command, m)) return "Error";
    const int fx = m.x1, fy = m.y1, tx = m.x2, ty = m.y2;

    if (WhiteInCheckAfter(fx, fy, tx, ty) == Yes) return "Error";
    if (const std::string end = BlackGameEnd(); !end.empty()) return end;

    const std::string move = CommittedPlayerMove(fx, fy, tx, ty, m.promotion);
    if (move.empty()) return "Error";
    const MoveSquares committed = DecodeMove(move);
    PlayMove(committed.x1, committed.y1, committed.x2, committed.y2, committed.promotion);

    if (const std::string end = BlackGameEnd(); !end.empty()) return end;
    return EngineMove();
}

}  // namespace

std::string CommittedPlayerMove(int x1, int y1, int x2, int y2, int promotion) {
    std::string move;
    const bool kingAtHome = x1 == 5 && y1 == 1 && Board(5, 1) == -Piece::King && y2 == 1;
    if (kingAtHome && x2 == 7 && CastleFlags[Castle::WhiteKingNow] == Yes) return "0101";
    if (kingAtHome && x2 == 3 && CastleFlags[Castle::WhiteQueenNow] == Yes) return "0808";
    ClearAttackMaps();
    MarkWhitePieceTargets(x1, y1);
    if (WhiteAttacks(x2, y2) != 0) AppendMove(move, x1, y1, x2, y2, promotion);
    return move;
}

std::string EngineCommand(const std::string& command) {
    Display& display = TheDisplay();
    display.SetEnabled(false);
    const std::string reply = RunCommand(command);
    display.SetEnabled(true);
    return reply;
}

}  // namespace ostrand
