// `vellix options list` as text and as JSON.
#include "shell/cli/options_listing.h"

#include <gtest/gtest.h>

#include <sstream>

#include "options/extras_settings.h"
#include "options/option_keys.h"
#include "options/options.h"

namespace vellix::cli {
namespace {

TEST(OptionsListing, TextShowsCaptionsChoicesAndQuotedTexts) {
  COptions options;
  options.m_strFamilyHeader = "line one\nline \"two\"";
  const std::string text = ListingText(options, ListingScope::kAll);
  for (const char* line : {
           "# Features \xE2\x80\xBA Privacy Filters\n"
           "bExcludeLiving = no                     # Exclude living individuals\n",
           "nNameFilter = 0                         # Filter names (0 = Display full "
           "names, 1 = Replace names with initials, 2 = Replace names with the text)\n",
           "bAlignLongest = yes                     # Label width (no = Use this width, "
           "yes = Use width of longest label)\n",
           "strFamilyHeader = \"line one\\nline \\\"two\\\"\" # Header\n",
           "customColors.3 = #ffffff                # Custom color 3\n",
           "factInclude.49 = 1                      # ... other facts (individual) (0 = "
           "No, 1 = Yes, at end of page, 2 = Yes, within page)\n",
       }) {
    EXPECT_NE(text.find(line), std::string::npos) << line;
  }
  size_t settings = 0;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty() && line[0] != '#') ++settings;
  }
  // Every setting of the option set, then the extras kept beside it.
  EXPECT_EQ(settings, options::AllSettings().size() + options::AllExtrasKeys().size());
}

TEST(OptionsListing, ChangedShowsOnlyWhatDiffersWithItsDefault) {
  COptions options;
  EXPECT_EQ(ListingText(options, ListingScope::kChanged), "");
  options.m_nDividerTop = 2;
  options.m_customColors[0] = 0x0000FF;
  EXPECT_EQ(
      ListingText(options, ListingScope::kChanged),
      "# Attributes \xE2\x80\xBA Dividers \xE2\x80\xBA Page-level Dividers\n"
      "nDividerTop = 2                         # Top of Page (0 = Exclude, 1 = "
      "Line, 2 = Image); default 1\n"
      "\n"
      "# Attributes \xE2\x80\xBA Custom Colors\n"
      "customColors.0 = #ff0000                # Custom color 0; default #ffffff\n");
}

TEST(OptionsListing, JsonHasTypedValuesAndChoices) {
  COptions options;
  options.m_bExcludeLiving = true;
  options.m_strAuthor = "Zo\xC3\xAB \"Z\"\tbad\xFF";
  const std::string json = ListingJson(options, ListingScope::kChanged);
  EXPECT_EQ(
      json,
      "[\n"
      "{\"key\": \"strAuthor\", \"tab\": \"Attributes\", \"path\": \"Attributes "
      "\xE2\x80\xBA Tags\", \"caption\": \"Author\", \"type\": \"text\", \"value\": "
      "\"Zo\xC3\xAB \\\"Z\\\"\\tbad\xEF\xBF\xBD\", \"default\": \"\"},\n"
      "{\"key\": \"bExcludeLiving\", \"tab\": \"Features\", \"path\": \"Features "
      "\xE2\x80\xBA Privacy Filters\", \"caption\": \"Exclude living individuals\", "
      "\"type\": \"switch\", \"value\": true, \"default\": false}\n"
      "]\n");
  options.m_bExcludeLiving = false;
  options.m_strAuthor.clear();
  options.m_nNameFilter = 1;
  EXPECT_NE(ListingJson(options, ListingScope::kChanged)
                .find("\"type\": \"number\", \"value\": 1, \"default\": 0, \"choices\": "
                      "{\"0\": \"Display full names\", \"1\": \"Replace names with "
                      "initials\", \"2\": \"Replace names with the text\"}}"),
            std::string::npos);
  COptions defaults;
  EXPECT_EQ(ListingJson(defaults, ListingScope::kChanged), "[\n]\n");
}

}  // namespace
}  // namespace vellix::cli
