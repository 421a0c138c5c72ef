#include "SavedGame.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "NumberText.h"
#include "Support.h"
#include "Variables.h"

namespace ostrand {

namespace {

constexpr int FlagLines = 9;
constexpr int ValueCount = 1 + FlagLines + Grid::CellCount;  // 154 lines
// A saved game is a few hundred bytes; anything far larger is not one.
constexpr std::uintmax_t MaxFileSize = 1 << 20;

// A value as the old line printer wrote it: a blank where a plus sign would go, the
// digits, one trailing blank, then CR LF.
void WriteValue(std::string& text, int value) {
    text += value < 0 ? '-' : ' ';
    text += std::to_string(value < 0 ? -value : value);
    text += " \r\n";
}

// The board cells in file order: file by file from -1 to 10, each from rank -1 to 10.
template <typename Visit>
void ForEachCellInFileOrder(Visit&& visit) {
    for (int x = -1; x <= 10; ++x)
        for (int y = -1; y <= 10; ++y)
            visit(x, y);
}

bool IsInner(int x, int y) {
    return x >= 1 && x <= 8 && y >= 1 && y <= 8;
}

bool IsPieceOrEmpty(int v) {
    const int magnitude = v < 0 ? -v : v;
    return v == EmptyCell || magnitude == Piece::Pawn || magnitude == Piece::Knight ||
           magnitude == Piece::Bishop || magnitude == Piece::Rook || magnitude == Piece::Queen ||
           magnitude == Piece::King;
}

std::string Quoted(std::string_view text) {
    std::string quoted = "'";
    quoted += text;
    quoted += '\'';
    return quoted;
}

}  // namespace

bool SaveGame(const std::string& path, std::string& error) {
    std::string text;
    text.reserve(ValueCount * 9);
    WriteValue(text, MoveCount);
    for (int16_t flag : CastleFlags)
        WriteValue(text, flag == Yes ? 1 : 0);
    ForEachCellInFileOrder([&](int x, int y) { WriteValue(text, Board(x, y)); });

    const std::string temporary = path + ".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (out) {
            out.write(text.data(), static_cast<std::streamsize>(text.size()));
            out.close();
        }
        if (!out) {
            std::remove(temporary.c_str());
            error = "Cannot save the game to " + path + ": the file cannot be written.";
            return false;
        }
    }
    std::error_code renameError;
    std::filesystem::rename(temporary, path, renameError);
    if (renameError) {
        std::remove(temporary.c_str());
        error = "Cannot save the game to " + path + ": " + renameError.message() + ".";
        return false;
    }
    return true;
}

bool LoadGame(const std::string& path, std::string& error) {
    auto refuse = [&](int line, const std::string& problem) {
        error = "Cannot load " + path + (line > 0 ? ", line " + std::to_string(line) : "") + ": " +
                problem + ". The game is unchanged.";
        return false;
    };

    std::error_code sizeError;
    const auto size = std::filesystem::file_size(path, sizeError);
    if (sizeError) return refuse(0, "the file cannot be read");
    if (size > MaxFileSize) return refuse(0, "the file is far too large for a saved game");
    std::string text;
    if (!numbers::ReadFile(path, text)) return refuse(0, "the file cannot be read");

    // Every value with the line it stands on. Like the reader the format comes from, stop
    // after the last value: whatever follows it is not read.
    std::array<int16_t, ValueCount> values{};
    std::array<int, ValueCount> lines{};
    int count = 0, line = 1;
    for (size_t at = 0; count < ValueCount; ++count) {
        std::string_view token;
        const auto next =
            numbers::NextNumber(text, at, line, values[static_cast<size_t>(count)], token);
        if (next == numbers::Next::End) break;
        if (next == numbers::Next::TooLarge)
            return refuse(line, Quoted(token) + " does not fit 16 bits");
        if (next == numbers::Next::NotWhole)
            return refuse(line, Quoted(token) + " is not a whole number");
        lines[static_cast<size_t>(count)] = line;
    }
    if (count < ValueCount)
        return refuse(0, "the file ends after " + std::to_string(count) + " of " +
                             std::to_string(ValueCount) + " values");

    if (values[0] < 0) return refuse(lines[0], "the move count is negative");
    int k = 1 + FlagLines;
    bool valid = true;
    ForEachCellInFileOrder([&](int x, int y) {
        if (!valid) return;
        const int v = values[k];
        if (!IsInner(x, y) && v != BorderCell) {
            valid =
                refuse(lines[k], "the border cell (" + std::to_string(x) + "," + std::to_string(y) +
                                     ") holds " + std::to_string(v) + " instead of 2");
        } else if (IsInner(x, y) && !IsPieceOrEmpty(v)) {
            valid = refuse(lines[k], "the square (" + std::to_string(x) + "," + std::to_string(y) +
                                         ") holds " + std::to_string(v) + ", which is no piece");
        }
        ++k;
    });
    if (!valid) return false;

    MoveCount = values[0];
    for (int i = 0; i < FlagLines; ++i)
        CastleFlags[i] = values[1 + i] == 1 ? Yes : No;
    k = 1 + FlagLines;
    ForEachCellInFileOrder([&](int x, int y) { Board(x, y) = values[k++]; });
    EnPassantCell = 0;
    UpdateCastling();
    return true;
}

}  // namespace ostrand
