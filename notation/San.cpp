#include "San.h"

#include <cctype>
#include <cstdlib>
#include <vector>

namespace ostrand::chess {

namespace {

char Lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}
char Upper(char c) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}
bool IsFileLetter(char c) {
    return c >= 'a' && c <= 'h';
}
bool IsRankDigit(char c) {
    return c >= '1' && c <= '8';
}
bool EndsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// The one legal move that matches, or why there is none.
template <typename Matches>
bool FindOne(const std::vector<Move>& legal, Matches&& matches, Move& move, std::string& error) {
    std::vector<Move> found;
    for (const Move& m : legal)
        if (matches(m)) found.push_back(m);
    if (found.size() == 1) {
        move = found.front();
        return true;
    }
    error = found.empty() ? "illegal move" : "ambiguous move";
    return false;
}

}  // namespace

std::string SanText(const Position& position, const Move& move) {
    const char piece = position.squares[move.from];
    const char kind = Lower(piece);
    std::string san;
    if (kind == 'k' && std::abs(FileOf(move.to) - FileOf(move.from)) == 2) {
        san = FileOf(move.to) == 7 ? "O-O" : "O-O-O";
    } else {
        const bool capture = position.squares[move.to] != '.' ||
                             (kind == 'p' && FileOf(move.to) != FileOf(move.from));
        if (kind == 'p') {
            if (capture) san = SquareName(move.from).substr(0, 1);
        } else {
            san = Upper(kind);
            // Name what tells this piece from the others of its kind that could go there.
            bool ambiguous = false, sameFile = false, sameRank = false;
            for (const Move& other : LegalMoves(position))
                if (other.to == move.to && other.from != move.from &&
                    position.squares[other.from] == piece) {
                    ambiguous = true;
                    sameFile |= FileOf(other.from) == FileOf(move.from);
                    sameRank |= RankOf(other.from) == RankOf(move.from);
                }
            const std::string from = SquareName(move.from);
            if (ambiguous) san += sameFile ? (sameRank ? from : from.substr(1)) : from.substr(0, 1);
        }
        if (capture) san += 'x';
        san += SquareName(move.to);
        if (move.promotion) san += std::string("=") + Upper(move.promotion);
    }
    Position after = position;
    Play(after, move);
    if (InCheck(after, after.toMove)) san += LegalMoves(after).empty() ? '#' : '+';
    return san;
}

bool ParseSan(const Position& position, std::string_view text, Move& move, std::string& error,
              CastlingRule rule) {
    return ParseSan(position, text, LegalMoves(position, rule), move, error);
}

bool ParseSan(const Position& position, std::string_view text, const std::vector<Move>& legal,
              Move& move, std::string& error) {
    std::string s(text);
    if (EndsWith(s, "e.p.")) s.resize(s.size() - 4);
    while (!s.empty() && std::string_view("+#!?").find(s.back()) != std::string_view::npos)
        s.pop_back();
    std::string castling = s;
    for (char& c : castling)
        if (c == '0' || c == 'o') c = 'O';
    if (castling == "O-O" || castling == "O-O-O") {
        const int home = position.toMove == Colour::White ? 1 : 8;
        const int from = SquareOf(5, home), to = SquareOf(castling.size() == 3 ? 7 : 3, home);
        return FindOne(
            legal,
            [&](const Move& m) {
                return m.from == from && m.to == to && Lower(position.squares[from]) == 'k';
            },
            move, error);
    }

    char kind = 'p';
    size_t at = 0;
    if (!s.empty() && std::string_view("NBRQKP").find(s[0]) != std::string_view::npos)
        kind = Lower(s[at++]);
    char promotion = 0;
    if (s.size() >= 3 && std::string_view("NBRQnbrq").find(s.back()) != std::string_view::npos &&
        (s[s.size() - 2] == '=' || IsRankDigit(s[s.size() - 2]))) {
        promotion = Lower(s.back());
        s.pop_back();
        if (s.back() == '=') s.pop_back();
    }
    // What is left: an optional from-file and from-rank, then the square the piece goes to.
    std::string squares;
    for (char c : s.substr(at))
        if (c != 'x' && c != ':' && c != '-') squares += c;
    const size_t n = squares.size();
    if (n < 2 || n > 4 || !IsFileLetter(squares[n - 2]) || !IsRankDigit(squares[n - 1])) {
        error = "not a move";
        return false;
    }
    int fromFile = 0, fromRank = 0;
    for (char c : squares.substr(0, n - 2)) {
        if (IsFileLetter(c) && fromFile == 0 && fromRank == 0)
            fromFile = c - 'a' + 1;
        else if (IsRankDigit(c) && fromRank == 0)
            fromRank = c - '0';
        else
            return error = "not a move", false;
    }
    const int to = SquareOf(squares[n - 2] - 'a' + 1, squares[n - 1] - '0');
    return FindOne(
        legal,
        [&](const Move& m) {
            return m.to == to && Lower(position.squares[m.from]) == kind &&
                   (fromFile == 0 || FileOf(m.from) == fromFile) &&
                   (fromRank == 0 || RankOf(m.from) == fromRank) &&
                   m.promotion == (promotion || !m.promotion ? promotion : 'q');
        },
        move, error);
}

}  // namespace ostrand::chess
