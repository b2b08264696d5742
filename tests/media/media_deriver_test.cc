#include "media/media_deriver.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "media/image_header.h"
#include "media/media_catalogue.h"
#include "media/test_pictures.h"
#include "testing/test_support.h"

namespace vellix::media {
namespace {

using testing::DecodePicture;
using testing::MakeAnimatedGif;
using testing::MakeJpeg;
using testing::MakePng;
using testing::MakeTransparentGif;
using vellix::testing::ReadFile;
using vellix::testing::TempDir;

constexpr std::string_view kIni =
    "[pdf]\nMIME=application/pdf\nIcon=icon-pdf.jpg\n"
    "[doc]\nMIME=application/msword\nIcon=word.jpg\n";

/// A media source folder ("pictures/") and a site ("site/media/"), a
/// catalogue with a PDF kind and a DOC kind whose icon is not built in, and
/// verbs to derive items as one run would.
class DeriverTest : public ::testing::Test {
 protected:
  DeriverTest() {
    mkdir(dir_.File("pictures").c_str(), 0755);
    catalogue_.LoadFromText(kIni, [](std::string_view) { return std::nullopt; });
    settings_.media_folder = dir_.File("site/media");
    settings_.search = SearchFoldersFor(dir_.File("pictures"), dir_.File("tree.ged"));
  }

  /// Writes a source file below pictures/ (folders made as needed).
  std::string Source(const std::string& name, const std::string& content) {
    for (size_t slash = name.find('/'); slash != std::string::npos;
         slash = name.find('/', slash + 1)) {
      mkdir(dir_.File("pictures/" + name.substr(0, slash)).c_str(), 0755);
    }
    return dir_.Write("pictures/" + name, content);
  }

  /// One run over `values`: a fresh deriver, every item derived, the
  /// record saved. Returns the results in order.
  std::vector<DeriveResult> Run(const std::vector<std::string>& values) {
    MediaDeriver deriver(catalogue_, settings_);
    std::vector<DeriveResult> results;
    items_.clear();
    for (const std::string& value : values) {
      items_.push_back(MakeMediaItem(value));
      results.push_back(deriver.Derive(&items_.back()));
    }
    EXPECT_TRUE(deriver.Finish());
    return results;
  }

  DeriveResult RunOne(const std::string& value) { return Run({value}).front(); }

  std::string Media(const std::string& relative) {
    return ReadFile(settings_.media_folder + "/" + relative);
  }
  bool Exists(const std::string& relative) {
    return IsFile(settings_.media_folder + "/" + relative);
  }
  int64_t Modified(const std::string& relative) {
    return StatFile(settings_.media_folder + "/" + relative).modified;
  }

