// The family page files of an individual's log entry as a list, for
// comparing in tests.
#pragma once

#include <string>
#include <vector>

#include "run/run_log_entries.h"

namespace vellix::testing {

inline std::vector<std::string> Pages(const IndividualLogEntry& entry) {
  const FamilyPageList pages = entry.family_pages();
  return std::vector<std::string>(pages.begin(), pages.end());
}

}  // namespace vellix::testing
