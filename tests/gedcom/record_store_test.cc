#include "gedcom/record_store.h"

#include <gtest/gtest.h>

namespace vellix {
namespace {

class RecordStoreTest : public ::testing::Test {
 protected:
  GedcomRecord* AddFamily(const std::string& key) {
    return store_.Add(RecordKind::kFamily, kTagFam, "FAM", key, "", 0);
  }
  GedcomRecord* AddIndividual(const std::string& key, int64_t offset = 0) {
    return store_.Add(RecordKind::kIndividual, kTagIndi, "INDI", key, "", offset);
  }
  std::vector<std::string> Walk(RecordKind kind) {
    std::vector<std::string> keys;
    while (GedcomRecord* r = store_.Next(kind)) keys.push_back(r->key);
    return keys;
  }
  RecordStore store_;
};

TEST_F(RecordStoreTest, KeysAreUniquePerKindWithoutRegardToCase) {
  GedcomRecord* i1 = AddIndividual("I1", 40);
  ASSERT_NE(i1, nullptr);
  EXPECT_EQ(AddIndividual("i1"), nullptr);
  EXPECT_NE(AddFamily("I1"), nullptr);  // another kind
  EXPECT_EQ(store_.Find(RecordKind::kIndividual, "i1"), i1);
  EXPECT_EQ(store_.Find(RecordKind::kIndividual, "I1")->fileOffset, 40);
  EXPECT_EQ(store_.Find(RecordKind::kIndividual, "I2"), nullptr);
  EXPECT_EQ(store_.Find(RecordKind::kSource, "I1"), nullptr);
  EXPECT_EQ(store_.individualCount(), 1);
  EXPECT_EQ(store_.familyCount(), 1);
  EXPECT_EQ(store_.memoryEstimate(), 2 * RecordStore::kRecordEstimate);
}

TEST_F(RecordStoreTest, HeaderKeyEmptyKeysAndBadKinds) {
  GedcomRecord* head = store_.Add(RecordKind::kHeader, kTagHead, "HEAD", "", "", 0);
  ASSERT_NE(head, nullptr);
  EXPECT_EQ(head->key, "VX_HDR");
  EXPECT_EQ(store_.Find(RecordKind::kHeader, "vx_hdr"), head);
  EXPECT_EQ(store_.Add(RecordKind::kHeader, kTagHead, "HEAD", "X", "", 9), nullptr);
  EXPECT_NE(store_.Add(RecordKind::kNote, kTagNote, "NOTE", "", "text", 0), nullptr);
  EXPECT_EQ(store_.Add(RecordKind::kNote, kTagNote, "NOTE", "", "more", 0), nullptr);
  EXPECT_EQ(store_.Add(RecordKind::kNone, kTagName, "NAME", "N", "", 0), nullptr);
  EXPECT_EQ(store_.Add(static_cast<RecordKind>(11), kTagName, "X", "N", "", 0), nullptr);
  EXPECT_EQ(store_.Find(static_cast<RecordKind>(11), "N"), nullptr);
  EXPECT_EQ(store_.Next(static_cast<RecordKind>(0)), nullptr);
  EXPECT_EQ(store_.Count(RecordKind::kNote), 1u);
  EXPECT_EQ(store_.Find(RecordKind::kNote, "")->value, "text");
}

TEST_F(RecordStoreTest, WalkIsInCaseInsensitiveCharacterOrder) {
  for (const char* key : {"F2", "F10", "F1", "f3", "F20", "E9", "_x"}) {
    AddFamily(key);
  }
  // Letters fold to lower case, so "_" (0x5F) sorts before every letter.
  EXPECT_EQ(Walk(RecordKind::kFamily),
            (std::vector<std::string>{"_x", "E9", "F1", "F10", "F2", "F20", "f3"}));
  // After the end the next call starts a new walk.
  EXPECT_EQ(store_.Next(RecordKind::kFamily)->key, "_x");
}

TEST_F(RecordStoreTest, OneWalkForTheWholeStore) {
  for (const char* key : {"F1", "F2", "F3"}) AddFamily(key);
  for (const char* key : {"I1", "I2"}) AddIndividual(key);
  EXPECT_EQ(store_.Next(RecordKind::kFamily)->key, "F1");
  // Left early and not reset: continues whatever kind is passed.
  EXPECT_EQ(store_.Next(RecordKind::kIndividual)->key, "F2");
  store_.ResetWalk();
  EXPECT_EQ(store_.Next(RecordKind::kIndividual)->key, "I1");
  EXPECT_EQ(store_.Next(RecordKind::kFamily)->key, "I2");
  EXPECT_EQ(store_.Next(RecordKind::kFamily), nullptr);
  EXPECT_EQ(store_.Next(RecordKind::kFamily)->key, "F1");
  store_.ResetWalk();
  EXPECT_EQ(Walk(RecordKind::kFamily), (std::vector<std::string>{"F1", "F2", "F3"}));
  EXPECT_EQ(Walk(RecordKind::kSource), std::vector<std::string>{});
}

TEST_F(RecordStoreTest, EntriesAddedAfterAWalkJoinTheNextWalk) {
  AddFamily("F2");
  EXPECT_EQ(Walk(RecordKind::kFamily), std::vector<std::string>{"F2"});
  AddFamily("F1");
  EXPECT_EQ(Walk(RecordKind::kFamily), (std::vector<std::string>{"F1", "F2"}));
}

TEST_F(RecordStoreTest, ClearMarksKeepsHeaderTrailerAndHighBits) {
  GedcomRecord* head = store_.Add(RecordKind::kHeader, kTagHead, "HEAD", "", "", 0);
  GedcomRecord* trlr = store_.Add(RecordKind::kTrailer, kTagTrlr, "TRLR", "", "", 0);
  GedcomRecord* fam = AddFamily("F1");
  GedcomRecord* sub = store_.Add(RecordKind::kSubmitter, kTagSubm, "SUBM", "U1", "", 0);
  for (GedcomRecord* r : {head, trlr, fam, sub}) {
    r->flags = 0xFF;
    r->markValue = 12;
  }
  store_.ClearMarks();
  EXPECT_EQ(head->flags, 0xFF);
  EXPECT_EQ(head->markValue, 12);
  EXPECT_EQ(trlr->flags, 0xFF);
  EXPECT_EQ(fam->flags, 0xF0);
  EXPECT_EQ(fam->markValue, 0);
  EXPECT_EQ(sub->flags, 0xF0);
  EXPECT_EQ(sub->markValue, 0);
}

TEST_F(RecordStoreTest, ClearEmptiesEverything) {
  AddFamily("F1");
  AddIndividual("I1");
  store_.AddLineEstimate(2);
  EXPECT_EQ(store_.memoryEstimate(), 2 * 76 + 2 * 284);
  EXPECT_EQ(store_.Next(RecordKind::kFamily)->key, "F1");
  store_.Clear();
  EXPECT_EQ(store_.familyCount(), 0);
  EXPECT_EQ(store_.individualCount(), 0);
  EXPECT_EQ(store_.memoryEstimate(), 0);
  EXPECT_EQ(store_.Find(RecordKind::kFamily, "F1"), nullptr);
  EXPECT_EQ(store_.Next(RecordKind::kIndividual), nullptr);
  EXPECT_NE(AddFamily("F1"), nullptr);
}

TEST_F(RecordStoreTest, ManyEntriesStayFindable) {
  for (int i = 0; i < 20000; ++i) {
    ASSERT_NE(AddIndividual("I" + std::to_string(i), i), nullptr);
  }
  for (int i = 0; i < 20000; i += 7) {
    const GedcomRecord* r = store_.Find(RecordKind::kIndividual, "i" + std::to_string(i));
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->fileOffset, i);
  }
  EXPECT_EQ(Walk(RecordKind::kIndividual).size(), 20000u);
}

TEST_F(RecordStoreTest, ConvertTextsRekeysEntries) {
  AddIndividual("J\xE9");
  store_.Add(RecordKind::kNote, kTagNote, "NOTE", "N1", "caf\xE9", 0);
  store_.ConvertTexts([](std::string* text) {
    std::string out;
    for (char c : *text) out += c == '\xE9' ? std::string("\xC3\xA9") : std::string(1, c);
    if (out == *text) return false;
    *text = out;
    return true;
  });
  EXPECT_NE(store_.Find(RecordKind::kIndividual, "J\xC3\xA9"), nullptr);
  EXPECT_EQ(store_.Find(RecordKind::kIndividual, "J\xE9"), nullptr);
  EXPECT_EQ(store_.Find(RecordKind::kNote, "N1")->value, "caf\xC3\xA9");
}

}  // namespace
}  // namespace vellix
