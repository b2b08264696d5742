#include "model/names.h"

#include <gtest/gtest.h>

#include <string>

#include "model/privacy.h"
#include "options/options.h"

namespace vellix {
namespace {

TEST(NameSplitTest, GivenSurnameAndSuffix) {
  const std::string value = "John_Paul /van Dyke/ Jr.";
  EXPECT_EQ(GivenOf(value), "John Paul");
  EXPECT_EQ(SurnameOf(value), "van Dyke");
  EXPECT_EQ(SuffixOf(value), "Jr.");
}

TEST(NameSplitTest, SurnameOnlyAndGivenOnly) {
  EXPECT_EQ(GivenOf("/Smith/"), "");
  EXPECT_EQ(SurnameOf("/Smith/"), "Smith");
  EXPECT_EQ(SuffixOf("/Smith/"), "");
  EXPECT_EQ(GivenOf("Mary"), "Mary");
  EXPECT_EQ(SurnameOf("Mary"), "");
  EXPECT_EQ(SuffixOf("Mary"), "");
}

TEST(NameSplitTest, OneSlashGivesTheRestAsSurnameAndNoSuffix) {
  EXPECT_EQ(GivenOf("Anna /Berg"), "Anna");
  EXPECT_EQ(SurnameOf("Anna /Berg"), "Berg");
  EXPECT_EQ(SuffixOf("Anna /Berg"), "");
}

TEST(NameSplitTest, OddValues) {
  // Three slashes: the surname runs from the first to the last.
  EXPECT_EQ(SurnameOf("Jo /de/la Cruz/ III"), "de/la Cruz");
  EXPECT_EQ(SuffixOf("Jo /de/la Cruz/ III"), "III");
  // The suffix keeps its underscores; the other parts lose theirs.
  EXPECT_EQ(SuffixOf("Jo /Lee/ the_3rd "), "the_3rd");
  EXPECT_EQ(SurnameOf("Jo /_Lee_/"), "Lee");
  EXPECT_EQ(GivenOf("  \tJo  /Lee/"), "Jo");
  EXPECT_EQ(GivenOf("//"), "");
  EXPECT_EQ(SurnameOf("//"), "");
  EXPECT_EQ(SurnameOf("Jo /"), "");
  EXPECT_EQ(SuffixOf("/Lee/   "), "");
  EXPECT_EQ(GivenOf(""), "");
}

GedcomNode Piece(const char* tag, const char* value) {
  return GedcomNode(2, LookupTag(tag), tag, value);
}

class NameTest : public ::testing::Test {
 protected:
  // Parses a NAME line with `value` and the given piece lines.
  void Parse(const char* value,
             std::initializer_list<std::pair<const char*, const char*>> pieces = {}) {
    GedcomNode line(1, kTagName, "NAME", value);
    for (const auto& [tag, text] : pieces) line.AddChild(Piece(tag, text));
    name_.ParseName(line, options_);
  }
  std::string Given(bool living = false, std::string_view alias = {}) {
    return name_.DisplayName(privacy_, living, alias, &break_, {});
  }
  std::string SurnameFirst(bool living = false, std::string_view alias = {}) {
    return name_.DisplayName(privacy_, living, alias, &break_, {.surname_first = true});
  }

