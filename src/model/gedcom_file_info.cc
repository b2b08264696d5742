#include "model/gedcom_file_info.h"

#include "gedcom/gedcom_reader.h"
#include "gedcom/record_store.h"

namespace vellix {

GedcomFileInfo GatherGedcomFileInfo(GedcomReader& reader, RecordStore& store,
                                    const std::string& custom_tag,
                                    platform::Progress* progress) {
  GedcomFileInfo info;
  info.has_header = reader.ReadHeader(&info.header);
  info.families = store.familyCount();
  info.individuals = store.individualCount();
  info.census = TakeFamilyRefCensus(reader, store, custom_tag, progress);
  return info;
}

}  // namespace vellix
