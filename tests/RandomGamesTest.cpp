// Whole games of the engine against a player who picks at random among White's legal moves,
// now and then castling, sending Force, an illegal move or a text that is no command. Every
// reply is foreseen from the position before the command, and the game is checked after
// every command.
//
// OSTRAND_RANDOM_GAMES sets the number of games (10 by default), OSTRAND_RANDOM_SEED the
// seed of the first game (each game has its own, so that a failure can be replayed alone)
// and OSTRAND_RANDOM_DEPTH the engine's fixed depth (2).
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <iterator>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "MoveGenerator.h"
#include "Search.h"
#include "Support.h"
#include "TestBoard.h"
#include "Variables.h"

namespace ostrand {
namespace {

using test::GameState;
using test::LegalBlackMoves;
using test::LegalWhiteMoves;

constexpr int PlyLimit = 200;
constexpr int NullMove = NullSquare;

long EnvironmentNumber(const char* name, long fallback) {
    const char* text = std::getenv(name);
    return text && *text ? std::strtol(text, nullptr, 10) : fallback;
}

bool IsMoveText(const std::string& text) {
    return text.size() >= 4 &&
           std::all_of(text.begin(), text.begin() + 4, [](char c) { return c >= '1' && c <= '8'; });
}

int Digit(const std::string& move, size_t i) {
    return move[i] - '0';
}

// The text with every byte outside printable ASCII written as \xNN.
std::string Printable(const std::string& text) {
    std::string out;
    for (unsigned char c : text) {
        if (c >= ' ' && c <= '~') {
            out += static_cast<char>(c);
            continue;
        }
        constexpr char hex[] = "0123456789abcdef";
        out += {'\\', 'x', hex[c >> 4], hex[c & 15]};
    }
    return out;
}

bool Contains(const std::vector<std::string>& moves, const std::string& move) {
    return std::find(moves.begin(), moves.end(), move) != moves.end();
}

// The squares a move starts from and lands on; a castling of the engine starts from its
// king's square.
std::vector<std::pair<int, int>> TouchedSquares(const std::string& move) {
    if (move == "9191" || move == "9898") return {{5, 8}};
    return {{Digit(move, 0), Digit(move, 1)}, {Digit(move, 2), Digit(move, 3)}};
}

// What the games played, added up.
struct Tally {
    long games = 0, commands = 0, plies = 0, refused = 0, forced = 0;
    long playerCastlings = 0, engineCastlings = 0;
    long blackMated = 0, blackStalemated = 0, whiteMated = 0, whiteStalemated = 0, unfinished = 0;
};

class RandomGame {
  public:
    RandomGame(uint32_t seed, Tally& tally) : seed_(seed), random_(seed), tally_(tally) {}

    // Plays the game to its end or its first failure; false after a failure.
    bool Play() {
        ++tally_.games;
        EXPECT_EQ(Send("NewGame"), "OK") << Where();
        EXPECT_EQ(PositionKey(), "rnbqkbnrpppppppp" + std::string(32, '0') + "PPPPPPPPRNBQKBNR");
        while (!Failed()) {
            if (MoveCount >= PlyLimit) {
                ++tally_.unfinished;
                return true;
            }
            if (!Step()) break;
        }
        return !Failed();
    }

  private:
    static int FailureCount() {
        return testing::UnitTest::GetInstance()->current_test_info()->result()->total_part_count();
    }
    bool Failed() const { return FailureCount() > failuresBefore_; }

    size_t Pick(size_t n) { return random_() % n; }

    std::string Where() const {
        return "\n  game seed " + std::to_string(seed_) + ", commands:" + record_;
    }

    // Sends a command and checks what must hold after every command.
    std::string Send(const std::string& command) {
        ++tally_.commands;
        const std::string reply = EngineCommand(command);
        record_ += " [" + Printable(command) + "]" + reply;
        EXPECT_TRUE(test::BorderIntact()) << Where();
        EXPECT_EQ(PositionHistory.size(), static_cast<size_t>(MoveCount) + 1) << Where();
        EXPECT_EQ(PositionKey().size(), 64u) << Where();
        EXPECT_EQ(PositionHistory.back(), MoveCount == 0 ? "" : PositionKey()) << Where();
        return reply;
    }

