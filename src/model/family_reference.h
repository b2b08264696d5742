// The reference a family record offers for naming its page: the key, its
// REFN or RIN value, or the value of a custom fact.
#pragma once

#include <cstdint>
#include <string>

#include "gedcom/gedcom_record.h"

namespace vellix {

/// How family pages are named (the option set's "Family Page References",
/// m_nFamilyRefs).
enum class FamilyNumbering : int32_t {
  kKey = 0,        // the cross-reference identifier
  kRefn = 1,       // the user reference number (REFN)
  kRin = 2,        // the automated record ID number (RIN)
  kCustomTag = 3,  // a custom fact (EVEN with a TYPE) named by the option set
};

/// The value `family` (a loaded family record) offers for `numbering`: the
/// first level-1 REFN or RIN value, or the value of the first level-1 EVEN
/// whose first TYPE line is exactly `custom_tag`. nullptr when the record
/// has none, for kKey, and when the value holds nothing a file name can be
/// made of ("", "../.."): such a value would make families share a page.
const std::string* FamilyReferenceValue(const GedcomRecord& family,
                                        FamilyNumbering numbering,
                                        const std::string& custom_tag);

}  // namespace vellix
