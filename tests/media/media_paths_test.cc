#include "media/media_paths.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "media/derived_names.h"
#include "media/derived_record.h"
#include "testing/test_support.h"

namespace vellix::media {
namespace {

using vellix::testing::TempDir;

/// A tree with a GEDCOM folder and a media source folder beside it:
///   <root>/tree/family.ged, <root>/tree/local.jpg, <root>/tree/scans/deed.jpg
///   <root>/media/a.jpg, <root>/media/people/ann/a.jpg, <root>/media/b c "é".jpg
class ResolveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* folder :
         {"tree", "tree/scans", "media", "media/people", "media/people/ann"}) {
      mkdir(dir_.File(folder).c_str(), 0755);
    }
    for (const char* file :
         {"tree/family.ged", "tree/local.jpg", "tree/scans/deed.jpg", "media/a.jpg",
          "media/people/ann/a.jpg", "media/b c \"\xC3\xA9\".jpg"}) {
      dir_.Write(file, "x");
    }
    root_ = NormalizePath(dir_.path());
  }

  std::string Resolve(std::string_view value, bool with_source_folder = true) {
    const MediaSearchFolders folders = SearchFoldersFor(
        with_source_folder ? root_ + "/media" : "", root_ + "/tree/family.ged");
    std::string found = ResolveMediaFile(value, folders);
    if (found.starts_with(root_ + "/")) found.erase(0, root_.size() + 1);
    return found;
  }

  TempDir dir_;
  std::string root_;
};

TEST_F(ResolveTest, FileValuesAreFoundWhereverTheTreeWasMadeFrom) {
  const struct {
    std::string value;
    std::string expected;
  } cases[] = {
      {"a.jpg", "media/a.jpg"},                          // below the source folder
      {"people\\ann\\a.jpg", "media/people/ann/a.jpg"},  // backslashes
      {"people/ann/a.jpg", "media/people/ann/a.jpg"},    // slashes
      {"local.jpg", "tree/local.jpg"},                   // below the GEDCOM folder
      {"scans\\deed.jpg", "tree/scans/deed.jpg"},
      {"C:\\Users\\jan\\Genealogy\\people\\ann\\a.jpg",
       "media/people/ann/a.jpg"},                                      // tail
      {"C:\\Users\\jan\\Pictures\\a.jpg", "media/a.jpg"},              // file name alone
      {"\\\\server\\share\\scans\\deed.jpg", "tree/scans/deed.jpg"},   // network path
      {"/home/old/media/people/ann/a.jpg", "media/people/ann/a.jpg"},  // moved Linux tree
      {"../media/a.jpg", "media/a.jpg"},                       // relative, climbing
      {"b c \"\xC3\xA9\".jpg", "media/b c \"\xC3\xA9\".jpg"},  // blanks, quotes, é
      {"missing.jpg", ""},
      {"C:\\nowhere\\missing.jpg", ""},
      {"", ""},
      {"people", ""},        // a folder is no file
      {"a.jpg\nb.jpg", ""},  // control characters
  };
  for (const auto& c : cases) EXPECT_EQ(Resolve(c.value), c.expected) << c.value;
}

TEST_F(ResolveTest, AnExistingAbsolutePathIsTakenAsItStands) {
  EXPECT_EQ(Resolve(root_ + "/tree/local.jpg"), "tree/local.jpg");
  EXPECT_EQ(Resolve(root_ + "/tree/../media/a.jpg"), "media/a.jpg");
}

TEST_F(ResolveTest, WithoutSourceFolderTheGedcomFolderServes) {
  EXPECT_EQ(Resolve("scans\\deed.jpg", false), "tree/scans/deed.jpg");
  EXPECT_EQ(Resolve("a.jpg", false), "");
  EXPECT_EQ(Resolve("../media/a.jpg", false), "media/a.jpg");
}

TEST_F(ResolveTest, ATailLookupNeverClimbsOutOfItsFolder) {
  // Tails holding ".." are never tried; the file is found by its name.
  EXPECT_EQ(Resolve("C:\\x\\..\\..\\tree\\local.jpg"), "tree/local.jpg");
  EXPECT_EQ(Resolve("C:\\..\\..\\..\\..\\etc\\hostname"), "");
}

