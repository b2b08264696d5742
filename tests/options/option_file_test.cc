// Reading and writing option set file images built by hand.
#include <gtest/gtest.h>

#include <map>

#include "options/file_image.h"
#include "options/option_archive.h"
#include "options/options.h"

namespace vellix {
namespace {

using testing::HandLayout;
using testing::ImageBuilder;
using testing::SampleImage;

TEST(OptionFileLayout, HasAllItemsInTheProgramsOrder) {
  const auto& hand = HandLayout();
  const auto program = options::FileLayout();
  ASSERT_EQ(hand.size(), 376u);
  ASSERT_EQ(program.size(), hand.size());
  for (size_t n = 0; n < hand.size(); ++n) {
    EXPECT_EQ(program[n].version, hand[n].version) << "item " << n + 1;
    if (!hand[n].member.empty()) {
      EXPECT_EQ(program[n].name, hand[n].member) << "item " << n + 1;
    }
    using options::ItemKind;
    static const std::map<std::string, ItemKind> kKinds = {
        {"V", ItemKind::kVersion},
        {"M", ItemKind::kMagic},
        {"b", ItemKind::kBool},
        {"y", ItemKind::kByte},
        {"i", ItemKind::kInt32},
        {"s", ItemKind::kString},
        {"C", ItemKind::kColors},
        {"c48", ItemKind::kFactCount48},
        {"f48", ItemKind::kFactInclude48},
        {"l48", ItemKind::kFactLabels48},
        {"A", ItemKind::kAttributes},
        {"cN", ItemKind::kFactCountN},
        {"fN", ItemKind::kFactIncludeN},
        {"lN", ItemKind::kFactLabelsN}};
    EXPECT_EQ(program[n].kind, kKinds.at(hand[n].code)) << "item " << n + 1;
  }
}

TEST(OptionFileWrite, IsByteIdenticalToAHandBuiltImage) {
  COptions options;
  testing::FillWithSamples(options);
  EXPECT_EQ(options.WriteToString(), SampleImage(39, 39));
  EXPECT_EQ(options.m_nFileVersion, 39);
}

TEST(OptionFileWrite, DefaultSetStartsWithVersionAndMagic) {
  COptions options;
  const std::string image = options.WriteToString();
  ASSERT_GE(image.size(), 14u);
  EXPECT_EQ(image.substr(0, 14), std::string("\x27\0\0\0LQP45G21\0\0", 14));
}

TEST(OptionFileRead, Version39ImageGivesBackEveryMember) {
  COptions options;
  ASSERT_TRUE(options.ReadFrom(SampleImage(39, 39)));
  EXPECT_EQ(options.m_nFileVersion, 39);
  EXPECT_EQ(options.m_nLoadError, 0);
  testing::ExpectSamples(options, 39);
}

TEST(OptionFileRead, RoundTripOfANonDefaultSetKeepsEveryMember) {
  COptions written;
  testing::FillWithSamples(written);
  COptions read;
  ASSERT_TRUE(read.ReadFrom(written.WriteToString()));
  testing::ExpectSamples(read, 39);
  // The samples really differ from the defaults, item by item.
  const COptions defaults;
  for (const options::LayoutItem& item : options::FileLayout()) {
    if (item.kind == options::ItemKind::kString) {
      EXPECT_NE(read.*item.s, defaults.*item.s) << item.name;
    } else if (item.kind == options::ItemKind::kBool) {
      EXPECT_NE(read.*item.b, defaults.*item.b) << item.name;
    } else if (item.kind == options::ItemKind::kByte) {
      EXPECT_NE(read.*item.y, defaults.*item.y) << item.name;
    } else if (item.kind == options::ItemKind::kInt32 &&
               std::string(item.name) != "m_nVersion") {
      EXPECT_NE(read.*item.i, defaults.*item.i) << item.name;
    }
  }
}

// A version-29 image holds only the first block: everything later takes
// its default, with the conversions of versions 37 and 39.
class OldVersionRead : public ::testing::Test {
 protected:
  // The sample image of version 29 with a few first-block values replaced.
  std::string Image(uint8_t name_filter, bool other_facts, bool citations_in_frame) {
    std::string image = SampleImage(29, 0);
    Patch(&image, "m_nNameFilter", name_filter);
    Patch(&image, "m_bOtherFacts", other_facts ? 1 : 0);
    Patch(&image, "m_bCitationsInFrame", citations_in_frame ? 1 : 0);
    return image;
  }

