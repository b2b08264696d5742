#include "media/image_header.h"

#include <gtest/gtest.h>

#include "media/test_pictures.h"

namespace vellix::media {
namespace {

using testing::MakeAnimatedGif;
using testing::MakeJpeg;
using testing::MakePng;
using testing::MakeTransparentGif;

TEST(ImageHeaderTest, ReadsFormatAndSizeOfEachKind) {
  struct Case {
    std::string data;
    ImageFormat format;
    int width, height;
  } cases[] = {
      {MakeJpeg(120, 80), ImageFormat::kJpeg, 120, 80},
      {MakePng(33, 44), ImageFormat::kPng, 33, 44},
      {MakeTransparentGif(20, 10), ImageFormat::kGif, 20, 10},
  };
  for (const Case& c : cases) {
    std::optional<ImageHeader> header = ReadImageHeader(c.data);
    ASSERT_TRUE(header.has_value());
    EXPECT_EQ(header->format, c.format);
    EXPECT_EQ(header->width, c.width);
    EXPECT_EQ(header->height, c.height);
    EXPECT_EQ(header->largest_frame_pixels, int64_t{c.width} * c.height);
    EXPECT_TRUE(header->complete);
    EXPECT_FALSE(header->animated);
  }
}

TEST(ImageHeaderTest, BytesThatAreNoPictureHaveNoHeader) {
  for (std::string_view data :
       {std::string_view(""), std::string_view("GIF89a"),
        std::string_view("\x89PNG\r\n\x1a\n"), std::string_view("\xFF\xD8\xFF"),
        std::string_view("%PDF-1.4 not a picture"), std::string_view("<html>")}) {
    EXPECT_FALSE(ReadImageHeader(data).has_value()) << data;
  }
}

TEST(ImageHeaderTest, AGifWithTwoFramesIsAnimatedAndOneWithOneIsNot) {
  EXPECT_TRUE(ReadImageHeader(MakeAnimatedGif(16, 16, 2))->animated);
  EXPECT_TRUE(ReadImageHeader(MakeAnimatedGif(16, 16, 10000))->animated);
  EXPECT_FALSE(ReadImageHeader(MakeAnimatedGif(16, 16, 1))->animated);
}

TEST(ImageHeaderTest, ACutOffPictureIsIncomplete) {
  const std::string jpeg = MakeJpeg(200, 100);
  EXPECT_FALSE(ReadImageHeader(jpeg.substr(0, jpeg.size() * 2 / 3))->complete);
  const std::string gif = MakeTransparentGif(200, 100);
  EXPECT_FALSE(ReadImageHeader(gif.substr(0, gif.size() - 10))->complete);
}

TEST(ImageHeaderTest, HostileSizesAreReadFromTheHeaderAlone) {
  std::optional<ImageHeader> png = ReadImageHeader(testing::PngHeaderOnly(30000, 30000));
  ASSERT_TRUE(png.has_value());
  EXPECT_EQ(png->largest_frame_pixels, 900000000);
  std::optional<ImageHeader> jpeg =
      ReadImageHeader(testing::WithJpegFrameSize(MakeJpeg(64, 64), 30000, 30000));
  ASSERT_TRUE(jpeg.has_value());
  EXPECT_EQ(jpeg->width, 30000);
  EXPECT_EQ(jpeg->largest_frame_pixels, 900000000);
  EXPECT_FALSE(ReadImageHeader(testing::PngHeaderOnly(0, 10)).has_value());
  EXPECT_FALSE(ReadImageHeader(testing::PngHeaderOnly(0x80000000u, 10)).has_value());
}

TEST(ImageHeaderTest, ExifOrientationIsReadInBothByteOrders) {
  const std::string jpeg = MakeJpeg(40, 20);
  EXPECT_EQ(ReadImageHeader(jpeg)->orientation, 1);
  for (bool little : {true, false}) {
    for (int orientation : {3, 6, 8}) {
      std::optional<ImageHeader> header =
          ReadImageHeader(testing::WithExifOrientation(jpeg, orientation, little));
      ASSERT_TRUE(header.has_value());
      EXPECT_EQ(header->orientation, orientation);
      EXPECT_EQ(header->width, 40);
    }
  }
  EXPECT_EQ(ReadImageHeader(testing::WithExifOrientation(jpeg, 9, true))->orientation, 1);
}

}  // namespace
}  // namespace vellix::media
