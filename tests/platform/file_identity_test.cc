// Reading a file's first bytes, and telling whether two paths share a file
// system.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "platform/file_system.h"
#include "testing/test_support.h"

namespace vellix::platform {
namespace {

using vellix::testing::TempDir;

TEST(FileHeadTest, ReadsAtMostTheBytesAskedForAndRefusesWhatIsNoFile) {
  TempDir dir;
  const std::string path = dir.Write("a.csv", "0123456789");
  std::string head;
  ASSERT_TRUE(ReadFileHead(path, 4, &head));
  EXPECT_EQ(head, "0123");
  ASSERT_TRUE(ReadFileHead(path, 100, &head));
  EXPECT_EQ(head, "0123456789");
  std::string error;
  EXPECT_FALSE(ReadFileHead(dir.path(), 4, &head, &error));
  EXPECT_TRUE(head.empty());
  EXPECT_NE(error.find("Is a directory"), std::string::npos) << error;
  // A FIFO would block a reader that waits for its writer.
  const std::string fifo = dir.File("pipe");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_FALSE(ReadFileHead(fifo, 4, &head, &error));
  EXPECT_FALSE(ReadFileHead(dir.File("missing"), 4, &head, &error));
}

TEST(FileSystemIdentityTest, FilesOfOneFolderShareAFileSystemAndItsMountPoint) {
  TempDir dir;
  const std::string a = dir.Write("a.txt", "a");
  EXPECT_EQ(OnSameFileSystem(a, dir.path()), std::optional<bool>(true));
  EXPECT_EQ(OnSameFileSystem(a, dir.File("missing")), std::nullopt);
  const std::string mount = MountPointOf(a);
  ASSERT_FALSE(mount.empty());
  EXPECT_EQ(OnSameFileSystem(mount, a), std::optional<bool>(true));
  EXPECT_EQ(MountPointOf(mount), mount);
  EXPECT_EQ(MountPointOf(dir.File("missing")), "");
  // /proc is its own file system on every Linux system.
  if (FolderExists("/proc/self")) {
    EXPECT_EQ(OnSameFileSystem("/proc/self", a), std::optional<bool>(false));
    EXPECT_EQ(MountPointOf("/proc/self"), "/proc");
  }
}

}  // namespace
}  // namespace vellix::platform
