#include "platform/settings_store.h"

#include <gtest/gtest.h>

#include "platform/app_paths.h"
#include "testing/test_support.h"

namespace vellix::platform {
namespace {

using vellix::testing::ReadFile;
using vellix::testing::ScopedHome;
using vellix::testing::TempDir;

TEST(SettingsStoreTest, ValuesSurviveARoundTripThroughTheFile) {
  TempDir dir;
  SettingsStore store(dir.File("settings.ini"));
  store.SetString("Options", "File", "/home/ann/My Trees/Options;2.dat");
  store.SetString("History", "In1", "  leading and trailing blanks  ");
  store.SetString("History", "In2", "100% sure\nsecond line");
  store.SetInt("History", "Maximum", 9);

  SettingsStore reread(dir.File("settings.ini"));
  ASSERT_TRUE(reread.Load());
  EXPECT_EQ(reread.GetString("Options", "File"), "/home/ann/My Trees/Options;2.dat");
  EXPECT_EQ(reread.GetString("History", "In1"), "  leading and trailing blanks  ");
  EXPECT_EQ(reread.GetString("History", "In2"), "100% sure\nsecond line");
  EXPECT_EQ(reread.GetInt("History", "Maximum", 0), 9);
}

TEST(SettingsStoreTest, SectionsAndNamesCompareWithoutCaseAndKeepTheirOrder) {
  TempDir dir;
  SettingsStore store(dir.File("settings.ini"));
  store.SetString("Options", "File", "a");
  store.SetString("History", "Maximum", "9");
  store.SetString("options", "FILE", "b");
  EXPECT_EQ(store.GetString("OPTIONS", "file"), "b");
  EXPECT_EQ(ReadFile(dir.File("settings.ini")),
            "[Options]\nFile=b\n\n[History]\nMaximum=9\n");
}

TEST(SettingsStoreTest, MissingFileIsAnEmptyStoreAndRemoveDeletesAValue) {
  TempDir dir;
  SettingsStore store(dir.File("none.ini"));
  EXPECT_TRUE(store.Load());
  EXPECT_FALSE(store.Has("Options", "File"));
  EXPECT_EQ(store.GetInt("Options", "SortLogInd", 7), 7);
  store.SetString("History", "In3", "x");
  store.Remove("History", "In3");
  EXPECT_FALSE(store.Has("History", "In3"));
}

TEST(SettingsStoreTest, NonNumericIntegerFallsBack) {
  TempDir dir;
  SettingsStore store(dir.File("s.ini"));
  store.SetString("Options", "Alias", "yes");
  EXPECT_EQ(store.GetInt("Options", "Alias", 0), 0);
  store.SetString("Options", "Alias", "1");
  EXPECT_EQ(store.GetInt("Options", "Alias", 0), 1);
}

TEST(SupportFlagsTest, DecimalAndHexadecimalHalvesMustAgree) {
  SupportFlags flags;
  EXPECT_TRUE(DecodeSupportValue("16-10", &flags));
  EXPECT_EQ(flags.word, 16u);
  EXPECT_TRUE(flags.Has(1));
  EXPECT_FALSE(flags.Has(2));

  EXPECT_FALSE(DecodeSupportValue("16-16", &flags));
  EXPECT_EQ(flags.word, 16u) << "a rejected value leaves the word alone";
  EXPECT_FALSE(DecodeSupportValue("16", &flags));
  EXPECT_FALSE(DecodeSupportValue("-10", &flags));
  EXPECT_FALSE(DecodeSupportValue("16-", &flags));
  EXPECT_FALSE(DecodeSupportValue("1x-1", &flags));

  EXPECT_TRUE(DecodeSupportValue("", &flags));
  EXPECT_EQ(flags.word, 0u);
}

TEST(SupportFlagsTest, BitsFourToSevenAreFlagsOneTwoFourEight) {
  SupportFlags flags;
  ASSERT_TRUE(DecodeSupportValue("112-70", &flags));  // 0x70: bits 4, 5, 6
  EXPECT_TRUE(flags.Has(1));
  EXPECT_TRUE(flags.Has(2));
  EXPECT_TRUE(flags.Has(4));
  EXPECT_FALSE(flags.Has(8));
  ASSERT_TRUE(DecodeSupportValue("15-f", &flags));  // low bits are no flags
  EXPECT_FALSE(flags.Has(1) || flags.Has(2) || flags.Has(4) || flags.Has(8));
}

TEST(CurrentOptionSetPathTest, EmptyValueBecomesOptionsDatInTheApplicationFolder) {
  TempDir home;
  SettingsStore store(home.path() + "settings.ini");
  std::string path = CurrentOptionSetPath(store, home.path());
  EXPECT_EQ(path, home.path() + "Options.dat");
  SettingsStore reread(home.path() + "settings.ini");
  reread.Load();
  EXPECT_EQ(reread.GetString("Options", "File"), path) << "the default is written back";

  SetCurrentOptionSetPath(store, "/data/other.dat");
  EXPECT_EQ(CurrentOptionSetPath(store, home.path()), "/data/other.dat");
}

}  // namespace
}  // namespace vellix::platform
