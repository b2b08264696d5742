// The option set's defaults, range checks and derived answers.
#include <gtest/gtest.h>

#include "options/fact_kinds.h"
#include "options/option_layout.h"
#include "options/options.h"

namespace vellix {
namespace {

// A set whose every scalar is scrambled, so SetDefaults must reach each one.
COptions Scrambled() {
  COptions options;
  for (const options::LayoutItem& item : options::FileLayout()) {
    switch (item.kind) {
      case options::ItemKind::kBool:
        options.*item.b = !(options.*item.b);
        break;
      case options::ItemKind::kByte:
        options.*item.y = 7;
        break;
      case options::ItemKind::kInt32:
        if (std::string(item.name) != "m_nVersion") options.*item.i = -5;
        break;
      case options::ItemKind::kString:
        options.*item.s = "x";
        break;
      default:
        break;
    }
  }
  options.m_factInclude.fill(2);
  options.m_factLabels.assign(kFactKindCount, "y");
  options.m_customColors.fill(1);
  options.m_indivAttributes.Add("I1");
  options.m_familyAttributes.Add("F1");
  return options;
}

void ExpectSameSettings(COptions& a, COptions& b) {
  for (const options::LayoutItem& item : options::FileLayout()) {
    switch (item.kind) {
      case options::ItemKind::kBool:
        EXPECT_EQ(a.*item.b, b.*item.b) << item.name;
        break;
      case options::ItemKind::kByte:
        EXPECT_EQ(a.*item.y, b.*item.y) << item.name;
        break;
      case options::ItemKind::kInt32:
        EXPECT_EQ(a.*item.i, b.*item.i) << item.name;
        break;
      case options::ItemKind::kString:
        EXPECT_EQ(a.*item.s, b.*item.s) << item.name;
        break;
      default:
        break;
    }
  }
  EXPECT_EQ(a.m_factInclude, b.m_factInclude);
  EXPECT_EQ(a.m_factLabels, b.m_factLabels);
  EXPECT_EQ(a.m_customColors, b.m_customColors);
  EXPECT_EQ(a.m_indivAttributes, b.m_indivAttributes);
  EXPECT_EQ(a.m_familyAttributes, b.m_familyAttributes);
}

TEST(OptionDefaults, SetDefaultsReachesEverySettingAndMatchesANewObject) {
  COptions options = Scrambled();
  options.SetDefaults();
  // User-defined labels are the user's own words: SetDefaults leaves them.
  for (int kind = 34; kind <= 47; ++kind) {
    EXPECT_EQ(options.m_factLabels[kind], "y");
    options.m_factLabels[kind].clear();
  }
  COptions fresh;
  ExpectSameSettings(options, fresh);
}

TEST(OptionDefaults, FreshSetHasTheWrittenDefaults) {
  COptions options;
  // Links at the bottom of pages only.
  EXPECT_FALSE(options.m_bLinksTop);
  EXPECT_TRUE(options.m_bLinksBottom);
  EXPECT_EQ(options.m_strDtdPages,
            "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\" "
            "\"http://www.w3.org/TR/html4/strict.dtd\">");
  EXPECT_EQ(options.m_strDtdFrames,
            "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Frameset//EN\">");
  EXPECT_EQ(options.m_factInclude[49], 1);
  EXPECT_EQ(options.m_factInclude[59], 2);
  for (int kind = 0; kind < kFactKindCount; ++kind) {
    if (kind != 49 && kind != 59) {
      EXPECT_EQ(options.m_factInclude[kind], 0) << kind;
    }
  }
  for (int kind = 34; kind <= 47; ++kind) EXPECT_EQ(options.m_factLabels[kind], "");
  EXPECT_EQ(options.m_factLabels[0], "Adoption");
  EXPECT_EQ(options.m_factLabels[48], "Christened");
  EXPECT_EQ(options.m_factLabels[52], "Census");
  EXPECT_EQ(options.m_factLabels[61], "Residence");
  EXPECT_EQ(options.m_strNavSeparator, "&nbsp;|&nbsp;");
  EXPECT_EQ(options.m_strMediaDestFolder, "media\\");
  EXPECT_EQ(options.m_customColors[15], 16777215u);
  EXPECT_EQ(options.m_nVersion, 39);
  EXPECT_EQ(options.m_nFileVersion, 0);
  EXPECT_STREQ(FactKindName(37), "User 4");
  EXPECT_STREQ(FactKindName(50), "... other facts");
}

TEST(OptionDefaults, SetDefaultsKeepsUserDefinedLabelsAndBookkeeping) {
  COptions options;
  options.m_factLabels[40] = "Militia";
  options.m_nFileVersion = 37;
  options.SetDefaults();
  EXPECT_EQ(options.m_factLabels[40], "Militia");
  EXPECT_EQ(options.m_nFileVersion, 37);
  options.ResetForNewFile();
  EXPECT_TRUE(options.m_factLabels.empty());
  EXPECT_EQ(options.m_nFileVersion, 0);
  options.SetDefaults();
  EXPECT_EQ(options.m_factLabels.size(), 62u);
  EXPECT_EQ(options.m_factLabels[40], "");
}

TEST(OptionRanges, ValuesOutsideTheirRangeTakeTheDefault) {
  struct Case {
    int32_t COptions::*member;
    int32_t low, high, replacement;
  };
  const Case cases[] = {
      {&COptions::m_nDateWidth, 0, 80, 25},
      {&COptions::m_nIndexPerPage, 1, 10000, 150},
      {&COptions::m_nTopSurnames, 1, 100, 10},
      {&COptions::m_nLabelWidth, 0, 65535, 9},
      {&COptions::m_nBiblioPerPage, 1, 10000, 25},
      {&COptions::m_nRepositoryPerPage, 1, 10000, 25},
      {&COptions::m_nSurnamePartitions, 1, 100, 1},
      {&COptions::m_nSlideSize, 20, 10000, 600},
      {&COptions::m_nThumbSize, 20, 10000, 150},
      {&COptions::m_nThumbColumns, 1, 1000, 3},
      {&COptions::m_nThumbRows, 1, 1000, 6},
      {&COptions::m_nIndivPortraitWidth, 20, 10000, 75},
      {&COptions::m_nFamilyPortraitSize, 20, 10000, 350},
  };
  for (const Case& c : cases) {
    COptions options;
    options.*c.member = c.low;
    options.ClampValues();
    EXPECT_EQ(options.*c.member, c.low);
    options.*c.member = c.high;
    options.ClampValues();
    EXPECT_EQ(options.*c.member, c.high);
    options.*c.member = c.low - 1;
    options.ClampValues();
    EXPECT_EQ(options.*c.member, c.replacement);
    options.*c.member = c.high + 1;
    options.ClampValues();
    EXPECT_EQ(options.*c.member, c.replacement);
    options.*c.member = INT32_MIN;
    options.ClampValues();
    EXPECT_EQ(options.*c.member, c.replacement);
  }
}

TEST(OptionPageExtension, PutsTheDotInFrontWhenMissing) {
  COptions options;
  options.m_strFileExt = "htm";
  EXPECT_EQ(options.GetPageExtension(), ".htm");
  options.m_strFileExt = ".html";
  EXPECT_EQ(options.GetPageExtension(), ".html");
  options.m_strFileExt = "";
  EXPECT_EQ(options.GetPageExtension(), "");
}

TEST(OptionFactLabels, FamilyKindsRedirect) {
  COptions options;
  options.SetFactLabel(8, "Volkszählung");
  options.SetFactLabel(52, "ignored census");
  options.SetFactLabel(29, "Wohnort");
  options.SetFactLabel(61, "ignored residence");
  options.SetFactLabel(59, "ignored married");
  EXPECT_EQ(options.GetFactLabel(52), "Volkszählung");
  EXPECT_EQ(options.GetFactLabel(61), "Wohnort");
  EXPECT_EQ(options.GetFactLabel(59), "Married");
  options.m_strLblMarried = "Getrouwd";
  EXPECT_EQ(options.GetFactLabel(59), "Getrouwd");
  EXPECT_EQ(options.m_factLabels[59], "Getrouwd");
  EXPECT_EQ(options.GetFactLabel(50), "... other facts");
}

TEST(OptionFactLabels, OutOfRangeKindsAndAnEmptyArrayGiveNothing) {
  COptions options;
  EXPECT_EQ(options.GetFactLabel(62), "");
  EXPECT_EQ(options.GetFactLabel(-1), "");
  EXPECT_FALSE(options.HasFactLabel(62));
  EXPECT_FALSE(options.HasFactLabel(34));  // user-defined, empty
  EXPECT_TRUE(options.HasFactLabel(0));
  options.SetFactLabel(62, "x");
  options.SetFactLabel(-1, "x");
  options.ResetForNewFile();
  EXPECT_EQ(options.GetFactLabel(0), "");
  EXPECT_FALSE(options.HasFactLabel(59));
  options.SetFactLabel(3, "x");
  EXPECT_TRUE(options.m_factLabels.empty());
}

TEST(OptionFactIncludes, CopyAllSixtyTwoChoices) {
  COptions options;
  uint8_t choices[kFactKindCount];
  options.GetFactIncludes(choices);
  EXPECT_EQ(choices[59], 2);
  choices[0] = 2;
  choices[61] = 1;
  options.SetFactIncludes(choices);
  EXPECT_EQ(options.m_factInclude[0], 2);
  EXPECT_EQ(options.m_factInclude[61], 1);
}

TEST(OptionExtraLinks, MaskHasOneBitPerLink) {
  COptions options;
  EXPECT_EQ(options.GetExtraLinkMask(), 0);
  options.m_bExtra1 = true;
  options.m_bExtra3 = true;
  EXPECT_EQ(options.GetExtraLinkMask(), 5);
  options.m_bExtra2 = true;
  EXPECT_EQ(options.GetExtraLinkMask(), 7);
}

TEST(OptionDocumentTypes, StrictnessIsReadFromTheNonframesLine) {
  COptions options;
  EXPECT_TRUE(options.IsStrictDtd());
  EXPECT_EQ(COptions::GetDefaultDtd(false),
            "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">");
  EXPECT_EQ(COptions::GetDefaultDtd(true), kDtdStrict);
  EXPECT_EQ(COptions::GetFramesetDtd(), kDtdFrameset);
  options.m_strDtdPages = COptions::GetDefaultDtd(false);
  EXPECT_FALSE(options.IsStrictDtd());
  options.m_strDtdPages = "<!doctype html public \"-//w3c//dtd xhtml 1.0 strict//en\">";
  EXPECT_TRUE(options.IsStrictDtd());
  options.m_strDtdPages = "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.1//EN\">";
  EXPECT_TRUE(options.IsStrictDtd());
  options.m_strDtdPages = "<!DOCTYPE html>";
  EXPECT_FALSE(options.IsStrictDtd());
}

TEST(OptionFrameTargets, OnlyNonBlankTargetsCount) {
  COptions options;
  EXPECT_FALSE(options.HasFrameTargets());
  options.m_strThumbTarget = "  \t";
  options.m_strHomeTarget = " ";
  EXPECT_FALSE(options.HasFrameTargets());
  for (std::string COptions::*target :
       {&COptions::m_strHomeTarget, &COptions::m_strBioTarget, &COptions::m_strWebTarget,
        &COptions::m_strNarrTarget, &COptions::m_strExtra1Target,
        &COptions::m_strExtra2Target, &COptions::m_strExtra3Target,
        &COptions::m_strIndivGalleryTarget, &COptions::m_strFamilyGalleryTarget,
        &COptions::m_strCitationGalleryTarget, &COptions::m_strBiblioGalleryTarget,
        &COptions::m_strSlideTarget, &COptions::m_strThumbTarget}) {
    COptions one;
    one.*target = "main";
    EXPECT_TRUE(one.HasFrameTargets());
  }
}

TEST(OptionImageAltText, JoinsTheSwitchedOnPartsAndEscapes) {
  COptions options;
  EXPECT_EQ(options.GetImageAltText("Ann", "a.jpg"), "Image");
  options.m_bImageTextCaption = true;
  options.m_bImageTextFile = true;
  EXPECT_EQ(options.GetImageAltText("Ann & \"Bob\"", "a.jpg"),
            "Image Ann &amp; &#34;Bob&#34; a.jpg");
  EXPECT_EQ(options.GetImageAltText("", "a.jpg"), "Image a.jpg");
  options.m_strImageText = "";
  EXPECT_EQ(options.GetImageAltText("", "<x>.jpg"), "&lt;x&gt;.jpg");
  EXPECT_EQ(options.GetImageAltText("", ""), "");
}

TEST(OptionPrivacy, NothingChangesForTheDead) {
  COptions options;
  options.m_bExcludeLiving = true;
  options.m_bFilterDates = true;
  options.m_bLivingDetails = false;
  std::string name = "Anna Maria Smith";
  std::string date = "1 JAN 1990";
  EXPECT_FALSE(options.FilterLivingName(false, name));
  EXPECT_FALSE(options.FilterLivingDate(false, date));
  EXPECT_FALSE(options.ExcludeLivingDetails(false));
  EXPECT_EQ(name, "Anna Maria Smith");
  EXPECT_EQ(date, "1 JAN 1990");
}

TEST(OptionPrivacy, ExcludedLivingNamesBecomeTheMarker) {
  COptions options;
  options.m_bExcludeLiving = true;
  options.m_nNameFilter = 2;
  std::string name = "Anna Smith";
  EXPECT_TRUE(options.FilterLivingName(true, name));
  EXPECT_EQ(name, ">>>");
  std::string date = "1990";
  options.m_bFilterDates = true;
  EXPECT_FALSE(options.FilterLivingDate(true, date));  // excluded altogether
  EXPECT_FALSE(options.ExcludeLivingDetails(true));
}

TEST(OptionPrivacy, NameFilters) {
  COptions options;
  std::string name = "Anna Maria  Smith";
  EXPECT_FALSE(options.FilterLivingName(true, name));
  options.m_nNameFilter = 1;
  EXPECT_TRUE(options.FilterLivingName(true, name));
  EXPECT_EQ(name, "A. M. S.");
  std::string blank = "   ";
  EXPECT_TRUE(options.FilterLivingName(true, blank));
  EXPECT_EQ(blank, "");
  std::string polish =
      "\xC5\x81ucja \xC5\xBB"
      "ak";  // Łucja Żak
  EXPECT_TRUE(options.FilterLivingName(true, polish));
  EXPECT_EQ(polish, "\xC5\x81. \xC5\xBB.");
  options.m_nNameFilter = 2;
  options.m_strPrivateName = "(living)";
  std::string other = "Bob";
  EXPECT_TRUE(options.FilterLivingName(true, other));
  EXPECT_EQ(other, "(living)");
}

TEST(OptionPrivacy, DatesAndDetails) {
  COptions options;
  std::string date = "1990";
  EXPECT_FALSE(options.FilterLivingDate(true, date));
  options.m_bFilterDates = true;
  options.m_strPrivateDate = "<private>";
  EXPECT_TRUE(options.FilterLivingDate(true, date));
  EXPECT_EQ(date, "&lt;private&gt;");
  EXPECT_FALSE(options.ExcludeLivingDetails(true));
  options.m_bLivingDetails = false;
  EXPECT_TRUE(options.ExcludeLivingDetails(true));
}

}  // namespace
}  // namespace vellix
