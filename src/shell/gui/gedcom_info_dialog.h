// The GEDCOM File Information window of the Files tab.
#pragma once

#include <QDialog>
#include <QStringList>

#include "model/gedcom_file_info.h"

class QPushButton;

namespace vellix::gui {

struct SheetContext;

/// Shows what a GEDCOM file's header says (under "Created By", "Data" and
/// "GEDCOM Standard"), how many families and individuals it holds, and the
/// census of each way of naming family pages ("Family Record Reference
/// Numbers"). Read-only; Close and Help.
class GedcomInfoDialog : public QDialog {
 public:
  GedcomInfoDialog(SheetContext& context, const GedcomFileInfo& info,
                   QWidget* parent = nullptr);

  /// Every caption and its value as shown, one "Caption: value" line each,
  /// group captions on lines of their own.
  const QStringList& lines() const { return lines_; }
  QPushButton* help_button() const { return help_; }

 private:
  QStringList lines_;
  QPushButton* help_ = nullptr;
};

/// The Files tab's "&Info": checks the option set's GEDCOM input file, reads
/// it under the progress window "Gathering Information" and shows the
/// window. False when a check refused or the reading failed or was stopped.
bool RunGedcomInfoDialog(SheetContext& context, QWidget* parent);

}  // namespace vellix::gui
