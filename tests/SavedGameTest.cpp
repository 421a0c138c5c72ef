#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "MoveGenerator.h"
#include "SavedGame.h"
#include "Support.h"
#include "TestBoard.h"

namespace ostrand {
namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

class SavedGameTest : public testing::Test {
  protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("ostrand-save-" +
                  std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder);
        fs::create_directories(folder);
        path = (folder / SavedGameName).string();
        // A new game leaves the spare flag 0 as an earlier test may have set it.
        CastleFlags[0] = No;
        InitNewGame();
    }
    void TearDown() override { fs::remove_all(folder); }

    // The initial position's file with line n (1-based) replaced.
    std::string InitialFileWithLine(int n, const std::string& value) {
        std::string error;
        EXPECT_TRUE(SaveGame(path, error));
        std::istringstream in(ReadAll(path));
        std::string line, text;
        for (int i = 1; std::getline(in, line); ++i)
            text += (i == n ? value + "\r" : line) + "\n";
        return text;
    }
    void Write(const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

    // Loads a damaged file after some play and checks that it is refused with nothing changed.
    void ExpectRefused(const std::string& text, const std::string& problem) {
        Write(text);
        InitNewGame();
        PlayMove(5, 2, 5, 4);
        const test::GameState before;
        std::string error;
        EXPECT_FALSE(LoadGame(path, error));
        EXPECT_NE(error.find(path), std::string::npos) << error;
        EXPECT_NE(error.find(problem), std::string::npos) << error;
        EXPECT_EQ(test::GameState(), before);
    }

    fs::path folder;
    std::string path;
};

TEST_F(SavedGameTest, InitialPositionBytes) {
    std::string error;
    ASSERT_TRUE(SaveGame(path, error)) << error;
    std::string expected = " 0 \r\n 0 \r\n";
    for (int i = 1; i <= 4; ++i)
        expected += " 1 \r\n";
    for (int i = 5; i <= 8; ++i)
        expected += " 0 \r\n";
    const char* fileOne[] = {" 2 ", " 2 ", "-550 ", "-100 ", " 0 ", " 0 ",
                             " 0 ", " 0 ", " 100 ", " 550 ", " 2 ", " 2 "};
    for (int x = -1; x <= 10; ++x)
        for (int y = -1; y <= 10; ++y) {
            if (x == 1) {
                expected += std::string(fileOne[y + 1]) + "\r\n";
                continue;
            }
            const int v = Board(x, y);
            expected += (v < 0 ? "-" : " ") + std::to_string(std::abs(v)) + " \r\n";
        }
    const std::string bytes = ReadAll(path);
    EXPECT_EQ(bytes, expected);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 154);
}

TEST_F(SavedGameTest, RoundTripAfterPlay) {
    PlayMove(5, 2, 5, 4);
    PlayMove(4, 7, 4, 5);
    PlayMove(5, 4, 4, 5);
    CastleFlags[Castle::Spare] = Yes;
    const test::GameState saved;
    std::string error;
    ASSERT_TRUE(SaveGame(path, error)) << error;
    InitNewGame();
    PlayMove(7, 1, 6, 3);
    const auto history = PositionHistory;
    ASSERT_TRUE(LoadGame(path, error)) << error;
    EXPECT_EQ(Board, saved.board);
    EXPECT_EQ(CastleFlags, saved.castleFlags);
    EXPECT_EQ(MoveCount, 3);
    EXPECT_EQ(PositionHistory, history);  // a load keeps the history of the game played
}

// The file has no place for an en passant right: the standard rules' right is not kept, and a
// loaded game has none, even where the pawn still stands ready.
TEST_F(SavedGameTest, AnEnPassantRightIsNotKept) {
    Rules = RuleSet::Standard;
    PlayMove(5, 2, 5, 4);
    PlayMove(5, 7, 5, 6);
    PlayMove(5, 4, 5, 5);
    PlayMove(4, 7, 4, 5);
    ASSERT_EQ(EnPassantCell, Grid::Index(4, 6));
    std::string error;
    ASSERT_TRUE(SaveGame(path, error)) << error;
    ASSERT_TRUE(LoadGame(path, error)) << error;
    EXPECT_EQ(EnPassantCell, 0);
    EXPECT_EQ(EngineCommand("5546"), "Error");
    Rules = RuleSet::Designed;
}

TEST_F(SavedGameTest, NewGameRoundTrip) {
    std::string error;
    ASSERT_TRUE(SaveGame(path, error));
    PlayMove(5, 2, 5, 4);
    ASSERT_TRUE(LoadGame(path, error)) << error;
    EXPECT_EQ(PositionKey(), "rnbqkbnrpppppppp00000000000000000000000000000000PPPPPPPPRNBQKBNR");
    EXPECT_EQ(MoveCount, 0);
    EXPECT_EQ(CastleFlags, (std::array<int16_t, 9>{No, Yes, Yes, Yes, Yes, No, No, No, No}));
}

