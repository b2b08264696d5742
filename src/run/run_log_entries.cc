#include "run/run_log_entries.h"

namespace vellix {

IndividualLogEntry& RunLogEntries::Individual(std::string_view ref) {
  const auto ref_of = [this](uint32_t n) { return individuals_[n].ref.view(); };
  const int64_t found = lookup_.Find(ref, ref_of);
  if (found != text::KeyIndex::kNotFound) return individuals_[static_cast<size_t>(found)];
  individuals_.emplace_back();
  individuals_.back().ref = texts_.Keep(ref);
  lookup_.Add(static_cast<uint32_t>(individuals_.size() - 1), ref_of);
  return individuals_.back();
}

void RunLogEntries::AddFamilyPage(std::string_view ref, std::string_view page_file) {
  IndividualLogEntry& entry = Individual(ref);
  FamilyPageLink* last = nullptr;
  for (FamilyPageLink* link = entry.first_page; link != nullptr; link = link->next) {
    if (link->page_file == page_file) return;
    last = link;
  }
  // The page writer adds everyone of one page in a row: they share its text.
  if (last_page_ != page_file) last_page_ = texts_.Keep(page_file);
  page_links_.push_back({last_page_, nullptr});
  FamilyPageLink* added = &page_links_.back();
  if (last == nullptr) {
    entry.first_page = added;
  } else {
    last->next = added;
  }
}

const IndividualLogDetails& RunLogEntries::DetailsOf(
    const IndividualLogEntry& entry) const {
  static const IndividualLogDetails kNone;
  return entry.details == 0 ? kNone : details_[entry.details - 1];
}

void RunLogEntries::SetDetail(IndividualLogEntry& entry,
                              text::PooledText IndividualLogDetails::*field,
                              std::string_view text) {
  if (entry.details == 0) {
    if (text.empty()) return;
    details_.emplace_back();
    entry.details = static_cast<uint32_t>(details_.size());
  }
  texts_.Assign(&(details_[entry.details - 1].*field), text);
}

FamilyLogEntry& RunLogEntries::AddFamily(const FamilyLogEntry& entry) {
  families_.push_back(entry);
  return families_.back();
}

void RunLogEntries::Clear() {
  individuals_.clear();
  page_links_.clear();
  details_.clear();
  families_.clear();
  lookup_.Clear();
  last_page_ = {};
  texts_.Clear();
}

}  // namespace vellix
