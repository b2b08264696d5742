// Divider lines and images, with image sizes read from the image files.
#include "site/frame/dividers.h"

#include <gd.h>
#include <gtest/gtest.h>

#include "platform/image_size.h"
#include "site/frame/frame_fixture.h"
#include "testing/test_support.h"

namespace vellix::site {
namespace {

enum class Format { kPng, kGif, kJpeg };

// The bytes of a `width` x `height` image encoded by libgd.
std::string EncodedImage(int width, int height, Format format) {
  gdImagePtr image = gdImageCreateTrueColor(width, height);
  int size = 0;
  void* bytes = nullptr;
  switch (format) {
    case Format::kPng:
      bytes = gdImagePngPtr(image, &size);
      break;
    case Format::kGif:
      bytes = gdImageGifPtr(image, &size);
      break;
    case Format::kJpeg:
      bytes = gdImageJpegPtr(image, &size, 80);
      break;
  }
  std::string data(static_cast<const char*>(bytes), static_cast<size_t>(size));
  gdFree(bytes);
  gdImageDestroy(image);
  return data;
}

class DividersTest : public FrameTest {
 protected:
  DividersTest() {
    options_.m_strDestFolder = dir_.path();
    dir_.Write("line.png", EncodedImage(40, 7, Format::kPng));
  }
  testing::TempDir dir_;
};

TEST_F(DividersTest, LineFormsOfTheFourDividers) {
  PageWriter writer = Prepared();
  EXPECT_EQ(writer.top_divider(), "\r\n<div class=\"vx-bar mt\"></div>");
  EXPECT_EQ(writer.bottom_divider(), "\r\n<div class=\"vx-bar mb\"></div>");
  EXPECT_EQ(writer.thick_divider(), "\r\n<div class=\"vx-bar mt\"></div>");
  EXPECT_EQ(writer.thin_divider(), "\r\n<div class=\"vx-bar tt\"></div>");
  // Exclude still builds the line form; writers test the mode.
  options_.m_nDividerThin = kDividerExclude;
  EXPECT_EQ(Prepared().thin_divider(), "\r\n<div class=\"vx-bar tt\"></div>");
}

TEST_F(DividersTest, ImageModeWithoutImageIsAnEmptyImageDiv) {
  options_.m_nDividerTop = kDividerImage;
  options_.m_nDividerThick = kDividerImage;
  PageWriter writer = Prepared();
  EXPECT_EQ(writer.top_divider(), "\r\n<div class=\"vx-tbar\"></div>");
  EXPECT_EQ(writer.thick_divider(), "\r\n<div class=\"vx-kbar\"></div>\r\n");
}

TEST_F(DividersTest, ImageSizeIsReadFromTheFileRelativeToTheDestination) {
  options_.m_nDividerBottom = kDividerImage;
  options_.m_strDividerBottomImage = "line.png";
  options_.m_nDividerThin = kDividerImage;
  options_.m_strDividerThinImage = "line.png";
  options_.m_bDividerThinStretch = true;
  options_.m_strDividerText = "a \"line\"";
  PageWriter writer = Prepared();
  EXPECT_EQ(writer.bottom_divider(),
            "\r\n<div class=\"vx-bbar\"><img src=\"line.png\" alt=\"a &#34;line&#34;\" "
            "width=\"40\" height=\"7\"></div>");
  EXPECT_EQ(writer.thin_divider(),
            "\r\n<div class=\"vx-nbar\"><img src=\"line.png\" alt=\"a &#34;line&#34;\" "
            "width=\"100%\" height=\"7\"></div>\r\n");
}

TEST_F(DividersTest, MissingOrBrokenImageKeepsTheTagWithoutSizes) {
  dir_.Write("broken.gif", "GIF89a not really");
  options_.m_nDividerTop = kDividerImage;
  options_.m_strDividerTopImage = "gone.png";
  options_.m_nDividerBottom = kDividerImage;
  options_.m_strDividerBottomImage = "broken.gif";
  options_.m_bDividerBottomStretch = true;
  PageWriter writer = Prepared();
  EXPECT_EQ(writer.top_divider(),
            "\r\n<div class=\"vx-tbar\"><img src=\"gone.png\" alt=\"divider\"></div>");
  EXPECT_EQ(writer.bottom_divider(),
            "\r\n<div class=\"vx-bbar\"><img src=\"broken.gif\" alt=\"divider\" "
            "width=\"100%\"></div>");
}

TEST_F(DividersTest, MediaPagesPutTheRelativePrefixBeforeTheImage) {
  options_.m_nDividerTop = kDividerImage;
  options_.m_strDividerTopImage = "art\\my line.png";
  dir_.Write("art/my line.png", "");
  PageWriter writer = Prepared(true);
  EXPECT_EQ(
      writer.top_divider(),
      "\r\n<div class=\"vx-tbar\"><img src=\"../art/my%20line.png\" alt=\"divider\">"
      "</div>");
}

TEST(ImageSizeTest, DecodesEachFormatByItsSignature) {
  for (Format format : {Format::kPng, Format::kGif, Format::kJpeg}) {
    const auto size = ImageSizeOfBytes(EncodedImage(13, 21, format));
    ASSERT_TRUE(size.has_value());
    EXPECT_EQ(size->width, 13);
    EXPECT_EQ(size->height, 21);
  }
  EXPECT_FALSE(ImageSizeOfBytes("").has_value());
  EXPECT_FALSE(ImageSizeOfBytes("BM not supported").has_value());
  EXPECT_FALSE(ImageSizeOfBytes("\x89PNG\r\n\x1a\n truncated").has_value());
  std::string jpeg = EncodedImage(5, 5, Format::kJpeg);
  EXPECT_FALSE(ImageSizeOfBytes(jpeg.substr(0, 20)).has_value());
}

TEST(ImageSizeTest, ReadsFilesAndRefusesMissingOnes) {
  testing::TempDir dir;
  const std::string path = dir.Write("a.gif", EncodedImage(3, 4, Format::kGif));
  const auto size = ReadImageSize(path);
  ASSERT_TRUE(size.has_value());
  EXPECT_EQ(size->width, 3);
  EXPECT_FALSE(ReadImageSize(dir.File("none.gif")).has_value());
  EXPECT_FALSE(ReadImageSize("").has_value());
  EXPECT_FALSE(ReadImageSize(dir.path()).has_value());  // a folder
}

}  // namespace
}  // namespace vellix::site
