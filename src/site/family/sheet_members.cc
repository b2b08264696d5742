#include "site/family/sheet_members.h"

#include <unordered_set>

#include "gedcom/gedcom_reader.h"
#include "gedcom/record_store.h"
#include "model/names.h"
#include "model/privacy.h"
#include "options/options.h"
#include "run/warning_log.h"
#include "text/string_ops.h"

namespace vellix::site {
namespace {

bool SameKey(std::string_view a, std::string_view b) { return EqualsNoCase(a, b); }

std::string TypeText(const GedcomNode& line) {
  std::string type;
  for (const GedcomNode& t : line.Children(kTagType)) {
    if (!type.empty()) type += ' ';
    type += t.value;
  }
  return type;
}

// The value of the first EVEN line whose TYPE is `tag` (facts method of
// custom attributes).
std::string FactTagValue(const GedcomRecord& record, std::string_view tag) {
  if (tag.empty()) return {};
  for (const GedcomNode& line : record.Children(kTagEven)) {
    if (TypeText(line) == tag) return line.value;
  }
  return {};
}

// "file;caption" of an image fact.
void SplitImage(const std::string& value, CAttributes* out) {
  const size_t semicolon = value.find(';');
  out->m_strImage = value.substr(0, semicolon);
  if (semicolon != std::string::npos) out->m_strCaption = value.substr(semicolon + 1);
}

std::vector<std::string> PointersOf(const GedcomRecord& record, TagCode code) {
  std::vector<std::string> keys;
  for (const GedcomNode& line : record.Children(code)) {
    if (!line.pointer.empty()) keys.push_back(line.pointer);
  }
  return keys;
}

}  // namespace

SheetLoader::SheetLoader(const COptions& options, GedcomReader& reader,
                         RecordStore& store, const PrivacyFilter& privacy,
                         const FactCollector& collector)
    : options_(options),
      reader_(reader),
      store_(store),
      privacy_(privacy),
      collector_(collector) {}

bool SheetLoader::IsLiving(GedcomRecord& entry, const GedcomRecord& record) const {
  if ((entry.flags & kMarkLivingTested) == 0) {
    const bool living = privacy_.IsLiving(record);
    entry.flags |= kMarkLivingTested;
    if (living) entry.flags |= kMarkLiving;
  }
  return (entry.flags & kMarkLiving) != 0;
}

std::string SheetLoader::DisplayNameOf(std::string_view key) {
  GedcomRecord* loaded = nullptr;
  GedcomRecord* entry = reader_.LoadRecord(RecordKind::kIndividual, key, false, &loaded);
  if (entry == nullptr || loaded == nullptr) return {};
  const bool living = IsLiving(*entry, *loaded);
  GedcomName name;
  if (const GedcomNode* line = loaded->FirstChild(kTagName))
    name.ParseName(*line, options_);
  std::string alias;
  for (const GedcomNode& line : loaded->children) {
    if (line.tag == "ALIA" && line.pointer.empty()) alias = line.value;
  }
  return name.DisplayName(privacy_, living, alias, nullptr, {});
}

std::string SheetLoader::PageOfFamily(std::string_view key) const {
  const GedcomRecord* family = store_.Find(RecordKind::kFamily, key);
  if (family == nullptr || (family->flags & kMarkSelected) == 0) return {};
  return family->pageId;
}

CAttributes SheetLoader::AttributesOf(const CAttributesList& list,
                                      const GedcomRecord& record, bool family) const {
  CAttributes attributes;
  attributes.m_strReference = record.key;
  if (options_.m_bUseFactTags) {
    if (family) {
      attributes.m_strLink = FactTagValue(record, options_.m_strNarrativeTag);
      attributes.m_strText = FactTagValue(record, options_.m_strImportTag);
      SplitImage(FactTagValue(record, options_.m_strGroupImageTag), &attributes);
    } else {
      attributes.m_strLink = FactTagValue(record, options_.m_strBiographyTag);
      attributes.m_strText = FactTagValue(record, options_.m_strRelationTag);
      SplitImage(FactTagValue(record, options_.m_strImageTag), &attributes);
    }
    return attributes;
  }
  // Find only moves the list's current entry, which nothing else reads
  // during a run; the attributes themselves are not changed.
  auto& mutable_list = const_cast<CAttributesList&>(list);
  if (mutable_list.Find(record.key) && mutable_list.m_pCurrent != nullptr) {
    attributes.CopyFrom(*mutable_list.m_pCurrent);
  }
  attributes.m_strReference = record.key;
  return attributes;
}

void SheetLoader::ReadRelatives(const std::vector<std::string>& parent_families,
                                const std::vector<std::string>& own_families,
                                std::string_view family_key, SheetPerson* person) {
  // Keys first, names after: loading names may push the families out of
  // the cache.
  struct Pending {
    std::string key;
    std::string page;
    std::vector<Relative>* list;
  };
  std::vector<Pending> pending;
  for (const std::string& famc : parent_families) {
    GedcomRecord* loaded = nullptr;
    reader_.LoadRecord(RecordKind::kFamily, famc, false, &loaded);
    if (loaded == nullptr) continue;
    const std::string page = PageOfFamily(famc);
    if (person->parent_family_page.empty()) person->parent_family_page = page;
    for (const std::string& key : PointersOf(*loaded, kTagHusb)) {
      pending.push_back({key, page, &person->fathers});
    }
    for (const std::string& key : PointersOf(*loaded, kTagWife)) {
      pending.push_back({key, page, &person->mothers});
    }
  }
  for (const std::string& fams : own_families) {
    if (SameKey(fams, family_key)) continue;
    const std::string page = PageOfFamily(fams);
    if (person->own_family_page.empty()) person->own_family_page = page;
    GedcomRecord* loaded = nullptr;
    reader_.LoadRecord(RecordKind::kFamily, fams, false, &loaded);
    if (loaded == nullptr) continue;
    std::vector<std::string> partners = PointersOf(*loaded, kTagHusb);
    for (std::string& key : PointersOf(*loaded, kTagWife))
      partners.push_back(std::move(key));
    for (const std::string& key : partners) {
      if (!SameKey(key, person->key)) pending.push_back({key, page, &person->spouses});
    }
  }
  for (const Pending& p : pending) {
    std::string name = DisplayNameOf(p.key);
    if (name.empty()) continue;
    p.list->push_back(Relative{std::move(name), p.page});
  }
}

std::unique_ptr<SheetPerson> SheetLoader::MakePerson(GedcomRecord& entry,
                                                     const GedcomRecord& record,
                                                     std::string_view family_key,
                                                     const std::string& ref) {
  auto person = std::make_unique<SheetPerson>();
  person->key = entry.key;
  person->entry = &entry;
  const bool living = IsLiving(entry, record);
  person->facts = collector_.CollectPerson(record, living, ref);
  person->attributes = AttributesOf(options_.m_indivAttributes, record, false);
  if (const GedcomNode* line = record.FirstChild(kTagName)) {
    GedcomName name;
    name.ParseName(*line, options_);
    person->given = name.given;
    privacy_.FilterGivenNames(living, &person->given);
    person->surname = name.surname;
  }
  const std::vector<std::string> parents = PointersOf(record, kTagFamc);
  const std::vector<std::string> own = PointersOf(record, kTagFams);
  ReadRelatives(parents, own, family_key, person.get());
  return person;
}

std::unique_ptr<SheetPerson> SheetLoader::LoadPerson(std::string_view key,
                                                     std::string_view family_key,
                                                     const std::string& ref) {
  GedcomRecord* loaded = nullptr;
  GedcomRecord* entry = reader_.LoadRecord(RecordKind::kIndividual, key, false, &loaded);
  if (entry == nullptr || loaded == nullptr) return nullptr;
  return MakePerson(*entry, *loaded, family_key, ref);
}

SheetFamily SheetLoader::LoadFamily(GedcomRecord& entry, const GedcomRecord& family) {
  SheetFamily sheet;
  sheet.key = entry.key;
  sheet.page_id = entry.pageId.empty() ? entry.key : entry.pageId;
  sheet.attributes = AttributesOf(options_.m_familyAttributes, family, true);
  // Copy the member keys first: loading members may move the family out of
  // the cache (the run pins it, a caller need not).
  std::vector<std::string> husbands = PointersOf(family, kTagHusb);
  std::vector<std::string> wives = PointersOf(family, kTagWife);
  std::vector<std::string> children = PointersOf(family, kTagChil);
  std::unordered_set<std::string> seen;
  auto first_time = [&](const std::string& key) {
    if (seen.insert(text::AsciiUpper(key)).second) return true;
    if (!sheet.circular) {
      // A member who is also spouse or child again would make the family
      // contain itself; the repeat is left out.
      collector_.warnings().Add(WarningCode::kCircularReference, {}, sheet.page_id);
      sheet.circular = true;
    }
    return false;
  };
  if (!husbands.empty() && first_time(husbands.front())) {
    sheet.husband = LoadPerson(husbands.front(), sheet.key, sheet.page_id);
  }
  if (!wives.empty() && first_time(wives.front())) {
    sheet.wife = LoadPerson(wives.front(), sheet.key, sheet.page_id);
  }
  for (const std::string& key : children) {
    if (!first_time(key)) continue;
    if (auto child = LoadPerson(key, sheet.key, sheet.page_id)) {
      sheet.children.push_back(std::move(child));
    }
  }
  GedcomRecord* reloaded = nullptr;
  reader_.LoadRecord(RecordKind::kFamily, entry.key, false, &reloaded);
  const GedcomRecord& record = reloaded != nullptr ? *reloaded : family;
  sheet.facts =
      collector_.CollectFamily(record, sheet.husband ? &sheet.husband->facts : nullptr,
                               sheet.wife ? &sheet.wife->facts : nullptr, sheet.page_id);
  return sheet;
}

SheetFamily SheetLoader::LoadLoner(GedcomRecord& entry, const GedcomRecord& individual) {
  SheetFamily sheet;
  sheet.key = entry.key;
  sheet.page_id = "o" + entry.key;
  sheet.loner = true;
  auto person = MakePerson(entry, individual, {}, sheet.page_id);
  if (person->facts.sex == 'F') {
    sheet.wife = std::move(person);
  } else {
    sheet.husband = std::move(person);
  }
  return sheet;
}

}  // namespace vellix::site
