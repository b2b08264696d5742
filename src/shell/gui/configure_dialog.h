// The Configure window of the custom attributes of individuals or families.
#pragma once

#include <QDialog>
#include <array>
#include <optional>
#include <string>

#include "options/attribute_files.h"
#include "options/attributes_configure.h"
#include "shell/gui/window_prompter.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace vellix::gui {

struct SheetContext;

/// The Configure window: the GEDCOM file's individuals (or families) in a
/// list, the attributes of the highlighted one in four fields, with file
/// choosers for the files, and the buttons that clear one entry, all
/// entries, or the entries whose references the file no longer holds. It
/// edits `session` (its own copy of the list and the kind's folders); after
/// OK the caller applies the session to the option set. Cancel, Escape and
/// closing ask first when something changed. The sort choice and the alias
/// box are application settings and are written as they change.
class ConfigureDialog : public QDialog {
 public:
  /// The four fields of an entry: the web page, the text (relationship
  /// text, or imported text file), the image and its caption.
  enum Field { kLink, kText, kImage, kCaption };

  ConfigureDialog(SheetContext& context, options::AttributesConfigure& session,
                  QWidget* parent = nullptr);

  QListWidget* list() const { return list_; }
  QLineEdit* field(Field field) const { return fields_[field]; }
  /// The chooser of a field that names a file; nullptr for the others.
  QPushButton* browse(Field field) const { return browse_[field]; }
  QPushButton* clear_button() const { return clear_; }
  QPushButton* clear_all_button() const { return clear_all_; }
  QPushButton* purge_button() const { return purge_; }
  QPushButton* help_button() const { return help_; }
  QLabel* status() const { return status_; }
  QButtonGroup* sort_choices() const { return sort_; }
  /// The "&Aliases" box; individuals only (nullptr for families).
  QCheckBox* aliases() const { return aliases_; }

  /// Highlights the entry at list position `row` (first taking what the
  /// fields show into the session).
  void SelectRow(int row);
  /// Alt+Down and Alt+Up: the next or prior entry that has attributes.
  void MoveToNextWithAttributes();
  void MoveToPriorWithAttributes();

  void accept() override;
  void reject() override;

 private:
  void FillList();
  QString RowText(size_t row);
  void RefreshRows();
  void ShowEntry();
  /// Takes what the fields show into the session for the highlighted entry.
  void CommitFields();
  void UpdateStatus();
  void Browse(Field field);
  void Resort();
  options::AttributeFileKind KindOf(Field field) const;

  SheetContext& context_;
  options::AttributesConfigure& session_;
  WindowPrompter prompter_;
  QListWidget* list_;
  std::array<QLineEdit*, 4> fields_{};
  std::array<QPushButton*, 4> browse_{};
  QPushButton* clear_ = nullptr;
  QPushButton* clear_all_ = nullptr;
  QPushButton* purge_ = nullptr;
  QPushButton* help_ = nullptr;
  QLabel* status_ = nullptr;
  QLineEdit* entry_line_ = nullptr;
  QButtonGroup* sort_ = nullptr;
  QCheckBox* aliases_ = nullptr;
  int reference_width_ = 0;
  std::string current_;  // reference of the highlighted entry, or ""
};

/// The Custom tab's "Individuals..." and "Families...": checks the option
/// set's GEDCOM input file, lists its individuals or families under a
/// progress window ("Preparing Individuals", "Preparing Families"), and
/// shows the Configure window. After OK the edited list replaces the option
/// set's list of that kind and the kind's folders go back into the option
/// set; true then.
bool RunConfigureDialog(SheetContext& context, options::AttributeOwner owner,
                        QWidget* parent);

}  // namespace vellix::gui
