// One event or attribute of an individual or family as the group sheet shows
// it, the fact kind a GEDCOM line maps to, and the user-defined kinds that
// EVEN lines match by their type text.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "gedcom/gedcom_node.h"
#include "gedcom/gedcom_record.h"

namespace vellix {
class COptions;
class GedcomReader;
}  // namespace vellix

namespace vellix::site {

/// Fact kinds of the option set that the placement rules name.
inline constexpr int kKindBaptised = 1;
inline constexpr int kKindBuried = 5;
inline constexpr int kKindFirstUser = 34;
inline constexpr int kKindLastUser = 47;
inline constexpr int kKindChristened = 48;
inline constexpr int kKindOtherFacts = 49;
inline constexpr int kKindFamilyOtherFacts = 50;
inline constexpr int kKindMarried = 59;
/// Kind of the birth, death and alternate-name facts, which have no entry in
/// the option set's fact table.
inline constexpr int kKindNone = -1;

/// One fact: a GEDCOM event or attribute line with its DATE, PLAC, ADDR,
/// TYPE, NOTE and SOUR lines read into display fields. Texts are UTF-8 and
/// not escaped, except `date` when `date_is_html` is set (a privacy
/// replacement text, which comes escaped).
struct Fact {
  int kind = kKindNone;
  TagCode tagCode = kTagUnknown;
  std::string tag;
  /// The text shown before the value: the kind's label, with the TYPE text
  /// appended for EVEN, FACT and IDNO lines.
  std::string label;
  std::string date;
  bool date_is_html = false;
  std::string place;
  /// The LATI and LONG values of the place's MAP line, as written.
  std::string latitude;
  std::string longitude;
  /// ADDR with its continuation lines joined by "%BR%".
  std::string address;
  /// The line's own value with its continuation lines joined by "%BR%"
  /// ("Y" is no description).
  std::string description;
  /// The TYPE values joined with single spaces.
  std::string type_text;
  /// Notes, one entry per NOTE line, each as its lines (pointers to NOTE
  /// records resolved to the record's text).
  std::vector<std::vector<std::string>> notes;
  /// The associated person: the individual the fact names (a pointer value,
  /// or an ASSO line below the fact) and its display name (plain text).
  std::string person_key;
  std::string person_name;
  /// Key of the record whose fact this one stands for (from a "_SHAR"
  /// pointer line); the fields above were then read from the end of that
  /// chain. Empty for a fact of its own.
  std::string shared_key;
  /// A private copy of the SOUR and OBJE lines below the line the fields
  /// came from (after following a shared chain), so citations and media
  /// outlive the record caches; null when that line has none.
  std::shared_ptr<const GedcomNode> line;
  /// The SOUR lines below `line`, in order.
  std::vector<const GedcomNode*> citations;

  bool HasData() const {
    return !date.empty() || !place.empty() || !address.empty() || !description.empty() ||
           !person_name.empty();
  }
};

/// Deep copy of a node and its subtree (iterative: hostile nesting is safe).
std::unique_ptr<GedcomNode> CloneNode(const GedcomNode& node);

/// A copy of `line` holding copies of its SOUR and OBJE lines (with their
/// subtrees) as its only children, in order; null when `line` has neither.
/// What the sheet keeps of a line past the record caches: its citations and
/// media.
std::shared_ptr<const GedcomNode> CopyOfSourcesAndObjects(const GedcomNode& line);

/// The SOUR lines directly below `node`.
std::vector<const GedcomNode*> CitationsOf(const GedcomNode& node);

/// The fact kind (0..61) of a subordinate line with `code` of an
/// individual (`family` false) or family record; kKindNone for every tag that
/// gives no kind (BIRT, DEAT, NAME, NOTE, ...). EVEN gives 49 (individual) or
/// 50 (family); the user-defined kinds are matched separately.
int FactKindForTag(TagCode code, bool family);

/// True when the user-defined kind label `label` matches the type text of an
/// EVEN line: "^text" (more than two characters, second not "^") matches
/// when text occurs in the type text, both upper-cased; "^^text" must equal
/// the type text as "^text"; any other label must equal it, letter case
/// ignored. An empty label matches nothing.
bool UserKindLabelMatches(std::string_view label, std::string_view type_text);

/// The first user-defined kind (34..47, in order, empty labels skipped) whose
/// label matches `type_text`; kKindNone when none does.
int MatchUserKind(const COptions& options, std::string_view type_text);

/// The label shown for fact kind `kind` without touching the option set:
/// family Census and Residence read the individual labels, family Married
/// reads "Married" (m_strLblMarried).
std::string FactKindLabel(const COptions& options, int kind);

/// Reads NOTE records for fact and person notes. Returns the note's text as
/// lines: an inline NOTE's value and continuation lines, or (for a pointer)
/// the NOTE record's value and continuation lines. Empty when a pointed
/// record does not exist.
using NoteResolver = std::function<std::vector<std::string>(const GedcomNode& note)>;

/// A resolver that loads pointed NOTE records through `reader`.
NoteResolver ReaderNoteResolver(GedcomReader& reader);

/// The lines of an inline NOTE line (value and CONC/CONT).
std::vector<std::string> InlineNoteLines(const GedcomNode& note);

/// Fills the display fields of a fact from `line` (one subordinate line of
/// an individual or family record): date (continuation lines joined), place,
/// address, description, type text, notes (through `notes`), citations and
/// associated person key. Does not set kind, label or the person's name.
Fact ReadFactLine(const GedcomNode& line, const NoteResolver& notes);

}  // namespace vellix::site
