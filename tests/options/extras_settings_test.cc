// The extras kept beside an option set file: their keys and values, their
// INI text, and how they follow the option set through load, save and switch.
#include "options/extras_settings.h"

#include <gtest/gtest.h>

#include "options/current_option_set.h"
#include "options/options.h"
#include "platform/app_paths.h"
#include "platform/file_system.h"
#include "testing/test_support.h"

namespace vellix::options {
namespace {

TEST(ExtrasSettings, PathBesideTheOptionSet) {
  const struct {
    const char* options;
    const char* extras;
  } kCases[] = {
      {"/home/a/Options.dat", "/home/a/Options.extras.ini"},
      {"/home/a/club", "/home/a/club.extras.ini"},
      {"/home/a.b/club", "/home/a.b/club.extras.ini"},
      {"C:\\Trees\\mine.v2.dat", "C:\\Trees\\mine.v2.extras.ini"},
      {"/home/a/.hidden", "/home/a/.hidden.extras.ini"},
  };
  for (const auto& c : kCases) EXPECT_EQ(ExtrasPathFor(c.options), c.extras) << c.options;
}

TEST(ExtrasSettings, ValuesAreCheckedWhenSet) {
  const struct {
    const char* key;
    const char* value;
    bool accepted;
    const char* shown;  // value read back when accepted
  } kCases[] = {
      {"extras.search", "yes", true, "yes"},
      {"extras.search", "ON", true, "yes"},
      {"extras.phones", "1", true, "yes"},
      {"extras.maps", "false", true, "no"},
      {"extras.maps", "maybe", false, ""},
      {"extras.base-url", "https://example.org/tree", true, "https://example.org/tree"},
      {"extras.base-url", "http://example.org/", true, "http://example.org/"},
      {"extras.base-url", "", true, ""},
      {"extras.base-url", "ftp://example.org/", false, ""},
      {"extras.base-url", "example.org", false, ""},
      {"extras.base-url", "https://", false, ""},
      {"extras.base-url", "https://a.org/my tree", false, ""},
      {"extras.base-url", "https://a.org/\"x", false, ""},
      {"extras.base-url", "https://a.org/<x>", false, ""},
      {"extras.colour", "yes", false, ""},
      {"strDestFolder", "yes", false, ""},
  };
  for (const auto& c : kCases) {
    ExtrasSettings extras;
    std::string error;
    EXPECT_EQ(SetExtrasValue(&extras, c.key, c.value, &error), c.accepted)
        << c.key << "=" << c.value;
    if (c.accepted) {
      EXPECT_EQ(ExtrasValue(extras, c.key).value_or("?"), c.shown) << c.key;
    } else {
      EXPECT_FALSE(error.empty()) << c.key;
      EXPECT_EQ(extras, ExtrasSettings{}) << "a refused value changes nothing";
    }
  }
  EXPECT_FALSE(ExtrasValue({}, "extras.nothing").has_value());
  EXPECT_FALSE(ExtrasValue({}, "bExcludeLiving").has_value());
}

TEST(ExtrasSettings, IniTextRoundTripsAndToleratesMistakes) {
  ExtrasSettings extras{.search = true,
                        .phones = false,
                        .maps = true,
                        .base_url = "https://example.org/tree/"};
  EXPECT_EQ(ExtrasFromIni(ExtrasToIni(extras)), extras);
  EXPECT_EQ(ExtrasFromIni(""), ExtrasSettings{});
  // Other sections, unknown keys and wrong values are passed over.
  const ExtrasSettings read = ExtrasFromIni(
      "[other]\nsearch = yes\n[extras]\nphones = perhaps\nmaps = on\nfuture = 3\n"
      "base-url = not an address\n");
  ExtrasSettings maps_only;
  maps_only.maps = true;
  EXPECT_EQ(read, maps_only);
  EXPECT_EQ(ExtrasSettings{.base_url = "https://a.org//"}.BaseWithSlash(),
            "https://a.org/");
  EXPECT_EQ(ExtrasSettings{.base_url = "https://a.org"}.BaseWithSlash(),
            "https://a.org/");
}

// The extras follow the option set file they belong to.
TEST(ExtrasSettings, TravelWithTheOptionSetFile) {
  testing::TempDir home;
  testing::RecordingPrompter prompter;
  platform::SettingsStore settings(home.path() + "settings.ini");
  CurrentOptionSet current(prompter, settings, home.path());
  const std::string first = current.path();
  EXPECT_EQ(current.options().extras, ExtrasSettings{});
  ASSERT_TRUE(current.Save());
  EXPECT_FALSE(platform::FileExists(ExtrasPathFor(first)))
      << "an option set without extras gets no extras file";

  current.options().extras.search = true;
  current.options().extras.base_url = "https://example.org/";
  ASSERT_TRUE(current.Save());
  ASSERT_TRUE(platform::FileExists(ExtrasPathFor(first)));

  // Saved under another name, the extras go with it.
  const std::string copy = home.path() + "copy.dat";
  OptionFileContext copy_file = current.file();
  copy_file.path = copy;
  ASSERT_TRUE(current.options().SaveOptions(copy_file));
  // A new option set starts with every extra off ...
  const std::string fresh = home.path() + "fresh.dat";
  ASSERT_TRUE(current.Switch(fresh, true));
  EXPECT_EQ(current.options().extras, ExtrasSettings{});
  // ... and switching to the copy brings its extras back.
  ASSERT_TRUE(current.Switch(copy, false));
  EXPECT_TRUE(current.options().extras.search);
  EXPECT_EQ(current.options().extras.base_url, "https://example.org/");

  // Turning everything off again rewrites the file instead of leaving it.
  current.options().SetDefaults();
  ASSERT_TRUE(current.Save());
  COptions reloaded;
  OptionFileContext copy_again = current.file();
  ASSERT_TRUE(reloaded.LoadOptions(copy_again));
  EXPECT_EQ(reloaded.extras, ExtrasSettings{});
}

}  // namespace
}  // namespace vellix::options
