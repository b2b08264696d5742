#include "run/warning_log.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "testing/test_support.h"

namespace vellix {
namespace {

using testing::ReadFile;
using testing::RecordingPrompter;
using testing::TempDir;

// The warning of number `code` (the tests walk the numbered table).
WarningCode Code(int code) { return static_cast<WarningCode>(code); }

const char kGeneral[] = "<p><b>General:</b></p>\r\n";
const char kMissingFiles[] =
    "<p><b>Missing Files:</b> The following files do not exist.</p>\r\n";
const char kEnding[] = " Ensure they exist prior to publishing your website.</p>\r\n";
const char kTags[] =
    "<p><b>GEDCOM Tags:</b> The following nonstandard tags were encountered in "
    "your GEDCOM file. They were either ignored or remapped to a standard "
    "tag.</p>\r\n";

// Headings come back as "H:" + heading, lines as they are.
class WarningLogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    log_.Reset();
    log_.SetLinkResolver([](const std::string& ref) { return "site/" + ref + ".htm"; });
  }

  std::vector<std::string> ReadAll(int limit = 200) {
    std::vector<std::string> out;
    bool heading = false;
    std::string text;
    while (log_.ReadNext(&heading, &text)) {
      out.push_back(heading ? "H:" + text : text);
      if (static_cast<int>(out.size()) > limit) {
        ADD_FAILURE() << "ReadNext does not end";
        break;
      }
    }
    return out;
  }

  TempDir home_;
  RecordingPrompter prompter_;
  WarningLog log_{prompter_, home_.path() + "warnings.txt"};
};

TEST_F(WarningLogTest, NoWarningsReadsNothing) {
  std::string text = "untouched";
  bool heading = true;
  EXPECT_FALSE(log_.ReadNext(&heading, &text));
  EXPECT_FALSE(heading);
  EXPECT_EQ(log_.GetTotal(), 0);
  EXPECT_FALSE(std::filesystem::exists(log_.path()));
}

TEST_F(WarningLogTest, CodesOutsideTheTableChangeNothing) {
  EXPECT_TRUE(log_.Add(Code(30), "x"));
  EXPECT_TRUE(log_.Add(Code(-1), "x"));
  EXPECT_EQ(log_.GetTotal(), 0);
  EXPECT_TRUE(ReadAll().empty());
}

TEST_F(WarningLogTest, WritesOneLineWithCategoryPerWarning) {
  log_.Add(Code(0));
  log_.Add(Code(12), "_UID");
  log_.Add(Code(5), "GENDEX.txt");
  EXPECT_EQ(log_.path(), home_.path() + "warnings.txt");
  EXPECT_EQ(ReadFile(log_.path()),
            "0,Web page generation was CANCELED.\n"
            "8,Nonstandard tag _UID ignored.\n"
            "1,'GENDEX.txt' ().\n");
}

