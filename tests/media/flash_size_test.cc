#include "media/flash_size.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <zlib.h>

#include <vector>

#include "testing/test_support.h"

namespace vellix::media {
namespace {

using vellix::testing::TempDir;

/// The body of a movie: the frame rectangle packed in `nbits`-bit fields,
/// then frame rate and count.
std::string Body(int nbits, int xmin, int xmax, int ymin, int ymax) {
  std::vector<bool> bits;
  auto put = [&bits](int64_t value, int n) {
    for (int i = n - 1; i >= 0; --i) bits.push_back((value >> i) & 1);
  };
  put(nbits, 5);
  for (int v : {xmin, xmax, ymin, ymax}) put(v, nbits);
  std::string body((bits.size() + 7) / 8, '\0');
  for (size_t i = 0; i < bits.size(); ++i) {
    if (bits[i]) body[i / 8] |= static_cast<char>(0x80 >> (i % 8));
  }
  return body + std::string("\x00\x18\x01\x00", 4);
}

std::string Header(char kind, uint32_t length) {
  std::string out{kind, 'W', 'S', 10};
  for (int i = 0; i < 4; ++i) out += static_cast<char>((length >> (8 * i)) & 0xFF);
  return out;
}

std::string Plain(const std::string& body) {
  return Header('F', static_cast<uint32_t>(body.size() + 8)) + body;
}

std::string Compressed(const std::string& body, uint32_t stated_length) {
  uLongf size = compressBound(body.size());
  std::string packed(size, '\0');
  compress(reinterpret_cast<Bytef*>(packed.data()), &size,
           reinterpret_cast<const Bytef*>(body.data()), body.size());
  packed.resize(size);
  return Header('C', stated_length) + packed;
}

struct Read {
  bool ok;
  int32_t width, height;
};

Read ReadFile(const TempDir& dir, const std::string& content) {
  Read read{false, 99, 99};
  read.ok = ReadFlashSize(dir.Write("movie.swf", content), &read.width, &read.height);
  return read;
}

TEST(FlashSizeTest, PlainAndCompressedMoviesGiveTheirFrameSize) {
  TempDir dir;
  const std::string body = Body(11, 0, 800, 0, 600);
  for (const std::string& movie :
       {Plain(body), Compressed(body, static_cast<uint32_t>(body.size() + 8))}) {
    Read read = ReadFile(dir, movie);
    EXPECT_TRUE(read.ok);
    EXPECT_EQ(read.width, 40);
    EXPECT_EQ(read.height, 30);
  }
  // A real-world frame: 550 x 400 pixels in 15-bit fields.
  Read large = ReadFile(dir, Plain(Body(15, 0, 11000, 0, 8000)));
  EXPECT_TRUE(large.ok);
  EXPECT_EQ(large.width, 550);
  EXPECT_EQ(large.height, 400);
}

TEST(FlashSizeTest, SizesAreTruncatedTowardZero) {
  TempDir dir;
  Read read = ReadFile(dir, Plain(Body(11, 30, 0, 0, 39)));
  EXPECT_TRUE(read.ok);
  EXPECT_EQ(read.width, -1);  // -30 twips
  EXPECT_EQ(read.height, 1);  // 39 twips
}

TEST(FlashSizeTest, EveryDamagedMovieGivesFalseAndZeroSizes) {
  TempDir dir;
  const std::string body = Body(11, 0, 800, 0, 600);
  const uint32_t length = static_cast<uint32_t>(body.size() + 8);
  const std::string plain = Plain(body);
  const std::string cases[] = {
      "",                                      // empty file
      "FWS\x0a\x10\x00",                       // short header
      "FXS" + plain.substr(3),                 // wrong signature
      "ZWS" + plain.substr(3),                 // neither plain nor compressed
      plain.substr(0, 9),                      // cut inside the rectangle
      Compressed(body, length + 1),            // inflates shorter than stated
      Compressed(body, length - 1),            // inflates longer than stated
      Compressed(body, 0xFFFFFFFFu),           // absurd stated length
      Compressed(body, length).substr(0, 14),  // compressed stream cut off
      Header('C', length) + "not a zlib stream",
  };
  for (const std::string& movie : cases) {
    Read read = ReadFile(dir, movie);
    EXPECT_FALSE(read.ok) << ::testing::PrintToString(movie);
    EXPECT_EQ(read.width, 0);
    EXPECT_EQ(read.height, 0);
  }
  int32_t width = 5, height = 5;
  EXPECT_FALSE(ReadFlashSize(dir.File("missing.swf"), &width, &height));
  EXPECT_EQ(width, 0);
  EXPECT_FALSE(ReadFlashSize(dir.path(), &width, &height));  // a folder
  // A named pipe would block the open for ever; a device is no movie.
  ASSERT_EQ(mkfifo(dir.File("pipe.swf").c_str(), 0644), 0);
  EXPECT_FALSE(ReadFlashSize(dir.File("pipe.swf"), &width, &height));
  EXPECT_FALSE(ReadFlashSize("/dev/zero", &width, &height));
}

}  // namespace
}  // namespace vellix::media
