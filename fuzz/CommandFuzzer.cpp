// Feeds any bytes to EngineCommand. The first line sets up a game state, every further line
// is one command; after each command the board must keep its border and hold only pieces,
// the move count and the history must grow in step, and a refused command must have
// changed nothing.
//
// The first byte of the first line picks the state (its value modulo 5: 'A' to 'E' in the
// seed corpus): a new game; a new game and a few moves; a position edited from a key; a
// finished game; a game loaded from a saved file. The bytes after it choose the details.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "Display.h"
#include "FuzzChecks.h"
#include "MoveGenerator.h"
#include "SavedGame.h"
#include "Search.h"
#include "Support.h"
#include "TestBoard.h"
#include "Variables.h"

namespace ostrand::fuzz {
namespace {

// Every command may start a search; the caps keep each input quick.
constexpr int CommandLimit = 8;
constexpr unsigned OpeningMoves = 4;

// Reads bytes front to back; past the end every byte reads as 0.
class ByteReader {
  public:
    explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}
    unsigned Next() {
        return position_ < bytes_.size() ? static_cast<uint8_t>(bytes_[position_++]) : 0;
    }

  private:
    std::string_view bytes_;
    size_t position_ = 0;
};

bool IsMoveText(const std::string& command) {
    if (command.size() < 4) return false;
    for (size_t i = 0; i < 4; ++i)
        if (command[i] < '1' || command[i] > '8') return false;
    return true;
}

bool IsEngineMove(const std::string& reply) {
    return reply == "9191" || reply == "9898" || (reply.size() == 4 && IsMoveText(reply));
}

// Runs one command and checks what it did to the game.
std::string Run(const std::string& command) {
    const GameState before;
    const std::string reply = EngineCommand(command);
    Require(BorderIntact(), "every border cell holds 2");
    Require(SquaresHoldPieces(), "every square is empty or holds a piece");
    if (reply == "Error")
        Require(GameState() == before, "a command answered Error changes nothing");
    if (command == "NewGame") {
        Require(reply == "OK", "NewGame answers OK");
        return reply;
    }
    if (command != "Force" && !IsMoveText(command))
        Require(reply == "Error", "a text that is no command answers Error");
    Require(reply == "Error" || reply == "CheckMate" || reply == "StaleMate" || IsEngineMove(reply),
            "the reply is one of the command's replies");

    const std::vector<std::string>& history = PositionHistory;
    Require(history.size() >= before.positionHistory.size() &&
                history.size() <= before.positionHistory.size() + 2,
            "a command commits at most two moves");
    const size_t grown = history.size() - before.positionHistory.size();
    Require(
        std::equal(before.positionHistory.begin(), before.positionHistory.end(), history.begin()),
        "the history only grows");
    Require(static_cast<int16_t>(MoveCount - before.moveCount) == static_cast<int16_t>(grown),
            "the move count and the history grow in step");
    if (grown > 0) {
        Require(history.back() == PositionKey(), "the history ends with the position");
        Require(history.back().size() == 64, "a position key has 64 characters");
    }
    return reply;
}

// A new game, taken once from the command and restored for every input: reading the
// tables again each time would slow the fuzzer down and change nothing.
void StartNewGame() {
    static const GameState newGame = [] {
        Run("NewGame");
        return GameState();
    }();
    newGame.Restore();
}

// A few moves of a new game: each of the player's moves is one of the legal ones, picked
// by the next byte, and the engine answers it.
void PlayOpening(ByteReader& in) {
    for (unsigned moves = in.Next() % (OpeningMoves + 1); moves > 0; --moves) {
        const std::vector<std::string> legal = test::LegalWhiteMoves();
        if (legal.empty()) return;
        if (!IsEngineMove(Run(legal[in.Next() % legal.size()]))) return;
    }
}

// The initial position with squares overwritten as the position editor would: the castling
// flags, the move count and the history stay as they were.
void EditPosition(ByteReader& in) {
    constexpr std::string_view letters = "0pnbrqkPNBRQK";
    std::string key = PositionKey();
    for (unsigned edits = in.Next() % 33; edits > 0; --edits) {
        const unsigned square = in.Next() % 64;
        key[square] = letters[in.Next() % letters.size()];
    }
    Require(SetBoardFromText(key), "an edited key is a position");
}

// Finished games, rank 8 first: Black mated, Black stalemated, White mated, White
// stalemated.
constexpr std::string_view EndedGames[] = {
    "k7/1Q6/1K6/8/8/8/8/8",
    "k7/2Q5/1K6/8/8/8/8/8",
    "8/8/8/8/8/1k6/1q6/K7",
    "8/8/8/8/8/1k6/2q5/K7",
};

// A game saved with any position, move count and flags, loaded over a few moves of a new game.
void LoadSavedGame(ByteReader& in) {
    static const TemporaryFile file("command");
    EditPosition(in);
    const unsigned countHigh = in.Next(), countLow = in.Next();
    MoveCount = static_cast<int16_t>(((countHigh << 8) | countLow) & 0x7fff);
    const unsigned flagsHigh = in.Next(), flagsLow = in.Next();
    const unsigned flagBits = (flagsHigh << 8) | flagsLow;
    for (size_t i = 0; i < CastleFlags.size(); ++i)
        CastleFlags[i] = (flagBits >> i) & 1 ? Yes : No;
    std::string error;
    Require(SaveGame(file.path(), error), "the game is saved");
    StartNewGame();
    PlayOpening(in);
    Require(LoadGame(file.path(), error), "a saved game loads");
}

void SetUpGame(std::string_view header) {
    ByteReader in(header);
    StartNewGame();
    switch (in.Next() % 5) {
        case 0: break;
        case 1: PlayOpening(in); break;
        case 2: EditPosition(in); break;
        case 3:
            Require(SetUpPosition(EndedGames[in.Next() % std::size(EndedGames)], 0),
                    "a finished game is a position");
            break;
        case 4: LoadSavedGame(in); break;
    }
}

}  // namespace
}  // namespace ostrand::fuzz

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    ostrand::DepthLimit = 2;
    // No result depends on the clock; a fixed one keeps every run alike.
    ostrand::SetClock([] { return 0.0; });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    size_t end = input.find('\n');
    ostrand::fuzz::SetUpGame(input.substr(0, end));
    for (int count = 0; end != std::string_view::npos && count < ostrand::fuzz::CommandLimit;
         ++count) {
        const size_t start = end + 1;
        end = input.find('\n', start);
        ostrand::fuzz::Run(std::string(input.substr(start, end - start)));
    }
    return 0;
}
