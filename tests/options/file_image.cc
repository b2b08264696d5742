#include "options/file_image.h"

#include <gtest/gtest.h>

#include <sstream>

namespace vellix::testing {
namespace {

// The file layout, block by block: "@N" starts the block of version N; each
// item is its encoding code, a colon and the member it holds.
constexpr char kLayoutText[] = R"(
@0 V:m_nVersion M b:m_bReserved1 C:m_customColors i:m_nReserved2
s:m_strFilePrefix s:m_strDestFolder s:m_strSecureFilePath s:m_strHomePage
s:m_strKeywords s:m_strDescription s:m_strDividerColor s:m_strBackColor
s:m_strBackImage s:m_strAuthor s:m_strFamilyHeader s:m_strFamilyFooter
s:m_strCopyright s:m_strMarginLeft s:m_strBioFolder s:m_strGedcomFile
s:m_strSurnameIntro s:m_strSurnameHeader s:m_strSurnameFooter
b:m_bBiography b:m_bRelationship b:m_bCitations b:m_bCitationsInFrame
s:m_strFileExt s:m_strBiographyTag s:m_strImageTag s:m_strRelationTag
b:m_bAuthorLifespan b:m_bIndivImages s:m_strIndivImageFolder
y:m_nResearchNotes y:m_nAltBmdFacts b:m_bOtherFacts c48 f48:m_factInclude
b:m_bReserved3 b:m_bUseFactTags b:m_bUpperSurnames b:m_bSoundex
y:m_nMarriageNotes b:m_bExcludeLiving y:m_nNameFilter b:m_bFilterDates
s:m_strPrivateName s:m_strPrivateDate b:m_bLivingDetails
s:m_strLblAdditional s:m_strBioLinkLabel s:m_strLblBorn s:m_strLblChildren
s:m_strLblContinued s:m_strLblDied s:m_strLblFamilies s:m_strLblFather
s:m_strLblFemale s:m_strLblFootnotes s:m_strNavHome s:m_strLblHusband
s:m_strLblIn s:m_strNavIndex s:m_strLblIndividualsIn s:m_strLblMale
s:m_strLblMarried s:m_strLblCommonSurnames s:m_strLblMother s:m_strNavNext
s:m_strNavPrior s:m_strBioLinkPrompt s:m_strLblRevised s:m_strLblSpouses
s:m_strNavSurnames s:m_strLblUnknownSurname s:m_strDateUnknown
s:m_strLblWife s:m_strDateDead s:m_strDateDeceased s:m_strLblMarriageNotes
s:m_strLblNotes l48:m_factLabels b:m_bAliasInName b:m_bAlignPlaces
i:m_nDateWidth A:m_indivAttributes i:m_nReserved5 s:m_strShowAbout
s:m_strShowAfter s:m_strShowBefore s:m_strShowBetween s:m_strDateAbout
s:m_strDateAbt s:m_strDateAft s:m_strDateAnd s:m_strDateBef s:m_strDateBet
s:m_strDateBtn s:m_strDateCa s:m_strDateCir s:m_strDateCirca s:m_strDateEst
s:m_strDateHyphen s:m_strDateTo s:m_strShowHyphen s:m_strFontFace
s:m_strTextColor i:m_nFontSize s:m_strLinkColor s:m_strActiveLinkColor
s:m_strVisitedLinkColor s:m_strMarginRight i:m_nIndexPerPage
b:m_bSurnameCounts b:m_bTopSurnames i:m_nTopSurnames
@30 s:m_strTitleSurname s:m_strTitleIndex s:m_strTitleFamily
s:m_strHeadingSurname s:m_strHeadingIndex s:m_strHeadingFamily
b:m_bTitleNames b:m_bTitleAtTop
@31 s:m_strExternalCss
@32 b:m_bBackFixed
@33 s:m_strNoFramesMessage s:m_strNoFramesSheetLink
s:m_strNoFramesNotesLink s:m_strTableText s:m_strImageText
b:m_bImageTextCaption b:m_bImageTextFile s:m_strDtdFrames s:m_strDtdPages
s:m_strStdBeforeHtml s:m_strStdAfterHtml s:m_strStdBeforeHtmlEnd
s:m_strStdAfterHtmlEnd s:m_strStdAfterHead s:m_strStdBeforeHeadEnd
s:m_strStdAfterBody s:m_strStdBeforeBodyEnd s:m_strStdBodyAttrs
b:m_bWebLinks b:m_bSuperscript s:m_strNavGroupSheet s:m_strLblName
b:m_bFormatDates
@34 b:m_bMonoFont b:m_bAlignLabels b:m_bAlignLongest b:m_bRightJustify
i:m_nLabelWidth s:m_strHomeTarget s:m_strBioTarget s:m_strWebTarget
@35 s:m_strBibAgency s:m_strBibChanged s:m_strBibEmail s:m_strBibEvent
s:m_strBibFax s:m_strBibPeriod s:m_strBibPhone s:m_strBibPlace
s:m_strBibQuality s:m_strBibReference s:m_strBibRole s:m_strBibWebsite
s:m_strNavBiblio s:m_strNavRepository s:m_strNavSeparator
s:m_strRevisedFormat s:m_strTitleBiblio s:m_strTitleRepository
s:m_strHeadingBiblio s:m_strHeadingRepository s:m_strIgnorePrefix
b:m_bBiblioComments b:m_bBiblioPages b:m_bCitationBiblioLinks
b:m_bReserved4 b:m_bCitationComments b:m_bCitationDetails
b:m_bRepositoryComments b:m_bRepositoryPages b:m_bTitleAndNames
i:m_nBiblioPerPage i:m_nRepositoryPerPage b:m_bUseAbbr b:m_bNonstandardTags
@36 b:m_bLinksTop b:m_bLinksBottom b:m_bPageDividers b:m_bDividerTopStretch
b:m_bDividerBottomStretch b:m_bDividerThickStretch b:m_bDividerThinStretch
i:m_nDividerTop i:m_nDividerBottom i:m_nDividerThick i:m_nDividerThin
s:m_strDividerTopImage s:m_strDividerBottomImage s:m_strDividerThickImage
s:m_strDividerThinImage s:m_strDividerText s:m_strBiblioIntro
s:m_strMarginTop s:m_strMarginBottom b:m_bAssumeLiving i:m_nLivingYear
s:m_strBioLinkText A:m_familyAttributes s:m_strNarrLinkText
s:m_strNarrTarget s:m_strNarrLinkLabel s:m_strNarrLinkPrompt
s:m_strNarrFolder s:m_strImportFolder s:m_strGroupImageFolder
s:m_strGroupImageTag s:m_strImportTag s:m_strNarrativeTag b:m_bNarrative
b:m_bImportText b:m_bGroupImages b:m_bKeywordSurnames i:m_nImportContent
i:m_nImportPosition i:m_nGroupImagePosition
@37 s:m_strLblIbid cN fN:m_factInclude lN:m_factLabels y:m_nAltNames
b:m_bFactNotes b:m_bFactNotesOutside y:m_nMedicalNotes b:m_bCustomIcons
b:m_bCustomIconImages b:m_bGendex i:m_nSurnamePartitions
s:m_strLblMedicalNotes s:m_strMedicalTag s:m_strIconTextGroup
s:m_strIconTextImport s:m_strIconTextNarrative s:m_strIconTextBiography
s:m_strIconTextImage s:m_strIndexIntro s:m_strExtra1Dest
s:m_strExtra1Target s:m_strExtra1Label s:m_strExtra1Prompt
s:m_strExtra2Dest s:m_strExtra2Target s:m_strExtra2Label
s:m_strExtra2Prompt s:m_strExtra3Dest s:m_strExtra3Target
s:m_strExtra3Label s:m_strExtra3Prompt b:m_bExtra1 b:m_bExtra1SecondLine
b:m_bExtra1SurnameOnly b:m_bExtra2 b:m_bExtra2SecondLine
b:m_bExtra2SurnameOnly b:m_bExtra3 b:m_bExtra3SecondLine
b:m_bExtra3SurnameOnly b:m_bMailLinks b:m_bHideMail b:m_bAltSurnameFile
s:m_strAltSurnameFile
@38 i:m_nMonthNames b:m_bChildNameLinks b:m_bRefNumbers i:m_nFamilyRefs
b:m_bLowerCaseNames
@39 b:m_bRepeatChildFacts b:m_bOmitEmptyLabels b:m_bGalleries
b:m_bSlideCaptionBelow b:m_bSlideCaptionAbove b:m_bSlideDate
b:m_bSlideFileName b:m_bSlideNotes b:m_bSlideLinkOriginal b:m_bSlideRef
b:m_bThumbCaption b:m_bThumbFileName b:m_bThumbRef b:m_bFamilyGalleryBelow
b:m_bFamilyGalleryAbove b:m_bFamilyFactGallery b:m_bIndivFactGallery
b:m_bFamilyScrapbookGallery b:m_bIndivScrapbookGallery b:m_bSlideCitations
b:m_bCitationGallery b:m_bOmitDuplicateMedia b:m_bBiblioGallery
b:m_bIgnoreScrapbookFlag b:m_bGalleryIcons b:m_bGalleryIconImages
b:m_bSlideDownload i:m_nSlideSize i:m_nThumbSize i:m_nThumbColumns
i:m_nThumbRows i:m_nSpecialProcessing i:m_nSlideOrder s:m_strFamilyRefTag
s:m_strNoRefPrefix s:m_strIndivGalleryTarget s:m_strIndivGalleryLabel
s:m_strIndivGalleryPrompt s:m_strIndivGalleryText
s:m_strFamilyGalleryTarget s:m_strSlideTarget s:m_strCitationGalleryTarget
s:m_strThumbTarget s:m_strFamilyGalleryLabel s:m_strCitationGalleryLabel
s:m_strFamilyGalleryPrompt s:m_strSlideLinkPrompt
s:m_strCitationGalleryPrompt s:m_strThumbPrompt s:m_strFamilyGalleryText
s:m_strCitationGalleryText s:m_strMediaDestFolder s:m_strMediaSourceFolder
s:m_strNavGallery s:m_strGalleryTitleBiblio s:m_strGalleryTitleCitation
s:m_strGalleryTitleFamily s:m_strGalleryTitleIndiv
s:m_strBiblioGalleryTarget s:m_strBiblioGalleryLabel
s:m_strBiblioGalleryPrompt s:m_strBiblioGalleryText s:m_strMediaHeader
s:m_strMediaFooter s:m_strIconTextFamilyGallery s:m_strIconTextIndivGallery
s:m_strMediaBeforeHtml s:m_strMediaAfterHtml s:m_strMediaBeforeHtmlEnd
s:m_strMediaAfterHtmlEnd s:m_strMediaAfterHead s:m_strMediaBeforeHeadEnd
s:m_strMediaAfterBody s:m_strMediaBeforeBodyEnd s:m_strMediaBodyAttrs
s:m_strSlideOnClick s:m_strThumbOnClick s:m_strSlideHref s:m_strThumbHref
s:m_strSlideLinkLabel s:m_strSlideLinkText b:m_bIndivPortraits
b:m_bFamilyPortraits b:m_bIndivPortraitCaption b:m_bFamilyPortraitCaption
b:m_bIndivPortraitDate b:m_bFamilyPortraitDate b:m_bIndivPortraitPreferred
b:m_bFamilyPortraitPreferred b:m_bSuppressPortraitGallery b:m_bHtmlNotes
i:m_nIndivPortraitWidth i:m_nFamilyPortraitSize
)";

const COptions& Defaults() {
  static const COptions defaults;
  return defaults;
}

struct SampleEntry {
  const char* reference;
  const char* link;
  const char* text;
  const char* image;
  const char* caption;
};

constexpr SampleEntry kIndivEntries[] = {
    {"I1", "bio\\ann.htm", "great-aunt", "ann.jpg", "Ann, 1902"},
    {"I22", "", "", "", ""},
};
constexpr SampleEntry kFamilyEntries[] = {
    {"F7", "narr\\f7.htm", "C:\\texts\\f7.txt", "wedding.jpg", "The wedding"},
};

}  // namespace

