#include "Pgn.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

#include "San.h"

namespace ostrand::chess {

namespace {

constexpr const char* Roster[] = {"Event", "Site", "Date", "Round", "White", "Black", "Result"};
constexpr const char* RosterDefaults[] = {"?", "?", "????.??.??", "?", "?", "?", "*"};
// Movetext lines stay shorter than 80 characters, as the export form asks.
constexpr size_t LineLimit = 79;

bool IsSymbolChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 ||
           std::string_view("_+#=:-/!?.").find(c) != std::string_view::npos;
}

bool IsTagName(std::string_view name) {
    if (name.empty() || std::isalpha(static_cast<unsigned char>(name[0])) == 0) return false;
    for (char c : name)
        if (std::isalnum(static_cast<unsigned char>(c)) == 0 && c != '_') return false;
    return true;
}

std::string Hex(unsigned char byte) {
    static constexpr char Digits[] = "0123456789abcdef";
    return std::string("0x") + Digits[byte >> 4] + Digits[byte & 15];
}

// A comment's text with every run of blanks, line breaks and other control characters made
// one space.
std::string Squeezed(std::string_view text) {
    std::string out;
    for (char c : text) {
        const bool blank = static_cast<unsigned char>(c) <= ' ';
        if (!blank)
            out += c;
        else if (!out.empty() && out.back() != ' ')
            out += ' ';
    }
    if (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

// Reads the games of a PGN text one token at a time, counting lines for the messages.
class Reader {
  public:
    Reader(std::string_view text, CastlingRule rule) : text_(text), rule_(rule) {}

    // Reads the next game; false at the end of the text.
    bool Next(PgnGame& game);

  private:
    bool AtEnd() const { return at_ >= text_.size(); }
    char Peek() const { return text_[at_]; }
    void Advance() {
        if (text_[at_++] == '\n') ++line_;
    }
    bool AtLineStart() const { return at_ == 0 || text_[at_ - 1] == '\n'; }
    void SkipLine() {
        while (!AtEnd() && Peek() != '\n')
            Advance();
    }
    // Skips blanks, escape lines and, outside a game, comments.
    void SkipSpace(bool comments);
    // A fault of the text itself, not of a move.
    void Fault(PgnGame& game, const std::string& what) {
        if (game.error.empty()) game.error = "line " + std::to_string(line_) + ": " + what;
    }
    void ReadTag(PgnGame& game);
    // The text of a comment; the reader stands on its opening character.
    std::string ReadComment(PgnGame& game);
    // Reads a variation, keeping it as the last move's first when all its moves can be
    // played; the reader stands on its '('.
    void ReadVariation(PgnGame& game);
    // A symbol: a move with or without its number, a result, a mark written apart.
    std::string ReadSymbol();
    void ReadNag(PgnGame& game);
    void ReadMove(PgnGame& game, Position& position, const std::string& token);
    void Comment(PgnGame& game, const std::string& text) {
        if (!game.error.empty()) return;
        if (!game.moves.empty()) game.comments.resize(game.moves.size());
        std::string& comment = game.moves.empty() ? game.startComment : game.comments.back();
        const std::string squeezed = Squeezed(text);
        if (!comment.empty() && !squeezed.empty()) comment += ' ';
        comment += squeezed;
    }

    std::string_view text_;
    CastlingRule rule_;
    // The position before the last move read, where its variations start.
    Position beforeLast_;
    size_t at_ = 0;
    int line_ = 1;
};

void Reader::SkipSpace(bool comments) {
    while (!AtEnd()) {
        const char c = Peek();
        if (std::isspace(static_cast<unsigned char>(c)) != 0) {
            Advance();
        } else if (c == '%' && AtLineStart()) {
            SkipLine();
        } else if (comments && (c == ';' || c == '{')) {
            PgnGame ignored;
            ReadComment(ignored);
        } else {
            return;
        }
    }
}

bool Reader::Next(PgnGame& game) {
    game = PgnGame();
    SkipSpace(true);
    if (AtEnd()) return false;
    Position position;
    bool movetext = false;
    // The moves start from the FEN tag's position, once all tags are read.
    auto startMoves = [&] {
        if (movetext) return;
        movetext = true;
        std::string error;
        const std::string fen = game.Tag("FEN");
        if (!fen.empty() && !ParseFen(fen, game.start, error) && game.error.empty())
            game.error = "FEN tag: " + error;
        position = game.start;
    };
    while (SkipSpace(false), !AtEnd()) {
        const char c = Peek();
        if (c == '[') {
            // The next game's tags: this game ended without its result.
            if (movetext) break;
            ReadTag(game);
        } else if (c == '{' || c == ';') {
            Comment(game, ReadComment(game));
        } else if (c == '(') {
            ReadVariation(game);
        } else if (c == '$') {
            ReadNag(game);
        } else if (c == '*') {
            Advance();
            startMoves();
            game.result = "*";
            return true;
        } else if (IsSymbolChar(c)) {
            const std::string token = ReadSymbol();
            startMoves();
            if (token == "1-0" || token == "0-1" || token == "1/2-1/2") {
                game.result = token;
                return true;
            }
            ReadMove(game, position, token);
        } else {
            Fault(game, "unexpected " + (std::isprint(static_cast<unsigned char>(c))
                                             ? std::string("'") + c + "'"
                                             : "byte " + Hex(static_cast<unsigned char>(c))));
            Advance();
        }
    }
    startMoves();
    return true;
}

void Reader::ReadTag(PgnGame& game) {
    const int line = line_;
    Advance();  // '['
    auto blanks = [&] {
        while (!AtEnd() && (Peek() == ' ' || Peek() == '\t'))
            Advance();
    };
    blanks();
    std::string name;
    while (!AtEnd() && (std::isalnum(static_cast<unsigned char>(Peek())) != 0 || Peek() == '_')) {
        name += Peek();
        Advance();
    }
    blanks();
    std::string value;
    bool closed = false;
    if (!AtEnd() && Peek() == '"') {
        for (Advance(); !AtEnd() && Peek() != '\n'; Advance()) {
            if (Peek() == '\\' && at_ + 1 < text_.size() && text_[at_ + 1] != '\n') {
                Advance();
            } else if (Peek() == '"') {
                Advance();
                closed = true;
                break;
            }
            value += Peek();
        }
    }
    blanks();
    if (!IsTagName(name) || !closed || AtEnd() || Peek() != ']') {
        if (game.error.empty())
            game.error =
                "line " + std::to_string(line) + ": a tag is not of the form [Name \"value\"]";
        SkipLine();
        return;
    }
    Advance();  // ']'
    game.SetTag(name, value);
}

std::string Reader::ReadComment(PgnGame& game) {
    const int line = line_;
    std::string text;
    if (Peek() == ';') {
        Advance();
        for (; !AtEnd() && Peek() != '\n'; Advance())
            text += Peek();
        return text;
    }
    for (Advance(); !AtEnd() && Peek() != '}'; Advance())
        text += Peek();
    if (AtEnd()) {
        if (game.error.empty())
            game.error = "line " + std::to_string(line) + ": a comment '{' is not closed";
        return {};
    }
    Advance();  // '}'
    return text;
}

std::string Reader::ReadSymbol() {
    std::string token;
    while (!AtEnd() && IsSymbolChar(Peek())) {
        token += Peek();
        Advance();
    }
    return token;
}

void Reader::ReadNag(PgnGame& game) {
    Advance();  // '$'
    int nag = 0;
    for (; !AtEnd() && std::isdigit(static_cast<unsigned char>(Peek())) != 0; Advance())
        nag = std::min(nag * 10 + (Peek() - '0'), 1000);
    if (nag < 1 || nag > 6 || game.moves.empty() || !game.error.empty()) return;
    game.nags.resize(game.moves.size());
    if (game.nags.back() == 0) game.nags.back() = nag;
}

void Reader::ReadVariation(PgnGame& game) {
    const int line = line_;
    int depth = 0;
    Position position = beforeLast_;
    std::vector<Move> moves;
    bool playable = !game.moves.empty() && game.error.empty();
    while (!AtEnd()) {
        const char c = Peek();
        if (c == '{' || c == ';') {
            ReadComment(game);
            continue;
        }
        if (depth == 1 && IsSymbolChar(c)) {
            const std::string token = ReadSymbol();
            if (!playable) continue;
            PgnGame variation;
            const Position main = beforeLast_;
            ReadMove(variation, position, token);
            beforeLast_ = main;
            playable = variation.error.empty();
            if (!variation.moves.empty()) moves.push_back(variation.moves.back());
            continue;
        }
        Advance();
        if (c == '(') ++depth;
        if (c != ')' || --depth != 0) continue;
        if (playable && !moves.empty()) {
            game.variations.resize(game.moves.size());
            if (game.variations.back().empty()) game.variations.back() = std::move(moves);
        }
        return;
    }
    if (game.error.empty())
        game.error = "line " + std::to_string(line) + ": a variation '(' is not closed";
}

void Reader::ReadMove(PgnGame& game, Position& position, const std::string& token) {
    // A move number, "12." or "12...", may stand before the move without a blank.
    size_t start = 0;
    while (start < token.size() && std::isdigit(static_cast<unsigned char>(token[start])) != 0)
        ++start;
    if (start == token.size()) return;
    if (token[start] != '.') start = 0;  // "0-0"
    start = token.find_first_not_of('.', start);
    if (start == std::string::npos) return;
    const std::string san = token.substr(start);
    // Annotations written apart ("!?") and "e.p." after a capture say nothing about the move.
    if (san.find_first_not_of("!?") == std::string::npos || san == "e.p.") return;
    if (!game.error.empty()) return;
    Move move;
    std::string why = "null move";
    if (san == "--" || !ParseSan(position, san, move, why, rule_)) {
        game.error = MoveLabel(position, san) + ": " + why;
        return;
    }
    beforeLast_ = position;
    Play(position, move);
    game.moves.push_back(move);
}

// Adds a move with its number where the export form asks for one: before every White move,
// and before a Black move that does not follow its White move directly.
void AddMove(std::vector<std::string>& tokens, Position& position, const Move& move,
             bool& numbered) {
    const std::string number = std::to_string(position.fullmove);
    if (position.toMove == Colour::White)
        tokens.push_back(number + ".");
    else if (!numbered)
        tokens.push_back(number + "...");
    tokens.push_back(SanText(position, move));
    Play(position, move);
    numbered = true;
}

// Adds a comment in braces, as words that fit a line; false when it is empty.
bool AddComment(std::vector<std::string>& tokens, std::string_view text) {
    const std::string comment = Squeezed(text);
    if (comment.empty()) return false;
    // A comment ends at the first '}', so none may stand inside it.
    std::istringstream words(comment);
    std::vector<std::string> parts;
    bool command = false;  // inside a "[%eval 0.34]": programs read it best on one line
    for (std::string word; words >> word;) {
        for (char& c : word)
            if (c == '}') c = ')';
        const bool joined = command && parts.back().size() + 1 + word.size() <= LineLimit - 2;
        command = (command || word.starts_with("[%")) && word.find(']') == std::string::npos;
        if (joined) {
            parts.back() += ' ' + word;
            continue;
        }
        for (size_t at = 0; at < word.size(); at += LineLimit - 2)
            parts.push_back(word.substr(at, LineLimit - 2));
    }
    parts.front().insert(0, "{");
    parts.back() += '}';
    tokens.insert(tokens.end(), parts.begin(), parts.end());
    return true;
}

std::string Escaped(std::string_view value) {
    std::string out;
    for (char c : value) {
        if (c == '\\' || c == '"') out += '\\';
        out += static_cast<unsigned char>(c) < ' ' ? ' ' : c;
    }
    return out;
}

}  // namespace

std::string PgnGame::Tag(std::string_view name) const {
    for (const PgnTag& tag : tags)
        if (tag.name == name) return tag.value;
    return {};
}

void PgnGame::SetTag(std::string_view name, std::string_view value) {
    for (PgnTag& tag : tags)
        if (tag.name == name) {
            tag.value = value;
            return;
        }
    tags.push_back({std::string(name), std::string(value)});
}

Position PgnGame::Final() const {
    Position position = start;
    for (const Move& move : moves)
        Play(position, move);
    return position;
}

bool ReadPgn(std::string_view text, std::vector<PgnGame>& games, std::string& error,
             CastlingRule rule) {
    int line = 1;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < ' ' && std::isspace(byte) == 0) || byte == 127) {
            error = "not a PGN file: it holds binary data (byte " + Hex(byte) + " on line " +
                    std::to_string(line) + ")";
            return false;
        }
        line += c == '\n';
    }
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);  // a UTF-8 byte order mark
    Reader reader(text, rule);
    std::vector<PgnGame> read;
    for (PgnGame game; reader.Next(game);)
        read.push_back(std::move(game));
    if (read.empty()) {
        error = "no game in the file";
        return false;
    }
    games = std::move(read);
    return true;
}

