#include "text/charset.h"

#include <gtest/gtest.h>

#include <string>

namespace vellix::charset {
namespace {

// Builds a byte string from hex byte values.
std::string Bytes(std::initializer_list<int> bytes) {
  std::string s;
  for (int b : bytes) s.push_back(static_cast<char>(b));
  return s;
}

// The UTF-8 text of one Windows-1252 byte, worked out independently of the
// converters under test for the bytes A0..FF (they equal their code point).
std::string Latin1(int byte) {
  std::string s;
  s.push_back(static_cast<char>(0xC0 | (byte >> 6)));
  s.push_back(static_cast<char>(0x80 | (byte & 0x3F)));
  return s;
}

TEST(AnselToUtf8, CopiesAsciiAndConvertsSpacingCharacters) {
  EXPECT_EQ(AnselToUtf8("Smith, John"), "Smith, John");
  EXPECT_EQ(AnselToUtf8(Bytes({0xB1, 'o', 'd', 'z'})), "łodz");
  EXPECT_EQ(AnselToUtf8(Bytes({0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA7, 0xA8})),
            "ŁØĐÞÆŒʹ·");
  EXPECT_EQ(AnselToUtf8(Bytes({0xA9, 0xAA, 0xAB, 0xAC, 0xAD, 0xAE, 0xB0})), "♭®±ƠƯʼʻ");
  EXPECT_EQ(AnselToUtf8(Bytes(
                {0xB2, 0xB3, 0xB4, 0xB5, 0xB6, 0xB7, 0xB8, 0xB9, 0xBA, 0xBC, 0xBD})),
            "øđþæœʺı£ðơư");
  EXPECT_EQ(
      AnselToUtf8(Bytes({0xC0, 0xC1, 0xC2, 0xC3, 0xC4, 0xC5, 0xC6, 0xC7, 0xC8, 0xCF})),
      "°ℓ℗©♯¿¡ß€ß");
}

TEST(AnselToUtf8, UnassignedBytesBecomeReplacementCharacters) {
  EXPECT_EQ(AnselToUtf8(Bytes({'a', 0xAF, 'b', 0x85, 0xFC})), "a\uFFFDb\uFFFD\uFFFD");
  EXPECT_TRUE(IsValidUtf8(AnselToUtf8(Bytes({0x80, 0x9F, 0xA0, 0xD0, 0xFF}))));
}

TEST(AnselToUtf8, MarkComposesWithTheFollowingLetter) {
  EXPECT_EQ(AnselToUtf8(Bytes({0xE2, 'e'})), "é");
  EXPECT_EQ(AnselToUtf8(Bytes({'W', 0xE2, 'o', 'j', 0xE2, 'c', 'i', 'k'})), "Wójćik");
  EXPECT_EQ(AnselToUtf8(Bytes({0xE2, 'n', 0xE2, 's', 0xE2, 'z', 0xE7, 'z'})), "ńśźż");
  EXPECT_EQ(AnselToUtf8(Bytes(
                {0xE9, 'c', 0xE9, 'r', 0xE9, 's', 0xE9, 'z', 0xE9, 'e', 0xEA, 'u'})),
            "čřšžěů");
  EXPECT_EQ(AnselToUtf8(Bytes(
                {0xEE, 'o', 0xEE, 'u', 0xF1, 'a', 0xF1, 'e', 0xF0, 't', 0xF0, 's'})),
            "őűąęţş");
  EXPECT_EQ(AnselToUtf8(Bytes(
                {0xE4, 'a', 0xE4, 'o', 0xE4, 'n', 0xF0, 'c', 0xE8, 'u', 0xEA, 'a'})),
            "ãõñçüå");
  EXPECT_EQ(AnselToUtf8(Bytes({0xE5, 'a', 0xE5, 'e', 0xE5, 'i', 0xE5, 'o', 0xE5, 'u',
                               0xE7, 'g', 0xF2, 'h'})),
            "āēīōūġḥ");
  EXPECT_EQ(AnselToUtf8(Bytes({0xF7, 's', 0xF7, 'T', 0xE6, 'g', 0xE0, 'a'})), "șȚğả");
}

TEST(AnselToUtf8, MarkComposesWithAnAnselLetter) {
  EXPECT_EQ(AnselToUtf8(Bytes({0xE2, 0xA2})), "Ǿ");
  EXPECT_EQ(AnselToUtf8(Bytes({0xE2, 0xBC})), "ớ");
}

TEST(AnselToUtf8, MarkWithoutPrecomposedFormStaysCombining) {
  EXPECT_EQ(AnselToUtf8(Bytes({0xE2, 'x'})), "x\u0301");
  EXPECT_EQ(AnselToUtf8(Bytes({0xF6, 'a'})), "a\u0332");
  EXPECT_EQ(AnselToUtf8(Bytes({0xEB, 't', 0xEC, 's'})), "t\uFE20s\uFE21");
  EXPECT_EQ(AnselToUtf8(Bytes({0xE8, ' '})), " \u0308");
}

TEST(AnselToUtf8, FirstComposingMarkIsUsedAndTheOthersKept) {
  EXPECT_EQ(AnselToUtf8(Bytes({0xE2, 0xE8, 'e'})), "é\u0308");
  // The underline has no precomposed letter; the acute after it has one.
  EXPECT_EQ(AnselToUtf8(Bytes({0xF6, 0xE2, 'e'})), "é\u0332");
  EXPECT_EQ(AnselToUtf8(Bytes({0xF6, 0xF5, 0xF4, 'x'})), "x\u0332\u0333\u0325");
}

TEST(AnselToUtf8, MarkAtTheEndIsKept) {
  EXPECT_EQ(AnselToUtf8(Bytes({'a', 'b', 0xE2})), "ab\u0301");
  EXPECT_EQ(AnselToUtf8(Bytes({0xE9, 0xE5})), "\u030C\u0304");
}

TEST(AnselToUtf8, LongValuesAreNotCut) {
  std::string ansel;
  std::string expected;
  for (int i = 0; i < 400; ++i) {
    ansel += Bytes({0xE2, 'e'});
    expected += "é";
  }
  ansel += "END";
  expected += "END";
  EXPECT_EQ(AnselToUtf8(ansel), expected);
  // Many marks in a row are all kept.
  std::string marks(40, static_cast<char>(0xF6));
  EXPECT_EQ(AnselToUtf8(marks + "a").size(), 1 + 40 * 2u);
}

// Every precomposed cell of the 8-bit table must give the same character in
// UTF-8, so no letter that used to convert is lost.
TEST(AnselToUtf8, AgreesWithTheWindows1252Table) {
  struct Cell {
    int mark;
    char base;
    int windows1252;
  };
  const Cell cells[] = {
      {0xE1, 'A', 0xC0}, {0xE1, 'E', 0xC8}, {0xE1, 'I', 0xCC}, {0xE1, 'O', 0xD2},
      {0xE1, 'U', 0xD9}, {0xE1, 'a', 0xE0}, {0xE1, 'e', 0xE8}, {0xE1, 'i', 0xEC},
      {0xE1, 'o', 0xF2}, {0xE1, 'u', 0xF9}, {0xE2, 'A', 0xC1}, {0xE2, 'E', 0xC9},
      {0xE2, 'I', 0xCD}, {0xE2, 'O', 0xD3}, {0xE2, 'U', 0xDA}, {0xE2, 'Y', 0xDD},
      {0xE2, 'a', 0xE1}, {0xE2, 'e', 0xE9}, {0xE2, 'i', 0xED}, {0xE2, 'o', 0xF3},
      {0xE2, 'u', 0xFA}, {0xE2, 'y', 0xFD}, {0xE3, 'A', 0xC2}, {0xE3, 'E', 0xCA},
      {0xE3, 'I', 0xCE}, {0xE3, 'O', 0xD4}, {0xE3, 'U', 0xDB}, {0xE3, 'a', 0xE2},
      {0xE3, 'e', 0xEA}, {0xE3, 'i', 0xEE}, {0xE3, 'o', 0xF4}, {0xE3, 'u', 0xFB},
      {0xE4, 'A', 0xC3}, {0xE4, 'N', 0xD1}, {0xE4, 'O', 0xD5}, {0xE4, 'a', 0xE3},
      {0xE4, 'n', 0xF1}, {0xE4, 'o', 0xF5}, {0xE8, 'A', 0xC4}, {0xE8, 'E', 0xCB},
      {0xE8, 'I', 0xCF}, {0xE8, 'O', 0xD6}, {0xE8, 'U', 0xDC}, {0xE8, 'a', 0xE4},
      {0xE8, 'e', 0xEB}, {0xE8, 'i', 0xEF}, {0xE8, 'o', 0xF6}, {0xE8, 'u', 0xFC},
      {0xE8, 'y', 0xFF}, {0xEA, 'A', 0xC5}, {0xEA, 'a', 0xE5}, {0xF0, 'C', 0xC7},
      {0xF0, 'c', 0xE7}, {0xE9, 'S', 0x8A}, {0xE9, 's', 0x9A},
  };
  for (const Cell& cell : cells) {
    SCOPED_TRACE(testing::Message() << std::hex << cell.mark << " " << cell.base);
    EXPECT_EQ(AnselToUtf8(Bytes({cell.mark, cell.base})),
              Windows1252ToUtf8(Bytes({cell.windows1252})));
  }
  const int spacing[][2] = {
      {0xA2, 0xD8}, {0xA4, 0xDE}, {0xA5, 0xC6}, {0xA6, 0x8C}, {0xA8, 0xB7}, {0xAA, 0xAE},
      {0xAB, 0xB1}, {0xB2, 0xF8}, {0xB4, 0xFE}, {0xB5, 0xE6}, {0xB6, 0x9C}, {0xB9, 0xA3},
      {0xBA, 0xF0}, {0xC0, 0xB0}, {0xC3, 0xA9}, {0xC5, 0xBF}, {0xC6, 0xA1}, {0xCF, 0xDF}};
  for (const auto& pair : spacing) {
    SCOPED_TRACE(testing::Message() << std::hex << pair[0]);
    EXPECT_EQ(AnselToUtf8(Bytes({pair[0]})), Windows1252ToUtf8(Bytes({pair[1]})));
  }
}

TEST(Windows1252, ConvertsEveryByte) {
  EXPECT_EQ(Windows1252ToUtf8("plain"), "plain");
  EXPECT_EQ(Windows1252ToUtf8(Bytes({0x80, 0x8A, 0x8C, 0x93, 0x94, 0x96, 0x99, 0x9F})),
            "€ŠŒ“”–™Ÿ");
  EXPECT_EQ(Windows1252ToUtf8(Bytes({0x81, 0x8D})), "\u0081\u008D");
  for (int byte = 0xA0; byte <= 0xFF; ++byte) {
    EXPECT_EQ(Windows1252ToUtf8(Bytes({byte})), Latin1(byte)) << byte;
  }
}

TEST(Windows1252, RoundTripsAllBytesAndMarksWhatDoesNotFit) {
  std::string all;
  for (int byte = 1; byte <= 0xFF; ++byte) all.push_back(static_cast<char>(byte));
  bool fit = false;
  EXPECT_EQ(Utf8ToWindows1252(Windows1252ToUtf8(all), &fit), all);
  EXPECT_TRUE(fit);
  EXPECT_EQ(Utf8ToWindows1252("Łódź €", &fit),
            "?" + Bytes({0xF3}) + "d? " + Bytes({0x80}));
  EXPECT_FALSE(fit);
  EXPECT_EQ(Utf8ToWindows1252(Bytes({'a', 0xC3, 'b'}), &fit), "a?b");
  EXPECT_FALSE(fit);
}

TEST(Utf8Validation, AcceptsWellFormedText) {
  EXPECT_TRUE(IsValidUtf8(""));
  EXPECT_TRUE(IsValidUtf8("ASCII only"));
  EXPECT_TRUE(IsValidUtf8("Ångström 日本 \U0001F600"));
  EXPECT_TRUE(IsValidUtf8(Bytes({0xF4, 0x8F, 0xBF, 0xBF})));  // U+10FFFF
  EXPECT_FALSE(IsUtf8WithMultiByte("ASCII only"));
  EXPECT_TRUE(IsUtf8WithMultiByte("Müller"));
}

TEST(Utf8Validation, RejectsMalformedText) {
  const std::string bad[] = {
      Bytes({0x80}),                    // stray continuation byte
      Bytes({0xC3}),                    // truncated at the end
      Bytes({0xC3, 'a'}),               // missing continuation
      Bytes({0xC0, 0xAF}),              // overlong "/"
      Bytes({0xE0, 0x80, 0xAF}),        // overlong three-byte
      Bytes({0xF0, 0x80, 0x80, 0xAF}),  // overlong four-byte
      Bytes({0xED, 0xA0, 0x80}),        // surrogate D800
      Bytes({0xF4, 0x90, 0x80, 0x80}),  // above U+10FFFF
      Bytes({0xFF}),
      Bytes({'M', 0xFC, 'l', 'l', 'e', 'r'}),  // Windows-1252 text
  };
  for (const std::string& text : bad) {
    EXPECT_FALSE(IsValidUtf8(text)) << testing::PrintToString(text);
    EXPECT_FALSE(IsUtf8WithMultiByte(text)) << testing::PrintToString(text);
  }
}

TEST(SanitizeUtf8, ReplacesEachInvalidByte) {
  EXPECT_EQ(SanitizeUtf8("Müller"), "Müller");
  EXPECT_EQ(SanitizeUtf8(Bytes({'M', 0xFC, 'l'})), "M\uFFFDl");
  EXPECT_EQ(SanitizeUtf8(Bytes({0xC0, 0xAF})), "\uFFFD\uFFFD");
  EXPECT_EQ(SanitizeUtf8(Bytes({0xED, 0xA0, 0x80, 'x'})), "\uFFFD\uFFFD\uFFFDx");
  EXPECT_EQ(SanitizeUtf8(Bytes({'a', 0xE2, 0x82})), "a\uFFFD\uFFFD");
  EXPECT_TRUE(IsValidUtf8(SanitizeUtf8(Bytes({0xF8, 0x88, 0x80, 0x80, 0x80}))));
}

TEST(Utf16, DecodesBothByteOrders) {
  EXPECT_EQ(Utf16BytesToUtf8(Bytes({'A', 0, 0xE9, 0, 0x41, 0x01}), false), "AéŁ");
  EXPECT_EQ(Utf16BytesToUtf8(Bytes({0, 'A', 0, 0xE9, 0x01, 0x41}), true), "AéŁ");
  EXPECT_EQ(Utf16BytesToUtf8(Bytes({0x3D, 0xD8, 0x00, 0xDE}), false), "\U0001F600");
}

TEST(Utf16, ReplacesUnpairedSurrogatesAndOddBytes) {
  EXPECT_EQ(Utf16BytesToUtf8(Bytes({'A', 0, 'B'}), false), "A\uFFFD");
  EXPECT_EQ(Utf16ToUtf8(u"a\xD800"
                        u"b"),
            "a\uFFFDb");
  EXPECT_EQ(Utf16ToUtf8(u"\xDC00"), "\uFFFD");
  EXPECT_EQ(Utf16ToUtf8(u"x\xD83D"), "x\uFFFD");
}

TEST(Utf16, RoundTrips) {
  const std::string text = "Žofie Nováková, Ἀθῆναι, Москва, 北京 \U0001F600";
  EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16(text)), text);
  EXPECT_EQ(Utf8ToUtf16("\U0001F600"), u"\xD83D\xDE00");
  EXPECT_EQ(Utf8ToUtf16(Bytes({'a', 0xFF})), u"a\xFFFD");
}

