// Damaged and hostile media never stop a run, never crash it and never make
// it write outside the site's media folder: each becomes a warning or a
// correct copy.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "media/image_header.h"
#include "media/media_catalogue.h"
#include "media/media_deriver.h"
#include "media/test_pictures.h"
#include "testing/test_support.h"

namespace vellix::media {
namespace {

using testing::MakeJpeg;
using vellix::testing::ReadFile;
using vellix::testing::TempDir;

namespace fs = std::filesystem;

/// Every regular file below `root`, relative to it.
std::set<std::string> FilesBelow(const std::string& root) {
  std::set<std::string> files;
  std::error_code ec;
  for (auto it = fs::recursive_directory_iterator(root, ec);
       it != fs::recursive_directory_iterator(); it.increment(ec)) {
    if (it->is_regular_file() && !it->is_symlink()) {
      files.insert(fs::relative(it->path(), root).string());
    }
  }
  return files;
}

class HostileMediaTest : public ::testing::Test {
 protected:
  HostileMediaTest() {
    mkdir(dir_.File("tree").c_str(), 0755);
    mkdir(dir_.File("tree/photos").c_str(), 0755);
    mkdir(dir_.File("outside").c_str(), 0755);
    catalogue_.LoadFromText("", [](std::string_view) { return std::nullopt; });
    settings_.media_folder = dir_.File("site/media");
    settings_.link_originals = true;
    settings_.search = SearchFoldersFor("", dir_.File("tree/family.ged"));
  }

  DeriveResult Derive(const std::string& value, MediaItem* item = nullptr) {
    MediaDeriver deriver(catalogue_, settings_);
    MediaItem local = MakeMediaItem(value);
    if (item == nullptr) item = &local;
    *item = local;
    DeriveResult result = deriver.Derive(item);
    deriver.Finish();
    return result;
  }

