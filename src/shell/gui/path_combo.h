// An editable drop-down for a file or folder path, offering a history list.
#pragma once

#include <QComboBox>
#include <QPushButton>
#include <string>
#include <vector>

#include "platform/history_lists.h"

namespace vellix::gui {

/// A path field: the user types a path or picks one of the paths chosen
/// before (its history list). Paths are shown in the native form and handed
/// out in the stored form the option set keeps (backslashes).
class PathCombo : public QComboBox {
 public:
  PathCombo(platform::HistoryList list, QWidget* parent = nullptr);

  platform::HistoryList list() const { return list_; }

  /// Offers `items` (stored form, most recent first) and keeps the text
  /// being edited.
  void SetHistory(const std::vector<std::string>& items);

  std::string StoredText() const;
  void SetStoredText(const std::string& stored);
  /// The text in native form.
  QString NativeText() const { return currentText(); }

  /// The "Browse" button that fills this field, if it has one.
  QPushButton* browse_button() const { return browse_; }
  void set_browse_button(QPushButton* browse) { browse_ = browse; }

 private:
  platform::HistoryList list_;
  QPushButton* browse_ = nullptr;
};

}  // namespace vellix::gui
