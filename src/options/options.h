// The option set: every setting that decides what the generated site shows,
// how it is labelled, which files are written and where.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "options/attributes.h"
#include "options/extras_settings.h"
#include "platform/file_access.h"
#include "platform/prompter.h"
#include "platform/settings_store.h"

namespace vellix {

/// Where an option set file is kept and who hears about loading and saving
/// it: the file, the folder of its ".old" backup (the application folder)
/// and the prompter for the messages and questions. `files` reads and
/// writes (the local disk when null); `backups` records which file each
/// backup in the backup folder was made from, so that a backup is only ever
/// replaced by a newer backup of the same file (without it a backup of the
/// same name is replaced, as older versions did). Everything referred to
/// must outlive the load or save.
struct OptionFileContext {
  std::string path;
  std::string backup_folder;
  platform::Prompter& prompter;
  platform::FileAccess* files = nullptr;
  platform::SettingsStore* backups = nullptr;
};

/// Number of fact kinds (individual, user-defined, "other facts" and family
/// facts); see fact_kinds.h for their names and default labels.
inline constexpr int kFactKindCount = 62;

/// The three HTML 4.01 document type lines the option set knows.
inline constexpr const char* kDtdTransitional =
    "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">";
inline constexpr const char* kDtdStrict =
    "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\" "
    "\"http://www.w3.org/TR/html4/strict.dtd\">";
inline constexpr const char* kDtdFrameset =
    "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Frameset//EN\">";

/// The option set. A program keeps its current one in a CurrentOptionSet
/// (current_option_set.h); the generation run and the page writers only read
/// it, the options commands edit it and save it with SaveOptions.
///
/// Texts are UTF-8. Switches are bool, small enumerations uint8_t, numbers
/// int32_t. Path settings keep the stored form with backslashes; use
/// platform::NativePath at the file-system boundary. A freshly constructed
/// object holds the default option set (as SetDefaults leaves it).
class COptions {
 public:
  COptions();

  // ---- Bookkeeping ------------------------------------------------------
  int32_t m_nVersion = 39;     // layout version this program writes
  int32_t m_nFileVersion = 0;  // layout version of the file last loaded
  bool m_bBackupDone = false;  // the .old copy was made since the last load
  int32_t m_nLoadError = 0;    // 1 when the last load found a wrong magic
  /// The opt-in extras, kept beside the option set file (LoadOptions and
  /// SaveOptions read and write that file too); not part of the file layout.
  options::ExtrasSettings extras;
  /// Display choice per fact kind: 0 not shown, 1 at the end of the page,
  /// 2 within the group sheet.
  std::array<uint8_t, kFactKindCount> m_factInclude{};
  /// Customised label per fact kind (62 entries, or none after
  /// ResetForNewFile). Read through GetFactLabel, which redirects 52, 59, 61.
  std::vector<std::string> m_factLabels;
  CAttributesList m_indivAttributes;
  CAttributesList m_familyAttributes;
  bool m_bReserved1 = true;
  bool m_bReserved3 = true;
  bool m_bReserved4 = true;
  int32_t m_nReserved2 = 0;
  int32_t m_nReserved5 = 0;

  // ---- Files tab ----------------------------------------------------------
  std::string m_strGedcomFile;      // path
  std::string m_strDestFolder;      // path
  std::string m_strSecureFilePath;  // stored and edited, read by nothing

