// Feeds any bytes to the PGN reader and, line by line, to the FEN reader. What they accept
// must come back the same through the writers and the engine's board; what the engine's rules
// cannot follow must leave the engine's state as it was.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "EngineBoard.h"
#include "FuzzChecks.h"
#include "Pgn.h"
#include "Support.h"

namespace ostrand::fuzz {
namespace {

void CheckFen(const std::string& fen) {
    chess::Position position;
    std::string error;
    if (!chess::ParseFen(fen, position, error)) {
        Require(!error.empty(), "a refused FEN is explained");
        return;
    }
    chess::Position again;
    Require(chess::ParseFen(chess::FenText(position), again, error) && again == position,
            "a written FEN reads back the same");
    for (chess::Colour engine : {chess::Colour::White, chess::Colour::Black}) {
        chess::SetUpEngine(position, engine);
        Require(BorderIntact() && SquaresHoldPieces(), "the engine's board holds pieces");
        chess::Position back;
        Require(chess::EnginePosition(engine, position.toMove, back, error),
                "the engine's board gives the position back");
        Require(back.squares == position.squares && back.castling == position.castling &&
                    back.fullmove == position.fullmove,
                "the engine's board keeps the pieces, the rights and the move number");
    }
}

void CheckGame(const chess::PgnGame& game) {
    const std::string text = chess::WritePgn(game);
    std::istringstream lines(text);
    bool movetext = false;
    for (std::string line; std::getline(lines, line);) {
        movetext = movetext || line.empty();
        Require(!movetext || line.size() < 80, "movetext lines are shorter than 80 characters");
    }
    std::vector<chess::PgnGame> again;
    std::string error;
    Require(chess::ReadPgn(text, again, error, chess::CastlingRule::PawnsIgnored) &&
                again.size() == 1 && again[0].error.empty(),
            "a written game reads back");
    Require(again[0].start == game.start && again[0].moves == game.moves &&
                again[0].result == game.result,
            "a written game reads back the same");
    Require(chess::WritePgn(again[0]) == text, "writing the game again gives the same text");

    const GameState before;
    std::string note;
    if (!chess::ReplayOnEngine(game.start, game.moves, chess::Colour::Black, note, error)) {
        Require(!error.empty() && GameState() == before, "a refused game changes nothing");
        return;
    }
    Require(PositionKey() == chess::EngineKey(game.Final(), chess::Colour::Black),
            "the engine's board ends where the game ends");
}

void Check(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::istringstream lines(input);
    for (std::string line; std::getline(lines, line);)
        CheckFen(line);
    std::vector<chess::PgnGame> games;
    std::string error;
    if (!chess::ReadPgn(input, games, error, chess::CastlingRule::PawnsIgnored)) {
        Require(!error.empty() && games.empty(), "a refused text is explained and gives nothing");
        return;
    }
    for (const chess::PgnGame& game : games)
        if (game.error.empty()) CheckGame(game);
}

}  // namespace
}  // namespace ostrand::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ostrand::fuzz::Check(data, size);
    return 0;
}
