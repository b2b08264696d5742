#include "model/family_reference.h"

#include "text/paths.h"

namespace vellix {

const std::string* FamilyReferenceValue(const GedcomRecord& family,
                                        FamilyNumbering numbering,
                                        const std::string& custom_tag) {
  const std::string* value = nullptr;
  switch (numbering) {
    case FamilyNumbering::kKey:
      return nullptr;
    case FamilyNumbering::kRefn:
    case FamilyNumbering::kRin: {
      const GedcomNode* line =
          family.FirstChild(numbering == FamilyNumbering::kRefn ? kTagRefn : kTagRin);
      if (line != nullptr) value = &line->value;
      break;
    }
    case FamilyNumbering::kCustomTag:
      for (const GedcomNode& even : family.Children(kTagEven)) {
        const GedcomNode* type_line = even.FirstChild(kTagType);
        if (type_line != nullptr && type_line->value == custom_tag) {
          value = &even.value;
          break;
        }
      }
      break;
  }
  if (value != nullptr && text::FileSafeId(*value).empty()) return nullptr;
  return value;
}

}  // namespace vellix