TEST_F(WarningLogTest, EveryCodeReadsBackUnderItsHeadingInCategoryOrder) {
  RecordingPrompter& prompter = prompter_;
  prompter.QueueAnswers({true});
  for (int code = 0; code <= 29; ++code) {
    switch (code) {
      case 1:
        EXPECT_TRUE(log_.Add(Code(1), "/data"));
        break;
      case 5:
        log_.Add(Code(5), "GENDEX.txt");
        break;
      case 6:
        log_.Add(Code(6), "john.jpg", "I1", "John Smith");
        break;
      case 7:
        log_.Add(Code(7), "family.jpg", "F1");
        break;
      case 8:
        log_.Add(Code(8), "story.txt", "F2");
        break;
      case 9:
        log_.Add(Code(9), "bio.htm", "I2", "Mary Jones");
        break;
      case 10:
        log_.Add(Code(10), "narr.htm", "F3");
        break;
      case 11:
        log_.Add(Code(11), "_MILT", "I3", "Carl Brown");
        break;
      case 12:
        log_.Add(Code(12), "_UID");
        break;
      case 13:
        log_.Add(Code(13), "_MARNM");
        break;
      case 17:
        log_.Add(Code(17), "1234");
        break;
      case 20:
        log_.Add(Code(20), "F7");
        log_.Add(Code(20), "F-7", "F-7_0a1b2c3d");
        break;
      case 21:
        log_.Add(Code(21), {}, "F8");
        break;
      case 22:
        log_.Add(Code(22), "scan.tif", "F9");
        break;
      case 23:
        log_.Add(Code(23), "pdf.gif", {}, {}, "pdf");
        break;
      case 27:
        log_.Add(Code(27), "@I59@ INDI", {}, {}, "812");
        log_.Add(Code(27), "NOTE", {}, {}, "9");
        break;
      case 28:
        log_.Add(Code(28), "I3", "F4");
        break;
      case 29:
        log_.Add(Code(29), "1001", "F5", "Adam Many", "100");
        break;
      default:
        log_.Add(Code(code));
        break;
    }
  }
  // 32 warnings of 30 codes, but the batch of families without a reference
  // counts once.
  EXPECT_EQ(log_.GetTotal(), 31);
  const std::vector<std::string> expected = {
      std::string("H:") + kGeneral,
      "Web page generation was CANCELED.",
      "Insufficient disk space on drive /data. One or more web pages may be "
      "incomplete.",
      "Marriage facts have been excluded and are therefore not displayed.",
      "Primary marriage facts are displayed at the end of page while alternate "
      "marriage facts are displayed within the group sheet. This could confuse "
      "your website visitors.",
      "Alternate marriage facts have been excluded because marriage facts have "
      "been excluded.",
      "Web page generation FAILED. Your GEDCOM file does not use abbreviated tags.",
      "Web page generation FAILED. The input file is not a GEDCOM file.",
      "The input GEDCOM file is not a GEDCOM version 5.5 file.",
      "GEDCOM line 1234 exceeds maximum length. Important information may have "
      "been ignored.",
      "A total of 1 family records contained no alternate reference tag. Used "
      "cross-reference identifier instead.",
      "Family record identifier F7 is not unique. Web page generation is incomplete.",
      "Family record identifier F-7 is not unique. Its page was given a name of its "
      "own (<a href=\"site/F-7_0a1b2c3d.htm\">F-7_0a1b2c3d</a>).",
      "Family F8 (<a href=\"site/F8.htm\">F8</a>) has a circular reference. Web "
      "page generation is incomplete.",
      "One or more frame target fields were specified. All frame targets were "
      "ignored.",
      "The option to include source citations in a frame window is not allowed. "
      "Citations were included at the bottom of the page instead.",
      "The option to use a non-proportional font requires HTML Strict "
      "conformance. Your pages may not display properly in all browsers.",
      "Record @I59@ INDI on line 812 was ignored: an earlier record of its kind has "
      "the same identifier.",
      "Record NOTE on line 9 was ignored: it has no identifier, and neither has an "
      "earlier record of its kind.",
      "Family F4 (<a href=\"site/F4.htm\">F4</a>) names individual I3 more than "
      "once. The repeat was left out.",
      "Individual Adam Many (<a href=\"site/F5.htm\">F5</a>) has 1001 spouses. Each "
      "Spouses line lists the first 100 of them.",
      std::string("H:") + kMissingFiles,
      "'GENDEX.txt' ().",
      std::string("H:<p><b>Individual Images:</b> These images of individuals are "
                  "missing.") +
          kEnding,
      "'john.jpg' for John Smith (<a href=\"site/I1.htm\">I1</a>).",
      std::string("H:<p><b>Group Images:</b> These images of family groups are "
                  "missing.") +
          kEnding,
      "'family.jpg' (<a href=\"site/F1.htm\">F1</a>).",
      "H:<p><b>Imported Text:</b> These files were not imported because they do "
      "not exist or they are inaccessible. The corresponding family pages will "
      "not display the expected text. Ensure the files are present and then "
      "re-generate your family pages.</p>\r\n",
      "'story.txt' (<a href=\"site/F2.htm\">F2</a>).",
      std::string("H:<p><b>Biography Links:</b> These biography web page files do "
                  "not exist. Visitors who follow a link to one of them will see "
                  "a \"Page Not Found\" error.") +
          kEnding,
      "'bio.htm' for Mary Jones (<a href=\"site/I2.htm\">I2</a>).",
      std::string("H:<p><b>Narrative Links:</b> These narrative web page files do "
                  "not exist. Visitors who follow a link to one of them will see "
                  "a \"Page Not Found\" error.") +
          kEnding,
      "'narr.htm' (<a href=\"site/F3.htm\">F3</a>).",
      "H:<p><b>User-defined Facts:</b> These user-defined facts were excluded "
      "and are not displayed. They are listed here for your verification.</p>\r\n",
      "'_MILT' for Carl Brown (<a href=\"site/I3.htm\">I3</a>).",
      std::string("H:") + kTags,
      "Nonstandard tag _UID ignored.",
      "Remapped nonstandard tag _MARNM.",
      "H:<p><b>Multimedia:</b> These multimedia files were not found or they "
      "could not be copied.",
      "Cannot access 'scan.tif' (<a href=\"site/F9.htm\">F9</a>).",
      "No such icon 'pdf.gif' for '.pdf' files.",
  };
  EXPECT_EQ(ReadAll(), expected);
}

