#include "site/extras/search_data.h"

#include "options/options.h"
#include "site/index/name_index.h"
#include "text/paths.h"
#include "text/soundex.h"

namespace vellix::site::extras {
namespace {

// Plain text of the lifespan's HTML: entities decoded, tags dropped.
std::string PlainText(std::string_view html) {
  static constexpr std::pair<std::string_view, std::string_view> kEntities[] = {
      {"&lt;", "<"},   {"&gt;", ">"},   {"&amp;", "&"}, {"&quot;", "\""},
      {"&nbsp;", " "}, {"&#126;", "~"}, {"&#60;", "<"}, {"&#62;", ">"}};
  std::string out;
  for (size_t i = 0; i < html.size();) {
    if (html[i] == '<') {
      const size_t end = html.find('>', i);
      if (end == std::string_view::npos) break;
      i = end + 1;
      continue;
    }
    bool decoded = false;
    if (html[i] == '&') {
      for (const auto& [entity, text] : kEntities) {
        if (html.substr(i).starts_with(entity)) {
          out += text;
          i += entity.size();
          decoded = true;
          break;
        }
      }
    }
    if (!decoded) out += html[i++];
  }
  return out;
}

void AppendJsString(std::string_view text, std::string* out) {
  static constexpr char kHex[] = "0123456789abcdef";
  *out += '"';
  for (size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c == '"' || c == '\\') {
      *out += '\\';
      *out += static_cast<char>(c);
    } else if (c == '<' || c == '>' || c == '&' || c < 0x20 || c == 0x7F) {
      // Never "</script>" or markup inside a page, never a raw control byte.
      *out += "\\u00";
      *out += kHex[c >> 4];
      *out += kHex[c & 15];
    } else if (c == 0xE2 && i + 2 < text.size() &&
               static_cast<unsigned char>(text[i + 1]) == 0x80 &&
               (static_cast<unsigned char>(text[i + 2]) == 0xA8 ||
                static_cast<unsigned char>(text[i + 2]) == 0xA9)) {
      // U+2028 and U+2029 end a line in older script engines.
      *out += static_cast<unsigned char>(text[i + 2]) == 0xA8 ? "\\u2028" : "\\u2029";
      i += 2;
    } else {
      *out += static_cast<char>(c);
    }
  }
  *out += '"';
}

}  // namespace

void SearchPlaces::AddIndividual(const IndividualSummary& summary, bool aliasInName) {
  if (!summary.living) {
    std::string places = summary.birthPlace;
    if (!summary.deathPlace.empty() && summary.deathPlace != summary.birthPlace) {
      if (!places.empty()) places += "; ";
      places += summary.deathPlace;
    }
    if (!places.empty()) places_[summary.key] = std::move(places);
  }
  next_.AddIndividual(summary, aliasInName);
}

std::string SearchPlaces::PlacesOf(const std::string& key) const {
  auto found = places_.find(key);
  return found == places_.end() ? std::string() : found->second;
}

std::vector<SearchRecord> BuildSearchRecords(const NameIndex& index,
                                             const SearchPlaces& places) {
  const COptions& o = index.options();
  const text::PageNameSettings names{std::string(), o.m_strFilePrefix, o.m_strFileExt};
  std::vector<SearchRecord> records;
  records.reserve(index.entries().size());
  for (const IndexEntry& entry : index.entries()) {
    SearchRecord record;
    const std::string_view name = entry.name;
    const size_t comma = name.find(',');
    record.surname = std::string(name.substr(0, comma));
    if (record.surname == "?") record.surname.clear();
    if (comma != std::string_view::npos) {
      std::string_view given = name.substr(comma + 1);
      while (!given.empty() && given.front() == ' ') given.remove_prefix(1);
      record.given = std::string(given);
    }
    record.soundex =
        record.surname.empty() ? std::string() : text::SoundexCode(record.surname);
    record.lifespan = PlainText(entry.lifespan);
    record.places = places.PlacesOf(entry.reference.str());
    record.page =
        text::PageFileName(names, entry.pageName, text::PageLetter::kNone, false);
    records.push_back(std::move(record));
  }
  return records;
}

std::string SearchLetter(std::string_view surname) {
  for (char c : surname) {
    if (c >= 'a' && c <= 'z') return std::string(1, c);
    if (c >= 'A' && c <= 'Z') return std::string(1, static_cast<char>(c - 'A' + 'a'));
    if (c != ' ' && c != '\'') break;
  }
  return "0";
}

std::string SearchScript(std::string_view letter,
                         const std::vector<SearchRecord>& records) {
  std::string out = "vxSearchData(";
  AppendJsString(letter, &out);
  out += ", [\n";
  for (size_t i = 0; i < records.size(); ++i) {
    const SearchRecord& r = records[i];
    out += '[';
    for (const std::string* field :
         {&r.surname, &r.given, &r.soundex, &r.lifespan, &r.places, &r.page}) {
      if (field != &r.surname) out += ',';
      AppendJsString(*field, &out);
    }
    out += i + 1 < records.size() ? "],\n" : "]\n";
  }
  return out + "]);\n";
}

std::string SearchScriptName(const COptions& options, std::string_view letter) {
  return options.m_strFilePrefix + "search-" + std::string(letter) + ".js";
}

}  // namespace vellix::site::extras
