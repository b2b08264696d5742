#include "shell/gui/page_labels.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "options/fact_kinds.h"
#include "options/option_defaults.h"
#include "shell/gui/fact_choices.h"
#include "shell/gui/form.h"
#include "shell/gui/help.h"

namespace vellix::gui {
namespace {

constexpr char kResetQuestion[] =
    "This action will clear all text labels and restore them to their original "
    "values.\nYou will lose any changes you have made, except for \"User-defined "
    "Facts,\" which will not be reset.\n\nDo you want to reset labels to their default "
    "values?";

struct Label {
  const char* caption;
  std::string COptions::*member;
};

struct LabelGroup {
  const char* title;
  std::vector<Label> labels;
};

// The label texts, by sub-tab ("Common" first, then "More") and group.
const std::vector<LabelGroup>& LabelGroups(bool common) {
  static const std::vector<LabelGroup> kCommon = {
      {"Group Sheet",
       {{"Husband:", &COptions::m_strLblHusband},
        {"Wife:", &COptions::m_strLblWife},
        {"Born:", &COptions::m_strLblBorn},
        {"Married:", &COptions::m_strLblMarried},
        {"Died:", &COptions::m_strLblDied},
        {"Before a place:", &COptions::m_strLblIn},
        {"Father:", &COptions::m_strLblFather},
        {"Mother:", &COptions::m_strLblMother},
        {"Other spouses:", &COptions::m_strLblSpouses},
        {"Male:", &COptions::m_strLblMale},
        {"Female:", &COptions::m_strLblFemale},
        {"Name column:", &COptions::m_strLblName}}},
      {"Section Titles",
       {{"Children:", &COptions::m_strLblChildren},
        {"Additional information:", &COptions::m_strLblAdditional},
        {"Footnotes:", &COptions::m_strLblFootnotes},
        {"After a count of individuals:", &COptions::m_strLblIndividualsIn},
        {"After a count of families:", &COptions::m_strLblFamilies},
        {"Most common surnames:", &COptions::m_strLblCommonSurnames}}},
      {"Navigation Links",
       {{"Home:", &COptions::m_strNavHome},
        {"Surnames:", &COptions::m_strNavSurnames},
        {"Index:", &COptions::m_strNavIndex},
        {"Next:", &COptions::m_strNavNext},
        {"Prior:", &COptions::m_strNavPrior},
        {"Group Sheet:", &COptions::m_strNavGroupSheet},
        {"Bibliography:", &COptions::m_strNavBiblio},
        {"Repository:", &COptions::m_strNavRepository},
        {"Gallery:", &COptions::m_strNavGallery},
        {"Link Separator:", &COptions::m_strNavSeparator}}},
  };
  static const std::vector<LabelGroup> kMore = {
      {"Other",
       {{"Notes:", &COptions::m_strLblNotes},
        {"Marriage notes:", &COptions::m_strLblMarriageNotes},
        {"Medical notes:", &COptions::m_strLblMedicalNotes},
        {"Revised:", &COptions::m_strLblRevised},
        {"Revision Date Format:", &COptions::m_strRevisedFormat},
        {"Unknown surname:", &COptions::m_strLblUnknownSurname},
        {"Continued list:", &COptions::m_strLblContinued},
        {"Repeated citation:", &COptions::m_strLblIbid}}},
      {"Bibliography",
       {{"Agency:", &COptions::m_strBibAgency},
        {"Changed:", &COptions::m_strBibChanged},
        {"E-Mail:", &COptions::m_strBibEmail},
        {"Event:", &COptions::m_strBibEvent},
        {"FAX:", &COptions::m_strBibFax},
        {"Period:", &COptions::m_strBibPeriod},
        {"Phone:", &COptions::m_strBibPhone},
        {"Place:", &COptions::m_strBibPlace},
        {"Quality:", &COptions::m_strBibQuality},
        {"Reference:", &COptions::m_strBibReference},
        {"Role:", &COptions::m_strBibRole},
        {"Website:", &COptions::m_strBibWebsite}}},
  };
  return common ? kCommon : kMore;
}

// Fact kinds with a label of their own (not user-defined, not redirected),
// sorted by name; the first half goes to "Facts (A-M)".
std::vector<int> NamedFactKinds(bool first_half) {
  std::vector<int> kinds;
  for (int kind = 0; kind < kFactKindCount; ++kind) {
    if (IsUserFactKind(kind) || kind == 52 || kind == 59 || kind == 61) continue;
    const char* name = FactKindName(kind);
    // "... other facts" sorts after the letters.
    const char first = name[0] == '.' ? 'Z' : name[0];
    if ((first <= 'M') == first_half) kinds.push_back(kind);
  }
  const auto key = [](int kind) {
    const std::string name = FactKindName(kind);
    return name[0] == '.' ? "~" + name : name;
  };
  std::stable_sort(kinds.begin(), kinds.end(),
                   [&key](int a, int b) { return key(a) < key(b); });
  return kinds;
}

// The caption of a fact label field; the two "other facts" entries say
// whose they are.
QString FactCaption(int kind) {
  if (kind == 49) return "Individual other facts:";
  if (kind == 50) return "Family other facts:";
  return QString(FactKindName(kind)) + ":";
}

}  // namespace

void ResetLabels(COptions& options) {
  const COptions& defaults = options::DefaultOptions();
  for (bool common : {true, false}) {
    for (const LabelGroup& group : LabelGroups(common)) {
      for (const Label& label : group.labels)
        options.*label.member = defaults.*label.member;
    }
  }
  if (options.m_factLabels.size() != static_cast<size_t>(kFactKindCount)) {
    options.m_factLabels.resize(kFactKindCount);
  }
  options::SetDefaultFactLabels(options, 0, kFactKindCount - 1);
}

CPageLabels::CPageLabels(SheetContext& context, QWidget* parent)
    : OptionsPage(context, "Labels", "Labels && prompts", topic::kLabels, parent),
      tabs_(MakeTabs(this)),
      reset_(new QPushButton("&Reset to Defaults", this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(tabs_, 1);
  for (bool common : {true, false}) {
    auto* page = new QWidget;
    Form form(page, bindings_, paths_);
    bool first = true;
    for (const LabelGroup& group : LabelGroups(common)) {
      if (!first) {
        form.Stretch();
        form.Column();
      }
      first = false;
      form.Group(group.title);
      for (const Label& label : group.labels) form.Text(label.caption, label.member);
    }
    if (!common) {
      form.Group("");
      form.Check("Omit label when field is empty", &COptions::m_bOmitEmptyLabels);
    }
    form.Stretch();
    tabs_->addTab(page, common ? "Common" : "More");
  }
  tabs_->addTab(MakeFactTab(true), "Facts (A-M)");
  tabs_->addTab(MakeFactTab(false), "Facts (N-Z)");
  tabs_->addTab(MakeUserFacts(), "User-defined Facts");
  layout->addWidget(reset_, 0, Qt::AlignRight);
  connect(reset_, &QPushButton::clicked, this, [this] { Reset(); });
}

QWidget* CPageLabels::MakeFactTab(bool first_half) {
  auto* page = new QWidget;
  Form form(page, bindings_, paths_);
  const std::vector<int> kinds = NamedFactKinds(first_half);
  const size_t per_column = (kinds.size() + 2) / 3;
  for (size_t i = 0; i < kinds.size(); ++i) {
    if (i % per_column == 0) {
      if (i > 0) {
        form.Stretch();
        form.Column();
      }
      form.Group("");
    }
    fact_fields_[kinds[i]] = new QLineEdit;
    form.Row(FactCaption(kinds[i]), fact_fields_[kinds[i]]);
  }
  form.Stretch();
  return page;
}

QWidget* CPageLabels::MakeUserFacts() {
  auto* page = new QWidget;
  Form form(page, bindings_, paths_);
  const std::span<const int> kinds = UserFactKindOrder();
  for (size_t i = 0; i < kinds.size(); ++i) {
    if (i % 7 == 0) {
      if (i > 0) {
        form.Stretch();
        form.Column();
      }
      form.Group("");
    }
    fact_fields_[kinds[i]] = new QLineEdit;
    form.Row(FactCaption(kinds[i]), fact_fields_[kinds[i]]);
  }
  form.Stretch();
  return page;
}

void CPageLabels::ExchangeToPage(const COptions& options) {
  OptionsPage::ExchangeToPage(options);
  for (int kind = 0; kind < kFactKindCount; ++kind) {
    if (fact_fields_[kind] != nullptr) {
      fact_fields_[kind]->setText(ToQt(ShownFactLabel(options, kind)));
    }
  }
}

void CPageLabels::ExchangeToOptions(COptions& options) {
  OptionsPage::ExchangeToOptions(options);
  if (options.m_factLabels.size() != static_cast<size_t>(kFactKindCount)) {
    options.m_factLabels.resize(kFactKindCount);
  }
  for (int kind = 0; kind < kFactKindCount; ++kind) {
    if (fact_fields_[kind] != nullptr) {
      options.SetFactLabel(kind, FromQt(fact_fields_[kind]->text()));
    }
  }
  // The family entries that show an individual label keep that text too.
  options.SetFactLabel(52, options.m_factLabels[8]);
  options.SetFactLabel(61, options.m_factLabels[29]);
  options.SetFactLabel(59, options.m_strLblMarried);
}

void CPageLabels::Reset() {
  if (!context_.desktop.Ask(this, BoxIcon::kQuestion, kResetQuestion, true)) return;
  COptions shown = context_.options;
  ExchangeToOptions(shown);
  ResetLabels(shown);
  ExchangeToPage(shown);
}

}  // namespace vellix::gui
