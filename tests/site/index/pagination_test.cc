#include "site/index/pagination.h"

#include <gtest/gtest.h>

namespace vellix::site {
namespace {

using Chunks = std::vector<IndexChunk>;

std::vector<SurnameGroup> Groups(
    std::initializer_list<std::pair<const char*, int>> list) {
  std::vector<SurnameGroup> groups;
  for (const auto& [surname, count] : list) groups.push_back({surname, count, false, {}});
  return groups;
}

TEST(PaginationTest, GroupWithinTheSlackStaysOnOnePage) {
  auto groups = Groups({{"Smith", 170}});
  int32_t pages = 0;
  Paginate(&groups, 150, &pages);
  EXPECT_EQ(groups[0].chunks, (Chunks{{1, 170}}));
  EXPECT_EQ(pages, 1);
  // One more than N + N/6 no longer fits: the page is filled to N.
  groups = Groups({{"Smith", 176}});
  Paginate(&groups, 150, &pages);
  EXPECT_EQ(groups[0].chunks, (Chunks{{1, 150}, {2, 26}}));
  EXPECT_EQ(pages, 2);
}

TEST(PaginationTest, GroupStartsOnANewPageWhenFewerThanFivePlacesAreLeft) {
  auto groups = Groups({{"Adams", 147}, {"Baker", 40}});
  int32_t pages = 0;
  auto letters = Paginate(&groups, 150, &pages);
  EXPECT_EQ(groups[0].chunks, (Chunks{{1, 147}}));
  EXPECT_EQ(groups[1].chunks, (Chunks{{2, 40}}));
  EXPECT_EQ(letters, (std::vector<IndexLetter>{{"A", 1}, {"B", 2}}));
  EXPECT_EQ(pages, 2);
  // With five places left the group fills them and goes on.
  groups = Groups({{"Adams", 145}, {"Baker", 40}});
  letters = Paginate(&groups, 150, &pages);
  EXPECT_EQ(groups[1].chunks, (Chunks{{1, 5}, {2, 35}}));
  EXPECT_EQ(letters, (std::vector<IndexLetter>{{"A", 1}, {"B", 1}}));
}

TEST(PaginationTest, LargeGroupSpansSeveralPages) {
  auto groups = Groups({{"Adams", 100}, {"Brown", 400}, {"Clark", 3}});
  int32_t pages = 0;
  auto letters = Paginate(&groups, 150, &pages);
  EXPECT_EQ(groups[1].chunks, (Chunks{{1, 50}, {2, 150}, {3, 150}, {4, 50}}));
  EXPECT_EQ(groups[2].chunks, (Chunks{{4, 3}}));
  EXPECT_EQ(pages, 4);
  EXPECT_EQ(letters, (std::vector<IndexLetter>{{"A", 1}, {"B", 1}, {"C", 4}}));
}

TEST(PaginationTest, FullPageStartsTheNextGroupOnANewPage) {
  auto groups = Groups({{"Adams", 160}, {"Able", 2}});
  int32_t pages = 0;
  auto letters = Paginate(&groups, 150, &pages);
  EXPECT_EQ(groups[1].chunks, (Chunks{{2, 2}}));
  EXPECT_TRUE(groups[0].newLetter);
  EXPECT_FALSE(groups[1].newLetter);
  EXPECT_EQ(letters, (std::vector<IndexLetter>{{"A", 1}}));
}

TEST(PaginationTest, FewerThanFivePerPageNeverLeavesAPageEmpty) {
  auto groups = Groups({{"Adams", 7}, {"Baker", 1}, {"Clark", 4}});
  int32_t pages = 0;
  auto letters = Paginate(&groups, 3, &pages);
  EXPECT_EQ(groups[0].chunks, (Chunks{{1, 3}, {2, 3}, {3, 1}}));
  EXPECT_EQ(groups[1].chunks, (Chunks{{3, 1}}));
  EXPECT_EQ(groups[2].chunks, (Chunks{{4, 3}, {5, 1}}));
  EXPECT_EQ(pages, 5);
  EXPECT_EQ(letters.front(), (IndexLetter{"A", 1}));
  std::vector<int> per_page(pages + 1, 0);
  for (const auto& g : groups) {
    for (const auto& c : g.chunks) per_page[c.page] += c.count;
  }
  for (int p = 1; p <= pages; ++p) EXPECT_GT(per_page[p], 0) << "page " << p;
}

TEST(PaginationTest, PageSizeBelowOneCountsAsOne) {
  auto groups = Groups({{"Adams", 2}});
  int32_t pages = 0;
  Paginate(&groups, 0, &pages);
  EXPECT_EQ(groups[0].chunks, (Chunks{{1, 1}, {2, 1}}));
}

TEST(PaginationTest, UnknownSurnamesFileUnderQuestionMark) {
  auto groups = Groups({{"?", 2}, {"Abel", 1}, {"Ábrahám", 1}, {"Éva", 1}});
  int32_t pages = 0;
  auto letters = Paginate(&groups, 150, &pages);
  EXPECT_EQ(letters, (std::vector<IndexLetter>{{"?", 1}, {"A", 1}, {"E", 1}}));
}

TEST(PaginationTest, NoGroupsNoPages) {
  std::vector<SurnameGroup> groups;
  int32_t pages = -1;
  EXPECT_TRUE(Paginate(&groups, 150, &pages).empty());
  EXPECT_EQ(pages, 0);
}

TEST(GroupingTest, SurnamesGroupWithoutRegardToCase) {
  text::TextPool texts;
  std::vector<IndexEntry> entries(5);
  entries[0].name = texts.Keep("Smith, Al");
  entries[1].name = texts.Keep("SMITH, Bo");
  entries[2].name = texts.Keep("smith, Cy");
  entries[3].name = texts.Keep("Smithson, Al");
  entries[4].name = texts.Keep("Nocomma");
  auto groups = GroupBySurname(entries);
  ASSERT_EQ(groups.size(), 3u);
  EXPECT_EQ(groups[0].surname, "Smith");
  EXPECT_EQ(groups[0].count, 3);
  EXPECT_EQ(groups[1].surname, "Smithson");
  EXPECT_EQ(groups[2].surname, "Nocomma");
}

}  // namespace
}  // namespace vellix::site
