#include "Support.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "Display.h"
#include "Evaluation.h"
#include "MoveGenerator.h"
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

void MakeMove(int x1, int y1, int x2, int y2, int16_t& moved, int16_t& captured) {
    if (IsCastlingMove(x1)) {
        MakeCastling(CastlingKey(x1, y1).view);
        moved = captured = 0;
        return;
    }
    captured = Board(x2, y2);
    moved = Board(x1, y1);
    Board(x2, y2) = moved;
    Board(x1, y1) = EmptyCell;
    if (y2 == 1 && moved == Piece::Pawn) Board(x2, y2) = Piece::Queen;
    if (y2 == 8 && moved == -Piece::Pawn) Board(x2, y2) = -Piece::Queen;
}

void UnmakeMove(int x1, int y1, int x2, int y2, int16_t moved, int16_t captured) {
    if (IsCastlingMove(x1)) {
        UnmakeCastling(CastlingKey(x1, y1).view);
        return;
    }
    // In this order, so that the null move, whose squares coincide, restores the border.
    Board(x1, y1) = moved;
    Board(x2, y2) = captured;
}

void MakeCastling(std::string_view key) {
    if (key == "01") {
        Board(5, 1) = EmptyCell, Board(6, 1) = -Piece::Rook;
        Board(7, 1) = -Piece::King, Board(8, 1) = EmptyCell;
    } else if (key == "08") {
        Board(5, 1) = EmptyCell, Board(4, 1) = -Piece::Rook, Board(3, 1) = -Piece::King;
        Board(2, 1) = EmptyCell, Board(1, 1) = EmptyCell;
    } else if (key == "91") {
        Board(5, 8) = EmptyCell, Board(6, 8) = Piece::Rook;
        Board(7, 8) = Piece::King, Board(8, 8) = EmptyCell;
    } else if (key == "98") {
        Board(5, 8) = EmptyCell, Board(4, 8) = Piece::Rook, Board(3, 8) = Piece::King;
        Board(2, 8) = EmptyCell, Board(1, 8) = EmptyCell;
    }
}

void UnmakeCastling(std::string_view key) {
    if (key == "01") {
        Board(5, 1) = -Piece::King, Board(6, 1) = EmptyCell;
        Board(7, 1) = EmptyCell, Board(8, 1) = -Piece::Rook;
    } else if (key == "08") {
        Board(5, 1) = -Piece::King, Board(4, 1) = EmptyCell, Board(3, 1) = EmptyCell;
        Board(2, 1) = EmptyCell, Board(1, 1) = -Piece::Rook;
    } else if (key == "91") {
        Board(5, 8) = Piece::King, Board(6, 8) = EmptyCell;
        Board(7, 8) = EmptyCell, Board(8, 8) = Piece::Rook;
    } else if (key == "98") {
        Board(5, 8) = Piece::King, Board(4, 8) = EmptyCell, Board(3, 8) = EmptyCell;
        Board(2, 8) = EmptyCell, Board(1, 8) = Piece::Rook;
    }
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

using Lister = void (*)(int, int, std::string&);
using CheckTest = int16_t (*)(int, int, int, int);

// Steps 2 to 4 of the game-end tests: after the move, -1 unless some pseudo-legal move of
// the side's pieces passes the side's check test. Every move is tried, with no early exit.
int16_t HasNoLegalMoveAfter(int x1, int y1, int x2, int y2, int sign, Lister list,
                            CheckTest inCheckAfter) {
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
            for (size_t i = 0; i + 4 <= moves.size(); i += 4)
                if (inCheckAfter(moves[i] - '0', moves[i + 1] - '0', moves[i + 2] - '0',
                                 moves[i + 3] - '0') == No)
                    result = No;
        }
    UnmakeMove(x1, y1, x2, y2, moved, captured);
    return result;
}

}  // namespace

int16_t IsWhiteCheckmated(int x1, int y1, int x2, int y2) {
    if (WhiteInCheckAfter(x1, y1, x2, y2) == No) return No;
    return HasNoLegalMoveAfter(x1, y1, x2, y2, -1, ListWhitePieceMoves, WhiteInCheckAfter);
}

int16_t IsBlackCheckmated(int x1, int y1, int x2, int y2) {
    if (BlackInCheckAfter(x1, y1, x2, y2) == No) return No;
    return HasNoLegalMoveAfter(x1, y1, x2, y2, 1, ListBlackPieceMoves, BlackInCheckAfter);
}

