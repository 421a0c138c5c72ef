#include <gtest/gtest.h>

#include "MoveGenerator.h"
#include "OpeningBook.h"
#include "SearchSettings.h"
#include "Support.h"

namespace ostrand::game {
namespace {

SearchSettings Seen;

// A search's settings hold while it runs and are gone when it ends, by either way out: the
// iterations' end or a move from the book.
class SearchSettingsTest : public ::testing::TestWithParam<bool> {
  protected:
    void SetUp() override { EngineCommand("NewGame"); }
    void TearDown() override { OpeningBook.clear(); }
};

TEST_P(SearchSettingsTest, HoldForTheSearchAloneHoweverItEnds) {
    const bool fromBook = GetParam();
    if (fromBook) OpeningBook[PositionKey()] = {{"5755", 1}};
    const SearchSettings before = CurrentSettings();
    SearchSettings asked = SearchSettings::AtLevel(Levels.back(), fromBook);
    asked.depthLimit = 2;
    asked.budget = {5, 10};
    // More than one line would not be answered from the book.
    asked.lines = fromBook ? 1 : 2;
    asked.iterationDone = [] { Seen = CurrentSettings(); };
    asked.style = SearchStyle::Master;
    asked.hashMegabytes = 1;
    Seen = {};

    const std::string move = Search(asked);

    EXPECT_EQ(CurrentSettings(), before);
    EXPECT_EQ(move.size(), 4u);
    if (fromBook) {
        EXPECT_EQ(move, "5755");
    } else {
        EXPECT_EQ(Seen, asked);
    }
}

INSTANTIATE_TEST_SUITE_P(BothWaysOut, SearchSettingsTest, ::testing::Bool());

}  // namespace
}  // namespace ostrand::game
