// The captions and choices of every setting.
#include "options/option_catalog.h"

#include <gtest/gtest.h>

#include <set>

#include "options/option_keys.h"

namespace vellix::options {
namespace {

TEST(OptionCatalog, DescribesEverySettingOnceWithAUniqueCaption) {
  const auto& catalog = SettingCatalog();
  EXPECT_EQ(catalog.size(), AllSettings().size());
  std::set<std::string> keys;
  std::set<std::string> captions;
  for (const SettingDescription& d : catalog) {
    EXPECT_NE(FindSetting(d.key), nullptr) << d.key;
    EXPECT_TRUE(keys.insert(d.key).second) << d.key << " twice";
    EXPECT_FALSE(d.caption.empty()) << d.key;
    EXPECT_EQ(d.path.rfind(d.tab, 0), 0u) << d.key;
    EXPECT_TRUE(captions.insert(d.FullCaption()).second)
        << d.key << ": " << d.FullCaption() << " twice";
  }
  for (const Setting& setting : AllSettings()) {
    const SettingDescription* d = DescribeSetting(setting.key);
    ASSERT_NE(d, nullptr) << setting.key;
    EXPECT_EQ(setting.caption, d->caption);
  }
}

TEST(OptionCatalog, TabsFollowTheDialog) {
  std::vector<std::string> tabs;
  for (const SettingDescription& d : SettingCatalog()) {
    if (tabs.empty() || tabs.back() != d.tab) tabs.push_back(d.tab);
  }
  EXPECT_EQ(tabs, (std::vector<std::string>{"Files", "Attributes", "Headers", "Custom",
                                            "Features", "Facts", "Labels", "Program",
                                            "Reserved"}));
}

TEST(OptionCatalog, CaptionsNameTabAndGroup) {
  EXPECT_EQ(
      DescribeSetting("bExcludeLiving")->FullCaption(),
      "Features \xE2\x80\xBA Privacy Filters \xE2\x80\xBA Exclude living individuals");
  EXPECT_EQ(DescribeSetting("strBioTarget")->FullCaption(),
            "Custom \xE2\x80\xBA Individuals \xE2\x80\xBA Biography Links \xE2\x80\xBA "
            "Frame Target");
  EXPECT_EQ(DescribeSetting("factInclude.52")->FullCaption(),
            "Facts \xE2\x80\xBA Family-level Facts \xE2\x80\xBA Census (family)");
  EXPECT_EQ(DescribeSetting("factLabels.40")->FullCaption(),
            "Labels \xE2\x80\xBA User-defined Facts \xE2\x80\xBA User 7");
  EXPECT_EQ(DescribeSetting("factLabels.23")->path,
            "Labels \xE2\x80\xBA Facts (N-Z)");  // Occupation
  EXPECT_EQ(DescribeSetting("nosuchkey"), nullptr);
}

// Every number whose valid values are a short list of codes says what each
// code means, and nothing else.
TEST(OptionCatalog, NumberedChoicesCoverTheirRange) {
  for (const Setting& setting : AllSettings()) {
    const SettingDescription& d = *DescribeSetting(setting.key);
    const bool coded = (setting.type == SettingType::kNumber ||
                        setting.type == SettingType::kFactInclude) &&
                       setting.min == 0 && setting.max <= 7;
    if (!coded) {
      if (setting.type != SettingType::kBool) {
        EXPECT_TRUE(d.choices.empty()) << d.key;
      }
      continue;
    }
    ASSERT_EQ(d.choices.size(), static_cast<size_t>(setting.max + 1)) << d.key;
    for (int64_t v = 0; v <= setting.max; ++v) {
      EXPECT_FALSE(ChoiceText(d, v).empty()) << d.key << " " << v;
    }
  }
  EXPECT_EQ(ChoicesText(*DescribeSetting("nDividerThin"), false),
            "0 = Exclude, 1 = Line, 2 = Image");
  EXPECT_EQ(ChoicesText(*DescribeSetting("bCustomIconImages"), true),
            "no = Display letters or text phrases, yes = Display images");
  EXPECT_EQ(ChoiceText(*DescribeSetting("factInclude.0"), 2), "Yes, within page");
  EXPECT_EQ(ChoiceText(*DescribeSetting("factInclude.0"), 3), "");
}

}  // namespace
}  // namespace vellix::options
