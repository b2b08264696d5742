// The custom attribute lists kept in the option set.
#include "options/attributes.h"

#include <gtest/gtest.h>

#include "options/file_image.h"
#include "options/options.h"

namespace vellix {
namespace {

CAttributes* AddEntry(CAttributesList& list, const std::string& reference,
                      const std::string& image = "", const std::string& caption = "") {
  CAttributes* entry = list.Add(reference);
  entry->m_strReference = reference;
  entry->m_strImage = image;
  entry->m_strCaption = caption;
  return entry;
}

TEST(AttributesList, AddFindRemove) {
  CAttributesList list;
  CAttributes* i1 = AddEntry(list, "I1");
  EXPECT_EQ(list.m_pCurrent, i1);
  AddEntry(list, "I2");
  EXPECT_TRUE(list.Find("I1"));
  EXPECT_EQ(list.m_pCurrent, i1);
  EXPECT_FALSE(list.Find("i1"));  // letter case is significant
  EXPECT_EQ(list.m_pCurrent, nullptr);
  EXPECT_TRUE(list.Remove("I1"));
  EXPECT_FALSE(list.Remove("I1"));
  EXPECT_FALSE(list.Find("I1"));
  EXPECT_EQ(list.size(), 1u);
}

TEST(AttributesList, AddDoesNotSetTheReference) {
  CAttributesList list;
  CAttributes* entry = list.Add("I9");
  EXPECT_EQ(entry->m_strReference, "");
  EXPECT_TRUE(list.Find("I9"));
}

TEST(AttributesList, DuplicateReferencesKeepBothAndFindTheLater) {
  CAttributesList list;
  AddEntry(list, "I1", "first.jpg");
  AddEntry(list, "I1", "second.jpg");
  EXPECT_TRUE(list.RebuildIndex());
  EXPECT_EQ(list.size(), 2u);
  ASSERT_TRUE(list.Find("I1"));
  EXPECT_EQ(list.m_pCurrent->m_strImage, "second.jpg");
}

TEST(AttributesList, GetNextRestartsAfterAnsweringNoneOnce) {
  CAttributesList list;
  AddEntry(list, "A");
  AddEntry(list, "B");
  EXPECT_EQ(list.GetNext()->m_strReference, "A");
  EXPECT_EQ(list.GetNext()->m_strReference, "B");
  EXPECT_EQ(list.GetNext(), nullptr);
  EXPECT_EQ(list.GetNext()->m_strReference, "A");
  CAttributesList empty;
  EXPECT_EQ(empty.GetNext(), nullptr);
  EXPECT_FALSE(empty.RebuildIndex());
}

TEST(AttributesList, ImageTextJoinsImageAndCaption) {
  CAttributesList list;
  EXPECT_EQ(list.GetImageText(), "");
  AddEntry(list, "I1", "ann.jpg", "Ann, 1902");
  EXPECT_EQ(list.GetImageText(), "ann.jpg;Ann, 1902");
  AddEntry(list, "I2", "", "caption only");
  EXPECT_EQ(list.GetImageText(), "");
  AddEntry(list, "I3", "bob.jpg", "");
  EXPECT_EQ(list.GetImageText(), "bob.jpg");
}

TEST(AttributesList, CopyIsDeepAndIndexed) {
  CAttributesList list;
  AddEntry(list, "I1", "a.jpg");
  list.entries().front().m_bMatched = 1;
  CAttributesList copy;
  copy.CopyFrom(list);
  ASSERT_TRUE(copy.Find("I1"));
  copy.m_pCurrent->m_strImage = "changed.jpg";
  ASSERT_TRUE(list.Find("I1"));
  EXPECT_EQ(list.m_pCurrent->m_strImage, "a.jpg");
  EXPECT_EQ(copy.m_pCurrent->m_bMatched, 0);  // the work flag is not copied
  list.ClearMatches();
  EXPECT_EQ(list.entries().front().m_bMatched, 0);
}

TEST(AttributesInTheFile, ListsRoundTripInOrder) {
  COptions options;
  ASSERT_TRUE(options.ReadFrom(testing::SampleImage(39, 39)));
  EXPECT_EQ(options.m_indivAttributes.size(), 2u);
  EXPECT_TRUE(options.m_familyAttributes.Find("F7"));
  options.m_familyAttributes.RemoveAll();
  COptions again;
  ASSERT_TRUE(again.ReadFrom(options.WriteToString()));
  EXPECT_TRUE(again.m_familyAttributes.empty());
  EXPECT_EQ(again.m_indivAttributes, options.m_indivAttributes);
  EXPECT_TRUE(again.m_indivAttributes.Find("I22"));
}

TEST(AttributesInTheFile, ANegativeCountGivesAnEmptyList) {
  COptions options;
  options.m_nReserved5 = 0x5A5B5C5D;  // the item right after the individuals
  std::string image = options.WriteToString();
  const size_t marker = image.find("\x5D\x5C\x5B\x5A");
  ASSERT_NE(marker, std::string::npos);
  ASSERT_EQ(image.substr(marker - 4, 4), std::string(4, '\0'));
  image.replace(marker - 4, 4, "\xFD\xFF\xFF\xFF");  // -3
  COptions read;
  read.m_indivAttributes.Add("old");
  ASSERT_TRUE(read.ReadFrom(image));
  EXPECT_TRUE(read.m_indivAttributes.empty());
  EXPECT_EQ(read.m_nReserved5, 0x5A5B5C5D);
}

}  // namespace
}  // namespace vellix
