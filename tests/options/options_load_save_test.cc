// Loading and saving the current option set file: creation, damage, wrong
// magic, the newer-version question and the once-per-load backup.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <filesystem>

#include "options/current_option_set.h"
#include "options/file_image.h"
#include "options/options.h"
#include "platform/app_paths.h"
#include "platform/file_system.h"
#include "platform/settings_store.h"
#include "testing/full_disk.h"
#include "testing/test_support.h"

namespace vellix {
namespace {

using platform::MessageIcon;
using testing::ReadFile;

constexpr char kCreated[] =
    "Program options have been created and assigned default values.\n"
    "Please review or change these settings to suit your needs.\n\n";

void WriteAt(const std::string& path, const std::string& content) {
  ASSERT_TRUE(platform::WriteWholeFile(path, content));
}

int EntriesIn(const std::string& folder) {
  int count = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) {
    ++count;
  }
  return count;
}

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

std::string DamagedMessage(const std::string& path, const std::string& kept) {
  return "the option set " + path + " is damaged; it was kept as " + kept +
         " and defaults are used";
}

TEST_F(OptionFiles, DamagedFileIsKeptAsDamagedAndRebuiltLeavingTheBackup) {
  const std::string full = testing::SampleImage(39, 39);
  const std::string damaged = full.substr(0, full.size() / 2);
  const std::string path = elsewhere_.Write("club.dat", damaged);
  const std::string backup = home_.Write("club.old", full);
  UseSetting(path);
  COptions options;
  EXPECT_TRUE(options.LoadOptions(File()));
  EXPECT_EQ(ReadFile(path + ".damaged"), damaged);
  EXPECT_EQ(ReadFile(backup), full);
  EXPECT_EQ(ReadFile(path), DefaultImage());
  EXPECT_EQ(options.m_strFilePrefix, "grp");
  EXPECT_EQ(prompter_.Texts(), (std::vector<std::string>{
                                   DamagedMessage(path, path + ".damaged"), kCreated}));
  // A second damage keeps the first damaged file too.
  WriteAt(path, damaged);
  COptions again;
  EXPECT_TRUE(again.LoadOptions(File()));
  EXPECT_EQ(ReadFile(path + ".damaged-2"), damaged);
  EXPECT_EQ(ReadFile(path + ".damaged"), damaged);
}

TEST_F(OptionFiles, DamagedNewerFileIsRebuiltWithoutTheNewerQuestion) {
  const std::string path =
      elsewhere_.Write("club.dat", std::string("\x28\0\0\0LQP45G21\0\0\x01", 15));
  UseSetting(path);
  COptions options;
  EXPECT_TRUE(options.LoadOptions(File()));
  EXPECT_EQ(prompter_.Texts(), (std::vector<std::string>{
                                   DamagedMessage(path, path + ".damaged"), kCreated}));
  EXPECT_EQ(ReadFile(path), DefaultImage());
}

// A file that exists, is not empty and holds no option set is never rebuilt:
// `vellix generate --options todo.txt` must not turn a text into options.
TEST_F(OptionFiles, FileOfAnotherKindIsRefusedAndLeftAlone) {
  const std::string header = testing::SampleImage(39, 39).substr(0, 14);
  const struct {
    const char* name;
    std::string content;
  } cases[] = {
      {"text", "todo: milk\n"},
      {"three bytes", "abc"},
      {"version only", header.substr(0, 4)},
      {"wrong magic start", header.substr(0, 4) + "LQX"},
      {"long text", std::string(5000, 'x')},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    prompter_.Clear();
    const std::string path = elsewhere_.Write("todo.txt", c.content);
    UseSetting(path);
    COptions options;
    options.m_strAuthor = "kept";
    EXPECT_FALSE(options.LoadOptions(File()));
    EXPECT_EQ(options.m_nLoadError, 1);
    EXPECT_EQ(options.m_strAuthor, "kept");
    EXPECT_EQ(ReadFile(path), c.content);
    EXPECT_FALSE(platform::FileExists(path + ".damaged"));
    EXPECT_FALSE(platform::FileExists(home_.path() + "todo.old"));
    EXPECT_EQ(prompter_.Texts(),
              std::vector<std::string>{
                  path + "\n\nThis file is not a valid options set.\n"
                         "Ensure you have specified the correct options set file."});
  }
}

// However a real option set file is cut short (a save that stopped half-way
// in an older version, a copy that broke off), the good backup survives the
// load and the save that follow, and the cut file is kept.
TEST_F(OptionFiles, EveryTruncationKeepsTheGoodBackup) {
  COptions custom;
  custom.m_strAuthor = "Zofia";
  custom.m_strDestFolder = "\\home\\zofia\\site";
  const std::string good = custom.WriteToString();
  testing::TempDir folder(testing::TempDir::Storage::kMemoryWhenAvailable);
  const std::string path = folder.File("club.dat");
  const std::string backup = folder.File("club.old");
  testing::UnflushedWriter fast;
  platform::LocalFileAccess files(fast);
  // The record of backups kept in memory only (its file's folder does not
  // exist): thousands of flushed settings files would be all the test does.
  platform::SettingsStore backups(elsewhere_.File("none/settings.ini"));
  const OptionFileContext file{path, folder.path(), prompter_, &files, &backups};
  for (size_t length = 1; length < good.size(); ++length) {
    WriteAt(backup, good);
    WriteAt(path, good.substr(0, length));
    std::remove((path + ".damaged").c_str());
    COptions loaded;
    loaded.LoadOptions(file);
    loaded.m_strAuthor = "edited after";
    loaded.SaveOptions(file);
    // The next session's first save (a sample of the lengths, for time).
    if (length % 16 == 0) {
      COptions next;
      next.LoadOptions(file);
      next.SaveOptions(file);
    }
    ASSERT_EQ(ReadFile(backup), good) << "cut at " << length;
    if (loaded.m_nLoadError == 0) {
      ASSERT_EQ(ReadFile(path + ".damaged"), good.substr(0, length))
          << "cut at " << length;
    } else {
      ASSERT_EQ(ReadFile(path), good.substr(0, length)) << "cut at " << length;
    }
  }
}

// The disk fills up while the option set is saved: whatever the point, the
// file keeps its previous content and nothing else is left in its folder.
TEST_F(OptionFiles, FullDiskDuringSaveLeavesThePreviousFile) {
  const std::string original = testing::SampleImage(39, 39);
  const std::string path = elsewhere_.Write("club.dat", original);
  COptions changed;
  const size_t size = changed.WriteToString().size();
  for (size_t room = 0; room < size; room += 97) {
    SCOPED_TRACE(room);
    prompter_.Clear();
    testing::FullDiskWriter disk(room);
    platform::LocalFileAccess files(disk);
    OptionFileContext file{path, home_.path(), prompter_, &files};
    changed.m_bBackupDone = true;
    EXPECT_FALSE(changed.SaveOptions(file));
    EXPECT_EQ(ReadFile(path), original);
    EXPECT_EQ(EntriesIn(elsewhere_.path()), 1);
    EXPECT_EQ(prompter_.Texts().size(), 1u);
  }
  testing::FullDiskWriter failing_flush(size * 2, testing::Flush::kFails);
  platform::LocalFileAccess files(failing_flush);
  EXPECT_FALSE(changed.SaveOptions({path, home_.path(), prompter_, &files}));
  EXPECT_EQ(ReadFile(path), original);
}

// Two option sets of one name in different folders share the backup name;
// neither's backup replaces the other's.
TEST_F(OptionFiles, BackupOfAnotherFileIsNeverReplaced) {
  const std::string first = elsewhere_.Write("club.dat", testing::SampleImage(39, 39));
  testing::TempDir other;
  const std::string second = other.Write("club.dat", DefaultImage());
  for (const std::string& path : {first, second, first, second}) {
    UseSetting(path);
    CurrentOptionSet current(prompter_, settings_, home_.path());
    current.options().m_strAuthor += "+";
    ASSERT_TRUE(current.Save());
  }
  // Each backup holds its own file as it was before its last save.
  COptions in_first, in_second;
  ASSERT_TRUE(in_first.ReadFrom(ReadFile(home_.path() + "club.old")));
  ASSERT_TRUE(in_second.ReadFrom(ReadFile(home_.path() + "club-2.old")));
  COptions sample;
  ASSERT_TRUE(sample.ReadFrom(testing::SampleImage(39, 39)));
  EXPECT_EQ(in_first.m_strAuthor, sample.m_strAuthor + "+");
  EXPECT_EQ(in_second.m_strAuthor, "+");
  // A backup nobody recorded (left by an older version) is kept as well.
  const std::string third = other.Write("solo.dat", DefaultImage());
  home_.Write("solo.old", "an old backup");
  UseSetting(third);
  CurrentOptionSet current(prompter_, settings_, home_.path());
  ASSERT_TRUE(current.Save());
  EXPECT_EQ(ReadFile(home_.path() + "solo.old"), "an old backup");
  EXPECT_EQ(ReadFile(home_.path() + "solo-2.old"), DefaultImage());
}

TEST_F(OptionFiles, UnreadableFileIsNotRebuilt) {
  const std::string path = elsewhere_.File("pipe.dat");
  ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
  UseSetting(path);
  COptions options;
  EXPECT_FALSE(options.LoadOptions(File()));
  EXPECT_EQ(options.m_nLoadError, 1);
  EXPECT_TRUE(platform::FileExists(path));
  EXPECT_FALSE(platform::IsRegularFile(path));
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

TEST_F(OptionFiles, SwitchingBeforeTheCurrentSetIsLoadedNeitherReadsNorOffersIt) {
  const std::string main = elsewhere_.File("main.dat");  // not there yet
  const std::string other = elsewhere_.Write("other.dat", testing::SampleImage(39, 39));
  UseSetting(main);
  ASSERT_TRUE(current_.Switch(other, false));
  EXPECT_EQ(prompter_.Texts(), std::vector<std::string>{});
  EXPECT_FALSE(std::filesystem::exists(main));
  EXPECT_EQ(SettingPath(), other);
  testing::ExpectSamples(current_.options(), 39);
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
