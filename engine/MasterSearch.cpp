#include "MasterSearch.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdlib>
#include <string_view>

#include "Display.h"
#include "Evaluation.h"
#include "EvaluationInternal.h"
#include "MoveChange.h"
#include "PieceRules.h"
#include "Search.h"
#include "SearchInternal.h"
#include "SquareSets.h"
#include "Support.h"
#include "Variables.h"

namespace ostrand {

MasterReport MasterProgress;
int HashMegabytes = DefaultHashMegabytes;

namespace {

using rules::At;
using rules::Colour;
using rules::Side;

constexpr int Unbounded = 32000;
// The deepest ply a line reaches, quiescence included, and the deepest iteration.
constexpr int MostPlies = 128;
constexpr int DeepestIteration = 100;
constexpr int MostMoves = 256;

template <Colour C>
constexpr Colour Other = C == Colour::Black ? Colour::White : Colour::Black;

// A move: the from-cell, the target (the to-cell with a promotion, PieceRules.h) and, for a
// castling, which one; 0 is no move.
using Move = uint32_t;
constexpr uint32_t KingSideCastling = 1, QueenSideCastling = 2;
constexpr Move MoveOf(int from, int target, uint32_t castling = 0) {
    return static_cast<uint32_t>(from) | static_cast<uint32_t>(target) << 8 | castling << 24;
}
constexpr int FromOf(Move m) {
    return static_cast<int>(m & 0xff);
}
constexpr int TargetOf(Move m) {
    return static_cast<int>((m >> 8) & 0xffff);
}
constexpr int ToOf(Move m) {
    return rules::CellOfTarget(TargetOf(m));
}
constexpr uint32_t CastlingOf(Move m) {
    return m >> 24;
}

// The castling rights, one bit for each side's king-side and queen-side castling.
constexpr int WhiteKingSide = 1, WhiteQueenSide = 2, BlackKingSide = 4, BlackQueenSide = 8;

// Random keys of the positions: a piece kind on a cell, White to move, the castling rights
// and an en passant cell. Fixed, so that node counts repeat from run to run.
struct Keys {
    std::array<std::array<uint64_t, Grid::CellCount>, PieceKinds> piece{};
    uint64_t white = 0;
    std::array<uint64_t, 16> castling{};
    std::array<uint64_t, Grid::CellCount> enPassant{};
};
const Keys TheKeys = [] {
    Keys k;
    uint64_t state = 0x0572a4d5c3b1e9f7ULL;
    auto next = [&state] {
        uint64_t z = (state += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    };
    for (size_t kind = 1; kind < k.piece.size(); ++kind)
        for (uint64_t& key : k.piece[kind])
            key = next();
    k.white = next();
    for (uint64_t& key : k.castling)
        key = next();
    k.castling[0] = 0;
    for (uint64_t& key : k.enPassant)
        key = next();
    return k;
}();

inline uint64_t PieceKey(int code, int cell) {
    return TheKeys.piece[static_cast<size_t>(KindOf(code))][static_cast<size_t>(cell)];
}

// The rights a move from or to a cell ends: a king or a rook leaving home, a rook taken there.
const std::array<int, Grid::CellCount> RightsEnded = [] {
    std::array<int, Grid::CellCount> ended{};
    ended[Grid::Index(5, 1)] = WhiteKingSide | WhiteQueenSide;
    ended[Grid::Index(8, 1)] = WhiteKingSide;
    ended[Grid::Index(1, 1)] = WhiteQueenSide;
    ended[Grid::Index(5, 8)] = BlackKingSide | BlackQueenSide;
    ended[Grid::Index(8, 8)] = BlackKingSide;
    ended[Grid::Index(1, 8)] = BlackQueenSide;
    return ended;
}();

// How many plies a late quiet move is searched less deep, by depth and by its number.
const auto Reductions = [] {
    std::array<std::array<int8_t, 64>, 64> r{};
    for (int depth = 1; depth < 64; ++depth)
        for (int number = 1; number < 64; ++number)
            r[depth][number] =
                static_cast<int8_t>(0.75 + std::log(depth) * std::log(number) / 2.25);
    return r;
}();

// The search's own state beside Board, Running and EnPassantCell, which it keeps as the
// designed search does.
uint64_t boardKey = 0;  // the pieces and the side to move
int material = 0;       // Black's material lead
int castlingRights = 0;
int halfMoves = 0;  // plies since the last capture or pawn move

// The keys of the game's positions before the root and of the line searched, so that a
// position met again is a draw: path[historyLength + ply] is the key at ply.
std::array<uint64_t, 1024 + MostPlies + 1> path{};
int historyLength = 0;

// The principal lines: the node at ply p keeps its best line in lines[p][p..length[p]).
std::array<std::array<Move, MostPlies + 1>, MostPlies + 1> lines{};
std::array<int, MostPlies + 1> lineLength{};
std::array<std::array<Move, 2>, MostPlies + 1> killers{};
// Quiet moves' successes by side, from-square and to-square.
std::array<std::array<std::array<int, 64>, 64>, 2> history{};

double started = 0;
// The running search's time: the host's budget, or without one and without a depth the
// mode's own, which gives a player a move in a few seconds.
TimeBudget budget;
constexpr TimeBudget OwnBudget{2.0, 5.0};
int selectiveDepth = 0;
// Whether a stop may end the search: once the first iteration has left a move to play.
bool stoppable = false;
bool stopped = false;
int polls = 0;

// The transposition table.
enum Bound : uint8_t { UpperBound = 1, LowerBound = 2, ExactBound = 3 };
struct Entry {
    uint64_t key;
    Move move;
    int16_t score;
    uint8_t depth;
    uint8_t boundAndAge;  // the bound in the low two bits, the search's age above them
};
std::vector<Entry> table;
size_t tableMask = 0;
uint8_t age = 0;

void SizeTable() {
    const size_t bytes = static_cast<size_t>(std::clamp(HashMegabytes, 1, MostHashMegabytes)) << 20;
    const size_t entries = std::bit_floor(bytes / sizeof(Entry));
    if (table.size() == entries) return;
    table.assign(entries, Entry{});
    tableMask = entries - 1;
}

Entry* Probe(uint64_t key) {
    Entry& e = table[key & tableMask];
    return e.key == key ? &e : nullptr;
}

// Mate scores are stored as distances from the node, not from the root.
int ToTable(int score, int ply) {
    return score >= MateBound ? score + ply : score <= -MateBound ? score - ply : score;
}
int FromTable(int score, int ply) {
    return score >= MateBound ? score - ply : score <= -MateBound ? score + ply : score;
}

void Store(uint64_t key, int depth, int score, Bound bound, Move move, int ply) {
    Entry& e = table[key & tableMask];
    const bool same = e.key == key;
    if (same && bound != ExactBound && depth + 2 < e.depth && (e.boundAndAge >> 2) == age) return;
    if (!move && same) move = e.move;
    e = {key, move, static_cast<int16_t>(ToTable(score, ply)),
         static_cast<uint8_t>(std::clamp(depth, 0, 255)),
         static_cast<uint8_t>(bound | (age & 0x3f) << 2)};
}

uint64_t NodeKey() {
    return boardKey ^ TheKeys.castling[static_cast<size_t>(castlingRights)] ^
           (EnPassantCell ? TheKeys.enPassant[static_cast<size_t>(EnPassantCell)] : 0);
}

// The key of a position key's 64 letters (MoveLog), with White to move or not.
uint64_t KeyOfText(std::string_view text, bool whiteToMove) {
    constexpr std::string_view letters = "0pnbrqkPNBRQK";
    constexpr int16_t codes[] = {EmptyCell,      Piece::Pawn,    Piece::Knight, Piece::Bishop,
                                 Piece::Rook,    Piece::Queen,   Piece::King,   -Piece::Pawn,
                                 -Piece::Knight, -Piece::Bishop, -Piece::Rook,  -Piece::Queen,
                                 -Piece::King};
    uint64_t key = whiteToMove ? TheKeys.white : 0;
    for (size_t i = 0; i < 64 && i < text.size(); ++i) {
        const size_t letter = letters.find(text[i]);
        if (letter == std::string_view::npos) continue;
        key ^= PieceKey(codes[letter],
                        Grid::Index(1 + static_cast<int>(i % 8), 8 - static_cast<int>(i / 8)));
    }
    return key;
}

uint64_t KeyOfBoard() {
    uint64_t key = 0;
    for (int x = 1; x <= 8; ++x)
        for (int y = 1; y <= 8; ++y)
            key ^= PieceKey(Board(x, y), Grid::Index(x, y));
    return key;
}

// The game's positions since its last capture or pawn move, oldest first, ending with the
// root: the engine's log keeps them as position keys, the last of them the root's when the
// log reaches it. A log that does not end at the root is not used.
void TakeHistory() {
    historyLength = 0;
    const size_t n = PositionHistory.size();
    if (n < 2 || PositionHistory.back().compare(0, 64, PositionKey()) != 0) return;
    const size_t count = std::min({n - 2, static_cast<size_t>(halfMoves), size_t{1024}});
    for (size_t back = count; back >= 1; --back)
        path[static_cast<size_t>(historyLength++)] =
            KeyOfText(PositionHistory[n - 1 - back], back % 2 == 1);
}

// Whether the position at ply stood before, in the line or in the game, with the same side
// to move and no capture or pawn move since.
bool Repeats(int ply) {
    const int at = historyLength + ply;
    const int reach = std::min(halfMoves, at);
    for (int back = 4; back <= reach; back += 2)
        if (path[static_cast<size_t>(at - back)] == boardKey) return true;
    return false;
}

// The piece-square sets of a colour.
template <Colour C>
sets::SquareSet Own() {
    return C == Colour::Black ? Running.blackPieces : Running.whitePieces;
}

template <Colour C>
int KingCell() {
    const uint64_t kings = C == Colour::Black ? Running.blackKings : Running.whiteKings;
    return kings ? sets::CellOf(std::countr_zero(kings)) : 0;
}

// Whether colour By attacks the cell; without Pawns a pawn's attack does not count.
template <Colour By, bool Pawns = true>
bool Attacked(int cell) {
    using S = Side<By>;
    constexpr int sign = S::Sign;
    if constexpr (Pawns) {
        const int behind = cell - S::AheadStep;
        if (At(behind + 1) == sign * Piece::Pawn || At(behind - 1) == sign * Piece::Pawn)
            return true;
    }
    for (const rules::Step& s : rules::KnightOffsets)
        if (At(cell + rules::CellStep(s)) == sign * Piece::Knight) return true;
    for (const rules::Step& s : rules::KingOffsets)
        if (At(cell + rules::CellStep(s)) == sign * Piece::King) return true;
    auto slides = [cell](const rules::Step(&rays)[4], int piece) {
        for (const rules::Step& s : rays) {
            const int step = rules::CellStep(s);
            int to = cell + step;
            while (At(to) == EmptyCell)
                to += step;
            if (At(to) == sign * piece || At(to) == sign * Piece::Queen) return true;
        }
        return false;
    };
    return slides(rules::DiagonalRays, Piece::Bishop) || slides(rules::StraightRays, Piece::Rook);
}

template <Colour C>
bool InCheck() {
    const int king = KingCell<C>();
    return king != 0 && Attacked<Other<C>>(king);
}

// What a move changed, to take it back.
struct Undo {
    RunningEvaluation running;
    uint64_t key;
    int material, rights, enPassant, halfMoves;
    MoveChange first, second;
    bool two;
};

void Apply(const MoveChange& m) {
    PlayOnBoard(m);
    UpdateRunningEvaluation(m);
    material += (m.placed - m.moved) - m.captured;
    boardKey ^= PieceKey(m.moved, m.from) ^ PieceKey(m.placed, m.to) ^ PieceKey(m.captured, m.to);
}

template <RuleSet R, Colour C>
void Make(Move move, Undo& u) {
    u.running = Running;
    u.key = boardKey;
    u.material = material;
    u.rights = castlingRights;
    u.enPassant = EnPassantCell;
    u.halfMoves = halfMoves;
    u.two = false;
    const int from = FromOf(move);
    if (const uint32_t castling = CastlingOf(move)) {
        const int home = C == Colour::Black ? 8 : 1;
        const bool kingSide = castling == KingSideCastling;
        const int rook = Grid::Index(kingSide ? 8 : 1, home);
        const int16_t king = At(from);
        u.first = {from, ToOf(move), king, EmptyCell, king};
        u.second = {rook, Grid::Index(kingSide ? 6 : 4, home), At(rook), EmptyCell, At(rook)};
        u.two = true;
    } else if constexpr (R == RuleSet::Standard) {
        const StandardChange s = StandardChangeOf<C>(from, TargetOf(move));
        u.first = s.first;
        u.second = s.second;
        u.two = s.enPassant;
    } else {
        u.first = ChangeOf<C>(from, ToOf(move));
    }
    Apply(u.first);
    if (u.two) Apply(u.second);
    halfMoves =
        std::abs(u.first.moved) == Piece::Pawn || u.first.captured != EmptyCell ? 0 : halfMoves + 1;
    castlingRights &=
        ~(RightsEnded[static_cast<size_t>(from)] | RightsEnded[static_cast<size_t>(ToOf(move))]);
    if constexpr (R == RuleSet::Standard)
        EnPassantCell = CastlingOf(move) ? 0 : EnPassantAfter<C>(u.first);
    boardKey ^= TheKeys.white;
}

void Unmake(const Undo& u) {
    if (u.two) TakeBackFromBoard(u.second);
    TakeBackFromBoard(u.first);
    Running = u.running;
    boardKey = u.key;
    material = u.material;
    castlingRights = u.rights;
    EnPassantCell = u.enPassant;
    halfMoves = u.halfMoves;
}

struct ScoredMove {
    Move move;
    int score;
};
struct MoveList {
    std::array<ScoredMove, MostMoves> items;
    int size = 0;
    void Add(Move m) {
        if (size < MostMoves) items[static_cast<size_t>(size++)] = {m, 0};
    }
};

template <RuleSet R, Colour C>
void AddCastlings(MoveList& list) {
    using S = Side<C>;
    constexpr int home = S::IsBlack ? 8 : 1;
    constexpr int kingSide = S::IsBlack ? BlackKingSide : WhiteKingSide;
    constexpr int queenSide = S::IsBlack ? BlackQueenSide : WhiteQueenSide;
    // The designed rules pass over a pawn's attack on an empty square.
    constexpr bool pawns = R == RuleSet::Standard;
    const int e = Grid::Index(5, home);
    if (!(castlingRights & (kingSide | queenSide)) || At(e) != S::Sign * Piece::King ||
        Attacked<Other<C>>(e))
        return;
    auto empty = [](int x) { return At(Grid::Index(x, home)) == EmptyCell; };
    auto safe = [](int x) { return !Attacked<Other<C>, pawns>(Grid::Index(x, home)); };
    const int16_t rook = S::Sign * Piece::Rook;
    if ((castlingRights & kingSide) && At(Grid::Index(8, home)) == rook && empty(6) && empty(7) &&
        safe(6) && safe(7))
        list.Add(MoveOf(e, Grid::Index(7, home), KingSideCastling));
    if ((castlingRights & queenSide) && At(Grid::Index(1, home)) == rook && empty(2) && empty(3) &&
        empty(4) && safe(4) && safe(3))
        list.Add(MoveOf(e, Grid::Index(3, home), QueenSideCastling));
}

// Every pseudo-legal move of colour C.
template <RuleSet R, Colour C>
void AddAllMoves(MoveList& list) {
    auto sink = [&list](int from, int target) { list.Add(MoveOf(from, target)); };
    for (sets::SquareSet own = Own<C>(); own; own &= own - 1) {
        const int from = sets::CellOf(std::countr_zero(own));
        if constexpr (R == RuleSet::Standard)
            if (At(from) == Side<C>::Sign * Piece::Pawn) {
                rules::WalkStandardPawnMoves<C>(from, EnPassantCell, sink);
                continue;
            }
        rules::WalkPieceMoves<C>(from, sink, [&](int dx, int dy) {
            rules::WalkRayMoves<C>(from, rules::CellStep(dx, dy), sink);
        });
    }
    AddCastlings<R, C>(list);
}

// The captures of colour C and its pawns' steps onto the last rank, which become queens.
template <RuleSet R, Colour C>
void AddCaptures(MoveList& list) {
    using S = Side<C>;
    auto sink = [&list](int from, int target) { list.Add(MoveOf(from, target)); };
    const sets::Occupancy pieces{Running.blackPieces, Running.whitePieces};
    for (sets::SquareSet own = Own<C>(); own; own &= own - 1) {
        const int from = sets::CellOf(std::countr_zero(own));
        if (At(from) != S::Sign * Piece::Pawn) {
            sets::WalkPieceCaptures<C>(from, pieces, sink);
            continue;
        }
        if (rules::RankOf(from + S::AheadStep) == S::LastRank &&
            At(from + S::AheadStep) == EmptyCell)
            sink(from, from + S::AheadStep);
        rules::WalkPawnCaptures<C>(from, sink);
        if constexpr (R == RuleSet::Standard) rules::WalkEnPassant<C>(from, EnPassantCell, sink);
    }
}

// The cell of colour By's least valuable piece that attacks the cell, and its magnitude in
// value; 0 when none does. Pieces already taken off the board for an exchange are not seen,
// and the pieces behind them are.
template <Colour By>
int LeastAttacker(int cell, int& value) {
    using S = Side<By>;
    constexpr int sign = S::Sign;
    const int behind = cell - S::AheadStep;
    for (const int from : {behind + 1, behind - 1})
        if (At(from) == sign * Piece::Pawn) {
            value = Piece::Pawn;
            return from;
        }
    for (const rules::Step& s : rules::KnightOffsets)
        if (At(cell + rules::CellStep(s)) == sign * Piece::Knight) {
            value = Piece::Knight;
            return cell + rules::CellStep(s);
        }
    int found = 0;
    value = Piece::King + 1;
    auto slides = [&](const rules::Step(&rays)[4], int piece) {
        for (const rules::Step& s : rays) {
            const int step = rules::CellStep(s);
            int to = cell + step;
            while (At(to) == EmptyCell)
                to += step;
            const int v = At(to) * sign;
            if ((v == piece || v == Piece::Queen) && v < value) {
                value = v;
                found = to;
            }
        }
    };
    slides(rules::DiagonalRays, Piece::Bishop);
    slides(rules::StraightRays, Piece::Rook);
    if (found) return found;
    for (const rules::Step& s : rules::KingOffsets)
        if (At(cell + rules::CellStep(s)) == sign * Piece::King) {
            value = Piece::King;
            return cell + rules::CellStep(s);
        }
    return 0;
}

// Whether a capture by colour C wins at least as much material as it risks when both sides
// go on taking on its square with their least valuable pieces, each free to stop.
template <Colour C>
bool WinsExchange(Move m) {
    const int from = FromOf(m), to = ToOf(m);
    const int attacker = std::abs(At(from));
    const int victim = std::abs(At(to));
    if (victim >= attacker || attacker == Piece::Pawn) return true;
    std::array<int, 32> gain{};
    std::array<std::pair<int, int16_t>, 32> lifted{};
    int depth = 0, count = 0;
    gain[0] = victim;
    int onSquare = attacker;
    lifted[static_cast<size_t>(count++)] = {from, At(from)};
    Board.cells[static_cast<size_t>(from)] = EmptyCell;
    bool white = C == Colour::Black;  // the side to take next
    while (depth < 30) {
        int value = 0;
        const int next = white ? LeastAttacker<Colour::White>(to, value)
                               : LeastAttacker<Colour::Black>(to, value);
        if (!next) break;
        ++depth;
        gain[static_cast<size_t>(depth)] = onSquare - gain[static_cast<size_t>(depth - 1)];
        onSquare = value;
        lifted[static_cast<size_t>(count++)] = {next, At(next)};
        Board.cells[static_cast<size_t>(next)] = EmptyCell;
        white = !white;
    }
    for (int k = count - 1; k >= 0; --k)
        Board.cells[static_cast<size_t>(lifted[static_cast<size_t>(k)].first)] =
            lifted[static_cast<size_t>(k)].second;
    while (depth > 0) {
        gain[static_cast<size_t>(depth - 1)] =
            -std::max(-gain[static_cast<size_t>(depth - 1)], gain[static_cast<size_t>(depth)]);
        --depth;
    }
    return gain[0] >= 0;
}

// A capture, en passant included, or a promotion: what quiescence searches.
bool IsNoisy(Move m) {
    const int to = ToOf(m);
    if (At(to) != EmptyCell) return true;
    const int from = FromOf(m);
    return std::abs(At(from)) == Piece::Pawn && (rules::FileOf(from) != rules::FileOf(to) ||
                                                 rules::RankOf(to) == 1 || rules::RankOf(to) == 8);
}

template <Colour C>
int& HistoryOf(Move m) {
    return history[C == Colour::Black ? 0 : 1][static_cast<size_t>(sets::SquareOf(FromOf(m)))]
                  [static_cast<size_t>(sets::SquareOf(ToOf(m)))];
}

// Move ordering: the table's move, captures that do not lose the exchange by the most
// valuable victim and then the least valuable attacker, promotions, the killers, the quiet
// moves by their history, then the captures that lose the exchange.
template <Colour C>
void ScoreMoves(MoveList& list, Move tableMove, int ply) {
    for (int i = 0; i < list.size; ++i) {
        ScoredMove& s = list.items[static_cast<size_t>(i)];
        const Move m = s.move;
        const int victim = std::abs(At(ToOf(m)));
        const int attacker = std::abs(At(FromOf(m)));
        const int16_t promotion = rules::PromotionOfTarget(TargetOf(m));
        const bool promotes =
            attacker == Piece::Pawn && (rules::RankOf(ToOf(m)) == 1 || rules::RankOf(ToOf(m)) == 8);
        if (m == tableMove)
            s.score = 1 << 30;
        else if (promotes && promotion != Piece::Queen)
            s.score = -(1 << 20) + promotion;
        else if (victim != 0 || promotes ||
                 (attacker == Piece::Pawn && !CastlingOf(m) &&
                  rules::FileOf(FromOf(m)) != rules::FileOf(ToOf(m))))
            s.score = (WinsExchange<C>(m) ? 1 << 28 : -(1 << 26)) +
                      (victim + (promotes ? Piece::Queen : 0)) * 16 - attacker / 10;
        else if (m == killers[static_cast<size_t>(ply)][0])
            s.score = (1 << 27) + 1;
        else if (m == killers[static_cast<size_t>(ply)][1])
            s.score = 1 << 27;
        else
            s.score = HistoryOf<C>(m);
    }
}

// The best-scored move from index i on, swapped to i.
Move PickNext(MoveList& list, int i) {
    int best = i;
    for (int k = i + 1; k < list.size; ++k)
        if (list.items[static_cast<size_t>(k)].score > list.items[static_cast<size_t>(best)].score)
            best = k;
    std::swap(list.items[static_cast<size_t>(i)], list.items[static_cast<size_t>(best)]);
    return list.items[static_cast<size_t>(i)].move;
}

template <RuleSet R, Colour C>
bool HasLegalMove() {
    MoveList list;
    AddAllMoves<R, C>(list);
    for (int i = 0; i < list.size; ++i) {
        Undo u;
        Make<R, C>(list.items[static_cast<size_t>(i)].move, u);
        const bool legal = !InCheck<C>();
        Unmake(u);
        if (legal) return true;
    }
    return false;
}

// The Manhattan distance of two cells, and of a cell from the board's centre.
int Distance(int a, int b) {
    return std::abs(rules::FileOf(a) - rules::FileOf(b)) +
           std::abs(rules::RankOf(a) - rules::RankOf(b));
}
int FromCentre(int cell) {
    const int x = rules::FileOf(cell), y = rules::RankOf(cell);
    return std::max(4 - x, x - 5) + std::max(4 - y, y - 5);
}

// Against a bare king the evaluation's king term keeps the kings apart; a mating side needs
// the lone king driven to the edge and its own king brought up.
int MatingTerm() {
    const bool whiteBare = Running.whitePieces == Running.whiteKings;
    const bool blackBare = Running.blackPieces == Running.blackKings;
    if (whiteBare == blackBare || std::abs(material) < Piece::Rook) return 0;
    const int black = KingCell<Colour::Black>(), white = KingCell<Colour::White>();
    if (!black || !white) return 0;
    const int lone = whiteBare ? white : black;
    const int term = 40 * FromCentre(lone) + 50 * (14 - Distance(black, white));
    return whiteBare ? term : -term;
}

// The evaluation from the side to move's view, inside the mate scores.
template <Colour C>
int StaticScore() {
    const int black = EvaluateRunning() + material + MatingTerm();
    const int score = std::clamp(black, -MateBound + 1, MateBound - 1);
    return C == Colour::Black ? score : -score;
}

template <Colour C>
bool HasPieces() {
    const uint64_t kings = C == Colour::Black ? Running.blackKings : Running.whiteKings;
    const uint64_t pawns = C == Colour::Black ? Running.blackPawns : Running.whitePawns;
    return (Own<C>() & ~kings & ~pawns) != 0;
}

double Elapsed() {
    return SteadySeconds() - started;
}

void Poll() {
    TheDisplay().PollInput();
    if ((++polls & 15) == 0) TheDisplay().ProcessEvents();
    if (budget.limit > 0 && Elapsed() >= budget.limit)
        StopRequested.store(true, std::memory_order_relaxed);
}

// The start of every node: counts it, polls now and then, and says whether to go on.
bool Enter(int ply) {
    if ((++NodeCount & 2047) == 0) [[unlikely]]
        Poll();
    if (StopRequested.load(std::memory_order_relaxed) && stoppable) stopped = true;
    selectiveDepth = std::max(selectiveDepth, ply);
    return !stopped;
}

void ExtendLine(int ply, Move m) {
    const auto p = static_cast<size_t>(ply);
    lines[p][p] = m;
    for (int i = ply + 1; i < lineLength[p + 1]; ++i)
        lines[p][static_cast<size_t>(i)] = lines[p + 1][static_cast<size_t>(i)];
    lineLength[p] = std::max(lineLength[p + 1], ply + 1);
}

template <RuleSet R, Colour C>
int Quiesce(int alpha, int beta, int ply) {
    lineLength[static_cast<size_t>(ply)] = ply;
    if (!Enter(ply)) return 0;
    if (ply >= MostPlies) return StaticScore<C>();
    const bool inCheck = InCheck<C>();
    int best = -Unbounded;
    int standing = 0;
    if (!inCheck) {
        standing = StaticScore<C>();
        if (standing >= beta) return standing;
        best = standing;
        alpha = std::max(alpha, standing);
    }
    MoveList list;
    if (inCheck)
        AddAllMoves<R, C>(list);
    else
        AddCaptures<R, C>(list);
    ScoreMoves<C>(list, 0, ply);
    int legal = 0;
    for (int i = 0; i < list.size; ++i) {
        const Move m = PickNext(list, i);
        // A capture that cannot bring the score near alpha is passed over.
        if (!inCheck && std::abs(At(FromOf(m))) != Piece::Pawn &&
            standing + std::abs(At(ToOf(m))) + 200 < alpha)
            continue;
        // So is one that loses material in the exchange on its square.
        if (!inCheck && !WinsExchange<C>(m)) continue;
        Undo u;
        Make<R, C>(m, u);
        if (InCheck<C>()) {
            Unmake(u);
            continue;
        }
        ++legal;
        const int score = -Quiesce<R, Other<C>>(-beta, -alpha, ply + 1);
        Unmake(u);
        if (stopped) return 0;
        if (score > best) {
            best = score;
            if (score > alpha) {
                alpha = score;
                ExtendLine(ply, m);
                if (score >= beta) break;
            }
        }
    }
    if (inCheck && legal == 0) return -MateScore + ply;
    // A side with only its king and pawns may have no move at all: stalemate.
    if (!inCheck && legal == 0 && !HasPieces<C>() && !HasLegalMove<R, C>()) return 0;
    return best;
}

template <RuleSet R, Colour C>
int Search(int alpha, int beta, int depth, int ply, bool nullAllowed) {
    if (depth <= 0) return Quiesce<R, C>(alpha, beta, ply);
    const auto p = static_cast<size_t>(ply);
    lineLength[p] = ply;
    if (!Enter(ply)) return 0;
    path[static_cast<size_t>(historyLength + ply)] = boardKey;
    const bool pvNode = beta - alpha > 1;
    if (Repeats(ply)) return 0;
    // No mate found below can be shorter than one found already.
    alpha = std::max(alpha, -MateScore + ply);
    beta = std::min(beta, MateScore - ply - 1);
    if (alpha >= beta) return alpha;
    if (ply >= MostPlies) return StaticScore<C>();

    const uint64_t key = NodeKey();
    Move tableMove = 0;
    if (const Entry* e = Probe(key)) {
        tableMove = e->move;
        const int score = FromTable(e->score, ply);
        const int bound = e->boundAndAge & 3;
        if (!pvNode && e->depth >= depth &&
            (bound == ExactBound || (bound == LowerBound && score >= beta) ||
             (bound == UpperBound && score <= alpha)))
            return score;
    }
    const bool inCheck = InCheck<C>();
    if (halfMoves >= 100 && (!inCheck || HasLegalMove<R, C>())) return 0;
    if (inCheck) ++depth;

    const int standing = inCheck ? -Unbounded : StaticScore<C>();
    if (!pvNode && !inCheck && std::abs(beta) < MateBound) {
        if (depth <= 6 && standing - 90 * depth >= beta) return standing;
        // Null move: a position good enough even if the side passes; not without pieces,
        // where passing may be all that saves it (zugzwang).
        if (nullAllowed && depth >= 2 && standing >= beta && HasPieces<C>()) {
            const int reduction = 3 + depth / 4 + std::min(2, (standing - beta) / 200);
            const Undo u{Running,   boardKey, material, castlingRights, EnPassantCell,
                         halfMoves, {},       {},       false};
            boardKey ^= TheKeys.white;
            EnPassantCell = 0;
            halfMoves = 0;  // no repetition reaches across a pass
            const int score =
                -Search<R, Other<C>>(-beta, -beta + 1, depth - 1 - reduction, ply + 1, false);
            boardKey = u.key;
            EnPassantCell = u.enPassant;
            halfMoves = u.halfMoves;
            if (stopped) return 0;
            if (score >= beta) return score >= MateBound ? beta : score;
        }
    }

    MoveList list;
    AddAllMoves<R, C>(list);
    ScoreMoves<C>(list, tableMove, ply);
    std::array<Move, 64> quiets;
    int quietCount = 0;
    int legal = 0;
    int best = -Unbounded;
    Move bestMove = 0;
    const int startAlpha = alpha;
    for (int i = 0; i < list.size; ++i) {
        const Move m = PickNext(list, i);
        const bool noisy = IsNoisy(m);
        const bool killer = m == killers[p][0] || m == killers[p][1];
        const bool prunable =
            !pvNode && !inCheck && legal > 0 && !noisy && !killer && best > -MateBound;
        // Late quiet moves at the last plies, and quiet moves that cannot reach alpha there.
        if (prunable && depth <= 3 && quietCount >= 3 + 2 * depth * depth) continue;
        const bool futile = prunable && depth <= 2 && standing + 100 + 120 * depth <= alpha;
        Undo u;
        Make<R, C>(m, u);
        if (InCheck<C>()) {
            Unmake(u);
            continue;
        }
        ++legal;
        const bool givesCheck = InCheck<Other<C>>();
        if (futile && !givesCheck) {
            Unmake(u);
            continue;
        }
        if (!noisy && quietCount < 64) quiets[static_cast<size_t>(quietCount++)] = m;
        const int next = depth - 1;
        int score;
        if (legal == 1) {
            score = -Search<R, Other<C>>(-beta, -alpha, next, ply + 1, true);
        } else {
            int reduction = 0;
            if (depth >= 3 && !noisy && !inCheck && !givesCheck) {
                reduction = Reductions[static_cast<size_t>(std::min(depth, 63))]
                                      [static_cast<size_t>(std::min(legal, 63))];
                if (pvNode) --reduction;
                if (killer) --reduction;
                reduction = std::clamp(reduction, 0, next - 1);
            }
            score = -Search<R, Other<C>>(-alpha - 1, -alpha, next - reduction, ply + 1, true);
            if (score > alpha && reduction > 0)
                score = -Search<R, Other<C>>(-alpha - 1, -alpha, next, ply + 1, true);
            if (score > alpha && score < beta)
                score = -Search<R, Other<C>>(-beta, -alpha, next, ply + 1, true);
        }
        Unmake(u);
        if (stopped) return 0;
        if (score > best) {
            best = score;
            if (score > alpha) {
                alpha = score;
                bestMove = m;
                ExtendLine(ply, m);
                if (score >= beta) {
                    if (!noisy) {
                        if (killers[p][0] != m) killers[p] = {m, killers[p][0]};
                        for (int q = 0; q < quietCount; ++q) {
                            int& h = HistoryOf<C>(quiets[static_cast<size_t>(q)]);
                            const int bonus = quiets[static_cast<size_t>(q)] == m ? depth * depth
                                                                                  : -depth * depth;
                            h += bonus - h * std::abs(bonus) / 16384;
                        }
                    }
                    break;
                }
            }
        }
    }
    if (legal == 0) return inCheck ? -MateScore + ply : 0;
    const Bound bound = best >= beta ? LowerBound : alpha > startAlpha ? ExactBound : UpperBound;
    Store(key, depth, best, bound, bestMove, ply);
    return best;
}

// The engine's text of a move of colour C: the castling key twice (9191, 0808, ...).
template <Colour C>
std::string MoveText(Move m) {
    if (const uint32_t castling = CastlingOf(m)) {
        const char side = C == Colour::Black ? '9' : '0';
        const char wing = castling == KingSideCastling ? '1' : '8';
        return {side, wing, side, wing};
    }
    std::string text;
    AppendMove(text, rules::FileOf(FromOf(m)), rules::RankOf(FromOf(m)), rules::FileOf(ToOf(m)),
               rules::RankOf(ToOf(m)), rules::PromotionOfTarget(TargetOf(m)));
    return text;
}

// A root move with its score in the running iteration and its line.
struct RootMove {
    Move move;
    int score;
    std::vector<Move> line;
};
std::vector<RootMove> rootMoves;

// Searches the root moves from first on; each that ends the search inside the window, and
// the first, get their score and line, the others -Unbounded. The best comes to first.
template <RuleSet R>
int SearchRoot(int alpha, int beta, int depth, size_t first) {
    int best = -Unbounded;
    path[static_cast<size_t>(historyLength)] = boardKey;
    for (size_t i = first; i < rootMoves.size(); ++i) {
        RootMove& rm = rootMoves[i];
        TheDisplay().ReportRootMove(MoveText<Colour::Black>(rm.move), static_cast<int>(i + 1));
        Undo u;
        Make<R, Colour::Black>(rm.move, u);
        int score;
        if (i == first) {
            score = -Search<R, Colour::White>(-beta, -alpha, depth - 1, 1, true);
        } else {
            score = -Search<R, Colour::White>(-alpha - 1, -alpha, depth - 1, 1, true);
            if (score > alpha && score < beta && !stopped)
                score = -Search<R, Colour::White>(-beta, -alpha, depth - 1, 1, true);
        }
        Unmake(u);
        if (stopped) return best;
        rm.score = -Unbounded;
        if (i == first || score > alpha) {
            rm.score = score;
            rm.line.assign(1, rm.move);
            for (int k = 1; k < lineLength[1]; ++k)
                rm.line.push_back(lines[1][static_cast<size_t>(k)]);
        }
        best = std::max(best, score);
        if (score > alpha) {
            alpha = score;
            std::rotate(rootMoves.begin() + static_cast<long>(first),
                        rootMoves.begin() + static_cast<long>(i),
                        rootMoves.begin() + static_cast<long>(i) + 1);
            if (score >= beta) break;
        }
    }
    return best;
}

// Whether the move is among colour C's legal moves here.
template <RuleSet R, Colour C>
bool IsLegal(Move m) {
    MoveList list;
    AddAllMoves<R, C>(list);
    for (int i = 0; i < list.size; ++i)
        if (list.items[static_cast<size_t>(i)].move == m) {
            Undo u;
            Make<R, C>(m, u);
            const bool legal = !InCheck<C>();
            Unmake(u);
            return legal;
        }
    return false;
}

// A line as text, lengthened from the table beyond the moves the search kept, up to a
// repetition or a table move that is no legal move.
template <RuleSet R, Colour C>
void WriteLine(const std::vector<Move>& line, size_t at, std::string& text, int left,
               uint64_t seen[], int count) {
    if (left == 0) return;
    Move m = 0;
    if (at < line.size()) {
        m = line[at];
    } else {
        const Entry* e = Probe(NodeKey());
        if (!e || !e->move || !IsLegal<R, C>(e->move)) return;
        for (int k = 0; k < count; ++k)
            if (seen[k] == boardKey) return;
        m = e->move;
    }
    text += MoveText<C>(m);
    seen[count] = boardKey;
    Undo u;
    Make<R, C>(m, u);
    WriteLine<R, Other<C>>(line, at + 1, text, left - 1, seen, count + 1);
    Unmake(u);
}

int HashFull() {
    const size_t sample = std::min<size_t>(1000, table.size());
    size_t used = 0;
    for (size_t i = 0; i < sample; ++i)
        used += table[i].key != 0 && (table[i].boundAndAge >> 2) == (age & 0x3f);
    return static_cast<int>(used * 1000 / std::max<size_t>(sample, 1));
}

template <RuleSet R>
void Report(int depth, int lines) {
    MasterProgress.depth = depth;
    MasterProgress.selectiveDepth = selectiveDepth;
    MasterProgress.hashFull = HashFull();
    MasterProgress.lines.clear();
    for (int k = 0; k < lines; ++k) {
        const RootMove& rm = rootMoves[static_cast<size_t>(k)];
        MasterLine line{rm.score, {}};
        std::array<uint64_t, MostPlies> seen{};
        WriteLine<R, Colour::Black>(rm.line, 0, line.moves, MostPlies / 2, seen.data(), 0);
        MasterProgress.lines.push_back(std::move(line));
    }
    SearchDepth = static_cast<int16_t>(depth);
    PlyValue(0) = static_cast<int16_t>(rootMoves.front().score);
    if (IterationDone) IterationDone();
    ShowSearchStatus();
}

// Whether the root may hold the move text.
bool AllowedAtRoot(const std::string& move) {
    for (size_t i = 0; i + 4 <= SearchMovesOnly.size(); i += 4)
        if (SearchMovesOnly.compare(i, 4, move) == 0) return true;
    return SearchMovesOnly.empty();
}

template <RuleSet R>
std::string Think() {
    MoveList list;
    AddAllMoves<R, Colour::Black>(list);
    rootMoves.clear();
    for (int pass = 0; pass < 2 && rootMoves.empty(); ++pass)
        for (int i = 0; i < list.size; ++i) {
            const Move m = list.items[static_cast<size_t>(i)].move;
            // A castling the host's rules refuse here (CastleFlags' castle-now flags) is left out.
            const uint32_t castling = CastlingOf(m);
            const int now =
                castling == KingSideCastling ? Castle::BlackKingNow : Castle::BlackQueenNow;
            if ((pass == 0 && !AllowedAtRoot(MoveText<Colour::Black>(m))) ||
                (castling && CastleFlags[static_cast<size_t>(now)] != Yes) ||
                !IsLegal<R, Colour::Black>(m))
                continue;
            rootMoves.push_back({m, -Unbounded, {m}});
        }
    if (rootMoves.empty()) return {};
    // Captures and promotions first, as the table would have them.
    const Entry* e = Probe(NodeKey());
    MoveList order;
    for (const RootMove& rm : rootMoves)
        order.Add(rm.move);
    ScoreMoves<Colour::Black>(order, e ? e->move : 0, 0);
    std::stable_sort(rootMoves.begin(), rootMoves.end(), [&](const RootMove& a, const RootMove& b) {
        auto scoreOf = [&](Move m) {
            for (int i = 0; i < order.size; ++i)
                if (order.items[static_cast<size_t>(i)].move == m)
                    return order.items[static_cast<size_t>(i)].score;
            return 0;
        };
        return scoreOf(a.move) > scoreOf(b.move);
    });

    const int wanted = std::clamp(RootLinesWanted, 1, static_cast<int>(rootMoves.size()));
    const int deepest =
        DepthLimit > 0 ? std::min<int>(DepthLimit, DeepestIteration) : DeepestIteration;
    std::array<double, DeepestIteration + 2> took{};
    std::vector<int> previous(static_cast<size_t>(wanted), 0);
    for (int depth = 1; depth <= deepest; ++depth) {
        const double begun = Elapsed();
        TheDisplay().ReportDepth(depth);
        for (int k = 0; k < wanted && !stopped; ++k) {
            // Aspiration: a narrow window around the last score, widened on failing.
            int delta = 30;
            int alpha = -Unbounded, beta = Unbounded;
            if (depth >= 5 && std::abs(previous[static_cast<size_t>(k)]) < MateBound) {
                alpha = previous[static_cast<size_t>(k)] - delta;
                beta = previous[static_cast<size_t>(k)] + delta;
            }
            for (;;) {
                const int score = SearchRoot<R>(alpha, beta, depth, static_cast<size_t>(k));
                if (stopped) break;
                if (score <= alpha) {
                    alpha = std::max(score - delta, -Unbounded);
                } else if (score >= beta) {
                    beta = std::min(score + delta, Unbounded);
                } else {
                    break;
                }
                delta *= 2;
                if (delta > 1000) alpha = -Unbounded, beta = Unbounded;
            }
            if (stopped) break;
            std::stable_sort(
                rootMoves.begin() + k + 1, rootMoves.end(),
                [](const RootMove& a, const RootMove& b) { return a.score > b.score; });
            previous[static_cast<size_t>(k)] = rootMoves[static_cast<size_t>(k)].score;
        }
        if (stopped) break;
        stoppable = true;
        Report<R>(depth, wanted);
        took[static_cast<size_t>(depth)] = Elapsed() - begun;
        // A mate already proven for the engine ends the search, unless the host waits anyway.
        const int best = rootMoves.front().score;
        if (DepthLimit == 0 && budget.limit > 0 && best >= MateBound &&
            depth >= MateScore - best + 2)
            break;
        // An iteration begins only when it can be expected to end by the target: it takes
        // as many times as long as the last one as that one took over the one before it.
        if (budget.limit > 0 && depth < deepest) {
            const double last = took[static_cast<size_t>(depth)];
            const double before = took[static_cast<size_t>(depth - 1)];
            const double growth = before > 0.002 ? std::clamp(last / before, 1.5, 6.0) : 3.0;
            if (Elapsed() + last * growth > budget.target) break;
        }
    }
    return MoveText<Colour::Black>(rootMoves.front().move);
}

}  // namespace

void ClearHash() {
    std::fill(table.begin(), table.end(), Entry{});
    history = {};
    age = 0;
}

std::string FindMasterMove() {
    Stage = ComputeStage(MoveCount);
    started = SearchStart = SteadySeconds();
    NodeCount = 0;
    selectiveDepth = 0;
    polls = 0;
    stoppable = stopped = false;
    budget = SearchBudget.limit > 0 || DepthLimit != 0 ? SearchBudget : OwnBudget;
    SizeTable();
    ++age;
    killers = {};
    for (auto& side : history)
        for (auto& row : side)
            for (int& h : row)
                h /= 8;
    material = MaterialSum();
    StartRunningEvaluation();
    boardKey = KeyOfBoard();
    castlingRights = (CastleFlags[Castle::WhiteKingRight] == Yes ? WhiteKingSide : 0) |
                     (CastleFlags[Castle::WhiteQueenRight] == Yes ? WhiteQueenSide : 0) |
                     (CastleFlags[Castle::BlackKingRight] == Yes ? BlackKingSide : 0) |
                     (CastleFlags[Castle::BlackQueenRight] == Yes ? BlackQueenSide : 0);
    halfMoves = HalfMoveClock;
    TakeHistory();
    const std::string move =
        Rules == RuleSet::Standard ? Think<RuleSet::Standard>() : Think<RuleSet::Designed>();
    StopRequested.store(false, std::memory_order_relaxed);
    Display& display = TheDisplay();
    if (!move.empty()) display.ReportScore(rootMoves.front().score);
    ShowSearchStatus();
    display.SetLabel(StatusLabel::State, display.LabelText(StatusLabel::State) + " / " +
                                             std::to_string(ostrand::Evaluate()));
    return move;
}

}  // namespace ostrand
