#include "model/names.h"

#include <algorithm>

#include "model/privacy.h"
#include "options/options.h"
#include "text/charset.h"
#include "text/html_escape.h"

namespace vellix {
namespace {

constexpr std::string_view kBlanks = " \t\r\n";

std::string Trimmed(std::string_view text) {
  size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  size_t last = text.find_last_not_of(kBlanks);
  return std::string(text.substr(first, last - first + 1));
}

std::string SpacedAndTrimmed(std::string_view text) {
  std::string result(text);
  std::replace(result.begin(), result.end(), '_', ' ');
  return Trimmed(result);
}

// A piece line's value: split at commas, each piece trimmed, the non-empty
// pieces joined with single spaces ("Anna, Maria" gives "Anna Maria").
std::string JoinPieces(std::string_view value) {
  std::string result;
  size_t pos = 0;
  while (pos <= value.size()) {
    size_t comma = value.find(',', pos);
    if (comma == std::string_view::npos) comma = value.size();
    std::string piece = Trimmed(value.substr(pos, comma - pos));
    if (!piece.empty()) {
      if (!result.empty()) result += ' ';
      result += piece;
    }
    pos = comma + 1;
  }
  return result;
}

// Appends `separator` and `tail` to `head`; the separator only when both
// sides are non-empty.
void Join(std::string* head, std::string_view separator, std::string_view tail) {
  if (!head->empty() && !tail.empty()) *head += separator;
  *head += tail;
}

// The alias shown between given names and surname: the nickname, else the
// given names and surname of the ALIA value; quoted.
std::string AliasOf(const GedcomName& name, std::string_view aliasText) {
  std::string alias;
  if (!name.nickname.empty()) {
    alias = name.nickname;
  } else if (!aliasText.empty()) {
    alias = GivenOf(aliasText);
    Join(&alias, " ", SurnameOf(aliasText));
  }
  alias = Trimmed(alias);
  if (alias.empty()) return alias;
  if (alias.front() != '"') alias.insert(alias.begin(), '"');
  if (alias.size() < 2 || alias.back() != '"') alias += '"';
  return alias;
}

}  // namespace

std::string GivenOf(std::string_view text) {
  size_t slash = text.find('/');
  return SpacedAndTrimmed(text.substr(0, slash));
}

std::string SurnameOf(std::string_view text) {
  size_t first = text.find('/');
  if (first == std::string_view::npos) return {};
  size_t last = text.rfind('/');
  std::string_view inner =
      last == first ? text.substr(first + 1) : text.substr(first + 1, last - first - 1);
  return SpacedAndTrimmed(inner);
}

std::string SuffixOf(std::string_view text) {
  size_t first = text.find('/');
  size_t last = text.rfind('/');
  if (last == std::string_view::npos || last == first || last + 1 == text.size()) {
    return {};
  }
  return Trimmed(text.substr(last + 1));
}

void GedcomName::ParseName(const GedcomNode& name, const COptions& options) {
  if (parsed) return;
  raw = name.value;
  if (!raw.empty()) {
    given = GivenOf(raw);
    surname = SurnameOf(raw);
    suffix = SuffixOf(raw);
  }
  // The piece tags the shared tag table has no named constants for.
  static const TagCode kNick = LookupTag("NICK");
  static const TagCode kNpfx = LookupTag("NPFX");
  static const TagCode kNsfx = LookupTag("NSFX");
  static const TagCode kSpfx = LookupTag("SPFX");
  for (const GedcomNode& line : name.children) {
    std::string* field = nullptr;
    const TagCode code = line.tagCode;
    if (code == kTagGivn) {
      field = &given;
    } else if (code == kNick) {
      field = &nickname;
      hasNickname = true;
    } else if (code == kNpfx) {
      field = &prefix;
    } else if (code == kNsfx) {
      field = &suffix;
    } else if (code == kSpfx) {
      field = &surnamePrefix;
    } else if (code == kTagSurn) {
      field = &surname;
    }
    if (field == nullptr) continue;
    std::string value = JoinPieces(line.value);
    if (!value.empty()) *field = std::move(value);
  }
  if (options.m_bUpperSurnames) surname = charset::ToUpperUtf8(surname);
  parsed = !given.empty() || !surname.empty() || !suffix.empty() || !prefix.empty() ||
           !nickname.empty() || !surnamePrefix.empty();
}

std::string GedcomName::DisplayName(const PrivacyFilter& privacy, bool living,
                                    std::string_view aliasText, int32_t* nameBreak,
                                    const NameForm& form) {
  const bool surnameFirst = form.surname_first;
  const bool escape = form.escape;
  const COptions& options = privacy.options();
  size_t break_at = 0;
  std::string result;
  if (parsed || !aliasText.empty()) {
    std::string names = given;
    const bool filtered = privacy.FilterGivenNames(living, &names);
    const std::string alias =
        options.m_bAliasInName && !filtered ? AliasOf(*this, aliasText) : std::string();
    // An excluded living individual who still shows keeps only the marker
    // name, in either order: his surname would identify him.
    const bool hide_surname = living && options.m_bExcludeLiving;
    if (!surnameFirst || hide_surname) {
      if (!filtered) result = prefix;
      Join(&result, " ", names);
      if (!filtered) break_at = result.size();
      Join(&result, " ", alias);
      if (!hide_surname) {
        Join(&result, " ", surnamePrefix);
        Join(&result, " ", surname);
      }
      if (!filtered) Join(&result, ", ", suffix);
    } else {
      std::string rest = filtered ? std::string() : prefix;
      Join(&rest, " ", names);
      const size_t given_end = rest.size();
      Join(&rest, " ", alias);
      if (!filtered) Join(&rest, ", ", suffix);
      result = surnamePrefix;
      Join(&result, " ", surname.empty() ? std::string_view("?") : surname);
      result += ", ";
      if (!filtered) break_at = result.size() + given_end;
      result += rest;
    }
  }
  if (escape) {
    break_at = text::EscapeHtml(std::string_view(result).substr(0, break_at)).size();
    result = text::EscapeHtml(result);
  }
  if (nameBreak != nullptr) *nameBreak = static_cast<int32_t>(break_at);
  display = result;
  return result;
}

}  // namespace vellix
