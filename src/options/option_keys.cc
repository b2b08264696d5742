#include "options/option_keys.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <limits>
#include <unordered_map>

#include "text/charset.h"
#include "options/fact_kinds.h"

namespace vellix::options {
namespace {

// Captions of the summary listing, by member name.
const std::unordered_map<std::string_view, std::string_view>& Captions() {
  static const std::unordered_map<std::string_view, std::string_view> captions = {
      {"m_strGedcomFile", "GEDCOM Input File"},
      {"m_strDestFolder", "Destination Folder"},
      {"m_strTextColor", "Color Code"},
      {"m_strLinkColor", "Normal Link"},
      {"m_strActiveLinkColor", "Active Link"},
      {"m_strVisitedLinkColor", "Visited Link"},
      {"m_customColors", "Custom Colors"},
      {"m_strAuthor", "Author"},
      {"m_strKeywords", "Keywords"},
      {"m_bKeywordSurnames",
       "Include surnames of husband and wife as keywords for family pages"},
      {"m_strDescription", "Description"},
      {"m_bBackFixed", "Keep background fixed when scrolling web page"},
      {"m_strMarginLeft", "Left"},
      {"m_strMarginRight", "Right"},
      {"m_strMarginTop", "Top"},
      {"m_strMarginBottom", "Bottom"},
      {"m_bAlignLabels", "Align fields for group sheet labels"},
      {"m_nLabelWidth", "Use this width"},
      {"m_bRightJustify", "Right-justify fields"},
      {"m_nDateWidth", "Width of date field"},
      {"m_strFontFace", "Face"},
      {"m_nFontSize", "Size"},
      {"m_bMonoFont", "Use non-proportional font in group sheet and index"},
      {"m_bLinksTop", "Display links at top of page"},
      {"m_bLinksBottom", "Display links at bottom of page"},
      {"m_bChildNameLinks", "Use child's name as link to child's family page"},
      {"m_strHomePage", "Web Page File"},
      {"m_strHomeTarget", "Frame Target"},
      {"m_bPageDividers", "Include page-level dividers on Family pages"},
      {"m_nDividerTop", "Top of Page"},
      {"m_nDividerBottom", "Bottom of Page"},
      {"m_nDividerThick", "Thick Line"},
      {"m_nDividerThin", "Thin Line"},
      {"m_strExternalCss", "External Cascading Style Sheets"},
      {"m_strFilePrefix", "File Prefix"},
      {"m_strFileExt", "File Extension"},
      {"m_strCopyright", "Copyright Notice"},
      {"m_strFamilyHeader", "Header"},
      {"m_strFamilyFooter", "Footer"},
      {"m_strSurnameHeader", "Header"},
      {"m_strSurnameFooter", "Footer"},
      {"m_strMediaHeader", "Header"},
      {"m_strMediaFooter", "Footer"},
      {"m_strSurnameIntro", "Surname Page Introduction"},
      {"m_strIndexIntro", "Index Page Introduction"},
      {"m_strBiblioIntro", "Bibliography Page Introduction"},
      {"m_bTitleAtTop", "Display title at Top of Page"},
      {"m_strGalleryTitleIndiv", "Individual Gallery"},
      {"m_strGalleryTitleFamily", "Family Gallery"},
      {"m_strGalleryTitleCitation", "Citation Gallery"},
      {"m_strGalleryTitleBiblio", "Bibliography Gallery"},
      {"m_bBiography", "Include links to biography web pages"},
      {"m_strBioLinkText", "Link Text"},
      {"m_strBioLinkLabel", "Link Label"},
      {"m_strBioLinkPrompt", "Link Prompt"},
      {"m_strBioTarget", "Frame Target"},
      {"m_strBioFolder", "Relative folder path for biography files"},
      {"m_bRelationship", "Include relationship text"},
      {"m_bIndivImages", "Include images of individuals"},
      {"m_bNarrative", "Include links to narrative web pages"},
      {"m_strNarrLinkText", "Link Text"},
      {"m_strNarrLinkLabel", "Link Label"},
      {"m_strNarrLinkPrompt", "Link Prompt"},
      {"m_strNarrTarget", "Frame Target"},
      {"m_strNarrFolder", "Relative folder path for narrative files"},
      {"m_bImportText", "Include imported text"},
      {"m_nImportPosition", "Position"},
      {"m_nImportContent", "External File Content"},
      {"m_strImportFolder", "Full folder path for external files"},
      {"m_bGroupImages", "Include group images"},
      {"m_nGroupImagePosition", "Position"},
      {"m_bCustomIcons", "Display custom icons on the Index pages"},
      {"m_bCitations", "Include source citations"},
      {"m_bCitationComments", "Include comments"},
      {"m_bCitationDetails", "Include additional details"},
      {"m_bCitationBiblioLinks", "Include links to bibliography entries"},
      {"m_bSuperscript", "Use superscript numbers in group sheet"},
      {"m_bBiblioPages", "Generate bibliography web pages"},
      {"m_bRepositoryPages", "Generate repository web pages"},
      {"m_bAuthorLifespan", "Remove lifespan from living authors"},
      {"m_bExcludeLiving", "Living individuals"},
      {"m_nNameFilter", "Filter names"},
      {"m_bAssumeLiving", "Assume individuals are living when born after the year"},
      {"m_bSurnameCounts", "Display surname frequency counts"},
      {"m_bTopSurnames", "Display most frequent surnames"},
      {"m_nSurnamePartitions", "Number of partitions"},
      {"m_bAltSurnameFile", "Use alternate file name for first surname page"},
      {"m_strAltSurnameFile", "Alternate file name"},
      {"m_bSoundex", "Display Soundex codes"},
      {"m_bGendex", "Create GENDEX index file"},
      {"m_nIndexPerPage", "Number of individuals per page"},
      {"m_bRefNumbers", "Display reference numbers for individuals"},
      {"m_bUpperSurnames", "Display SURNAMES in upper-case letters"},
      {"m_bAliasInName", "Display alias between given name and surname"},
      {"m_bMailLinks", "Convert e-mail addresses to actual links"},
      {"m_bHideMail", "Hide e-mail links from harvesters"},
      {"m_bWebLinks", "Convert web addresses to actual links"},
      {"m_strWebTarget", "Frame target for websites"},
      {"m_bGalleries", "Enable multimedia galleries"},
      {"m_bOmitDuplicateMedia", "Omit duplicate media within each gallery"},
      {"m_strMediaDestFolder", "Relative destination folder path for multimedia files"},
      {"m_strMediaSourceFolder", "Source folder path for multimedia files"},
      {"m_bIndivScrapbookGallery",
       "Enable multimedia galleries for individual scrapbooks"},
      {"m_bFamilyScrapbookGallery", "Enable multimedia galleries for family scrapbooks"},
      {"m_bFamilyFactGallery", "Enable multimedia galleries for family facts"},
      {"m_bFamilyGalleryAbove", "Display a link above the group sheet"},
      {"m_bFamilyGalleryBelow", "Display a link below the group sheet"},
      {"m_bCitationGallery", "Enable multimedia galleries for source citations"},
      {"m_bBiblioGallery", "Enable multimedia gallery for the bibliography"},
      {"m_nThumbSize", "Maximum thumbnail size"},
      {"m_nThumbRows", "Rows per page"},
      {"m_nThumbColumns", "Columns per page"},
      {"m_strThumbPrompt", "Link Prompt"},
      {"m_strThumbTarget", "Frame Target"},
      {"m_strThumbHref", "HREF Script"},
      {"m_strThumbOnClick", "OnClick Script"},
      {"m_nSlideSize", "Maximum image size"},
      {"m_bSlideNotes", "Display notes"},
      {"m_bSlideCitations", "Display source citations"},
      {"m_bSlideLinkOriginal", "Link to original images"},
      {"m_bSlideDownload", "Provide download links"},
      {"m_strSlideTarget", "Frame Target"},
      {"m_strSlideHref", "HREF Script"},
      {"m_strSlideOnClick", "OnClick Script"},
      {"m_nSlideOrder", "Display order"},
      {"m_bGalleryIcons", "Display multimedia gallery icons on the Index pages"},
      {"m_bIndivPortraits", "Enable individual portraits"},
      {"m_bIndivPortraitPreferred", "Prefer over Custom images"},
      {"m_nIndivPortraitWidth", "Maximum width"},
      {"m_bFamilyPortraits", "Enable family portraits"},
      {"m_bFamilyPortraitPreferred", "Prefer over Custom images"},
      {"m_nFamilyPortraitSize", "Maximum size"},
      {"m_bSuppressPortraitGallery",
       "Suppress multimedia galleries that contain only a single portrait image"},
      {"m_nAltBmdFacts", "Include alternate Birth, Marriage and Death (BMD) facts"},
      {"m_nAltNames", "Include alternate names"},
      {"m_nResearchNotes", "Include research notes"},
      {"m_nMarriageNotes", "Include marriage notes"},
      {"m_nMedicalNotes", "Include medical notes"},
      {"m_bHtmlNotes", "Allow HTML in notes"},
      {"m_bFactNotes", "Include fact notes"},
      {"m_bFactNotesOutside", "Exclude within family page"},
      {"m_bRepeatChildFacts", "Repeat child's facts on parent's page"},
      {"m_bOtherFacts", "Include other facts"},
      {"m_nMonthNames", "Convert GEDCOM month names"},
      {"m_bFormatDates", "Enable date formatting"},
      {"m_bNonstandardTags", "Process nonstandard tags"},
      {"m_bUseAbbr", "Use abbreviation (ABBR) field if title (TITL) field is empty"},
      {"m_strMedicalTag", "Nonstandard tag for medical notes"},
      {"m_nSpecialProcessing", "Special processing"},
      {"m_nFamilyRefs", "Family Page References"},
      {"m_strFamilyRefTag", "Custom Fact Tag"},
      {"m_strNoFramesSheetLink", "Link to Group Sheet"},
      {"m_strNoFramesNotesLink", "Link to Footnotes"},
      {"m_strTableText", "Table Text"},
      {"m_strDividerText", "Divider Text"},
      {"m_strImageText", "Image Text"},
      {"m_bImageTextCaption", "Append image caption, if any, to image text"},
      {"m_bImageTextFile", "Append image file name to image text"},
      {"m_strDtdFrames", "Frames-based Pages"},
      {"m_strDtdPages", "Nonframes-based Pages"},
      {"m_bExtra1", "Include"},
      {"m_bExtra1SurnameOnly", "Surname page only"},
      {"m_bExtra1SecondLine", "Display on second line"},
      {"m_strExtra1Dest", "Link Destination"},
      {"m_strExtra1Target", "Frame Target"},
      {"m_strExtra1Label", "Link Label"},
      {"m_strExtra1Prompt", "Link Prompt"},
      {"m_bExtra2", "Include"},
      {"m_bExtra2SurnameOnly", "Surname page only"},
      {"m_bExtra2SecondLine", "Display on second line"},
      {"m_strExtra2Dest", "Link Destination"},
      {"m_strExtra2Target", "Frame Target"},
      {"m_strExtra2Label", "Link Label"},
      {"m_strExtra2Prompt", "Link Prompt"},
      {"m_bExtra3", "Include"},
      {"m_bExtra3SurnameOnly", "Surname page only"},
      {"m_bExtra3SecondLine", "Display on second line"},
      {"m_strExtra3Dest", "Link Destination"},
      {"m_strExtra3Target", "Frame Target"},
      {"m_strExtra3Label", "Link Label"},
      {"m_strExtra3Prompt", "Link Prompt"},
      {"m_strNavSeparator", "Link Separator"},
      {"m_strRevisedFormat", "Revision Date Format"},
      {"m_strStdBodyAttrs", "Within <BODY> Element Tag"},
      {"m_strStdAfterBody", "After <BODY>"},
      {"m_strMediaBodyAttrs", "Within <BODY> Element Tag"},
      {"m_strMediaAfterBody", "After <BODY>"},
  };
  return captions;
}

struct Range {
  std::string_view member;
  int64_t min;
  int64_t max;
};

// Valid values of the numbers; the rest take any int32 (bytes any 0..255).
constexpr Range kRanges[] = {
    {"m_nDateWidth", 0, 80},
    {"m_nIndexPerPage", 1, 10000},
    {"m_nTopSurnames", 1, 100},
    {"m_nLabelWidth", 0, 65535},
    {"m_nBiblioPerPage", 1, 10000},
    {"m_nRepositoryPerPage", 1, 10000},
    {"m_nSurnamePartitions", 1, 100},
    {"m_nSlideSize", 20, 10000},
    {"m_nThumbSize", 20, 10000},
    {"m_nThumbColumns", 1, 1000},
    {"m_nThumbRows", 1, 1000},
    {"m_nIndivPortraitWidth", 20, 10000},
    {"m_nFamilyPortraitSize", 20, 10000},
    {"m_nFontSize", 0, 7},
    {"m_nDividerTop", 0, 2},
    {"m_nDividerBottom", 0, 2},
    {"m_nDividerThick", 0, 2},
    {"m_nDividerThin", 0, 2},
    {"m_nImportPosition", 0, 1},
    {"m_nImportContent", 0, 1},
    {"m_nGroupImagePosition", 0, 1},
    {"m_nSlideOrder", 0, 5},
    {"m_nMonthNames", 0, 4},
    {"m_nFamilyRefs", 0, 3},
    {"m_nSpecialProcessing", 0, 1000},
    {"m_nLivingYear", 0, 9999},
    {"m_nNameFilter", 0, 2},
    {"m_nAltBmdFacts", 0, 2},
    {"m_nAltNames", 0, 2},
    {"m_nResearchNotes", 0, 2},
    {"m_nMarriageNotes", 0, 2},
    {"m_nMedicalNotes", 0, 2},
};

std::string Lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

std::string CaptionOf(const char* member) {
  const auto found = Captions().find(member);
  return found == Captions().end() ? std::string() : std::string(found->second);
}

Setting ScalarSetting(const LayoutItem& item) {
  Setting setting;
  setting.key = std::string(item.name).substr(2);
  setting.caption = CaptionOf(item.name);
  setting.item = &item;
  switch (item.kind) {
    case ItemKind::kBool:
      setting.type = SettingType::kBool;
      break;
    case ItemKind::kByte:
      setting.type = SettingType::kNumber;
      setting.min = 0;
      setting.max = 255;
      break;
    case ItemKind::kInt32:
      setting.type = SettingType::kNumber;
      setting.min = std::numeric_limits<int32_t>::min();
      setting.max = std::numeric_limits<int32_t>::max();
      break;
    default:
      setting.type = SettingType::kString;
      break;
  }
  for (const Range& range : kRanges) {
    if (range.member == item.name) {
      setting.min = range.min;
      setting.max = range.max;
    }
  }
  return setting;
}

void AddArray(std::vector<Setting>* settings, const char* name, SettingType type,
              int first, int last) {
  for (int index = first; index <= last; ++index) {
    Setting setting;
    setting.key = std::string(name) + "." + std::to_string(index);
    setting.type = type;
    setting.index = index;
    if (type == SettingType::kColor) {
      setting.caption = "Custom Colors";
      setting.max = 0xFFFFFF;
    } else if (type == SettingType::kFactInclude) {
      setting.caption = std::string("Include: ") + FactKindName(index);
      setting.max = 2;
    } else {
      setting.caption = std::string("Customized Label: ") + FactKindName(index);
    }
    settings->push_back(std::move(setting));
  }
}

std::vector<Setting> BuildSettings() {
  std::vector<Setting> settings;
  for (const LayoutItem& item : FileLayout()) {
    switch (item.kind) {
      case ItemKind::kBool:
      case ItemKind::kByte:
      case ItemKind::kInt32:
      case ItemKind::kString:
        settings.push_back(ScalarSetting(item));
        break;
      case ItemKind::kColors:
        AddArray(&settings, "customColors", SettingType::kColor, 0, 15);
        break;
      case ItemKind::kFactInclude48:
        AddArray(&settings, "factInclude", SettingType::kFactInclude, 0, 47);
        break;
      case ItemKind::kFactLabels48:
        AddArray(&settings, "factLabels", SettingType::kFactLabel, 0, 47);
        break;
      case ItemKind::kFactIncludeN:
        AddArray(&settings, "factInclude", SettingType::kFactInclude, 48, 61);
        break;
      case ItemKind::kFactLabelsN:
        AddArray(&settings, "factLabels", SettingType::kFactLabel, 48, 61);
        break;
      default:
        break;  // version, magic, counts, attribute lists
    }
  }
  return settings;
}

bool ParseNumber(std::string_view text, int64_t* value) {
  if (!text.empty() && text[0] == '+') text.remove_prefix(1);
  const char* end = text.data() + text.size();
  const auto result = std::from_chars(text.data(), end, *value);
  return !text.empty() && result.ec == std::errc() && result.ptr == end;
}

bool ParseBool(std::string_view text, bool* value) {
  const std::string word = Lower(text);
  if (word == "yes" || word == "1" || word == "true" || word == "on") {
    *value = true;
    return true;
  }
  if (word == "no" || word == "0" || word == "false" || word == "off") {
    *value = false;
    return true;
  }
  return false;
}

// "#rrggbb" as a colour value with red in the lowest byte.
bool ParseHtmlColor(std::string_view text, int64_t* value) {
  if (text.size() != 7 || text[0] != '#') return false;
  uint32_t rgb = 0;
  const auto result = std::from_chars(text.data() + 1, text.data() + 7, rgb, 16);
  if (result.ec != std::errc() || result.ptr != text.data() + 7) return false;
  *value = ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
  return true;
}

}  // namespace

const std::vector<Setting>& AllSettings() {
  static const std::vector<Setting> settings = BuildSettings();
  return settings;
}

const Setting* FindSetting(std::string_view key) {
  std::string wanted = Lower(key);
  if (wanted.rfind("m_", 0) == 0) wanted.erase(0, 2);
  for (const Setting& setting : AllSettings()) {
    if (Lower(setting.key) == wanted) return &setting;
  }
  return nullptr;
}

std::string SettingValue(COptions& options, const Setting& setting) {
  switch (setting.type) {
    case SettingType::kBool:
      return options.*setting.item->b ? "yes" : "no";
    case SettingType::kNumber:
      if (setting.item->kind == ItemKind::kByte) {
        return std::to_string(options.*setting.item->y);
      }
      return std::to_string(options.*setting.item->i);
    case SettingType::kString:
      return options.*setting.item->s;
    case SettingType::kColor:
      return std::to_string(options.m_customColors[setting.index]);
    case SettingType::kFactInclude:
      return std::to_string(options.m_factInclude[setting.index]);
    case SettingType::kFactLabel:
      return options.GetFactLabel(setting.index);
  }
  return {};
}

bool SetSettingValue(COptions& options, const Setting& setting, std::string_view text,
                     std::string* error) {
  const std::string quoted = "\"" + std::string(text) + "\"";
  switch (setting.type) {
    case SettingType::kBool: {
      bool value = false;
      if (!ParseBool(text, &value)) {
        *error = setting.key + ": " + quoted + " is not yes or no";
        return false;
      }
      options.*setting.item->b = value;
      return true;
    }
    case SettingType::kNumber:
    case SettingType::kColor:
    case SettingType::kFactInclude: {
      int64_t value = 0;
      const bool parsed =
          ParseNumber(text, &value) ||
          (setting.type == SettingType::kColor && ParseHtmlColor(text, &value));
      if (!parsed) {
        *error = setting.key + ": " + quoted + " is not a whole number";
        return false;
      }
      if (value < setting.min || value > setting.max) {
        *error = setting.key + ": " + std::to_string(value) + " is outside " +
                 std::to_string(setting.min) + ".." + std::to_string(setting.max);
        return false;
      }
      if (setting.type == SettingType::kColor) {
        options.m_customColors[setting.index] = static_cast<uint32_t>(value);
      } else if (setting.type == SettingType::kFactInclude) {
        options.m_factInclude[setting.index] = static_cast<uint8_t>(value);
      } else if (setting.item->kind == ItemKind::kByte) {
        options.*setting.item->y = static_cast<uint8_t>(value);
      } else {
        options.*setting.item->i = static_cast<int32_t>(value);
      }
      return true;
    }
    case SettingType::kString:
    case SettingType::kFactLabel:
      if (!charset::IsValidUtf8(text)) {
        *error = setting.key + ": the text is not valid UTF-8";
        return false;
      }
      if (setting.type == SettingType::kString) {
        options.*setting.item->s = std::string(text);
        return true;
      }
      if (setting.index == 52 || setting.index == 59 || setting.index == 61) {
        const char* source = setting.index == 52   ? "factLabels.8"
                             : setting.index == 61 ? "factLabels.29"
                                                   : "strLblMarried";
        *error =
            setting.key + " always shows the label of " + source + "; set that instead";
        return false;
      }
      if (options.m_factLabels.size() != static_cast<size_t>(kFactKindCount)) {
        options.m_factLabels.resize(kFactKindCount);
      }
      options.SetFactLabel(setting.index, std::string(text));
      return true;
  }
  return false;
}

std::string SettingsListing(COptions& options) {
  std::string listing;
  for (const Setting& setting : AllSettings()) {
    listing += setting.key;
    listing += '\t';
    listing += setting.caption;
    listing += '\t';
    for (char c : SettingValue(options, setting)) {
      if (c == '\n') {
        listing += "\\n";
      } else if (c == '\r') {
        listing += "\\r";
      } else if (c == '\t') {
        listing += "\\t";
      } else {
        listing += c;
      }
    }
    listing += '\n';
  }
  return listing;
}

}  // namespace vellix::options
