#include "model/selection.h"

#include <algorithm>
#include <cstdio>

#include "gedcom/gedcom_reader.h"
#include "gedcom/record_store.h"
#include "model/privacy.h"
#include "options/options.h"
#include "platform/settings_store.h"
#include "run/warning_log.h"
#include "text/paths.h"

namespace vellix {
namespace {

// The file-safe form that decides whether two identifiers name the same
// page; PageFileName writes "_" for an identifier with nothing file-safe.
std::string FileKey(std::string_view id) {
  std::string safe = text::FileSafeId(id);
  if (safe.empty()) safe = "_";
  return safe;
}

// The value of the first level-1 EVEN whose first TYPE line is exactly
// `type`; nullptr when there is none.
const std::string* CustomFactValue(const GedcomRecord& family, const std::string& type) {
  for (const GedcomNode& even : family.Children(kTagEven)) {
    const GedcomNode* type_line = even.FirstChild(kTagType);
    if (type_line != nullptr && type_line->value == type) return &even.value;
  }
  return nullptr;
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

const std::string& FamilyPageId(GedcomRecord& entry, const GedcomRecord* family,
                                const COptions& options, PageIdSet& ids,
                                WarningLog& warnings) {
  const int32_t numbering = options.m_nFamilyRefs;
  if (numbering < 1 || numbering > 3) {
    entry.pageId = entry.key;
  } else {
    const std::string* value = nullptr;
    if (family != nullptr) {
      if (numbering == 1 || numbering == 2) {
        const GedcomNode* line = family->FirstChild(numbering == 1 ? kTagRefn : kTagRin);
        if (line != nullptr) value = &line->value;
      } else {
        value = CustomFactValue(*family, options.m_strFamilyRefTag);
      }
    }
    // A value that gives no file name of its own ("", "../..") would make
    // every such family share one page: it counts as missing.
    if (value != nullptr && !text::FileSafeId(*value).empty()) {
      entry.pageId = *value;
    } else {
      entry.pageId = options.m_strNoRefPrefix + entry.key;
      if (numbering != 3) warnings.Add(WarningCode::kFamilyWithoutReference);
    }
  }
  if (!ids.Add(entry.pageId)) warnings.Add(WarningCode::kPageIdNotUnique, entry.pageId);
  return entry.pageId;
}

void SelectFamilies(RunContext& ctx, const PrivacyFilter& privacy, bool all) {
  RecordStore& store = ctx.store;
  platform::Progress& progress = ctx.progress;
  const int32_t limit =
      all ? static_cast<int32_t>(store.Count(RecordKind::kFamily)) : kSampleLimit;
  int32_t selected = 0;
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
      entry->pageId = LonerPageId(entry->key);
      if (!ids.Add(entry->pageId)) {
        ctx.warnings().Add(WarningCode::kPageIdNotUnique, entry->pageId);
      }
      Inclusion inclusion = privacy.IsIncluded(*loaded);
      entry->flags |= kMarkLivingTested;
      if (inclusion.living) entry->flags |= kMarkLiving;
      if (inclusion.included) {
        entry->flags |= kMarkSelected;
        ++selected;
        progress.Step(std::min(selected, limit));
        if (!all && selected >= limit) break;
      }
    }
    store.ResetWalk();
  }
  ctx.statistics.familiesSelected = selected;
}

void SelectFamilies(RunContext& ctx, bool all) {
  PrivacyFilter privacy(ctx.options, platform::ReadSupportFlags(ctx.env.settings()));
  SelectFamilies(ctx, privacy, all);
}

}  // namespace vellix