TEST_F(SavedGameTest, OnlyOneLoadsAsTrue) {
    Write(InitialFileWithLine(3, " 2 "));
    std::string error;
    ASSERT_TRUE(LoadGame(path, error)) << error;
    EXPECT_EQ(CastleFlags[Castle::WhiteQueenRight], No);
    InitNewGame();
    Write(InitialFileWithLine(4, "-1 "));
    ASSERT_TRUE(LoadGame(path, error)) << error;
    EXPECT_EQ(CastleFlags[Castle::WhiteKingRight], No);
    EXPECT_EQ(CastleFlags[Castle::WhiteQueenRight], Yes);
}

TEST_F(SavedGameTest, RightWhoseRookHasLeftLoadsFalse) {
    Board(8, 8) = EmptyCell;
    Board(8, 5) = Piece::Rook;
    CastleFlags[Castle::BlackKingRight] = Yes;
    std::string error;
    ASSERT_TRUE(SaveGame(path, error));
    InitNewGame();
    ASSERT_TRUE(LoadGame(path, error)) << error;
    EXPECT_EQ(CastleFlags[Castle::BlackKingRight], No);
    EXPECT_EQ(CastleFlags[Castle::BlackQueenRight], Yes);
}

TEST_F(SavedGameTest, WhatFollowsTheLastValueIsNotRead) {
    std::string error;
    ASSERT_TRUE(SaveGame(path, error));
    std::ofstream(path, std::ios::binary | std::ios::app) << " 5 \r\nnotes of the player\r\n";
    PlayMove(5, 2, 5, 4);
    ASSERT_TRUE(LoadGame(path, error)) << error;
    EXPECT_EQ(MoveCount, 0);
    EXPECT_EQ(Board(5, 2), -Piece::Pawn);
}

TEST_F(SavedGameTest, PlainNumbersOnePerLineLoadAlike) {
    std::string text = "7\n";
    for (int i = 0; i < 9; ++i)
        text += "  1\t\n";
    for (int x = -1; x <= 10; ++x)
        for (int y = -1; y <= 10; ++y)
            text += std::to_string(Board(x, y)) + "\n";
    Write(text);
    InitNewGame();
    std::string error;
    ASSERT_TRUE(LoadGame(path, error)) << error;
    EXPECT_EQ(MoveCount, 7);
    EXPECT_EQ(CastleFlags[Castle::Spare], Yes);
    EXPECT_EQ(Board(5, 1), -Piece::King);
}

TEST_F(SavedGameTest, DamagedFilesAreRefusedWithNothingChanged) {
    const std::string good = InitialFileWithLine(0, "");
    ExpectRefused(good.substr(0, good.find(" 0 \r\n", 400)), "ends after");
    ExpectRefused(std::string(good).substr(0, 60 * 5), "ends after");
    ExpectRefused(InitialFileWithLine(70, " x0 "), "line 70");
    ExpectRefused(InitialFileWithLine(70, " 12abc "), "is not a whole number");
    ExpectRefused(InitialFileWithLine(1, " 40000 "), "does not fit 16 bits");
    ExpectRefused(InitialFileWithLine(1, "-3 "), "move count is negative");
    ExpectRefused(InitialFileWithLine(11, " 0 "), "border cell (-1,-1)");
    ExpectRefused(InitialFileWithLine(37, " 2 "), "square (1,1) holds 2");
    ExpectRefused(InitialFileWithLine(40, " 101 "), "no piece");
    ExpectRefused("", "ends after 0 of 154 values");
    fs::remove(path);
    InitNewGame();
    const test::GameState before;
    std::string error;
    EXPECT_FALSE(LoadGame(path, error));
    EXPECT_NE(error.find("cannot be read"), std::string::npos);
    EXPECT_EQ(test::GameState(), before);
}

TEST_F(SavedGameTest, FailedSaveKeepsTheOldFile) {
    std::string error;
    ASSERT_TRUE(SaveGame(path, error));
    const std::string old = ReadAll(path);
    PlayMove(5, 2, 5, 4);
    // A path through a regular file cannot be created, even by root.
    const std::string impossible = path + "/Board.txt";
    EXPECT_FALSE(SaveGame(impossible, error));
    EXPECT_NE(error.find(impossible), std::string::npos);
    EXPECT_EQ(ReadAll(path), old);
    // A folder standing where the file should be: the rename fails, nothing is lost.
    const std::string blocked = (folder / "blocked").string();
    fs::create_directories(fs::path(blocked) / "inside");
    EXPECT_FALSE(SaveGame(blocked, error));
    EXPECT_TRUE(fs::is_directory(blocked));
    EXPECT_FALSE(fs::exists(blocked + ".new"));
}

}  // namespace
}  // namespace ostrand
