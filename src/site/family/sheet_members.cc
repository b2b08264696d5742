#include "site/family/sheet_members.h"

#include <algorithm>
#include <unordered_map>

#include "gedcom/gedcom_reader.h"
#include "gedcom/record_store.h"
#include "media/media_objects.h"
#include "model/names.h"
#include "model/privacy.h"
#include "model/selection.h"
#include "options/options.h"
#include "run/warning_log.h"
#include "text/string_ops.h"

namespace vellix::site {
namespace {

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

std::string SheetLoader::ResolvedKey(RecordKind kind, std::string_view pointer) const {
  const GedcomRecord* record = store_.Find(kind, pointer);
  return record != nullptr ? record->key : std::string(pointer);
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
                                std::string_view family_key, ParentNames parent_names,
                                SheetPerson* person) {
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
    if (parent_names == ParentNames::kSkip) continue;
    for (const std::string& key : PointersOf(*loaded, kTagHusb)) {
      pending.push_back({key, page, &person->fathers});
    }
    for (const std::string& key : PointersOf(*loaded, kTagWife)) {
      pending.push_back({key, page, &person->mothers});
    }
  }
  for (const Pending& p : pending) {
    std::string name = DisplayNameOf(p.key);
    if (name.empty()) continue;
    p.list->push_back(Relative{std::move(name), p.page});
  }
  OwnFamilies scratch;
  TakeSpouses(OwnFamiliesOf(*person, own_families, family_key, &scratch), family_key,
              person);
}

const SheetLoader::OwnFamilies& SheetLoader::OwnFamiliesOf(
    const SheetPerson& person, const std::vector<std::string>& own_families,
    std::string_view family_key, OwnFamilies* scratch) {
  // One or two families cost little to gather again; more are gathered once.
  if (auto it = own_families_.find(person.key); it != own_families_.end()) {
    return *it->second;
  }
  const bool keep = own_families.size() >= kKeptFrom;
  // Keys first, names after: loading names may push the families out of
  // the cache.
  OwnFamilies own;
  std::vector<std::vector<std::string>> partner_keys(own_families.size());
  size_t all_keys = 0;
  for (size_t i = 0; i < own_families.size(); ++i) {
    const std::string& fams = own_families[i];
    OwnFamilies::Family family;
    family.key = ResolvedKey(RecordKind::kFamily, fams);
    family.page = PageOfFamily(fams);
    GedcomRecord* loaded = nullptr;
    reader_.LoadRecord(RecordKind::kFamily, fams, false, &loaded);
    if (loaded != nullptr) {
      partner_keys[i] = PointersOf(*loaded, kTagHusb);
      for (std::string& key : PointersOf(*loaded, kTagWife))
        partner_keys[i].push_back(std::move(key));
    }
    all_keys += partner_keys[i].size();
    own.families.push_back(std::move(family));
  }
  // Gathered for this page only and too few to reach the bound: the
  // partners of the page's own family are not shown, so not named.
  const bool skip_this_family = !keep && all_keys <= kSpouseBound;
  for (size_t i = 0; i < own.families.size(); ++i) {
    OwnFamilies::Family& family = own.families[i];
    if (skip_this_family && family.key == family_key) continue;
    for (const std::string& key : partner_keys[i]) {
      if (ResolvedKey(RecordKind::kIndividual, key) == person.key) continue;
      std::string name = DisplayNameOf(key);
      if (name.empty()) continue;
      family.partners.push_back(Relative{std::move(name), family.page});
    }
    own.partners += family.partners.size();
  }
  if (own.partners > kSpouseBound) {
    collector_.warnings().Add(WarningCode::kSpousesCut, std::to_string(own.partners),
                              own.families.front().page, DisplayNameOf(person.key),
                              std::to_string(kSpousesShown));
  }
  if (!keep) {
    *scratch = std::move(own);
    return *scratch;
  }
  auto& kept = own_families_[person.key];
  kept = std::make_unique<OwnFamilies>(std::move(own));
  return *kept;
}

void SheetLoader::TakeSpouses(const OwnFamilies& own, std::string_view family_key,
                              SheetPerson* person) const {
  size_t count = own.partners;
  for (const OwnFamilies::Family& family : own.families) {
    if (family.key == family_key) count -= family.partners.size();
  }
  const size_t shown =
      own.partners > kSpouseBound ? std::min(count, kSpousesShown) : count;
  person->more_spouses = count - shown;
  for (const OwnFamilies::Family& family : own.families) {
    if (family.key == family_key) continue;
    if (person->own_family_page.empty()) person->own_family_page = family.page;
    for (const Relative& partner : family.partners) {
      if (person->spouses.size() == shown) break;
      person->spouses.push_back(partner);
    }
    if (person->spouses.size() == shown && !person->own_family_page.empty()) break;
  }
}

std::unique_ptr<SheetPerson> SheetLoader::MakePerson(GedcomRecord& entry,
                                                     const GedcomRecord& record,
                                                     std::string_view family_key,
                                                     const std::string& ref,
                                                     ParentNames parent_names) {
  auto person = std::make_unique<SheetPerson>();
  person->key = entry.key;
  person->entry = &entry;
  const bool living = IsLiving(entry, record);
  // Everything read from `record` is read before the facts are collected:
  // collecting may load the people the facts name, which may push `record`
  // out of its cache.
  person->attributes = AttributesOf(options_.m_indivAttributes, record, false);
  if (const GedcomNode* line = record.FirstChild(kTagName)) {
    GedcomName name;
    name.ParseName(*line, options_);
    person->given = name.given;
    privacy_.FilterGivenNames(living, &person->given);
    person->surname = name.surname;
  }
  if (options_.m_bGalleries) {
    person->objects = media::MediaObjectReader::CopyObjects(record.children);
  }
  const std::vector<std::string> parents = PointersOf(record, kTagFamc);
  // A person whose own families are kept for the run needs no list of them
  // (thousands of FAMS lines for someone with as many spouses).
  std::vector<std::string> own;
  if (own_families_.count(entry.key) == 0) own = PointersOf(record, kTagFams);
  person->facts = collector_.CollectPerson(record, living, ref);
  if (person->facts.hidden) person->objects.clear();
  ReadRelatives(parents, own, family_key, parent_names, person.get());
  return person;
}

std::unique_ptr<SheetPerson> SheetLoader::LoadPerson(std::string_view key,
                                                     std::string_view family_key,
                                                     const std::string& ref,
                                                     ParentNames parent_names) {
  GedcomRecord* loaded = nullptr;
  GedcomRecord* entry = reader_.LoadRecord(RecordKind::kIndividual, key, false, &loaded);
  if (entry == nullptr || loaded == nullptr) return nullptr;
  return MakePerson(*entry, *loaded, family_key, ref, parent_names);
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
  // Each member shows once. A spouse who is also a child of the family
  // would make it contain itself (warning 21); a member named twice in the
  // same way (two CHIL lines, or husband and wife alike) is only a repeat
  // (warning 28). Either way the repeat is left out.
  std::unordered_map<std::string, bool> seen;  // resolved key -> seen as spouse
  auto first_time = [&](const std::string& pointer, bool spouse) {
    const GedcomRecord* member = store_.Find(RecordKind::kIndividual, pointer);
    const std::string key = member != nullptr ? member->key : pointer;
    auto [at, inserted] = seen.try_emplace(key, spouse);
    if (inserted) return true;
    if (at->second != spouse) {
      if (!sheet.circular) {
        collector_.warnings().Add(WarningCode::kCircularReference, {}, sheet.page_id);
        sheet.circular = true;
      }
    } else {
      collector_.warnings().Add(WarningCode::kMemberRepeated, key, sheet.page_id);
    }
    return false;
  };
  if (!husbands.empty() && first_time(husbands.front(), true)) {
    sheet.husband =
        LoadPerson(husbands.front(), sheet.key, sheet.page_id, ParentNames::kRead);
  }
  if (!wives.empty() && first_time(wives.front(), true)) {
    sheet.wife = LoadPerson(wives.front(), sheet.key, sheet.page_id, ParentNames::kRead);
  }
  for (const std::string& key : children) {
    if (!first_time(key, false)) continue;
    // A child's row shows no Father and Mother lines.
    if (auto child = LoadPerson(key, sheet.key, sheet.page_id, ParentNames::kSkip)) {
      sheet.children.push_back(std::move(child));
    }
  }
  GedcomRecord* reloaded = nullptr;
  reader_.LoadRecord(RecordKind::kFamily, entry.key, false, &reloaded);
  const GedcomRecord& record = reloaded != nullptr ? *reloaded : family;
  if (options_.m_bGalleries) {
    sheet.objects = media::MediaObjectReader::CopyObjects(record.children);
  }
  sheet.facts =
      collector_.CollectFamily(record, sheet.husband ? &sheet.husband->facts : nullptr,
                               sheet.wife ? &sheet.wife->facts : nullptr, sheet.page_id);
  return sheet;
}

SheetFamily SheetLoader::LoadLoner(GedcomRecord& entry, const GedcomRecord& individual) {
  SheetFamily sheet;
  sheet.key = entry.key;
  // The selection named the loner's page (unique among all pages).
  sheet.page_id = entry.pageId.empty() ? LonerPageId(entry.key) : entry.pageId;
  sheet.loner = true;
  auto person = MakePerson(entry, individual, {}, sheet.page_id, ParentNames::kRead);
  if (person->facts.sex == 'F') {
    sheet.wife = std::move(person);
  } else {
    sheet.husband = std::move(person);
  }
  return sheet;
}

}  // namespace vellix::site