  // ---- Attributes tab -----------------------------------------------------
  std::string m_strBackColor = "#ffffff";
  std::string m_strTextColor = "#000000";
  std::string m_strDividerColor = "#008000";
  std::string m_strLinkColor = "#0000ff";
  std::string m_strActiveLinkColor = "#ff0000";
  std::string m_strVisitedLinkColor = "#800080";
  /// Windows colour values (red in the lowest byte); white by default.
  std::array<uint32_t, 16> m_customColors{
      16777215, 16777215, 16777215, 16777215, 16777215, 16777215, 16777215, 16777215,
      16777215, 16777215, 16777215, 16777215, 16777215, 16777215, 16777215, 16777215};
  std::string m_strAuthor;
  std::string m_strKeywords = "Genealogy,Group,Sheet";
  bool m_bKeywordSurnames = false;
  std::string m_strDescription = "Family Group Sheets";
  std::string m_strBackImage;  // path
  bool m_bBackFixed = false;
  std::string m_strMarginLeft = "10";
  std::string m_strMarginRight = "10";
  std::string m_strMarginTop = "10";
  std::string m_strMarginBottom = "5";
  bool m_bAlignLabels = true;
  bool m_bAlignLongest = true;
  int32_t m_nLabelWidth = 9;  // 0..65535
  bool m_bRightJustify = true;
  bool m_bAlignPlaces = false;
  int32_t m_nDateWidth = 25;  // 0..80
  std::string m_strFontFace = "Arial,Helvetica,sans-serif";
  int32_t m_nFontSize = 0;  // 0 Default, 1 xx-small .. 7 xx-large
  bool m_bMonoFont = true;
  bool m_bLinksTop = false;
  bool m_bLinksBottom = true;
  bool m_bLowerCaseNames = false;
  bool m_bChildNameLinks = true;
  std::string m_strHomePage;  // path
  std::string m_strHomeTarget;
  bool m_bPageDividers = false;
  int32_t m_nDividerTop = 1;         // 0 Exclude, 1 Line, 2 Image (all four)
  std::string m_strDividerTopImage;  // path
  bool m_bDividerTopStretch = false;
  int32_t m_nDividerBottom = 1;
  std::string m_strDividerBottomImage;  // path
  bool m_bDividerBottomStretch = false;
  int32_t m_nDividerThick = 1;
  std::string m_strDividerThickImage;  // path
  bool m_bDividerThickStretch = false;
  int32_t m_nDividerThin = 1;
  std::string m_strDividerThinImage;  // path
  bool m_bDividerThinStretch = false;
  std::string m_strExternalCss;  // path
  std::string m_strFilePrefix = "grp";
  std::string m_strFileExt = ".html";  // read through GetPageExtension
  std::string m_strCopyright;
  // Three extra links.
  bool m_bExtra1 = false;
  bool m_bExtra1SurnameOnly = false;
  bool m_bExtra1SecondLine = false;
  std::string m_strExtra1Dest;
  std::string m_strExtra1Target;
  std::string m_strExtra1Label;
  std::string m_strExtra1Prompt;
  bool m_bExtra2 = false;
  bool m_bExtra2SurnameOnly = false;
  bool m_bExtra2SecondLine = false;
  std::string m_strExtra2Dest;
  std::string m_strExtra2Target;
  std::string m_strExtra2Label;
  std::string m_strExtra2Prompt;
  bool m_bExtra3 = false;
  bool m_bExtra3SurnameOnly = false;
  bool m_bExtra3SecondLine = false;
  std::string m_strExtra3Dest;
  std::string m_strExtra3Target;
  std::string m_strExtra3Label;
  std::string m_strExtra3Prompt;

  // ---- Headers tab ----------------------------------------------------------
  std::string m_strFamilyHeader;
  std::string m_strFamilyFooter;
  std::string m_strSurnameHeader;
  std::string m_strSurnameFooter;
  std::string m_strMediaHeader;
  std::string m_strMediaFooter;
  std::string m_strSurnameIntro;
  std::string m_strIndexIntro;
  std::string m_strBiblioIntro;
  bool m_bTitleNames = true;
  bool m_bTitleAndNames = false;
  bool m_bTitleAtTop = false;
  std::string m_strTitleFamily;
  std::string m_strHeadingFamily;
  std::string m_strTitleSurname = "Surnames";
  std::string m_strHeadingSurname = "Surnames";
  std::string m_strTitleIndex = "Index";
  std::string m_strHeadingIndex = "Index";
  std::string m_strTitleBiblio = "Bibliography";
  std::string m_strHeadingBiblio = "Bibliography";
  std::string m_strTitleRepository = "Repository";
  std::string m_strHeadingRepository = "Repository";
  std::string m_strGalleryTitleIndiv = "Gallery";
  std::string m_strGalleryTitleFamily = "Family Gallery";
  std::string m_strGalleryTitleCitation = "Source Gallery";
  std::string m_strGalleryTitleBiblio = "Bibliography Gallery";
  // Advanced text blocks of standard pages.
  std::string m_strStdBeforeHtml;
  std::string m_strStdAfterHtmlEnd;
  std::string m_strStdAfterHtml;
  std::string m_strStdBeforeHtmlEnd;
  std::string m_strStdAfterHead;
  std::string m_strStdBeforeHeadEnd;
  std::string m_strStdBodyAttrs;
  std::string m_strStdAfterBody;
  std::string m_strStdBeforeBodyEnd;
  // Advanced text blocks of multimedia pages.
  std::string m_strMediaBeforeHtml;
  std::string m_strMediaAfterHtmlEnd;
  std::string m_strMediaAfterHtml;
  std::string m_strMediaBeforeHtmlEnd;
  std::string m_strMediaAfterHead;
  std::string m_strMediaBeforeHeadEnd;
  std::string m_strMediaBodyAttrs;
  std::string m_strMediaAfterBody;
  std::string m_strMediaBeforeBodyEnd;