  TempDir dir_;
  MediaCatalogue catalogue_;
  MediaSettings settings_;
  std::vector<MediaItem> items_;
};

TEST_F(DeriverTest, AJpegGetsAThumbnailAndASlideImageInItsOwnFormat) {
  Source("a.jpg", MakeJpeg(1200, 800));
  const DeriveResult result = RunOne("a.jpg");
  EXPECT_TRUE(result.ok());
  EXPECT_EQ(result.files_written, 2);
  const auto thumb = ReadImageHeader(Media("thumb/a.jpg"));
  const auto slide = ReadImageHeader(Media("slide/a.jpg"));
  ASSERT_TRUE(thumb && slide);
  EXPECT_EQ(thumb->format, ImageFormat::kJpeg);
  EXPECT_EQ(PixelSize(thumb->width, thumb->height), PixelSize(150, 100));
  EXPECT_EQ(slide->format, ImageFormat::kJpeg);
  EXPECT_EQ(PixelSize(slide->width, slide->height), PixelSize(600, 400));
  EXPECT_EQ(result.bytes_written,
            Media("thumb/a.jpg").size() + Media("slide/a.jpg").size());
  EXPECT_FALSE(Exists("orig/a.jpg"));
  EXPECT_EQ(items_[0].derived_name, "a.jpg");
  EXPECT_EQ(items_[0].code, MediaCode::kJpeg);
}

TEST_F(DeriverTest, ASmallPngIsReencodedButNotEnlarged) {
  Source("small.png", MakePng(100, 80));
  EXPECT_TRUE(RunOne("small.png").ok());
  for (const char* path : {"thumb/small.png", "slide/small.png"}) {
    const auto header = ReadImageHeader(Media(path));
    ASSERT_TRUE(header.has_value()) << path;
    EXPECT_EQ(header->format, ImageFormat::kPng);
    EXPECT_EQ(PixelSize(header->width, header->height), PixelSize(100, 80));
  }
}

TEST_F(DeriverTest, ATransparentGifKeepsItsTransparentColour) {
  Source("logo.gif", MakeTransparentGif(400, 200));
  EXPECT_TRUE(RunOne("logo.gif").ok());
  const testing::Decoded thumb = DecodePicture(Media("thumb/logo.gif"));
  EXPECT_EQ(thumb.width, 150);
  EXPECT_EQ(thumb.height, 75);
  EXPECT_FALSE(thumb.true_colour);
  EXPECT_GE(thumb.transparent, 0);
  EXPECT_EQ(thumb.alpha_at_left, 127);  // the transparent half
  EXPECT_EQ(thumb.alpha_at_right, 0);   // the opaque half
}

TEST_F(DeriverTest, AnAnimatedGifIsCopiedUnchanged) {
  const std::string movie = MakeAnimatedGif(700, 300, 3);
  Source("dance.gif", movie);
  EXPECT_TRUE(RunOne("dance.gif").ok());
  EXPECT_EQ(Media("thumb/dance.gif"), movie);
  EXPECT_EQ(Media("slide/dance.gif"), movie);
  EXPECT_EQ(items_[0].code, MediaCode::kAnimatedGif);
  EXPECT_EQ(items_[0].width, 700);
  // The next run knows it from the record without reading the file.
  EXPECT_EQ(RunOne("dance.gif").files_written, 0);
  EXPECT_EQ(items_[0].code, MediaCode::kAnimatedGif);
  EXPECT_EQ(items_[0].width, 700);
}

TEST_F(DeriverTest, APdfGetsItsBuiltinIconAndACopy) {
  Source("will.pdf", "%PDF-1.4 the last will");
  Source("notes.xyz", "other");
  const std::vector<DeriveResult> results = Run({"will.pdf", "notes.xyz"});
  EXPECT_TRUE(results[0].ok());
  EXPECT_TRUE(results[1].ok());
  EXPECT_EQ(items_[0].icon, "icon-pdf.jpg");
  EXPECT_EQ(Media("thumb/icon-pdf.jpg"),
            catalogue_.BuiltinIcon("icon-pdf.jpg"));  // 100 x 150
  EXPECT_EQ(Media("orig/will.pdf"), "%PDF-1.4 the last will");
  EXPECT_EQ(items_[1].icon, "icon-media.jpg");
  EXPECT_TRUE(Exists("thumb/icon-media.jpg"));
  EXPECT_EQ(Media("orig/notes.xyz"), "other");
  EXPECT_FALSE(Exists("slide/will.pdf"));
}

TEST_F(DeriverTest, BuiltinIconsAreFittedToTheThumbnailSize) {
  settings_.thumb_size = 100;
  Source("will.pdf", "%PDF");
  EXPECT_TRUE(RunOne("will.pdf").ok());
  const auto icon = ReadImageHeader(Media("thumb/icon-pdf.jpg"));
  ASSERT_TRUE(icon.has_value());
  EXPECT_EQ(PixelSize(icon->width, icon->height), PixelSize(67, 100));
}

TEST_F(DeriverTest, TheUsersOwnIconMustBeThereAndIsNeverReplaced) {
  Source("letter.doc", "doc");
  const DeriveResult missing = RunOne("letter.doc");
  EXPECT_EQ(missing.warning, MediaWarning::kNoIcon);
  EXPECT_EQ(missing.subject, "word.jpg");
  EXPECT_EQ(missing.extension, "doc");
  EXPECT_EQ(Media("orig/letter.doc"), "doc");  // the file is copied all the same

  dir_.Write("site/media/thumb/word.jpg", "mine");
  EXPECT_TRUE(RunOne("letter.doc").ok());
  // A file named like a built-in icon that the run did not make stays too.
  dir_.Write("site/media/thumb/icon-pdf.jpg", "my pdf icon");
  Source("will.pdf", "%PDF");
  EXPECT_TRUE(RunOne("will.pdf").ok());
  EXPECT_EQ(Media("thumb/icon-pdf.jpg"), "my pdf icon");
}

TEST_F(DeriverTest, OriginalsAreCopiedWhenSlidesLinkToThem) {
  settings_.link_originals = true;
  const std::string jpeg = MakeJpeg(300, 200);
  Source("a.jpg", jpeg);
  const DeriveResult result = RunOne("a.jpg");
  EXPECT_EQ(result.files_written, 3);
  EXPECT_EQ(Media("orig/a.jpg"), jpeg);
}

TEST_F(DeriverTest, PortraitsAreFittedPerKindAndNeverShareAFile) {
  Source("tall.jpg", MakeJpeg(800, 1200));
  MediaDeriver deriver(catalogue_, settings_);
  MediaItem item = MakeMediaItem("tall.jpg");
  const PortraitResult individual = deriver.Portrait(&item, PortraitKind::kIndividual);
  const PortraitResult family = deriver.Portrait(&item, PortraitKind::kFamily);
  ASSERT_TRUE(individual.status.ok());
  ASSERT_TRUE(family.status.ok());
  EXPECT_EQ(individual.path, "port/tall.jpg");
  EXPECT_EQ(individual.size, PixelSize(75, 113));
  EXPECT_NE(family.path, individual.path);
  EXPECT_EQ(family.size, PixelSize(233, 350));
  const auto a = ReadImageHeader(Media(individual.path));
  const auto b = ReadImageHeader(Media(family.path));
  ASSERT_TRUE(a && b);
  EXPECT_EQ(a->width, 75);
  EXPECT_EQ(b->width, 233);
  // The thumbnail of the same picture is unaffected by either.
  EXPECT_TRUE(deriver.Derive(&item).ok());
  EXPECT_EQ(ReadImageHeader(Media("thumb/tall.jpg"))->height, 150);
  EXPECT_TRUE(deriver.Finish());
}

TEST_F(DeriverTest, APortraitOfAFileThatIsNoPictureIsRefused) {
  Source("will.pdf", "%PDF");
  MediaDeriver deriver(catalogue_, settings_);
  MediaItem item = MakeMediaItem("will.pdf");
  const PortraitResult result = deriver.Portrait(&item, PortraitKind::kFamily);
  EXPECT_EQ(result.status.warning, MediaWarning::kCannotAccess);
  EXPECT_EQ(result.status.failure, MediaFailure::kNotAPicture);
  EXPECT_FALSE(Exists(result.path));
}

TEST_F(DeriverTest, PhotosTakenSidewaysStandUpright) {
  // Stored 1200 x 800, left half red; orientation 6 turns it a quarter
  // clockwise, so it shows 800 x 1200 with the red half on top.
  Source("phone.jpg", testing::WithExifOrientation(MakeJpeg(1200, 800), 6, true));
  EXPECT_TRUE(RunOne("phone.jpg").ok());
  const testing::Decoded thumb = DecodePicture(Media("thumb/phone.jpg"));
  EXPECT_EQ(thumb.width, 100);
  EXPECT_EQ(thumb.height, 150);
  EXPECT_GT(thumb.red_at_top_left, 150);
  EXPECT_LT(thumb.red_at_bottom_left, 100);
}

TEST_F(DeriverTest, SameFileNameInTwoFoldersGivesTwoDerivedFiles) {
  settings_.search.source_folder.clear();  // no folder structure to keep
  Source("ann/photo.jpg", MakeJpeg(400, 200));
  Source("bob/photo.jpg", MakeJpeg(200, 400));
  const std::vector<DeriveResult> results = Run(
      {"pictures/ann/photo.jpg", "pictures\\bob\\photo.jpg", "pictures/ann/photo.jpg"});
  for (const DeriveResult& result : results) EXPECT_TRUE(result.ok());
  EXPECT_EQ(items_[0].derived_name, "photo.jpg");
  EXPECT_EQ(items_[1].derived_name, "photo-2.jpg");
  EXPECT_EQ(items_[2].derived_name, "photo.jpg");
  EXPECT_EQ(results[2].files_written, 0);  // made once per run
  EXPECT_EQ(ReadImageHeader(Media("thumb/photo.jpg"))->width, 150);
  EXPECT_EQ(ReadImageHeader(Media("thumb/photo-2.jpg"))->width, 75);
}

TEST_F(DeriverTest, FoldersBelowTheSourceFolderAreKept) {
  settings_.lower_case_names = true;
  Source("People/Ann/Portrait.JPG", MakeJpeg(60, 40));
  EXPECT_TRUE(RunOne("People\\Ann\\Portrait.JPG").ok());
  EXPECT_EQ(items_[0].derived_name, "people/ann/portrait.jpg");
  EXPECT_TRUE(Exists("thumb/people/ann/portrait.jpg"));
  EXPECT_TRUE(Exists("slide/people/ann/portrait.jpg"));
}

// ---- Making files again ---------------------------------------------------

/// Sets the modification time of `path` to `seconds` since 1970.
void SetModified(const std::string& path, int64_t seconds) {
  struct timespec times[2] = {{0, UTIME_OMIT}, {seconds, 0}};
  ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

TEST_F(DeriverTest, AnUnchangedPictureIsNeitherReadNorWrittenAgain) {
  const std::string source = Source("a.jpg", MakeJpeg(1200, 800));
  SetModified(source, 1600000000);
  ASSERT_EQ(RunOne("a.jpg").files_written, 2);
  const std::string thumb = Media("thumb/a.jpg");
  // Garbage of the same size and time: a run that decoded the source again
  // would fail on it.
  dir_.Write("pictures/a.jpg", std::string(ReadFile(source).size(), 'x'));
  SetModified(source, 1600000000);
  const DeriveResult again = RunOne("a.jpg");
  EXPECT_TRUE(again.ok());
  EXPECT_EQ(again.files_written, 0);
  EXPECT_EQ(Media("thumb/a.jpg"), thumb);
}

TEST_F(DeriverTest, AChangedSourceOrSizeOrAMissingFileIsMadeAgain) {
  const std::string source = Source("a.jpg", MakeJpeg(1200, 800));
  SetModified(source, 1600000000);
  ASSERT_EQ(RunOne("a.jpg").files_written, 2);

  settings_.thumb_size = 120;  // only the thumbnail is made again
  EXPECT_EQ(RunOne("a.jpg").files_written, 1);
  EXPECT_EQ(ReadImageHeader(Media("thumb/a.jpg"))->width, 120);

  SetModified(source, 1600000100);  // the photo was edited
  EXPECT_EQ(RunOne("a.jpg").files_written, 2);

  std::remove((settings_.media_folder + "/slide/a.jpg").c_str());
  EXPECT_EQ(RunOne("a.jpg").files_written, 1);
  EXPECT_EQ(RunOne("a.jpg").files_written, 0);

  // Without the record every file is made again, once.
  std::remove((settings_.media_folder + "/vx-media.txt").c_str());
  EXPECT_EQ(RunOne("a.jpg").files_written, 2);
  EXPECT_EQ(RunOne("a.jpg").files_written, 0);
}

TEST_F(DeriverTest, CopyingMultimediaMakesEverythingAgainOncePerRun) {
  Source("a.jpg", MakeJpeg(300, 200));
  Source("will.pdf", "%PDF");
  ASSERT_EQ(Run({"a.jpg", "will.pdf"})[0].files_written, 2);
  settings_.mode = MediaMode::kRemakeAll;
  const std::vector<DeriveResult> results = Run({"a.jpg", "will.pdf", "a.jpg"});
  EXPECT_EQ(results[0].files_written, 2);
  EXPECT_EQ(results[1].files_written, 2);  // icon and copy
  EXPECT_EQ(results[2].files_written, 0);
}

TEST_F(DeriverTest, SkippingMultimediaWritesNothingButNamesEverything) {
  settings_.mode = MediaMode::kSkip;
  Source("a.jpg", MakeJpeg(300, 200));
  Source("will.pdf", "%PDF");
  const std::vector<DeriveResult> results = Run({"a.jpg", "will.pdf", "gone.jpg"});
  for (const DeriveResult& result : results) {
    EXPECT_TRUE(result.ok());
    EXPECT_EQ(result.files_written, 0);
  }
  EXPECT_EQ(items_[0].derived_name, "a.jpg");
  EXPECT_EQ(items_[1].icon, "icon-pdf.jpg");
  EXPECT_FALSE(Exists("thumb/a.jpg"));
  EXPECT_FALSE(IsFile(settings_.media_folder + "/vx-media.txt"));
}

}  // namespace
}  // namespace vellix::media
