// Collects the facts, alternate names and notes of the people and the family
// of one group sheet and places each by the option set's display choices:
// within the group sheet (Born, Died and Married lists, other facts, notes in
// the person's row) or at the end of the page.
#pragma once

#include <string>
#include <vector>

#include "gedcom/gedcom_record.h"
#include "site/family/fact.h"

namespace vellix {
class COptions;
class PrivacyFilter;
class RecordStore;
}  // namespace vellix

namespace vellix::site {

/// An individual's second or later NAME line, as the sheet shows it.
struct AlternateName {
  std::string display;  // plain text, not escaped
  /// Copies of the name line's SOUR and OBJE lines (CopyOfSourcesAndObjects); may be
  /// null.
  std::shared_ptr<const GedcomNode> line;
  std::vector<const GedcomNode*> citations;
};

/// Where a display choice (0 no, 1 at end of page, 2 within page) puts
/// something.
enum Placement : int { kPlaceNone = 0, kPlaceEnd = 1, kPlaceWithin = 2 };

/// Everything of one individual that the group sheet places.
struct PersonFacts {
  std::string key;
  std::string display_name;  // given names first, privacy filtered, plain text
  char sex = 'U';            // 'M', 'F' or 'U'
  bool living = false;
  /// Living and left out of the site: the sheet shows only the filtered
  /// name (no dates, places, facts, notes or citations).
  bool excluded = false;
  /// Living with notes and facts hidden (or excluded).
  bool hidden = false;
  /// The first NAME line's citations.
  std::vector<const GedcomNode*> name_citations;
  /// Copies of the first NAME line's SOUR and OBJE lines (CopyOfSourcesAndObjects); may
  /// be null.
  std::shared_ptr<const GedcomNode> name_line;
  /// Born list: the birth, then alternate births (within page), baptisms and
  /// christenings placed within the page. Died list likewise with burials.
  std::vector<Fact> born;
  std::vector<Fact> died;
  /// Other facts placed within the group sheet, in record order.
  std::vector<Fact> other;
  /// Facts placed at the end of the page, in record order.
  std::vector<Fact> end;
  /// Alternate names by the "Include alternate names" choice.
  std::vector<AlternateName> names_within;
  std::vector<AlternateName> names_end;
  /// Research notes (level-1 NOTE lines) and medical notes, each note as its
  /// lines; kept only when their display choice is not No.
  std::vector<std::vector<std::string>> research_notes;
  std::vector<std::vector<std::string>> medical_notes;

  /// True when the additional-information section has an entry for this
  /// person (end-of-page facts or names, end-of-page research or medical
  /// notes); always false for a hidden person.
  bool HasEndMaterial(const COptions& options) const;
};

/// Everything of one family record that the group sheet places.
struct FamilyFacts {
  std::string key;
  /// A spouse is living: dates of marriage facts are filtered.
  bool living = false;
  /// A spouse is hidden (living with details hidden, or excluded): no
  /// end-of-page facts, no marriage notes; with an excluded spouse the
  /// marriage lines carry no data either.
  bool hidden = false;
  std::vector<Fact> married;
  std::vector<Fact> end;
  std::vector<std::vector<std::string>> marriage_notes;

  bool HasEndMaterial(const COptions& options) const;
};

/// Builds PersonFacts and FamilyFacts. One collector serves a run; `ref` of
/// each call is the page identifier of the family being written (warnings
/// link to it).
class FactCollector {
 public:
  /// `warnings` receives warnings 11 and 21; it must outlive the collector.
  FactCollector(const COptions& options, const PrivacyFilter& privacy, NoteResolver notes,
                WarningLog& warnings);

  /// Loads the records a shared fact points at (individuals and families).
  /// Without one, "_SHAR" lines are not followed.
  using RecordLoader = std::function<const GedcomRecord*(std::string_view key)>;
  void set_record_loader(RecordLoader loader) { loader_ = std::move(loader); }
  /// Gives the display name of an associated person (plain text); without
  /// one, the key is shown.
  using NameOf = std::function<std::string(std::string_view key)>;
  void set_name_of(NameOf name_of) { name_of_ = std::move(name_of); }

  /// Collects an individual's facts. `living` is the result of the living
  /// test (PrivacyFilter::IsLiving). Raises warning 11 for EVEN lines that
  /// match a user-defined kind whose display choice is 0.
  PersonFacts CollectPerson(const GedcomRecord& individual, bool living,
                            const std::string& ref) const;

  /// Collects a family's facts and marriage notes; `husband` and `wife` may
  /// be null.
  FamilyFacts CollectFamily(const GedcomRecord& family, const PersonFacts* husband,
                            const PersonFacts* wife, const std::string& ref) const;

  /// Builds one fact from a line of an individual (`family` false) or family
  /// record: kind, label, fields, following a "_SHAR" chain to its end (a
  /// chain that reaches itself raises warning 21 with `ref` and stops where
  /// it began; a chain stops before a record whose details the privacy
  /// filter hides). kKindNone kind for a line that is no fact. The label is
  /// HTML: option texts as they stand, the line's TYPE text escaped.
  Fact BuildFact(const GedcomNode& line, bool family, const std::string& ref) const;

  /// The run's warning list, for the loaders that work with the collector.
  WarningLog& warnings() const { return warnings_; }

 private:
  /// CollectPerson and CollectFamily over the level-1 lines of the record
  /// `key`: the cached record's own lines when reading them loads nothing,
  /// else a private copy.
  PersonFacts CollectPersonLines(const std::string& key,
                                 const std::vector<GedcomNode>& lines, bool living,
                                 const std::string& ref) const;
  FamilyFacts CollectFamilyLines(const std::string& key,
                                 const std::vector<GedcomNode>& lines,
                                 const PersonFacts* husband, const PersonFacts* wife,
                                 const std::string& ref) const;
  void Place(Fact fact, int choice, std::vector<Fact>* within,
             std::vector<Fact>* end) const;
  const GedcomNode* FollowShared(const GedcomNode& line, const std::string& ref,
                                 std::string* shared_key) const;
  /// False when the privacy filter hides the details of the individual
  /// `record`, or of a spouse of the family `record`.
  bool DetailsShown(const GedcomRecord& record) const;
  void AddNote(const GedcomNode& note, std::vector<std::vector<std::string>>* out) const;

  const COptions& options_;
  const PrivacyFilter& privacy_;
  NoteResolver notes_;
  RecordLoader loader_;
  NameOf name_of_;
  WarningLog& warnings_;
};

/// Raises the run's warnings about the marriage settings, once per run before
/// the family pages: 2 when marriage facts (kind 59) are excluded, 4 when
/// alternate BMD facts are asked for then, 3 when the primary marriage goes
/// to the end of the page while alternates go within the group sheet.
void CheckMarriageSettings(const COptions& options, WarningLog& warnings);

}  // namespace vellix::site
