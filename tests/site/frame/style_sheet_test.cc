// The style sheet: the whole default sheet against a hand-checked copy, and
// each block the options drive.
#include "site/frame/style_sheet.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "gedcom/gedcom_reader.h"
#include "gedcom/record_store.h"
#include "model/dialects.h"
#include "model/run_context.h"
#include "options/options.h"
#include "platform/progress.h"
#include "run/warning_log.h"
#include "testing/test_environment.h"

namespace vellix::site {
namespace {

// The lines of `text` split at "\r\n".
std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find("\r\n", pos);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(pos, end - pos));
    pos = end + 2;
  }
  return lines;
}

class StyleSheetTest : public ::testing::Test {
 protected:
  // The block of `selector` from its selector line to its closing brace.
  std::string Block(const std::string& selector) {
    const std::string css = BuildStyleSheet(options_);
    size_t start = css.find("\r\n" + selector + "\r\n");
    if (start == std::string::npos) start = css.find("\r\n" + selector + " /*");
    if (start == std::string::npos) return "";
    const size_t end = css.find("}\r\n", start);
    return css.substr(start + 2, end + 3 - start - 2);
  }
  COptions options_;
};

TEST_F(StyleSheetTest, DefaultSheetMatchesTheCheckedCopyLineByLine) {
  const std::string expected =
      testing::ReadFile(testing::DataFile("frame/grpbase-default.css"));
  const std::string actual = BuildStyleSheet(options_);
  const std::vector<std::string> want = Lines(expected);
  const std::vector<std::string> got = Lines(actual);
  for (size_t i = 0; i < want.size() && i < got.size(); ++i) {
    ASSERT_EQ(got[i], want[i]) << "line " << i + 1;
  }
  EXPECT_EQ(got.size(), want.size());
  EXPECT_EQ(actual, expected);  // also every line end
}

TEST_F(StyleSheetTest, EmptyMarginsAreZeroAndEmptyBackgroundLeavesOnlyTheAttachment) {
  options_.m_strMarginTop.clear();
  options_.m_strMarginRight.clear();
  options_.m_strMarginBottom.clear();
  options_.m_strMarginLeft.clear();
  options_.m_strBackColor.clear();
  options_.m_strBackImage.clear();
  options_.m_strFontFace.clear();
  options_.m_strTextColor.clear();
  EXPECT_EQ(Block(".vx-body, td.vx-body"),
            ".vx-body, td.vx-body\r\n{\r\n  margin:0px 0px 0px 0px;\r\n"
            "  background-attachment:scroll;\r\n  color:#000000;\r\n}\r\n");
  // Without a font face the gallery link rule has no font family either.
  EXPECT_EQ(Block(".vx-thmlnk.vx-aind"),
            ".vx-thmlnk.vx-aind /* Individual */\r\n{\r\n  white-space:normal;\r\n}\r\n");
}

TEST_F(StyleSheetTest, BackgroundImageFixedAndFontSize) {
  options_.m_strMarginLeft = "0";
  options_.m_strBackImage = "img\\old paper.jpg";
  options_.m_bBackFixed = true;
  options_.m_nFontSize = 5;
  options_.m_strFontFace = "Georgia,serif";
  options_.m_strTextColor = "#333333";
  EXPECT_EQ(Block(".vx-body, td.vx-body"),
            ".vx-body, td.vx-body\r\n{\r\n  margin:10px 10px 5px 0px;\r\n"
            "  background:#ffffff;\r\n  background-image:url(img/old%20paper.jpg);\r\n"
            "  background-attachment:fixed;\r\n  font-family:Georgia,serif;\r\n"
            "  color:#333333;\r\n  font-size:large;\r\n}\r\n");
  options_.m_nFontSize = 1;
  EXPECT_NE(Block(".vx-body, td.vx-body").find("  font-size:xx-small;\r\n"),
            std::string::npos);
  options_.m_nFontSize = 7;
  EXPECT_NE(Block(".vx-body, td.vx-body").find("  font-size:xx-large;\r\n"),
            std::string::npos);
}

