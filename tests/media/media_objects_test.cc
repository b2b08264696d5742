#include "media/media_objects.h"

#include <gtest/gtest.h>

#include "gedcom/gedcom_reader.h"
#include "gedcom/record_store.h"
#include "testing/test_environment.h"

namespace vellix::media {
namespace {

/// Records read from a GEDCOM text held in memory.
class ObjectsTest : public ::testing::Test {
 protected:
  ObjectsTest() : reader_(store_, env_.env) {}

  void Load(const std::string& records) {
    reader_.OpenImage("0 HEAD\n1 GEDC\n2 VERS 5.5\n1 CHAR UTF-8\n" + records + "0 TRLR\n",
                      "t.ged");
    ASSERT_TRUE(reader_.ReadPass(true, nullptr, nullptr));
  }

  /// The items the OBJE lines of individual `key` give.
  MediaList Items(const std::string& key, ObjectFilter filter, bool omit = true) {
    MediaList list(omit);
    GedcomRecord* record = nullptr;
    reader_.LoadRecord(RecordKind::kIndividual, key, false, &record);
    EXPECT_NE(record, nullptr);
    if (record != nullptr) {
      MediaObjectReader(&reader_).AddObjects(record->children, filter, &list);
    }
    return list;
  }

  testing::TestEnvironment env_;
  RecordStore store_;
  GedcomReader reader_;
};

// Every line an object can carry, inline and through a multimedia record:
// the file with its continuation, the kind told by the file name (FORM only
// where the name tells nothing), title, date, notes (inline and pointed),
// reference numbers, citations and the scrapbook and primary marks.
TEST_F(ObjectsTest, AnObjectBecomesOneItemWithEverythingItCarries) {
  Load(
      "0 @I1@ INDI\n"
      "1 OBJE\n2 FILE photos\\old/fam\n3 CONC ily.JPG\n3 FORM bmp\n3 TITL At home\n"
      "2 DATE 1 JAN 1900\n2 NOTE First line\n3 CONT second line\n2 NOTE @N1@\n"
      "2 REFN R-7\n2 REFN R-8\n2 SOUR @S1@\n3 PAGE 12\n2 _SCBK Y\n2 _PRIM y\n"
      "1 OBJE @M1@\n2 _PRIM Y\n"
      "1 OBJE\n2 FORM pdf\n2 FILE scan\n"
      "1 OBJE\n2 FORM W8BN\n2 FILE letter.DOC\n"
      "1 OBJE\n2 BLOB\n3 CONT .HM.......\n"
      "0 @M1@ OBJE\n1 FILE clip.mp3\n1 TITL A song\n1 _SCBK Y\n"
      "0 @N1@ NOTE Pointed note\n1 CONT and more\n"
      "0 @S1@ SOUR\n1 TITL Book\n");
  MediaList list = Items("I1", ObjectFilter::kAll);
  ASSERT_EQ(list.size(), 4u);
  const MediaItem& photo = list.items()[0];
  EXPECT_EQ(photo.source_path, "photos\\old\\family.JPG");
  EXPECT_EQ(photo.file_name, "family.JPG");
  EXPECT_EQ(photo.folder, "photos\\old");
  EXPECT_EQ(photo.code, MediaCode::kJpeg);  // the name wins over FORM bmp
  EXPECT_EQ(photo.title, "At home");
  EXPECT_EQ(photo.date, "1 JAN 1900");
  EXPECT_EQ(photo.notes,
            (std::vector<std::vector<std::string>>{{"First line", "second line"},
                                                   {"Pointed note", "and more"}}));
  EXPECT_EQ(photo.reference_numbers, (std::vector<std::string>{"R-7", "R-8"}));
  ASSERT_EQ(photo.citations.size(), 1u);
  EXPECT_EQ(photo.citations[0]->pointer, "S1");
  ASSERT_EQ(photo.citations[0]->children.size(), 1u);
  EXPECT_EQ(photo.citations[0]->children[0].value, "12");
  EXPECT_TRUE(photo.scrapbook);
  EXPECT_TRUE(photo.primary);

  const MediaItem& song = list.items()[1];
  EXPECT_EQ(song.file_name, "clip.mp3");
  EXPECT_EQ(song.title, "A song");
  EXPECT_TRUE(song.scrapbook);  // from the record
  EXPECT_TRUE(song.primary);    // from the line below the pointer

  EXPECT_EQ(list.items()[2].code, MediaCode::kPdf);  // no extension: FORM tells
  EXPECT_EQ(list.items()[3].code, MediaCode::kDoc);  // "W8BN" tells nothing
}

// The scrapbook filter and the duplicate rule, with the counts of files read
// and read again.
TEST_F(ObjectsTest, ScrapbookFilterAndDuplicates) {
  Load(
      "0 @I1@ INDI\n"
      "1 OBJE\n2 FILE a.jpg\n2 _SCBK Y\n"
      "1 OBJE\n2 FILE b.jpg\n"
      "1 OBJE\n2 FILE A.JPG\n2 _SCBK Y\n"
      "1 OBJE\n2 FILE sub/b.jpg\n"
      "1 OBJE\n2 FILE sub\\b.jpg\n2 _SCBK N\n");
  struct Case {
    ObjectFilter filter;
    bool omit;
    std::vector<std::string> files;
    int read;
    int repeated;
  };
  const Case cases[] = {
      {ObjectFilter::kScrapbookOnly, true, {"a.jpg"}, 2, 1},
      {ObjectFilter::kScrapbookOnly, false, {"a.jpg", "A.JPG"}, 2, 1},
      {ObjectFilter::kAll, true, {"a.jpg", "b.jpg", "sub\\b.jpg"}, 5, 2},
      {ObjectFilter::kAll,
       false,
       {"a.jpg", "b.jpg", "A.JPG", "sub\\b.jpg", "sub\\b.jpg"},
       5,
       2},
  };
  for (const Case& c : cases) {
    MediaList list = Items("I1", c.filter, c.omit);
    std::vector<std::string> files;
    for (const MediaItem& item : list.items()) files.push_back(item.source_path);
    EXPECT_EQ(files, c.files) << static_cast<int>(c.filter) << c.omit;
    EXPECT_EQ(list.files_read(), c.read);
    EXPECT_EQ(list.repeated_files(), c.repeated);
  }
}

// Web addresses are linked, never looked up as files; other values with a
// colon are files.
TEST_F(ObjectsTest, WebAddressesAreNotFiles) {
  const struct {
    const char* value;
    bool web;
  } cases[] = {
      {"http://example.org/a.jpg", true},
      {"HTTPS://example.org", true},
      {"ftp://ftp.example.org/x/", true},
      {"mailto:me@example.org", true},
      {"C:\\Photos\\a.jpg", false},
      {"http:a.jpg", false},
      {"file.html", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsWebAddress(c.value), c.web) << c.value;

  Load("0 @I1@ INDI\n1 OBJE\n2 FORM URL\n2 FILE http://example.org/Page One.htm\n");
  MediaList list = Items("I1", ObjectFilter::kAll);
  ASSERT_EQ(list.size(), 1u);
  const MediaItem& web = list.items()[0];
  EXPECT_TRUE(web.web_address);
  EXPECT_EQ(web.source_path, "http://example.org/Page One.htm");  // no "\" put in
  EXPECT_EQ(web.code, MediaCode::kNone);
  EXPECT_EQ(web.extension, "html");
}

// Copies of OBJE lines outlive the record; copying a subtree nested far
// deeper than any real file takes no recursion.
TEST_F(ObjectsTest, CopiesKeepTheWholeSubtree) {
  GedcomNode obje(1, kTagObje, "OBJE", "");
  GedcomNode* at = &obje;
  for (int level = 2; level < 5000; ++level) {
    at->children.emplace_back(level, kTagNote, "NOTE", std::to_string(level));
    at = &at->children.back();
  }
  std::unique_ptr<GedcomNode> copy = CopyNode(obje);
  int depth = 0;
  for (const GedcomNode* node = copy.get(); !node->children.empty();
       node = &node->children[0]) {
    ++depth;
    ASSERT_EQ(node->children[0].value, std::to_string(depth + 1));
  }
  EXPECT_EQ(depth, 4998);
}

}  // namespace
}  // namespace vellix::media
