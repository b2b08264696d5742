// The Spouses line of a man with many wives: every other wife up to the
// bound, the first ones and "and N more" past it, with one warning per run.
#include <gtest/gtest.h>

#include "sheet_fixture.h"
#include "site/family/sheet_members.h"

namespace vellix::site {
namespace {

// One man (@I1@) with `wives` wives, one family each (@F1@, @F2@, ...).
std::string ManyWives(int wives) {
  std::string text = "0 @I1@ INDI\r\n1 NAME Adam /Many/\r\n1 SEX M\r\n1 DEAT Y\r\n";
  for (int f = 1; f <= wives; ++f) text += "1 FAMS @F" + std::to_string(f) + "@\r\n";
  for (int f = 1; f <= wives; ++f) {
    const std::string n = std::to_string(f);
    text += "0 @W" + n + "@ INDI\r\n1 NAME Wife" + n +
            " /Other/\r\n1 SEX F\r\n1 DEAT Y\r\n" + "1 FAMS @F" + n + "@\r\n0 @F" + n +
            "@ FAM\r\n1 HUSB @I1@\r\n1 WIFE @W" + n + "@\r\n";
  }
  return text;
}

// The wife names the husband's Spouses line of a page holds, in order, and
// what follows the last of them.
struct SpousesLine {
  std::vector<int> wives;
  std::string tail;
};

SpousesLine HusbandsSpouses(const std::string& page) {
  SpousesLine line;
  const std::string label = "Spouses:";
  const size_t begin = page.find(label);
  if (begin == std::string::npos) return line;
  const size_t end = page.find("</td></tr>", begin);
  const std::string text = page.substr(begin, end - begin);
  size_t last = text.find("<td>") + 4;  // the value cell
  for (size_t at = text.find(">Wife"); at != std::string::npos;
       at = text.find(">Wife", at + 1)) {
    line.wives.push_back(std::stoi(text.substr(at + 5)));
    last = text.find("</a>", at) + 4;
  }
  line.tail = text.substr(last);
  return line;
}

std::vector<int> Range(int first, int last, int except = 0) {
  std::vector<int> out;
  for (int i = first; i <= last; ++i) {
    if (i != except) out.push_back(i);
  }
  return out;
}

class SpouseListTest : public SheetTest {};

TEST_F(SpouseListTest, OtherWivesUpToTheBoundThenTheFirstOnesAndACount) {
  struct Case {
    int wives;
    std::vector<int> on_f1;  // the Spouses line of the husband on F1's page
    std::vector<int> on_f2;
    std::string tail;  // after the last name
    size_t warnings;
  };
  const Case cases[] = {
      {1, {}, {}, "", 0},
      {3, {2, 3}, {1, 3}, "", 0},
      {1000, Range(2, 1000), Range(1, 1000, 2), "", 0},  // at the bound
      {1001, Range(2, 101), Range(1, 101, 2), "; and 900 more", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.wives);
    test_env_.env.warnings().Reset();
    writer_.reset();
    Load(ManyWives(c.wives));
    ASSERT_TRUE(WriteFamily("F1"));
    const SpousesLine f1 = HusbandsSpouses(Page("grpf1.html"));
    EXPECT_EQ(f1.wives, c.on_f1);
    EXPECT_EQ(f1.tail, c.tail);
    if (c.wives >= 2) {
      // A second page of the same run uses the same list.
      ASSERT_TRUE(WriteFamily("F2"));
      const SpousesLine f2 = HusbandsSpouses(Page("grpf2.html"));
      EXPECT_EQ(f2.wives, c.on_f2);
      EXPECT_EQ(f2.tail, c.tail);
    }
    const std::vector<std::string> warnings = WarningLines();
    EXPECT_EQ(warnings.size(), c.warnings);
    if (c.warnings > 0) {
      EXPECT_EQ(warnings.front(),
                "Individual Adam Many (<a href=\"\">F1</a>) has 1001 spouses. Each "
                "Spouses line lists the first 100 of them.");
    }
  }
}

}  // namespace
}  // namespace vellix::site