  // ---- Custom tab -----------------------------------------------------------
  bool m_bUseFactTags = false;
  std::string m_strBiographyTag = "*Biography";
  std::string m_strRelationTag = "*Relation";
  std::string m_strImageTag = "*Image";
  std::string m_strNarrativeTag = "*Narrative";
  std::string m_strImportTag = "*Import";
  std::string m_strGroupImageTag = "*Group";
  bool m_bBiography = false;
  std::string m_strBioLinkText = "(%link%)";
  std::string m_strBioLinkLabel = "biography";
  std::string m_strBioLinkPrompt = "Read about this person";
  std::string m_strBioTarget;
  std::string m_strBioFolder;  // path
  bool m_bRelationship = false;
  bool m_bIndivImages = false;
  std::string m_strIndivImageFolder;  // path
  bool m_bNarrative = false;
  std::string m_strNarrLinkText = "View %LINK%.";
  std::string m_strNarrLinkLabel = "family narrative";
  std::string m_strNarrLinkPrompt = "Read about this family";
  std::string m_strNarrTarget;
  std::string m_strNarrFolder;  // path
  bool m_bImportText = false;
  int32_t m_nImportPosition = 1;  // 0 above, 1 below the group sheet
  int32_t m_nImportContent = 0;   // 0 plain text, 1 HTML text
  std::string m_strImportFolder;  // path (full)
  bool m_bGroupImages = false;
  int32_t m_nGroupImagePosition = 0;  // 0 above, 1 below the group sheet
  std::string m_strGroupImageFolder;  // path
  bool m_bCustomIcons = false;
  bool m_bCustomIconImages = true;
  std::string m_strIconTextBiography = "Biography";
  std::string m_strIconTextImage = "Image";
  std::string m_strIconTextNarrative = "Narrative";
  std::string m_strIconTextImport = "Text";
  std::string m_strIconTextGroup = "Group";

