#include "text/charset.h"

#include <locale.h>
#include <wctype.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace vellix::charset {
namespace {
constexpr char32_t kReplacement = 0xFFFD;
}  // namespace

void AppendUtf8(char32_t cp, std::string* out) {
  if (cp < 0x80) {
    out->push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out->push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out->push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out->push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out->push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out->push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

size_t DecodeUtf8(std::string_view text, size_t pos, char32_t* cp) {
  const size_t n = text.size();
  if (pos >= n) return 0;
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char b0 = byte(pos);
  if (b0 < 0x80) {
    *cp = b0;
    return 1;
  }
  size_t len;
  char32_t value;
  unsigned char lo = 0x80, hi = 0xBF;  // allowed range of the second byte
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    len = 2;
    value = b0 & 0x1F;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    len = 3;
    value = b0 & 0x0F;
    if (b0 == 0xE0) lo = 0xA0;  // overlong
    if (b0 == 0xED) hi = 0x9F;  // surrogates
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    len = 4;
    value = b0 & 0x07;
    if (b0 == 0xF0) lo = 0x90;  // overlong
    if (b0 == 0xF4) hi = 0x8F;  // above U+10FFFF
  } else {
    return 0;
  }
  if (pos + len > n) return 0;
  for (size_t i = 1; i < len; ++i) {
    const unsigned char b = byte(pos + i);
    if (i == 1 ? (b < lo || b > hi) : (b < 0x80 || b > 0xBF)) return 0;
    value = (value << 6) | (b & 0x3F);
  }
  *cp = value;
  return len;
}

namespace {

// Decodes the character at text[pos], turning an invalid byte into U+FFFD;
// returns the number of bytes consumed (at least 1).
size_t DecodeOrReplace(std::string_view text, size_t pos, char32_t* cp) {
  size_t len = DecodeUtf8(text, pos, cp);
  if (len == 0) {
    *cp = kReplacement;
    return 1;
  }
  return len;
}

// clang-format off
// Windows-1252 bytes 80..9F; the five unassigned ones stay C1 controls.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
// clang-format on

char32_t Windows1252ToCodePoint(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kWindows1252High[byte - 0x80];
  return byte;
}

// clang-format off
// ANSEL spacing characters A0..DF (0 = not a graphic character of the set).
// Includes the GEDCOM additions BE, BF (boxes), CD, CE (midline e, o) and
// CF (eszett) and the later MARC additions C7 (eszett) and C8 (euro).
constexpr std::array<char16_t, 0x40> kAnselSpacing = {
    // A0..AF
    0, 0x0141, 0x00D8, 0x0110, 0x00DE, 0x00C6, 0x0152, 0x02B9,
    0x00B7, 0x266D, 0x00AE, 0x00B1, 0x01A0, 0x01AF, 0x02BC, 0,
    // B0..BF
    0x02BB, 0x0142, 0x00F8, 0x0111, 0x00FE, 0x00E6, 0x0153, 0x02BA,
    0x0131, 0x00A3, 0x00F0, 0, 0x01A1, 0x01B0, 0x25A1, 0x25A0,
    // C0..CF
    0x00B0, 0x2113, 0x2117, 0x00A9, 0x266F, 0x00BF, 0x00A1, 0x00DF,
    0x20AC, 0, 0, 0, 0, 0x0065, 0x006F, 0x00DF,
    // D0..DF
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};

// ANSEL combining marks E0..FE as Unicode combining characters (0 = none).
constexpr std::array<char16_t, 0x1F> kAnselMarks = {
    0x0309,  // E0 hook above
    0x0300,  // E1 grave
    0x0301,  // E2 acute
    0x0302,  // E3 circumflex
    0x0303,  // E4 tilde
    0x0304,  // E5 macron
    0x0306,  // E6 breve
    0x0307,  // E7 dot above
    0x0308,  // E8 diaeresis
    0x030C,  // E9 caron
    0x030A,  // EA ring above
    0xFE20,  // EB ligature, left half
    0xFE21,  // EC ligature, right half
    0x0315,  // ED comma above right
    0x030B,  // EE double acute
    0x0310,  // EF candrabindu
    0x0327,  // F0 cedilla
    0x0328,  // F1 right hook (ogonek)
    0x0323,  // F2 dot below
    0x0324,  // F3 double dot below
    0x0325,  // F4 ring below
    0x0333,  // F5 double underline
    0x0332,  // F6 underline
    0x0326,  // F7 left hook (comma below)
    0x031C,  // F8 right cedilla
    0x032E,  // F9 half circle below
    0xFE22,  // FA double tilde, left half
    0xFE23,  // FB double tilde, right half
    0,       // FC not assigned
    0,       // FD not assigned
    0x0313,  // FE comma above
};
// clang-format on

char32_t AnselMark(unsigned char byte) {
  if (byte < 0xE0 || byte > 0xFE) return 0;
  return kAnselMarks[byte - 0xE0];
}

// A base letter and the precomposed character it makes with one mark.
struct Composed {
  char16_t base;
  char16_t mark;
  char16_t result;
};

// clang-format off
// Canonical compositions of Latin letters with one mark (Latin-1 Supplement,
// Latin Extended-A/B, Latin Extended Additional), sorted by (base, mark)
// once at first use.
constexpr Composed kCompositions[] = {
    // grave
    {'A', 0x300, 0xC0}, {'E', 0x300, 0xC8}, {'I', 0x300, 0xCC},
    {'O', 0x300, 0xD2}, {'U', 0x300, 0xD9}, {'a', 0x300, 0xE0},
    {'e', 0x300, 0xE8}, {'i', 0x300, 0xEC}, {'o', 0x300, 0xF2},
    {'u', 0x300, 0xF9}, {'N', 0x300, 0x1F8}, {'n', 0x300, 0x1F9},
    {'W', 0x300, 0x1E80}, {'w', 0x300, 0x1E81}, {'Y', 0x300, 0x1EF2},
    {'y', 0x300, 0x1EF3}, {0xDC, 0x300, 0x1DB}, {0xFC, 0x300, 0x1DC},
    {0x1A0, 0x300, 0x1EDC}, {0x1A1, 0x300, 0x1EDD}, {0x1AF, 0x300, 0x1EEA},
    {0x1B0, 0x300, 0x1EEB},
    // acute
    {'A', 0x301, 0xC1}, {'E', 0x301, 0xC9}, {'I', 0x301, 0xCD},
    {'O', 0x301, 0xD3}, {'U', 0x301, 0xDA}, {'Y', 0x301, 0xDD},
    {'a', 0x301, 0xE1}, {'e', 0x301, 0xE9}, {'i', 0x301, 0xED},
    {'o', 0x301, 0xF3}, {'u', 0x301, 0xFA}, {'y', 0x301, 0xFD},
    {'C', 0x301, 0x106}, {'c', 0x301, 0x107}, {'L', 0x301, 0x139},
    {'l', 0x301, 0x13A}, {'N', 0x301, 0x143}, {'n', 0x301, 0x144},
    {'R', 0x301, 0x154}, {'r', 0x301, 0x155}, {'S', 0x301, 0x15A},
    {'s', 0x301, 0x15B}, {'Z', 0x301, 0x179}, {'z', 0x301, 0x17A},
    {'G', 0x301, 0x1F4}, {'g', 0x301, 0x1F5}, {'K', 0x301, 0x1E30},
    {'k', 0x301, 0x1E31}, {'M', 0x301, 0x1E3E}, {'m', 0x301, 0x1E3F},
    {'P', 0x301, 0x1E54}, {'p', 0x301, 0x1E55}, {'W', 0x301, 0x1E82},
    {'w', 0x301, 0x1E83}, {0xC5, 0x301, 0x1FA}, {0xE5, 0x301, 0x1FB},
    {0xC6, 0x301, 0x1FC}, {0xE6, 0x301, 0x1FD}, {0xD8, 0x301, 0x1FE},
    {0xF8, 0x301, 0x1FF}, {0xDC, 0x301, 0x1D7}, {0xFC, 0x301, 0x1D8},
    {0x1A0, 0x301, 0x1EDA}, {0x1A1, 0x301, 0x1EDB}, {0x1AF, 0x301, 0x1EE8},
    {0x1B0, 0x301, 0x1EE9},
    // circumflex
    {'A', 0x302, 0xC2}, {'E', 0x302, 0xCA}, {'I', 0x302, 0xCE},
    {'O', 0x302, 0xD4}, {'U', 0x302, 0xDB}, {'a', 0x302, 0xE2},
    {'e', 0x302, 0xEA}, {'i', 0x302, 0xEE}, {'o', 0x302, 0xF4},
    {'u', 0x302, 0xFB}, {'C', 0x302, 0x108}, {'c', 0x302, 0x109},
    {'G', 0x302, 0x11C}, {'g', 0x302, 0x11D}, {'H', 0x302, 0x124},
    {'h', 0x302, 0x125}, {'J', 0x302, 0x134}, {'j', 0x302, 0x135},
    {'S', 0x302, 0x15C}, {'s', 0x302, 0x15D}, {'W', 0x302, 0x174},
    {'w', 0x302, 0x175}, {'Y', 0x302, 0x176}, {'y', 0x302, 0x177},
    {'Z', 0x302, 0x1E90}, {'z', 0x302, 0x1E91},
    // tilde
    {'A', 0x303, 0xC3}, {'N', 0x303, 0xD1}, {'O', 0x303, 0xD5},
    {'a', 0x303, 0xE3}, {'n', 0x303, 0xF1}, {'o', 0x303, 0xF5},
    {'I', 0x303, 0x128}, {'i', 0x303, 0x129}, {'U', 0x303, 0x168},
    {'u', 0x303, 0x169}, {'E', 0x303, 0x1EBC}, {'e', 0x303, 0x1EBD},
    {'Y', 0x303, 0x1EF8}, {'y', 0x303, 0x1EF9}, {'V', 0x303, 0x1E7C},
    {'v', 0x303, 0x1E7D}, {0x1A0, 0x303, 0x1EE0}, {0x1A1, 0x303, 0x1EE1},
    {0x1AF, 0x303, 0x1EEE}, {0x1B0, 0x303, 0x1EEF},
    // macron
    {'A', 0x304, 0x100}, {'a', 0x304, 0x101}, {'E', 0x304, 0x112},
    {'e', 0x304, 0x113}, {'I', 0x304, 0x12A}, {'i', 0x304, 0x12B},
    {'O', 0x304, 0x14C}, {'o', 0x304, 0x14D}, {'U', 0x304, 0x16A},
    {'u', 0x304, 0x16B}, {'Y', 0x304, 0x232}, {'y', 0x304, 0x233},
    {'G', 0x304, 0x1E20}, {'g', 0x304, 0x1E21}, {0xC6, 0x304, 0x1E2},
    {0xE6, 0x304, 0x1E3}, {0xDC, 0x304, 0x1D5}, {0xFC, 0x304, 0x1D6},
    // breve
    {'A', 0x306, 0x102}, {'a', 0x306, 0x103}, {'E', 0x306, 0x114},
    {'e', 0x306, 0x115}, {'G', 0x306, 0x11E}, {'g', 0x306, 0x11F},
    {'I', 0x306, 0x12C}, {'i', 0x306, 0x12D}, {'O', 0x306, 0x14E},
    {'o', 0x306, 0x14F}, {'U', 0x306, 0x16C}, {'u', 0x306, 0x16D},
    // dot above
    {'C', 0x307, 0x10A}, {'c', 0x307, 0x10B}, {'E', 0x307, 0x116},
    {'e', 0x307, 0x117}, {'G', 0x307, 0x120}, {'g', 0x307, 0x121},
    {'I', 0x307, 0x130}, {'Z', 0x307, 0x17B}, {'z', 0x307, 0x17C},
    {'A', 0x307, 0x226}, {'a', 0x307, 0x227}, {'O', 0x307, 0x22E},
    {'o', 0x307, 0x22F}, {'B', 0x307, 0x1E02}, {'b', 0x307, 0x1E03},
    {'D', 0x307, 0x1E0A}, {'d', 0x307, 0x1E0B}, {'F', 0x307, 0x1E1E},
    {'f', 0x307, 0x1E1F}, {'H', 0x307, 0x1E22}, {'h', 0x307, 0x1E23},
    {'M', 0x307, 0x1E40}, {'m', 0x307, 0x1E41}, {'N', 0x307, 0x1E44},
    {'n', 0x307, 0x1E45}, {'P', 0x307, 0x1E56}, {'p', 0x307, 0x1E57},
    {'R', 0x307, 0x1E58}, {'r', 0x307, 0x1E59}, {'S', 0x307, 0x1E60},
    {'s', 0x307, 0x1E61}, {'T', 0x307, 0x1E6A}, {'t', 0x307, 0x1E6B},
    {'W', 0x307, 0x1E86}, {'w', 0x307, 0x1E87}, {'X', 0x307, 0x1E8A},
    {'x', 0x307, 0x1E8B}, {'Y', 0x307, 0x1E8E}, {'y', 0x307, 0x1E8F},
    // diaeresis
    {'A', 0x308, 0xC4}, {'E', 0x308, 0xCB}, {'I', 0x308, 0xCF},
    {'O', 0x308, 0xD6}, {'U', 0x308, 0xDC}, {'a', 0x308, 0xE4},
    {'e', 0x308, 0xEB}, {'i', 0x308, 0xEF}, {'o', 0x308, 0xF6},
    {'u', 0x308, 0xFC}, {'y', 0x308, 0xFF}, {'Y', 0x308, 0x178},
    {'H', 0x308, 0x1E26}, {'h', 0x308, 0x1E27}, {'W', 0x308, 0x1E84},
    {'w', 0x308, 0x1E85}, {'X', 0x308, 0x1E8C}, {'x', 0x308, 0x1E8D},
    {'t', 0x308, 0x1E97},
    // caron
    {'C', 0x30C, 0x10C}, {'c', 0x30C, 0x10D}, {'D', 0x30C, 0x10E},
    {'d', 0x30C, 0x10F}, {'E', 0x30C, 0x11A}, {'e', 0x30C, 0x11B},
    {'L', 0x30C, 0x13D}, {'l', 0x30C, 0x13E}, {'N', 0x30C, 0x147},
    {'n', 0x30C, 0x148}, {'R', 0x30C, 0x158}, {'r', 0x30C, 0x159},
    {'S', 0x30C, 0x160}, {'s', 0x30C, 0x161}, {'T', 0x30C, 0x164},
    {'t', 0x30C, 0x165}, {'Z', 0x30C, 0x17D}, {'z', 0x30C, 0x17E},
    {'A', 0x30C, 0x1CD}, {'a', 0x30C, 0x1CE}, {'I', 0x30C, 0x1CF},
    {'i', 0x30C, 0x1D0}, {'O', 0x30C, 0x1D1}, {'o', 0x30C, 0x1D2},
    {'U', 0x30C, 0x1D3}, {'u', 0x30C, 0x1D4}, {'G', 0x30C, 0x1E6},
    {'g', 0x30C, 0x1E7}, {'K', 0x30C, 0x1E8}, {'k', 0x30C, 0x1E9},
    {'j', 0x30C, 0x1F0}, {'H', 0x30C, 0x21E}, {'h', 0x30C, 0x21F},
    {0xDC, 0x30C, 0x1D9}, {0xFC, 0x30C, 0x1DA},
    // ring above
    {'A', 0x30A, 0xC5}, {'a', 0x30A, 0xE5}, {'U', 0x30A, 0x16E},
    {'u', 0x30A, 0x16F}, {'w', 0x30A, 0x1E98}, {'y', 0x30A, 0x1E99},
    // double acute
    {'O', 0x30B, 0x150}, {'o', 0x30B, 0x151}, {'U', 0x30B, 0x170},
    {'u', 0x30B, 0x171},
    // hook above
    {'A', 0x309, 0x1EA2}, {'a', 0x309, 0x1EA3}, {'E', 0x309, 0x1EBA},
    {'e', 0x309, 0x1EBB}, {'I', 0x309, 0x1EC8}, {'i', 0x309, 0x1EC9},
    {'O', 0x309, 0x1ECE}, {'o', 0x309, 0x1ECF}, {'U', 0x309, 0x1EE6},
    {'u', 0x309, 0x1EE7}, {'Y', 0x309, 0x1EF6}, {'y', 0x309, 0x1EF7},
    {0x1A0, 0x309, 0x1EDE}, {0x1A1, 0x309, 0x1EDF}, {0x1AF, 0x309, 0x1EEC},
    {0x1B0, 0x309, 0x1EED},
    // cedilla
    {'C', 0x327, 0xC7}, {'c', 0x327, 0xE7}, {'G', 0x327, 0x122},
    {'g', 0x327, 0x123}, {'K', 0x327, 0x136}, {'k', 0x327, 0x137},
    {'L', 0x327, 0x13B}, {'l', 0x327, 0x13C}, {'N', 0x327, 0x145},
    {'n', 0x327, 0x146}, {'R', 0x327, 0x156}, {'r', 0x327, 0x157},
    {'S', 0x327, 0x15E}, {'s', 0x327, 0x15F}, {'T', 0x327, 0x162},
    {'t', 0x327, 0x163}, {'E', 0x327, 0x228}, {'e', 0x327, 0x229},
    {'D', 0x327, 0x1E10}, {'d', 0x327, 0x1E11}, {'H', 0x327, 0x1E28},
    {'h', 0x327, 0x1E29},
    // ogonek
    {'A', 0x328, 0x104}, {'a', 0x328, 0x105}, {'E', 0x328, 0x118},
    {'e', 0x328, 0x119}, {'I', 0x328, 0x12E}, {'i', 0x328, 0x12F},
    {'U', 0x328, 0x172}, {'u', 0x328, 0x173}, {'O', 0x328, 0x1EA},
    {'o', 0x328, 0x1EB},
    // dot below
    {'A', 0x323, 0x1EA0}, {'a', 0x323, 0x1EA1}, {'B', 0x323, 0x1E04},
    {'b', 0x323, 0x1E05}, {'D', 0x323, 0x1E0C}, {'d', 0x323, 0x1E0D},
    {'E', 0x323, 0x1EB8}, {'e', 0x323, 0x1EB9}, {'H', 0x323, 0x1E24},
    {'h', 0x323, 0x1E25}, {'I', 0x323, 0x1ECA}, {'i', 0x323, 0x1ECB},
    {'K', 0x323, 0x1E32}, {'k', 0x323, 0x1E33}, {'L', 0x323, 0x1E36},
    {'l', 0x323, 0x1E37}, {'M', 0x323, 0x1E42}, {'m', 0x323, 0x1E43},
    {'N', 0x323, 0x1E46}, {'n', 0x323, 0x1E47}, {'O', 0x323, 0x1ECC},
    {'o', 0x323, 0x1ECD}, {'R', 0x323, 0x1E5A}, {'r', 0x323, 0x1E5B},
    {'S', 0x323, 0x1E62}, {'s', 0x323, 0x1E63}, {'T', 0x323, 0x1E6C},
    {'t', 0x323, 0x1E6D}, {'U', 0x323, 0x1EE4}, {'u', 0x323, 0x1EE5},
    {'V', 0x323, 0x1E7E}, {'v', 0x323, 0x1E7F}, {'W', 0x323, 0x1E88},
    {'w', 0x323, 0x1E89}, {'Y', 0x323, 0x1EF4}, {'y', 0x323, 0x1EF5},
    {'Z', 0x323, 0x1E92}, {'z', 0x323, 0x1E93}, {0x1A0, 0x323, 0x1EE2},
    {0x1A1, 0x323, 0x1EE3}, {0x1AF, 0x323, 0x1EF0}, {0x1B0, 0x323, 0x1EF1},
    // diaeresis below, ring below, comma below, breve below
    {'U', 0x324, 0x1E72}, {'u', 0x324, 0x1E73}, {'A', 0x325, 0x1E00},
    {'a', 0x325, 0x1E01}, {'S', 0x326, 0x218}, {'s', 0x326, 0x219},
    {'T', 0x326, 0x21A}, {'t', 0x326, 0x21B}, {'H', 0x32E, 0x1E2A},
    {'h', 0x32E, 0x1E2B},
};
// clang-format on

constexpr bool ByBaseAndMark(const Composed& a, const Composed& b) {
  return a.base != b.base ? a.base < b.base : a.mark < b.mark;
}

const std::array<Composed, std::size(kCompositions)>& SortedCompositions() {
  static const auto sorted = [] {
    std::array<Composed, std::size(kCompositions)> table{};
    std::copy(std::begin(kCompositions), std::end(kCompositions), table.begin());
    std::sort(table.begin(), table.end(), ByBaseAndMark);
    return table;
  }();
  return sorted;
}

// The precomposed character of `base` with `mark`, or 0 when there is none.
char32_t Compose(char32_t base, char32_t mark) {
  if (base > 0xFFFF || mark > 0xFFFF) return 0;
  const auto& table = SortedCompositions();
  const Composed key{static_cast<char16_t>(base), static_cast<char16_t>(mark), 0};
  auto it = std::lower_bound(table.begin(), table.end(), key, ByBaseAndMark);
  if (it != table.end() && it->base == base && it->mark == mark) return it->result;
  return 0;
}

// The spacing (non-mark) character an ANSEL byte stands for.
char32_t AnselCharacter(unsigned char byte) {
  if (byte < 0x80) return byte;
  if (byte >= 0xA0 && byte <= 0xDF && kAnselSpacing[byte - 0xA0] != 0) {
    return kAnselSpacing[byte - 0xA0];
  }
  // Control codes and positions the character set leaves empty: keep a
  // visible sign that something was there.
  return kReplacement;
}

}  // namespace

std::string AnselToUtf8(std::string_view ansel) {
  std::string out;
  out.reserve(ansel.size() + ansel.size() / 4);
  char32_t marks[16];
  size_t i = 0;
  const size_t n = ansel.size();
  while (i < n) {
    // Gather the marks that precede a base character (any number of them;
    // more than the buffer holds are flushed as they come).
    size_t mark_count = 0;
    while (i < n) {
      char32_t mark = AnselMark(static_cast<unsigned char>(ansel[i]));
      if (mark == 0) break;
      if (mark_count == std::size(marks)) {
        for (char32_t m : marks) AppendUtf8(m, &out);
        mark_count = 0;
      }
      marks[mark_count++] = mark;
      ++i;
    }
    if (i == n) {
      // Marks with nothing to sit on are kept as they are.
      for (size_t k = 0; k < mark_count; ++k) AppendUtf8(marks[k], &out);
      break;
    }
    char32_t base = AnselCharacter(static_cast<unsigned char>(ansel[i++]));
    size_t composed_at = mark_count;
    for (size_t k = 0; k < mark_count; ++k) {
      if (char32_t composed = Compose(base, marks[k])) {
        base = composed;
        composed_at = k;
        break;
      }
    }
    AppendUtf8(base, &out);
    for (size_t k = 0; k < mark_count; ++k) {
      if (k != composed_at) AppendUtf8(marks[k], &out);
    }
  }
  return out;
}

std::string Windows1252ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  for (char c : text) {
    AppendUtf8(Windows1252ToCodePoint(static_cast<unsigned char>(c)), &out);
  }
  return out;
}

