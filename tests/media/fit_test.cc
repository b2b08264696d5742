#include "media/fit.h"

#include <gtest/gtest.h>

namespace vellix::media {
namespace {

struct FitCase {
  int32_t max, width, height;
  FitMode mode;
  PixelSize expected;
};

TEST(FitTest, ScalesToTheLongerSideAndNeverEnlarges) {
  const FitCase cases[] = {
      {150, 1200, 800, FitMode::kLongerSide, {150, 100}},  // landscape thumbnail
      {600, 1200, 800, FitMode::kLongerSide, {600, 400}},  // its slide image
      {150, 800, 1200, FitMode::kLongerSide, {100, 150}},  // portrait format
      {350, 800, 1200, FitMode::kLongerSide, {233, 350}},  // family portrait
      {150, 100, 80, FitMode::kLongerSide, {100, 80}},     // fits: not enlarged
      {150, 150, 150, FitMode::kLongerSide, {150, 150}},   // exactly the maximum
      {150, 300, 300, FitMode::kLongerSide, {150, 150}},   // square
      {100, 1000, 3, FitMode::kLongerSide, {100, 1}},      // a sliver keeps a pixel
      {0, 1200, 800, FitMode::kLongerSide, {1200, 800}},   // no maximum
      {-5, 1200, 800, FitMode::kLongerSide, {1200, 800}},
      {75, 800, 1200, FitMode::kWidthOnly, {75, 113}},  // individual portrait
      {75, 1200, 800, FitMode::kWidthOnly, {75, 50}},
      {75, 50, 400, FitMode::kWidthOnly, {50, 400}},  // narrow and tall: kept
      {75, 75, 400, FitMode::kWidthOnly, {75, 400}},
  };
  for (const FitCase& c : cases) {
    EXPECT_EQ(Fit(c.max, c.width, c.height, c.mode), c.expected)
        << c.width << "x" << c.height << " into " << c.max;
  }
}

}  // namespace
}  // namespace vellix::media
