// The 1,000 photographs the media benchmarks derive: 1024 x 768 JPEG
// pictures with gradients and shapes (about 190 KB each, ten distinct
// ones), made once into /tmp/vellix-bench-media/ as photo-0000.jpg ...
#pragma once

#include <gd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace vellix::bench {

constexpr int kPictures = 1000;
constexpr int kDistinct = 10;

/// A 1024 x 768 JPEG with gradients and shapes, so that it compresses and
/// decodes like a photograph rather than a flat colour.
inline std::string MakePhoto(int seed) {
  gdImagePtr image = gdImageCreateTrueColor(1024, 768);
  for (int y = 0; y < 768; ++y) {
    for (int x = 0; x < 1024; ++x) {
      const int noise = (x * 7919 + y * 104729 + seed * 31) % 23;
      gdImageSetPixel(image, x, y,
                      gdTrueColor((x / 4 + seed * 20 + noise) % 256,
                                  (y / 3 + noise) % 256, (x + y + seed * 50) / 8 % 256));
    }
  }
  for (int i = 0; i < 30; ++i) {
    gdImageFilledEllipse(image, (i * 137 + seed * 61) % 1024, (i * 89 + seed * 17) % 768,
                         40 + i * 3, 30 + i * 2,
                         gdTrueColor(i * 8, 255 - i * 8, seed * 25));
  }
  int size = 0;
  void* bytes = gdImageJpegPtr(image, &size, 85);
  std::string jpeg(static_cast<const char*>(bytes), static_cast<size_t>(size));
  gdFree(bytes);
  gdImageDestroy(image);
  return jpeg;
}

/// The folder holding the 1,000 pictures (made on first use).
inline const std::string& PictureFolder() {
  static const std::string folder = [] {
    const std::string path = "/tmp/vellix-bench-media/";
    if (!platform::FileExists(path + "photo-0999.jpg")) {
      platform::CreateFolders(path);
      std::vector<std::string> photos;
      for (int i = 0; i < kDistinct; ++i) photos.push_back(MakePhoto(i));
      for (int i = 0; i < kPictures; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "photo-%04d.jpg", i);
        platform::WriteWholeFile(path + name, photos[i % kDistinct]);
      }
    }
    return path;
  }();
  return folder;
}

}  // namespace vellix::bench
