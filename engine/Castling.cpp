// Castling: the rook and king moves of the four castling keys, and the flags that say which
// castlings a side still has the right to and which it may play now.
#include "Support.h"
#include "Variables.h"

namespace ostrand {

namespace {

// Whether a pawn of the code given stands diagonally behind (x, y), as seen from its side,
// and so attacks that square even while it is empty.
bool PawnAttacks(int16_t pawn, int x, int y) {
    const int from = pawn > 0 ? y + 1 : y - 1;
    return Board(x - 1, from) == pawn || Board(x + 1, from) == pawn;
}

}  // namespace

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

    // The threat maps pass over a pawn's attack on an empty square; the standard rule does not.
    if (Rules != RuleSet::Standard) return;
    if (PawnAttacks(-Piece::Pawn, 4, 8) || PawnAttacks(-Piece::Pawn, 3, 8)) f[BlackQueenNow] = No;
    if (PawnAttacks(Piece::Pawn, 4, 1) || PawnAttacks(Piece::Pawn, 3, 1)) f[WhiteQueenNow] = No;
    if (PawnAttacks(-Piece::Pawn, 7, 8) || PawnAttacks(-Piece::Pawn, 6, 8)) f[BlackKingNow] = No;
    if (PawnAttacks(Piece::Pawn, 7, 1) || PawnAttacks(Piece::Pawn, 6, 1)) f[WhiteKingNow] = No;
}

}  // namespace ostrand
