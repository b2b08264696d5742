#include "run/run_log_entries.h"

#include <algorithm>

namespace vellix {
namespace {

std::string FoldCase(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

}  // namespace

IndividualLogEntry& RunLogEntries::Individual(std::string_view ref) {
  auto [it, inserted] = individual_index_.try_emplace(FoldCase(ref), individuals_.size());
  if (inserted) {
    individuals_.emplace_back();
    individuals_.back().ref = std::string(ref);
  }
  return individuals_[it->second];
}

void RunLogEntries::AddFamilyPage(std::string_view ref, std::string_view page_file) {
  std::vector<std::string>& pages = Individual(ref).family_pages;
  if (std::find(pages.begin(), pages.end(), page_file) == pages.end()) {
    pages.emplace_back(page_file);
  }
}

FamilyLogEntry& RunLogEntries::AddFamily(FamilyLogEntry entry) {
  families_.push_back(std::move(entry));
  return families_.back();
}

void RunLogEntries::Clear() {
  individuals_.clear();
  individual_index_.clear();
  families_.clear();
}

}  // namespace vellix
