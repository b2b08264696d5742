// "Select Tags": which GEDCOM tags name the family page files.
#pragma once

#include <QDialog>
#include <cstdint>
#include <functional>
#include <string>

#include "model/family_ref_census.h"
#include "shell/gui/desktop.h"

class QButtonGroup;
class QLineEdit;

namespace vellix::gui {

struct SheetContext;

/// The family page references of the Program tab: the choice (0 key, 1
/// REFN, 2 RIN, 3 custom fact tag), the custom tag and the prefix of
/// families without the item.
struct FamilyRefChoice {
  int32_t refs = 0;
  std::string tag;
  std::string prefix;
};

/// The name of the item of family page reference choice `refs` (1 REFN, 2
/// RIN, 3 custom tag) as the messages give it: "User Reference Number (REFN
/// tag)", "Record ID Number (RIN tag)", "Custom \"<tag>\" Fact tag".
std::string RefItemName(int refs, const std::string& tag);

/// The "Select Tags" dialog. OK checks the choice against the GEDCOM file
/// before it closes: a custom choice needs a tag; the chosen item must occur
/// in some family, its values must be distinct, and when only some families
/// carry it the user is asked whether the others may keep their
/// cross-reference identifiers. A refusal keeps the dialog open.
class SelectTagsDialog : public QDialog {
 public:
  /// Takes the census of item `refs` with `tag`; false when the file could
  /// not be read (or the reading was stopped).
  using Census =
      std::function<bool(int refs, const std::string& tag, FamilyRefCensus* census)>;

  SelectTagsDialog(Desktop& desktop, const FamilyRefChoice& current, Census census,
                   QWidget* parent = nullptr);

  /// The choice shown (after OK, the accepted one).
  FamilyRefChoice choice() const;

  QButtonGroup* choices() const { return choices_; }
  QLineEdit* tag_field() const { return tag_; }
  QLineEdit* prefix_field() const { return prefix_; }

  void accept() override;

 private:
  bool CheckChoice();

  Desktop& desktop_;
  FamilyRefChoice current_;
  Census census_;
  QButtonGroup* choices_;
  QLineEdit* tag_;
  QLineEdit* prefix_;
  bool checking_ = false;
};

/// Runs the dialog for the GEDCOM file at `gedcom` (native form), taking the
/// census under a progress window titled "Converting Family Reference
/// Numbers". True, with `choice` updated, after OK.
bool RunSelectTagsDialog(SheetContext& context, const std::string& gedcom,
                         FamilyRefChoice* choice, QWidget* parent);

}  // namespace vellix::gui
