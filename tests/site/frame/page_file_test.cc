// The page-file helper: one write per page, counted per file group, UTF-8
// without byte-order mark, and a warning instead of a crash when the file
// cannot be written.
#include "site/frame/page_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "run/warning_log.h"
#include "testing/test_environment.h"

namespace vellix::site {
namespace {

class PageFileTest : public ::testing::Test {
 protected:
  std::vector<std::string> WarningLines() {
    std::vector<std::string> lines;
    bool heading = false;
    std::string text;
    while (test_env_.env.warnings().ReadNext(&heading, &text)) {
      if (!heading) lines.push_back(text);
    }
    return lines;
  }

  testing::TestEnvironment test_env_;
  testing::TempDir dest_;
  RunStatistics statistics_;
};

TEST_F(PageFileTest, WritesThePageAndCountsItInItsGroup) {
  const std::string page = "<html>Zo\xc3\xab</html>\r\n";
  ASSERT_TRUE(WritePageFile(test_env_.env, statistics_, dest_.File("grpf1.html"), page,
                            FileGroup::kFamily));
  ASSERT_TRUE(WritePageFile(test_env_.env, statistics_, dest_.File("grpf2.html"), "ab",
                            FileGroup::kFamily));
  ASSERT_TRUE(WritePageFile(test_env_.env, statistics_, dest_.File("grpname1.html"),
                            "abc", FileGroup::kIndex));
  EXPECT_EQ(testing::ReadFile(dest_.File("grpf1.html")), page);
  EXPECT_EQ(statistics_.filesWritten[static_cast<size_t>(FileGroup::kFamily)], 2u);
  EXPECT_EQ(statistics_.bytesWritten[static_cast<size_t>(FileGroup::kFamily)],
            page.size() + 2);
  EXPECT_EQ(statistics_.filesWritten[static_cast<size_t>(FileGroup::kIndex)], 1u);
  EXPECT_EQ(statistics_.bytesWritten[static_cast<size_t>(FileGroup::kIndex)], 3u);
  EXPECT_EQ(test_env_.env.warnings().GetTotal(), 0);
}

TEST_F(PageFileTest, StoredPathsWithBackslashesReachTheNativeFile) {
  std::string stored = dest_.path();
  for (char& c : stored) {
    if (c == '/') c = '\\';
  }
  ASSERT_TRUE(WritePageFile(test_env_.env, statistics_, stored + "grpf3.html", "x",
                            FileGroup::kFamily));
  EXPECT_EQ(testing::ReadFile(dest_.File("grpf3.html")), "x");
}

TEST_F(PageFileTest, RewritingAPageReplacesItWhole) {
  const std::string path = dest_.File("grpmain.html");
  ASSERT_TRUE(WritePageFile(test_env_.env, statistics_, path,
                            "a much longer first version", FileGroup::kSurname));
  ASSERT_TRUE(
      WritePageFile(test_env_.env, statistics_, path, "short", FileGroup::kSurname));
  EXPECT_EQ(testing::ReadFile(path), "short");
}

TEST_F(PageFileTest, NoByteOrderMarkAndNoInvalidUtf8ReachTheFile) {
  ASSERT_TRUE(WritePageFile(test_env_.env, statistics_, dest_.File("a.html"),
                            "\xef\xbb\xbf<html>caf\xe9</html>", FileGroup::kOther));
  const std::string written = testing::ReadFile(dest_.File("a.html"));
  EXPECT_EQ(written, "<html>caf\xef\xbf\xbd</html>");
  EXPECT_EQ(statistics_.bytesWritten[static_cast<size_t>(FileGroup::kOther)],
            written.size());
}

TEST_F(PageFileTest, UnwritablePageRaisesWarningFiveAndIsNotCounted) {
  const std::string path = dest_.File("no-such-folder/grpf1.html");
  EXPECT_FALSE(WritePageFile(test_env_.env, statistics_, path, "<html></html>",
                             FileGroup::kFamily));
  EXPECT_EQ(statistics_.filesWritten[static_cast<size_t>(FileGroup::kFamily)], 0u);
  EXPECT_EQ(statistics_.bytesWritten[static_cast<size_t>(FileGroup::kFamily)], 0u);
  ASSERT_EQ(test_env_.env.warnings().GetTotal(), 1);
  const std::vector<std::string> lines = WarningLines();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], "'" + path + "' ().");
}

TEST_F(PageFileTest, AFolderInThePlaceOfThePageIsReportedToo) {
  EXPECT_FALSE(
      WritePageFile(test_env_.env, statistics_, dest_.path(), "x", FileGroup::kSlide));
  EXPECT_EQ(statistics_.filesWritten[static_cast<size_t>(FileGroup::kSlide)], 0u);
  EXPECT_EQ(test_env_.env.warnings().GetTotal(), 1);
}

}  // namespace
}  // namespace vellix::site
