#include "options/option_layout.h"

namespace vellix::options {
namespace {

#define VERSION(v, m) {v, ItemKind::kVersion, #m, nullptr, nullptr, &COptions::m},
#define MAGIC(v, m) {v, ItemKind::kMagic, "magic"},
#define BOOL(v, m) {v, ItemKind::kBool, #m, &COptions::m},
#define BYTE(v, m) {v, ItemKind::kByte, #m, nullptr, &COptions::m},
#define INT(v, m) {v, ItemKind::kInt32, #m, nullptr, nullptr, &COptions::m},
#define STR(v, m) {v, ItemKind::kString, #m, nullptr, nullptr, nullptr, &COptions::m},
#define COLORS(v, m) {v, ItemKind::kColors, #m},
#define FACT_COUNT_48(v, m) {v, ItemKind::kFactCount48, "fact count 48"},
#define FACT_INCLUDE_48(v, m) {v, ItemKind::kFactInclude48, #m},
#define FACT_LABELS_48(v, m) {v, ItemKind::kFactLabels48, #m},
#define ATTRS(v, m) \
  {v, ItemKind::kAttributes, #m, nullptr, nullptr, nullptr, nullptr, &COptions::m},
#define FACT_COUNT_N(v, m) {v, ItemKind::kFactCountN, "fact count N"},
#define FACT_INCLUDE_N(v, m) {v, ItemKind::kFactIncludeN, #m},
#define FACT_LABELS_N(v, m) {v, ItemKind::kFactLabelsN, #m},

// clang-format off
const LayoutItem kLayout[] = {
    VERSION(0, m_nVersion) /* 1 */
    MAGIC(0, ) /* 2 */
    BOOL(0, m_bReserved1) /* 3 */
    COLORS(0, m_customColors) /* 4 */
    INT(0, m_nReserved2) /* 5 */
    STR(0, m_strFilePrefix) /* 6 */
    STR(0, m_strDestFolder) /* 7 */
    STR(0, m_strSecureFilePath) /* 8 */
    STR(0, m_strHomePage) /* 9 */
    STR(0, m_strKeywords) /* 10 */
    STR(0, m_strDescription) /* 11 */
    STR(0, m_strDividerColor) /* 12 */
    STR(0, m_strBackColor) /* 13 */
    STR(0, m_strBackImage) /* 14 */
    STR(0, m_strAuthor) /* 15 */
    STR(0, m_strFamilyHeader) /* 16 */
    STR(0, m_strFamilyFooter) /* 17 */
    STR(0, m_strCopyright) /* 18 */
    STR(0, m_strMarginLeft) /* 19 */
    STR(0, m_strBioFolder) /* 20 */
    STR(0, m_strGedcomFile) /* 21 */
    STR(0, m_strSurnameIntro) /* 22 */
    STR(0, m_strSurnameHeader) /* 23 */
    STR(0, m_strSurnameFooter) /* 24 */
    BOOL(0, m_bBiography) /* 25 */
    BOOL(0, m_bRelationship) /* 26 */
    BOOL(0, m_bCitations) /* 27 */
    BOOL(0, m_bCitationsInFrame) /* 28 */
    STR(0, m_strFileExt) /* 29 */
    STR(0, m_strBiographyTag) /* 30 */
    STR(0, m_strImageTag) /* 31 */
    STR(0, m_strRelationTag) /* 32 */
    BOOL(0, m_bAuthorLifespan) /* 33 */
    BOOL(0, m_bIndivImages) /* 34 */
    STR(0, m_strIndivImageFolder) /* 35 */
    BYTE(0, m_nResearchNotes) /* 36 */
    BYTE(0, m_nAltBmdFacts) /* 37 */
    BOOL(0, m_bOtherFacts) /* 38 */
    FACT_COUNT_48(0, ) /* 39 */
    FACT_INCLUDE_48(0, m_factInclude) /* 40 */
    BOOL(0, m_bReserved3) /* 41 */
    BOOL(0, m_bUseFactTags) /* 42 */
    BOOL(0, m_bUpperSurnames) /* 43 */
    BOOL(0, m_bSoundex) /* 44 */
    BYTE(0, m_nMarriageNotes) /* 45 */
    BOOL(0, m_bExcludeLiving) /* 46 */
    BYTE(0, m_nNameFilter) /* 47 */
    BOOL(0, m_bFilterDates) /* 48 */
    STR(0, m_strPrivateName) /* 49 */
    STR(0, m_strPrivateDate) /* 50 */
    BOOL(0, m_bLivingDetails) /* 51 */
    STR(0, m_strLblAdditional) /* 52 */
    STR(0, m_strBioLinkLabel) /* 53 */
    STR(0, m_strLblBorn) /* 54 */
    STR(0, m_strLblChildren) /* 55 */
    STR(0, m_strLblContinued) /* 56 */
    STR(0, m_strLblDied) /* 57 */
    STR(0, m_strLblFamilies) /* 58 */
    STR(0, m_strLblFather) /* 59 */
    STR(0, m_strLblFemale) /* 60 */
    STR(0, m_strLblFootnotes) /* 61 */
    STR(0, m_strNavHome) /* 62 */
    STR(0, m_strLblHusband) /* 63 */
    STR(0, m_strLblIn) /* 64 */
    STR(0, m_strNavIndex) /* 65 */
    STR(0, m_strLblIndividualsIn) /* 66 */
    STR(0, m_strLblMale) /* 67 */
    STR(0, m_strLblMarried) /* 68 */
    STR(0, m_strLblCommonSurnames) /* 69 */
    STR(0, m_strLblMother) /* 70 */
    STR(0, m_strNavNext) /* 71 */
    STR(0, m_strNavPrior) /* 72 */
    STR(0, m_strBioLinkPrompt) /* 73 */
    STR(0, m_strLblRevised) /* 74 */
    STR(0, m_strLblSpouses) /* 75 */
    STR(0, m_strNavSurnames) /* 76 */
    STR(0, m_strLblUnknownSurname) /* 77 */
    STR(0, m_strDateUnknown) /* 78 */
    STR(0, m_strLblWife) /* 79 */
    STR(0, m_strDateDead) /* 80 */
    STR(0, m_strDateDeceased) /* 81 */
    STR(0, m_strLblMarriageNotes) /* 82 */
    STR(0, m_strLblNotes) /* 83 */
    FACT_LABELS_48(0, m_factLabels) /* 84 */
    BOOL(0, m_bAliasInName) /* 85 */
    BOOL(0, m_bAlignPlaces) /* 86 */
    INT(0, m_nDateWidth) /* 87 */
    ATTRS(0, m_indivAttributes) /* 88 */
    INT(0, m_nReserved5) /* 89 */
    STR(0, m_strShowAbout) /* 90 */
    STR(0, m_strShowAfter) /* 91 */
    STR(0, m_strShowBefore) /* 92 */
    STR(0, m_strShowBetween) /* 93 */
    STR(0, m_strDateAbout) /* 94 */
    STR(0, m_strDateAbt) /* 95 */
    STR(0, m_strDateAft) /* 96 */
    STR(0, m_strDateAnd) /* 97 */
    STR(0, m_strDateBef) /* 98 */
    STR(0, m_strDateBet) /* 99 */
    STR(0, m_strDateBtn) /* 100 */
    STR(0, m_strDateCa) /* 101 */
    STR(0, m_strDateCir) /* 102 */
    STR(0, m_strDateCirca) /* 103 */
    STR(0, m_strDateEst) /* 104 */
    STR(0, m_strDateHyphen) /* 105 */
    STR(0, m_strDateTo) /* 106 */
    STR(0, m_strShowHyphen) /* 107 */
    STR(0, m_strFontFace) /* 108 */
    STR(0, m_strTextColor) /* 109 */
    INT(0, m_nFontSize) /* 110 */
    STR(0, m_strLinkColor) /* 111 */
    STR(0, m_strActiveLinkColor) /* 112 */
    STR(0, m_strVisitedLinkColor) /* 113 */
    STR(0, m_strMarginRight) /* 114 */
    INT(0, m_nIndexPerPage) /* 115 */
    BOOL(0, m_bSurnameCounts) /* 116 */
    BOOL(0, m_bTopSurnames) /* 117 */
    INT(0, m_nTopSurnames) /* 118 */
    STR(30, m_strTitleSurname) /* 119 */
    STR(30, m_strTitleIndex) /* 120 */
    STR(30, m_strTitleFamily) /* 121 */
    STR(30, m_strHeadingSurname) /* 122 */
    STR(30, m_strHeadingIndex) /* 123 */
    STR(30, m_strHeadingFamily) /* 124 */
    BOOL(30, m_bTitleNames) /* 125 */
    BOOL(30, m_bTitleAtTop) /* 126 */
    STR(31, m_strExternalCss) /* 127 */
    BOOL(32, m_bBackFixed) /* 128 */
    STR(33, m_strNoFramesMessage) /* 129 */
    STR(33, m_strNoFramesSheetLink) /* 130 */
    STR(33, m_strNoFramesNotesLink) /* 131 */
    STR(33, m_strTableText) /* 132 */
    STR(33, m_strImageText) /* 133 */
    BOOL(33, m_bImageTextCaption) /* 134 */
    BOOL(33, m_bImageTextFile) /* 135 */
    STR(33, m_strDtdFrames) /* 136 */
    STR(33, m_strDtdPages) /* 137 */
    STR(33, m_strStdBeforeHtml) /* 138 */
    STR(33, m_strStdAfterHtml) /* 139 */
    STR(33, m_strStdBeforeHtmlEnd) /* 140 */
    STR(33, m_strStdAfterHtmlEnd) /* 141 */
    STR(33, m_strStdAfterHead) /* 142 */
    STR(33, m_strStdBeforeHeadEnd) /* 143 */
    STR(33, m_strStdAfterBody) /* 144 */
    STR(33, m_strStdBeforeBodyEnd) /* 145 */
    STR(33, m_strStdBodyAttrs) /* 146 */
    BOOL(33, m_bWebLinks) /* 147 */
    BOOL(33, m_bSuperscript) /* 148 */
    STR(33, m_strNavGroupSheet) /* 149 */
    STR(33, m_strLblName) /* 150 */
    BOOL(33, m_bFormatDates) /* 151 */
    BOOL(34, m_bMonoFont) /* 152 */
    BOOL(34, m_bAlignLabels) /* 153 */
    BOOL(34, m_bAlignLongest) /* 154 */
    BOOL(34, m_bRightJustify) /* 155 */
    INT(34, m_nLabelWidth) /* 156 */
    STR(34, m_strHomeTarget) /* 157 */
    STR(34, m_strBioTarget) /* 158 */
    STR(34, m_strWebTarget) /* 159 */
    STR(35, m_strBibAgency) /* 160 */
    STR(35, m_strBibChanged) /* 161 */
    STR(35, m_strBibEmail) /* 162 */
    STR(35, m_strBibEvent) /* 163 */
    STR(35, m_strBibFax) /* 164 */
    STR(35, m_strBibPeriod) /* 165 */
    STR(35, m_strBibPhone) /* 166 */
    STR(35, m_strBibPlace) /* 167 */
    STR(35, m_strBibQuality) /* 168 */
    STR(35, m_strBibReference) /* 169 */
    STR(35, m_strBibRole) /* 170 */
    STR(35, m_strBibWebsite) /* 171 */
    STR(35, m_strNavBiblio) /* 172 */
    STR(35, m_strNavRepository) /* 173 */
    STR(35, m_strNavSeparator) /* 174 */
    STR(35, m_strRevisedFormat) /* 175 */
    STR(35, m_strTitleBiblio) /* 176 */
    STR(35, m_strTitleRepository) /* 177 */
    STR(35, m_strHeadingBiblio) /* 178 */
    STR(35, m_strHeadingRepository) /* 179 */
    STR(35, m_strIgnorePrefix) /* 180 */
    BOOL(35, m_bBiblioComments) /* 181 */
    BOOL(35, m_bBiblioPages) /* 182 */
    BOOL(35, m_bCitationBiblioLinks) /* 183 */
    BOOL(35, m_bReserved4) /* 184 */
    BOOL(35, m_bCitationComments) /* 185 */
    BOOL(35, m_bCitationDetails) /* 186 */
    BOOL(35, m_bRepositoryComments) /* 187 */
    BOOL(35, m_bRepositoryPages) /* 188 */
    BOOL(35, m_bTitleAndNames) /* 189 */
    INT(35, m_nBiblioPerPage) /* 190 */
    INT(35, m_nRepositoryPerPage) /* 191 */
    BOOL(35, m_bUseAbbr) /* 192 */
    BOOL(35, m_bNonstandardTags) /* 193 */
    BOOL(36, m_bLinksTop) /* 194 */
    BOOL(36, m_bLinksBottom) /* 195 */
    BOOL(36, m_bPageDividers) /* 196 */
    BOOL(36, m_bDividerTopStretch) /* 197 */
    BOOL(36, m_bDividerBottomStretch) /* 198 */
    BOOL(36, m_bDividerThickStretch) /* 199 */
    BOOL(36, m_bDividerThinStretch) /* 200 */
    INT(36, m_nDividerTop) /* 201 */
    INT(36, m_nDividerBottom) /* 202 */
    INT(36, m_nDividerThick) /* 203 */
    INT(36, m_nDividerThin) /* 204 */
    STR(36, m_strDividerTopImage) /* 205 */
    STR(36, m_strDividerBottomImage) /* 206 */
    STR(36, m_strDividerThickImage) /* 207 */
    STR(36, m_strDividerThinImage) /* 208 */
    STR(36, m_strDividerText) /* 209 */
    STR(36, m_strBiblioIntro) /* 210 */
    STR(36, m_strMarginTop) /* 211 */
    STR(36, m_strMarginBottom) /* 212 */
    BOOL(36, m_bAssumeLiving) /* 213 */
    INT(36, m_nLivingYear) /* 214 */
    STR(36, m_strBioLinkText) /* 215 */
    ATTRS(36, m_familyAttributes) /* 216 */
    STR(36, m_strNarrLinkText) /* 217 */
    STR(36, m_strNarrTarget) /* 218 */
    STR(36, m_strNarrLinkLabel) /* 219 */
    STR(36, m_strNarrLinkPrompt) /* 220 */
    STR(36, m_strNarrFolder) /* 221 */
    STR(36, m_strImportFolder) /* 222 */
    STR(36, m_strGroupImageFolder) /* 223 */
    STR(36, m_strGroupImageTag) /* 224 */
    STR(36, m_strImportTag) /* 225 */
    STR(36, m_strNarrativeTag) /* 226 */
    BOOL(36, m_bNarrative) /* 227 */
    BOOL(36, m_bImportText) /* 228 */
    BOOL(36, m_bGroupImages) /* 229 */
    BOOL(36, m_bKeywordSurnames) /* 230 */
    INT(36, m_nImportContent) /* 231 */
    INT(36, m_nImportPosition) /* 232 */
    INT(36, m_nGroupImagePosition) /* 233 */
    STR(37, m_strLblIbid) /* 234 */
    FACT_COUNT_N(37, ) /* 235 */
    FACT_INCLUDE_N(37, m_factInclude) /* 236 */
    FACT_LABELS_N(37, m_factLabels) /* 237 */
    BYTE(37, m_nAltNames) /* 238 */
    BOOL(37, m_bFactNotes) /* 239 */
    BOOL(37, m_bFactNotesOutside) /* 240 */
    BYTE(37, m_nMedicalNotes) /* 241 */
    BOOL(37, m_bCustomIcons) /* 242 */
    BOOL(37, m_bCustomIconImages) /* 243 */
    BOOL(37, m_bGendex) /* 244 */
    INT(37, m_nSurnamePartitions) /* 245 */
    STR(37, m_strLblMedicalNotes) /* 246 */
    STR(37, m_strMedicalTag) /* 247 */
    STR(37, m_strIconTextGroup) /* 248 */
    STR(37, m_strIconTextImport) /* 249 */
    STR(37, m_strIconTextNarrative) /* 250 */
    STR(37, m_strIconTextBiography) /* 251 */
    STR(37, m_strIconTextImage) /* 252 */
    STR(37, m_strIndexIntro) /* 253 */
    STR(37, m_strExtra1Dest) /* 254 */
    STR(37, m_strExtra1Target) /* 255 */
    STR(37, m_strExtra1Label) /* 256 */
    STR(37, m_strExtra1Prompt) /* 257 */
    STR(37, m_strExtra2Dest) /* 258 */
    STR(37, m_strExtra2Target) /* 259 */
    STR(37, m_strExtra2Label) /* 260 */
    STR(37, m_strExtra2Prompt) /* 261 */
    STR(37, m_strExtra3Dest) /* 262 */
    STR(37, m_strExtra3Target) /* 263 */
    STR(37, m_strExtra3Label) /* 264 */
    STR(37, m_strExtra3Prompt) /* 265 */
    BOOL(37, m_bExtra1) /* 266 */
    BOOL(37, m_bExtra1SecondLine) /* 267 */
    BOOL(37, m_bExtra1SurnameOnly) /* 268 */
    BOOL(37, m_bExtra2) /* 269 */
    BOOL(37, m_bExtra2SecondLine) /* 270 */
    BOOL(37, m_bExtra2SurnameOnly) /* 271 */
    BOOL(37, m_bExtra3) /* 272 */
    BOOL(37, m_bExtra3SecondLine) /* 273 */
    BOOL(37, m_bExtra3SurnameOnly) /* 274 */
    BOOL(37, m_bMailLinks) /* 275 */
    BOOL(37, m_bHideMail) /* 276 */
    BOOL(37, m_bAltSurnameFile) /* 277 */
    STR(37, m_strAltSurnameFile) /* 278 */
    INT(38, m_nMonthNames) /* 279 */
    BOOL(38, m_bChildNameLinks) /* 280 */
    BOOL(38, m_bRefNumbers) /* 281 */
    INT(38, m_nFamilyRefs) /* 282 */
    BOOL(38, m_bLowerCaseNames) /* 283 */
    BOOL(39, m_bRepeatChildFacts) /* 284 */
    BOOL(39, m_bOmitEmptyLabels) /* 285 */
    BOOL(39, m_bGalleries) /* 286 */
    BOOL(39, m_bSlideCaptionBelow) /* 287 */
    BOOL(39, m_bSlideCaptionAbove) /* 288 */
    BOOL(39, m_bSlideDate) /* 289 */
    BOOL(39, m_bSlideFileName) /* 290 */
    BOOL(39, m_bSlideNotes) /* 291 */
    BOOL(39, m_bSlideLinkOriginal) /* 292 */
    BOOL(39, m_bSlideRef) /* 293 */
    BOOL(39, m_bThumbCaption) /* 294 */
    BOOL(39, m_bThumbFileName) /* 295 */
    BOOL(39, m_bThumbRef) /* 296 */
    BOOL(39, m_bFamilyGalleryBelow) /* 297 */
    BOOL(39, m_bFamilyGalleryAbove) /* 298 */
    BOOL(39, m_bFamilyFactGallery) /* 299 */
    BOOL(39, m_bIndivFactGallery) /* 300 */
    BOOL(39, m_bFamilyScrapbookGallery) /* 301 */
    BOOL(39, m_bIndivScrapbookGallery) /* 302 */
    BOOL(39, m_bSlideCitations) /* 303 */
    BOOL(39, m_bCitationGallery) /* 304 */
    BOOL(39, m_bOmitDuplicateMedia) /* 305 */
    BOOL(39, m_bBiblioGallery) /* 306 */
    BOOL(39, m_bIgnoreScrapbookFlag) /* 307 */
    BOOL(39, m_bGalleryIcons) /* 308 */
    BOOL(39, m_bGalleryIconImages) /* 309 */
    BOOL(39, m_bSlideDownload) /* 310 */
    INT(39, m_nSlideSize) /* 311 */
    INT(39, m_nThumbSize) /* 312 */
    INT(39, m_nThumbColumns) /* 313 */
    INT(39, m_nThumbRows) /* 314 */
    INT(39, m_nSpecialProcessing) /* 315 */
    INT(39, m_nSlideOrder) /* 316 */
    STR(39, m_strFamilyRefTag) /* 317 */
    STR(39, m_strNoRefPrefix) /* 318 */
    STR(39, m_strIndivGalleryTarget) /* 319 */
    STR(39, m_strIndivGalleryLabel) /* 320 */
    STR(39, m_strIndivGalleryPrompt) /* 321 */
    STR(39, m_strIndivGalleryText) /* 322 */
    STR(39, m_strFamilyGalleryTarget) /* 323 */
    STR(39, m_strSlideTarget) /* 324 */
    STR(39, m_strCitationGalleryTarget) /* 325 */
    STR(39, m_strThumbTarget) /* 326 */
    STR(39, m_strFamilyGalleryLabel) /* 327 */
    STR(39, m_strCitationGalleryLabel) /* 328 */
    STR(39, m_strFamilyGalleryPrompt) /* 329 */
    STR(39, m_strSlideLinkPrompt) /* 330 */
    STR(39, m_strCitationGalleryPrompt) /* 331 */
    STR(39, m_strThumbPrompt) /* 332 */
    STR(39, m_strFamilyGalleryText) /* 333 */
    STR(39, m_strCitationGalleryText) /* 334 */
    STR(39, m_strMediaDestFolder) /* 335 */
    STR(39, m_strMediaSourceFolder) /* 336 */
    STR(39, m_strNavGallery) /* 337 */
    STR(39, m_strGalleryTitleBiblio) /* 338 */
    STR(39, m_strGalleryTitleCitation) /* 339 */
    STR(39, m_strGalleryTitleFamily) /* 340 */
    STR(39, m_strGalleryTitleIndiv) /* 341 */
    STR(39, m_strBiblioGalleryTarget) /* 342 */
    STR(39, m_strBiblioGalleryLabel) /* 343 */
    STR(39, m_strBiblioGalleryPrompt) /* 344 */
    STR(39, m_strBiblioGalleryText) /* 345 */
    STR(39, m_strMediaHeader) /* 346 */
    STR(39, m_strMediaFooter) /* 347 */
    STR(39, m_strIconTextFamilyGallery) /* 348 */
    STR(39, m_strIconTextIndivGallery) /* 349 */
    STR(39, m_strMediaBeforeHtml) /* 350 */
    STR(39, m_strMediaAfterHtml) /* 351 */
    STR(39, m_strMediaBeforeHtmlEnd) /* 352 */
    STR(39, m_strMediaAfterHtmlEnd) /* 353 */
    STR(39, m_strMediaAfterHead) /* 354 */
    STR(39, m_strMediaBeforeHeadEnd) /* 355 */
    STR(39, m_strMediaAfterBody) /* 356 */
    STR(39, m_strMediaBeforeBodyEnd) /* 357 */
    STR(39, m_strMediaBodyAttrs) /* 358 */
    STR(39, m_strSlideOnClick) /* 359 */
    STR(39, m_strThumbOnClick) /* 360 */
    STR(39, m_strSlideHref) /* 361 */
    STR(39, m_strThumbHref) /* 362 */
    STR(39, m_strSlideLinkLabel) /* 363 */
    STR(39, m_strSlideLinkText) /* 364 */
    BOOL(39, m_bIndivPortraits) /* 365 */
    BOOL(39, m_bFamilyPortraits) /* 366 */
    BOOL(39, m_bIndivPortraitCaption) /* 367 */
    BOOL(39, m_bFamilyPortraitCaption) /* 368 */
    BOOL(39, m_bIndivPortraitDate) /* 369 */
    BOOL(39, m_bFamilyPortraitDate) /* 370 */
    BOOL(39, m_bIndivPortraitPreferred) /* 371 */
    BOOL(39, m_bFamilyPortraitPreferred) /* 372 */
    BOOL(39, m_bSuppressPortraitGallery) /* 373 */
    BOOL(39, m_bHtmlNotes) /* 374 */
    INT(39, m_nIndivPortraitWidth) /* 375 */
    INT(39, m_nFamilyPortraitSize) /* 376 */
};
// clang-format on

#undef VERSION
#undef MAGIC
#undef BOOL
#undef BYTE
#undef INT
#undef STR
#undef COLORS
#undef FACT_COUNT_48
#undef FACT_INCLUDE_48
#undef FACT_LABELS_48
#undef ATTRS
#undef FACT_COUNT_N
#undef FACT_INCLUDE_N
#undef FACT_LABELS_N

constexpr int kLaterBlocks[] = {30, 31, 32, 33, 34, 35, 36, 37, 38, 39};

std::string COptions::*const kPathSettings[] = {
    &COptions::m_strGedcomFile,         &COptions::m_strDestFolder,
    &COptions::m_strHomePage,           &COptions::m_strBackImage,
    &COptions::m_strBioFolder,          &COptions::m_strIndivImageFolder,
    &COptions::m_strExternalCss,        &COptions::m_strDividerTopImage,
    &COptions::m_strDividerBottomImage, &COptions::m_strDividerThickImage,
    &COptions::m_strDividerThinImage,   &COptions::m_strNarrFolder,
    &COptions::m_strImportFolder,       &COptions::m_strGroupImageFolder,
    &COptions::m_strAltSurnameFile,     &COptions::m_strMediaDestFolder,
    &COptions::m_strMediaSourceFolder};

}  // namespace

std::span<const LayoutItem> FileLayout() { return kLayout; }

std::span<const int> LaterBlockVersions() { return kLaterBlocks; }

std::span<std::string COptions::*const> PathSettings() { return kPathSettings; }

}  // namespace vellix::options
