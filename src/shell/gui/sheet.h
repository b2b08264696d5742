// The options dialog: nine tabs over the current option set.
#pragma once

#include <QDialog>
#include <vector>

#include "shell/gui/options_page.h"

class QDialogButtonBox;
class QPushButton;
class QTabWidget;

namespace vellix::gui {

/// The options dialog. It edits the option set of its context in place:
/// each page exchanges its values when it is left and on OK. Tabs other
/// than Files refuse to open until a destination folder was given on the
/// Files tab ("Please specify a Destination Folder."). Saving on OK and
/// reloading on Cancel are the caller's (see RunOptionsDialog).
class CSheet : public QDialog {
 public:
  enum Tab {
    kFiles,
    kAttributes,
    kHeaders,
    kCustom,
    kFeatures,
    kFacts,
    kLabels,
    kProgram,
    kExtras
  };

  CSheet(SheetContext& context, QWidget* parent = nullptr);

  QTabWidget* tabs() const { return tabs_; }
  OptionsPage* page(int index) const { return pages_[index]; }
  int page_count() const { return static_cast<int>(pages_.size()); }
  QPushButton* help_button() const { return help_button_; }

  bool destination_given() const { return destination_given_; }
  /// Set by the Files tab when it is left.
  void set_destination_given(bool given) { destination_given_ = given; }

  /// Every initialised page exchanges its values to the option set (before
  /// something works on the whole option set: saving it, listing it).
  void ExchangePagesToOptions();

  /// After the option set was switched to another file: every initialised
  /// page exchanges to the page again and its path fields are refreshed.
  void ReloadPages();

  /// Opens the help page of the current tab.
  void ShowCurrentHelp();

  /// OK: every initialised page exchanges its values to the option set and
  /// remembers its paths in the history lists; then the dialog closes.
  void accept() override;

 private:
  void TabChanged(int index);
  void ShowTab(int index);

  SheetContext& context_;
  QTabWidget* tabs_;
  QDialogButtonBox* buttons_;
  QPushButton* help_button_;
  std::vector<OptionsPage*> pages_;
  int current_ = 0;
  bool destination_given_ = false;
};

/// The Options command: shows the dialog modally over `parent` on the
/// context's current option set; OK saves it, anything else reloads it from
/// its file. Returns true for OK.
bool RunOptionsDialog(SheetContext& context, QWidget* parent);

/// What happens after the dialog closed: the option set is saved to its
/// file after OK, else reloaded from it.
void FinishOptionsDialog(CurrentOptionSet& option_set, bool accepted);

}  // namespace vellix::gui
