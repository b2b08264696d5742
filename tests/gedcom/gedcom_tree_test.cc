#include <gtest/gtest.h>

#include <random>

#include "gedcom/gedcom_record.h"

namespace vellix {
namespace {

GedcomNode Line(int32_t level, const std::string& tag, const std::string& value = "") {
  return GedcomNode(level, LookupTag(tag), tag, value);
}

// The tree as text: "tag(children)" in file order.
std::string Shape(const std::vector<GedcomNode>& nodes) {
  std::string text;
  for (const GedcomNode& n : nodes) {
    text += n.tag + std::to_string(n.level);
    if (!n.children.empty()) text += "(" + Shape(n.children) + ")";
    text += " ";
  }
  return text;
}

// Every value in tree order.
std::string Values(const std::vector<GedcomNode>& nodes) {
  std::string text;
  for (const GedcomNode& n : nodes)
    text += n.value + (n.children.empty() ? "" : Values(n.children));
  return text;
}

TEST(TreeBuilding, LinesNestByLevelAndStepsBackAreRefused) {
  GedcomRecord record(kTagIndi, "INDI", "I1", "", 0);
  EXPECT_TRUE(record.AddLine(Line(1, "NAME", "John /Doe/")));
  EXPECT_TRUE(record.AddLine(Line(2, "GIVN", "John")));
  EXPECT_TRUE(record.AddLine(Line(2, "SURN", "Doe")));
  EXPECT_TRUE(record.AddLine(Line(1, "BIRT")));
  EXPECT_TRUE(record.AddLine(Line(3, "DATE", "1900")));  // skipped level
  EXPECT_FALSE(record.AddLine(Line(2, "PLAC", "x")));    // above its sibling
  EXPECT_TRUE(record.AddLine(Line(1, "FAMS", "@F1@")));
  EXPECT_EQ(Shape(record.children), "NAME1(GIVN2 SURN2 ) BIRT1(DATE3 ) FAMS1 ");
  EXPECT_EQ(record.FirstChild(kTagFams)->pointer, "F1");
  EXPECT_EQ(record.FirstChild(kTagName)->pointer, "");
  EXPECT_EQ(record.FirstChild(kTagDeat), nullptr);
}

TEST(TreeBuilding, FirstLineOfARecordTakesAnyLevel) {
  GedcomRecord record(kTagFam, "FAM", "F1", "", 0);
  EXPECT_TRUE(record.AddLine(Line(5, "HUSB", "@I1@")));
  EXPECT_FALSE(record.AddLine(Line(1, "WIFE", "@I2@")));
  EXPECT_TRUE(record.AddLine(Line(5, "WIFE", "@I2@")));
  EXPECT_EQ(Shape(record.children), "HUSB5 WIFE5 ");
  GedcomNode node = Line(1, "NAME");
  EXPECT_TRUE(node.AddChild(Line(-3, "NOTE")));  // no child yet: any level
  EXPECT_FALSE(node.AddChild(Line(-4, "NOTE")));
}

TEST(TreeBuilding, ChildrenByTagInFileOrder) {
  GedcomRecord record(kTagFam, "FAM", "F1", "", 0);
  record.AddLine(Line(1, "CHIL", "@I3@"));
  record.AddLine(Line(1, "HUSB", "@I1@"));
  record.AddLine(Line(1, "CHIL", "@I4@"));
  record.AddLine(Line(2, "NOTE", "not a child line"));
  record.AddLine(Line(1, "CHIL", "@I5@"));
  std::vector<std::string> children;
  for (const GedcomNode& n : record.Children(kTagChil)) {
    children.push_back(n.pointer);
  }
  EXPECT_EQ(children, (std::vector<std::string>{"I3", "I4", "I5"}));
  EXPECT_TRUE(record.Children(kTagWife).empty());
  EXPECT_EQ(record.FirstChild(kTagChil)->Children(kTagNote).begin(),
            record.FirstChild(kTagChil)->Children(kTagNote).end());
  int notes = 0;
  for (const GedcomNode& n : record.children[2].Children(kTagNote)) {
    EXPECT_EQ(n.value, "not a child line");
    ++notes;
  }
  EXPECT_EQ(notes, 1);
}

// The value converter of a loaded record, marked so that a test sees it ran.
std::string Converted(std::string_view raw) { return "<" + std::string(raw) + ">"; }

TEST(TreeBuilding, BuilderGivesTheSameTreeAsAddLine) {
  std::mt19937 random(7);
  static const char* const kTags[] = {"NOTE", "DATE", "PLAC", "SOUR"};
  for (int round = 0; round < 50; ++round) {
    GedcomRecord plain(kTagIndi, "INDI", "I1", "", 0);
    GedcomRecord fast(kTagIndi, "INDI", "I1", "", 0);
    TreeBuilder builder;
    // Lines from level -1 to 5: skipped levels, steps back past a sibling
    // (refused) and a first line at any level all come up.
    std::vector<std::string> values;
    for (int i = 0; i < 200; ++i) values.push_back(std::to_string(i));
    for (int i = 0; i < 200; ++i) {
      const int32_t level = static_cast<int32_t>(random() % 7) - 1;
      const std::string_view tag = kTags[i % 4];  // the builder keeps views
      ASSERT_EQ(plain.AddLine(Line(level, std::string(tag), "<" + values[i] + ">")),
                builder.Add(level, LookupTag(tag), tag, values[i]))
          << "round " << round << " line " << i;
    }
    builder.Finish(&fast, Converted);
    ASSERT_EQ(Shape(plain.children), Shape(fast.children));
    ASSERT_EQ(Values(plain.children), Values(fast.children));
  }
}

TEST(TreeBuilding, OneBuilderServesRecordAfterRecord) {
  TreeBuilder builder;
  GedcomRecord first(kTagIndi, "INDI", "I1", "", 0);
  EXPECT_TRUE(builder.Add(1, kTagBirt, "BIRT", ""));
  EXPECT_TRUE(builder.Add(2, kTagDate, "DATE", "1900"));
  EXPECT_TRUE(builder.Add(2, kTagPlac, "PLAC", "Here"));
  EXPECT_FALSE(builder.Add(0, kTagNote, "NOTE", ""));
  EXPECT_TRUE(builder.Add(1, kTagFams, "FAMS", "@F1@"));
  builder.Finish(&first, [](std::string_view raw) { return std::string(raw); });
  EXPECT_EQ(Shape(first.children), "BIRT1(DATE2 PLAC2 ) FAMS1 ");
  EXPECT_EQ(first.FirstChild(kTagFams)->pointer, "F1");

  // Nothing of the first record's lines is left for the second.
  GedcomRecord second(kTagFam, "FAM", "F1", "", 0);
  EXPECT_TRUE(builder.Add(3, kTagHusb, "HUSB", "@I1@"));
  EXPECT_TRUE(builder.Add(3, kTagWife, "WIFE", "@I2@"));
  builder.Finish(&second, Converted);
  EXPECT_EQ(Shape(second.children), "HUSB3 WIFE3 ");
  EXPECT_EQ(second.children[1].value, "<@I2@>");

  GedcomRecord empty(kTagNote, "NOTE", "N1", "text", 0);
  builder.Finish(&empty, Converted);
  EXPECT_TRUE(empty.children.empty());
}

TEST(TreeBuilding, DeepNestingNeitherRecursesNorTakesQuadraticTime) {
  // 200,000 levels: recursion in building or destroying would overflow the
  // stack long before this depth.
  constexpr int kDepth = 200000;
  auto record = std::make_unique<GedcomRecord>(kTagIndi, "INDI", "I1", "", 0);
  TreeBuilder builder;
  for (int level = 1; level <= kDepth; ++level) {
    ASSERT_TRUE(builder.Add(level, kTagNote, "NOTE", ""));
  }
  EXPECT_TRUE(builder.Add(1, kTagName, "NAME", ""));
  builder.Finish(record.get(), Converted);
  int depth = 0;
  for (const GedcomNode* n = &record->children[0]; n;
       n = n->children.empty() ? nullptr : &n->children[0]) {
    ++depth;
  }
  EXPECT_EQ(depth, kDepth);
  EXPECT_EQ(record->children.size(), 2u);
  // The plain AddLine walks iteratively too.
  EXPECT_TRUE(record->AddLine(Line(kDepth + 1, "DATE")));
  record.reset();  // destroys 200,001 nested nodes without recursion
}

}  // namespace
}  // namespace vellix
