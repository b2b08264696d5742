// The page-file helper: one write per page, counted per file group, UTF-8
// without byte-order mark, and a warning instead of a crash when the file
// cannot be written. Every case runs twice: written at once, and handed to
// the queue that writes pages on a thread of its own.
#include "site/frame/page_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "run/warning_log.h"
#include "site/frame/page_write_queue.h"
#include "testing/test_environment.h"

namespace vellix::site {
namespace {

enum class Writing { kAtOnce, kQueued };

class PageFileTest : public ::testing::TestWithParam<Writing> {
 protected:
  // Writes one page the way the test's parameter says; true when no
  // warning was raised (what WritePageFile returns).
  bool Write(const std::string& path, std::string_view page, FileGroup group) {
    if (GetParam() == Writing::kAtOnce) {
      return WritePageFile(test_env_.env, statistics_, path, page, group);
    }
    const int warnings = test_env_.env.warnings().GetTotal();
    queue_.Submit(path, std::string(page), group);
    queue_.Finish();
    return test_env_.env.warnings().GetTotal() == warnings;
  }

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
  PageWriteQueue queue_{test_env_.env, statistics_};
};

INSTANTIATE_TEST_SUITE_P(AtOnceAndQueued, PageFileTest,
                         ::testing::Values(Writing::kAtOnce, Writing::kQueued));

TEST_P(PageFileTest, WritesThePageAndCountsItInItsGroup) {
  const std::string page = "<html>Zo\xc3\xab</html>\r\n";
  ASSERT_TRUE(Write(dest_.File("grpf1.html"), page, FileGroup::kFamily));
  ASSERT_TRUE(Write(dest_.File("grpf2.html"), "ab", FileGroup::kFamily));
  ASSERT_TRUE(Write(dest_.File("grpname1.html"), "abc", FileGroup::kIndex));
  EXPECT_EQ(testing::ReadFile(dest_.File("grpf1.html")), page);
  EXPECT_EQ(statistics_.filesWritten[static_cast<size_t>(FileGroup::kFamily)], 2u);
  EXPECT_EQ(statistics_.bytesWritten[static_cast<size_t>(FileGroup::kFamily)],
            page.size() + 2);
  EXPECT_EQ(statistics_.filesWritten[static_cast<size_t>(FileGroup::kIndex)], 1u);
  EXPECT_EQ(statistics_.bytesWritten[static_cast<size_t>(FileGroup::kIndex)], 3u);
  EXPECT_EQ(test_env_.env.warnings().GetTotal(), 0);
}

// Files that already hold the page's bytes are counted as written (the
// summary log's figures stay) and also as unchanged.
TEST_P(PageFileTest, APageThatHoldsTheSameBytesIsCountedAsUnchanged) {
  struct Step {
    const char* file;
    const char* page;
    uint32_t counted;    // all files counted so far
    uint32_t unchanged;  // of these, the ones left untouched
  };
  const Step steps[] = {
      {"a.html", "one", 1, 0},
      {"a.html", "one", 2, 1},
      {"a.html", "two", 3, 1},                 // same size, other bytes
      {"b.html", "two", 4, 1},                 // a new file
      {"b.html", "\xEF\xBB\xBFtwo", 5, 2},     // the mark is dropped: same bytes
      {"no-such-folder/c.html", "two", 5, 2},  // not written: not counted
      {"a.html", "two!", 6, 2},
  };
  for (const Step& step : steps) {
    Write(dest_.File(step.file), step.page, FileGroup::kIndex);
    EXPECT_EQ(statistics_.filesWritten[static_cast<size_t>(FileGroup::kIndex)],
              step.counted)
        << step.file << " " << step.page;
    EXPECT_EQ(statistics_.filesUnchanged, step.unchanged)
        << step.file << " " << step.page;
  }
}

TEST_P(PageFileTest, StoredPathsWithBackslashesReachTheNativeFile) {
  std::string stored = dest_.path();
  for (char& c : stored) {
    if (c == '/') c = '\\';
  }
  ASSERT_TRUE(Write(stored + "grpf3.html", "x", FileGroup::kFamily));
  EXPECT_EQ(testing::ReadFile(dest_.File("grpf3.html")), "x");
}

TEST_P(PageFileTest, RewritingAPageReplacesItWhole) {
  const std::string path = dest_.File("grpmain.html");
  ASSERT_TRUE(Write(path, "a much longer first version", FileGroup::kSurname));
  ASSERT_TRUE(Write(path, "short", FileGroup::kSurname));
  EXPECT_EQ(testing::ReadFile(path), "short");
}

TEST_P(PageFileTest, NoByteOrderMarkAndNoInvalidUtf8ReachTheFile) {
  ASSERT_TRUE(
      Write(dest_.File("a.html"), "\xef\xbb\xbf<html>caf\xe9</html>", FileGroup::kOther));
  const std::string written = testing::ReadFile(dest_.File("a.html"));
  EXPECT_EQ(written, "<html>caf\xef\xbf\xbd</html>");
  EXPECT_EQ(statistics_.bytesWritten[static_cast<size_t>(FileGroup::kOther)],
            written.size());
}

TEST_P(PageFileTest, UnwritablePageRaisesWarningFiveAndIsNotCounted) {
  const std::string path = dest_.File("no-such-folder/grpf1.html");
  EXPECT_FALSE(Write(path, "<html></html>", FileGroup::kFamily));
  EXPECT_EQ(statistics_.filesWritten[static_cast<size_t>(FileGroup::kFamily)], 0u);
  EXPECT_EQ(statistics_.bytesWritten[static_cast<size_t>(FileGroup::kFamily)], 0u);
  ASSERT_EQ(test_env_.env.warnings().GetTotal(), 1);
  const std::vector<std::string> lines = WarningLines();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], "'" + path + "' ().");
}

