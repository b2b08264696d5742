// The option set as INI text: every key round-trips, mistakes are reported
// by line and change nothing.
#include "options/option_ini.h"

#include <gtest/gtest.h>

#include <sstream>

#include "options/option_keys.h"

namespace vellix::options {
namespace {

// A value unlike the default for every setting; texts full of what INI
// text finds hard.
std::string OtherValue(COptions& defaults, const Setting& setting, int n) {
  const std::string current = SettingValue(defaults, setting);
  switch (setting.type) {
    case SettingType::kBool:
      return current == "yes" ? "no" : "yes";
    case SettingType::kNumber:
    case SettingType::kFactInclude: {
      if (setting.min < -1000) return "-" + std::to_string(n + 7);
      const std::string max = std::to_string(setting.max);
      return current == max ? std::to_string(setting.min) : max;
    }
    case SettingType::kColor: {
      char code[8];
      std::snprintf(code, sizeof code, "#%02x%02x%02x", n % 256, (n * 7) % 256, 200);
      return code;
    }
    default:
      break;
  }
  switch (n % 5) {
    case 0:
      return " leading and trailing blanks ";
    case 1:
      return "say \"hi\" \\ back\\slash\ttab ; not a comment # nor this = that";
    case 2:
      return "\xC5\x81\xC3\xB3"
             "d\xC5\xBA \xCE\x93\xCE\xAC\xCE\xBC\xCE\xBF\xCF\x82\r\n"
             "second line\n\nfourth\x01";
    case 3:
      return std::string(450, 'x') + " <table summary=\"layout\">; " + setting.key;
    default:
      return "";
  }
}

bool Redirected(const Setting& setting) {
  return setting.type == SettingType::kFactLabel &&
         (setting.index == 52 || setting.index == 59 || setting.index == 61);
}

TEST(OptionIni, EveryKeyRoundTrips) {
  COptions defaults;
  COptions changed;
  int n = 0;
  for (const Setting& setting : AllSettings()) {
    if (Redirected(setting)) continue;
    std::string error;
    ASSERT_TRUE(
        SetSettingValue(changed, setting, OtherValue(defaults, setting, n++), &error))
        << setting.key << ": " << error;
  }
  const std::string text = OptionsToIni(changed, "/home/u/Options.dat");

  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    EXPECT_LE(line.size(), kMaxIniLine) << line;
  }

  COptions restored;
  std::vector<IniProblem> problems;
  ASSERT_TRUE(ApplyIni(text, &restored, &problems))
      << problems.front().line << ": " << problems.front().message;
  for (const Setting& setting : AllSettings()) {
    EXPECT_EQ(SettingValue(restored, setting), SettingValue(changed, setting))
        << setting.key;
  }
  EXPECT_EQ(OptionsToIni(restored, "/home/u/Options.dat"), text);
}

TEST(OptionIni, TextReadsAsCommentedSections) {
  COptions options;
  options.m_strFamilyHeader = "<b>Smith</b>\nfamily";
  const std::string text = OptionsToIni(options, "/home/u/Options.dat");
  EXPECT_EQ(text.rfind("; VELLIX option set, exported from /home/u/Options.dat\n", 0),
            0u);
  for (const char* part : {
           "\n[Features]\n\n; Features \xE2\x80\xBA Source Citations \xE2\x80\xBA "
           "Footnotes\n; Include source citations\nbCitations = no\n",
           "; Top of Page: 0 = Exclude, 1 = Line, 2 = Image\nnDividerTop = 1\n",
           "; Label width: no = Use this width, yes = Use width of longest label\n"
           "bAlignLongest = yes\n",
           "; Header\nstrFamilyHeader = \"<b>Smith</b>\\n\"\n    \"family\"\n",
           "; Married\n; factLabels.59 = \"Married\"  (always the label it shows; not "
           "set "
           "here)\n",
           "customColors.15 = #ffffff\n",
       }) {
    EXPECT_NE(text.find(part), std::string::npos) << part;
  }
}

TEST(OptionIni, HandWrittenTextSetsOnlyWhatItNames) {
  COptions options;
  options.m_strAuthor = "kept";
  std::vector<IniProblem> problems;
  ASSERT_TRUE(
      ApplyIni("\xEF\xBB\xBF; my changes\r\n"
               "[Anything]\r\n"
               "bCitations = on   ; inline comment\r\n"
               "m_nDateWidth=30\r\n"
               "strKeywords = Genealogy, Smith\r\n"
               "strLblMarried = \"Wed\"\r\n"
               "factLabels.59 = \"Wed\"\r\n"
               "nReserved2 = -12\r\n",
               &options, &problems));
  EXPECT_TRUE(options.m_bCitations);
  EXPECT_EQ(options.m_nDateWidth, 30);
  EXPECT_EQ(options.m_strKeywords, "Genealogy, Smith");
  EXPECT_EQ(options.GetFactLabel(59), "Wed");
  EXPECT_EQ(options.m_nReserved2, -12);
  EXPECT_EQ(options.m_strAuthor, "kept");
}

TEST(OptionIni, MistakesAreListedByLineAndChangeNothing) {
  COptions options;
  std::vector<IniProblem> problems;
  const std::string text =
      "bCitations = yes\n"                     // 1: fine, but not applied
      "bGhost = yes\n"                         // 2
      "nDateWidth = 81\n"                      // 3
      "bCitations = no\n"                      // 4
      "this line has no equals sign\n"         // 5
      "strAuthor = \"open\n"                   // 6
      "strKeywords = plain\n"                  // 7
      "    \"continued\"\n"                    // 8
      "strDescription = \"bad \\q escape\"\n"  // 9
      "factLabels.52 = \"Zensus\"\n"           // 10
      "strCopyright = \"" +
      std::string(190, 'x') + "\"\n";  // 11
  EXPECT_FALSE(ApplyIni(text, &options, &problems));
  EXPECT_FALSE(options.m_bCitations);
  std::vector<std::string> listed;
  for (const IniProblem& p : problems) {
    listed.push_back(std::to_string(p.line) + ": " + p.message);
  }
  EXPECT_EQ(listed,
            (std::vector<std::string>{
                "2: unknown setting 'bGhost'",
                "3: nDateWidth: 81 is outside 0..80",
                "4: bCitations is given twice (first on line 1)",
                "5: not a setting: write KEY = VALUE",
                "6: strAuthor: a text must stand in double quotes",
                "8: strKeywords: only a quoted text can continue on the next line",
                "9: strDescription: unknown escape \\q",
                "10: factLabels.52 always shows the label of factLabels.8; set that "
                "instead",
                "11: the line is longer than 198 characters; continue a long text in "
                "quoted pieces on indented lines",
            }));
}

}  // namespace
}  // namespace vellix::options
