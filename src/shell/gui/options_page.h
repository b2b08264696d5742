// One tab of the options dialog.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "options/current_option_set.h"
#include "options/options.h"
#include "platform/clock.h"
#include "platform/history_lists.h"
#include "platform/settings_store.h"
#include "shell/gui/desktop.h"
#include "shell/gui/option_bindings.h"

class QTabWidget;

namespace vellix::gui {

class PathCombo;

/// What the pages of the options dialog work with: the option set being
/// edited, the desktop services, the per-user settings with their history
/// lists, the program's current option set (whose file the Files tab
/// switches; nullptr where there is none to switch) and the application
/// folder (where resources are looked up first). Owned by the dialog's
/// caller; outlives the dialog. When `option_set` is given, `options` is its
/// option set.
struct SheetContext {
  COptions& options;
  Desktop& desktop;
  platform::SettingsStore& settings;
  platform::HistoryLists& history;
  CurrentOptionSet* option_set = nullptr;
  std::string app_folder;
  /// The clock for dates the pages fill in (the system clock when null).
  const platform::Clock* clock = nullptr;
};

/// A page of the options dialog. It shows a working copy of its settings in
/// its controls: Initialise exchanges to the page when the page is first
/// shown, ExchangeToOptions copies the controls back into an option set
/// when the page is left and on OK. A page that was never shown exchanges
/// nothing, so the option set keeps its values for it.
class OptionsPage : public QWidget {
 public:
  OptionsPage(SheetContext& context, const QString& caption, const QString& tool_tip,
              std::string_view help_topic, QWidget* parent = nullptr);

  /// The tab caption ("Files"), its tool tip and its help topic.
  const QString& caption() const { return caption_; }
  const QString& tool_tip() const { return tool_tip_; }
  const std::string& help_topic() const { return help_topic_; }

  bool initialised() const { return initialised_; }
  /// Exchanges to the page and offers the history lists in the path fields.
  void Initialise(const COptions& options);

  /// The option set's values into the controls; then the enabling rules run.
  virtual void ExchangeToPage(const COptions& options);
  /// The controls' values into an option set.
  virtual void ExchangeToOptions(COptions& options);
  /// Checks the controls before the page is left; false keeps it shown.
  virtual bool Validate() { return true; }
  /// Called each time the page becomes the current tab, after Initialise.
  virtual void Activated() {}

  /// Fills every path field's drop-down from its history list.
  void RefreshHistory();
  /// Puts every non-empty path field's value at the top of its list.
  void RememberHistory();

  /// The page's path fields (for the dialog's history handling and tests).
  const std::vector<PathCombo*>& path_fields() const { return paths_; }

 protected:
  /// A sub-tab widget in the page's standard look.
  QTabWidget* MakeTabs(QWidget* parent);
  /// A rule that enables or disables dependent controls; it runs after every
  /// exchange to the page (connect it to the controls it depends on too).
  void AddEnablingRule(std::function<void()> rule) { rules_.push_back(std::move(rule)); }

  SheetContext& context_;
  OptionBindings bindings_;
  std::vector<PathCombo*> paths_;

 private:
  QString caption_;
  QString tool_tip_;
  std::string help_topic_;
  bool initialised_ = false;
  std::vector<std::function<void()>> rules_;
};

}  // namespace vellix::gui