TEST_P(PageFileTest, AFolderInThePlaceOfThePageIsReportedToo) {
  EXPECT_FALSE(Write(dest_.path(), "x", FileGroup::kSlide));
  EXPECT_EQ(statistics_.filesWritten[static_cast<size_t>(FileGroup::kSlide)], 0u);
  EXPECT_EQ(test_env_.env.warnings().GetTotal(), 1);
}

// However far the building runs ahead of the writing (here the queue holds
// one page at a time, so the caller waits), pages reach the disk in the
// order they were handed over: a path given three times ends with the last
// page. The counts and the site's list of files are those of writing each
// page at once, and the destructor waits for the last page.
TEST(PageWriteQueueTest, PagesReachTheDiskInOrderWithinTheBound) {
  testing::TestEnvironment test_env;
  testing::TempDir dest;
  RunStatistics statistics;
  size_t bytes = 0;
  {
    PageWriteQueue queue(test_env.env, statistics, /*max_bytes=*/1);
    for (int i = 0; i < 300; ++i) {
      const std::string page = "page " + std::to_string(i);
      bytes += page.size();
      queue.Submit(dest.File("p" + std::to_string(i % 100) + ".html"), page,
                   FileGroup::kFamily, "F1");
    }
  }
  for (int i = 0; i < 100; ++i) {
    EXPECT_EQ(testing::ReadFile(dest.File("p" + std::to_string(i) + ".html")),
              "page " + std::to_string(200 + i));
  }
  EXPECT_EQ(statistics.filesWritten[static_cast<size_t>(FileGroup::kFamily)], 300u);
  EXPECT_EQ(statistics.bytesWritten[static_cast<size_t>(FileGroup::kFamily)], bytes);
  ASSERT_EQ(statistics.siteFiles.size(), 300u);
  EXPECT_EQ(statistics.siteFiles[101], dest.File("p1.html"));
  EXPECT_EQ(test_env.env.warnings().GetTotal(), 0);
}

// Pages that cannot be written raise their warnings in the order the pages
// were handed over, each naming its family, and are not counted; the pages
// between them are.
TEST(PageWriteQueueTest, FailedPagesAreReportedInTheirOrder) {
  testing::TestEnvironment test_env;
  testing::TempDir dest;
  RunStatistics statistics;
  PageWriteQueue queue(test_env.env, statistics);
  queue.Submit(dest.File("none/a.html"), "a", FileGroup::kFamily, "F1");
  queue.Submit(dest.File("b.html"), "b", FileGroup::kFamily, "F2");
  queue.Submit(dest.File("none/c.html"), "c", FileGroup::kFamily, "F3");
  queue.Finish();
  EXPECT_EQ(statistics.filesWritten[static_cast<size_t>(FileGroup::kFamily)], 1u);
  EXPECT_EQ(testing::ReadFile(dest.File("b.html")), "b");
  std::vector<std::string> lines;
  bool heading = false;
  std::string text;
  while (test_env.env.warnings().ReadNext(&heading, &text)) {
    if (!heading) lines.push_back(text);
  }
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "'" + dest.File("none/a.html") + "' (<a href=\"\">F1</a>).",
                       "'" + dest.File("none/c.html") + "' (<a href=\"\">F3</a>)."}));
}

}  // namespace
}  // namespace vellix::site
