// The option set summary listing: the whole page of a changed option set
// against a page checked by hand, value renderings, the file name, and the
// checks and questions before it is written.
#include "options/option_listing.h"

#include <gtest/gtest.h>

#include <string>

#include "options/listing_writer.h"
#include "platform/app_paths.h"
#include "platform/file_system.h"
#include "testing/html_validator.h"
#include "testing/test_support.h"

namespace vellix::options {
namespace {

using platform::MessageIcon;
using testing::ReadFile;
using testing::RecordingPrompter;
using testing::TempDir;

void Put(CAttributesList& list, const std::string& ref, const std::string& link,
         const std::string& text, const std::string& image, const std::string& caption) {
  CAttributes* entry = list.Add(ref);
  entry->m_strReference = ref;
  entry->m_strLink = link;
  entry->m_strText = text;
  entry->m_strImage = image;
  entry->m_strCaption = caption;
}

// An option set changed on every tab, with values that need escaping.
COptions ChangedOptions() {
  COptions o;
  o.m_nFileVersion = 38;
  o.m_strGedcomFile = "\\home\\ann\\trees\\kowalski.ged";
  o.m_strDestFolder = "\\home\\ann\\site";
  o.m_strAuthor = "Ann <b>Kowalska</b> & \"family\"";
  o.m_strBackColor = "#ffffe0\" onload=\"x";
  o.m_customColors[0] = 0x0000FF;   // red in the lowest byte
  o.m_customColors[5] = 0x00FF00;   // green
  o.m_customColors[15] = 0xFF0000;  // blue
  o.m_bAlignLongest = false;
  o.m_nLabelWidth = 12;
  o.m_nFontSize = 4;
  o.m_bExtra2 = true;
  o.m_strExtra2Dest = "http://example.org/?a=1&b=2";
  o.m_nDividerThin = 2;
  o.m_strDividerThinImage = "images\\thin.gif";
  o.m_strFamilyHeader = "<div class=\"hdr\">Kowalski</div>\r\nsecond line\nthird\rfourth";
  o.m_bTitleNames = false;
  o.m_strTitleFamily = "Family of %s";
  o.m_strStdBodyAttrs = "onload=\"init()\"";
  o.m_bUseFactTags = true;
  o.m_strImportFolder = "\\home\\ann\\texts";
  o.m_nImportContent = 1;
  o.m_bCustomIconImages = false;
  Put(o.m_indivAttributes, "I2", "jan.htm", "great-grandfather", "jan.jpg", "Jan, 1921");
  Put(o.m_indivAttributes, "I10", "", "", "zofia.jpg", "");
  o.m_bExcludeLiving = true;
  o.m_nNameFilter = 1;
  o.m_nSlideOrder = 3;
  o.m_nAltNames = 2;
  o.m_nMedicalNotes = 1;
  o.m_factInclude[0] = 1;
  o.m_factInclude[34] = 2;
  o.SetFactLabel(34, "Military <service>");
  o.SetFactLabel(8, "Spis");
  o.m_strLblMarried = "Ożenek";
  o.m_nMonthNames = 3;
  o.m_nFamilyRefs = 3;
  o.m_strFamilyRefTag = "FamNo";
  o.m_strNoRefPrefix = "x";
  o.m_strDtdPages = kDtdTransitional;
  return o;
}

ListingInputs ChangedInputs() {
  ListingInputs in;
  in.option_set_path = "/home/ann/.local/share/vellix/Kowalski.dat";
  in.dialect_name = "Legacy";
  in.app.history_maximum = 5;
  in.app.log_individuals = 1;
  in.app.log_families = 1;
  in.app.configure = {1, 2, true};
  in.now.tm_year = 126;  // Sunday November 1, 2026 09:05:07
  in.now.tm_mon = 10;
  in.now.tm_mday = 1;
  in.now.tm_wday = 0;
  in.now.tm_hour = 9;
  in.now.tm_min = 5;
  in.now.tm_sec = 7;
  return in;
}

TEST(OptionListingPage, AChangedOptionSetGivesThePageCheckedByHand) {
  COptions options = ChangedOptions();
  const std::string page = OptionListingPage(options, ChangedInputs());
  std::string expected = ReadFile(testing::DataFile("options/listing-changed.html"));
  const size_t version = expected.find("@VERSION@");
  ASSERT_NE(version, std::string::npos);
  expected.replace(version, 9, platform::ProductVersion());
  EXPECT_EQ(page, expected);
  for (const std::string& error : testing::ValidateHtmlText(page)) ADD_FAILURE() << error;
}

TEST(OptionListingPage, TheVersionSentenceFollowsTheFilesLayoutVersion) {
  const std::string older = "This options set was created with an earlier version";
  const std::string newer = "This options set was created with a newer version";
  for (int version : {0, 38, 39, 40}) {
    COptions options;
    options.m_nFileVersion = version;
    const std::string page = OptionListingPage(options, ChangedInputs());
    EXPECT_EQ(page.find(older) != std::string::npos, version < 39) << version;
    EXPECT_EQ(page.find(newer) != std::string::npos, version > 39) << version;
    EXPECT_NE(page.find("<p>Revision: " + std::to_string(version) + "<p>"),
              std::string::npos);
  }
}

TEST(ListingValueTest, ValuesAreEscapedAndLineBreaksAndEmptinessShown) {
  const struct {
    std::string value;
    std::string shown;
  } cases[] = {
      {"", "&nbsp;"},
      {"<b>bold</b>", "&lt;b&gt;bold&lt;/b&gt;"},
      {"Tom & \"Jerry\"", "Tom &amp; &quot;Jerry&quot;"},
      {"a\r\nb\nc\rd", "a<br>b<br>c<br>d"},
      {"it's", "it's"},
  };
  for (const auto& c : cases) EXPECT_EQ(ListingValue(c.value), c.shown) << c.value;
  ListingWriter w;
  w.Display("x", 1);
  w.Choice("y", 9, {"zero", "one"});
  EXPECT_EQ(w.page(),
            "<tr><td>x</td><td><tt>Yes, at end of page</tt></td></tr>\r\n"
            "<tr><td>y</td><td><tt>9</tt></td></tr>\r\n");
}

TEST(ListingFileTest, NamedAfterTheOptionSetFileInTheGivenFolder) {
  const struct {
    std::string option_set;
    std::string listing;
  } cases[] = {
      {"/home/ann/.local/share/vellix/Options.dat", "/app/os-Options.html"},
      {"/data/Kowalski.DAT", "/app/os-Kowalski.html"},
      {"/data/trees.opt", "/app/os-trees.opt.html"},
      {"/data/dat", "/app/os-dat.html"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ListingFilePath("/app", c.option_set), c.listing) << c.option_set;
  }
}

class WriteListingTest : public ::testing::Test {
 protected:
  WriteListingTest() {
    inputs_ = ChangedInputs();
    inputs_.option_set_path = dir_.Write("Options.dat", "a set");
  }
  ListingResult Write() {
    return WriteOptionListing(options_, inputs_, dir_.path(), prompter_, &path_);
  }

