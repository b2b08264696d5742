// The HTML of bibliography and repository entries, section by section, and
// the repository index the bibliography names repositories from.
#include <gtest/gtest.h>

#include "site/sources/bibliography.h"
#include "site/sources/repository_index.h"
#include "sources_fixture.h"

namespace vellix::site {
namespace {

class EntriesTest : public SourcesTest {
 protected:
  void SetUp() override {
    options_.m_bBiblioComments = true;
    options_.m_bRepositoryComments = true;
    options_.m_bAuthorLifespan = true;
    options_.m_bRepositoryPages = true;
    options_.m_strIgnorePrefix = "~";
    LoadFixture("sources.ged");
    repositories_.Build(ctx_);
    bibliography_.Build(ctx_);
  }

  std::string BibliographyEntryHtml(const std::string& xref) {
    const BibliographyEntry* entry = bibliography_.Find(xref);
    EXPECT_NE(entry, nullptr);
    GedcomRecord* loaded = nullptr;
    reader_.LoadRecord(RecordKind::kSource, xref, true, &loaded);
    EXPECT_NE(loaded, nullptr);
    const NoteLookup notes = [this](std::string_view key) -> const GedcomRecord* {
      GedcomRecord* note = nullptr;
      reader_.LoadRecord(RecordKind::kNote, key, false, &note);
      return note;
    };
    return bibliography_.EntryHtml(*entry, ReadSourceDetails(*loaded, notes),
                                   entry->number, 0, &repositories_);
  }

  std::string RepositoryEntryHtml(const std::string& xref) {
    const RepositoryEntry* entry = repositories_.Find(xref);
    EXPECT_NE(entry, nullptr);
    GedcomRecord* loaded = nullptr;
    reader_.LoadRecord(RecordKind::kRepository, xref, true, &loaded);
    EXPECT_NE(loaded, nullptr);
    return repositories_.EntryHtml(*entry, ReadRepositoryDetails(*loaded));
  }