TEST(ToUpperUtf8, UpperCasesLatinGreekAndCyrillic) {
  EXPECT_EQ(ToUpperUtf8("muñoz"), "MUÑOZ");
  EXPECT_EQ(ToUpperUtf8("éèçàÿæø"), "ÉÈÇÀŸÆØ");
  EXPECT_EQ(ToUpperUtf8("łódź żółć"), "ŁÓDŹ ŻÓŁĆ");
  EXPECT_EQ(ToUpperUtf8("čřšžěůőűąęţşğı"), "ČŘŠŽĚŮŐŰĄĘŢŞĞI");
  EXPECT_EQ(ToUpperUtf8("ăâîșț ơư ạả"), "ĂÂÎȘȚ ƠƯ ẠẢ");
  EXPECT_EQ(ToUpperUtf8("παπαδόπουλος"), "ΠΑΠΑΔΌΠΟΥΛΟΣ");
  EXPECT_EQ(ToUpperUtf8("иванов ёлкин їжак"), "ИВАНОВ ЁЛКИН ЇЖАК");
}

TEST(ToUpperUtf8, LeavesOtherCharactersAlone) {
  EXPECT_EQ(ToUpperUtf8("Straße"), "STRAßE");
  EXPECT_EQ(ToUpperUtf8("ÀB 12 ×÷ 日本"), "ÀB 12 ×÷ 日本");
  EXPECT_EQ(ToUpperUtf8(Bytes({'a', 0xFF, 'b'})), Bytes({'A', 0xFF, 'B'}));
}

