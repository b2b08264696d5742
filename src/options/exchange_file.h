// The custom attributes exchange file: comma-separated text that a
// spreadsheet can edit, one section for individuals and one for families.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "options/attributes.h"

namespace vellix::options {

/// The text that identifies an exchange file within its first
/// kExchangeMarkWindow bytes.
inline constexpr std::string_view kExchangeFileMark = "VELLIX Custom Attributes";
inline constexpr size_t kExchangeMarkWindow = 2048;

/// The whole exchange file as UTF-8 text with CR LF line ends: the three
/// comment lines, then the individuals section and the families section,
/// each with its two heading lines and one line per entry sorted by
/// reference (ASCII letters compared without regard to case, so I10 comes
/// before I2; equal references keep their list order). A list without
/// entries gives no section at all. A field that is not empty is quoted with
/// its quotation marks doubled; an empty field is written as nothing.
std::string ExchangeFileText(const CAttributesList& individuals,
                             const CAttributesList& families);

/// The bytes written to disk: Windows-1252 when every character fits, else
/// UTF-8 after a byte-order mark.
std::string EncodeExchangeFile(std::string_view utf8);

/// True when `head` (a file's first bytes) holds kExchangeFileMark within
/// its first kExchangeMarkWindow bytes.
bool IsExchangeFile(std::string_view head);

/// Where and why an exchange file could not be read.
struct ExchangeFileError {
  int line = 0;  // 1-based line where the trouble starts; 0 for the whole file
  std::string reason;
};

/// The entries of an exchange file, in file order, each with its five
/// strings set from the fields of its line.
struct ExchangeEntries {
  std::vector<CAttributes> individuals;
  std::vector<CAttributes> families;
};

/// Turns the file's bytes into UTF-8 text: after a UTF-8 byte-order mark the
/// rest must be well-formed UTF-8; without one, text that is well-formed
/// UTF-8 with multi-byte characters is taken as UTF-8 and anything else as
/// Windows-1252. False, with the reason, for a file holding zero bytes
/// (binary data) or malformed UTF-8 after the mark.
bool DecodeExchangeFile(std::string_view bytes, std::string* utf8,
                        ExchangeFileError* error);

/// Reads the entries of an exchange file's text. Blank lines and comments
/// are skipped; a comment holding "Section::Individuals" or
/// "Section::Families" sends the following lines to that list; data lines
/// before the first section are skipped. A data line holds up to five
/// fields (reference, link, text, image, caption); fields after the fifth
/// are ignored, missing ones are empty. A quoted field may hold commas, line
/// breaks and doubled quotation marks, exactly as spreadsheets write them;
/// blanks around a quoted field are dropped, an unquoted field is taken as
/// it stands, and the blanks at both ends of a line are dropped. A line of
/// empty fields is skipped. False, with the line and reason, for a
/// quotation that is never closed, text after a closing quotation mark, or
/// an entry without a reference: a damaged file yields nothing.
bool ParseExchangeFile(std::string_view utf8, ExchangeEntries* entries,
                       ExchangeFileError* error);

/// Stores each entry in its list: the entry with that reference (letter case
/// significant) is found or added, and its five strings are all replaced.
/// Entries not named keep their values.
void MergeExchangeEntries(const ExchangeEntries& entries, CAttributesList& individuals,
                          CAttributesList& families);

}  // namespace vellix::options
