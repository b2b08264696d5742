// The three log pages validate against HTML 4.01 Transitional (OpenSP's
// onsgmls). Where a fragment the pages must carry word for word is itself
// invalid, its error is allowed below with its cause; any other error fails.
#include <gtest/gtest.h>
#include <stdio.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "logs/list_logs.h"
#include "logs/log_fixture.h"
#include "logs/log_page.h"
#include "logs/summary_log.h"
#include "run/run_log_entries.h"
#include "run/warning_log.h"

namespace vellix {
namespace {

const char kDtdFolder[] = "/usr/share/xml/w3c-sgml-lib/schema/dtd/REC-html401-19991224/";
const char kSgmlDeclaration[] = "/usr/share/xml/w3c-sgml-lib/schema/dtd/sgml.dcl";

// Errors that prescribed fragments cause, by page.
struct AllowedError {
  const char* page;
  const char* message;
  const char* cause;
};
constexpr AllowedError kAllowed[] = {
    {"vx-family.html", "required attribute \"ALT\" not specified",
     "a family image that fits the table is written as <img src width> without alt: the "
     "prescribed tag gives alt only to images shown with the enlarge link"},
};

class LogValidationTest : public logtest::LogFixture {
 protected:
  // The error messages onsgmls reports for a page (empty when it is valid).
  std::vector<std::string> Validate(const std::string& page) {
    const std::string catalog = root_.Write(
        "html4.cat",
        std::string("SGMLDECL \"") + kSgmlDeclaration + "\"\n" +
            "PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\" \"" + kDtdFolder +
            "loose.dtd\"\n" + "PUBLIC \"-//W3C//ENTITIES Latin1//EN//HTML\" \"" +
            kDtdFolder + "HTMLlat1.ent\"\n" +
            "PUBLIC \"-//W3C//ENTITIES Special//EN//HTML\" \"" + kDtdFolder +
            "HTMLspecial.ent\"\n" + "PUBLIC \"-//W3C//ENTITIES Symbols//EN//HTML\" \"" +
            kDtdFolder + "HTMLsymbol.ent\"\n");
    const std::string command = "SP_CHARSET_FIXED=YES SP_ENCODING=utf-8 onsgmls -s -c '" +
                                catalog + "' '" + log_folder_ + page + "' 2>&1";
    std::vector<std::string> errors;
    FILE* out = popen(command.c_str(), "r");
    if (out == nullptr) {
      ADD_FAILURE() << "cannot run onsgmls";
      return errors;
    }
    char line[4096];
    while (fgets(line, sizeof line, out) != nullptr) {
      std::string text(line);
      while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
      size_t at = text.find(":E: ");
      if (at != std::string::npos) {
        errors.push_back(text.substr(at + 4));
      } else if (text.find(":W: ") == std::string::npos &&
                 text.find(": start tag was here") == std::string::npos) {
        errors.push_back(text);  // anything else onsgmls says is a problem too
      }
    }
    pclose(out);
    return errors;
  }

