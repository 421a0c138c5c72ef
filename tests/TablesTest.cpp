#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "Evaluation.h"
#include "RecordingDisplay.h"
#include "ReferenceEvaluation.h"
#include "Support.h"
#include "TestBoard.h"

namespace ostrand {
namespace {

namespace fs = std::filesystem;

const char* const Zeros =
    "0,0,0,0,0,0,0,0\n0,0,0,0,0,0,0,0\n0,0,0,0,0,0,0,0\n0,0,0,0,0,0,0,0\n"
    "0,0,0,0,0,0,0,0\n0,0,0,0,0,0,0,0\n0,0,0,0,0,0,0,0\n0,0,0,0,0,0,0,0\n";

// A folder of 24 all-zero table files that the test may then damage or change.
class TablesTest : public testing::Test {
  protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("ostrand-tables-" +
                  std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder);
        fs::create_directories(folder);
        for (char stage : {'1', '2', '3', '4'})
            for (char letter : {'P', 'K', 'B', 'R', 'X', 'Q'})
                Write(std::string(1, letter) + stage + ".txt", Zeros);
        TableFolder = folder.string();
    }
    void TearDown() override {
        TableFolder.clear();
        fs::remove_all(folder);
        InitNewGame();  // the shipped tables again, for the tests that follow
    }
    void Write(const std::string& name, const std::string& text) {
        std::ofstream(folder / name, std::ios::binary) << text;
    }
    std::string Path(const std::string& name) const { return (folder / name).string(); }

    fs::path folder;
};

TEST_F(TablesTest, ValuesFillBlackAndTheMirroredNegativeForWhite) {
    Write("P1.txt",
          "0,0,0,0,0,0,0,0\n0,0,0,0,0,0,0,0\n0,0,0,0,0,0,0,0\n1,2,3,4,5,6,7,8\n"
          "0,0,0,0,0,0,0,0\n0,0,0,0,0,0,0,0\n0,0,0,0,0,0,0,0\n0,0,0,0,0,0,0,0\n");
    Write("X2.txt", std::string(Zeros).substr(0, 16 * 7) + "10,10,10,10,10,10,10,10\n");
    InitNewGame();
    EXPECT_EQ(StageTable1(100, 3, 4), 3);
    EXPECT_EQ(StageTable1(-100, 3, 5), -3);
    EXPECT_EQ(StageTable1(100, 8, 4), 8);
    for (int x = 1; x <= 8; ++x) {
        EXPECT_EQ(StageTable2(10000, x, 8), 10);
        EXPECT_EQ(StageTable2(-10000, x, 1), -10);
    }
    EXPECT_EQ(StageTable1(0, 3, 4), 0);
}

TEST_F(TablesTest, LineBreaksDoNotMatter) {
    std::string oneLine, onePerLine;
    for (int k = 1; k <= 64; ++k) {
        oneLine += std::to_string(k) + (k < 64 ? "," : "\r\n");
        onePerLine += " " + std::to_string(-k) + " \r\n";
    }
    Write("B3.txt", oneLine);
    Write("Q3.txt", onePerLine + "anything after the 64th value is ignored\n");
    InitNewGame();
    EXPECT_EQ(StageTable3(350, 1, 1), 1);
    EXPECT_EQ(StageTable3(350, 8, 8), 64);
    EXPECT_EQ(StageTable3(-350, 2, 8), -2);
    EXPECT_EQ(StageTable3(990, 5, 2), -13);
    EXPECT_EQ(StageTable3(-990, 5, 7), 13);
}

TEST_F(TablesTest, ZeroTablesGiveZeroTableTerm) {
    InitNewGame();
    Stage = 2;
    test::SetBoard("r2qk2r/pppb1ppp/8/8/8/8/PPPPPPPP/R3KB1R");
    EXPECT_EQ(Evaluate(), reference::PawnStructure());
}

TEST_F(TablesTest, EachFaultIsReportedOnceNamingTheFile) {
    test::RecordingDisplay display;
    fs::remove(folder / "K1.txt");
    Write("R2.txt", "1,2,3\n");
    Write("Q3.txt", "5,6,x7,8\n");
    Write("X4.txt", "1,2,40000\n");
    InitNewGame();
    ASSERT_EQ(display.messages.size(), 1u);
    const std::string& text = display.messages[0];
    EXPECT_NE(text.find(Path("K1.txt") + " cannot be opened"), std::string::npos) << text;
    EXPECT_NE(text.find(Path("R2.txt") + " holds only 3 of 64 values"), std::string::npos);
    EXPECT_NE(text.find("value 3 (x7) is not a whole number"), std::string::npos);
    EXPECT_NE(text.find("value 3 (40000) does not fit 16 bits"), std::string::npos);
    // The new game still completes, and the values read before a fault are kept.
    EXPECT_EQ(MoveCount, 0);
    EXPECT_EQ(Board(5, 1), -Piece::King);
    EXPECT_EQ(StageTable2(550, 2, 1), 2);
    EXPECT_EQ(StageTable2(-550, 3, 8), -3);
    EXPECT_EQ(StageTable3(990, 2, 1), 6);
    EXPECT_EQ(StageTable4(10000, 2, 1), 2);
    EXPECT_EQ(TableFaults.size(), 4u);
    // A later new game reports again, once.
    InitNewGame();
    EXPECT_EQ(display.messages.size(), 2u);
}

TEST_F(TablesTest, SoundFilesShowNoMessage) {
    test::RecordingDisplay display;
    InitNewGame();
    EXPECT_TRUE(display.messages.empty());
    EXPECT_TRUE(TableFaults.empty());
}

TEST_F(TablesTest, EditedFileTakesEffectAtTheNextNewGame) {
    InitNewGame();
    Write("P1.txt", std::string("7,") + Zeros);
    EXPECT_EQ(StageTable1(100, 1, 1), 0);
    InitNewGame();
    EXPECT_EQ(StageTable1(100, 1, 1), 7);
}

// The shipped tables: Black advances towards rank 1, White towards rank 8.
TEST(ShippedTables, OrientationFollowsEachSidesAdvance) {
    InitNewGame();
    for (const StageTable* table : {&StageTable1, &StageTable2, &StageTable3, &StageTable4}) {
        const StageTable& t = *table;
        for (int x = 1; x <= 8; ++x) {
            EXPECT_GT(t(Piece::Pawn, x, 2), t(Piece::Pawn, x, 7));
            EXPECT_LT(t(-Piece::Pawn, x, 7), t(-Piece::Pawn, x, 2));
        }
        EXPECT_LT(t(Piece::Knight, 2, 8), t(Piece::Knight, 4, 5));
        EXPECT_LT(t(Piece::Knight, 7, 8), t(Piece::Knight, 5, 4));
        EXPECT_GT(t(-Piece::Knight, 2, 1), t(-Piece::Knight, 4, 4));
    }
    // In the endgame the king belongs in the centre.
    EXPECT_GT(StageTable4(Piece::King, 4, 5), StageTable4(Piece::King, 1, 8));
    EXPECT_LT(StageTable4(-Piece::King, 4, 4), StageTable4(-Piece::King, 8, 1));
}

}  // namespace
}  // namespace ostrand
