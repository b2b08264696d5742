// The Custom tab: images, relationships and biographies.
#pragma once

#include "options/attribute_files.h"
#include "shell/gui/options_page.h"

class QLabel;
class QPushButton;
class QTabWidget;

namespace vellix::gui {

class PathCombo;

/// The Custom tab with its sub-tabs Method, Individuals (Biography Links,
/// Relationship Text, Individual Images), Families (Narrative Links,
/// Imported Text, Group Images) and Icons. Folder fields hold folders
/// relative to the destination folder, except the import folder (a full
/// path).
class CPageCustom : public OptionsPage {
 public:
  explicit CPageCustom(SheetContext& context, QWidget* parent = nullptr);

  QTabWidget* sub_tabs() const { return tabs_; }
  /// The caption above the icon texts: it names what the texts are for.
  QLabel* icon_text_caption() const { return icon_caption_; }
  /// The buttons of the stored configuration: Configure individuals and
  /// families, export and import.
  QPushButton* configure_individuals() const { return configure_indiv_; }
  QPushButton* configure_families() const { return configure_families_; }
  QPushButton* export_button() const { return export_; }
  QPushButton* import_button() const { return import_; }

 private:
  QWidget* MakeMethod();
  QWidget* MakeIndividuals();
  QWidget* MakeFamilies();
  QWidget* MakeIcons();
  /// "Individuals..." and "Families...": the Configure window on what the
  /// page shows; after OK the kind's folders come back into the page.
  void Configure(options::AttributeOwner owner);
  /// "Export..." and "Import...": the exchange file of the attribute lists.
  void ExportAttributes();
  void ImportAttributes();
  /// The option set's file, or "" where there is no current option set.
  std::string OptionSetPath() const;
  /// A folder field with its chooser; relative folders are kept relative to
  /// the destination folder shown on the Files tab.
  void AddFolder(class Form& form, const QString& caption, std::string COptions::*member,
                 platform::HistoryList list, const QString& prompt, bool relative);

  QTabWidget* tabs_;
  QLabel* icon_caption_ = nullptr;
  QPushButton* configure_indiv_ = nullptr;
  QPushButton* configure_families_ = nullptr;
  QPushButton* export_ = nullptr;
  QPushButton* import_ = nullptr;
};

/// The caption of an icon text field: "Alternate text for icon images:"
/// when images are shown, else "Letters or text phrases:".
QString IconTextCaption(bool images);

}  // namespace vellix::gui
