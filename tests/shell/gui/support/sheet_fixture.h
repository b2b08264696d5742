// What a test of the options dialog needs around it.
#pragma once

#include <QAbstractButton>
#include <QList>
#include <QPushButton>
#include <QTemporaryDir>
#include <memory>

#include "options/options.h"
#include "platform/history_lists.h"
#include "platform/prompter.h"
#include "platform/settings_store.h"
#include "shell/gui/sheet.h"
#include "shell/gui/window_prompter.h"
#include "support/fake_desktop.h"

namespace vellix::gui::testing {

/// A fake desktop that also answers the engine's messages, the
/// application's settings store with its history lists, and a dialog over
/// an option set of the test's choosing (the current one by default).
class SheetFixture {
 public:
  explicit SheetFixture(COptions* options = nullptr)
      : options_(options ? options : GetCurrentOptions()),
        prompter_(desktop),
        use_prompter_(&prompter_),
        settings(platform::SettingsStore::Application()),
        history(settings),
        context{*options_, desktop, settings, history} {}

  /// Builds the dialog (once) and returns it.
  CSheet& sheet() {
    if (!sheet_) sheet_ = std::make_unique<CSheet>(context);
    return *sheet_;
  }
  /// Gives the option set a destination folder and opens tab `index`.
  void Open(int index) {
    options_->m_strDestFolder = "\\tmp\\vellix-site\\";
    sheet().page(CSheet::kFiles)->ExchangeToPage(*options_);
    sheet().tabs()->setCurrentIndex(index);
  }
  /// The buttons captioned `text` on a page, in the order they were made.
  static QList<QPushButton*> Buttons(QWidget* page, const QString& text) {
    QList<QPushButton*> found;
    for (QPushButton* button : page->findChildren<QPushButton*>()) {
      if (button->text() == text) found << button;
    }
    return found;
  }

  COptions& options() { return *options_; }

  FakeDesktop desktop;

 private:
  COptions* options_;
  WindowPrompter prompter_;
  platform::ScopedPrompter use_prompter_;

 public:
  platform::SettingsStore& settings;
  platform::HistoryLists history;
  SheetContext context;

 private:
  std::unique_ptr<CSheet> sheet_;
};

}  // namespace vellix::gui::testing
