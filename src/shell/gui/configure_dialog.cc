#include "shell/gui/configure_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFont>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "model/configure_entries.h"
#include "platform/settings_store.h"
#include "shell/gui/gedcom_input.h"
#include "shell/gui/help.h"
#include "shell/gui/option_bindings.h"
#include "shell/gui/options_page.h"

namespace vellix::gui {
namespace {

using options::AttributeFileKind;
using options::AttributeOwner;
using options::AttributesConfigure;
using options::ConfigureEntry;
using options::ConfigureSortSettings;

// References wider than this do not widen the reference column further.
constexpr int kMaxReferenceWidth = 12;

bool IsFamilies(const AttributesConfigure& session) {
  return session.owner() == AttributeOwner::kFamilies;
}

}  // namespace

ConfigureDialog::ConfigureDialog(SheetContext& context, AttributesConfigure& session,
                                 QWidget* parent)
    : QDialog(parent),
      context_(context),
      session_(session),
      prompter_(context.desktop, this),
      list_(new QListWidget(this)) {
  const bool families = IsFamilies(session);
  setWindowTitle(ToQt(session.Title()));

  QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  fixed.setFamilies({"Courier New", fixed.family()});
  fixed.setBold(true);
  list_->setFont(fixed);
  list_->setUniformItemSizes(true);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setMinimumSize(QFontMetrics(fixed).horizontalAdvance(QString(60, 'M')), 300);

  auto* sort_row = new QHBoxLayout();
  sort_row->addWidget(new QLabel("Sort by:"));
  sort_ = new QButtonGroup(this);
  const QStringList orders = families ? QStringList{"&Husband", "&Wife", "&Reference"}
                                      : QStringList{"&Name", "&Reference"};
  for (int id = 0; id < orders.size(); ++id) {
    auto* radio = new QRadioButton(orders[id], this);
    sort_->addButton(radio, id);
    sort_row->addWidget(radio);
  }
  const ConfigureSortSettings& sort = session.sort();
  const int order = families ? sort.families : sort.individuals;
  if (QAbstractButton* button = sort_->button(order)) button->setChecked(true);
  if (!families) {
    aliases_ = new QCheckBox("&Aliases", this);
    aliases_->setChecked(sort.aliases);
    sort_row->addSpacing(12);
    sort_row->addWidget(aliases_);
    connect(aliases_, &QCheckBox::toggled, this, [this] { Resort(); });
  }
  sort_row->addStretch(1);
  connect(sort_, &QButtonGroup::idClicked, this, [this] { Resort(); });

  // A read-only field: a long name scrolls instead of widening the window.
  entry_line_ = new QLineEdit(this);
  entry_line_->setReadOnly(true);
  entry_line_->setFrame(false);
  auto* grid = new QGridLayout();
  const QStringList captions =
      families ? QStringList{"Narrative web page:", "Imported text file:",
                             "Group image file:", "Image caption:"}
               : QStringList{"Biography web page:", "Relationship text:",
                             "Individual image file:", "Image caption:"};
  for (int f = kLink; f <= kCaption; ++f) {
    auto* edit = new QLineEdit(this);
    auto* label = new QLabel(captions[f], this);
    label->setBuddy(edit);
    fields_[f] = edit;
    grid->addWidget(label, f, 0);
    grid->addWidget(edit, f, 1);
    const bool names_file = f == kLink || f == kImage || (f == kText && families);
    if (names_file) {
      auto* button = new QPushButton("Browse...", this);
      browse_[f] = button;
      grid->addWidget(button, f, 2);
      connect(button, &QPushButton::clicked, this,
              [this, f] { Browse(static_cast<Field>(f)); });
    }
    connect(edit, &QLineEdit::editingFinished, this, [this] { CommitFields(); });
  }
  grid->setColumnStretch(1, 1);

  clear_ = new QPushButton("Clear attributes for the highlighted entry", this);
  clear_all_ = new QPushButton("Clear attributes for all entries", this);
  purge_ = new QPushButton("&Purge", this);
  auto* clear_row = new QHBoxLayout();
  clear_row->addWidget(clear_);
  clear_row->addWidget(clear_all_);
  clear_row->addWidget(purge_);
  clear_row->addStretch(1);
  connect(clear_, &QPushButton::clicked, this, [this] {
    if (current_.empty()) return;
    session_.Clear(current_);
    ShowEntry();
    RefreshRows();
    UpdateStatus();
  });
  connect(clear_all_, &QPushButton::clicked, this, [this] {
    CommitFields();
    if (!session_.ClearAll(prompter_)) return;
    ShowEntry();
    RefreshRows();
    UpdateStatus();
  });
  connect(purge_, &QPushButton::clicked, this, [this] {
    CommitFields();
    if (!session_.Purge(prompter_)) return;
    UpdateStatus();
  });

  status_ = new QLabel(this);
  status_->setTextFormat(Qt::PlainText);

  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton("&OK", QDialogButtonBox::AcceptRole);
  buttons->addButton("&Cancel", QDialogButtonBox::RejectRole);
  help_ = buttons->addButton("&Help", QDialogButtonBox::HelpRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &ConfigureDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &ConfigureDialog::reject);
  auto show_help = [this] {
    ShowHelp(context_.desktop, this, topic::kConfigure, context_.app_folder);
  };
  connect(buttons, &QDialogButtonBox::helpRequested, this, show_help);
  connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this,
          show_help);
  connect(new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Down), this),
          &QShortcut::activated, this, [this] { MoveToNextWithAttributes(); });
  connect(new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Up), this), &QShortcut::activated,
          this, [this] { MoveToPriorWithAttributes(); });

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(sort_row);
  layout->addWidget(list_, 1);
  layout->addWidget(entry_line_);
  layout->addLayout(grid);
  layout->addLayout(clear_row);
  layout->addWidget(status_);
  layout->addWidget(buttons);

  for (const ConfigureEntry& entry : session.entries()) {
    reference_width_ =
        std::max(reference_width_, static_cast<int>(entry.reference.size()));
  }
  reference_width_ = std::min(reference_width_, kMaxReferenceWidth);
  FillList();
  connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
    CommitFields();
    current_ = row >= 0 && static_cast<size_t>(row) < session_.entries().size()
                   ? session_.entries()[row].reference
                   : std::string();
    ShowEntry();
  });
  const std::optional<size_t> first = session.NextWithAttributes(std::nullopt);
  if (!session.entries().empty()) SelectRow(first ? static_cast<int>(*first) : 0);
  ShowEntry();
  UpdateStatus();
}