const std::vector<HandItem>& HandLayout() {
  static const std::vector<HandItem> items = [] {
    std::vector<HandItem> parsed;
    std::istringstream in(kLayoutText);
    std::string token;
    int version = 0;
    while (in >> token) {
      if (token[0] == '@') {
        version = std::stoi(token.substr(1));
        continue;
      }
      const size_t colon = token.find(':');
      HandItem item{version, token.substr(0, colon), ""};
      if (colon != std::string::npos) item.member = token.substr(colon + 1);
      parsed.push_back(item);
    }
    return parsed;
  }();
  return items;
}

ImageBuilder& ImageBuilder::Byte(uint8_t value) {
  bytes_.push_back(static_cast<char>(value));
  return *this;
}

ImageBuilder& ImageBuilder::Int32(int32_t value) {
  return UInt32(static_cast<uint32_t>(value));
}

ImageBuilder& ImageBuilder::UInt32(uint32_t value) {
  Byte(value & 0xFF);
  Byte((value >> 8) & 0xFF);
  Byte((value >> 16) & 0xFF);
  return Byte((value >> 24) & 0xFF);
}

ImageBuilder& ImageBuilder::Raw(const std::string& bytes) {
  bytes_ += bytes;
  return *this;
}

ImageBuilder& ImageBuilder::Length(uint32_t length) {
  if (length < 255) return Byte(static_cast<uint8_t>(length));
  Byte(255);
  if (length < 65534) {
    Byte(length & 0xFF);
    return Byte(length >> 8);
  }
  Byte(0xFF);
  Byte(0xFF);
  return UInt32(length);
}

