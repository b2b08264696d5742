#include "model/selection.h"

#include <algorithm>
#include <cstdio>

#include "gedcom/gedcom_reader.h"
#include "run/warning_log.h"
#include "model/family_reference.h"
#include "model/privacy.h"
#include "gedcom/record_store.h"
#include "options/options.h"
#include "platform/settings_store.h"
#include "text/paths.h"

namespace vellix {
namespace {

// The part of the page file name that decides whether two identifiers
// name the same page.
std::string FileKey(std::string_view id) { return text::PageStem(id); }

// Eight hexadecimal digits of a hash of `text` (FNV-1a).
std::string ShortHash(std::string_view text) {
  uint32_t hash = 2166136261u;
  for (char c : text) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 16777619u;
  }
  static constexpr char kHex[] = "0123456789abcdef";
  std::string out;
  for (int shift = 28; shift >= 0; shift -= 4) out += kHex[(hash >> shift) & 0xF];
  return out;
}

// The living test of one member, made once per individual and kept in its
// marks. False when the individual's record does not load.
bool TestIndividual(GedcomReader& reader, GedcomRecord* entry,
                    const PrivacyFilter& privacy) {
  if ((entry->flags & kMarkLivingTested) != 0) return true;
  GedcomRecord* loaded = nullptr;
  reader.LoadRecord(RecordKind::kIndividual, entry->key, false, &loaded);
  if (loaded == nullptr) return false;
  Inclusion inclusion = privacy.IsIncluded(*loaded);
  entry->flags |= kMarkLivingTested;
  if (inclusion.living) entry->flags |= kMarkLiving;
  if (inclusion.included) entry->flags |= kMarkSelected;
  return true;
}

}  // namespace

bool PageIdSet::Add(std::string_view id) { return ids_.insert(FileKey(id)).second; }

bool PageIdSet::Contains(std::string_view id) const {
  return ids_.count(FileKey(id)) != 0;
}

std::string LonerPageId(std::string_view key) { return "o" + std::string(key); }

std::string ClaimPageId(std::string_view id, char kind, std::string_view key,
                        PageIdSet& ids, WarningLog& warnings) {
  if (ids.Add(id)) return std::string(id);
  // Another record's page already has this name. The record still gets a
  // page of its own: the identifier with a suffix made from the record's
  // own key, so the name stays the same from run to run whatever else the
  // file holds (counted on in the unlikely case that it is taken as well).
  std::string seed = std::string(1, kind) + ":" + std::string(key);
  std::string unique;
  for (;;) {
    unique = std::string(id) + "_" + ShortHash(seed);
    if (ids.Add(unique)) break;
    seed += '+';
  }
  warnings.Add(WarningCode::kPageIdNotUnique, id, unique);
  return unique;
}

const std::string& FamilyPageId(GedcomRecord& entry, const GedcomRecord* family,
                                const COptions& options, PageIdSet& ids,
                                WarningLog& warnings) {
  const int32_t numbering = options.m_nFamilyRefs;
  if (numbering < 1 || numbering > 3) {
    entry.pageId = entry.key;
  } else {
    const std::string* value =
        family == nullptr
            ? nullptr
            : FamilyReferenceValue(*family, static_cast<FamilyNumbering>(numbering),
                                   options.m_strFamilyRefTag);
    if (value != nullptr) {
      entry.pageId = *value;
    } else {
      entry.pageId = options.m_strNoRefPrefix + entry.key;
      if (numbering != 3) warnings.Add(WarningCode::kFamilyWithoutReference);
    }
  }
  entry.pageId = ClaimPageId(entry.pageId, 'F', entry.key, ids, warnings);
  return entry.pageId;
}

void SelectFamilies(RunContext& ctx, const PrivacyFilter& privacy, bool all) {
  RecordStore& store = ctx.store;
  platform::Progress& progress = ctx.progress;
  const int32_t limit =
      all ? static_cast<int32_t>(store.Count(RecordKind::kFamily)) : kSampleLimit;
  int32_t selected = 0;
  int32_t loners = 0;  // of the selected, individuals outside every family
  PageIdSet ids;

  char phase[64];
  std::snprintf(phase, sizeof phase, "Parsing %d families...", limit);
  progress.SetPhase(phase, 0, limit, true);

  static constexpr TagCode kMemberTags[] = {kTagChil, kTagHusb, kTagWife};
  bool limit_reached = false;
  bool cancelled = progress.IsCancelled();
  store.ResetWalk();
  while (!cancelled) {
    // In a full run every family is looked at; only sample mode stops early.
    if (!all && selected >= limit) {
      limit_reached = true;
      break;
    }
    GedcomRecord* entry = store.Next(RecordKind::kFamily);
    if (entry == nullptr) break;
    GedcomRecord* family = nullptr;
    ctx.reader.LoadRecord(RecordKind::kFamily, entry->key, false, &family);
    if (family == nullptr) continue;  // a family that does not load gets no page
    bool has_included = false;
    for (const GedcomNode& line : family->children) {
      if (std::find(std::begin(kMemberTags), std::end(kMemberTags), line.tagCode) ==
              std::end(kMemberTags) ||
          line.pointer.empty()) {
        continue;
      }
      GedcomRecord* member = store.Find(RecordKind::kIndividual, line.pointer);
      if (member == nullptr) continue;  // pointer to a missing record
      if (!TestIndividual(ctx.reader, member, privacy)) continue;
      member->flags |= kMarkInFamily;
      if ((member->flags & kMarkSelected) != 0) has_included = true;
      if (progress.IsCancelled()) {
        cancelled = true;
        break;
      }
    }
    if (cancelled) break;
    FamilyPageId(*entry, family, ctx.options, ids, ctx.warnings());
    if (has_included) {
      entry->flags |= kMarkSelected;
      ++selected;
      progress.Step(selected);
    }
    cancelled = progress.IsCancelled();
  }
  store.ResetWalk();

  if (!cancelled && !limit_reached && (all || selected < limit)) {
    while (!progress.IsCancelled()) {
      GedcomRecord* entry = store.Next(RecordKind::kIndividual);
      if (entry == nullptr) break;
      if ((entry->flags & kMarkInFamily) != 0) continue;
      GedcomRecord* loaded = nullptr;
      ctx.reader.LoadRecord(RecordKind::kIndividual, entry->key, false, &loaded);
      if (loaded == nullptr) continue;
      entry->pageId =
          ClaimPageId(LonerPageId(entry->key), 'I', entry->key, ids, ctx.warnings());
      Inclusion inclusion = privacy.IsIncluded(*loaded);
      entry->flags |= kMarkLivingTested;
      if (inclusion.living) entry->flags |= kMarkLiving;
      if (inclusion.included) {
        entry->flags |= kMarkSelected;
        ++selected;
        ++loners;
        progress.Step(std::min(selected, limit));
        if (!all && selected >= limit) break;
      }
    }
    store.ResetWalk();
  }
  ctx.statistics.familiesSelected = selected;
  ctx.statistics.lonersSelected = loners;
}

void SelectFamilies(RunContext& ctx, bool all) {
  PrivacyFilter privacy(ctx.options, platform::ReadSupportFlags(ctx.env.settings()));
  SelectFamilies(ctx, privacy, all);
}

}  // namespace vellix
