#include "shell/gui/page_features.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "shell/gui/browse.h"
#include "shell/gui/form.h"
#include "shell/gui/help.h"
#include "shell/gui/page_custom.h"
#include "shell/gui/path_combo.h"

namespace vellix::gui {
namespace {

// The link to one kind of gallery: text template, label, prompt, target.
struct GalleryLink {
  std::string COptions::*text;
  std::string COptions::*label;
  std::string COptions::*prompt;
  std::string COptions::*target;  // null for the slide download link
};

void AddGalleryLink(Form& form, const QString& title, const GalleryLink& link) {
  form.Group(title);
  form.Text("Link Text:", link.text);
  form.Text("Link Label:", link.label);
  form.Text("Link Prompt:", link.prompt);
  if (link.target != nullptr) form.Text("Frame Target:", link.target);
}

// A multimedia sub-tab with one switch group and its gallery link.
struct GalleryTab {
  const char* caption;
  std::vector<std::pair<const char*, bool COptions::*>> switches;
  GalleryLink link;
};

}  // namespace

CPageFeatures::CPageFeatures(SheetContext& context, QWidget* parent)
    : OptionsPage(context, "Features", "Source citations, privacy filters && more...",
                  topic::kFeatures, parent),
      tabs_(MakeTabs(this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(tabs_);
  tabs_->addTab(MakeCitations(), "Source Citations");
  tabs_->addTab(MakePrivacy(), "Privacy Filters");
  tabs_->addTab(MakeSurnames(), "Surnames && Index");
  tabs_->addTab(MakeMultimedia(), "Multimedia");
}

QWidget* CPageFeatures::MakeCitations() {
  auto* page = new QWidget;
  Form form(page, bindings_, paths_);
  form.Group("Footnotes");
  form.Check("Include source citations", &COptions::m_bCitations);
  form.Indent(1);
  form.Radios(
      "", &COptions::m_bCitationsInFrame,
      {{0, "at end of each family page"}, {1, "in frame window at bottom of browser"}},
      Qt::Vertical);
  form.Check("Include comments", &COptions::m_bCitationComments);
  form.Check("Include additional details", &COptions::m_bCitationDetails);
  form.Check("Include links to bibliography entries", &COptions::m_bCitationBiblioLinks);
  form.Check("Use superscript numbers in group sheet", &COptions::m_bSuperscript);
  form.Group("Other");
  form.Text("Ignore entries with this prefix:", &COptions::m_strIgnorePrefix);
  form.Check("Remove lifespan from living authors", &COptions::m_bAuthorLifespan);
  form.Stretch();
  form.Column();
  form.Group("Bibliography");
  form.Check("Generate bibliography web pages", &COptions::m_bBiblioPages);
  form.Indent(1);
  form.Check("Include comments", &COptions::m_bBiblioComments);
  form.Number("Entries per page:", &COptions::m_nBiblioPerPage, 1, 10000);
  form.Indent(0);
  form.Check("Generate repository web pages", &COptions::m_bRepositoryPages);
  form.Indent(1);
  form.Check("Include comments", &COptions::m_bRepositoryComments);
  form.Number("Entries per page:", &COptions::m_nRepositoryPerPage, 1, 10000);
  form.Stretch();
  return page;
}

QWidget* CPageFeatures::MakePrivacy() {
  auto* page = new QWidget;
  Form form(page, bindings_, paths_);
  form.Group("Living Individuals");
  form.Radios("Living individuals:", &COptions::m_bExcludeLiving,
              {{0, "Include"}, {1, "Exclude"}});
  form.Check("Display notes and facts of living individuals",
             &COptions::m_bLivingDetails);
  form.Check("Assume individuals are living when born after the year",
             &COptions::m_bAssumeLiving);
  form.Indent(1);
  form.Number("Year:", &COptions::m_nLivingYear, 0, 9999);
  form.Indent(0);
  form.Stretch();
  form.Column();
  form.Group("Names and Dates");
  form.Radios("Filter names:", &COptions::m_nNameFilter,
              {{0, "Display full names"},
               {1, "Replace names with initials"},
               {2, "Replace names with the text:"}},
              Qt::Vertical);
  form.Indent(2);
  form.Text("", &COptions::m_strPrivateName);
  form.Indent(0);
  form.Check("Replace birth and marriage dates with the text:",
             &COptions::m_bFilterDates);
  form.Indent(1);
  form.Text("", &COptions::m_strPrivateDate);
  form.Stretch();
  return page;
}

QWidget* CPageFeatures::MakeSurnames() {
  auto* page = new QWidget;
  Form form(page, bindings_, paths_);
  form.Group("Surname Pages");
  form.Check("Display surname frequency counts", &COptions::m_bSurnameCounts);
  form.Check("Display most frequent surnames", &COptions::m_bTopSurnames);
  form.Indent(1);
  form.Number("How many:", &COptions::m_nTopSurnames, 1, 100);
  form.Indent(0);
  form.Number("Number of partitions:", &COptions::m_nSurnamePartitions, 1, 100);
  form.Check("Use alternate file name for first surname page",
             &COptions::m_bAltSurnameFile);
  form.Indent(1);
  form.Text("Alternate file name:", &COptions::m_strAltSurnameFile);
  form.Indent(0);
  form.Group("Index Pages");
  form.Number("Number of individuals per page:", &COptions::m_nIndexPerPage, 1, 10000);
  form.Check("Display Soundex codes", &COptions::m_bSoundex);
  form.Check("Display reference numbers for individuals", &COptions::m_bRefNumbers);
  form.Check("Display SURNAMES in upper-case letters", &COptions::m_bUpperSurnames);
  form.Check("Display alias between given name and surname", &COptions::m_bAliasInName);
  form.Check("Create GENDEX index file", &COptions::m_bGendex);
  form.Stretch();
  form.Column();
  form.Group("Other");
  form.Check("Convert e-mail addresses to actual links", &COptions::m_bMailLinks);
  form.Indent(1);
  form.Check("Hide e-mail links from harvesters", &COptions::m_bHideMail);
  form.Indent(0);
  form.Check("Convert web addresses to actual links", &COptions::m_bWebLinks);
  form.Indent(1);
  form.Text("Frame target for websites:", &COptions::m_strWebTarget);
  form.Stretch();
  return page;
}

QWidget* CPageFeatures::MakeMultimedia() {
  auto* tabs = MakeTabs(nullptr);
  tabs->addTab(MakeGallery(), "Gallery");
  const GalleryTab kGalleryTabs[] = {
      {"Individuals",
       {{"Enable multimedia galleries for individual scrapbooks",
         &COptions::m_bIndivScrapbookGallery},
        {"Enable multimedia galleries for individual facts",
         &COptions::m_bIndivFactGallery}},
       {&COptions::m_strIndivGalleryText, &COptions::m_strIndivGalleryLabel,
        &COptions::m_strIndivGalleryPrompt, &COptions::m_strIndivGalleryTarget}},
      {"Families",
       {{"Enable multimedia galleries for family scrapbooks",
         &COptions::m_bFamilyScrapbookGallery},
        {"Enable multimedia galleries for family facts", &COptions::m_bFamilyFactGallery},
        {"Display a link above the group sheet", &COptions::m_bFamilyGalleryAbove},
        {"Display a link below the group sheet", &COptions::m_bFamilyGalleryBelow}},
       {&COptions::m_strFamilyGalleryText, &COptions::m_strFamilyGalleryLabel,
        &COptions::m_strFamilyGalleryPrompt, &COptions::m_strFamilyGalleryTarget}},
      {"Citations",
       {{"Enable multimedia galleries for source citations",
         &COptions::m_bCitationGallery}},
       {&COptions::m_strCitationGalleryText, &COptions::m_strCitationGalleryLabel,
        &COptions::m_strCitationGalleryPrompt, &COptions::m_strCitationGalleryTarget}},
      {"Bibliography",
       {{"Enable multimedia gallery for the bibliography", &COptions::m_bBiblioGallery}},
       {&COptions::m_strBiblioGalleryText, &COptions::m_strBiblioGalleryLabel,
        &COptions::m_strBiblioGalleryPrompt, &COptions::m_strBiblioGalleryTarget}},
  };
  for (const GalleryTab& tab : kGalleryTabs) {
    auto* page = new QWidget;
    Form form(page, bindings_, paths_);
    form.Group("Galleries");
    for (const auto& [caption, member] : tab.switches) form.Check(caption, member);
    form.Stretch();
    form.Column();
    AddGalleryLink(form, "Gallery Link", tab.link);
    form.Stretch();
    tabs->addTab(page, tab.caption);
  }
  tabs->addTab(MakeThumbnails(), "Thumbnails");
  tabs->addTab(MakeSlides(), "Slides");
  tabs->addTab(MakeIcons(), "Icons");
  tabs->addTab(MakePortraits(), "Portraits");
  return tabs;
}

QWidget* CPageFeatures::MakeGallery() {
  auto* page = new QWidget;
  Form form(page, bindings_, paths_);
  form.Group("Multimedia Galleries");
  form.Check("Enable multimedia galleries", &COptions::m_bGalleries);
  form.Check("Omit duplicate media within each gallery",
             &COptions::m_bOmitDuplicateMedia);
  form.Check("Ignore the scrapbook flag of multimedia objects",
             &COptions::m_bIgnoreScrapbookFlag);
  form.Check("Suppress multimedia galleries that contain only a single portrait image",
             &COptions::m_bSuppressPortraitGallery);
  form.Group("Folders");
  PathRow dest = form.Path("Relative destination folder path for multimedia files:",
                           &COptions::m_strMediaDestFolder, platform::HistoryList::kMed);
  connect(dest.browse, &QPushButton::clicked, this, [this, dest] {
    BrowseFolder(context_.desktop, this, dest.combo,
                 "Destination folder for media files:",
                 FolderForm::kRelativeToDestination, context_.options.m_strDestFolder);
  });
  PathRow source = form.Path(
      "Source folder path for multimedia files:", &COptions::m_strMediaSourceFolder,
      platform::HistoryList::kMRt);
  connect(source.browse, &QPushButton::clicked, this, [this, source] {
    BrowseFolder(context_.desktop, this, source.combo,
                 "Source folder for media files:", FolderForm::kFull);
  });
  form.Stretch();
  return page;
}

QWidget* CPageFeatures::MakeThumbnails() {
  auto* page = new QWidget;
  Form form(page, bindings_, paths_);
  form.Group("Thumbnails");
  form.Number("Maximum thumbnail size:", &COptions::m_nThumbSize, 20, 10000);
  form.Number("Rows per page:", &COptions::m_nThumbRows, 1, 1000);
  form.Number("Columns per page:", &COptions::m_nThumbColumns, 1, 1000);
  form.Group("Display");
  form.Check("File name", &COptions::m_bThumbFileName);
  form.Check("Caption/title", &COptions::m_bThumbCaption);
  form.Check("Reference number", &COptions::m_bThumbRef);
  form.Stretch();
  form.Column();
  form.Group("Link");
  form.Text("Link Prompt:", &COptions::m_strThumbPrompt);
  form.Text("Frame Target:", &COptions::m_strThumbTarget);
  form.Text("HREF Script:", &COptions::m_strThumbHref);
  form.Text("OnClick Script:", &COptions::m_strThumbOnClick);
  form.Stretch();
  return page;
}

QWidget* CPageFeatures::MakeSlides() {
  auto* page = new QWidget;
  Form form(page, bindings_, paths_);
  form.Group("Slides");
  form.Number("Maximum image size:", &COptions::m_nSlideSize, 20, 10000);
  form.Choice(
      "Display order:", &COptions::m_nSlideOrder,
      {"File - Caption - Notes - Reference", "Reference - Caption - Notes - File",
       "Caption - Notes - File - Reference", "Caption - Notes - Reference - File",
       "File - Reference - Caption - Notes", "Reference - File - Caption - Notes"});
  form.Group("Display");
  form.Check("Caption/title above image", &COptions::m_bSlideCaptionAbove);
  form.Check("Caption/title below image", &COptions::m_bSlideCaptionBelow);
  form.Check("Date", &COptions::m_bSlideDate);
  form.Check("File name", &COptions::m_bSlideFileName);
  form.Check("Reference number", &COptions::m_bSlideRef);
  form.Check("Display notes", &COptions::m_bSlideNotes);
  form.Check("Display source citations", &COptions::m_bSlideCitations);
  form.Check("Link to original images", &COptions::m_bSlideLinkOriginal);
  form.Check("Provide download links", &COptions::m_bSlideDownload);
  form.Stretch();
  form.Column();
  form.Group("Link");
  form.Text("Frame Target:", &COptions::m_strSlideTarget);
  form.Text("HREF Script:", &COptions::m_strSlideHref);
  form.Text("OnClick Script:", &COptions::m_strSlideOnClick);
  AddGalleryLink(form, "Download Link",
                 {&COptions::m_strSlideLinkText, &COptions::m_strSlideLinkLabel,
                  &COptions::m_strSlideLinkPrompt, nullptr});
  form.Stretch();
  return page;
}

QWidget* CPageFeatures::MakeIcons() {
  auto* page = new QWidget;
  Form form(page, bindings_, paths_);
  form.Group("Icons");
  form.Check("Display multimedia gallery icons on the Index pages",
             &COptions::m_bGalleryIcons);
  QButtonGroup* kind =
      form.Radios("", &COptions::m_bGalleryIconImages,
                  {{1, "Display images"}, {0, "Display letters or text phrases"}});
  icon_caption_ = new QLabel(IconTextCaption(true));
  form.Wide(icon_caption_);
  form.Indent(1);
  form.Text("Family Gallery:", &COptions::m_strIconTextFamilyGallery);
  form.Text("Individual Gallery:", &COptions::m_strIconTextIndivGallery);
  form.Stretch();
  auto update = [this, kind] {
    icon_caption_->setText(IconTextCaption(kind->checkedId() == 1));
  };
  connect(kind, &QButtonGroup::idToggled, this, update);
  AddEnablingRule(update);
  return page;
}

QWidget* CPageFeatures::MakePortraits() {
  auto* page = new QWidget;
  Form form(page, bindings_, paths_);
  form.Group("Individuals");
  form.Check("Enable individual portraits", &COptions::m_bIndivPortraits);
  form.Indent(1);
  form.Check("Display caption/title", &COptions::m_bIndivPortraitCaption);
  form.Check("Display date", &COptions::m_bIndivPortraitDate);
  form.Check("Prefer over Custom images", &COptions::m_bIndivPortraitPreferred);
  form.Number("Maximum width:", &COptions::m_nIndivPortraitWidth, 20, 10000);
  form.Stretch();
  form.Column();
  form.Group("Families");
  form.Check("Enable family portraits", &COptions::m_bFamilyPortraits);
  form.Indent(1);
  form.Check("Display caption/title", &COptions::m_bFamilyPortraitCaption);
  form.Check("Display date", &COptions::m_bFamilyPortraitDate);
  form.Check("Prefer over Custom images", &COptions::m_bFamilyPortraitPreferred);
  form.Number("Maximum size:", &COptions::m_nFamilyPortraitSize, 20, 10000);
  form.Stretch();
  return page;
}

}  // namespace vellix::gui