bool ReadPgnFile(const std::string& path, std::vector<PgnGame>& games, std::string& error,
                 CastlingRule rule) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    if (in) content << in.rdbuf();
    if (!in || in.bad()) {
        error = "Cannot read " + path + ": " + std::strerror(errno);
        return false;
    }
    if (!ReadPgn(content.str(), games, error, rule)) {
        error = path + ": " + error;
        return false;
    }
    return true;
}

std::string WritePgn(const PgnGame& game) {
    std::string out;
    for (size_t i = 0; i < std::size(Roster); ++i) {
        std::string value = i + 1 == std::size(Roster) ? game.result : game.Tag(Roster[i]);
        if (value.empty()) value = RosterDefaults[i];
        out += std::string("[") + Roster[i] + " \"" + Escaped(value) + "\"]\n";
    }
    if (game.start != StartPosition())
        out += "[SetUp \"1\"]\n[FEN \"" + FenText(game.start) + "\"]\n";
    for (const PgnTag& tag : game.tags) {
        bool written = tag.name == "SetUp" || tag.name == "FEN" || !IsTagName(tag.name);
        for (const char* name : Roster)
            written |= tag.name == name;
        if (!written) out += "[" + tag.name + " \"" + Escaped(tag.value) + "\"]\n";
    }
    out += '\n';

    std::vector<std::string> tokens;
    Position position = game.start;
    AddComment(tokens, game.startComment);
    bool numbered = false;  // whether the next Black move may go without its number
    for (size_t i = 0; i < game.moves.size(); ++i) {
        const Position before = position;
        AddMove(tokens, position, game.moves[i], numbered);
        if (i < game.nags.size() && game.nags[i] > 0)
            tokens.push_back("$" + std::to_string(game.nags[i]));
        if (i < game.comments.size() && AddComment(tokens, game.comments[i])) numbered = false;
        if (i >= game.variations.size() || game.variations[i].empty()) continue;
        // The variation is written only when it can be played, as it is read.
        const size_t open = tokens.size();
        Position variation = before;
        bool opened = false;
        for (const Move& move : game.variations[i]) {
            const std::vector<Move> legal = LegalMoves(variation);
            if (std::find(legal.begin(), legal.end(), move) == legal.end()) break;
            AddMove(tokens, variation, move, opened);
        }
        if (tokens.size() == open) continue;
        tokens[open].insert(0, "(");
        tokens.back() += ')';
        numbered = false;
    }
    tokens.push_back(game.result);
    std::string line;
    for (const std::string& token : tokens) {
        if (!line.empty() && line.size() + 1 + token.size() > LineLimit) {
            out += line + '\n';
            line.clear();
        }
        line += (line.empty() ? "" : " ") + token;
    }
    return out + line + "\n\n";
}

std::string MoveLabel(const Position& before, std::string_view san) {
    return "move " + std::to_string(before.fullmove) + " (" +
           (before.toMove == Colour::Black ? "..." : "") + std::string(san) + ")";
}

}  // namespace ostrand::chess
