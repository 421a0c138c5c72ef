// The engine's shared state: the board, the attack maps and the record of the one game.
//
// The engine is a set of plain procedures over these module-level globals. The player's
// pieces are always the negative codes ("White", moving up from ranks 1 and 2) and the
// engine's pieces the positive codes ("Black", moving down from ranks 7 and 8): in every
// engine header "White" means the player and "Black" the engine, whichever colour the
// player sees, which is only the window's business.
#pragma once

#include <array>
#include <cassert>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ostrand {

// Yes/no results and flags are 16-bit integers: -1 for yes, 0 for no.
constexpr int16_t Yes = -1;
constexpr int16_t No = 0;

// Piece codes: the magnitude is the material value, the sign the colour. The engine's
// (Black) pieces are positive, the player's (White) pieces negative.
namespace Piece {
constexpr int16_t Pawn = 100;
constexpr int16_t Knight = 320;
constexpr int16_t Bishop = 350;
constexpr int16_t Rook = 550;
constexpr int16_t Queen = 990;
constexpr int16_t King = 10000;
}  // namespace Piece

// What a cell can hold, numbered so that tables can be indexed by it: 0 for an empty cell
// (and the border, and any other value that is no piece), 1 to 6 for Black's pawn, knight,
// bishop, rook, queen and king, 7 to 12 for White's in the same order.
constexpr int PieceKinds = 13;
namespace detail {
inline constexpr std::array<uint8_t, 2 * Piece::King + 1> KindOfCode = [] {
    std::array<uint8_t, 2 * Piece::King + 1> kinds{};
    constexpr int16_t magnitudes[] = {Piece::Pawn, Piece::Knight, Piece::Bishop,
                                      Piece::Rook, Piece::Queen,  Piece::King};
    for (uint8_t i = 0; i < 6; ++i) {
        kinds[static_cast<size_t>(Piece::King + magnitudes[i])] = static_cast<uint8_t>(1 + i);
        kinds[static_cast<size_t>(Piece::King - magnitudes[i])] = static_cast<uint8_t>(7 + i);
    }
    return kinds;
}();
}  // namespace detail
// The kind of a cell's value, which must lie within the king codes.
constexpr int KindOf(int code) {
    assert(code >= -Piece::King && code <= Piece::King);
    return detail::KindOfCode[static_cast<size_t>(code + Piece::King)];
}

constexpr int16_t EmptyCell = 0;
// Every cell outside the 8 x 8 board. It is positive, so "Black piece" tests must exclude it.
constexpr int16_t BorderCell = 2;

// The file and rank of the null move: a border cell that stands for "no move at all".
constexpr int NullSquare = 10;

// A 12 x 12 array of 16-bit cells indexed (x, y) with both indices from -1 to 10. The
// board proper is x, y = 1..8; the two-cell border lets every knight jump and one-step look
// from an inner square land inside the array. Cell (x, y) is element (x + 1) + 12 (y + 1).
class Grid {
  public:
    static constexpr int Side = 12;
    static constexpr int CellCount = Side * Side;

    static constexpr int Index(int x, int y) { return (x + 1) + Side * (y + 1); }
    static constexpr bool InRange(int v) { return v >= -1 && v <= 10; }

    int16_t& operator()(int x, int y) {
        assert(InRange(x) && InRange(y));
        return cells[Index(x, y)];
    }
    int16_t operator()(int x, int y) const {
        assert(InRange(x) && InRange(y));
        return cells[Index(x, y)];
    }
    bool operator==(const Grid&) const = default;

    std::array<int16_t, CellCount> cells{};
};

// The board: 0 empty, a piece code, or BorderCell outside files and ranks 1..8.
extern Grid Board;
// Attack counts of the Black pieces per cell; the last filler decides which kind of count.
extern Grid BlackAttacks;
// Attack counts of the White pieces per cell; also the target map of the player's move.
extern Grid WhiteAttacks;

// Indices into CastleFlags.
namespace Castle {
constexpr int Spare = 0;            // no meaning; saved and loaded with the others
constexpr int WhiteQueenRight = 1;  // White keeps the queen-side right
constexpr int WhiteKingRight = 2;   // White keeps the king-side right
constexpr int BlackQueenRight = 3;  // Black keeps the queen-side right
constexpr int BlackKingRight = 4;   // Black keeps the king-side right
constexpr int WhiteQueenNow = 5;    // White can castle queen-side now
constexpr int WhiteKingNow = 6;     // White can castle king-side now
constexpr int BlackQueenNow = 7;    // Black can castle queen-side now
constexpr int BlackKingNow = 8;     // Black can castle king-side now
}  // namespace Castle

