// Settings by readable key: the list, values as text, checked assignment.
#include "options/option_keys.h"

#include <gtest/gtest.h>

#include <set>

#include "options/options.h"

namespace vellix::options {
namespace {

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

TEST(OptionKeys, EverySettingHasOneUniqueKey) {
  const auto& settings = AllSettings();
  // The 365 single-valued items of the file (the version left out), then
  // the 16 colours and the 62 + 62 fact entries one by one.
  EXPECT_EQ(settings.size(), 365u + 16u + 62u + 62u);
  std::set<std::string> keys;
  for (const Setting& setting : settings) {
    EXPECT_TRUE(keys.insert(Lower(setting.key)).second) << setting.key;
    EXPECT_EQ(FindSetting(setting.key), &setting);
  }
}

TEST(OptionKeys, FindsByKeyOrMemberNameIgnoringCase) {
  const Setting* setting = FindSetting("strDestFolder");
  ASSERT_NE(setting, nullptr);
  EXPECT_EQ(setting->caption, "Destination Folder");
  EXPECT_EQ(FindSetting("m_strDestFolder"), setting);
  EXPECT_EQ(FindSetting("STRDESTFOLDER"), setting);
  EXPECT_EQ(FindSetting("DestFolder"), nullptr);
  EXPECT_EQ(FindSetting("factInclude.62"), nullptr);
  ASSERT_NE(FindSetting("factInclude.61"), nullptr);
  EXPECT_EQ(FindSetting("factLabels.8")->caption, "Census (individual)");
  EXPECT_EQ(FindSetting("bWebLinks")->caption, "Convert web addresses to actual links");
  EXPECT_EQ(FindSetting("nThumbSize")->caption, "Maximum thumbnail size");
}

TEST(OptionKeys, ValuesAreShownAsText) {
  COptions options;
  EXPECT_EQ(SettingValue(options, *FindSetting("bLinksBottom")), "yes");
  EXPECT_EQ(SettingValue(options, *FindSetting("bLinksTop")), "no");
  EXPECT_EQ(SettingValue(options, *FindSetting("nIndexPerPage")), "150");
  EXPECT_EQ(SettingValue(options, *FindSetting("nNameFilter")), "0");
  EXPECT_EQ(SettingValue(options, *FindSetting("strFilePrefix")), "grp");
  EXPECT_EQ(SettingValue(options, *FindSetting("customColors.3")), "#ffffff");
  options.m_customColors[3] = 0x0080FF;  // red in the lowest byte
  EXPECT_EQ(SettingValue(options, *FindSetting("customColors.3")), "#ff8000");
  EXPECT_EQ(SettingValue(options, *FindSetting("factInclude.59")), "2");
  options.m_strLblMarried = "Wed";
  EXPECT_EQ(SettingValue(options, *FindSetting("factLabels.59")), "Wed");
}

TEST(OptionKeys, PathsReadNativelyAndAreStoredWithBackslashes) {
  struct Case {
    const char* key;
    const char* typed;
    const char* stored;
    const char* shown;
  };
  const Case cases[] = {
      {"strGedcomFile", "/home/a/tree.ged", "\\home\\a\\tree.ged", "/home/a/tree.ged"},
      {"strDestFolder", "\\srv\\site\\", "\\srv\\site\\", "/srv/site/"},
      {"strBioFolder", "../bios/", "..\\bios\\", "../bios/"},
      {"strAltSurnameFile", "sub/start.html", "sub\\start.html", "sub/start.html"},
      // Texts that are not paths keep their slashes and backslashes.
      {"strHomeTarget", "a/b\\c", "a/b\\c", "a/b\\c"},
      {"strFamilyHeader", "<a href=\"x/y\">", "<a href=\"x/y\">", "<a href=\"x/y\">"},
  };
  for (const Case& c : cases) {
    COptions options;
    const Setting* setting = FindSetting(c.key);
    ASSERT_NE(setting, nullptr) << c.key;
    std::string error;
    ASSERT_TRUE(SetSettingValue(options, *setting, c.typed, &error)) << c.key << error;
    EXPECT_EQ(options.*setting->item->s, c.stored) << c.key;
    EXPECT_EQ(SettingValue(options, *setting), c.shown) << c.key;
  }
  // A name that would leave the destination is refused in either form.
  COptions options;
  std::string error;
  EXPECT_FALSE(
      SetSettingValue(options, *FindSetting("strAltSurnameFile"), "../x.html", &error));
  EXPECT_FALSE(
      SetSettingValue(options, *FindSetting("strAltSurnameFile"), "..\\x.html", &error));
}

TEST(OptionKeys, SetChecksTypeAndRange) {
  COptions options;
  std::string error;
  EXPECT_TRUE(SetSettingValue(options, *FindSetting("nDateWidth"), "80", &error));
  EXPECT_EQ(options.m_nDateWidth, 80);
  EXPECT_FALSE(SetSettingValue(options, *FindSetting("nDateWidth"), "81", &error));
  EXPECT_EQ(error, "nDateWidth: 81 is outside 0..80");
  EXPECT_FALSE(SetSettingValue(options, *FindSetting("nDateWidth"), "12x", &error));
  EXPECT_EQ(error, "nDateWidth: \"12x\" is not a whole number");
  EXPECT_FALSE(SetSettingValue(options, *FindSetting("nDateWidth"), "", &error));
  EXPECT_EQ(options.m_nDateWidth, 80);
  EXPECT_FALSE(SetSettingValue(options, *FindSetting("nThumbSize"), "19", &error));
  EXPECT_TRUE(SetSettingValue(options, *FindSetting("nThumbSize"), "+20", &error));
  EXPECT_EQ(options.m_nThumbSize, 20);
  EXPECT_FALSE(
      SetSettingValue(options, *FindSetting("nReserved2"), "2147483648", &error));
  EXPECT_TRUE(
      SetSettingValue(options, *FindSetting("nReserved2"), "-2147483648", &error));
  EXPECT_EQ(options.m_nReserved2, INT32_MIN);
  EXPECT_FALSE(SetSettingValue(options, *FindSetting("nNameFilter"), "3", &error));
  EXPECT_TRUE(SetSettingValue(options, *FindSetting("nNameFilter"), "2", &error));
  EXPECT_EQ(options.m_nNameFilter, 2);
  EXPECT_FALSE(SetSettingValue(options, *FindSetting("nDividerTop"), "3", &error));
  EXPECT_FALSE(SetSettingValue(options, *FindSetting("factInclude.0"), "3", &error));
  EXPECT_TRUE(SetSettingValue(options, *FindSetting("factInclude.0"), "2", &error));
  EXPECT_EQ(options.m_factInclude[0], 2);
}

TEST(OptionKeys, SwitchesTakeTheUsualWords) {
  COptions options;
  std::string error;
  const Setting& setting = *FindSetting("bCitations");
  for (const char* word : {"yes", "1", "TRUE", "on"}) {
    options.m_bCitations = false;
    EXPECT_TRUE(SetSettingValue(options, setting, word, &error)) << word;
    EXPECT_TRUE(options.m_bCitations) << word;
  }
  for (const char* word : {"no", "0", "false", "Off"}) {
    options.m_bCitations = true;
    EXPECT_TRUE(SetSettingValue(options, setting, word, &error)) << word;
    EXPECT_FALSE(options.m_bCitations) << word;
  }
  EXPECT_FALSE(SetSettingValue(options, setting, "maybe", &error));
  EXPECT_EQ(error, "bCitations: \"maybe\" is not yes or no");
}

TEST(OptionKeys, ColoursTakeNumbersOrHtmlCodes) {
  COptions options;
  std::string error;
  const Setting& setting = *FindSetting("customColors.2");
  EXPECT_TRUE(SetSettingValue(options, setting, "#102030", &error));
  EXPECT_EQ(options.m_customColors[2], 0x302010u);  // red in the lowest byte
  EXPECT_TRUE(SetSettingValue(options, setting, "255", &error));
  EXPECT_EQ(options.m_customColors[2], 255u);
  EXPECT_FALSE(SetSettingValue(options, setting, "16777216", &error));
  EXPECT_FALSE(SetSettingValue(options, setting, "#12345", &error));
  // What is set is what is shown.
  for (const char* code : {"#ff0000", "#00ff00", "#0000ff", "#a0b1c2"}) {
    EXPECT_TRUE(SetSettingValue(options, setting, code, &error)) << code;
    EXPECT_EQ(SettingValue(options, setting), code);
  }
  EXPECT_TRUE(SetSettingValue(options, setting, "#FF8000", &error));
  EXPECT_EQ(SettingValue(options, setting), "#ff8000");
}

TEST(OptionKeys, TextsMustBeUtf8AndRedirectedLabelsAreRefused) {
  COptions options;
  std::string error;
  EXPECT_TRUE(SetSettingValue(options, *FindSetting("strLblMarried"),
                              "\xCE\x93\xCE\xAC\xCE\xBC\xCE\xBF\xCF\x82", &error));
  EXPECT_FALSE(
      SetSettingValue(options, *FindSetting("strAuthor"), "bad \xFF byte", &error));
  EXPECT_EQ(error, "strAuthor: the text is not valid UTF-8");
  EXPECT_FALSE(SetSettingValue(options, *FindSetting("factLabels.59"), "x", &error));
  EXPECT_EQ(error,
            "factLabels.59 always shows the label of strLblMarried; set that instead");
  EXPECT_FALSE(SetSettingValue(options, *FindSetting("factLabels.52"), "x", &error));
  EXPECT_TRUE(SetSettingValue(options, *FindSetting("factLabels.40"), "Militia", &error));
  EXPECT_EQ(options.GetFactLabel(40), "Militia");
}

}  // namespace
}  // namespace vellix::options
