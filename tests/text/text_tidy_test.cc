#include "text/text_tidy.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vellix::text {
namespace {

TEST(SpaceAfterCommasTest, SpacesBareCommasAndEscapes) {
  EXPECT_EQ(SpaceAfterCommas("Leeds,Yorkshire,England"), "Leeds, Yorkshire, England");
  EXPECT_EQ(SpaceAfterCommas("Leeds, Yorkshire,"), "Leeds, Yorkshire,");
  EXPECT_EQ(SpaceAfterCommas("A&B,<C>"), "A&amp;B, &lt;C&gt;");
  EXPECT_EQ(SpaceAfterCommas("Kraków,Małopolska"), "Kraków, Małopolska");
}

// ReplaceNoCase on a copy: the text after, and whether anything changed.
std::pair<std::string, bool> Replaced(std::string text, std::string_view search,
                                      std::string_view replacement) {
  bool changed = ReplaceNoCase(&text, search, replacement);
  return {text, changed};
}

TEST(ReplaceNoCaseTest, ReplacesEveryCaseVariant) {
  EXPECT_EQ(Replaced("a%BR%b%br%c%Br%d", "%BR%", "<br>"),
            std::make_pair(std::string("a<br>b<br>c<br>d"), true));
  EXPECT_EQ(Replaced("nothing here", "%BR%", "<br>"),
            std::make_pair(std::string("nothing here"), false));
  EXPECT_EQ(Replaced("abc", "", "x"), std::make_pair(std::string("abc"), false));
}

TEST(ReplaceNoCaseTest, ReplacementHoldingTheSearchDoesNotLoop) {
  EXPECT_EQ(Replaced("x br y", "BR", "<br>"),
            std::make_pair(std::string("x <br> y"), true));
}

TEST(ReplaceNoCaseTest, MultiByteTextAroundMatchesIsKept) {
  EXPECT_EQ(Replaced("Ελένη%br%Σοφία%BR%東京", "%br%", "<br>"),
            std::make_pair(std::string("Ελένη<br>Σοφία<br>東京"), true));
  // Non-ASCII letters are compared exactly, not folded.
  EXPECT_EQ(Replaced("éÉ", "é", "e"), std::make_pair(std::string("eÉ"), true));
}

TEST(StripFormatTagsTest, RemovesTagsInAnyCase) {
  EXPECT_EQ(StripFormatTags("<I>Smith</i>, <b>John</B> <U>x</u> <SC>Jr</sc>"),
            "Smith, John x Jr");
  EXPECT_EQ(StripFormatTags("<sup>2</sup> <em>e</em>"), "<sup>2</sup> <em>e</em>");
  // A tag re-formed by removing another is removed as well.
  EXPECT_EQ(StripFormatTags("<<i>i>Name"), "Name");
}

TEST(CleanTemplateTextTest, TidiesEmptyFieldSeparators) {
  EXPECT_EQ(CleanTemplateText(", Smith, , London ."), "Smith, London.");
  EXPECT_EQ(CleanTemplateText("Doe, john, Rec.."), "Doe, john, Rec.");
  EXPECT_EQ(CleanTemplateText(", , ; ."), "");
  EXPECT_EQ(CleanTemplateText(""), "");
}

TEST(CleanTemplateTextTest, RemovesEmptyBracketsAndDoubleSpaces) {
  EXPECT_EQ(CleanTemplateText("Title []  vol.    3"), "Title vol. 3");
  EXPECT_EQ(CleanTemplateText("a ( b )"), "a ( b)");
}

TEST(CleanTemplateTextTest, CollapsesClashingPunctuation) {
  EXPECT_EQ(CleanTemplateText("a,. b.; c,; d;. e:."), "a. b. c; d. e.");
  EXPECT_EQ(CleanTemplateText("x,, y;; z"), "x, y; z");
  EXPECT_EQ(CleanTemplateText("a ,b ;c :d"), "a,b;c:d");
  EXPECT_EQ(CleanTemplateText("\"Title,\","), "\"Title,\"");
  EXPECT_EQ(CleanTemplateText("\"A\",\"B\""), "\"AB\"");
  EXPECT_EQ(CleanTemplateText("\"A\".\"B\";\"C\""), "\"ABC\"");
}

TEST(CleanTemplateTextTest, SmallCapitalsBecomeFixedWidth) {
  EXPECT_EQ(CleanTemplateText("<sc>Smith</sc>, J."), "<tt>Smith</tt>, J.");
}

TEST(CleanTemplateTextTest, KeepsUtf8Intact) {
  EXPECT_EQ(CleanTemplateText(" , Ελλάδα ,  Αθήνα ."), "Ελλάδα, Αθήνα.");
}

TEST(JoinLinesTest, JoinsWithNewlinesOrSpaces) {
  std::vector<std::string> lines = {"one", "two", "three"};
  EXPECT_EQ(JoinLines(lines, true), "one\ntwo\nthree");
  EXPECT_EQ(JoinLines(lines, false), "one two three");
  EXPECT_EQ(JoinLines({}, true), "");
  EXPECT_EQ(JoinLines({"solo"}, false), "solo");
}

}  // namespace
}  // namespace vellix::text