// Nine castling flags (Yes or No), indexed by the constants of Castle.
extern std::array<int16_t, 9> CastleFlags;
// Plies committed since the last new game (or as loaded from a saved game).
extern int16_t MoveCount;
// The game stage 1..4, set from MoveCount and the material before every engine search.
extern int16_t Stage;
// Element 0 is empty; element k is the position key after the k-th committed move.
extern std::vector<std::string> PositionHistory;
// Plies committed since the last capture or pawn move, or as a set-up position gives them.
extern int16_t HalfMoveClock;

// The rules a game follows. Designed: the engine's own game, with no en passant, promotion
// to a queen only, its own castling rule and no double step of a Black pawn to a square
// beside a White pawn. Standard: en passant and promotion to any piece for both sides, and
// castling neither out of, through nor into an attack of any piece, pawns included.
enum class RuleSet { Designed, Standard };
// The rules of the game in progress; Designed unless a host asks for the standard ones.
extern RuleSet Rules;
// Standard rules only: the cell (Grid::Index) that the pawn of the last committed move passed
// over with its double step, which the other side's pawns may capture on; 0 when none.
extern int EnPassantCell;

// A promotion to anything but a queen, which only the standard rules have, is written in a
// move text with the piece's letter in place of the to-rank digit, which the last rank makes
// redundant: 171n is the pawn on (1,7) becoming a knight on (1,8), 212r a Black pawn
// becoming a rook on (2,1). Every move text stays four characters.
constexpr char PromotionLetter(int magnitude) {
    return magnitude == Piece::Knight   ? 'n'
           : magnitude == Piece::Bishop ? 'b'
           : magnitude == Piece::Rook   ? 'r'
                                        : 0;
}
// The magnitude of a promotion letter ("q" included), or 0 for any other character.
constexpr int16_t PromotionOfLetter(char letter) {
    return letter == 'n'   ? Piece::Knight
           : letter == 'b' ? Piece::Bishop
           : letter == 'r' ? Piece::Rook
           : letter == 'q' ? Piece::Queen
                           : 0;
}

// Appends a move text: the four coordinates as decimal digits, or, for a promotion to the
// magnitude of a knight, bishop or rook, the piece's letter in place of the to-rank.
inline void AppendMove(std::string& moves, int x1, int y1, int x2, int y2,
                       int promotion = Piece::Queen) {
    const char letter = PromotionLetter(promotion);
    const char text[4] = {static_cast<char>('0' + x1), static_cast<char>('0' + y1),
                          static_cast<char>('0' + x2),
                          letter ? letter : static_cast<char>('0' + y2)};
    moves.append(text, 4);
}

// The four coordinates of a move text, the one place that reads its digits; a castling keeps
// its key's digits (0101, 0808, 9191, 9898), as MakeMove and PlayMove take them. promotion
// is the magnitude a pawn becomes: a queen unless the text names another piece.
struct MoveSquares {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int16_t promotion = Piece::Queen;
};
// The move at offset at of a text of moves; the text holds four characters there. A
// promotion's letter stands for the last rank of the pawn's side: 8 from rank 7, else 1.
inline MoveSquares DecodeMove(std::string_view moves, size_t at = 0) {
    MoveSquares m{moves[at] - '0', moves[at + 1] - '0', moves[at + 2] - '0', moves[at + 3] - '0'};
    if (const int16_t piece = moves[at + 3] > '9' ? PromotionOfLetter(moves[at + 3]) : 0) {
        m.y2 = m.y1 == 7 ? 8 : 1;
        m.promotion = piece;
    }
    return m;
}

// Whether a text is a move as the engine takes and answers them: four digits (its castling
// included), or under the standard rules a promotion's letter in place of the last.
inline bool IsMoveText(std::string_view text) {
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    return text.size() == 4 && digit(text[0]) && digit(text[1]) && digit(text[2]) &&
           (digit(text[3]) || (Rules == RuleSet::Standard && PromotionOfLetter(text[3]) != 0));
}

}  // namespace ostrand
