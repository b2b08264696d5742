// The name index fed by the individuals pass from GEDCOM files, written
// into a folder whose family pages are stubs named after the selection's
// page identifiers.
#include "site/index/index_run.h"

#include <gtest/gtest.h>

#include "../../../bench/gedcom_synth.h"
#include "index_fixture.h"
#include "model/selection.h"
#include "options/options_bridge.h"
#include "run/run_log_entries.h"
#include "run/warning_log.h"
#include "testing/html_validator.h"
#include "testing/site_checker.h"

namespace vellix::site {
namespace {

using Texts = std::vector<std::string>;

class IndexRunTest : public IndexTest {
 protected:
  void Load(const std::string& path) {
    ASSERT_TRUE(reader_.Open(path));
    ASSERT_TRUE(reader_.ReadPass(true, nullptr, nullptr));
    store_.ClearMarks();
  }

  /// Selection, the individuals pass into the index, and the pages.
  int32_t Run() {
    SelectFamilies(ctx_, privacy_, true);
    WriteStubPages();
    index_.set_record_store(&store_);
    ParseIndividuals(ctx_, privacy_, index_, nullptr, false);
    return WriteIndexPages(ctx_, index_, true, &log_);
  }

  /// An empty page for every family and loner the selection gave a page.
  void WriteStubPages() {
    const text::PageNameSettings names = PageNameSettingsFromOptions(options_);
    const std::string stub =
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\">\n<title>f</title>\n";
    for (RecordKind kind : {RecordKind::kFamily, RecordKind::kIndividual}) {
      store_.ResetWalk();
      while (GedcomRecord* entry = store_.Next(kind)) {
        if ((entry->flags & kMarkSelected) == 0 || entry->pageId.empty()) continue;
        platform::WriteWholeFile(
            platform::NativePath(
                text::PageFileName(names, entry->pageId, text::PageLetter::kNone, true)),
            stub);
      }
    }
    store_.ResetWalk();
    platform::WriteWholeFile(dir_.File("grpbase.css"), "");
  }

  void ExpectSiteSound(int pages_to_validate) {
    for (int p = 1; p <= std::min(index_.page_count(), pages_to_validate); ++p) {
      const std::string name = "grpname" + std::to_string(p) + ".html";
      EXPECT_EQ(testing::ValidateHtmlFile(dir_.File(name)), Texts{}) << name;
    }
    EXPECT_EQ(testing::ValidateHtmlFile(dir_.File("grpmain.html")), Texts{});
    const testing::SiteReport report = testing::CheckSiteLinks(dir_.path());
    EXPECT_EQ(report.broken, Texts{});
    EXPECT_EQ(report.invalid_utf8, Texts{});
  }

  Texts Names() const {
    Texts names;
    for (const IndexEntry& e : index_.entries()) {
      names.push_back(e.name.str() + " " + e.lifespan.str() + " -> " + e.pageName.str());
    }
    return names;
  }

  RunLogEntries log_;
};

TEST_F(IndexRunTest, FixtureIndexesEveryoneUnderTheirFamilies) {
  Load(testing::DataFile("index/families.ged"));
  EXPECT_EQ(Run(), 8);
  EXPECT_EQ(Names(), (Texts{
                         "?, Foundling (1870 - 1871) -> oI6",
                         "Éclair, Émile (1801 - 1870) -> oI7",
                         "Nobody, Hidden (1995 - ) -> oI8",
                         "Öberg, Mary (1825 - ?) -> F1",
                         "Smith, John (&#126;1820 - 1880 AND 1885) -> F1",
                         "Smith, Living (1990 - ) -> F2",
                         "Smith, William, Jr. (&gt;1850 - &lt;1930) -> F2",
                         "van der Berg, Cornelia (1855..1857 - 1920) -> F2",
                     }));
  EXPECT_EQ(index_.letters(),
            (std::vector<IndexLetter>{
                {"?", 1}, {"E", 1}, {"N", 1}, {"O", 1}, {"S", 1}, {"V", 1}}));
  EXPECT_EQ(statistics_.indexEntries, 8);
  ASSERT_EQ(log_.individuals().size(), 8u);
  EXPECT_EQ(log_.individuals()[0].ref, "I6");
  ExpectSiteSound(1);
}

TEST_F(IndexRunTest, ExcludedLivingIndividualsAreNowhereInTheIndex) {
  options_.m_bExcludeLiving = true;
  options_.m_bSurnameCounts = true;
  options_.m_bTopSurnames = true;
  Load(testing::DataFile("index/families.ged"));
  EXPECT_EQ(Run(), 6);
  const std::string index = Page("grpname1.html");
  const std::string surnames = Page("grpmain.html");
  for (const char* hidden : {"Living", "1990", "Hidden", "Nobody", "1995"}) {
    EXPECT_EQ(index.find(hidden), std::string::npos) << hidden;
    EXPECT_EQ(surnames.find(hidden), std::string::npos) << hidden;
  }
  EXPECT_NE(surnames.find(">Smith</a>&nbsp;(2)"), std::string::npos);
  ExpectSiteSound(1);
}

TEST_F(IndexRunTest, TenThousandIndividualsLinkSoundly) {
  const std::string path = dir_.Write("synth.ged", bench::MakeGedcom(10000));
  Load(path);
  const int32_t count = Run();
  EXPECT_GT(count, 9000);
  EXPECT_GT(index_.page_count(), 60);
  // Large surname groups span pages; each page after the first of a group
  // links back to the one before.
  EXPECT_NE(Page("grpname2.html").find("#vxcontinue\">...continued</a>"),
            std::string::npos);
  ExpectSiteSound(3);
}

}  // namespace
}  // namespace vellix::site
