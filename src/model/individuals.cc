#include "model/individuals.h"

#include <cstdio>

#include "gedcom/gedcom_reader.h"
#include "gedcom/record_store.h"
#include "model/dates.h"
#include "model/privacy.h"
#include "model/selection.h"
#include "options/options.h"
#include "options/options_bridge.h"
#include "platform/settings_store.h"
#include "text/paths.h"

namespace vellix {
namespace {

// Tag codes of the fixed standard list that the tag table names no constant for.
constexpr TagCode kTagAliaCode = 9;
constexpr TagCode kTagBapmCode = 16;

// `text` without the blanks around it (some programs pad their dates).
std::string Trimmed(const std::string& text) {
  size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  size_t last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

// The page identifier of the family `key` points to, when that family has a
// page: selected in this run (any family with an identifier in list mode).
const std::string* FamilyPage(RecordStore& store, const std::string& key, bool listOnly) {
  if (key.empty()) return nullptr;
  const GedcomRecord* family = store.Find(RecordKind::kFamily, key);
  if (family == nullptr || family->pageId.empty()) return nullptr;
  if (!listOnly && (family->flags & kMarkSelected) == 0) return nullptr;
  return &family->pageId;
}

// The custom features of a fact-tag EVEN line, by its first TYPE value.
void TakeCustomFact(const GedcomNode& even, const COptions& options,
                    IndividualSummary* out, bool* seen_relation, bool* seen_biography,
                    bool* seen_image) {
  const GedcomNode* type_line = even.FirstChild(kTagType);
  if (type_line == nullptr) return;
  const std::string& type = type_line->value;
  if (options.m_bRelationship && !*seen_relation && type == options.m_strRelationTag) {
    out->relationship = even.value;
    *seen_relation = true;
  } else if (options.m_bBiography && !*seen_biography &&
             type == options.m_strBiographyTag) {
    out->biographyLink = even.value;
    *seen_biography = true;
  } else if (options.m_bIndivImages && !*seen_image && type == options.m_strImageTag) {
    out->image = even.value;
    *seen_image = true;
  }
}

// Fills `out` from the loaded individual's level-1 lines, in line order.
void Summarize(const GedcomRecord& individual, COptions& options, RecordStore& store,
               bool with_gendex, bool listOnly, IndividualSummary* out) {
  bool seen_name = false, seen_birth = false, seen_death = false;
  bool seen_relation = false, seen_biography = false, seen_image = false;
  const std::string* spouse_page = nullptr;
  const std::string* parents_page = nullptr;
  for (const GedcomNode& line : individual.children) {
    switch (line.tagCode) {
      case kTagName:
        if (!seen_name) out->name.ParseName(line, options);
        seen_name = true;
        break;
      case kTagAliaCode:
        if (line.pointer.empty()) out->alias = line.value;
        break;
      case kTagBirt:
        if (!seen_birth) {
          EventDatePlace event = EventDateAndPlace(line, options);
          out->birthDate = std::move(event.date);
          out->birthPlace = std::move(event.place);
          seen_birth = true;
        }
        break;
      case kTagDeat:
        if (!seen_death) {
          EventDatePlace event = EventDateAndPlace(line, options);
          out->deathDate = std::move(event.date);
          out->deathPlace = std::move(event.place);
          seen_death = true;
        }
        break;
      case kTagBapmCode:
      case kTagChr:
        // Only the GENDEX file takes a christening for a missing birth.
        if (with_gendex && !seen_birth && out->birthDate.empty() &&
            out->birthPlace.empty()) {
          EventDatePlace event = EventDateAndPlace(line, options);
          out->birthDate = std::move(event.date);
          out->birthPlace = std::move(event.place);
        }
        break;
      case kTagBuri:
        if (with_gendex && !seen_death && out->deathDate.empty() &&
            out->deathPlace.empty()) {
          EventDatePlace event = EventDateAndPlace(line, options);
          out->deathDate = std::move(event.date);
          out->deathPlace = std::move(event.place);
        }
        break;
      case kTagFamc:
        if (const std::string* page = FamilyPage(store, line.pointer, listOnly)) {
          if (parents_page == nullptr) parents_page = page;
          out->familyPageIds.push_back(*page);
        }
        break;
      case kTagFams:
        if (const std::string* page = FamilyPage(store, line.pointer, listOnly)) {
          if (spouse_page == nullptr) spouse_page = page;
          out->familyPageIds.push_back(*page);
        }
        break;
      case kTagEven:
        if (options.m_bUseFactTags) {
          TakeCustomFact(line, options, out, &seen_relation, &seen_biography,
                         &seen_image);
        }
        break;
      default:
        break;
    }
  }
  if (!options.m_bUseFactTags && options.m_indivAttributes.Find(out->key)) {
    const CAttributes& attributes = *options.m_indivAttributes.m_pCurrent;
    if (options.m_bRelationship) out->relationship = attributes.m_strText;
    if (options.m_bBiography) out->biographyLink = attributes.m_strLink;
    if (options.m_bIndivImages) {
      out->image = attributes.m_strImage;
      out->imageCaption = attributes.m_strCaption;
    }
  }
  if (spouse_page != nullptr) {
    out->homePageId = *spouse_page;
  } else if (parents_page != nullptr) {
    out->homePageId = *parents_page;
  } else {
    out->homePageId = LonerPageId(out->key);
    out->familyPageIds.push_back(out->homePageId);
  }
}

}  // namespace

void IndividualCollector::AddIndividual(const IndividualSummary& summary,
                                        bool aliasInName) {
  summaries_.push_back(summary);
  alias_in_name_ = aliasInName;
}

GendexEntry MakeGendexEntry(const IndividualSummary& summary,
                            const PrivacyFilter& privacy, std::string pageFile) {
  GendexEntry entry;
  entry.pageFile = std::move(pageFile);
  entry.surname = summary.name.surname;
  entry.given = summary.name.given;
  entry.suffix = summary.name.suffix;
  entry.birthDate = Trimmed(summary.birthDate);
  entry.birthPlace = Trimmed(summary.birthPlace);
  entry.deathDate = Trimmed(summary.deathDate);
  entry.deathPlace = Trimmed(summary.deathPlace);
  if (summary.living) {
    privacy.FilterGivenNames(true, &entry.given);
    if (privacy.FilterBirthDate(true, &entry.birthDate)) entry.birthPlace.clear();
    if (privacy.options().m_bExcludeLiving) {
      // Nothing of an excluded living individual may show.
      entry.deathDate.clear();
      entry.deathPlace.clear();
    }
  }
  return entry;
}

void ParseIndividuals(RunContext& ctx, const PrivacyFilter& privacy, IndividualSink& sink,
                      GendexSink* gendex, bool listOnly) {
  RecordStore& store = ctx.store;
  platform::Progress& progress = ctx.progress;
  COptions& options = ctx.options;
  const int64_t count = static_cast<int64_t>(store.Count(RecordKind::kIndividual));

  char phase[64];
  std::snprintf(phase, sizeof phase, "Parsing %lld individuals...",
                static_cast<long long>(count));
  progress.SetPhase(phase, 0, count, true);

  const bool with_gendex = gendex != nullptr && !listOnly && gendex->Open();
  const text::PageNameSettings page_names = PageNameSettingsFromOptions(options);

  int64_t position = 0;
  store.ResetWalk();
  while (!progress.IsCancelled()) {
    GedcomRecord* entry = store.Next(RecordKind::kIndividual);
    if (entry == nullptr) break;
    progress.Step(++position);
    const bool living = (entry->flags & kMarkLiving) != 0;
    if (!listOnly) {
      if ((entry->flags & kMarkSelected) == 0) continue;
      if (living && options.m_bExcludeLiving) continue;
    }
    GedcomRecord* loaded = nullptr;
    ctx.reader.LoadRecord(RecordKind::kIndividual, entry->key, false, &loaded);
    if (loaded == nullptr) continue;

    IndividualSummary summary;
    summary.key = entry->key;
    summary.living = !listOnly && living;
    summary.included = true;
    Summarize(*loaded, options, store, with_gendex, listOnly, &summary);
    sink.AddIndividual(summary, options.m_bAliasInName);
    if (with_gendex) {
      gendex->Write(MakeGendexEntry(summary, privacy,
                                    text::PageFileName(page_names, summary.homePageId,
                                                       text::PageLetter::kNone, false)));
    }
  }
  store.ResetWalk();
  if (with_gendex) gendex->Close();
}

void ParseIndividuals(RunContext& ctx, IndividualSink& sink, GendexSink* gendex,
                      bool listOnly) {
  PrivacyFilter privacy(ctx.options, platform::ReadSupportFlags(ctx.env.settings()));
  ParseIndividuals(ctx, privacy, sink, gendex, listOnly);
}

}  // namespace vellix
