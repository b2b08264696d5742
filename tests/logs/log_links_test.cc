#include "logs/log_links.h"

#include <gtest/gtest.h>

#include <string>

namespace vellix {
namespace {

// Links from the log folder into the site and the user's folders, asked in
// an order that changes folder between calls and comes back to one.
TEST(LogLinksTest, LinksIntoSeveralFoldersInTurn) {
  const LogLinks links("/home/ann/app/", "/home/ann/site/");
  struct Case {
    std::string folder;
    const char* file;
    const char* link;
  };
  const Case cases[] = {
      {links.dest_folder(), "grpf1.html", "../site/grpf1.html"},
      {links.Folder("bio"), "o'neil & co.htm", "../site/bio/o%27neil%20%26%20co.htm"},
      {links.dest_folder(), "a/b\\c?.html", "../site/a/b/c%3F.html"},
      {links.Folder("/srv/pics"), "<x>\"y\".jpg", "../../../srv/pics/%3Cx%3E%22y%22.jpg"},
      {links.Folder("bio"), "z.htm", "../site/bio/z.htm"},
      {links.dest_folder(), "grpf2.html", "../site/grpf2.html"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(links.ToFile(c.folder, c.file), c.link) << c.folder << " " << c.file;
  }
  EXPECT_EQ(links.ToSite("f 1.html"), "../site/f%201.html");
  EXPECT_EQ(links.ToPath("/home/ann/site/media/p.jpg"), "../site/media/p.jpg");
}

// A way that still holds a drive is a file address with forward slashes.
TEST(LogLinksTest, AWayWithADriveBecomesAFileAddress) {
  const LogLinks links("C:\\App\\", "D:\\My Site\\");
  EXPECT_EQ(links.ToSite("grpf1.html"), "file://D:/My%20Site/grpf1.html");
  EXPECT_EQ(links.ToFile(links.Folder("bio"), "x'y.htm"),
            "file://D:/My%20Site/bio/x%27y.htm");
  EXPECT_EQ(LogLinkAddress("C:\\a b\\c.htm"), "file://C:/a%20b/c.htm");
  EXPECT_EQ(LogLinkAddress("..\\x&y\\z.htm"), "../x%26y/z.htm");
  EXPECT_EQ(LogLinkAddress(""), "");
}

}  // namespace
}  // namespace vellix
