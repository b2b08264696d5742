#include "shell/gui/page_headers.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "shell/gui/form.h"
#include "shell/gui/help.h"

namespace vellix::gui {
namespace {

constexpr const char* kCopyQuestions[] = {
    "Do you want to replace the existing surname page header with the family page "
    "header?",
    "Do you want to replace the existing surname page footer with the family page "
    "footer?",
    "Do you want to replace the existing multimedia page header with the family page "
    "header?",
    "Do you want to replace the existing multimedia page footer with the family page "
    "footer?",
};

constexpr char kUseStandardQuestion[] =
    "Do you want to replace ALL fields on this tab with corresponding values from the "
    "\"Standard Pages\" tab?\nAll fields on the \"Multimedia Pages\" tab will be "
    "overwritten.";

// The nine advanced blocks of each page kind, grouped into the four sub-tabs.
struct Block {
  const char* caption;
  std::string COptions::*standard;
  std::string COptions::*media;
};

constexpr Block kBlocks[9] = {
    {"Before <HTML>:", &COptions::m_strStdBeforeHtml, &COptions::m_strMediaBeforeHtml},
    {"After </HTML>:", &COptions::m_strStdAfterHtmlEnd,
     &COptions::m_strMediaAfterHtmlEnd},
    {"After <HTML>:", &COptions::m_strStdAfterHtml, &COptions::m_strMediaAfterHtml},
    {"Before </HTML>:", &COptions::m_strStdBeforeHtmlEnd,
     &COptions::m_strMediaBeforeHtmlEnd},
    {"After <HEAD>:", &COptions::m_strStdAfterHead, &COptions::m_strMediaAfterHead},
    {"Before </HEAD>:", &COptions::m_strStdBeforeHeadEnd,
     &COptions::m_strMediaBeforeHeadEnd},
    {"Within <BODY> Element Tag:", &COptions::m_strStdBodyAttrs,
     &COptions::m_strMediaBodyAttrs},
    {"After <BODY>:", &COptions::m_strStdAfterBody, &COptions::m_strMediaAfterBody},
    {"Before </BODY>:", &COptions::m_strStdBeforeBodyEnd,
     &COptions::m_strMediaBeforeBodyEnd},
};

struct BlockTab {
  const char* caption;
  int first;
  int count;
};

constexpr BlockTab kBlockTabs[] = {{"File Block", 0, 2},
                                   {"<HTML> Block", 2, 2},
                                   {"<HEAD> Block", 4, 2},
                                   {"<BODY> Block", 6, 3}};

// One row of the page titles table: browser title bar and top of page.
struct TitleRow {
  const char* caption;
  std::string COptions::*title;
  std::string COptions::*heading;
};

constexpr TitleRow kTitleRows[] = {
    {"Family", &COptions::m_strTitleFamily, &COptions::m_strHeadingFamily},
    {"Surname", &COptions::m_strTitleSurname, &COptions::m_strHeadingSurname},
    {"Index", &COptions::m_strTitleIndex, &COptions::m_strHeadingIndex},
    {"Bibliography", &COptions::m_strTitleBiblio, &COptions::m_strHeadingBiblio},
    {"Repository", &COptions::m_strTitleRepository, &COptions::m_strHeadingRepository},
};

}  // namespace

CPageHeaders::CPageHeaders(SheetContext& context, QWidget* parent)
    : OptionsPage(context, "Headers", "Headers, footers && titles", topic::kHeaders,
                  parent),
      tabs_(MakeTabs(this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(tabs_);
  tabs_->addTab(MakeHeaderFooter("Family Page", &COptions::m_strFamilyHeader,
                                 &COptions::m_strFamilyFooter, -1),
                "Family Pages");
  tabs_->addTab(MakeHeaderFooter("Surname Page", &COptions::m_strSurnameHeader,
                                 &COptions::m_strSurnameFooter, kSurnameHeader),
                "Surname Pages");
  tabs_->addTab(MakeHeaderFooter("Multimedia Page", &COptions::m_strMediaHeader,
                                 &COptions::m_strMediaFooter, kMediaHeader),
                "Multimedia Pages");
  tabs_->addTab(MakeIntroduction(), "Introduction");
  tabs_->addTab(MakePageTitles(), "Page Titles");
  auto* advanced = MakeTabs(this);
  advanced->addTab(MakeAdvanced(0), "Standard Pages");
  advanced->addTab(MakeAdvanced(1), "Multimedia Pages");
  tabs_->addTab(advanced, "Advanced");
}

QWidget* CPageHeaders::MakeHeaderFooter(const char* which, std::string COptions::*header,
                                        std::string COptions::*footer, int first_button) {
  auto* page = new QWidget;
  Form form(page, bindings_, paths_);
  form.Group(QString(which) + " Header");
  QPlainTextEdit* header_field = form.MultiLine("", header, 6);
  QPushButton* header_button = nullptr;
  if (first_button >= 0) header_button = form.Button("Use Family Page Header");
  form.Group(QString(which) + " Footer");
  QPlainTextEdit* footer_field = form.MultiLine("", footer, 6);
  QPushButton* footer_button = nullptr;
  if (first_button >= 0) footer_button = form.Button("Use Family Page Footer");
  if (first_button < 0) {
    family_header_ = header_field;
    family_footer_ = footer_field;
    return page;
  }
  const auto header_copy = static_cast<CopyButton>(first_button);
  const auto footer_copy = static_cast<CopyButton>(first_button + 1);
  targets_[header_copy] = header_field;
  targets_[footer_copy] = footer_field;
  copy_buttons_[header_copy] = header_button;
  copy_buttons_[footer_copy] = footer_button;
  connect(header_button, &QPushButton::clicked, this,
          [this, header_copy] { CopyFamilyField(header_copy); });
  connect(footer_button, &QPushButton::clicked, this,
          [this, footer_copy] { CopyFamilyField(footer_copy); });
  return page;
}

void CPageHeaders::CopyFamilyField(CopyButton which) {
  QPlainTextEdit* target = targets_[which];
  if (!target->toPlainText().isEmpty() &&
      !context_.desktop.Ask(this, BoxIcon::kQuestion, kCopyQuestions[which], true)) {
    return;
  }
  const bool header = which == kSurnameHeader || which == kMediaHeader;
  target->setPlainText((header ? family_header_ : family_footer_)->toPlainText());
}

QWidget* CPageHeaders::MakeIntroduction() {
  auto* page = new QWidget;
  Form form(page, bindings_, paths_);
  form.Group("");
  form.MultiLine("Surname Page Introduction:", &COptions::m_strSurnameIntro, 4);
  form.MultiLine("Index Page Introduction:", &COptions::m_strIndexIntro, 4);
  form.MultiLine("Bibliography Page Introduction:", &COptions::m_strBiblioIntro, 4);
  return page;
}

QWidget* CPageHeaders::MakePageTitles() {
  auto* page = new QWidget;
  Form form(page, bindings_, paths_);
  form.Group("Family Pages");
  // Two switches make one three-way choice.
  QButtonGroup* kind =
      form.RadioGroup("",
                      {{0, "Use names of husband and wife"},
                       {1, "Use Family titles below plus names of husband and wife"},
                       {2, "Use Family titles below"}},
                      Qt::Vertical);
  bindings_.Custom(
      [kind](const COptions& o) {
        kind->button(o.m_bTitleNames ? 0 : o.m_bTitleAndNames ? 1 : 2)->setChecked(true);
      },
      [kind](COptions& o) {
        o.m_bTitleNames = kind->checkedId() == 0;
        o.m_bTitleAndNames = kind->checkedId() == 1;
      });
  form.Check("Display title at Top of Page", &COptions::m_bTitleAtTop);
  form.Group("All Pages");
  auto* table = new QWidget;
  auto* grid = new QGridLayout(table);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setVerticalSpacing(3);
  grid->addWidget(new QLabel("Browser Title Bar"), 0, 1);
  grid->addWidget(new QLabel("Top of Page"), 0, 2);
  int row = 1;
  for (const TitleRow& title : kTitleRows) {
    auto* bar = new QLineEdit;
    auto* top = new QLineEdit;
    grid->addWidget(new QLabel(QString(title.caption) + ":"), row, 0);
    grid->addWidget(bar, row, 1);
    grid->addWidget(top, row, 2);
    bindings_.Text(bar, title.title);
    bindings_.Text(top, title.heading);
    ++row;
  }
  form.Wide(table);
  form.Stretch();
  form.Column();
  form.Group("Multimedia Gallery Titles");
  form.Text("Individual Gallery:", &COptions::m_strGalleryTitleIndiv);
  form.Text("Family Gallery:", &COptions::m_strGalleryTitleFamily);
  form.Text("Citation Gallery:", &COptions::m_strGalleryTitleCitation);
  form.Text("Bibliography Gallery:", &COptions::m_strGalleryTitleBiblio);
  form.Stretch();
  return page;
}

QWidget* CPageHeaders::MakeAdvanced(int set) {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* blocks = MakeTabs(page);
  for (const BlockTab& tab : kBlockTabs) {
    auto* holder = new QWidget;
    Form form(holder, bindings_, paths_);
    form.Group("");
    for (int i = tab.first; i < tab.first + tab.count; ++i) {
      advanced_[set][i] = form.MultiLine(
          kBlocks[i].caption, set == 0 ? kBlocks[i].standard : kBlocks[i].media, 4);
    }
    blocks->addTab(holder, tab.caption);
  }
  layout->addWidget(blocks, 1);
  if (set == 1) {
    use_standard_ = new QPushButton("Use Standard Page Fields", page);
    layout->addWidget(use_standard_, 0, Qt::AlignRight);
    connect(use_standard_, &QPushButton::clicked, this, [this] { UseStandardFields(); });
  }
  return page;
}

void CPageHeaders::UseStandardFields() {
  if (!context_.desktop.Ask(this, BoxIcon::kQuestion, kUseStandardQuestion, true)) return;
  for (int i = 0; i < 9; ++i)
    advanced_[1][i]->setPlainText(advanced_[0][i]->toPlainText());
}

}  // namespace vellix::gui