TEST(Utf8CharLength, MeasuresOneCharacter) {
  const std::string text = "aé€\U0001F600";
  EXPECT_EQ(Utf8CharLength(text, 0), 1u);
  EXPECT_EQ(Utf8CharLength(text, 1), 2u);
  EXPECT_EQ(Utf8CharLength(text, 3), 3u);
  EXPECT_EQ(Utf8CharLength(text, 6), 4u);
  EXPECT_EQ(Utf8CharLength(text, 10), 0u);
  // A stray or truncated lead byte counts as one byte, never past the end.
  EXPECT_EQ(Utf8CharLength(Bytes({0x80, 'a'}), 0), 1u);
  EXPECT_EQ(Utf8CharLength(Bytes({'a', 0xE2, 0x82}), 1), 1u);
}

}  // namespace
}  // namespace vellix::charset

namespace vellix::charset {
namespace {

TEST(CharsetCaseTest, LowerCaseIsTheCounterpartOfUpperCase) {
  const std::string capitals = "ÀÉÎÕÜŁŃŚŹŻČŘŠŽĚŮŐŰĄĘΑΒΓΔΆΈЖЩЁЯ ẠẸ";
  const std::string smalls = "àéîõüłńśźżčřšžěůőűąęαβγδάέжщёя ạẹ";
  EXPECT_EQ(ToLowerUtf8(capitals), smalls);
  EXPECT_EQ(ToUpperUtf8(smalls), capitals);
  EXPECT_EQ(ToLowerUtf8("MÜLLER \xFF ß"), "müller \xFF ß") << "stray bytes are copied";
}

TEST(CharsetCaseTest, DecodeAndAppendRoundTrip) {
  const std::string text = "aé€😀";
  std::string back;
  for (size_t pos = 0; pos < text.size();) {
    char32_t cp = 0;
    size_t len = DecodeUtf8(text, pos, &cp);
    ASSERT_GT(len, 0u);
    AppendUtf8(cp, &back);
    pos += len;
  }
  EXPECT_EQ(back, text);
  char32_t cp = 0;
  EXPECT_EQ(DecodeUtf8("\xC0\xAF", 0, &cp), 0u) << "overlong";
  EXPECT_EQ(DecodeUtf8("a", 1, &cp), 0u) << "at the end";
}

}  // namespace
}  // namespace vellix::charset