ImageBuilder& ImageBuilder::Ansi(const std::string& bytes) {
  Length(static_cast<uint32_t>(bytes.size()));
  return Raw(bytes);
}

ImageBuilder& ImageBuilder::Wide(const std::u16string& units) {
  Byte(255);
  Byte(0xFE);
  Byte(0xFF);
  Length(static_cast<uint32_t>(units.size()));
  for (char16_t unit : units) {
    Byte(unit & 0xFF);
    Byte(unit >> 8);
  }
  return *this;
}

ImageBuilder& ImageBuilder::Header(int32_t version) {
  Int32(version);
  return Raw(std::string("LQP45G21\0\0", 10));
}

const options::LayoutItem& ProgramItem(const std::string& member) {
  for (const options::LayoutItem& item : options::FileLayout()) {
    if (member == item.name) return item;
  }
  ADD_FAILURE() << "no layout entry for " << member;
  static const options::LayoutItem none{0, options::ItemKind::kMagic, ""};
  return none;
}

SampleText SampleString(size_t ordinal, const std::string& member) {
  const std::string number = std::to_string(ordinal);
  if (ordinal % 7 == 3) {
    // Greek: outside Windows-1252, so the file holds the wide form.
    SampleText text{"\xCE\x93\xCE\xAC\xCE\xBC\xCE\xBF\xCF\x82 " + number, "",
                    u"\u0393\u03AC\u03BC\u03BF\u03C2 "};
    for (char digit : number) text.wide.push_back(static_cast<char16_t>(digit));
    return text;
  }
  (void)member;
  // "é" is one Windows-1252 byte; the backslash keeps path settings as stored.
  return {"v" + number + "\\x-\xC3\xA9", "v" + number + "\\x-\xE9", u""};
}

