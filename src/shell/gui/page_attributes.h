// The Attributes tab: web page characteristics.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "shell/gui/options_page.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace vellix::gui {

class ColorField;
class PathCombo;

/// The text the copyright notice's "Default" button puts in:
/// "Copyright &copy; <year> <author>. All rights reserved.", with a blank
/// instead of the full stop when the author is empty.
std::string DefaultCopyright(int year, const std::string& author);

/// The Attributes tab with its sub-tabs Tags, Layout, Font, Links, Extra
/// Links and Dividers (Page-level Dividers, Group Sheet Dividers). Keeps the
/// sixteen custom colours of the colour chooser as part of its working copy.
class CPageAttributes : public OptionsPage {
 public:
  explicit CPageAttributes(SheetContext& context, QWidget* parent = nullptr);

  QTabWidget* sub_tabs() const { return tabs_; }
  const std::vector<ColorField*>& color_fields() const { return colors_; }
  const std::array<uint32_t, 16>& custom_colors() const { return custom_colors_; }
  QPushButton* copyright_default() const { return copyright_default_; }
  QPushButton* font_default() const { return font_default_; }
  QLineEdit* copyright() const { return copyright_; }
  QLineEdit* author() const { return author_; }
  QLineEdit* font_face() const { return font_face_; }
  QCheckBox* align_labels() const { return align_labels_; }

 private:
  QWidget* MakeTags();
  QWidget* MakeLayout();
  QWidget* MakeFont();
  QWidget* MakeLinks();
  QWidget* MakeExtraLinks();
  QWidget* MakeDividers();
  QWidget* MakeDividerPair(const char* first, const char* second, int first_index);
  ColorField* AddColor(class Form& form, const QString& caption,
                       std::string COptions::*member);
  void ChooseColor(ColorField* field);
  void BrowseImage(PathCombo* field, const QString& title);
  void UpdateAlignment();

  QTabWidget* tabs_;
  std::vector<ColorField*> colors_;
  std::array<uint32_t, 16> custom_colors_{};
  QLineEdit* author_ = nullptr;
  QLineEdit* copyright_ = nullptr;
  QPushButton* copyright_default_ = nullptr;
  QLineEdit* font_face_ = nullptr;
  QPushButton* font_default_ = nullptr;
  QCheckBox* align_labels_ = nullptr;
  QRadioButton* align_longest_ = nullptr;
  QRadioButton* align_width_ = nullptr;
  QSpinBox* label_width_ = nullptr;
  QCheckBox* right_justify_ = nullptr;
  QCheckBox* align_places_ = nullptr;
};

}  // namespace vellix::gui