TEST_F(StyleSheetTest, LinkAndDividerColours) {
  options_.m_strLinkColor = "#111111";
  options_.m_strVisitedLinkColor = "#222222";
  options_.m_strActiveLinkColor = "#333333";
  options_.m_strDividerColor = "red";
  const std::string css = BuildStyleSheet(options_);
  EXPECT_NE(css.find("}\r\n.vx-body A:link    { color:#111111; }\r\n"
                     ".vx-body A:visited { color:#222222; }\r\n"
                     ".vx-body A:active  { color:#333333; }\r\n.vx-thmnav img"),
            std::string::npos);
  EXPECT_EQ(
      Block(".vx-bar"),
      ".vx-bar\r\n{\r\n  border:red;\r\n  margin-top:10px;\r\n  margin-bottom:5px;\r\n"
      "  padding:5px 0px;\r\n  width:100%;\r\n}\r\n");
  EXPECT_NE(Block(".vx-cbar").find("  border-top:red thin solid;\r\n"),
            std::string::npos);
  EXPECT_NE(Block(".vx-lblrel").find("  color:#333333;\r\n"), std::string::npos);
}

TEST_F(StyleSheetTest, ImageDividerBlocksOnlyForDividersDrawnAsImages) {
  EXPECT_EQ(Block(".vx-tbar"), "");
  options_.m_nDividerTop = 2;
  options_.m_nDividerThin = 2;
  EXPECT_EQ(Block(".vx-tbar"),
            ".vx-tbar /* top */\r\n{\r\n  text-align:center;\r\n  margin-top:10px;\r\n"
            "  margin-bottom:5px;\r\n  padding:5px 0px;\r\n}\r\n");
  EXPECT_EQ(Block(".vx-nbar"),
            ".vx-nbar /* thin */\r\n{\r\n  text-align:center;\r\n  margin-top:10px;\r\n"
            "  margin-bottom:5px;\r\n  padding-bottom:5px;\r\n}\r\n");
  EXPECT_EQ(Block(".vx-bbar"), "");
  EXPECT_EQ(Block(".vx-kbar"), "");
  const std::string css = BuildStyleSheet(options_);
  EXPECT_LT(css.find(".vx-bar.tt"), css.find(".vx-tbar"));
  EXPECT_LT(css.find(".vx-nbar"), css.find(".vx-cbar"));
}

TEST_F(StyleSheetTest, FixedFontLabelsIgnoreTheAlignmentOptions) {
  options_.m_bMonoFont = true;
  options_.m_bAlignLabels = true;
  options_.m_bAlignPlaces = true;
  EXPECT_EQ(Block(".vx-lbl"),
            ".vx-lbl /* Group sheet labels */\r\n{\r\n  vertical-align:top;\r\n}\r\n");
  EXPECT_EQ(Block(".vx-date"), ".vx-date /* Date fields */\r\n{\r\n}\r\n");
}

TEST_F(StyleSheetTest, ProportionalFontBlocks) {
  options_.m_bMonoFont = false;
  options_.m_bAlignLabels = true;
  options_.m_bAlignLongest = false;
  options_.m_nLabelWidth = 12;
  options_.m_bRightJustify = false;
  options_.m_bAlignPlaces = true;
  options_.m_nDateWidth = 30;
  EXPECT_EQ(Block(".vx-idx"), ".vx-idx\r\n{\r\nwhite-space:normal;\r\n}\r\n");
  EXPECT_EQ(Block(".vx-fam"), ".vx-fam\r\n{\r\nwhite-space:normal;\r\n}\r\n");
  EXPECT_EQ(
      Block(".vx-lbl"),
      ".vx-lbl /* Group sheet labels */\r\n{\r\n  text-align:left;\r\n  width:12ex;\r\n"
      "  vertical-align:top;\r\n}\r\n");
  EXPECT_EQ(Block(".vx-date"), ".vx-date /* Date fields */\r\n{\r\nwidth:30ex;\r\n}\r\n");
  EXPECT_EQ(Block(".vx-lblrel"),
            ".vx-lblrel /* Emphasized child labels */\r\n{\r\n  padding-left:2ex;\r\n"
            "  color:#ff0000;\r\n  background:transparent;\r\n}\r\n");
  options_.m_bAlignLabels = false;
  EXPECT_EQ(Block(".vx-lbl"),
            ".vx-lbl /* Group sheet labels */\r\n{\r\n  vertical-align:top;\r\n}\r\n");
}