int32_t SampleInt(const std::string& member) {
  return Defaults().*ProgramItem(member).i + 1;
}

uint8_t SampleByte(const std::string& member) {
  return static_cast<uint8_t>((Defaults().*ProgramItem(member).y + 1) % 3);
}

bool SampleBool(const std::string& member) {
  return !(Defaults().*ProgramItem(member).b);
}

uint8_t SampleFactInclude(int kind) {
  if (kind == 49) return 2;
  if (kind == 59) return 1;
  return static_cast<uint8_t>(1 + kind % 2);
}

SampleText SampleFactLabel(int kind) {
  const std::string number = std::to_string(kind);
  if (kind % 5 == 0) {
    // Polish: "Łódź" does not fit Windows-1252 ("Ł" and "ź").
    SampleText text{"\xC5\x81\xC3\xB3\x64\xC5\xBA " + number, "",
                    u"\u0141\u00F3d\u017A "};
    for (char digit : number) text.wide.push_back(static_cast<char16_t>(digit));
    return text;
  }
  return {"Fact " + number + " \xC3\xA9", "Fact " + number + " \xE9", u""};
}

uint32_t SampleColor(int index) { return 0x010203u * static_cast<uint32_t>(index + 1); }

namespace {

void AddText(ImageBuilder& image, const SampleText& text) {
  if (text.wide.empty()) {
    image.Ansi(text.ansi);
  } else {
    image.Wide(text.wide);
  }
}

template <size_t N>
void AddEntries(ImageBuilder& image, const SampleEntry (&entries)[N]) {
  image.Int32(static_cast<int32_t>(N));
  for (const SampleEntry& e : entries) {
    for (const char* text : {e.reference, e.link, e.text, e.image, e.caption}) {
      image.Ansi(text);
    }
  }
}

template <size_t N>
void FillEntries(CAttributesList& list, const SampleEntry (&entries)[N]) {
  list.RemoveAll();
  for (const SampleEntry& e : entries) {
    CAttributes* entry = list.Add(e.reference);
    entry->m_strReference = e.reference;
    entry->m_strLink = e.link;
    entry->m_strText = e.text;
    entry->m_strImage = e.image;
    entry->m_strCaption = e.caption;
  }
}

template <size_t N>
void ExpectEntries(const CAttributesList& list, const SampleEntry (&entries)[N]) {
  ASSERT_EQ(list.size(), N);
  size_t n = 0;
  for (const CAttributes& entry : list.entries()) {
    EXPECT_EQ(entry.m_strReference, entries[n].reference);
    EXPECT_EQ(entry.m_strLink, entries[n].link);
    EXPECT_EQ(entry.m_strText, entries[n].text);
    EXPECT_EQ(entry.m_strImage, entries[n].image);
    EXPECT_EQ(entry.m_strCaption, entries[n].caption);
    ++n;
  }
}

}  // namespace

