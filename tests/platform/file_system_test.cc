#include "platform/file_system.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/types.h>

#include <optional>

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

// Passes writes to the disk and notes how long the file was when its first
// new bytes arrived: a file truncated before the rewrite is empty then.
class SizeAtFirstWrite : public DiskWriter {
 public:
  ssize_t Write(int fd, const void* data, size_t size) override {
    struct stat st;
    if (!size_seen_ && fstat(fd, &st) == 0)
      size_seen_ = static_cast<uint64_t>(st.st_size);
    return DiskWriter::Write(fd, data, size);
  }
  std::optional<uint64_t> size_seen() const { return size_seen_; }

 private:
  std::optional<uint64_t> size_seen_;
};

mode_t CurrentUmask() {
  const mode_t mask = umask(0);
  umask(mask);
  return mask;
}

TEST(WriteFileIfChangedTest, LeavesAnIdenticalFileUntouchedAndRewritesAChangedOne) {
  vellix::testing::TempDir dir;
  const std::string path = dir.File("page.html");
  ASSERT_EQ(WriteFileIfChanged(path, "<p>one</p>"), WriteResult::kWritten);
  struct timespec old_times[2] = {{0, UTIME_OMIT}, {1000000000, 0}};
  ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), old_times, 0), 0);
  FileTimes before, after;
  ASSERT_TRUE(GetFileTimes(path, &before));

  EXPECT_EQ(WriteFileIfChanged(path, "<p>one</p>"), WriteResult::kUnchanged);
  ASSERT_TRUE(GetFileTimes(path, &after));
  EXPECT_EQ(after.last_write, before.last_write) << "same content: not rewritten";

  // same size, other bytes
  EXPECT_EQ(WriteFileIfChanged(path, "<p>two</p>"), WriteResult::kWritten);
  std::string back;
  ASSERT_TRUE(ReadWholeFile(path, &back));
  EXPECT_EQ(back, "<p>two</p>");
  EXPECT_EQ(WriteFileIfChanged(path, "<p>three</p>"), WriteResult::kWritten);
  ASSERT_TRUE(ReadWholeFile(path, &back));
  EXPECT_EQ(back, "<p>three</p>");
  EXPECT_EQ(WriteFileIfChanged(dir.File("no/such/folder/x.html"), "x"),
            WriteResult::kFailed);
}

// A changed page is rewritten over its old bytes, not truncated to nothing
// first (the same file, its tail cut when the new text is shorter); one whose
// bytes are all equal is left alone, however long it is.
TEST(WriteFileIfChangedTest, RewritesAChangedFileInPlace) {
  const std::string big(200000, 'a');  // compared in several reads
  std::string big_last_differs = big;
  big_last_differs.back() = 'b';
  std::string big_first_differs = big;
  big_first_differs.front() = 'b';
  struct Case {
    std::string before, after;
    WriteResult result;
  } const cases[] = {
      {"<p>one</p>", "<p>one</p>", WriteResult::kUnchanged},
      {"<p>one</p>", "<p>two</p>", WriteResult::kWritten},
      {"<p>three</p>", "<p>two</p>", WriteResult::kWritten},
      {"<p>two</p>", "<p>three</p>", WriteResult::kWritten},
      {"", "<p>new</p>", WriteResult::kWritten},
      {"<p>old</p>", "", WriteResult::kWritten},
      {"", "", WriteResult::kUnchanged},
      {big, big, WriteResult::kUnchanged},
      {big, big_last_differs, WriteResult::kWritten},
      {big, big_first_differs, WriteResult::kWritten},
      {big, "short", WriteResult::kWritten},
      {"short", big, WriteResult::kWritten},
  };
  vellix::testing::TempDir dir;
  int n = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "case " << n << ": " << c.before.size() << " -> "
                                      << c.after.size() << " bytes");
    const std::string path = dir.Write("page" + std::to_string(n++) + ".html", c.before);
    struct stat before;
    ASSERT_EQ(stat(path.c_str(), &before), 0);
    std::string error;
    SizeAtFirstWrite disk;
    EXPECT_EQ(WriteFileIfChanged(path, c.after, &error, disk), c.result);
    EXPECT_EQ(error, "");
    if (c.result == WriteResult::kWritten && !c.after.empty()) {
      EXPECT_EQ(disk.size_seen(), c.before.size()) << "the old bytes were overwritten";
    }
    std::string back;
    ASSERT_TRUE(ReadWholeFile(path, &back));
    EXPECT_TRUE(back == c.after) << "holds " << back.size() << " bytes";
    struct stat after;
    ASSERT_EQ(stat(path.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino) << "the same file, not a new one";
  }
}

TEST(WriteFileIfChangedTest, NewFilesAreCreatedAndMissingFoldersReported) {
  vellix::testing::TempDir dir;
  EXPECT_EQ(WriteFileIfChanged(dir.File("new.html"), "<p>x</p>"), WriteResult::kWritten);
  std::string back;
  ASSERT_TRUE(ReadWholeFile(dir.File("new.html"), &back));
  EXPECT_EQ(back, "<p>x</p>");
  struct stat st;
  ASSERT_EQ(stat(dir.File("new.html").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0644u & ~CurrentUmask());

  std::string error;
  EXPECT_EQ(WriteFileIfChanged(dir.File("no/such/folder/x.html"), "x", &error),
            WriteResult::kFailed);
  EXPECT_NE(error.find("no/such/folder/x.html: "), std::string::npos) << error;
  error.clear();
  EXPECT_EQ(WriteFileIfChanged(dir.path(), "x", &error), WriteResult::kFailed);
  EXPECT_FALSE(error.empty());
}

// A named pipe where a page should go is refused at once: opening it to
// write would wait for a reader that never comes.
TEST(WriteFileIfChangedTest, RefusesANamedPipeWithoutWaiting) {
  vellix::testing::TempDir dir;
  const std::string pipe = dir.File("page.html");
  ASSERT_EQ(mkfifo(pipe.c_str(), 0644), 0);
  std::string error;
  EXPECT_EQ(WriteFileIfChanged(pipe, "<p>x</p>", &error), WriteResult::kFailed);
  EXPECT_EQ(error, pipe + ": not a regular file");
}

// Files this user may only read or only write still get the comparison and
// the write they got before the single read-write descriptor.
TEST(WriteFileIfChangedTest, FilesOpenOnlyOneWayAreComparedAndWritten) {
  vellix::testing::TempDir dir;
  const std::string read_only = dir.Write("ro.html", "<p>same</p>");
  ASSERT_EQ(chmod(read_only.c_str(), 0444), 0);
  EXPECT_EQ(WriteFileIfChanged(read_only, "<p>same</p>"), WriteResult::kUnchanged);

  const std::string write_only = dir.Write("wo.html", "<p>old</p>");
  ASSERT_EQ(chmod(write_only.c_str(), 0200), 0);
  EXPECT_EQ(WriteFileIfChanged(write_only, "<p>new, longer</p>"), WriteResult::kWritten);
  ASSERT_EQ(chmod(write_only.c_str(), 0644), 0);
  std::string back;
  ASSERT_TRUE(ReadWholeFile(write_only, &back));
  EXPECT_EQ(back, "<p>new, longer</p>");
}

}  // namespace
}  // namespace vellix::platform