QString ConfigureDialog::RowText(size_t row) {
  const ConfigureEntry& entry = session_.entries()[row];
  const bool has = session_.Find(entry.reference) != nullptr;
  return QString("%1 %2  %3")
      .arg(has ? "*" : " ")
      .arg(ToQt(entry.reference), -reference_width_)
      .arg(ToQt(session_.EntryText(entry)));
}

void ConfigureDialog::FillList() {
  const QSignalBlocker block(list_);
  list_->clear();
  int selected = -1;
  for (size_t row = 0; row < session_.entries().size(); ++row) {
    list_->addItem(RowText(row));
    if (session_.entries()[row].reference == current_) selected = static_cast<int>(row);
  }
  list_->setCurrentRow(selected);
}

void ConfigureDialog::RefreshRows() {
  for (size_t row = 0; row < session_.entries().size(); ++row) {
    QListWidgetItem* item = list_->item(static_cast<int>(row));
    const QString text = RowText(row);
    if (item->text() != text) item->setText(text);
  }
}

void ConfigureDialog::SelectRow(int row) {
  list_->setCurrentRow(row);
  if (QListWidgetItem* item = list_->item(row)) list_->scrollToItem(item);
}

void ConfigureDialog::MoveToNextWithAttributes() {
  CommitFields();
  const int row = list_->currentRow();
  const auto next =
      session_.NextWithAttributes(row >= 0 ? std::optional<size_t>(row) : std::nullopt);
  if (next) SelectRow(static_cast<int>(*next));
}

void ConfigureDialog::MoveToPriorWithAttributes() {
  CommitFields();
  const int row = list_->currentRow();
  const auto prior =
      session_.PriorWithAttributes(row >= 0 ? std::optional<size_t>(row) : std::nullopt);
  if (prior) SelectRow(static_cast<int>(*prior));
}

void ConfigureDialog::ShowEntry() {
  const CAttributes* values = current_.empty() ? nullptr : session_.Find(current_);
  const std::string* texts[] = {
      values ? &values->m_strLink : nullptr, values ? &values->m_strText : nullptr,
      values ? &values->m_strImage : nullptr, values ? &values->m_strCaption : nullptr};
  for (int f = kLink; f <= kCaption; ++f) {
    const QSignalBlocker block(fields_[f]);
    fields_[f]->setText(texts[f] ? ToQt(*texts[f]) : QString());
    fields_[f]->setEnabled(!current_.empty());
    if (browse_[f]) browse_[f]->setEnabled(!current_.empty());
  }
  clear_->setEnabled(!current_.empty());
  const int row = list_->currentRow();
  entry_line_->setText(
      row >= 0 && !current_.empty()
          ? ToQt(current_ + "  " + session_.EntryText(session_.entries()[row]))
          : QString());
  entry_line_->setCursorPosition(0);
}

