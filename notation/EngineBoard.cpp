#include "EngineBoard.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "Pgn.h"
#include "San.h"
#include "Support.h"
#include "Variables.h"

namespace ostrand::chess {

namespace {

char SwapCase(char c) {
    const auto u = static_cast<unsigned char>(c);
    return static_cast<char>(std::isupper(u) ? std::tolower(u) : std::toupper(u));
}

// The engine's rank of a standard rank, and back: the same mapping both ways.
int EngineRank(int rank, Colour engine) {
    return Mirrored(engine) ? 9 - rank : rank;
}

// Castling rights in the order of Position::castling: White king-side, White queen-side,
// then Black's; each is the right of the engine (flags 4 and 3) or of the other side (2, 1).
constexpr int RightFlag(size_t right, Colour engine) {
    const bool engines = (right < 2) == (engine == Colour::White);
    const bool kingSide = right % 2 == 0;
    return engines ? (kingSide ? Castle::BlackKingRight : Castle::BlackQueenRight)
                   : (kingSide ? Castle::WhiteKingRight : Castle::WhiteQueenRight);
}

}  // namespace

std::string EngineKey(const Position& position, Colour engine) {
    // The key's letters are the FEN's, upper case White; mirrored, the colours swap.
    std::string key;
    for (int y = 8; y >= 1; --y)
        for (int x = 1; x <= 8; ++x) {
            const char c = position.squares[SquareOf(x, EngineRank(y, engine))];
            key += c == '.' ? '0' : Mirrored(engine) ? SwapCase(c) : c;
        }
    return key;
}

std::string SetUpEngine(const Position& position, Colour engine) {
    CastlingRights rights{};
    for (size_t right = 0; right < 4; ++right)
        rights[static_cast<size_t>(RightFlag(right, engine) - Castle::WhiteQueenRight)] =
            position.castling[right];
    const int plies = 2 * (position.fullmove - 1) + (position.toMove == Colour::Black ? 1 : 0);
    EnPassantSquare enPassant;
    if (position.enPassant >= 0)
        enPassant = {FileOf(position.enPassant), EngineRank(RankOf(position.enPassant), engine)};
    SetUpPosition(EngineKey(position, engine), static_cast<int16_t>(std::min(plies, 32767)), rights,
                  enPassant);
    HalfMoveClock = static_cast<int16_t>(std::clamp(position.halfmoveClock, 0, 32767));

    if (position.enPassant < 0 || Rules == RuleSet::Standard) return {};
    for (const Move& move : LegalMoves(position))
        if (move.to == position.enPassant && std::tolower(position.squares[move.from]) == 'p')
            return "set up without en passant on " + SquareName(position.enPassant) +
                   ": the engine's rules have no en passant";
    return {};
}

bool EnginePosition(Colour engine, Colour toMove, Position& position, std::string& error) {
    const std::string key = PositionKey();
    if (key.size() != 64) {
        error = "the board holds something that is no piece";
        return false;
    }
    Position p;
    for (size_t i = 0; i < 64; ++i) {
        const int x = 1 + static_cast<int>(i % 8), y = 8 - static_cast<int>(i / 8);
        const char c = key[i];
        p.squares[SquareOf(x, EngineRank(y, engine))] = c == '0'           ? '.'
                                                        : Mirrored(engine) ? SwapCase(c)
                                                                           : c;
    }
    for (size_t right = 0; right < 4; ++right)
        p.castling[right] = CastleFlags[RightFlag(right, engine)] == Yes;
    DropLostCastlingRights(p);
    p.toMove = toMove;
    // The engine keeps the square its side's pawns take on: the side to move's.
    if (EnPassantCell != 0 && Rules == RuleSet::Standard) {
        const int x = EnPassantCell % Grid::Side - 1, y = EnPassantCell / Grid::Side - 1;
        const int rank = EngineRank(y, engine);
        if (rank == (toMove == Colour::White ? 6 : 3)) p.enPassant = SquareOf(x, rank);
    }
    const int plies = MoveCount - (toMove == Colour::Black ? 1 : 0);
    p.fullmove = plies > 0 ? plies / 2 + 1 : 1;
    if (!IsPosition(p, error)) return false;
    position = p;
    return true;
}

std::optional<Move> StandardMove(std::string_view engineMove, const Position& position,
                                 Colour engine) {
    if (engineMove.size() != 4) return std::nullopt;
    // Under the standard rules a promotion's letter may stand for the last rank.
    const int16_t promotion = PromotionOfLetter(engineMove[3]);
    if (Rules == RuleSet::Standard && promotion != 0 && promotion != Piece::Queen) {
        std::string queening(engineMove);
        queening[3] = static_cast<char>('0' + DecodeMove(engineMove).y2);
        std::optional<Move> move = StandardMove(queening, position, engine);
        if (!move || !move->promotion) return std::nullopt;
        move->promotion = engineMove[3];
        return move;
    }
    // Castling: the key twice, 9 for the engine's side and 0 for the other.
    const std::string_view key = engineMove.substr(0, 2);
    if (engineMove.substr(2) == key && (key == "91" || key == "98" || key == "01" || key == "08")) {
        const bool engines = key[0] == '9';
        const int home = (engines == (engine == Colour::White)) ? 1 : 8;
        return Move{SquareOf(5, home), SquareOf(key[1] == '1' ? 7 : 3, home), 0};
    }
    for (const char digit : engineMove)
        if (digit < '1' || digit > '8') return std::nullopt;
    const MoveSquares m = DecodeMove(engineMove);
    Move move{SquareOf(m.x1, EngineRank(m.y1, engine)), SquareOf(m.x2, EngineRank(m.y2, engine)),
              0};
    const char piece = position.squares[move.from];
    const int toRank = RankOf(move.to);
    if ((piece == 'P' && toRank == 8) || (piece == 'p' && toRank == 1)) move.promotion = 'q';
    return move;
}

bool EngineMove(const Position& position, const Move& move, Colour engine, std::string& text,
                std::string& error) {
    const char kind = static_cast<char>(std::tolower(position.squares[move.from]));
    if (kind == 'k' && std::abs(FileOf(move.to) - FileOf(move.from)) == 2) {
        const bool engines = position.toMove == engine;
        const char side = engines ? '9' : '0';
        const char wing = FileOf(move.to) == 7 ? '1' : '8';
        text = {side, wing, side, wing};
        return true;
    }
    const bool standard = Rules == RuleSet::Standard;
    if (kind == 'p' && move.to == position.enPassant && !standard) {
        error = "en passant, which the engine's rules do not have";
        return false;
    }
    if (move.promotion && move.promotion != 'q' && !standard) {
        error = "promotion to a piece other than a queen, which the engine's rules do not have";
        return false;
    }
    text.clear();
    for (int square : {move.from, move.to}) {
        text += static_cast<char>('0' + FileOf(square));
        text += static_cast<char>('0' + EngineRank(RankOf(square), engine));
    }
    if (move.promotion && move.promotion != 'q') text[3] = move.promotion;
    return true;
}

bool EngineMoves(const Position& start, const std::vector<Move>& moves, Colour engine,
                 std::vector<std::string>& texts, std::string& error) {
    std::vector<std::string> found;
    Position position = start;
    for (const Move& move : moves) {
        std::string text, why;
        if (!EngineMove(position, move, engine, text, why)) {
            error = MoveLabel(position, SanText(position, move)) + ": " + why;
            return false;
        }
        found.push_back(text);
        Play(position, move);
    }
    texts = std::move(found);
    return true;
}

bool ReplayOnEngine(const Position& start, const std::vector<Move>& moves, Colour engine,
                    std::string& note, std::string& error) {
    std::vector<std::string> texts;
    if (!EngineMoves(start, moves, engine, texts, error)) return false;
    note = SetUpEngine(start, engine);
    for (const std::string& t : texts) {
        const MoveSquares m = DecodeMove(t);
        PlayMove(m.x1, m.y1, m.x2, m.y2, m.promotion);
    }
    return true;
}

}  // namespace ostrand::chess