  // ---- Features tab ---------------------------------------------------------
  bool m_bCitations = false;
  bool m_bCitationsInFrame = false;
  bool m_bCitationComments = false;
  bool m_bCitationDetails = false;
  bool m_bCitationBiblioLinks = false;
  bool m_bSuperscript = false;
  bool m_bBiblioPages = false;
  bool m_bBiblioComments = false;
  int32_t m_nBiblioPerPage = 25;  // 1..10000
  bool m_bRepositoryPages = false;
  bool m_bRepositoryComments = false;
  int32_t m_nRepositoryPerPage = 25;  // 1..10000
  std::string m_strIgnorePrefix;
  bool m_bAuthorLifespan = false;
  bool m_bExcludeLiving = false;
  uint8_t m_nNameFilter = 0;  // 0 full names, 1 initials, 2 the text
  std::string m_strPrivateName = "(Private)";
  bool m_bFilterDates = false;
  std::string m_strPrivateDate = "(Private)";
  bool m_bLivingDetails = true;
  bool m_bAssumeLiving = false;
  int32_t m_nLivingYear = 1899;
  bool m_bSurnameCounts = false;
  bool m_bTopSurnames = false;
  int32_t m_nTopSurnames = 10;       // 1..100
  int32_t m_nSurnamePartitions = 1;  // 1..100
  bool m_bAltSurnameFile = false;
  std::string m_strAltSurnameFile = "index.html";  // path
  bool m_bSoundex = false;
  bool m_bGendex = false;
  int32_t m_nIndexPerPage = 150;  // 1..10000
  bool m_bRefNumbers = false;
  bool m_bUpperSurnames = false;
  bool m_bAliasInName = false;
  bool m_bMailLinks = false;
  bool m_bHideMail = false;
  bool m_bWebLinks = false;
  std::string m_strWebTarget;
  // Multimedia.
  bool m_bGalleries = false;
  bool m_bOmitDuplicateMedia = true;
  bool m_bIgnoreScrapbookFlag = false;
  std::string m_strMediaDestFolder = "media\\";  // path
  std::string m_strMediaSourceFolder;            // path
  bool m_bIndivScrapbookGallery = true;
  bool m_bIndivFactGallery = true;
  bool m_bFamilyScrapbookGallery = true;
  bool m_bFamilyFactGallery = true;
  bool m_bFamilyGalleryAbove = true;
  bool m_bFamilyGalleryBelow = false;
  bool m_bCitationGallery = false;
  bool m_bBiblioGallery = false;
  int32_t m_nThumbSize = 150;   // 20..10000
  int32_t m_nThumbRows = 6;     // 1..1000
  int32_t m_nThumbColumns = 3;  // 1..1000
  bool m_bThumbFileName = false;
  bool m_bThumbCaption = false;
  bool m_bThumbRef = false;
  std::string m_strThumbPrompt = "Click to View";
  std::string m_strThumbTarget;
  std::string m_strThumbHref;
  std::string m_strThumbOnClick;
  int32_t m_nSlideSize = 600;  // 20..10000
  bool m_bSlideCaptionAbove = true;
  bool m_bSlideCaptionBelow = false;
  bool m_bSlideDate = false;
  bool m_bSlideFileName = false;
  bool m_bSlideRef = false;
  bool m_bSlideNotes = true;
  bool m_bSlideCitations = false;
  bool m_bSlideLinkOriginal = false;
  bool m_bSlideDownload = false;
  std::string m_strSlideTarget;
  std::string m_strSlideHref;
  std::string m_strSlideOnClick;
  int32_t m_nSlideOrder = 0;  // 0..5, see the Features tab's display orders
  bool m_bGalleryIcons = false;
  bool m_bGalleryIconImages = true;
  std::string m_strIconTextFamilyGallery = "Family Gallery";
  std::string m_strIconTextIndivGallery = "Individual Gallery";
  bool m_bIndivPortraits = false;
  bool m_bIndivPortraitCaption = false;
  bool m_bIndivPortraitDate = false;
  bool m_bIndivPortraitPreferred = false;
  int32_t m_nIndivPortraitWidth = 75;  // 20..10000
  bool m_bFamilyPortraits = false;
  bool m_bFamilyPortraitCaption = false;
  bool m_bFamilyPortraitDate = false;
  bool m_bFamilyPortraitPreferred = false;
  int32_t m_nFamilyPortraitSize = 350;  // 20..10000
  bool m_bSuppressPortraitGallery = false;
  // Gallery links: text template, label, prompt, frame target.
  std::string m_strIndivGalleryText = "%LINK%";
  std::string m_strIndivGalleryLabel = "Gallery";
  std::string m_strIndivGalleryPrompt = "View Gallery";
  std::string m_strIndivGalleryTarget;
  std::string m_strFamilyGalleryText = "%LINK%";
  std::string m_strFamilyGalleryLabel = "Family Gallery";
  std::string m_strFamilyGalleryPrompt = "View Gallery";
  std::string m_strFamilyGalleryTarget;
  std::string m_strCitationGalleryText = "%LINK%";
  std::string m_strCitationGalleryLabel = "Source Gallery";
  std::string m_strCitationGalleryPrompt = "View Gallery";
  std::string m_strCitationGalleryTarget;
  std::string m_strBiblioGalleryText = "%LINK%";
  std::string m_strBiblioGalleryLabel = "Bibliography Gallery";
  std::string m_strBiblioGalleryPrompt = "View Gallery";
  std::string m_strBiblioGalleryTarget;
  std::string m_strSlideLinkText = "%LINK%";
  std::string m_strSlideLinkLabel = "Download";
  std::string m_strSlideLinkPrompt = "Right-click to Download";

  // ---- Facts tab --------------------------------------------------------------
  uint8_t m_nAltBmdFacts = 0;    // 0 No, 1 at end of page, 2 within page
  uint8_t m_nAltNames = 0;       // same three values
  uint8_t m_nResearchNotes = 0;  // same three values
  uint8_t m_nMarriageNotes = 0;  // same three values
  uint8_t m_nMedicalNotes = 0;   // same three values
  bool m_bHtmlNotes = false;
  bool m_bFactNotes = false;
  bool m_bFactNotesOutside = false;
  bool m_bRepeatChildFacts = false;
  bool m_bOtherFacts = false;