void ConfigureDialog::CommitFields() {
  if (current_.empty()) return;
  CAttributes shown;
  shown.m_strReference = current_;
  shown.m_strLink = FromQt(fields_[kLink]->text());
  shown.m_strText = FromQt(fields_[kText]->text());
  shown.m_strImage = FromQt(fields_[kImage]->text());
  shown.m_strCaption = FromQt(fields_[kCaption]->text());
  const CAttributes* stored = session_.Find(current_);
  if (stored != nullptr ? *stored == shown
                        : shown.m_strLink.empty() && shown.m_strText.empty() &&
                              shown.m_strImage.empty() && shown.m_strCaption.empty()) {
    return;
  }
  session_.Set(current_, shown);
  RefreshRows();
  UpdateStatus();
}

void ConfigureDialog::UpdateStatus() {
  QStringList lines;
  for (const std::string& line : session_.StatusLines()) lines << ToQt(line);
  status_->setText(lines.join('\n'));
  purge_->setEnabled(session_.CanPurge());
  purge_->setToolTip(ToQt(session_.PurgeToolTip()));
}

AttributeFileKind ConfigureDialog::KindOf(Field field) const {
  if (IsFamilies(session_)) {
    if (field == kLink) return AttributeFileKind::kNarrative;
    if (field == kText) return AttributeFileKind::kImportText;
    return AttributeFileKind::kGroupImage;
  }
  return field == kLink ? AttributeFileKind::kBiography
                        : AttributeFileKind::kIndividualImage;
}

void ConfigureDialog::Browse(Field field) {
  if (current_.empty()) return;
  CommitFields();
  const int row = list_->currentRow();
  const AttributeFileKind kind = KindOf(field);
  const std::string name =
      row >= 0 ? session_.EntryText(session_.entries()[row]) : current_;
  FileRequest request;
  request.title = ToQt(options::FileDialogTitle(kind, name));
  request.filter = ToQt(options::FileDialogFilter(kind));
  request.start = ToQt(options::KindFolderPath(kind, session_.folders(),
                                               context_.options.m_strDestFolder));
  const std::optional<QString> chosen = context_.desktop.OpenFile(this, request);
  if (!chosen) return;
  session_.ChooseFile(current_, kind, FromQt(*chosen), prompter_);
  ShowEntry();
  RefreshRows();
  UpdateStatus();
}

void ConfigureDialog::Resort() {
  CommitFields();
  ConfigureSortSettings sort = session_.sort();
  const int order = sort_->checkedId();
  if (IsFamilies(session_)) {
    sort.families = order;
    context_.settings.SetInt("Options", "SortDlgFam", order);
  } else {
    sort.individuals = order;
    sort.aliases = aliases_->isChecked();
    context_.settings.SetInt("Options", "SortDlgInd", order);
    context_.settings.SetInt("Options", "Alias", sort.aliases ? 1 : 0);
  }
  session_.SetSort(sort);
  FillList();
  if (QListWidgetItem* item = list_->currentItem()) list_->scrollToItem(item);
  ShowEntry();
}

void ConfigureDialog::accept() {
  CommitFields();
  QDialog::accept();
}

void ConfigureDialog::reject() {
  CommitFields();
  if (!session_.ConfirmDiscard(prompter_)) return;
  QDialog::reject();
}

bool RunConfigureDialog(SheetContext& context, AttributeOwner owner, QWidget* parent) {
  const std::optional<std::string> gedcom =
      CheckedGedcomFile(context, parent, kTabGedcomMessages);
  if (!gedcom) return false;
  const bool families = owner == AttributeOwner::kFamilies;
  std::vector<ConfigureEntry> entries;
  if (!ReadGedcomFile(context, *gedcom,
                      families ? "Preparing Families" : "Preparing Individuals", parent,
                      [&](GedcomReader& reader, RecordStore& store, platform::Progress&) {
                        entries = ListConfigureEntries(reader, store, owner);
                      })) {
    return false;
  }
  AttributesConfigure session(owner, context.options, std::move(entries),
                              options::ReadConfigureSortSettings(context.settings));
  ConfigureDialog dialog(context, session, parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  session.ApplyTo(context.options);
  return true;
}

}  // namespace vellix::gui
