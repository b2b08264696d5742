// The listing's sections for the tabs that decide what pages hold and how
// the GEDCOM file is read: Features, Facts, Labels, Program, and the
// application settings of the Maintenance window.
#include "options/fact_kinds.h"
#include "options/listing_sections.h"
#include "text/printf.h"

namespace vellix::options {
namespace {

// One gallery link group: text template, label, prompt and frame target.
void GalleryLink(ListingWriter& w, const std::string& text, const std::string& label,
                 const std::string& prompt, const std::string* target) {
  w.Text("Link Text", text);
  w.Text("Link Label", label);
  w.Text("Link Prompt", prompt);
  if (target != nullptr) w.Text("Frame Target", *target);
}

// One of the three fact tables: display choice, name and label per kind.
void FactTable(ListingWriter& w, COptions& o, const char* heading,
               std::span<const int> kinds) {
  w.Heading(3, heading);
  w.BeginTable({"Include", "Fact", "Customized Label"});
  for (int kind : kinds) {
    w.Raw("<tr><td>" + ListingWriter::DisplayText(o.m_factInclude[kind]) + "</td><td>" +
          ListingValue(FactKindName(kind)) + "</td><td><tt>" +
          ListingValue(o.GetFactLabel(kind)) + "</tt></td></tr>\r\n");
  }
  w.EndTable();
}

// The Program tab's caption of the family page references.
std::string FamilyRefsCaption(const COptions& o) {
  switch (o.m_nFamilyRefs) {
    case 1:
      return "User Reference Number (REFN tag)";
    case 2:
      return "Automated Record ID Number (RIN tag)";
    case 3:
      return text::Printf("Custom Fact Tag: %s", o.m_strFamilyRefTag.c_str());
  }
  return "Cross-reference Identifier";
}

}  // namespace

void WriteFeaturesSection(ListingWriter& w, const COptions& o) {
  w.BeginSection("features", "Features");
  w.Heading(2, "Source Citations");
  w.Heading(3, "Footnotes");
  w.BeginTable();
  w.YesNo("Include source citations", o.m_bCitations);
  w.Either("Footnotes", o.m_bCitationsInFrame, "in frame window at bottom of browser",
           "at end of each family page");
  w.YesNo("Include comments", o.m_bCitationComments);
  w.YesNo("Include additional details", o.m_bCitationDetails);
  w.YesNo("Include links to bibliography entries", o.m_bCitationBiblioLinks);
  w.YesNo("Use superscript numbers in group sheet", o.m_bSuperscript);
  w.EndTable();
  w.Heading(3, "Bibliography");
  w.BeginTable();
  w.YesNo("Generate bibliography web pages", o.m_bBiblioPages);
  w.YesNo("Include comments in bibliography", o.m_bBiblioComments);
  w.Number("Bibliography entries per page", o.m_nBiblioPerPage);
  w.YesNo("Generate repository web pages", o.m_bRepositoryPages);
  w.YesNo("Include comments in repositories", o.m_bRepositoryComments);
  w.Number("Repository entries per page", o.m_nRepositoryPerPage);
  w.EndTable();
  w.Heading(3, "Other");
  w.BeginTable();
  w.Text("Ignore entries with this prefix", o.m_strIgnorePrefix);
  w.YesNo("Remove lifespan from living authors", o.m_bAuthorLifespan);
  w.EndTable();

  w.Heading(2, "Privacy Filters");
  w.BeginTable();
  w.Either("Living individuals", o.m_bExcludeLiving, "Exclude", "Include");
  w.Choice("Filter names", o.m_nNameFilter,
           {"Display full names", "Replace names with initials",
            "Replace names with the text"});
  w.Text("Replacement text for names", o.m_strPrivateName);
  w.YesNo("Replace birth and marriage dates", o.m_bFilterDates);
  w.Text("Replacement text for dates", o.m_strPrivateDate);
  w.YesNo("Include notes and facts of living individuals", o.m_bLivingDetails);
  w.YesNo("Assume individuals are living when born after the year", o.m_bAssumeLiving);
  w.Number("Year", o.m_nLivingYear);
  w.EndTable();

  w.Heading(2, "Surnames and Index");
  w.Heading(3, "Surname Pages");
  w.BeginTable();
  w.YesNo("Display surname frequency counts", o.m_bSurnameCounts);
  w.YesNo("Display most frequent surnames", o.m_bTopSurnames);
  w.Number("Number of most frequent surnames", o.m_nTopSurnames);
  w.Number("Number of partitions", o.m_nSurnamePartitions);
  w.YesNo("Use alternate file name for first surname page", o.m_bAltSurnameFile);
  w.Path("Alternate file name", o.m_strAltSurnameFile);
  w.EndTable();
  w.Heading(3, "Index Pages");
  w.BeginTable();
  w.Number("Number of individuals per page", o.m_nIndexPerPage);
  w.YesNo("Display reference numbers for individuals", o.m_bRefNumbers);
  w.YesNo("Display SURNAMES in upper-case letters", o.m_bUpperSurnames);
  w.YesNo("Display alias between given name and surname", o.m_bAliasInName);
  w.YesNo("Display Soundex codes", o.m_bSoundex);
  w.EndTable();
  w.Heading(3, "Other");
  w.BeginTable();
  w.YesNo("Create GENDEX index file", o.m_bGendex);
  w.EndTable();

  w.Heading(2, "Multimedia");
  w.Heading(3, "Gallery");
  w.BeginTable();
  w.YesNo("Enable multimedia galleries", o.m_bGalleries);
  w.YesNo("Omit duplicate media within each gallery", o.m_bOmitDuplicateMedia);
  w.YesNo("Ignore scrapbook flag", o.m_bIgnoreScrapbookFlag);
  w.Path("Relative destination folder path for multimedia files", o.m_strMediaDestFolder);
  w.Path("Source folder path for multimedia files", o.m_strMediaSourceFolder);
  w.EndTable();
  w.Heading(3, "Individuals");
  w.BeginTable();
  w.YesNo("Enable multimedia galleries for individual scrapbooks",
          o.m_bIndivScrapbookGallery);
  w.YesNo("Enable multimedia galleries for individual facts", o.m_bIndivFactGallery);
  GalleryLink(w, o.m_strIndivGalleryText, o.m_strIndivGalleryLabel,
              o.m_strIndivGalleryPrompt, &o.m_strIndivGalleryTarget);
  w.EndTable();
  w.Heading(3, "Families");
  w.BeginTable();
  w.YesNo("Enable multimedia galleries for family scrapbooks",
          o.m_bFamilyScrapbookGallery);
  w.YesNo("Enable multimedia galleries for family facts", o.m_bFamilyFactGallery);
  w.YesNo("Display a link above the group sheet", o.m_bFamilyGalleryAbove);
  w.YesNo("Display a link below the group sheet", o.m_bFamilyGalleryBelow);
  GalleryLink(w, o.m_strFamilyGalleryText, o.m_strFamilyGalleryLabel,
              o.m_strFamilyGalleryPrompt, &o.m_strFamilyGalleryTarget);
  w.EndTable();
  w.Heading(3, "Citations");
  w.BeginTable();
  w.YesNo("Enable multimedia galleries for source citations", o.m_bCitationGallery);
  GalleryLink(w, o.m_strCitationGalleryText, o.m_strCitationGalleryLabel,
              o.m_strCitationGalleryPrompt, &o.m_strCitationGalleryTarget);
  w.EndTable();
  w.Heading(3, "Bibliography");
  w.BeginTable();
  w.YesNo("Enable multimedia gallery for the bibliography", o.m_bBiblioGallery);
  GalleryLink(w, o.m_strBiblioGalleryText, o.m_strBiblioGalleryLabel,
              o.m_strBiblioGalleryPrompt, &o.m_strBiblioGalleryTarget);
  w.EndTable();
  w.Heading(3, "Thumbnails");
  w.BeginTable();
  w.Number("Maximum thumbnail size", o.m_nThumbSize);
  w.Number("Rows per page", o.m_nThumbRows);
  w.Number("Columns per page", o.m_nThumbColumns);
  w.YesNo("Display file name", o.m_bThumbFileName);
  w.YesNo("Display caption/title", o.m_bThumbCaption);
  w.YesNo("Display reference number", o.m_bThumbRef);
  w.Text("Link Prompt", o.m_strThumbPrompt);
  w.Text("Frame Target", o.m_strThumbTarget);
  w.Text("HREF Script", o.m_strThumbHref);
  w.Text("OnClick Script", o.m_strThumbOnClick);
  w.EndTable();
  w.Heading(3, "Slides");
  w.BeginTable();
  w.Number("Maximum image size", o.m_nSlideSize);
  w.YesNo("Display caption/title above image", o.m_bSlideCaptionAbove);
  w.YesNo("Display caption/title below image", o.m_bSlideCaptionBelow);
  w.YesNo("Display date", o.m_bSlideDate);
  w.YesNo("Display file name", o.m_bSlideFileName);
  w.YesNo("Display reference number", o.m_bSlideRef);
  w.YesNo("Display notes", o.m_bSlideNotes);
  w.YesNo("Display source citations", o.m_bSlideCitations);
  w.YesNo("Link to original images", o.m_bSlideLinkOriginal);
  w.YesNo("Provide download links", o.m_bSlideDownload);
  GalleryLink(w, o.m_strSlideLinkText, o.m_strSlideLinkLabel, o.m_strSlideLinkPrompt,
              nullptr);
  w.Text("Frame Target", o.m_strSlideTarget);
  w.Text("HREF Script", o.m_strSlideHref);
  w.Text("OnClick Script", o.m_strSlideOnClick);
  w.Choice("Display order", o.m_nSlideOrder,
           {"File - Caption - Notes - Reference", "Reference - Caption - Notes - File",
            "Caption - Notes - File - Reference", "Caption - Notes - Reference - File",
            "File - Reference - Caption - Notes", "Reference - File - Caption - Notes"});
  w.EndTable();
  w.Heading(3, "Icons");
  w.BeginTable();
  w.YesNo("Display multimedia gallery icons on the Index pages", o.m_bGalleryIcons);
  w.Either("Icons", o.m_bGalleryIconImages, "Display images",
           "Display letters or text phrases");
  w.Text("Family Gallery", o.m_strIconTextFamilyGallery);
  w.Text("Individual Gallery", o.m_strIconTextIndivGallery);
  w.EndTable();
  w.Heading(3, "Portraits");
  w.BeginTable();
  w.YesNo("Enable individual portraits", o.m_bIndivPortraits);
  w.YesNo("Display individual portrait caption/title", o.m_bIndivPortraitCaption);
  w.YesNo("Display individual portrait date", o.m_bIndivPortraitDate);
  w.YesNo("Prefer individual portraits over Custom images", o.m_bIndivPortraitPreferred);
  w.Number("Maximum width", o.m_nIndivPortraitWidth);
  w.YesNo("Enable family portraits", o.m_bFamilyPortraits);
  w.YesNo("Display family portrait caption/title", o.m_bFamilyPortraitCaption);
  w.YesNo("Display family portrait date", o.m_bFamilyPortraitDate);
  w.YesNo("Prefer family portraits over Custom images", o.m_bFamilyPortraitPreferred);
  w.Number("Maximum size", o.m_nFamilyPortraitSize);
  w.YesNo("Suppress multimedia galleries that contain only a single portrait image",
          o.m_bSuppressPortraitGallery);
  w.EndTable();

  w.Heading(2, "Other");
  w.BeginTable();
  w.YesNo("Convert e-mail addresses to actual links", o.m_bMailLinks);
  w.YesNo("Hide e-mail links from harvesters", o.m_bHideMail);
  w.YesNo("Convert web addresses to actual links", o.m_bWebLinks);
  w.Text("Frame target for websites", o.m_strWebTarget);
  w.EndTable();
  w.EndSection();
}

void WriteFactsSection(ListingWriter& w, COptions& o) {
  w.BeginSection("facts", "Facts");
  w.BeginTable();
  w.Display("Include alternate Birth, Marriage and Death (BMD) facts", o.m_nAltBmdFacts);
  w.Display("Include alternate names", o.m_nAltNames);
  w.Display("Include research notes", o.m_nResearchNotes);
  w.Display("Include marriage notes", o.m_nMarriageNotes);
  w.Display("Include medical notes", o.m_nMedicalNotes);
  w.YesNo("Allow HTML in notes", o.m_bHtmlNotes);
  w.YesNo("Include fact notes", o.m_bFactNotes);
  w.YesNo("Exclude within family page", o.m_bFactNotesOutside);
  w.YesNo("Repeat child's facts on parent's page", o.m_bRepeatChildFacts);
  w.EndTable();
  w.Anchor("otherfacts");
  w.Heading(2, "Other Facts");
  w.BeginTable();
  w.YesNo("Include other facts", o.m_bOtherFacts);
  w.EndTable();
  FactTable(w, o, "Individual-level Facts", IndividualFactKindOrder());
  FactTable(w, o, "Family-level Facts", FamilyFactKindOrder());
  FactTable(w, o, "User-defined Facts", UserFactKindOrder());
  w.EndSection();
}

void WriteLabelsSection(ListingWriter& w, const COptions& o) {
  w.BeginSection("labels", "Labels");
  w.Heading(2, "Common");
  w.Heading(3, "Group Sheet");
  w.BeginTable();
  w.Text("Husband", o.m_strLblHusband);
  w.Text("Wife", o.m_strLblWife);
  w.Text("Born", o.m_strLblBorn);
  w.Text("Married", o.m_strLblMarried);
  w.Text("Died", o.m_strLblDied);
  w.Text("in", o.m_strLblIn);
  w.Text("Father", o.m_strLblFather);
  w.Text("Mother", o.m_strLblMother);
  w.Text("Spouses", o.m_strLblSpouses);
  w.Text("Male", o.m_strLblMale);
  w.Text("Female", o.m_strLblFemale);
  w.Text("Name", o.m_strLblName);
  w.YesNo("Omit label when field is empty", o.m_bOmitEmptyLabels);
  w.EndTable();
  w.Heading(3, "Section Titles");
  w.BeginTable();
  w.Text("Children", o.m_strLblChildren);
  w.Text("Additional Information", o.m_strLblAdditional);
  w.Text("Footnotes", o.m_strLblFootnotes);
  w.Text("individuals in", o.m_strLblIndividualsIn);
  w.Text("families", o.m_strLblFamilies);
  w.Text("Most Common Surnames", o.m_strLblCommonSurnames);
  w.EndTable();
  w.Heading(3, "Navigation Links");
  w.BeginTable();
  w.Text("Home", o.m_strNavHome);
  w.Text("Surnames", o.m_strNavSurnames);
  w.Text("Index", o.m_strNavIndex);
  w.Text("Next", o.m_strNavNext);
  w.Text("Prior", o.m_strNavPrior);
  w.Text("Group Sheet", o.m_strNavGroupSheet);
  w.Text("Bibliography", o.m_strNavBiblio);
  w.Text("Repository", o.m_strNavRepository);
  w.Text("Gallery", o.m_strNavGallery);
  w.Text("Link Separator", o.m_strNavSeparator);
  w.EndTable();

  w.Heading(2, "More");
  w.Heading(3, "Other");
  w.BeginTable();
  w.Text("Notes", o.m_strLblNotes);
  w.Text("Marriage Notes", o.m_strLblMarriageNotes);
  w.Text("Medical Notes", o.m_strLblMedicalNotes);
  w.Text("Revised", o.m_strLblRevised);
  w.Text("Revision Date Format", o.m_strRevisedFormat);
  w.Text("Unknown surname", o.m_strLblUnknownSurname);
  w.Text("continued", o.m_strLblContinued);
  w.Text("Ibid", o.m_strLblIbid);
  w.EndTable();
  w.Heading(3, "Bibliography");
  w.BeginTable();
  w.Text("Agency", o.m_strBibAgency);
  w.Text("Changed", o.m_strBibChanged);
  w.Text("E-Mail", o.m_strBibEmail);
  w.Text("Event", o.m_strBibEvent);
  w.Text("FAX", o.m_strBibFax);
  w.Text("Period", o.m_strBibPeriod);
  w.Text("Phone", o.m_strBibPhone);
  w.Text("Place", o.m_strBibPlace);
  w.Text("Quality", o.m_strBibQuality);
  w.Text("Reference", o.m_strBibReference);
  w.Text("Role", o.m_strBibRole);
  w.Text("Website", o.m_strBibWebsite);
  w.EndTable();

  w.Heading(2, "Facts");
  w.Raw("<p>See <a href=\"#otherfacts\"><i>Other Facts</i></a>  above.<p>\r\n");
  w.EndSection();
}

void WriteProgramSection(ListingWriter& w, const COptions& o, const ListingInputs& in) {
  w.BeginSection("program", "Program");
  w.Heading(2, "Dates");
  w.BeginTable();
  w.Choice("Convert GEDCOM month names", o.m_nMonthNames,
           {"GEDCOM Default", "Abbreviated name", "Abbreviated name, uppercase",
            "Full name", "Full name, uppercase"});
  w.YesNo("Enable date formatting", o.m_bFormatDates);
  w.EndTable();
  w.Heading(3, "About");
  w.BeginTable();
  for (const std::string* word : {&o.m_strDateAbt, &o.m_strDateAbout, &o.m_strDateCirca,
                                  &o.m_strDateCa, &o.m_strDateCir, &o.m_strDateEst}) {
    w.Text("Read as \"about\"", *word);
  }
  w.Text("Displayed for all six", o.m_strShowAbout);
  w.EndTable();
  w.Heading(3, "Between");
  w.BeginTable();
  w.Text("Read as \"between\"", o.m_strDateBet);
  w.Text("Read as \"between\"", o.m_strDateBtn);
  w.Text("Displayed for both", o.m_strShowBetween);
  w.Text("Range word between two dates", o.m_strDateHyphen);
  w.Text("Range word between two dates", o.m_strDateTo);
  w.Text("Range word between two dates", o.m_strDateAnd);
  w.Text("Displayed for the three range words", o.m_strShowHyphen);
  w.EndTable();
  w.Heading(3, "Before/After");
  w.BeginTable();
  w.Text("Read as \"before\"", o.m_strDateBef);
  w.Text("Displayed for it", o.m_strShowBefore);
  w.Text("Read as \"after\"", o.m_strDateAft);
  w.Text("Displayed for it", o.m_strShowAfter);
  w.EndTable();

  w.Heading(2, "GEDCOM");
  w.Heading(3, "Unknown Dates");
  w.BeginTable();
  w.Text("Date value meaning an unknown date", o.m_strDateUnknown);
  w.Text("Date value meaning an unknown date of death", o.m_strDateDead);
  w.Text("Date value meaning an unknown date of death", o.m_strDateDeceased);
  w.EndTable();
  w.Heading(3, "Other");
  w.BeginTable();
  w.YesNo("Process nonstandard tags", o.m_bNonstandardTags);
  w.YesNo("Use abbreviation (ABBR) field if title (TITL) field is empty", o.m_bUseAbbr);
  w.Text("Nonstandard tag for medical notes", o.m_strMedicalTag);
  w.Text("Special processing", in.dialect_name);
  w.Text("Family Page References", FamilyRefsCaption(o));
  w.Text("Prefix for untagged families", o.m_strNoRefPrefix);
  w.EndTable();

  w.Heading(2, "HTML");
  w.Heading(3, "Nonframes-based Browsers");
  w.BeginTable();
  w.Text("Message", o.m_strNoFramesMessage);
  w.Text("Link to Group Sheet", o.m_strNoFramesSheetLink);
  w.Text("Link to Footnotes", o.m_strNoFramesNotesLink);
  w.EndTable();
  w.Heading(3, "Accessibility");
  w.BeginTable();
  w.Text("Table Text", o.m_strTableText);
  w.Text("Divider Text", o.m_strDividerText);
  w.Text("Image Text", o.m_strImageText);
  w.YesNo("Append image caption, if any, to image text", o.m_bImageTextCaption);
  w.YesNo("Append image file name to image text", o.m_bImageTextFile);
  w.EndTable();
  w.Heading(3, "Document Type Definitions (DTD)");
  w.BeginTable();
  w.Text("Frames-based Pages", o.m_strDtdFrames);
  w.Text("Nonframes-based Pages", o.m_strDtdPages);
  w.EndTable();
  w.EndSection();
}

void WriteMaintenanceSection(ListingWriter& w, const COptions& o,
                             const ListingInputs& in) {
  const ListingAppSettings& app = in.app;
  // Individuals sort by name only for 0; families by husband (0), by wife
  // (1), else by reference, as the log pages and the Configure list do.
  const auto people = [](int value) {
    return std::string("Sort by ") + (value == 0 ? "Name" : "Reference ID");
  };
  const auto families = [](int value) {
    return std::string("Sort by ") + (value == 0   ? "Husband"
                                      : value == 1 ? "Wife"
                                                   : "Reference ID");
  };
  w.BeginSection("Maint", "Maintenance");
  w.Heading(2, "Program");
  w.BeginTable();
  w.Number("History List Items", app.history_maximum);
  w.EndTable();
  w.Heading(2, "Log File");
  w.BeginTable();
  w.Text("Individuals", people(app.log_individuals));
  w.Text("Families", families(app.log_families));
  w.EndTable();
  w.Heading(2, "Configure Dialog");
  w.BeginTable();
  w.Text("Individuals", people(app.configure.individuals));
  w.Text("Families", families(app.configure.families));
  w.YesNo("Display aliases", app.configure.aliases);
  w.EndTable();
  w.Raw(text::Printf("<p>Revision: %d<p>\r\n", o.m_nFileVersion));
  w.EndSection();
}

}  // namespace vellix::options
