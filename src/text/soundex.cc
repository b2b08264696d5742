#include "text/soundex.h"

#include "text/string_ops.h"

namespace vellix::text {
namespace {

// Group digit of an upper-case letter, or -1 for a byte in no group. Pass 1
// treats H and W as vowels (0); pass 2 gives them their own code 7.
int GroupCode(char c, int pass) {
  switch (c) {
    case 'A':
    case 'E':
    case 'I':
    case 'O':
    case 'U':
    case 'Y':
      return 0;
    case 'H':
    case 'W':
      return pass == 1 ? 0 : 7;
    case 'B':
    case 'F':
    case 'P':
    case 'V':
      return 1;
    case 'C':
    case 'G':
    case 'K':
    case 'J':
    case 'Q':
    case 'S':
    case 'X':
    case 'Z':
      return 2;
    case 'D':
    case 'T':
      return 3;
    case 'L':
      return 4;
    case 'M':
    case 'N':
      return 5;
    case 'R':
      return 6;
    default:
      return -1;
  }
}

// Length of the UTF-8 character starting at text[0] (1 for a stray byte).
size_t FirstCharLength(std::string_view text) {
  if (text.empty()) return 0;
  unsigned char b = static_cast<unsigned char>(text[0]);
  size_t len = b < 0xC0 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
  if (len > text.size()) return 1;
  for (size_t i = 1; i < len; ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) return 1;
  }
  return len;
}

std::string SoundexPass(const std::string& upper, int pass) {
  std::string out;
  int written = 0;
  int last = -1;
  for (char c : upper) {
    if (written == 4) break;
    const int code = GroupCode(c, pass);
    if (code < 0) continue;
    if (code == 7 && written > 0) continue;
    if (code == last) continue;
    last = code;
    if (written == 0) {
      out.append(upper, 0, FirstCharLength(upper));
      ++written;
    } else if (code != 0) {
      out += static_cast<char>('0' + code);
      ++written;
    }
  }
  for (; written < 4; ++written) out += '0';
  return out;
}

}  // namespace

std::string SoundexCode(std::string_view surname) {
  const std::string upper = AsciiUpper(surname);
  std::string first = SoundexPass(upper, 1);
  std::string second = SoundexPass(upper, 2);
  if (second != first) first += "/" + second;
  return first;
}

}  // namespace vellix::text