 private:
  // Offsets of byte items in the first block: rebuilt by walking the hand
  // layout with the sample encodings.
  void Patch(std::string* image, const std::string& member, uint8_t value) {
    ImageBuilder prefix;
    prefix.Header(29);
    const auto& layout = HandLayout();
    for (size_t n = 2; n < layout.size(); ++n) {
      const auto& item = layout[n];
      if (item.member == member) {
        (*image)[prefix.bytes().size()] = static_cast<char>(value);
        return;
      }
      // Numbers and colours only need their sizes here.
      if (item.code == "b") prefix.Byte(testing::SampleBool(item.member));
      if (item.code == "y") prefix.Byte(testing::SampleByte(item.member));
      if (item.code == "i" || item.code == "c48") prefix.Int32(0);
      if (item.code == "C") prefix.Raw(std::string(64, '\0'));
      if (item.code == "f48") prefix.Raw(std::string(48, '\0'));
      if (item.code == "s") {
        const auto text = testing::SampleString(n, item.member);
        if (text.wide.empty()) {
          prefix.Ansi(text.ansi);
        } else {
          prefix.Wide(text.wide);
        }
      }
    }
    FAIL() << member << " not in the first block";
  }
};

TEST_F(OldVersionRead, Version29DefaultsLaterBlocksAndConverts) {
  COptions options;
  ASSERT_TRUE(options.ReadFrom(Image(1, true, false)));
  EXPECT_EQ(options.m_nFileVersion, 29);
  EXPECT_EQ(options.m_nVersion, 39);
  // First block as stored.
  EXPECT_EQ(options.m_strFilePrefix, testing::SampleString(5, "m_strFilePrefix").utf8);
  EXPECT_EQ(options.m_nDateWidth, 26);
  // Name filter 1 meant the replacement text before version 37.
  EXPECT_EQ(options.m_nNameFilter, 2);
  // Other facts switched on: kinds 49 and 50 at the end of the page.
  EXPECT_EQ(options.m_factInclude[49], 1);
  EXPECT_EQ(options.m_factInclude[50], 1);
  EXPECT_EQ(options.m_factInclude[59], 2);
  EXPECT_EQ(options.m_factInclude[48], 0);
  // Alternate names follow the alternate BMD facts; mail links the (absent,
  // so off) web links.
  EXPECT_EQ(options.m_nAltNames, options.m_nAltBmdFacts);
  EXPECT_FALSE(options.m_bMailLinks);
  // Later blocks at their defaults.
  EXPECT_EQ(options.m_strTitleSurname, "Surnames");
  EXPECT_EQ(options.m_strHeadingIndex, "Index");
  EXPECT_TRUE(options.m_bTitleNames);
  EXPECT_EQ(options.m_strNavGroupSheet, "Group Sheet");
  EXPECT_TRUE(options.m_bMonoFont);
  EXPECT_EQ(options.m_nLabelWidth, 9);
  EXPECT_EQ(options.m_nBiblioPerPage, 25);
  EXPECT_EQ(options.m_nLivingYear, 1899);
  EXPECT_EQ(options.m_strAltSurnameFile, "index.html");
  EXPECT_EQ(options.m_strLblIbid, "Ibid");
  EXPECT_EQ(options.m_strMedicalTag, "_MDCL");
  EXPECT_EQ(options.m_nSurnamePartitions, 1);
  EXPECT_EQ(options.m_strNavGallery, "Gallery");
  EXPECT_EQ(options.m_strMediaDestFolder, "media\\");
  EXPECT_EQ(options.m_nThumbSize, 150);
  EXPECT_TRUE(options.m_familyAttributes.empty());
  // Version 39 conversions: links at the top too, strict document type.
  EXPECT_TRUE(options.m_bLinksTop);
  EXPECT_EQ(options.m_strDtdPages, kDtdStrict);
  EXPECT_EQ(options.m_strDtdFrames, kDtdFrameset);
  // The user-defined labels stored in the file survive; kinds 48.. default.
  EXPECT_EQ(options.m_factLabels[34], testing::SampleFactLabel(34).utf8);
  EXPECT_EQ(options.m_factLabels[48], "Christened");
}

TEST_F(OldVersionRead, FramedCitationsKeepTheTransitionalDocumentType) {
  COptions options;
  ASSERT_TRUE(options.ReadFrom(Image(0, false, true)));
  EXPECT_EQ(options.m_strDtdPages, kDtdTransitional);
  EXPECT_EQ(options.m_nNameFilter, 0);
  EXPECT_EQ(options.m_factInclude[49], 1);
  EXPECT_EQ(options.m_factInclude[50], 0);
}

TEST(OptionFileRead, Version36TakesMailLinksFromWebLinks) {
  std::string image = SampleImage(36, 36);
  COptions options;
  ASSERT_TRUE(options.ReadFrom(image));
  EXPECT_EQ(options.m_bWebLinks, testing::SampleBool("m_bWebLinks"));
  EXPECT_EQ(options.m_bMailLinks, options.m_bWebLinks);
  // Older than 37: the stored name filter 1 meant the replacement text.
  EXPECT_EQ(options.m_nNameFilter, 2);
  options.m_nNameFilter = testing::SampleByte("m_nNameFilter");
  // Blocks up to 36 as stored (the family list too); the stored document
  // type is kept because it is not the transitional line.
  testing::ExpectSamples(options, 36);
  EXPECT_TRUE(options.m_bLinksTop);
  EXPECT_EQ(options.m_strLblIbid, "Ibid");
}

TEST(OptionFileRead, Version40ImageIsReadUpTo39AndTheRestIgnored) {
  std::string image = SampleImage(40, 39) + std::string("\x01\x02\x03\xFF\xFF", 5);
  COptions options;
  ASSERT_TRUE(options.ReadFrom(image));
  EXPECT_EQ(options.m_nFileVersion, 40);
  testing::ExpectSamples(options, 39);
}

TEST(OptionFileRead, ImageCutInsideAStringIsDamaged) {
  const std::string full = SampleImage(39, 39);
  // Item 6 (the file prefix) starts right after the colours: cut two bytes
  // into its text.
  const size_t prefix_text = 4 + 10 + 1 + 64 + 4 + 1;
  COptions options;
  EXPECT_FALSE(options.ReadFrom(full.substr(0, prefix_text + 2)));
  EXPECT_FALSE(COptions().ReadFrom(full.substr(0, full.size() - 1)));
  EXPECT_FALSE(COptions().ReadFrom(full.substr(0, 13)));
  EXPECT_TRUE(COptions().ReadFrom(full));
}

TEST(OptionFileRead, HugeCountsAndLengthsDoNotOverrun) {
  ImageBuilder image;
  image.Header(39).Byte(1);
  for (int i = 0; i < 16; ++i) image.UInt32(0);
  image.Int32(0);
  // A string that claims 4 GB.
  image.Byte(255).Byte(255).Byte(255).UInt32(0xFFFFFFF0u).Raw("abc");
  EXPECT_FALSE(COptions().ReadFrom(image.bytes()));
  // A wide string whose length runs past the end.
  ImageBuilder wide;
  wide.Header(39).Byte(1);
  for (int i = 0; i < 16; ++i) wide.UInt32(0);
  wide.Int32(0).Byte(255).Byte(0xFE).Byte(0xFF).Byte(200).Raw("ab");
  EXPECT_FALSE(COptions().ReadFrom(wide.bytes()));
}

TEST(OptionFileRead, WrongMagicChangesNothingButTheLoadError) {
  ImageBuilder image;
  image.Int32(39).Raw(std::string("LQP45G22\0\0", 10)).Byte(0);
  COptions options;
  options.m_strDestFolder = "kept";
  options.m_nFileVersion = 38;
  ASSERT_TRUE(options.ReadFrom(image.bytes()));
  EXPECT_EQ(options.m_nLoadError, 1);
  EXPECT_EQ(options.m_strDestFolder, "kept");
  EXPECT_EQ(options.m_nFileVersion, 38);
}

TEST(OptionFileRead, MagicComparesUpToItsFirstZeroByte) {
  std::string image = SampleImage(39, 39);
  image[13] = 'x';  // after the terminating zero
  COptions options;
  ASSERT_TRUE(options.ReadFrom(image));
  EXPECT_EQ(options.m_nLoadError, 0);
}

TEST(OptionFileRead, ForwardSlashesInPathsBecomeBackslashes) {
  COptions written;
  written.m_strDestFolder = "C:/site/out";
  written.m_strMediaSourceFolder = "pics/2001";
  written.m_strAuthor = "a/b";  // not a path: kept
  const std::string image = written.WriteToString();
  EXPECT_EQ(written.m_strDestFolder, "C:\\site\\out");
  EXPECT_NE(image.find("C:\\site\\out"), std::string::npos);
  EXPECT_EQ(image.find("C:/site"), std::string::npos);

  // Reading turns them too: a hand-built first block with a slashed folder.
  ImageBuilder hand;
  hand.Header(29).Byte(1);
  for (int i = 0; i < 16; ++i) hand.UInt32(0);
  hand.Int32(0).Ansi("grp").Ansi("D:/web/fam");
  const std::string sample = SampleImage(29, 0);
  // The sample's items 6 and 7 are "v5\\x-\xE9" and "v6\\x-\xE9".
  const size_t after_item7 = 4 + 10 + 1 + 64 + 4 + 7 + 7;
  COptions read;
  ASSERT_TRUE(read.ReadFrom(hand.bytes() + sample.substr(after_item7)));
  EXPECT_EQ(read.m_strDestFolder, "D:\\web\\fam");
  EXPECT_EQ(read.m_strAuthor, testing::SampleString(14, "m_strAuthor").utf8);
}

TEST(OptionFileRead, ExtraFactChoicesBeyondFourteenAreDropped) {
  COptions options;
  ASSERT_TRUE(options.ReadFrom(SampleImage(39, 39, 16)));
  testing::ExpectSamples(options, 39);
}

}  // namespace
}  // namespace vellix
