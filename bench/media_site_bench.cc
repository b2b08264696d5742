// The media phase inside a whole generation run: a tree of 1,000 people,
// each with one photograph (an OBJE line), generated as `vellix generate`
// does (Generator with the site's phases), with galleries and portraits on.
// Timed: the run without galleries (the pages alone), the first run with
// galleries into an empty site, and the rerun over the unchanged tree and
// pictures. The media phase is what galleries add to a run.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "bench_environment.h"
#include "bench_pictures.h"
#include "engine/generator.h"
#include "engine/site_phases.h"
#include "gedcom_synth.h"
#include "options/options.h"
#include "platform/file_system.h"

namespace {

namespace fs = std::filesystem;
using vellix::bench::kPictures;
using vellix::bench::PictureFolder;

/// The synthetic tree with "1 OBJE / 2 FILE photo-NNNN.jpg" in every INDI
/// record, written next to the pictures.
const std::string& TreeWithPictures() {
  static const std::string path = [] {
    std::string tree = vellix::bench::MakeGedcom(kPictures);
    int n = 0;
    for (size_t at = tree.find("@ INDI\r\n"); at != std::string::npos;
         at = tree.find("@ INDI\r\n", at + 1)) {
      char line[64];
      std::snprintf(line, sizeof line, "1 OBJE\r\n2 FILE photo-%04d.jpg\r\n",
                    n++ % kPictures);
      tree.insert(at + 8, line);
    }
    const std::string file = PictureFolder() + "tree.ged";
    vellix::platform::WriteWholeFile(file, tree);
    return file;
  }();
  return path;
}

std::string FreshSite() {
  std::string pattern = "/tmp/vellix-bench-site-XXXXXX";
  return std::string(mkdtemp(pattern.data())) + "/";
}

vellix::COptions Options(const std::string& site, bool galleries) {
  vellix::COptions options;
  options.m_strGedcomFile = TreeWithPictures();
  options.m_strDestFolder = site;
  options.m_bGalleries = galleries;
  options.m_bIgnoreScrapbookFlag = true;
  options.m_bIndivPortraits = true;
  return options;
}

/// One whole run; fails the benchmark when the run does.
void Run(vellix::Generator& generator, vellix::COptions& options,
         benchmark::State& state) {
  const vellix::RunOutcome outcome =
      generator.Generate(vellix::GenerateMode::kAll, options, "bench.dat");
  if (!outcome.success) state.SkipWithError("the run failed");
}

void BM_RunWithoutGalleries(benchmark::State& state) {
  vellix::bench::BenchEnvironment env;
  vellix::Generator generator(env.env, std::make_unique<vellix::SitePhases>());
  const std::string site = FreshSite();
  vellix::COptions options = Options(site, false);
  for (auto _ : state) Run(generator, options, state);
  fs::remove_all(site);
}

void BM_RunWithGalleriesFirst(benchmark::State& state) {
  vellix::bench::BenchEnvironment env;
  vellix::Generator generator(env.env, std::make_unique<vellix::SitePhases>());
  for (auto _ : state) {
    state.PauseTiming();
    const std::string site = FreshSite();
    vellix::COptions options = Options(site, true);
    state.ResumeTiming();
    Run(generator, options, state);
    state.PauseTiming();
    fs::remove_all(site);
    state.ResumeTiming();
  }
  state.counters["pictures"] = kPictures;
}

void BM_RunWithGalleriesUnchanged(benchmark::State& state) {
  vellix::bench::BenchEnvironment env;
  vellix::Generator generator(env.env, std::make_unique<vellix::SitePhases>());
  const std::string site = FreshSite();
  vellix::COptions options = Options(site, true);
  Run(generator, options, state);  // the first run, not timed
  for (auto _ : state) Run(generator, options, state);
  state.counters["pictures"] = kPictures;
  fs::remove_all(site);
}

BENCHMARK(BM_RunWithoutGalleries)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RunWithGalleriesFirst)
    ->Unit(benchmark::kSecond)
    ->Iterations(1)
    ->UseRealTime();
BENCHMARK(BM_RunWithGalleriesUnchanged)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
