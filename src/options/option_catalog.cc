#include "options/option_catalog.h"

#include <unordered_map>

#include "options/fact_kinds.h"
#include "options/options.h"

namespace vellix::options {
namespace {

// ---- Numbered choices -----------------------------------------------------

constexpr ChoiceMeaning kDisplayChoice[] = {
    {0, "No"}, {1, "Yes, at end of page"}, {2, "Yes, within page"}};
constexpr ChoiceMeaning kFontSize[] = {{0, "Default"}, {1, "xx-small"}, {2, "x-small"},
                                       {3, "small"},   {4, "medium"},   {5, "large"},
                                       {6, "x-large"}, {7, "xx-large"}};
constexpr ChoiceMeaning kDivider[] = {{0, "Exclude"}, {1, "Line"}, {2, "Image"}};
constexpr ChoiceMeaning kPosition[] = {{0, "Above group sheet"},
                                       {1, "Below group sheet"}};
constexpr ChoiceMeaning kImportContent[] = {{0, "Plain text"}, {1, "HTML text"}};
constexpr ChoiceMeaning kNameFilter[] = {{0, "Display full names"},
                                         {1, "Replace names with initials"},
                                         {2, "Replace names with the text"}};
constexpr ChoiceMeaning kSlideOrder[] = {
    {0, "File - Caption - Notes - Reference"}, {1, "Reference - Caption - Notes - File"},
    {2, "Caption - Notes - File - Reference"}, {3, "Caption - Notes - Reference - File"},
    {4, "File - Reference - Caption - Notes"}, {5, "Reference - File - Caption - Notes"}};
constexpr ChoiceMeaning kMonthNames[] = {{0, "GEDCOM Default"},
                                         {1, "Abbreviated name"},
                                         {2, "Abbreviated name, uppercase"},
                                         {3, "Full name"},
                                         {4, "Full name, uppercase"}};
constexpr ChoiceMeaning kFamilyRefs[] = {{0, "Cross-reference Identifier"},
                                         {1, "User Reference Number (REFN tag)"},
                                         {2, "Automated Record ID Number (RIN tag)"},
                                         {3, "Custom Fact Tag"}};
// Switches whose two states the dialog names.
constexpr ChoiceMeaning kAlignLongest[] = {{0, "Use this width"},
                                           {1, "Use width of longest label"}};
constexpr ChoiceMeaning kIconImages[] = {{0, "Display letters or text phrases"},
                                         {1, "Display images"}};
constexpr ChoiceMeaning kCitationsInFrame[] = {
    {0, "at end of each family page"}, {1, "in frame window at bottom of browser"}};
constexpr ChoiceMeaning kUseFactTags[] = {{0, "Use Stored Configuration"},
                                          {1, "Use Fact Tags"}};

// ---- The table ------------------------------------------------------------

struct Row {
  std::string_view key;
  std::string_view caption;
  std::span<const ChoiceMeaning> choices = {};
};

/// The settings of one group of the dialog. Paths are written with "|"
/// between their parts.
struct Group {
  std::string_view path;
  std::vector<Row> rows;
};

// clang-format off
const std::vector<Group>& Groups() {
  static const std::vector<Group> groups = {
    // Files tab
    {"Files", {
        {"strGedcomFile", "GEDCOM Input File"},
        {"strDestFolder", "Destination Folder"},
        {"strSecureFilePath", "Secure File Path"}}},

    // Attributes tab
    {"Attributes|Tags", {
        {"strAuthor", "Author"},
        {"strKeywords", "Keywords"},
        {"bKeywordSurnames", "Include surnames of husband and wife as keywords for family pages"},
        {"strDescription", "Description"}}},
    {"Attributes|Layout|Background", {
        {"strBackColor", "Background Color"},
        {"strBackImage", "Background Image"},
        {"bBackFixed", "Keep background fixed when scrolling web page"}}},
    {"Attributes|Layout|Margins", {
        {"strMarginLeft", "Left"},
        {"strMarginRight", "Right"},
        {"strMarginTop", "Top"},
        {"strMarginBottom", "Bottom"}}},
    {"Attributes|Layout|Field Alignment", {
        {"bAlignLabels", "Align fields for group sheet labels"},
        {"bAlignLongest", "Label width", kAlignLongest},
        {"nLabelWidth", "Use this width"},
        {"bRightJustify", "Right-justify fields"},
        {"bAlignPlaces", "Align the place fields of birth, marriage and death"},
        {"nDateWidth", "Width of date field"}}},
    {"Attributes|Font", {
        {"strFontFace", "Face"},
        {"nFontSize", "Size", kFontSize},
        {"strTextColor", "Color Code"},
        {"bMonoFont", "Use non-proportional font in group sheet and index"}}},
    {"Attributes|Links", {
        {"bLinksTop", "Display links at top of page"},
        {"bLinksBottom", "Display links at bottom of page"},
        {"bLowerCaseNames", "Use lower-case destination file names"},
        {"bChildNameLinks", "Use child's name as link to child's family page"}}},
    {"Attributes|Links|Home Page Link", {
        {"strHomePage", "Web Page File"},
        {"strHomeTarget", "Frame Target"}}},
    {"Attributes|Links|Color Codes", {
        {"strLinkColor", "Normal Link"},
        {"strActiveLinkColor", "Active Link"},
        {"strVisitedLinkColor", "Visited Link"}}},
    {"Attributes|Extra Links|First Link", {
        {"bExtra1", "Include"},
        {"bExtra1SurnameOnly", "Surname page only"},
        {"bExtra1SecondLine", "Display on second line"},
        {"strExtra1Dest", "Link Destination"},
        {"strExtra1Target", "Frame Target"},
        {"strExtra1Label", "Link Label"},
        {"strExtra1Prompt", "Link Prompt"}}},
    {"Attributes|Extra Links|Second Link", {
        {"bExtra2", "Include"},
        {"bExtra2SurnameOnly", "Surname page only"},
        {"bExtra2SecondLine", "Display on second line"},
        {"strExtra2Dest", "Link Destination"},
        {"strExtra2Target", "Frame Target"},
        {"strExtra2Label", "Link Label"},
        {"strExtra2Prompt", "Link Prompt"}}},
    {"Attributes|Extra Links|Third Link", {
        {"bExtra3", "Include"},
        {"bExtra3SurnameOnly", "Surname page only"},
        {"bExtra3SecondLine", "Display on second line"},
        {"strExtra3Dest", "Link Destination"},
        {"strExtra3Target", "Frame Target"},
        {"strExtra3Label", "Link Label"},
        {"strExtra3Prompt", "Link Prompt"}}},
    {"Attributes|Dividers", {
        {"bPageDividers", "Include page-level dividers on Family pages"},
        {"strDividerColor", "Divider Color"}}},
    {"Attributes|Dividers|Page-level Dividers", {
        {"nDividerTop", "Top of Page", kDivider},
        {"strDividerTopImage", "Top of Page: Image"},
        {"bDividerTopStretch", "Top of Page: Stretch image to full width"},
        {"nDividerBottom", "Bottom of Page", kDivider},
        {"strDividerBottomImage", "Bottom of Page: Image"},
        {"bDividerBottomStretch", "Bottom of Page: Stretch image to full width"}}},
    {"Attributes|Dividers|Group Sheet Dividers", {
        {"nDividerThick", "Thick Line", kDivider},
        {"strDividerThickImage", "Thick Line: Image"},
        {"bDividerThickStretch", "Thick Line: Stretch image to full width"},
        {"nDividerThin", "Thin Line", kDivider},
        {"strDividerThinImage", "Thin Line: Image"},
        {"bDividerThinStretch", "Thin Line: Stretch image to full width"}}},
    {"Attributes|Other", {
        {"strExternalCss", "External Cascading Style Sheets"},
        {"strFilePrefix", "File Prefix"},
        {"strFileExt", "File Extension"},
        {"strCopyright", "Copyright Notice"}}},

    // Headers tab
    {"Headers|Family Pages", {
        {"strFamilyHeader", "Header"},
        {"strFamilyFooter", "Footer"}}},
    {"Headers|Surname Pages", {
        {"strSurnameHeader", "Header"},
        {"strSurnameFooter", "Footer"}}},
    {"Headers|Multimedia Pages", {
        {"strMediaHeader", "Header"},
        {"strMediaFooter", "Footer"}}},
    {"Headers|Introduction", {
        {"strSurnameIntro", "Surname Page Introduction"},
        {"strIndexIntro", "Index Page Introduction"},
        {"strBiblioIntro", "Bibliography Page Introduction"}}},
    {"Headers|Page Titles|Family Pages", {
        {"bTitleNames", "Use names of husband and wife"},
        {"bTitleAndNames", "Use Family titles below plus names of husband and wife"},
        {"bTitleAtTop", "Display title at Top of Page"}}},
    {"Headers|Page Titles|All Pages", {
        {"strTitleFamily", "Family: Browser Title Bar"},
        {"strHeadingFamily", "Family: Top of Page"},
        {"strTitleSurname", "Surname: Browser Title Bar"},
        {"strHeadingSurname", "Surname: Top of Page"},
        {"strTitleIndex", "Index: Browser Title Bar"},
        {"strHeadingIndex", "Index: Top of Page"},
        {"strTitleBiblio", "Bibliography: Browser Title Bar"},
        {"strHeadingBiblio", "Bibliography: Top of Page"},
        {"strTitleRepository", "Repository: Browser Title Bar"},
        {"strHeadingRepository", "Repository: Top of Page"}}},
    {"Headers|Page Titles|Multimedia Gallery Titles", {
        {"strGalleryTitleIndiv", "Individual Gallery"},
        {"strGalleryTitleFamily", "Family Gallery"},
        {"strGalleryTitleCitation", "Citation Gallery"},
        {"strGalleryTitleBiblio", "Bibliography Gallery"}}},
    {"Headers|Advanced|Standard Pages|File Block", {
        {"strStdBeforeHtml", "Before <HTML>"},
        {"strStdAfterHtmlEnd", "After </HTML>"}}},
    {"Headers|Advanced|Standard Pages|<HTML> Block", {
        {"strStdAfterHtml", "After <HTML>"},
        {"strStdBeforeHtmlEnd", "Before </HTML>"}}},
    {"Headers|Advanced|Standard Pages|<HEAD> Block", {
        {"strStdAfterHead", "After <HEAD>"},
        {"strStdBeforeHeadEnd", "Before </HEAD>"}}},
    {"Headers|Advanced|Standard Pages|<BODY> Block", {
        {"strStdBodyAttrs", "Within <BODY> Element Tag"},
        {"strStdAfterBody", "After <BODY>"},
        {"strStdBeforeBodyEnd", "Before </BODY>"}}},
    {"Headers|Advanced|Multimedia Pages|File Block", {
        {"strMediaBeforeHtml", "Before <HTML>"},
        {"strMediaAfterHtmlEnd", "After </HTML>"}}},
    {"Headers|Advanced|Multimedia Pages|<HTML> Block", {
        {"strMediaAfterHtml", "After <HTML>"},
        {"strMediaBeforeHtmlEnd", "Before </HTML>"}}},
    {"Headers|Advanced|Multimedia Pages|<HEAD> Block", {
        {"strMediaAfterHead", "After <HEAD>"},
        {"strMediaBeforeHeadEnd", "Before </HEAD>"}}},
    {"Headers|Advanced|Multimedia Pages|<BODY> Block", {
        {"strMediaBodyAttrs", "Within <BODY> Element Tag"},
        {"strMediaAfterBody", "After <BODY>"},
        {"strMediaBeforeBodyEnd", "Before </BODY>"}}},

    // Custom tab
    {"Custom|Method", {
        {"bUseFactTags", "Method", kUseFactTags}}},
    {"Custom|Method|Fact Tags", {
        {"strBiographyTag", "Biography"},
        {"strRelationTag", "Relationship Text"},
        {"strImageTag", "Individual Image"},
        {"strNarrativeTag", "Narrative"},
        {"strImportTag", "Imported Text"},
        {"strGroupImageTag", "Group Image"}}},
    {"Custom|Individuals|Biography Links", {
        {"bBiography", "Include links to biography web pages"},
        {"strBioLinkText", "Link Text"},
        {"strBioLinkLabel", "Link Label"},
        {"strBioLinkPrompt", "Link Prompt"},
        {"strBioTarget", "Frame Target"},
        {"strBioFolder", "Relative folder path for biography files"}}},
    {"Custom|Individuals|Relationship Text", {
        {"bRelationship", "Include relationship text"}}},
    {"Custom|Individuals|Individual Images", {
        {"bIndivImages", "Include images of individuals"},
        {"strIndivImageFolder", "Relative folder path for individual image files"}}},
    {"Custom|Families|Narrative Links", {
        {"bNarrative", "Include links to narrative web pages"},
        {"strNarrLinkText", "Link Text"},
        {"strNarrLinkLabel", "Link Label"},
        {"strNarrLinkPrompt", "Link Prompt"},
        {"strNarrTarget", "Frame Target"},
        {"strNarrFolder", "Relative folder path for narrative files"}}},
    {"Custom|Families|Imported Text", {
        {"bImportText", "Include imported text"},
        {"nImportPosition", "Position", kPosition},
        {"nImportContent", "External File Content", kImportContent},
        {"strImportFolder", "Full folder path for external files"}}},
    {"Custom|Families|Group Images", {
        {"bGroupImages", "Include group images"},
        {"nGroupImagePosition", "Position", kPosition},
        {"strGroupImageFolder", "Relative folder path for group image files"}}},
    {"Custom|Icons", {
        {"bCustomIcons", "Display custom icons on the Index pages"},
        {"bCustomIconImages", "Icons", kIconImages},
        {"strIconTextBiography", "Biography icon text"},
        {"strIconTextImage", "Individual image icon text"},
        {"strIconTextNarrative", "Narrative icon text"},
        {"strIconTextImport", "Imported text icon text"},
        {"strIconTextGroup", "Group image icon text"}}},

    // Features tab
    {"Features|Source Citations|Footnotes", {
        {"bCitations", "Include source citations"},
        {"bCitationsInFrame", "Place footnotes", kCitationsInFrame},
        {"bCitationComments", "Include comments"},
        {"bCitationDetails", "Include additional details"},
        {"bCitationBiblioLinks", "Include links to bibliography entries"},
        {"bSuperscript", "Use superscript numbers in group sheet"}}},
    {"Features|Source Citations|Bibliography", {
        {"bBiblioPages", "Generate bibliography web pages"},
        {"bBiblioComments", "Include comments on bibliography pages"},
        {"nBiblioPerPage", "Bibliography entries per page"},
        {"bRepositoryPages", "Generate repository web pages"},
        {"bRepositoryComments", "Include comments on repository pages"},
        {"nRepositoryPerPage", "Repository entries per page"}}},
    {"Features|Source Citations|Other", {
        {"strIgnorePrefix", "Ignore entries with this prefix"},
        {"bAuthorLifespan", "Remove lifespan from living authors"}}},
    {"Features|Privacy Filters", {
        {"bExcludeLiving", "Exclude living individuals"},
        {"nNameFilter", "Filter names", kNameFilter},
        {"strPrivateName", "Replacement text for names"},
        {"bFilterDates", "Replace birth and marriage dates with the text"},
        {"strPrivateDate", "Replacement text for dates"},
        {"bLivingDetails", "Show notes and facts of living individuals"},
        {"bAssumeLiving", "Assume individuals are living when born after the year"},
        {"nLivingYear", "Year"}}},
    {"Features|Surnames & Index|Surname Pages", {
        {"bSurnameCounts", "Display surname frequency counts"},
        {"bTopSurnames", "Display most frequent surnames"},
        {"nTopSurnames", "Number of most frequent surnames"},
        {"nSurnamePartitions", "Number of partitions"},
        {"bAltSurnameFile", "Use alternate file name for first surname page"},
        {"strAltSurnameFile", "Alternate file name"}}},
    {"Features|Surnames & Index|Index Pages", {
        {"nIndexPerPage", "Number of individuals per page"},
        {"bSoundex", "Display Soundex codes"},
        {"bRefNumbers", "Display reference numbers for individuals"},
        {"bGendex", "Create GENDEX index file"}}},
    {"Features|Surnames & Index|Other", {
        {"bUpperSurnames", "Display SURNAMES in upper-case letters"},
        {"bAliasInName", "Display alias between given name and surname"}}},
    {"Features|Multimedia|Gallery", {
        {"bGalleries", "Enable multimedia galleries"},
        {"bOmitDuplicateMedia", "Omit duplicate media within each gallery"},
        {"bIgnoreScrapbookFlag", "Ignore the scrapbook flag of media objects"},
        {"strMediaDestFolder", "Relative destination folder path for multimedia files"},
        {"strMediaSourceFolder", "Source folder path for multimedia files"}}},
    {"Features|Multimedia|Individuals", {
        {"bIndivScrapbookGallery", "Enable multimedia galleries for individual scrapbooks"},
        {"bIndivFactGallery", "Enable multimedia galleries for individual facts"},
        {"strIndivGalleryText", "Link Text"},
        {"strIndivGalleryLabel", "Link Label"},
        {"strIndivGalleryPrompt", "Link Prompt"},
        {"strIndivGalleryTarget", "Frame Target"}}},
    {"Features|Multimedia|Families", {
        {"bFamilyScrapbookGallery", "Enable multimedia galleries for family scrapbooks"},
        {"bFamilyFactGallery", "Enable multimedia galleries for family facts"},
        {"bFamilyGalleryAbove", "Display a link above the group sheet"},
        {"bFamilyGalleryBelow", "Display a link below the group sheet"},
        {"strFamilyGalleryText", "Link Text"},
        {"strFamilyGalleryLabel", "Link Label"},
        {"strFamilyGalleryPrompt", "Link Prompt"},
        {"strFamilyGalleryTarget", "Frame Target"}}},
    {"Features|Multimedia|Citations", {
        {"bCitationGallery", "Enable multimedia galleries for source citations"},
        {"strCitationGalleryText", "Link Text"},
        {"strCitationGalleryLabel", "Link Label"},
        {"strCitationGalleryPrompt", "Link Prompt"},
        {"strCitationGalleryTarget", "Frame Target"}}},
    {"Features|Multimedia|Bibliography", {
        {"bBiblioGallery", "Enable multimedia gallery for the bibliography"},
        {"strBiblioGalleryText", "Link Text"},
        {"strBiblioGalleryLabel", "Link Label"},
        {"strBiblioGalleryPrompt", "Link Prompt"},
        {"strBiblioGalleryTarget", "Frame Target"}}},
    {"Features|Multimedia|Thumbnails", {
        {"nThumbSize", "Maximum thumbnail size"},
        {"nThumbRows", "Rows per page"},
        {"nThumbColumns", "Columns per page"},
        {"bThumbFileName", "Display file name"},
        {"bThumbCaption", "Display caption/title"},
        {"bThumbRef", "Display reference number"},
        {"strThumbPrompt", "Link Prompt"},
        {"strThumbTarget", "Frame Target"},
        {"strThumbHref", "HREF Script"},
        {"strThumbOnClick", "OnClick Script"}}},
    {"Features|Multimedia|Slides", {
        {"nSlideSize", "Maximum image size"},
        {"bSlideCaptionAbove", "Display caption/title above the image"},
        {"bSlideCaptionBelow", "Display caption/title below the image"},
        {"bSlideDate", "Display date"},
        {"bSlideFileName", "Display file name"},
        {"bSlideRef", "Display reference number"},
        {"bSlideNotes", "Display notes"},
        {"bSlideCitations", "Display source citations"},
        {"bSlideLinkOriginal", "Link to original images"},
        {"bSlideDownload", "Provide download links"},
        {"nSlideOrder", "Display order", kSlideOrder},
        {"strSlideTarget", "Frame Target"},
        {"strSlideHref", "HREF Script"},
        {"strSlideOnClick", "OnClick Script"},
        {"strSlideLinkText", "Download Link Text"},
        {"strSlideLinkLabel", "Download Link Label"},
        {"strSlideLinkPrompt", "Download Link Prompt"}}},
    {"Features|Multimedia|Icons", {
        {"bGalleryIcons", "Display multimedia gallery icons on the Index pages"},
        {"bGalleryIconImages", "Icons", kIconImages},
        {"strIconTextFamilyGallery", "Family gallery icon text"},
        {"strIconTextIndivGallery", "Individual gallery icon text"}}},
    {"Features|Multimedia|Portraits|Individuals", {
        {"bIndivPortraits", "Enable individual portraits"},
        {"bIndivPortraitCaption", "Display caption/title"},
        {"bIndivPortraitDate", "Display date"},
        {"bIndivPortraitPreferred", "Prefer over Custom images"},
        {"nIndivPortraitWidth", "Maximum width"}}},
    {"Features|Multimedia|Portraits|Families", {
        {"bFamilyPortraits", "Enable family portraits"},
        {"bFamilyPortraitCaption", "Display caption/title"},
        {"bFamilyPortraitDate", "Display date"},
        {"bFamilyPortraitPreferred", "Prefer over Custom images"},
        {"nFamilyPortraitSize", "Maximum size"}}},
    {"Features|Multimedia|Portraits", {
        {"bSuppressPortraitGallery",
         "Suppress multimedia galleries that contain only a single portrait image"}}},
    {"Features|Other", {
        {"bMailLinks", "Convert e-mail addresses to actual links"},
        {"bHideMail", "Hide e-mail links from harvesters"},
        {"bWebLinks", "Convert web addresses to actual links"},
        {"strWebTarget", "Frame target for websites"}}},

    // Facts tab (the fact kinds follow, built from their table)
    {"Facts", {
        {"nAltBmdFacts", "Include alternate Birth, Marriage and Death (BMD) facts",
         kDisplayChoice},
        {"nAltNames", "Include alternate names", kDisplayChoice},
        {"nResearchNotes", "Include research notes", kDisplayChoice},
        {"nMarriageNotes", "Include marriage notes", kDisplayChoice},
        {"nMedicalNotes", "Include medical notes", kDisplayChoice},
        {"bHtmlNotes", "Allow HTML in notes"},
        {"bFactNotes", "Include fact notes"},
        {"bFactNotesOutside", "Exclude within family page"},
        {"bRepeatChildFacts", "Repeat child's facts on parent's page"},
        {"bOtherFacts", "Include other facts"}}},

    // Labels tab
    {"Labels|Common|Group Sheet", {
        {"strLblHusband", "Husband"},
        {"strLblWife", "Wife"},
        {"strLblBorn", "Born"},
        {"strLblMarried", "Married"},
        {"strLblDied", "Died"},
        {"strLblIn", "in (before a place)"},
        {"strLblFather", "Father"},
        {"strLblMother", "Mother"},
        {"strLblSpouses", "Spouses"},
        {"strLblMale", "Male"},
        {"strLblFemale", "Female"},
        {"strLblName", "Name"}}},
    {"Labels|Common|Section Titles", {
        {"strLblChildren", "Children"},
        {"strLblAdditional", "Additional Information"},
        {"strLblFootnotes", "Footnotes"},
        {"strLblIndividualsIn", "individuals in"},
        {"strLblFamilies", "families"},
        {"strLblCommonSurnames", "Most Common Surnames"}}},
    {"Labels|Common|Navigation Links", {
        {"strNavHome", "Home"},
        {"strNavSurnames", "Surnames"},
        {"strNavIndex", "Index"},
        {"strNavNext", "Next"},
        {"strNavPrior", "Prior"},
        {"strNavGroupSheet", "Group Sheet"},
        {"strNavBiblio", "Bibliography"},
        {"strNavRepository", "Repository"},
        {"strNavGallery", "Gallery"},
        {"strNavSeparator", "Link Separator"}}},
    {"Labels|More|Other", {
        {"strLblNotes", "Notes"},
        {"strLblMarriageNotes", "Marriage Notes"},
        {"strLblMedicalNotes", "Medical Notes"},
        {"strLblRevised", "Revised"},
        {"strRevisedFormat", "Revision Date Format"},
        {"strLblUnknownSurname", "Unknown surname"},
        {"strLblContinued", "continued"},
        {"strLblIbid", "Ibid"},
        {"bOmitEmptyLabels", "Omit label when field is empty"}}},
    {"Labels|More|Bibliography", {
        {"strBibAgency", "Agency"},
        {"strBibChanged", "Changed"},
        {"strBibEmail", "E-Mail"},
        {"strBibEvent", "Event"},
        {"strBibFax", "FAX"},
        {"strBibPeriod", "Period"},
        {"strBibPhone", "Phone"},
        {"strBibPlace", "Place"},
        {"strBibQuality", "Quality"},
        {"strBibReference", "Reference"},
        {"strBibRole", "Role"},
        {"strBibWebsite", "Website"}}},

    // Program tab
    {"Program|Dates", {
        {"nMonthNames", "Convert GEDCOM month names", kMonthNames},
        {"bFormatDates", "Enable date formatting"}}},
    {"Program|Dates|About", {
        {"strDateAbt", "ABT (read as about)"},
        {"strDateAbout", "ABOUT (read as about)"},
        {"strDateCirca", "CIRCA (read as about)"},
        {"strDateCa", "CA (read as about)"},
        {"strDateCir", "CIR (read as about)"},
        {"strDateEst", "EST (read as about)"},
        {"strShowAbout", "Displayed for about"}}},
    {"Program|Dates|Between", {
        {"strDateBet", "BET (read as between)"},
        {"strDateBtn", "BTN (read as between)"},
        {"strShowBetween", "Displayed for between"},
        {"strDateHyphen", "- (range word)"},
        {"strDateTo", "TO (range word)"},
        {"strDateAnd", "& (range word)"},
        {"strShowHyphen", "Displayed for the range words"}}},
    {"Program|Dates|Before/After", {
        {"strDateBef", "BEF (read as before)"},
        {"strShowBefore", "Displayed for before"},
        {"strDateAft", "AFT (read as after)"},
        {"strShowAfter", "Displayed for after"}}},
    {"Program|GEDCOM|Unknown Dates", {
        {"strDateUnknown", "Unknown date"},
        {"strDateDead", "Unknown date of death (Dead)"},
        {"strDateDeceased", "Unknown date of death (Deceased)"}}},
    {"Program|GEDCOM|Other", {
        {"bNonstandardTags", "Process nonstandard tags"},
        {"bUseAbbr", "Use abbreviation (ABBR) field if title (TITL) field is empty"},
        {"strMedicalTag", "Nonstandard tag for medical notes"},
        {"nSpecialProcessing", "Special processing (GEDCOM dialect number, 0 = Normal)"},
        {"nFamilyRefs", "Family Page References", kFamilyRefs},
        {"strFamilyRefTag", "Custom Fact Tag"},
        {"strNoRefPrefix", "Prefix for untagged families"}}},
    {"Program|HTML|Nonframes-based Browsers", {
        {"strNoFramesMessage", "Message"},
        {"strNoFramesSheetLink", "Link to Group Sheet"},
        {"strNoFramesNotesLink", "Link to Footnotes"}}},
    {"Program|HTML|Accessibility", {
        {"strTableText", "Table Text"},
        {"strDividerText", "Divider Text"},
        {"strImageText", "Image Text"},
        {"bImageTextCaption", "Append image caption, if any, to image text"},
        {"bImageTextFile", "Append image file name to image text"}}},
    {"Program|HTML|Document Type Definitions (DTD)", {
        {"strDtdFrames", "Frames-based Pages"},
        {"strDtdPages", "Nonframes-based Pages"}}},

    // Kept in the file for its layout; no tab edits them.
    {"Reserved", {
        {"bReserved1", "Reserved switch 1"},
        {"nReserved2", "Reserved number 2"},
        {"bReserved3", "Reserved switch 3"},
        {"bReserved4", "Reserved switch 4"},
        {"nReserved5", "Reserved number 5"}}},
  };
  return groups;
}
// clang-format on

std::string JoinPath(std::string_view path) {
  std::string out;
  size_t start = 0;
  while (true) {
    const size_t bar = path.find('|', start);
    out += path.substr(start, bar - start);
    if (bar == std::string_view::npos) break;
    out += kPathSeparator;
    start = bar + 1;
  }
  return out;
}

SettingDescription Describe(std::string key, std::string_view path, std::string caption,
                            std::span<const ChoiceMeaning> choices = {}) {
  SettingDescription d;
  d.key = std::move(key);
  d.tab = std::string(path.substr(0, path.find('|')));
  d.path = JoinPath(path);
  d.caption = std::move(caption);
  d.choices = choices;
  return d;
}

// A fact kind's name, told apart from the kind of the other level that has
// the same name ("Census (family)", "... other facts (individual)").
std::string FactCaption(int kind) {
  const std::string name = FactKindName(kind);
  for (int other = 0; other < kFactKindCount; ++other) {
    if (other != kind && name == FactKindName(other)) {
      return name + (IsFamilyFactKind(kind) ? " (family)" : " (individual)");
    }
  }
  return name;
}

// The Labels sub-tab of a fact kind's label: user-defined facts have their
// own; the others are split by the first letter of their name.
std::string_view FactLabelPath(int kind) {
  if (kind >= 34 && kind <= 47) return "Labels|User-defined Facts";
  for (const char* c = FactKindName(kind); *c != '\0'; ++c) {
    const char letter = static_cast<char>(*c | 0x20);
    if (letter >= 'a' && letter <= 'z') {
      return letter <= 'm' ? "Labels|Facts (A-M)" : "Labels|Facts (N-Z)";
    }
  }
  return "Labels|Facts (N-Z)";
}

std::vector<SettingDescription> BuildCatalog() {
  std::vector<SettingDescription> catalog;
  for (const Group& group : Groups()) {
    if (group.path == "Attributes|Other") {
      for (int i = 0; i < 16; ++i) {
        catalog.push_back(Describe("customColors." + std::to_string(i),
                                   "Attributes|Custom Colors",
                                   "Custom color " + std::to_string(i)));
      }
    }
    if (group.path == "Labels|Common|Group Sheet") {
      // The Facts tab ends with the fact kinds, in its own order.
      const std::pair<std::string_view, std::span<const int>> lists[] = {
          {"Facts|Individual-level Facts", IndividualFactKindOrder()},
          {"Facts|Family-level Facts", FamilyFactKindOrder()},
          {"Facts|User-defined Facts", UserFactKindOrder()}};
      for (const auto& [path, kinds] : lists) {
        for (int kind : kinds) {
          catalog.push_back(Describe("factInclude." + std::to_string(kind), path,
                                     FactCaption(kind), kDisplayChoice));
        }
      }
    }
    if (group.path == "Program|Dates") {
      // The Labels tab ends with the fact labels.
      for (std::string_view path :
           {"Labels|Facts (A-M)", "Labels|Facts (N-Z)", "Labels|User-defined Facts"}) {
        for (auto kinds :
             {IndividualFactKindOrder(), FamilyFactKindOrder(), UserFactKindOrder()}) {
          for (int kind : kinds) {
            if (FactLabelPath(kind) != path) continue;
            catalog.push_back(
                Describe("factLabels." + std::to_string(kind), path, FactCaption(kind)));
          }
        }
      }
    }
    for (const Row& row : group.rows) {
      catalog.push_back(Describe(std::string(row.key), group.path,
                                 std::string(row.caption), row.choices));
    }
  }
  return catalog;
}

}  // namespace

std::string SettingDescription::FullCaption() const {
  return path + std::string(kPathSeparator) + caption;
}

const std::vector<SettingDescription>& SettingCatalog() {
  static const std::vector<SettingDescription> catalog = BuildCatalog();
  return catalog;
}

const SettingDescription* DescribeSetting(std::string_view key) {
  static const std::unordered_map<std::string_view, const SettingDescription*> by_key =
      [] {
        std::unordered_map<std::string_view, const SettingDescription*> map;
        for (const SettingDescription& d : SettingCatalog()) map.emplace(d.key, &d);
        return map;
      }();
  const auto found = by_key.find(key);
  return found == by_key.end() ? nullptr : found->second;
}

std::string_view ChoiceText(const SettingDescription& description, int64_t value) {
  for (const ChoiceMeaning& choice : description.choices) {
    if (choice.value == value) return choice.text;
  }
  return {};
}

std::string ChoicesText(const SettingDescription& description, bool switch_words) {
  std::string text;
  for (const ChoiceMeaning& choice : description.choices) {
    if (!text.empty()) text += ", ";
    if (switch_words) {
      text += choice.value != 0 ? "yes" : "no";
    } else {
      text += std::to_string(choice.value);
    }
    text += " = ";
    text += choice.text;
  }
  return text;
}

}  // namespace vellix::options
