#include "shell/gui/gedcom_info_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <initializer_list>
#include <optional>
#include <utility>

#include "shell/gui/gedcom_input.h"
#include "shell/gui/help.h"
#include "shell/gui/option_bindings.h"
#include "shell/gui/options_page.h"

namespace vellix::gui {
namespace {

using Row = std::pair<QString, std::string>;

}  // namespace

GedcomInfoDialog::GedcomInfoDialog(SheetContext& context, const GedcomFileInfo& info,
                                   QWidget* parent)
    : QDialog(parent) {
  setWindowTitle("GEDCOM File Information");
  auto* layout = new QVBoxLayout(this);
  auto add_group = [&](QBoxLayout* into, const QString& title,
                       std::initializer_list<Row> rows) {
    auto* group = new QGroupBox(title, this);
    auto* form = new QFormLayout(group);
    lines_ << title;
    for (const Row& row : rows) {
      // Read-only fields: long header texts scroll instead of widening the
      // window, and can be copied.
      auto* value = new QLineEdit(ToQt(row.second), group);
      value->setReadOnly(true);
      value->setCursorPosition(0);
      value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QString(28, 'x')));
      form->addRow(row.first, value);
      lines_ << row.first + " " + value->text();
    }
    into->addWidget(group);
  };
  const HeaderInfo& h = info.header;
  auto* header = new QHBoxLayout();
  auto* left = new QVBoxLayout();
  add_group(left, "Created By",
            {{"Source ID:", h.sourceId},
             {"Product:", h.sourceName},
             {"Version:", h.sourceVersion}});
  add_group(left, "GEDCOM Standard",
            {{"Version:", h.gedcomVersion},
             {"Character Set:", h.characterSet},
             {"Language:", h.language}});
  left->addStretch(1);
  auto* right = new QVBoxLayout();
  add_group(right, "Data",
            {{"Source:", h.sourceData},
             {"Date:", h.sourceDataDate},
             {"Destination ID:", h.destination},
             {"Date:", h.date},
             {"Original Name:", h.fileName}});
  right->addStretch(1);
  header->addLayout(left, 1);
  header->addLayout(right, 1);
  layout->addLayout(header);

  auto* counts = new QHBoxLayout();
  add_group(counts, "Records",
            {{"Families:", std::to_string(info.families)},
             {"Individuals:", std::to_string(info.individuals)}});
  layout->addLayout(counts);
  const FamilyRefCensusSet& c = info.census;
  auto* census = new QHBoxLayout();
  add_group(census, "Family Record Reference Numbers",
            {{"User Reference Numbers (REFN):", CensusText(c.refn)},
             {"Record ID Numbers (RIN):", CensusText(c.rin)},
             {"Custom tag: " + ToQt(c.custom_tag), CensusText(c.custom)}});
  layout->addLayout(census);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* close = buttons->addButton("Close", QDialogButtonBox::RejectRole);
  close->setDefault(true);
  close->setFocus();
  help_ = buttons->addButton("&Help", QDialogButtonBox::HelpRole);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto show_help = [this, &context] {
    ShowHelp(context.desktop, this, topic::kGedcomInfo, context.app_folder);
  };
  connect(buttons, &QDialogButtonBox::helpRequested, this, show_help);
  connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this,
          show_help);
  layout->addWidget(buttons);
}

bool RunGedcomInfoDialog(SheetContext& context, QWidget* parent) {
  const std::optional<std::string> gedcom =
      CheckedGedcomFile(context, parent, kInfoGedcomMessages);
  if (!gedcom) return false;
  GedcomFileInfo info;
  const std::string tag = context.options.m_strFamilyRefTag;
  if (!ReadGedcomFile(
          context, *gedcom, "Gathering Information", parent,
          [&](GedcomReader& reader, RecordStore& store, platform::Progress& progress) {
            info = GatherGedcomFileInfo(reader, store, tag, &progress);
          })) {
    return false;
  }
  GedcomInfoDialog dialog(context, info, parent);
  dialog.exec();
  return true;
}

}  // namespace vellix::gui
