// Source templates: a template text with bracketed field references
// ("[Author:Caps], [Title:Abbrev].") filled in from the field name/value
// pairs a genealogy program exports with a citation.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

namespace vellix {

/// The fields of one citation and the expansion of its template. Field
/// names are compared without regard to ASCII case and stored without
/// surrounding brackets; the first value given for a name wins. A field
/// reference is a name followed by modifier words, each after a ":"; a
/// value may hold a full and an abbreviated form separated by "||".
/// Expansion never fails: missing fields give empty values and unknown
/// modifiers are ignored, and the result is tidied of the separators that
/// empty fields leave behind.
class TemplateExpander {
 public:
  /// The modifiers, by their numbers.
  enum Modifier : int {
    kNoModifier = 0,  // not a modifier word
    kNoCaps = 1,
    kUpper = 2,
    kLower = 3,
    kCaps = 4,
    kProper = 5,
    kNoAbbrev = 6,
    kAbbrev = 7,
    kFull = 8,
    kPlain = 9,
    kYear = 10,
  };

  /// Adds a field; `name` may be written with its brackets ("[Author]").
  /// Surrounding blanks of the name are ignored. False, leaving the earlier
  /// value, when the name is already present.
  bool AddField(std::string_view name, std::string_view value);
  /// The value of field `name` ("" when missing).
  std::string FieldValue(std::string_view name) const;
  bool HasField(std::string_view name) const;
  size_t field_count() const { return fields_.size(); }
  void Clear() { fields_.clear(); }

  /// The template with every field reference replaced by its value; "/["
  /// and "/]" stand for literal brackets. The result is tidied with
  /// text::CleanTemplateText.
  std::string Expand(std::string_view template_text) const;

  /// The number of a modifier word (any letter case, surrounding blanks
  /// ignored), kNoModifier when the word is not one.
  static Modifier ModifierOf(std::string_view word);
  /// `value` changed by one modifier. Abbrev changes nothing here: it
  /// chooses the part after "||" when the reference is evaluated.
  static std::string ApplyModifier(Modifier modifier, std::string_view value);

 private:
  /// The value of one field reference (the text between the brackets).
  std::string EvaluateReference(std::string_view reference) const;

  std::unordered_map<std::string, std::string> fields_;  // upper-cased name
};

}  // namespace vellix
