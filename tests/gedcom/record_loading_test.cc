#include "gedcom/reader_fixture.h"

namespace vellix::testing {
namespace {

class RecordLoadingTest : public ReaderTest {
 protected:
  void ReadFamilies(int count) {
    std::string body;
    for (int i = 1; i <= count; ++i) {
      body +=
          "0 @F" + std::to_string(i) + "@ FAM\r\n1 HUSB @I" + std::to_string(i) + "@\r\n";
    }
    ASSERT_TRUE(Read(Gedcom(body)));
  }
};

TEST_F(RecordLoadingTest, LoadsTheWholeTreeOfARecord) {
  reader_.Open(DataFile("gedcom/family.ged"));
  ASSERT_TRUE(reader_.ReadPass(true, &progress_, nullptr));
  GedcomRecord* loaded = nullptr;
  GedcomRecord* entry = reader_.LoadRecord(RecordKind::kFamily, "f1", false, &loaded);
  ASSERT_NE(entry, nullptr);
  ASSERT_NE(loaded, nullptr);
  EXPECT_NE(entry, loaded);
  EXPECT_EQ(entry, store_.Find(RecordKind::kFamily, "F1"));
  EXPECT_EQ(loaded->key, "F1");
  EXPECT_EQ(loaded->tag, "FAM");
  EXPECT_EQ(loaded->tagCode, kTagFam);
  EXPECT_EQ(loaded->fileOffset, entry->fileOffset);
  EXPECT_EQ(loaded->children.size(), 4u);
  EXPECT_EQ(loaded->FirstChild(kTagHusb)->pointer, "I1");
  EXPECT_EQ(loaded->FirstChild(kTagChil)->pointer, "I3");
  EXPECT_EQ(loaded->FirstChild(kTagMarr)->FirstChild(kTagDate)->value, "1925");
  // The record ends at the next level-0 line.
  const GedcomRecord* note = Load(RecordKind::kNote, "N1");
  ASSERT_NE(note, nullptr);
  EXPECT_EQ(note->value, "A note about John");
  ASSERT_EQ(note->children.size(), 1u);
  EXPECT_EQ(note->FirstChild(kTagCont)->value, "on two lines");
  // No entry: nothing.
  GedcomRecord* none = reinterpret_cast<GedcomRecord*>(1);
  EXPECT_EQ(reader_.LoadRecord(RecordKind::kFamily, "F9", false, &none), nullptr);
  EXPECT_EQ(none, nullptr);
  EXPECT_EQ(Load(RecordKind::kIndividual, "F1"), nullptr);
}

TEST_F(RecordLoadingTest, ValuesAndPointers) {
  ASSERT_TRUE(
      Read(Gedcom("0 @I1@ INDI\r\n1 NOTE  indented  \r\n"
                  "1 SOUR @S12@\r\n1 NOTE mail@example.com\r\n"
                  "1 FAMS @F1@\r\n")));
  const GedcomRecord* r = Load(RecordKind::kIndividual, "I1");
  ASSERT_NE(r, nullptr);
  ASSERT_EQ(r->children.size(), 4u);
  EXPECT_EQ(r->children[0].value, " indented  ");
  EXPECT_EQ(r->children[1].pointer, "S12");
  EXPECT_EQ(r->children[1].value, "@S12@");
  EXPECT_EQ(r->children[2].pointer, "");
  EXPECT_EQ(r->children[3].pointer, "F1");
}

TEST_F(RecordLoadingTest, UnrecognisedLinesAreDroppedWithTheirSubtree) {
  ASSERT_TRUE(
      Read(Gedcom("0 @I1@ INDI\r\n1 NAME A /B/\r\n1 XYZ odd\r\n"
                  "2 DATE 1900\r\n3 NOTE deeper\r\n1 BIRT\r\n"
                  "2 FOO x\r\n2 DATE 1901\r\n1 _UID 123\r\n")));
  const GedcomRecord* r = Load(RecordKind::kIndividual, "I1");
  ASSERT_NE(r, nullptr);
  ASSERT_EQ(r->children.size(), 3u);
  EXPECT_EQ(r->children[0].tag, "NAME");
  EXPECT_EQ(r->children[1].tag, "BIRT");
  ASSERT_EQ(r->children[1].children.size(), 1u);
  EXPECT_EQ(r->children[1].children[0].value, "1901");
  EXPECT_EQ(r->children[2].tagCode, kTagNonstandard);  // kept, not processed
  EXPECT_EQ(WarningLines(), (std::vector<std::string>{"Nonstandard tag XYZ ignored.",
                                                      "Nonstandard tag FOO ignored."}));
}

TEST_F(RecordLoadingTest, BlankLinesDoNotCutARecord) {
  ASSERT_TRUE(
      Read(Gedcom("0 @I1@ INDI\r\n1 NAME A /B/\r\n\r\n   \r\n"
                  "1 SEX F\r\n")));
  const GedcomRecord* r = Load(RecordKind::kIndividual, "I1");
  ASSERT_NE(r, nullptr);
  ASSERT_EQ(r->children.size(), 2u);
  EXPECT_EQ(r->children[1].value, "F");
}

TEST_F(RecordLoadingTest, HostileStructures) {
  std::string deep = "0 @I2@ INDI\r\n";
  for (int level = 1; level <= 10000; ++level) {
    deep += std::to_string(level) + " NOTE n\r\n";
  }
  ASSERT_TRUE(
      Read(Gedcom("0 @I1@ INDI\r\n1 NAME A\r\n99999 NOTE far\r\n"
                  "-5 NOTE negative\r\n1 FAMS @I1@\r\n" +
                  deep + "0 @F1@ FAM\r\n1 CHIL @F1@\r\n")));
  const GedcomRecord* r = Load(RecordKind::kIndividual, "I1");
  ASSERT_NE(r, nullptr);
  ASSERT_EQ(r->children.size(), 2u);
  EXPECT_EQ(r->children[0].children[0].level, 99999);
  EXPECT_EQ(r->children[1].pointer, "I1");  // points at itself; kept as is
  const GedcomRecord* d = Load(RecordKind::kIndividual, "I2");
  ASSERT_NE(d, nullptr);
  int depth = 0;
  for (const GedcomNode* n = &d->children[0]; n;
       n = n->children.empty() ? nullptr : &n->children[0]) {
    ++depth;
  }
  EXPECT_EQ(depth, 10000);
  EXPECT_EQ(Load(RecordKind::kFamily, "F1")->FirstChild(kTagChil)->pointer, "F1");
}

TEST_F(RecordLoadingTest, FileChangedOrGoneAfterThePass) {
  ASSERT_TRUE(
      Read(Gedcom("0 @I1@ INDI\r\n1 NAME Ann /Lee/\r\n"
                  "0 @I2@ INDI\r\n1 NAME Bo /Lee/\r\n")));
  // Truncate the file on disk: loading works from the image of the pass.
  Write("0 HEAD\r\n");
  const GedcomRecord* r = Load(RecordKind::kIndividual, "I1");
  ASSERT_NE(r, nullptr);
  EXPECT_EQ(r->FirstChild(kTagName)->value, "Ann /Lee/");
  std::remove(path_.c_str());
  const GedcomRecord* second = Load(RecordKind::kIndividual, "I2");
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->FirstChild(kTagName)->value, "Bo /Lee/");
  // An entry whose offset lies outside the image yields nothing.
  GedcomRecord* far = store_.Add(RecordKind::kNote, kTagNote, "NOTE", "N9", "", 1 << 30);
  GedcomRecord* loaded = nullptr;
  EXPECT_EQ(reader_.LoadRecord(RecordKind::kNote, "N9", false, &loaded), far);
  EXPECT_EQ(loaded, nullptr);
  store_.Add(RecordKind::kNote, kTagNote, "NOTE", "N8", "", -4);
  EXPECT_EQ(Load(RecordKind::kNote, "N8"), nullptr);
  // An entry whose offset does not start a valid line yields nothing.
  store_.Add(RecordKind::kNote, kTagNote, "NOTE", "N7", "", 2);
  EXPECT_EQ(Load(RecordKind::kNote, "N7"), nullptr);
}

TEST_F(RecordLoadingTest, CacheKeepsTwentyFiveFamiliesFirstInFirstOut) {
  reader_.SetCacheBudget(0);
  ReadFamilies(27);
  GedcomRecord* first = Load(RecordKind::kFamily, "F1");
  ASSERT_NE(first, nullptr);
  first->markValue = 77;  // a marker that only the cached copy carries
  for (int i = 2; i <= 25; ++i) Load(RecordKind::kFamily, "F" + std::to_string(i));
  EXPECT_EQ(Load(RecordKind::kFamily, "f1")->markValue, 77);  // still cached
  Load(RecordKind::kFamily, "F26");
  EXPECT_EQ(Load(RecordKind::kFamily, "F1")->markValue, 0);  // reloaded
}

TEST_F(RecordLoadingTest, PinnedRecordSurvivesEviction) {
  reader_.SetCacheBudget(0);
  ReadFamilies(30);
  Load(RecordKind::kFamily, "F1", /*pin=*/true)->markValue = 5;
  for (int i = 2; i <= 30; ++i) Load(RecordKind::kFamily, "F" + std::to_string(i));
  EXPECT_EQ(Load(RecordKind::kFamily, "F1")->markValue, 5);
  // Pinning through a cache hit moves the pin.
  Load(RecordKind::kFamily, "F30", true)->markValue = 6;
  for (int i = 2; i <= 29; ++i) Load(RecordKind::kFamily, "F" + std::to_string(i));
  EXPECT_EQ(Load(RecordKind::kFamily, "F30")->markValue, 6);
  EXPECT_EQ(Load(RecordKind::kFamily, "F1")->markValue, 0);
}

TEST_F(RecordLoadingTest, OtherKindsShareACacheOfTen) {
  reader_.SetCacheBudget(0);
  std::string body;
  for (int i = 1; i <= 11; ++i) {
    body += "0 @N" + std::to_string(i) + "@ NOTE text " + std::to_string(i) + "\r\n0 @S" +
            std::to_string(i) + "@ SOUR\r\n";
  }
  ASSERT_TRUE(Read(Gedcom(body)));
  Load(RecordKind::kNote, "N1")->markValue = 3;
  for (int i = 1; i <= 9; ++i) Load(RecordKind::kSource, "S" + std::to_string(i));
  EXPECT_EQ(Load(RecordKind::kNote, "N1")->markValue, 3);
  Load(RecordKind::kSource, "S10");
  EXPECT_EQ(Load(RecordKind::kNote, "N1")->markValue, 0);
}

// A byte budget keeps records past the count while they fit in it; a budget
// too small for one more record leaves the count in charge.
TEST_F(RecordLoadingTest, ByteBudgetKeepsRecordsPastTheCount) {
  struct Case {
    size_t budget;
    int loads_after_first;  // further families loaded after F1
    bool first_kept;
  };
  const Case cases[] = {
      {0, 24, true},
      {0, 25, false},
      {1, 24, true},
      {1, 25, false},
      {1u << 20, 99, true},
      {GedcomReader::kDefaultCacheBudget, 99, true},
      // Families get a quarter of the budget, a few hundred bytes each.
      {64 * 1024, 99, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.budget << " " << c.loads_after_first);
    reader_.Close(/*discard=*/true);
    reader_.SetCacheBudget(c.budget);
    ReadFamilies(100);
    GedcomRecord* first = Load(RecordKind::kFamily, "F1");
    ASSERT_NE(first, nullptr);
    first->markValue = 9;
    for (int i = 2; i <= c.loads_after_first + 1; ++i) {
      Load(RecordKind::kFamily, "F" + std::to_string(i));
    }
    EXPECT_EQ(Load(RecordKind::kFamily, "F1")->markValue, c.first_kept ? 9 : 0);
  }
}

// Trimming drops what the budget kept past the count: the oldest records
// are parsed again, the newest 25 and the pinned one stay (with their marks).
TEST_F(RecordLoadingTest, TrimmingTheCachesKeepsOnlyTheNewestAndThePinned) {
  ReadFamilies(100);
  Load(RecordKind::kFamily, "F1", /*pin=*/true)->markValue = 1;
  for (int i = 2; i <= 100; ++i)
    Load(RecordKind::kFamily, "F" + std::to_string(i))->markValue = i;
  reader_.TrimCaches();
  EXPECT_EQ(Load(RecordKind::kFamily, "F1")->markValue, 1);
  EXPECT_EQ(Load(RecordKind::kFamily, "F100")->markValue, 100);
  EXPECT_EQ(Load(RecordKind::kFamily, "F77")->markValue, 77);
  EXPECT_EQ(Load(RecordKind::kFamily, "F50")->markValue, 0);  // parsed again
}

TEST_F(RecordLoadingTest, LoadedRecordTakesMarksAndPageIdOfItsEntry) {
  ASSERT_TRUE(Read(Gedcom("0 @I1@ INDI\r\n0 @I2@ INDI\r\n0 @I3@ INDI\r\n")));
  GedcomRecord* e1 = store_.Find(RecordKind::kIndividual, "I1");
  e1->flags = kMarkSelected | kMarkInFamily | kMarkLiving | kMarkLivingTested;
  e1->pageId = "F7";
  GedcomRecord* e2 = store_.Find(RecordKind::kIndividual, "I2");
  e2->flags = kMarkLiving;  // living without the test made: not copied
  EXPECT_EQ(Load(RecordKind::kIndividual, "I1")->flags,
            kMarkSelected | kMarkLiving | kMarkLivingTested);
  EXPECT_EQ(Load(RecordKind::kIndividual, "I1")->pageId, "F7");
  EXPECT_EQ(Load(RecordKind::kIndividual, "I2")->flags, 0);
}

}  // namespace
}  // namespace vellix::testing
