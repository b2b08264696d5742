#include "text/paths.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/file_system.h"
#include "testing/test_support.h"

namespace vellix::text {
namespace {

TEST(UrlFormTest, SlashesAndEscapedSpaces) {
  EXPECT_EQ(UrlForm("My Bio\\john smith.htm", false), "My%20Bio/john%20smith.htm");
  EXPECT_EQ(UrlForm("My Bio\\john smith.htm", true), "My%%20Bio/john%%20smith.htm");
  EXPECT_EQ(UrlForm("Bilder\\Größe.jpg", false), "Bilder/Größe.jpg");
}

TEST(LocalFileUrlTest, DrivePathsBecomeFileUrls) {
  EXPECT_EQ(LocalFileUrl("C:\\My Site\\a.html"), "file://C:/My Site/a.html");
  EXPECT_EQ(LocalFileUrl("site\\my page.html"), "site/my%20page.html");
}

TEST(FileSafeIdTest, LowerCasesAndDropsSeparators) {
  EXPECT_EQ(FileSafeId("F-1.2"), "f12");
  EXPECT_EQ(FileSafeId("F12"), FileSafeId("f-1-2"));
  EXPECT_EQ(FileSafeId("A, B/C:D\\E"), "abcde");
  // Only ASCII letters are folded, so every link to the page spells its name
  // byte for byte the same way.
  EXPECT_EQ(FileSafeId("Zoë-Ελένη"), "zoëΕλένη");
}

TEST(FileSafeIdTest, HostileIdentifiersStayInsideTheFolder) {
  EXPECT_EQ(FileSafeId("../../etc/x"), "etcx");
  EXPECT_EQ(FileSafeId("C:\\x"), "cx");
  EXPECT_EQ(FileSafeId("/etc/passwd"), "etcpasswd");
  EXPECT_EQ(FileSafeId(".."), "");
  EXPECT_EQ(FileSafeId(std::string("a\0b\x01\x1f\x7f"
                                   "c",
                                   7)),
            "abc");
  EXPECT_EQ(FileSafeId("R<1>#2?\"'|*%&"), "r12");
}

class PageFileNameTest : public ::testing::Test {
 protected:
  PageNameSettings settings_{"C:\\site", "grp", "html"};
};

TEST_F(PageFileNameTest, PrefixIdLetterAndExtension) {
  EXPECT_EQ(PageFileName(settings_, "F-12", PageLetter::kGroupSheet, false),
            "grpf12g.html");
  EXPECT_EQ(PageFileName(settings_, "F12", PageLetter::kFootnotes, false),
            "grpf12f.html");
  EXPECT_EQ(PageFileName(settings_, "F12", PageLetter::kNone, true),
            "C:\\site\\grpf12.html");
  EXPECT_EQ(PageFileName(settings_, "I7", PageLetter::kNone, false, "o"), "grpoi7.html");
  settings_.dest_folder = "C:\\site\\";
  settings_.file_ext = ".htm";
  EXPECT_EQ(PageFileName(settings_, "F1", PageLetter::kNone, true),
            "C:\\site\\grpf1.htm");
  settings_.file_ext = "";
  EXPECT_EQ(PageFileName(settings_, "F1", PageLetter::kNone, false), "grpf1");
}

TEST_F(PageFileNameTest, HostileIdentifiersGiveHarmlessNames) {
  const std::string ids[] = {"../../etc/x", "C:\\x", "/etc/passwd",
                             "..",          "",      std::string("\0\n", 2)};
  for (const std::string& id : ids) {
    const std::string name = PageFileName(settings_, id, PageLetter::kNone, true);
    SCOPED_TRACE(name);
    ASSERT_TRUE(name.starts_with("C:\\site\\grp"));
    const std::string rest = name.substr(11);
    EXPECT_EQ(rest.find_first_of("\\/:"), std::string::npos);
    EXPECT_EQ(rest.find(".."), std::string::npos);
    EXPECT_TRUE(rest.ends_with(".html"));
    EXPECT_GT(rest.size(), std::string(".html").size());
  }
  EXPECT_EQ(PageFileName(settings_, "..", PageLetter::kNone, false), "grp_.html");
}

TEST(PageExtensionTest, DotAddedWhenMissing) {
  EXPECT_EQ(PageExtension("htm"), ".htm");
  EXPECT_EQ(PageExtension(".html"), ".html");
  EXPECT_EQ(PageExtension(""), "");
}

TEST(AddBackslashTest, AddsOrRemovesOne) {
  std::string path = "C:\\site";
  AddBackslash(&path, true);
  EXPECT_EQ(path, "C:\\site\\");
  AddBackslash(&path, true);
  EXPECT_EQ(path, "C:\\site\\");
  AddBackslash(&path, false);
  EXPECT_EQ(path, "C:\\site");
  AddBackslash(&path, false);
  EXPECT_EQ(path, "C:\\site");
  std::string empty;
  AddBackslash(&empty, true);
  EXPECT_EQ(empty, "");
}

TEST(CombinePathTest, ClimbsAndDescends) {
  EXPECT_EQ(CombinePath("C:\\site", "..\\img"), "C:\\img\\");
  EXPECT_EQ(CombinePath("C:\\site\\", "media\\thumbs"), "C:\\site\\media\\thumbs\\");
  EXPECT_EQ(CombinePath("C:\\a\\b\\c", "..\\..\\x"), "C:\\a\\x\\");
  EXPECT_EQ(CombinePath("C:\\site", ""), "C:\\site\\");
  EXPECT_EQ(CombinePath("C:\\site", ".\\media"), "C:\\site\\media\\");
}

TEST(CombinePathTest, AbsoluteRelativePathStandsAlone) {
  EXPECT_EQ(CombinePath("C:\\site", "D:\\pics"), "D:\\pics\\");
  EXPECT_EQ(CombinePath("\\home\\me\\site", "\\srv\\media"), "\\srv\\media\\");
}

TEST(CombinePathTest, KeepsRootAndNeverClimbsAboveIt) {
  EXPECT_EQ(CombinePath("\\home\\me\\site", "..\\img"), "\\home\\me\\img\\");
  EXPECT_EQ(CombinePath("\\home\\site", "..\\..\\..\\x"), "\\x\\");
  EXPECT_EQ(CombinePath("C:\\site", "..\\..\\..\\x"), "C:\\x\\");
  EXPECT_EQ(CombinePath("/home/me/site", "../img"), "\\home\\me\\img\\");
}

TEST(RelativePathTest, WayBetweenFolders) {
  EXPECT_EQ(RelativePath("C:\\site\\media", "C:\\site"), "..\\");
  EXPECT_EQ(RelativePath("C:\\site", "C:\\site\\media\\thumbs"), "media\\thumbs\\");
  EXPECT_EQ(RelativePath("C:\\site\\a\\b", "C:\\site\\c"), "..\\..\\c\\");
  EXPECT_EQ(RelativePath("C:\\site\\", "C:\\site"), "");
  EXPECT_EQ(RelativePath("c:\\site\\media", "C:\\site"), "..\\");
}

TEST(RelativePathTest, DifferentDrivesGiveTheTargetItself) {
  EXPECT_EQ(RelativePath("C:\\a", "D:\\b"), "D:\\b\\");
  EXPECT_EQ(RelativePath("C:\\a", "\\b"), "\\b\\");
}

TEST(RelativePathTest, RootedPathsWithoutDrives) {
  EXPECT_EQ(RelativePath("\\home\\me\\site\\media", "\\home\\me\\site"), "..\\");
  EXPECT_EQ(RelativePath("\\home\\me\\site", "\\srv\\pics"), "..\\..\\..\\srv\\pics\\");
  // Folder names differ by letter case on this file system.
  EXPECT_EQ(RelativePath("\\home\\Site", "\\home\\site"), "..\\site\\");
}

TEST(EnsureFolderTest, CreatesMissingParents) {
  vellix::testing::TempDir dir;
  const std::string stored = platform::StoredPath(dir.path() + "a/b/c") + "\\";
  EXPECT_TRUE(EnsureFolder(stored));
  EXPECT_TRUE(platform::FolderExists(dir.path() + "a/b/c"));
  // An existing folder is fine.
  EXPECT_TRUE(EnsureFolder(stored));
}

TEST(EnsureFolderTest, FailsWhereAFileBlocksThePath) {
  vellix::testing::TempDir dir;
  dir.Write("file", "x");
  EXPECT_FALSE(EnsureFolder(platform::StoredPath(dir.path() + "file/sub")));
  EXPECT_FALSE(EnsureFolder(""));
}

}  // namespace
}  // namespace vellix::text

