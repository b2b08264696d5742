#include "shell/gui/page_custom.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "options/attributes_exchange.h"
#include "shell/gui/browse.h"
#include "shell/gui/configure_dialog.h"
#include "shell/gui/form.h"
#include "shell/gui/help.h"
#include "shell/gui/path_combo.h"
#include "shell/gui/window_prompter.h"

namespace vellix::gui {
namespace {

using platform::HistoryList;

constexpr char kExchangeFilter[] = "CSV Files (*.csv)|*.csv|All Files (*.*)|*.*||";

}  // namespace

QString IconTextCaption(bool images) {
  return images ? "Alternate text for icon images:" : "Letters or text phrases:";
}

CPageCustom::CPageCustom(SheetContext& context, QWidget* parent)
    : OptionsPage(context, "Custom", "Images, relationships && biographies",
                  topic::kCustom, parent),
      tabs_(MakeTabs(this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(tabs_);
  tabs_->addTab(MakeMethod(), "Method");
  tabs_->addTab(MakeIndividuals(), "Individuals");
  tabs_->addTab(MakeFamilies(), "Families");
  tabs_->addTab(MakeIcons(), "Icons");
}

void CPageCustom::AddFolder(Form& form, const QString& caption,
                            std::string COptions::*member, HistoryList list,
                            const QString& prompt, bool relative) {
  PathRow row = form.Path(caption, member, list);
  connect(row.browse, &QPushButton::clicked, this, [this, row, prompt, relative] {
    BrowseFolder(context_.desktop, this, row.combo, prompt,
                 relative ? FolderForm::kRelativeToDestination : FolderForm::kFull,
                 context_.options.m_strDestFolder);
  });
}

QWidget* CPageCustom::MakeMethod() {
  auto* page = new QWidget;
  Form form(page, bindings_, paths_);
  form.Group("Method");
  form.Radios("", &COptions::m_bUseFactTags,
              {{1, "Use fact tags in the GEDCOM file"}, {0, "Use Stored Configuration"}},
              Qt::Vertical);
  form.Group("Fact Tags");
  form.Text("Biography link:", &COptions::m_strBiographyTag);
  form.Text("Relationship text:", &COptions::m_strRelationTag);
  form.Text("Individual image:", &COptions::m_strImageTag);
  form.Text("Narrative link:", &COptions::m_strNarrativeTag);
  form.Text("Imported text:", &COptions::m_strImportTag);
  form.Text("Group image:", &COptions::m_strGroupImageTag);
  form.Stretch();
  form.Column();
  form.Group("Stored Configuration");
  auto* buttons = new QWidget;
  auto* row = new QHBoxLayout(buttons);
  row->setContentsMargins(0, 0, 0, 0);
  configure_indiv_ = new QPushButton("Individuals...", buttons);
  configure_families_ = new QPushButton("Families...", buttons);
  export_ = new QPushButton("Export...", buttons);
  import_ = new QPushButton("Import...", buttons);
  for (QPushButton* button : {configure_indiv_, configure_families_, export_, import_}) {
    row->addWidget(button);
  }
  connect(configure_indiv_, &QPushButton::clicked, this,
          [this] { Configure(options::AttributeOwner::kIndividuals); });
  connect(configure_families_, &QPushButton::clicked, this,
          [this] { Configure(options::AttributeOwner::kFamilies); });
  connect(export_, &QPushButton::clicked, this, [this] { ExportAttributes(); });
  connect(import_, &QPushButton::clicked, this, [this] { ImportAttributes(); });
  row->addStretch(1);
  form.Wide(buttons);
  form.Stretch();
  return page;
}

QWidget* CPageCustom::MakeIndividuals() {
  auto* tabs = MakeTabs(nullptr);
  {
    auto* page = new QWidget;
    Form form(page, bindings_, paths_);
    form.Group("Biography Links");
    form.Check("Include links to biography web pages", &COptions::m_bBiography);
    form.Text("Link Text:", &COptions::m_strBioLinkText);
    form.Text("Link Label:", &COptions::m_strBioLinkLabel);
    form.Text("Link Prompt:", &COptions::m_strBioLinkPrompt);
    form.Text("Frame Target:", &COptions::m_strBioTarget);
    AddFolder(form,
              "Relative folder path for biography files:", &COptions::m_strBioFolder,
              HistoryList::kBio, "Folder for biography web page files:", true);
    form.Stretch();
    tabs->addTab(page, "Biography Links");
  }
  {
    auto* page = new QWidget;
    Form form(page, bindings_, paths_);
    form.Group("Relationship Text");
    form.Check("Include relationship text", &COptions::m_bRelationship);
    form.Stretch();
    tabs->addTab(page, "Relationship Text");
  }
  {
    auto* page = new QWidget;
    Form form(page, bindings_, paths_);
    form.Group("Individual Images");
    form.Check("Include images of individuals", &COptions::m_bIndivImages);
    AddFolder(form, "Relative folder path for individual image files:",
              &COptions::m_strIndivImageFolder, HistoryList::kImg,
              "Folder for individual image files:", true);
    form.Stretch();
    tabs->addTab(page, "Individual Images");
  }
  return tabs;
}

QWidget* CPageCustom::MakeFamilies() {
  auto* tabs = MakeTabs(nullptr);
  {
    auto* page = new QWidget;
    Form form(page, bindings_, paths_);
    form.Group("Narrative Links");
    form.Check("Include links to narrative web pages", &COptions::m_bNarrative);
    form.Text("Link Text:", &COptions::m_strNarrLinkText);
    form.Text("Link Label:", &COptions::m_strNarrLinkLabel);
    form.Text("Link Prompt:", &COptions::m_strNarrLinkPrompt);
    form.Text("Frame Target:", &COptions::m_strNarrTarget);
    AddFolder(form,
              "Relative folder path for narrative files:", &COptions::m_strNarrFolder,
              HistoryList::kNar, "Folder for narrative web page files:", true);
    form.Stretch();
    tabs->addTab(page, "Narrative Links");
  }
  {
    auto* page = new QWidget;
    Form form(page, bindings_, paths_);
    form.Group("Imported Text");
    form.Check("Include imported text", &COptions::m_bImportText);
    form.Radios("Position:", &COptions::m_nImportPosition,
                {{0, "Above group sheet"}, {1, "Below group sheet"}});
    form.Radios("External File Content:", &COptions::m_nImportContent,
                {{0, "Plain text"}, {1, "HTML text"}});
    AddFolder(form, "Full folder path for external files:", &COptions::m_strImportFolder,
              HistoryList::kImp, "Folder for import files:", false);
    form.Stretch();
    tabs->addTab(page, "Imported Text");
  }
  {
    auto* page = new QWidget;
    Form form(page, bindings_, paths_);
    form.Group("Group Images");
    form.Check("Include group images", &COptions::m_bGroupImages);
    form.Radios("Position:", &COptions::m_nGroupImagePosition,
                {{0, "Above group sheet"}, {1, "Below group sheet"}});
    AddFolder(form, "Relative folder path for group image files:",
              &COptions::m_strGroupImageFolder, HistoryList::kImg,
              "Folder for group image files:", true);
    form.Stretch();
    tabs->addTab(page, "Group Images");
  }
  return tabs;
}

QWidget* CPageCustom::MakeIcons() {
  auto* page = new QWidget;
  Form form(page, bindings_, paths_);
  form.Group("Icons");
  form.Check("Display custom icons on the Index pages", &COptions::m_bCustomIcons);
  QButtonGroup* kind =
      form.Radios("", &COptions::m_bCustomIconImages,
                  {{1, "Display images"}, {0, "Display letters or text phrases"}});
  icon_caption_ = new QLabel(IconTextCaption(true));
  form.Wide(icon_caption_);
  form.Indent(1);
  form.Text("Biography:", &COptions::m_strIconTextBiography);
  form.Text("Image:", &COptions::m_strIconTextImage);
  form.Text("Narrative:", &COptions::m_strIconTextNarrative);
  form.Text("Imported text:", &COptions::m_strIconTextImport);
  form.Text("Group image:", &COptions::m_strIconTextGroup);
  form.Stretch();
  auto update = [this, kind] {
    icon_caption_->setText(IconTextCaption(kind->checkedId() == 1));
  };
  connect(kind, &QButtonGroup::idToggled, this, update);
  AddEnablingRule(update);
  return page;
}

std::string CPageCustom::OptionSetPath() const {
  return context_.option_set != nullptr ? context_.option_set->path() : std::string();
}

void CPageCustom::Configure(options::AttributeOwner owner) {
  ExchangeToOptions(context_.options);
  if (!RunConfigureDialog(context_, owner, this)) return;
  ExchangeToPage(context_.options);
  RememberHistory();
  RefreshHistory();
}

void CPageCustom::ExportAttributes() {
  ExchangeToOptions(context_.options);
  FileRequest request{"Select export file", kExchangeFilter,
                      FolderOf(ToQt(OptionSetPath())), "csv"};
  // The export asks its own question before it replaces a file that is not
  // an exchange file, and replaces an exchange file without asking.
  request.confirm_overwrite = false;
  const std::optional<QString> file = context_.desktop.SaveFile(this, request);
  if (!file) return;
  WindowPrompter prompter(context_.desktop, this);
  options::ExportAttributes(context_.options, OptionSetPath(), FromQt(*file), prompter);
}

void CPageCustom::ImportAttributes() {
  ExchangeToOptions(context_.options);
  const FileRequest request{"Select import file", kExchangeFilter,
                            FolderOf(ToQt(OptionSetPath())), "csv"};
  const std::optional<QString> file = context_.desktop.OpenFile(this, request);
  if (!file) return;
  WindowPrompter prompter(context_.desktop, this);
  options::ImportAttributes(context_.options, OptionSetPath(), FromQt(*file), prompter);
}

}  // namespace vellix::gui
