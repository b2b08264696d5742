// Speed of the name index phase: sorting, pagination, the index pages and
// the surname pages, after the individuals pass has fed the index, on the
// synthetic files of 10,000 and 100,000 individuals (1,000,000 with
// VELLIX_BENCH_1M=1). The individuals pass is timed apart, for comparison.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <map>
#include <memory>
#include <string>

#include "bench_environment.h"
#include "gedcom/gedcom_reader.h"
#include "gedcom/record_store.h"
#include "gedcom_synth.h"
#include "model/dialects.h"
#include "model/individuals.h"
#include "model/privacy.h"
#include "model/run_context.h"
#include "model/selection.h"
#include "options/options.h"
#include "platform/file_system.h"
#include "platform/progress.h"
#include "site/index/index_run.h"
#include "site/index/name_index.h"

namespace {

using namespace vellix;

// A file read and selected once per size, shared by the benchmarks.
struct SelectedFile {
  bench::BenchEnvironment services;
  RecordStore store;
  GedcomReader reader{store, services.env};
  DialectTable dialects;
  COptions options;
  RunStatistics statistics;
  platform::NullProgress progress;
  std::unique_ptr<PrivacyFilter> privacy;
};

SelectedFile& FileFor(int n) {
  static std::map<int, std::unique_ptr<SelectedFile>> files;
  auto& slot = files[n];
  if (slot) return *slot;
  const std::string path = "/tmp/vellix-bench-" + std::to_string(n) + ".ged";
  if (!platform::FileExists(path)) platform::WriteWholeFile(path, bench::MakeGedcom(n));
  slot = std::make_unique<SelectedFile>();
  slot->reader.Open(path);
  slot->reader.ReadPass(true, nullptr, nullptr);
  const std::string dest = "/tmp/vellix-bench-index-" + std::to_string(n) + "/";
  platform::CreateFolders(dest);
  slot->options.m_strDestFolder = platform::StoredPath(dest);
  slot->privacy = std::make_unique<PrivacyFilter>(slot->options);
  RunContext ctx{slot->services.env,
                 slot->options,
                 slot->reader,
                 slot->store,
                 slot->statistics,
                 slot->progress,
                 slot->dialects,
                 {},
                 0};
  slot->store.ClearMarks();
  SelectFamilies(ctx, *slot->privacy, true);
  return *slot;
}

void BM_IndividualsPassIntoIndex(benchmark::State& state) {
  SelectedFile& file = FileFor(static_cast<int>(state.range(0)));
  RunContext ctx{
      file.services.env, file.options,  file.reader, file.store, file.statistics,
      file.progress,     file.dialects, {},          0};
  int32_t count = 0;
  for (auto _ : state) {
    site::NameIndex index(file.options, *file.privacy);
    index.set_record_store(&file.store);
    ParseIndividuals(ctx, *file.privacy, index, nullptr, false);
    count = index.count();
  }
  state.counters["entries"] = count;
}

void BM_IndexAndSurnamePages(benchmark::State& state) {
  SelectedFile& file = FileFor(static_cast<int>(state.range(0)));
  RunContext ctx{
      file.services.env, file.options,  file.reader, file.store, file.statistics,
      file.progress,     file.dialects, {},          0};
  int32_t count = 0;
  int32_t pages = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto index = std::make_unique<site::NameIndex>(file.options, *file.privacy);
    ParseIndividuals(ctx, *file.privacy, *index, nullptr, false);
    state.ResumeTiming();
    count = site::WriteIndexPages(ctx, *index, true);
    pages = index->page_count();
    state.PauseTiming();
    index.reset();
    state.ResumeTiming();
  }
  state.counters["entries"] = count;
  state.counters["pages"] = pages;
}

void Sizes(benchmark::internal::Benchmark* b) {
  b->Arg(10000)->Arg(100000);
  if (std::getenv("VELLIX_BENCH_1M")) b->Arg(1000000);
  b->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_IndividualsPassIntoIndex)->Apply(Sizes);
BENCHMARK(BM_IndexAndSurnamePages)->Apply(Sizes);

}  // namespace

BENCHMARK_MAIN();
