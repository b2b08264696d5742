// The precise reasons given for paths that cannot be used.
#include "shell/cli/path_checks.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "testing/test_support.h"

namespace vellix::cli {
namespace {

using testing::TempDir;

TEST(PathChecks, InputFiles) {
  TempDir dir;
  const std::string file = dir.Write("tree.ged", "0 HEAD\n");
  EXPECT_EQ(CheckInputFile(file).problem, PathProblem::kNone);
  EXPECT_EQ(DescribePathCheck(CheckInputFile(dir.path())),
            dir.path() + ": is a directory");
  EXPECT_EQ(CheckInputFile(dir.File("gone.ged")).problem, PathProblem::kMissing);
  EXPECT_EQ(CheckInputFile(file + "/x.ged").problem, PathProblem::kNotAFolder);
}

TEST(PathChecks, OutputFolders) {
  TempDir dir;
  const std::string file = dir.Write("a.txt", "x");
  EXPECT_EQ(DescribePathCheck(CheckOutputFolder(file)), file + ": is not a folder");
  EXPECT_EQ(DescribePathCheck(PrepareOutputFolder(file)), file + ": is not a folder");
  // A file in the way of a folder to be made is named itself.
  EXPECT_EQ(DescribePathCheck(PrepareOutputFolder(file + "/site/deep")),
            file + ": is not a folder");
  const std::string made = dir.File("new/site");
  EXPECT_EQ(PrepareOutputFolder(made).problem, PathProblem::kNone);
  struct stat st;
  EXPECT_EQ(stat(made.c_str(), &st), 0);
}

TEST(PathChecks, PermissionDenied) {
  if (geteuid() == 0) GTEST_SKIP() << "root may read and write anything";
  TempDir dir;
  const std::string file = dir.Write("secret.ged", "0 HEAD\n");
  chmod(file.c_str(), 0);
  EXPECT_EQ(DescribePathCheck(CheckInputFile(file)), file + ": permission denied");
  const std::string locked = dir.File("locked");
  mkdir(locked.c_str(), 0500);
  EXPECT_EQ(DescribePathCheck(CheckOutputFolder(locked)), locked + ": permission denied");
  EXPECT_EQ(DescribePathCheck(PrepareOutputFolder(locked + "/site")),
            locked + ": permission denied");
  chmod(locked.c_str(), 0700);
}

}  // namespace
}  // namespace vellix::cli
