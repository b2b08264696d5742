// Replacing a file's content through a temporary file beside it.
#include "platform/replace_file.h"

#include <dirent.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "testing/test_support.h"

namespace vellix::platform {
namespace {

using testing::ReadFile;
using testing::TempDir;

int EntriesIn(const std::string& folder) {
  int count = 0;
  DIR* dir = opendir(folder.c_str());
  while (dirent* entry = readdir(dir)) {
    if (entry->d_name[0] != '.' || entry->d_name[1] > '.') ++count;
  }
  closedir(dir);
  return count;
}

TEST(ReplaceFile, WritesNewAndReplacesOldKeepingTheMode) {
  TempDir dir;
  const std::string path = dir.File("options.ini");
  ASSERT_TRUE(ReplaceFileContents(path, "first\n"));
  EXPECT_EQ(ReadFile(path), "first\n");
  chmod(path.c_str(), 0640);
  ASSERT_TRUE(ReplaceFileContents(path, "second\n"));
  EXPECT_EQ(ReadFile(path), "second\n");
  struct stat st;
  ASSERT_EQ(stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  EXPECT_EQ(EntriesIn(dir.path()), 1) << "no temporary file is left behind";
}

TEST(ReplaceFile, FailuresNameThePathAndLeaveNothing) {
  TempDir dir;
  std::string error;
  EXPECT_FALSE(ReplaceFileContents(dir.File("missing/x.ini"), "x", &error));
  EXPECT_EQ(error.rfind(dir.File("missing/x.ini") + ": ", 0), 0u) << error;
  EXPECT_FALSE(ReplaceFileContents(dir.path() + ".", "x", &error));
  EXPECT_EQ(EntriesIn(dir.path()), 0);
}

}  // namespace
}  // namespace vellix::platform
