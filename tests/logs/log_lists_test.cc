// The individuals and families list pages: rows, image choice and width
// rule, sort orders and reference comparisons, links into the site.
#include <gd.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "logs/list_logs.h"
#include "logs/log_fixture.h"
#include "logs/log_page.h"
#include "platform/settings_store.h"
#include "run/run_log_entries.h"

namespace vellix {
namespace {

using logtest::Between;
using logtest::Hrefs;

class ListLogTest : public logtest::LogFixture {
 protected:
  ListLogTest() {
    options_.m_strBioFolder = "bio\\";
    options_.m_strIndivImageFolder = "pics\\";
    options_.m_strNarrFolder = "narr\\";
    options_.m_strImportFolder = "imp\\";
    options_.m_strGroupImageFolder = "groups\\";
    options_.m_strMediaDestFolder = "media\\";
    options_.m_bGalleries = true;
    options_.m_bIndivPortraits = true;
    options_.m_bIndivPortraitPreferred = false;
    options_.m_bFamilyPortraits = true;
    options_.m_bFamilyPortraitPreferred = false;
  }

  std::string Individuals(LogSortSettings sort = {}) {
    LogPage page(files_, log_folder_);
    EXPECT_TRUE(WriteIndividualList(page, {options_, entries_, sort, SizeOf()}, 0));
    return Normalized(ReadLog("vx-individual.html"));
  }

  std::string Families(LogSortSettings sort = {}) {
    LogPage page(files_, log_folder_);
    EXPECT_TRUE(WriteFamilyList(page, {options_, entries_, sort, SizeOf()}, 0));
    return Normalized(ReadLog("vx-family.html"));
  }

  // Image sizes by file name; any other image cannot be read.
  ImageSizeReader SizeOf() {
    return [this](const std::string& path) -> std::optional<ImageSize> {
      auto it = sizes_.find(platform::FileNameOf(path));
      if (it == sizes_.end()) return std::nullopt;
      return it->second;
    };
  }

  // The references of the table rows, in order.
  static std::vector<std::string> RowRefs(const std::string& page) {
    std::vector<std::string> refs;
    for (size_t at = page.find("<tr><td>", page.find("<tr align=\"center\">"));
         at != std::string::npos; at = page.find("<tr><td>", at + 1)) {
      size_t start = at + 8;
      refs.push_back(page.substr(start, page.find("</td>", start) - start));
    }
    return refs;
  }

  static std::string Row(const std::string& page, const std::string& ref) {
    return Between(page, "<tr><td>" + ref + "</td>", "\r\n");
  }

  IndividualLogEntry& AddIndividual(const std::string& ref, const std::string& first,
                                    const std::string& second) {
    IndividualLogEntry& e = entries_.Individual(ref);
    e.name_first = entries_.Keep(first);
    e.name_second = entries_.Keep(second);
    return e;
  }

  FamilyLogEntry& AddFamily(const std::string& ref, const std::string& husband,
                            const std::string& wife) {
    FamilyLogEntry e;
    e.ref = entries_.Keep(ref);
    e.page_file = entries_.Keep("grp" + ref + ".html");
    e.husband = entries_.Keep(husband);
    e.wife = entries_.Keep(wife);
    return entries_.AddFamily(e);
  }

