#include "site/family/footnotes.h"

#include <gtest/gtest.h>

#include "sheet_fixture.h"
#include "text/text_converter.h"

namespace vellix::site {
namespace {

const char kSources[] =
    "0 @S1@ SOUR\r\n1 AUTH Doe, Jane\r\n1 TITL Parish Records\r\n1 PUBL London, 1950.\r\n"
    "0 @S2@ SOUR\r\n1 TITL Census\r\n"
    "0 @S3@ SOUR\r\n1 _TMPLT [Author:Upper], [Title]. [Page]\r\n"
    "2 FIELD Author\r\n3 VALUE doe\r\n2 FIELD Title\r\n3 VALUE Book\r\n";

// Entry numbers given by the test: S1 is entry 27 on page 2.
class FakeNumbers : public BibliographyNumbers {
 public:
  BibliographyTarget TargetOf(const Citation& citation, std::string_view) const override {
    BibliographyTarget target;
    if (citation.source == "S1") {
      target.number = 27;
      target.page = 2;
      target.file = "grpbib2.html";
      target.anchor = "S1";
    }
    return target;
  }
};

class FootnotesTest : public SheetTest {
 protected:
  FootnotesTest() {
    options_.m_bCitations = true;
    Load(kSources);
  }

  Citation Cite(const std::string& source, const std::string& page = {}) {
    Citation c;
    c.source = source;
    c.page = page;
    return c;
  }

  std::vector<std::string> Texts(FootnoteList& list) {
    std::vector<std::string> texts;
    std::string text;
    while (list.NextFootnoteText(false, &text)) texts.push_back(text);
    return texts;
  }

