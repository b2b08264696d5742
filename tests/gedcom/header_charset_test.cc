#include "gedcom/reader_fixture.h"

namespace vellix::testing {
namespace {

const char kVersionWarning[] = "The input GEDCOM file is not a GEDCOM version 5.5 file.";

class HeaderTest : public ReaderTest {
 protected:
  std::string File(const std::string& version, const std::string& charset) {
    std::string text = "0 HEAD\r\n";
    if (!version.empty()) text += "1 GEDC\r\n2 VERS " + version + "\r\n";
    if (!charset.empty()) text += "1 CHAR " + charset + "\r\n";
    return text + "0 @I1@ INDI\r\n0 TRLR\r\n";
  }
  // The first NAME value of individual `key`.
  std::string NameOf(const std::string& key) {
    const GedcomRecord* r = Load(RecordKind::kIndividual, key);
    if (!r || !r->FirstChild(kTagName)) return "(none)";
    return r->FirstChild(kTagName)->value;
  }
};

TEST_F(HeaderTest, EveryHeaderField) {
  reader_.Open(DataFile("gedcom/family.ged"));
  ASSERT_TRUE(reader_.ReadPass(true, &progress_, nullptr));
  HeaderInfo h;
  ASSERT_TRUE(reader_.ReadHeader(&h));
  EXPECT_EQ(h.sourceId, "FTW");
  EXPECT_EQ(h.sourceVersion, "6.00");
  EXPECT_EQ(h.sourceName, "Family Tree Writer");
  EXPECT_EQ(h.corporation, "Example Software");
  EXPECT_EQ(h.corporationAddress,
            (std::vector<std::string>{"1 Main Street", "Suite 5", "Springfield",
                                      "Second line", "12345", "Freedonia"}));
  EXPECT_EQ(h.corporationPhones, (std::vector<std::string>{"555-1234", "555-9999"}));
  EXPECT_EQ(h.corporationEmails,
            std::vector<std::string>{"info@example.com"});  // EMAIL remapped
  EXPECT_EQ(h.corporationFaxes, std::vector<std::string>{"555-0000"});
  EXPECT_EQ(h.corporationWebPages, std::vector<std::string>{"www.example.com"});
  EXPECT_EQ(h.sourceData, "Parish records");
  EXPECT_EQ(h.sourceDataDate, "1 JAN 1998");
  EXPECT_EQ(h.sourceDataCopr, (std::vector<std::string>{"Copyright 1998", " by the clerk",
                                                        "All rights reserved"}));
  EXPECT_EQ(h.destination, "VELLIX");
  EXPECT_EQ(h.date, "6 DEC 2026");
  EXPECT_EQ(h.time, "10:30:00");
  EXPECT_EQ(h.fileName, "family.ged");
  EXPECT_EQ(h.fileCopr, "Copyright the author");
  EXPECT_EQ(h.gedcomVersion, "5.5.1");
  EXPECT_EQ(h.gedcomForm, "LINEAGE-LINKED");
  EXPECT_EQ(h.characterSet, "ANSI");
  EXPECT_EQ(h.characterSetVersion, "1.0");
  EXPECT_EQ(h.language, "English");
  EXPECT_EQ(h.placeForm, "City, County, State");
  EXPECT_EQ(h.note,
            (std::vector<std::string>{"First note line", "second line", " continued"}));
  EXPECT_EQ(reader_.header().sourceName, "Family Tree Writer");
}

TEST_F(HeaderTest, SingleFieldsTakeTheLastLine) {
  ASSERT_TRUE(
      Read("0 HEAD\r\n1 DEST A\r\n1 DEST B\r\n1 GEDC\r\n2 VERS 4.0\r\n"
           "1 GEDC\r\n2 VERS 5.5\r\n0 TRLR\r\n"));
  EXPECT_EQ(reader_.header().destination, "B");
  EXPECT_EQ(reader_.header().gedcomVersion, "5.5");
  EXPECT_TRUE(WarningLines().empty());
}

TEST_F(HeaderTest, CharacterSetDecision) {
  const std::vector<std::pair<std::string, int>> cases = {
      {"ANSEL", kCharsetAnsel},  {"ansel", kCharsetAnsel},   {"UTF-8", kCharsetUtf8},
      {"utf-8", kCharsetUtf8},   {"UTF8", kCharsetUtf8},     {"ANSI", kCharsetPlain},
      {"IBM PC", kCharsetPlain}, {"UNICODE", kCharsetPlain}, {"", kCharsetPlain}};
  for (const auto& [name, mode] : cases) {
    ASSERT_TRUE(Read(File("5.5", name))) << name;
    EXPECT_EQ(reader_.characterSetMode(), mode) << name;
  }
  HeaderInfo info;
  info.characterSet = "UTF-16";
  EXPECT_FALSE(IsUtf8(info));
  EXPECT_FALSE(IsAnsel(info));
}

TEST_F(HeaderTest, VersionWarning) {
  for (const char* version : {"5.5", "5.5.1", "7.0", "5.50"}) {
    ASSERT_TRUE(Read(File(version, "ANSI")));
  }
  EXPECT_TRUE(WarningLines().empty());
  for (const char* version : {"5.0", "", "5.4.9", "x5.5"}) {
    test_env_.env.warnings().Reset();
    ASSERT_TRUE(Read(File(version, "ANSI")));
    EXPECT_EQ(WarningLines(), std::vector<std::string>{kVersionWarning}) << version;
  }
  test_env_.env.warnings().Reset();
  ReaderSettings settings;
  settings.support.word = 0x10;  // flag 1
  reader_.SetSettings(settings);
  ASSERT_TRUE(Read(File("4.0", "ANSI")));
  EXPECT_TRUE(WarningLines().empty());
  EXPECT_EQ(VersionNumber("5.5.1"), 5.5);
  EXPECT_EQ(VersionNumber(" 12abc"), 12);
  EXPECT_EQ(VersionNumber("abc"), 0);
}

TEST_F(HeaderTest, AnselValuesBecomeUtf8AndAreNeverCut) {
  reader_.Open(DataFile("gedcom/ansel.ged"));
  ASSERT_TRUE(reader_.ReadPass(true, &progress_, nullptr));
  EXPECT_EQ(reader_.characterSetMode(), kCharsetAnsel);
  EXPECT_EQ(NameOf("I1"), "Jos\xC3\xA9 /Mu\xC3\xB1oz/");
  const std::string note =
      Load(RecordKind::kIndividual, "I1")->FirstChild(kTagNote)->value;
  EXPECT_EQ(note.substr(0, 5), "\xC3\x86sop");               // A5 is AE
  EXPECT_NE(note.find("\xC5\x82ukasz"), std::string::npos);  // B1 is l-stroke
  EXPECT_NE(note.find("\xC3\xA7"), std::string::npos);       // cedilla c
  EXPECT_NE(note.find("\xC5\xA1"), std::string::npos);       // caron s
  // The level-0 value filed by the pass is converted too.
  EXPECT_EQ(store_.Find(RecordKind::kNote, "N1")->value, "Caf\xC3\xA9");
  EXPECT_EQ(Load(RecordKind::kNote, "N1")->value, "Caf\xC3\xA9");

  std::string long_value;
  for (int i = 0; i < 300; ++i)
    long_value +=
        "\xE2"
        "e";
  ASSERT_TRUE(
      Read(File("5.5", "ANSEL") + "0 @I2@ INDI\r\n1 NAME " + long_value + "\r\n"));
  std::string expected;
  for (int i = 0; i < 300; ++i) expected += "\xC3\xA9";
  EXPECT_EQ(NameOf("I2"), expected);
}

TEST_F(HeaderTest, Utf8AndPlainFiles) {
  // Invalid bytes in a UTF-8 file become U+FFFD.
  ASSERT_TRUE(
      Read(File("5.5", "UTF-8") + "0 @I2@ INDI\r\n1 NAME Ren\xC3\xA9 \xFF/X/\r\n"));
  EXPECT_EQ(NameOf("I2"), "Ren\xC3\xA9 \xEF\xBF\xBD/X/");
  // A plain 8-bit file is Windows-1252 ...
  ASSERT_TRUE(Read(File("5.5", "ANSI") + "0 @I\xE9@ INDI\r\n1 NAME Ren\xE9 \x80/X/\r\n"));
  EXPECT_EQ(NameOf("I\xC3\xA9"), "Ren\xC3\xA9 \xE2\x82\xAC/X/");
  EXPECT_NE(store_.Find(RecordKind::kIndividual, "i\xC3\xA9"), nullptr);
  // ... unless its bytes are UTF-8 with multi-byte characters.
  ASSERT_TRUE(Read(File("5.5", "ANSI") + "0 @I2@ INDI\r\n1 NAME \xC5\x81\xC3\xB3"
                                         "d\xC5\xBA\r\n"));
  EXPECT_EQ(NameOf("I2"),
            "\xC5\x81\xC3\xB3"
            "d\xC5\xBA");
  // The header itself is read in the file's character set.
  ASSERT_TRUE(
      Read("0 HEAD\r\n1 SOUR X\r\n2 NAME Caf\xE9\r\n1 CHAR ANSI\r\n"
           "1 GEDC\r\n2 VERS 5.5\r\n0 TRLR\r\n"));
  EXPECT_EQ(reader_.header().sourceName, "Caf\xC3\xA9");
}

TEST_F(HeaderTest, ByteOrderMarks) {
  const std::string name =
      "Zo\xC3\xAB /\xC5\x81\xC3\xB3"
      "d\xC5\xBA/";
  const std::string note =
      "\xD0\x97\xD0\xB4\xD1\x80\xD0\xB0\xD0\xB2\xD1\x81\xD1\x82\xD0\xB2\xD1"
      "\x83\xD0\xB9 \xF0\x9F\x98\x80";
  for (const char* file :
       {"gedcom/utf16le.ged", "gedcom/utf16be.ged", "gedcom/utf8bom.ged"}) {
    ASSERT_TRUE(reader_.Open(DataFile(file))) << file;
    ASSERT_TRUE(reader_.ReadPass(true, &progress_, nullptr)) << file;
    EXPECT_EQ(NameOf("I1"), name) << file;
    EXPECT_EQ(Load(RecordKind::kIndividual, "I1")->FirstChild(kTagNote)->value, note)
        << file;
  }
  EXPECT_TRUE(prompter_.messages().empty());
  EXPECT_EQ(reader_.fileSize(), 136);  // the file's own size
}

TEST_F(HeaderTest, NoHeaderRecord) {
  ReaderSettings settings;
  settings.support.word = 0x10;
  reader_.SetSettings(settings);
  ASSERT_TRUE(Read("0 @I1@ INDI\r\n1 NAME Ren\xC3\xA9\r\n0 TRLR\r\n"));
  HeaderInfo info;
  info.sourceId = "stale";
  EXPECT_FALSE(reader_.ReadHeader(&info));
  EXPECT_EQ(reader_.characterSetMode(), kCharsetNone);
  EXPECT_EQ(reader_.header().sourceId, "");
  EXPECT_EQ(NameOf("I1"), "Ren\xC3\xA9");
}

}  // namespace
}  // namespace vellix::testing
