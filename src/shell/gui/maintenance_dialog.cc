#include "shell/gui/maintenance_dialog.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "platform/app_paths.h"
#include "shell/gui/help.h"

namespace vellix::gui {
namespace {

constexpr char kClearQuestion[] =
    "This action will delete all entries in all history lists.\nIt will not delete the "
    "actual files or folders.\n\nClear all history list items?";

// A titled group of radio buttons whose ids are 0, 1, 2...
QButtonGroup* SortGroup(const QString& title, const QStringList& captions,
                        QWidget* parent, QVBoxLayout* into) {
  auto* box = new QGroupBox(title, parent);
  auto* layout = new QVBoxLayout(box);
  auto* group = new QButtonGroup(box);
  for (int id = 0; id < captions.size(); ++id) {
    auto* radio = new QRadioButton(captions[id], box);
    group->addButton(radio, id);
    layout->addWidget(radio);
  }
  into->addWidget(box);
  return group;
}

void CheckSaved(QButtonGroup* group, int value) {
  QAbstractButton* button = group->button(value);
  if (button == nullptr) button = group->button(0);
  button->setChecked(true);
}

}  // namespace

MaintenanceDialog::MaintenanceDialog(Desktop& desktop, platform::SettingsStore& settings,
                                     platform::HistoryLists& history,
                                     std::string app_folder, QWidget* parent)
    : QDialog(parent),
      desktop_(desktop),
      settings_(settings),
      history_(history),
      app_folder_(std::move(app_folder)),
      maximum_(new QSpinBox),
      clear_(new QPushButton("Clear All Lists")) {
  setWindowTitle(QString::fromUtf8(platform::kProductName) + " Maintenance");
  auto* tabs = new QTabWidget(this);

  auto* lists = new QWidget;
  auto* lists_layout = new QVBoxLayout(lists);
  auto* form = new QFormLayout();
  maximum_->setRange(0, platform::kMaxHistoryMaximum);
  maximum_->setValue(history_.Maximum());
  form->addRow("Maximum items per list:", maximum_);
  lists_layout->addLayout(form);
  lists_layout->addWidget(clear_, 0, Qt::AlignLeft);
  lists_layout->addStretch(1);
  tabs->addTab(lists, "History Lists");
  connect(clear_, &QPushButton::clicked, this, [this] { ClearAll(); });

  auto* log = new QWidget;
  auto* log_layout = new QVBoxLayout(log);
  individuals_ = SortGroup("Sort table of individuals by:", {"Name", "Reference ID"}, log,
                           log_layout);
  families_ = SortGroup("Sort table of families by:", {"Husband", "Wife", "Reference ID"},
                        log, log_layout);
  log_layout->addStretch(1);
  tabs->addTab(log, "Log File");
  CheckSaved(individuals_, settings_.GetInt("Options", "SortLogInd", 0));
  CheckSaved(families_, settings_.GetInt("Options", "SortLogFam", 0));

  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton("Close", QDialogButtonBox::AcceptRole);
  QPushButton* help = buttons->addButton("&Help", QDialogButtonBox::HelpRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  auto show_help = [this] { ShowHelp(desktop_, this, topic::kMaintain, app_folder_); };
  connect(help, &QPushButton::clicked, this, show_help);
  connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this,
          show_help);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs);
  layout->addWidget(buttons);
}

void MaintenanceDialog::ClearAll() {
  if (desktop_.Ask(this, BoxIcon::kQuestion, kClearQuestion, true)) history_.ClearAll();
}

void MaintenanceDialog::done(int result) {
  history_.SetMaximum(maximum_->value());
  settings_.SetInt("Options", "SortLogInd", individuals_->checkedId());
  settings_.SetInt("Options", "SortLogFam", families_->checkedId());
  QDialog::done(result);
}

}  // namespace vellix::gui
