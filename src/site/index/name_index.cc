#include "site/index/name_index.h"

#include <algorithm>
#include <cstdint>
#include <numeric>

#include "gedcom/record_store.h"
#include "model/privacy.h"
#include "options/options.h"
#include "options/options_bridge.h"
#include "run/run_log_entries.h"
#include "site/index/index_text.h"
#include "site/index/lifespan.h"
#include "site/index/pagination.h"
#include "text/paths.h"

namespace vellix::site {
namespace {

int64_t FirstNumberOf(std::string_view text) {
  size_t pos = 0;
  while (pos < text.size() && (text[pos] < '0' || text[pos] > '9')) ++pos;
  int64_t value = 0;
  for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
    if (value > (INT64_MAX - 9) / 10) break;  // an absurd run of digits
    value = value * 10 + (text[pos] - '0');
  }
  return value;
}

// Puts `entries` in the order of `order` (positions into the old list),
// in place: following each cycle of the permutation moves every entry once
// and needs no second list of a million entries.
void Permute(std::vector<IndexEntry>* entries, std::vector<uint32_t> order) {
  for (size_t start = 0; start < order.size(); ++start) {
    if (order[start] == start) continue;
    IndexEntry held = std::move((*entries)[start]);
    size_t k = start;
    for (;;) {
      const size_t from = order[k];
      order[k] = static_cast<uint32_t>(k);  // done
      if (from == start) {
        (*entries)[k] = std::move(held);
        break;
      }
      (*entries)[k] = std::move((*entries)[from]);
      k = from;
    }
  }
}

}  // namespace

NameIndex::NameIndex(const COptions& options, const PrivacyFilter& privacy)
    : options_(options), privacy_(privacy) {}

void NameIndex::Reserve(size_t count) {
  entries_.reserve(count);
  lookup_.Reserve(count, ReferenceOf());
}

void NameIndex::Reset() {
  entries_.clear();
  lookup_.Clear();
  texts_.Clear();
  unlisted_links_.clear();
  groups_.clear();
  letters_.clear();
  page_count_ = 0;
  cursor_ = -1;
}

const IndexEntry* NameIndex::NextEntry() {
  if (cursor_ + 1 >= static_cast<int64_t>(entries_.size())) return nullptr;
  return &entries_[static_cast<size_t>(++cursor_)];
}

const IndexEntry* NameIndex::PriorEntry() {
  if (cursor_ <= 0) return nullptr;
  return &entries_[static_cast<size_t>(--cursor_)];
}

std::string NameIndex::DialogText(const IndexEntry& entry, bool without_suffix) {
  const std::string_view name = entry.name;
  std::string text(without_suffix && entry.givenEnd > 0 &&
                           static_cast<size_t>(entry.givenEnd) < name.size()
                       ? name.substr(0, static_cast<size_t>(entry.givenEnd))
                       : name);
  text += ' ';
  text += entry.lifespan;
  return text;
}

void NameIndex::AddIndividual(const IndividualSummary& summary, bool /*aliasInName*/) {
  // The alias switch is read from the option set by DisplayName itself.
  uint8_t flags = 0;
  if (store_ != nullptr) {
    if (const GedcomRecord* entry = store_->Find(RecordKind::kIndividual, summary.key)) {
      flags = static_cast<uint8_t>(entry->markValue & 0xFF);
    }
  }
  AddIndividual(summary, flags);
}