TEST_F(WarningLogTest, InterleavedWarningsAreGroupedInArrivalOrder) {
  log_.Add(Code(12), "_B");
  log_.Add(Code(16));
  log_.Add(Code(13), "_A");
  log_.Add(Code(0));
  EXPECT_EQ(ReadAll(), (std::vector<std::string>{
                           std::string("H:") + kGeneral,
                           "The input GEDCOM file is not a GEDCOM version 5.5 file.",
                           "Web page generation was CANCELED.",
                           std::string("H:") + kTags,
                           "Nonstandard tag _B ignored.",
                           "Remapped nonstandard tag _A.",
                       }));
  // Reading has passed the last category: nothing more comes.
  bool heading;
  std::string text;
  EXPECT_FALSE(log_.ReadNext(&heading, &text));
}

TEST_F(WarningLogTest, TagsAreReportedOnceWhateverTheirCase) {
  log_.Add(Code(12), "_Milt");
  log_.Add(Code(12), "_MILT");
  log_.Add(Code(13), "_milt");
  EXPECT_EQ(log_.GetTotal(), 1);
  EXPECT_EQ(ReadAll(), (std::vector<std::string>{std::string("H:") + kTags,
                                                 "Nonstandard tag _Milt ignored."}));
}

TEST_F(WarningLogTest, MediaFilesAreReportedOncePerReferenceAndFile) {
  log_.SetLinkResolver(nullptr);
  log_.Add(Code(22), "a.jpg", "F1");
  log_.Add(Code(22), "A.JPG", "f1");
  log_.Add(Code(22), "a.jpg", "F2");
  EXPECT_EQ(log_.GetTotal(), 2);
  std::vector<std::string> lines = ReadAll();
  ASSERT_EQ(lines.size(), 3u);
  // Without an installed resolver the address is empty.
  EXPECT_EQ(lines[1], "Cannot access 'a.jpg' (<a href=\"\">F1</a>).");
  EXPECT_EQ(lines[2], "Cannot access 'a.jpg' (<a href=\"\">F2</a>).");
}

TEST_F(WarningLogTest, FamiliesWithoutReferenceAreReportedAsOneBatch) {
  log_.Add(Code(18));
  log_.Add(Code(18));
  log_.Add(Code(18));
  EXPECT_EQ(log_.GetTotal(), 1);
  EXPECT_EQ(ReadFile(log_.path()), "");
  EXPECT_EQ(ReadAll(),
            (std::vector<std::string>{std::string("H:") + kGeneral,
                                      "A total of 3 family records contained no "
                                      "alternate reference tag. Used "
                                      "cross-reference identifier instead."}));
  EXPECT_EQ(log_.GetTotal(), 1);
}

TEST_F(WarningLogTest, BatchReportWithoutFamiliesWritesNothing) {
  log_.Add(Code(19));
  EXPECT_EQ(log_.GetTotal(), 0);
  log_.Add(Code(18));
  log_.Add(Code(19));
  log_.Add(Code(18));
  log_.Add(Code(19));
  EXPECT_EQ(log_.GetTotal(), 2);
  EXPECT_EQ(ReadFile(log_.path()),
            "0,A total of 1 family records contained no alternate reference tag. "
            "Used cross-reference identifier instead.\n"
            "0,A total of 1 family records contained no alternate reference tag. "
            "Used cross-reference identifier instead.\n");
}

