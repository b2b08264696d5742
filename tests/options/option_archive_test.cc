// The string encodings of the option set file: the three length forms and
// the wide form for texts outside Windows-1252.
#include "options/option_archive.h"

#include <gtest/gtest.h>

#include "text/charset.h"

namespace vellix::options {
namespace {

std::string Written(const std::string& utf8) {
  ArchiveWriter out;
  out.String(utf8);
  return out.data();
}

std::string ReadBack(const std::string& bytes, bool* ok = nullptr) {
  ArchiveReader in(bytes);
  std::string text = in.String();
  if (ok != nullptr) *ok = in.ok() && in.position() == bytes.size();
  return text;
}

TEST(OptionStringLength, OneBytePrefixUpTo254) {
  const std::string text(254, 'a');
  const std::string bytes = Written(text);
  ASSERT_EQ(bytes.size(), 255u);
  EXPECT_EQ(static_cast<uint8_t>(bytes[0]), 254);
  EXPECT_EQ(ReadBack(bytes), text);
}

TEST(OptionStringLength, Byte255And16BitsFrom255) {
  const std::string text(255, 'b');
  const std::string bytes = Written(text);
  ASSERT_EQ(bytes.size(), 258u);
  EXPECT_EQ(bytes.substr(0, 3), std::string("\xFF\xFF\x00", 3));
  EXPECT_EQ(ReadBack(bytes), text);
}

TEST(OptionStringLength, SixteenBitsUpTo65533) {
  const std::string bytes = Written(std::string(65533, 'c'));
  EXPECT_EQ(bytes.substr(0, 3), std::string("\xFF\xFD\xFF", 3));
  EXPECT_EQ(bytes.size(), 65536u);
}

TEST(OptionStringLength, ThirtyTwoBitsFrom65534BecauseThatValueMarksWideText) {
  const std::string text(65534, 'd');
  const std::string bytes = Written(text);
  EXPECT_EQ(bytes.substr(0, 7), std::string("\xFF\xFF\xFF\xFE\xFF\x00\x00", 7));
  bool ok = false;
  EXPECT_EQ(ReadBack(bytes, &ok), text);
  EXPECT_TRUE(ok);
  const std::string longer = Written(std::string(65535, 'e'));
  EXPECT_EQ(longer.substr(0, 7), std::string("\xFF\xFF\xFF\xFF\xFF\x00\x00", 7));
  EXPECT_EQ(ReadBack(longer).size(), 65535u);
}

TEST(OptionStringEncoding, Windows1252TextIsWrittenByteForByte) {
  // "Café – €5": é, the en dash and the euro sign all have Windows-1252 bytes.
  EXPECT_EQ(Written("Caf\xC3\xA9 \xE2\x80\x93 \xE2\x82\xAC"
                    "5"),
            std::string("\x09"
                        "Caf\xE9 \x96 \x80"
                        "5"));
  EXPECT_EQ(ReadBack(std::string("\x04"
                                 "\x93"
                                 "a\x94\xFF",
                                 5)),
            "\xE2\x80\x9C"
            "a\xE2\x80\x9D\xC3\xBF");
}

TEST(OptionStringEncoding, GreekAndPolishUseTheWideForm) {
  // "Ζωή" (3 units) and "Łódź" (4 units).
  EXPECT_EQ(Written("\xCE\x96\xCF\x89\xCE\xAE"),
            std::string("\xFF\xFE\xFF\x03\x96\x03\xC9\x03\xAE\x03", 10));
  const std::string polish =
      "\xC5\x81\xC3\xB3"
      "d\xC5\xBA";
  const std::string bytes = Written(polish);
  EXPECT_EQ(bytes, std::string("\xFF\xFE\xFF\x04\x41\x01\xF3\x00\x64\x00\x7A\x01", 12));
  EXPECT_EQ(ReadBack(bytes), polish);
}

TEST(OptionStringEncoding, WideTextBeyondTheBasicPlaneUsesSurrogates) {
  const std::string emoji = "\xF0\x9F\x8C\xB3";  // U+1F333
  const std::string bytes = Written(emoji);
  EXPECT_EQ(bytes, std::string("\xFF\xFE\xFF\x02\x3C\xD8\x33\xDF", 8));
  EXPECT_EQ(ReadBack(bytes), emoji);
}

TEST(OptionStringEncoding, LongWideTextUsesTheLongerLengthForms) {
  std::string greek;
  for (int i = 0; i < 300; ++i) greek += "\xCE\xB1";  // α
  const std::string bytes = Written(greek);
  EXPECT_EQ(bytes.substr(0, 6), std::string("\xFF\xFE\xFF\xFF\x2C\x01", 6));
  EXPECT_EQ(bytes.size(), 6u + 600u);
  EXPECT_EQ(ReadBack(bytes), greek);
}

TEST(OptionStringEncoding, MalformedInputIsReportedNotOverrun) {
  bool ok = true;
  ReadBack(std::string("\x05"
                       "abc",
                       4),
           &ok);
  EXPECT_FALSE(ok);
  ReadBack(std::string("\xFF\x10", 2), &ok);
  EXPECT_FALSE(ok);
  // The wide mark twice is no length.
  ReadBack(std::string("\xFF\xFE\xFF\xFF\xFE\xFF\x00", 7), &ok);
  EXPECT_FALSE(ok);
  const std::string two_bytes("\x01\x02", 2);
  ArchiveReader in(two_bytes);
  EXPECT_EQ(in.Int32(), 0);
  EXPECT_FALSE(in.ok());
  EXPECT_EQ(in.Byte(), 0);  // stays failed
}

TEST(OptionNumbers, AreLittleEndian) {
  ArchiveWriter out;
  out.Int32(-2);
  out.UInt32(0x01020304u);
  out.Bool(true);
  out.Bool(false);
  EXPECT_EQ(out.data(), std::string("\xFE\xFF\xFF\xFF\x04\x03\x02\x01\x01\x00", 10));
  ArchiveReader in(out.data());
  EXPECT_EQ(in.Int32(), -2);
  EXPECT_EQ(in.UInt32(), 0x01020304u);
  EXPECT_TRUE(in.Bool());
  EXPECT_FALSE(in.Bool());
  const std::string seven_byte("\x07", 1);  // the reader only views its data
  ArchiveReader seven(seven_byte);
  EXPECT_TRUE(seven.Bool());  // any non-zero byte is on
}

TEST(OptionCodepage, UnassignedBytesSurviveARoundTrip) {
  const std::string bytes("\x81\x8D\x8F\x90\x9D", 5);
  bool fit = false;
  EXPECT_EQ(charset::Utf8ToWindows1252(charset::Windows1252ToUtf8(bytes), &fit), bytes);
  EXPECT_TRUE(fit);
  charset::Utf8ToWindows1252("\xC3", &fit);  // cut UTF-8 sequence
  EXPECT_FALSE(fit);
}

}  // namespace
}  // namespace vellix::options
