#include "platform/history_lists.h"

#include <gtest/gtest.h>

#include "testing/test_support.h"

namespace vellix::platform {
namespace {

using vellix::testing::TempDir;

class HistoryListsTest : public ::testing::Test {
 protected:
  HistoryListsTest() : store_(dir_.File("settings.ini")), lists_(store_) {}

  void Fill(HistoryList list, int count) {
    for (int i = count; i >= 1; --i) lists_.Remember(list, "item" + std::to_string(i));
  }

  TempDir dir_;
  SettingsStore store_;
  HistoryLists lists_;
};

TEST_F(HistoryListsTest, NewValuesGoToTheTopWithoutDuplicates) {
  lists_.Remember(HistoryList::kIn, "a.ged");
  lists_.Remember(HistoryList::kIn, "b.ged");
  lists_.Remember(HistoryList::kIn, "a.ged");
  lists_.Remember(HistoryList::kIn, "   ");
  EXPECT_EQ(lists_.Items(HistoryList::kIn), (std::vector<std::string>{"a.ged", "b.ged"}));
  EXPECT_EQ(store_.GetInt("History", "In", -1), 2);
  EXPECT_EQ(store_.GetString("History", "In1"), "a.ged");
  EXPECT_EQ(store_.GetString("History", "In2"), "b.ged");
  EXPECT_TRUE(lists_.Items(HistoryList::kOut).empty());
}

TEST_F(HistoryListsTest, ListsKeepAtMostTheMaximum) {
  EXPECT_EQ(lists_.Maximum(), 9);
  Fill(HistoryList::kBar, 12);
  ASSERT_EQ(lists_.Items(HistoryList::kBar).size(), 9u);
  EXPECT_EQ(lists_.Items(HistoryList::kBar).front(), "item1");
  EXPECT_FALSE(store_.Has("History", "Bar10"));
}

TEST_F(HistoryListsTest, LoweringTheMaximumDeletesTheValuesAboveIt) {
  Fill(HistoryList::kIn, 9);
  Fill(HistoryList::kMRt, 2);
  lists_.SetMaximum(3);
  EXPECT_EQ(store_.GetInt("History", "Maximum", -1), 3);
  EXPECT_EQ(store_.GetInt("History", "In", -1), 3);
  EXPECT_EQ(lists_.Items(HistoryList::kIn),
            (std::vector<std::string>{"item1", "item2", "item3"}));
  for (int n = 4; n <= 9; ++n)
    EXPECT_FALSE(store_.Has("History", "In" + std::to_string(n)));
  EXPECT_EQ(store_.GetInt("History", "MRt", -1), 2);
}

TEST_F(HistoryListsTest, ReadingTakesAtMostTheMaximumOfALongerStoredList) {
  store_.SetInt("History", "Img", 4);
  for (int n = 1; n <= 4; ++n)
    store_.SetString("History", "Img" + std::to_string(n), "x");
  store_.SetInt("History", "Maximum", 2);
  EXPECT_EQ(lists_.Items(HistoryList::kImg).size(), 2u);
}

TEST_F(HistoryListsTest, MaximumOutsideItsRangeIsClamped) {
  for (auto [stored, expected] : {std::pair{-4, 0}, {0, 0}, {25, 25}, {40, 25}}) {
    store_.SetInt("History", "Maximum", stored);
    EXPECT_EQ(lists_.Maximum(), expected) << stored;
  }
  lists_.SetMaximum(99);
  EXPECT_EQ(store_.GetInt("History", "Maximum", -1), 25);
}

TEST_F(HistoryListsTest, ClearAllEmptiesEveryList) {
  for (HistoryList list : AllHistoryLists()) Fill(list, 3);
  store_.SetString("History", "Nar7", "left over by an older maximum");
  lists_.ClearAll();
  for (HistoryList list : AllHistoryLists()) {
    const std::string name(HistoryListName(list));
    EXPECT_EQ(store_.GetInt("History", name, -1), 0) << name;
    EXPECT_FALSE(store_.Has("History", name + "1")) << name;
  }
  EXPECT_FALSE(store_.Has("History", "Nar7"));
}

TEST_F(HistoryListsTest, ListNamesAreTheStoredOnes) {
  std::string joined;
  for (HistoryList list : AllHistoryLists())
    joined += std::string(HistoryListName(list)) + " ";
  EXPECT_EQ(joined, "In Out Set Bkg CSS Hm Img Bio Bar Nar Imp Med MRt ");
}

}  // namespace
}  // namespace vellix::platform
