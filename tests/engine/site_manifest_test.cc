#include "engine/site_manifest.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "testing/test_environment.h"
#include "testing/test_support.h"

namespace vellix {
namespace {

namespace fs = std::filesystem;
using Paths = std::vector<std::string>;

TEST(ManifestTextTest, SortedWithoutRepeatsAndReadBack) {
  const std::string text = ManifestText({"grpf2.html", "grpf1.html", "grpf2.html"});
  EXPECT_EQ(text, "# VELLIX site manifest 1\ngrpf1.html\ngrpf2.html\n");
  EXPECT_EQ(ParseManifest(text), (Paths{"grpf1.html", "grpf2.html"}));
}

// The manifest lies in the user's folder and anyone may have edited it: a
// line that could lead out of the folder is not even read.
TEST(ManifestTextTest, LinesThatLeaveTheFolderAreDropped) {
  const std::string text =
      "# VELLIX site manifest 1\r\n"
      "grpf1.html\r\n"
      "../../home/user/.bashrc\n"
      "/etc/passwd\n"
      "media/../../x\n"
      "\n"
      "media/thumb/a.jpg\n"
      "C:\\Windows\\win.ini\n"
      "last-line-without-end";
  EXPECT_EQ(ParseManifest(text),
            (Paths{"grpf1.html", "media/thumb/a.jpg", "last-line-without-end"}));
}

TEST(PathBelowTest, RelativeFormsOfFilesInTheFolder) {
  struct Case {
    const char* path;
    const char* relative;
  };
  for (const Case& c :
       {Case{"/site/grpf1.html", "grpf1.html"},
        Case{"/site//media/./a.jpg", "media/a.jpg"}, Case{"/site/../etc/passwd", ""},
        Case{"/other/x.html", ""}, Case{"/site/", ""}, Case{"/site/a/../../x", ""},
        Case{"/site/media/./b.jpg", "media/b.jpg"}, Case{"/site/a/", ""},
        Case{"/sitex/y.html", ""}}) {
    EXPECT_EQ(PathBelow("/site/", c.path), c.relative) << c.path;
  }
  // Folders that are not in their normal form are normalised first.
  struct FolderCase {
    const char* dest;
    const char* path;
    const char* relative;
  };
  for (const FolderCase& c :
       {FolderCase{"/a/./site/", "/a/./site/x.html", "x.html"},
        FolderCase{"/a/b/../site/", "/a/b/../site/x.html", "x.html"},
        FolderCase{"/a/b/../site/", "/a/site/x.html", "x.html"},
        FolderCase{"/a//site/", "/a//site/m/x.html", "m/x.html"},
        FolderCase{"site/", "site/x.html", "x.html"},
        FolderCase{"/", "/x/y.html", "x/y.html"}}) {
    EXPECT_EQ(PathBelow(c.dest, c.path), c.relative) << c.dest << " " << c.path;
  }
}

// A destination folder with the pages of an earlier run, a file of the
// user's own, and links pointing out of it; this run wrote grpf1.html.
class SiteManifestTest : public ::testing::Test {
 protected:
  SiteManifestTest() {
    site_ = dir_.File("site/");
    fs::create_directories(site_ + "media");
    fs::create_directories(dir_.File("outside"));
    for (const char* name :
         {"grpf1.html", "grpf2.html", "grpoi7.html", "media/x.html", "mine.html"}) {
      platform::WriteWholeFile(site_ + name, name);
    }
    platform::WriteWholeFile(dir_.File("outside/keep.txt"), "keep");
    fs::create_symlink(dir_.File("outside/keep.txt"), site_ + "link.html");
    fs::create_directory_symlink(dir_.File("outside"), site_ + "out");
    platform::WriteWholeFile(
        site_ + kManifestFileName,
        ManifestText({"grpf1.html", "grpf2.html", "grpoi7.html", "media/x.html",
                      "link.html", "out/keep.txt", "gone.html"}) +
            "../outside/keep.txt\n");
    statistics_.RecordSiteFile(site_ + "grpf1.html");
    statistics_.RecordSiteFile(dir_.File("elsewhere.html"));  // not in the site
  }

  bool Exists(const std::string& name) { return fs::exists(site_ + name); }
  Paths Listed() { return ParseManifest(testing::ReadFile(site_ + kManifestFileName)); }

  testing::TestEnvironment test_env_;
  testing::TempDir dir_;
  std::string site_;
  RunStatistics statistics_;
};

TEST_F(SiteManifestTest, AWholeSiteRemovesWhatTheEarlierRunWroteAndNothingElse) {
  UpdateSiteManifest(test_env_.env, site_, statistics_, StaleFiles::kRemove);
  EXPECT_EQ(statistics_.staleFilesRemoved, 3);
  EXPECT_EQ(statistics_.staleFilesKept, 0);
  for (const char* name : {"grpf2.html", "grpoi7.html", "media/x.html"}) {
    EXPECT_FALSE(Exists(name)) << name;
  }
  for (const char* name : {"grpf1.html", "mine.html", "link.html", "media"}) {
    EXPECT_TRUE(Exists(name)) << name;
  }
  EXPECT_EQ(testing::ReadFile(dir_.File("outside/keep.txt")), "keep");
  EXPECT_EQ(Listed(), (Paths{"grpf1.html"}));
  EXPECT_EQ(test_env_.env.warnings().GetTotal(), 0);
}

TEST_F(SiteManifestTest, KeptOrPartialRunsLeaveTheFilesAndKeepListingThem) {
  struct Case {
    StaleFiles stale;
    int kept;
  };
  for (const Case& c : {Case{StaleFiles::kKeep, 3}, Case{StaleFiles::kPartOfSite, 0}}) {
    RunStatistics statistics = statistics_;
    UpdateSiteManifest(test_env_.env, site_, statistics, c.stale);
    EXPECT_EQ(statistics.staleFilesRemoved, 0);
    EXPECT_EQ(statistics.staleFilesKept, c.kept);
    for (const char* name : {"grpf2.html", "grpoi7.html", "media/x.html"}) {
      EXPECT_TRUE(Exists(name)) << name;
    }
    // Files still there stay listed, so a later whole run can remove them;
    // the missing one and those reached through links are forgotten.
    EXPECT_EQ(Listed(),
              (Paths{"grpf1.html", "grpf2.html", "grpoi7.html", "media/x.html"}));
  }
}

TEST_F(SiteManifestTest, WithoutAnEarlierManifestNothingIsRemoved) {
  fs::remove(site_ + kManifestFileName);
  UpdateSiteManifest(test_env_.env, site_, statistics_, StaleFiles::kRemove);
  EXPECT_EQ(statistics_.staleFilesRemoved, 0);
  for (const char* name : {"grpf2.html", "grpoi7.html", "media/x.html", "mine.html"}) {
    EXPECT_TRUE(Exists(name)) << name;
  }
  EXPECT_EQ(Listed(), (Paths{"grpf1.html"}));
}

}  // namespace
}  // namespace vellix