bool IsValidUtf8(std::string_view text) {
  size_t pos = 0;
  char32_t cp;
  while (pos < text.size()) {
    // Pages are mostly ASCII: 32 plain bytes at a time, then eight.
    if (text.size() - pos >= 32) {
      uint64_t words[4];
      std::memcpy(words, text.data() + pos, sizeof words);
      if (((words[0] | words[1] | words[2] | words[3]) & 0x8080808080808080ull) == 0) {
        pos += 32;
        continue;
      }
    }
    if (text.size() - pos >= 8) {
      uint64_t word;
      std::memcpy(&word, text.data() + pos, sizeof word);
      if ((word & 0x8080808080808080ull) == 0) {
        pos += 8;
        continue;
      }
    }
    size_t len = DecodeUtf8(text, pos, &cp);
    if (len == 0) return false;
    pos += len;
  }
  return true;
}

bool IsUtf8WithMultiByte(std::string_view text) {
  bool multi = false;
  size_t pos = 0;
  char32_t cp;
  while (pos < text.size()) {
    size_t len = DecodeUtf8(text, pos, &cp);
    if (len == 0) return false;
    if (len > 1) multi = true;
    pos += len;
  }
  return multi;
}

std::string SanitizeUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  size_t pos = 0;
  char32_t cp;
  while (pos < text.size()) {
    size_t len = DecodeUtf8(text, pos, &cp);
    if (len == 0) {
      AppendUtf8(kReplacement, &out);
      ++pos;
    } else {
      out.append(text.substr(pos, len));
      pos += len;
    }
  }
  return out;
}

