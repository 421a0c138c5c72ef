#include "MoveGenerator.h"

#include "PieceRules.h"
#include "Variables.h"

namespace ostrand {

using rules::Colour;

namespace {

auto Appender(std::string& moves) {
    return [&moves](int x1, int y1, int x2, int y2) { AppendMove(moves, x1, y1, x2, y2); };
}

}  // namespace

void ListBlackRay(int x, int y, int dx, int dy, std::string& moves) {
    rules::WalkRayMoves<Colour::Black>(x, y, dx, dy, Appender(moves));
}

void ListWhiteRay(int x, int y, int dx, int dy, std::string& moves) {
    rules::WalkRayMoves<Colour::White>(x, y, dx, dy, Appender(moves));
}

void ListBlackPieceMoves(int x, int y, std::string& moves) {
    rules::WalkPieceMoves<Colour::Black>(
        x, y, Appender(moves), [&](int dx, int dy) { ListBlackRay(x, y, dx, dy, moves); });
}

void ListWhitePieceMoves(int x, int y, std::string& moves) {
    rules::WalkPieceMoves<Colour::White>(
        x, y, Appender(moves), [&](int dx, int dy) { ListWhiteRay(x, y, dx, dy, moves); });
}

void MarkBlackRay(int x, int y, int dx, int dy) {
    rules::CountRay(BlackAttacks, x, y, dx, dy);
}

void MarkWhiteRay(int x, int y, int dx, int dy) {
    rules::CountRay(WhiteAttacks, x, y, dx, dy);
}

void MarkBlackPieceThreats(int x, int y) {
    rules::MarkPiece<Colour::Black, false>(BlackAttacks, x, y,
                                           [&](int dx, int dy) { MarkBlackRay(x, y, dx, dy); });
}

void MarkWhitePieceThreats(int x, int y) {
    rules::MarkPiece<Colour::White, false>(WhiteAttacks, x, y,
                                           [&](int dx, int dy) { MarkWhiteRay(x, y, dx, dy); });
}

void MarkBlackPieceControl(int x, int y) {
    rules::MarkPiece<Colour::Black, true>(BlackAttacks, x, y,
                                          [&](int dx, int dy) { MarkBlackRay(x, y, dx, dy); });
}

void MarkWhitePieceControl(int x, int y) {
    rules::MarkPiece<Colour::White, true>(WhiteAttacks, x, y,
                                          [&](int dx, int dy) { MarkWhiteRay(x, y, dx, dy); });
}

namespace {

void MarkTarget(int, int, int x2, int y2) {
    ++WhiteAttacks(x2, y2);
}

}  // namespace

void MarkWhiteRayTargets(int x, int y, int dx, int dy) {
    rules::WalkRayMoves<Colour::White>(x, y, dx, dy, MarkTarget);
}

void MarkWhitePieceTargets(int x, int y) {
    rules::WalkPieceMoves<Colour::White>(
        x, y, MarkTarget, [&](int dx, int dy) { MarkWhiteRayTargets(x, y, dx, dy); });
}

}  // namespace ostrand
