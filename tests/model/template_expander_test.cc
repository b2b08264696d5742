#include "model/template_expander.h"

#include <gtest/gtest.h>

#include <string>

namespace vellix::testing {
namespace {

using M = TemplateExpander::Modifier;

class TemplateExpanderTest : public ::testing::Test {
 protected:
  /// The template expanded with one field `name` = `value`.
  static std::string ExpandOne(const std::string& name, const std::string& value,
                               const std::string& template_text) {
    TemplateExpander expander;
    expander.AddField(name, value);
    return expander.Expand(template_text);
  }

  TemplateExpander expander_;
};

TEST_F(TemplateExpanderTest, CapsAbbreviationAndTheDoubledFullStop) {
  expander_.AddField("Author", "doe, john");
  expander_.AddField("Title", "Records||Rec.");
  EXPECT_EQ(expander_.Expand("[Author:Caps], [Title:Abbrev]."), "Doe, john, Rec.");
  EXPECT_EQ(expander_.Expand("[Author:Caps], [Title]."), "Doe, john, Records.");
  EXPECT_EQ(expander_.Expand("/[see/] [Title]"), "[see] Records");
}

TEST_F(TemplateExpanderTest, FieldsAreFoundWithoutRegardToCaseAndTheFirstValueWins) {
  EXPECT_TRUE(expander_.AddField("[Author]", "Smith"));
  EXPECT_FALSE(expander_.AddField("AUTHOR", "Jones"));
  EXPECT_FALSE(expander_.AddField(" [author] ", "Brown"));
  EXPECT_TRUE(expander_.AddField("Page", "12"));
  EXPECT_EQ(expander_.field_count(), 2u);
  EXPECT_EQ(expander_.FieldValue("author"), "Smith");
  EXPECT_TRUE(expander_.HasField("[PAGE]"));
  EXPECT_FALSE(expander_.HasField("Title"));
  EXPECT_EQ(expander_.Expand("[aUtHoR], p. [page]"), "Smith, p. 12");
  // Blanks around the name and modifiers of a reference are ignored.
  EXPECT_EQ(expander_.Expand("[ Author : upper ]"), "SMITH");
  expander_.Clear();
  EXPECT_EQ(expander_.Expand("[Author]"), "");
}

TEST_F(TemplateExpanderTest, MissingFieldsLeaveNoStraySeparators) {
  EXPECT_EQ(expander_.Expand("[X], [Y]; [Z]."), "");
  expander_.AddField("Title", "Parish Register");
  EXPECT_EQ(expander_.Expand("[Author], [Title], [Page]."), "Parish Register.");
  EXPECT_EQ(expander_.Expand("[Title] ([Year])."), "Parish Register ().");
  EXPECT_EQ(expander_.Expand(""), "");
}

TEST_F(TemplateExpanderTest, EveryModifierOnItsOwn) {
  EXPECT_EQ(TemplateExpander::ApplyModifier(M::kUpper, "doe, john"), "DOE, JOHN");
  EXPECT_EQ(TemplateExpander::ApplyModifier(M::kLower, "McDONALD"), "mcdonald");
  EXPECT_EQ(TemplateExpander::ApplyModifier(M::kCaps, "  RECORDS OF KENT||  REC. KENT"),
            "  Records of kent||  Rec. kent");
  EXPECT_EQ(TemplateExpander::ApplyModifier(M::kCaps, "ST. MARY"), "St. mary");
  EXPECT_EQ(TemplateExpander::ApplyModifier(M::kProper, "mcDONALD  mary o'neil"),
            "McDONALD  Mary O'neil");
  EXPECT_EQ(TemplateExpander::ApplyModifier(M::kYear, "ABT 1850"), "1850");
  EXPECT_EQ(TemplateExpander::ApplyModifier(M::kYear, "BET 12 MAR 1850 AND 1860"),
            "1850");
  EXPECT_EQ(TemplateExpander::ApplyModifier(M::kYear, "5 JAN 97"), "");
  EXPECT_EQ(TemplateExpander::ApplyModifier(M::kYear, "0987"), "0987");
  for (M unchanged :
       {M::kNoCaps, M::kNoAbbrev, M::kAbbrev, M::kFull, M::kPlain, M::kNoModifier}) {
    EXPECT_EQ(TemplateExpander::ApplyModifier(unchanged, "MiXed||Ab"), "MiXed||Ab")
        << unchanged;
  }
}

TEST_F(TemplateExpanderTest, ModifierWordsAndTheirNumbers) {
  const char* words[] = {"NoCaps",   "Upper",  "Lower", "Caps",  "Proper",
                         "NoAbbrev", "Abbrev", "Full",  "Plain", "Year"};
  for (int number = 1; number <= 10; ++number) {
    EXPECT_EQ(TemplateExpander::ModifierOf(words[number - 1]), number);
  }
  EXPECT_EQ(TemplateExpander::ModifierOf("ABBREV"), M::kAbbrev);
  EXPECT_EQ(TemplateExpander::ModifierOf("year"), M::kYear);
  EXPECT_EQ(TemplateExpander::ModifierOf("Abbreviated"), M::kNoModifier);
  EXPECT_EQ(TemplateExpander::ModifierOf(""), M::kNoModifier);
}

TEST_F(TemplateExpanderTest, ModifiersApplyInOrderBeforeTheAlternativeIsChosen) {
  expander_.AddField("Title", "records of kent||rec. kent");
  expander_.AddField("Date", "ABT 1850||c. 1850");
  expander_.AddField("Name", "van der BERG");
  EXPECT_EQ(expander_.Expand("[Title:Abbrev:Upper]"), "REC. KENT");
  EXPECT_EQ(expander_.Expand("[Title:Upper:ABBREV]"), "REC. KENT");
  EXPECT_EQ(expander_.Expand("[Title:Caps:Abbrev]"), "Rec. kent");
  EXPECT_EQ(expander_.Expand("[Title:NoAbbrev]"), "records of kent");
  EXPECT_EQ(expander_.Expand("[Title:Full:Plain:NoCaps]"), "records of kent");
  EXPECT_EQ(expander_.Expand("[Title:Bogus:Proper]"), "Records Of Kent");
  // Year takes the year out of the whole value, so no alternative is left.
  EXPECT_EQ(expander_.Expand("[Date:Year:Abbrev]"), "1850");
  EXPECT_EQ(expander_.Expand("[Date:Abbrev]"), "c. 1850");
  EXPECT_EQ(expander_.Expand("[Name:Upper:Lower]"), "van der berg");
  EXPECT_EQ(expander_.Expand("[Name:Lower:Proper]"), "Van Der Berg");
  // Abbrev without an alternative keeps the value.
  EXPECT_EQ(expander_.Expand("[Name:Abbrev]"), "van der BERG");
}

TEST_F(TemplateExpanderTest, CaseModifiersKnowLettersBeyondAscii) {
  EXPECT_EQ(ExpandOne("Place",
                      "\xC5\x81\xC3\x93"
                      "D\xC5\xB9",
                      "[Place:Caps]"),
            "\xC5\x81\xC3\xB3"
            "d\xC5\xBA");  // ŁÓDŹ -> Łódź
  EXPECT_EQ(ExpandOne("Name", "\xC3\xA9lodie", "[Name:Upper]"), "\xC3\x89LODIE");
  EXPECT_EQ(ExpandOne("Name", "\xC3\xA9lodie", "[Name:Proper]"), "\xC3\x89lodie");
  EXPECT_EQ(ExpandOne("Name", "\xD0\x98\xD0\x92\xD0\x90\xD0\x9D", "[Name:Lower]"),
            "\xD0\xB8\xD0\xB2\xD0\xB0\xD0\xBD");  // ИВАН -> иван
  EXPECT_EQ(ExpandOne("Name", "\xCE\xA3\xCE\x91\xCE\x9C\xCE\x9F\xCE\xA3", "[Name:Lower]"),
            "\xCF\x83\xCE\xB1\xCE\xBC\xCE\xBF\xCF\x83");  // ΣΑΜΟΣ -> σαμοσ
}

TEST_F(TemplateExpanderTest, BracketsInValuesAreNeverReadAsReferences) {
  expander_.AddField("Author", "[Title] /[x/] [sic]");
  expander_.AddField("Title", "Records");
  EXPECT_EQ(expander_.Expand("[Author]: [Title]"), "[Title] /[x/] [sic]: Records");
}

TEST_F(TemplateExpanderTest, UnbalancedBracketsInTheTemplate) {
  expander_.AddField("Page", "12");
  // An opening bracket without a closing one: the rest is plain text.
  EXPECT_EQ(expander_.Expand("p. [Page], see [Page"), "p. 12, see [Page");
  // A closing bracket without an opening one is plain text.
  EXPECT_EQ(expander_.Expand("a] [Page]"), "a] 12");
  // A reference runs to the first closing bracket, taking in a second "[".
  EXPECT_EQ(expander_.Expand("x [A [Page] y"), "x y");
  // Escaped brackets are never references, even around a field name.
  EXPECT_EQ(expander_.Expand("/[/[Page/]/] [Page]"), "[[Page]] 12");
  EXPECT_EQ(expander_.Expand("/[Page/]"), "[Page]");
}

TEST_F(TemplateExpanderTest, SmallCapitalsBecomeFixedWidthAndExpansionRepeats) {
  expander_.AddField("Author", "Doe");
  EXPECT_EQ(expander_.Expand("<sc>[Author]</sc> , [None] , letters."),
            "<tt>Doe</tt>, letters.");
  EXPECT_EQ(expander_.Expand("<sc>[Author]</sc> , [None] , letters."),
            "<tt>Doe</tt>, letters.");
}

}  // namespace
}  // namespace vellix::testing