  RunLogEntries entries_;
  std::map<std::string, ImageSize> sizes_;
};

TEST_F(ListLogTest, IndividualRowsWithEveryColumn) {
  IndividualLogEntry& john = AddIndividual("I1", "John", "SMITH");
  entries_.SetDetail(john, &IndividualLogDetails::relationship, "Great-grandfather");
  entries_.SetDetail(john, &IndividualLogDetails::biography_file, "john.htm");
  entries_.SetDetail(john, &IndividualLogDetails::image_file, "john.jpg");
  entries_.SetDetail(john, &IndividualLogDetails::portrait_file, "port\\i1.jpg");
  entries_.SetDetail(john, &IndividualLogDetails::caption, "John & Mary, 1900");
  entries_.AddFamilyPage("I1", "grpf1.html");
  entries_.AddFamilyPage("I1", "grpf2.html");
  IndividualLogEntry& mary = AddIndividual("I2", "Mary", "<JONES>");
  entries_.SetDetail(mary, &IndividualLogDetails::portrait_file, "port\\i2.jpg");
  AddIndividual("I3", "Ann", "");

  const std::string page = Individuals();
  EXPECT_NE(
      page.find(
          "<h2>List of Individuals</h2><p>The following individuals were "
          "generated.<p>\r\n<table width=\"100%\" border=\"1\" summary=\"Individuals\" "
          "cellpadding=\"3\" cellspacing=\"1\"><col><col><col width=\"35%\"><col><col>"
          "<col align=\"center\"><tr align=\"center\"><td><b>Ref</b></td><td><b>Link"
          "</b></td><td><b>Individual</b></td><td><b>Relationship</b></td><td><b>"
          "Biography</b></td><td><b>Image</b></td></tr>\r\n<tr><td>I1</td>"),
      std::string::npos);
  EXPECT_EQ(
      Row(page, "I1"),
      "<tr><td>I1</td><td><a href=\"../site/grpf1.html\">grpf1.html</a><br>"
      "<a href=\"../site/grpf2.html\">grpf2.html</a></td><td>John SMITH</td>"
      "<td><i>Great-grandfather</i></td>"
      "<td><a href=\"../site/bio/john.htm\">john.htm</a></td>"
      "<td>john.jpg<br><img src=\"../site/pics/john.jpg\" alt=\"Image\" title=\"Image\">"
      "<br>John &amp; Mary, 1900</td></tr>");
  // Without a custom image the portrait from the multimedia folder is shown.
  EXPECT_EQ(
      Row(page, "I2"),
      "<tr><td>I2</td><td></td><td>Mary &lt;JONES&gt;</td><td>&nbsp;</td><td>&nbsp;</td>"
      "<td>i2.jpg<br><img src=\"../site/media/port/i2.jpg\" alt=\"Image\" "
      "title=\"Image\"></td></tr>");
  EXPECT_EQ(Row(page, "I3"),
            "<tr><td>I3</td><td></td><td>Ann </td><td>&nbsp;</td><td>&nbsp;</td>"
            "<td>&nbsp;</td></tr>");
  EXPECT_NE(page.find("</tr>\r\n</table>\r\n<p><p><hr"), std::string::npos);
}

TEST_F(ListLogTest, PortraitChoiceFollowsGalleriesPortraitsAndPreference) {
  IndividualLogEntry& both = AddIndividual("I1", "A", "B");
  entries_.SetDetail(both, &IndividualLogDetails::image_file, "custom.jpg");
  entries_.SetDetail(both, &IndividualLogDetails::portrait_file, "port\\p.jpg");
  auto shown = [&] {
    std::string row = Row(Individuals(), "I1");
    return Between(row, "<img src=\"", "\" alt");
  };
  EXPECT_EQ(shown(), "<img src=\"../site/pics/custom.jpg");
  options_.m_bIndivPortraitPreferred = true;
  EXPECT_EQ(shown(), "<img src=\"../site/media/port/p.jpg");
  options_.m_bIndivPortraits = false;
  EXPECT_EQ(shown(), "<img src=\"../site/pics/custom.jpg");
  options_.m_bIndivPortraits = true;
  options_.m_bGalleries = false;
  EXPECT_EQ(shown(), "<img src=\"../site/pics/custom.jpg");
  entries_.SetDetail(both, &IndividualLogDetails::image_file, "");
  EXPECT_EQ(shown(), "");  // the portrait needs galleries
}

TEST_F(ListLogTest, EmptyListsSaySoAndKeepTheTableHead) {
  const std::string individuals = Individuals();
  EXPECT_NE(individuals.find("<h2>List of Individuals</h2><p>There were no individuals "
                             "generated.<p>\r\n<table"),
            std::string::npos);
  EXPECT_NE(individuals.find("<td><b>Image</b></td></tr>\r\n</table>\r\n<p><p><hr"),
            std::string::npos);
  const std::string families = Families();
  EXPECT_NE(
      families.find("<h2>List of Families</h2><p>There were no families generated.<p>"
                    "\r\n<table width=\"100%\" border=\"1\" summary=\"Families\" "
                    "cellpadding=\"3\" cellspacing=\"1\"><col><col><col width=\"35%\">"
                    "<col><col><col width=\"125\" align=\"center\"><tr align=\"center\">"
                    "<th>Ref</th><th>Link</th><th>Family</th><th>Narrative</th>"
                    "<th>Import</th><th>Image</th></tr>\r\n</table>\r\n<p><p><hr"),
      std::string::npos);
}

TEST_F(ListLogTest, LongListsWarnThatTheyLoadSlowly) {
  const std::string kRemark = " The table may take a few moments to load.<p>";
  for (int i = 1; i <= 100; ++i) {
    AddIndividual("I" + std::to_string(i), "N", "N");
    AddFamily("F" + std::to_string(i), "H", "W");
  }
  EXPECT_EQ(Individuals().find(kRemark), std::string::npos);
  EXPECT_EQ(Families().find(kRemark), std::string::npos);
  AddIndividual("I101", "N", "N");
  AddFamily("F101", "H", "W");
  EXPECT_NE(Individuals().find("The following individuals were generated." + kRemark),
            std::string::npos);
  EXPECT_NE(Families().find("The following families were generated." + kRemark),
            std::string::npos);
}

TEST_F(ListLogTest, IndividualsKeepCollectedOrderOrSortByReference) {
  for (const char* ref : {"I10", "I2", "i1", "X"}) AddIndividual(ref, "N", "N");
  EXPECT_EQ(RowRefs(Individuals({0, 0, false})),
            (std::vector<std::string>{"I10", "I2", "i1", "X"}));
  EXPECT_EQ(RowRefs(Individuals({1, 0, false})),
            (std::vector<std::string>{"i1", "I10", "I2", "X"}));
  EXPECT_EQ(RowRefs(Individuals({1, 0, true})),
            (std::vector<std::string>{"i1", "I2", "I10", "X"}));
}

TEST_F(ListLogTest, FamiliesSortByHusbandWifeOrReference) {
  AddFamily("F3", "Brown, Adam", "Zeller, Eve");
  AddFamily("F1", "adams, Carl", "Young, Ann");
  AddFamily("F2", "Brown, Adam", "Abbot, Sue");
  AddFamily("F10", "", "Miller, Jo");
  EXPECT_EQ(RowRefs(Families({0, 0, false})),
            (std::vector<std::string>{"F10", "F1", "F2", "F3"}));
  const std::string by_wife = Families({0, 1, false});
  EXPECT_EQ(RowRefs(by_wife), (std::vector<std::string>{"F2", "F10", "F1", "F3"}));
  // Sorted by wife, the wife's name comes first.
  EXPECT_NE(Row(by_wife, "F2").find("<td>Abbot, Sue + Brown, Adam</td>"),
            std::string::npos);
  EXPECT_NE(Row(Families({0, 0, false}), "F2").find("<td>Brown, Adam + Abbot, Sue</td>"),
            std::string::npos);
  EXPECT_EQ(RowRefs(Families({0, 2, false})),
            (std::vector<std::string>{"F1", "F10", "F2", "F3"}));
  EXPECT_EQ(RowRefs(Families({0, 2, true})),
            (std::vector<std::string>{"F1", "F2", "F3", "F10"}));
}

TEST_F(ListLogTest, FamilySortKeysOverrideShownNamesAndTiesKeepOrder) {
  FamilyLogEntry& a = AddFamily("F1", "Zed Aaron", "W");
  a.husband_sort = entries_.Keep("AARON, Zed");
  AddFamily("F2", "Bob Brown", "W");
  AddFamily("F3", "Bob Brown", "W");
  AddFamily("F4", "bob brown", "W");
  EXPECT_EQ(RowRefs(Families()), (std::vector<std::string>{"F1", "F2", "F3", "F4"}));
}

TEST_F(ListLogTest, FamilyRowWithEveryColumn) {
  FamilyLogEntry& f = AddFamily("F1", "John Smith", "Mary Jones");
  f.narrative_file = entries_.Keep("smith story.htm");
  f.import_file = entries_.Keep("notes.txt");
  f.group_image_file = entries_.Keep("wedding.jpg");
  f.caption = entries_.Keep("Wedding");
  sizes_["wedding.jpg"] = {100, 80};
  EXPECT_EQ(Row(Families(), "F1"),
            "<tr><td>F1</td><td><a href=\"../site/grpF1.html\">grpF1.html</a></td>"
            "<td>John Smith + Mary Jones</td>"
            "<td><a href=\"../site/narr/smith%20story.htm\">smith story.htm</a></td>"
            "<td><a href=\"../site/imp/notes.txt\">notes.txt</a></td>"
            "<td>wedding.jpg<br><img src=\"../site/groups/wedding.jpg\" width=\"100\">"
            "<br>Wedding</td></tr>");
  AddFamily("F2", "A", "");
  EXPECT_EQ(Row(Families(), "F2"),
            "<tr><td>F2</td><td><a href=\"../site/grpF2.html\">grpF2.html</a></td>"
            "<td>A + </td><td>&nbsp;</td><td>&nbsp;</td><td>&nbsp;</td></tr>");
}

TEST_F(ListLogTest, FamilyImageWidthRule) {
  auto image_cell = [&](const std::string& file) {
    entries_.Clear();
    AddFamily("F1", "H", "W").group_image_file = entries_.Keep(file);
    return Between(Row(Families(), "F1"), "<td>" + file + "<br>", "</td></tr>");
  };
  sizes_["fits.jpg"] = {125, 90};
  sizes_["wide.jpg"] = {126, 300};
  sizes_["zero.jpg"] = {0, 0};
  EXPECT_EQ(image_cell("fits.jpg"),
            "<td>fits.jpg<br><img src=\"../site/groups/fits.jpg\" width=\"125\">");
  EXPECT_EQ(
      image_cell("wide.jpg"),
      "<td>wide.jpg<br><a href=\"javascript:NewWindow('../site/groups/wide.jpg',176,325)"
      "\"><img src=\"../site/groups/wide.jpg\" width=\"125\" alt=\"click to enlarge\" "
      "title=\"click to enlarge\"></a>");
  // Unknown sizes open a window of a usual picture size.
  EXPECT_EQ(image_cell("unreadable.jpg"),
            "<td>unreadable.jpg<br><a href=\"javascript:NewWindow('../site/groups/"
            "unreadable.jpg',650,475)\"><img src=\"../site/groups/unreadable.jpg\" "
            "width=\"125\" alt=\"click to enlarge\" title=\"click to enlarge\"></a>");
  EXPECT_NE(image_cell("zero.jpg").find("NewWindow('../site/groups/zero.jpg',650,475)"),
            std::string::npos);
}

TEST_F(ListLogTest, FamilyPortraitPreferredOverGroupImage) {
  FamilyLogEntry& f = AddFamily("F1", "H", "W");
  f.group_image_file = entries_.Keep("group.jpg");
  f.portrait_file = entries_.Keep("port\\f1.jpg");
  sizes_["group.jpg"] = {50, 50};
  sizes_["f1.jpg"] = {60, 60};
  EXPECT_NE(Families().find("<img src=\"../site/groups/group.jpg\" width=\"50\">"),
            std::string::npos);
  options_.m_bFamilyPortraitPreferred = true;
  EXPECT_NE(Families().find("<td>f1.jpg<br><img src=\"../site/media/port/f1.jpg\" "
                            "width=\"60\">"),
            std::string::npos);
  f.group_image_file = {};
  options_.m_bFamilyPortraitPreferred = false;
  options_.m_bFamilyPortraits = false;
  EXPECT_NE(Row(Families(), "F1").find("<td>&nbsp;</td></tr>"), std::string::npos);
}

TEST_F(ListLogTest, LinksAndImagesResolveFromTheLogFolder) {
  IndividualLogEntry& e = AddIndividual("I1", "A", "B");
  entries_.SetDetail(e, &IndividualLogDetails::biography_file, "a b.htm");
  entries_.SetDetail(e, &IndividualLogDetails::image_file, "a.jpg");
  entries_.AddFamilyPage("I1", "grpf1.html");
  FamilyLogEntry& f = AddFamily("F1", "H", "W");
  f.page_file = entries_.Keep("grpf1.html");
  f.narrative_file = entries_.Keep("n.htm");
  f.import_file = entries_.Keep("i.txt");
  f.portrait_file = entries_.Keep("port\\f.jpg");
  sizes_["f.jpg"] = {400, 300};
  for (const char* name :
       {"site/grpf1.html", "site/bio/a b.htm", "site/pics/a.jpg", "site/narr/n.htm",
        "site/imp/i.txt", "site/media/port/f.jpg", "logs/vx-summary.html"}) {
    root_.Write(name, "x");
  }
  const std::string individuals = Individuals();
  const std::string families = Families();
  int checked = 0;
  for (const std::string* page : {&individuals, &families}) {
    for (std::string href : Hrefs(*page)) {
      ++checked;
      const std::string kScript = "javascript:NewWindow('";
      if (href.starts_with(kScript)) {
        href =
            href.substr(kScript.size(), href.find('\'', kScript.size()) - kScript.size());
      }
      EXPECT_TRUE(Resolves(href)) << href;
    }
  }
  // Two page links on each page; family page, biography and image of the
  // individual; family page, narrative, import, enlarge link and image.
  EXPECT_EQ(checked, 2 * 2 + 3 + 5);
}

TEST_F(ListLogTest, ImageSizesAreReadFromTheFile) {
  gdImagePtr image = gdImageCreateTrueColor(126, 40);
  int size = 0;
  void* png = gdImagePngPtr(image, &size);
  root_.Write("wide.png", std::string(static_cast<const char*>(png), size));
  gdFree(png);
  gdImageDestroy(image);
  std::optional<ImageSize> read = ReadImageSize(root_.path() + "wide.png");
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(read->width, 126);
  EXPECT_EQ(read->height, 40);
  root_.Write("fake.png", "not an image");
  EXPECT_FALSE(ReadImageSize(root_.path() + "fake.png").has_value());
  EXPECT_FALSE(ReadImageSize(root_.path() + "missing.png").has_value());
}

TEST(ReferenceOrderTest, TextAndNumericComparisons) {
  EXPECT_LT(CompareRefs("I10", "I2", false), 0);
  EXPECT_GT(CompareRefs("I10", "I2", true), 0);
  EXPECT_EQ(CompareRefs("f1", "F1", false), 0);
  EXPECT_EQ(CompareRefs("f1", "F1", true), 0);
  EXPECT_LT(CompareRefs("I9", "I10", true), 0);
  EXPECT_LT(CompareRefs("I007", "I7", true), 0);  // same number: as text
  EXPECT_LT(CompareRefs("I1", "X", true), 0);     // no number: after all numbered
  EXPECT_LT(CompareRefs("P2", "I3", true), 0);    // the number decides first
  EXPECT_GT(CompareRefs("P2", "I3", false), 0);
  EXPECT_LT(CompareRefs("I99999999999999999999", "I100000000000000000000", true), 0);
}

TEST(ReferenceOrderTest, SortSettingsComeFromTheSettingsStore) {
  testing::TempDir dir;
  platform::SettingsStore store(dir.path() + "settings.ini");
  LogSortSettings none = ReadLogSortSettings(store);
  EXPECT_EQ(none.individuals, 0);
  EXPECT_EQ(none.families, 0);
  EXPECT_FALSE(none.numeric_refs);
  store.SetInt("Options", "SortLogInd", 1);
  store.SetInt("Options", "SortLogFam", 2);
  store.SetString("Options", "Support", "32-20");  // flag 2 is bit 5
  LogSortSettings set = ReadLogSortSettings(store);
  EXPECT_EQ(set.individuals, 1);
  EXPECT_EQ(set.families, 2);
  EXPECT_TRUE(set.numeric_refs);
  store.SetString("Options", "Support", "16-10");  // flag 1 only
  EXPECT_FALSE(ReadLogSortSettings(store).numeric_refs);
}

}  // namespace
}  // namespace vellix

namespace vellix {
namespace {

// Living people left out of the site still stand in the log (it stays on the
// user's machine), marked as excluded and explained once.
TEST_F(ListLogTest, ExcludedIndividualsAreMarkedAsSuch) {
  AddIndividual("I1", "John", "Smith");
  EXPECT_EQ(Individuals().find("excluded"), std::string::npos);
  AddIndividual("I2", ">>>", "Smith").excluded = true;
  const std::string page = Individuals();
  EXPECT_NE(page.find("generated.<p>Living individuals marked <i>(excluded)</i> have no "
                      "page and no index entry; the family pages of their relatives "
                      "show them only as &gt;&gt;&gt;.<p>"),
            std::string::npos);
  EXPECT_EQ(Row(page, "I1"),
            "<tr><td>I1</td><td></td><td>John Smith</td><td>&nbsp;</td><td>&nbsp;</td>"
            "<td>&nbsp;</td></tr>");
  EXPECT_NE(Row(page, "I2").find("<td>&gt;&gt;&gt; Smith <i>(excluded)</i></td>"),
            std::string::npos);
}

}  // namespace
}  // namespace vellix
