#include "gedcom/continuation_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gedcom/gedcom_node.h"

namespace vellix {
namespace {

static_assert(ContinuedLine<GedcomNode>, "loaded GEDCOM lines can be joined");

// A minimal line with the members the continuation functions read.
struct Line {
  int tagCode = 0;
  std::string value;
  std::vector<Line> children;
};

Line Conc(std::string v) { return {kTagConc, std::move(v), {}}; }
Line Cont(std::string v) { return {kTagCont, std::move(v), {}}; }
Line Other(std::string v) { return {kTagSour, std::move(v), {}}; }

Line NoteLine() {
  return {kTagNote,
          "Born in Kra",
          {Conc("ków."), Cont("Moved to "), Other("@S1@"), Conc("Łódź"), Cont(""),
           Cont("End")}};
}

TEST(JoinContinuationLinesTest, WithAndWithoutBreaks) {
  std::string out = "old ";
  EXPECT_TRUE(
      JoinContinuationLines(NoteLine(), &out, {.with_breaks = true, .append = true}));
  EXPECT_EQ(out, "old Born in Kraków.%BR%Moved to Łódź%BR%%BR%End");
  EXPECT_TRUE(JoinContinuationLines(NoteLine(), &out));
  EXPECT_EQ(out, "Born in Kraków.Moved to ŁódźEnd");
}

TEST(JoinContinuationLinesTest, NoContinuationReportsFalse) {
  std::string out;
  Line single{kTagNote, "Just one", {Other("x")}};
  EXPECT_FALSE(JoinContinuationLines(single, &out, {.with_breaks = true}));
  EXPECT_EQ(out, "Just one");
}

TEST(SplitContinuationLinesTest, ContStartsNewElement) {
  std::vector<std::string> lines = {"earlier"};
  SplitContinuationLines(NoteLine(), &lines);
  EXPECT_EQ(lines, (std::vector<std::string>{"earlier", "Born in Kraków.",
                                             "Moved to Łódź", "", "End"}));
}

TEST(SplitContinuationLinesTest, FollowingSiblingsUntilAnotherTag) {
  const std::vector<Line> siblings = {Other("before"),        {kTagNote, "One", {}},
                                      Conc(" two"),           Cont("three"),
                                      {kTagNote, "Next", {}}, Cont("not mine")};
  std::vector<std::string> lines;
  SplitContinuationLines(std::span<const Line>(siblings), 1, &lines);
  EXPECT_EQ(lines, (std::vector<std::string>{"One two", "three"}));
  lines.clear();
  SplitContinuationLines(std::span<const Line>(siblings), 6, &lines);
  EXPECT_TRUE(lines.empty());
}

}  // namespace
}  // namespace vellix
