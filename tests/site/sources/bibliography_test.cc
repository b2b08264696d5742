// Reading, sorting and numbering sources; the numbers, pages and anchors
// the footnotes link to; the per-citation numbering of template dialects.
#include "site/sources/bibliography.h"

#include <gtest/gtest.h>

#include "site/sources/numbered_pages.h"
#include "sources_fixture.h"

namespace vellix::site {
namespace {

class BibliographyTest : public SourcesTest {
 protected:
  /// Builds the bibliography of `records`.
  Bibliography& Built(const std::string& records) {
    Load(records);
    bibliography_.Build(ctx_);
    return bibliography_;
  }
  std::vector<std::string> XrefsInOrder() const {
    std::vector<std::string> xrefs;
    for (const auto& entry : bibliography_.entries()) xrefs.push_back(entry->xref);
    return xrefs;
  }
  /// `count` sources S1..Sn titled "Title 001" ... in that order.
  static std::string NumberedSources(int count) {
    std::string records;
    for (int i = 1; i <= count; ++i) {
      char title[24];
      std::snprintf(title, sizeof title, "Title %03d", i);
      records += "0 @S" + std::to_string(i) + "@ SOUR\r\n1 TITL " + title + "\r\n";
    }
    return records;
  }

  Bibliography bibliography_{options_};
};

TEST_F(BibliographyTest, LivingAuthorLifespansAreRemoved) {
  EXPECT_EQ(Bibliography::RemoveLivingLifespan("Doe, John (1932- )"), "Doe, John");
  EXPECT_EQ(Bibliography::RemoveLivingLifespan("Doe, John (1932-)"), "Doe, John");
  // Every occurrence of the same lifespan goes.
  EXPECT_EQ(Bibliography::RemoveLivingLifespan("Doe (1932- ) and Doe (1932- )"),
            "Doe and Doe");
  // A closed lifespan and a lifespan without its parenthesis stay.
  EXPECT_EQ(Bibliography::RemoveLivingLifespan("Doe, John (1900-1980)"),
            "Doe, John (1900-1980)");
  EXPECT_EQ(Bibliography::RemoveLivingLifespan("Doe, John 1932- )"), "Doe, John 1932- )");
  // At the very start there is no blank before the parenthesis to take.
  EXPECT_EQ(Bibliography::RemoveLivingLifespan("(1932- ) Doe"), " Doe");
  EXPECT_EQ(Bibliography::RemoveLivingLifespan("-)"), "-)");
}

TEST_F(BibliographyTest, LifespanRemovalFollowsTheOption) {
  const std::string records = "0 @S1@ SOUR\r\n1 AUTH Doe, John (1932- )\r\n";
  Built(records);
  EXPECT_EQ(bibliography_.Find("S1")->author, "Doe, John (1932- )");
  options_.m_bAuthorLifespan = true;
  Built(records);
  EXPECT_EQ(bibliography_.Find("S1")->author, "Doe, John");
}

TEST_F(BibliographyTest, FieldsAreReadFromTheSourceRecord) {
  Built(
      "0 @S1@ SOUR\r\n1 AUTH <b>Smith</b>, Ann\r\n2 CONC e\r\n2 CONT and Bob\r\n"
      "1 TITL Parish <i>Registers</i>\r\n1 PUBL London, <u>1850</u>\r\n"
      "1 _BIBL ,; . Smith. Registers.\r\n1 ABBR Reg\r\n");
  const BibliographyEntry* entry = bibliography_.Find("s1");  // case ignored
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(entry->author, "Smith, Anne and Bob");
  EXPECT_EQ(entry->title, "Parish Registers");
  EXPECT_EQ(entry->publication, "London, 1850");
  EXPECT_EQ(entry->bibliographyText, "Smith. Registers.");
}

TEST_F(BibliographyTest, AbbreviationStandsInForAMissingTitleOnlyWhenAsked) {
  const std::string records =
      "0 @S1@ SOUR\r\n1 ABBR Reg\r\n0 @S2@ SOUR\r\n1 TITL Full\r\n1 ABBR Short\r\n";
  Built(records);
  EXPECT_EQ(bibliography_.Find("S1")->title, "");
  options_.m_bUseAbbr = true;
  Built(records);
  EXPECT_EQ(bibliography_.Find("S1")->title, "Reg");
  EXPECT_EQ(bibliography_.Find("S2")->title, "Full");
}

TEST_F(BibliographyTest, EntriesSortCaseFoldedByAuthorTitleAndPublication) {
  Built(
      "0 @S1@ SOUR\r\n1 TITL zebra\r\n"
      "0 @S2@ SOUR\r\n1 AUTH Baker\r\n1 TITL Alpha\r\n"
      "0 @S3@ SOUR\r\n1 TITL Apple\r\n"
      "0 @S4@ SOUR\r\n1 AUTH baker\r\n1 TITL alpha\r\n1 PUBL b\r\n"
      "0 @S5@ SOUR\r\n1 TITL Baker Alpha\r\n1 PUBL A\r\n");
  // Keys: "zebra", "Baker Alpha", "Apple", "baker alpha b", "Baker Alpha A".
  EXPECT_EQ(XrefsInOrder(), (std::vector<std::string>{"S3", "S2", "S5", "S4", "S1"}));
  EXPECT_EQ(bibliography_.NumberOf("S3"), 1);
  EXPECT_EQ(bibliography_.NumberOf("S1"), 5);
  EXPECT_EQ(bibliography_.NumberOf("S9"), -1);
}

TEST_F(BibliographyTest, EqualKeysAreNumberedInReverseFileOrder) {
  // Keys S10 < S2 < S3 as text: file order differs from key order, and the
  // result must follow the file.
  Built(
      "0 @S2@ SOUR\r\n1 AUTH Doe\r\n1 TITL Same\r\n"
      "0 @S10@ SOUR\r\n1 AUTH DOE\r\n1 TITL same\r\n"
      "0 @S1@ SOUR\r\n1 TITL Earlier\r\n"
      "0 @S3@ SOUR\r\n1 AUTH doe\r\n1 TITL SAME\r\n");
  EXPECT_EQ(XrefsInOrder(), (std::vector<std::string>{"S3", "S10", "S2", "S1"}));
}

TEST_F(BibliographyTest, SourceWithoutAuthorTitleOrPublicationKeepsItsNumber) {
  Built("0 @S1@ SOUR\r\n1 TITL Beta\r\n0 @S2@ SOUR\r\n1 NOTE just a note\r\n");
  EXPECT_EQ(bibliography_.NumberOf("S2"), 1);  // the empty key sorts first
  EXPECT_EQ(bibliography_.NumberOf("S1"), 2);
  EXPECT_EQ(bibliography_.Find("S2")->title, "");
}

TEST_F(BibliographyTest, BuildIsFalseWithoutSourcesAndReplacesEarlierEntries) {
  EXPECT_TRUE(Built("0 @S1@ SOUR\r\n1 TITL A\r\n").entries().size() == 1);
  Load("0 @I1@ INDI\r\n1 NAME A /B/\r\n");
  EXPECT_FALSE(bibliography_.Build(ctx_));
  EXPECT_EQ(bibliography_.size(), 0u);
  EXPECT_EQ(bibliography_.NumberOf("S1"), -1);
}

TEST_F(BibliographyTest, PagesHoldEntriesPerPage) {
  EXPECT_EQ(bibliography_.PageOf(1), 1);
  EXPECT_EQ(bibliography_.PageOf(25), 1);
  EXPECT_EQ(bibliography_.PageOf(26), 2);
  EXPECT_EQ(bibliography_.PageOf(51), 3);
  EXPECT_EQ(bibliography_.PageOf(0), 1);
  EXPECT_EQ(bibliography_.PageOf(-4), 1);
  options_.m_nBiblioPerPage = 0;  // read as one per page
  EXPECT_EQ(bibliography_.PageOf(3), 3);
  options_.m_nBiblioPerPage = 10;
  EXPECT_EQ(bibliography_.PageOf(10), 1);
  EXPECT_EQ(bibliography_.PageOf(11), 2);
}

TEST_F(BibliographyTest, TargetsNameThePageFileAndAnchorOfAnEntry) {
  Built(NumberedSources(26));
  BibliographyTarget first = bibliography_.TargetOf("S1");
  EXPECT_EQ(first.number, 1);
  EXPECT_EQ(first.page, 1);
  EXPECT_EQ(first.file, "grpbib1.html");
  EXPECT_EQ(first.anchor, "S1");
  BibliographyTarget last = bibliography_.TargetOf("s26");
  EXPECT_EQ(last.number, 26);
  EXPECT_EQ(last.page, 2);
  EXPECT_EQ(last.file, "grpbib2.html");
  EXPECT_EQ(last.anchor, "S26");  // the record's own spelling
  EXPECT_FALSE(bibliography_.TargetOf("S99").found());
  options_.m_strFilePrefix = "x";
  options_.m_strFileExt = "htm";
  EXPECT_EQ(bibliography_.PageFileName(12), "xbib12.htm");
  EXPECT_EQ(Bibliography::AnchorOf("S4", 3), "S4-3");
}

TEST_F(BibliographyTest, EntryNumbersArePaddedToFourPlacesAfterABlank) {
  EXPECT_EQ(EntryNumberText(7), "   7. ");
  EXPECT_EQ(EntryNumberText(25), "  25. ");
  EXPECT_EQ(EntryNumberText(1234), " 1234. ");
  EXPECT_EQ(EntryNumberText(12345), " 12345. ");
}

TEST_F(BibliographyTest, NavigationStripLinksPriorAndNextPages) {
  EXPECT_EQ(bibliography_.NavigationStrip(1, 1, ""), "");
  EXPECT_EQ(bibliography_.NavigationStrip(1, 3, ""),
            "\r\n<div class=\"vx-bibnav\"><span class=\"vx-page\">&nbsp; (1 / 3) "
            "&nbsp;</span><a href=\"grpbib2.html\">Next</a></div>");
  EXPECT_EQ(bibliography_.NavigationStrip(2, 3, "grpbib1.html"),
            "\r\n<div class=\"vx-bibnav\"><a href=\"grpbib1.html\">Prior</a><span "
            "class=\"vx-page\">&nbsp; (2 / 3) &nbsp;</span><a "
            "href=\"grpbib3.html\">Next</a></div>");
  options_.m_strNavPrior = "Back";
  EXPECT_EQ(bibliography_.NavigationStrip(3, 3, "grpbib2.html"),
            "\r\n<div class=\"vx-bibnav\"><a href=\"grpbib2.html\">Back</a><span "
            "class=\"vx-page\">&nbsp; (3 / 3) &nbsp;</span></div>");
}

// Per-citation mode: numbers stand for distinct citation texts.
class CitationNumberingTest : public BibliographyTest {
 protected:
  void SetUp() override {
    Built(
        "0 @S1@ SOUR\r\n1 TITL Census\r\n"
        "0 @S2@ SOUR\r\n1 TITL Parish\r\n1 _BIBL \"Baptisms\"\r\n");
    bibliography_.set_per_citation(true);
  }
};

TEST_F(CitationNumberingTest, CitationTextJoinsBibliographyTextOrTitleWithTheDetail) {
  EXPECT_EQ(bibliography_.CitationText("S1", "p. 4"), "Census p. 4");
  EXPECT_EQ(bibliography_.CitationText("S1", ", p. 4."), "Census, p. 4.");
  EXPECT_EQ(bibliography_.CitationText("S1", "<i>Film</i>"), "Census <i>Film</i>");
  EXPECT_EQ(bibliography_.CitationText("S2", ""), "\"Baptisms\"");
  EXPECT_EQ(bibliography_.CitationText("S7", "x"), "");
}

TEST_F(CitationNumberingTest, DistinctCitationsGetIndicesWithinTheirSource) {
  EXPECT_EQ(bibliography_.AddCitation("S1", "p. 9"), 1);
  EXPECT_EQ(bibliography_.AddCitation("S1", "p. 2"), 2);
  EXPECT_EQ(bibliography_.AddCitation("S1", "p. 9"), 1);  // known text
  EXPECT_EQ(bibliography_.AddCitation("S2", "p. 1"), 1);
  EXPECT_EQ(bibliography_.AddCitation("S5", "p. 1"), -1);
  EXPECT_EQ(bibliography_.citation_count(), 3u);
  EXPECT_EQ(bibliography_.NumberOf("S1", "Census p. 2"), 2);
  EXPECT_EQ(bibliography_.NumberOf("S1", "Census p. 7"), -1);
}

TEST_F(CitationNumberingTest, CitationsAreNumberedByTextIgnoringLeadingPunctuation) {
  bibliography_.AddCitation("S1", "p. 9");  // "Census p. 9"
  bibliography_.AddCitation("S2", "p. 1");  // "\"Baptisms\" p. 1" sorts as Baptisms
  bibliography_.AddCitation("S1", "p. 2");  // "Census p. 2"
  EXPECT_FALSE(bibliography_.CitationTargetOf("S1", "p. 9").found());  // not numbered yet
  bibliography_.FinishCitations();
  BibliographyTarget baptisms = bibliography_.CitationTargetOf("S2", "p. 1");
  EXPECT_EQ(baptisms.number, 1);
  EXPECT_EQ(baptisms.anchor, "S2-1");
  BibliographyTarget census2 = bibliography_.CitationTargetOf("S1", "p. 2");
  EXPECT_EQ(census2.number, 2);
  EXPECT_EQ(census2.anchor, "S1-2");
  BibliographyTarget census9 = bibliography_.CitationTargetOf("S1", "p. 9");
  EXPECT_EQ(census9.number, 3);
  EXPECT_EQ(census9.anchor, "S1-1");
  EXPECT_EQ(census9.file, "grpbib1.html");
}

TEST_F(CitationNumberingTest, EqualCitationTextsComeOutInReverseOrderOfAdding) {
  Built(
      "0 @S1@ SOUR\r\n1 TITL Same\r\n0 @S2@ SOUR\r\n1 TITL same\r\n"
      "0 @S3@ SOUR\r\n1 TITL Other\r\n");
  bibliography_.AddCitation("S1", "");
  bibliography_.AddCitation("S2", "");
  bibliography_.AddCitation("S3", "");
  bibliography_.FinishCitations();
  bibliography_.FinishCitations();  // finishing again changes nothing
  EXPECT_EQ(bibliography_.CitationTargetOf("S3", "").number, 1);
  EXPECT_EQ(bibliography_.CitationTargetOf("S2", "").number, 2);
  EXPECT_EQ(bibliography_.CitationTargetOf("S1", "").number, 3);
}

TEST_F(CitationNumberingTest, CitationPagesFollowTheirNumbers) {
  options_.m_nBiblioPerPage = 2;
  for (int page = 1; page <= 5; ++page) {
    bibliography_.AddCitation("S1", "p. " + std::to_string(page));
  }
  bibliography_.FinishCitations();
  BibliographyTarget fifth = bibliography_.CitationTargetOf("S1", "p. 5");
  EXPECT_EQ(fifth.number, 5);
  EXPECT_EQ(fifth.page, 3);
  EXPECT_EQ(fifth.file, "grpbib3.html");
  EXPECT_EQ(fifth.anchor, "S1-5");
}

}  // namespace
}  // namespace vellix::site
