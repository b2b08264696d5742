#include "model/family_ref_census.h"

#include "gedcom/gedcom_reader.h"
#include "gedcom/record_store.h"
#include "model/selection.h"

namespace vellix {

std::string CensusText(const FamilyRefCensus& census) {
  if (census.found_in_none()) return "Not found in any records";
  std::string text = census.found_in_all() ? "In ALL records" : "In SOME records";
  text += census.unique ? " and values are UNIQUE" : " but values are NOT unique";
  return text;
}

FamilyRefCensusSet TakeFamilyRefCensus(GedcomReader& reader, RecordStore& store,
                                       const std::string& custom_tag,
                                       platform::Progress* progress) {
  FamilyRefCensusSet set;
  set.custom_tag = custom_tag;
  struct Item {
    FamilyNumbering numbering;
    FamilyRefCensus* census;
    PageIdSet ids;
  };
  Item items[] = {{FamilyNumbering::kRefn, &set.refn, {}},
                  {FamilyNumbering::kRin, &set.rin, {}},
                  {FamilyNumbering::kCustomTag, &set.custom, {}}};
  if (progress != nullptr) {
    progress->SetPhase("Gathering Information", 0,
                       static_cast<int64_t>(store.Count(RecordKind::kFamily)), true);
  }
  int64_t step = 0;
  store.ResetWalk();
  while (GedcomRecord* entry = store.Next(RecordKind::kFamily)) {
    if (progress != nullptr) {
      if (progress->IsCancelled()) {
        store.ResetWalk();
        break;
      }
      progress->Step(++step);
    }
    GedcomRecord* family = nullptr;
    reader.LoadRecord(RecordKind::kFamily, entry->key, false, &family);
    for (Item& item : items) {
      ++item.census->families;
      if (family == nullptr) continue;
      if (item.numbering == FamilyNumbering::kCustomTag && custom_tag.empty()) continue;
      const std::string* value =
          FamilyReferenceValue(*family, item.numbering, custom_tag);
      if (value == nullptr) continue;
      ++item.census->with_value;
      if (!item.ids.Add(*value)) item.census->unique = false;
    }
  }
  return set;
}

}  // namespace vellix
