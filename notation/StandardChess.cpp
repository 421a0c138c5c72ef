#include "StandardChess.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <sstream>
#include <string_view>

namespace ostrand::chess {

namespace {

struct Step {
    int df;
    int dr;
};
constexpr Step KnightSteps[] = {{1, 2},   {2, 1},   {2, -1}, {1, -2},
                                {-1, -2}, {-2, -1}, {-2, 1}, {-1, 2}};
constexpr Step KingSteps[] = {{1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}, {0, -1}, {1, -1}};
constexpr Step BishopSteps[] = {{1, 1}, {-1, 1}, {-1, -1}, {1, -1}};
constexpr Step RookSteps[] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};

bool OnBoard(int file, int rank) {
    return file >= 1 && file <= 8 && rank >= 1 && rank <= 8;
}

bool IsWhitePiece(char c) {
    return std::isupper(static_cast<unsigned char>(c)) != 0;
}
bool IsBlackPiece(char c) {
    return std::islower(static_cast<unsigned char>(c)) != 0;
}
bool Owns(Colour side, char c) {
    return side == Colour::White ? IsWhitePiece(c) : IsBlackPiece(c);
}
char Kind(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

// Piece letter of the colour: 'p' becomes 'P' for White.
char Of(Colour side, char kind) {
    return side == Colour::White ? static_cast<char>(std::toupper(static_cast<unsigned char>(kind)))
                                 : kind;
}

// Whether a piece of colour by attacks the square; pawns only when pawns is set.
bool Attacked(const Position& p, int square, Colour by, bool pawns) {
    const int f = FileOf(square), r = RankOf(square);
    auto holds = [&](int tf, int tr, char kind) {
        return OnBoard(tf, tr) && p.squares[SquareOf(tf, tr)] == Of(by, kind);
    };
    const int pawnRank = by == Colour::White ? r - 1 : r + 1;
    if (pawns && (holds(f - 1, pawnRank, 'p') || holds(f + 1, pawnRank, 'p'))) return true;
    for (const Step& s : KnightSteps)
        if (holds(f + s.df, r + s.dr, 'n')) return true;
    for (const Step& s : KingSteps)
        if (holds(f + s.df, r + s.dr, 'k')) return true;
    auto slides = [&](const auto& table, char kind) {
        for (const Step& s : table)
            for (int tf = f + s.df, tr = r + s.dr; OnBoard(tf, tr); tf += s.df, tr += s.dr) {
                const char c = p.squares[SquareOf(tf, tr)];
                if (c == '.') continue;
                if (c == Of(by, kind) || c == Of(by, 'q')) return true;
                break;
            }
        return false;
    };
    return slides(BishopSteps, 'b') || slides(RookSteps, 'r');
}

// A character of an input as a message shows it: printable as itself, anything else as its
// byte value.
std::string Shown(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte > ' ' && byte < 127) return std::string("'") + c + "'";
    static constexpr char Hex[] = "0123456789abcdef";
    return std::string("byte 0x") + Hex[byte >> 4] + Hex[byte & 15];
}

// "no white king", "1 black king", "8 white kings".
std::string Count(int n, const std::string& noun) {
    if (n == 0) return "no " + noun;
    return std::to_string(n) + ' ' + noun + (n == 1 ? "" : "s");
}

// The FEN's first field: eight ranks from the eighth down, each of eight squares.
bool ReadPlacement(const std::string& placement, Position& p, std::string& error) {
    std::vector<std::string> ranks;
    for (size_t start = 0;;) {
        const size_t end = placement.find('/', start);
        ranks.push_back(placement.substr(start, end - start));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    if (ranks.size() != 8) {
        error = "the FEN's placement has " + std::to_string(ranks.size()) + " ranks, not 8";
        return false;
    }
    for (int rank = 8; rank >= 1; --rank) {
        int file = 1;
        for (char c : ranks[static_cast<size_t>(8 - rank)]) {
            if (c >= '1' && c <= '9') {
                file += c - '0';
            } else if (std::string_view("pnbrqkPNBRQK").find(c) != std::string_view::npos) {
                if (file <= 8) p.squares[static_cast<size_t>(SquareOf(file, rank))] = c;
                ++file;
            } else {
                error =
                    "rank " + std::to_string(rank) + " of the FEN has an unexpected " + Shown(c);
                return false;
            }
        }
        if (file != 9) {
            error = "rank " + std::to_string(rank) + " of the FEN has " + std::to_string(file - 1) +
                    " squares, not 8";
            return false;
        }
    }
    return true;
}

}  // namespace

std::vector<Move> PseudoLegalMoves(const Position& p, CastlingRule rule) {
    std::vector<Move> moves;
    const Colour side = p.toMove;
    const int ahead = side == Colour::White ? 1 : -1;
    const int startRank = side == Colour::White ? 2 : 7;
    const int lastRank = side == Colour::White ? 8 : 1;
    auto add = [&](int from, int to) {
        if (Kind(p.squares[from]) == 'p' && RankOf(to) == lastRank) {
            for (char piece : {'q', 'r', 'b', 'n'})
                moves.push_back({from, to, piece});
        } else {
            moves.push_back({from, to, 0});
        }
    };
    for (int from = 0; from < 64; ++from) {
        const char piece = p.squares[from];
        if (!Owns(side, piece)) continue;
        const int f = FileOf(from), r = RankOf(from);
        auto steps = [&](const auto& table, bool slide) {
            for (const Step& s : table)
                for (int tf = f + s.df, tr = r + s.dr; OnBoard(tf, tr); tf += s.df, tr += s.dr) {
                    const char target = p.squares[SquareOf(tf, tr)];
                    if (Owns(side, target)) break;
                    add(from, SquareOf(tf, tr));
                    if (target != '.' || !slide) break;
                }
        };
        switch (Kind(piece)) {
            case 'p': {
                const int one = SquareOf(f, r + ahead);
                if (p.squares[one] == '.') {
                    add(from, one);
                    const int two = SquareOf(f, r + 2 * ahead);
                    if (r == startRank && p.squares[two] == '.') add(from, two);
                }
                for (int df : {-1, 1}) {
                    if (!OnBoard(f + df, r + ahead)) continue;
                    const int to = SquareOf(f + df, r + ahead);
                    if (Owns(Other(side), p.squares[to]) || to == p.enPassant) add(from, to);
                }
                break;
            }
            case 'n': steps(KnightSteps, false); break;
            case 'b': steps(BishopSteps, true); break;
            case 'r': steps(RookSteps, true); break;
            case 'q':
                steps(BishopSteps, true);
                steps(RookSteps, true);
                break;
            case 'k': {
                steps(KingSteps, false);
                // Castling: the right, an empty path, and no attack on the king's way.
                const int home = side == Colour::White ? 1 : 8;
                const int rights = side == Colour::White ? 0 : 2;
                const Colour enemy = Other(side);
                if (from != SquareOf(5, home) || InCheck(p, side)) break;
                auto empty = [&](int file) { return p.squares[SquareOf(file, home)] == '.'; };
                auto safe = [&](int file) {
                    return !Attacked(p, SquareOf(file, home), enemy,
                                     rule == CastlingRule::Standard);
                };
                if (p.castling[rights] && p.squares[SquareOf(8, home)] == Of(side, 'r') &&
                    empty(6) && empty(7) && safe(6) && safe(7))
                    moves.push_back({from, SquareOf(7, home), 0});
                if (p.castling[rights + 1] && p.squares[SquareOf(1, home)] == Of(side, 'r') &&
                    empty(2) && empty(3) && empty(4) && safe(4) && safe(3))
                    moves.push_back({from, SquareOf(3, home), 0});
                break;
            }
            default: break;
        }
    }
    return moves;
}

Position StartPosition() {
    Position p;
    std::string error;
    ParseFen("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", p, error);
    return p;
}

bool ParseFen(const std::string& fen, Position& position, std::string& error) {
    std::istringstream in(fen);
    std::vector<std::string> fields;
    for (std::string field; in >> field;)
        fields.push_back(field);
    if (fields.size() < 2 || fields.size() > 6) {
        error = "a FEN has the placement, the side to move and up to four more fields";
        return false;
    }
    fields.resize(6);
    const std::string& side = fields[1];
    const std::string castling = fields[2].empty() ? "-" : fields[2];
    const std::string enPassant = fields[3].empty() ? "-" : fields[3];
    Position p;
    p.squares.fill('.');
    if (!ReadPlacement(fields[0], p, error)) return false;
    if (side != "w" && side != "b") {
        error = "the FEN's side to move must be w or b";
        return false;
    }
    p.toMove = side == "w" ? Colour::White : Colour::Black;
    if (castling != "-") {
        for (char c : castling) {
            const auto at = std::string_view("KQkq").find(c);
            if (at == std::string_view::npos) {
                error = "the FEN's castling field '" + castling + "' is not of KQkq or -";
                return false;
            }
            p.castling[at] = true;
        }
    }
    DropLostCastlingRights(p);
    if (enPassant != "-") {
        // The square a pawn of the side not to move just passed with its double step.
        const bool white = p.toMove == Colour::White;
        const int file = enPassant.size() == 2 ? enPassant[0] - 'a' + 1 : 0;
        if (file < 1 || file > 8 || enPassant[1] != (white ? '6' : '3') ||
            p.squares[SquareOf(file, white ? 5 : 4)] != (white ? 'p' : 'P') ||
            p.squares[SquareOf(file, white ? 6 : 3)] != '.' ||
            p.squares[SquareOf(file, white ? 7 : 2)] != '.') {
            error = "the FEN's en passant square '" + enPassant +
                    "' does not follow a pawn's double step";
            return false;
        }
        p.enPassant = SquareOf(file, white ? 6 : 3);
    }
    auto number = [](const std::string& text, int fallback, int& out) {
        if (text.empty()) return out = fallback, true;
        if (text.size() > 4 || text.find_first_not_of("0123456789") != std::string::npos)
            return false;
        out = std::stoi(text);
        return true;
    };
    if (!number(fields[4], 0, p.halfmoveClock) || !number(fields[5], 1, p.fullmove)) {
        error = "the FEN's move counters are not numbers";
        return false;
    }
    if (p.fullmove < 1) {
        error = "the FEN's move number starts at 1";
        return false;
    }
    if (!IsPosition(p, error)) return false;
    position = p;
    return true;
}

std::string FenText(const Position& p) {
    std::string fen;
    for (int rank = 8; rank >= 1; --rank) {
        int empty = 0;
        for (int file = 1; file <= 8; ++file) {
            const char c = p.squares[static_cast<size_t>(SquareOf(file, rank))];
            if (c == '.') {
                ++empty;
                continue;
            }
            if (empty > 0) fen += static_cast<char>('0' + empty);
            empty = 0;
            fen += c;
        }
        if (empty > 0) fen += static_cast<char>('0' + empty);
        if (rank > 1) fen += '/';
    }
    fen += p.toMove == Colour::White ? " w " : " b ";
    const size_t before = fen.size();
    for (size_t i = 0; i < 4; ++i)
        if (p.castling[i]) fen += "KQkq"[i];
    if (fen.size() == before) fen += '-';
    fen += ' ' + (p.enPassant < 0 ? std::string("-") : SquareName(p.enPassant));
    return fen + ' ' + std::to_string(p.halfmoveClock) + ' ' + std::to_string(p.fullmove);
}

bool IsPosition(const Position& p, std::string& error) {
    const auto kings = [&](char king) {
        return std::count(p.squares.begin(), p.squares.end(), king);
    };
    const auto white = static_cast<int>(kings('K')), black = static_cast<int>(kings('k'));
    if (white != 1 || black != 1) {
        error = "the position has " + Count(white, "white king") + " and " +
                Count(black, "black king") + "; it needs one of each";
        return false;
    }
    for (int square = 0; square < 64; ++square)
        if (Kind(p.squares[static_cast<size_t>(square)]) == 'p' &&
            (RankOf(square) == 1 || RankOf(square) == 8)) {
            error = "the position has a pawn on " + SquareName(square);
            return false;
        }
    if (InCheck(p, Other(p.toMove))) {
        error = p.toMove == Colour::White ? "Black is in check but it is White's move"
                                          : "White is in check but it is Black's move";
        return false;
    }
    return true;
}

void DropLostCastlingRights(Position& p) {
    // K, Q, k, q: the king's home and the rook's corner of each right.
    constexpr int king[4] = {SquareOf(5, 1), SquareOf(5, 1), SquareOf(5, 8), SquareOf(5, 8)};
    constexpr int rook[4] = {SquareOf(8, 1), SquareOf(1, 1), SquareOf(8, 8), SquareOf(1, 8)};
    for (size_t i = 0; i < 4; ++i) {
        const Colour side = i < 2 ? Colour::White : Colour::Black;
        if (p.squares[static_cast<size_t>(king[i])] != Of(side, 'k') ||
            p.squares[static_cast<size_t>(rook[i])] != Of(side, 'r'))
            p.castling[i] = false;
    }
}

std::string SquareName(int square) {
    return {static_cast<char>('a' + FileOf(square) - 1), static_cast<char>('0' + RankOf(square))};
}

bool ParseMove(const std::string& text, Move& move) {
    if (text.size() != 4 && text.size() != 5) return false;
    auto square = [&](size_t at, int& out) {
        if (text[at] < 'a' || text[at] > 'h' || text[at + 1] < '1' || text[at + 1] > '8')
            return false;
        out = SquareOf(text[at] - 'a' + 1, text[at + 1] - '0');
        return true;
    };
    Move m;
    if (!square(0, m.from) || !square(2, m.to)) return false;
    if (text.size() == 5) {
        if (std::string_view("qrbn").find(text[4]) == std::string_view::npos) return false;
        m.promotion = text[4];
    }
    move = m;
    return true;
}

std::string MoveText(const Move& move) {
    std::string text = SquareName(move.from) + SquareName(move.to);
    if (move.promotion) text += move.promotion;
    return text;
}

bool IsAttacked(const Position& p, int square, Colour by) {
    return Attacked(p, square, by, true);
}

bool InCheck(const Position& p, Colour side) {
    for (int square = 0; square < 64; ++square)
        if (p.squares[square] == Of(side, 'k')) return IsAttacked(p, square, Other(side));
    return false;
}

std::vector<Move> LegalMoves(const Position& position, CastlingRule rule) {
    std::vector<Move> legal;
    for (const Move& m : PseudoLegalMoves(position, rule)) {
        Position after = position;
        Play(after, m);
        if (!InCheck(after, position.toMove)) legal.push_back(m);
    }
    return legal;
}

void Play(Position& p, const Move& m) {
    const char piece = p.squares[m.from];
    const Colour side = p.toMove;
    const bool pawn = Kind(piece) == 'p';
    const bool capture = p.squares[m.to] != '.';
    if (pawn && m.to == p.enPassant && !capture)
        p.squares[SquareOf(FileOf(m.to), RankOf(m.from))] = '.';
    if (Kind(piece) == 'k' && std::abs(FileOf(m.to) - FileOf(m.from)) == 2) {
        const int home = RankOf(m.from);
        const bool kingSide = FileOf(m.to) == 7;
        p.squares[SquareOf(kingSide ? 6 : 4, home)] = p.squares[SquareOf(kingSide ? 8 : 1, home)];
        p.squares[SquareOf(kingSide ? 8 : 1, home)] = '.';
    }
    p.squares[m.to] = m.promotion ? Of(side, m.promotion) : piece;
    p.squares[m.from] = '.';

    // A right goes when its king or rook leaves home or the rook is taken there.
    constexpr int corners[4] = {SquareOf(8, 1), SquareOf(1, 1), SquareOf(8, 8), SquareOf(1, 8)};
    for (int i = 0; i < 4; ++i) {
        const int kingHome = i < 2 ? SquareOf(5, 1) : SquareOf(5, 8);
        if (m.from == kingHome || m.from == corners[i] || m.to == corners[i])
            p.castling[static_cast<size_t>(i)] = false;
    }
    p.enPassant = pawn && std::abs(RankOf(m.to) - RankOf(m.from)) == 2
                      ? SquareOf(FileOf(m.from), (RankOf(m.from) + RankOf(m.to)) / 2)
                      : -1;
    p.halfmoveClock = pawn || capture ? 0 : p.halfmoveClock + 1;
    if (side == Colour::Black) ++p.fullmove;
    p.toMove = Other(side);
}

bool CanMate(const Position& position, Colour side) {
    // Counts per side: knights, bishops on light and on dark squares, anything else but kings.
    int knights[2] = {}, onLight[2] = {}, onDark[2] = {}, others[2] = {};
    for (int square = 0; square < 64; ++square) {
        const char piece = position.squares[square];
        if (piece == '.') continue;
        const bool white = std::isupper(static_cast<unsigned char>(piece)) != 0;
        const size_t s = white == (side == Colour::White) ? 0 : 1;
        switch (std::tolower(static_cast<unsigned char>(piece))) {
            case 'k': break;
            case 'n': ++knights[s]; break;
            case 'b': ++((FileOf(square) + RankOf(square)) % 2 ? onLight[s] : onDark[s]); break;
            default: ++others[s];
        }
    }
    if (others[0] > 0) return true;
    const int minors = knights[0] + onLight[0] + onDark[0];
    const int theirs = knights[1] + onLight[1] + onDark[1] + others[1];
    if (minors == 0) return false;
    // Bishops on one colour mate only against a king hemmed in by a piece that can stand on
    // the other colour.
    if (knights[0] == 0 && (onLight[0] == 0 || onDark[0] == 0))
        return theirs - (onLight[0] > 0 ? onLight[1] : onDark[1]) > 0;
    return minors >= 2 || theirs > 0;
}

}  // namespace ostrand::chess
