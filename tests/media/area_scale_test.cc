#include "media/area_scale.h"

#include <gd.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace vellix::media {
namespace {

struct ImageDeleter {
  void operator()(gdImagePtr image) const {
    if (image) gdImageDestroy(image);
  }
};
using Image = std::unique_ptr<gdImage, ImageDeleter>;

Image TrueColour(int width, int height) {
  Image image(gdImageCreateTrueColor(width, height));
  gdImageAlphaBlending(image.get(), 0);
  return image;
}

TEST(AreaScaleTest, FlatAreasKeepTheirColourAndEdgesAreBlended) {
  Image source = TrueColour(100, 50);
  gdImageFilledRectangle(source.get(), 0, 0, 38, 49, gdTrueColor(220, 20, 20));
  gdImageFilledRectangle(source.get(), 39, 0, 99, 49, gdTrueColor(20, 20, 220));
  Image small(ShrinkByAreaAverage(source.get(), 40, 20));
  ASSERT_TRUE(small);
  EXPECT_EQ(gdImageSX(small.get()), 40);
  EXPECT_EQ(gdImageSY(small.get()), 20);
  EXPECT_EQ(gdImageTrueColorPixel(small.get(), 0, 0), gdTrueColor(220, 20, 20));
  EXPECT_EQ(gdImageTrueColorPixel(small.get(), 39, 19), gdTrueColor(20, 20, 220));
  // Target column 15 covers source columns 37.5 to 40: 1.5 red, 1 blue.
  EXPECT_EQ(gdImageTrueColorPixel(small.get(), 15, 10), gdTrueColor(140, 20, 100));
}

TEST(AreaScaleTest, FinePatternsAverageInsteadOfAliasing) {
  // A one-pixel checkerboard, as in scanned text or halftone: every target
  // pixel must come out mid-grey, never black or white.
  Image source = TrueColour(99, 99);
  for (int y = 0; y < 99; ++y) {
    for (int x = 0; x < 99; ++x) {
      gdImageSetPixel(source.get(), x, y, (x + y) % 2 ? gdTrueColor(255, 255, 255) : 0);
    }
  }
  Image small(ShrinkByAreaAverage(source.get(), 10, 10));
  ASSERT_TRUE(small);
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 10; ++x) {
      EXPECT_NEAR(gdTrueColorGetGreen(gdImageTrueColorPixel(small.get(), x, y)), 128, 4);
    }
  }
}

TEST(AreaScaleTest, TransparentAreasStayTransparentWithoutColourFringes) {
  // A palette picture: left half the transparent colour (magenta), right
  // half opaque blue.
  Image source(gdImageCreate(40, 20));
  const int clear = gdImageColorAllocate(source.get(), 255, 0, 255);
  const int blue = gdImageColorAllocate(source.get(), 0, 0, 255);
  gdImageColorTransparent(source.get(), clear);
  gdImageFilledRectangle(source.get(), 0, 0, 18, 19, clear);
  gdImageFilledRectangle(source.get(), 19, 0, 39, 19, blue);
  Image small(ShrinkByAreaAverage(source.get(), 10, 5));
  ASSERT_TRUE(small);
  EXPECT_EQ(gdTrueColorGetAlpha(gdImageTrueColorPixel(small.get(), 0, 2)),
            gdAlphaTransparent);
  EXPECT_EQ(gdImageTrueColorPixel(small.get(), 9, 2), gdTrueColor(0, 0, 255));
  // Target column 4 covers source columns 16 to 20, a quarter of it blue.
  const int edge = gdImageTrueColorPixel(small.get(), 4, 2);
  EXPECT_EQ(gdTrueColorGetRed(edge), 0);  // no magenta bleeds in
  EXPECT_EQ(gdTrueColorGetBlue(edge), 255);
  EXPECT_NEAR(gdTrueColorGetAlpha(edge), 95, 1);  // three quarters transparent
}

TEST(AreaScaleTest, OnlyShrinks) {
  Image source = TrueColour(30, 20);
  EXPECT_FALSE(ShrinkByAreaAverage(source.get(), 31, 20));
  EXPECT_FALSE(ShrinkByAreaAverage(source.get(), 30, 21));
  EXPECT_FALSE(ShrinkByAreaAverage(source.get(), 0, 10));
  Image same(ShrinkByAreaAverage(source.get(), 30, 20));
  EXPECT_TRUE(same);
}

}  // namespace
}  // namespace vellix::media