bool NameIndex::AddIndividual(const IndividualSummary& summary, uint8_t flags) {
  if (summary.homePageId.empty()) return false;
  // Privacy never leaks: an excluded living individual has no entry, so no
  // surname count either.
  if (summary.living && options_.m_bExcludeLiving) return false;

  // Entries are found by the individual's key, compared exactly as record
  // keys are (I1 and i1 are two people).
  const auto reference_of = ReferenceOf();
  size_t position;
  const int64_t found = lookup_.Find(summary.key, reference_of);
  if (found != text::KeyIndex::kNotFound) {
    position = static_cast<size_t>(found);
  } else {
    position = entries_.size();
    entries_.emplace_back();
    entries_.back().reference = texts_.Keep(summary.key);
    auto links = unlisted_links_.find(summary.key);
    if (links != unlisted_links_.end()) {
      entries_.back().pageLinks = texts_.Keep(links->second);
      unlisted_links_.erase(links);
    }
    lookup_.Add(static_cast<uint32_t>(position), reference_of);
  }
  IndexEntry& entry = entries_[position];

  GedcomName name = summary.name;
  int32_t name_break = 0;
  std::string shown = name.DisplayName(privacy_, summary.living, summary.alias,
                                       &name_break, {.surname_first = true});
  // A NAME line with nothing in it ("1 NAME", "1 NAME //") gives no name at
  // all; such a person is filed with the other surname-less ones, under the
  // heading of the option set's unknown-surname label, not under a blank one.
  if (shown.empty()) shown = "?, ";
  texts_.Assign(&entry.name, shown);
  entry.givenEnd = name_break;
  texts_.Assign(&entry.pageName, summary.homePageId);
  entry.referenceNumber = FirstNumberOf(summary.key);
  texts_.Assign(&entry.lifespan, Lifespan(privacy_, summary.living, summary.birthDate,
                                          summary.deathDate, html_markers_));
  texts_.Assign(&entry.relationship, summary.relationship);
  const bool details = !privacy_.HideDetails(summary.living);
  texts_.Assign(&entry.biographyLink,
                details ? summary.biographyLink : std::string_view());
  texts_.Assign(&entry.image, details ? summary.image : std::string_view());
  if (!entry.biographyLink.empty()) flags |= kIconBiography;
  if (!entry.image.empty()) flags |= kIconImage;
  entry.flags = flags;
  if (!std::equal(entry.familyKeys.begin(), entry.familyKeys.end(),
                  summary.familyPageIds.begin(), summary.familyPageIds.end())) {
    entry.familyKeys = texts_.KeepList(summary.familyPageIds);
  }
  return true;
}

void NameIndex::SetPageLinks(std::string_view reference, std::string_view text) {
  const int64_t found = lookup_.Find(reference, ReferenceOf());
  if (found != text::KeyIndex::kNotFound) {
    texts_.Assign(&entries_[static_cast<size_t>(found)].pageLinks, text);
  } else {
    unlisted_links_[std::string(reference)] = std::string(text);
  }
}

std::string NameIndex::PageLinksOf(std::string_view reference) const {
  if (const IndexEntry* entry = Find(reference)) return entry->pageLinks.str();
  auto links = unlisted_links_.find(std::string(reference));
  return links == unlisted_links_.end() ? std::string() : links->second;
}

const IndexEntry* NameIndex::Find(std::string_view reference) const {
  const int64_t found = lookup_.Find(reference, ReferenceOf());
  return found == text::KeyIndex::kNotFound ? nullptr
                                            : &entries_[static_cast<size_t>(found)];
}

