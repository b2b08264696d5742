// What a test of the options dialog needs around it.
#pragma once

#include <QList>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <memory>
#include <string>

#include "options/current_option_set.h"
#include "options/options.h"
#include "platform/history_lists.h"
#include "platform/settings_store.h"
#include "shell/gui/sheet.h"
#include "shell/gui/window_prompter.h"
#include "support/fake_desktop.h"

namespace vellix::gui::testing {

/// A fake desktop (which also answers the engine's messages), an
/// application folder and settings.ini of the test's own, the current
/// option set kept there, and an options dialog over that option set or
/// over one of the test's choosing.
class SheetFixture {
 public:
  explicit SheetFixture(COptions* options = nullptr)
      : prompter(desktop),
        settings(home.filePath("settings.ini").toStdString()),
        history(settings),
        option_set(prompter, settings, app_folder()),
        context{options ? *options : option_set.options(), desktop,     settings, history,
                options ? nullptr : &option_set,           app_folder()} {}

  /// The application folder, with a trailing slash.
  std::string app_folder() const { return home.path().toStdString() + "/"; }

  /// Builds the dialog (once) and returns it.
  CSheet& sheet() {
    if (!sheet_) sheet_ = std::make_unique<CSheet>(context);
    return *sheet_;
  }
  /// Closes the dialog; the next sheet() builds a new one.
  void CloseSheet() { sheet_.reset(); }

  /// Gives the option set a destination folder and opens tab `index`.
  void Open(int index) {
    options().m_strDestFolder = "\\tmp\\vellix-site\\";
    sheet().page(CSheet::kFiles)->ExchangeToPage(options());
    sheet().tabs()->setCurrentIndex(index);
  }

  /// The buttons captioned `text` on a page.
  static QList<QPushButton*> Buttons(QWidget* page, const QString& text) {
    QList<QPushButton*> found;
    for (QPushButton* button : page->findChildren<QPushButton*>()) {
      if (button->text() == text) found << button;
    }
    return found;
  }

  COptions& options() { return context.options; }

  FakeDesktop desktop;
  WindowPrompter prompter;
  QTemporaryDir home;
  platform::SettingsStore settings;
  platform::HistoryLists history;
  CurrentOptionSet option_set;
  SheetContext context;

 private:
  std::unique_ptr<CSheet> sheet_;
};

}  // namespace vellix::gui::testing
