#include "site/index/pagination.h"

#include "site/index/index_text.h"

namespace vellix::site {

std::vector<SurnameGroup> GroupBySurname(const std::vector<IndexEntry>& entries) {
  std::vector<SurnameGroup> groups;
  std::string current_key;
  for (const IndexEntry& entry : entries) {
    const std::string_view surname = SurnameKeyOf(entry.name);
    std::string key = CaseKey(surname);
    if (groups.empty() || key != current_key) {
      groups.push_back(SurnameGroup{std::string(surname), 0, false, {}});
      current_key = std::move(key);
    }
    ++groups.back().count;
  }
  return groups;
}

std::vector<IndexLetter> Paginate(std::vector<SurnameGroup>* groups, int32_t per_page,
                                  int32_t* page_count) {
  const int32_t n = per_page < 1 ? 1 : per_page;
  const int32_t slack = n / 6;
  int32_t page = 1;
  int32_t filled = 0;
  std::string last_letter;
  std::vector<IndexLetter> letters;
  for (SurnameGroup& group : *groups) {
    group.chunks.clear();
    group.newLetter = false;
    int32_t first = 0;  // unset
    if (filled >= n) {
      ++page;
      filled = 0;
    }
    if (filled + group.count <= n + slack) {
      group.chunks.push_back({page, group.count});
      filled += group.count;
      first = page;
    } else {
      int32_t remaining = group.count;
      const int32_t room = n - filled;
      if (room < 5 && filled > 0) {
        ++page;
        filled = 0;
      } else if (filled > 0) {
        first = page;
        group.chunks.push_back({page, room});
        ++page;
        remaining -= room;
      }
      while (remaining > n) {
        group.chunks.push_back({page, n});
        if (first == 0) first = page;
        ++page;
        remaining -= n;
      }
      filled = 0;
      if (remaining > 0) {
        group.chunks.push_back({page, remaining});
        if (first == 0) first = page;
        filled = remaining;
      }
    }
    const std::string letter = IndexLetterOf(group.surname == "?" ? "" : group.surname);
    if (letter != last_letter) {
      group.newLetter = true;
      last_letter = letter;
      letters.push_back({letter, first});
    }
  }
  *page_count = groups->empty() ? 0 : page;
  return letters;
}

}  // namespace vellix::site
