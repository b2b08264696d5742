#include "shell/gui/page_facts.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "options/fact_kinds.h"
#include "shell/gui/form.h"
#include "shell/gui/help.h"

namespace vellix::gui {
namespace {

const QStringList kDisplayChoices = {"No", "Yes, at end of page", "Yes, within page"};

struct ButtonSpec {
  FactsButton which;
  const char* caption;
};

constexpr ButtonSpec kButtons[] = {
    {FactsButton::kAll, "&All"},
    {FactsButton::kNone, "&None"},
    {FactsButton::kComplement, "Co&mplement"},
    {FactsButton::kAllAtEnd, "All at End"},
    {FactsButton::kAllWithin, "All Within"},
    {FactsButton::kSwitch, "Switch"},
};

// A label as a caption: a "&" in it is shown, not taken as a shortcut.
QString CaptionOf(const std::string& label) {
  return QString::fromStdString(label).replace("&", "&&");
}

}  // namespace

FactBox::FactBox(int kind, QWidget* parent) : QCheckBox(parent), kind_(kind) {
  setTristate(true);
}

uint8_t FactBox::choice() const {
  switch (checkState()) {
    case Qt::Checked:
      return 1;
    case Qt::PartiallyChecked:
      return 2;
    case Qt::Unchecked:
      break;
  }
  return 0;
}

void FactBox::set_choice(uint8_t choice) {
  setCheckState(choice == 1   ? Qt::Checked
                : choice == 2 ? Qt::PartiallyChecked
                              : Qt::Unchecked);
}

void FactBox::nextCheckState() { set_choice(static_cast<uint8_t>((choice() + 1) % 3)); }

CPageFacts::CPageFacts(SheetContext& context, QWidget* parent)
    : OptionsPage(context, "Facts", "Notes && facts", topic::kFacts, parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->setSpacing(4);

  auto* notes = new QWidget(this);
  {
    Form form(notes, bindings_, paths_);
    form.Group("Notes and Other Information");
    form.Choice("Include alternate Birth, Marriage and Death (BMD) facts:",
                &COptions::m_nAltBmdFacts, kDisplayChoices);
    form.Choice("Include alternate names:", &COptions::m_nAltNames, kDisplayChoices);
    form.Choice("Include research notes:", &COptions::m_nResearchNotes, kDisplayChoices);
    form.Choice("Include marriage notes:", &COptions::m_nMarriageNotes, kDisplayChoices);
    form.Choice("Include medical notes:", &COptions::m_nMedicalNotes, kDisplayChoices);
    form.Column();
    form.Group("Notes");
    form.Check("Allow HTML in notes", &COptions::m_bHtmlNotes);
    fact_notes_ = form.Check("Include fact notes:", &COptions::m_bFactNotes);
    form.Indent(1);
    fact_notes_outside_ =
        form.Check("Exclude within family page", &COptions::m_bFactNotesOutside);
    form.Indent(0);
    form.Check("Repeat child's facts on parent's page", &COptions::m_bRepeatChildFacts);
    form.Stretch();
  }
  layout->addWidget(notes);

  auto* legend = new QWidget(this);
  auto* legend_row = new QHBoxLayout(legend);
  legend_row->setContentsMargins(10, 0, 10, 0);
  other_facts_ = new QCheckBox("&Include other facts:", legend);
  bindings_.Check(other_facts_, &COptions::m_bOtherFacts);
  legend_row->addWidget(other_facts_);
  legend_row->addSpacing(24);
  for (uint8_t choice = 0; choice < 3; ++choice) {
    auto* sample = new FactBox(-1, legend);
    sample->set_choice(choice);
    sample->setEnabled(false);
    sample->setText(choice == 0   ? "= Exclude"
                    : choice == 1 ? "= Include at end of family page"
                                  : "= Include within family page");
    legend_row->addWidget(sample);
  }
  legend_row->addStretch(1);
  layout->addWidget(legend);
  layout->addWidget(MakeBoxes(), 1);

  auto* button_row = new QHBoxLayout();
  button_row->setContentsMargins(10, 0, 10, 0);
  for (const ButtonSpec& spec : kButtons) {
    auto* button = new QPushButton(spec.caption, this);
    buttons_[static_cast<int>(spec.which)] = button;
    const FactsButton which = spec.which;
    connect(button, &QPushButton::clicked, this, [this, which] { ApplyButton(which); });
    button_row->addWidget(button);
  }
  button_row->addStretch(1);
  cancel_ = new QPushButton(" Cancel Changes", this);
  cancel_->setEnabled(false);
  connect(cancel_, &QPushButton::clicked, this, [this] {
    ShowChoices(context_.options.m_factInclude.data());
    cancel_->setEnabled(false);
  });
  button_row->addWidget(cancel_);
  layout->addLayout(button_row);

  connect(other_facts_, &QCheckBox::toggled, this, [this] { UpdateEnabled(); });
  auto update_notes = [this] {
    fact_notes_outside_->setEnabled(fact_notes_->isChecked());
  };
  connect(fact_notes_, &QCheckBox::toggled, this, update_notes);
  AddEnablingRule(update_notes);
}

QWidget* CPageFacts::MakeBoxes() {
  auto* holder = new QWidget(this);
  auto* row = new QHBoxLayout(holder);
  row->setContentsMargins(0, 0, 0, 0);
  struct Section {
    const char* title;
    std::span<const int> kinds;
    int columns;
  };
  const Section sections[] = {
      {"Individual-level Facts", IndividualFactKindOrder(), 3},
      {"Family-level Facts", FamilyFactKindOrder(), 1},
      {"User-defined Facts", UserFactKindOrder(), 1},
  };
  for (const Section& section : sections) {
    auto* group = new QGroupBox(section.title, holder);
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(8, 4, 8, 4);
    grid->setVerticalSpacing(1);
    const int count = static_cast<int>(section.kinds.size());
    const int per_column = (count + section.columns - 1) / section.columns;
    for (int i = 0; i < count; ++i) {
      const int kind = section.kinds[i];
      auto* box = new FactBox(kind, group);
      // The label comes with the option set; the name sizes the box until then.
      box->setText(CaptionOf(FactKindName(kind)));
      boxes_[kind] = box;
      grid->addWidget(box, i % per_column, i / per_column);
      connect(box, &QCheckBox::stateChanged, this, [this] { Changed(); });
    }
    grid->setRowStretch(per_column, 1);
    row->addWidget(group, section.columns);
  }
  return holder;
}

void CPageFacts::Changed() {
  if (!loading_) cancel_->setEnabled(true);
}

void CPageFacts::ShowChoices(const uint8_t* choices) {
  loading_ = true;
  for (int kind = 0; kind < kFactKindCount; ++kind) {
    boxes_[kind]->set_choice(has_label_[kind] ? choices[kind] : 0);
  }
  loading_ = false;
}

void CPageFacts::UpdateCaptions(const COptions& options) {
  for (int kind = 0; kind < kFactKindCount; ++kind) {
    const std::string label = ShownFactLabel(options, kind);
    has_label_[kind] = !IsUserFactKind(kind) || !label.empty();
    boxes_[kind]->setText(CaptionOf(label.empty() ? FactKindName(kind) : label));
    // A user-defined fact without a label cannot be included.
    if (!has_label_[kind] && boxes_[kind]->choice() != 0) {
      loading_ = true;
      boxes_[kind]->set_choice(0);
      loading_ = false;
    }
  }
  UpdateEnabled();
}

void CPageFacts::UpdateEnabled() {
  const bool on = other_facts_->isChecked();
  for (int kind = 0; kind < kFactKindCount; ++kind) {
    boxes_[kind]->setEnabled(on && has_label_[kind]);
  }
  for (QPushButton* button : buttons_) button->setEnabled(on);
}

void CPageFacts::ExchangeToPage(const COptions& options) {
  OptionsPage::ExchangeToPage(options);
  UpdateCaptions(options);
  ShowChoices(options.m_factInclude.data());
  cancel_->setEnabled(false);
}

void CPageFacts::ExchangeToOptions(COptions& options) {
  OptionsPage::ExchangeToOptions(options);
  for (int kind = 0; kind < kFactKindCount; ++kind) {
    options.m_factInclude[kind] = has_label_[kind] ? boxes_[kind]->choice() : 0;
  }
}

void CPageFacts::Activated() { UpdateCaptions(context_.options); }

void CPageFacts::ApplyButton(FactsButton which) {
  std::array<uint8_t, kFactKindCount> choices{};
  std::array<bool, kFactKindCount> enabled{};
  for (int kind = 0; kind < kFactKindCount; ++kind) {
    choices[kind] = boxes_[kind]->choice();
    enabled[kind] = boxes_[kind]->isEnabled();
  }
  ApplyFactsButton(which, choices, enabled);
  for (int kind = 0; kind < kFactKindCount; ++kind)
    boxes_[kind]->set_choice(choices[kind]);
}

}  // namespace vellix::gui
