#include "shell/gui/form.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "shell/gui/path_combo.h"

namespace vellix::gui {
namespace {

constexpr int kIndentStep = 18;

// Captions are plain text: "<BODY>" must show as written.
QLabel* Caption(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setTextFormat(Qt::PlainText);
  return label;
}

// Places `widget` in the grid, wrapped in an indenting container when the
// rows are indented.
void Place(QGridLayout* grid, QWidget* widget, int row, int column, int span, int indent,
           Qt::Alignment alignment = {}) {
  if (indent > 0 && column == 0) {
    auto* holder = new QWidget(widget->parentWidget());
    auto* layout = new QHBoxLayout(holder);
    layout->setContentsMargins(indent, 0, 0, 0);
    layout->addWidget(widget);
    widget = holder;
  }
  grid->addWidget(widget, row, column, 1, span, alignment);
}

}  // namespace

TextBlock::TextBlock(int lines, QWidget* parent) : QPlainTextEdit(parent), lines_(lines) {
  setTabChangesFocus(true);
  setLineWrapMode(QPlainTextEdit::NoWrap);
}

QSize TextBlock::sizeHint() const {
  const int height = fontMetrics().lineSpacing() * lines_ + 2 * frameWidth() + 8;
  return {QPlainTextEdit::sizeHint().width(), height};
}

QSize TextBlock::minimumSizeHint() const {
  const int height = fontMetrics().lineSpacing() * 2 + 2 * frameWidth() + 8;
  return {120, height};
}

Form::Form(QWidget* page, OptionBindings& bindings, std::vector<PathCombo*>& paths)
    : page_(page), bindings_(bindings), paths_(paths), columns_(new QHBoxLayout(page)) {
  columns_->setContentsMargins(6, 6, 6, 6);
  columns_->setSpacing(8);
  Column();
}

void Form::Column() {
  column_ = new QVBoxLayout();
  column_->setSpacing(6);
  columns_->addLayout(column_, 1);
  group_ = nullptr;
  grid_ = nullptr;
}

QGroupBox* Form::Group(const QString& title) {
  auto* box = new QGroupBox(title, page_);
  grid_ = new QGridLayout(box);
  grid_->setContentsMargins(8, 4, 8, 6);
  grid_->setVerticalSpacing(3);
  grid_->setHorizontalSpacing(6);
  grid_->setColumnStretch(1, 1);
  column_->addWidget(box);
  group_ = box;
  indent_ = 0;
  return box;
}

QGridLayout* Form::grid() {
  if (grid_ == nullptr) {
    auto* plain = new QWidget(page_);
    grid_ = new QGridLayout(plain);
    grid_->setContentsMargins(0, 0, 0, 0);
    grid_->setVerticalSpacing(3);
    grid_->setColumnStretch(1, 1);
    column_->addWidget(plain);
    group_ = plain;
  }
  return grid_;
}

QWidget* Form::group_widget() {
  grid();
  return group_;
}

void Form::Stretch() {
  column_->addStretch(1);
  group_ = nullptr;
  grid_ = nullptr;
}

int Form::NextRow() { return grid()->rowCount(); }

int Form::IndentWidth() const { return indent_ * kIndentStep; }

QCheckBox* Form::Check(const QString& caption, bool COptions::*member) {
  auto* box = new QCheckBox(caption, group_widget());
  Place(grid(), box, NextRow(), 0, 3, IndentWidth());
  bindings_.Check(box, member);
  return box;
}

void Form::Row(const QString& caption, QWidget* widget, QWidget* extra) {
  const int row = NextRow();
  if (widget->parentWidget() == nullptr) widget->setParent(group_widget());
  if (caption.isEmpty()) {
    Place(grid(), widget, row, 0, extra ? 2 : 3, IndentWidth());
  } else {
    auto* label = Caption(caption, group_widget());
    label->setBuddy(widget);
    Place(grid(), label, row, 0, 1, IndentWidth());
    grid()->addWidget(widget, row, 1, 1, extra ? 1 : 2);
  }
  if (extra != nullptr) {
    if (extra->parentWidget() == nullptr) extra->setParent(group_widget());
    grid()->addWidget(extra, row, 2);
  }
}

void Form::Wide(QWidget* widget) {
  if (widget->parentWidget() == nullptr) widget->setParent(group_widget());
  Place(grid(), widget, NextRow(), 0, 3, IndentWidth());
}

QPushButton* Form::Button(const QString& caption) {
  auto* button = new QPushButton(caption, group_widget());
  grid()->addWidget(button, NextRow(), 0, 1, 3, Qt::AlignRight);
  return button;
}

QLineEdit* Form::Text(const QString& caption, std::string COptions::*member) {
  auto* edit = new QLineEdit(group_widget());
  Row(caption, edit);
  bindings_.Text(edit, member);
  return edit;
}

QSpinBox* Form::Number(const QString& caption, int32_t COptions::*member, int min,
                       int max) {
  auto* spin = new QSpinBox(group_widget());
  spin->setRange(min, max);
  spin->setMinimumWidth(spin->fontMetrics().horizontalAdvance("000000") + 40);
  spin->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  const int row = NextRow();
  auto* label = Caption(caption, group_widget());
  label->setBuddy(spin);
  Place(grid(), label, row, 0, 1, IndentWidth());
  grid()->addWidget(spin, row, 1, 1, 2, Qt::AlignLeft);
  bindings_.Number(spin, member);
  return spin;
}

QComboBox* Form::MakeChoice(const QString& caption, const QStringList& items) {
  auto* combo = new QComboBox(group_widget());
  combo->addItems(items);
  combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  const int row = NextRow();
  auto* label = Caption(caption, group_widget());
  label->setBuddy(combo);
  Place(grid(), label, row, 0, 1, IndentWidth());
  grid()->addWidget(combo, row, 1, 1, 2, Qt::AlignLeft);
  return combo;
}

QButtonGroup* Form::MakeRadios(const QString& caption, const RadioItems& items,
                               Qt::Orientation orientation) {
  auto* holder = new QWidget(group_widget());
  auto* layout = new QBoxLayout(
      orientation == Qt::Horizontal ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom,
      holder);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(orientation == Qt::Horizontal ? 12 : 2);
  auto* group = new QButtonGroup(holder);
  for (const auto& [value, text] : items) {
    auto* radio = new QRadioButton(text, holder);
    group->addButton(radio, value);
    layout->addWidget(radio);
  }
  if (orientation == Qt::Horizontal) layout->addStretch(1);
  const int row = NextRow();
  if (caption.isEmpty()) {
    Place(grid(), holder, row, 0, 3, IndentWidth());
  } else if (orientation == Qt::Vertical) {
    Place(grid(), Caption(caption, group_widget()), row, 0, 3, IndentWidth());
    const int saved = indent_;
    indent_ += 1;
    Place(grid(), holder, row + 1, 0, 3, IndentWidth());
    indent_ = saved;
  } else {
    Place(grid(), Caption(caption, group_widget()), row, 0, 1, IndentWidth());
    grid()->addWidget(holder, row, 1, 1, 2);
  }
  return group;
}

TextBlock* Form::MultiLine(const QString& caption, std::string COptions::*member,
                           int lines) {
  auto* block = new TextBlock(lines, group_widget());
  if (!caption.isEmpty()) {
    auto* label = Caption(caption, group_widget());
    label->setBuddy(block);
    Place(grid(), label, NextRow(), 0, 3, IndentWidth());
  }
  Place(grid(), block, NextRow(), 0, 3, IndentWidth());
  bindings_.MultiLine(block, member);
  return block;
}

PathRow Form::Path(const QString& caption, std::string COptions::*member,
                   platform::HistoryList list) {
  PathRow row;
  row.combo = new PathCombo(list, group_widget());
  row.browse = new QPushButton("Browse", group_widget());
  row.combo->set_browse_button(row.browse);
  Row(caption, row.combo, row.browse);
  PathCombo* combo = row.combo;
  bindings_.Custom([=](const COptions& o) { combo->SetStoredText(o.*member); },
                   [=](COptions& o) { o.*member = combo->StoredText(); });
  paths_.push_back(combo);
  return row;
}

}  // namespace vellix::gui
