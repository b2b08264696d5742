#include "platform/history_lists.h"

#include <algorithm>
#include <array>

namespace vellix::platform {
namespace {

constexpr char kSection[] = "History";
constexpr char kMaximum[] = "Maximum";

constexpr std::array<std::string_view, kHistoryListCount> kNames = {
    "In",  "Out", "Set", "Bkg", "CSS", "Hm", "Img",
    "Bio", "Bar", "Nar", "Imp", "Med", "MRt"};

std::string ItemName(HistoryList list, int number) {
  return std::string(HistoryListName(list)) + std::to_string(number);
}

bool IsBlank(std::string_view value) {
  return value.find_first_not_of(" \t") == std::string_view::npos;
}

}  // namespace

std::string_view HistoryListName(HistoryList list) {
  return kNames[static_cast<size_t>(list)];
}

const std::vector<HistoryList>& AllHistoryLists() {
  static const std::vector<HistoryList> lists = [] {
    std::vector<HistoryList> all;
    for (int i = 0; i < kHistoryListCount; ++i)
      all.push_back(static_cast<HistoryList>(i));
    return all;
  }();
  return lists;
}

int HistoryLists::Maximum() const {
  const int maximum = store_.GetInt(kSection, kMaximum, kDefaultHistoryMaximum);
  return std::clamp(maximum, 0, kMaxHistoryMaximum);
}

int HistoryLists::StoredCount(HistoryList list) const {
  return std::max(0, store_.GetInt(kSection, HistoryListName(list), 0));
}

void HistoryLists::SetMaximum(int maximum) {
  maximum = std::clamp(maximum, 0, kMaxHistoryMaximum);
  store_.SetInt(kSection, kMaximum, maximum);
  for (HistoryList list : AllHistoryLists()) {
    const int count = StoredCount(list);
    if (count <= maximum) continue;
    store_.SetInt(kSection, HistoryListName(list), maximum);
    for (int number = maximum + 1; number <= count; ++number) {
      store_.Remove(kSection, ItemName(list, number));
    }
  }
}

std::vector<std::string> HistoryLists::Items(HistoryList list) const {
  const int count = std::min(StoredCount(list), Maximum());
  std::vector<std::string> items;
  for (int number = 1; number <= count; ++number) {
    std::string value = store_.GetString(kSection, ItemName(list, number));
    if (!value.empty()) items.push_back(std::move(value));
  }
  return items;
}

void HistoryLists::Write(HistoryList list, const std::vector<std::string>& items) {
  const int old_count = StoredCount(list);
  const int count = static_cast<int>(items.size());
  for (int number = 1; number <= count; ++number) {
    store_.SetString(kSection, ItemName(list, number), items[number - 1]);
  }
  for (int number = count + 1; number <= old_count; ++number) {
    store_.Remove(kSection, ItemName(list, number));
  }
  store_.SetInt(kSection, HistoryListName(list), count);
}

void HistoryLists::Remember(HistoryList list, std::string_view value) {
  if (IsBlank(value)) return;
  std::vector<std::string> items = Items(list);
  std::erase(items, std::string(value));
  items.insert(items.begin(), std::string(value));
  if (static_cast<int>(items.size()) > Maximum()) items.resize(Maximum());
  Write(list, items);
}

void HistoryLists::ClearAll() {
  for (HistoryList list : AllHistoryLists()) {
    // Values left above the count by an older maximum go too.
    const int last = std::max(StoredCount(list), kMaxHistoryMaximum);
    for (int number = 1; number <= last; ++number) {
      if (store_.Has(kSection, ItemName(list, number))) {
        store_.Remove(kSection, ItemName(list, number));
      }
    }
    store_.SetInt(kSection, HistoryListName(list), 0);
  }
}

}  // namespace vellix::platform
