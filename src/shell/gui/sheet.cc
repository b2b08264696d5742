#include "shell/gui/sheet.h"

#include <QDialogButtonBox>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include "platform/app_paths.h"
#include "shell/gui/help.h"
#include "shell/gui/page_attributes.h"
#include "shell/gui/page_custom.h"
#include "shell/gui/page_extras.h"
#include "shell/gui/page_facts.h"
#include "shell/gui/page_features.h"
#include "shell/gui/page_files.h"
#include "shell/gui/page_headers.h"
#include "shell/gui/page_labels.h"
#include "shell/gui/page_program.h"

namespace vellix::gui {
namespace {

constexpr char kNoDestination[] = "Please specify a Destination Folder.";

}  // namespace

CSheet::CSheet(SheetContext& context, QWidget* parent)
    : QDialog(parent), context_(context), tabs_(new QTabWidget(this)) {
  setWindowTitle(QString::fromUtf8(platform::kProductName) + " Options");
  pages_ = {new CPageFiles(context, this), new CPageAttributes(context),
            new CPageHeaders(context),     new CPageCustom(context),
            new CPageFeatures(context),    new CPageFacts(context),
            new CPageLabels(context),      new CPageProgram(context),
            new CPageExtras(context)};
  tabs_->setUsesScrollButtons(false);
  for (OptionsPage* page : pages_) {
    const int index = tabs_->addTab(page, page->caption());
    tabs_->setTabToolTip(index, QString(page->tool_tip()).replace("&&", "&"));
  }

  buttons_ = new QDialogButtonBox(this);
  buttons_->addButton("&OK", QDialogButtonBox::AcceptRole);
  buttons_->addButton("&Cancel", QDialogButtonBox::RejectRole);
  help_button_ = buttons_->addButton("&Help", QDialogButtonBox::HelpRole);
  connect(buttons_, &QDialogButtonBox::accepted, this, &CSheet::accept);
  connect(buttons_, &QDialogButtonBox::rejected, this, &CSheet::reject);
  connect(buttons_, &QDialogButtonBox::helpRequested, this,
          [this] { ShowCurrentHelp(); });
  auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
  connect(f1, &QShortcut::activated, this, [this] { ShowCurrentHelp(); });

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 8, 8, 8);
  layout->addWidget(tabs_);
  layout->addWidget(buttons_);

  connect(tabs_, &QTabWidget::currentChanged, this,
          [this](int index) { TabChanged(index); });
  tabs_->setCurrentIndex(kFiles);
  ShowTab(kFiles);
}

void CSheet::ShowTab(int index) {
  current_ = index;
  OptionsPage* shown = pages_[index];
  if (!shown->initialised()) shown->Initialise(context_.options);
  shown->Activated();
  help_button_->setToolTip("Help on " + shown->caption() + " Tab");
}

void CSheet::TabChanged(int index) {
  if (index == current_ || index < 0) return;
  OptionsPage* leaving = pages_[current_];
  if (leaving->initialised()) {
    if (!leaving->Validate()) {
      const QSignalBlocker block(tabs_);
      tabs_->setCurrentIndex(current_);
      return;
    }
    leaving->ExchangeToOptions(context_.options);
  }
  if (index != kFiles && !destination_given_) {
    context_.desktop.Show(this, BoxIcon::kExclamation, kNoDestination);
    const QSignalBlocker block(tabs_);
    tabs_->setCurrentIndex(kFiles);
    if (current_ != kFiles) ShowTab(kFiles);
    return;
  }
  ShowTab(index);
}

void CSheet::ExchangePagesToOptions() {
  for (OptionsPage* page : pages_) {
    if (page->initialised()) page->ExchangeToOptions(context_.options);
  }
}

void CSheet::ReloadPages() {
  for (OptionsPage* page : pages_) {
    if (!page->initialised()) continue;
    page->RefreshHistory();
    page->ExchangeToPage(context_.options);
  }
}

void CSheet::ShowCurrentHelp() {
  ShowHelp(context_.desktop, this, pages_[tabs_->currentIndex()]->help_topic(),
           context_.app_folder);
}

void CSheet::accept() {
  OptionsPage* current = pages_[current_];
  if (current->initialised() && !current->Validate()) return;
  for (OptionsPage* page : pages_) {
    if (!page->initialised()) continue;
    page->ExchangeToOptions(context_.options);
    page->RememberHistory();
  }
  QDialog::accept();
}

void FinishOptionsDialog(CurrentOptionSet& option_set, bool accepted) {
  if (accepted) {
    option_set.Save();
  } else {
    option_set.options().LoadOptions(option_set.file());
  }
}

bool RunOptionsDialog(SheetContext& context, QWidget* parent) {
  CSheet sheet(context, parent);
  const bool accepted = sheet.exec() == QDialog::Accepted;
  if (context.option_set != nullptr) FinishOptionsDialog(*context.option_set, accepted);
  return accepted;
}

}  // namespace vellix::gui
