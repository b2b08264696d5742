// Speed of the media phase: deriving the thumbnails and slide images of
// 1,000 pictures into a fresh media folder, and the rerun over the same
// unchanged pictures (a fresh deriver each time, as a new run has). The
// pictures (1024 x 768 JPEG photographs, about 90 KB each) are made once
// into /tmp.
#include <benchmark/benchmark.h>
#include <gd.h>
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "media/media_catalogue.h"
#include "media/media_deriver.h"
#include "platform/file_system.h"

namespace {

namespace media = vellix::media;
namespace fs = std::filesystem;

constexpr int kPictures = 1000;
constexpr int kDistinct = 10;

/// A 1024 x 768 JPEG with gradients and shapes, so that it compresses and
/// decodes like a photograph rather than a flat colour.
std::string MakePhoto(int seed) {
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
const std::string& PictureFolder() {
  static const std::string folder = [] {
    const std::string path = "/tmp/vellix-bench-media/";
    if (!vellix::platform::FileExists(path + "photo-0999.jpg")) {
      vellix::platform::CreateFolders(path);
      std::vector<std::string> photos;
      for (int i = 0; i < kDistinct; ++i) photos.push_back(MakePhoto(i));
      for (int i = 0; i < kPictures; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "photo-%04d.jpg", i);
        vellix::platform::WriteWholeFile(path + name, photos[i % kDistinct]);
      }
    }
    return path;
  }();
  return folder;
}

media::MediaSettings Settings(const std::string& site) {
  media::MediaSettings settings;
  settings.media_folder = site + "media";
  settings.search =
      media::SearchFoldersFor(PictureFolder(), PictureFolder() + "tree.ged");
  return settings;
}

/// One media phase over every picture: what a run's galleries do.
void DeriveAll(const media::MediaCatalogue& catalogue,
               const media::MediaSettings& settings, benchmark::State& state) {
  media::MediaDeriver deriver(catalogue, settings);
  int written = 0;
  for (int i = 0; i < kPictures; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "photo-%04d.jpg", i);
    media::MediaItem item = media::MakeMediaItem(name);
    const media::DeriveResult result = deriver.Derive(&item);
    if (!result.ok()) state.SkipWithError("an item failed");
    written += result.files_written;
  }
  if (!deriver.Finish()) state.SkipWithError("record not written");
  state.counters["files_written"] = written;
}

std::string FreshSite() {
  std::string pattern = "/tmp/vellix-bench-site-XXXXXX";
  return std::string(mkdtemp(pattern.data())) + "/";
}

media::MediaCatalogue& Catalogue() {
  static media::MediaCatalogue catalogue;
  if (!catalogue.loaded()) catalogue.Load("");
  return catalogue;
}

void BM_MediaFirstRun(benchmark::State& state) {
  PictureFolder();
  for (auto _ : state) {
    state.PauseTiming();
    const std::string site = FreshSite();
    state.ResumeTiming();
    DeriveAll(Catalogue(), Settings(site), state);
    state.PauseTiming();
    fs::remove_all(site);
    state.ResumeTiming();
  }
  state.counters["pictures"] = kPictures;
}

void BM_MediaUnchangedRerun(benchmark::State& state) {
  PictureFolder();
  const std::string site = FreshSite();
  const media::MediaSettings settings = Settings(site);
  DeriveAll(Catalogue(), settings, state);  // the first run, not timed
  for (auto _ : state) DeriveAll(Catalogue(), settings, state);
  state.counters["pictures"] = kPictures;
  fs::remove_all(site);
}

BENCHMARK(BM_MediaFirstRun)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();
BENCHMARK(BM_MediaUnchangedRerun)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
