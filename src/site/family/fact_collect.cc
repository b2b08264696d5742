#include "site/family/fact_collect.h"

#include <algorithm>
#include <set>
#include <utility>

#include "model/names.h"
#include "model/privacy.h"
#include "options/options.h"
#include "run/warning_log.h"
#include "text/html_escape.h"
#include "text/string_ops.h"

namespace vellix::site {
namespace {

bool IsTag(const GedcomNode& node, std::string_view tag) {
  return text::EqualsNoCase(node.tag, tag);
}

bool HasAnyText(const std::vector<std::string>& lines) {
  return std::any_of(lines.begin(), lines.end(),
                     [](const std::string& l) { return !l.empty(); });
}

// Applies the birth and marriage date filter of a living person to a fact
// of the birth, death and marriage kinds, wherever it is placed: a replaced
// date empties the place, address and description with it, and the notes
// and citations too, whose text and DATA dates would tell the date again.
void FilterDate(const PrivacyFilter& privacy, bool living, Fact* fact) {
  if (!living) return;
  if (privacy.FilterBirthDate(living, &fact->date)) {
    fact->date_is_html = true;
    fact->place.clear();
    fact->address.clear();
    fact->description.clear();
    fact->person_key.clear();
    fact->person_name.clear();
    fact->notes.clear();
    fact->citations.clear();
  }
}

// Everything but the label of a fact of someone excluded from the site.
void Strip(Fact* fact) {
  std::string label = std::move(fact->label);
  int kind = fact->kind;
  *fact = Fact{};
  fact->label = std::move(label);
  fact->kind = kind;
}

// True when `line` is shared with another record's fact ("_SHAR" pointer):
// building its fact follows the pointer and loads that record.
bool IsSharedLine(const GedcomNode& line) {
  for (const GedcomNode& child : line.children) {
    if (!child.pointer.empty() && IsTag(child, "_SHAR")) return true;
  }
  return false;
}

// True when building the facts of `lines` (the level-1 lines of an
// individual or family record) may load other individuals or families: a
// fact line names a person (its own pointer value or an ASSO line) or is
// shared. Such loads may push the record being read out of its cache.
bool MayLoadRecords(const std::vector<GedcomNode>& lines, bool family) {
  for (const GedcomNode& line : lines) {
    const bool fact_line = line.tagCode == kTagBirt || line.tagCode == kTagDeat ||
                           FactKindForTag(line.tagCode, family) != kKindNone;
    if (!fact_line) continue;
    if (!line.pointer.empty() || IsSharedLine(line)) return true;
    for (const GedcomNode& child : line.children) {
      if (!child.pointer.empty() && IsTag(child, "ASSO")) return true;
    }
  }
  return false;
}

// A private copy of a record's lines, for a record whose facts load other
// records (see MayLoadRecords) while its lines are being read.
GedcomNode CopyOfLines(const GedcomRecord& record) {
  GedcomNode copy(0, record.tagCode, record.tag, record.value);
  copy.children.reserve(record.children.size());
  for (const GedcomNode& child : record.children) {
    std::unique_ptr<GedcomNode> line = CloneNode(child);
    copy.children.push_back(std::move(*line));
  }
  return copy;
}

}  // namespace

bool PersonFacts::HasEndMaterial(const COptions& options) const {
  if (hidden) return false;
  return !end.empty() || !names_end.empty() ||
         (!research_notes.empty() && options.m_nResearchNotes == kPlaceEnd) ||
         (!medical_notes.empty() && options.m_nMedicalNotes == kPlaceEnd);
}

bool FamilyFacts::HasEndMaterial(const COptions& options) const {
  if (hidden) return false;
  return !end.empty() ||
         (!marriage_notes.empty() && options.m_nMarriageNotes == kPlaceEnd);
}

FactCollector::FactCollector(const COptions& options, const PrivacyFilter& privacy,
                             NoteResolver notes, WarningLog& warnings)
    : options_(options),
      privacy_(privacy),
      notes_(std::move(notes)),
      warnings_(warnings) {}

void FactCollector::AddNote(const GedcomNode& note,
                            std::vector<std::vector<std::string>>* out) const {
  std::vector<std::string> lines = notes_ ? notes_(note) : InlineNoteLines(note);
  if (HasAnyText(lines)) out->push_back(std::move(lines));
}

bool FactCollector::DetailsShown(const GedcomRecord& record) const {
  if (record.tagCode == kTagIndi) return !privacy_.HideDetails(privacy_.IsLiving(record));
  if (record.tagCode != kTagFam) return true;
  // A family's facts belong to its couple: hidden when either spouse's are.
  std::vector<std::string> spouses;
  for (const GedcomNode& line : record.children) {
    if ((line.tagCode == kTagHusb || line.tagCode == kTagWife) && !line.pointer.empty()) {
      spouses.push_back(line.pointer);
    }
  }
  for (const std::string& key : spouses) {
    const GedcomRecord* spouse = loader_(key);
    if (spouse != nullptr && spouse->tagCode == kTagIndi &&
        privacy_.HideDetails(privacy_.IsLiving(*spouse))) {
      return false;
    }
  }
  return true;
}

const GedcomNode* FactCollector::FollowShared(const GedcomNode& line,
                                              const std::string& ref,
                                              std::string* shared_key) const {
  const GedcomNode* at = &line;
  std::set<std::string> seen;  // the keys of the records passed
  while (loader_) {
    std::string pointer;
    for (const GedcomNode& child : at->children) {
      if (IsTag(child, "_SHAR") && !child.pointer.empty()) {
        pointer = child.pointer;
        break;
      }
    }
    if (pointer.empty()) break;
    const GedcomRecord* record = loader_(pointer);
    if (record == nullptr) break;
    const std::string key = record->key;
    if (!seen.insert(key).second) {
      // The chain came back to a record it already passed: report it and
      // take the fact as it stands on the line where it began.
      warnings_.Add(WarningCode::kCircularReference, {}, ref);
      shared_key->clear();
      return &line;
    }
    // A fact shared with someone whose details the site hides (a living
    // person left out, or shown without notes and facts) must not show that
    // person's data on another page: the chain ends before it.
    if (!DetailsShown(*record)) break;
    // Testing a family's spouses may have loaded other records over it.
    record = loader_(key);
    if (record == nullptr) break;
    const GedcomNode* next = nullptr;
    for (const GedcomNode& candidate : record->children) {
      if (candidate.tagCode == line.tagCode &&
          text::EqualsNoCase(candidate.tag, line.tag)) {
        next = &candidate;
        break;
      }
    }
    if (next == nullptr) break;
    *shared_key = key;
    at = next;
  }
  return at;
}

Fact FactCollector::BuildFact(const GedcomNode& line, bool family,
                              const std::string& ref) const {
  int kind = FactKindForTag(line.tagCode, family);
  // A shared line is copied first: following its chain loads records that
  // may push the caller's record out of its cache. Other lines load nothing
  // before they are read.
  std::unique_ptr<GedcomNode> copy;
  if (IsSharedLine(line)) copy = CloneNode(line);
  const GedcomNode* own = copy != nullptr ? copy.get() : &line;
  std::string shared_key;
  const GedcomNode* source = FollowShared(*own, ref, &shared_key);
  Fact fact = ReadFactLine(*source, notes_);
  fact.shared_key = shared_key;
  fact.kind = kind;
  // The TYPE text belongs to the line of this person (EVEN kinds, labels).
  std::string type_text;
  for (const GedcomNode& t : own->Children(kTagType)) {
    if (t.value.empty()) continue;
    if (!type_text.empty()) type_text += ' ';
    type_text += t.value;
  }
  if (!type_text.empty()) fact.type_text = type_text;

  if (kind == kKindOtherFacts && options_.m_bOtherFacts) {
    int user = MatchUserKind(options_, fact.type_text);
    if (user != kKindNone) fact.kind = kind = user;
  }
  // Labels are HTML: the option set's labels stand as the user wrote them,
  // while the TYPE text comes from the file and is converted like any other
  // GEDCOM text before it becomes part of one.
  const std::string type_html = text::EscapeHtml(fact.type_text);
  if (kind >= kKindFirstUser && kind <= kKindLastUser) {
    // A user-defined kind shows its own label; a "^" label (a pattern) shows
    // the type text it matched.
    std::string label = FactKindLabel(options_, kind);
    if (label.size() >= 2 && label[0] == '^' && label[1] == '^') {
      fact.label = label.substr(1);
    } else if (label.size() > 2 && label[0] == '^') {
      fact.label = type_html;
    } else {
      fact.label = label;
    }
  } else if (kind == kKindOtherFacts || kind == kKindFamilyOtherFacts) {
    fact.label = fact.type_text.empty() ? FactKindLabel(options_, kind) : type_html;
  } else if (kind != kKindNone) {
    fact.label = FactKindLabel(options_, kind);
    if (!fact.type_text.empty()) fact.label += " (" + type_html + ")";
  }
  if (!fact.person_key.empty()) {
    if (name_of_) {
      fact.person_name = name_of_(fact.person_key);
    } else if (loader_) {
      const GedcomRecord* person = loader_(fact.person_key);
      if (person != nullptr && person->tagCode == kTagIndi) {
        if (const GedcomNode* name = person->FirstChild(kTagName)) {
          GedcomName parsed;
          parsed.ParseName(*name, options_);
          fact.person_name =
              parsed.DisplayName(privacy_, privacy_.IsLiving(*person), {}, nullptr, {});
        }
      }
    }
    if (fact.person_name.empty()) fact.person_key.clear();
  }
  return fact;
}

void FactCollector::Place(Fact fact, int choice, std::vector<Fact>* within,
                          std::vector<Fact>* end) const {
  if (choice == kPlaceWithin) {
    within->push_back(std::move(fact));
  } else if (choice == kPlaceEnd) {
    end->push_back(std::move(fact));
  }
}

PersonFacts FactCollector::CollectPerson(const GedcomRecord& record, bool living,
                                         const std::string& ref) const {
  if (MayLoadRecords(record.children, false)) {
    const GedcomNode copy = CopyOfLines(record);
    return CollectPersonLines(record.key, copy.children, living, ref);
  }
  return CollectPersonLines(record.key, record.children, living, ref);
}

PersonFacts FactCollector::CollectPersonLines(const std::string& key,
                                              const std::vector<GedcomNode>& lines,
                                              bool living, const std::string& ref) const {
  PersonFacts p;
  p.key = key;
  p.living = living;
  p.excluded = living && options_.m_bExcludeLiving;
  p.hidden = p.excluded || privacy_.HideDetails(living);

  const GedcomNode* first_name = FirstWithTag(lines, kTagName);
  std::string alias;
  for (const GedcomNode& child : lines) {
    if (IsTag(child, "ALIA") && child.pointer.empty() && !child.value.empty()) {
      alias = child.value;
      break;
    }
  }
  if (first_name != nullptr) {
    GedcomName name;
    name.ParseName(*first_name, options_);
    p.display_name = name.DisplayName(privacy_, living, alias, nullptr, {});
  }
  for (const GedcomNode& child : lines) {
    if (IsTag(child, "SEX") && !child.value.empty()) {
      char c = child.value[0];
      p.sex = (c == 'm' || c == 'M') ? 'M' : (c == 'f' || c == 'F') ? 'F' : 'U';
      break;
    }
  }
  if (p.excluded) return p;  // the filtered name and nothing else

  if (first_name != nullptr) {
    p.name_line = CopyOfSourcesAndObjects(*first_name);
    if (p.name_line != nullptr) p.name_citations = CitationsOf(*p.name_line);
  }

  bool seen_birth = false;
  bool seen_death = false;
  for (const GedcomNode& child : lines) {
    if (child.tagCode == kTagName) {
      if (&child == first_name || options_.m_nAltNames == kPlaceNone) continue;
      GedcomName name;
      name.ParseName(child, options_);
      AlternateName alt;
      alt.display = name.DisplayName(privacy_, living, {}, nullptr, {});
      if (alt.display.empty()) continue;
      alt.line = CopyOfSourcesAndObjects(child);
      if (alt.line != nullptr) alt.citations = CitationsOf(*alt.line);
      (options_.m_nAltNames == kPlaceWithin ? p.names_within : p.names_end)
          .push_back(std::move(alt));
    } else if (child.tagCode == kTagBirt || child.tagCode == kTagDeat) {
      bool birth = child.tagCode == kTagBirt;
      bool& seen = birth ? seen_birth : seen_death;
      std::vector<Fact>& list = birth ? p.born : p.died;
      Fact fact = BuildFact(child, false, ref);
      fact.label = birth ? options_.m_strLblBorn : options_.m_strLblDied;
      if (!seen) {
        seen = true;
        FilterDate(privacy_, living, &fact);
        list.insert(list.begin(), std::move(fact));
      } else if (options_.m_nAltBmdFacts == kPlaceWithin) {
        FilterDate(privacy_, living, &fact);
        list.push_back(std::move(fact));
      } else if (options_.m_nAltBmdFacts == kPlaceEnd && !p.hidden) {
        FilterDate(privacy_, living, &fact);
        p.end.push_back(std::move(fact));
      }
    } else if (child.tagCode == kTagNote) {
      if (!p.hidden && options_.m_nResearchNotes != kPlaceNone)
        AddNote(child, &p.research_notes);
    } else if (child.tagCode == kTagMedical || (!options_.m_strMedicalTag.empty() &&
                                                IsTag(child, options_.m_strMedicalTag))) {
      if (!p.hidden && options_.m_nMedicalNotes != kPlaceNone)
        AddNote(child, &p.medical_notes);
    } else {
      if (!options_.m_bOtherFacts || p.hidden) continue;
      if (FactKindForTag(child.tagCode, false) == kKindNone) continue;
      Fact fact = BuildFact(child, false, ref);
      int choice = options_.m_factInclude[static_cast<size_t>(fact.kind)];
      if (choice == kPlaceNone) {
        if (fact.kind >= kKindFirstUser && fact.kind <= kKindLastUser) {
          warnings_.Add(WarningCode::kUserFactExcluded, fact.type_text, ref,
                        p.display_name);
        }
        continue;
      }
      const bool birth_kind = fact.kind == kKindBaptised || fact.kind == kKindChristened;
      // Baptisms, christenings and burials tell the dates the filter hides,
      // within the group sheet and at the end of the page alike.
      if (birth_kind || fact.kind == kKindBuried) FilterDate(privacy_, living, &fact);
      if (choice == kPlaceWithin && birth_kind) {
        p.born.push_back(std::move(fact));
      } else if (choice == kPlaceWithin && fact.kind == kKindBuried) {
        p.died.push_back(std::move(fact));
      } else {
        Place(std::move(fact), choice, &p.other, &p.end);
      }
    }
  }
  return p;
}

FamilyFacts FactCollector::CollectFamily(const GedcomRecord& record,
                                         const PersonFacts* husband,
                                         const PersonFacts* wife,
                                         const std::string& ref) const {
  if (MayLoadRecords(record.children, true)) {
    const GedcomNode copy = CopyOfLines(record);
    return CollectFamilyLines(record.key, copy.children, husband, wife, ref);
  }
  return CollectFamilyLines(record.key, record.children, husband, wife, ref);
}

FamilyFacts FactCollector::CollectFamilyLines(const std::string& key,
                                              const std::vector<GedcomNode>& lines,
                                              const PersonFacts* husband,
                                              const PersonFacts* wife,
                                              const std::string& ref) const {
  FamilyFacts f;
  f.key = key;
  f.living = (husband && husband->living) || (wife && wife->living);
  bool excluded = (husband && husband->excluded) || (wife && wife->excluded);
  f.hidden = excluded || (husband && husband->hidden) || (wife && wife->hidden);

  const int married_choice = options_.m_factInclude[kKindMarried];
  bool seen_marriage = false;
  for (const GedcomNode& child : lines) {
    if (child.tagCode == kTagNote) {
      if (!f.hidden && options_.m_nMarriageNotes != kPlaceNone)
        AddNote(child, &f.marriage_notes);
      continue;
    }
    int kind = FactKindForTag(child.tagCode, true);
    if (kind == kKindNone) continue;
    if (kind == kKindMarried) {
      int choice;
      if (!seen_marriage) {
        seen_marriage = true;
        choice = (married_choice == kPlaceWithin || !options_.m_bOtherFacts)
                     ? kPlaceWithin
                 : married_choice == kPlaceEnd ? kPlaceEnd
                                               : kPlaceNone;
      } else {
        bool primary_excluded = options_.m_bOtherFacts && married_choice == kPlaceNone;
        choice = primary_excluded ? 0 : static_cast<int>(options_.m_nAltBmdFacts);
      }
      if (choice == kPlaceNone) continue;
      Fact fact = BuildFact(child, true, ref);
      fact.label = options_.m_strLblMarried;
      if (excluded) {
        Strip(&fact);
      } else {
        FilterDate(privacy_, f.living, &fact);
      }
      if (choice == kPlaceWithin) {
        f.married.push_back(std::move(fact));
      } else if (!f.hidden) {
        f.end.push_back(std::move(fact));
      }
      continue;
    }
    if (!options_.m_bOtherFacts || f.hidden) continue;
    int choice = options_.m_factInclude[static_cast<size_t>(kind)];
    if (choice == kPlaceNone) continue;
    Fact fact = BuildFact(child, true, ref);
    FilterDate(privacy_, f.living, &fact);
    Place(std::move(fact), choice, &f.married, &f.end);
  }
  return f;
}

void CheckMarriageSettings(const COptions& options, WarningLog& warnings) {
  if (!options.m_bOtherFacts) return;  // the first marriage always shows then
  const int married = options.m_factInclude[kKindMarried];
  if (married == kPlaceNone) {
    warnings.Add(WarningCode::kMarriageFactsExcluded);
    if (options.m_nAltBmdFacts != kPlaceNone) {
      warnings.Add(WarningCode::kAlternateMarriageExcluded);
    }
  } else if (married == kPlaceEnd && options.m_nAltBmdFacts == kPlaceWithin) {
    warnings.Add(WarningCode::kMarriageFactsSplit);
  }
}

}  // namespace vellix::site
