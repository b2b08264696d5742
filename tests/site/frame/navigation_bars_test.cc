// The navigation bars: which links each bar carries, the separators between
// them, the extra links and the bars of footnote frames and media pages.
#include <gtest/gtest.h>

#include "site/frame/frame_fixture.h"

namespace vellix::site {
namespace {

constexpr char kSep[] = "&nbsp;|&nbsp;";
constexpr char kSurnames[] = "<a href=\"grpmain.html\" target=\"_self\">Surnames</a>";
constexpr char kIndex[] = "<a href=\"grpname1.html\" target=\"_self\">Index</a>";
constexpr char kBiblio[] = "<a href=\"grpbib1.html\" target=\"_self\">Bibliography</a>";
constexpr char kRepo[] = "<a href=\"grprep1.html\" target=\"_self\">Repository</a>";

class NavigationBarsTest : public FrameTest {
 protected:
  std::string Div(const std::string& css_class, const std::string& inner) {
    return "\r\n<div class=\"" + css_class + "\">" + inner + "</div>";
  }
  void SetExtra(int n, bool second_line, bool surname_only = false) {
    const std::string dest = "x" + std::to_string(n) + ".html";
    const std::string label = "X" + std::to_string(n);
    if (n == 1) {
      options_.m_bExtra1 = true;
      options_.m_bExtra1SecondLine = second_line;
      options_.m_bExtra1SurnameOnly = surname_only;
      options_.m_strExtra1Dest = dest;
      options_.m_strExtra1Label = label;
    } else if (n == 2) {
      options_.m_bExtra2 = true;
      options_.m_bExtra2SecondLine = second_line;
      options_.m_bExtra2SurnameOnly = surname_only;
      options_.m_strExtra2Dest = dest;
      options_.m_strExtra2Label = label;
    } else {
      options_.m_bExtra3 = true;
      options_.m_bExtra3SecondLine = second_line;
      options_.m_bExtra3SurnameOnly = surname_only;
      options_.m_strExtra3Dest = dest;
      options_.m_strExtra3Label = label;
    }
  }
  static std::string Extra(int n) {
    return "<a href=\"x" + std::to_string(n) + ".html\" target=\"_self\">X" +
           std::to_string(n) + "</a>";
  }
};

TEST_F(NavigationBarsTest, FamilyBarWithoutHomeStartsWithSurnames) {
  EXPECT_EQ(Prepared().FamilyBar(false, true),
            Div("vx-lnkfam", std::string(kSurnames) + kSep + kIndex));
}

TEST_F(NavigationBarsTest, FamilyBarWithHomeBibliographyAndLowerCaseAddress) {
  options_.m_strHomePage = "..\\My Home\\Index.HTML";
  options_.m_strHomeTarget = "_top";
  options_.m_bLowerCaseNames = true;
  options_.m_bBiblioPages = true;
  const std::string home = "<a href=\"../my%20home/index.html\" target=\"_top\">Home</a>";
  PageWriter writer = Prepared();
  EXPECT_EQ(writer.FamilyBar(false, true),
            Div("vx-lnkfam", home + kSep + kSurnames + kSep + kIndex + kSep + kBiblio));
  // The caller decides whether the bibliography link belongs on the page.
  EXPECT_EQ(writer.FamilyBar(false, false),
            Div("vx-lnkfam", home + kSep + kSurnames + kSep + kIndex));
}

TEST_F(NavigationBarsTest, BibliographyLinkNeedsTheBibliographyPages) {
  options_.m_bBiblioPages = false;
  EXPECT_EQ(Prepared().FamilyBar(false, true).find("Bibliography"), std::string::npos);
  options_.m_bBiblioPages = true;
  options_.m_strNavIndex.clear();
  EXPECT_EQ(
      Prepared().FamilyBar(true, true),
      Div("vx-lnkfam",
          "<a href=\"grpmain.html\" target=\"_parent\">Surnames</a>" + std::string(kSep) +
              "<a href=\"grpbib1.html\" target=\"_parent\">Bibliography</a>"));
}

TEST_F(NavigationBarsTest, BarsWithoutTheirLinksAreEmpty) {
  options_.m_strNavSurnames.clear();
  options_.m_strNavIndex.clear();
  options_.m_bBiblioPages = true;
  PageWriter writer = Prepared();
  EXPECT_EQ(writer.FamilyBar(false, true), "");
  EXPECT_EQ(writer.IndexBar(false, true), "");
  EXPECT_EQ(writer.SurnameBar(false, true), "");
}

TEST_F(NavigationBarsTest, ExtraLinksLeadTrailAndSecondLine) {
  SetExtra(1, false);
  SetExtra(2, false);
  SetExtra(3, true);
  options_.m_strExtra1Prompt = "First";
  options_.m_strExtra2Target = "w";
  options_.m_bBiblioPages = true;
  const std::string x1 = "<a href=\"x1.html\" target=\"_self\" title=\"First\">X1</a>";
  const std::string x2 = "<a href=\"x2.html\" target=\"w\">X2</a>";
  EXPECT_EQ(Prepared().FamilyBar(false, true),
            Div("vx-lnkfam", x1 + kSep + kSurnames + kSep + kIndex + kSep + kBiblio +
                                 kSep + x2 + "<br>\r\n" + Extra(3)));
}

TEST_F(NavigationBarsTest, SecondLineLinksAreJoinedBySeparators) {
  SetExtra(1, true);
  SetExtra(2, true);
  SetExtra(3, false);
  EXPECT_EQ(Prepared().IndexBar(false, false),
            Div("vx-lnkidx", std::string(kSurnames) + kSep + Extra(3) + "<br>\r\n" +
                                 Extra(1) + kSep + Extra(2)));
}

TEST_F(NavigationBarsTest, SurnamePageOnlyLinksAppearOnTheSurnameBarOnly) {
  SetExtra(2, false, true);
  PageWriter writer = Prepared();
  EXPECT_EQ(writer.SurnameBar(false, false),
            Div("vx-lnksur", std::string(kIndex) + kSep + Extra(2)));
  EXPECT_EQ(writer.IndexBar(false, false), Div("vx-lnkidx", kSurnames));
  EXPECT_EQ(writer.FamilyBar(false, false).find("X2"), std::string::npos);
}

TEST_F(NavigationBarsTest, IndexAndSurnameBarsLeaveOutTheirOwnList) {
  options_.m_strHomePage = "home.html";
  options_.m_bBiblioPages = true;
  const std::string home = "<a href=\"home.html\" target=\"_self\">Home</a>";
  PageWriter writer = Prepared();
  EXPECT_EQ(writer.IndexBar(false, true),
            Div("vx-lnkidx", home + kSep + kSurnames + kSep + kBiblio));
  EXPECT_EQ(writer.SurnameBar(false, true),
            Div("vx-lnksur", home + kSep + kIndex + kSep + kBiblio));
  options_.m_strHomePage.clear();
  options_.m_strNavIndex.clear();
  // Only the bibliography left: the surname bar has none of its own links.
  EXPECT_EQ(Prepared().SurnameBar(false, true), "");
}

TEST_F(NavigationBarsTest, BibliographyAndRepositoryBarsLongAndShort) {
  options_.m_strHomePage = "home.html";
  options_.m_bBiblioPages = true;
  options_.m_bRepositoryPages = true;
  const std::string home = "<a href=\"home.html\" target=\"_self\">Home</a>";
  PageWriter writer = Prepared();
  EXPECT_EQ(writer.BibliographyBar({.with_repository = true}),
            Div("vx-lnkbib", home + kSep + kSurnames + kSep + kIndex + kSep + kRepo));
  EXPECT_EQ(writer.BibliographyBar({.short_form = true, .with_repository = true}),
            Div("vx-lnkbib", home + kSep + kRepo));
  EXPECT_EQ(writer.RepositoryBar(false, false),
            Div("vx-lnkrep", home + kSep + kSurnames + kSep + kIndex + kSep + kBiblio));
  EXPECT_EQ(writer.RepositoryBar(true, false), Div("vx-lnkrep", home + kSep + kBiblio));

  options_.m_bRepositoryPages = false;
  options_.m_strHomePage.clear();
  EXPECT_EQ(Prepared().BibliographyBar({.short_form = true, .with_repository = true}),
            "");
  EXPECT_EQ(Prepared().BibliographyBar({.with_repository = true}),
            Div("vx-lnkbib", std::string(kSurnames) + kSep + kIndex));
}

TEST_F(NavigationBarsTest, FootnoteFrameBarLinksBackToTheFrameset) {
  options_.m_bBiblioPages = true;
  PageWriter writer = Prepared();
  EXPECT_EQ(writer.FootnoteFrameBar("grpf1.html"),
            Div("vx-lnkfam",
                "<a href=\"grpf1.html\" target=\"_parent\">Group Sheet</a>" +
                    std::string(kSep) +
                    "<a href=\"grpbib1.html\" target=\"_parent\">Bibliography</a>"));
  options_.m_bBiblioPages = false;
  options_.m_strNavGroupSheet.clear();
  EXPECT_EQ(Prepared().FootnoteFrameBar("grpf1.html"), "");
}

TEST_F(NavigationBarsTest, MediaBarsReachBackThroughTheRelativePrefix) {
  options_.m_strDestFolder = "C:\\site";
  PageWriter writer = Prepared(true);
  EXPECT_EQ(
      writer.MediaBar(MediaBarLink::kBibliography, false, ""),
      Div("vx-lnkmed", "<a href=\"../grpbib1.html\" target=\"_self\">Bibliography</a>"));
  EXPECT_EQ(
      writer.MediaBar(MediaBarLink::kGroupSheet, false, "grpf12.html"),
      Div("vx-lnkmed", "<a href=\"../grpf12.html\" target=\"_self\">Group Sheet</a>"));
  EXPECT_EQ(writer.MediaBar(MediaBarLink::kGallery, false, "gf-f12-01.html"),
            Div("vx-lnkmed", "<a href=\"gf-f12-01.html\" target=\"_self\">Gallery</a>"));
  options_.m_strNavGallery.clear();
  EXPECT_EQ(writer.MediaBar(MediaBarLink::kGallery, false, "gf-f12-01.html"), "");
}

TEST_F(NavigationBarsTest, StrictDoctypeWritesNoTargetInAnyBar) {
  options_.m_strHomePage = "home.html";
  options_.m_strHomeTarget = "_top";
  options_.m_bBiblioPages = true;
  options_.m_bRepositoryPages = true;
  SetExtra(1, false);
  SetExtra(2, true);
  options_.m_strExtra1Target = "other";
  PageWriter writer = Prepared(true, /*strict=*/true);
  const std::string all =
      writer.FamilyBar(true, true) + writer.IndexBar(false, true) +
      writer.SurnameBar(true, true) +
      writer.BibliographyBar({.with_repository = true, .parent_target = true}) +
      writer.RepositoryBar(false, true) + writer.FootnoteFrameBar("grpf1.html") +
      writer.MediaBar(MediaBarLink::kGroupSheet, true, "grpf1.html");
  EXPECT_NE(all.find("<a href=\"home.html\">Home</a>"), std::string::npos) << all;
  EXPECT_EQ(all.find(" target="), std::string::npos) << all;
}

}  // namespace
}  // namespace vellix::site