int16_t IsWhiteStalemated(int x1, int y1, int x2, int y2) {
    if (WhiteInCheckAfter(x1, y1, x2, y2) == Yes) return No;
    return HasNoLegalMoveAfter(x1, y1, x2, y2, -1, ListWhitePieceMoves, WhiteInCheckAfter);
}

int16_t IsBlackStalemated(int x1, int y1, int x2, int y2) {
    if (BlackInCheckAfter(x1, y1, x2, y2) == Yes) return No;
    return HasNoLegalMoveAfter(x1, y1, x2, y2, 1, ListBlackPieceMoves, BlackInCheckAfter);
}

void UpdateCastling() {
    using namespace Castle;
    auto& f = CastleFlags;
    f[WhiteQueenNow] = f[WhiteKingNow] = f[BlackQueenNow] = f[BlackKingNow] = No;

    if (Board(5, 1) != -Piece::King) f[WhiteKingRight] = f[WhiteQueenRight] = No;
    if (Board(5, 8) != Piece::King) f[BlackKingRight] = f[BlackQueenRight] = No;
    if (Board(1, 1) != -Piece::Rook) f[WhiteQueenRight] = No;
    if (Board(8, 1) != -Piece::Rook) f[WhiteKingRight] = No;
    if (Board(1, 8) != Piece::Rook) f[BlackQueenRight] = No;
    if (Board(8, 8) != Piece::Rook) f[BlackKingRight] = No;

    if (Board(1, 1) == -Piece::Rook && Board(2, 1) == EmptyCell && Board(3, 1) == EmptyCell &&
        Board(4, 1) == EmptyCell && Board(5, 1) == -Piece::King && f[WhiteQueenRight] == Yes)
        f[WhiteQueenNow] = Yes;
    if (Board(1, 8) == Piece::Rook && Board(2, 8) == EmptyCell && Board(3, 8) == EmptyCell &&
        Board(4, 8) == EmptyCell && Board(5, 8) == Piece::King && f[BlackQueenRight] == Yes)
        f[BlackQueenNow] = Yes;
    if (Board(8, 1) == -Piece::Rook && Board(7, 1) == EmptyCell && Board(6, 1) == EmptyCell &&
        Board(5, 1) == -Piece::King && f[WhiteKingRight] == Yes)
        f[WhiteKingNow] = Yes;
    if (Board(8, 8) == Piece::Rook && Board(7, 8) == EmptyCell && Board(6, 8) == EmptyCell &&
        Board(5, 8) == Piece::King && f[BlackKingRight] == Yes)
        f[BlackKingNow] = Yes;

    ComputeAttackMaps();

    if (WhiteAttacks(4, 8) || WhiteAttacks(3, 8) || WhiteAttacks(5, 8)) f[BlackQueenNow] = No;
    if (BlackAttacks(4, 1) || BlackAttacks(3, 1) || BlackAttacks(5, 1)) f[WhiteQueenNow] = No;
    if (WhiteAttacks(7, 8) || WhiteAttacks(6, 8) || WhiteAttacks(5, 8)) f[BlackKingNow] = No;
    if (BlackAttacks(7, 1) || BlackAttacks(6, 1) || BlackAttacks(5, 1)) f[WhiteKingNow] = No;
}

void PlayMove(int x1, int y1, int x2, int y2) {
    ++MoveCount;
    int16_t moved, captured;
    MakeMove(x1, y1, x2, y2, moved, captured);
    PositionHistory.push_back(PositionKey());
    UpdateCastling();
    TheDisplay().RedrawBoard();
}

namespace {

// The key's letters and the codes they stand for.
constexpr std::string_view KeyLetters = "0pnbrqkPNBRQK";
constexpr int16_t KeyCodes[] = {EmptyCell,      Piece::Pawn,    Piece::Knight, Piece::Bishop,
                                Piece::Rook,    Piece::Queen,   Piece::King,   -Piece::Pawn,
                                -Piece::Knight, -Piece::Bishop, -Piece::Rook,  -Piece::Queen,
                                -Piece::King};

// The key letter of a cell, or 0 for a value that is neither a piece nor empty.
char KeyLetter(int16_t v) {
    for (size_t i = 0; i < KeyLetters.size(); ++i)
        if (KeyCodes[i] == v) return KeyLetters[i];
    return 0;
}

}  // namespace

