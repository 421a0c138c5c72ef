#include "OpeningBook.h"

#include "Levels.h"
#include "MoveGenerator.h"
#include "Support.h"
#include "Variables.h"

namespace ostrand {

std::map<std::string, std::vector<BookMove>> OpeningBook;
bool UseBook = false;

namespace {

// A position of the book may be reached with other castling rights than the book's line had.
bool MayPlay(const std::string& move) {
    if (move == "9191") return CastleFlags[Castle::BlackKingNow] == Yes;
    if (move == "9898") return CastleFlags[Castle::BlackQueenNow] == Yes;
    const MoveSquares m = DecodeMove(move);
    if (Board(m.x1, m.y1) < Piece::Pawn) return false;
    std::string moves;
    ListBlackPieceMoves(m.x1, m.y1, moves);
    for (size_t i = 0; i + 4 <= moves.size(); i += 4)
        if (moves.compare(i, 4, move) == 0) return BlackInCheckAfter(m.x1, m.y1, m.x2, m.y2) != Yes;
    return false;
}

}  // namespace

std::string BookMoveNow() {
    const auto found = OpeningBook.find(PositionKey());
    if (found == OpeningBook.end()) return {};
    std::vector<BookMove> playable;
    int total = 0;
    for (const BookMove& entry : found->second)
        if (MayPlay(entry.move)) {
            playable.push_back(entry);
            total += entry.weight;
        }
    if (total == 0) return {};
    int roll = static_cast<int>(RandomBelow(static_cast<uint64_t>(total)));
    for (const BookMove& entry : playable) {
        if (roll < entry.weight) return entry.move;
        roll -= entry.weight;
    }
    return {};
}

}  // namespace ostrand
