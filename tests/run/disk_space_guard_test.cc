#include "run/disk_space_guard.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/file_access.h"
#include "testing/test_support.h"

namespace vellix {
namespace {

// A guard whose free space the test sets, recording the folders asked about.
class DiskSpaceGuardTest : public ::testing::Test {
 protected:
  DiskSpaceGuardTest()
      : guard_([this](const std::string& folder) {
          asked_.push_back(folder);
          return free_;
        }) {}

  std::optional<uint64_t> free_ = 10 * 1024 * 1024;
  std::vector<std::string> asked_;
  DiskSpaceGuard guard_;
};

TEST_F(DiskSpaceGuardTest, EnoughSpaceIsRoom) {
  EXPECT_TRUE(guard_.HasRoom("/site"));
  EXPECT_TRUE(guard_.HasRoom("/site"));
  EXPECT_EQ(asked_, (std::vector<std::string>{"/site", "/site"}));
}

TEST_F(DiskSpaceGuardTest, EmptyFolderIsNotChecked) {
  free_ = 0;
  EXPECT_TRUE(guard_.HasRoom(""));
  EXPECT_TRUE(asked_.empty());
}

TEST_F(DiskSpaceGuardTest, MoreThan500KilobytesIsRoom) {
  free_ = 501 * 1024;
  EXPECT_TRUE(guard_.HasRoom("/site"));
  free_ = 501 * 1024 - 1;  // 500 whole kilobytes
  EXPECT_FALSE(guard_.HasRoom("/site"));
}

TEST_F(DiskSpaceGuardTest, FullDiskIsReportedOncePerReset) {
  free_ = 100;
  EXPECT_FALSE(guard_.HasRoom("/site"));
  EXPECT_TRUE(guard_.HasRoom("/site"));
  EXPECT_TRUE(guard_.HasRoom("/site"));
  guard_.Reset();
  EXPECT_FALSE(guard_.HasRoom("/site"));
  EXPECT_TRUE(guard_.HasRoom("/site"));
}

TEST_F(DiskSpaceGuardTest, FailedQueryCountsAsNoRoom) {
  free_ = std::nullopt;
  EXPECT_FALSE(guard_.HasRoom("/missing"));
  EXPECT_TRUE(guard_.HasRoom("/missing"));
}

TEST_F(DiskSpaceGuardTest, SpaceRecoveredBeforeTheShortageKeepsTheQuestion) {
  EXPECT_TRUE(guard_.HasRoom("/site"));
  free_ = 0;
  EXPECT_FALSE(guard_.HasRoom("/site"));
}

TEST(DiskSpaceGuard, RealFileSystemHasRoomInATemporaryFolder) {
  testing::TempDir dir;
  platform::LocalFileAccess files;
  DiskSpaceGuard guard(
      [&files](const std::string& folder) { return files.FreeDiskSpace(folder); });
  // A machine that runs the tests has more than 500 KB free in its temp folder.
  EXPECT_TRUE(guard.HasRoom(dir.path()));
  EXPECT_FALSE(guard.HasRoom(dir.path() + "no/such/folder"));
}

}  // namespace
}  // namespace vellix