  // ---- Labels tab -------------------------------------------------------------
  bool m_bOmitEmptyLabels = false;
  // Group sheet labels.
  std::string m_strLblHusband = "Husband";
  std::string m_strLblWife = "Wife";
  std::string m_strLblBorn = "Born";
  std::string m_strLblMarried = "Married";  // also the label of fact kind 59
  std::string m_strLblDied = "Died";
  std::string m_strLblIn = "in";
  std::string m_strLblFather = "Father";
  std::string m_strLblMother = "Mother";
  std::string m_strLblSpouses = "Spouses";
  std::string m_strLblMale = "M";
  std::string m_strLblFemale = "F";
  std::string m_strLblName = "Name";
  // Section titles.
  std::string m_strLblChildren = "Children";
  std::string m_strLblAdditional = "Additional Information";
  std::string m_strLblFootnotes = "Footnotes";
  std::string m_strLblIndividualsIn = "individuals in";
  std::string m_strLblFamilies = "families";
  std::string m_strLblCommonSurnames = "Most Common Surnames";
  // Navigation links.
  std::string m_strNavHome = "Home";
  std::string m_strNavSurnames = "Surnames";
  std::string m_strNavIndex = "Index";
  std::string m_strNavNext = "Next";
  std::string m_strNavPrior = "Prior";
  std::string m_strNavGroupSheet = "Group Sheet";
  std::string m_strNavBiblio = "Bibliography";
  std::string m_strNavRepository = "Repository";
  std::string m_strNavGallery = "Gallery";
  std::string m_strNavSeparator = "&nbsp;|&nbsp;";
  // Other labels.
  std::string m_strLblNotes = "Notes:";
  std::string m_strLblMarriageNotes = "Marriage Notes";
  std::string m_strLblMedicalNotes = "Medical Notes:";
  std::string m_strLblRevised = "Revised";
  std::string m_strRevisedFormat = "MMMM dd, yyyy";
  std::string m_strLblUnknownSurname = "Unknown";
  std::string m_strLblContinued = "continued";
  std::string m_strLblIbid = "Ibid";
  // Bibliography labels.
  std::string m_strBibAgency = "Agency";
  std::string m_strBibChanged = "Changed";
  std::string m_strBibEmail = "E-Mail";
  std::string m_strBibEvent = "Event";
  std::string m_strBibFax = "FAX";
  std::string m_strBibPeriod = "Period";
  std::string m_strBibPhone = "Phone";
  std::string m_strBibPlace = "Place";
  std::string m_strBibQuality = "Quality";
  std::string m_strBibReference = "Reference";
  std::string m_strBibRole = "Role";
  std::string m_strBibWebsite = "Website";

  // ---- Program tab ------------------------------------------------------------
  int32_t m_nMonthNames = 0;  // 0 GEDCOM default .. 4 full name, uppercase
  bool m_bFormatDates = true;
  // Date words looked for in GEDCOM dates, and the texts shown for them.
  std::string m_strDateAbt = "ABT";
  std::string m_strDateAbout = "ABOUT";
  std::string m_strDateCirca = "CIRCA";
  std::string m_strDateCa = "CA";
  std::string m_strDateCir = "CIR";
  std::string m_strDateEst = "EST";
  std::string m_strShowAbout = "about";
  std::string m_strDateBet = "BET";
  std::string m_strDateBtn = "BTN";
  std::string m_strShowBetween = "between";
  std::string m_strDateHyphen = "-";
  std::string m_strDateTo = "TO";
  std::string m_strDateAnd = "&";
  std::string m_strShowHyphen = "-";
  std::string m_strDateBef = "BEF";
  std::string m_strShowBefore = "before";
  std::string m_strDateAft = "AFT";
  std::string m_strShowAfter = "after";
  std::string m_strDateUnknown = "Unknown";
  std::string m_strDateDead = "Dead";
  std::string m_strDateDeceased = "Deceased";
  bool m_bNonstandardTags = false;
  bool m_bUseAbbr = false;
  std::string m_strMedicalTag = "_MDCL";
  int32_t m_nSpecialProcessing = 0;  // ordinal of the GEDCOM dialect
  int32_t m_nFamilyRefs = 0;         // 0 key, 1 REFN, 2 RIN, 3 custom fact tag
  std::string m_strFamilyRefTag;
  std::string m_strNoRefPrefix;
  std::string m_strNoFramesMessage = "This page requires a browser supporting frames.";
  std::string m_strNoFramesSheetLink = "Group Sheet";
  std::string m_strNoFramesNotesLink = "Footnotes";
  std::string m_strTableText = "layout";
  std::string m_strDividerText = "divider";
  std::string m_strImageText = "Image";
  bool m_bImageTextCaption = false;
  bool m_bImageTextFile = false;
  std::string m_strDtdFrames = kDtdFrameset;  // "Frames-based Pages"
  std::string m_strDtdPages = kDtdStrict;     // "Nonframes-based Pages"

