// The Maintenance dialog: history lists and the log file's sort orders.
#pragma once

#include <QDialog>
#include <string>

#include "platform/history_lists.h"
#include "platform/settings_store.h"
#include "shell/gui/desktop.h"

class QButtonGroup;
class QPushButton;
class QSpinBox;

namespace vellix::gui {

/// "VELLIX Maintenance", with the tabs History Lists (maximum items per
/// list, Clear All Lists) and Log File (sort orders of the individuals and
/// families tables). Closing it, however it is closed, writes the maximum
/// (shortening longer lists) and the two sort orders.
class MaintenanceDialog : public QDialog {
 public:
  /// `app_folder` is where the help page is looked up first.
  MaintenanceDialog(Desktop& desktop, platform::SettingsStore& settings,
                    platform::HistoryLists& history, std::string app_folder,
                    QWidget* parent = nullptr);

  QSpinBox* maximum() const { return maximum_; }
  QPushButton* clear_button() const { return clear_; }
  QButtonGroup* individuals_sort() const { return individuals_; }
  QButtonGroup* families_sort() const { return families_; }

  void done(int result) override;

 private:
  void ClearAll();

  Desktop& desktop_;
  platform::SettingsStore& settings_;
  platform::HistoryLists& history_;
  std::string app_folder_;
  QSpinBox* maximum_;
  QPushButton* clear_;
  QButtonGroup* individuals_;
  QButtonGroup* families_;
};

}  // namespace vellix::gui