std::string Utf16BytesToUtf8(std::string_view bytes, bool big_endian) {
  std::u16string units;
  units.reserve(bytes.size() / 2);
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto b0 = static_cast<unsigned char>(bytes[i]);
    const auto b1 = static_cast<unsigned char>(bytes[i + 1]);
    units.push_back(static_cast<char16_t>(big_endian ? (b0 << 8) | b1 : (b1 << 8) | b0));
  }
  std::string out = Utf16ToUtf8(units);
  if (bytes.size() % 2 != 0) AppendUtf8(kReplacement, &out);
  return out;
}

std::string Utf16ToUtf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size() * 2);
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t unit = text[i];
    if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() &&
        text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      char32_t low = text[++i];
      AppendUtf8(0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00), &out);
    } else if (unit >= 0xD800 && unit <= 0xDFFF) {
      AppendUtf8(kReplacement, &out);
    } else {
      AppendUtf8(unit, &out);
    }
  }
  return out;
}

std::u16string Utf8ToUtf16(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  size_t pos = 0;
  char32_t cp;
  while (pos < text.size()) {
    pos += DecodeOrReplace(text, pos, &cp);
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(cp));
    }
  }
  return out;
}

std::string Utf8ToWindows1252(std::string_view text, bool* all_fit) {
  std::string out;
  out.reserve(text.size());
  bool fit = true;
  size_t pos = 0;
  char32_t cp;
  while (pos < text.size()) {
    size_t len = DecodeUtf8(text, pos, &cp);
    if (len == 0) {
      out.push_back('?');
      fit = false;
      ++pos;
      continue;
    }
    pos += len;
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
      out.push_back(static_cast<char>(cp));
      continue;
    }
    auto it = std::find(kWindows1252High.begin(), kWindows1252High.end(),
                        static_cast<char16_t>(cp));
    if (cp <= 0xFFFF && it != kWindows1252High.end()) {
      out.push_back(static_cast<char>(0x80 + (it - kWindows1252High.begin())));
    } else {
      out.push_back('?');
      fit = false;
    }
  }
  if (all_fit) *all_fit = fit;
  return out;
}

