// The Headers tab: headers, footers, introductions, titles, advanced blocks.
#pragma once

#include "shell/gui/options_page.h"

class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace vellix::gui {

/// The Headers tab with its sub-tabs Family Pages, Surname Pages, Multimedia
/// Pages, Introduction, Page Titles and Advanced (Standard Pages and
/// Multimedia Pages, each with File, <HTML>, <HEAD> and <BODY> blocks). The
/// "Use Family Page Header/Footer" and "Use Standard Page Fields" buttons
/// copy between the page's own fields, asking first when they would replace
/// text.
class CPageHeaders : public OptionsPage {
 public:
  explicit CPageHeaders(SheetContext& context, QWidget* parent = nullptr);

  /// The copy buttons: surname header, surname footer, multimedia header,
  /// multimedia footer, and the standard-to-multimedia advanced copy.
  enum CopyButton { kSurnameHeader, kSurnameFooter, kMediaHeader, kMediaFooter };
  QPushButton* copy_button(CopyButton which) const { return copy_buttons_[which]; }
  QPushButton* use_standard_fields() const { return use_standard_; }
  QTabWidget* sub_tabs() const { return tabs_; }

  QPlainTextEdit* family_header() const { return family_header_; }
  QPlainTextEdit* family_footer() const { return family_footer_; }
  QPlainTextEdit* field(CopyButton which) const { return targets_[which]; }
  /// The nine advanced blocks of standard pages (0) or multimedia pages (1).
  QPlainTextEdit* advanced(int set, int block) const { return advanced_[set][block]; }

 private:
  QWidget* MakeHeaderFooter(const char* which, std::string COptions::*header,
                            std::string COptions::*footer, int first_button);
  QWidget* MakeIntroduction();
  QWidget* MakePageTitles();
  QWidget* MakeAdvanced(int set);
  void CopyFamilyField(CopyButton which);
  void UseStandardFields();

  QTabWidget* tabs_;
  QPlainTextEdit* family_header_ = nullptr;
  QPlainTextEdit* family_footer_ = nullptr;
  QPlainTextEdit* targets_[4] = {};
  QPushButton* copy_buttons_[4] = {};
  QPushButton* use_standard_ = nullptr;
  QPlainTextEdit* advanced_[2][9] = {};
};

}  // namespace vellix::gui
