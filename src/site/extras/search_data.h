// The data of the search page: one record per person of the name index,
// kept in script files by the first letter of the surname.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "model/individuals.h"

namespace vellix {
class COptions;
}

namespace vellix::site {
class NameIndex;
}

namespace vellix::site::extras {

/// What the search page knows of one person: plain texts, not escaped.
struct SearchRecord {
  std::string surname;
  std::string given;
  std::string soundex;
  std::string lifespan;  // "(1850 - 1920)"
  std::string places;    // birth and death places, "; " between them
  std::string page;      // the family page the index links to
  friend bool operator==(const SearchRecord&, const SearchRecord&) = default;
};

/// Passes every individual on to the name index and keeps the birth and
/// death places of those who are not living (a living person's places are
/// never searchable, whatever the privacy options).
class SearchPlaces : public IndividualSink {
 public:
  explicit SearchPlaces(IndividualSink& next) : next_(next) {}
  void AddIndividual(const IndividualSummary& summary, bool aliasInName) override;
  /// The places of the individual `key` ("" when none were kept).
  std::string PlacesOf(const std::string& key) const;

 private:
  IndividualSink& next_;
  std::unordered_map<std::string, std::string> places_;
};

/// The records of the index's entries, in the index's order: exactly the
/// people the index lists, so no excluded living person is among them.
std::vector<SearchRecord> BuildSearchRecords(const NameIndex& index,
                                             const SearchPlaces& places);

/// The file key of a surname: its first letter "a" to "z" (ASCII letters,
/// case folded), else "0".
std::string SearchLetter(std::string_view surname);

/// The script file of one letter's records: a call of vxSearchData with
/// the letter and an array of [surname, given, soundex, lifespan, places,
/// page] arrays, as JavaScript string literals that are safe inside a
/// script file and an HTML page.
std::string SearchScript(std::string_view letter,
                         const std::vector<SearchRecord>& records);

/// The script file name of `letter`: prefix + "search-" + letter + ".js".
std::string SearchScriptName(const COptions& options, std::string_view letter);

}  // namespace vellix::site::extras
