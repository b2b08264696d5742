#include "media/derived_record.h"

#include <algorithm>
#include <charconv>
#include <cinttypes>
#include <cstdio>
#include <vector>

namespace vellix::media {
namespace {

constexpr std::string_view kHeader = "# VELLIX derived media 1";

template <typename Number>
bool ParseNumber(std::string_view field, Number* value, int base = 10) {
  const char* end = field.data() + field.size();
  auto [ptr, error] = std::from_chars(field.data(), end, *value, base);
  return error == std::errc() && ptr == end;
}

std::vector<std::string_view> SplitTabs(std::string_view line) {
  std::vector<std::string_view> fields;
  size_t start = 0;
  for (;;) {
    const size_t tab = line.find('\t', start);
    fields.push_back(
        line.substr(start, tab == std::string_view::npos ? tab : tab - start));
    if (tab == std::string_view::npos) break;
    start = tab + 1;
  }
  return fields;
}

}  // namespace

uint64_t SourceKey(std::string_view source_path, std::string_view use) {
  // FNV-1a over the path, a separator and the use.
  uint64_t hash = 0xcbf29ce484222325ull;
  auto add = [&hash](unsigned char c) {
    hash ^= c;
    hash *= 0x100000001b3ull;
  };
  for (char c : source_path) add(static_cast<unsigned char>(c));
  add(0);
  for (char c : use) add(static_cast<unsigned char>(c));
  return hash;
}

void DerivedRecord::Parse(std::string_view text) {
  entries_.clear();
  changed_ = false;
  size_t start = 0;
  bool first = true;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (first) {
      first = false;
      if (line != kHeader) return;  // another format: start afresh
      continue;
    }
    const std::vector<std::string_view> f = SplitTabs(line);
    if (f.size() != 9 || f[0].empty()) continue;
    DerivedEntry entry;
    if (!ParseNumber(f[1], &entry.source_key, 16) ||
        !ParseNumber(f[2], &entry.source_size) ||
        !ParseNumber(f[3], &entry.source_modified) || !ParseNumber(f[4], &entry.max) ||
        !ParseNumber(f[5], &entry.target_size) || !ParseNumber(f[6], &entry.width) ||
        !ParseNumber(f[7], &entry.height) || (f[8] != "a" && f[8] != "-")) {
      continue;
    }
    entry.animated = f[8] == "a";
    entries_[std::string(f[0])] = entry;
  }
}

std::string DerivedRecord::Serialize() const {
  std::vector<const std::pair<const std::string, DerivedEntry>*> sorted;
  sorted.reserve(entries_.size());
  for (const auto& item : entries_) sorted.push_back(&item);
  std::sort(sorted.begin(), sorted.end(),
            [](auto* a, auto* b) { return a->first < b->first; });
  std::string out(kHeader);
  out += '\n';
  char line[256];
  for (const auto* item : sorted) {
    const DerivedEntry& e = item->second;
    std::snprintf(line, sizeof line,
                  "\t%016" PRIx64 "\t%" PRIu64 "\t%" PRId64 "\t%" PRId32 "\t%" PRIu64
                  "\t%" PRId32 "\t%" PRId32 "\t%s\n",
                  e.source_key, e.source_size, e.source_modified, e.max, e.target_size,
                  e.width, e.height, e.animated ? "a" : "-");
    out += item->first;
    out += line;
  }
  return out;
}

const DerivedEntry* DerivedRecord::Find(std::string_view target) const {
  auto it = entries_.find(std::string(target));
  return it == entries_.end() ? nullptr : &it->second;
}

void DerivedRecord::Put(std::string_view target, const DerivedEntry& entry) {
  auto [it, inserted] = entries_.try_emplace(std::string(target), entry);
  if (!inserted) {
    if (it->second == entry) return;
    it->second = entry;
  }
  changed_ = true;
}

}  // namespace vellix::media
