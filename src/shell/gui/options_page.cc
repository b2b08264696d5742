#include "shell/gui/options_page.h"

#include <QTabWidget>

#include "shell/gui/path_combo.h"

namespace vellix::gui {

OptionsPage::OptionsPage(SheetContext& context, const QString& caption,
                         const QString& tool_tip, std::string_view help_topic,
                         QWidget* parent)
    : QWidget(parent),
      context_(context),
      caption_(caption),
      tool_tip_(tool_tip),
      help_topic_(help_topic) {}

void OptionsPage::Initialise(const COptions& options) {
  RefreshHistory();
  ExchangeToPage(options);
  initialised_ = true;
}

void OptionsPage::ExchangeToPage(const COptions& options) {
  bindings_.Load(options);
  for (const auto& rule : rules_) rule();
}

void OptionsPage::ExchangeToOptions(COptions& options) { bindings_.Store(options); }

void OptionsPage::RefreshHistory() {
  for (PathCombo* combo : paths_)
    combo->SetHistory(context_.history.Items(combo->list()));
}

void OptionsPage::RememberHistory() {
  for (PathCombo* combo : paths_)
    context_.history.Remember(combo->list(), combo->StoredText());
}

QTabWidget* OptionsPage::MakeTabs(QWidget* parent) {
  auto* tabs = new QTabWidget(parent);
  tabs->setDocumentMode(false);
  tabs->setUsesScrollButtons(false);
  return tabs;
}

}  // namespace vellix::gui
