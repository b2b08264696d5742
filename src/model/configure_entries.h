// The individuals or families of a GEDCOM file as the list of the custom
// attributes Configure window shows them.
#pragma once

#include <vector>

#include "options/attribute_files.h"
#include "options/attributes_configure.h"

namespace vellix {

class GedcomReader;
class RecordStore;

/// Every individual (or family) of `store`, filled by `reader`'s reading
/// pass, in key order: the reference, the name as "Surname, Given" from the
/// first NAME line (for families the husband's and the wife's), and for
/// individuals the last ALIA value that is not a pointer. A record that
/// does not load is listed by its reference alone.
std::vector<options::ConfigureEntry> ListConfigureEntries(GedcomReader& reader,
                                                          RecordStore& store,
                                                          options::AttributeOwner owner);

}  // namespace vellix
