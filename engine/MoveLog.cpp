// The engine's log of committed moves and new games: committing moves, the position keys and
// the repetition test, the board as text, the game stage, and the start of a game. The game
// as standard chess writes it is notation's GameRecord.
#include <algorithm>
#include <array>
#include <cstdlib>

#include "Display.h"
#include "Evaluation.h"
#include "PieceRules.h"
#include "Support.h"
#include "Variables.h"

namespace ostrand {

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

// The key the game record keeps: the position key, and under the standard rules the en
// passant square (file and rank) while a pawn stands beside the pawn that passed over it.
std::string RepetitionKey() {
    std::string key = PositionKey();
    if (EnPassantCell == 0 || Rules != RuleSet::Standard) return key;
    const int x = rules::FileOf(EnPassantCell), y = rules::RankOf(EnPassantCell);
    // The pawn that passed stands one rank further on, its taker beside it.
    const int passed = y == 3 ? 4 : 5;
    const auto taker = static_cast<int16_t>(y == 3 ? Piece::Pawn : -Piece::Pawn);
    if (Board(x - 1, passed) == taker || Board(x + 1, passed) == taker) {
        key += static_cast<char>('0' + x);
        key += static_cast<char>('0' + y);
    }
    return key;
}

}  // namespace

void PlayMove(int x1, int y1, int x2, int y2, int16_t promotion) {
    ++MoveCount;
    int16_t moved, captured;
    MakeMove(x1, y1, x2, y2, moved, captured, promotion);
    const bool doubleStep = std::abs(moved) == Piece::Pawn && std::abs(y2 - y1) == 2;
    const bool irreversible = std::abs(moved) == Piece::Pawn || captured != EmptyCell;
    HalfMoveClock = irreversible ? 0 : static_cast<int16_t>(std::min(HalfMoveClock + 1, 32767));
    EnPassantCell = Rules == RuleSet::Standard && doubleStep ? Grid::Index(x1, (y1 + y2) / 2) : 0;
    PositionHistory.push_back(RepetitionKey());
    UpdateCastling();
    TheDisplay().RedrawBoard();
}

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
    const std::string key = RepetitionKey();
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
    HalfMoveClock = 0;
    PositionHistory.assign(1, std::string());
    EnPassantCell = 0;

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

bool SetUpPosition(std::string_view board, int16_t moveCount, CastlingRights rights,
                   EnPassantSquare enPassant) {
    if (!SetBoardFromText(board)) return false;
    const bool passedOver = (enPassant.y == 3 || enPassant.y == 6) && enPassant.x >= 1 &&
                            enPassant.x <= 8 && Rules == RuleSet::Standard;
    EnPassantCell = passedOver ? Grid::Index(enPassant.x, enPassant.y) : 0;
    CastleFlags.fill(No);
    for (size_t i = 0; i < rights.size(); ++i)
        CastleFlags[Castle::WhiteQueenRight + i] = rights[i] ? Yes : No;
    MoveCount = moveCount;
    HalfMoveClock = 0;
    PositionHistory.assign(1, std::string());
    UpdateCastling();
    return true;
}

}  // namespace ostrand
