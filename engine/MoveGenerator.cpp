#include "MoveGenerator.h"

#include "Display.h"
#include "MoveGeneratorInternal.h"
#include "PieceRules.h"
#include "Search.h"
#include "SearchInternal.h"
#include "Support.h"
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

void SearchBlackRay(int x, int y, int dx, int dy) {
    rules::WalkRayMoves<Colour::Black>(x, y, dx, dy, TryBlackMove);
}

void SearchWhiteRay(int x, int y, int dx, int dy) {
    rules::WalkRayMoves<Colour::White>(x, y, dx, dy, TryWhiteMove);
}

void SearchBlackCaptureRay(int x, int y, int dx, int dy) {
    rules::WalkRayCapture<Colour::Black>(x, y, dx, dy, TryBlackMove);
}

void SearchWhiteCaptureRay(int x, int y, int dx, int dy) {
    rules::WalkRayCapture<Colour::White>(x, y, dx, dy, TryWhiteMove);
}

void SearchBlackPieceMoves(int x, int y) {
    rules::WalkPieceMoves<Colour::Black>(x, y, TryBlackMove,
                                         [&](int dx, int dy) { SearchBlackRay(x, y, dx, dy); });
}

void SearchWhitePieceMoves(int x, int y) {
    rules::WalkPieceMoves<Colour::White>(x, y, TryWhiteMove,
                                         [&](int dx, int dy) { SearchWhiteRay(x, y, dx, dy); });
}

void SearchBlackPieceCaptures(int x, int y) {
    rules::WalkPieceCaptures<Colour::Black>(
        x, y, TryBlackMove, [&](int dx, int dy) { SearchBlackCaptureRay(x, y, dx, dy); });
}

void SearchWhitePieceCaptures(int x, int y) {
    rules::WalkPieceCaptures<Colour::White>(
        x, y, TryWhiteMove, [&](int dx, int dy) { SearchWhiteCaptureRay(x, y, dx, dy); });
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
    PlayMove(move[0] - '0', move[1] - '0', move[2] - '0', move[3] - '0');
    if (IsWhiteCheckmated(NullSquare, NullSquare, NullSquare, NullSquare) == Yes)
        TheDisplay().ShowMessage("Check Mate!");
    if (IsWhiteStalemated(NullSquare, NullSquare, NullSquare, NullSquare) == Yes)
        TheDisplay().ShowMessage("Stale Mate!");
    return move;
}

// A player's move: four digits 1..8, from-file, from-rank, to-file, to-rank. Anything
// after the fourth character is ignored.
bool ReadPlayerMove(const std::string& command, int (&squares)[4]) {
    if (command.size() < 4) return false;
    for (int i = 0; i < 4; ++i) {
        if (command[i] < '1' || command[i] > '8') return false;
        squares[i] = command[i] - '0';
    }
    return true;
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
    int m[4];
    if (!ReadPlayerMove(command, m)) return "Error";
    int fx = m[0], fy = m[1];
    const int tx = m[2], ty = m[3];

    if (WhiteInCheckAfter(fx, fy, tx, ty) == Yes) return "Error";
    if (const std::string end = BlackGameEnd(); !end.empty()) return end;

    const bool kingAtHome = fx == 5 && fy == 1 && Board(5, 1) == -Piece::King;
    if (kingAtHome && tx == 7 && ty == 1 && CastleFlags[Castle::WhiteKingNow] == Yes) {
        fx = 0;  // 0101: White castles king-side
    } else if (kingAtHome && tx == 3 && ty == 1 && CastleFlags[Castle::WhiteQueenNow] == Yes) {
        fx = 0;  // 0808: White castles queen-side
        fy = 8;
    } else {
        ClearAttackMaps();
        MarkWhitePieceTargets(fx, fy);
        if (WhiteAttacks(tx, ty) == 0) return "Error";
    }
    if (fx == 0)
        PlayMove(0, fy, 0, fy);
    else
        PlayMove(fx, fy, tx, ty);

    if (const std::string end = BlackGameEnd(); !end.empty()) return end;
    return EngineMove();
}

}  // namespace

std::string EngineCommand(const std::string& command) {
    Display& display = TheDisplay();
    display.SetEnabled(false);
    const std::string reply = RunCommand(command);
    display.SetEnabled(true);
    return reply;
}

}  // namespace ostrand