TEST_F(WarningLogTest, LineFeedsInMessagesReadBackAsLineBreaks) {
  log_.Add(Code(5), "first\nsecond", "F1");
  log_.Add(Code(5), "plain");
  EXPECT_EQ(ReadAll(), (std::vector<std::string>{
                           std::string("H:") + kMissingFiles,
                           "'first<br>second' (<a href=\"site/F1.htm\">F1</a>).",
                           "'plain' ().",
                       }));
}

TEST_F(WarningLogTest, LongMessagesAreReadWhole) {
  const std::string name(3000, 'x');
  log_.Add(Code(5), name);
  std::vector<std::string> lines = ReadAll();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1], "'" + name + "' ().");
}

TEST_F(WarningLogTest, LowDiskSpaceAsksWhetherToContinue) {
  RecordingPrompter& prompter = prompter_;
  prompter.QueueAnswers({true});
  EXPECT_TRUE(log_.Add(Code(1), "/srv/www"));
  EXPECT_FALSE(log_.Add(Code(1), "/srv/www"));  // default button: No
  ASSERT_EQ(prompter.messages().size(), 2u);
  const auto& asked = prompter.messages()[0];
  EXPECT_TRUE(asked.question);
  EXPECT_EQ(asked.icon, platform::MessageIcon::kStop);
  EXPECT_EQ(asked.text,
            "Insufficient disk space on drive /srv/www.\n\nThe amount of free "
            "disk space available is very low.  One or more generated web pages "
            "may be incomplete.  It is recommended that you stop and free "
            "additional disk space by deleting unneeded files.\n\nDo you want "
            "to continue?");
  EXPECT_EQ(log_.GetTotal(), 2);
}

TEST_F(WarningLogTest, ResetStartsAFreshRun) {
  log_.Add(Code(12), "_X");
  log_.Add(Code(16));
  log_.Reset();
  EXPECT_EQ(log_.GetTotal(), 0);
  EXPECT_TRUE(ReadAll().empty());
  log_.Add(Code(12), "_x");  // reported again in the new run
  EXPECT_EQ(log_.GetTotal(), 1);
  EXPECT_EQ(ReadFile(log_.path()), "8,Nonstandard tag _x ignored.\n");
  EXPECT_EQ(ReadAll().size(), 2u);
}

TEST_F(WarningLogTest, WarningAddedWhileReadingIsStillRead) {
  log_.Add(Code(16));
  bool heading;
  std::string text;
  ASSERT_TRUE(log_.ReadNext(&heading, &text));
  EXPECT_TRUE(heading);
  log_.Add(Code(2));
  EXPECT_EQ(ReadAll(), (std::vector<std::string>{
                           "The input GEDCOM file is not a GEDCOM version 5.5 file.",
                           "Marriage facts have been excluded and are therefore "
                           "not displayed.",
                       }));
}

TEST_F(WarningLogTest, EmptiedFileGivesUpEveryCategory) {
  log_.Add(Code(16));
  log_.Add(Code(6), "a.jpg", "I1", "Ann");
  log_.Add(Code(0));
  std::filesystem::resize_file(log_.path(), 0);
  EXPECT_EQ(ReadAll(), (std::vector<std::string>{
                           std::string("H:") + kGeneral,
                           std::string("H:<p><b>Individual Images:</b> These "
                                       "images of individuals are missing.") +
                               kEnding,
                       }));
}

TEST_F(WarningLogTest, ShortenedFileKeepsWhatRemains) {
  log_.Add(Code(16));
  log_.Add(Code(0));
  log_.Add(Code(5), "x.txt");
  const std::string first = "0,The input GEDCOM file is not a GEDCOM version 5.5 file.\n";
  std::filesystem::resize_file(log_.path(), first.size());
  EXPECT_EQ(ReadAll(), (std::vector<std::string>{
                           std::string("H:") + kGeneral,
                           "The input GEDCOM file is not a GEDCOM version 5.5 file.",
                           std::string("H:") + kMissingFiles,
                       }));
}

TEST_F(WarningLogTest, DeletedFileDoesNotHangTheReader) {
  log_.Add(Code(16));
  log_.Add(Code(12), "_X");
  std::filesystem::remove(log_.path());
  std::vector<std::string> lines = ReadAll();
  EXPECT_LE(lines.size(), 4u);
  bool heading;
  std::string text;
  EXPECT_FALSE(log_.ReadNext(&heading, &text));
}

