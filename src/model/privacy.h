// Who counts as living, and what the option set's privacy filters do to a
// living individual's names, dates and details.
#pragma once

#include <string>

#include "gedcom/gedcom_record.h"
#include "platform/settings_store.h"

namespace vellix {

class COptions;

/// The answer of the inclusion test for one individual.
struct Inclusion {
  bool included = true;
  bool living = false;
};

/// The privacy rules of one run: the option set's privacy filters, the
/// diagnostic support flags and the all-events flag of the living test.
/// Holds a reference to `options`, which must outlive the filter. Every
/// part of the site that shows an individual asks the same object, so the
/// rules cannot drift apart.
///
/// When living individuals are excluded, a living individual who still
/// shows (a spouse or child in a selected family) keeps only the ">>>"
/// name: no birth date, no details. The option set's own filters would
/// leave the date and facts of such a person visible.
class PrivacyFilter {
 public:
  explicit PrivacyFilter(const COptions& options, platform::SupportFlags support = {},
                         bool all_events = false);

  /// The living test of a loaded individual record. A DEAT line makes the
  /// individual not living (with support flag 4 only a DEAT line with a
  /// date, and the later DEAT lines only with the all-events flag). Without
  /// "Assume individuals are living when born after the year" everyone else
  /// is living; with it, a birth year (first BIRT line, or any BIRT line
  /// with the all-events flag) that is known and not after the option's year
  /// makes the individual not living.
  bool IsLiving(const GedcomRecord& individual) const;

  /// The living test and whether the individual goes into the site: only
  /// a living individual is left out, and only when living individuals are
  /// excluded.
  Inclusion IsIncluded(const GedcomRecord& individual) const;

  /// Replaces the given names of a living individual: ">>>" when living
  /// individuals are excluded, else initials or the replacement text as the
  /// names choice says. True when the names were replaced.
  bool FilterGivenNames(bool living, std::string* names) const;

  /// Replaces the birth (or marriage) date of a living individual: by the
  /// HTML-escaped replacement text when living individuals are included and
  /// dates are filtered; by "" when living individuals are excluded. True
  /// when the date was replaced; the caller then empties the place too.
  bool FilterBirthDate(bool living, std::string* date) const;

  /// True when the notes, facts and other details of the individual must be
  /// left out: living and either excluded or with "Exclude notes && facts".
  bool HideDetails(bool living) const;

  const COptions& options() const { return options_; }
  bool all_events() const { return all_events_; }

 private:
  bool HasDeath(const GedcomRecord& individual) const;

  const COptions& options_;
  platform::SupportFlags support_;
  bool all_events_;
};

}  // namespace vellix
