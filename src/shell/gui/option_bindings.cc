#include "shell/gui/option_bindings.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>

namespace vellix::gui {
namespace {

void CheckRadio(QButtonGroup* group, int id) {
  if (QAbstractButton* button = group->button(id)) button->setChecked(true);
}

// A drop-down showing `value`; a value without an item keeps the current one.
void SelectIndex(QComboBox* combo, int value) {
  if (value >= 0 && value < combo->count()) combo->setCurrentIndex(value);
}

}  // namespace

QString ToQt(const std::string& text) { return QString::fromStdString(text); }

std::string FromQt(const QString& text) { return text.toStdString(); }

std::string WithCrLf(const QString& text) {
  QString copy = text;
  copy.replace("\r\n", "\n");
  copy.replace('\r', '\n');
  copy.replace("\n", "\r\n");
  return FromQt(copy);
}

void OptionBindings::Check(QCheckBox* box, bool COptions::*member) {
  Custom([=](const COptions& o) { box->setChecked(o.*member); },
         [=](COptions& o) { o.*member = box->isChecked(); });
}

void OptionBindings::Text(QLineEdit* edit, std::string COptions::*member) {
  Custom([=](const COptions& o) { edit->setText(ToQt(o.*member)); },
         [=](COptions& o) { o.*member = FromQt(edit->text()); });
}

void OptionBindings::Text(QComboBox* combo, std::string COptions::*member) {
  Custom([=](const COptions& o) { combo->setEditText(ToQt(o.*member)); },
         [=](COptions& o) { o.*member = FromQt(combo->currentText()); });
}

void OptionBindings::MultiLine(QPlainTextEdit* edit, std::string COptions::*member) {
  Custom([=](const COptions& o) { edit->setPlainText(ToQt(o.*member)); },
         [=](COptions& o) { o.*member = WithCrLf(edit->toPlainText()); });
}

void OptionBindings::Number(QSpinBox* spin, int32_t COptions::*member) {
  Custom([=](const COptions& o) { spin->setValue(o.*member); },
         [=](COptions& o) { o.*member = spin->value(); });
}

void OptionBindings::Choice(QComboBox* combo, int32_t COptions::*member) {
  Custom([=](const COptions& o) { SelectIndex(combo, o.*member); },
         [=](COptions& o) { o.*member = combo->currentIndex(); });
}

void OptionBindings::Choice(QComboBox* combo, uint8_t COptions::*member) {
  Custom([=](const COptions& o) { SelectIndex(combo, o.*member); },
         [=](COptions& o) { o.*member = static_cast<uint8_t>(combo->currentIndex()); });
}

void OptionBindings::Radio(QButtonGroup* group, int32_t COptions::*member) {
  Custom([=](const COptions& o) { CheckRadio(group, o.*member); },
         [=](COptions& o) { o.*member = group->checkedId(); });
}

void OptionBindings::Radio(QButtonGroup* group, uint8_t COptions::*member) {
  Custom([=](const COptions& o) { CheckRadio(group, o.*member); },
         [=](COptions& o) { o.*member = static_cast<uint8_t>(group->checkedId()); });
}

void OptionBindings::Radio(QButtonGroup* group, bool COptions::*member) {
  Custom([=](const COptions& o) { CheckRadio(group, o.*member ? 1 : 0); },
         [=](COptions& o) { o.*member = group->checkedId() == 1; });
}

void OptionBindings::Custom(std::function<void(const COptions&)> load,
                            std::function<void(COptions&)> store) {
  loads_.push_back(std::move(load));
  stores_.push_back(std::move(store));
}

void OptionBindings::Load(const COptions& options) const {
  for (const auto& load : loads_) load(options);
}

void OptionBindings::Store(COptions& options) const {
  for (const auto& store : stores_) store(options);
}

}  // namespace vellix::gui
