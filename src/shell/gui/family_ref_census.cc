#include "shell/gui/family_ref_census.h"

#include <unordered_set>

#include "gedcom/gedcom_reader.h"
#include "gedcom/record_store.h"
#include "options/options.h"
#include "platform/settings_store.h"
#include "text/paths.h"

namespace vellix::gui {
namespace {

// The value of the item in a loaded family record, or nullptr.
const std::string* ItemValue(const GedcomRecord& family, int refs,
                             const std::string& tag) {
  if (refs == 1 || refs == 2) {
    const GedcomNode* line = family.FirstChild(refs == 1 ? kTagRefn : kTagRin);
    return line != nullptr ? &line->value : nullptr;
  }
  for (const GedcomNode& even : family.Children(kTagEven)) {
    const GedcomNode* type = even.FirstChild(kTagType);
    if (type != nullptr && type->value == tag) return &even.value;
  }
  return nullptr;
}

}  // namespace

std::string CensusText(const RefCensus& census) {
  if (!census.in_all && !census.in_some) return "Not found in any records";
  std::string text = census.in_all ? "In ALL records" : "In SOME records";
  text += census.unique ? " and values are UNIQUE" : " but values are NOT unique";
  return text;
}

std::string RefItemName(int refs, const std::string& tag) {
  if (refs == 1) return "User Reference Number (REFN tag)";
  if (refs == 2) return "Record ID Number (RIN tag)";
  return "Custom \"" + tag + "\" Fact tag";
}

bool TakeFamilyRefCensus(const std::string& path, int refs, const std::string& tag,
                         const COptions& options, RunEnvironment& env,
                         platform::Progress* progress, RefCensus* census) {
  RecordStore store;
  GedcomReader reader(store, env);
  ReaderSettings settings;
  settings.medical_tag = options.m_strMedicalTag;
  settings.process_nonstandard_tags = options.m_bNonstandardTags;
  settings.support = platform::ReadSupportFlags(env.settings());
  reader.SetSettings(settings);
  if (!reader.Open(path)) return false;
  const bool read = reader.ReadPass(true, progress, nullptr);
  if (!read || (progress != nullptr && progress->IsCancelled())) {
    reader.Close(true);
    return false;
  }
  *census = RefCensus{};
  std::unordered_set<std::string> values;
  int64_t families = 0;
  int64_t found = 0;
  store.ResetWalk();
  for (GedcomRecord* entry = store.Next(RecordKind::kFamily); entry != nullptr;
       entry = store.Next(RecordKind::kFamily)) {
    ++families;
    GedcomRecord* loaded = nullptr;
    reader.LoadRecord(RecordKind::kFamily, entry->key, false, &loaded);
    const std::string* value = loaded ? ItemValue(*loaded, refs, tag) : nullptr;
    if (value == nullptr || text::FileSafeId(*value).empty()) continue;
    ++found;
    if (!values.insert(*value).second) census->unique = false;
  }
  store.ResetWalk();
  reader.Close(true);
  census->in_some = found > 0;
  census->in_all = found > 0 && found == families;
  if (census->in_all) census->in_some = false;
  return true;
}

}  // namespace vellix::gui