void FillWithSamples(COptions& options) {
  const auto& layout = HandLayout();
  for (size_t n = 0; n < layout.size(); ++n) {
    const HandItem& item = layout[n];
    if (item.code == "b") options.*ProgramItem(item.member).b = SampleBool(item.member);
    if (item.code == "y") options.*ProgramItem(item.member).y = SampleByte(item.member);
    if (item.code == "i") options.*ProgramItem(item.member).i = SampleInt(item.member);
    if (item.code == "s") {
      options.*ProgramItem(item.member).s = SampleString(n, item.member).utf8;
    }
  }
  for (int i = 0; i < 16; ++i) options.m_customColors[i] = SampleColor(i);
  options.m_factLabels.resize(kFactKindCount);
  for (int kind = 0; kind < kFactKindCount; ++kind) {
    options.m_factInclude[kind] = SampleFactInclude(kind);
    options.m_factLabels[kind] = SampleFactLabel(kind).utf8;
  }
  FillEntries(options.m_indivAttributes, kIndivEntries);
  FillEntries(options.m_familyAttributes, kFamilyEntries);
}

std::string SampleImage(int32_t version, int last_version, int later_facts) {
  ImageBuilder image;
  image.Header(version);
  const auto& layout = HandLayout();
  for (size_t n = 0; n < layout.size(); ++n) {
    const HandItem& item = layout[n];
    if (item.version > last_version) break;
    const std::string& code = item.code;
    if (code == "V" || code == "M") continue;
    if (code == "b") image.Byte(SampleBool(item.member) ? 1 : 0);
    if (code == "y") image.Byte(SampleByte(item.member));
    if (code == "i") image.Int32(SampleInt(item.member));
    if (code == "s") AddText(image, SampleString(n, item.member));
    if (code == "C") {
      for (int i = 0; i < 16; ++i) image.UInt32(SampleColor(i));
    }
    if (code == "c48") image.Int32(48);
    if (code == "cN") image.Int32(later_facts);
    if (code == "f48" || code == "fN") {
      const int first = code == "f48" ? 0 : 48;
      const int last = code == "f48" ? 47 : 61;
      for (int kind = first; kind <= last; ++kind) image.Byte(SampleFactInclude(kind));
      if (code == "fN") {
        for (int extra = 14; extra < later_facts; ++extra) image.Byte(2);
      }
    }
    if (code == "l48" || code == "lN") {
      const int first = code == "l48" ? 0 : 48;
      const int last = code == "l48" ? 47 : 61;
      for (int kind = first; kind <= last; ++kind) AddText(image, SampleFactLabel(kind));
      if (code == "lN") {
        for (int extra = 14; extra < later_facts; ++extra) image.Ansi("dropped");
      }
    }
    if (code == "A") {
      if (item.member == "m_indivAttributes") {
        AddEntries(image, kIndivEntries);
      } else {
        AddEntries(image, kFamilyEntries);
      }
    }
  }
  return image.bytes();
}

void ExpectSamples(COptions& options, int last_version) {
  const auto& layout = HandLayout();
  for (size_t n = 0; n < layout.size(); ++n) {
    const HandItem& item = layout[n];
    if (item.version > last_version) break;
    const std::string& m = item.member;
    if (item.code == "b") {
      EXPECT_EQ(options.*ProgramItem(m).b, SampleBool(m)) << m;
    } else if (item.code == "y") {
      EXPECT_EQ(options.*ProgramItem(m).y, SampleByte(m)) << m;
    } else if (item.code == "i") {
      EXPECT_EQ(options.*ProgramItem(m).i, SampleInt(m)) << m;
    } else if (item.code == "s") {
      EXPECT_EQ(options.*ProgramItem(m).s, SampleString(n, m).utf8) << m;
    }
  }
  for (int i = 0; i < 16; ++i) EXPECT_EQ(options.m_customColors[i], SampleColor(i));
  ASSERT_EQ(options.m_factLabels.size(), static_cast<size_t>(kFactKindCount));
  const int kinds = last_version >= 37 ? kFactKindCount : 48;
  for (int kind = 0; kind < kinds; ++kind) {
    EXPECT_EQ(options.m_factInclude[kind], SampleFactInclude(kind)) << kind;
    EXPECT_EQ(options.m_factLabels[kind], SampleFactLabel(kind).utf8) << kind;
  }
  ExpectEntries(options.m_indivAttributes, kIndivEntries);
  if (last_version >= 36) ExpectEntries(options.m_familyAttributes, kFamilyEntries);
}

}  // namespace vellix::testing
