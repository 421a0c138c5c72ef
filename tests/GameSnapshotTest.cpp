#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GameSnapshot.h"
#include "MoveGenerator.h"
#include "Search.h"
#include "Support.h"

namespace ostrand {
namespace {

// A snapshot put back lets the engine play on as if nothing had happened since: every
// command replayed from it gives the same reply and the same game, across a castling of the
// player and a promotion.
TEST(GameSnapshotTest, RestoredGamesPlayOnAsBefore) {
    DepthLimit = 2;
    const std::vector<std::string> games[] = {{"7163", "5253", "6152", "5171"}, {"8788", "Force"}};
    for (const std::vector<std::string>& commands : games) {
        const bool promotion = commands[0] == "8788";
        InitNewGame();
        if (promotion) {
            ASSERT_TRUE(SetUpPosition("k7/7P/8/8/8/8/8/4K3", 20));
        }
        std::vector<GameSnapshot> before, after;
        std::vector<std::string> replies;
        for (const std::string& command : commands) {
            before.push_back(GameSnapshot::Capture());
            replies.push_back(EngineCommand(command));
            after.push_back(GameSnapshot::Capture());
            EXPECT_NE(after.back(), before.back()) << command;
        }
        if (promotion)
            EXPECT_EQ(after[0].board(8, 8), -Piece::Queen);
        else
            EXPECT_EQ(after.back().board(7, 1), -Piece::King);
        for (size_t i = commands.size(); i-- > 0;) {
            before[i].Restore();
            EXPECT_EQ(GameSnapshot::Capture(), before[i]);
            EXPECT_EQ(EngineCommand(commands[i]), replies[i]);
            EXPECT_EQ(GameSnapshot::Capture(), after[i]);
        }
    }
    DepthLimit = 0;
}

// Under the standard rules the en passant right is part of the game a snapshot keeps.
TEST(GameSnapshotTest, AnEnPassantRightIsPutBack) {
    Rules = RuleSet::Standard;
    DepthLimit = 2;
    ASSERT_TRUE(SetUpPosition("4k3/8/8/3pP3/8/8/8/4K3", 20, AllCastlingRights, {4, 6}));
    const GameSnapshot before = GameSnapshot::Capture();
    const std::string reply = EngineCommand("5546");
    EXPECT_NE(reply, "Error");
    before.Restore();
    EXPECT_EQ(EngineCommand("5546"), reply);
    DepthLimit = 0;
    Rules = RuleSet::Designed;
}

}  // namespace
}  // namespace ostrand