TEST_F(StyleSheetTest, LongestLabelWidthCountsCharactersOfShownLabels) {
  options_.m_bMonoFont = false;
  options_.m_strLblSpouses = "Ehegatten";  // 9
  EXPECT_EQ(LongestGroupSheetLabel(options_), 9);
  EXPECT_NE(Block(".vx-lbl").find("  text-align:right;\r\n  width:11ex;\r\n"),
            std::string::npos);
  options_.m_strLblHusband =
      "\xc3\x89poux \xc3\xa9tranger";  // "Époux étranger", 14 characters
  EXPECT_EQ(LongestGroupSheetLabel(options_), 14);
  // A fact shown within the group sheet counts; one shown elsewhere does not.
  ASSERT_EQ(options_.m_factLabels.size(), static_cast<size_t>(kFactKindCount));
  options_.m_factLabels[3] = "A very long fact label";  // 22
  options_.m_factInclude[3] = 1;
  EXPECT_EQ(LongestGroupSheetLabel(options_), 14);
  options_.m_factInclude[3] = 2;
  EXPECT_EQ(LongestGroupSheetLabel(options_), 22);
}

TEST_F(StyleSheetTest, ThumbnailColumnsSetTheCellWidth) {
  options_.m_nThumbColumns = 4;
  EXPECT_NE(Block(".vx-thmgal td").find("  text-align:center;\r\n  width: 25%;\r\n}\r\n"),
            std::string::npos);
  options_.m_nThumbColumns = 1;
  EXPECT_NE(Block(".vx-thmgal td").find("  width:100%;\r\n}"), std::string::npos);
  options_.m_nThumbColumns = 0;
  EXPECT_NE(Block(".vx-thmgal td").find("  text-align:center;\r\n}\r\n"),
            std::string::npos);
}

TEST_F(StyleSheetTest, EveryBlockSelectorAppearsOnce) {
  const std::string css = BuildStyleSheet(options_);
  int opening = 0;
  for (size_t pos = css.find("\r\n{\r\n"); pos != std::string::npos;
       pos = css.find("\r\n{\r\n", pos + 1)) {
    ++opening;
  }
  // 136 blocks less the four image divider blocks of the default options.
  EXPECT_EQ(opening, 132);
  options_.m_nDividerTop = options_.m_nDividerBottom = 2;
  options_.m_nDividerThick = options_.m_nDividerThin = 2;
  const std::string all = BuildStyleSheet(options_);
  opening = 0;
  for (size_t pos = all.find("\r\n{\r\n"); pos != std::string::npos;
       pos = all.find("\r\n{\r\n", pos + 1)) {
    ++opening;
  }
  EXPECT_EQ(opening, 136);
}

class WriteStyleSheetTest : public ::testing::Test {
 protected:
  WriteStyleSheetTest()
      : reader_(store_, test_env_.env), ctx_{test_env_.env, options_,    reader_,
                                             store_,        statistics_, progress_,
                                             dialects_,     RunFlags{},  0} {}

  testing::TestEnvironment test_env_;
  DialectTable dialects_;
  COptions options_;
  RecordStore store_;
  GedcomReader reader_;
  RunStatistics statistics_;
  platform::NullProgress progress_;
  RunContext ctx_;
};

TEST_F(WriteStyleSheetTest, WritesPrefixBaseCssAndCountsIt) {
  testing::TempDir dest;
  options_.m_strDestFolder = dest.path();
  options_.m_strFilePrefix = "fam";
  ASSERT_TRUE(WriteStyleSheet(ctx_, false));
  const std::string written = testing::ReadFile(dest.File("fambase.css"));
  EXPECT_EQ(written, BuildStyleSheet(options_));
  EXPECT_EQ(statistics_.filesWritten[static_cast<size_t>(FileGroup::kOther)], 1u);
  EXPECT_EQ(statistics_.bytesWritten[static_cast<size_t>(FileGroup::kOther)],
            written.size());
  EXPECT_EQ(test_env_.env.warnings().GetTotal(), 0);
}

TEST_F(WriteStyleSheetTest, UnwritableDestinationIsReportedAndNotCounted) {
  testing::TempDir dest;
  options_.m_strDestFolder = dest.File("missing/deeper");
  EXPECT_FALSE(WriteStyleSheet(ctx_, true));
  EXPECT_EQ(statistics_.filesWritten[static_cast<size_t>(FileGroup::kOther)], 0u);
  EXPECT_EQ(test_env_.env.warnings().GetTotal(), 1);
}

}  // namespace
}  // namespace vellix::site