    // The castling flags as the moves of the game so far and the board say they must be.
    void ExpectCastlingFlags() {
        auto untouched = [&](int x, int y) { return !touched_.count({x, y}); };
        const bool whiteKing = untouched(5, 1) && untouched(8, 1);
        const bool whiteQueen = untouched(5, 1) && untouched(1, 1);
        const bool blackKing = untouched(5, 8) && untouched(8, 8);
        const bool blackQueen = untouched(5, 8) && untouched(1, 8);
        EXPECT_EQ(CastleFlags[Castle::WhiteKingRight] == Yes, whiteKing) << Where();
        EXPECT_EQ(CastleFlags[Castle::WhiteQueenRight] == Yes, whiteQueen) << Where();
        EXPECT_EQ(CastleFlags[Castle::BlackKingRight] == Yes, blackKing) << Where();
        EXPECT_EQ(CastleFlags[Castle::BlackQueenRight] == Yes, blackQueen) << Where();
        ComputeAttackMaps();
        auto free = [](int y, int from, int to, const Grid& attacks) {
            for (int x = from; x <= to; ++x)
                if ((x != 5 && Board(x, y) != EmptyCell) || attacks(x, y) != 0) return false;
            return true;
        };
        EXPECT_EQ(CastleFlags[Castle::WhiteKingNow] == Yes,
                  whiteKing && free(1, 5, 7, BlackAttacks))
            << Where();
        EXPECT_EQ(CastleFlags[Castle::WhiteQueenNow] == Yes,
                  whiteQueen && Board(2, 1) == EmptyCell && free(1, 3, 5, BlackAttacks))
            << Where();
        EXPECT_EQ(CastleFlags[Castle::BlackKingNow] == Yes,
                  blackKing && free(8, 5, 7, WhiteAttacks))
            << Where();
        EXPECT_EQ(CastleFlags[Castle::BlackQueenNow] == Yes,
                  blackQueen && Board(2, 8) == EmptyCell && free(8, 3, 5, WhiteAttacks))
            << Where();
    }

    // The castlings that the engine would play for the player now.
    static std::vector<std::string> PlayerCastlings() {
        std::vector<std::string> castlings;
        if (CastleFlags[Castle::WhiteKingNow] == Yes && WhiteInCheckAfter(5, 1, 7, 1) == No)
            castlings.push_back("5171");
        if (CastleFlags[Castle::WhiteQueenNow] == Yes && WhiteInCheckAfter(5, 1, 3, 1) == No)
            castlings.push_back("5131");
        return castlings;
    }

    std::string Garbage() {
        static const char* const texts[] = {
            "",     "newgame", "NewGame ", " NewGame", "force", "Force ", "FORCE", "0000",
            "9999", "5250",    "525",      "52 54",    "-525",  "5\n54",  "0101",  "9191"};
        if (Pick(2) == 0) return texts[Pick(std::size(texts))];
        static const char alphabet[] = "0123456789 -+NewGameForc\t\n\xff";
        std::string text;
        for (size_t n = Pick(7); n > 0; --n)
            text += alphabet[Pick(sizeof alphabet - 1)];
        return text == "NewGame" ? "" : text;
    }

    // The player's command: mostly a legal move, sometimes something else. Force is never
    // sent while White is in check: the engine would take the king and end the game that
    // the test is about.
    std::string Choose(const std::vector<std::string>& moves,
                       const std::vector<std::string>& castlings) {
        const size_t roll = Pick(100);
        if (roll < 3 && WhiteInCheckAfter(NullMove, NullMove, NullMove, NullMove) == No)
            return "Force";
        if (roll < 7 || moves.empty()) return Garbage();
        if (roll < 11) {
            std::string move;
            for (int i = 0; i < 4; ++i)
                move += static_cast<char>('1' + Pick(8));
            return move;
        }
        if (roll < 13) return Pick(2) == 0 ? "5171" : "5131";
        if (!castlings.empty() && Pick(2) == 0) return castlings[Pick(castlings.size())];
        return moves[Pick(moves.size())];
    }

    // Plays one command of the player; false when the game is over.
    bool Step() {
        ExpectCastlingFlags();
        const std::vector<std::string> castlings = PlayerCastlings();
        std::vector<std::string> moves = LegalWhiteMoves();
        moves.insert(moves.end(), castlings.begin(), castlings.end());
        const std::string command = Choose(moves, castlings);
        const GameState before;
        const bool blackStuck = LegalBlackMoves().empty();
        const std::string stuckReply =
            BlackInCheckAfter(NullMove, NullMove, NullMove, NullMove) == Yes ? "CheckMate"
                                                                             : "StaleMate";
        const std::string move = command.substr(0, 4);
        const bool refused =
            command != "Force" && (!IsMoveText(command) ||
                                   WhiteInCheckAfter(Digit(move, 0), Digit(move, 1), Digit(move, 2),
                                                     Digit(move, 3)) == Yes ||
                                   (!blackStuck && !Contains(moves, move)));

        const std::string reply = Send(command);
        if (Failed()) return false;
        if (refused) {
            ++tally_.refused;
            EXPECT_EQ(reply, "Error") << Where();
            EXPECT_EQ(GameState(), before) << Where();
            // With no move left the player can only be refused: the engine has won or drawn.
            if (moves.empty()) {
                const bool mated = WhiteInCheckAfter(NullMove, NullMove, NullMove, NullMove) == Yes;
                ++(mated ? tally_.whiteMated : tally_.whiteStalemated);
                return false;
            }
            return true;
        }
        if (blackStuck) {
            EXPECT_EQ(reply, stuckReply) << Where();
            EXPECT_EQ(GameState(), before) << Where();
            ++(stuckReply == "CheckMate" ? tally_.blackMated : tally_.blackStalemated);
            return false;
        }
        if (command == "Force") {
            ++tally_.forced;
            ExpectEngineMove(reply, before.board, before.castleFlags, before.moveCount + 1);
            return true;
        }

        // The player's move was played: the position after it is the one Black answers.
        ++tally_.plies;
        const bool castles = Contains(castlings, move);
        if (castles) ++tally_.playerCastlings;
        const GameState after;
        Board = before.board;
        if (castles)
            MakeCastling(move == "5171" ? "01" : "08");
        else
            PlayOn(move);
        const Grid answered = Board;
        CastleFlags = before.castleFlags;
        UpdateCastling();
        const std::array<int16_t, 9> answeredFlags = CastleFlags;
        const bool blackHasMove = !LegalBlackMoves().empty();
        const bool blackInCheck = BlackInCheckAfter(NullMove, NullMove, NullMove, NullMove) == Yes;
        Board = after.board;
        CastleFlags = after.castleFlags;
        for (const auto& square : TouchedSquares(move))
            touched_.insert(square);

        EXPECT_EQ(PositionHistory[static_cast<size_t>(before.moveCount) + 1], KeyOf(answered))
            << Where();
        if (!blackHasMove) {
            EXPECT_EQ(reply, blackInCheck ? "CheckMate" : "StaleMate") << Where();
            EXPECT_EQ(MoveCount, before.moveCount + 1) << Where();
            EXPECT_EQ(PositionKey(), KeyOf(answered)) << Where();
            ++(blackInCheck ? tally_.blackMated : tally_.blackStalemated);
            return false;
        }
        ExpectEngineMove(reply, answered, answeredFlags, before.moveCount + 2);
        return true;
    }