void NameIndex::Sort(SortMode mode) {
  std::vector<uint32_t> order(entries_.size());
  std::iota(order.begin(), order.end(), 0u);
  // Sort keys live in a pool of their own for the length of the sort: a
  // million of them cost their bytes and 8 bytes each.
  text::TextPool key_texts;
  std::vector<text::PooledText> keys;
  const auto by_key = [&keys](uint32_t a, uint32_t b) {
    return keys[a].view() < keys[b].view();
  };
  switch (mode) {
    case SortMode::kIndex: {
      // The whole key of a million entries would cost some 80 MB on top of
      // the index. It starts with the surname's base form, so the entries are
      // first sorted by that alone, then each run of one surname by its whole
      // keys: the same stable order, with only one surname's keys at a time.
      keys.reserve(entries_.size());
      for (const IndexEntry& e : entries_) {
        keys.push_back(key_texts.Keep(BaseKey(SurnameKeyOf(e.name))));
      }
      std::stable_sort(order.begin(), order.end(), by_key);
      std::vector<std::string> run_keys;
      std::vector<uint32_t> run_order;
      for (size_t start = 0; start < order.size();) {
        size_t end = start + 1;
        while (end < order.size() && keys[order[end]] == keys[order[start]]) ++end;
        if (end - start > 1) {
          run_keys.clear();
          for (size_t i = start; i < end; ++i) {
            const IndexEntry& e = entries_[order[i]];
            run_keys.push_back(IndexSortKey(e.name, e.lifespan));
          }
          run_order.resize(end - start);
          std::iota(run_order.begin(), run_order.end(), 0u);
          std::stable_sort(
              run_order.begin(), run_order.end(),
              [&run_keys](uint32_t a, uint32_t b) { return run_keys[a] < run_keys[b]; });
          std::vector<uint32_t> sorted(end - start);
          for (size_t i = 0; i < sorted.size(); ++i)
            sorted[i] = order[start + run_order[i]];
          std::copy(sorted.begin(), sorted.end(),
                    order.begin() + static_cast<std::ptrdiff_t>(start));
        }
        start = end;
      }
      break;
    }
    case SortMode::kReference:
      keys.reserve(entries_.size());
      for (const IndexEntry& e : entries_)
        keys.push_back(key_texts.Keep(CaseKey(e.reference)));
      std::stable_sort(order.begin(), order.end(), by_key);
      break;
    case SortMode::kReferenceNumber:
      std::stable_sort(order.begin(), order.end(), [this](uint32_t a, uint32_t b) {
        return entries_[a].referenceNumber < entries_[b].referenceNumber;
      });
      break;
  }
  Permute(&entries_, std::move(order));
  RebuildLookup();
}

void NameIndex::RebuildLookup() {
  lookup_.Clear();
  const auto reference_of = ReferenceOf();
  lookup_.Reserve(entries_.size(), reference_of);
  for (size_t i = 0; i < entries_.size(); ++i) {
    lookup_.Add(static_cast<uint32_t>(i), reference_of);
  }
}

void NameIndex::Paginate() {
  groups_ = GroupBySurname(entries_);
  letters_ = site::Paginate(&groups_, options_.m_nIndexPerPage, &page_count_);
}

void RecordLogEntries(const NameIndex& index, RunLogEntries* log) {
  const text::PageNameSettings names = PageNameSettingsFromOptions(index.options());
  for (const IndexEntry& entry : index.entries()) {
    IndividualLogEntry& row = log->Individual(entry.reference);
    // A run that writes no family pages (index pages only) still lists the
    // pages the individual's families have.
    if (row.family_pages().empty()) {
      for (std::string_view id : entry.familyKeys) {
        log->AddFamilyPage(entry.reference,
                           text::PageFileName(names, id, text::PageLetter::kNone, false));
      }
    }
    if (row.name_first.empty() && row.name_second.empty()) {
      const std::string_view surname = SurnameKeyOf(entry.name);
      std::string_view given = std::string_view(entry.name).substr(surname.size());
      if (!given.empty()) given.remove_prefix(1);  // the comma
      while (!given.empty() && given.front() == ' ') given.remove_prefix(1);
      row.name_first = log->Keep(given);
      row.name_second = surname == "?" ? text::PooledText() : log->Keep(surname);
    }
    const IndividualLogDetails& details = log->DetailsOf(row);
    if (details.relationship.empty()) {
      log->SetDetail(row, &IndividualLogDetails::relationship, entry.relationship);
    }
    if (details.biography_file.empty()) {
      log->SetDetail(row, &IndividualLogDetails::biography_file, entry.biographyLink);
    }
    if (details.image_file.empty()) {
      log->SetDetail(row, &IndividualLogDetails::image_file, entry.image);
    }
  }
}

}  // namespace vellix::site