TEST(SearchFoldersTest, TheSourceOptionIsReadInItsStoredForm) {
  EXPECT_EQ(SearchFoldersFor("", "/data/tree/x.ged").gedcom_folder, "/data/tree");
  EXPECT_EQ(SearchFoldersFor("", "/data/tree/x.ged").source_folder, "");
  EXPECT_EQ(SearchFoldersFor("\\data\\media\\", "/data/tree/x.ged").source_folder,
            "/data/media");
  EXPECT_EQ(SearchFoldersFor("pictures\\", "/data/tree/x.ged").source_folder,
            "/data/tree/pictures");
  EXPECT_EQ(SearchFoldersFor("C:\\Media\\", "/data/tree/x.ged").source_folder, "");
}

TEST(PathHelpersTest, NormalisingAndRelativeFolders) {
  EXPECT_EQ(NormalizePath("/a/./b//c/../d"), "/a/b/d");
  EXPECT_EQ(NormalizePath("/../../x"), "/x");
  EXPECT_EQ(RelativeFolderBelow("/m", "/m/people/ann/a.jpg"), "people/ann");
  EXPECT_EQ(RelativeFolderBelow("/m", "/m/a.jpg"), "");
  EXPECT_EQ(RelativeFolderBelow("/m", "/media/a.jpg"), "");
  EXPECT_EQ(RelativeFolderBelow("", "/m/x/a.jpg"), "");
}

TEST(DerivedNamesTest, DifferentSourcesNeverShareAName) {
  DerivedNames names;
  EXPECT_EQ(names.Claim("/p/one/a.jpg", "a.jpg"), "a.jpg");
  EXPECT_EQ(names.Claim("/p/two/a.jpg", "a.jpg"), "a-2.jpg");
  EXPECT_EQ(names.Claim("/p/three/A.JPG", "A.JPG"), "A-3.JPG");  // case does not matter
  EXPECT_EQ(names.Claim("/p/one/a.jpg", "a.jpg"), "a.jpg");      // same source, same name
  EXPECT_EQ(names.Claim("/p/real/a-2.jpg", "a-2.jpg"), "a-2-2.jpg");
  EXPECT_EQ(names.Claim("/p/x.y/noext", "x.y/noext"), "x.y/noext");
  EXPECT_EQ(names.Claim("/q/x.y/noext", "x.y/noext"), "x.y/noext-2");
}

TEST(DerivedRecordTest, EntriesSurviveTheTextFormAndDamagedLinesAreDropped) {
  DerivedRecord record;
  DerivedEntry entry{SourceKey("/p/a.jpg", "item"),
                     1234,
                     1700000000123456789,
                     150,
                     999,
                     150,
                     100,
                     false};
  record.Put("thumb/a b.jpg", entry);
  DerivedEntry animated = entry;
  animated.animated = true;
  animated.max = 0;
  record.Put("slide/x.gif", animated);
  EXPECT_TRUE(record.changed());

  DerivedRecord back;
  back.Parse(record.Serialize() + "garbage line\nthumb/c.jpg\tzz\t1\t2\t3\t4\t5\t6\t-\n");
  EXPECT_FALSE(back.changed());
  EXPECT_EQ(back.size(), 2u);
  ASSERT_NE(back.Find("thumb/a b.jpg"), nullptr);
  EXPECT_EQ(*back.Find("thumb/a b.jpg"), entry);
  EXPECT_EQ(*back.Find("slide/x.gif"), animated);
  back.Put("slide/x.gif", animated);
  EXPECT_FALSE(back.changed());  // the same entry again changes nothing

  DerivedRecord foreign;
  foreign.Parse("some other file\n" + record.Serialize());
  EXPECT_EQ(foreign.size(), 0u);
  EXPECT_NE(SourceKey("/p/a.jpg", "item"), SourceKey("/p/a.jpg", "portrait-family"));
}

}  // namespace
}  // namespace vellix::media
