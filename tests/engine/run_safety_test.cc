// A run never reports success when its pages did not reach the disk, never
// waits on an input that is not a regular file, and never starts with a
// stored setting that would write outside the destination or into the
// style sheet.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "engine/generator.h"
#include "engine/site_phases.h"
#include "options/options.h"
#include "platform/file_access.h"
#include "platform/file_system.h"
#include "platform/settings_store.h"
#include "run/run_environment.h"
#include "testing/full_disk.h"
#include "testing/test_support.h"

namespace vellix {
namespace {

using testing::ReadFile;
using testing::TempDir;

constexpr char kTree[] =
    "0 HEAD\n1 GEDC\n2 VERS 5.5\n1 CHAR UTF-8\n"
    "0 @I1@ INDI\n1 NAME Adam /Smith/\n1 FAMS @F1@\n"
    "0 @I2@ INDI\n1 NAME Eve /Jones/\n1 FAMS @F1@\n"
    "0 @I11@ INDI\n1 NAME Lone /Wolf/\n"
    "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n0 TRLR\n";

// A whole run with the real page writers, on a disk with `room` bytes left.
class RunSafety : public ::testing::Test {
 protected:
  RunSafety() {
    options_.SetDefaults();
    options_.m_strGedcomFile = platform::StoredPath(dir_.Write("tree.ged", kTree));
    platform::CreateFolders(dir_.File("site"));
    options_.m_strDestFolder = platform::StoredPath(dir_.File("site/"));
  }

  RunOutcome Run(platform::FileAccess& files) {
    RunEnvironment env(prompter_, view_, clock_, files, settings_, home_.path());
    Generator generator(env, std::make_unique<SitePhases>());
    RunOutcome outcome =
        generator.Generate(GenerateMode::kAll, options_, home_.path() + "Options.dat");
    const std::string list = home_.path() + "warnings.txt";
    warnings_ = platform::FileExists(list) ? ReadFile(list) : std::string();
    return outcome;
  }

  RunOutcome Run() {
    platform::LocalFileAccess files;
    return Run(files);
  }

