#include "text/text_pool.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vellix::text {
namespace {

// Lengths around the steps of the stored length (one byte up to 127, two up
// to 16383, three beyond) and past the size of a block.
TEST(TextPoolTest, KeepsTextsOfEveryLengthUnchanged) {
  TextPool pool;
  std::vector<std::string> texts;
  std::vector<PooledText> kept;
  for (size_t length :
       {1u, 2u, 127u, 128u, 129u, 16383u, 16384u, 65536u, 70000u, 300000u}) {
    std::string text(length, 'a');
    for (size_t i = 0; i < length; ++i)
      text[i] = static_cast<char>('a' + (i * 7 + length) % 26);
    texts.push_back(text);
    kept.push_back(pool.Keep(text));
  }
  // Many small texts after the large ones fill several blocks.
  for (int i = 0; i < 50000; ++i) {
    texts.push_back("name " + std::to_string(i) + " \xC3\xA9");
    kept.push_back(pool.Keep(texts.back()));
  }
  for (size_t i = 0; i < texts.size(); ++i) {
    ASSERT_EQ(kept[i].view(), texts[i]) << i;
    ASSERT_EQ(kept[i].size(), texts[i].size()) << i;
  }
}

TEST(TextPoolTest, EmptyTextsCostNothingAndCompareByContent) {
  TextPool pool;
  EXPECT_TRUE(pool.Keep("").empty());
  EXPECT_EQ(pool.reserved_bytes(), 0u);
  EXPECT_EQ(PooledText().view(), "");
  const PooledText a = pool.Keep("Smith");
  const PooledText b = pool.Keep("Smith");
  EXPECT_EQ(a, b);
  EXPECT_NE(a.view().data(), b.view().data());
  EXPECT_EQ(a, std::string_view("Smith"));
  EXPECT_FALSE(a == pool.Keep("Smit"));
  pool.Clear();
  EXPECT_EQ(pool.reserved_bytes(), 0u);
  EXPECT_EQ(pool.Keep("again").view(), "again");
}

// Lists of texts, among single texts so that lists end blocks and start new
// ones; a long list gets a block of its own.
TEST(TextPoolTest, KeepsListsOfTextsInOrder) {
  TextPool pool;
  std::vector<std::vector<std::string>> lists;
  std::vector<PooledTextList> kept;
  for (int i = 0; i < 20000; ++i) {
    std::vector<std::string> list;
    for (int k = 0; k < i % 4; ++k) list.push_back("F" + std::to_string(i * 10 + k));
    if (i % 1000 == 999) list.assign(9000, std::string(20, 'x'));
    if (i % 7 == 3) list.push_back("");
    lists.push_back(list);
    kept.push_back(pool.KeepList(list));
    pool.Keep("between");
  }
  for (size_t i = 0; i < lists.size(); ++i) {
    ASSERT_EQ(kept[i].size(), lists[i].size()) << i;
    ASSERT_EQ(kept[i].empty(), lists[i].empty()) << i;
    const std::vector<std::string> back(kept[i].begin(), kept[i].end());
    ASSERT_EQ(back, lists[i]) << i;
  }
}

}  // namespace
}  // namespace vellix::text
