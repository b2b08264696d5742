#include "run/run_log_entries.h"

#include <functional>

namespace vellix {

size_t RunLogEntries::SlotOf(std::string_view ref) const {
  const size_t mask = slots_.size() - 1;
  size_t slot = std::hash<std::string_view>{}(ref)&mask;
  while (slots_[slot] != 0 && individuals_[slots_[slot] - 1].ref.view() != ref) {
    slot = (slot + 1) & mask;
  }
  return slot;
}

void RunLogEntries::Grow() {
  std::vector<uint32_t> old = std::move(slots_);
  slots_.assign(old.empty() ? 1024 : old.size() * 2, 0);
  for (uint32_t number : old) {
    if (number != 0) slots_[SlotOf(individuals_[number - 1].ref)] = number;
  }
}

IndividualLogEntry& RunLogEntries::Individual(std::string_view ref) {
  if ((individuals_.size() + 1) * 2 > slots_.size()) Grow();
  const size_t slot = SlotOf(ref);
  if (slots_[slot] != 0) return individuals_[slots_[slot] - 1];
  individuals_.emplace_back();
  individuals_.back().ref = texts_.Keep(ref);
  slots_[slot] = static_cast<uint32_t>(individuals_.size());
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

FamilyLogEntry& RunLogEntries::AddFamily(const FamilyLogEntry& entry) {
  families_.push_back(entry);
  return families_.back();
}

void RunLogEntries::Clear() {
  individuals_.clear();
  page_links_.clear();
  families_.clear();
  slots_.clear();
  last_page_ = {};
  texts_.Clear();
}

}  // namespace vellix
