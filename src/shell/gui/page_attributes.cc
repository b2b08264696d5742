#include "shell/gui/page_attributes.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>
#include <cstdio>

#include "platform/clock.h"
#include "shell/gui/browse.h"
#include "shell/gui/color_field.h"
#include "shell/gui/form.h"
#include "shell/gui/help.h"
#include "shell/gui/path_combo.h"

namespace vellix::gui {
namespace {

constexpr char kImageFilter[] =
    "Image Files (*.gif;*.jpg;*.jpeg)|*.gif;*.jpg;*.jpeg|All Files (*.*)|*.*||";
constexpr char kHtmlFilter[] =
    "HTML Files (*.htm;*.html)|*.htm; *.html|All Files (*.*)|*.*||";
constexpr char kCssFilter[] = "CSS Files (*.css)|*.css|All Files (*.*)|*.*||";
constexpr char kDefaultFontFace[] = "Arial,Helvetica,sans-serif";

// One divider: its choice, image, stretch switch and the image chooser's title.
struct Divider {
  const char* caption;
  int32_t COptions::*kind;
  std::string COptions::*image;
  bool COptions::*stretch;
  const char* title;
};

constexpr Divider kDividers[] = {
    {"Top of Page", &COptions::m_nDividerTop, &COptions::m_strDividerTopImage,
     &COptions::m_bDividerTopStretch, "Select Image for Top-of-Page Divider"},
    {"Bottom of Page", &COptions::m_nDividerBottom, &COptions::m_strDividerBottomImage,
     &COptions::m_bDividerBottomStretch, "Select Image for Bottom-of-Page Divider"},
    {"Thick Line", &COptions::m_nDividerThick, &COptions::m_strDividerThickImage,
     &COptions::m_bDividerThickStretch, "Select Image for Thick Divider"},
    {"Thin Line", &COptions::m_nDividerThin, &COptions::m_strDividerThinImage,
     &COptions::m_bDividerThinStretch, "Select Image for Thin Divider"},
};

// The seven settings of one extra link.
struct ExtraLink {
  const char* title;
  bool COptions::*include;
  bool COptions::*surname_only;
  bool COptions::*second_line;
  std::string COptions::*dest;
  std::string COptions::*target;
  std::string COptions::*label;
  std::string COptions::*prompt;
};

constexpr ExtraLink kExtraLinks[] = {
    {"First Extra Link", &COptions::m_bExtra1, &COptions::m_bExtra1SurnameOnly,
     &COptions::m_bExtra1SecondLine, &COptions::m_strExtra1Dest,
     &COptions::m_strExtra1Target, &COptions::m_strExtra1Label,
     &COptions::m_strExtra1Prompt},
    {"Second Extra Link", &COptions::m_bExtra2, &COptions::m_bExtra2SurnameOnly,
     &COptions::m_bExtra2SecondLine, &COptions::m_strExtra2Dest,
     &COptions::m_strExtra2Target, &COptions::m_strExtra2Label,
     &COptions::m_strExtra2Prompt},
    {"Third Extra Link", &COptions::m_bExtra3, &COptions::m_bExtra3SurnameOnly,
     &COptions::m_bExtra3SecondLine, &COptions::m_strExtra3Dest,
     &COptions::m_strExtra3Target, &COptions::m_strExtra3Label,
     &COptions::m_strExtra3Prompt},
};

}  // namespace

std::string DefaultCopyright(int year, const std::string& author) {
  const char ending = author.empty() ? ' ' : '.';
  const int size =
      std::snprintf(nullptr, 0, "Copyright &copy; %d %s%c All rights reserved.", year,
                    author.c_str(), ending);
  std::string text(static_cast<size_t>(size), '\0');
  std::snprintf(text.data(), text.size() + 1,
                "Copyright &copy; %d %s%c All rights reserved.", year, author.c_str(),
                ending);
  return text;
}

CPageAttributes::CPageAttributes(SheetContext& context, QWidget* parent)
    : OptionsPage(context, "Attributes", "Web page characteristics", topic::kAttributes,
                  parent),
      tabs_(MakeTabs(this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(tabs_);
  tabs_->addTab(MakeTags(), "Tags");
  tabs_->addTab(MakeLayout(), "Layout");
  tabs_->addTab(MakeFont(), "Font");
  tabs_->addTab(MakeLinks(), "Links");
  tabs_->addTab(MakeExtraLinks(), "Extra Links");
  tabs_->addTab(MakeDividers(), "Dividers");
  bindings_.Custom([this](const COptions& o) { custom_colors_ = o.m_customColors; },
                   [this](COptions& o) { o.m_customColors = custom_colors_; });
}

ColorField* CPageAttributes::AddColor(Form& form, const QString& caption,
                                      std::string COptions::*member) {
  auto* field = new ColorField(caption, form.group_widget());
  form.Wide(field);
  bindings_.Text(field->edit(), member);
  connect(field->button(), &QPushButton::clicked, this,
          [this, field] { ChooseColor(field); });
  colors_.push_back(field);
  return field;
}

void CPageAttributes::ChooseColor(ColorField* field) {
  const QColor current = field->SampleColor();
  const std::optional<QColor> chosen = context_.desktop.Color(
      this, field->caption(), current.isValid() ? current : QColor(Qt::black),
      &custom_colors_);
  if (chosen) field->edit()->setText(ColorCode(*chosen));
}

void CPageAttributes::BrowseImage(PathCombo* field, const QString& title) {
  BrowseFile(context_.desktop, this, field, title, kImageFilter);
}

QWidget* CPageAttributes::MakeTags() {
  auto* page = new QWidget;
  Form form(page, bindings_, paths_);
  form.Group("Meta Information");
  author_ = form.Text("Author:", &COptions::m_strAuthor);
  form.Text("Keywords:", &COptions::m_strKeywords);
  form.Check("Include surnames of husband and wife as keywords for family pages",
             &COptions::m_bKeywordSurnames);
  form.Text("Description:", &COptions::m_strDescription);
  form.Group("Copyright Notice");
  copyright_ = new QLineEdit;
  copyright_default_ = new QPushButton("Default");
  form.Row("Copyright Notice:", copyright_, copyright_default_);
  bindings_.Text(copyright_, &COptions::m_strCopyright);
  connect(copyright_default_, &QPushButton::clicked, this, [this] {
    const platform::SystemClock system_clock;
    const platform::Clock& clock = context_.clock ? *context_.clock : system_clock;
    const int year = clock.LocalNow().tm_year + 1900;
    copyright_->setText(ToQt(DefaultCopyright(year, FromQt(author_->text()))));
  });
  form.Stretch();
  return page;
}

QWidget* CPageAttributes::MakeLayout() {
  auto* page = new QWidget;
  Form form(page, bindings_, paths_);
  form.Group("Background");
  AddColor(form, "Background Color", &COptions::m_strBackColor);
  PathRow back =
      form.Path("Image:", &COptions::m_strBackImage, platform::HistoryList::kBkg);
  connect(back.browse, &QPushButton::clicked, this,
          [this, back] { BrowseImage(back.combo, "Select Background Image"); });
  form.Check("Keep background fixed when scrolling web page", &COptions::m_bBackFixed);
  form.Group("Margins");
  form.Text("Left:", &COptions::m_strMarginLeft);
  form.Text("Right:", &COptions::m_strMarginRight);
  form.Text("Top:", &COptions::m_strMarginTop);
  form.Text("Bottom:", &COptions::m_strMarginBottom);
  form.Stretch();

  form.Column();
  form.Group("Field Alignment");
  align_labels_ =
      form.Check("Align fields for group sheet labels:", &COptions::m_bAlignLabels);
  form.Indent(1);
  QButtonGroup* longest = form.Radios(
      "", &COptions::m_bAlignLongest,
      {{1, "Use width of longest label"}, {0, "Use this width:"}}, Qt::Vertical);
  align_longest_ = static_cast<QRadioButton*>(longest->button(1));
  align_width_ = static_cast<QRadioButton*>(longest->button(0));
  form.Indent(2);
  label_width_ = form.Number("Label width:", &COptions::m_nLabelWidth, 0, 65535);
  form.Indent(1);
  right_justify_ = form.Check("Right-justify labels", &COptions::m_bRightJustify);
  align_places_ =
      form.Check("Align places of birth, marriage and death", &COptions::m_bAlignPlaces);
  form.Indent(0);
  form.Number("Width of date field:", &COptions::m_nDateWidth, 0, 80);
  connect(align_labels_, &QCheckBox::toggled, this, [this] { UpdateAlignment(); });
  connect(longest, &QButtonGroup::idToggled, this, [this] { UpdateAlignment(); });
  AddEnablingRule([this] { UpdateAlignment(); });

  form.Group("Other");
  PathRow css = form.Path("External Cascading Style Sheets:", &COptions::m_strExternalCss,
                          platform::HistoryList::kCss);
  connect(css.browse, &QPushButton::clicked, this, [this, css] {
    BrowseFile(context_.desktop, this, css.combo, "Select External CSS", kCssFilter);
  });
  form.Text("File Prefix:", &COptions::m_strFilePrefix);
  form.Text("File Extension:", &COptions::m_strFileExt);
  form.Stretch();
  return page;
}

void CPageAttributes::UpdateAlignment() {
  const bool on = align_labels_->isChecked();
  align_longest_->setEnabled(on);
  align_width_->setEnabled(on);
  label_width_->setEnabled(on && align_width_->isChecked());
  right_justify_->setEnabled(on);
  align_places_->setEnabled(on);
}

QWidget* CPageAttributes::MakeFont() {
  auto* page = new QWidget;
  Form form(page, bindings_, paths_);
  form.Group("Font");
  font_face_ = new QLineEdit;
  font_default_ = new QPushButton("Default");
  form.Row("Face:", font_face_, font_default_);
  bindings_.Text(font_face_, &COptions::m_strFontFace);
  connect(font_default_, &QPushButton::clicked, this,
          [this] { font_face_->setText(kDefaultFontFace); });
  form.Choice("Size:", &COptions::m_nFontSize,
              {"Default", "xx-small", "x-small", "small", "medium", "large", "x-large",
               "xx-large"});
  AddColor(form, "Font Color", &COptions::m_strTextColor);
  form.Check("Use non-proportional font in group sheet and index",
             &COptions::m_bMonoFont);
  form.Stretch();
  return page;
}

QWidget* CPageAttributes::MakeLinks() {
  auto* page = new QWidget;
  Form form(page, bindings_, paths_);
  form.Group("Links");
  form.Check("Display links at top of page", &COptions::m_bLinksTop);
  form.Check("Display links at bottom of page", &COptions::m_bLinksBottom);
  form.Check("Use lower-case destination file names", &COptions::m_bLowerCaseNames);
  form.Check("Use child's name as link to child's family page",
             &COptions::m_bChildNameLinks);
  form.Group("Home Page Link");
  PathRow home =
      form.Path("Web Page File:", &COptions::m_strHomePage, platform::HistoryList::kHm);
  connect(home.browse, &QPushButton::clicked, this, [this, home] {
    BrowseFile(context_.desktop, this, home.combo, "Select Home Page File", kHtmlFilter);
  });
  form.Text("Frame Target:", &COptions::m_strHomeTarget);
  form.Stretch();
  form.Column();
  form.Group("Color Codes");
  AddColor(form, "Normal Link Color", &COptions::m_strLinkColor);
  AddColor(form, "Active Link Color", &COptions::m_strActiveLinkColor);
  AddColor(form, "Visited Link Color", &COptions::m_strVisitedLinkColor);
  form.Stretch();
  return page;
}

QWidget* CPageAttributes::MakeExtraLinks() {
  auto* page = new QWidget;
  Form form(page, bindings_, paths_);
  bool first = true;
  for (const ExtraLink& link : kExtraLinks) {
    if (!first) form.Column();
    first = false;
    form.Group(link.title);
    form.Check("Include", link.include);
    form.Check("Surname page only", link.surname_only);
    form.Check("Display on second line", link.second_line);
    form.Text("Link Destination:", link.dest);
    form.Text("Frame Target:", link.target);
    form.Text("Link Label:", link.label);
    form.Text("Link Prompt:", link.prompt);
    form.Stretch();
  }
  return page;
}

QWidget* CPageAttributes::MakeDividerPair(const char* first, const char* second,
                                          int first_index) {
  auto* page = new QWidget;
  Form form(page, bindings_, paths_);
  for (int i = first_index; i < first_index + 2; ++i) {
    const Divider& divider = kDividers[i];
    if (i > first_index) form.Column();
    form.Group(i == first_index ? first : second);
    QButtonGroup* kind =
        form.Radios("", divider.kind, {{0, "Exclude"}, {1, "Line"}, {2, "Image"}});
    PathRow image = form.Path("Image:", divider.image, platform::HistoryList::kBar);
    QCheckBox* stretch = form.Check("Stretch image to full width", divider.stretch);
    const QString title = divider.title;
    connect(image.browse, &QPushButton::clicked, this,
            [this, image, title] { BrowseImage(image.combo, title); });
    auto update = [kind, image, stretch] {
      const bool on = kind->checkedId() == 2;
      image.combo->setEnabled(on);
      image.browse->setEnabled(on);
      stretch->setEnabled(on);
    };
    connect(kind, &QButtonGroup::idToggled, this, update);
    AddEnablingRule(update);
    form.Stretch();
  }
  return page;
}

QWidget* CPageAttributes::MakeDividers() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* top = new QWidget(page);
  {
    Form form(top, bindings_, paths_);
    form.Group("Dividers");
    form.Check("Include page-level dividers on Family pages", &COptions::m_bPageDividers);
    AddColor(form, "Divider Color", &COptions::m_strDividerColor);
  }
  layout->addWidget(top);
  auto* inner = MakeTabs(page);
  inner->addTab(MakeDividerPair("Top of Page", "Bottom of Page", 0),
                "Page-level Dividers");
  inner->addTab(MakeDividerPair("Thick Line", "Thin Line", 2), "Group Sheet Dividers");
  layout->addWidget(inner, 1);
  return page;
}

}  // namespace vellix::gui
