// The progress line at the widths of real terminals, and the plain lines
// written where a line cannot be redrawn.
#include "shell/cli/progress_line.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "shell/cli/terminal_progress_view.h"

namespace vellix::cli {
namespace {

ProgressSnapshot FamilyPages() {
  ProgressSnapshot s;
  s.step = 3;
  s.steps = 7;
  s.phase = "Generating web pages for 28289 families...";
  s.bar_done = 1203;
  s.bar_total = 2828;
  s.items_done = 12034;
  s.items_total = 28289;
  s.elapsed_seconds = 72.4;
  s.phase_elapsed_seconds = 12.9;
  return s;
}

TEST(ProgressLine, FitsEachTerminalWidth) {
  struct Case {
    int width;
    const char* line;
  };
  const Case cases[] = {
      {200,
       "[3/7] Generating web pages for 28289 families... "
       "[############..................] 42% 12034/28289 1:12 ~0:17 left"},
      {80, "[3/7] Generating web pages for 28289... 42% 12034/28289 1:12 ~0:17 left"},
      {40, "[3/7] Generating web pages... 42% 1:12"},
      {20, "[3/7] Generating..."},
  };
  for (const Case& c : cases) {
    const std::string line = RenderProgressLine(FamilyPages(), c.width);
    EXPECT_EQ(line, c.line) << "width " << c.width;
    EXPECT_LT(DisplayWidth(line), static_cast<size_t>(c.width)) << "width " << c.width;
  }
}

TEST(ProgressLine, NeverReachesTheLastColumn) {
  ProgressSnapshot s = FamilyPages();
  s.phase =
      "Reading GEDCOM file... (1.20 GB) \xC5\x81\xC3\xB3"
      "d\xC5\xBA.ged";
  for (int width = 1; width <= 220; ++width) {
    const std::string line = RenderProgressLine(s, width);
    EXPECT_LE(DisplayWidth(line), static_cast<size_t>(width > 1 ? width - 1 : 1))
        << width;
    EXPECT_EQ(line.find_first_of("\r\n\033"), std::string::npos);
  }
}

TEST(ProgressLine, ACutTextEndsInOneEllipsis) {
  ProgressSnapshot s;
  s.step = 1;
  s.steps = 7;
  s.phase = "Reading GEDCOM file... (3.10 KB)";
  EXPECT_EQ(RenderProgressLine(s, 34), "[1/7] Reading GEDCOM file... 0:00");
  // No count or joining word dangles before the mark.
  s.phase =
      "Generating web pages for 1422 families and 3 individuals outside families...";
  const struct {
    int width;
    const char* line;
  } cuts[] = {
      {68, "[1/7] Generating web pages for 1422 families... 0:00"},
      {65, "[1/7] Generating web pages for 1422 families... 0:00"},
      {60, "[1/7] Generating web pages for 1422 families... 0:00"},
      {50, "[1/7] Generating web pages for 1422... 0:00"},
  };
  for (const auto& cut : cuts) {
    EXPECT_EQ(RenderProgressLine(s, cut.width), cut.line) << cut.width;
  }
}

TEST(ProgressLine, ShowsOnlyWhatIsKnown) {
  ProgressSnapshot s;
  s.step = 1;
  s.steps = 7;
  s.phase = "Reading GEDCOM file... (3.10 KB)";
  s.bar_done = 0;
  s.bar_total = 310;
  EXPECT_EQ(RenderProgressLine(s, 80),
            "[1/7] Reading GEDCOM file... (3.10 KB) [..............................] 0% "
            "0:00");
  s.bar_total = 0;  // no range: no bar, no percentage
  s.elapsed_seconds = 3725;
  EXPECT_EQ(RenderProgressLine(s, 80), "[1/7] Reading GEDCOM file... (3.10 KB) 1:02:05");
  s.steps = 0;  // the number of phases is unknown
  EXPECT_EQ(RenderPhaseLine(s), "[1] Reading GEDCOM file... (3.10 KB)");
}

TEST(ProgressLine, EstimatesTheTimeLeftFromThePhasePace) {
  ProgressSnapshot s = FamilyPages();
  s.items_done = 1000;
  s.items_total = 4000;
  s.phase_elapsed_seconds = 10;
  ASSERT_TRUE(EstimateTimeLeft(s).has_value());
  EXPECT_DOUBLE_EQ(*EstimateTimeLeft(s), 30.0);
  s.items_done.reset();  // the bar's units when items are not counted
  s.bar_done = 50;
  s.bar_total = 100;
  EXPECT_DOUBLE_EQ(*EstimateTimeLeft(s), 10.0);
  s.phase_elapsed_seconds = 0.5;  // too early to tell
  EXPECT_FALSE(EstimateTimeLeft(s).has_value());
  s.phase_elapsed_seconds = 5;
  s.bar_done = 0;  // nothing done yet
  EXPECT_FALSE(EstimateTimeLeft(s).has_value());
}

TEST(ProgressLine, DurationsReadLikeAClock) {
  EXPECT_EQ(FormatDuration(0), "0:00");
  EXPECT_EQ(FormatDuration(7.9), "0:07");
  EXPECT_EQ(FormatDuration(754), "12:34");
  EXPECT_EQ(FormatDuration(3723), "1:02:03");
  EXPECT_EQ(FormatDuration(-4), "0:00");
  EXPECT_EQ(RenderTotalTimeLine(83), "Total time: 1:23");
}

// Runs a short fake run through a view writing into a string.
std::string RenderRun(ProgressStyle style) {
  char* buffer = nullptr;
  size_t size = 0;
  std::FILE* out = open_memstream(&buffer, &size);
  {
    TerminalProgressView view(style, 2, out);
    view.ShowTitle("Generating All Web Pages", "/data/tree.ged", "/srv/site/");
    view.ShowPhase("Reading GEDCOM file...\n (3.10 KB)", 0, 310);
    view.ShowPosition(310);
    view.ShowPhase("Generating web pages for 2 families...", 0, 2);
    view.ShowItems(1, 2);
    view.ShowPosition(1);
    view.ShowPhase("Creating log files...", 0, 3);
    view.Close();
  }
  std::fclose(out);
  std::string text(buffer, size);
  std::free(buffer);
  return text;
}

TEST(TerminalProgressView, PlainLinesForDumbTerminalsAndFiles) {
  EXPECT_EQ(RenderRun(ProgressStyle::kPlainLines),
            "Generating All Web Pages\n"
            "  GEDCOM file: /data/tree.ged\n"
            "  Destination: /srv/site/\n"
            "[1/2] Reading GEDCOM file... (3.10 KB)\n"
            "[2/2] Generating web pages for 2 families...\n"
            "[3/3] Creating log files...\n"
            "Total time: 0:00\n");
}

TEST(TerminalProgressView, RedrawsOneLineAndClearsIt) {
  setenv("COLUMNS", "60", 1);  // a string has no terminal size to ask for
  const std::string text = RenderRun(ProgressStyle::kRedrawnLine);
  unsetenv("COLUMNS");
  EXPECT_NE(
      text.find("\r[1/2] Reading GEDCOM file... (3.10 KB) [..........] 0% 0:00\033[K"),
      std::string::npos)
      << text;
  EXPECT_NE(text.find("\r[3/3] Creating log files..."), std::string::npos) << text;
  EXPECT_EQ(text.substr(text.size() - 21), "\r\033[KTotal time: 0:00\n");
}

// A run that raises a warning in its first phase and beeps at its end, its
// phase texts worded by the command line.
std::string RenderWarnedRun(ProgressStyle style) {
  char* buffer = nullptr;
  size_t size = 0;
  std::FILE* out = open_memstream(&buffer, &size);
  {
    TerminalProgressView view(style, 2, out);
    view.SetPhaseWording([](std::string_view text) {
      return text == "Generating web pages for 2 families..."
                 ? std::string(
                       "Generating web pages for 1 family and 1 individual "
                       "outside families...")
                 : std::string(text);
    });
    view.ShowTitle("Generating All Web Pages", "/data/tree.ged", "/srv/site/");
    view.ShowPhase("Generating web pages for 2 families...", 0, 2);
    view.PrintLine("vellix: warning: Nonstandard tag _UID ignored.");
    view.ShowPhase("Creating log files...", 0, 3);
    view.Beep();
    view.Close();
  }
  std::fclose(out);
  std::string text(buffer, size);
  std::free(buffer);
  return text;
}

// Warnings are printed in every style; the redrawn line makes way for them
// and comes back below; the bell never reaches a file.
TEST(TerminalProgressView, WarningsMakeWayAndTheBellStaysOffFiles) {
  setenv("COLUMNS", "80", 1);
  struct Case {
    ProgressStyle style;
    const char* expected;
  };
  const Case cases[] = {
      {ProgressStyle::kPlainLines,
       "Generating All Web Pages\n"
       "  GEDCOM file: /data/tree.ged\n"
       "  Destination: /srv/site/\n"
       "[1/2] Generating web pages for 1 family and 1 individual outside families...\n"
       "vellix: warning: Nonstandard tag _UID ignored.\n"
       "[2/2] Creating log files...\n"
       "Total time: 0:00\n"},
      {ProgressStyle::kOff, "vellix: warning: Nonstandard tag _UID ignored.\n"},
      {ProgressStyle::kRedrawnLine,
       "Generating All Web Pages\n"
       "  GEDCOM file: /data/tree.ged\n"
       "  Destination: /srv/site/\n"
       "\r[1/2] Generating web pages for 1 family and 1 individual outside... 0% "
       "0:00\033[K"
       "\r\033[Kvellix: warning: Nonstandard tag _UID ignored.\n"
       "\r[1/2] Generating web pages for 1 family and 1 individual outside... 0% "
       "0:00\033[K"
       "\r[2/2] Creating log files... [..............................] 0% 0:00\033[K"
       "\r\033[KTotal time: 0:00\n"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RenderWarnedRun(c.style), c.expected) << static_cast<int>(c.style);
  }
  unsetenv("COLUMNS");
}

TEST(TerminalProgressView, QuietShowsNothing) {
  EXPECT_EQ(RenderRun(ProgressStyle::kOff), "");
}

TEST(TerminalProgressView, DumbTerminalGetsPlainLines) {
  const char* previous = std::getenv("TERM");
  const std::string saved = previous ? previous : "";
  setenv("TERM", "dumb", 1);
  EXPECT_EQ(ProgressStyleForStderr(false), ProgressStyle::kPlainLines);
  EXPECT_EQ(ProgressStyleForStderr(true), ProgressStyle::kOff);
  if (previous) {
    setenv("TERM", saved.c_str(), 1);
  } else {
    unsetenv("TERM");
  }
}

}  // namespace
}  // namespace vellix::cli
