// The GEDCOM File Information of a file that has been read: what its header
// says, how many families and individuals it holds, and what its family
// records offer for naming family pages.
#pragma once

#include <cstdint>
#include <string>

#include "gedcom/header_info.h"
#include "model/family_ref_census.h"
#include "platform/progress.h"

namespace vellix {

class GedcomReader;
class RecordStore;

/// The facts the GEDCOM File Information shows.
struct GedcomFileInfo {
  bool has_header = false;
  HeaderInfo header;
  int32_t families = 0;
  int32_t individuals = 0;
  FamilyRefCensusSet census;
};

/// Gathers the facts after `reader`'s reading pass has filled `store`;
/// `custom_tag` is the option set's custom fact tag for family pages
/// (m_strFamilyRefTag). Loads only the header and the family records.
GedcomFileInfo GatherGedcomFileInfo(GedcomReader& reader, RecordStore& store,
                                    const std::string& custom_tag,
                                    platform::Progress* progress = nullptr);

}  // namespace vellix
