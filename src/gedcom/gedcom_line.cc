#include "gedcom/gedcom_line.h"

#include <bit>
#include <climits>
#include <cstring>

namespace vellix {
namespace {

inline bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

inline bool IsDelimiter(char c) { return c == ' ' || c == '\r' || c == '\n'; }

// The leading integer of `token` as strtol reads it, clamped to int32.
int32_t LeadingInteger(std::string_view token) {
  size_t i = 0;
  bool negative = false;
  if (i < token.size() && (token[i] == '+' || token[i] == '-')) {
    negative = token[i] == '-';
    ++i;
  }
  int64_t value = 0;
  for (; i < token.size() && token[i] >= '0' && token[i] <= '9'; ++i) {
    value = value * 10 + (token[i] - '0');
    if (value > INT32_MAX) value = int64_t{INT32_MAX} + 1;  // saturate
  }
  if (negative) value = -value;
  if (value > INT32_MAX) return INT32_MAX;
  if (value < INT32_MIN) return INT32_MIN;
  return static_cast<int32_t>(value);
}

// The token starting at or after `*pos`; false when only delimiters remain.
bool NextToken(std::string_view line, size_t* pos, std::string_view* token) {
  size_t i = *pos;
  while (i < line.size() && IsDelimiter(line[i])) ++i;
  if (i == line.size()) return false;
  size_t end = i;
  while (end < line.size() && !IsDelimiter(line[end])) ++end;
  *token = line.substr(i, end - i);
  *pos = end;
  return true;
}

constexpr uint64_t kOnes = 0x0101010101010101ull;
constexpr uint64_t kHighs = 0x8080808080808080ull;

// Nonzero when a byte of `word` equals `byte`; the lowest flagged byte is
// exact (higher ones may be false alarms, which the caller never looks at).
inline uint64_t BytesEqual(uint64_t word, unsigned char byte) {
  const uint64_t v = word ^ (kOnes * byte);
  return (v - kOnes) & ~v & kHighs;
}

// The first CR or LF in [from, to), or `to`.
const char* FindLineEnd(const char* from, const char* to) {
  const char* p = from;
  if constexpr (std::endian::native == std::endian::little) {
    for (; to - p >= 8; p += 8) {
      uint64_t word;
      std::memcpy(&word, p, 8);
      const uint64_t hits = BytesEqual(word, '\n') | BytesEqual(word, '\r');
      if (hits) return p + (std::countr_zero(hits) >> 3);
    }
  }
  while (p < to && *p != '\n' && *p != '\r') ++p;
  return p;
}

// The end of the token that starts at `from`: the first space at or after
// it, or the line's end; npos when a line-break byte comes first.
size_t PlainTokenEnd(std::string_view line, size_t from) {
  size_t end = from;
  while (end < line.size() && line[end] != ' ') {
    if (line[end] == '\r' || line[end] == '\n') return std::string_view::npos;
    ++end;
  }
  return end;
}

// The common shape of a line, "LEVEL [@XREF@ ]TAG[ VALUE]" with one space
// between the tokens, split without the general token walk. False when the
// line has any other shape (leading white space, a sign or a long level,
// several spaces, a line-break byte): the general split then decides, and
// gives the same fields for every line this takes.
bool SplitPlainLine(std::string_view line, LineFields* out) {
  const size_t size = line.size();
  if (size == 0 || line.back() == '\r' || line.back() == '\n') return false;
  size_t i = 0;
  int32_t level = 0;
  for (; i < size && i < 9 && line[i] >= '0' && line[i] <= '9'; ++i) {
    level = level * 10 + (line[i] - '0');
  }
  if (i == 0 || i + 1 >= size || line[i] != ' ') return false;
  size_t start = i + 1;
  std::string_view xref;
  if (line[start] == '@') {
    const size_t end = PlainTokenEnd(line, start);
    if (end == std::string_view::npos || end + 1 >= size) return false;
    xref = line.substr(start, end - start);
    start = end + 1;
  }
  if (line[start] == ' ' || line[start] == '\r' || line[start] == '\n') return false;
  const size_t end = PlainTokenEnd(line, start);
  if (end == std::string_view::npos) return false;
  out->level = level;
  out->xref = xref;
  out->tag = line.substr(start, end - start);
  out->value = end < size ? line.substr(end + 1) : std::string_view();
  return true;
}

}  // namespace

bool SplitLine(std::string_view line, LineFields* out) {
  return SplitPlainLine(line, out) || SplitLineByTokens(line, out);
}

bool SplitLineByTokens(std::string_view line, LineFields* out) {
  *out = LineFields();
  size_t start = 0;
  while (start < line.size() && IsSpace(line[start])) ++start;
  size_t end = line.size();
  while (end > start && (line[end - 1] == '\r' || line[end - 1] == '\n')) --end;
  line = line.substr(start, end - start);

  size_t pos = 0;
  std::string_view token;
  if (!NextToken(line, &pos, &token)) return false;
  out->level = LeadingInteger(token);
  if (!NextToken(line, &pos, &token)) return false;
  if (token.front() == '@') {
    out->xref = token;
    if (!NextToken(line, &pos, &token)) return false;
  }
  out->tag = token;
  // The value starts after the one delimiter that ended the tag.
  if (pos < line.size()) out->value = line.substr(pos + 1);
  return true;
}

std::string WithoutAtSigns(std::string_view token) {
  std::string text;
  text.reserve(token.size());
  for (char c : token) {
    if (c != '@') text += c;
  }
  return text;
}

bool LineCursor::Next(std::string_view* line, size_t* offset, bool* cut) {
  const size_t size = image_.size();
  if (pos_ >= size) return false;
  const char* base = image_.data();
  const size_t limit = size - pos_ < max_length_ ? size : pos_ + max_length_;
  const size_t stop = static_cast<size_t>(FindLineEnd(base + pos_, base + limit) - base);

  *offset = pos_;
  *line = image_.substr(pos_, stop - pos_);
  *cut = false;
  if (stop < size && (base[stop] == '\n' || base[stop] == '\r')) {
    const char first = base[stop];
    size_t next = stop + 1;
    // CR LF and LF CR are one terminator each.
    if (next < size && (base[next] == '\n' || base[next] == '\r') &&
        base[next] != first) {
      ++next;
    }
    pos_ = next;
  } else {
    // No terminator within the bound: the line was cut (or the image ends).
    *cut = stop < size;
    pos_ = stop;
  }
  return true;
}

}  // namespace vellix