  COptions options_;
  PrivacyFilter privacy_{options_};
  GedcomName name_;
  int32_t break_ = -1;
};

TEST_F(NameTest, ValueIsSplitIntoItsParts) {
  Parse("John_Paul /van Dyke/ Jr.");
  EXPECT_TRUE(name_.parsed);
  EXPECT_EQ(name_.raw, "John_Paul /van Dyke/ Jr.");
  EXPECT_EQ(name_.given, "John Paul");
  EXPECT_EQ(name_.surname, "van Dyke");
  EXPECT_EQ(name_.suffix, "Jr.");
  EXPECT_FALSE(name_.hasNickname);
}

TEST_F(NameTest, PieceLinesReplaceTheSplitWhenNotEmpty) {
  Parse("Ann /Lee/ Sr.", {{"GIVN", "Anna,Maria"},
                          {"SURN", " , "},
                          {"NSFX", "Jr., PhD"},
                          {"NPFX", "Dr."},
                          {"SPFX", "de"},
                          {"NICK", "Annie"}});
  EXPECT_EQ(name_.given, "Anna Maria");
  EXPECT_EQ(name_.surname, "Lee");
  EXPECT_EQ(name_.suffix, "Jr. PhD");
  EXPECT_EQ(name_.prefix, "Dr.");
  EXPECT_EQ(name_.surnamePrefix, "de");
  EXPECT_EQ(name_.nickname, "Annie");
  EXPECT_TRUE(name_.hasNickname);
}

TEST_F(NameTest, PiecesAloneMakeAName) {
  Parse("", {{"GIVN", "Eva"}, {"SURN", "Holm"}});
  EXPECT_TRUE(name_.parsed);
  EXPECT_EQ(Given(), "Eva Holm");
}

TEST_F(NameTest, AnEmptyNameIsNotParsedAndShowsNothing) {
  Parse("//");
  EXPECT_FALSE(name_.parsed);
  EXPECT_EQ(Given(), "");
  EXPECT_EQ(SurnameFirst(), "");
  EXPECT_EQ(break_, 0);
}

TEST_F(NameTest, ASecondParseChangesNothing) {
  Parse("Ann /Lee/");
  Parse("Bob /Ray/");
  EXPECT_EQ(name_.given, "Ann");
  EXPECT_EQ(name_.surname, "Lee");
}

TEST_F(NameTest, UpperCaseSurnamesAreUnicodeAware) {
  options_.m_bUpperSurnames = true;
  Parse("Jos\xC3\xA9 /Ib\xC3\xA1\xC3\xB1\x65z/");  // José /Ibáñez/
  EXPECT_EQ(name_.surname, "IB\xC3\x81\xC3\x91\x45Z");
  EXPECT_EQ(name_.given, "Jos\xC3\xA9");
}

TEST_F(NameTest, GivenFirstOrder) {
  Parse("John /Smith/ Jr.", {{"NPFX", "Dr."}, {"SPFX", "de"}});
  EXPECT_EQ(Given(), "Dr. John de Smith, Jr.");
  EXPECT_EQ(break_, 8);  // "Dr. John"
  EXPECT_EQ(name_.display, "Dr. John de Smith, Jr.");
}

TEST_F(NameTest, SurnameFirstOrder) {
  Parse("John /Smith/ Jr.", {{"NPFX", "Dr."}, {"SPFX", "de"}});
  EXPECT_EQ(SurnameFirst(), "de Smith, Dr. John, Jr.");
  EXPECT_EQ(break_, 18);  // "de Smith, Dr. John"
}

TEST_F(NameTest, SurnameFirstWithMissingParts) {
  Parse("Ann");
  EXPECT_EQ(SurnameFirst(), "?, Ann");
  EXPECT_EQ(break_, 6);
  name_ = GedcomName();
  Parse("/Lee/");
  EXPECT_EQ(SurnameFirst(), "Lee, ");
  EXPECT_EQ(break_, 5);
}

TEST_F(NameTest, NicknameIsTheAliasWhenTheOptionIsOn) {
  Parse("John /Smith/", {{"NICK", "Jack"}});
  EXPECT_EQ(Given(), "John Smith");
  options_.m_bAliasInName = true;
  EXPECT_EQ(Given(false, "Johnny /Smyth/"), "John \"Jack\" Smith");
  EXPECT_EQ(break_, 4);
  EXPECT_EQ(SurnameFirst(), "Smith, John \"Jack\"");
}

TEST_F(NameTest, AliasTextWithoutNickname) {
  options_.m_bAliasInName = true;
  Parse("John /Smith/");
  EXPECT_EQ(Given(false, "Johnny_B /Smyth/"), "John \"Johnny B Smyth\" Smith");
  EXPECT_EQ(Given(false, "\"Red\""), "John \"Red\" Smith");
  EXPECT_EQ(Given(false, "Red\""), "John \"Red\" Smith");
  EXPECT_EQ(Given(false, "/Smyth/"), "John \"Smyth\" Smith");
  EXPECT_EQ(Given(false, "  "), "John Smith");
}

TEST_F(NameTest, AliasAloneStillShows) {
  options_.m_bAliasInName = true;
  EXPECT_EQ(Given(false, "Red"), "\"Red\"");
  EXPECT_EQ(SurnameFirst(false, "Red"), "?, \"Red\"");
}

TEST_F(NameTest, InitialsDropPrefixAliasAndSuffixButKeepSurname) {
  options_.m_nNameFilter = 1;
  options_.m_bAliasInName = true;
  Parse("John Paul /Smith/ Jr.", {{"NPFX", "Dr."}, {"NICK", "Jack"}});
  EXPECT_EQ(Given(true), "J. P. Smith");
  EXPECT_EQ(break_, 0);
  EXPECT_EQ(SurnameFirst(true), "Smith, J. P.");
  EXPECT_EQ(break_, 0);
  // The dead keep everything.
  EXPECT_EQ(Given(false), "Dr. John Paul \"Jack\" Smith, Jr.");
}

TEST_F(NameTest, ExcludedLivingShowOnlyTheMarker) {
  options_.m_bExcludeLiving = true;
  Parse("John /Smith/ Jr.", {{"NPFX", "Dr."}, {"SPFX", "de"}});
  EXPECT_EQ(Given(true), ">>>");
  EXPECT_EQ(SurnameFirst(true), ">>>");
  EXPECT_EQ(Given(false), "Dr. John de Smith, Jr.");
}

TEST_F(NameTest, EscapedTextAndItsBreak) {
  Parse("Tom & Jerry /<Cat>/");
  std::string got = name_.DisplayName(privacy_, false, {}, &break_, {.escape = true});
  EXPECT_EQ(got, "Tom &amp; Jerry &lt;Cat&gt;");
  EXPECT_EQ(got.substr(0, break_), "Tom &amp; Jerry");
  options_.m_bExcludeLiving = true;
  EXPECT_EQ(name_.DisplayName(privacy_, true, {}, nullptr, {.escape = true}),
            "&gt;&gt;&gt;");
}

TEST_F(NameTest, BreakCountsBytesOfUtf8) {
  Parse("\xC3\x89lise /M\xC3\xBCller/");  // Élise /Müller/
  EXPECT_EQ(SurnameFirst(), "M\xC3\xBCller, \xC3\x89lise");
  EXPECT_EQ(break_, 15);
}

}  // namespace
}  // namespace vellix
