#include "text/size_format.h"

#include <gtest/gtest.h>

namespace vellix {
namespace {

TEST(FormatSize, SmallSizesAreKilobytes) {
  EXPECT_EQ(FormatSize(0), "0.00 KB");
  EXPECT_EQ(FormatSize(512), "0.50 KB");
  EXPECT_EQ(FormatSize(1024), "1.00 KB");
  EXPECT_EQ(FormatSize(1536), "1.50 KB");
}

TEST(FormatSize, UnitBoundaries) {
  EXPECT_EQ(FormatSize(1048575), "1024.00 KB");
  EXPECT_EQ(FormatSize(1048576), "1.00 MB");
  EXPECT_EQ(FormatSize(5u * 1048576 + 262144), "5.25 MB");
  EXPECT_EQ(FormatSize(1073741823), "1024.00 MB");
  EXPECT_EQ(FormatSize(1073741824), "1.00 GB");
  EXPECT_EQ(FormatSize(3ull * 1073741824 / 2), "1.50 GB");
}

TEST(FormatSize, VeryLargeSizesStayInGigabytes) {
  EXPECT_EQ(FormatSize(2048ull * 1073741824), "2048.00 GB");
}

}  // namespace
}  // namespace vellix