  RepositoryIndex repositories_{options_};
  Bibliography bibliography_{options_};
};

TEST_F(EntriesTest, BibliographyEntryCarriesEverySection) {
  EXPECT_EQ(
      BibliographyEntryHtml("S1"),
      "<div class=\"vx-bibent\"><a name=\"S1\"></a><div class=\"vx-bibnbr\">   3. </div>"
      "Doe, John. Parish Records. Springfield, 1900.</div>\r\n"
      "<div class=\"vx-bibbdy\">\r\n"
      "<div class=\"vx-bibtxt\"><p>First line<br>\r\nSecond line</p>\r\n</div>\r\n"
      "<div class=\"vx-bibcmt\">\r\n<p>[A comment]</p>\r\n</div>\r\n"
      "<div class=\"vx-bibevt\">Event: BIRT, MARR. Period: FROM 1850 TO 1900. "
      "Place: Springfield.</div>\r\n"
      "<div class=\"vx-bibagt\">Agency: Parish Office.</div>\r\n"
      "<div class=\"vx-bibdta\">\r\n<p>Data note</p>\r\n</div>\r\n"
      "<div class=\"vx-bibrep\">County Archive [<a href=\"grprep1.html#R1\" "
      "title=\"Repository\">2</a>]<br>\r\n123 (Book).<p>Shelf 4</p>\r\n456.</div>\r\n"
      "<div class=\"vx-bibref\">Reference: X9 (archive)</div>\r\n"
      "<div class=\"vx-bibchg\">Changed: 2 FEB 2021 11:30<p>Checked against<br>\r\n"
      "the original</p>\r\n</div>\r\n"
      "</div>\r\n");
}

TEST_F(EntriesTest, EmptySourceHasItsNumberAndAnEmptyTitleLine) {
  EXPECT_EQ(
      BibliographyEntryHtml("S3"),
      "<div class=\"vx-bibent\"><a name=\"S3\"></a><div class=\"vx-bibnbr\">   1. </div>"
      "</div>\r\n<div class=\"vx-bibbdy\">\r\n</div>\r\n");
}

TEST_F(EntriesTest, TitleIsEscapedAndNamelessRepositoryStillLinks) {
  EXPECT_EQ(
      BibliographyEntryHtml("S2"),
      "<div class=\"vx-bibent\"><a name=\"S2\"></a><div class=\"vx-bibnbr\">   2. </div>"
      "Atlas &amp; Maps.</div>\r\n<div class=\"vx-bibbdy\">\r\n"
      "<div class=\"vx-bibrep\"> [<a href=\"grprep1.html#R3\" title=\"Repository\">1</a>]"
      "</div>\r\n</div>\r\n");
}

TEST_F(EntriesTest, CommentsFollowTheirOption) {
  options_.m_bBiblioComments = false;
  EXPECT_EQ(BibliographyEntryHtml("S1").find("vx-bibcmt"), std::string::npos);
  options_.m_bRepositoryComments = false;
  EXPECT_EQ(RepositoryEntryHtml("R1").find("vx-repcmt"), std::string::npos);
}

TEST_F(EntriesTest, WithoutRepositoryPagesRepositoriesAreNamedButNotLinked) {
  options_.m_bRepositoryPages = false;
  const std::string html = BibliographyEntryHtml("S1");
  EXPECT_NE(html.find("<div class=\"vx-bibrep\">County Archive<br>\r\n123 (Book)."),
            std::string::npos)
      << html;
  EXPECT_EQ(html.find("grprep"), std::string::npos);
}

TEST_F(EntriesTest, EventLinesLeaveOutEmptyPartsAndLabels) {
  Load(
      "0 @S1@ SOUR\r\n1 DATA\r\n2 EVEN CENS\r\n2 EVEN\r\n3 PLAC Rome\r\n"
      "1 REPO\r\n2 CALN\r\n3 MEDI Film\r\n");
  options_.m_strBibPlace.clear();
  bibliography_.Build(ctx_);
  const std::string html = BibliographyEntryHtml("S1");
  EXPECT_NE(html.find("<div class=\"vx-bibevt\">Event: CENS.<br>\r\nRome.</div>\r\n"),
            std::string::npos)
      << html;
  EXPECT_NE(html.find("<div class=\"vx-bibrep\">(Film).</div>\r\n"), std::string::npos)
      << html;
}

TEST_F(EntriesTest, RepositoryEntryCarriesEverySection) {
  EXPECT_EQ(
      RepositoryEntryHtml("R1"),
      "<div class=\"vx-repent\"><a name=\"R1\"></a><div class=\"vx-repnbr\">   2. </div>"
      "County Archive.</div>\r\n"
      "<div class=\"vx-repbdy\">\r\n"
      "<div class=\"vx-repadr\">1 Main St<br>\r\nSpringfield<br>\r\nShelbyville</div>\r\n"
      "<p><div class=\"vx-reptel\">Phone: 555-1234</div>\r\n"
      "<div class=\"vx-repeml\">E-Mail: archive@example.org</div>\r\n"
      "<div class=\"vx-repweb\">Website: http://example.org/</div>\r\n"
      "<div class=\"vx-repcmt\">\r\n<p>[Open on Mondays]</p>\r\n</div>"
      "<div class=\"vx-repref\">Reference: A-1 (local)</div>\r\n"
      "<div class=\"vx-repchg\">Changed: 1 JAN 2020 10:00</div>\r\n"
      "</div>\r\n");
}

TEST_F(EntriesTest, RepositoryWithoutNameOrDetailsShowsABlank) {
  EXPECT_EQ(
      RepositoryEntryHtml("R3"),
      "<div class=\"vx-repent\"><a name=\"R3\"></a><div class=\"vx-repnbr\">   1. </div>"
      "&nbsp;</div>\r\n<div class=\"vx-repbdy\">\r\n</div>\r\n");
}

TEST_F(EntriesTest, WebAddressesBecomeLinksWhenAsked) {
  options_.m_bWebLinks = true;
  EXPECT_NE(RepositoryEntryHtml("R1").find("Website: <a href=\"http://example.org/\""),
            std::string::npos);
}

TEST_F(EntriesTest, IgnorePrefixDropsTheRepositoryEverywhere) {
  EXPECT_EQ(repositories_.size(), 2u);
  EXPECT_EQ(repositories_.Find("R2"), nullptr);
  EXPECT_EQ(repositories_.NumberOf("R2"), -1);
  EXPECT_EQ(repositories_.ReferenceLink("R2"), "");
  const std::string html = BibliographyEntryHtml("S1");
  EXPECT_EQ(html.find("Private"), std::string::npos);
  EXPECT_NE(html.find("456."), std::string::npos);  // its call number stays
  // Without a prefix it is kept and sorted first ("~" sorts after letters).
  options_.m_strIgnorePrefix.clear();
  repositories_.Build(ctx_);
  EXPECT_EQ(repositories_.NumberOf("R2"), 3);
}

TEST_F(EntriesTest, PerCitationEntryUsesTheCitationTextAndAnchor) {
  bibliography_.set_per_citation(true);
  bibliography_.AddCitation("S2", "<i>Plate 4</i>");
  bibliography_.FinishCitations();
  const BibliographyEntry* entry = bibliography_.Find("S2");
  const std::string html =
      bibliography_.EntryHtml(*entry, SourceDetails{}, 1, 1, &repositories_);
  // Template texts carry their own mark-up and punctuation.
  EXPECT_EQ(
      html,
      "<div class=\"vx-bibent\"><a name=\"S2-1\"></a><div class=\"vx-bibnbr\">   1. "
      "</div>"
      "Atlas & Maps <i>Plate 4</i></div>\r\n<div class=\"vx-bibbdy\">\r\n</div>\r\n");
}

class RepositoryIndexTest : public SourcesTest {
 protected:
  std::vector<std::string> XrefsInOrder() const {
    std::vector<std::string> xrefs;
    for (const auto& entry : index_.entries()) xrefs.push_back(entry->xref);
    return xrefs;
  }
  RepositoryIndex index_{options_};
};

TEST_F(RepositoryIndexTest, SortsByFoldedNameWithEqualNamesInReverseFileOrder) {
  Load(
      "0 @R2@ REPO\r\n1 NAME library\r\n0 @R10@ REPO\r\n1 NAME Archive\r\n"
      "0 @R1@ REPO\r\n1 NAME LIBRARY\r\n0 @R3@ REPO\r\n1 NAME Library\r\n");
  EXPECT_TRUE(index_.Build(ctx_));
  EXPECT_EQ(XrefsInOrder(), (std::vector<std::string>{"R10", "R3", "R1", "R2"}));
  EXPECT_EQ(index_.NumberOf("r3"), 2);
}

TEST_F(RepositoryIndexTest, IgnorePrefixIsCaseSensitiveAndEmptyIgnoresNothing) {
  Load("0 @R1@ REPO\r\n1 NAME xHidden\r\n0 @R2@ REPO\r\n1 NAME XShown\r\n");
  options_.m_strIgnorePrefix = "x";
  index_.Build(ctx_);
  EXPECT_EQ(XrefsInOrder(), (std::vector<std::string>{"R2"}));
  options_.m_strIgnorePrefix.clear();
  index_.Build(ctx_);
  EXPECT_EQ(index_.size(), 2u);
}

TEST_F(RepositoryIndexTest, LinksPointAtThePageOfTheNumber) {
  std::string records;
  for (int i = 1; i <= 26; ++i) {
    char name[24];
    std::snprintf(name, sizeof name, "Repository %02d", i);
    records += "0 @R" + std::to_string(i) + "@ REPO\r\n1 NAME " + name + "\r\n";
  }
  Load(records);
  index_.Build(ctx_);
  options_.m_bRepositoryPages = true;
  EXPECT_EQ(index_.ReferenceLink("R25"),
            "<a href=\"grprep1.html#R25\" title=\"Repository\">25</a>");
  EXPECT_EQ(index_.ReferenceLink("R26"),
            "<a href=\"grprep2.html#R26\" title=\"Repository\">26</a>");
  options_.m_bRepositoryPages = false;
  EXPECT_EQ(index_.ReferenceLink("R26"), "");
}

}  // namespace
}  // namespace vellix::site
