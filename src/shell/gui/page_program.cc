#include "shell/gui/page_program.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <vector>

#include "model/dialects.h"
#include "options/option_defaults.h"
#include "platform/app_paths.h"
#include "platform/file_system.h"
#include "shell/gui/form.h"
#include "shell/gui/gedcom_input.h"
#include "shell/gui/help.h"
#include "shell/gui/select_tags_dialog.h"

namespace vellix::gui {
namespace {

constexpr char kResetQuestion[] =
    "This action will clear all Program tab constants and restore them to their "
    "original values.\nYou will lose any changes you have made.\n\nDo you want to reset "
    "constants to their default values?";

using Member = std::string COptions::*;

// The date words: the words looked for and the text shown for them.
struct DateWords {
  const char* title;
  std::vector<Member> words;
  Member shown;
};

const std::vector<DateWords>& AllDateWords() {
  static const std::vector<DateWords> kWords = {
      {"About",
       {&COptions::m_strDateAbt, &COptions::m_strDateAbout, &COptions::m_strDateCirca,
        &COptions::m_strDateCa, &COptions::m_strDateCir, &COptions::m_strDateEst},
       &COptions::m_strShowAbout},
      {"Between",
       {&COptions::m_strDateBet, &COptions::m_strDateBtn},
       &COptions::m_strShowBetween},
      {"Range",
       {&COptions::m_strDateHyphen, &COptions::m_strDateTo, &COptions::m_strDateAnd},
       &COptions::m_strShowHyphen},
      {"Before", {&COptions::m_strDateBef}, &COptions::m_strShowBefore},
      {"After", {&COptions::m_strDateAft}, &COptions::m_strShowAfter},
  };
  return kWords;
}

// Every other text of the tab.
constexpr Member kOtherTexts[] = {
    &COptions::m_strDateUnknown,       &COptions::m_strDateDead,
    &COptions::m_strDateDeceased,      &COptions::m_strMedicalTag,
    &COptions::m_strNoFramesMessage,   &COptions::m_strNoFramesSheetLink,
    &COptions::m_strNoFramesNotesLink, &COptions::m_strTableText,
    &COptions::m_strDividerText,       &COptions::m_strImageText,
    &COptions::m_strDtdFrames,         &COptions::m_strDtdPages,
};

}  // namespace

void ResetProgramTexts(COptions& options) {
  const COptions& defaults = options::DefaultOptions();
  for (const DateWords& group : AllDateWords()) {
    for (Member word : group.words) options.*word = defaults.*word;
    options.*group.shown = defaults.*group.shown;
  }
  for (Member text : kOtherTexts) options.*text = defaults.*text;
}

QString FamilyRefsDescription(int32_t choice, const std::string& tag) {
  switch (choice) {
    case 1:
      return "User Reference Number (REFN tag)";
    case 2:
      return "Automated Record ID Number (RIN tag)";
    case 3:
      return "Custom Fact Tag: " + ToQt(tag);
    default:
      return "Cross-reference Identifier (default)";
  }
}

CPageProgram::CPageProgram(SheetContext& context, QWidget* parent)
    : OptionsPage(context, "Program", "Internal processing options", topic::kProgram,
                  parent),
      tabs_(MakeTabs(this)),
      reset_(new QPushButton("&Reset to Defaults", this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(tabs_, 1);
  tabs_->addTab(MakeDates(), "Dates");
  tabs_->addTab(MakeGedcom(), "GEDCOM");
  tabs_->addTab(MakeHtml(), "HTML");
  layout->addWidget(reset_, 0, Qt::AlignRight);
  connect(reset_, &QPushButton::clicked, this, [this] { Reset(); });
}

QWidget* CPageProgram::MakeDates() {
  auto* page = new QWidget;
  Form form(page, bindings_, paths_);
  form.Group("Dates");
  form.Choice("Convert GEDCOM month names:", &COptions::m_nMonthNames,
              {"GEDCOM Default", "Abbreviated name", "Abbreviated name, uppercase",
               "Full name", "Full name, uppercase"});
  form.Check("Enable date formatting", &COptions::m_bFormatDates);
  int count = 0;
  for (const DateWords& group : AllDateWords()) {
    if (count++ == 2) {
      form.Stretch();
      form.Column();
    }
    form.Group(group.title);
    auto* words = new QWidget;
    auto* row = new QHBoxLayout(words);
    row->setContentsMargins(0, 0, 0, 0);
    for (Member word : group.words) {
      auto* edit = new QLineEdit(words);
      edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance("CIRCAXX") + 16);
      row->addWidget(edit);
      bindings_.Text(edit, word);
    }
    row->addStretch(1);
    form.Row("GEDCOM words:", words);
    form.Text("Displayed as:", group.shown);
  }
  form.Stretch();
  return page;
}

QWidget* CPageProgram::MakeGedcom() {
  auto* page = new QWidget;
  Form form(page, bindings_, paths_);
  form.Group("Unknown Dates");
  form.Text("Unknown date:", &COptions::m_strDateUnknown);
  form.Text("Unknown date of death:", &COptions::m_strDateDead);
  form.Text("Unknown date of death (deceased):", &COptions::m_strDateDeceased);
  form.Group("Tags");
  form.Check("Process nonstandard tags", &COptions::m_bNonstandardTags);
  form.Check("Use abbreviation (ABBR) field if title (TITL) field is empty",
             &COptions::m_bUseAbbr);
  form.Text("Nonstandard tag for medical notes:", &COptions::m_strMedicalTag);
  form.Stretch();
  form.Column();
  form.Group("Special Processing");
  special_ = new QComboBox;
  DialectTable dialects;
  dialects.LoadFile(platform::FindResource("gedcom.ini", context_.app_folder));
  int32_t ordinal = -1;
  std::string name;
  while (dialects.Next(ordinal, &ordinal, &name)) special_->addItem(ToQt(name), ordinal);
  form.Row("Special processing:", special_);
  QComboBox* special = special_;
  bindings_.Custom(
      [special](const COptions& o) {
        int index = special->findData(o.m_nSpecialProcessing);
        if (index < 0) {
          // A dialect this gedcom.ini lacks keeps its number.
          special->addItem(QString("(%1)").arg(o.m_nSpecialProcessing),
                           o.m_nSpecialProcessing);
          index = special->count() - 1;
        }
        special->setCurrentIndex(index);
      },
      [special](COptions& o) {
        o.m_nSpecialProcessing = special->currentData().toInt();
      });

  form.Group("Family Page References");
  refs_line_ = new QLabel;
  refs_line_->setTextFormat(Qt::PlainText);
  change_refs_ = new QPushButton("Change");
  form.Row("", refs_line_, change_refs_);
  bindings_.Custom(
      [this](const COptions& o) {
        family_refs_ = o.m_nFamilyRefs;
        family_ref_tag_ = o.m_strFamilyRefTag;
        no_ref_prefix_ = o.m_strNoRefPrefix;
        ShowFamilyRefs();
      },
      [this](COptions& o) {
        o.m_nFamilyRefs = family_refs_;
        o.m_strFamilyRefTag = family_ref_tag_;
        o.m_strNoRefPrefix = no_ref_prefix_;
      });
  connect(change_refs_, &QPushButton::clicked, this, [this] { ChangeFamilyRefs(); });
  form.Stretch();
  return page;
}

QWidget* CPageProgram::MakeHtml() {
  auto* page = new QWidget;
  Form form(page, bindings_, paths_);
  form.Group("Nonframes-based Browsers");
  form.Text("Message:", &COptions::m_strNoFramesMessage);
  form.Text("Link to Group Sheet:", &COptions::m_strNoFramesSheetLink);
  form.Text("Link to Footnotes:", &COptions::m_strNoFramesNotesLink);
  form.Group("Accessibility");
  form.Text("Table Text:", &COptions::m_strTableText);
  form.Text("Divider Text:", &COptions::m_strDividerText);
  form.Text("Image Text:", &COptions::m_strImageText);
  form.Check("Append image caption, if any, to image text",
             &COptions::m_bImageTextCaption);
  form.Check("Append image file name to image text", &COptions::m_bImageTextFile);
  form.Group("Document Type Definitions (DTD)");
  const QStringList dtds = {kDtdStrict, kDtdTransitional, kDtdFrameset};
  for (auto [caption, member] :
       {std::pair{"Frames-based Pages:", &COptions::m_strDtdFrames},
        std::pair{"Nonframes-based Pages:", &COptions::m_strDtdPages}}) {
    auto* combo = new QComboBox;
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(dtds);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(40);
    form.Row(caption, combo);
    bindings_.Text(combo, member);
  }
  form.Stretch();
  return page;
}

void CPageProgram::ShowFamilyRefs() {
  refs_line_->setText(FamilyRefsDescription(family_refs_, family_ref_tag_));
}

void CPageProgram::Reset() {
  if (!context_.desktop.Ask(this, BoxIcon::kQuestion, kResetQuestion, true)) return;
  COptions shown = context_.options;
  ExchangeToOptions(shown);
  ResetProgramTexts(shown);
  ExchangeToPage(shown);
}

void CPageProgram::ChangeFamilyRefs() {
  const std::optional<std::string> native =
      CheckedGedcomFile(context_, this, kTabGedcomMessages);
  if (!native) return;
  FamilyRefChoice choice{family_refs_, family_ref_tag_, no_ref_prefix_};
  if (!RunSelectTagsDialog(context_, *native, &choice, this)) return;
  family_refs_ = choice.refs;
  family_ref_tag_ = choice.tag;
  no_ref_prefix_ = choice.prefix;
  ShowFamilyRefs();
}

}  // namespace vellix::gui