  // ---- Operations ---------------------------------------------------------------

  /// Reads the option set file `file.path`; creates it with defaults when
  /// missing or empty. A damaged option set (right magic, cut short) is
  /// renamed to "FILE.damaged" beside it, said so, and rebuilt with
  /// defaults; the .old backup is left as it was. False, with
  /// m_nLoadError = 1 and the object and the file untouched, for a file that
  /// is no option set (wrong magic, or too short to hold one), one that
  /// cannot be read, or a damaged one that cannot be kept; false too when a
  /// missing file cannot be created. Messages go to `file.prompter`.
  bool LoadOptions(const OptionFileContext& file);
  /// Writes the option set file `file.path` through a temporary file renamed
  /// into place (a failed save leaves the file as it was): asks first when
  /// the loaded file was newer, makes the .old backup once per load. The
  /// backup is made only from a file that loads as a complete option set,
  /// and never over the backup of another file (that one is kept and the new
  /// backup numbered: "club-2.old"). Nothing is written while m_nLoadError
  /// is 1 (the load refused the file). False when nothing was written.
  bool SaveOptions(const OptionFileContext& file);

  /// Puts every setting to its default (attribute lists emptied). Leaves the
  /// bookkeeping members alone.
  void SetDefaults();
  /// m_nVersion = 39, m_nFileVersion = 0, both attribute lists and the label
  /// array emptied.
  void ResetForNewFile();
  /// Replaces every out-of-range number by its default.
  void ClampValues();

  /// m_strFileExt with a "." in front when missing; "" stays "".
  std::string GetPageExtension() const;

  void GetFactIncludes(uint8_t out[kFactKindCount]) const;
  void SetFactIncludes(const uint8_t in[kFactKindCount]);
  /// The label shown for fact kind `kind`: family Census (52) and Residence
  /// (61) read the individual labels (8, 29); family Married (59) first takes
  /// the text of m_strLblMarried. Empty for a kind outside 0..61 or an empty
  /// label array.
  std::string GetFactLabel(int kind);
  /// True when GetFactLabel(kind) is not empty.
  bool HasFactLabel(int kind);
  /// Stores `text` as the label of `kind` (no redirection); ignored for a
  /// kind outside 0..61 or an empty label array.
  void SetFactLabel(int kind, const std::string& text);

  /// Bit 0, 1, 2 for the first, second, third extra link switched on.
  int GetExtraLinkMask() const;

  /// The strict document type line when `strict`, else the transitional one.
  static std::string GetDefaultDtd(bool strict);
  /// The frameset document type line.
  static std::string GetFramesetDtd();
  /// True when m_strDtdPages names a strict HTML 4.01, XHTML 1.0 Strict or
  /// XHTML 1.1 document type (letter case ignored).
  bool IsStrictDtd() const;
  /// True when any of the thirteen frame target settings holds more than
  /// white space.
  bool HasFrameTargets() const;
  /// m_strImageText, then (as switched on) the caption and the file name,
  /// joined by single spaces; HTML-escaped for an attribute value.
  std::string GetImageAltText(const std::string& caption,
                              const std::string& file_name) const;

  /// Privacy filters for a living individual; all answer false and change
  /// nothing when `is_living` is false. The name becomes ">>>" when living
  /// individuals are excluded, else initials or m_strPrivateName as
  /// m_nNameFilter says.
  bool FilterLivingName(bool is_living, std::string& name) const;
  /// Replaces the date by the HTML-escaped m_strPrivateDate when living
  /// individuals are included and dates are filtered.
  bool FilterLivingDate(bool is_living, std::string& date) const;
  /// True when notes and facts of a living individual must be left out.
  bool ExcludeLivingDetails(bool is_living) const;

  /// Reads the file image `data` as the file layout describes (the
  /// Serialize of a loading archive). Returns false when the data ends
  /// early or is malformed; then the object holds whatever was read so far.
  /// A wrong magic sets m_nLoadError = 1, changes nothing else and returns
  /// true.
  bool ReadFrom(const std::string& data);
  /// The file image of this option set (the Serialize of a storing
  /// archive): m_nLoadError = 0, m_nFileVersion = m_nVersion, path settings
  /// get backslashes first.
  std::string WriteToString();

  /// Turns forward slashes into backslashes in every path setting.
  void NormalizePaths();
};

}  // namespace vellix