  TempDir home_;
  TempDir dir_;
  testing::RecordingPrompter prompter_;
  platform::NullProgressView view_;
  platform::FixedClock clock_{platform::SystemClock().NowNanos()};
  platform::SettingsStore settings_{home_.path() + "settings.ini"};
  COptions options_;
  std::string warnings_;
};

TEST_F(RunSafety, PagesThatCannotBeWrittenMakeTheRunFail) {
  for (size_t room : {size_t{0}, size_t{1500}}) {
    SCOPED_TRACE(room);
    testing::FullDiskWriter disk(room);
    platform::LocalFileAccess files(disk);
    const RunOutcome outcome = Run(files);
    EXPECT_TRUE(outcome.started);
    EXPECT_GT(outcome.files_not_written, 0);
    EXPECT_EQ(outcome.status_line,
              "\nWeb page generation FAILED.\n" +
                  std::to_string(outcome.files_not_written) +
                  " files could not be written; the warnings name them.");
    // The warnings name the pages with the folder's own separators.
    EXPECT_NE(warnings_.find("1,'" + dir_.File("site/grpf1.html") + "'"),
              std::string::npos)
        << warnings_;
    EXPECT_EQ(warnings_.find('\\'), std::string::npos) << warnings_;
  }
  const RunOutcome written = Run();
  EXPECT_EQ(written.files_not_written, 0);
  EXPECT_EQ(written.status_line.rfind("Web page generation complete.", 0), 0u);
}

// Only a run whose every page reached the disk may take the pages of an
// earlier run for stale: a run on a full disk removes nothing, the next
// whole run removes the page of the person no longer in the tree.
TEST_F(RunSafety, ARunWhosePagesFailedRemovesNoStalePage) {
  ASSERT_EQ(Run().files_not_written, 0);
  const std::string lone_page = dir_.File("site/grpoi11.html");
  ASSERT_TRUE(platform::FileExists(lone_page));
  std::string tree = kTree;
  tree.erase(tree.find("0 @I11@"), tree.find("0 @F1@") - tree.find("0 @I11@"));
  options_.m_strGedcomFile = platform::StoredPath(dir_.Write("tree.ged", tree));

  testing::FullDiskWriter disk(1500);
  platform::LocalFileAccess full(disk);
  const RunOutcome failed = Run(full);
  EXPECT_GT(failed.files_not_written, 0);
  EXPECT_EQ(failed.stale_files_removed, 0);
  EXPECT_TRUE(platform::FileExists(lone_page));

  const RunOutcome whole = Run();
  EXPECT_EQ(whole.files_not_written, 0);
  EXPECT_EQ(whole.stale_files_removed, 1);
  EXPECT_FALSE(platform::FileExists(lone_page));
}

// The page of a person outside every family is "grpoi11.html"; the warning
// about it must link there, not to a family page "grpi11.html".
TEST_F(RunSafety, WarningAboutAPersonOutsideFamiliesLinksToHisPage) {
  testing::FullDiskWriter disk(0);
  platform::LocalFileAccess files(disk);
  Run(files);
  const std::string line = "1,'" + dir_.File("site/grpoi11.html") + "' (<a href=\"";
  const size_t at = warnings_.find(line);
  ASSERT_NE(at, std::string::npos) << warnings_;
  const size_t end = warnings_.find('\n', at);
  const std::string rest = warnings_.substr(at + line.size(), end - at - line.size());
  EXPECT_NE(rest.find("grpoi11.html\">oI11</a>)."), std::string::npos) << rest;
}

TEST_F(RunSafety, InputThatIsNotARegularFileIsRefused) {
  const std::string pipe = dir_.File("pipe.ged");
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  options_.m_strGedcomFile = platform::StoredPath(pipe);
  EXPECT_FALSE(Run().started);
  EXPECT_EQ(prompter_.Texts().back(),
            pipe +
                "\n\nThis GEDCOM input file does not exist or is not accessible.\n\n"
                "Click \"Options\" to verify the file name is correct.");
}

// Stored settings that the option commands refuse (an option set from
// elsewhere or from an older version may still hold them) stop the run
// before anything is written.
TEST_F(RunSafety, StoredSettingsThatLeaveTheDestinationStopTheRun) {
  const struct {
    std::string COptions::*member;
    const char* value;
    const char* caption_and_key;
  } cases[] = {
      {&COptions::m_strFilePrefix, "..\\esc", "\"File Prefix\" (strFilePrefix)"},
      {&COptions::m_strFileExt, ".html\\..\\..\\x", "\"File Extension\" (strFileExt)"},
      {&COptions::m_strAltSurnameFile, "..\\..\\alt.html",
       "\"Alternate file name\" (strAltSurnameFile)"},
      {&COptions::m_strMediaDestFolder, "\\home\\me",
       "\"Relative destination folder path for multimedia files\" (strMediaDestFolder)"},
      {&COptions::m_strTextColor, "zz;}body{display:none",
       "\"Color Code\" (strTextColor)"},
  };
  options_.m_bAltSurnameFile = true;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    COptions saved = options_;
    options_.*c.member = c.value;
    EXPECT_FALSE(Run().started);
    const std::string text = prompter_.Texts().back();
    EXPECT_EQ(text.rfind(std::string("The option ") + c.caption_and_key + " holds \"" +
                             c.value + "\", which ",
                         0),
              0u)
        << text;
    EXPECT_TRUE(text.ends_with(".\n\nClick \"Options\" to correct it.")) << text;
    EXPECT_TRUE(std::filesystem::is_empty(dir_.File("site")));
    options_ = saved;
  }
  // The alternate file name matters only when it is used.
  options_.m_bAltSurnameFile = false;
  options_.m_strAltSurnameFile = "..\\..\\alt.html";
  EXPECT_TRUE(Run().started);
}

}  // namespace
}  // namespace vellix
