// The Files tab: GEDCOM file, destination folder and the option set file.
#pragma once

#include "shell/gui/options_page.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace vellix::gui {

class CSheet;
class PathCombo;

/// The Files tab. Besides the GEDCOM input file and the destination folder
/// it shows the option set file itself (an application setting, not part of
/// the option set): choosing another one, opening one or making a new one
/// offers to save the current settings, then loads the chosen set and
/// redisplays every page that was shown. Leaving the tab trims the
/// destination folder and tells the dialog whether one was given.
class CPageFiles : public OptionsPage {
 public:
  CPageFiles(SheetContext& context, CSheet* sheet, QWidget* parent = nullptr);

  void ExchangeToPage(const COptions& options) override;
  void ExchangeToOptions(COptions& options) override;

  PathCombo* gedcom_field() const { return gedcom_; }
  PathCombo* dest_field() const { return dest_; }
  QComboBox* option_set_field() const { return option_set_; }
  QPushButton* gedcom_browse() const { return gedcom_browse_; }
  QPushButton* dest_browse() const { return dest_browse_; }
  QPushButton* open_button() const { return open_; }
  QPushButton* new_button() const { return new_; }
  QPushButton* summary_button() const { return summary_; }
  QPushButton* info_button() const { return info_; }

  /// Makes `path` (native form) the current option set, as Open and New
  /// do; `create_new` makes a new set with defaults. False without a current
  /// option set in the context.
  bool SwitchOptionSet(const QString& path, bool create_new);

 private:
  void ShowOptionSets();
  /// The current option set's file, or "" without a current option set.
  std::string OptionSetPath() const;
  void BrowseGedcom();
  /// "Summary": writes the option set's summary listing into the
  /// application folder and opens it.
  void WriteSummary();

  CSheet* sheet_;
  PathCombo* gedcom_ = nullptr;
  PathCombo* dest_ = nullptr;
  QPushButton* gedcom_browse_ = nullptr;
  QPushButton* dest_browse_ = nullptr;
  QComboBox* option_set_ = nullptr;
  QPushButton* open_ = nullptr;
  QPushButton* new_ = nullptr;
  QPushButton* summary_ = nullptr;
  QPushButton* info_ = nullptr;
};

}  // namespace vellix::gui
