// The option set as INI text: every key round-trips, mistakes are reported
// by line and change nothing.
#include "options/option_ini.h"

#include <gtest/gtest.h>

#include <sstream>

#include "options/option_keys.h"
#include "options/option_values.h"

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
  // Colours and the names of written files take only safe values; give
  // each a changed one of its own kind.
  switch (RuleOf(setting.key)) {
    case ValueRule::kColor:
      return n % 2 == 0 ? "#0a0B0c" : "Teal";
    case ValueRule::kFileNamePart:
      return "vx " + std::to_string(n);
    case ValueRule::kFileInDestination:
    case ValueRule::kFolderInDestination:
      return "site\\part " + std::to_string(n);
    case ValueRule::kAnyText:
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
  // Every extra on, and an address long enough to need quoted pieces.
  changed.extras = {
      .search = true,
      .phones = true,
      .maps = true,
      .base_url = "https://example.org/" + std::string(230, 'a') + "/tree;x?a=1&b=%20"};
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
  EXPECT_EQ(restored.extras, changed.extras);
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
           "\n[Extras]\n\n; Extras (all off by default; kept beside the option set "
           "file)\n; Search page and search boxes: yes or no\nextras.search = no\n",
           "; Address of the published site (sitemap.xml, robots.txt, canonical "
           "links)\nextras.base-url = \"\"\n",
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

// The extras read back with the checks of `vellix options set`: a file
// changes only the extras it names, and one wrong line changes nothing.
TEST(OptionIni, ExtrasAreSetOnlyWhenNamedAndFit) {
  const ExtrasSettings before = {.search = true, .base_url = "https://old.example/"};
  const struct {
    const char* name;
    std::string text;
    ExtrasSettings expected;                 // when the text is taken
    std::vector<std::string> problems = {};  // when it is refused
  } cases[] = {
      {"no extras named", "bCitations = yes\n", before},
      {"one switch",
       "[Extras]\nextras.maps = on\n",
       {.search = true, .maps = true, .base_url = "https://old.example/"}},
      {"switched off", "extras.search = 0\n", {.base_url = "https://old.example/"}},
      {"quoted address",
       "extras.base-url = \"https://new.example/t\"\n",
       {.search = true, .base_url = "https://new.example/t"}},
      {"address in pieces",
       "extras.base-url = \"https://new.example/\"\n    \"tree/\"\n",
       {.search = true, .base_url = "https://new.example/tree/"}},
      {"plain address",
       "extras.base-url = http://plain.example\n",
       {.search = true, .base_url = "http://plain.example"}},
      {"address cleared", "extras.base-url = \"\"\n", {.search = true, .base_url = ""}},
      {"bad address refused whole",
       "bCitations = yes\nextras.maps = yes\nextras.base-url = \"ftp://x.example/\"\n",
       before,
       {"3: extras.base-url takes an http:// or https:// address without blanks or "
        "quotes, or nothing"}},
      {"address with a blank",
       "extras.base-url = \"https://a.example/b c\"\n",
       before,
       {"1: extras.base-url takes an http:// or https:// address without blanks or "
        "quotes, or nothing"}},
      {"switch that is no switch",
       "extras.phones = maybe\n",
       before,
       {"1: extras.phones takes yes or no"}},
      {"given twice",
       "extras.maps = no\nextras.maps = yes\n",
       before,
       {"2: extras.maps is given twice (first on line 1)"}},
      {"unknown extra",
       "extras.wings = yes\n",
       before,
       {"1: unknown setting 'extras.wings'"}},
      {"switch continued",
       "extras.search = no\n    \"yes\"\n",
       before,
       {"2: extras.search: only a quoted text can continue on the next line"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    COptions options;
    options.extras = before;
    std::vector<IniProblem> problems;
    const bool taken = ApplyIni(c.text, &options, &problems);
    std::vector<std::string> listed;
    for (const IniProblem& p : problems) {
      listed.push_back(std::to_string(p.line) + ": " + p.message);
    }
    EXPECT_EQ(listed, c.problems);
    EXPECT_EQ(taken, c.problems.empty());
    EXPECT_EQ(options.extras, c.expected);
    EXPECT_EQ(options.m_bCitations, taken && c.text.starts_with("bCitations"));
  }
}

}  // namespace
}  // namespace vellix::options
