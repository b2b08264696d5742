// Which values the settings that name written files, and the colours, take.
#include "options/option_values.h"

#include <gtest/gtest.h>

#include "options/option_keys.h"
#include "options/options.h"

namespace vellix::options {
namespace {

TEST(OptionValues, FileNamesStayInTheDestinationAndColoursAreColours) {
  const struct {
    const char* key;
    const char* value;
    bool accepted;
  } cases[] = {
      {"strFilePrefix", "grp", true},
      {"strFilePrefix", "", true},
      {"strFilePrefix", "my site-", true},
      {"strFilePrefix", "../esc", false},
      {"strFilePrefix", "..\\esc", false},
      {"strFilePrefix", "sub/grp", false},
      {"strFilePrefix", "C:grp", false},
      {"strFilePrefix", "a\nb", false},
      {"strFileExt", "htm", true},
      {"strFileExt", ".html/../x", false},
      {"strAltSurnameFile", "index.html", true},
      {"strAltSurnameFile", "start\\index.html", true},
      {"strAltSurnameFile", "..index.html", true},
      {"strAltSurnameFile", "../../alt.html", false},
      {"strAltSurnameFile", "pages\\..\\..\\alt.html", false},
      {"strAltSurnameFile", "~/.bashrc", true},  // "~" is a folder name here
      {"strAltSurnameFile", "/home/me/.bashrc", false},
      {"strAltSurnameFile", "\\home\\me\\.bashrc", false},
      {"strAltSurnameFile", "C:\\alt.html", false},
      {"strMediaDestFolder", "media\\", true},
      {"strMediaDestFolder", "", true},
      {"strMediaDestFolder", "..", false},
      {"strMediaDestFolder", "/tmp/media", false},
      {"strTextColor", "#000000", true},
      {"strTextColor", "#A0b1C2", true},
      {"strTextColor", "", true},
      {"strTextColor", "Navy", true},
      {"strTextColor", "zz;}body{display:none", false},
      {"strTextColor", "#00000", false},
      {"strTextColor", "#0000000", false},
      {"strTextColor", "#gg0000", false},
      {"strTextColor", "rgb(1,2,3)", false},
      {"strBackColor", "red;background:url(x)", false},
      {"strDividerColor", "green", true},
      {"strLinkColor", "blue ", false},
      {"strActiveLinkColor", "#ff0000", true},
      {"strVisitedLinkColor", "purple}", false},
      {"strAuthor", "../../anything;}", true},
      {"strBioFolder", "..\\biographies", true},  // read, never written
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.key) + " = " + c.value);
    EXPECT_EQ(!ValueProblem(RuleOf(c.key), c.value).has_value(), c.accepted);
    const Setting* setting = FindSetting(c.key);
    ASSERT_NE(setting, nullptr);
    COptions options;
    const std::string before = SettingValue(options, *setting);
    std::string error;
    EXPECT_EQ(SetSettingValue(options, *setting, c.value, &error), c.accepted) << error;
    if (!c.accepted) {
      EXPECT_EQ(error.rfind(std::string(c.key) + ": \"" + c.value + "\" ", 0), 0u)
          << error;
      EXPECT_EQ(SettingValue(options, *setting), before);
    }
  }
}

TEST(OptionValues, ColourNumbersAreStoredAsHtmlColours) {
  const struct {
    const char* typed;
    const char* stored;
  } cases[] = {
      {"255", "#ff0000"},  // red in the lowest byte
      {"65280", "#00ff00"}, {"16711680", "#0000ff"}, {"16777215", "#ffffff"},
      {"0", "#000000"},     {"#123456", "#123456"},
  };
  const Setting* setting = FindSetting("strBackColor");
  ASSERT_NE(setting, nullptr);
  for (const auto& c : cases) {
    COptions options;
    std::string error;
    ASSERT_TRUE(SetSettingValue(options, *setting, c.typed, &error)) << error;
    EXPECT_EQ(options.m_strBackColor, c.stored) << c.typed;
  }
  COptions options;
  std::string error;
  EXPECT_FALSE(SetSettingValue(options, *setting, "16777216", &error));
  EXPECT_FALSE(SetSettingValue(options, *setting, "-1", &error));
}

TEST(OptionValues, TheFirstUnsafeStoredSettingIsFound) {
  COptions options;
  EXPECT_FALSE(FindUnsafeSetting(options).has_value());
  options.m_strAltSurnameFile = "../out.html";
  EXPECT_FALSE(FindUnsafeSetting(options).has_value()) << "not used while switched off";
  options.m_bAltSurnameFile = true;
  options.m_strLinkColor = "x}";
  auto found = FindUnsafeSetting(options);
  ASSERT_TRUE(found.has_value());
  EXPECT_EQ(found->key, "strAltSurnameFile");
  EXPECT_EQ(found->caption, "Alternate file name");
  EXPECT_EQ(found->value, "../out.html");
  options.m_bAltSurnameFile = false;
  found = FindUnsafeSetting(options);
  ASSERT_TRUE(found.has_value());
  EXPECT_EQ(found->key, "strLinkColor");
}

}  // namespace
}  // namespace vellix::options
