// Speed of family selection and of the individuals pass (with GENDEX), on
// the synthetic files of 10,000 and 100,000 individuals (1,000,000 with
// VELLIX_BENCH_1M=1). The file is read once; each iteration runs one pass.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <map>
#include <memory>
#include <string>

#include "bench_environment.h"
#include "engine/gendex_file.h"
#include "gedcom/gedcom_reader.h"
#include "gedcom/record_store.h"
#include "gedcom_synth.h"
#include "model/dialects.h"
#include "model/individuals.h"
#include "model/run_context.h"
#include "model/selection.h"
#include "options/options.h"
#include "platform/file_system.h"
#include "platform/progress.h"

namespace {

using namespace vellix;

// A file read into a store once per size, shared by the benchmarks.
struct LoadedFile {
  bench::BenchEnvironment services;
  RecordStore store;
  GedcomReader reader{store, services.env};
  DialectTable dialects;
  COptions options;
  RunStatistics statistics;
  platform::NullProgress progress;
  std::string dest;
};

LoadedFile& FileFor(int n) {
  static std::map<int, std::unique_ptr<LoadedFile>> files;
  auto& slot = files[n];
  if (slot) return *slot;
  const std::string path = "/tmp/vellix-bench-" + std::to_string(n) + ".ged";
  if (!platform::FileExists(path)) platform::WriteWholeFile(path, bench::MakeGedcom(n));
  slot = std::make_unique<LoadedFile>();
  slot->reader.Open(path);
  slot->reader.ReadPass(true, nullptr, nullptr);
  slot->dest = "/tmp/vellix-bench-site-" + std::to_string(n) + "/";
  platform::CreateFolders(slot->dest);
  slot->options.m_strDestFolder = platform::StoredPath(slot->dest);
  return *slot;
}

class CountingSink : public IndividualSink {
 public:
  void AddIndividual(const IndividualSummary&, bool) override { ++count; }
  int64_t count = 0;
};

void BM_SelectFamilies(benchmark::State& state) {
  LoadedFile& file = FileFor(static_cast<int>(state.range(0)));
  RunContext ctx{
      file.services.env, file.options,  file.reader, file.store, file.statistics,
      file.progress,     file.dialects, {},          0};
  for (auto _ : state) {
    file.store.ClearMarks();
    SelectFamilies(ctx, true);
  }
  state.counters["selected"] = file.statistics.familiesSelected;
  state.SetItemsProcessed(state.iterations() * file.store.familyCount());
}

void BM_ParseIndividualsWithGendex(benchmark::State& state) {
  LoadedFile& file = FileFor(static_cast<int>(state.range(0)));
  RunContext ctx{
      file.services.env, file.options,  file.reader, file.store, file.statistics,
      file.progress,     file.dialects, {},          0};
  file.store.ClearMarks();
  SelectFamilies(ctx, true);
  int64_t count = 0;
  for (auto _ : state) {
    CountingSink sink;
    GendexFile gendex(file.services.env, file.options.m_strDestFolder, file.statistics);
    ParseIndividuals(ctx, sink, &gendex, false);
    count = sink.count;
  }
  state.counters["indexed"] = static_cast<double>(count);
  state.SetItemsProcessed(state.iterations() * file.store.individualCount());
}

void Sizes(benchmark::internal::Benchmark* b) {
  b->Arg(10000)->Arg(100000);
  if (std::getenv("VELLIX_BENCH_1M")) b->Arg(1000000);
  b->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_SelectFamilies)->Apply(Sizes);
BENCHMARK(BM_ParseIndividualsWithGendex)->Apply(Sizes);

}  // namespace

BENCHMARK_MAIN();
