// Replacing a file's content through a temporary file beside it.
#include "platform/replace_file.h"

#include <dirent.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/file_access.h"
#include "platform/file_system.h"
#include "testing/full_disk.h"
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

// The disk fills up at every point of the write, or the flush fails: the
// old content stays whole and no temporary file is left.
TEST(ReplaceFile, FullDiskOrFailedFlushLeavesTheOldContent) {
  TempDir dir;
  const std::string path = dir.Write("club.dat", "the user's settings");
  const std::string next(300, 'n');
  for (size_t room = 0; room < next.size(); room += 7) {
    testing::FullDiskWriter disk(room);
    std::string error;
    EXPECT_FALSE(ReplaceFileContents(path, next, &error, disk)) << room;
    EXPECT_EQ(error, path + ": No space left on device");
    EXPECT_EQ(ReadFile(path), "the user's settings");
    EXPECT_EQ(EntriesIn(dir.path()), 1);
  }
  testing::FullDiskWriter flush_fails(next.size(), testing::Flush::kFails);
  EXPECT_FALSE(ReplaceFileContents(path, next, nullptr, flush_fails));
  EXPECT_EQ(ReadFile(path), "the user's settings");
  EXPECT_EQ(EntriesIn(dir.path()), 1);
  testing::FullDiskWriter enough(next.size());
  EXPECT_TRUE(ReplaceFileContents(path, next, nullptr, enough));
  EXPECT_EQ(ReadFile(path), next);
}

TEST(ReplaceFile, ALinkKeepsPointingAtTheFileItNames) {
  TempDir dir;
  const std::string target = dir.Write("real.dat", "old");
  const std::string link = dir.File("link.dat");
  ASSERT_EQ(symlink(target.c_str(), link.c_str()), 0);
  ASSERT_TRUE(ReplaceFileContents(link, "new"));
  struct stat st;
  ASSERT_EQ(lstat(link.c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
  EXPECT_EQ(ReadFile(target), "new");
}

// A named pipe is neither replaced nor waited on by a reader.
TEST(ReplaceFile, NamedPipeIsRefusedByWritersAndReaders) {
  TempDir dir;
  const std::string pipe = dir.File("pipe");
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  std::string error;
  EXPECT_FALSE(ReplaceFileContents(pipe, "x", &error));
  std::string data = "stale";
  EXPECT_FALSE(ReadWholeFile(pipe, &data, &error));
  EXPECT_EQ(error, pipe + ": not a regular file");
  EXPECT_EQ(data, "");
  EXPECT_FALSE(IsRegularFile(pipe));
  EXPECT_TRUE(IsRegularFile(dir.Write("plain", "")));
  LocalFileAccess files;
  EXPECT_FALSE(files.IsRegularFile(pipe));
}

TEST(ReplaceFile, RenameWithoutReplacingKeepsAnExistingTarget) {
  TempDir dir;
  const std::string from = dir.Write("a", "first");
  const std::string taken = dir.Write("b", "second");
  EXPECT_FALSE(RenameWithoutReplacing(from, taken));
  EXPECT_EQ(ReadFile(taken), "second");
  EXPECT_TRUE(RenameWithoutReplacing(from, dir.File("c")));
  EXPECT_EQ(ReadFile(dir.File("c")), "first");
  EXPECT_FALSE(FileExists(from));
}

// Pages and logs written through a LocalFileAccess meet the full disk too.
TEST(LocalFileAccess, WritesFailWhenTheDiskIsFull) {
  TempDir dir;
  testing::FullDiskWriter disk(4);
  LocalFileAccess files(disk);
  EXPECT_EQ(files.WriteFileIfChanged(dir.File("page.html"), "<html>"),
            WriteResult::kFailed);
  auto out = files.OpenForWriting(dir.File("log.html"));
  ASSERT_NE(out, nullptr);
  EXPECT_FALSE(out->Write("more than none"));
  EXPECT_FALSE(out->Close());
  EXPECT_FALSE(files.ReplaceFile(dir.File("set.dat"), "abcdef"));
  EXPECT_FALSE(FileExists(dir.File("set.dat")));
}

}  // namespace
}  // namespace vellix::platform