  TempDir dir_;
  COptions options_;
  ListingInputs inputs_;
  RecordingPrompter prompter_;
  std::string path_;
};

TEST_F(WriteListingTest, WritesTheListingAndRewritesItsOwnWithoutAsking) {
  ASSERT_EQ(Write(), ListingResult::kWritten);
  EXPECT_EQ(path_, dir_.File("os-Options.html"));
  EXPECT_EQ(ReadFile(path_), OptionListingPage(options_, inputs_));
  options_.m_strAuthor = "changed";
  ASSERT_EQ(Write(), ListingResult::kWritten);
  EXPECT_NE(ReadFile(path_).find("<tt>changed</tt>"), std::string::npos);
  EXPECT_TRUE(prompter_.messages().empty());
}

TEST_F(WriteListingTest, AFileOfAnotherKindOrAShortOneIsOverwrittenOnlyOnYes) {
  for (const std::string& content :
       {std::string("my own notes"),
        std::string("<title>VELLIX Options Set Summary</title> but short")}) {
    const std::string listing = dir_.Write("os-Options.html", content);
    EXPECT_EQ(Write(), ListingResult::kDeclined);
    EXPECT_EQ(ReadFile(listing), content);
    ASSERT_FALSE(prompter_.messages().empty());
    EXPECT_EQ(prompter_.messages().back().text,
              listing +
                  "\n\nThe listing file already exists! If you overwrite this file, you "
                  "will delete its current contents.\n\nDo you want to overwrite the "
                  "contents of this file?\n(Click \"No\" if you are not sure.)");
    EXPECT_EQ(prompter_.messages().back().icon, MessageIcon::kStop);
    prompter_.QueueAnswers({true});
    EXPECT_EQ(Write(), ListingResult::kWritten);
    EXPECT_NE(ReadFile(listing).find("Options Set Summary"), std::string::npos);
  }
}

TEST_F(WriteListingTest, NothingIsWrittenWithoutAnOptionSetOrForOneThatDidNotLoad) {
  inputs_.option_set_path.clear();
  EXPECT_EQ(Write(), ListingResult::kRefused);
  EXPECT_EQ(prompter_.messages().back().text,
            "You must specify a VELLIX options set file.");
  inputs_.option_set_path = dir_.File("Missing.dat");
  EXPECT_EQ(Write(), ListingResult::kRefused);
  EXPECT_EQ(
      prompter_.messages().back().text,
      dir_.File("Missing.dat") +
          "\n\nThis file does not exist.\nPlease check the file name and try again.");
  inputs_.option_set_path = dir_.File("Options.dat");
  options_.m_nLoadError = 1;
  EXPECT_EQ(Write(), ListingResult::kRefused);
  EXPECT_FALSE(platform::FileExists(dir_.File("os-Options.html")));
}

}  // namespace
}  // namespace vellix::options
