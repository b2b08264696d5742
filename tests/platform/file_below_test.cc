#include "platform/file_below.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "platform/file_system.h"
#include "testing/test_support.h"

namespace vellix::platform {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

TEST(FileBelowTest, OnlyPathsThatStayInsideAreBelow) {
  struct Case {
    std::string path;
    bool below;
  };
  for (const Case& c :
       {Case{"grpf1.html", true}, Case{"media/thumb/a.jpg", true},
        Case{".vellix-manifest", true}, Case{"a..b", true}, Case{"", false},
        Case{"/etc/passwd", false}, Case{"../x.html", false}, Case{"a/../../x", false},
        Case{"a/./b", false}, Case{".", false}, Case{"a//b", false}, Case{"a/", false},
        Case{"a\\..\\b", false}, Case{std::string("a\0b", 3), false},
        Case{"a\nb", false}}) {
    EXPECT_EQ(IsPathBelow(c.path), c.below) << c.path;
  }
}

// A run removes stale pages by the paths its manifest lists; whatever the
// manifest says, nothing outside the folder may go, and no link is followed.
class RemoveFileBelowTest : public ::testing::Test {
 protected:
  RemoveFileBelowTest() {
    site_ = dir_.File("site");
    outside_ = dir_.File("outside");
    fs::create_directories(site_ + "/sub");
    fs::create_directories(outside_);
    WriteWholeFile(site_ + "/page.html", "p");
    WriteWholeFile(site_ + "/sub/deep.html", "d");
    WriteWholeFile(outside_ + "/precious.txt", "keep me");
    fs::create_symlink(outside_ + "/precious.txt", site_ + "/link.html");
    fs::create_directory_symlink(outside_, site_ + "/linked");
  }

  TempDir dir_;
  std::string site_;
  std::string outside_;
};

TEST_F(RemoveFileBelowTest, RemovesRegularFilesAndRefusesEverythingElse) {
  struct Case {
    const char* path;
    RemoveResult result;
  };
  for (const Case& c : {Case{"page.html", RemoveResult::kRemoved},
                        Case{"page.html", RemoveResult::kMissing},
                        Case{"sub/deep.html", RemoveResult::kRemoved},
                        Case{"nothing/here.html", RemoveResult::kMissing},
                        Case{"link.html", RemoveResult::kRefused},
                        Case{"linked/precious.txt", RemoveResult::kRefused},
                        Case{"../outside/precious.txt", RemoveResult::kRefused},
                        Case{"sub", RemoveResult::kRefused},
                        Case{"page.html/x", RemoveResult::kMissing}}) {
    EXPECT_EQ(RemoveFileBelow(site_, c.path), c.result) << c.path;
  }
  EXPECT_FALSE(fs::exists(site_ + "/page.html"));
  EXPECT_FALSE(fs::exists(site_ + "/sub/deep.html"));
  EXPECT_TRUE(fs::is_symlink(site_ + "/link.html"));
  EXPECT_EQ(testing::ReadFile(outside_ + "/precious.txt"), "keep me");
  // An absolute path to the outside file is refused too.
  EXPECT_EQ(RemoveFileBelow(site_, outside_ + "/precious.txt"), RemoveResult::kRefused);
  EXPECT_TRUE(fs::exists(outside_ + "/precious.txt"));
}

}  // namespace
}  // namespace vellix::platform
