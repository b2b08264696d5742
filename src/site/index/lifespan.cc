#include "site/index/lifespan.h"

#include <cctype>

#include "model/privacy.h"
#include "options/options.h"
#include "text/html_escape.h"
#include "text/string_ops.h"

namespace vellix::site {
namespace {

bool Contains(const std::string& text, const std::string& word) {
  return !word.empty() && text.find(text::AsciiUpper(word)) != std::string::npos;
}

// True when `word` is set and `a` is that word, letter case ignored.
bool IsWord(std::string_view a, const std::string& word) {
  return !word.empty() && text::EqualsNoCase(a, word);
}

// The first run of three or more digits in `text`, or "".
std::string_view FirstYearRun(std::string_view text) {
  size_t pos = 0;
  while (pos < text.size()) {
    if (!text::IsAsciiDigit(text[pos])) {
      ++pos;
      continue;
    }
    size_t end = pos;
    while (end < text.size() && text::IsAsciiDigit(text[end])) ++end;
    if (end - pos >= 3) return text.substr(pos, end - pos);
    pos = end;
  }
  return {};
}

void ReplaceAll(std::string* text, const std::string& from, std::string_view to) {
  if (from.empty()) return;
  size_t pos = 0;
  while ((pos = text->find(from, pos)) != std::string::npos) {
    text->replace(pos, from.size(), to);
    pos += to.size();
  }
}

void Trim(std::string* text) {
  const size_t first = text->find_first_not_of(' ');
  if (first == std::string::npos) {
    text->clear();
    return;
  }
  const size_t last = text->find_last_not_of(' ');
  *text = text->substr(first, last - first + 1);
}

}  // namespace

std::string YearText(std::string_view date, const COptions& o, bool html_markers) {
  // An upper-case copy without the full stops of abbreviations ("ABT." and
  // "Bef.") but with those of a decimal-looking "1850.5" kept.
  std::string copy = text::AsciiUpper(date);
  text::DropAbbreviationPeriods(&copy);

  if (!Contains(copy, o.m_strDateBet) && !Contains(copy, o.m_strDateBtn)) {
    std::string_view marker;
    if (Contains(copy, o.m_strDateAft)) {
      marker = html_markers ? "&gt;" : ">";
    } else if (Contains(copy, o.m_strDateBef)) {
      marker = html_markers ? "&lt;" : "<";
    } else if (Contains(copy, o.m_strDateAbt) || Contains(copy, o.m_strDateAbout) ||
               Contains(copy, o.m_strDateCa) || Contains(copy, o.m_strDateCir) ||
               Contains(copy, o.m_strDateCirca) || Contains(copy, o.m_strDateEst)) {
      marker = html_markers ? "&#126;" : "~";
    }
    const std::string_view year = FirstYearRun(date);
    if (year.empty()) return {};
    return std::string(marker) + std::string(year);
  }

  for (const std::string* word : {&o.m_strDateHyphen, &o.m_strDateTo, &o.m_strDateAnd}) {
    if (word->empty()) continue;
    ReplaceAll(&copy, " " + text::AsciiUpper(*word) + " ", "..");
  }
  ReplaceAll(&copy, text::AsciiUpper(o.m_strDateBet), "");
  ReplaceAll(&copy, text::AsciiUpper(o.m_strDateBtn), "");
  Trim(&copy);
  return html_markers ? text::EscapeHtml(copy) : copy;
}

std::string Lifespan(const PrivacyFilter& privacy, bool living, std::string_view birth,
                     std::string_view death, bool html_markers) {
  const COptions& o = privacy.options();
  std::string replaced(birth);
  if (living && privacy.FilterBirthDate(true, &replaced)) {
    // The replacement comes back HTML-escaped; "" hides the lifespan.
    if (replaced.empty()) return {};
    std::string out;
    if (replaced.front() != '(') out += '(';
    out += replaced;
    if (replaced.back() != ')') out += ')';
    return out;
  }
  const std::string b =
      IsWord(birth, o.m_strDateUnknown) ? "?" : YearText(birth, o, html_markers);
  const std::string d = IsWord(death, o.m_strDateUnknown) ||
                                IsWord(death, o.m_strDateDead) ||
                                IsWord(death, o.m_strDateDeceased)
                            ? "?"
                            : YearText(death, o, html_markers);
  return "(" + b + " - " + d + ")";
}

}  // namespace vellix::site
