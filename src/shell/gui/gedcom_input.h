// The option set's GEDCOM input file as the dialogs of the options dialog
// read it: the checks before reading and the reading under a progress window.
#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "platform/progress.h"

class QWidget;

namespace vellix {
class GedcomReader;
class RecordStore;
}  // namespace vellix

namespace vellix::gui {

struct SheetContext;

/// The two refusals before a GEDCOM file is read: no file named, and a file
/// that does not exist (its "%1" is the path).
struct GedcomInputMessages {
  const char* none;
  const char* missing;
};

/// The wording of the Custom and Program tabs' buttons (Configure, Change).
extern const GedcomInputMessages kTabGedcomMessages;
/// The wording of the Files tab's GEDCOM File Information.
extern const GedcomInputMessages kInfoGedcomMessages;

/// The option set's GEDCOM input file in native form, or nothing after the
/// matching refusal (stop icon) when none is named or it does not exist.
std::optional<std::string> CheckedGedcomFile(SheetContext& context, QWidget* parent,
                                             const GedcomInputMessages& messages);

/// What is done with a GEDCOM file once its reading pass filled the store.
using GedcomUse =
    std::function<void(GedcomReader& reader, RecordStore& store, platform::Progress&)>;

/// Reads the GEDCOM file `path` (native form) with the tag settings of the
/// context's option set under a progress window titled `title`, then hands
/// the reader, its store and the progress window to `use`. The reading keeps
/// nothing on disk (the last run's warnings stay); its messages appear as
/// message boxes. False when the file could not be read or the user
/// stopped the reading; `use` is not called then.
bool ReadGedcomFile(SheetContext& context, const std::string& path, const QString& title,
                    QWidget* parent, const GedcomUse& use);

}  // namespace vellix::gui
