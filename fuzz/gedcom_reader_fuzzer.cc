// The GEDCOM reader from bytes to loaded records: the reading pass over any
// file image, then every record of every kind loaded whole.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_environment.h"
#include "gedcom/gedcom_reader.h"
#include "gedcom/record_store.h"

namespace {

using vellix::GedcomRecord;
using vellix::RecordKind;

constexpr RecordKind kKinds[] = {RecordKind::kHeader,     RecordKind::kFamily,
                                 RecordKind::kIndividual, RecordKind::kMultimedia,
                                 RecordKind::kNote,       RecordKind::kRepository,
                                 RecordKind::kSource,     RecordKind::kSubmission,
                                 RecordKind::kSubmitter};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vellix::fuzz::FuzzEnvironment& fuzz = vellix::fuzz::FuzzEnvironment::Get();
  fuzz.env.warnings().Reset();
  vellix::RecordStore store;
  vellix::GedcomReader reader(store, fuzz.env);
  reader.SetMaxLineLength(4096);  // the over-long line path, reachable here
  reader.OpenImage(std::string(reinterpret_cast<const char*>(data), size), "fuzz.ged");
  if (!reader.ReadPass(true, nullptr, nullptr)) return 0;
  vellix::HeaderInfo header;
  reader.ReadHeader(&header);
  for (RecordKind kind : kKinds) {
    while (GedcomRecord* entry = store.Next(kind)) {
      GedcomRecord* loaded = nullptr;
      reader.LoadRecord(kind, entry->key, false, &loaded);
    }
  }
  reader.Close(true);
  return 0;
}
