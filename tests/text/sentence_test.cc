#include "text/sentence.h"

#include <gtest/gtest.h>

#include <string>

namespace vellix::text {
namespace {

// The text after EndSentence, with whether a mark was reported added.
std::string Ended(std::string text, bool comma = false, bool* added = nullptr) {
  bool result = EndSentence(&text, comma);
  if (added) *added = result;
  return text;
}

TEST(EndSentenceTest, AppendsPeriodOrComma) {
  bool added = false;
  EXPECT_EQ(Ended("Born in Paris", false, &added), "Born in Paris.");
  EXPECT_TRUE(added);
  EXPECT_EQ(Ended("Born in Paris", true), "Born in Paris,");
  EXPECT_EQ(Ended("Born in Paris  \t\r\n"), "Born in Paris.");
}

TEST(EndSentenceTest, LeavesFinishedSentencesAlone) {
  bool added = true;
  EXPECT_EQ(Ended("Really?", false, &added), "Really?");
  EXPECT_FALSE(added);
  EXPECT_EQ(Ended("Stop!"), "Stop!");
  EXPECT_EQ(Ended("Done."), "Done.");
  EXPECT_EQ(Ended("a,", true), "a,");
  // A comma is not final for a period, and a period not for a comma.
  EXPECT_EQ(Ended("a,"), "a,.");
  EXPECT_EQ(Ended("a.", true), "a.,");
}

TEST(EndSentenceTest, EmptyOrBlankTextGetsNothingAndIsTrimmed) {
  bool added = true;
  EXPECT_EQ(Ended("", false, &added), "");
  EXPECT_FALSE(added);
  EXPECT_EQ(Ended("   \t ", false, &added), "");
  EXPECT_FALSE(added);
}

TEST(EndSentenceTest, PutsMarkInsideClosingQuote) {
  EXPECT_EQ(Ended("He said \"hello\""), "He said \"hello.\"");
  EXPECT_EQ(Ended("the 'Old Farm'", true), "the 'Old Farm,'");
  EXPECT_EQ(Ended("\"Why?\""), "\"Why?\"");
  // Too short to hold a quoted word.
  EXPECT_EQ(Ended("x\""), "x\"");
}

TEST(EndSentenceTest, EscapedClosingQuoteTakesMarkInside) {
  EXPECT_EQ(Ended("&#34;Records&#34;"), "&#34;Records.&#34;");
  EXPECT_EQ(Ended("the &#39;Farm&#39;", true), "the &#39;Farm,&#39;");
  EXPECT_EQ(Ended("&quot;Why?&quot;"), "&quot;Why?&quot;");
  EXPECT_EQ(Ended("x&#34;"), "x&#34;");
  // An entity that is not a quote ends the sentence like any other text.
  EXPECT_EQ(Ended("Fish &amp;"), "Fish &amp;.");
}

TEST(EndSentenceTest, AppendsAfterClosingBracketOfLongerText) {
  EXPECT_EQ(Ended("(see below)"), "(see below).");
  EXPECT_EQ(Ended("[unclear]"), "[unclear].");
  EXPECT_EQ(Ended("a)"), "a)");
  EXPECT_EQ(Ended("(why?)"), "(why?)");
}

TEST(EndSentenceTest, AppendsAfterShortClosingTags) {
  EXPECT_EQ(Ended("<i>Parish Register</i>"), "<i>Parish Register</i>.");
  EXPECT_EQ(Ended("word<b>"), "word<b>.");
  EXPECT_EQ(Ended("Name</sc>"), "Name</sc>.");
  EXPECT_EQ(Ended("x<sup>"), "x<sup>.");
  EXPECT_EQ(Ended("<i>Why?</i>"), "<i>Why?</i>");
  // Longer tags are not recognised, and a bare ">" is not a tag.
  EXPECT_EQ(Ended("<span class=\"x\">a</span>"), "<span class=\"x\">a</span>");
  EXPECT_EQ(Ended("x ->"), "x ->");
}

TEST(EndSentenceTest, MultiByteEndingGetsMark) {
  EXPECT_EQ(Ended("Zürich"), "Zürich.");
  EXPECT_EQ(Ended("東京"), "東京.");
  EXPECT_EQ(Ended("«Ἀθῆναι»"), "«Ἀθῆναι».");
}

}  // namespace
}  // namespace vellix::text
