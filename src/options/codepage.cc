#include "options/codepage.h"

#include <cstdint>

namespace vellix::options {
namespace {

// Code points of the Windows-1252 bytes 80..9F (the rest equal Latin-1).
constexpr char32_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf8(char32_t c, std::string* out) {
  if (c < 0x80) {
    out->push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out->push_back(static_cast<char>(0xC0 | (c >> 6)));
    out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out->push_back(static_cast<char>(0xE0 | (c >> 12)));
    out->push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out->push_back(static_cast<char>(0xF0 | (c >> 18)));
    out->push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

// Decodes one character at text[*pos] and moves past it. A malformed
// sequence yields U+FFFD, consumes one byte and sets *bad.
char32_t NextCodePoint(std::string_view text, size_t* pos, bool* bad) {
  const auto byte = [&](size_t i) { return static_cast<uint8_t>(text[i]); };
  const uint8_t lead = byte(*pos);
  if (lead < 0x80) {
    ++*pos;
    return lead;
  }
  int extra = 0;
  char32_t c = 0;
  char32_t min = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    extra = 1, c = lead & 0x1F, min = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    extra = 2, c = lead & 0x0F, min = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    extra = 3, c = lead & 0x07, min = 0x10000;
  } else {
    ++*pos;
    *bad = true;
    return kReplacement;
  }
  if (*pos + extra >= text.size()) {
    ++*pos;
    *bad = true;
    return kReplacement;
  }
  for (int k = 1; k <= extra; ++k) {
    const uint8_t b = byte(*pos + k);
    if ((b & 0xC0) != 0x80) {
      ++*pos;
      *bad = true;
      return kReplacement;
    }
    c = (c << 6) | (b & 0x3F);
  }
  if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
    ++*pos;
    *bad = true;
    return kReplacement;
  }
  *pos += extra + 1;
  return c;
}

}  // namespace

std::string Windows1252ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char ch : text) {
    const uint8_t b = static_cast<uint8_t>(ch);
    if (b >= 0x80 && b <= 0x9F) {
      AppendUtf8(kHighControls[b - 0x80], &out);
    } else {
      AppendUtf8(b, &out);
    }
  }
  return out;
}

std::string Utf8ToWindows1252(std::string_view text, bool* all_fit) {
  std::string out;
  out.reserve(text.size());
  bool fit = true;
  size_t pos = 0;
  while (pos < text.size()) {
    bool bad = false;
    const char32_t c = NextCodePoint(text, &pos, &bad);
    if (bad) {
      fit = false;
      out.push_back('?');
      continue;
    }
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
      out.push_back(static_cast<char>(c));
      continue;
    }
    int found = -1;
    for (int i = 0; i < 32; ++i) {
      if (kHighControls[i] == c) {
        found = i;
        break;
      }
    }
    if (found >= 0) {
      out.push_back(static_cast<char>(0x80 + found));
    } else {
      fit = false;
      out.push_back('?');
    }
  }
  if (all_fit != nullptr) *all_fit = fit;
  return out;
}

std::u16string Utf8ToUtf16(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  size_t pos = 0;
  while (pos < text.size()) {
    bool bad = false;
    const char32_t c = NextCodePoint(text, &pos, &bad);
    if (c >= 0x10000) {
      const char32_t v = c - 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (v >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (v & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(c));
    }
  }
  return out;
}

std::string Utf16ToUtf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const char16_t u = text[i];
    if (u >= 0xD800 && u <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      const char32_t c = 0x10000 + ((static_cast<char32_t>(u) - 0xD800) << 10) +
                         (static_cast<char32_t>(text[i + 1]) - 0xDC00);
      AppendUtf8(c, &out);
      ++i;
    } else if (u >= 0xD800 && u <= 0xDFFF) {
      AppendUtf8(kReplacement, &out);
    } else {
      AppendUtf8(u, &out);
    }
  }
  return out;
}

bool IsWellFormedUtf8(std::string_view text) {
  size_t pos = 0;
  bool bad = false;
  while (pos < text.size() && !bad) NextCodePoint(text, &pos, &bad);
  return !bad;
}

}  // namespace vellix::options
