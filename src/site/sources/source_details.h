// The lines of a SOUR or REPO record that the bibliography and repository
// pages show, read from a loaded record while its entry is written.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "gedcom/tag_table.h"

namespace vellix {
class GedcomRecord;
struct GedcomNode;
}  // namespace vellix

namespace vellix::site {

/// A user reference number (REFN) with its TYPE.
struct UserReference {
  std::string value;
  std::string type;
};

/// The change date of a record: CHAN.DATE, CHAN.DATE.TIME and CHAN.NOTE.
struct ChangeDetails {
  std::string date;
  std::string time;
  std::vector<std::string> notes;
  bool empty() const { return date.empty() && time.empty() && notes.empty(); }
};

/// One DATA.EVEN line of a source: the recorded event types, the period
/// (its DATE) and the place (its PLAC).
struct SourceEvent {
  std::string types;
  std::string period;
  std::string place;
};

/// One call number (CALN) of a repository reference with its media type.
struct CallNumber {
  std::string number;
  std::string mediaType;
};

/// One REPO reference of a source: the repository's cross-reference, its
/// call numbers and its notes.
struct RepositoryReference {
  std::string xref;
  std::vector<CallNumber> callNumbers;
  std::vector<std::string> notes;
};

/// The shown lines of one SOUR record. Every multi-line value keeps its
/// lines as elements (CONT starts a new element, CONC continues one).
struct SourceDetails {
  std::vector<std::string> textLines;      // TEXT
  std::vector<std::string> commentLines;   // level-1 NOTE
  std::vector<SourceEvent> events;         // DATA.EVEN
  std::string agency;                      // DATA.AGNC
  std::vector<std::string> dataNoteLines;  // DATA.NOTE
  std::vector<RepositoryReference> repositories;
  std::vector<UserReference> userReferences;
  ChangeDetails change;
  std::vector<std::string> mediaKeys;  // OBJE links, for the gallery
};

/// The shown lines of one REPO record.
struct RepositoryDetails {
  /// ADDR value, then its CONT, ADR1, ADR2, ADR3 and CITY lines in file order.
  std::vector<std::string> addressLines;
  std::string state, postalCode, country;  // kept, not shown
  std::vector<std::string> phones, faxes, emails, websites;
  std::vector<std::string> commentLines;  // NOTE
  std::vector<UserReference> userReferences;
  ChangeDetails change;
};

/// Standard tags of source records that the shared tag table has no named
/// constant for (codes of the fixed standard list).
inline constexpr TagCode kTagAgnc = 8;
inline constexpr TagCode kTagAuth = 14;
inline constexpr TagCode kTagCaln = 22;
inline constexpr TagCode kTagMedi = 82;
inline constexpr TagCode kTagPubl = 103;

/// Finds the NOTE record a pointer NOTE line refers to (key without at
/// signs); nullptr when there is none. The record must stay valid until the
/// next call.
using NoteLookup = std::function<const GedcomRecord*(std::string_view key)>;

/// The value of a line with its CONC and CONT lines as one text; a CONT
/// line starts after a blank so no two words run together.
std::string JoinedValue(const GedcomNode& node);

/// The lines of a NOTE line: its own value with CONT/CONC lines, or the text
/// of the NOTE record it points to (through `notes`, when given).
std::vector<std::string> NoteLines(const GedcomNode& note, const NoteLookup& notes);

/// Reads the details of a loaded SOUR record.
SourceDetails ReadSourceDetails(const GedcomRecord& record, const NoteLookup& notes = {});
/// Reads the details of a loaded REPO record.
RepositoryDetails ReadRepositoryDetails(const GedcomRecord& record,
                                        const NoteLookup& notes = {});

}  // namespace vellix::site