namespace vellix::text {
namespace {

// Every identifier, however long, names a page the file system accepts, and
// always the same one; two long identifiers never share a name.
TEST(PageStemTest, LongIdentifiersGetAShortStableName) {
  const std::string ten_kb(10240, 'A');
  const std::string other = ten_kb.substr(1) + "B";
  struct Case {
    std::string id;
    std::string stem;  // empty: only the length and form are checked
  };
  for (const Case& c :
       {Case{"F-12", "f12"}, Case{"../..", "_"},
        Case{std::string(kMaxPageStem, 'x'), std::string(kMaxPageStem, 'x')},
        Case{ten_kb, ""}, Case{other, ""}}) {
    const std::string stem = PageStem(c.id);
    EXPECT_LE(stem.size(), kMaxPageStem) << c.id.size();
    EXPECT_EQ(stem, PageStem(c.id));  // stable
    if (!c.stem.empty()) {
      EXPECT_EQ(stem, c.stem);
    }
  }
  const std::string a = PageStem(ten_kb);
  const std::string b = PageStem(other);
  EXPECT_NE(a, b);
  EXPECT_EQ(a.substr(0, 10), "aaaaaaaaaa");
  EXPECT_EQ(a[a.size() - 17], '_');
  PageNameSettings settings{"/site", "grp", ".html"};
  EXPECT_LT(PageFileName(settings, ten_kb, PageLetter::kGroupSheet, false).size(), 255u);
}

TEST(PageStemTest, AShortenedNameNeverCutsACharacter) {
  // Two-byte letters: the cut must fall between them, wherever it lands.
  for (size_t lead = 0; lead < 2; ++lead) {
    const std::string id = std::string(lead, 'a') + [] {
      std::string s;
      for (int i = 0; i < 200; ++i) s += "ö";
      return s;
    }();
    const std::string stem = PageStem(id);
    const std::string start = stem.substr(0, stem.size() - 17);
    EXPECT_EQ(start.size() % 2, lead % 2) << lead;
    EXPECT_EQ(start.substr(lead, 2), "ö");
    EXPECT_NE(start.back(), '\xC3');  // no first byte of a letter left alone
  }
}

}  // namespace
}  // namespace vellix::text
