#include "text/string_ops.h"

namespace vellix::text {

std::string AsciiUpper(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = AsciiUpperChar(c);
  return out;
}

std::string AsciiLower(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

int ReplaceAll(std::string* text, std::string_view from, std::string_view to) {
  if (from.empty()) return 0;
  size_t pos = text->find(from);
  if (pos == std::string::npos) return 0;
  std::string out;
  out.reserve(text->size());
  size_t start = 0;
  int count = 0;
  while (pos != std::string::npos) {
    out.append(*text, start, pos - start);
    out.append(to);
    start = pos + from.size();
    ++count;
    pos = text->find(from, start);
  }
  out.append(*text, start, std::string::npos);
  text->swap(out);
  return count;
}

bool IsAsciiSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

void TrimRightSpace(std::string* text) {
  size_t end = text->size();
  while (end > 0 && IsAsciiSpace((*text)[end - 1])) --end;
  text->resize(end);
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (AsciiUpperChar(a[i]) != AsciiUpperChar(b[i])) return false;
  }
  return true;
}

void DropAbbreviationPeriods(std::string* text) {
  if (text->find('.') == std::string::npos) return;
  // Compacted in place: a byte is only ever moved down, and the bytes
  // beside position i are still the original ones when i is looked at.
  const std::string& t = *text;
  size_t kept = 0;
  for (size_t i = 0; i < t.size(); ++i) {
    const bool between_digits =
        i > 0 && i + 1 < t.size() && IsAsciiDigit(t[i - 1]) && IsAsciiDigit(t[i + 1]);
    if (t[i] == '.' && !between_digits) continue;
    (*text)[kept++] = t[i];
  }
  text->resize(kept);
}

std::string_view TrimSpace(std::string_view text) {
  while (!text.empty() && IsAsciiSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsAsciiSpace(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace vellix::text
