// The Program tab: dates, GEDCOM processing and HTML details.
#pragma once

#include <functional>
#include <string>

#include "shell/gui/options_page.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;

namespace vellix::gui {

/// Puts back the texts of the Program tab: the date words, the words for
/// unknown dates, the medical notes tag and the HTML texts (frames, accessibility
/// and document types). Switches, choices and the family page references stay.
void ResetProgramTexts(COptions& options);

/// The line that describes a family page reference choice: "Cross-reference
/// Identifier (default)", ..., "Custom Fact Tag: <tag>".
QString FamilyRefsDescription(int32_t choice, const std::string& tag);

/// The Program tab with its sub-tabs Dates, GEDCOM and HTML and "Reset to
/// Defaults". The family page references are changed through the "Select
/// Tags" dialog; the page keeps the choice, the tag and the prefix for
/// untagged families as part of its working copy.
class CPageProgram : public OptionsPage {
 public:
  explicit CPageProgram(SheetContext& context, QWidget* parent = nullptr);

  QTabWidget* sub_tabs() const { return tabs_; }
  QPushButton* reset_button() const { return reset_; }
  QPushButton* change_refs_button() const { return change_refs_; }
  QLabel* family_refs_line() const { return refs_line_; }
  QComboBox* special_processing() const { return special_; }

 private:
  QWidget* MakeDates();
  QWidget* MakeGedcom();
  QWidget* MakeHtml();
  void Reset();
  void ChangeFamilyRefs();
  void ShowFamilyRefs();

  QTabWidget* tabs_;
  QPushButton* reset_;
  QPushButton* change_refs_ = nullptr;
  QLabel* refs_line_ = nullptr;
  QComboBox* special_ = nullptr;
  int32_t family_refs_ = 0;
  std::string family_ref_tag_;
  std::string no_ref_prefix_;
};

}  // namespace vellix::gui
