#include "gedcom/gedcom_line.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <string>

#include "gedcom/gedcom_node.h"

namespace vellix {
namespace {

LineFields Split(std::string_view line) {
  LineFields f;
  EXPECT_TRUE(SplitLine(line, &f)) << line;
  return f;
}

TEST(SplitLine, FieldsOfWellFormedLines) {
  LineFields f = Split("0 @I1@ INDI");
  EXPECT_EQ(f.level, 0);
  EXPECT_EQ(f.xref, "@I1@");
  EXPECT_EQ(f.tag, "INDI");
  EXPECT_EQ(f.value, "");
  f = Split("1 NAME John /Doe/  ");
  EXPECT_EQ(f.xref, "");
  EXPECT_EQ(f.tag, "NAME");
  EXPECT_EQ(f.value, "John /Doe/  ");  // trailing spaces stay
  f = Split("1 NOTE  two spaces");
  EXPECT_EQ(f.value, " two spaces");  // only one delimiter is taken
  f = Split(" \t  2   DATE 1 JAN 1900\r\n\r");
  EXPECT_EQ(f.level, 2);
  EXPECT_EQ(f.tag, "DATE");
  EXPECT_EQ(f.value, "1 JAN 1900");
  f = Split("1 NAME ");
  EXPECT_EQ(f.value, "");
  f = Split("3 @N1@ NOTE @S1@");
  EXPECT_EQ(f.xref, "@N1@");
  EXPECT_EQ(f.value, "@S1@");
}

TEST(SplitLine, LevelsAreReadAsLeadingIntegers) {
  EXPECT_EQ(Split("-5 NAME x").level, -5);
  EXPECT_EQ(Split("+3 NAME x").level, 3);
  EXPECT_EQ(Split("99999 NAME x").level, 99999);
  EXPECT_EQ(Split("99999999999999999999 NAME").level, INT32_MAX);
  EXPECT_EQ(Split("-99999999999999999999 NAME").level, INT32_MIN);
  EXPECT_EQ(Split("x NAME").level, 0);
  EXPECT_EQ(Split("12abc NAME").level, 12);
}

// Lines at the edges of the common "LEVEL TAG VALUE" shape: every one must
// split as the general token rule splits it.
TEST(SplitLine, LinesNearTheCommonShape) {
  struct Case {
    std::string_view line;
    int32_t level;
    std::string_view xref;
    std::string_view tag;
    std::string_view value;
  };
  static const Case kCases[] = {
      {"1 NAME", 1, "", "NAME", ""},
      {"1 NAME x\r", 1, "", "NAME", "x"},  // line break at the end trimmed
      {"1 NAME x\r\n", 1, "", "NAME", "x"},
      {"1 NA\rME x", 1, "", "NA", "ME x"},  // a line break ends the tag
      {"1 NA\nME", 1, "", "NA", "ME"},
      {"1  NAME x", 1, "", "NAME", "x"},          // runs of spaces before the tag
      {"1 TAG\tvalue", 1, "", "TAG\tvalue", ""},  // a tab is part of the token
      {"123456789 TAG v", 123456789, "", "TAG", "v"},
      {"1234567890 TAG v", 1234567890, "", "TAG", "v"},
      {"07 TAG v", 7, "", "TAG", "v"},
      {"1 T", 1, "", "T", ""},
      {"1 T ", 1, "", "T", ""},
      {"0 @I1@ INDI", 0, "@I1@", "INDI", ""},
      {"0 @N1@ NOTE text ", 0, "@N1@", "NOTE", "text "},
      {"0 @N1@  NOTE text", 0, "@N1@", "NOTE", "text"},
      {"0 @A@ @B@ x", 0, "@A@", "@B@", "x"},
      {"0 @A\r@ NOTE", 0, "@A", "@", "NOTE"},
      {"0 @A@\rNOTE", 0, "@A@", "NOTE", ""},
  };
  for (const Case& c : kCases) {
    const LineFields f = Split(c.line);
    EXPECT_EQ(f.level, c.level) << c.line;
    EXPECT_EQ(f.xref, c.xref) << c.line;
    EXPECT_EQ(f.tag, c.tag) << c.line;
    EXPECT_EQ(f.value, c.value) << c.line;
  }
}

// Random short lines over the bytes that decide a split: the short way for
// the common shape must give what the general token walk gives, or leave
// the line to it.
TEST(SplitLine, TheShortWayAgreesWithTheTokenWalk) {
  static constexpr char kBytes[] = {'0',  '1',  '9', ' ', ' ', '@', '\r',
                                    '\n', '\t', 'A', 'N', '+', '-', '\0'};
  std::mt19937 random(11);
  for (int round = 0; round < 200000; ++round) {
    std::string line(random() % 14, ' ');
    for (char& c : line) c = kBytes[random() % sizeof kBytes];
    LineFields fast;
    LineFields general;
    const bool split = SplitLine(line, &fast);
    ASSERT_EQ(split, SplitLineByTokens(line, &general)) << testing::PrintToString(line);
    if (!split) continue;
    ASSERT_EQ(fast.level, general.level) << testing::PrintToString(line);
    ASSERT_EQ(fast.xref, general.xref) << testing::PrintToString(line);
    ASSERT_EQ(fast.tag, general.tag) << testing::PrintToString(line);
    ASSERT_EQ(fast.value, general.value) << testing::PrintToString(line);
  }
}

TEST(SplitLine, MissingTokensMakeTheLineInvalid) {
  LineFields f;
  EXPECT_FALSE(SplitLine("", &f));
  EXPECT_FALSE(SplitLine("   \r\n", &f));
  EXPECT_FALSE(SplitLine("0", &f));
  EXPECT_FALSE(SplitLine("0 @X1@", &f));
  EXPECT_FALSE(SplitLine("0 @X1@   ", &f));
  EXPECT_FALSE(SplitLine("0\tHEAD", &f));  // a tab separates no tokens
  EXPECT_FALSE(SplitLine("0 ", &f));
  EXPECT_FALSE(SplitLine("0 \r", &f));
}

TEST(SplitLine, AtSignsAndPointers) {
  EXPECT_EQ(WithoutAtSigns("@I1@"), "I1");
  EXPECT_EQ(WithoutAtSigns("@I@1@"), "I1");
  EXPECT_EQ(PointerOf("@S12@"), "S12");
  EXPECT_EQ(PointerOf("a@b"), "");
  EXPECT_EQ(PointerOf("@S1"), "");
  EXPECT_EQ(PointerOf("S1@"), "");
  EXPECT_EQ(PointerOf(""), "");
  EXPECT_EQ(PointerOf("@"), "");
}

std::vector<std::string> Lines(std::string_view image, size_t max = 1 << 20,
                               std::vector<size_t>* offsets = nullptr,
                               std::vector<bool>* cuts = nullptr) {
  LineCursor cursor(image, max);
  std::vector<std::string> lines;
  std::string_view line;
  size_t offset;
  bool cut;
  while (cursor.Next(&line, &offset, &cut)) {
    lines.emplace_back(line);
    if (offsets) offsets->push_back(offset);
    if (cuts) cuts->push_back(cut);
  }
  return lines;
}

TEST(LineCursor, EveryTerminatorEndsOneLine) {
  const std::vector<std::string> expected = {"0 HEAD", "1 CHAR ANSI", "0 TRLR"};
  EXPECT_EQ(Lines("0 HEAD\r\n1 CHAR ANSI\r\n0 TRLR\r\n"), expected);
  EXPECT_EQ(Lines("0 HEAD\n1 CHAR ANSI\n0 TRLR\n"), expected);
  EXPECT_EQ(Lines("0 HEAD\r1 CHAR ANSI\r0 TRLR\r"), expected);
  EXPECT_EQ(Lines("0 HEAD\n\r1 CHAR ANSI\n\r0 TRLR\n\r"), expected);
  EXPECT_EQ(Lines("0 HEAD\r\n1 CHAR ANSI\n0 TRLR"), expected);
  std::vector<size_t> offsets;
  Lines("0 HEAD\r1 CHAR ANSI\r\n0 TRLR", 1 << 20, &offsets);
  EXPECT_EQ(offsets, (std::vector<size_t>{0, 7, 20}));
}

TEST(LineCursor, BlankLinesStayLines) {
  EXPECT_EQ(Lines("A\r\n\r\nB\n\nC\r\rD"),
            (std::vector<std::string>{"A", "", "B", "", "C", "", "D"}));
  EXPECT_TRUE(Lines("").empty());
}

TEST(LineCursor, LongLinesAreCutAtTheBound) {
  std::vector<bool> cuts;
  EXPECT_EQ(Lines("abcdefghij\nxy\n", 4, nullptr, &cuts),
            (std::vector<std::string>{"abcd", "efgh", "ij", "xy"}));
  EXPECT_EQ(cuts, (std::vector<bool>{true, true, false, false}));
  cuts.clear();
  // A line exactly as long as the bound is complete.
  EXPECT_EQ(Lines("abcd\r\nef", 4, nullptr, &cuts),
            (std::vector<std::string>{"abcd", "ef"}));
  EXPECT_EQ(cuts, (std::vector<bool>{false, false}));
}

TEST(LineCursor, SeekStartsAtAnOffsetAndClampsPastTheEnd) {
  LineCursor cursor("0 HEAD\n0 TRLR\n", 100);
  cursor.Seek(7);
  std::string_view line;
  size_t offset;
  bool cut;
  ASSERT_TRUE(cursor.Next(&line, &offset, &cut));
  EXPECT_EQ(line, "0 TRLR");
  EXPECT_FALSE(cursor.Next(&line, &offset, &cut));
  cursor.Seek(1000);
  EXPECT_FALSE(cursor.Next(&line, &offset, &cut));
}

}  // namespace
}  // namespace vellix
