#include "shell/gui/page_files.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "model/dialects.h"
#include "options/option_listing.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "shell/gui/browse.h"
#include "shell/gui/form.h"
#include "shell/gui/gedcom_info_dialog.h"
#include "shell/gui/help.h"
#include "shell/gui/path_combo.h"
#include "shell/gui/sheet.h"
#include "shell/gui/window_prompter.h"

namespace vellix::gui {
namespace {

constexpr char kGedcomFilter[] = "GECCOM Files (*.ged)|*.ged|All Files (*.*)|*.*||";
constexpr char kOptionSetFilter[] = "Option Sets (*.dat)|*.dat|All Files (*.*)|*.*||";

}  // namespace

CPageFiles::CPageFiles(SheetContext& context, CSheet* sheet, QWidget* parent)
    : OptionsPage(context, "Files", "GEDCOM file && destination folder", topic::kFiles,
                  parent),
      sheet_(sheet) {
  Form form(this, bindings_, paths_);
  form.Group("GEDCOM Input File");
  PathRow gedcom = form.Path("", &COptions::m_strGedcomFile, platform::HistoryList::kIn);
  gedcom_ = gedcom.combo;
  gedcom_browse_ = gedcom.browse;
  connect(gedcom_browse_, &QPushButton::clicked, this, [this] { BrowseGedcom(); });

  form.Group("Destination Folder");
  PathRow dest = form.Path("", &COptions::m_strDestFolder, platform::HistoryList::kOut);
  dest_ = dest.combo;
  dest_browse_ = dest.browse;
  connect(dest_browse_, &QPushButton::clicked, this, [this] {
    BrowseFolder(
        context_.desktop, this, dest_,
        "Select a destination for the generated web page files:", FolderForm::kFull);
  });

  form.Group("Options Set");
  option_set_ = new QComboBox;
  option_set_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  option_set_->setMinimumContentsLength(24);
  option_set_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  auto* set_buttons = new QWidget;
  auto* row = new QHBoxLayout(set_buttons);
  row->setContentsMargins(0, 0, 0, 0);
  open_ = new QPushButton("O&pen", set_buttons);
  new_ = new QPushButton("&New", set_buttons);
  row->addWidget(open_);
  row->addWidget(new_);
  form.Row("", option_set_, set_buttons);
  connect(option_set_, &QComboBox::activated, this, [this](int index) {
    if (index > 0) SwitchOptionSet(option_set_->itemText(index), false);
  });
  connect(open_, &QPushButton::clicked, this, [this] {
    FileRequest request{"Select Options Set", kOptionSetFilter,
                        FolderOf(ToQt(OptionSetPath())), "dat"};
    if (auto path = context_.desktop.OpenFile(this, request))
      SwitchOptionSet(*path, false);
  });
  connect(new_, &QPushButton::clicked, this, [this] {
    FileRequest request{"New Options Set", kOptionSetFilter,
                        FolderOf(ToQt(OptionSetPath())), "dat"};
    request.confirm_overwrite = false;
    if (auto path = context_.desktop.SaveFile(this, request))
      SwitchOptionSet(*path, true);
  });

  form.Group("Other");
  form.Text("Secure File Path:", &COptions::m_strSecureFilePath);
  auto* info = new QWidget;
  auto* info_row = new QHBoxLayout(info);
  info_row->setContentsMargins(0, 0, 0, 0);
  summary_ = new QPushButton("Summary", info);
  info_ = new QPushButton("&Info", info);
  info_row->addWidget(summary_);
  info_row->addWidget(info_);
  connect(summary_, &QPushButton::clicked, this, [this] { WriteSummary(); });
  connect(info_, &QPushButton::clicked, this, [this] {
    ExchangeToOptions(context_.options);
    RunGedcomInfoDialog(context_, this);
  });
  info_row->addStretch(1);
  form.Wide(info);
  form.Stretch();
}

void CPageFiles::BrowseGedcom() {
  BrowseFile(context_.desktop, this, gedcom_, "Select GEDCOM File", kGedcomFilter,
             dest_->NativeText().trimmed());
}

void CPageFiles::WriteSummary() {
  sheet_->ExchangePagesToOptions();
  options::ListingInputs inputs;
  inputs.option_set_path = OptionSetPath();
  inputs.dialect_name =
      DialectNameOf(context_.options.m_nSpecialProcessing, context_.app_folder);
  inputs.app = options::ReadListingAppSettings(context_.settings);
  const platform::SystemClock system_clock;
  inputs.now = (context_.clock != nullptr ? *context_.clock : system_clock).LocalNow();
  WindowPrompter prompter(context_.desktop, this);
  std::string path;
  if (options::WriteOptionListing(context_.options, inputs, context_.app_folder, prompter,
                                  &path) == options::ListingResult::kWritten) {
    OpenDocument(context_.desktop, this, path);
  }
}

std::string CPageFiles::OptionSetPath() const {
  return context_.option_set != nullptr ? context_.option_set->path() : std::string();
}

void CPageFiles::ShowOptionSets() {
  const QSignalBlocker block(option_set_);
  option_set_->clear();
  const std::string current = OptionSetPath();
  option_set_->addItem(ToQt(current));
  for (const std::string& item : context_.history.Items(platform::HistoryList::kSet)) {
    const std::string native = platform::NativePath(item);
    if (native != current) option_set_->addItem(ToQt(native));
  }
  option_set_->setCurrentIndex(0);
}

void CPageFiles::ExchangeToPage(const COptions& options) {
  OptionsPage::ExchangeToPage(options);
  ShowOptionSets();
}

void CPageFiles::ExchangeToOptions(COptions& options) {
  dest_->setEditText(dest_->currentText().trimmed());
  OptionsPage::ExchangeToOptions(options);
  sheet_->set_destination_given(!options.m_strDestFolder.empty());
}

bool CPageFiles::SwitchOptionSet(const QString& path, bool create_new) {
  if (context_.option_set == nullptr) return false;
  // The save question saves what the pages show now.
  for (int i = 0; i < sheet_->page_count(); ++i) {
    OptionsPage* page = sheet_->page(i);
    if (page->initialised()) page->ExchangeToOptions(context_.options);
  }
  const std::string previous = OptionSetPath();
  const bool switched = context_.option_set->Switch(FromQt(path), create_new);
  if (switched) {
    context_.history.Remember(platform::HistoryList::kSet, previous);
    context_.history.Remember(platform::HistoryList::kSet, OptionSetPath());
    sheet_->ReloadPages();
  }
  ShowOptionSets();
  return switched;
}

}  // namespace vellix::gui
