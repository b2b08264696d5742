#include "shell/gui/path_combo.h"

#include "platform/file_system.h"

namespace vellix::gui {

PathCombo::PathCombo(platform::HistoryList list, QWidget* parent)
    : QComboBox(parent), list_(list) {
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  // Long remembered paths must not widen the dialog.
  setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  setMinimumContentsLength(24);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void PathCombo::SetHistory(const std::vector<std::string>& items) {
  const QString text = currentText();
  clear();
  for (const std::string& item : items) {
    addItem(QString::fromStdString(platform::NativePath(item)));
  }
  setEditText(text);
}

std::string PathCombo::StoredText() const {
  return platform::StoredPath(currentText().toStdString());
}

void PathCombo::SetStoredText(const std::string& stored) {
  setEditText(QString::fromStdString(platform::NativePath(stored)));
}

}  // namespace vellix::gui