  // Expects no errors but the allowed ones; returns how many allowed errors
  // were found.
  int ExpectValid(const std::string& page) {
    int allowed_found = 0;
    EXPECT_TRUE(std::filesystem::exists(std::string(kDtdFolder) + "loose.dtd"))
        << "the HTML 4.01 DTDs (Debian w3c-sgml-lib) are not installed";
    for (const std::string& error : Validate(page)) {
      bool allowed = false;
      for (const AllowedError& a : kAllowed) {
        allowed = allowed || (page == a.page && error == a.message);
      }
      EXPECT_TRUE(allowed) << page << ": " << error;
      if (allowed) ++allowed_found;
    }
    return allowed_found;
  }
};

TEST_F(LogValidationTest, SummaryWithEverySectionIsValid) {
  WarningLog warnings(prompter_, root_.path() + "warnings.txt");
  warnings.SetLinkResolver(
      [](const std::string& ref) { return "../site/grp" + ref + ".html"; });
  warnings.Add(WarningCode::kMarriageFactsExcluded);
  warnings.Add(WarningCode::kFileNotWritten, "GENDEX.txt");
  warnings.Add(WarningCode::kIndividualImageMissing, "john.jpg", "F1", "John Smith");
  warnings.Add(WarningCode::kNonstandardTagIgnored, "_UID");
  warnings.Add(WarningCode::kMediaInaccessible, "film.mpg", "F2");
  options_.m_strHomePage = "..\\home\\index.html";
  options_.m_strMediaSourceFolder = "..\\scans";
  options_.m_strGedcomFile = "\\data\\Smith & Jones.ged";
  stats_.CountFile(FileGroup::kBibliography, 4096);
  LogPage page(files_, log_folder_);
  ASSERT_TRUE(page.Open(LogPageKind::kSummary, 0));
  SummaryLogInputs in{options_, stats_, 3, RunResult::kCancelled, 12, "/x/Options.dat"};
  WriteSummaryBody(page, in, warnings);
  ASSERT_TRUE(page.Close());
  EXPECT_EQ(ExpectValid("vx-summary.html"), 0);
}

TEST_F(LogValidationTest, FailedRunSummaryIsValid) {
  WarningLog warnings(prompter_, root_.path() + "warnings.txt");
  options_.m_bAltSurnameFile = true;
  LogPage page(files_, log_folder_);
  ASSERT_TRUE(page.Open(LogPageKind::kSummary, 0));
  SummaryLogInputs in{options_, stats_, 0, RunResult::kFailed, 0, "/x/Options.dat"};
  WriteSummaryBody(page, in, warnings);
  ASSERT_TRUE(page.Close());
  EXPECT_EQ(ExpectValid("vx-summary.html"), 0);
}

TEST_F(LogValidationTest, ListPagesAreValid) {
  options_.m_bGalleries = true;
  options_.m_bIndivPortraits = true;
  options_.m_bFamilyPortraits = true;
  RunLogEntries entries;
  IndividualLogEntry& john = entries.Individual("I1");
  john.name_first = entries.Keep("John");
  john.name_second = entries.Keep("Smith & Sons");
  entries.SetDetail(john, &IndividualLogDetails::relationship, "Grandfather");
  entries.SetDetail(john, &IndividualLogDetails::biography_file, "john bio.htm");
  entries.SetDetail(john, &IndividualLogDetails::image_file, "john.jpg");
  entries.SetDetail(john, &IndividualLogDetails::caption, "John <1900>");
  entries.AddFamilyPage("I1", "grpf1.html");
  entries.AddFamilyPage("I1", "grpf2.html");
  entries.SetDetail(entries.Individual("I2"), &IndividualLogDetails::portrait_file,
                    "port\\i2.jpg");
  entries.Individual("I3");
  FamilyLogEntry f;
  f.ref = entries.Keep("F1");
  f.page_file = entries.Keep("grpf1.html");
  f.husband = entries.Keep("John Smith");
  f.wife = entries.Keep("Mary O'Neil");
  f.narrative_file = entries.Keep("story.htm");
  f.import_file = entries.Keep("notes.txt");
  f.group_image_file = entries.Keep("small.jpg");
  f.caption = entries.Keep("Wedding");
  entries.AddFamily(f);
  f.ref = entries.Keep("F2");
  f.group_image_file = entries.Keep("wide's.jpg");
  entries.AddFamily(f);
  f.ref = entries.Keep("F3");
  f.group_image_file = {};
  entries.AddFamily(f);
  auto size = [](const std::string& path) -> std::optional<ImageSize> {
    if (path.ends_with("small.jpg")) return ImageSize{100, 100};
    if (path.ends_with("wide's.jpg")) return ImageSize{500, 400};
    return std::nullopt;
  };
  LogPage page(files_, log_folder_);
  ASSERT_TRUE(WriteIndividualList(page, {options_, entries, {}, size}, 0));
  ASSERT_TRUE(WriteFamilyList(page, {options_, entries, {}, size}, 0));
  EXPECT_EQ(ExpectValid("vx-individual.html"), 0);
  // F1's image fits and so has no alt; F2's has the enlarge link and alt.
  EXPECT_EQ(ExpectValid("vx-family.html"), 1);

  RunLogEntries none;
  ASSERT_TRUE(WriteIndividualList(page, {options_, none, {}, size}, 0));
  ASSERT_TRUE(WriteFamilyList(page, {options_, none, {}, size}, 0));
  EXPECT_EQ(ExpectValid("vx-individual.html"), 0);
  EXPECT_EQ(ExpectValid("vx-family.html"), 0);
}

TEST_F(LogValidationTest, InvalidMarkupIsCaught) {
  // The checker itself must report errors, or the tests above prove nothing.
  root_.Write("logs/bad.html",
              "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r\n"
              "<html><head><title>x</title></head><body><col></body></html>\r\n");
  EXPECT_FALSE(Validate("bad.html").empty());
}

}  // namespace
}  // namespace vellix