namespace {

// Case mapping comes from the C library's Unicode tables, which cover every
// script, through the built-in "C.UTF-8" locale: a locale object of our own,
// so the process's locale (LC_ALL, setlocale) is neither read nor changed and
// threads do not share a setting. glibc has built the locale in since 2.35;
// where it cannot be made, letters outside ASCII keep their case rather than
// being mapped by a partial table of our own.
locale_t UnicodeCaseLocale() {
  static const locale_t locale = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t{});
  return locale;
}

// The simple (one-character) capital of `cp`; letters whose capital is more
// than one character, such as "ß", stay as they are.
char32_t UpperCase(char32_t cp) {
  if (cp < 0x80) return (cp >= 'a' && cp <= 'z') ? cp - 0x20 : cp;
  const locale_t locale = UnicodeCaseLocale();
  return locale == locale_t{} ? cp : static_cast<char32_t>(towupper_l(cp, locale));
}

char32_t LowerCase(char32_t cp) {
  if (cp < 0x80) return (cp >= 'A' && cp <= 'Z') ? cp + 0x20 : cp;
  const locale_t locale = UnicodeCaseLocale();
  return locale == locale_t{} ? cp : static_cast<char32_t>(towlower_l(cp, locale));
}

}  // namespace

std::string ToLowerUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  size_t pos = 0;
  char32_t cp;
  while (pos < text.size()) {
    size_t len = DecodeUtf8(text, pos, &cp);
    if (len == 0) {
      out.push_back(text[pos++]);
      continue;
    }
    pos += len;
    AppendUtf8(LowerCase(cp), &out);
  }
  return out;
}

std::string ToUpperUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  size_t pos = 0;
  char32_t cp;
  while (pos < text.size()) {
    size_t len = DecodeUtf8(text, pos, &cp);
    if (len == 0) {
      out.push_back(text[pos++]);  // not ours to repair here
      continue;
    }
    pos += len;
    AppendUtf8(UpperCase(cp), &out);
  }
  return out;
}

size_t Utf8CharLength(std::string_view text, size_t pos) {
  if (pos >= text.size()) return 0;
  char32_t cp;
  size_t len = DecodeUtf8(text, pos, &cp);
  return len == 0 ? 1 : len;
}

}  // namespace vellix::charset
