// The facts of a GEDCOM file's header record.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vellix {

class GedcomRecord;

/// What the header record says about the file and the program that wrote
/// it; shown by the summary log. A single-valued field takes the last
/// matching line; list fields keep every line in file order.
struct HeaderInfo {
  std::string sourceId;                          // HEAD.SOUR
  std::string sourceVersion;                     // HEAD.SOUR.VERS
  std::string sourceName;                        // HEAD.SOUR.NAME
  std::string corporation;                       // HEAD.SOUR.CORP
  std::vector<std::string> corporationAddress;   // CORP.ADDR and its lines
  std::vector<std::string> corporationPhones;    // CORP.PHON
  std::vector<std::string> corporationEmails;    // CORP.EMAI
  std::vector<std::string> corporationFaxes;     // CORP.FAX
  std::vector<std::string> corporationWebPages;  // CORP.WWW
  std::string sourceData;                        // HEAD.SOUR.DATA
  std::string sourceDataDate;                    // HEAD.SOUR.DATA.DATE
  std::vector<std::string> sourceDataCopr;       // DATA.COPR and its CONC/CONT
  std::string destination;                       // HEAD.DEST
  std::string date;                              // HEAD.DATE
  std::string time;                              // HEAD.DATE.TIME
  std::string fileName;                          // HEAD.FILE
  std::string fileCopr;                          // HEAD.COPR
  std::string gedcomVersion;                     // HEAD.GEDC.VERS
  std::string gedcomForm;                        // HEAD.GEDC.FORM
  std::string characterSet;                      // HEAD.CHAR
  std::string characterSetVersion;               // HEAD.CHAR.VERS
  std::string language;                          // HEAD.LANG
  std::string placeForm;                         // HEAD.PLAC.FORM
  std::vector<std::string> note;                 // HEAD.NOTE and its CONC/CONT
};

/// Fills `out` (cleared first) from a loaded header record.
void FillHeaderInfo(const GedcomRecord& header, HeaderInfo* out);

/// The character set is ANSEL (any case).
bool IsAnsel(const HeaderInfo& info);
/// The character set is UTF-8 or UTF8 (any case).
bool IsUtf8(const HeaderInfo& info);

/// A version text read as a decimal number the way strtod reads it ("5.5.1"
/// gives 5.5; text that is no number gives 0).
double VersionNumber(std::string_view text);

/// True when the header's GEDCOM version is below 5.5 (missing counts as 0).
bool IsBelowVersion55(const HeaderInfo& info);

}  // namespace vellix
