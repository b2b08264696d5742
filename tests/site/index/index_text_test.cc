#include "site/index/index_text.h"

#include <gtest/gtest.h>

namespace vellix::site {
namespace {

TEST(IndexLetterTest, FirstCharacterUpperCasedAndWhole) {
  EXPECT_EQ(IndexLetterOf("smith"), "S");
  EXPECT_EQ(IndexLetterOf("van Dyke"), "V");
  EXPECT_EQ(IndexLetterOf(""), "?");
  EXPECT_EQ(IndexLetterOf("'t Hooft"), "'");
  // Accented Latin letters file under their base letter.
  EXPECT_EQ(IndexLetterOf("Öberg"), "O");
  EXPECT_EQ(IndexLetterOf("émile"), "E");
  EXPECT_EQ(IndexLetterOf("Łukasz"), "L");
  EXPECT_EQ(IndexLetterOf("Ævarsson"), "A");
  // Other scripts keep their whole first character, upper-cased.
  EXPECT_EQ(IndexLetterOf("иванов"), "И");
  EXPECT_EQ(IndexLetterOf("Ωmega"), "Ω");
  EXPECT_EQ(IndexLetterOf("中村"), "中");
}

TEST(IndexLetterTest, BrokenUtf8IsNeverSplitIntoALoneByte) {
  // A lead byte without its continuation stays one character.
  const std::string letter = IndexLetterOf("\xC3");
  EXPECT_EQ(letter.size(), 1u);
}

TEST(IndexSortKeyTest, FoldsCaseAndAccentsButKeepsSurnamesTogether) {
  EXPECT_LT(IndexSortKey("adams, John", ""), IndexSortKey("Baker, Al", ""));
  EXPECT_LT(IndexSortKey("Oakes, A", ""), IndexSortKey("Öberg, A", ""));
  EXPECT_LT(IndexSortKey("Öberg, Z", ""), IndexSortKey("Olson, A", ""));
  // A shorter surname comes before a longer one it begins.
  EXPECT_LT(IndexSortKey("Smith, Zed", ""), IndexSortKey("Smith Jones, Al", ""));
  EXPECT_LT(IndexSortKey("Smith, Zed", ""), IndexSortKey("Smithson, Al", ""));
  // Differently accented spellings never interleave: all "Muller" before
  // all "Müller", whatever the given names.
  EXPECT_LT(IndexSortKey("Muller, Zed", ""), IndexSortKey("Müller, Al", ""));
  // The lifespan follows the name directly.
  EXPECT_LT(IndexSortKey("Lee, Ann", "(1800 - 1850)"),
            IndexSortKey("Lee, Ann", "(1900 - )"));
  EXPECT_EQ(CaseKey("SMITH"), CaseKey("smith"));
  EXPECT_EQ(CaseKey("ÉMILE"), CaseKey("émile"));
  EXPECT_NE(CaseKey("Emile"), CaseKey("Émile"));
  EXPECT_EQ(BaseKey("Émile"), "emile");
}

TEST(AnchorTest, FragmentDecodesToTheAnchorText) {
  EXPECT_EQ(AnchorName("van Dyke"), "van Dyke");
  EXPECT_EQ(LinkFragment("van Dyke"), "van%20Dyke");
  EXPECT_EQ(AnchorName("A&B \"C\""), "A&amp;B &quot;C&quot;");
  EXPECT_EQ(LinkFragment("A&B \"C\"?#%"), "A%26B%20%22C%22%3F%23%25");
  EXPECT_EQ(LinkFragment("O'Brien"), "O'Brien");
  EXPECT_EQ(LinkFragment("Müller"), "Müller");
}

}  // namespace
}  // namespace vellix::site
