#include "platform/file_system.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include "platform/app_paths.h"
#include "testing/test_support.h"

namespace vellix::platform {
namespace {

using vellix::testing::ScopedHome;
using vellix::testing::TempDir;

TEST(PathFormTest, StoredAndNativeFormsSwapSlashes) {
  EXPECT_EQ(NativePath("\\home\\ann\\tree.ged"), "/home/ann/tree.ged");
  EXPECT_EQ(StoredPath("/home/ann/tree.ged"), "\\home\\ann\\tree.ged");
  EXPECT_EQ(NativePath(StoredPath("/a b/ç/x.ged")), "/a b/ç/x.ged");
}

TEST(PathFormTest, AbsolutePathsStartWithASlashOrHoldADriveColon) {
  EXPECT_TRUE(IsAbsolutePath("\\web"));
  EXPECT_TRUE(IsAbsolutePath("/web"));
  EXPECT_TRUE(IsAbsolutePath("C:\\web"));
  EXPECT_FALSE(IsAbsolutePath("web\\images"));
  EXPECT_FALSE(IsAbsolutePath(""));
}

TEST(FileSystemTest, WholeFilesAreWrittenAndReadBack) {
  TempDir dir;
  std::string data("binary\0data\r\n", 13);
  ASSERT_TRUE(WriteWholeFile(dir.File("a.bin"), data));
  std::string back;
  ASSERT_TRUE(ReadWholeFile(dir.File("a.bin"), &back));
  EXPECT_EQ(back, data);
  EXPECT_EQ(FileSize(dir.File("a.bin")).value_or(0), 13u);
  EXPECT_TRUE(FileExists(dir.File("a.bin")));
  EXPECT_FALSE(FolderExists(dir.File("a.bin")));
}

TEST(FileSystemTest, ReadingAMissingFileOrAFolderFailsWithAReason) {
  TempDir dir;
  std::string data = "old", error;
  EXPECT_FALSE(ReadWholeFile(dir.File("missing.ged"), &data, &error));
  EXPECT_TRUE(data.empty());
  EXPECT_NE(error.find("missing.ged"), std::string::npos);
  EXPECT_FALSE(ReadWholeFile(dir.path(), &data, &error));
}

TEST(FileSystemTest, FileTimesChangeWhenTheFileIsRewritten) {
  TempDir dir;
  std::string path = dir.Write("t.ged", "0 HEAD\n");
  FileTimes first, second;
  ASSERT_TRUE(GetFileTimes(path, &first));
  EXPECT_GT(first.last_write, 0);
  EXPECT_GT(first.creation, 0);
  struct timespec later[2] = {{0, UTIME_OMIT}, {first.last_write / 1000000000 + 5, 0}};
  ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), later, 0), 0);
  ASSERT_TRUE(GetFileTimes(path, &second));
  EXPECT_NE(first, second);
  EXPECT_FALSE(GetFileTimes(dir.File("gone"), &second));
}

TEST(FileSystemTest, FreeDiskSpaceIsKnownForAnExistingFolderOnly) {
  TempDir dir;
  EXPECT_TRUE(FreeDiskSpace(dir.path()).has_value());
  EXPECT_FALSE(FreeDiskSpace(dir.File("no/such/folder")).has_value());
}

TEST(AppPathsTest, ApplicationFolderFollowsVellixHomeAndIsCreated) {
  ScopedHome home;
  EXPECT_EQ(ApplicationFolder(), home.path());
  EXPECT_EQ(ConfigFolder(), home.path());
  TempDir other;
  setenv("VELLIX_HOME", other.File("nested/app").c_str(), 1);
  EXPECT_EQ(ApplicationFolder(), other.File("nested/app/"));
  EXPECT_TRUE(FolderExists(other.File("nested/app")));
}

TEST(AppPathsTest, UsersOwnResourceCopyWinsOverTheInstalledOne) {
  TempDir home;
  EXPECT_EQ(FindResource("no-such-resource.ini", home.path()), "");
  std::string own = home.path() + "gedcom.ini";
  ASSERT_TRUE(WriteWholeFile(own, "[Mine]\n"));
  EXPECT_EQ(FindResource("gedcom.ini", home.path()), own);
}

}  // namespace
}  // namespace vellix::platform

namespace vellix::platform {
namespace {

TEST(WriteFileIfChangedTest, LeavesAnIdenticalFileUntouchedAndRewritesAChangedOne) {
  vellix::testing::TempDir dir;
  const std::string path = dir.File("page.html");
  ASSERT_TRUE(WriteFileIfChanged(path, "<p>one</p>"));
  struct timespec old_times[2] = {{0, UTIME_OMIT}, {1000000000, 0}};
  ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), old_times, 0), 0);
  FileTimes before, after;
  ASSERT_TRUE(GetFileTimes(path, &before));

  ASSERT_TRUE(WriteFileIfChanged(path, "<p>one</p>"));
  ASSERT_TRUE(GetFileTimes(path, &after));
  EXPECT_EQ(after.last_write, before.last_write) << "same content: not rewritten";

  ASSERT_TRUE(WriteFileIfChanged(path, "<p>two</p>"));  // same size, other bytes
  std::string back;
  ASSERT_TRUE(ReadWholeFile(path, &back));
  EXPECT_EQ(back, "<p>two</p>");
  ASSERT_TRUE(WriteFileIfChanged(path, "<p>three</p>"));
  ASSERT_TRUE(ReadWholeFile(path, &back));
  EXPECT_EQ(back, "<p>three</p>");
  EXPECT_FALSE(WriteFileIfChanged(dir.File("no/such/folder/x.html"), "x"));
}

}  // namespace
}  // namespace vellix::platform
