// What the family records of a GEDCOM file offer for naming family pages:
// for REFN, RIN and a custom fact, whether every record, some or none holds
// one and whether the values are unique. The GEDCOM File Information shows
// it, and a change of the family numbering is checked against it.
#pragma once

#include <cstdint>
#include <string>

#include "model/family_reference.h"
#include "platform/progress.h"

namespace vellix {

class GedcomReader;
class RecordStore;

/// The census of one way of naming family pages.
struct FamilyRefCensus {
  int32_t families = 0;    // family records examined
  int32_t with_value = 0;  // records that hold a usable value
  bool unique = true;      // no two values would name the same page

  bool found_in_none() const { return with_value == 0; }
  bool found_in_all() const { return with_value > 0 && with_value == families; }
};

/// "Not found in any records", or "In ALL records" / "In SOME records"
/// followed by " and values are UNIQUE" or " but values are NOT unique".
std::string CensusText(const FamilyRefCensus& census);

/// The census of REFN, RIN and the custom fact `custom_tag` (an EVEN line
/// whose TYPE is exactly the tag; an empty tag is never found).
struct FamilyRefCensusSet {
  std::string custom_tag;
  FamilyRefCensus refn;
  FamilyRefCensus rin;
  FamilyRefCensus custom;
};

/// Walks every family of `store` (filled by `reader`'s reading pass) in key
/// order, loading each record; a record that does not load counts as one
/// without values. Values count as the page names the run would make of
/// them: one that gives no file name is missing, and two that give the same
/// file name are not unique. Steps `progress` per family when given.
FamilyRefCensusSet TakeFamilyRefCensus(GedcomReader& reader, RecordStore& store,
                                       const std::string& custom_tag,
                                       platform::Progress* progress = nullptr);

}  // namespace vellix
