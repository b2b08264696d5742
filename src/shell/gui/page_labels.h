// The Labels tab: every text the pages show that is not taken from the file.
#pragma once

#include "shell/gui/options_page.h"

class QLineEdit;
class QPushButton;
class QTabWidget;

namespace vellix::gui {

/// Puts back the default label texts and the default fact labels, keeping
/// the labels of the user-defined facts (34 to 47) and every other setting.
void ResetLabels(COptions& options);

/// The Labels tab with its sub-tabs Common, More, Facts (A-M), Facts (N-Z)
/// and User-defined Facts, and "Reset to Defaults".
class CPageLabels : public OptionsPage {
 public:
  explicit CPageLabels(SheetContext& context, QWidget* parent = nullptr);

  void ExchangeToPage(const COptions& options) override;
  void ExchangeToOptions(COptions& options) override;

  QTabWidget* sub_tabs() const { return tabs_; }
  QPushButton* reset_button() const { return reset_; }
  /// The field of a fact kind's label (nullptr for 52, 59 and 61, which
  /// show the labels they are redirected to).
  QLineEdit* fact_label(int kind) const { return fact_fields_[kind]; }

 private:
  QWidget* MakeFactTab(bool first_half);
  QWidget* MakeUserFacts();
  void Reset();

  QTabWidget* tabs_;
  QPushButton* reset_;
  QLineEdit* fact_fields_[kFactKindCount] = {};
};

}  // namespace vellix::gui
