// Move execution: the attack maps the check tests read, making and unmaking a move, and the
// legality and game-end tests built on them.
#include <charconv>
#include <cstdlib>

#include "MoveChange.h"
#include "MoveGenerator.h"
#include "Support.h"
#include "Variables.h"

namespace ostrand {

void ClearAttackMaps() {
    BlackAttacks.cells.fill(0);
    WhiteAttacks.cells.fill(0);
}

void ComputeAttackMaps() {
    ClearAttackMaps();
    for (int x = 1; x <= 8; ++x)
        for (int y = 1; y <= 8; ++y)
            if (Board(x, y) > 0) MarkBlackPieceThreats(x, y);
    for (int x = 1; x <= 8; ++x)
        for (int y = 1; y <= 8; ++y)
            if (Board(x, y) < 0) MarkWhitePieceThreats(x, y);
}

void FindKings(int16_t& blackX, int16_t& blackY, int16_t& whiteX, int16_t& whiteY) {
    for (int16_t y = 1; y <= 8; ++y)
        for (int16_t x = 1; x <= 8; ++x) {
            if (Board(x, y) == Piece::King) blackX = x, blackY = y;
            if (Board(x, y) == -Piece::King) whiteX = x, whiteY = y;
        }
}

namespace {

// A castling move is written with from-file 0 (White) or 9 (Black); its key is the
// decimal text of the from-file followed by that of the from-rank.
bool IsCastlingMove(int x1) {
    return x1 == 0 || x1 == 9;
}

struct CastlingKey {
    char text[16];
    std::string_view view;
    CastlingKey(int x1, int y1) {
        char* end = std::to_chars(text, text + sizeof text, x1).ptr;
        end = std::to_chars(end, text + sizeof text, y1).ptr;
        view = std::string_view(text, static_cast<size_t>(end - text));
    }
};

}  // namespace

namespace {

// MakeMove under the standard rules: the promotion asked for, and en passant.
[[gnu::noinline]] void MakeStandardMove(int x1, int y1, int x2, int y2, int16_t& moved,
                                        int16_t& captured, int16_t promotion) {
    MoveChange m = ChangeOf(Grid::Index(x1, y1), Grid::Index(x2, y2));
    moved = m.moved;
    captured = m.captured;
    if (m.placed != m.moved) m.placed = static_cast<int16_t>(m.moved / Piece::Pawn * promotion);
    if (std::abs(m.moved) == Piece::Pawn && x1 != x2 && m.to == EnPassantCell &&
        m.captured == EmptyCell && Board(x2, y1) == -m.moved) {
        Board(x2, y1) = EmptyCell;
        captured = EnPassantTaken;
    }
    PlayOnBoard(m);
}

// UnmakeMove of a castling or an en passant capture.
[[gnu::noinline]] void UnmakeSpecialMove(int x1, int y1, int x2, int y2, int16_t moved) {
    if (IsCastlingMove(x1)) {
        UnmakeCastling(CastlingKey(x1, y1).view);
        return;
    }
    TakeBackFromBoard({Grid::Index(x1, y1), Grid::Index(x2, y2), moved, EmptyCell, EmptyCell});
    Board(x2, y1) = static_cast<int16_t>(-moved);
}

}  // namespace

void MakeMove(int x1, int y1, int x2, int y2, int16_t& moved, int16_t& captured,
              int16_t promotion) {
    if (IsCastlingMove(x1)) {
        MakeCastling(CastlingKey(x1, y1).view);
        moved = captured = 0;
        return;
    }
    if (Rules == RuleSet::Standard) {
        MakeStandardMove(x1, y1, x2, y2, moved, captured, promotion);
        return;
    }
    const MoveChange m = ChangeOf(Grid::Index(x1, y1), Grid::Index(x2, y2));
    PlayOnBoard(m);
    moved = m.moved;
    captured = m.captured;
}

void UnmakeMove(int x1, int y1, int x2, int y2, int16_t moved, int16_t captured) {
    if (IsCastlingMove(x1) || captured == EnPassantTaken) {
        UnmakeSpecialMove(x1, y1, x2, y2, moved);
        return;
    }
    TakeBackFromBoard({Grid::Index(x1, y1), Grid::Index(x2, y2), moved, captured, EmptyCell});
}

namespace {

enum class King { Black, White };

// Makes the move, asks whether the king stands on a square the other side threatens, and
// unmakes it. A missing king reads as (0, 0), a border cell no threat ever marks.
int16_t KingAttackedAfter(King king, int x1, int y1, int x2, int y2) {
    int16_t moved, captured;
    MakeMove(x1, y1, x2, y2, moved, captured);
    ComputeAttackMaps();
    int16_t bx = 0, by = 0, wx = 0, wy = 0;
    FindKings(bx, by, wx, wy);
    const int16_t attacks = king == King::White ? BlackAttacks(wx, wy) : WhiteAttacks(bx, by);
    UnmakeMove(x1, y1, x2, y2, moved, captured);
    return attacks >= 1 ? Yes : No;
}

}  // namespace

int16_t WhiteInCheckAfter(int x1, int y1, int x2, int y2) {
    return KingAttackedAfter(King::White, x1, y1, x2, y2);
}

int16_t BlackInCheckAfter(int x1, int y1, int x2, int y2) {
    return KingAttackedAfter(King::Black, x1, y1, x2, y2);
}

namespace {

// The game-end tests: after the move, Yes when the side's check test says check (mate) or
// says none (stalemate) and no pseudo-legal move of the side's pieces passes that test.
// Every move is tried, with no early exit.
int16_t NoLegalMoveAfter(King side, int16_t check, int x1, int y1, int x2, int y2) {
    const auto inCheckAfter = side == King::White ? WhiteInCheckAfter : BlackInCheckAfter;
    if (inCheckAfter(x1, y1, x2, y2) != check) return No;
    const auto list = side == King::White ? ListWhitePieceMoves : ListBlackPieceMoves;
    const int sign = side == King::White ? -1 : 1;
    int16_t result = Yes;
    int16_t moved, captured;
    MakeMove(x1, y1, x2, y2, moved, captured);
    std::string moves;
    moves.reserve(128);
    for (int x = 1; x <= 8; ++x)
        for (int y = 1; y <= 8; ++y) {
            if (sign * Board(x, y) <= 0) continue;
            moves.clear();
            list(x, y, moves);
            for (size_t i = 0; i + 4 <= moves.size(); i += 4) {
                const MoveSquares m = DecodeMove(moves, i);
                if (inCheckAfter(m.x1, m.y1, m.x2, m.y2) == No) result = No;
            }
        }
    UnmakeMove(x1, y1, x2, y2, moved, captured);
    return result;
}

}  // namespace

int16_t IsWhiteCheckmated(int x1, int y1, int x2, int y2) {
    return NoLegalMoveAfter(King::White, Yes, x1, y1, x2, y2);
}

int16_t IsBlackCheckmated(int x1, int y1, int x2, int y2) {
    return NoLegalMoveAfter(King::Black, Yes, x1, y1, x2, y2);
}

int16_t IsWhiteStalemated(int x1, int y1, int x2, int y2) {
    return NoLegalMoveAfter(King::White, No, x1, y1, x2, y2);
}

int16_t IsBlackStalemated(int x1, int y1, int x2, int y2) {
    return NoLegalMoveAfter(King::Black, No, x1, y1, x2, y2);
}

}  // namespace ostrand
