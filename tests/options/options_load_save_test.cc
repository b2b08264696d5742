// Loading and saving the current option set file: creation, damage, wrong
// magic, the newer-version question and the once-per-load backup.
#include <gtest/gtest.h>

#include "options/current_option_set.h"
#include "options/file_image.h"
#include "options/options.h"
#include "platform/app_paths.h"
#include "platform/file_system.h"
#include "platform/settings_store.h"
#include "testing/test_support.h"

namespace vellix {
namespace {

using platform::MessageIcon;
using testing::ReadFile;

constexpr char kCreated[] =
    "Program options have been created and assigned default values.\n"
    "Please review or change these settings to suit your needs.\n\n";

class OptionFiles : public ::testing::Test {
 protected:
  // Makes `path` the current option set file through the application setting.
  void UseSetting(const std::string& path) {
    platform::SetCurrentOptionSetPath(settings_, path);
  }
  // The file, backup folder and prompter of the current option set.
  OptionFileContext File() const { return current_.file(); }
  std::string SettingPath() {
    return platform::CurrentOptionSetPath(settings_, home_.path());
  }

  std::string DefaultImage() {
    COptions defaults;
    return defaults.WriteToString();
  }

  testing::TempDir home_;
  testing::TempDir elsewhere_;
  testing::RecordingPrompter prompter_;
  platform::SettingsStore settings_{home_.path() + "settings.ini"};
  CurrentOptionSet current_{prompter_, settings_, home_.path()};
};

TEST_F(OptionFiles, DefaultPathIsOptionsDatInTheApplicationFolder) {
  EXPECT_EQ(current_.path(), home_.path() + "Options.dat");
}

TEST_F(OptionFiles, MissingFileIsCreatedWithDefaults) {
  const std::string path = elsewhere_.File("new.dat");
  UseSetting(path);
  COptions options;
  options.m_strDestFolder = "scratch";
  EXPECT_TRUE(options.LoadOptions(File()));
  EXPECT_EQ(options.m_strDestFolder, "");
  EXPECT_EQ(ReadFile(path), DefaultImage());
  ASSERT_EQ(prompter_.messages().size(), 1u);
  EXPECT_EQ(prompter_.messages()[0].icon, MessageIcon::kInformation);
  EXPECT_EQ(prompter_.messages()[0].text, kCreated);
  // The empty file created on the way is not worth a backup.
  EXPECT_FALSE(platform::FileExists(home_.path() + "new.old"));
}

TEST_F(OptionFiles, FileThatCannotBeCreatedIsReported) {
  const std::string path = elsewhere_.File("no-such-folder/x.dat");
  UseSetting(path);
  COptions options;
  EXPECT_FALSE(options.LoadOptions(File()));
  EXPECT_EQ(prompter_.Texts(),
            std::vector<std::string>{
                "Error loading " + path +
                "\n\nThis file is not accessible and was not loaded.\n"
                "Ensure you have specified the correct options set file."});
}

TEST_F(OptionFiles, HandBuiltFileLoadsWithoutMessages) {
  const std::string path = elsewhere_.Write("club.dat", testing::SampleImage(39, 39));
  UseSetting(path);
  COptions options;
  ASSERT_TRUE(options.LoadOptions(File()));
  testing::ExpectSamples(options, 39);
  EXPECT_TRUE(prompter_.messages().empty());
  EXPECT_FALSE(options.m_bBackupDone);
}

TEST_F(OptionFiles, WrongMagicLeavesFileAndMemoryAlone) {
  std::string image = testing::SampleImage(39, 39);
  image[5] = 'X';
  const std::string path = elsewhere_.Write("other.dat", image);
  UseSetting(path);
  COptions options;
  options.m_strDestFolder = "kept";
  EXPECT_FALSE(options.LoadOptions(File()));
  EXPECT_EQ(options.m_nLoadError, 1);
  EXPECT_EQ(options.m_strDestFolder, "kept");
  EXPECT_EQ(ReadFile(path), image);
  ASSERT_EQ(prompter_.messages().size(), 1u);
  EXPECT_EQ(prompter_.messages()[0].icon, MessageIcon::kStop);
  EXPECT_EQ(prompter_.messages()[0].text,
            path +
                "\n\nThis file is not a valid options set.\n"
                "Ensure you have specified the correct options set file.");
}

TEST_F(OptionFiles, DamagedFileIsKeptAsBackupAndRebuilt) {
  const std::string full = testing::SampleImage(39, 39);
  const std::string damaged = full.substr(0, full.size() / 2);
  const std::string path = elsewhere_.Write("club.dat", damaged);
  UseSetting(path);
  COptions options;
  EXPECT_TRUE(options.LoadOptions(File()));
  EXPECT_EQ(ReadFile(home_.path() + "club.old"), damaged);
  EXPECT_EQ(ReadFile(path), DefaultImage());
  EXPECT_EQ(options.m_strFilePrefix, "grp");
  EXPECT_EQ(prompter_.Texts(), std::vector<std::string>{kCreated});
}

TEST_F(OptionFiles, DamagedNewerFileIsRebuiltWithoutTheNewerQuestion) {
  const std::string path =
      elsewhere_.Write("club.dat", std::string("\x28\0\0\0LQP45G21\0\0\x01", 15));
  UseSetting(path);
  COptions options;
  EXPECT_TRUE(options.LoadOptions(File()));
  EXPECT_EQ(prompter_.Texts(), std::vector<std::string>{kCreated});
  EXPECT_EQ(ReadFile(path), DefaultImage());
}

TEST_F(OptionFiles, BackupIsMadeOncePerLoadFromTheContentBeforeTheFirstSave) {
  const std::string original = testing::SampleImage(39, 39);
  const std::string path = elsewhere_.Write("club.dat", original);
  const std::string backup = home_.path() + "club.old";
  UseSetting(path);
  COptions options;
  ASSERT_TRUE(options.LoadOptions(File()));
  EXPECT_FALSE(platform::FileExists(backup));
  options.m_strAuthor = "first";
  ASSERT_TRUE(options.SaveOptions(File()));
  EXPECT_EQ(ReadFile(backup), original);
  const std::string first_save = ReadFile(path);
  options.m_strAuthor = "second";
  ASSERT_TRUE(options.SaveOptions(File()));
  EXPECT_EQ(ReadFile(backup), original);
  // A new load allows the next backup.
  ASSERT_TRUE(options.LoadOptions(File()));
  EXPECT_EQ(options.m_strAuthor, "second");
  const std::string second_save = ReadFile(path);
  ASSERT_TRUE(options.SaveOptions(File()));
  EXPECT_EQ(ReadFile(backup), second_save);
  EXPECT_NE(first_save, second_save);
  EXPECT_TRUE(prompter_.messages().empty());
}

TEST_F(OptionFiles, NewerFileAsksBeforeSavingAndNoKeepsIt) {
  const std::string image = testing::SampleImage(40, 39) + "future";
  const std::string path = elsewhere_.Write("new.dat", image);
  UseSetting(path);
  COptions options;
  ASSERT_TRUE(options.LoadOptions(File()));
  EXPECT_EQ(options.m_nFileVersion, 40);
  prompter_.QueueAnswers({false});
  EXPECT_FALSE(options.SaveOptions(File()));
  EXPECT_EQ(ReadFile(path), image);
  EXPECT_FALSE(platform::FileExists(home_.path() + "new.old"));
  ASSERT_EQ(prompter_.messages().size(), 1u);
  EXPECT_TRUE(prompter_.messages()[0].question);
  EXPECT_EQ(prompter_.messages()[0].icon, MessageIcon::kQuestion);
  EXPECT_EQ(prompter_.messages()[0].text,
            path +
                "\n\nThis options set was created with a newer version of VELLIX.\n\n"
                "If you save now, some options may be reset to their default values.\n"
                "You should click \"No\" and run the newer VELLIX program\n"
                "to avoid losing the settings made with that newer version.\n\n"
                "Do you want to overwrite this options set with an older version?");
  // Nobody to ask: the default button is No.
  EXPECT_FALSE(options.SaveOptions(File()));
  prompter_.QueueAnswers({true});
  EXPECT_TRUE(options.SaveOptions(File()));
  EXPECT_EQ(ReadFile(path), testing::SampleImage(39, 39));
  EXPECT_EQ(options.m_nFileVersion, 39);
}

TEST_F(OptionFiles, UnwritableFileIsReportedAndNothingChanges) {
  const std::string path = elsewhere_.File("gone/x.dat");
  UseSetting(path);
  COptions options;
  options.m_nFileVersion = 37;
  EXPECT_FALSE(options.SaveOptions(File()));
  EXPECT_EQ(options.m_nFileVersion, 37);
  EXPECT_EQ(prompter_.Texts(),
            std::vector<std::string>{
                "Error saving " + path +
                "\n\nThis file is not accessible and was not saved.\n"
                "Ensure you have specified the correct options set file."});
}

TEST_F(OptionFiles, GreekAndPolishLabelsSurviveSaveAndLoad) {
  const std::string path = elsewhere_.File("intl.dat");
  UseSetting(path);
  COptions options;
  options.m_strLblMarried = "\xCE\x93\xCE\xAC\xCE\xBC\xCE\xBF\xCF\x82";  // Γάμος
  options.SetFactLabel(5, "Pochowany w \xC5\x81odzi");                   // Łodzi
  options.m_strDestFolder = "/home/zo\xC3\xAB/site";  // zoë, fits Windows-1252
  ASSERT_TRUE(options.SaveOptions(File()));
  COptions read;
  ASSERT_TRUE(read.LoadOptions(File()));
  EXPECT_EQ(read.GetFactLabel(59), "\xCE\x93\xCE\xAC\xCE\xBC\xCE\xBF\xCF\x82");
  EXPECT_EQ(read.GetFactLabel(5), "Pochowany w \xC5\x81odzi");
  EXPECT_EQ(read.m_strDestFolder, "\\home\\zo\xC3\xAB\\site");
  EXPECT_NE(ReadFile(path).find("\\home\\zo\xEB\\site"), std::string::npos);
}

TEST_F(OptionFiles, CurrentSetIsCreatedOnFirstUse) {
  const std::string path = elsewhere_.File("current.dat");
  UseSetting(path);
  COptions* current = &current_.options();
  EXPECT_EQ(&current_.options(), current);
  EXPECT_TRUE(platform::FileExists(path));
  EXPECT_EQ(prompter_.Texts(), std::vector<std::string>{kCreated});
  CurrentOptionSet again(prompter_, settings_, home_.path());
  EXPECT_EQ(again.options().m_nFileVersion, 39);
}

TEST_F(OptionFiles, ARunCanUseAnotherFileWithoutTouchingTheSetting) {
  const std::string setting = elsewhere_.Write("main.dat", DefaultImage());
  const std::string other = elsewhere_.Write("other.dat", testing::SampleImage(39, 39));
  UseSetting(setting);
  EXPECT_EQ(current_.options().m_strFilePrefix, "grp");
  ASSERT_TRUE(current_.UseFileForThisRun(other));
  EXPECT_EQ(current_.path(), other);
  testing::ExpectSamples(current_.options(), 39);
  EXPECT_EQ(SettingPath(), setting);
  ASSERT_TRUE(current_.UseFileForThisRun(""));
  EXPECT_EQ(current_.path(), setting);
  EXPECT_EQ(current_.options().m_strFilePrefix, "grp");
}

TEST_F(OptionFiles, ARunRefusesAMissingFile) {
  const std::string missing = elsewhere_.File("missing.dat");
  EXPECT_FALSE(current_.UseFileForThisRun(missing));
  EXPECT_FALSE(platform::FileExists(missing));
  EXPECT_EQ(prompter_.Texts(),
            std::vector<std::string>{
                missing + "\n\nThis file does not exist.\nPlease check the file name "
                          "and try again."});
}

TEST_F(OptionFiles, SwitchingOffersToSaveThenLoadsTheOtherSet) {
  const std::string main = elsewhere_.Write("main.dat", DefaultImage());
  const std::string other = elsewhere_.Write("other.dat", testing::SampleImage(39, 39));
  UseSetting(main);
  current_.options().m_strAuthor = "unsaved edit";
  prompter_.QueueAnswers({true});
  ASSERT_TRUE(current_.Switch(other, false));
  EXPECT_EQ(prompter_.Texts(),
            (std::vector<std::string>{
                main + "\n\nDo you want to save your current option settings?",
                "Your current settings were saved."}));
  COptions saved;
  ASSERT_TRUE(saved.ReadFrom(ReadFile(main)));
  EXPECT_EQ(saved.m_strAuthor, "unsaved edit");
  EXPECT_EQ(SettingPath(), other);
  testing::ExpectSamples(current_.options(), 39);
}

TEST_F(OptionFiles, SwitchingWithoutSavingLeavesTheOldFile) {
  const std::string main = elsewhere_.Write("main.dat", DefaultImage());
  const std::string other = elsewhere_.Write("other.dat", DefaultImage());
  UseSetting(main);
  current_.options().m_strAuthor = "dropped";
  ASSERT_TRUE(current_.Switch(other, false));  // default answer: No
  EXPECT_EQ(ReadFile(main), DefaultImage());
  EXPECT_EQ(current_.options().m_strAuthor, "");
}

TEST_F(OptionFiles, SwitchingRefusesAForeignFileBeforeChangingAnything) {
  const std::string main = elsewhere_.Write("main.dat", testing::SampleImage(39, 39));
  const std::string foreign = elsewhere_.Write("notes.dat", "not an option set at all");
  UseSetting(main);
  current_.options();
  EXPECT_FALSE(current_.Switch(foreign, false));
  EXPECT_EQ(ReadFile(foreign), "not an option set at all");
  EXPECT_EQ(SettingPath(), main);
  testing::ExpectSamples(current_.options(), 39);
  EXPECT_EQ(prompter_.Texts(),
            std::vector<std::string>{
                foreign + "\n\nThis file is not a valid options set.\n"
                          "Ensure you have specified the correct options set file."});
}

TEST_F(OptionFiles, ANewSetIsCreatedWithDefaultsAndAnExistingOneRefused) {
  const std::string main = elsewhere_.Write("main.dat", testing::SampleImage(39, 39));
  UseSetting(main);
  const std::string fresh = elsewhere_.File("fresh.dat");
  ASSERT_TRUE(current_.Switch(fresh, true));
  EXPECT_EQ(ReadFile(fresh), DefaultImage());
  EXPECT_EQ(current_.options().m_strFilePrefix, "grp");
  EXPECT_EQ(current_.options().m_indivAttributes.size(), 0u);
  EXPECT_EQ(prompter_.Texts().back(), kCreated);
  EXPECT_FALSE(current_.Switch(main, true));
  EXPECT_EQ(SettingPath(), fresh);
  EXPECT_FALSE(current_.Switch(elsewhere_.File("none/x.dat"), true));
  EXPECT_EQ(SettingPath(), fresh);
}

}  // namespace
}  // namespace vellix