  text::TextConverter converter_;
  FootnoteList list_{options_, converter_, &reader_};
};

TEST_F(FootnotesTest, NumbersFollowTheOrderOfTheLines) {
  EXPECT_EQ(list_.AddCitations({Cite("S1"), Cite("S2")}), (std::vector<int>{1, 2}));
  EXPECT_EQ(list_.AddCitations({Cite("S2")}), (std::vector<int>{3}));
  EXPECT_EQ(list_.count(), 3u);
  list_.Clear();
  EXPECT_EQ(list_.AddCitations({Cite("S1")}), (std::vector<int>{1}));
}

TEST_F(FootnotesTest, NoFootnotesWhenCitationsAreOff) {
  options_.m_bCitations = false;
  EXPECT_TRUE(list_.AddCitations({Cite("S1")}).empty());
  std::string page;
  list_.WriteFootnotes(&page, false);
  EXPECT_EQ(page, "");
}

TEST_F(FootnotesTest, ReferencesAsSuperscriptOrInParentheses) {
  EXPECT_EQ(list_.FootnoteRefs({}, true), "");
  EXPECT_EQ(list_.FootnoteRefs({1, 2, 3}, true),
            " <sup><a href=\"#1\">1</a> <a href=\"#2\">2</a> <a href=\"#3\">3</a></sup>");
  EXPECT_EQ(list_.FootnoteRefs({4}, false), " (<a href=\"#4\">4</a>)");
  list_.set_link_base("grpf1f.html");
  EXPECT_EQ(list_.FootnoteRefs({1}, true),
            " <sup><a href=\"grpf1f.html#1\" target=\"fn\">1</a></sup>");
  list_.set_strict(true);
  EXPECT_EQ(list_.FootnoteRefs({1}, true), " <sup><a href=\"grpf1f.html#1\">1</a></sup>");
}

TEST_F(FootnotesTest, AuthorTitlePublicationAndPage) {
  list_.AddCitations({Cite("S1", "p. 12"), Cite("S2"), Cite("S1")});
  EXPECT_EQ(Texts(list_),
            (std::vector<std::string>{
                "Doe, Jane, <i>Parish Records</i> (London, 1950), p. 12.",
                "<i>Census</i>.", "Doe, Jane, <i>Parish Records</i> (London, 1950)."}));
}

TEST_F(FootnotesTest, ARepeatedSourceReadsIbid) {
  list_.AddCitations({Cite("S1"), Cite("s1"), Cite("S1", "p. 3 & 4"), Cite("S2")});
  EXPECT_EQ(Texts(list_),
            (std::vector<std::string>{"Doe, Jane, <i>Parish Records</i> (London, 1950).",
                                      "<i>Ibid</i>.", "<i>Ibid</i>., p. 3 &amp; 4.",
                                      "<i>Census</i>."}));
}

TEST_F(FootnotesTest, SectionListsEveryFootnoteUnderItsAnchor) {
  list_.AddCitations({Cite("S2"), Cite("S2")});
  std::string page;
  list_.WriteFootnotes(&page, false);
  EXPECT_EQ(page,
            "<div class=\"vx-ftsec\">Footnotes</div>\r\n"
            "<div class=\"vx-ftnote\"><ol><li><a name=\"1\"></a><i>Census</i>.\r\n"
            "<li><a name=\"2\"></a><i>Ibid</i>.\r\n</ol></div>");
  // Written again (the frame and the page share one list), it is the same.
  std::string again;
  list_.WriteFootnotes(&again, false);
  EXPECT_EQ(again, page);
}

TEST_F(FootnotesTest, BibliographyLinkToTheEntrysPage) {
  FakeNumbers numbers;
  list_.set_bibliography(&numbers);
  options_.m_bBiblioPages = true;
  options_.m_bCitationBiblioLinks = true;
  list_.AddCitations({Cite("S1", "p. 12"), Cite("S2")});
  const std::vector<std::string> texts = Texts(list_);
  EXPECT_EQ(
      texts[0],
      "Doe, Jane, <i>Parish Records</i> [<a href=\"grpbib2.html#S1\" target=\"_self\" "
      "title=\"Bibliography\">27</a>] (London, 1950), p. 12.");
  EXPECT_EQ(texts[1], "<i>Census</i>.");  // S2 has no entry
  options_.m_bCitationBiblioLinks = false;
  EXPECT_EQ(Texts(list_), std::vector<std::string>{});  // cursor at the end
  std::string page;
  list_.WriteFootnotes(&page, true);
  EXPECT_EQ(page.find("grpbib2"), std::string::npos);
}

TEST_F(FootnotesTest, DetailsTextAndComments) {
  options_.m_bCitationDetails = true;
  options_.m_bCitationComments = true;
  Citation c = Cite("S2");
  c.event = "BIRT";
  c.quality = "3";
  c.date = "1 JAN 1900";
  c.text = {"Line one", "Line two"};
  c.notes = {"checked"};
  list_.AddCitations({c});
  EXPECT_EQ(Texts(list_),
            std::vector<std::string>{
                "<i>Census</i>.\r\n<div class=\"vx-ftdtl\">Event: BIRT. Quality: 3.</div>"
                "\r\n<div class=\"vx-fttxt\">(1 JAN 1900) <p>Line one<br>\r\nLine "
                "two</p>\r\n</div>"
                "\r\n<div class=\"vx-ftcmt\">\r\n<p>[checked]</p>\r\n</div>"});
}

TEST_F(FootnotesTest, CitationsReadFromSourLines) {
  Load(std::string(kSources) +
       "0 @N1@ NOTE Shared note\r\n"
       "0 @I1@ INDI\r\n1 BIRT\r\n2 SOUR @S1@\r\n3 PAGE 12\r\n3 QUAY 2\r\n"
       "3 EVEN BIRT\r\n4 ROLE CHIL\r\n3 DATA\r\n4 DATE 1900\r\n4 TEXT Entry\r\n5 CONT "
       "more\r\n"
       "3 NOTE @N1@\r\n2 SOUR Family bible\r\n");
  GedcomRecord* loaded = nullptr;
  reader_.LoadRecord(RecordKind::kIndividual, "I1", false, &loaded);
  ASSERT_NE(loaded, nullptr);
  const std::vector<Citation> cites =
      ReadCitations(loaded->children[0].children, &reader_);
  ASSERT_EQ(cites.size(), 2u);
  EXPECT_EQ(cites[0].source, "S1");
  EXPECT_EQ(cites[0].page, "12");
  EXPECT_EQ(cites[0].quality, "2");
  EXPECT_EQ(cites[0].event, "BIRT");
  EXPECT_EQ(cites[0].role, "CHIL");
  EXPECT_EQ(cites[0].date, "1900");
  EXPECT_EQ(cites[0].text, (std::vector<std::string>{"Entry", "more"}));
  EXPECT_EQ(cites[0].notes, std::vector<std::string>{"Shared note"});
  EXPECT_EQ(cites[1].source, "");
  EXPECT_EQ(cites[1].description, "Family bible");
  // An inline source is shown as its description, not as a title.
  list_.AddCitations(cites);
  EXPECT_EQ(Texts(list_)[1], "Family bible.");
}

TEST_F(FootnotesTest, TemplateModeExpandsTheSourceTemplate) {
  list_.set_template_mode(true);
  list_.AddCitations({Cite("S3", "p. 5"), Cite("S3", "p. 6"), Cite("S3", "p. 6")});
  // The page is part of the template; Ibid only for a citation that says
  // exactly what the one before it said.
  EXPECT_EQ(Texts(list_), (std::vector<std::string>{"DOE, Book. p. 5.",
                                                    "DOE, Book. p. 6.", "<i>Ibid</i>."}));
  // Without a template a source is written plainly, the title not italic.
  list_.Clear();
  list_.AddCitations({Cite("S2", "p. 1")});
  EXPECT_EQ(Texts(list_), std::vector<std::string>{"Census."});
}

TEST_F(FootnotesTest, MarkupInSourcesIsEscaped) {
  Load("0 @S9@ SOUR\r\n1 TITL <script>x</script>\r\n");
  list_.AddCitations({Cite("S9", "<b>")});
  EXPECT_EQ(Texts(list_), std::vector<std::string>{
                              "<i>&lt;script&gt;x&lt;/script&gt;</i>, &lt;b&gt;."});
}

}  // namespace
}  // namespace vellix::site