TEST_F(WarningLogTest, TheObserverSeesEachLineAsItIsRaisedUnderItsHeadingsTitle) {
  std::vector<std::string> seen;
  log_.SetObserver([&seen](const WarningLog::RaisedLine& raised) {
    seen.push_back(std::string(raised.category) + "|" + std::string(raised.line));
  });
  log_.Reset();  // the observer stays from run to run
  struct Raise {
    WarningCode code;
    const char* text;
    const char* ref;
    size_t seen_after;  // lines the observer has been told of afterwards
  };
  const Raise raises[] = {
      {WarningCode::kNonstandardTagIgnored, "_UID", "", 1},
      {WarningCode::kNonstandardTagIgnored, "_uid", "", 1},  // reported once per tag
      {WarningCode::kFileNotWritten, "a&b\nc.htm", "F1", 2},
      {WarningCode::kFamilyWithoutReference, "", "", 2},  // told when the batch ends
      {WarningCode::kFamilyWithoutReference, "", "", 2},
      {WarningCode::kMediaInaccessible, "scan.tif", "F9", 3},
      {WarningCode::kNotGedcom55, "", "", 4},
  };
  for (const Raise& r : raises) {
    log_.Add(r.code, r.text, r.ref);
    EXPECT_EQ(seen.size(), r.seen_after) << static_cast<int>(r.code);
  }
  const std::vector<std::string> read = ReadAll();
  const std::vector<std::string> expected = {
      "GEDCOM Tags|Nonstandard tag _UID ignored.",
      "Missing Files|'a&amp;b<br>c.htm' (<a href=\"site/F1.htm\">F1</a>).",
      "Multimedia|Cannot access 'scan.tif' (<a href=\"site/F9.htm\">F9</a>).",
      "General|The input GEDCOM file is not a GEDCOM version 5.5 file.",
      "General|A total of 2 family records contained no alternate reference tag. Used "
      "cross-reference identifier instead.",
  };
  EXPECT_EQ(seen, expected);
  // Each title is the bold start of the heading its line is read under.
  for (const std::string& line : seen) {
    const std::string heading = "H:<p><b>" + line.substr(0, line.find('|')) + ":</b>";
    EXPECT_NE(std::find_if(read.begin(), read.end(),
                           [&](const std::string& r) { return r.starts_with(heading); }),
              read.end())
        << heading;
  }
}

TEST_F(WarningLogTest, UncreatableFileStillCountsWarnings) {
  std::filesystem::create_directory(home_.path() + "warnings.txt");
  int told = 0;
  log_.SetObserver([&told](const WarningLog::RaisedLine&) { ++told; });
  log_.Add(Code(16));
  log_.Add(Code(0));
  EXPECT_EQ(log_.GetTotal(), 2);
  EXPECT_EQ(told, 2) << "lines that cannot be kept are still told as they come";
  EXPECT_TRUE(ReadAll().empty());
}

}  // namespace
}  // namespace vellix

namespace vellix {
namespace {

TEST(WarningLogEscapingTest, GedcomTextCannotAddMarkupToTheSummary) {
  TempDir home;
  RecordingPrompter prompter;
  WarningLog log(prompter, home.path() + "warnings.txt");
  log.Reset();
  log.Add(Code(12), "<script>alert(1)</script>");
  log.Add(Code(9), "bio & more.html", "I1", "Ann \"Nan\" <Smith>");
  log.Add(Code(21), {}, "F<1>");
  bool section = false;
  std::string line;
  std::vector<std::string> lines;
  while (log.ReadNext(&section, &line)) {
    if (!section) lines.push_back(line);
  }
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(
      lines[0],
      "Family F&lt;1&gt; (<a href=\"\">F&lt;1&gt;</a>) has a circular reference. Web "
      "page generation is incomplete.");
  EXPECT_EQ(lines[1],
            "'bio &amp; more.html' for Ann &quot;Nan&quot; &lt;Smith&gt; (<a "
            "href=\"\">I1</a>).");
  EXPECT_EQ(lines[2], "Nonstandard tag &lt;script&gt;alert(1)&lt;/script&gt; ignored.");
}

}  // namespace
}  // namespace vellix
