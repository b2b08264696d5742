// The exchange file of custom attributes: its text, its encodings, and
// reading it back, including what spreadsheets and hand edits make of it.
#include "options/exchange_file.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace vellix::options {
namespace {

void Put(CAttributesList& list, const std::string& ref, const std::string& link,
         const std::string& text, const std::string& image, const std::string& caption) {
  CAttributes* entry = list.Add(ref);
  entry->m_strReference = ref;
  entry->m_strLink = link;
  entry->m_strText = text;
  entry->m_strImage = image;
  entry->m_strCaption = caption;
}

std::vector<std::string> Fields(const CAttributes& e) {
  return {e.m_strReference, e.m_strLink, e.m_strText, e.m_strImage, e.m_strCaption};
}

TEST(ExchangeFileText, SectionsSortedQuotedAndEmptyFieldsLeftOut) {
  CAttributesList people;
  Put(people, "I2", "bio2.htm", "", "", "");
  Put(people, "I10", "", "great-uncle", "i10.jpg", "At home, \"Jack\" says hi");
  Put(people, "i3", "", "", "", "");
  CAttributesList families;
  Put(families, "F1", "narr.htm", "C:\\texts\\f1.txt", "", "");
  EXPECT_EQ(ExchangeFileText(people, families),
            "# VELLIX Custom Attributes\r\n"
            "# Embed quotation marks (\") by using double quotation marks (\"\").\r\n"
            "# Example: \"John \"\"Jack\"\" Doe\"\r\n"
            "# Section::Individuals\r\n"
            "# Reference,Biography,Relationship,Image,Caption\r\n"
            "\"I10\",,\"great-uncle\",\"i10.jpg\",\"At home, \"\"Jack\"\" says hi\"\r\n"
            "\"I2\",\"bio2.htm\",,,\r\n"
            "\"i3\",,,,\r\n"
            "# Section::Families\r\n"
            "# Reference,Narrative,Import,Image,Caption\r\n"
            "\"F1\",\"narr.htm\",\"C:\\texts\\f1.txt\",,\r\n");
}

TEST(ExchangeFileText, AnEmptyListHasNoSectionAtAll) {
  CAttributesList people;
  Put(people, "I1", "a.htm", "", "", "");
  const std::string text = ExchangeFileText(people, CAttributesList());
  EXPECT_NE(text.find("Section::Individuals"), std::string::npos);
  EXPECT_EQ(text.find("Section::Families"), std::string::npos);
  EXPECT_EQ(text.find("Narrative"), std::string::npos);
  EXPECT_EQ(ExchangeFileText(CAttributesList(), CAttributesList()).find("Section"),
            std::string::npos);
}

TEST(ExchangeFileEncoding, Windows1252WhenEverythingFitsElseUtf8WithMark) {
  EXPECT_EQ(EncodeExchangeFile("Zoë \xE2\x82\xAC"), "Zo\xEB \x80");  // ë and the euro
  EXPECT_EQ(EncodeExchangeFile("Łódź"), "\xEF\xBB\xBF\xC5\x81\xC3\xB3\x64\xC5\xBA");
  // "Ã©" fits Windows-1252 as C3 A9, which reads back as UTF-8 "é": it keeps
  // its UTF-8 form and mark, and each encoded text decodes to itself.
  EXPECT_EQ(EncodeExchangeFile("\xC3\x83\xC2\xA9"), "\xEF\xBB\xBF\xC3\x83\xC2\xA9");
  for (const std::string text :
       {"Zo\xC3\xAB", "\xC3\x83\xC2\xA9", "x \xC3\x82\xC2\xA0 y", "plain"}) {
    std::string back;
    ExchangeFileError error;
    ASSERT_TRUE(DecodeExchangeFile(EncodeExchangeFile(text), &back, &error)) << text;
    EXPECT_EQ(back, text);
  }

  struct Case {
    std::string bytes;
    std::string utf8;
  };
  const Case cases[] = {
      {"Zo\xEB", "Zo\xC3\xAB"},                              // Windows-1252
      {"\xEF\xBB\xBF\xC5\x81\xC3\xB3", "\xC5\x81\xC3\xB3"},  // UTF-8 after its mark
      {"\xC5\x81\xC3\xB3", "\xC5\x81\xC3\xB3"},  // UTF-8 saved without the mark
      {"plain", "plain"},
  };
  for (const Case& c : cases) {
    std::string out;
    ExchangeFileError error;
    ASSERT_TRUE(DecodeExchangeFile(c.bytes, &out, &error)) << c.bytes;
    EXPECT_EQ(out, c.utf8);
  }
  std::string out;
  ExchangeFileError error;
  EXPECT_FALSE(DecodeExchangeFile(std::string("# VELLIX\0\x01", 10), &out, &error));
  EXPECT_EQ(error.reason, "the file holds binary data");
  EXPECT_FALSE(DecodeExchangeFile("\xEF\xBB\xBFZo\xEB", &out, &error));
  EXPECT_EQ(error.reason, "the file says it is UTF-8 text but is not");
}

TEST(ExchangeFileRecognition, TheMarkMustStandInTheFirst2048Bytes) {
  EXPECT_TRUE(IsExchangeFile("# VELLIX Custom Attributes\r\n"));
  EXPECT_FALSE(IsExchangeFile("\"I1\",\"bio.htm\",,,\r\n"));
  EXPECT_TRUE(IsExchangeFile(std::string(2048 - 24, ' ') + "VELLIX Custom Attributes"));
  EXPECT_FALSE(IsExchangeFile(std::string(2048 - 23, ' ') + "VELLIX Custom Attributes"));
}

// One data line under the individuals heading and the fields it gives.
TEST(ExchangeFileParse, DataLinesGiveTheirFields) {
  struct Case {
    std::string line;
    std::vector<std::string> fields;
  };
  const Case cases[] = {
      {"\"I1\"", {"I1", "", "", "", ""}},
      {"I1,bio.htm,,x.jpg,Cap", {"I1", "bio.htm", "", "x.jpg", "Cap"}},
      {"\"John \"\"Jack\"\" Doe\",,,,", {"John \"Jack\" Doe", "", "", "", ""}},
      {"\"I1\",,,\"a.jpg\",\"Cap, with \"\"quote\"\"\"",
       {"I1", "", "", "a.jpg", "Cap, with \"quote\""}},
      // A value that starts and ends with a quotation mark, and an empty
      // quoted field, as a spreadsheet writes them.
      {"\"I1\",\"\"\"Jack\"\"\",\"\",,", {"I1", "\"Jack\"", "", "", ""}},
      {"\"I1\",\"\"\"\"", {"I1", "\"", "", "", ""}},
      {"   \"I1\" , \"b.htm\"  \t", {"I1", "b.htm", "", "", ""}},
      {"\"I1\",,,,\"  blanks kept  \"  ", {"I1", "", "", "", "  blanks kept  "}},
      {"I1, b.htm ,x", {"I1", " b.htm ", "x", "", ""}},
      {"\"I1\",\"a\",\"b\",\"c\",\"d\",\"e\",\"f\"", {"I1", "a", "b", "c", "d"}},
      {"\"I1\",\"two\r\nlines\",,,", {"I1", "two\r\nlines", "", "", ""}},
      {"I1,John \"Jack\" Doe", {"I1", "John \"Jack\" Doe", "", "", ""}},
  };
  for (const Case& c : cases) {
    ExchangeEntries entries;
    ExchangeFileError error;
    ASSERT_TRUE(ParseExchangeFile("# Section::Individuals\r\n" + c.line + "\r\n",
                                  &entries, &error))
        << c.line << ": " << error.reason;
    ASSERT_EQ(entries.individuals.size(), 1u) << c.line;
    EXPECT_EQ(Fields(entries.individuals[0]), c.fields) << c.line;
  }
}

TEST(ExchangeFileParse, SectionsCommentsBlankLinesAndLinesBeforeAnySection) {
  ExchangeEntries entries;
  ExchangeFileError error;
  ASSERT_TRUE(
      ParseExchangeFile("\"X1\",\"before any section\"\n"
                        "# VELLIX Custom Attributes\n"
                        "\n"
                        "  # Section::Families\n"
                        "\"F1\",\"n.htm\"\r"
                        ",,,,\r\n"
                        "# Reference,Narrative,Import,Image,Caption\n"
                        "# Section::Individuals\n"
                        "\"I1\"\n"
                        "#Section::Families\n"
                        "\"F2\"",
                        &entries, &error))
      << error.reason;
  ASSERT_EQ(entries.individuals.size(), 1u);
  EXPECT_EQ(entries.individuals[0].m_strReference, "I1");
  ASSERT_EQ(entries.families.size(), 2u);
  EXPECT_EQ(Fields(entries.families[0]),
            (std::vector<std::string>{"F1", "n.htm", "", "", ""}));
  EXPECT_EQ(entries.families[1].m_strReference, "F2");
}

TEST(ExchangeFileParse, DamagedLinesAreRefusedWithTheirLine) {
  struct Case {
    std::string text;
    int line;
    std::string reason;
  };
  const Case cases[] = {
      {"# Section::Individuals\n\"I1\",\"open\n\"I2\",\"x\"\n", 3,
       "text follows a closing quotation mark"},
      {"# Section::Individuals\n\"I1\"\n\"I2\",\"never closed\n", 3,
       "a quotation mark is not closed"},
      {"# Section::Families\n\"F1\"x,,\n", 2, "text follows a closing quotation mark"},
      {"# Section::Individuals\n\"I1\"\n\n,\"bio.htm\",,,\n", 4,
       "the entry has no reference"},
  };
  for (const Case& c : cases) {
    ExchangeEntries entries;
    entries.individuals.emplace_back();  // a failed parse hands back nothing
    ExchangeFileError error;
    EXPECT_FALSE(ParseExchangeFile(c.text, &entries, &error)) << c.text;
    EXPECT_EQ(error.line, c.line) << c.text;
    EXPECT_EQ(error.reason, c.reason) << c.text;
    EXPECT_EQ(entries.individuals.size(), 1u);
  }
}

TEST(ExchangeFileMerge, FoundEntriesAreReplacedWholeOthersStayNewOnesAreAdded) {
  CAttributesList people;
  Put(people, "I1", "old.htm", "cousin", "old.jpg", "Old");
  Put(people, "I2", "keep.htm", "", "", "");
  CAttributesList families;
  ExchangeEntries entries;
  entries.individuals.push_back({});
  entries.individuals.back().m_strReference = "I1";  // only a reference: reset
  entries.individuals.push_back({});
  entries.individuals.back().m_strReference = "i2";  // another key than I2
  entries.families.push_back({});
  entries.families.back().m_strReference = "F1";
  entries.families.back().m_strImage = "group.jpg";
  MergeExchangeEntries(entries, people, families);
  ASSERT_TRUE(people.Find("I1"));
  EXPECT_EQ(Fields(*people.m_pCurrent), (std::vector<std::string>{"I1", "", "", "", ""}));
  ASSERT_TRUE(people.Find("I2"));
  EXPECT_EQ(people.m_pCurrent->m_strLink, "keep.htm");
  EXPECT_TRUE(people.Find("i2"));
  EXPECT_EQ(people.size(), 3u);
  ASSERT_TRUE(families.Find("F1"));
  EXPECT_EQ(families.m_pCurrent->m_strImage, "group.jpg");
}

// Whatever a scrambled file gives when it is read, written out again and
// read back gives the very same entries; and no input hangs the reader.
TEST(ExchangeFileParse, WhatIsReadSurvivesAnotherRoundTrip) {
  std::mt19937 random(7);
  const std::string pieces[] = {"\"", "\"\"", ",",        "\r",
                                "\n", " ",    "#",        "ab",
                                "\t", "\x01", "\xC3\xA9", "# Section::Individuals\n"};
  for (int round = 0; round < 5000; ++round) {
    std::string text = round % 2 ? "# Section::Families\n" : "";
    for (int n = static_cast<int>(random() % 24); n > 0; --n) {
      text += pieces[random() % std::size(pieces)];
    }
    ExchangeEntries entries;
    ExchangeFileError error;
    if (!ParseExchangeFile(text, &entries, &error)) continue;
    CAttributesList people, families;
    MergeExchangeEntries(entries, people, families);
    ExchangeEntries again;
    ASSERT_TRUE(ParseExchangeFile(ExchangeFileText(people, families), &again, &error))
        << text;
    CAttributesList people2, families2;
    MergeExchangeEntries(again, people2, families2);
    for (const auto& [first, second] :
         {std::pair{&people, &people2}, {&families, &families2}}) {
      ASSERT_EQ(first->size(), second->size()) << text;
      for (const CAttributes& entry : first->entries()) {
        ASSERT_TRUE(second->Find(entry.m_strReference)) << text;
        EXPECT_EQ(Fields(*second->m_pCurrent), Fields(entry)) << text;
      }
    }
  }
}

}  // namespace
}  // namespace vellix::options