std::string PositionKey() {
    std::string key;
    key.reserve(64);
    for (int y = 8; y >= 1; --y)
        for (int x = 1; x <= 8; ++x)
            if (const char letter = KeyLetter(Board(x, y))) key += letter;
    return key;
}

bool SetBoardFromText(std::string_view text) {
    std::array<int16_t, 64> squares{};
    size_t filled = 0;
    for (const char c : text) {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '/') continue;
        const size_t letter = KeyLetters.find(c == '.' ? '0' : c);
        const int empties = c >= '1' && c <= '8' ? c - '0' : 0;
        if (letter == std::string_view::npos && empties == 0) return false;
        for (int n = std::max(empties, 1); n > 0; --n) {
            if (filled == squares.size()) return false;
            squares[filled++] = empties > 0 ? EmptyCell : KeyCodes[letter];
        }
    }
    if (filled != squares.size()) return false;
    Board.cells.fill(BorderCell);
    for (int i = 0; i < 64; ++i)
        Board(1 + i % 8, 8 - i / 8) = squares[static_cast<size_t>(i)];
    return true;
}

std::string BoardDiagram() {
    std::string text;
    for (int y = 8; y >= 1; --y) {
        for (int x = 1; x <= 8; ++x) {
            const char letter = KeyLetter(Board(x, y));
            text += letter == '0' || letter == 0 ? '.' : letter;
        }
        text += '\n';
    }
    return text;
}

int16_t IsRepetition() {
    if (MaterialSum() < Piece::Pawn) return No;
    const std::string key = PositionKey();
    int count = 0;
    for (size_t i = 1; i < PositionHistory.size(); ++i)
        if (PositionHistory[i] == key) ++count;
    return count >= 2 ? Yes : No;
}

int16_t ComputeStage(int16_t moveCount) {
    int16_t stage = moveCount < 12 ? 1 : 2;
    if (moveCount > 35) stage = 3;
    int black = 0, white = 0;
    for (int x = 1; x <= 8; ++x)
        for (int y = 1; y <= 8; ++y) {
            const int v = Board(x, y);
            if (v > 0 && v != Piece::Pawn) ++black;
            if (v < 0 && v != -Piece::Pawn) ++white;
        }
    return black < 4 || white < 4 ? 4 : stage;
}

void InitNewGame() {
    Board.cells.fill(BorderCell);
    constexpr int16_t backRank[8] = {Piece::Rook, Piece::Knight, Piece::Bishop, Piece::Queen,
                                     Piece::King, Piece::Bishop, Piece::Knight, Piece::Rook};
    for (int x = 1; x <= 8; ++x) {
        Board(x, 1) = static_cast<int16_t>(-backRank[x - 1]);
        Board(x, 2) = -Piece::Pawn;
        for (int y = 3; y <= 6; ++y)
            Board(x, y) = EmptyCell;
        Board(x, 7) = Piece::Pawn;
        Board(x, 8) = backRank[x - 1];
    }
    for (int i = Castle::WhiteQueenRight; i <= Castle::BlackKingRight; ++i)
        CastleFlags[i] = Yes;
    for (int i = Castle::WhiteQueenNow; i <= Castle::BlackKingNow; ++i)
        CastleFlags[i] = No;
    MoveCount = 0;
    PositionHistory.assign(1, std::string());

    TableFaults.clear();
    LoadStage1Tables();
    LoadStage2Tables();
    LoadStage3Tables();
    LoadStage4Tables();
    if (!TableFaults.empty()) {
        std::string text =
            "The piece-square tables are incomplete, the engine plays without the "
            "missing values: ";
        for (size_t i = 0; i < TableFaults.size(); ++i)
            text += (i == 0 ? "" : "; ") + TableFaults[i];
        TheDisplay().ShowMessage(text);
    }
    UpdateCastling();
}

bool SetUpPosition(std::string_view board, int16_t moveCount, CastlingRights rights) {
    if (!SetBoardFromText(board)) return false;
    CastleFlags.fill(No);
    for (size_t i = 0; i < rights.size(); ++i)
        CastleFlags[Castle::WhiteQueenRight + i] = rights[i] ? Yes : No;
    MoveCount = moveCount;
    PositionHistory.assign(1, std::string());
    UpdateCastling();
    return true;
}

}  // namespace ostrand
