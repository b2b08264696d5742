#include "model/configure_entries.h"

#include "gedcom/gedcom_reader.h"
#include "gedcom/record_store.h"
#include "model/names.h"

namespace vellix {
namespace {

// "Surname, Given" of the first NAME line; the part that is there alone
// when the other is missing.
std::string SortName(const GedcomRecord& individual) {
  const GedcomNode* name = individual.FirstChild(kTagName);
  if (name == nullptr) return std::string();
  const std::string surname = SurnameOf(name->value);
  const std::string given = GivenOf(name->value);
  if (surname.empty()) return given;
  if (given.empty()) return surname;
  return surname + ", " + given;
}

std::string Alias(const GedcomRecord& individual) {
  std::string alias;
  for (const GedcomNode& line : individual.Children(kTagAlia)) {
    if (line.pointer.empty()) alias = line.value;
  }
  return alias;
}

std::string PointerOf(const GedcomRecord& family, TagCode tag) {
  const GedcomNode* line = family.FirstChild(tag);
  return line == nullptr ? std::string() : line->pointer;
}

std::string NameOf(GedcomReader& reader, const std::string& key) {
  if (key.empty()) return std::string();
  GedcomRecord* individual = nullptr;
  reader.LoadRecord(RecordKind::kIndividual, key, false, &individual);
  return individual == nullptr ? std::string() : SortName(*individual);
}

}  // namespace

std::vector<options::ConfigureEntry> ListConfigureEntries(GedcomReader& reader,
                                                          RecordStore& store,
                                                          options::AttributeOwner owner) {
  const bool families = owner == options::AttributeOwner::kFamilies;
  const RecordKind kind = families ? RecordKind::kFamily : RecordKind::kIndividual;
  std::vector<options::ConfigureEntry> entries;
  entries.reserve(store.Count(kind));
  // Keys first: loading spouses below must not disturb the store's walk.
  store.ResetWalk();
  while (const GedcomRecord* entry = store.Next(kind)) {
    entries.push_back({entry->key, {}, {}, {}});
  }
  for (options::ConfigureEntry& entry : entries) {
    GedcomRecord* record = nullptr;
    reader.LoadRecord(kind, entry.reference, false, &record);
    if (record == nullptr) continue;
    if (families) {
      // Take the pointers before loading the spouses, which may evict the
      // family from its cache.
      const std::string husband = PointerOf(*record, kTagHusb);
      const std::string wife = PointerOf(*record, kTagWife);
      entry.name = NameOf(reader, husband);
      entry.wife = NameOf(reader, wife);
    } else {
      entry.name = SortName(*record);
      entry.alias = Alias(*record);
    }
  }
  return entries;
}

}  // namespace vellix