    // The engine's reply to the position `from` with castling flags `flags` is one of Black's
    // legal moves, and it is the move that was committed.
    void ExpectEngineMove(const std::string& reply, const Grid& from,
                          const std::array<int16_t, 9>& flags, int moveCount) {
        EXPECT_EQ(MoveCount, moveCount) << Where();
        const Grid committed = Board;
        Board = from;
        if (reply == "9191" || reply == "9898") {
            ++tally_.engineCastlings;
            EXPECT_EQ(flags[reply == "9191" ? Castle::BlackKingNow : Castle::BlackQueenNow], Yes)
                << Where();
            EXPECT_EQ(BlackInCheckAfter(9, Digit(reply, 1), 9, Digit(reply, 1)), No) << Where();
            MakeCastling(reply.substr(0, 2));
        } else {
            EXPECT_TRUE(Contains(LegalBlackMoves(), reply)) << "engine move " << reply << Where();
            if (IsMoveText(reply)) PlayOn(reply);
        }
        EXPECT_EQ(PositionKey(), KeyOf(committed)) << "engine move " << reply << Where();
        Board = committed;
        if (reply.size() == 4)
            for (const auto& square : TouchedSquares(reply))
                touched_.insert(square);
        ++tally_.plies;
    }

    static void PlayOn(const std::string& move) {
        int16_t moved, captured;
        MakeMove(Digit(move, 0), Digit(move, 1), Digit(move, 2), Digit(move, 3), moved, captured);
    }
    static std::string KeyOf(const Grid& board) {
        const Grid saved = Board;
        Board = board;
        const std::string key = PositionKey();
        Board = saved;
        return key;
    }

    uint32_t seed_;
    int failuresBefore_ = FailureCount();
    std::mt19937 random_;
    Tally& tally_;
    std::string record_;
    std::set<std::pair<int, int>> touched_;
};

class RandomGamesTest : public testing::Test {
  protected:
    void TearDown() override { DepthLimit = 0; }
};

TEST_F(RandomGamesTest, EngineAgainstARandomPlayer) {
    const long games = EnvironmentNumber("OSTRAND_RANDOM_GAMES", 10);
    const auto seed = static_cast<uint32_t>(EnvironmentNumber("OSTRAND_RANDOM_SEED", 1));
    DepthLimit = static_cast<int16_t>(EnvironmentNumber("OSTRAND_RANDOM_DEPTH", 2));
    Tally tally;
    // Every game is played, so that a long run reports each failing seed.
    std::string failed;
    for (long game = 0; game < games; ++game) {
        const uint32_t gameSeed = seed + static_cast<uint32_t>(game);
        if (!RandomGame(gameSeed, tally).Play()) failed += " " + std::to_string(gameSeed);
    }
    EXPECT_EQ(failed, "") << "games that failed, by seed";
    std::cout << "random games: " << tally.games << " games, " << tally.commands << " commands, "
              << tally.plies << " plies (" << tally.refused << " commands refused, " << tally.forced
              << " forced, " << tally.playerCastlings << " player castlings, "
              << tally.engineCastlings << " engine castlings); Black mated " << tally.blackMated
              << ", Black stalemated " << tally.blackStalemated << ", White mated "
              << tally.whiteMated << ", White stalemated " << tally.whiteStalemated << ", "
              << tally.unfinished << " stopped at " << PlyLimit << " plies\n";
}

}  // namespace
}  // namespace ostrand
