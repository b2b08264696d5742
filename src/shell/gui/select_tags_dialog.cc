#include "shell/gui/select_tags_dialog.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "shell/gui/gedcom_input.h"
#include "shell/gui/option_bindings.h"
#include "shell/gui/options_page.h"

namespace vellix::gui {
namespace {

constexpr char kNeedTag[] =
    "Please specify a Custom Fact tag.\n\nThis is a custom fact label you create in your "
    "genealogy program.\nUse it to assign a unique value to each desired family.\nVELLIX "
    "will use these values to name your family web page files.";
constexpr char kNotFound[] =
    "No %1 was found.\n\nCorrect this in your genealogy software program and re-export a "
    "GEDCOM file. Or, choose a different reference numbering option.";
constexpr char kNotUnique[] =
    "Not all %1 values are unique!\n\nRe-number your families to avoid duplicate "
    "values.\n\nCorrect this in your genealogy software program and re-export a GEDCOM "
    "file.";
constexpr char kOnlySome[] =
    "Not every family record contains a %1.\n\nThose families that do not will be named "
    "using the Cross-reference Identifier.\n\nIf you intended that every family have a "
    "%1, click \"No\" now and use your genealogy program to add those tags to every "
    "family. Then re-export a GEDCOM file.\n\nDo you want untagged familes to be named "
    "using the Cross-reference Identifier?";

}  // namespace

std::string RefItemName(int refs, const std::string& tag) {
  if (refs == 1) return "User Reference Number (REFN tag)";
  if (refs == 2) return "Record ID Number (RIN tag)";
  return "Custom \"" + tag + "\" Fact tag";
}

SelectTagsDialog::SelectTagsDialog(Desktop& desktop, const FamilyRefChoice& current,
                                   Census census, QWidget* parent)
    : QDialog(parent),
      desktop_(desktop),
      current_(current),
      census_(std::move(census)),
      choices_(new QButtonGroup(this)),
      tag_(new QLineEdit(this)),
      prefix_(new QLineEdit(this)) {
  setWindowTitle("Select Tags");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(
      new QLabel("Which GEDCOM tags should be used to name family web page files?"));
  auto* grid = new QGridLayout();
  const char* captions[] = {"Cross-reference Identifier (default)",
                            "User Reference Number (REFN tag)",
                            "Automated Record ID Number (RIN tag)", "Custom Fact Tag:"};
  for (int id = 0; id < 4; ++id) {
    auto* radio = new QRadioButton(captions[id], this);
    choices_->addButton(radio, id);
    grid->addWidget(radio, id, 0);
  }
  grid->addWidget(tag_, 3, 1);
  auto* prefix_label = new QLabel("Prefix for untagged families:", this);
  prefix_label->setBuddy(prefix_);
  grid->addWidget(prefix_label, 4, 0);
  grid->addWidget(prefix_, 4, 1);
  layout->addLayout(grid);
  auto* buttons =
      new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &SelectTagsDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &SelectTagsDialog::reject);
  layout->addWidget(buttons);

  const int shown = current.refs >= 0 && current.refs <= 3 ? current.refs : 0;
  choices_->button(shown)->setChecked(true);
  tag_->setText(ToQt(current.tag));
  prefix_->setText(ToQt(current.prefix));
  auto update = [this] { tag_->setEnabled(choices_->checkedId() == 3); };
  connect(choices_, &QButtonGroup::idToggled, this, update);
  update();
}

FamilyRefChoice SelectTagsDialog::choice() const {
  FamilyRefChoice choice;
  choice.refs = choices_->checkedId();
  choice.tag = FromQt(tag_->text());
  choice.prefix = FromQt(prefix_->text());
  return choice;
}

bool SelectTagsDialog::CheckChoice() {
  const FamilyRefChoice chosen = choice();
  if (chosen.refs == current_.refs && chosen.tag == current_.tag) return true;
  const std::string tag = FromQt(tag_->text().trimmed());
  if (chosen.refs == 3 && tag.empty()) {
    desktop_.Show(this, BoxIcon::kExclamation, kNeedTag);
    return false;
  }
  if (chosen.refs == 0) return true;
  FamilyRefCensus census;
  if (!census_(chosen.refs, tag, &census)) return false;
  const QString item = ToQt(RefItemName(chosen.refs, tag));
  if (census.found_in_none()) {
    desktop_.Show(this, BoxIcon::kStop, QString(kNotFound).arg(item));
    return false;
  }
  if (!census.unique) {
    desktop_.Show(this, BoxIcon::kStop, QString(kNotUnique).arg(item));
    return false;
  }
  if (!census.found_in_all() &&
      !desktop_.Ask(this, BoxIcon::kQuestion, QString(kOnlySome).arg(item), true)) {
    return false;
  }
  if (chosen.refs == 3) tag_->setText(ToQt(tag));
  return true;
}

void SelectTagsDialog::accept() {
  // The census lets the window handle events while it reads the file; a
  // second OK meanwhile is ignored.
  if (checking_) return;
  checking_ = true;
  const bool accepted = CheckChoice();
  checking_ = false;
  if (accepted) QDialog::accept();
}

bool RunSelectTagsDialog(SheetContext& context, const std::string& gedcom,
                         FamilyRefChoice* choice, QWidget* parent) {
  QWidget* owner = parent;
  SelectTagsDialog dialog(
      context.desktop, *choice,
      [&](int refs, const std::string& tag, FamilyRefCensus* census) {
        return ReadGedcomFile(
            context, gedcom, "Converting Family Reference Numbers", owner,
            [&](GedcomReader& reader, RecordStore& store, platform::Progress& progress) {
              const FamilyRefCensusSet set =
                  TakeFamilyRefCensus(reader, store, refs == 3 ? tag : "", &progress);
              *census = refs == 1 ? set.refn : refs == 2 ? set.rin : set.custom;
            });
      },
      parent);
  owner = &dialog;
  if (dialog.exec() != QDialog::Accepted) return false;
  *choice = dialog.choice();
  return true;
}

}  // namespace vellix::gui
