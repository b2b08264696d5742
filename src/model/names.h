// An individual's name: the GEDCOM name value split into its parts, the
// name-piece lines that override the split, and the display forms.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "gedcom/gedcom_node.h"

namespace vellix {

class COptions;
class PrivacyFilter;

/// The given names of a name-form text ("John_Paul /van Dyke/ Jr."): the
/// text before the first slash (all of it without one), underscores turned
/// into spaces, trimmed.
std::string GivenOf(std::string_view text);
/// The surname: between the first and the last slash, or everything after a
/// single slash; "" without a slash. Underscores become spaces; trimmed.
std::string SurnameOf(std::string_view text);
/// The suffix: the trimmed text after the last slash when that slash is
/// neither the first one nor the last character; "" otherwise. Underscores
/// stay.
std::string SuffixOf(std::string_view text);

/// The parts of an individual's name, taken from the first NAME line of the
/// How DisplayName writes a name.
struct NameForm {
  bool surname_first = false;  // "Surname Given" instead of "Given Surname"
  bool escape = false;         // HTML text instead of plain text
};

/// record, and its last formatted display form. Texts are UTF-8.
struct GedcomName {
  bool parsed = false;        // some part of the name was found
  bool hasNickname = false;   // a NICK line was seen
  std::string raw;            // the NAME value
  std::string prefix;         // NPFX
  std::string given;          // before the first slash, or GIVN
  std::string nickname;       // NICK
  std::string surnamePrefix;  // SPFX
  std::string surname;        // between the slashes, or SURN
  std::string suffix;         // after the last slash, or NSFX
  std::string display;        // the last result of DisplayName

  /// Fills the parts from `name` (a NAME line) and its GIVN, NICK, NPFX,
  /// NSFX, SPFX and SURN lines; a piece line's value is split at commas and
  /// rejoined with single spaces, and replaces the part when not empty. The
  /// surname is upper-cased (Unicode-aware) with "Display SURNAMES in
  /// upper-case letters". Does nothing once the name is parsed.
  void ParseName(const GedcomNode& name, const COptions& options);

  /// The display text in given-names-first or surname-first order, with the
  /// alias (when the option set shows it) and the privacy filters of
  /// `privacy` applied for a `living` individual. `aliasText` is an ALIA
  /// name-form value used when there is no nickname. `nameBreak` (when
  /// given) receives the position in the result just after the given names
  /// (0 when the given names were filtered): the caller may set the two
  /// halves apart. With `form.escape` the result is HTML text and nameBreak
  /// counts in it; `form.surname_first` puts the surname first. The result
  /// is also kept in `display`.
  std::string DisplayName(const PrivacyFilter& privacy, bool living,
                          std::string_view aliasText, int32_t* nameBreak,
                          const NameForm& form);
};

}  // namespace vellix
