// The listing's sections for the tabs that decide how pages look and what
// they link: Files, Attributes, Headers and Custom.
#include "options/listing_sections.h"
#include "text/html_escape.h"
#include "text/printf.h"

namespace vellix::options {
namespace {

constexpr std::initializer_list<const char*> kDividerChoices = {"Exclude", "Line",
                                                                "Image"};
constexpr std::initializer_list<const char*> kPositions = {"Above group sheet",
                                                           "Below group sheet"};

// A Windows colour value (red in the lowest byte) as "#RRGGBB".
std::string ColorCode(uint32_t value) {
  return text::Printf("#%02X%02X%02X", value & 0xFF, (value >> 8) & 0xFF,
                      (value >> 16) & 0xFF);
}

// The colour scheme as a sample beside the table of the 16 custom colours.
void ColorTables(ListingWriter& w, const COptions& o) {
  const auto attr = [](const std::string& color) { return text::EscapeHtml(color); };
  w.Raw(
      "<table align=\"center\" border=\"0\" width=\"100%\" cellpadding=\"5\" "
      "cellspacing=\"0\" summary=\"layout\"><tr><td valign=\"top\" width=\"50%\">\r\n");
  w.Raw(
      "<table border=\"1\" width=\"100%\" cellpadding=\"10\" cellspacing=\"0\" "
      "summary=\"layout\"><tr><td style=\"background-color:" +
      attr(o.m_strBackColor) + "; color:" + attr(o.m_strTextColor) +
      "\">Text<hr style=\"color:" + attr(o.m_strDividerColor) +
      "; background-color:" + attr(o.m_strDividerColor) +
      "; height:3px; border:0\"><u style=\"color:" + attr(o.m_strLinkColor) +
      "\">Normal Link</u><br><u style=\"color:" + attr(o.m_strActiveLinkColor) +
      "\">Active Link</u><br><u style=\"color:" + attr(o.m_strVisitedLinkColor) +
      "\">Visited Link</u></td></tr></table>\r\n");
  w.Raw(
      "</td><td valign=\"top\">\r\n<table border=\"1\" width=\"100%\" cellpadding=\"3\" "
      "cellspacing=\"0\" summary=\"Custom Colors\">\r\n<tr><th colspan=\"8\">Custom "
      "Colors</th></tr>\r\n");
  for (size_t row = 0; row < 4; ++row) {
    w.Raw("<tr>");
    for (size_t column = 0; column < 4; ++column) {
      const std::string code = ColorCode(o.m_customColors[row * 4 + column]);
      w.Raw("<td style=\"background-color:" + code +
            "\" width=\"5%\">&nbsp;</td><td><tt>" + code + "</tt></td>");
    }
    w.Raw("</tr>\r\n");
  }
  w.Raw("</table>\r\n</td></tr></table>\r\n");
}

// One divider of the Dividers sub-tab: its choice, image and stretch switch.
void Divider(ListingWriter& w, const char* caption, int32_t choice,
             const std::string& image, bool stretch) {
  w.Choice(caption, choice, kDividerChoices);
  w.Path(std::string(caption) + " Image File", image);
  w.YesNo(std::string(caption) + " Image Stretched to Full Width", stretch);
}

// One extra link of the Extra Links sub-tab.
void ExtraLink(ListingWriter& w, const char* heading, bool include, bool surname_only,
               bool second_line, const std::string& dest, const std::string& prompt,
               const std::string& label, const std::string& target) {
  w.Heading(3, heading);
  w.BeginTable();
  w.YesNo("Include", include);
  w.YesNo("Surname page only", surname_only);
  w.YesNo("Display on second line", second_line);
  w.Text("Link Destination", dest);
  w.Text("Link Prompt", prompt);
  w.Text("Link Label", label);
  w.Text("Frame Target", target);
  w.EndTable();
}

// The nine advanced blocks of standard or multimedia pages.
void AdvancedBlocks(ListingWriter& w, const char* heading, const std::string* blocks) {
  w.Heading(3, heading);
  const struct {
    const char* heading;
    const char* captions[3];
  } groups[] = {
      {"File Block", {"Before <HTML>", "After </HTML>", nullptr}},
      {"HTML Block", {"After <HTML>", "Before </HTML>", nullptr}},
      {"HEAD Block", {"After <HEAD>", "Before </HEAD>", nullptr}},
      {"BODY Block", {"Within <BODY> Element Tag", "After <BODY>", "Before </BODY>"}},
  };
  size_t next = 0;
  for (const auto& group : groups) {
    w.Heading(4, group.heading);
    w.BeginTable();
    for (const char* caption : group.captions) {
      if (caption != nullptr) w.Text(caption, blocks[next++]);
    }
    w.EndTable();
  }
}

// The stored configuration of one kind: one row per attribute entry, the
// image column showing image and caption as "image;caption".
void StoredConfiguration(ListingWriter& w, const char* heading, const char* link,
                         const char* text, const char* image,
                         const CAttributesList& list) {
  w.Heading(3, heading);
  if (list.empty()) {
    w.Raw("<p>None.<p>\r\n");
    return;
  }
  w.BeginTable({"Ref", link, text, image});
  for (const CAttributes& entry : list.entries()) {
    std::string image_text = entry.m_strImage;
    if (!entry.m_strImage.empty() && !entry.m_strCaption.empty()) {
      image_text += ";" + entry.m_strCaption;
    }
    w.Cells(entry.m_strReference, {entry.m_strLink, entry.m_strText, image_text});
  }
  w.EndTable();
}

}  // namespace

void WriteFilesSection(ListingWriter& w, const COptions& o, const ListingInputs& in) {
  w.BeginSection("files", "Files");
  w.BeginTable();
  w.Path("GEDCOM Input File", o.m_strGedcomFile);
  w.Path("Destination Folder", o.m_strDestFolder);
  w.Text("Options Set", in.option_set_path);
  w.EndTable();
  w.EndSection();
}

void WriteAttributesSection(ListingWriter& w, const COptions& o) {
  w.BeginSection("attributes", "Attributes");
  ColorTables(w, o);

  w.Heading(2, "Tags");
  w.BeginTable();
  w.Text("Author", o.m_strAuthor);
  w.Text("Keywords", o.m_strKeywords);
  w.YesNo("Include surnames of husband and wife as keywords for family pages",
          o.m_bKeywordSurnames);
  w.Text("Description", o.m_strDescription);
  w.EndTable();

  w.Heading(2, "Layout");
  w.Heading(3, "Background");
  w.BeginTable();
  w.Text("Color Code", o.m_strBackColor);
  w.Path("Image File", o.m_strBackImage);
  w.YesNo("Keep background fixed when scrolling web page", o.m_bBackFixed);
  w.EndTable();
  w.Heading(3, "Margins");
  w.BeginTable();
  w.Text("Left", o.m_strMarginLeft);
  w.Text("Right", o.m_strMarginRight);
  w.Text("Top", o.m_strMarginTop);
  w.Text("Bottom", o.m_strMarginBottom);
  w.EndTable();
  w.Heading(3, "Field Alignment");
  w.BeginTable();
  w.YesNo("Align fields for group sheet labels", o.m_bAlignLabels);
  w.Either("Label Width", o.m_bAlignLongest, "Use width of longest label",
           "Use this width");
  w.Number("Use this width", o.m_nLabelWidth);
  w.YesNo("Right-justify fields", o.m_bRightJustify);
  w.YesNo("Align places of birth, marriage and death", o.m_bAlignPlaces);
  w.Number("Width of date field", o.m_nDateWidth);
  w.EndTable();

  w.Heading(2, "Font");
  w.BeginTable();
  w.Text("Face", o.m_strFontFace);
  w.Choice("Size", o.m_nFontSize,
           {"Default", "xx-small", "x-small", "small", "medium", "large", "x-large",
            "xx-large"});
  w.Text("Color Code", o.m_strTextColor);
  w.YesNo("Use non-proportional font in group sheet and index", o.m_bMonoFont);
  w.EndTable();

  w.Heading(2, "Links");
  w.BeginTable();
  w.YesNo("Display links at top of page", o.m_bLinksTop);
  w.YesNo("Display links at bottom of page", o.m_bLinksBottom);
  w.YesNo("Use lower-case file names", o.m_bLowerCaseNames);
  w.YesNo("Use child's name as link to child's family page", o.m_bChildNameLinks);
  w.EndTable();
  w.Heading(3, "Home Page Link");
  w.BeginTable();
  w.Path("Web Page File", o.m_strHomePage);
  w.Text("Frame Target", o.m_strHomeTarget);
  w.EndTable();
  w.Heading(3, "Color Codes");
  w.BeginTable();
  w.Text("Normal Link", o.m_strLinkColor);
  w.Text("Active Link", o.m_strActiveLinkColor);
  w.Text("Visited Link", o.m_strVisitedLinkColor);
  w.EndTable();

  w.Heading(2, "Extra Links");
  ExtraLink(w, "First", o.m_bExtra1, o.m_bExtra1SurnameOnly, o.m_bExtra1SecondLine,
            o.m_strExtra1Dest, o.m_strExtra1Prompt, o.m_strExtra1Label,
            o.m_strExtra1Target);
  ExtraLink(w, "Second", o.m_bExtra2, o.m_bExtra2SurnameOnly, o.m_bExtra2SecondLine,
            o.m_strExtra2Dest, o.m_strExtra2Prompt, o.m_strExtra2Label,
            o.m_strExtra2Target);
  ExtraLink(w, "Third", o.m_bExtra3, o.m_bExtra3SurnameOnly, o.m_bExtra3SecondLine,
            o.m_strExtra3Dest, o.m_strExtra3Prompt, o.m_strExtra3Label,
            o.m_strExtra3Target);

  w.Heading(2, "Dividers");
  w.BeginTable();
  w.YesNo("Include page-level dividers on Family pages", o.m_bPageDividers);
  w.Text("Color Code", o.m_strDividerColor);
  w.EndTable();
  w.Heading(3, "Page-level Dividers");
  w.BeginTable();
  Divider(w, "Top of Page", o.m_nDividerTop, o.m_strDividerTopImage,
          o.m_bDividerTopStretch);
  Divider(w, "Bottom of Page", o.m_nDividerBottom, o.m_strDividerBottomImage,
          o.m_bDividerBottomStretch);
  w.EndTable();
  w.Heading(3, "Group Sheet Dividers");
  w.BeginTable();
  Divider(w, "Thick Line", o.m_nDividerThick, o.m_strDividerThickImage,
          o.m_bDividerThickStretch);
  Divider(w, "Thin Line", o.m_nDividerThin, o.m_strDividerThinImage,
          o.m_bDividerThinStretch);
  w.EndTable();

  w.Heading(2, "Other");
  w.BeginTable();
  w.Path("External Cascading Style Sheets", o.m_strExternalCss);
  w.Text("File Prefix", o.m_strFilePrefix);
  w.Text("File Extension", o.GetPageExtension());
  w.Text("Copyright Notice", o.m_strCopyright);
  w.EndTable();
  w.EndSection();
}

void WriteHeadersSection(ListingWriter& w, const COptions& o) {
  w.BeginSection("headers", "Headers");
  const struct {
    const char* heading;
    const std::string& header;
    const std::string& footer;
  } pages[] = {{"Family Pages", o.m_strFamilyHeader, o.m_strFamilyFooter},
               {"Surname Pages", o.m_strSurnameHeader, o.m_strSurnameFooter},
               {"Multimedia Pages", o.m_strMediaHeader, o.m_strMediaFooter}};
  for (const auto& page : pages) {
    w.Heading(2, page.heading);
    w.BeginTable();
    w.Text("Header", page.header);
    w.Text("Footer", page.footer);
    w.EndTable();
  }
  w.Heading(2, "Introduction");
  w.BeginTable();
  w.Text("Surname Page Introduction", o.m_strSurnameIntro);
  w.Text("Index Page Introduction", o.m_strIndexIntro);
  w.Text("Bibliography Page Introduction", o.m_strBiblioIntro);
  w.EndTable();

  w.Heading(2, "Page Titles");
  w.Heading(3, "Family Pages");
  w.BeginTable();
  w.YesNo("Use names of husband and wife", o.m_bTitleNames);
  w.YesNo("Use Family titles below plus names of husband and wife", o.m_bTitleAndNames);
  w.YesNo("Use Family titles below", !o.m_bTitleNames && !o.m_bTitleAndNames);
  w.YesNo("Display title at Top of Page", o.m_bTitleAtTop);
  w.EndTable();
  w.Heading(3, "All Pages");
  w.BeginTable({"Option", "Browser Title Bar", "Top of Page"});
  w.Cells("Family", {o.m_strTitleFamily, o.m_strHeadingFamily});
  w.Cells("Surname", {o.m_strTitleSurname, o.m_strHeadingSurname});
  w.Cells("Index", {o.m_strTitleIndex, o.m_strHeadingIndex});
  w.Cells("Bibliography", {o.m_strTitleBiblio, o.m_strHeadingBiblio});
  w.Cells("Repository", {o.m_strTitleRepository, o.m_strHeadingRepository});
  w.EndTable();
  w.Heading(3, "Multimedia Gallery Titles");
  w.BeginTable();
  w.Text("Individual Gallery", o.m_strGalleryTitleIndiv);
  w.Text("Family Gallery", o.m_strGalleryTitleFamily);
  w.Text("Citation Gallery", o.m_strGalleryTitleCitation);
  w.Text("Bibliography Gallery", o.m_strGalleryTitleBiblio);
  w.EndTable();

  w.Heading(2, "Advanced");
  const std::string standard[] = {
      o.m_strStdBeforeHtml,    o.m_strStdAfterHtmlEnd, o.m_strStdAfterHtml,
      o.m_strStdBeforeHtmlEnd, o.m_strStdAfterHead,    o.m_strStdBeforeHeadEnd,
      o.m_strStdBodyAttrs,     o.m_strStdAfterBody,    o.m_strStdBeforeBodyEnd};
  const std::string media[] = {
      o.m_strMediaBeforeHtml,    o.m_strMediaAfterHtmlEnd, o.m_strMediaAfterHtml,
      o.m_strMediaBeforeHtmlEnd, o.m_strMediaAfterHead,    o.m_strMediaBeforeHeadEnd,
      o.m_strMediaBodyAttrs,     o.m_strMediaAfterBody,    o.m_strMediaBeforeBodyEnd};
  AdvancedBlocks(w, "Standard Pages", standard);
  AdvancedBlocks(w, "Multimedia Pages", media);
  w.EndSection();
}

void WriteCustomSection(ListingWriter& w, const COptions& o) {
  w.BeginSection("custom", "Custom");
  w.Heading(2, "Method");
  w.BeginTable();
  w.Either("Method", o.m_bUseFactTags, "Use Fact Tags", "Use Stored Configuration");
  w.EndTable();

  w.Heading(2, "Fact Tags");
  w.BeginTable();
  w.Text("Biography", o.m_strBiographyTag);
  w.Text("Relationship", o.m_strRelationTag);
  w.Text("Individual Image", o.m_strImageTag);
  w.Text("Narrative", o.m_strNarrativeTag);
  w.Text("Import", o.m_strImportTag);
  w.Text("Group Image", o.m_strGroupImageTag);
  w.EndTable();

  w.Heading(2, "Individuals");
  w.Heading(3, "Biography Links");
  w.BeginTable();
  w.YesNo("Include links to biography web pages", o.m_bBiography);
  w.Text("Link Text", o.m_strBioLinkText);
  w.Text("Link Label", o.m_strBioLinkLabel);
  w.Text("Link Prompt", o.m_strBioLinkPrompt);
  w.Text("Frame Target", o.m_strBioTarget);
  w.Path("Relative folder path for biography files", o.m_strBioFolder);
  w.EndTable();
  w.Heading(3, "Relationship Text");
  w.BeginTable();
  w.YesNo("Include relationship text", o.m_bRelationship);
  w.EndTable();
  w.Heading(3, "Individual Images");
  w.BeginTable();
  w.YesNo("Include images of individuals", o.m_bIndivImages);
  w.Path("Relative folder path for individual image files", o.m_strIndivImageFolder);
  w.EndTable();

  w.Heading(2, "Families");
  w.Heading(3, "Narrative Links");
  w.BeginTable();
  w.YesNo("Include links to narrative web pages", o.m_bNarrative);
  w.Text("Link Text", o.m_strNarrLinkText);
  w.Text("Link Label", o.m_strNarrLinkLabel);
  w.Text("Link Prompt", o.m_strNarrLinkPrompt);
  w.Text("Frame Target", o.m_strNarrTarget);
  w.Path("Relative folder path for narrative files", o.m_strNarrFolder);
  w.EndTable();
  w.Heading(3, "Imported Text");
  w.BeginTable();
  w.YesNo("Include imported text", o.m_bImportText);
  w.Choice("Position", o.m_nImportPosition, kPositions);
  w.Choice("External File Content", o.m_nImportContent, {"Plain text", "HTML text"});
  w.Path("Full folder path for external files", o.m_strImportFolder);
  w.EndTable();
  w.Heading(3, "Group Images");
  w.BeginTable();
  w.YesNo("Include group images", o.m_bGroupImages);
  w.Choice("Position", o.m_nGroupImagePosition, kPositions);
  w.Path("Relative folder path for group image files", o.m_strGroupImageFolder);
  w.EndTable();

  w.Heading(2, "Icons");
  w.BeginTable();
  w.YesNo("Display custom icons on the Index pages", o.m_bCustomIcons);
  w.Either("Icons", o.m_bCustomIconImages, "Display images",
           "Display letters or text phrases");
  w.Text("Biography", o.m_strIconTextBiography);
  w.Text("Individual Image", o.m_strIconTextImage);
  w.Text("Narrative", o.m_strIconTextNarrative);
  w.Text("Imported Text", o.m_strIconTextImport);
  w.Text("Group Image", o.m_strIconTextGroup);
  w.EndTable();

  w.Heading(2, "Stored Configuration");
  StoredConfiguration(w, "Individuals", "Biography Links", "Relationship Text",
                      "Individual Image; Caption", o.m_indivAttributes);
  StoredConfiguration(w, "Families", "Narrative Links", "Imported Text",
                      "Group Image; Caption", o.m_familyAttributes);
  w.EndSection();
}

}  // namespace vellix::options
