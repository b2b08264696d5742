// How the families of a GEDCOM file carry one way of naming family pages.
#pragma once

#include <string>

#include "options/options.h"
#include "platform/progress.h"
#include "run/run_environment.h"

namespace vellix::gui {

/// What the family records say about one item (REFN, RIN or a custom fact):
/// whether every family has it, whether some do, and whether the values
/// found are all distinct.
struct RefCensus {
  bool in_all = false;
  bool in_some = false;
  bool unique = true;
};

/// The census line: "Not found in any records", or "In ALL records" / "In
/// SOME records" followed by " and values are UNIQUE" or " but values are
/// NOT unique".
std::string CensusText(const RefCensus& census);

/// The name of the item of family page reference choice `refs` (1 REFN, 2
/// RIN, 3 custom tag) as the messages give it: "User Reference Number (REFN
/// tag)", "Record ID Number (RIN tag)", "Custom \"<tag>\" Fact tag".
std::string RefItemName(int refs, const std::string& tag);

/// Reads the GEDCOM file at `path` (native form) and takes the census of
/// item `refs` (1 REFN, 2 RIN, 3 the EVEN whose TYPE is `tag`) over its
/// family records. A value counts only when a page file name can be made of
/// it, as generation counts it. False when the file cannot be read or the
/// user stopped it. The reader follows the tag settings of `options` and
/// reports to `env`; give it an environment without an application folder,
/// so the reading leaves the last run's warnings alone.
bool TakeFamilyRefCensus(const std::string& path, int refs, const std::string& tag,
                         const COptions& options, RunEnvironment& env,
                         platform::Progress* progress, RefCensus* census);

}  // namespace vellix::gui