  TempDir dir_;
  MediaCatalogue catalogue_;
  MediaSettings settings_;
};

TEST_F(HostileMediaTest, DamagedPicturesBecomeAccessWarnings) {
  const std::string jpeg = MakeJpeg(640, 480);
  const struct {
    std::string name;
    std::string content;
    MediaFailure failure;
  } cases[] = {
      {"truncated.jpg", jpeg.substr(0, jpeg.size() / 2), MediaFailure::kIncomplete},
      {"lying.png", testing::PngHeaderOnly(100, 100), MediaFailure::kUndecodable},
      {"huge.png", testing::PngHeaderOnly(30000, 30000), MediaFailure::kTooLarge},
      {"huge.jpg", testing::WithJpegFrameSize(jpeg, 30000, 30000),
       MediaFailure::kTooLarge},
      {"text.jpg", "<html>not a picture</html>", MediaFailure::kNotAPicture},
      {"empty.gif", "", MediaFailure::kNotAPicture},
      {"header-only.gif", "GIF89a\x10\x00\x10\x00\x00\x00\x00",
       MediaFailure::kNotAPicture},
  };
  for (const auto& c : cases) {
    dir_.Write("tree/photos/" + c.name, c.content);
    const DeriveResult result = Derive("photos\\" + c.name);
    EXPECT_EQ(result.warning, MediaWarning::kCannotAccess) << c.name;
    EXPECT_EQ(result.failure, c.failure) << c.name;
    EXPECT_EQ(result.subject, "photos\\" + c.name);
    EXPECT_FALSE(IsFile(settings_.media_folder + "/thumb/" + c.name)) << c.name;
  }
}

TEST_F(HostileMediaTest, AMissingFileIsReportedByItsPathAsReferenced) {
  for (const char* value : {"C:\\Photos\\gone.jpg", "gone.pdf", "/no/such/file.png"}) {
    const DeriveResult result = Derive(value);
    EXPECT_EQ(result.warning, MediaWarning::kCannotAccess) << value;
    EXPECT_EQ(result.failure, MediaFailure::kMissing) << value;
    std::string referenced(value);
    for (char& c : referenced) c = c == '/' ? '\\' : c;
    EXPECT_EQ(result.subject, referenced);
  }
}

// A device, a named pipe or a folder is no media file: copying /dev/zero
// would fill the disk, opening a pipe would wait for ever.
TEST_F(HostileMediaTest, WhatIsNoRegularFileIsMissingNeverReadOrCopied) {
  ASSERT_EQ(mkfifo(dir_.File("tree/photos/pipe.jpg").c_str(), 0644), 0);
  ASSERT_EQ(mkfifo(dir_.File("tree/pipe.pdf").c_str(), 0644), 0);
  mkdir(dir_.File("tree/folder.png").c_str(), 0755);
  for (const std::string& value :
       std::vector<std::string>{"/dev/zero", "/dev/null", "photos/pipe.jpg", "pipe.pdf",
                                "folder.png", dir_.File("tree/pipe.pdf")}) {
    const DeriveResult result = Derive(value);
    EXPECT_EQ(result.warning, MediaWarning::kCannotAccess) << value;
    EXPECT_EQ(result.failure, MediaFailure::kMissing) << value;
  }
  EXPECT_EQ(FilesBelow(settings_.media_folder + "/orig"), std::set<std::string>{});
  EXPECT_EQ(FilesBelow(settings_.media_folder + "/slide"), std::set<std::string>{});

  // Met by the copier itself (a file replaced by a pipe after it was found).
  MediaFolderWriter writer(settings_.media_folder);
  uint64_t bytes = 0;
  EXPECT_FALSE(writer.Copy("orig/zero", "/dev/zero", &bytes));
  EXPECT_FALSE(writer.Copy("orig/pipe.pdf", dir_.File("tree/pipe.pdf"), &bytes));
  EXPECT_FALSE(IsFile(settings_.media_folder + "/orig/zero"));
}

TEST_F(HostileMediaTest, AGifOfTenThousandFramesIsCopiedNotDecoded) {
  const std::string movie = testing::MakeAnimatedGif(32, 32, 10000);
  dir_.Write("tree/photos/long.gif", movie);
  MediaItem item;
  const DeriveResult result = Derive("photos/long.gif", &item);
  EXPECT_TRUE(result.ok());
  EXPECT_EQ(item.code, MediaCode::kAnimatedGif);
  EXPECT_EQ(ReadFile(settings_.media_folder + "/thumb/long.gif"), movie);
}

TEST_F(HostileMediaTest, AwkwardNamesAndPathsGiveCorrectCopies) {
  const std::string jpeg = MakeJpeg(300, 200);
  const std::string odd = "Ann \"Nan\" Ko\xC5\x82odziej's 1901.jpg";  // Kołodziej
  dir_.Write("tree/photos/" + odd, jpeg);
  dir_.Write("tree/plain.jpg", jpeg);
  const struct {
    std::string value;
    std::string derived;
  } cases[] = {
      {"photos\\" + odd, odd},
      {"C:\\Users\\ann\\Documents\\Genealogy\\photos\\" + odd, odd},
      {dir_.File("tree/plain.jpg"), "plain.jpg"},
      {"photos/../plain.jpg", "plain.jpg"},
      {"../tree/photos/../../tree/plain.jpg", "plain.jpg"},
  };
  for (const auto& c : cases) {
    MediaItem item;
    const DeriveResult result = Derive(c.value, &item);
    EXPECT_TRUE(result.ok()) << c.value;
    EXPECT_EQ(item.derived_name, c.derived) << c.value;
    EXPECT_EQ(ReadFile(settings_.media_folder + "/orig/" + c.derived), jpeg) << c.value;
    EXPECT_EQ(
        ReadImageHeader(ReadFile(settings_.media_folder + "/thumb/" + c.derived))->width,
        150);
  }
  // Whatever the paths said, only the media folder received files.
  std::set<std::string> outside = FilesBelow(dir_.path());
  std::erase_if(outside, [](const std::string& f) {
    return f.starts_with("site/media/") || f.starts_with("tree/");
  });
  EXPECT_TRUE(outside.empty()) << *outside.begin();
}

TEST_F(HostileMediaTest, ALinkInTheMediaFolderNeverLeadsAWriteOutside) {
  dir_.Write("tree/a.jpg", MakeJpeg(300, 200));
  fs::create_directories(settings_.media_folder);
  // thumb/ is a link to a folder outside the media folder ...
  ASSERT_EQ(
      symlink(dir_.File("outside").c_str(), (settings_.media_folder + "/thumb").c_str()),
      0);
  // ... and slide/a.jpg a link to a file outside it.
  fs::create_directories(settings_.media_folder + "/slide");
  const std::string victim = dir_.Write("outside/victim.txt", "keep me");
  ASSERT_EQ(symlink(victim.c_str(), (settings_.media_folder + "/slide/a.jpg").c_str()),
            0);

  const DeriveResult result = Derive("a.jpg");
  EXPECT_EQ(result.warning, MediaWarning::kCannotAccess);
  EXPECT_EQ(result.failure, MediaFailure::kCannotWrite);
  EXPECT_EQ(FilesBelow(dir_.File("outside")), std::set<std::string>{"victim.txt"});
  EXPECT_EQ(ReadFile(victim), "keep me");
  // The slide image replaced the link instead of writing through it.
  EXPECT_FALSE(fs::is_symlink(settings_.media_folder + "/slide/a.jpg"));
  EXPECT_EQ(ReadImageHeader(ReadFile(settings_.media_folder + "/slide/a.jpg"))->width,
            300);
}

TEST(MediaFolderWriterTest, RelativePathsThatCouldEscapeAreRefused) {
  TempDir dir;
  MediaFolderWriter writer(dir.File("media"));
  for (const char* path : {"", "/etc/x", "../x", "thumb/../../x", "thumb//x", "./x",
                           "thumb/.", "a\\b", "new\nline"}) {
    EXPECT_FALSE(writer.Write(path, "data")) << path;
  }
  EXPECT_TRUE(writer.Write("thumb/sub/ok.jpg", "data"));
  EXPECT_EQ(FilesBelow(dir.path()), std::set<std::string>{"media/thumb/sub/ok.jpg"});
}

}  // namespace
}  // namespace vellix::media
