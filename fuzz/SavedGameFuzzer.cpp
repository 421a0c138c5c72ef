// Feeds any bytes to the saved-game reader as the content of a file. A refused file must
// change nothing; an accepted one must leave a board with its border and only pieces on it,
// and saving and loading it again must give the same game.
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>

#include "FuzzChecks.h"
#include "SavedGame.h"
#include "Support.h"
#include "Variables.h"

namespace ostrand::fuzz {
namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

// The game every input is loaded over: a few moves into a new game, so that a load that
// touched the history would show.
const GameState& Reference() {
    static const GameState reference = [] {
        InitNewGame();
        PlayMove(5, 2, 5, 4);
        PlayMove(4, 7, 4, 5);
        PlayMove(5, 4, 4, 5);
        return GameState();
    }();
    return reference;
}

void Check(const uint8_t* data, size_t size) {
    static const TemporaryFile input("input"), saved("saved");
    Reference().Restore();
    {
        std::ofstream out(input.path(), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        Require(static_cast<bool>(out), "the input is written");
    }
    std::string error;
    if (!LoadGame(input.path(), error)) {
        Require(!error.empty(), "a refused file is explained");
        Require(GameState() == Reference(), "a refused file changes nothing");
        return;
    }
    Require(BorderIntact(), "every border cell holds 2");
    Require(SquaresHoldPieces(), "every square is empty or holds a piece");
    Require(MoveCount >= 0, "the move count is not negative");
    for (int16_t flag : CastleFlags)
        Require(flag == Yes || flag == No, "every castling flag is yes or no");
    Require(PositionHistory == Reference().positionHistory, "a load leaves the history alone");
    Require(PositionKey().size() == 64, "a position key has 64 characters");

    const GameState loaded;
    Require(SaveGame(saved.path(), error), "the loaded game is saved");
    const std::string text = ReadAll(saved.path());
    Reference().Restore();
    Require(LoadGame(saved.path(), error), "a saved game loads");
    Require(GameState() == loaded, "saving and loading again gives the same game");
    Require(SaveGame(saved.path(), error) && ReadAll(saved.path()) == text,
            "saving the same game writes the same file");
}

}  // namespace
}  // namespace ostrand::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ostrand::fuzz::Check(data, size);
    return 0;
}
