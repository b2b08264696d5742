// The individuals pass: what the index pages and the GENDEX file show of
// every individual that gets into the site.
#pragma once

#include <string>
#include <vector>

#include "model/names.h"
#include "model/run_context.h"

namespace vellix {

class PrivacyFilter;

/// What the individuals pass gathers about one individual. Texts are UTF-8
/// as the GEDCOM file holds them: the privacy filters are applied by
/// whoever shows them (the name index filters names and lifespans with the
/// `living` flag; the GENDEX line is filtered by the pass itself).
struct IndividualSummary {
  std::string key;
  GedcomName name;    // from the first NAME line
  std::string alias;  // the last ALIA value that is not a pointer
  std::string birthDate;
  std::string birthPlace;
  std::string deathDate;
  std::string deathPlace;
  /// The page the individual is indexed under: the first selected spouse
  /// family, else the first selected parents' family, else the loner page
  /// the selection gave him ("o" + key, with a suffix when that clashed).
  std::string homePageId;
  /// Every selected FAMC and FAMS family in line order, then the loner page
  /// when that is the home page.
  std::vector<std::string> familyPageIds;
  // Custom features, each only when the option set includes it.
  std::string relationship;
  std::string biographyLink;
  std::string image;
  std::string imageCaption;  // stored configuration only
  bool living = false;
  bool included = true;
};

/// Receives each summary of the individuals pass, in key order. The name
/// index implements it for a run; tests and the options dialog's chooser
/// collect the summaries.
class IndividualSink {
 public:
  virtual ~IndividualSink() = default;
  /// One individual. `aliasInName` is the option set's "Display alias
  /// between given name and surname".
  virtual void AddIndividual(const IndividualSummary& summary, bool aliasInName) = 0;
};

/// An IndividualSink that keeps every summary.
class IndividualCollector : public IndividualSink {
 public:
  void AddIndividual(const IndividualSummary& summary, bool aliasInName) override;
  const std::vector<IndividualSummary>& summaries() const { return summaries_; }
  bool aliasInName() const { return alias_in_name_; }

 private:
  std::vector<IndividualSummary> summaries_;
  bool alias_in_name_ = false;
};

/// The seven fields of one GENDEX line, privacy filters applied, UTF-8.
struct GendexEntry {
  std::string pageFile;  // home page file name without folder
  std::string surname;
  std::string given;
  std::string suffix;
  std::string birthDate;
  std::string birthPlace;
  std::string deathDate;
  std::string deathPlace;
};

/// Where the individuals pass writes the GENDEX file. The engine's writer
/// implements it; the model only decides what each line holds.
class GendexSink {
 public:
  virtual ~GendexSink() = default;
  /// Starts a new file; false when it cannot be written (the writer raises
  /// the warning), after which the pass goes on without GENDEX.
  virtual bool Open() = 0;
  virtual void Write(const GendexEntry& entry) = 0;
  /// Ends the file and counts it in the run's statistics.
  virtual void Close() = 0;
};

/// The GENDEX fields of `summary`: for a living individual the given names
/// pass through FilterGivenNames and the birth date through FilterBirthDate
/// (the place is emptied when the date was replaced); with living
/// individuals excluded a living individual's dates and places are left out
/// altogether. Blanks around dates and places are dropped. `pageFile` is
/// the home page's file name.
GendexEntry MakeGendexEntry(const IndividualSummary& summary,
                            const PrivacyFilter& privacy, std::string pageFile);

/// The individuals pass. Walks the individuals in key order under the
/// phase "Parsing %d individuals..."; skips those not included by the
/// selection (and living ones when living individuals are excluded), loads
/// the rest and hands a summary of each to `sink`. With `gendex` (when it
/// opens) a GENDEX line is written for each, and christening and burial
/// stand in for missing birth and death. With `listOnly` the marks are
/// ignored: every individual is handed over, not living, and no GENDEX is
/// written (the options dialog lists individuals this way). Stops when the
/// run is cancelled.
void ParseIndividuals(RunContext& ctx, const PrivacyFilter& privacy, IndividualSink& sink,
                      GendexSink* gendex, bool listOnly);

/// As above with the run's privacy rules: the option set's filters and the
/// application's support flags.
void ParseIndividuals(RunContext& ctx, IndividualSink& sink, GendexSink* gendex,
                      bool listOnly);

}  // namespace vellix
