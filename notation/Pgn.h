// Portable Game Notation (PGN): games as chess programs and databases exchange them.
//
// Reading takes what players and programs write: any number of games, tag pairs, move
// numbers, SAN moves with or without marks, comments in braces or after a semicolon, numeric
// annotation glyphs ($n) and variations in parentheses; a move's judging glyph and its first
// variation are kept. Writing gives the export form: the seven tag roster first, SetUp and
// FEN for a game that does not start from the initial position, the moves in lines of at most
// 79 characters with their comments, glyphs and variations, the result.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "StandardChess.h"

namespace ostrand::chess {

struct PgnTag {
    std::string name;
    std::string value;
    bool operator==(const PgnTag&) const = default;
};

struct PgnGame {
    // The tags in the order read; writing puts the seven tag roster first whatever the order.
    std::vector<PgnTag> tags;
    // From the SetUp and FEN tags, or the initial position.
    Position start = StartPosition();
    std::vector<Move> moves;
    // comments[i] is the comment after moves[i] (empty for none); it may be shorter than moves.
    std::vector<std::string> comments;
    // The comment before the first move (empty for none).
    std::string startComment;
    // nags[i] is the glyph after moves[i] that judges it, $1 to $6 (0 for none); it may be
    // shorter than moves. Other glyphs are skipped.
    std::vector<int> nags;
    // variations[i] is the first variation after moves[i] that can be played: moves played
    // instead of it, from the position before it (empty for none); it may be shorter than
    // moves. Variations nested in it and further variations are skipped.
    std::vector<std::vector<Move>> variations;
    // "1-0", "0-1", "1/2-1/2" or "*" (unknown or unfinished).
    std::string result = "*";
    // Reading: why the game cannot be played, with the move number ("move 23 (Nf3): illegal
    // move"); moves then holds the moves before the fault. Empty for a good game.
    std::string error;

    // The tag's value, or an empty text.
    std::string Tag(std::string_view name) const;
    bool operator==(const PgnGame&) const = default;
    // Replaces the tag's value, or adds the tag at the end.
    void SetTag(std::string_view name, std::string_view value);
    // The position after the last move.
    Position Final() const;
};

// Reads every game of a PGN text. False, with the games unchanged, for a text that is not
// PGN (binary bytes) or holds no game at all; a game that cannot be played is still listed,
// with its error.
bool ReadPgn(std::string_view text, std::vector<PgnGame>& games, std::string& error,
             CastlingRule rule = CastlingRule::Standard);
// ReadPgn on a file's content; the error names the file.
bool ReadPgnFile(const std::string& path, std::vector<PgnGame>& games, std::string& error,
                 CastlingRule rule = CastlingRule::Standard);

// One game in export form, ending with an empty line, so that games can be joined into a file.
std::string WritePgn(const PgnGame& game);

// How messages name a move: "move 23 (Nf3)" for White's, "move 23 (...Nf3)" for Black's.
std::string MoveLabel(const Position& before, std::string_view san);

}  // namespace ostrand::chess
